#include "CPgpackApp.h"

#include "ArchiverWindow.h"
#include "Texts.h"

CPgpackApp::CPgpackApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(Texts::ProgramName);
    setApplicationVersion(Texts::ProgramVersion);
}

int CPgpackApp::InitInstance() {
    ArchiverWindow dialog;
    dialog.exec();
    return 0;
}

#include "CPgpackApp.h"

#include "ArchiverWindow.h"
#include "Texts.h"

CPgpackApp::CPgpackApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(Texts::ProgramName);
    setApplicationVersion(Texts::ProgramVersion);
}

int CPgpackApp::InitInstance(const QString& chosen) {
    ArchiverWindow dialog;
    if (!chosen.isEmpty()) dialog.Dispatch([&] { dialog.Dlg().OnFileGiven(chosen); });
    dialog.exec();
    return 0;
}

// The application object of the dialog: it shows the archiver dialog; main.cpp
// makes it when there is a display.

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

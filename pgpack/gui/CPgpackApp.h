#pragma once
// The archiver's application: it shows the archiver dialog modally, and the
// program ends when the dialog closes.

#include <QApplication>

class CPgpackApp : public QApplication {
public:
    CPgpackApp(int& argc, char** argv);
    // Runs the dialog; returns the program's exit status.
    int InitInstance();
};

#pragma once
// The archiver's application: it shows the archiver dialog modally, and the
// program ends when the dialog closes.

#include <QApplication>

class CPgpackApp : public QApplication {
public:
    CPgpackApp(int& argc, char** argv);
    // Runs the dialog, with a file chosen when one is given (a PGDAF file to
    // split, or a mesh to pack); returns the program's exit status.
    int InitInstance(const QString& chosen = {});
};

// The editor's questions asked with Qt's file dialog and message boxes; the
// main window answers TForm1 with it.

#include "WidgetDialogs.h"

#include "Texts.h"

#include <QFileDialog>
#include <QMessageBox>

QString WidgetDialogs::OpenFileName(const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, QString(), QString(), filter);
}

void WidgetDialogs::ShowMessage(const QString& text) {
    QMessageBox::information(parent_, Texts::MessageCaption(), text);
}

bool WidgetDialogs::AskYesNo(const QString& question) {
    return QMessageBox::question(parent_, Texts::MessageCaption(), question,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

// The archiver's questions asked with Qt's message boxes and file dialogs; the
// dialog's window answers CPgpackDlg with it.

#include "WidgetDialogs.h"

#include "CVersionDlg.h"

#include <QFileDialog>
#include <QMessageBox>

QString WidgetDialogs::OpenFileName(const QString& filter, const QString& initialFolder) {
    return QFileDialog::getOpenFileName(parent_, QString(), initialFolder, filter);
}

MessageAnswer WidgetDialogs::MessageBox(const QString& text, const QString& caption,
                                        MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    caption, text,
                    buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                        : QMessageBox::Ok,
                    parent_);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

void WidgetDialogs::ShowVersionDialog() {
    CVersionDlg dialog(parent_);
    dialog.exec();
}

#pragma once
// The version dialog: the program's icon, its name in two centred lines, and
// OK. Modal; OK, Enter and Escape close it.

#include <QDialog>

class CVersionDlg : public QDialog {
public:
    explicit CVersionDlg(QWidget* parent = nullptr);
};

#pragma once
// The version dialog: the program's picture, its name and version, and OK.
// Modeless; OK hides it.

#include <QDialog>

#include <functional>

class VersionDialog : public QDialog {
public:
    explicit VersionDialog(QWidget* parent);
    std::function<void()> onOk;
};

#pragma once
// The editor's modal questions, answered with Qt's file dialog and message
// box; the main window gives them to TForm1.

#include "Dialogs.h"

class QWidget;

class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent) : parent_(parent) {}
    QString OpenFileName(const QString& filter) override;
    void ShowMessage(const QString& text) override;
    bool AskYesNo(const QString& question) override;

private:
    QWidget* parent_;
};

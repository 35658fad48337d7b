#pragma once
// The archiver's modal questions, answered with Qt's file dialog, message
// boxes and the version dialog.

#include "Dialogs.h"

class QWidget;

class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent) : parent_(parent) {}
    QString OpenFileName(const QString& filter, const QString& initialFolder) override;
    MessageAnswer MessageBox(const QString& text, const QString& caption, MessageButtons buttons,
                             MessageIcon icon) override;
    void ShowVersionDialog() override;

private:
    QWidget* parent_;
};

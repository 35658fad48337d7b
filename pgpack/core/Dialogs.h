#pragma once
// The modal questions of the archiver: the dialog answers them with Qt's file
// dialog and message boxes, the tests with scripted answers.

#include <QString>

enum class MessageButtons { Ok, OkCancel };
enum class MessageIcon { None, Warning };
enum class MessageAnswer { Ok, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // An open-file dialog with one filter ("Label (*.pattern)"), starting in
    // initialFolder (the platform's default when empty), for a file that
    // exists. Returns the chosen path, or an empty string when cancelled.
    virtual QString OpenFileName(const QString& filter, const QString& initialFolder) = 0;
    // A modal message box; returns the button pressed (Ok for a box with OK only).
    virtual MessageAnswer MessageBox(const QString& text, const QString& caption,
                                     MessageButtons buttons, MessageIcon icon) = 0;
    // The version dialog, modal.
    virtual void ShowVersionDialog() = 0;
};

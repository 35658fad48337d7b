#pragma once
// The modal questions the editor asks: the windows answer them with real
// dialogs, the tests and the batch command with scripted answers.

#include <QString>

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // An open-file dialog; an empty result means cancelled.
    virtual QString OpenFileName(const QString& filter) = 0;
    // A modal message box with an OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // A modal question with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(const QString& question) = 0;
};

#pragma once
// The words for a failed operation on files: in English for the command
// line, in Japanese for the dialog's message box. Where the system refused,
// its reason comes with them ("No space left on device"): in English inside
// the sentence, in the dialog on a line of its own below the program's text.

#include "FileOutcome.h"

#include <QString>

QString DescribeInEnglish(const FileOutcome& outcome);
QString DescribeInJapanese(const FileOutcome& outcome);

// text, and below it the system's reason for outcome when it has one.
QString WithSystemReason(const QString& text, const FileOutcome& outcome);

#pragma once
// The words for a failed operation on files: in English for the command
// line, in Japanese for the dialog's message box.

#include "FileOutcome.h"

#include <QString>

QString DescribeInEnglish(const FileOutcome& outcome);
QString DescribeInJapanese(const FileOutcome& outcome);

#pragma once
// meshmaker --batch on many pictures: several pictures, folders of them, and
// a recipe file with each picture's own options. Every picture is converted
// by a one-picture batch of its own (ParallelRuns), several at a time; one
// picture alone runs as it always has (Batch.h).
//
//   meshmaker --batch PICTURE|FOLDER... [--recursive] [--recipes FILE]
//                     [--jobs N] [options for every picture]
//
// The recipe file has one line per picture: its path, then its options in
// the batch's own words. Words are split as a shell splits them: blanks part
// them, '...' and "..." keep blanks inside a word ("..." takes \" and \\),
// a backslash outside quotes keeps the next character as it is, and a word
// that starts with # begins a comment to the end of the line; nothing is
// expanded (no variables, ~ or wildcards). Blank lines and comment lines are
// passed over; the file is UTF-8. A relative path in a line (the picture,
// -o, --export) is taken from the recipe file's folder. The options of the
// command line come first and the recipe's after them, so where both give
// one option the recipe's counts.

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <variant>
#include <vector>

// One line of a recipe file.
struct Recipe {
    int line = 0;      // from 1
    QString picture;   // absolute
    QStringList words; // the options after the picture
};
struct RecipeError {
    int line = 0;
    QString why;
};
// The recipes of a file's text; folder is the file's folder.
std::variant<std::vector<Recipe>, RecipeError> ParseRecipes(const QString& text,
                                                            const QString& folder);

// args are the words after "--batch"; every picture's run is a run of
// program (this program's file) speaking language. Exit status 0 when every
// picture was written, 1 when some failed, 2 for a bad command (nothing is
// written then). One picture alone is converted in this process.
int RunBatches(const QStringList& args, const QString& language, const QString& program,
               QTextStream& out, QTextStream& err);

QString BatchRunUsage();

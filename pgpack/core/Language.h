#pragma once
// The language the program speaks, in its windows and on the command line:
// Japanese under a Japanese locale, English under every other; "--lang ja"
// or "--lang en" chooses. The texts come from the translations built into
// the program (translations/pgpack_<language>.ts).
//
// The twin of meshmaker/texts/Language.h: the two programs share no code, so
// each keeps its own, and both choose and speak a language the same way under
// the same names (the files differ in the program's name alone);
// tests/syscallfaults holds both programs to it.

#include <QString>
#include <QStringList>

#include <optional>

namespace Language {

inline const QString Japanese = QStringLiteral("ja");
inline const QString English = QStringLiteral("en");

// The languages the program has translations for.
QStringList Available();

// The first of the user's languages (LANGUAGE, else LC_ALL, LC_MESSAGES or
// LANG) that the program has: "ja" under a Japanese locale; "en" under
// every other.
QString FromLocale();

// Takes "--lang X" or "--lang=X" out of args, wherever it stands, and
// gives X; without it, FromLocale(). A value that is missing or not one of
// Available() is put in *refused (the caller says so, in the language
// chosen) and the choice falls back to FromLocale().
QString Choose(QStringList& args, std::optional<QString>* refused);

// Speaks language from now on: every text asked for after this call is in
// it. Needs the application object; false when there is no translation.
bool Use(const QString& language);

} // namespace Language

// The language: the choice from the command line and the locale, and the
// translations built into the program. The twin of pgpack/core/Language.cpp.

#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

const QString Program = QStringLiteral("meshmaker");

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

namespace Language {

QStringList Available() {
    QStringList languages;
    const QString prefix = Program + u'_';
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({prefix + "*.qm"}))
        languages << file.mid(prefix.size()).chopped(3);
    return languages;
}

QString FromLocale() {
    const QStringList available = Available();
    for (const QString& wanted : QLocale::system().uiLanguages()) {
        const QString language = QLocale(wanted).name().section(u'_', 0, 0);
        if (available.contains(language)) return language;
    }
    return English;
}

QString Choose(QStringList& args, std::optional<QString>* refused) {
    QString chosen = FromLocale();
    for (int i = 0; i < args.size();) {
        QString value;
        if (args[i] == QStringLiteral("--lang")) {
            value = i + 1 < args.size() ? args[i + 1] : QString();
            args.remove(i, std::min<qsizetype>(2, args.size() - i));
        } else if (args[i].startsWith(QStringLiteral("--lang="))) {
            value = args[i].mid(7);
            args.remove(i);
        } else {
            ++i;
            continue;
        }
        if (Available().contains(value))
            chosen = value;
        else if (refused)
            *refused = value;
    }
    return chosen;
}

bool Use(const QString& language) {
    auto& translator = Installed();
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator = std::make_unique<QTranslator>();
    const QString file = QStringLiteral(":/i18n/%1_%2.qm").arg(Program, language);
    return translator->load(file) && QCoreApplication::installTranslator(translator.get());
}

} // namespace Language

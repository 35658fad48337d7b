// meshmaker --batch on many pictures: the words read into one run a picture,
// checked before anything is written, then run side by side; main.cpp runs it.

#include "BatchRun.h"

#include "Batch.h"
#include "ParallelRuns.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <map>
#include <optional>

namespace {

// The words of a many-picture batch that are its own, not a picture's.
const QString JobsOption = QStringLiteral("--jobs");
const QString RecipesOption = QStringLiteral("--recipes");
const QString RecursiveOption = QStringLiteral("--recursive");

// The pictures a folder holds, by their names' extensions (those the editor
// reads, any case).
bool IsPictureName(const QString& name) {
    static const QStringList extensions = {".bmp", ".png",  ".jpg", ".jpeg",
                                           ".gif", ".webp", ".tif", ".tiff"};
    for (const QString& e : extensions)
        if (name.endsWith(e, Qt::CaseInsensitive)) return true;
    return false;
}

// The textures of a model beside its pictures (koi_tx.bmp, koi_fintx.bmp,
// koi_eyetx.bmp) are painted skins, not fish to trace.
bool IsTextureName(const QString& name) {
    for (const char* suffix : {"_tx.bmp", "_fintx.bmp", "_eyetx.bmp"})
        if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)) return true;
    return false;
}

// One spelling for one file: the canonical path where the file exists.
QString Key(const QString& absolutePath) {
    const QString canonical = QFileInfo(absolutePath).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(absolutePath) : canonical;
}

// A path as the summary shows it: from the current folder when it lies
// below it, else whole.
QString Shown(const QString& absolutePath) {
    const QString relative = QDir::current().relativeFilePath(absolutePath);
    return relative.startsWith(QStringLiteral("..")) ? absolutePath : relative;
}

struct UsageError {
    QString why;
};

// The words of one line, split as described in BatchRun.h.
QStringList SplitWords(const QString& line, int number) {
    QStringList words;
    QString word;
    bool inWord = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u' ' || c == u'\t') {
            if (inWord) words << word, word.clear(), inWord = false;
        } else if (c == u'#' && !inWord) {
            break;
        } else if (c == u'\'' || c == u'"') {
            const qsizetype close = [&] {
                for (qsizetype j = i + 1; j < line.size(); ++j) {
                    if (c == u'"' && line[j] == u'\\' && j + 1 < line.size() &&
                        (line[j + 1] == u'"' || line[j + 1] == u'\\')) {
                        word += line[++j];
                        continue;
                    }
                    if (line[j] == c) return j;
                    word += line[j];
                }
                return qsizetype(-1);
            }();
            if (close < 0)
                throw RecipeError{number,
                                  QCoreApplication::translate("BatchRun", "a quote is not closed")};
            i = close;
            inWord = true;
        } else if (c == u'\\') {
            if (i + 1 < line.size()) word += line[++i];
            inWord = true;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words << word;
    return words;
}

// Where a picture's run starts, and the words it takes.
struct PictureRun {
    QString name;    // as the summary shows it
    QString picture; // absolute
    const Recipe* recipe = nullptr;
};

void ListFolder(const QString& folder, bool recursive, std::vector<PictureRun>& runs,
                std::vector<NotRun>& skipped) {
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Readable,
                    recursive ? QDirIterator::Subdirectories | QDirIterator::FollowSymlinks
                              : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) found << it.next();
    found.sort();
    for (const QString& path : found) {
        const QString name = QFileInfo(path).fileName();
        if (!IsPictureName(name)) continue;
        const QString absolute = QFileInfo(path).absoluteFilePath();
        if (IsTextureName(name))
            skipped.push_back({path, QCoreApplication::translate(
                                         "BatchRun", "a model's texture, not a fish picture")});
        else
            runs.push_back({path, absolute, nullptr});
    }
}

} // namespace

std::variant<std::vector<Recipe>, RecipeError> ParseRecipes(const QString& text,
                                                            const QString& folder) {
    std::vector<Recipe> recipes;
    const QStringList lines = text.split(u'\n');
    try {
        for (qsizetype n = 0; n < lines.size(); ++n) {
            QString line = lines[n];
            if (line.endsWith(u'\r')) line.chop(1);
            const int number = int(n + 1);
            QStringList words = SplitWords(line, number);
            if (words.isEmpty()) continue;
            const QString picture = words.takeFirst();
            if (picture.startsWith(u'-'))
                return RecipeError{
                    number, QCoreApplication::translate("BatchRun",
                                                        "a recipe begins with its picture, not %1")
                                .arg(picture)};
            for (const QString& w : words)
                if (w == JobsOption || w == RecipesOption || w == RecursiveOption)
                    return RecipeError{number, QCoreApplication::translate(
                                                   "BatchRun", "%1 belongs on the command line")
                                                   .arg(w)};
            recipes.push_back({number, QDir(folder).absoluteFilePath(picture), words});
        }
    } catch (const RecipeError& e) {
        return e;
    }
    return recipes;
}

int RunBatches(const QStringList& args, const QString& language, const QString& program,
               QTextStream& out, QTextStream& err) {
    // Sort the words: the run's own, the pictures and folders, and the
    // options every picture takes (an option's value stays with it).
    QStringList inputs, common;
    QString recipesFile, jobsText;
    bool recursive = false, many = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == JobsOption || a == RecipesOption) {
            if (i + 1 >= args.size()) {
                err << QCoreApplication::translate("BatchRun", "meshmaker: %1 needs a value\n")
                           .arg(a)
                    << BatchUsage() << BatchRunUsage() << Qt::flush;
                return ExitUsage;
            }
            (a == JobsOption ? jobsText : recipesFile) = args[++i];
            many = true;
        } else if (a == RecursiveOption) {
            recursive = many = true;
        } else if (a.startsWith(u'-') && a.size() > 1) {
            common << a;
            if (BatchOptionTakesValue(a) && i + 1 < args.size()) common << args[++i];
        } else {
            inputs << a;
        }
    }
    // One picture alone is the one-picture batch, word for word.
    if (!many && inputs.size() <= 1 && !(inputs.size() == 1 && QFileInfo(inputs[0]).isDir()))
        return RunBatch(args, out, err);

    auto usage = [&](const QString& why) {
        err << QCoreApplication::translate("BatchRun", "meshmaker: %1\n").arg(why) << BatchUsage()
            << BatchRunUsage() << Qt::flush;
        return ExitUsage;
    };
    // Each picture is a run of the program: a caller in-process has none to start.
    if (program.isEmpty())
        return usage(QCoreApplication::translate("BatchRun", "more than one picture: %1")
                         .arg(inputs.value(1, inputs.value(0))));
    int jobs = DefaultJobs();
    if (!jobsText.isEmpty()) {
        const auto parsed = ParseJobs(jobsText);
        if (!parsed)
            return usage(QCoreApplication::translate(
                             "BatchRun", "--jobs takes a number from 1 to 1024, not '%1'")
                             .arg(jobsText));
        jobs = *parsed;
    }
    // Options that name one file cannot serve every picture.
    for (qsizetype i = 0; i + 1 < common.size(); ++i) {
        const QString& value = common[i + 1];
        if (common[i] == QStringLiteral("-o"))
            return usage(QCoreApplication::translate(
                "BatchRun", "-o names one file; give it in a picture's recipe"));
        if (common[i] == QStringLiteral("--export") &&
            value.compare(QStringLiteral(".glb"), Qt::CaseInsensitive) != 0 &&
            value.compare(QStringLiteral(".obj"), Qt::CaseInsensitive) != 0)
            return usage(QCoreApplication::translate(
                             "BatchRun",
                             "--export %1 names one file; for every picture give .glb or .obj, "
                             "for one picture its recipe")
                             .arg(value));
    }

    std::vector<Recipe> recipes;
    QString recipesFolder;
    if (!recipesFile.isEmpty()) {
        QFile file(recipesFile);
        if (!QFileInfo(recipesFile).isFile() || !file.open(QIODevice::ReadOnly))
            return usage(
                QCoreApplication::translate("BatchRun", "the recipe file %1 cannot be read")
                    .arg(recipesFile));
        recipesFolder = QFileInfo(recipesFile).absolutePath();
        auto parsed = ParseRecipes(QString::fromUtf8(file.readAll()), recipesFolder);
        if (auto* e = std::get_if<RecipeError>(&parsed))
            return usage(QStringLiteral("%1:%2: %3").arg(recipesFile).arg(e->line).arg(e->why));
        recipes = std::get<std::vector<Recipe>>(std::move(parsed));
    }
    std::map<QString, const Recipe*> recipeOf;
    for (const Recipe& r : recipes) {
        auto [at, fresh] = recipeOf.emplace(Key(r.picture), &r);
        if (!fresh)
            return usage(QStringLiteral("%1:%2: %3")
                             .arg(recipesFile)
                             .arg(r.line)
                             .arg(QCoreApplication::translate("BatchRun",
                                                              "%1 has a recipe on line %2 already")
                                      .arg(Shown(r.picture))
                                      .arg(at->second->line)));
    }

    // The pictures: those named and those in the folders named; without
    // any, those of the recipes.
    std::vector<PictureRun> pictures;
    ParallelRunsPlan plan;
    for (const QString& input : inputs) {
        if (QFileInfo(input).isDir())
            ListFolder(input, recursive, pictures, plan.skipped);
        else
            pictures.push_back({input, QFileInfo(input).absoluteFilePath(), nullptr});
    }
    if (inputs.isEmpty())
        for (const Recipe& r : recipes) pictures.push_back({Shown(r.picture), r.picture, &r});
    if (pictures.empty() && plan.skipped.empty())
        return usage(QCoreApplication::translate("BatchRun", "no picture given"));

    // Each picture's words are checked, and every file the run writes is
    // claimed, before the first run starts.
    std::map<QString, QString> writer; // output -> the picture that writes it
    std::map<QString, QString> readers;
    for (PictureRun& p : pictures) {
        if (!p.recipe)
            if (auto r = recipeOf.find(Key(p.picture)); r != recipeOf.end()) p.recipe = r->second;
        readers.emplace(Key(p.picture), p.name);
    }
    std::map<QString, bool> seen;
    for (const PictureRun& p : pictures) {
        if (seen[Key(p.picture)]) {
            plan.skipped.push_back(
                {p.name,
                 QCoreApplication::translate("BatchRun", "given more than once; converted once")});
            continue;
        }
        seen[Key(p.picture)] = true;
        QStringList words = QStringList{p.picture} + common;
        if (p.recipe) words += p.recipe->words;
        const QString folder = p.recipe ? recipesFolder : QDir::currentPath();
        QString why;
        const auto batch = PlanBatch(words, folder, &why);
        if (!batch)
            return usage(
                p.recipe ? QStringLiteral("%1:%2: %3").arg(recipesFile).arg(p.recipe->line).arg(why)
                         : QStringLiteral("%1: %2").arg(p.name, why));
        QString clash;
        for (const QString& output : batch->outputs) {
            const QString key = Key(output);
            if (auto w = writer.find(key); w != writer.end())
                clash =
                    QCoreApplication::translate("BatchRun", "it would write %1, which %2 writes")
                        .arg(Shown(output), w->second);
            else if (auto r = readers.find(key); r != readers.end())
                clash = QCoreApplication::translate("BatchRun", "it would write %1, the picture %2")
                            .arg(Shown(output), r->second);
            if (!clash.isEmpty()) break;
        }
        if (!clash.isEmpty()) {
            plan.failed.push_back({p.name, clash});
            continue;
        }
        for (const QString& output : batch->outputs) writer.emplace(Key(output), p.name);
        QStringList childArgs = {QStringLiteral("--lang"), language, QStringLiteral("--batch")};
        plan.runs.push_back({p.name, childArgs + words, p.recipe ? recipesFolder : QString()});
    }

    plan.program = program;
    plan.jobs = jobs;
    plan.progress = StandardErrorIsTerminal();
    return RunInParallel(plan, out, err);
}

QString BatchRunUsage() {
    return QCoreApplication::translate(
        "BatchRun",
        "       meshmaker --batch PICTURE|FOLDER... [--recursive] [--recipes FILE] [--jobs N]\n"
        "                 [options for every picture]\n"
        "         converts many pictures, each as a batch of its own, N at a time\n"
        "         (default: one per core); a folder gives its pictures (with\n"
        "         --recursive, those of its subfolders too); the recipe file gives\n"
        "         each picture its own options, one line each: the picture, then\n"
        "         its options (without pictures named, its pictures are converted);\n"
        "         --export .glb or .obj writes NAME.glb or NAME.obj beside each PGX file.\n"
        "         Exit status 0 all written, 1 some failed, 2 a bad command.\n");
}

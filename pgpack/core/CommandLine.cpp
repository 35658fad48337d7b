// pgpack's command line: pack, split and list, without a window; main.cpp
// runs it.

#include "CommandLine.h"

#include "FailureMessages.h"
#include "PackCombinedFile.h"
#include "ParallelRuns.h"
#include "Paths.h"
#include "ReadCombinedFile.h"
#include "Settings.h"
#include "SplitCombinedFile.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace {

// One message on err, behind the program's name.
void Say(QTextStream& err, const QString& message) {
    err << Texts::CommandMessage().arg(message);
}

// The words of one command: its file and its options. pack and split take
// several files (Files), each then run as a command of its own.
struct Words {
    QString File;
    QStringList Files;
    std::map<QString, QString> Values; // options that take a value
    QStringList Flags;                 // options that stand alone
    QStringList Options;               // every option word and value, in order
};

const QString JobsOption = QStringLiteral("--jobs");

// Splits args into the files and the options; nullopt (and a reason on err)
// when a word is unknown, a value is missing, there is no file, or more than
// one where the command takes one.
std::optional<Words> Parse(const QStringList& args, const QStringList& valueOptions,
                           const QStringList& flagOptions, QTextStream& err,
                           bool severalFiles = false) {
    Words words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        if (valueOptions.contains(word) || (severalFiles && word == JobsOption)) {
            if (i + 1 >= args.size()) {
                Say(err, Texts::NeedsValue().arg(word));
                return std::nullopt;
            }
            words.Values[word] = args[++i];
            if (word != JobsOption) words.Options << word << args[i];
        } else if (flagOptions.contains(word)) {
            words.Flags << word;
            words.Options << word;
        } else if (word.startsWith(u'-') && word != QStringLiteral("-")) {
            Say(err, Texts::UnknownOption().arg(word));
            return std::nullopt;
        } else if (!words.Files.isEmpty() && !severalFiles) {
            Say(err, Texts::OneFileOnly().arg(word));
            return std::nullopt;
        } else {
            words.Files << word;
        }
    }
    if (words.Files.isEmpty()) {
        Say(err, Texts::WhichFile());
        return std::nullopt;
    }
    words.File = words.Files.first();
    return words;
}

int Usage(QTextStream& err) {
    err << CommandLineUsage();
    return ExitUsage;
}

int Failed(QTextStream& err, const QString& message) {
    Say(err, message);
    return ExitFailed;
}

// The language the runs of several files speak (this run's), and the
// program they run.
QString language, program;

// pack or split of several files: each file is a command of its own, run by
// ParallelRuns; two files that would write the same file are refused before
// any runs (the second), as is a --jobs that is no number.
int RunEach(const QString& command, const Words& words,
            const std::function<QString(const QString&)>& outputOf, QTextStream& out,
            QTextStream& err) {
    if (program.isEmpty()) {
        Say(err, Texts::OneFileOnly().arg(words.Files[1]));
        return Usage(err);
    }
    ParallelRunsPlan plan;
    plan.jobs = DefaultJobs();
    if (auto jobs = words.Values.find(JobsOption); jobs != words.Values.end()) {
        const auto parsed = ParseJobs(jobs->second);
        if (!parsed) {
            Say(err, QCoreApplication::translate("CommandLine",
                                                 "--jobs takes a number from 1 to 1024, not '%1'")
                         .arg(jobs->second));
            return Usage(err);
        }
        plan.jobs = *parsed;
    }
    std::map<QString, QString> writer; // an output -> the file that writes it
    std::map<QString, bool> seen;
    for (const QString& file : words.Files) {
        const QString absolute = QFileInfo(FromUserPath(file)).absoluteFilePath();
        if (seen[absolute]) {
            plan.skipped.push_back({file, QCoreApplication::translate(
                                              "CommandLine", "given more than once; done once")});
            continue;
        }
        seen[absolute] = true;
        const QString output = outputOf(file);
        if (auto w = writer.find(output); w != writer.end()) {
            plan.failed.push_back({file, QCoreApplication::translate(
                                             "CommandLine", "it would write %1, which %2 writes")
                                             .arg(ShownPath(output), w->second)});
            continue;
        }
        writer.emplace(output, file);
        QStringList args;
        if (!language.isEmpty()) args << QStringLiteral("--lang") << language;
        plan.runs.push_back({file, args + QStringList{command, file} + words.Options, {}});
    }
    plan.program = program;
    plan.progress = StandardErrorIsTerminal();
    return RunInParallel(plan, out, err);
}

QString MemberName(MemberKind kind) {
    switch (kind) {
    case MemberKind::BodyTexture:
        return Texts::BodyTextureName();
    case MemberKind::FinTexture:
        return Texts::FinTextureName();
    case MemberKind::EyeTexture:
        return Texts::EyeTextureName();
    case MemberKind::Mesh:
        return Texts::MeshName();
    }
    return {};
}

// Why path cannot be read as a source: it is missing, or no regular file
// (a folder, FIFO, device or socket, refused before it is opened).
std::optional<QString> SourceRefusal(const QString& path) {
    const EntryKind entry = KindOf(path);
    if (entry == EntryKind::Regular) return std::nullopt;
    if (entry == EntryKind::Missing) return Texts::NoSuchFile().arg(ShownPath(path));
    return DescribeInEnglish(NotRegularFile(path, entry));
}

int Pack(const QStringList& args, QTextStream& out, QTextStream& err) {
    const auto words = Parse(args, {QStringLiteral("--data-dir"), QStringLiteral("--eye-texture")},
                             {QStringLiteral("--overwrite")}, err, true);
    if (!words) return Usage(err);
    // Several meshes: every one packed on its own, into the same folder, so
    // two of one name would make one archive.
    if (words->Files.size() > 1 || words->Values.count(JobsOption))
        return RunEach(
            QStringLiteral("pack"), *words,
            [](const QString& mesh) { return BaseName(FromUserPath(mesh)) + CombinedSuffix; }, out,
            err);
    const QString mesh = FromUserPath(words->File);
    if (const auto refused = SourceRefusal(mesh)) return Failed(err, *refused);

    // The textures beside the mesh, named as the dialog derives them.
    MemberPaths sources = ModelFiles(StripExtension(mesh));
    sources[MemberKind::Mesh] = mesh;
    if (!SourceFileExists(sources[MemberKind::BodyTexture]))
        return Failed(err,
                      Texts::NoBodyTextureFile().arg(ShownPath(sources[MemberKind::BodyTexture])));
    if (auto eye = words->Values.find(QStringLiteral("--eye-texture"));
        eye != words->Values.end()) {
        sources[MemberKind::EyeTexture] = FromUserPath(eye->second);
        if (const auto refused = SourceRefusal(sources[MemberKind::EyeTexture]))
            return Failed(err, *refused);
    }

    QString dataDir;
    if (auto dir = words->Values.find(QStringLiteral("--data-dir")); dir != words->Values.end()) {
        dataDir = WithTrailingSeparator(FromUserPath(dir->second));
    } else if (const std::optional<QString> stored = ReadDataDirectory()) {
        dataDir = *stored;
    } else {
        return Failed(err, Texts::NoDataDirectory());
    }
    if (!dataDir.isEmpty() && !QFileInfo(dataDir).isDir())
        return Failed(err, Texts::NoSuchFolder().arg(ShownPath(dataDir)));

    const QString output = dataDir + BaseName(mesh) + CombinedSuffix;
    // A source is never written over, --overwrite or not.
    if (FileOutcome same = CheckOutputIsNoSource(sources, output); !same.Ok())
        return Failed(err, DescribeInEnglish(same));
    const bool overwrite = words->Flags.contains(QStringLiteral("--overwrite"));
    if (FileExists(output) && !overwrite)
        return Failed(err, Texts::OutputExists().arg(ShownPath(output)));

    CombinedFileHeader header;
    if (FileOutcome measured = BuildCombinedHeader(sources, header); !measured.Ok())
        return Failed(err, DescribeInEnglish(measured));
    // Without --overwrite the output is refused by the rename itself, should
    // another program have made it since the look above.
    const FileOutcome written = WriteCombinedFile(sources, header, output,
                                                  overwrite ? Replacing::Allow : Replacing::Refuse);
    if (written.Error == FileError::TargetExists)
        return Failed(err, Texts::OutputExists().arg(ShownPath(output)));
    if (!written.Ok()) return Failed(err, DescribeInEnglish(written));
    out << ShownPath(output) << '\n';
    return ExitOk;
}

int Split(const QStringList& args, QTextStream& out, QTextStream& err) {
    const auto words =
        Parse(args, {QStringLiteral("--into")},
              {QStringLiteral("--overwrite"), QStringLiteral("--skip-existing")}, err, true);
    if (!words) return Usage(err);
    // Several archives: every one split on its own, into the same folder,
    // so two of one name would write the same files.
    if (words->Files.size() > 1 || words->Values.count(JobsOption))
        return RunEach(
            QStringLiteral("split"), *words,
            [](const QString& combined) { return BaseName(FromUserPath(combined)); }, out, err);
    const bool overwrite = words->Flags.contains(QStringLiteral("--overwrite"));
    const bool skipExisting = words->Flags.contains(QStringLiteral("--skip-existing"));
    if (overwrite && skipExisting) {
        Say(err, Texts::OverwriteOrSkip());
        return Usage(err);
    }
    const QString combined = FromUserPath(words->File);
    if (const auto refused = SourceRefusal(combined)) return Failed(err, *refused);

    QString into;
    if (auto dir = words->Values.find(QStringLiteral("--into")); dir != words->Values.end()) {
        into = WithTrailingSeparator(FromUserPath(dir->second));
        if (!QFileInfo(into).isDir())
            return Failed(err, Texts::NoSuchFolder().arg(ShownPath(into)));
    }

    CombinedFileHeader header;
    if (FileOutcome checked = ReadCombinedHeader(combined, header); !checked.Ok())
        return Failed(err, DescribeInEnglish(checked));
    const MemberPaths targets = ModelFiles(into + BaseName(combined));
    if (FileOutcome same = CheckNoTargetIsTheFile(combined, header, targets); !same.Ok())
        return Failed(err, DescribeInEnglish(same));

    // Without a word on what to do with existing files, refuse before writing any.
    if (!overwrite && !skipExisting) {
        QStringList existing;
        for (MemberKind kind : MemberOrder)
            if (header.Length(kind) > 0 && FileExists(targets[kind]))
                existing << ShownPath(targets[kind]);
        if (!existing.isEmpty())
            return Failed(err,
                          (existing.size() == 1 ? Texts::TargetExists() : Texts::TargetsExist())
                              .arg(existing.join(QStringLiteral(", "))));
    }

    std::array<MemberFate, 4> fates;
    // Without --overwrite, a target that another program makes meanwhile is
    // refused by the rename itself, and then nothing is written. Without
    // either flag, one that another program made since the look above is
    // refused too: only --skip-existing keeps a file and carries on.
    const FileOutcome split = SplitCombinedFile(
        combined, targets,
        [&](MemberKind) {
            return overwrite      ? SplitDecision::Write
                   : skipExisting ? SplitDecision::Skip
                                  : SplitDecision::Refuse;
        },
        &fates, overwrite ? Replacing::Allow : Replacing::Refuse);
    for (MemberKind kind : MemberOrder) {
        const MemberFate fate = fates[static_cast<int>(kind)];
        if (fate == MemberFate::Written) out << ShownPath(targets[kind]) << '\n';
        if (fate == MemberFate::Skipped)
            Say(err, Texts::KeptExisting().arg(ShownPath(targets[kind])));
    }
    if (split.Error == FileError::TargetExists)
        return Failed(err, Texts::TargetExists().arg(ShownPath(split.Path)));
    if (!split.Ok()) return Failed(err, DescribeInEnglish(split));
    if (std::all_of(fates.begin(), fates.end(),
                    [](MemberFate fate) { return fate == MemberFate::Absent; }))
        Say(err, Texts::NothingToWrite().arg(ShownPath(combined)));
    return ExitOk;
}

int List(const QStringList& args, QTextStream& out, QTextStream& err) {
    const auto words = Parse(args, {}, {}, err);
    if (!words) return Usage(err);
    const QString combined = FromUserPath(words->File);
    if (const auto refused = SourceRefusal(combined)) return Failed(err, *refused);
    CombinedListing listing;
    if (FileOutcome listed = ListCombinedFile(combined, listing); !listed.Ok())
        return Failed(err, DescribeInEnglish(listed));

    const CombinedFileHeader& h = listing.Header;
    const QString model = BaseName(combined);
    out << Texts::ListFile().arg(ShownPath(combined)) << '\n'
        << Texts::ListSize().arg(listing.FileSize) << '\n'
        << Texts::ListPicture().arg(QString::number(h.pictureWidth),
                                    QString::number(h.pictureHeight))
        << "\n\n"
        << QStringLiteral("%1 %2 %3  %4\n")
               .arg(Texts::ListMember(), -12)
               .arg(Texts::ListOffset(), 11)
               .arg(Texts::ListLength(), 11)
               .arg(Texts::ListSplitInto());
    for (MemberKind kind : MemberOrder) {
        const quint32 length = h.Length(kind);
        out << QStringLiteral("%1 %2 %3  %4\n")
                   .arg(MemberName(kind), -12)
                   .arg(h.Offset(kind), 11)
                   .arg(length, 11)
                   .arg(length > 0 ? model + MemberSuffix(kind) : Texts::ListAbsent());
    }
    return ExitOk;
}

} // namespace

bool IsCommandWord(const QString& word) {
    for (const char* command : {"pack", "split", "list", "--help", "-h"})
        if (word == QLatin1String(command)) return true;
    return false;
}

QString CommandLineUsage() {
    return Texts::CommandUsage();
}

int RunCommandLine(const QStringList& args, QTextStream& out, QTextStream& err,
                   const QString& runLanguage, const QString& runProgram) {
    language = runLanguage;
    program = runProgram;
    if (args.isEmpty()) return Usage(err);
    const QString command = args.first();
    const QStringList rest = args.mid(1);
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h")) {
        out << CommandLineUsage();
        return ExitOk;
    }
    if (command == QStringLiteral("pack")) return Pack(rest, out, err);
    if (command == QStringLiteral("split")) return Split(rest, out, err);
    if (command == QStringLiteral("list")) return List(rest, out, err);
    Say(err, Texts::UnknownCommand().arg(command));
    return Usage(err);
}

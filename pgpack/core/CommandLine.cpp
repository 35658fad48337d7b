#include "CommandLine.h"

#include "FailureMessages.h"
#include "PackCombinedFile.h"
#include "Paths.h"
#include "ReadCombinedFile.h"
#include "Settings.h"
#include "SplitCombinedFile.h"
#include "Texts.h"

#include <QFileInfo>

#include <algorithm>
#include <map>
#include <optional>

namespace {

// One message on err, behind the program's name.
void Say(QTextStream& err, const QString& message) {
    err << Texts::CommandMessage().arg(message);
}

// The words of one command: its one file and its options.
struct Words {
    QString File;
    std::map<QString, QString> Values; // options that take a value
    QStringList Flags;                 // options that stand alone
};

// Splits args into the one file and the options; nullopt (and a reason on
// err) when a word is unknown, a value is missing or the file is not one.
std::optional<Words> Parse(const QStringList& args, const QStringList& valueOptions,
                           const QStringList& flagOptions, QTextStream& err) {
    Words words;
    bool haveFile = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        if (valueOptions.contains(word)) {
            if (i + 1 >= args.size()) {
                Say(err, Texts::NeedsValue().arg(word));
                return std::nullopt;
            }
            words.Values[word] = args[++i];
        } else if (flagOptions.contains(word)) {
            words.Flags << word;
        } else if (word.startsWith(u'-') && word != QStringLiteral("-")) {
            Say(err, Texts::UnknownOption().arg(word));
            return std::nullopt;
        } else if (haveFile) {
            Say(err, Texts::OneFileOnly().arg(word));
            return std::nullopt;
        } else {
            words.File = word;
            haveFile = true;
        }
    }
    if (!haveFile) {
        Say(err, Texts::WhichFile());
        return std::nullopt;
    }
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
                             {QStringLiteral("--overwrite")}, err);
    if (!words) return Usage(err);
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
              {QStringLiteral("--overwrite"), QStringLiteral("--skip-existing")}, err);
    if (!words) return Usage(err);
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

QString CommandLineUsage() {
    return Texts::CommandUsage();
}

int RunCommandLine(const QStringList& args, QTextStream& out, QTextStream& err) {
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

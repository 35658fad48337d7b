#include "CommandLine.h"

#include "CombinedFile.h"
#include "Paths.h"
#include "Settings.h"

#include <QFileInfo>

#include <map>
#include <optional>

namespace {

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
                err << "pgpack: " << word << " needs a value\n";
                return std::nullopt;
            }
            words.Values[word] = args[++i];
        } else if (flagOptions.contains(word)) {
            words.Flags << word;
        } else if (word.startsWith(u'-') && word != QStringLiteral("-")) {
            err << "pgpack: unknown option " << word << '\n';
            return std::nullopt;
        } else if (haveFile) {
            err << "pgpack: one file only: " << word << '\n';
            return std::nullopt;
        } else {
            words.File = word;
            haveFile = true;
        }
    }
    if (!haveFile) {
        err << "pgpack: which file?\n";
        return std::nullopt;
    }
    return words;
}

int Usage(QTextStream& err) {
    err << CommandLineUsage();
    return ExitUsage;
}

int Failed(QTextStream& err, const QString& message) {
    err << "pgpack: " << message << '\n';
    return ExitFailed;
}

QString MemberName(MemberKind kind) {
    switch (kind) {
    case MemberKind::BodyTexture:
        return QStringLiteral("body texture");
    case MemberKind::FinTexture:
        return QStringLiteral("fin texture");
    case MemberKind::EyeTexture:
        return QStringLiteral("eye texture");
    case MemberKind::Mesh:
        return QStringLiteral("mesh");
    }
    return {};
}

int Pack(const QStringList& args, QTextStream& out, QTextStream& err) {
    const auto words = Parse(args, {QStringLiteral("--data-dir"), QStringLiteral("--eye-texture")},
                             {QStringLiteral("--overwrite")}, err);
    if (!words) return Usage(err);
    const QString mesh = FromUserPath(words->File);
    if (!SourceFileExists(mesh)) return Failed(err, ShownPath(mesh) + ": no such file");

    // The textures beside the mesh, named as the dialog derives them.
    MemberPaths sources = ModelFiles(StripExtension(mesh));
    sources[MemberKind::Mesh] = mesh;
    if (!SourceFileExists(sources[MemberKind::BodyTexture]))
        return Failed(err, "no body texture " + ShownPath(sources[MemberKind::BodyTexture]));
    if (auto eye = words->Values.find(QStringLiteral("--eye-texture"));
        eye != words->Values.end()) {
        sources[MemberKind::EyeTexture] = FromUserPath(eye->second);
        if (!SourceFileExists(sources[MemberKind::EyeTexture]))
            return Failed(err, ShownPath(sources[MemberKind::EyeTexture]) + ": no such file");
    }

    QString dataDir;
    if (auto dir = words->Values.find(QStringLiteral("--data-dir")); dir != words->Values.end()) {
        dataDir = WithTrailingSeparator(FromUserPath(dir->second));
    } else if (const std::optional<QString> stored = ReadDataDirectory()) {
        dataDir = *stored;
    } else {
        return Failed(err, "no data directory is set up (DataDirectory); give --data-dir DIR");
    }
    if (!dataDir.isEmpty() && !QFileInfo(dataDir).isDir())
        return Failed(err, ShownPath(dataDir) + ": no such folder");

    const QString output = dataDir + BaseName(mesh) + CombinedSuffix;
    if (FileExists(output) && !words->Flags.contains(QStringLiteral("--overwrite")))
        return Failed(err, ShownPath(output) + " exists; --overwrite replaces it");

    CombinedFileHeader header;
    if (FileOutcome measured = BuildCombinedHeader(sources, header); !measured.Ok())
        return Failed(err, DescribeInEnglish(measured));
    if (FileOutcome written = WriteCombinedFile(sources, header, output); !written.Ok())
        return Failed(err, DescribeInEnglish(written));
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
        err << "pgpack: --overwrite and --skip-existing exclude each other\n";
        return Usage(err);
    }
    const QString combined = FromUserPath(words->File);
    if (!SourceFileExists(combined)) return Failed(err, ShownPath(combined) + ": no such file");

    QString into;
    if (auto dir = words->Values.find(QStringLiteral("--into")); dir != words->Values.end()) {
        into = WithTrailingSeparator(FromUserPath(dir->second));
        if (!QFileInfo(into).isDir()) return Failed(err, ShownPath(into) + ": no such folder");
    }

    CombinedFileHeader header;
    if (FileOutcome checked = ReadCombinedHeader(combined, header); !checked.Ok())
        return Failed(err, DescribeInEnglish(checked));
    const MemberPaths targets = ModelFiles(into + BaseName(combined));

    // Without a word on what to do with existing files, refuse before writing any.
    if (!overwrite && !skipExisting) {
        QStringList existing;
        for (MemberKind kind : MemberOrder)
            if (header.Length(kind) > 0 && FileExists(targets[kind]))
                existing << ShownPath(targets[kind]);
        if (!existing.isEmpty())
            return Failed(err, existing.join(QStringLiteral(", ")) +
                                   (existing.size() == 1 ? " exists" : " exist") +
                                   "; --overwrite replaces, --skip-existing keeps");
    }

    std::array<MemberFate, 4> fates;
    const FileOutcome split = SplitCombinedFile(
        combined, targets,
        [&](MemberKind) { return overwrite ? SplitDecision::Write : SplitDecision::Skip; }, &fates);
    for (MemberKind kind : MemberOrder) {
        const MemberFate fate = fates[static_cast<int>(kind)];
        if (fate == MemberFate::Written) out << ShownPath(targets[kind]) << '\n';
        if (fate == MemberFate::Skipped)
            err << "pgpack: kept the existing " << ShownPath(targets[kind]) << '\n';
    }
    if (!split.Ok()) return Failed(err, DescribeInEnglish(split));
    return ExitOk;
}

int List(const QStringList& args, QTextStream& out, QTextStream& err) {
    const auto words = Parse(args, {}, {}, err);
    if (!words) return Usage(err);
    const QString combined = FromUserPath(words->File);
    if (!SourceFileExists(combined)) return Failed(err, ShownPath(combined) + ": no such file");
    CombinedListing listing;
    if (FileOutcome listed = ListCombinedFile(combined, listing); !listed.Ok())
        return Failed(err, DescribeInEnglish(listed));

    const CombinedFileHeader& h = listing.Header;
    const QString model = BaseName(combined);
    out << "file     " << ShownPath(combined) << '\n'
        << "size     " << listing.FileSize << " bytes\n"
        << "picture  " << h.pictureWidth << " x " << h.pictureHeight << '\n'
        << '\n'
        << QStringLiteral("%1 %2 %3  %4\n")
               .arg(QStringLiteral("member"), -12)
               .arg(QStringLiteral("offset"), 11)
               .arg(QStringLiteral("length"), 11)
               .arg(QStringLiteral("split into"));
    for (MemberKind kind : MemberOrder) {
        const quint32 length = h.Length(kind);
        out << QStringLiteral("%1 %2 %3  %4\n")
                   .arg(MemberName(kind), -12)
                   .arg(h.Offset(kind), 11)
                   .arg(length, 11)
                   .arg(length > 0 ? model + MemberSuffix(kind) : QStringLiteral("(absent)"));
    }
    return ExitOk;
}

} // namespace

QString CommandLineUsage() {
    return QStringLiteral(
        "usage: pgpack                      the dialog\n"
        "       pgpack pack MESH.pgx [--data-dir DIR] [--eye-texture FILE] [--overwrite]\n"
        "       pgpack split FILE.pgdaf [--into DIR] [--overwrite | --skip-existing]\n"
        "       pgpack list FILE.pgdaf\n"
        "\n"
        "pack   joins MESH.pgx and the textures beside it (MESH_tx.bmp, required;\n"
        "       MESH_fintx.bmp and MESH_eyetx.bmp when present) into DIR/MESH.pgdaf;\n"
        "       DIR is the data directory set up for the current user unless given.\n"
        "       --eye-texture takes that eye texture instead; --overwrite replaces\n"
        "       an existing output.\n"
        "split  writes the members of FILE.pgdaf into DIR (default: the current\n"
        "       folder) as FILE_tx.bmp, FILE_fintx.bmp, FILE_eyetx.bmp and FILE.pgx;\n"
        "       existing files are replaced with --overwrite, kept with\n"
        "       --skip-existing, and otherwise nothing is written.\n"
        "list   shows the header and where each member lies.\n"
        "\n"
        "Exit status: 0 done, 1 refused or failed, 2 usage.\n");
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
    err << "pgpack: unknown command " << command << '\n';
    return Usage(err);
}

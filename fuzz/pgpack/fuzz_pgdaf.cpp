// Fuzz target: arbitrary bytes as a combined data file, through the list and
// the split (into a scratch folder) and the command line's list and split. A
// file that lists splits into members whose bytes, behind the header, are
// the file, and leaves nothing else in the folder (no temporary file); a
// file that is refused writes nothing.

#include "CommandLine.h"
#include "ReadCombinedFile.h"
#include "SplitCombinedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Names(const QDir& folder) {
    return folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// An empty folder for the members, made afresh for every input.
QDir FreshFolder(const QTemporaryDir& dir, const QString& name) {
    QDir folder(dir.filePath(name));
    folder.removeRecursively();
    QDir(dir.path()).mkdir(name);
    return folder;
}

// The scratch folder: in memory where the system offers it, since every
// split flushes its files to the disk.
std::unique_ptr<QTemporaryDir> scratch;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    scratch = memory.isDir() && memory.isWritable()
                  ? std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/fuzz_pgdaf-XXXXXX"))
                  : std::make_unique<QTemporaryDir>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QTemporaryDir& dir = *scratch;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = dir.filePath("koi.pgdaf");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) return 0;
        f.write(bytes);
    }
    const QDir out = FreshFolder(dir, "out");
    const MemberPaths targets = ModelFiles(out.filePath("koi"));

    CombinedListing listing;
    const FileOutcome listed = ListCombinedFile(path, listing);
    std::array<MemberFate, 4> fates{};
    const FileOutcome split = SplitCombinedFile(
        path, targets, [](MemberKind) { return SplitDecision::Write; }, &fates);
    Require(listed.Ok() == split.Ok(), "list and split agree on a file");
    QStringList members;
    if (!listed.Ok()) {
        Require(Names(out).isEmpty(), "a refused file writes nothing");
    } else {
        Require(listing.FileSize == qint64(size), "the listing's size is the file's");
        Require(listing.Header.FileSize() == qint64(size), "the lengths add up to the file");
        QByteArray joined = bytes.left(CombinedHeaderSize);
        for (MemberKind kind : MemberOrder) {
            const quint32 length = listing.Header.Length(kind);
            Require((length > 0) == QFile::exists(targets[kind]),
                    "a member is written when it has bytes");
            Require((length > 0) == (fates[static_cast<int>(kind)] == MemberFate::Written),
                    "a member's fate says whether it was written");
            if (length > 0) {
                joined += ReadAll(targets[kind]);
                members << QFileInfo(targets[kind]).fileName();
            }
        }
        Require(joined == bytes, "the members are the file's bytes");
        members.sort();
        Require(Names(out) == members, "the folder holds the members and nothing else");
    }

    QString sink;
    QTextStream o(&sink), e(&sink);
    const int listStatus = RunCommandLine({"list", path}, o, e);
    Require(listStatus == (listed.Ok() ? ExitOk : ExitFailed),
            "the command line lists as the core does");
    const QDir again = FreshFolder(dir, "again");
    const int splitStatus = RunCommandLine({"split", path, "--into", again.path()}, o, e);
    Require(splitStatus == listStatus, "the command line splits as it lists");
    Require(Names(again) == members, "the command line writes the same members");
    return 0;
}

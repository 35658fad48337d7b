// Fuzz target: arbitrary bytes as a combined data file, through the list and
// the split (into a scratch folder) and the command line's list. A file that
// lists splits into members whose bytes, behind the header, are the file; a
// file that is refused writes nothing.

#include "CommandLine.h"
#include "ReadCombinedFile.h"
#include "SplitCombinedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

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

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = dir.filePath("koi.pgdaf");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) return 0;
        f.write(bytes);
    }
    QDir out(dir.filePath("out"));
    out.removeRecursively();
    QDir(dir.path()).mkdir("out");
    const MemberPaths targets = ModelFiles(out.filePath("koi"));

    CombinedListing listing;
    const FileOutcome listed = ListCombinedFile(path, listing);
    std::array<MemberFate, 4> fates{};
    const FileOutcome split = SplitCombinedFile(
        path, targets, [](MemberKind) { return SplitDecision::Write; }, &fates);
    Require(listed.Ok() == split.Ok(), "list and split agree on a file");
    if (!listed.Ok()) {
        Require(out.entryList(QDir::Files | QDir::Hidden).isEmpty(),
                "a refused file writes nothing");
    } else {
        Require(listing.FileSize == qint64(size), "the listing's size is the file's");
        Require(listing.Header.FileSize() == qint64(size), "the lengths add up to the file");
        QByteArray joined = bytes.left(CombinedHeaderSize);
        for (MemberKind kind : MemberOrder) {
            const quint32 length = listing.Header.Length(kind);
            Require((length > 0) == QFile::exists(targets[kind]),
                    "a member is written when it has bytes");
            if (length > 0) joined += ReadAll(targets[kind]);
        }
        Require(joined == bytes, "the members are the file's bytes");
    }

    QString sink;
    QTextStream o(&sink), e(&sink);
    const int status = RunCommandLine({"list", path}, o, e);
    Require(status == (listed.Ok() ? ExitOk : ExitFailed),
            "the command line lists as the core does");
    return 0;
}

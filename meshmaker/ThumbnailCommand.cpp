// meshmaker --thumbnail: a PGX or PGDAF file drawn small in software and
// written as a PNG; main.cpp runs it for file managers.

#include "ThumbnailCommand.h"

#include "AtomicFile.h"
#include "Batch.h"
#include "FileIdentity.h"
#include "FishThumbnail.h"
#include "PgdafReader.h"
#include "Picture.h"
#include "PreviewModel.h"
#include "Texts.h"
#include "ViewCommand.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QTemporaryFile>

#include <optional>
#include <variant>

namespace {

// The body texture packed in an archive, read by the editor's own picture
// loader with all its checks; a texture that does not read leaves the
// model untextured.
QImage TextureOf(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    QTemporaryFile file;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush()) return {};
    return LoadPicture(file.fileName()).image;
}

// The model a thumbnail shows: a PGX file with its picture, found and checked
// as the 3-D view finds it; or the mesh of a PGDAF file with its body texture.
std::variant<PreviewModel, QString> ModelOf(const QString& path) {
    // Only a regular file is opened here (a FIFO would wait for a writer);
    // anything else goes to the PGX reader, which refuses it.
    QFile file(path);
    const QByteArray head =
        QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.read(8) : QByteArray();
    file.close();
    if (!LooksLikePgdaf(head)) {
        QString said;
        QTextStream sink(&said);
        auto request = PrepareView({QFileInfo(path).absoluteFilePath()}, sink);
        if (auto* view = std::get_if<ViewRequest>(&request))
            return PreviewOfFile(view->file, view->picture);
        sink.flush();
        return said.trimmed();
    }
    QString why;
    const auto archive = ReadPgdafFile(path, &why);
    if (!archive) return Texts::FileFailed().arg(path, why);
    PgxError error;
    const auto mesh = ReadPgx(archive->mesh, &error);
    if (!mesh)
        return Texts::FileFailed().arg(
            path, QCoreApplication::translate("ThumbnailCommand", "the mesh is malformed: %1")
                      .arg(error.text()));
    return PreviewOfFile(*mesh, TextureOf(archive->bodyTexture));
}

} // namespace

int RunThumbnailCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    auto usage = [&](const QString& why) {
        err << Texts::CommandError().arg(why) << ThumbnailUsage() << Qt::flush;
        return ExitUsage;
    };
    auto fail = [&](const QString& why) {
        err << (why.startsWith(QStringLiteral("meshmaker: ")) ? why + u'\n'
                                                              : Texts::CommandError().arg(why))
            << Qt::flush;
        return ExitFailed;
    };
    if (args.size() != 3)
        return usage(QCoreApplication::translate(
            "ThumbnailCommand", "--thumbnail takes a model, an output file and a size"));
    const QString& modelPath = args[0];
    const QString& outPath = args[1];
    bool ok = false;
    const int size = args[2].toInt(&ok, 10);
    if (!ok || size < 1 || size > MaxThumbnailSize)
        return usage(
            QCoreApplication::translate("ThumbnailCommand",
                                        "the size is a number of pixels from 1 to %1, not '%2'")
                .arg(MaxThumbnailSize)
                .arg(args[2]));
    if (SameFile(modelPath, outPath))
        return fail(QCoreApplication::translate("ThumbnailCommand",
                                                "%1 is the model itself; choose another name")
                        .arg(outPath));

    auto model = ModelOf(modelPath);
    if (auto* why = std::get_if<QString>(&model)) return fail(*why);
    const QImage thumbnail = RenderFishThumbnail(std::get<PreviewModel>(model), size);
    if (thumbnail.isNull())
        return fail(Texts::FileFailed().arg(
            modelPath,
            QCoreApplication::translate("ThumbnailCommand", "the model has no triangles to draw")));

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(thumbnail))
        return fail(Texts::FileFailed().arg(outPath, writer.errorString()));
    QString why;
    if (!WriteFileAtomically(outPath, png, &why))
        return fail(Texts::FileFailed().arg(outPath, why));
    out << QFileInfo(outPath).absoluteFilePath() << '\n' << Qt::flush;
    return ExitOk;
}

QString ThumbnailUsage() {
    return QCoreApplication::translate(
        "ThumbnailCommand",
        "usage: meshmaker --thumbnail MODEL OUT.png SIZE\n"
        "         draws a PGX or PGDAF file in three quarters as a PNG whose longer\n"
        "         side is SIZE pixels (for file managers' thumbnails; no display needed)\n");
}

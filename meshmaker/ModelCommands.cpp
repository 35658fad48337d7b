// meshmaker --export and --info, and the export after a batch: the PGX
// reader, the mesh and the exports of model/; main.cpp and Batch.cpp use it.

#include "ModelCommands.h"

#include "AtomicFile.h"
#include "Batch.h"
#include "FileIdentity.h"
#include "FishMesh.h"
#include "GltfExport.h"
#include "ModelTexture.h"
#include "ObjExport.h"
#include "PgxReader.h"
#include "Picture.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace {

bool HasSuffix(const QString& path, const char* suffix) {
    return path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

QString SideFileExists() {
    return QCoreApplication::translate(
        "ModelCommands", "%1 exists and is not the file you named; --overwrite replaces it");
}

QString Colour(quint32 fileColour) {
    const QRgb c = Pgx::RgbOfFileColour(fileColour);
    return QStringLiteral("#%1%2%3")
        .arg(qRed(c), 2, 16, QLatin1Char('0'))
        .arg(qGreen(c), 2, 16, QLatin1Char('0'))
        .arg(qBlue(c), 2, 16, QLatin1Char('0'));
}

int PartsWithTriangles(const FishMesh& mesh) {
    int parts = 0;
    for (const PartRange& r : mesh.parts) parts += r.triangleCount > 0;
    return parts;
}

// The files of one export, their bytes made in memory first: nothing is
// written unless every one of them could be made. A side file of an OBJ is
// one the user did not name: it may replace an existing file only when
// replaceSideFiles is set.
std::optional<std::vector<FileToWrite>> ExportFiles(const FishMesh& mesh,
                                                    const ModelTexture& texture,
                                                    const QString& outPath, bool replaceSideFiles,
                                                    QString* error) {
    if (HasSuffix(outPath, ".glb")) {
        auto glb = ExportGlb(mesh, texture, error);
        if (!glb) return std::nullopt;
        return std::vector<FileToWrite>{{outPath, *glb}};
    }
    const ObjSidePaths side = ObjSideFiles(outPath);
    const ObjSideNames names = {QFileInfo(side.mtl).fileName(), QFileInfo(side.bodyPng).fileName(),
                                QFileInfo(side.finsPng).fileName()};
    auto obj = ExportObj(mesh, texture, names, error);
    if (!obj) return std::nullopt;
    // The textures and the library first, so the OBJ never names a missing file.
    std::vector<FileToWrite> files;
    const bool keep = !replaceSideFiles;
    if (!obj->bodyPng.isEmpty()) {
        files.push_back({side.bodyPng, obj->bodyPng, keep});
        files.push_back({side.finsPng, obj->finsPng, keep});
    }
    files.push_back({side.mtl, obj->mtl, keep});
    files.push_back({outPath, obj->obj});
    return files;
}

// The name as it can be shown on one line: each control character as an
// escape (\n, \t, \x1b ...).
QString Visible(const QString& name) {
    QString out;
    for (QChar c : name) {
        if (c.category() != QChar::Other_Control) {
            out += c;
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\t') {
            out += QStringLiteral("\\t");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else {
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        }
    }
    return out;
}

bool HasControlCharacter(const QString& name) {
    return std::any_of(name.begin(), name.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

int ExportFile(const PgxFile& file, const std::optional<QImage>& picture, const QString& outPath,
               const QStringList& sources, bool replaceSideFiles, QTextStream& out,
               QTextStream& err) {
    if (!IsModelExportPath(outPath)) {
        err << Texts::CommandError().arg(Texts::ExportKind().arg(Visible(outPath)));
        return ExitUsage;
    }
    if (const QString why = ExportNameProblem(outPath); !why.isEmpty()) {
        err << Texts::CommandError().arg(why);
        return ExitFailed;
    }
    ModelTexture texture;
    if (picture && !picture->isNull()) {
        if (picture->width() != file.width || picture->height() != file.height) {
            err << Texts::CommandError().arg(Texts::PictureOfOtherSize()
                                                 .arg(picture->width())
                                                 .arg(picture->height())
                                                 .arg(file.width)
                                                 .arg(file.height));
            return ExitFailed;
        }
        QString why;
        auto made = MakeModelTexture(*picture, file.background, &why);
        if (!made) {
            err << Texts::CommandError().arg(
                QCoreApplication::translate("ModelCommands", "the texture: %1").arg(why));
            return ExitFailed;
        }
        texture = std::move(*made);
    }

    const FishMesh mesh = BuildFishMesh(file);
    QString why;
    const auto files = ExportFiles(mesh, texture, outPath, replaceSideFiles, &why);
    if (!files) {
        err << Texts::CommandError().arg(Texts::FileFailed().arg(outPath, why));
        return ExitFailed;
    }
    for (const FileToWrite& f : *files) {
        for (const QString& source : sources)
            if (SameFile(f.Path, source)) {
                err << Texts::CommandError().arg(
                    QCoreApplication::translate(
                        "ModelCommands", "%1 is %2, which the export reads; choose another name")
                        .arg(f.Path, source));
                return ExitFailed;
            }
        if (f.KeepExisting && (QFileInfo::exists(f.Path) || QFileInfo(f.Path).isSymLink())) {
            err << Texts::CommandError().arg(SideFileExists().arg(f.Path));
            return ExitFailed;
        }
    }
    // The files of one export are written together: all of them or none. A
    // side file that appears while they are written is not replaced either.
    if (const FilesWritten written = WriteFilesAtomically(*files); !written.Ok) {
        const QString failed = (*files)[size_t(std::max(written.FailedFile, 0))].Path;
        err << Texts::CommandError().arg(
            written.Existed
                ? SideFileExists().arg(failed)
                : QCoreApplication::translate("ModelCommands", "%1: cannot write the file (%2)")
                      .arg(outPath, written.Why));
        return ExitFailed;
    }
    for (const FileToWrite& f : *files) out << QFileInfo(f.Path).absoluteFilePath() << "\n";
    out.flush();
    err << QCoreApplication::translate("ModelCommands",
                                       "%1: %2 parts, %3 vertices, %4 triangles, %5\n")
               .arg(QFileInfo(outPath).fileName())
               .arg(PartsWithTriangles(mesh))
               .arg(mesh.vertices.size())
               .arg(mesh.triangles.size())
               .arg(texture.isNull() ? QCoreApplication::translate("ModelCommands", "untextured")
                                     : QCoreApplication::translate("ModelCommands", "textured"));
    err.flush();
    return ExitOk;
}

int Usage(QTextStream& err, const QString& why) {
    err << Texts::CommandError().arg(why) << ModelCommandsUsage();
    err.flush();
    return ExitUsage;
}

void PrintInfo(const QString& path, qint64 size, const PgxFile& f, QTextStream& out) {
    // The report's lines, each a whole line with its values; the values
    // stand in columns, so a translation keeps the labels' widths.
    out << QCoreApplication::translate("ModelCommands", "file       %1\n").arg(path);
    out << QCoreApplication::translate("ModelCommands", "size       %1 bytes\n").arg(size);
    out << QCoreApplication::translate("ModelCommands", "picture    %1 x %2, background %3\n")
               .arg(f.width)
               .arg(f.height)
               .arg(Colour(f.background));
    out << QCoreApplication::translate("ModelCommands",
                                       "tail root  %1 (width - 1 - tail root / 100 = %2)\n")
               .arg(f.tailRoot)
               .arg(f.widthMinusTail);
    out << QCoreApplication::translate("ModelCommands",
                                       "body       %1 columns x %2 rows (N = %3)\n\n")
               .arg(f.columns())
               .arg(f.rows())
               .arg(f.n);

    out << QCoreApplication::translate("ModelCommands", "block      offset  vertices\n");
    const Pgx::Counts counts = f.counts();
    qint64 at = Pgx::HeaderSize;
    for (Pgx::Block b : Pgx::BlockOrder) {
        const qint64 bytes = Pgx::BlockSize(b, counts);
        const QString name = QString::fromLatin1(Pgx::BlockName(b)).leftJustified(10);
        if (bytes == 0) {
            out << name << QCoreApplication::translate("ModelCommands", "       -  absent\n");
            continue;
        }
        out << name << QString::number(at).rightJustified(8)
            << QString::number(b == Pgx::Block::Eye ? Pgx::EyeVertices : bytes / Pgx::VertexSize)
                   .rightJustified(10);
        switch (b) {
        case Pgx::Block::Tail:
        case Pgx::Block::Dorsal:
        case Pgx::Block::Anal:
        case Pgx::Block::Ventral:
        case Pgx::Block::Whiskers:
            out << QCoreApplication::translate("ModelCommands", "  (%1 columns)")
                       .arg(bytes / Pgx::VertexSize / 2);
            break;
        case Pgx::Block::Eye:
            out << QCoreApplication::translate(
                       "ModelCommands",
                       "  centre (%1, %2, %3), radius %4, bulge %5, rear colour %6")
                       .arg(f.eye[0][0])
                       .arg(f.eye[0][1])
                       .arg(f.eye[0][2])
                       .arg(f.eye[1][0])
                       .arg(f.eye[1][1])
                       .arg(Colour(f.eyeColour));
            break;
        default:
            break;
        }
        out << "\n";
        at += bytes;
    }

    const FishMesh mesh = BuildFishMesh(f);
    out << QCoreApplication::translate("ModelCommands", "\nmesh       %1 vertices, %2 triangles\n")
               .arg(mesh.vertices.size())
               .arg(mesh.triangles.size());
    for (FishPart part : FishParts) {
        const PartRange& r = mesh.range(part);
        if (r.triangleCount == 0) continue;
        out << "  " << QString::fromLatin1(FishPartName(part)).leftJustified(9)
            << QCoreApplication::translate("ModelCommands", "%1 vertices%2 triangles")
                   .arg(QString::number(r.vertexCount).rightJustified(6),
                        QString::number(r.triangleCount).rightJustified(7));
        if (part == FishPart::Body)
            out << (IsClosedSurface(mesh, part)
                        ? QCoreApplication::translate("ModelCommands", "  (closed)")
                        : QCoreApplication::translate("ModelCommands", "  (open)"));
        out << "\n";
    }
    out.flush();
}

} // namespace

QString PictureBeside(const QString& modelPath) {
    // The editor lower-cases the PGX file's name, so any case of the picture's.
    const QFileInfo model(modelPath);
    const QString wanted = model.completeBaseName() + QStringLiteral(".bmp");
    const QDir dir = model.absoluteDir();
    if (QFileInfo(dir.filePath(wanted)).isFile()) return dir.filePath(wanted);
    const QStringList candidates = dir.entryList({QStringLiteral("*")}, QDir::Files, QDir::Name);
    for (const QString& name : candidates)
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return dir.filePath(name);
    return {};
}

ObjSidePaths ObjSideFiles(const QString& objPath) {
    const QFileInfo obj(objPath);
    QString stem = obj.fileName();
    stem.chop(4); // ".obj" in any case
    // What an OBJ or MTL file cannot hold as a reference becomes '_'.
    for (QChar& c : stem)
        if (!IsObjReferenceName(QString(c))) c = u'_';
    const QDir dir = obj.dir();
    return {dir.filePath(stem + QStringLiteral(".mtl")),
            dir.filePath(stem + QStringLiteral("_obj_body.png")),
            dir.filePath(stem + QStringLiteral("_obj_fins.png"))};
}

QString ExportNameProblem(const QString& path) {
    if (!HasControlCharacter(path)) return {};
    return QCoreApplication::translate(
               "ModelCommands",
               "the name \"%1\" holds a control character, which no export name may; "
               "choose another")
        .arg(Visible(path));
}

bool IsModelExportPath(const QString& path) {
    return HasSuffix(path, ".glb") || HasSuffix(path, ".obj");
}

int ExportModel(const QByteArray& pgxBytes, const std::optional<QImage>& picture,
                const QString& outPath, QTextStream& out, QTextStream& err, const QStringList& keep,
                bool replaceSideFiles) {
    PgxError error;
    const auto file = ReadPgx(pgxBytes, &error);
    if (!file) {
        err << Texts::CommandError().arg(
            QCoreApplication::translate("ModelCommands", "the PGX file is malformed: %1")
                .arg(error.text()));
        return ExitFailed;
    }
    return ExportFile(*file, picture, outPath, keep, replaceSideFiles, out, err);
}

int RunExportCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    QStringList positional;
    QString picturePath;
    bool overwrite = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--picture")) {
            if (i + 1 >= args.size()) return Usage(err, Texts::PictureNeedsFile());
            picturePath = args[++i];
        } else if (args[i] == QStringLiteral("--overwrite")) {
            overwrite = true;
        } else if (args[i].startsWith(u'-') && args[i].size() > 1) {
            return Usage(err, Texts::UnknownOption().arg(args[i]));
        } else {
            positional << args[i];
        }
    }
    if (positional.size() != 2)
        return Usage(err, QCoreApplication::translate(
                              "ModelCommands", "--export takes a PGX file and an output file"));
    const QString modelPath = positional[0], outPath = positional[1];
    if (!IsModelExportPath(outPath)) return Usage(err, Texts::ExportKind().arg(Visible(outPath)));

    PgxError error;
    const auto file = ReadPgxFile(modelPath, &error);
    if (!file) {
        err << Texts::CommandError().arg(Texts::FileFailed().arg(modelPath, error.text()));
        return ExitFailed;
    }

    const bool given = !picturePath.isEmpty();
    if (!given) picturePath = PictureBeside(modelPath);
    std::optional<QImage> picture;
    if (picturePath.isEmpty()) {
        err << Texts::CommandError().arg(
            QCoreApplication::translate("ModelCommands",
                                        "no picture %1 beside %2; the export is untextured")
                .arg(QFileInfo(modelPath).completeBaseName() + QStringLiteral(".bmp"), modelPath));
    } else {
        const LoadedPicture loaded = LoadPicture(picturePath);
        if (loaded.image.isNull()) {
            err << Texts::CommandError().arg(Texts::FileFailed().arg(picturePath, loaded.error));
            return ExitFailed;
        }
        picture = loaded.image;
    }
    QStringList sources = {modelPath};
    if (picture) sources << picturePath;
    return ExportFile(*file, picture, outPath, sources, overwrite, out, err);
}

int RunInfoCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 1 || args[0].startsWith(u'-'))
        return Usage(err,
                     QCoreApplication::translate("ModelCommands", "--info takes one PGX file"));
    PgxError error;
    const auto file = ReadPgxFile(args[0], &error);
    if (!file) {
        err << Texts::CommandError().arg(Texts::FileFailed().arg(args[0], error.text()));
        return ExitFailed;
    }
    PrintInfo(args[0], QFileInfo(args[0]).size(), *file, out);
    return ExitOk;
}

QString ModelCommandsUsage() {
    return QCoreApplication::translate(
        "ModelCommands",
        "usage: meshmaker --export MODEL.pgx OUT.glb|OUT.obj [--picture PICTURE] [--overwrite]\n"
        "         writes the model as binary glTF, or as OBJ with OUT.mtl,\n"
        "         OUT_obj_body.png and OUT_obj_fins.png beside it; textured with PICTURE,\n"
        "         by default the BMP of the model's name beside it; --overwrite lets the\n"
        "         OBJ's side files replace files of their names\n"
        "       meshmaker --info MODEL.pgx\n"
        "         prints the header, the blocks and the mesh's counts\n");
}

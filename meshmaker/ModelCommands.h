#pragma once
// The model on the command line: --export (a PGX file to glTF or OBJ) and
// --info (what a PGX file holds). Every file is written atomically; the
// written paths go to out, a summary and any reason to err. Exit statuses as
// the batch conversion's: 0 done, 1 refused or failed, 2 a bad command.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

// The picture a model was made from: the BMP of the model's name beside it,
// in any case; empty when there is none.
QString PictureBeside(const QString& modelPath);

// Whether a path names an export the program writes: .glb, or .obj (with
// its .mtl and, when textured, its .png beside it); any case.
bool IsModelExportPath(const QString& path);

// Writes the export of a PGX file's bytes to outPath, textured with the
// picture when one is given (it must have the size the file records), else
// untextured with a note on err. A malformed file is refused with the
// reader's message. keep names files the export must not replace (the
// picture's file, say): an output that is one of them is refused. This is
// the one call a conversion that has just made the PGX bytes needs to
// export them as well.
int ExportModel(const QByteArray& pgxBytes, const std::optional<QImage>& picture,
                const QString& outPath, QTextStream& out, QTextStream& err,
                const QStringList& keep = {});

// meshmaker --export MODEL.pgx OUT.glb|OUT.obj [--picture PICTURE]; args are
// the words after "--export". The picture is by default the BMP of the same
// name beside the model.
int RunExportCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// meshmaker --info MODEL.pgx: the header, the blocks with their counts and
// the mesh's vertex and triangle counts; args are the words after "--info".
int RunInfoCommand(const QStringList& args, QTextStream& out, QTextStream& err);

QString ModelCommandsUsage();

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
// its side files beside it); any case.
bool IsModelExportPath(const QString& path);

// The side files of an OBJ export, beside it and named after it: fish.obj
// writes the library fish.mtl (the name readers that ignore the OBJ's
// "mtllib" line look for) and the pictures fish_obj_body.png and
// fish_obj_fins.png, whose suffix of their own keeps them from ever being
// the picture (fish.png), the body texture (fish_tx.bmp) or any other file
// of the fish. The OBJ and the library name them in their text, where a
// space, a '#' or a control character cannot stand: each of these becomes
// '_' ("my fish.obj" writes my_fish.mtl and my_fish_obj_body.png).
struct ObjSidePaths {
    QString mtl, bodyPng, finsPng;
};
ObjSidePaths ObjSideFiles(const QString& objPath);

// Why a path cannot be an export's name (it holds a control character, a
// line break say), with the name shown on one line; empty when it can.
QString ExportNameProblem(const QString& path);

// Writes the export of a PGX file's bytes to outPath, textured with the
// picture when one is given (it must have the size the file records), else
// untextured with a note on err. A malformed file is refused with the
// reader's message. keep names files the export must not replace (the
// picture's file, say): an output that is one of them is refused. A side
// file of an OBJ that exists is replaced only with replaceSideFiles; without
// it the export is refused and writes nothing. This is the one call a
// conversion that has just made the PGX bytes needs to export them as well.
int ExportModel(const QByteArray& pgxBytes, const std::optional<QImage>& picture,
                const QString& outPath, QTextStream& out, QTextStream& err,
                const QStringList& keep = {}, bool replaceSideFiles = false);

// meshmaker --export MODEL.pgx OUT.glb|OUT.obj [--picture PICTURE]
// [--overwrite]; args are the words after "--export". The picture is by
// default the BMP of the same name beside the model.
int RunExportCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// meshmaker --info MODEL.pgx: the header, the blocks with their counts and
// the mesh's vertex and triangle counts; args are the words after "--info".
int RunInfoCommand(const QStringList& args, QTextStream& out, QTextStream& err);

QString ModelCommandsUsage();

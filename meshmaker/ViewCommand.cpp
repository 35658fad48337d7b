// meshmaker --view, before any window: the model and its picture read and
// checked; Viewer.cpp then shows them.

#include "ViewCommand.h"

#include "Batch.h"
#include "ModelCommands.h"
#include "Picture.h"
#include "Texts.h"

#include <QFileInfo>

std::variant<ViewRequest, int> PrepareView(const QStringList& args, QTextStream& err) {
    auto usage = [&](const QString& why) {
        err << Texts::CommandError().arg(why) << Texts::ViewUsage();
        err.flush();
        return ExitUsage;
    };
    auto fail = [&](const QString& why) {
        err << Texts::CommandError().arg(why);
        err.flush();
        return ExitFailed;
    };
    QString modelPath, picturePath;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--picture")) {
            if (i + 1 >= args.size()) return usage(Texts::PictureNeedsFile());
            picturePath = args[++i];
        } else if (args[i].startsWith(u'-') && args[i].size() > 1) {
            return usage(Texts::UnknownOption().arg(args[i]));
        } else if (modelPath.isEmpty()) {
            modelPath = args[i];
        } else {
            return usage(Texts::ViewTakesOneModel());
        }
    }
    if (modelPath.isEmpty()) return usage(Texts::ViewTakesOneModel());

    ViewRequest request;
    PgxError error;
    auto file = ReadPgxFile(modelPath, &error);
    if (!file) return fail(Texts::FileFailed().arg(modelPath, error.text()));
    request.file = std::move(*file);

    if (picturePath.isEmpty()) picturePath = PictureBeside(modelPath);
    if (picturePath.isEmpty()) {
        err << Texts::ViewUntextured().arg(
            QFileInfo(modelPath).completeBaseName() + QStringLiteral(".bmp"), modelPath);
        err.flush();
        request.name = QFileInfo(modelPath).fileName();
        return request;
    }
    const LoadedPicture loaded = LoadPicture(picturePath);
    if (loaded.image.isNull()) return fail(Texts::FileFailed().arg(picturePath, loaded.error));
    if (loaded.image.width() != request.file.width || loaded.image.height() != request.file.height)
        return fail(Texts::FileFailed().arg(picturePath, Texts::PictureOfOtherSize()
                                                             .arg(loaded.image.width())
                                                             .arg(loaded.image.height())
                                                             .arg(request.file.width)
                                                             .arg(request.file.height)));
    request.picture = loaded.image;
    request.name = QFileInfo(picturePath).fileName();
    return request;
}

#include "Viewer.h"

#include "Batch.h"
#include "PreviewWindow.h"
#include "Texts.h"
#include "ViewCommand.h"

#include <QApplication>

int RunViewer(int argc, char** argv, const QStringList& args, bool hasDisplay) {
    QTextStream err(stderr);
    auto prepared = PrepareView(args, err);
    if (const int* status = std::get_if<int>(&prepared)) return *status;
    if (!hasDisplay) {
        err << Texts::ViewNoDisplay;
        return ExitFailed;
    }
    const ViewRequest& request = std::get<ViewRequest>(prepared);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("meshmaker"));
    app.setApplicationDisplayName(QString());
    PreviewWindow window(request.file, request.picture, request.name);
    window.show();
    return app.exec();
}

// meshmaker --view: the 3-D view's window alone, after ViewCommand.cpp has
// read the model; main.cpp runs it where the program has windows.

#include "Viewer.h"

#include "Batch.h"
#include "Language.h"
#include "PreviewWindow.h"
#include "Texts.h"
#include "ViewCommand.h"

#include <QApplication>

int RunViewer(int argc, char** argv, const QStringList& args, bool hasDisplay,
              const QString& language) {
    QTextStream err(stderr);
    // The model and its picture are read, and refused, before any display
    // is needed; the messages need an application object.
    std::variant<ViewRequest, int> prepared = ExitFailed;
    {
        QCoreApplication app(argc, argv);
        Language::Use(language);
        prepared = PrepareView(args, err);
        if (std::holds_alternative<ViewRequest>(prepared) && !hasDisplay) {
            err << Texts::ViewNoDisplay();
            return ExitFailed;
        }
    }
    if (const int* status = std::get_if<int>(&prepared)) return *status;
    const ViewRequest& request = std::get<ViewRequest>(prepared);
    QApplication app(argc, argv);
    Language::Use(language);
    app.setApplicationName(QStringLiteral("meshmaker"));
    app.setApplicationDisplayName(QString());
    PreviewWindow window(request.file, request.picture, request.name);
    window.show();
    return app.exec();
}

#pragma once
// The 3-D view's window: modeless, resizable and a window of its own, with
// the view and a line under it that gives the model's vertex and triangle
// counts. Where the display offers no OpenGL (a remote display without GLX,
// a driver that fails) it shows a one-line message in place of the view and
// nothing else changes.
//
// It follows the editor (what a save would write now, and a point being
// dragged on the side view), or shows one PGX file (meshmaker --view).

#include "FishView.h"

#include <QPoint>
#include <QWidget>

#include <optional>

class QCheckBox;
class QLabel;
class QVBoxLayout;
class TForm1;
struct PgxFile;

class PreviewWindow : public QWidget {
public:
    // Follows the editor's fish and picture.
    explicit PreviewWindow(const TForm1& form, QWidget* parent = nullptr);
    // Shows one file's model, textured with picture unless it is null;
    // name is the caption's (the picture's file name, or the model's).
    PreviewWindow(const PgxFile& file, const QImage& picture, const QString& name,
                  QWidget* parent = nullptr);

    // After every event of the editor: when the fish or the picture has
    // changed since the model shown, or a drag has ended, one rebuild is
    // scheduled for the next frame.
    void Refresh();
    // A point is being dragged on the side view, now at view pixel at: the
    // model follows it (the editor's fish does not change until the release).
    void FollowDrag(QPoint at);

    // The view, or null where OpenGL is not available.
    FishView* View() const { return view_; }
    // The message shown in place of the view; empty while the view shows.
    QString Message() const;
    QString CountsLine() const;

private:
    void Build(FishView::Source source);
    void ShowMessageInstead(const QString& why);
    void ShowCounts(const PreviewModel& model);

    const TForm1* form_ = nullptr;
    std::optional<QPoint> drag_;
    int shownRevision_ = -1;
    qint64 shownPicture_ = -1;

    QVBoxLayout* layout_ = nullptr;
    FishView* view_ = nullptr;
    QLabel* message_ = nullptr;
    QWidget* bottom_ = nullptr;
    QLabel* counts_ = nullptr;
    QCheckBox* wireframe_ = nullptr;
};

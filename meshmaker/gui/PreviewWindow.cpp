// The 3-D view's window, beside the editor or alone (--view); the main window
// and Viewer.cpp open it.

#include "PreviewWindow.h"

#include "PgxReader.h"
#include "TForm1.h"
#include "Texts.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

PreviewWindow::PreviewWindow(const TForm1& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(&form) {
    Build([this] {
        std::optional<Fish> dragged;
        if (drag_) dragged = form_->FishWithDragAt(drag_->x(), drag_->y());
        return PreviewOfFish(dragged ? *dragged : form_->Current(), form_->Picture);
    });
    Refresh();
}

PreviewWindow::PreviewWindow(const PgxFile& file, const QImage& picture, const QString& name,
                             QWidget* parent)
    : QWidget(parent, Qt::Window) {
    Build([model = PreviewOfFile(file, picture)] { return model; });
    setWindowTitle(Texts::PreviewCaption().arg(name));
}

void PreviewWindow::Build(FishView::Source source) {
    setObjectName(QStringLiteral("PreviewWindow"));
    resize(720, 480);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);

    QString why;
    if (FishView::OpenGLAvailable(&why)) {
        view_ = new FishView(std::move(source), this);
        view_->setObjectName(QStringLiteral("FishView"));
        layout_->addWidget(view_, 1);
        view_->onRebuilt = [this](const PreviewModel& model) { ShowCounts(model); };
        view_->onWireframe = [this](bool on) { wireframe_->setChecked(on); };
        view_->onFailed = [this](const QString& reason) { ShowMessageInstead(reason); };
    }

    bottom_ = new QWidget(this);
    auto* rows = new QVBoxLayout(bottom_);
    rows->setContentsMargins(8, 4, 8, 4);
    rows->setSpacing(2);
    auto* line = new QHBoxLayout();
    counts_ = new QLabel(bottom_);
    counts_->setObjectName(QStringLiteral("Counts"));
    wireframe_ = new QCheckBox(Texts::PreviewWireframe(), bottom_);
    wireframe_->setObjectName(QStringLiteral("Wireframe"));
    wireframe_->setFocusPolicy(Qt::NoFocus); // the keys stay with the view
    connect(wireframe_, &QCheckBox::toggled, this, [this](bool on) {
        if (view_) view_->SetWireframe(on);
    });
    line->addWidget(counts_, 1);
    line->addWidget(wireframe_);
    rows->addLayout(line);
    auto* keys = new QLabel(Texts::PreviewKeys(), bottom_);
    keys->setObjectName(QStringLiteral("Keys"));
    keys->setForegroundRole(QPalette::PlaceholderText); // a hint, drawn as such
    keys->setWordWrap(true);
    rows->addWidget(keys);
    layout_->addWidget(bottom_);

    if (!view_) ShowMessageInstead(why);
    if (view_) view_->setFocus();
}

void PreviewWindow::ShowMessageInstead(const QString& why) {
    if (view_) {
        layout_->removeWidget(view_);
        view_->hide();
        view_->deleteLater();
        view_ = nullptr;
    }
    if (!message_) {
        message_ = new QLabel(this);
        message_->setObjectName(QStringLiteral("NoOpenGL"));
        message_->setAlignment(Qt::AlignCenter);
        layout_->insertWidget(0, message_, 1);
    }
    message_->setText(Texts::NoOpenGL().arg(why));
    bottom_->hide();
}

void PreviewWindow::ShowCounts(const PreviewModel& model) {
    counts_->setText(model.hasMesh ? Texts::PreviewCounts()
                                         .arg(model.mesh.vertices.size())
                                         .arg(model.mesh.triangles.size())
                                   : model.problem);
}

QString PreviewWindow::Message() const {
    return message_ ? message_->text() : QString();
}

QString PreviewWindow::CountsLine() const {
    return counts_->text();
}

void PreviewWindow::Refresh() {
    if (!form_) return;
    const QString& path = form_->Picture.PicturePath;
    setWindowTitle(path.isEmpty() ? Texts::PreviewEntry()
                                  : Texts::PreviewCaption().arg(QFileInfo(path).fileName()));
    const int revision = form_->Document.Revision();
    const qint64 picture = form_->Picture.PictureBitmap.cacheKey();
    if (revision == shownRevision_ && picture == shownPicture_ && !drag_) return;
    shownRevision_ = revision;
    shownPicture_ = picture;
    drag_.reset();
    if (view_) view_->ModelChanged();
}

void PreviewWindow::FollowDrag(QPoint at) {
    drag_ = at;
    if (view_) view_->ModelChanged();
}

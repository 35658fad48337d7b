// The eye designer's window: a mirror of TForm3, made by the main window.

#include "EyeDesignerWindow.h"

#include "EyeViews.h"
#include "FormFont.h"
#include "TForm3.h"
#include "ViewWidget.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

template <typename W> W* Placed(W* w, const Control& c, const QString& name) {
    w->setObjectName(name);
    w->setGeometry(c.Geometry);
    return w;
}

QImage Part(const QImage& image, const QRect& r) {
    return image.copy(r);
}

// The pixels of one of the designer's images for a painted rectangle.
ViewWidget::Render Draw(const TForm3& form, QImage (*render)(const TForm3&)) {
    return [&form, render](const QRect& r) { return Part(render(form), r); };
}

} // namespace

EyeDesignerWindow::EyeDesignerWindow(TForm3& form,
                                     std::function<void(std::function<void()>)> dispatch)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), form_(form),
      dispatch_(std::move(dispatch)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(form.Caption);
    setFont(FormFont(12));
    setFixedSize(form.Bounds.size());

    image1_ = Placed(new ViewWidget(this, Draw(form_, RenderEyeMagnifier)), form.Image1,
                     QStringLiteral("Image1"));
    image1_->onRelease = [this](MouseButton b, MouseState, QPoint p) {
        dispatch_([this, b, p] { form_.Image1MouseUp(b, p.x(), p.y()); });
    };
    image2_ = Placed(new ViewWidget(this, Draw(form_, RenderEyePreview)), form.Image2,
                     QStringLiteral("Image2"));
    image3_ = Placed(new ViewWidget(this, Draw(form_, RenderEyeSwatch)), form.Image3,
                     QStringLiteral("Image3"));

    scrollBar1_ =
        Placed(new QScrollBar(Qt::Horizontal, this), form.ScrollBar1, QStringLiteral("ScrollBar1"));
    scrollBar2_ =
        Placed(new QScrollBar(Qt::Horizontal, this), form.ScrollBar2, QStringLiteral("ScrollBar2"));
    connect(scrollBar1_, &QScrollBar::valueChanged, this, [this](int v) {
        if (!syncing_) dispatch_([this, v] { form_.SetScrollBar1Position(v); });
    });
    connect(scrollBar2_, &QScrollBar::valueChanged, this, [this](int v) {
        if (!syncing_) dispatch_([this, v] { form_.SetScrollBar2Position(v); });
    });

    auto* ok = Placed(new QPushButton(form.Button1.Caption, this), form.Button1,
                      QStringLiteral("Button1"));
    connect(ok, &QPushButton::clicked, this,
            [this] { dispatch_([this] { form_.Button1Click(); }); });
    auto* cancel = Placed(new QPushButton(form.Button2.Caption, this), form.Button2,
                          QStringLiteral("Button2"));
    connect(cancel, &QPushButton::clicked, this,
            [this] { dispatch_([this] { form_.Button2Click(); }); });

    const std::pair<const Label*, const char*> labels[] = {
        {&form.Label1, "Label1"}, {&form.Label2, "Label2"}, {&form.Label3, "Label3"}};
    for (auto [label, name] : labels) {
        auto* l = Placed(new QLabel(label->Caption, this), *label, QString::fromLatin1(name));
        l->adjustSize();
    }
    move(form.Bounds.topLeft());
    Refresh();
}

void EyeDesignerWindow::Refresh() {
    syncing_ = true;
    const std::pair<QScrollBar*, const ScrollBar*> bars[] = {{scrollBar1_, &form_.ScrollBar1},
                                                             {scrollBar2_, &form_.ScrollBar2}};
    for (auto [widget, record] : bars) {
        widget->setRange(record->Min, record->Max);
        widget->setPageStep(record->PageStep);
        widget->setValue(record->Position);
    }
    syncing_ = false;
    if (form_.Revision != shownRevision_) {
        shownRevision_ = form_.Revision;
        image1_->update();
        image2_->update();
        image3_->update();
    }
    if (form_.Visible && !isVisible()) {
        show();
    } else if (!form_.Visible && isVisible()) {
        hide();
    }
    if (form_.Visible && form_.ShowRequests != shownRequests_) raise();
    shownRequests_ = form_.ShowRequests;
}

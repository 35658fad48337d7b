// The main editor window: a mirror of TForm1, its actions and tool panel built
// from the tool table; main.cpp and the widget tests make it.

#include "MainWindow.h"

#include "EyeDesignerWindow.h"
#include "FormFont.h"
#include "PreviewWindow.h"
#include "StepCheckBox.h"
#include "TForm3.h"
#include "Texts.h"
#include "ToolIcons.h"
#include "VersionDialog.h"
#include "ViewWidget.h"
#include "Views.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

MainWindow::MainWindow(Dialogs* dialogs)
    : widgetDialogs_(this), form_(dialogs ? *dialogs : widgetDialogs_) {
    setObjectName(QStringLiteral("Form1"));
    setFont(FormFont(12));
    setWindowTitle(form_.Caption);
    setWindowIcon(ToolIcon(QStringLiteral("program"), QSize(32, 32)));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    panel_ = new QWidget(central);
    panel_->setObjectName(QStringLiteral("Panel1"));
    panel_->setFixedHeight(ToolPanelHeight);
    scroll_ = new QScrollArea(central);
    scroll_->setFrameShape(QFrame::NoFrame);
    client_ = new QWidget();
    client_->setObjectName(QStringLiteral("ClientArea"));
    scroll_->setWidget(client_);
    layout->addWidget(panel_);
    layout->addWidget(scroll_, 1);
    setCentralWidget(central);

    CreateActions();
    BuildMenu();
    BuildToolPanel();
    BuildViews();

    version_ = new VersionDialog(this);
    version_->onOk = [this] { Dispatch([this] { form_.Form2Button1Click(); }); };
    connect(version_, &QDialog::finished, this, [this] { form_.Form2.Visible = false; });
    eyeDesigner_ = std::make_unique<EyeDesignerWindow>(
        form_.Form3(), [this](std::function<void()> h) { Dispatch(h); });

    move(form_.Bounds.topLeft());
    resize(form_.Bounds.size());
    Refresh();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateActions() {
    // Every command of the window, each running its handler as one event.
    auto add = [this](const QString& name, const QString& text, void (TForm1::*handler)(),
                      const char* picture = nullptr) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        if (picture) {
            action->setIcon(ToolIcon(QString::fromLatin1(picture), QSize(24, 20)));
            action->setIconVisibleInMenu(false);
        }
        connect(action, &QAction::triggered, this,
                [this, handler] { Dispatch([this, handler] { (form_.*handler)(); }); });
        actions_[name] = action;
    };
    add("Open1", Texts::OpenEntry(), &TForm1::Open1Click);
    add("Saveas1", Texts::SaveEntry(), &TForm1::Saveas1Click);
    add("FlipHorizontally", Texts::FlipEntry(), &TForm1::FlipHorizontallyClick);
    actions_[QStringLiteral("FlipHorizontally")]->setCheckable(true);
    actions_[QStringLiteral("FlipHorizontally")]->setToolTip(Texts::FlipHint());
    add("SaveBodyTexture", Texts::SaveTextureEntry(), &TForm1::SaveBodyTextureClick);
    actions_[QStringLiteral("SaveBodyTexture")]->setToolTip(Texts::SaveTextureHint());
    add("Exit1", Texts::ExitEntry(), &TForm1::Exit1Click);
    add("x11", QStringLiteral("x1"), &TForm1::x11Click);
    add("x21", QStringLiteral("x2"), &TForm1::x21Click);
    add("x41", QStringLiteral("x4"), &TForm1::x41Click);
    add("x81", QStringLiteral("x8"), &TForm1::x81Click);
    add("SpeedButton1", QString(), &TForm1::SpeedButton1Click, "open");
    add("SpeedButton11", QString(), &TForm1::SpeedButton11Click, "save");
    add("SpeedButton2", QString(), &TForm1::SpeedButton2Click, "zoom-in");
    add("SpeedButton3", QString(), &TForm1::SpeedButton3Click, "zoom-out");
    // The tools, from the tool table; a picture button stays pressed while
    // its tool is in use (a button with a caption shows that itself).
    for (const ToolRow& tool : Tools()) {
        if (!tool.Button) continue;
        const QString name = QLatin1String(tool.FormName);
        add(name, tool.Icon ? QString() : (form_.*tool.Button).Caption, tool.Click, tool.Icon);
        if (tool.Icon) Action(name)->setCheckable(true);
    }

    // Undo and Redo are the undo stack's own entries, as in Qt's Undo
    // Framework example: they follow its steps. A step that still waits
    // for the event that finishes it (a fin rectangle between its press and
    // its release) is not on the stack yet; the entries name it all the
    // same (UpdateActions), and a click first puts it there (Undo1Click).
    QUndoStack& stack = form_.History.Stack();
    const std::pair<QAction*, void (TForm1::*)()> stackEntries[] = {
        {stack.createUndoAction(this), &TForm1::Undo1Click},
        {stack.createRedoAction(this), &TForm1::Redo1Click}};
    for (auto [action, handler] : stackEntries) {
        disconnect(action, &QAction::triggered, &stack, nullptr);
        connect(action, &QAction::triggered, this,
                [this, handler = handler] { Dispatch([this, handler] { (form_.*handler)(); }); });
    }
    stackEntries[0].first->setObjectName(QStringLiteral("Undo1"));
    stackEntries[1].first->setObjectName(QStringLiteral("Redo1"));
    actions_[QStringLiteral("Undo1")] = stackEntries[0].first;
    actions_[QStringLiteral("Redo1")] = stackEntries[1].first;
    Action("Undo1")->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Action("Redo1")->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    // The version dialog learns its outer size before it is placed.
    auto* version = new QAction(Texts::VersionEntry(), this);
    version->setObjectName(QStringLiteral("Version1"));
    connect(version, &QAction::triggered, this, [this] {
        Dispatch([this] {
            KeepBounds();
            // The dialog's outer size: its frame is known once it has been
            // shown; before that it has the same decoration as this window.
            const QSize decoration = frameGeometry().size() - size();
            form_.Form2.Bounds.setSize(version_->isVisible() ? version_->frameGeometry().size()
                                                             : version_->size() + decoration);
            form_.Version1Click();
        });
    });
    actions_[QStringLiteral("Version1")] = version;

    // The 3-D view, in a window of its own; it changes nothing of the editor.
    auto* preview = new QAction(ToolIcon(QStringLiteral("preview3d"), QSize(24, 20)),
                                Texts::PreviewEntry(), this);
    preview->setObjectName(QStringLiteral("PreviewButton"));
    preview->setIconVisibleInMenu(false);
    preview->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));
    connect(preview, &QAction::triggered, this, [this] {
        if (!preview_) {
            preview_ = new PreviewWindow(form_, this);
            // Beside the editor where the screen has room, else where the system puts it.
            const QRect room = screen()->availableGeometry();
            const QPoint beside = frameGeometry().topRight() + QPoint(8, 0);
            if (room.contains(QRect(beside, preview_->size()))) preview_->move(beside);
        }
        preview_->Refresh();
        preview_->show();
        preview_->raise();
        preview_->activateWindow();
    });
    actions_[QStringLiteral("PreviewButton")] = preview;
}

void MainWindow::UpdateActions() {
    const bool canSave = form_.CanSave();
    Action(QStringLiteral("Saveas1"))->setEnabled(canSave);
    Action(QStringLiteral("SpeedButton11"))->setEnabled(canSave);
    Action(QStringLiteral("SaveBodyTexture"))->setEnabled(canSave);
    Action(QStringLiteral("FlipHorizontally"))->setChecked(form_.FlipHorizontallyEntry.Checked);
    Action(QStringLiteral("Undo1"))->setEnabled(form_.CanUndo());
    Action(QStringLiteral("Undo1"))->setText(form_.UndoCaption());
    Action(QStringLiteral("Redo1"))->setEnabled(form_.CanRedo());
    Action(QStringLiteral("Redo1"))->setText(form_.RedoCaption());
}

void MainWindow::BuildMenu() {
    QMenu* file = menuBar()->addMenu(Texts::FileMenu());
    for (const char* name : {"Open1", "FlipHorizontally", "Saveas1", "SaveBodyTexture", "Exit1"})
        file->addAction(Action(name));
    file->setToolTipsVisible(true);
    QMenu* edit = menuBar()->addMenu(Texts::EditMenu());
    for (const char* name : {"Undo1", "Redo1"}) edit->addAction(Action(name));
    QMenu* zoom = menuBar()->addMenu(Texts::ZoomMenu());
    for (const char* name : {"x11", "x21", "x41", "x81"}) zoom->addAction(Action(name));
    menuBar()->addMenu(Texts::ViewMenu())->addAction(Action(QStringLiteral("PreviewButton")));
    menuBar()->addAction(Action(QStringLiteral("Version1")));
}

void MainWindow::BuildToolPanel() {
    auto addButton = [this](const Button& record, const QString& name) {
        QAbstractButton* b = nullptr;
        if (record.Caption.isEmpty()) {
            auto* tool = new QToolButton(panel_);
            tool->setDefaultAction(Action(name));
            tool->setIconSize(QSize(24, 20));
            tool->setFocusPolicy(Qt::NoFocus); // picture buttons never take the focus from a field
            b = tool;
        } else {
            b = new QPushButton(record.Caption, panel_);
            connect(b, &QAbstractButton::clicked, Action(name), &QAction::trigger);
        }
        b->setObjectName(name);
        buttons_.emplace_back(&record, b);
    };
    addButton(form_.SpeedButton1, "SpeedButton1");
    addButton(form_.SpeedButton11, "SpeedButton11");
    addButton(form_.SpeedButton2, "SpeedButton2");
    addButton(form_.SpeedButton3, "SpeedButton3");
    for (const ToolRow& tool : Tools())
        if (tool.Button) addButton(form_.*tool.Button, QLatin1String(tool.FormName));
    addButton(form_.PreviewButton, "PreviewButton");

    auto addEdit = [this](Edit& record, const QString& name, void (TForm1::*onExit)(),
                          void (TForm1::*onKey)(int)) {
        auto* e = new QLineEdit(panel_);
        e->setObjectName(name);
        e->installEventFilter(this);
        connect(e, &QLineEdit::returnPressed, this,
                [this, onKey] { Dispatch([this, onKey] { (form_.*onKey)(13); }); });
        edits_.emplace_back(&record, e);
        exitHandlers_.emplace_back(e, onExit);
        return e;
    };
    addEdit(form_.Edit1, "Edit1", &TForm1::Edit1Exit, &TForm1::Edit1KeyPress);
    addEdit(form_.Edit2, "Edit2", &TForm1::Edit2Exit, &TForm1::Edit2KeyPress);

    const std::pair<const Label*, const char*> labels[] = {{&form_.Label1, "Label1"},
                                                           {&form_.Label2, "Label2"},
                                                           {&form_.Label3, "Label3"},
                                                           {&form_.Label4, "Label4"},
                                                           {&form_.Label5, "Label5"}};
    for (auto [record, name] : labels) {
        auto* l = new QLabel(panel_);
        l->setObjectName(QString::fromLatin1(name));
        labels_.emplace_back(record, l);
    }

    auto addCheckBox = [this](CheckBox& record, const QString& name, void (TForm1::*onRelease)()) {
        auto* c = new StepCheckBox(panel_);
        c->setObjectName(name);
        if (onRelease) {
            c->setFocusPolicy(Qt::NoFocus);
            c->onRelease = [this, onRelease] {
                Dispatch([this, onRelease] { (form_.*onRelease)(); });
            };
        } else {
            // No handler of its own: the box just toggles.
            connect(c, &QCheckBox::toggled, this, [this] {
                if (!syncing_) Dispatch([this] { form_.CheckBox7Click(); });
            });
        }
        checkBoxes_.emplace_back(&record, c);
    };
    for (const ToolRow& tool : Tools())
        if (tool.Box) addCheckBox(form_.*tool.Box, QLatin1String(tool.BoxName), tool.BoxRelease);
}

void MainWindow::BuildViews() {
    // Each view, with the handlers of a press and a release on it.
    using MouseHandler = void (TForm1::*)(MouseButton, MouseState, int, int);
    auto addView = [this](const Image& record, const QString& name, ViewWidget::Render render,
                          MouseHandler press, MouseHandler release) {
        auto* v = new ViewWidget(client_, std::move(render));
        v->setObjectName(name);
        images_.emplace_back(&record, v);
        for (auto [event, handler] : {std::pair{&v->onPress, press}, {&v->onRelease, release}})
            *event = [this, handler = handler](MouseButton b, MouseState s, QPoint p) {
                Dispatch([=, this] { (form_.*handler)(b, s, p.x(), p.y()); });
            };
        return v;
    };
    image1_ = addView(
        form_.Image1, "Image1", [this](const QRect& r) { return RenderSideView(form_, r); },
        &TForm1::Image1MouseDown, &TForm1::Image1MouseUp);
    image1_->onMove = [this](MouseButton, MouseState s, QPoint p) {
        Dispatch([=, this] { form_.Image1MouseMove(s, p.x(), p.y()); });
        if (preview_ && form_.Ui.Mode != Drawing(Tool::Eye) && (s.Left || s.Right || s.Middle))
            preview_->FollowDrag(p); // the 3-D view follows a drag; the fish waits for the release
    };
    image1_->onLeave = [this] { Dispatch([this] { form_.Image1MouseLeave(); }); };
    image2_ = addView(
        form_.Image2, "Image2", [this](const QRect& r) { return RenderFrontView(form_, r); },
        &TForm1::Image2MouseDown, &TForm1::Image2MouseUp);
    image3_ = addView(
        form_.Image3, "Image3", [this](const QRect& r) { return RenderTopView(form_, r); },
        &TForm1::Image3MouseDown, &TForm1::Image3MouseUp);

    auto addScrollBar = [this](const ScrollBar& record, const QString& name,
                               void (TForm1::*set)(int), const Label& value,
                               const QString& valueName) {
        auto* bar = new QScrollBar(Qt::Horizontal, client_);
        bar->setObjectName(name);
        connect(bar, &QScrollBar::valueChanged, this, [this, set](int v) {
            if (!syncing_) Dispatch([this, set, v] { (form_.*set)(v); });
        });
        scrollBars_.emplace_back(&record, bar);
        auto* label = new QLabel(client_);
        label->setObjectName(valueName);
        scrollValues_.emplace_back(&value, label);
    };
    addScrollBar(form_.ScrollBar1, "ScrollBar1", &TForm1::SetScrollBar1Position, form_.TailValue,
                 "TailValue");
    addScrollBar(form_.ScrollBar2, "ScrollBar2", &TForm1::SetScrollBar2Position,
                 form_.ThicknessValue, "ThicknessValue");
    addScrollBar(form_.ScrollBar4, "ScrollBar4", &TForm1::SetScrollBar4Position, form_.PeakValue,
                 "PeakValue");

    // The status bar: the picture, the zoom, the point under the pointer.
    for (auto [record, name] : {std::pair{&form_.Status.Picture, "StatusPicture"},
                                {&form_.Status.Zoom, "StatusZoom"},
                                {&form_.Status.Pointer, "StatusPointer"}}) {
        auto* label = new QLabel(statusBar());
        label->setObjectName(QString::fromLatin1(name));
        label->setContentsMargins(2, 0, 14, 0);
        statusBar()->addWidget(label);
        statusLabels_.emplace_back(record, label);
    }
}

QRect MainWindow::InClient(const QRect& formRect) const {
    return formRect.translated(0, -ToolPanelHeight);
}

void MainWindow::PullEdits() {
    for (auto [record, widget] : edits_) record->Text = widget->text();
}

void MainWindow::Dispatch(const std::function<void()>& handler) {
    PullEdits();
    handler();
    form_.AfterEvent();
    Refresh();
}

void MainWindow::Refresh() {
    syncing_ = true;
    setWindowTitle(form_.Caption);
    UpdateActions();
    for (auto [record, widget] : buttons_) {
        widget->setGeometry(record->Geometry);
        widget->setToolTip(record->Hint);
        widget->setVisible(record->Visible);
        // A button with an action shows it through the action.
        auto* tool = qobject_cast<QToolButton*>(widget);
        if (QAction* action = tool ? tool->defaultAction() : nullptr;
            action && action->isCheckable())
            action->setChecked(record->Down);
        else if (!tool)
            widget->setCheckable(true), widget->setChecked(record->Down);
    }
    for (auto [record, widget] : edits_) {
        if (widget->text() != record->Text) widget->setText(record->Text);
        widget->setGeometry(record->Geometry);
        widget->setToolTip(record->Hint);
    }
    for (auto [record, widget] : labels_) {
        widget->setText(record->Caption);
        widget->move(record->Geometry.topLeft());
        widget->adjustSize();
        widget->setVisible(record->Visible);
    }
    // The longest prompt reaches into the redo hint beside it; while it does,
    // the hint makes way so that the prompt reads as a sentence of its own.
    QLabel *prompt = labels_[1].second, *redoHint = labels_[2].second;
    if (!prompt->text().isEmpty() && prompt->geometry().intersects(redoHint->geometry()))
        redoHint->hide();
    for (auto [record, widget] : checkBoxes_) {
        widget->setChecked(record->Checked);
        widget->setGeometry(record->Geometry);
        widget->setToolTip(record->Hint);
        widget->setVisible(record->Visible);
    }
    QRect extent;
    for (auto [record, widget] : scrollBars_) {
        widget->setRange(record->Min, record->Max);
        widget->setValue(record->Position);
        widget->setGeometry(InClient(record->Geometry));
        widget->setVisible(record->Visible);
        if (record->Visible) extent |= widget->geometry();
    }
    for (auto [record, widget] : images_) {
        widget->setGeometry(InClient(record->Geometry));
        widget->setVisible(record->Visible);
        if (record->Visible) extent |= widget->geometry();
    }
    for (auto [record, widget] : scrollValues_) {
        widget->setText(record->Caption);
        widget->setGeometry(InClient(record->Geometry));
        widget->setVisible(record->Visible);
        if (record->Visible) extent |= widget->geometry();
    }
    for (auto [record, widget] : statusLabels_) widget->setText(record->Caption);
    client_->resize(std::max(extent.right() + 1, 1), std::max(extent.bottom() + 1, 1));
    syncing_ = false;

    if (form_.SideViewRevision != shownSide_)
        image1_->update(), shownSide_ = form_.SideViewRevision;
    if (form_.FrontViewRevision != shownFront_)
        image2_->update(), shownFront_ = form_.FrontViewRevision;
    if (form_.TopViewRevision != shownTop_) image3_->update(), shownTop_ = form_.TopViewRevision;

    if (form_.Form2.Visible) {
        version_->move(form_.Form2.Bounds.topLeft());
        version_->show();
        version_->raise();
    } else {
        version_->hide();
    }
    eyeDesigner_->Refresh();
    if (preview_) preview_->Refresh(); // one rebuild when the fish or the picture moved
    if (form_.CloseRequested) close();
}

void MainWindow::KeepBounds() {
    form_.Bounds = frameGeometry();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placed_) return;
    placed_ = true;
    // The form's size is its outer size, frame included.
    const QSize frame = frameGeometry().size() - size();
    resize(form_.Bounds.size() - frame);
    move(form_.Bounds.topLeft());
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    KeepBounds();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    KeepBounds();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    version_->hide();
    eyeDesigner_->hide();
    qApp->quit();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Undo and Redo in a field belong to the field while it holds typing of
    // its own; otherwise they go to the window's Edit menu.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* edit = qobject_cast<QLineEdit*>(watched);
        const bool fieldUndoes =
            key->matches(QKeySequence::Undo) && edit && edit->isUndoAvailable();
        const bool fieldRedoes =
            key->matches(QKeySequence::Redo) && edit && edit->isRedoAvailable();
        const bool windowKey = key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
        if (edit && windowKey && !fieldUndoes && !fieldRedoes) {
            event->ignore();
            return true;
        }
    }
    // Leaving a field applies it; switching to another program does not.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        for (auto [edit, onExit] : exitHandlers_)
            if (watched == edit) Dispatch([this, onExit = onExit] { (form_.*onExit)(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

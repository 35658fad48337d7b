// The archiver dialog's window: a mirror of CPgpackDlg, made by CPgpackApp.

#include "ArchiverWindow.h"

#include "DialogFont.h"
#include "ProgramIcon.h"
#include "Texts.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

ArchiverWindow::ArchiverWindow(Dialogs* dialogs)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      widgetDialogs_(this), dlg_(dialogs ? *dialogs : widgetDialogs_) {
    setObjectName(QStringLiteral("CPgpackDlg"));
    setWindowTitle(Texts::DialogCaption());
    setWindowIcon(ProgramIcon());
    setFont(DialogFont());
    setFixedSize(DialogUnits(font()).ToPixels(ArchiverDialogUnits));
    BuildControls();
    AddVersionEntry();
    Dispatch([this] { dlg_.OnInitDialog(); });
}

QWidget* ArchiverWindow::ControlWidget(int id) const {
    const auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : found->second;
}

void ArchiverWindow::Dispatch(const std::function<void()>& handler) {
    handler();
    Refresh();
}

void ArchiverWindow::BuildControls() {
    const DialogUnits units(font());
    const std::map<int, void (CPgpackDlg::*)()> clicks = {
        {ControlId::ChooseMesh, &CPgpackDlg::OnChooseMesh},
        {ControlId::Create, &CPgpackDlg::OnCreateCombined},
        {ControlId::Split, &CPgpackDlg::OnSplitCombined},
        {ControlId::ChooseEyeTexture, &CPgpackDlg::OnChooseEyeTexture},
        {ControlId::ChooseCombined, &CPgpackDlg::OnChooseCombined},
    };
    QWidget* previous = nullptr;
    int labels = 0;
    for (const DialogControl& control : dlg_.Controls) {
        const int id = control.Id;
        QWidget* widget = nullptr;
        switch (control.Kind) {
        case ControlKind::PushButton: {
            auto* button = new QPushButton(control.Text, this);
            button->setDefault(control.Default);
            if (id == ControlId::Exit) {
                connect(button, &QPushButton::clicked, this, &QDialog::accept);
            } else if (auto handler = clicks.find(id); handler != clicks.end()) {
                connect(button, &QPushButton::clicked, this,
                        [this, h = handler->second] { Dispatch([this, h] { (dlg_.*h)(); }); });
            }
            widget = button;
            break;
        }
        case ControlKind::Edit: {
            auto* field = new QLineEdit(control.Text, this);
            field->setReadOnly(control.ReadOnly);
            // What the user types is what the field shows; only field 1001
            // runs a handler on it.
            connect(field, &QLineEdit::textEdited, this, [this, id](const QString& text) {
                Dispatch([this, id, text] {
                    dlg_.Control(id).Text = text;
                    if (id == ControlId::MeshPath) dlg_.OnMeshTextChanged();
                });
            });
            widget = field;
            break;
        }
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(control.Text, this);
            connect(box, &QCheckBox::toggled, this,
                    [this, id](bool checked) { dlg_.Control(id).Checked = checked; });
            widget = box;
            break;
        }
        case ControlKind::Label:
        case ControlKind::Icon: {
            auto* label = new QLabel(control.Text, this);
            label->setObjectName(QStringLiteral("Static%1").arg(++labels));
            label->setGeometry(units.ToPixels(control.Units));
            continue;
        }
        }
        widget->setObjectName(QStringLiteral("Control%1").arg(id));
        widget->setGeometry(units.ToPixels(control.Units));
        if (previous) setTabOrder(previous, widget);
        previous = widget;
        widgets_[id] = widget;
    }
}

void ArchiverWindow::Refresh() {
    for (const DialogControl& control : dlg_.Controls) {
        QWidget* widget = ControlWidget(control.Id);
        if (auto* field = qobject_cast<QLineEdit*>(widget)) {
            if (field->text() != control.Text) field->setText(control.Text);
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            if (box->isChecked() != control.Checked) box->setChecked(control.Checked);
        }
    }
}

void ArchiverWindow::AddVersionEntry() {
#ifdef Q_OS_WIN
    // The version entry goes into the window menu, below a separator.
    if (HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE)) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, VersionCommand,
                    reinterpret_cast<const wchar_t*>(Texts::VersionMenuEntry().utf16()));
    }
#endif
}

void ArchiverWindow::contextMenuEvent(QContextMenuEvent* event) {
#ifdef Q_OS_WIN
    QDialog::contextMenuEvent(event);
#else
    // Where a program cannot add to the window menu, the version entry is
    // offered in the dialog's own context menu.
    QMenu menu(this);
    QAction* version = menu.addAction(Texts::VersionMenuEntry());
    version->setObjectName(QStringLiteral("VersionEntry"));
    if (menu.exec(event->globalPos()) == version)
        Dispatch([this] { dlg_.OnSysCommand(VersionCommand); });
#endif
}

#ifdef Q_OS_WIN
bool ArchiverWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == VersionCommand) {
        Dispatch([this] { dlg_.OnSysCommand(VersionCommand); });
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

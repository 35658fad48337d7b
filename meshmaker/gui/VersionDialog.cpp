// The version dialog (Form2), shown by the main window's Version entry.

#include "VersionDialog.h"

#include "FormFont.h"
#include "Texts.h"
#include "ToolIcons.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

VersionDialog::VersionDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(Texts::VersionCaption());
    setModal(false);
    setFont(FormFont(12));
    setFixedSize(395, 168);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(64, 16, 49, 49);
    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(ToolPixmap(QStringLiteral("program"), QSize(32, 32)));
    picture->setGeometry(8, 8, 32, 32);

    auto* text = new QLabel(Texts::VersionText(), this);
    text->setObjectName(QStringLiteral("VersionText"));
    QFont bold = FormFont(16);
    bold.setBold(true);
    text->setFont(bold);
    text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    text->setGeometry(17, 80, 360, 20);

    auto* ok = new QPushButton(Texts::VersionOk(), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setGeometry(128, 128, 137, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (onOk) onOk();
    });
}

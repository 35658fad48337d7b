// The version dialog, opened from the archiver dialog's context menu.

#include "CVersionDlg.h"

#include "DialogFont.h"
#include "DialogTemplate.h"
#include "ProgramIcon.h"
#include "Texts.h"

#include <QLabel>
#include <QPushButton>

CVersionDlg::CVersionDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("CVersionDlg"));
    setWindowTitle(Texts::VersionCaption());
    setModal(true);
    setFont(DialogFont());
    const DialogUnits units(font());
    setFixedSize(units.ToPixels(VersionDialogUnits));

    for (const DialogControl& control : VersionDialogTemplate()) {
        const QRect place = units.ToPixels(control.Units);
        switch (control.Kind) {
        case ControlKind::Icon: {
            auto* icon = new QLabel(this);
            icon->setObjectName(QStringLiteral("Icon"));
            icon->setPixmap(QPixmap::fromImage(ProgramIconImage(32)));
            icon->setGeometry(QRect(place.topLeft(), QSize(32, 32)));
            break;
        }
        case ControlKind::Label: {
            auto* text = new QLabel(control.Text, this);
            text->setObjectName(QStringLiteral("VersionText"));
            text->setTextFormat(Qt::PlainText); // the ampersand is a plain character
            text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            text->setGeometry(place);
            break;
        }
        case ControlKind::PushButton: {
            auto* ok = new QPushButton(control.Text, this);
            ok->setObjectName(QStringLiteral("Button%1").arg(control.Id));
            ok->setGeometry(place);
            ok->setDefault(control.Default);
            connect(ok, &QPushButton::clicked, this, &QDialog::accept);
            break;
        }
        default:
            break;
        }
    }
}

#pragma once
// The two dialogs as they are laid out: every control with its id, kind,
// place and size in dialog units, and its text at start, in tab order.
// Dialog units follow the dialog font: x is a quarter of the font's average
// letter width, y an eighth of its height.

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

// Ids of the archiver dialog's controls.
namespace ControlId {
inline constexpr int Exit = 1;
inline constexpr int ChooseMesh = 1000;
inline constexpr int MeshPath = 1001;
inline constexpr int Create = 1002;
inline constexpr int Split = 1003;
inline constexpr int ChooseEyeTexture = 1005;
inline constexpr int BodyTexturePath = 1006;
inline constexpr int FinTexturePath = 1007;
inline constexpr int EyeTexturePath = 1008;
inline constexpr int CombinedPath = 1009;
inline constexpr int KeepEyeTexture = 1011;
inline constexpr int ChooseCombined = 1012;
inline constexpr int DataDirectory = 1013;
inline constexpr int WorkDirectory = 1014;
inline constexpr int Static = -1; // labels and the icon
// The version dialog's OK button.
inline constexpr int Ok = 1;
} // namespace ControlId

// The window-menu command that opens the version dialog.
inline constexpr int VersionCommand = 16;

enum class ControlKind { PushButton, Edit, CheckBox, Label, Icon };

// One control and what it shows.
struct DialogControl {
    int Id = ControlId::Static;
    ControlKind Kind = ControlKind::Label;
    QRect Units; // x, y, width, height in dialog units
    QString Text;
    bool Checked = false;
    bool ReadOnly = false;
    bool Default = false; // the default button: Enter presses it
    bool Centred = false; // label text centred
};

// The archiver dialog: 358 x 286 units, in tab order.
inline constexpr QSize ArchiverDialogUnits(358, 286);
std::vector<DialogControl> ArchiverDialogTemplate();

// The version dialog: 206 x 56 units.
inline constexpr QSize VersionDialogUnits(206, 56);
std::vector<DialogControl> VersionDialogTemplate();

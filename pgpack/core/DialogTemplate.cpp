// The two dialogs' controls as their templates lay them out, in dialog
// units; the dialogs' logic and windows read them.

#include "DialogTemplate.h"

#include "Texts.h"

namespace {

DialogControl Button(int id, int x, int y, int w, int h, const QString& text,
                     bool isDefault = false) {
    DialogControl c;
    c.Id = id;
    c.Kind = ControlKind::PushButton;
    c.Units = QRect(x, y, w, h);
    c.Text = text;
    c.Default = isDefault;
    return c;
}

DialogControl Field(int id, int x, int y, int w, int h, bool readOnly = false) {
    DialogControl c;
    c.Id = id;
    c.Kind = ControlKind::Edit;
    c.Units = QRect(x, y, w, h);
    c.ReadOnly = readOnly;
    return c;
}

DialogControl Label(int x, int y, int w, int h, const QString& text, bool centred = false) {
    DialogControl c;
    c.Kind = ControlKind::Label;
    c.Units = QRect(x, y, w, h);
    c.Text = text;
    c.Centred = centred;
    return c;
}

} // namespace

std::vector<DialogControl> ArchiverDialogTemplate() {
    using namespace ControlId;
    DialogControl keepEye;
    keepEye.Id = KeepEyeTexture;
    keepEye.Kind = ControlKind::CheckBox;
    keepEye.Units = QRect(100, 127, 144, 10);
    keepEye.Text = Texts::KeepEyeTextureBox();
    return {
        Button(Exit, 231, 252, 92, 26, Texts::ExitButton(), true),
        Button(ChooseMesh, 7, 7, 85, 16, Texts::ChooseMeshButton()),
        Field(MeshPath, 7, 28, 343, 15),
        Button(Create, 7, 253, 92, 26, Texts::CreateButton()),
        Button(ChooseEyeTexture, 7, 126, 85, 14, Texts::EyeTextureButton()),
        Field(BodyTexturePath, 7, 67, 343, 15),
        Field(FinTexturePath, 7, 106, 343, 15),
        Field(EyeTexturePath, 7, 145, 343, 15),
        keepEye,
        Label(7, 51, 61, 8, Texts::BodyTextureLabel()),
        Label(7, 89, 93, 8, Texts::FinTextureLabel()),
        Button(ChooseCombined, 7, 184, 85, 14, Texts::ChooseCombinedButton()),
        Field(CombinedPath, 7, 203, 343, 15),
        Button(Split, 116, 252, 92, 26, Texts::SplitButton()),
        Field(DataDirectory, 99, 183, 252, 14, true),
        Field(WorkDirectory, 100, 7, 251, 14, true),
    };
}

std::vector<DialogControl> VersionDialogTemplate() {
    DialogControl icon;
    icon.Kind = ControlKind::Icon;
    icon.Units = QRect(11, 17, 0, 0); // the icon keeps its own size
    return {
        icon,
        Label(33, 7, 107, 25, Texts::VersionLine1() + u'\n' + Texts::VersionLine2(), true),
        Button(ControlId::Ok, 149, 7, 50, 14, Texts::OkButton(), true),
    };
}

// Opening a picture and saving the fish.

#include "TForm1.h"

#include "AtomicFile.h"
#include "BodyTexture.h"
#include "FileIdentity.h"
#include "PgxOutputPath.h"
#include "PgxWriter.h"
#include "Picture.h"
#include "Texts.h"

#include <QFileInfo>

void TForm1::SpeedButton1Click() {
    const QString path = dialogs_.OpenFileName(Texts::OpenFilter);
    if (path.isEmpty() || !QFileInfo::exists(path)) return;
    OpenPicture(path);
}

QString TForm1::OpenPicture(const QString& path) {
    // The picture is read and checked first: a file that cannot be opened
    // leaves the editor exactly as it was.
    const bool mirrored = FlipHorizontallyEntry.Checked;
    LoadedPicture loaded = LoadPicture(path, mirrored);
    QImage dimmed;
    if (!loaded.image.isNull() && views_ == Views::Drawn) {
        dimmed = DimPicture(loaded.image);
        if (dimmed.isNull()) loaded = {QImage(), Texts::PictureOutOfMemory};
    }
    if (loaded.image.isNull()) {
        dialogs_.ShowMessage(loaded.error);
        return loaded.error;
    }

    Fish& f = EditFish();
    f.BodyDone = f.TailDone = f.DorsalDone = f.VentralDone = f.AnalDone = f.PectoralDone = false;
    f.WhiskerOn = f.EyeSolid = f.TopViewOn = false;
    SetFrontOn(false);
    f.EyeConfirmed = false;
    eyeSolidBeforeDesigner_ = false;
    f.EyeRadius = f.EyeBulge = f.EyeX = f.EyeY = 0;

    Picture.PictureBitmap = std::move(loaded.image);
    Picture.DimmedBitmap = std::move(dimmed);
    Picture.Mirrored = mirrored;
    Picture.PicMaxX = Picture.PictureBitmap.width() - 1;
    Picture.PicMaxY = Picture.PictureBitmap.height() - 1;

    Ui.ToolMode = ModeBody;
    for (int m = 1; m <= 6; ++m) f.Steps[m] = Picture.PicMaxX / 8;
    Edit1.Text = QString::number(f.Steps[1]);

    // The scroll bars' ranges follow the new picture; a position outside
    // them moves in, as the user would move it.
    SetScrollBar1Position(f.TailPosition);
    SetScrollBar2Position(f.Thickness);

    Ui.Zoom = 1;
    RebuildViews();

    SetScrollBar1Position((3 * Picture.PicMaxX) / 4);
    SetScrollBar2Position((4 * Picture.PicMaxX) / 10);
    RunBuildBodyOutline();

    f.Divisions = 4;
    Edit2.Text = QStringLiteral("4");
    RunBuildFrontSection();
    Picture.PicturePath = QFileInfo(path).absoluteFilePath();
    return QString();
}

void TForm1::SpeedButton11Click() {
    if (Picture.PicturePath.isEmpty()) return;
    SavePgx(PgxOutputPath(Picture.PicturePath));
}

bool TForm1::SavePgx(const QString& path) {
    if (!Picture.HasPicture()) return false; // nothing to write before a picture is open
    QString why;
    if (!WriteFileAtomically(path, BuildPgxBytes(Current(), Picture), &why)) {
        dialogs_.ShowMessage(Texts::FailedBecause.arg(Texts::SaveFailed, why));
        return false;
    }
    dialogs_.ShowMessage(Texts::Saved);
    return true;
}

void TForm1::FlipHorizontallyClick() {
    FlipHorizontallyEntry.Checked = !FlipHorizontallyEntry.Checked;
    if (!Picture.HasPicture() || Picture.Mirrored == FlipHorizontallyEntry.Checked) return;
    if (!OpenPicture(Picture.PicturePath).isEmpty())
        FlipHorizontallyEntry.Checked = Picture.Mirrored;
}

void TForm1::SaveBodyTextureClick() {
    if (!Picture.HasPicture()) return;
    const QString path = BodyTexturePath(PgxOutputPath(Picture.PicturePath));
    if (SameFile(path, Picture.PicturePath)) {
        dialogs_.ShowMessage(Texts::TargetIsPicture.arg(path, Picture.PicturePath));
        return;
    }
    const QByteArray bytes = BodyTextureBytes(Picture);
    bool written = false;
    if (QFileInfo::exists(path)) {
        if (!dialogs_.Ask(Texts::TextureExists.arg(QFileInfo(path).fileName()))) return;
        written = !bytes.isEmpty() && WriteFileAtomically(path, bytes);
    } else {
        const NewFileOutcome outcome =
            bytes.isEmpty() ? NewFileOutcome::Failed : WriteNewFileAtomically(path, bytes);
        if (outcome == NewFileOutcome::Exists) {
            dialogs_.ShowMessage(Texts::TextureAppeared.arg(path));
            return;
        }
        written = outcome == NewFileOutcome::Written;
    }
    dialogs_.ShowMessage(written ? Texts::TextureSaved.arg(path)
                                 : Texts::TextureSaveFailed.arg(path));
}

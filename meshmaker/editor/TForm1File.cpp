// Opening a picture and saving the fish, with the editing session beside
// its PGX file.

#include "TForm1.h"

#include "AtomicFile.h"
#include "BodyTexture.h"
#include "EditingSession.h"
#include "FileIdentity.h"
#include "PgxOutputPath.h"
#include "PgxWriter.h"
#include "Picture.h"
#include "Texts.h"

#include <QFileInfo>

#include <algorithm>

void TForm1::SpeedButton1Click() {
    const QString path = dialogs_.OpenFileName(Texts::OpenFilter());
    if (path.isEmpty() || !QFileInfo::exists(path)) return;
    OpenPicture(path);
}

QString TForm1::OpenPicture(const QString& path, Session session) {
    // A session made on the flipped picture is resumed on the flipped
    // picture: the flip it records decides how the picture is loaded.
    if (session == Session::Resume) {
        const SessionReading saved =
            ReadSessionFile(SessionPath(PgxOutputPath(QFileInfo(path).absoluteFilePath())));
        if (saved.fish && saved.picture.value(QStringLiteral("mirrored")).isBool())
            FlipHorizontallyEntry.Checked =
                saved.picture.value(QStringLiteral("mirrored")).toBool();
    }
    // The picture is read and checked first: a file that cannot be opened
    // leaves the editor exactly as it was.
    const bool mirrored = FlipHorizontallyEntry.Checked;
    LoadedPicture loaded = LoadPicture(path, mirrored);
    QImage dimmed;
    if (!loaded.image.isNull() && views_ == Views::Drawn) {
        dimmed = DimPicture(loaded.image);
        if (dimmed.isNull()) loaded = {QImage(), Texts::PictureOutOfMemory()};
    }
    if (loaded.image.isNull()) {
        dialogs_.ShowMessage(loaded.error);
        return loaded.error;
    }

    // A new picture starts a new fish: nothing of the previous fish (its
    // lists, ranges, section, top view, eye) carries over into the new
    // one's file, and the tools start as in a fresh editor.
    EditFish() = Fish();
    Ui = Interaction();
    eyeSolidBeforeDesigner_ = false;
    Label2.Caption.clear();
    Fish& f = EditFish();

    Picture.PictureBitmap = std::move(loaded.image);
    Picture.DimmedBitmap = std::move(dimmed);
    Picture.Mirrored = mirrored;
    Picture.Keyed = loaded.keyed;
    Picture.PicMaxX = Picture.PictureBitmap.width() - 1;
    Picture.PicMaxY = Picture.PictureBitmap.height() - 1;

    Ui.Mode = Editing(Tool::Body);
    for (int slot = BodyStep; slot <= PectoralStep; ++slot) f.Steps[slot] = Picture.PicMaxX / 8;

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
    ShowDivisions();
    RunBuildFrontSection();
    Picture.PicturePath = QFileInfo(path).absoluteFilePath();
    ShowStep();

    if (session == Session::Resume) ResumeSession();
    // The fish as opened (or resumed) is where the new history starts: the
    // open itself is no step that could be undone.
    Document.Replace(Current());
    History.Clear();
    return QString();
}

void TForm1::ResumeSession() {
    const QString path = SessionPath(PgxOutputPath(Picture.PicturePath));
    if (!QFileInfo(path).isFile()) return;
    const QString name = QFileInfo(path).fileName();
    const SessionReading read = ReadSessionFile(path);
    QString refused = read.error;
    if (read.fish && refused.isEmpty()) {
        const QString unwritable = PgxRefusal(FitToPicture(*read.fish), Picture);
        if (!unwritable.isEmpty()) refused = Texts::SessionNotWritable().arg(unwritable);
    }
    if (!refused.isEmpty()) {
        dialogs_.ShowMessage(Texts::SessionUnreadable().arg(name, refused));
        return;
    }
    if (!SamePicture(read.picture, Picture) &&
        !dialogs_.AskYesNo(Texts::SessionPictureChanged().arg(name)))
        return;
    SetFish(FitToPicture(*read.fish));
    Label2.Caption = Texts::SessionRestored().arg(name);
}

Fish TForm1::FitToPicture(Fish fish) const {
    const Range tail = TailRange(), thickness = ThicknessRange();
    fish.TailPosition = std::clamp(fish.TailPosition, tail.Min, tail.Max);
    fish.Thickness = std::clamp(fish.Thickness, thickness.Min, thickness.Max);
    fish.PeakPosition = std::clamp(fish.PeakPosition, fish.PeakMin, fish.PeakMax);
    FitRangesToPicture(fish, Picture);
    return fish;
}

void TForm1::SpeedButton11Click() {
    if (Picture.PicturePath.isEmpty()) return;
    SavePgx(PgxOutputPath(Picture.PicturePath));
}

bool TForm1::SavePgx(const QString& path) {
    if (!Picture.HasPicture()) return false; // nothing to write before a picture is open
    // The PGX file and its session go together or not at all; the session is
    // renamed into place first, so that if the PGX file's rename failed and
    // the old session could not be put back, the newer session survives.
    const FilesWritten written =
        WriteFilesAtomically({{SessionPath(path), BuildSessionBytes(Current(), Picture)},
                              {path, BuildPgxBytes(Current(), Picture)}});
    if (!written.Ok) {
        const QString failed = written.FailedFile == 0
                                   ? Texts::SaveFailed() + u'\n' + Texts::SessionSaveFailed()
                                   : Texts::SaveFailed();
        dialogs_.ShowMessage(Texts::FailedBecause().arg(failed, written.Why));
        return false;
    }
    dialogs_.ShowMessage(Texts::Saved());
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
        dialogs_.ShowMessage(Texts::TargetIsPicture().arg(path, Picture.PicturePath));
        return;
    }
    const QByteArray bytes = BodyTextureBytes(Picture);
    bool written = false;
    QString why = Texts::PictureOutOfMemory(); // no bytes: the copy could not be made
    if (QFileInfo::exists(path)) {
        if (!dialogs_.AskYesNo(Texts::TextureExists().arg(QFileInfo(path).fileName()))) return;
        written = !bytes.isEmpty() && WriteFileAtomically(path, bytes, &why);
    } else {
        const NewFileOutcome outcome =
            bytes.isEmpty() ? NewFileOutcome::Failed : WriteNewFileAtomically(path, bytes, &why);
        if (outcome == NewFileOutcome::Exists) {
            dialogs_.ShowMessage(Texts::TextureAppeared().arg(path));
            return;
        }
        written = outcome == NewFileOutcome::Written;
    }
    dialogs_.ShowMessage(
        written ? Texts::TextureSaved().arg(path)
                : Texts::FailedBecause().arg(Texts::TextureSaveFailed().arg(path), why));
}

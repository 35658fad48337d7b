#pragma once
// Every text the editor shows, in one place: captions, hints, labels, menus,
// prompts and messages, and the command line's usage and messages. A text
// with arguments is one whole sentence with %1, %2 ... in it.

#include <QCoreApplication>
#include <QString>

namespace Texts {

// --- Windows
inline QString MainCaption() {
    return QCoreApplication::translate("Texts", "Vantel's Pelagor 3D Fish Data Maker");
}
inline QString VersionCaption() {
    return QCoreApplication::translate("Texts", "Version情報");
}
inline QString VersionText() {
    return QCoreApplication::translate("Texts", "Vantel's Pelagor3D Data Maker Version 2.50h");
}
inline QString VersionOk() {
    return QCoreApplication::translate("Texts", "OK");
}
// The caption of the editor's message boxes.
inline QString MessageCaption() {
    return QCoreApplication::translate("Texts", "Vantel's Pelagor3D Fish Data Maker");
}

// --- Menu
inline QString FileMenu() {
    return QCoreApplication::translate("Texts", "File");
}
inline QString OpenEntry() {
    return QCoreApplication::translate("Texts", "Open Fish BMP File...");
}
inline QString SaveEntry() {
    return QCoreApplication::translate("Texts", "Save (PGX File)");
}
inline QString FlipEntry() {
    return QCoreApplication::translate("Texts", "Flip horizontally");
}
inline QString FlipHint() {
    return QCoreApplication::translate(
        "Texts", "For a fish that faces right: every picture opens mirrored, the open one is "
                 "opened again mirrored (its tracing starts anew)");
}
inline QString SaveTextureEntry() {
    return QCoreApplication::translate("Texts", "Save picture as body texture");
}
inline QString SaveTextureHint() {
    return QCoreApplication::translate(
        "Texts", "Writes the picture as it is shown, as the body texture <name>_tx.bmp "
                 "beside the PGX file");
}
inline QString ExitEntry() {
    return QCoreApplication::translate("Texts", "Exit");
}
inline QString ZoomMenu() {
    return QCoreApplication::translate("Texts", "Zoom");
}
inline QString EditMenu() {
    return QCoreApplication::translate("Texts", "Edit");
}
// Undo and Redo with no step to take back or take again.
inline QString UndoEntry() {
    return QCoreApplication::translate("Texts", "Undo");
}
inline QString RedoEntry() {
    return QCoreApplication::translate("Texts", "Redo");
}
// %1: the name of the step (below).
inline QString UndoStepEntry() {
    return QCoreApplication::translate("Texts", "Undo: %1");
}
inline QString RedoStepEntry() {
    return QCoreApplication::translate("Texts", "Redo: %1");
}
inline QString VersionEntry() {
    return QCoreApplication::translate("Texts", "Version");
}
inline QString ViewMenu() {
    return QCoreApplication::translate("Texts", "View");
}
inline QString PreviewEntry() {
    return QCoreApplication::translate("Texts", "3D Preview");
}

// --- Tool panel: hints of the buttons
inline QString OpenHint() {
    return QCoreApplication::translate("Texts", "魚の画像ファイルを読み込みます");
}
inline QString SaveHint() {
    return QCoreApplication::translate("Texts", "魚の座標データ(pgxファイル)を書き出します");
}
inline QString ZoomInHint() {
    return QCoreApplication::translate("Texts", "拡大表示します");
}
inline QString ZoomOutHint() {
    return QCoreApplication::translate("Texts", "縮小表示します");
}
inline QString BodyHint() {
    return QCoreApplication::translate("Texts", "体の輪郭を決めます");
}
inline QString TailHint() {
    return QCoreApplication::translate("Texts", "尾鰭の輪郭を決めます");
}
inline QString DorsalHint() {
    return QCoreApplication::translate("Texts", "背鰭の範囲を決めます");
}
inline QString VentralHint() {
    return QCoreApplication::translate("Texts", "胸鰭の範囲を決めます");
}
inline QString AnalHint() {
    return QCoreApplication::translate("Texts", "尻鰭の範囲を決めます");
}
inline QString PectoralHint() {
    return QCoreApplication::translate("Texts", "胸鰭の輪郭を決めます");
}
inline QString WhiskerHint() {
    return QCoreApplication::translate("Texts", "ヒゲの範囲を決めます");
}
inline QString WhiskerCaption() {
    return QCoreApplication::translate("Texts", "髭");
}
inline QString FrontHint() {
    return QCoreApplication::translate("Texts", "正面の形を決めます");
}
inline QString TopHint() {
    return QCoreApplication::translate("Texts", "上方からみた形を決めます");
}
inline QString EyeHint() {
    return QCoreApplication::translate("Texts", "眼を立体的にします");
}
inline QString PreviewHint() {
    return QCoreApplication::translate("Texts", "魚を立体で表示します (3D Preview)");
}

// --- Tool panel: fields, labels and check boxes
inline QString StepHint() {
    return QCoreApplication::translate("Texts", "側面をここで指定したピクセル数毎に分割します");
}
inline QString StepLabel() {
    return QCoreApplication::translate("Texts", "横分割ピクセル数");
}
inline QString DivisionsHint() {
    return QCoreApplication::translate("Texts", "縦のポリゴン分割数を決めます");
}
inline QString DivisionsLabel() {
    return QCoreApplication::translate("Texts", "縦分割数");
}
inline QString ClearStepHint() {
    return QCoreApplication::translate("Texts", "チェックをはずすと再設定できます");
}
inline QString RedoHint() {
    return QCoreApplication::translate("Texts", "やり直しの時はCheckをはずしてボタンをクリック");
}
// The zoom label: "x" and the factor.
inline QString ZoomLabel() {
    return QCoreApplication::translate("Texts", "x%1");
}

// --- Prompts of the tools (Label2)
inline QString DorsalPrompt() {
    return QCoreApplication::translate("Texts", "マウスでドラッグして背ビレの範囲を決めて下さい");
}
inline QString VentralPrompt() {
    return QCoreApplication::translate("Texts", "マウスでドラッグして腹ビレの範囲を決めて下さい");
}
inline QString AnalPrompt() {
    return QCoreApplication::translate("Texts", "マウスでドラッグして尻ビレの範囲を決めて下さい");
}
inline QString PectoralPrompt() {
    return QCoreApplication::translate("Texts",
                                       "胸ビレを囲む3点を左方から▽の字型にクリックしてください");
}
inline QString WhiskerPrompt() {
    return QCoreApplication::translate("Texts", "ヒゲ、特殊なヒレなどの範囲を決めてください");
}
inline QString FrontPrompt() {
    return QCoreApplication::translate("Texts", "体型と胸ビレ、腹ビレの横位置を決めます");
}
// %1: the most columns a body has.
inline QString BodyFull() {
    return QCoreApplication::translate("Texts", "体の列は%1列までです。これ以上は追加できません");
}

// --- Steps of the undo history, as Undo and Redo name them
inline QString StepUnnamed() {
    return QCoreApplication::translate("Texts", "edit");
}
inline QString StepTraceBody() {
    return QCoreApplication::translate("Texts", "trace body");
}
inline QString StepTraceTail() {
    return QCoreApplication::translate("Texts", "trace tail");
}
inline QString StepMoveBodyPoint() {
    return QCoreApplication::translate("Texts", "move body point");
}
inline QString StepMoveTailPoint() {
    return QCoreApplication::translate("Texts", "move tail point");
}
inline QString StepMoveDorsalPoint() {
    return QCoreApplication::translate("Texts", "move dorsal fin point");
}
inline QString StepMoveVentralPoint() {
    return QCoreApplication::translate("Texts", "move ventral fin point");
}
inline QString StepMoveAnalPoint() {
    return QCoreApplication::translate("Texts", "move anal fin point");
}
inline QString StepMovePectoralPoint() {
    return QCoreApplication::translate("Texts", "move pectoral fin point");
}
inline QString StepMoveWhiskerPoint() {
    return QCoreApplication::translate("Texts", "move whisker point");
}
inline QString StepInsertBodyColumn() {
    return QCoreApplication::translate("Texts", "insert body column");
}
inline QString StepDeleteBodyColumn() {
    return QCoreApplication::translate("Texts", "delete body column");
}
inline QString StepDrawDorsalFin() {
    return QCoreApplication::translate("Texts", "draw dorsal fin");
}
inline QString StepDrawVentralFin() {
    return QCoreApplication::translate("Texts", "draw ventral fin");
}
inline QString StepDrawAnalFin() {
    return QCoreApplication::translate("Texts", "draw anal fin");
}
inline QString StepDrawWhisker() {
    return QCoreApplication::translate("Texts", "draw whisker");
}
inline QString StepPlacePectoralFin() {
    return QCoreApplication::translate("Texts", "place pectoral fin");
}
inline QString StepOpenFrontView() {
    return QCoreApplication::translate("Texts", "shape front and top");
}
inline QString StepOpenTopView() {
    return QCoreApplication::translate("Texts", "open top view");
}
inline QString StepShapeFrontView() {
    return QCoreApplication::translate("Texts", "move front view handle");
}
inline QString StepShapeTopView() {
    return QCoreApplication::translate("Texts", "move top view width");
}
inline QString StepPlaceEye() {
    return QCoreApplication::translate("Texts", "place eye");
}
inline QString StepMoveTailPosition() {
    return QCoreApplication::translate("Texts", "move tail position");
}
inline QString StepSetThickness() {
    return QCoreApplication::translate("Texts", "set thickness");
}
inline QString StepMoveWidestPoint() {
    return QCoreApplication::translate("Texts", "move widest point");
}
inline QString StepSetStep() {
    return QCoreApplication::translate("Texts", "set horizontal step");
}
inline QString StepSetDivisions() {
    return QCoreApplication::translate("Texts", "set vertical divisions");
}
inline QString StepClearBody() {
    return QCoreApplication::translate("Texts", "clear body");
}
inline QString StepClearTail() {
    return QCoreApplication::translate("Texts", "clear tail");
}
inline QString StepClearDorsalFin() {
    return QCoreApplication::translate("Texts", "clear dorsal fin");
}
inline QString StepClearVentralFin() {
    return QCoreApplication::translate("Texts", "clear ventral fin");
}
inline QString StepClearAnalFin() {
    return QCoreApplication::translate("Texts", "clear anal fin");
}
inline QString StepClearPectoralFin() {
    return QCoreApplication::translate("Texts", "clear pectoral fin");
}
inline QString StepClearWhisker() {
    return QCoreApplication::translate("Texts", "clear whisker");
}
inline QString StepClearEye() {
    return QCoreApplication::translate("Texts", "clear eye");
}

// --- Status bar
// %1: the picture's file name; %2 x %3: its size in pixels.
inline QString StatusPicture() {
    return QCoreApplication::translate("Texts", "%1   %2 x %3 pixels");
}
// %1: the zoom factor.
inline QString StatusZoom() {
    return QCoreApplication::translate("Texts", "zoom x%1");
}
// %1, %2: the picture point under the cursor (as a press there gives it);
// %3, %4, %5: the red, green and blue of that pixel.
inline QString StatusPointer() {
    return QCoreApplication::translate("Texts", "x %1, y %2   RGB %3, %4, %5");
}

// --- Editing sessions
// %1: the session file's name.
inline QString SessionRestored() {
    return QCoreApplication::translate("Texts", "Editing session %1 restored");
}
// %1: the session file's name; %2: why it cannot be used.
inline QString SessionUnreadable() {
    return QCoreApplication::translate(
        "Texts", "The editing session %1 cannot be used: %2. The picture opens as a new fish.");
}
// %1: the session file's name.
inline QString SessionPictureChanged() {
    return QCoreApplication::translate(
        "Texts", "The picture has changed since the editing session %1 was saved. Restore the "
                 "session anyway? Yes restores it; No opens the picture as a new fish.");
}
// Shown below the save's failure message when the session was what failed.
inline QString SessionSaveFailed() {
    return QCoreApplication::translate("Texts", "The editing session file could not be written, so "
                                                "neither it nor the PGX file was changed.");
}
// Why a session cannot be used. %1: the limit in bytes.
inline QString SessionTooLarge() {
    return QCoreApplication::translate("Texts", "the file is larger than %1 bytes");
}
// %1: the parser's reason; %2: where, in bytes from the start.
inline QString SessionNotJson() {
    return QCoreApplication::translate("Texts", "it is not JSON (%1 at byte %2)");
}
inline QString SessionNotASession() {
    return QCoreApplication::translate("Texts", "it is not an editing session of this editor");
}
inline QString SessionBadVersion() {
    return QCoreApplication::translate("Texts", "its version is not a whole number from 1 up");
}
// %1: the file's version; %2: the version this editor reads.
inline QString SessionFutureVersion() {
    return QCoreApplication::translate(
        "Texts",
        "it was written by a newer editor (session version %1; this editor reads version %2)");
}
// %1: the field.
inline QString SessionMissing() {
    return QCoreApplication::translate("Texts", "%1 is missing");
}
inline QString SessionUnknownField() {
    return QCoreApplication::translate("Texts", "%1 is not a field of a session");
}
inline QString SessionNotANumber() {
    return QCoreApplication::translate("Texts", "%1 is not a number");
}
inline QString SessionNotAWholeNumber() {
    return QCoreApplication::translate("Texts", "%1 is not a whole number");
}
inline QString SessionNotAFlag() {
    return QCoreApplication::translate("Texts", "%1 is not true or false");
}
inline QString SessionNotARectangle() {
    return QCoreApplication::translate("Texts", "%1 is not a rectangle of x0, y0, x1 and y1");
}
// %1: the field; %2: how many entries it holds at most.
inline QString SessionNotAList() {
    return QCoreApplication::translate("Texts", "%1 is not a list of at most %2 entries");
}
// %1: the field; %2: the values it may take (one of the four below).
inline QString SessionOutOfRange() {
    return QCoreApplication::translate("Texts", "%1 is out of range (%2)");
}
// %1..%2: the smallest and the largest.
inline QString SessionRange() {
    return QCoreApplication::translate("Texts", "%1..%2");
}
// %1: the largest magnitude of a real.
inline QString SessionMagnitudeRange() {
    return QCoreApplication::translate("Texts", "-%1..%1");
}
// %1: the largest last index of a list.
inline QString SessionLastIndexRange() {
    return QCoreApplication::translate("Texts", "0, -1 or odd up to %1");
}
// An entry of a list field (%1: the field, %2: its index) and a corner of
// a rectangle (%1: the field, %2: x0, y0, x1 or y1).
inline QString SessionEntry() {
    return QCoreApplication::translate("Texts", "%1[%2]");
}
inline QString SessionCorner() {
    return QCoreApplication::translate("Texts", "%1.%2");
}
// %1: the count's field; %2: the entry that must hold the end marker.
inline QString SessionNoEndMarker() {
    return QCoreApplication::translate("Texts",
                                       "%1 does not end its list with the end marker at entry %2");
}
// %1: the PGX reader's reason.
inline QString SessionNotWritable() {
    return QCoreApplication::translate("Texts", "its fish would not make a readable PGX file (%1)");
}

// --- Eye designer
inline QString EyeOk() {
    return QCoreApplication::translate("Texts", "OK");
}
inline QString EyeCancel() {
    return QCoreApplication::translate("Texts", "Cancel");
}
inline QString EyeRearColourHint() {
    return QCoreApplication::translate("Texts", "左の画像部分を右クリックで眼の裏の色を決定");
}
inline QString EyeShapeLabel() {
    return QCoreApplication::translate("Texts", "眼の形を決める");
}
inline QString EyePositionLabel() {
    return QCoreApplication::translate("Texts", "眼の位置を決める");
}

// --- The 3-D view
// %1: the picture's file name (for a model opened alone without one, the model's).
inline QString PreviewCaption() {
    return QCoreApplication::translate("Texts", "3D Preview - %1");
}
// %1: the vertices, %2: the triangles of the model shown.
inline QString PreviewCounts() {
    return QCoreApplication::translate("Texts", "%1 vertices, %2 triangles");
}
inline QString PreviewNoPicture() {
    return QCoreApplication::translate("Texts", "No fish picture is open: nothing to show.");
}
// %1: the reader's reason, with its byte offset.
inline QString PreviewUnreadable() {
    return QCoreApplication::translate(
        "Texts", "The fish's PGX data does not read back (%1): nothing to show.");
}
inline QString PreviewWireframe() {
    return QCoreApplication::translate("Texts", "Wireframe");
}
inline QString PreviewKeys() {
    return QCoreApplication::translate(
        "Texts", "Drag: turn · right or middle drag: move · wheel: zoom · "
                 "Home: as the picture · S, F, T: side, front, top · W: grid");
}
// %1: why no OpenGL context could be had.
inline QString NoOpenGL() {
    return QCoreApplication::translate(
        "Texts",
        "The 3-D view needs OpenGL 2.1 or OpenGL ES 2, which this display does not offer (%1).");
}
inline QString NoOpenGLContext() {
    return QCoreApplication::translate("Texts", "no OpenGL context can be made");
}
inline QString NoOpenGLCurrent() {
    return QCoreApplication::translate("Texts", "the OpenGL context cannot be made current");
}
// %1.%2: the version the display offers.
inline QString OpenGLTooOld() {
    return QCoreApplication::translate("Texts", "it offers OpenGL %1.%2");
}
// %1: what the driver said.
inline QString OpenGLShadersFailed() {
    return QCoreApplication::translate("Texts", "the shaders do not build: %1");
}

// --- Messages
inline QString SaveFailed() {
    return QCoreApplication::translate("Texts", "Error. Cannot make fish polygon data file.");
}
inline QString Saved() {
    return QCoreApplication::translate("Texts", "Dataファイルを書き出しました");
}
// A failure's message and, on the next line, the system's reason.
inline QString FailedBecause() {
    return QCoreApplication::translate("Texts", "%1\n%2");
}
// %1 x %2: the picture's size in pixels; %3: the limit in megabytes.
inline QString PictureTooLarge() {
    return QCoreApplication::translate(
        "Texts", "画像が大きすぎます (%1 x %2 ピクセル)。%3 MB を超える画像は開けません");
}
// %1 x %2: the picture's size in pixels; %3: the smallest side.
inline QString PictureTooSmall() {
    return QCoreApplication::translate(
        "Texts", "画像が小さすぎます (%1 x %2 ピクセル)。幅と高さは %3 ピクセル以上必要です");
}
// %1: the bytes the picture needs; %2: the bytes the file has.
inline QString PictureCutShort() {
    return QCoreApplication::translate(
        "Texts", "画像ファイルが途中で切れています (%1 バイト必要ですが %2 バイトしかありません)");
}
inline QString PictureUnreadable() {
    return QCoreApplication::translate("Texts", "画像を読み込めません");
}
inline QString NotARegularFile() {
    return QCoreApplication::translate("Texts", "通常のファイルではありません");
}
// %1: the file's name; %2: the reader's reason.
inline QString PictureRefused() {
    return QCoreApplication::translate("Texts", "%1: %2");
}
inline QString PictureOutOfMemory() {
    return QCoreApplication::translate("Texts", "画像を開くためのメモリが足りません");
}
// %1 x %2: the picture's size in pixels; %3: the longest side.
inline QString PictureTooWide() {
    return QCoreApplication::translate(
        "Texts", "画像が大きすぎます (%1 x %2 ピクセル)。幅と高さは %3 ピクセルまでです");
}
// %1: the format's name.
inline QString PictureFormatNotRead() {
    return QCoreApplication::translate(
        "Texts", "%1 の画像は読み込めません (BMP, PNG, JPEG, GIF, WebP, TIFF が読めます)");
}
// %1: the file's size in bytes.
inline QString PictureEndsEarly() {
    return QCoreApplication::translate(
        "Texts", "画像ファイルが途中で切れています (%1 バイトで終わっています)");
}
inline QString PictureNoFreeColour() {
    return QCoreApplication::translate(
        "Texts", "魚が全ての色を使っているため、透明な部分に背景の色を割り当てられません");
}
// The open dialog: every picture the editor reads, then one filter a format
// (the BMP filter as it has always read).
inline QString OpenFilter() {
    return QCoreApplication::translate(
        "Texts", "All pictures (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff);;"
                 "Windows BMP File (*.bmp);;PNG File (*.png);;JPEG File (*.jpg *.jpeg);;"
                 "GIF File (*.gif);;WebP File (*.webp);;TIFF File (*.tif *.tiff)");
}
// %1: the texture's file name.
inline QString TextureExists() {
    return QCoreApplication::translate("Texts",
                                       "体のテクスチュアファイル %1 があります。上書きしますか？");
}
// %1: the texture's path.
inline QString TextureSaved() {
    return QCoreApplication::translate("Texts", "体のテクスチュアファイル %1 を書き出しました");
}
// %1: the texture's path.
inline QString TextureSaveFailed() {
    return QCoreApplication::translate("Texts", "体のテクスチュアファイル %1 を書き出せません");
}
// %1: the texture's path.
inline QString TextureAppeared() {
    return QCoreApplication::translate(
        "Texts", "体のテクスチュアファイル %1 が書き出す間に作られました。上書きしていません");
}
// %1: the target; %2: the picture.
inline QString TargetIsPicture() {
    return QCoreApplication::translate(
        "Texts", "%1 は読み込んだ画像 %2 と同じファイルです。上書きできません");
}

// --- Command line
inline QString Usage() {
    return QCoreApplication::translate(
        "Texts", "usage: meshmaker [PICTURE]\n"
                 "       meshmaker --batch PICTURE [options]\n"
                 "       meshmaker --export MODEL.pgx OUT.glb|OUT.obj [--picture PICTURE]\n"
                 "       meshmaker --info MODEL.pgx\n"
                 "       meshmaker --view MODEL.pgx [--picture PICTURE]\n"
                 "Each takes --lang ja|en, the language of the windows and messages\n"
                 "(by default Japanese under a Japanese locale, English otherwise).\n\n");
}
inline QString ViewUsage() {
    return QCoreApplication::translate(
        "Texts",
        "usage: meshmaker --view MODEL.pgx [--picture PICTURE]\n"
        "         shows the model in the 3-D view, alone; textured with PICTURE, by default\n"
        "         the BMP of the model's name beside it\n");
}
inline QString ViewTakesOneModel() {
    return QCoreApplication::translate("Texts", "--view takes one PGX file");
}
inline QString PictureNeedsFile() {
    return QCoreApplication::translate("Texts", "--picture needs a file");
}
// %1 x %2: the picture's size; %3 x %4: the size the model records.
inline QString PictureOfOtherSize() {
    return QCoreApplication::translate(
        "Texts", "the picture is %1 x %2 pixels, but the model was made from one of %3 x %4");
}
// %1: the picture looked for; %2: the model.
inline QString ViewUntextured() {
    return QCoreApplication::translate(
        "Texts", "meshmaker: no picture %1 beside %2; the model is shown untextured\n");
}
inline QString ViewNoDisplay() {
    return QCoreApplication::translate("Texts", "meshmaker: no display to show the 3-D view on\n");
}
inline QString ViewWithoutWindows() {
    return QCoreApplication::translate(
        "Texts", "meshmaker: this build has no windows; --view cannot show the model\n");
}
inline QString BatchUsage() {
    return QCoreApplication::translate(
        "Texts",
        "usage: meshmaker --batch PICTURE [options]\n"
        "PICTURE is a BMP, PNG, JPEG, GIF, WebP or TIFF file.\n"
        "  --mirror                   flip the picture left to right as it is loaded\n"
        "  --tail-x E                 tail position (where the body ends)\n"
        "  --step P                   horizontal step in pixels (body, tail, ventral fin)\n"
        "  --dorsal X0,Y0,X1,Y1       dorsal fin rectangle\n"
        "  --ventral X0,Y0,X1,Y1      ventral fin rectangle\n"
        "  --anal X0,Y0,X1,Y1         anal fin rectangle\n"
        "  --pectoral X0,Y0,X1,Y1,X2,Y2  the three pectoral fin points\n"
        "  --whisker X0,Y0,X1,Y1      whisker drag (press, release)\n"
        "  --divisions N              vertical divisions (1..10)\n"
        "  --thickness S              body thickness setting\n"
        "  --peak X                   x of the widest point seen from above\n"
        "  --eye X,Y,R[,SHAPE[,POSITION]]  eye centre, radius, shape 1..30, position 0..300\n"
        "  -o OUT.pgx                 where to write (default: beside the picture)\n"
        "  --export OUT.glb|OUT.obj   also write the fish as a 3-D model (may be repeated)\n"
        "  --texture                  also write the picture as the body texture NAME_tx.bmp\n"
        "                             beside the PGX file (a 24-bit BMP, mirrored with --mirror)\n"
        "  --overwrite                let --texture replace an existing texture, and an OBJ\n"
        "                             export its existing side files\n"
        "Coordinates are picture pixels; with --mirror, pixels of the mirrored picture\n"
        "(x counts from the left edge of the flipped picture).\n");
}
// %1: the languages there are ("en, ja"); %2: the one asked for.
inline QString LanguageUnknown() {
    return QCoreApplication::translate("Texts", "--lang takes %1, not '%2'");
}
// %1: what is wrong.
inline QString CommandError() {
    return QCoreApplication::translate("Texts", "meshmaker: %1\n");
}
// %1: the option; %2: how many integers.
inline QString OptionTakesIntegers() {
    return QCoreApplication::translate("Texts", "%1 takes %2 comma-separated integers");
}
// %1, %2: the fewest and the most integers.
inline QString IntegerCountRange() {
    return QCoreApplication::translate("Texts", "%1 to %2");
}
// %1: the option; %2: the text given.
inline QString NotAnInteger() {
    return QCoreApplication::translate("Texts", "%1: '%2' is not an integer");
}
inline QString OutputNeedsName() {
    return QCoreApplication::translate("Texts", "-o needs a file name");
}
// %1: the file given.
inline QString ExportKind() {
    return QCoreApplication::translate("Texts", "%1: an export is .glb or .obj");
}
// %1: the option.
inline QString OptionNeedsValue() {
    return QCoreApplication::translate("Texts", "%1 needs a value");
}
inline QString UnknownOption() {
    return QCoreApplication::translate("Texts", "unknown option %1");
}
inline QString MoreThanOnePicture() {
    return QCoreApplication::translate("Texts", "more than one picture: %1");
}
inline QString NoPicture() {
    return QCoreApplication::translate("Texts", "no picture given");
}
// %1: the largest radius.
inline QString EyeRadiusRange() {
    return QCoreApplication::translate("Texts", "--eye: the radius must be 0 to %1 pixels");
}
// %1: the file.
inline QString NoSuchFile() {
    return QCoreApplication::translate("Texts", "%1: no such file");
}
// %1: the texture.
inline QString TextureExistsInBatch() {
    return QCoreApplication::translate("Texts", "%1 exists; --overwrite replaces it");
}
// %1: the file; %2: why it failed.
inline QString FileFailed() {
    return QCoreApplication::translate("Texts", "%1: %2");
}
// The summary of a batch conversion: %1 the file's name, %2 x %3 the body's
// columns and rows, %4..%8 the columns of tail, dorsal, anal, ventral and
// whisker, %9 pectoral fin, %10 eye, %11 the file's size.
inline QString BatchSummary() {
    return QCoreApplication::translate(
        "Texts", "%1: body %2 columns x %3 rows; tail %4, dorsal %5, anal %6, ventral %7, "
                 "whisker %8 columns; pectoral fin %9; eye %10; %11 bytes");
}
inline QString Yes() {
    return QCoreApplication::translate("Texts", "yes");
}
inline QString No() {
    return QCoreApplication::translate("Texts", "no");
}
// %1: the picture.
inline QString NoDisplayConverting() {
    return QCoreApplication::translate("Texts", "meshmaker: no display; converting %1 in batch\n");
}
inline QString NoDisplay() {
    return QCoreApplication::translate("Texts", "meshmaker: no display to open the editor on\n");
}
// %1: the variable that names the display, with its value.
inline QString DisplayUnreachable() {
    return QCoreApplication::translate(
        "Texts", "meshmaker: cannot open the editor: the display %1 cannot be reached\n");
}

// --- The whole fish traced at once
// %1..%5: the columns of the body, tail, dorsal, ventral and anal fin; %6 eye yes or no.
inline QString WholeFishTraced() {
    return QCoreApplication::translate(
        "Texts", "Traced the whole fish: body %1 columns; tail %2, dorsal %3, ventral %4, "
                 "anal %5 columns; eye %6");
}
inline QString NoFishInPicture() {
    return QCoreApplication::translate(
        "Texts", "No fish found: every pixel has the background colour of pixel (0, 0)");
}
// %1: why (NoBackgroundRoundFish or NoTrunk).
inline QString FishNotSeparated() {
    return QCoreApplication::translate(
        "Texts", "The fish could not be told apart from its fins (%1): only its body was traced");
}
inline QString NoBackgroundRoundFish() {
    return QCoreApplication::translate("Texts", "there is no background round it");
}
inline QString NoTrunk() {
    return QCoreApplication::translate("Texts", "no part of it is thicker than the rest");
}
// %1: the tolerance, in levels of each colour channel.
inline QString NoisyBackground() {
    return QCoreApplication::translate(
        "Texts", "The background is not of one colour: colours within %1 of pixel (0, 0)'s "
                 "were taken for background");
}
// %1: how many.
inline QString WhiskersLeft() {
    return QCoreApplication::translate(
        "Texts", "Whiskers and the like below the head (%1) were left out: the whisker tool "
                 "draws them");
}
inline QString NoEyeFound() {
    return QCoreApplication::translate(
        "Texts", "No eye found (no dark round spot in the head): the eye tool places it");
}
inline QString FishFacesRight() {
    return QCoreApplication::translate(
        "Texts", "The fish seems to face right: turn it with File > Flip horizontally and trace "
                 "again");
}

} // namespace Texts

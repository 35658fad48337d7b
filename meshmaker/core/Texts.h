#pragma once
// Every text the editor shows, in one place: captions, hints, labels, menus,
// prompts and messages, and the command line's usage and messages. A text
// with arguments is one whole sentence with %1, %2 ... in it.

#include <QString>

namespace Texts {

// --- Windows
inline const QString MainCaption = QStringLiteral("Vantel's Pelagor 3D Fish Data Maker");
inline const QString VersionCaption = QStringLiteral("Version情報");
inline const QString VersionText = QStringLiteral("Vantel's Pelagor3D Data Maker Version 2.50h");
inline const QString VersionOk = QStringLiteral("OK");
// The caption of the editor's message boxes.
inline const QString MessageCaption = QStringLiteral("Vantel's Pelagor3D Fish Data Maker");

// --- Menu
inline const QString FileMenu = QStringLiteral("File");
inline const QString OpenEntry = QStringLiteral("Open Fish BMP File...");
inline const QString SaveEntry = QStringLiteral("Save (PGX File)");
inline const QString FlipEntry = QStringLiteral("Flip horizontally");
inline const QString FlipHint =
    QStringLiteral("For a fish that faces right: every picture opens mirrored, the open one is "
                   "opened again mirrored (its tracing starts anew)");
inline const QString SaveTextureEntry = QStringLiteral("Save picture as body texture");
inline const QString SaveTextureHint =
    QStringLiteral("Writes the picture as it is shown, as the body texture <name>_tx.bmp "
                   "beside the PGX file");
inline const QString ExitEntry = QStringLiteral("Exit");
inline const QString ZoomMenu = QStringLiteral("Zoom");
inline const QString EditMenu = QStringLiteral("Edit");
// Undo and Redo with no step to take back or take again.
inline const QString UndoEntry = QStringLiteral("Undo");
inline const QString RedoEntry = QStringLiteral("Redo");
// %1: the name of the step (below).
inline const QString UndoStepEntry = QStringLiteral("Undo: %1");
inline const QString RedoStepEntry = QStringLiteral("Redo: %1");
inline const QString VersionEntry = QStringLiteral("Version");
inline const QString ViewMenu = QStringLiteral("View");
inline const QString PreviewEntry = QStringLiteral("3D Preview");

// --- Tool panel: hints of the buttons
inline const QString OpenHint = QStringLiteral("魚の画像ファイルを読み込みます");
inline const QString SaveHint = QStringLiteral("魚の座標データ(pgxファイル)を書き出します");
inline const QString ZoomInHint = QStringLiteral("拡大表示します");
inline const QString ZoomOutHint = QStringLiteral("縮小表示します");
inline const QString BodyHint = QStringLiteral("体の輪郭を決めます");
inline const QString TailHint = QStringLiteral("尾鰭の輪郭を決めます");
inline const QString DorsalHint = QStringLiteral("背鰭の範囲を決めます");
inline const QString VentralHint = QStringLiteral("胸鰭の範囲を決めます");
inline const QString AnalHint = QStringLiteral("尻鰭の範囲を決めます");
inline const QString PectoralHint = QStringLiteral("胸鰭の輪郭を決めます");
inline const QString WhiskerHint = QStringLiteral("ヒゲの範囲を決めます");
inline const QString WhiskerCaption = QStringLiteral("髭");
inline const QString FrontHint = QStringLiteral("正面の形を決めます");
inline const QString TopHint = QStringLiteral("上方からみた形を決めます");
inline const QString EyeHint = QStringLiteral("眼を立体的にします");
inline const QString PreviewHint = QStringLiteral("魚を立体で表示します (3D Preview)");

// --- Tool panel: fields, labels and check boxes
inline const QString StepHint = QStringLiteral("側面をここで指定したピクセル数毎に分割します");
inline const QString StepLabel = QStringLiteral("横分割ピクセル数");
inline const QString DivisionsHint = QStringLiteral("縦のポリゴン分割数を決めます");
inline const QString DivisionsLabel = QStringLiteral("縦分割数");
inline const QString ClearStepHint = QStringLiteral("チェックをはずすと再設定できます");
inline const QString RedoHint = QStringLiteral("やり直しの時はCheckをはずしてボタンをクリック");
// The zoom label: "x" and the factor.
inline const QString ZoomLabel = QStringLiteral("x%1");

// --- Prompts of the tools (Label2)
inline const QString DorsalPrompt =
    QStringLiteral("マウスでドラッグして背ビレの範囲を決めて下さい");
inline const QString VentralPrompt =
    QStringLiteral("マウスでドラッグして腹ビレの範囲を決めて下さい");
inline const QString AnalPrompt = QStringLiteral("マウスでドラッグして尻ビレの範囲を決めて下さい");
inline const QString PectoralPrompt =
    QStringLiteral("胸ビレを囲む3点を左方から▽の字型にクリックしてください");
inline const QString WhiskerPrompt = QStringLiteral("ヒゲ、特殊なヒレなどの範囲を決めてください");
inline const QString FrontPrompt = QStringLiteral("体型と胸ビレ、腹ビレの横位置を決めます");
// %1: the most columns a body has.
inline const QString BodyFull = QStringLiteral("体の列は%1列までです。これ以上は追加できません");

// --- Steps of the undo history, as Undo and Redo name them
inline const QString StepUnnamed = QStringLiteral("edit");
inline const QString StepTraceBody = QStringLiteral("trace body");
inline const QString StepTraceTail = QStringLiteral("trace tail");
inline const QString StepMoveBodyPoint = QStringLiteral("move body point");
inline const QString StepMoveTailPoint = QStringLiteral("move tail point");
inline const QString StepMoveDorsalPoint = QStringLiteral("move dorsal fin point");
inline const QString StepMoveVentralPoint = QStringLiteral("move ventral fin point");
inline const QString StepMoveAnalPoint = QStringLiteral("move anal fin point");
inline const QString StepMovePectoralPoint = QStringLiteral("move pectoral fin point");
inline const QString StepMoveWhiskerPoint = QStringLiteral("move whisker point");
inline const QString StepInsertBodyColumn = QStringLiteral("insert body column");
inline const QString StepDeleteBodyColumn = QStringLiteral("delete body column");
inline const QString StepDrawDorsalFin = QStringLiteral("draw dorsal fin");
inline const QString StepDrawVentralFin = QStringLiteral("draw ventral fin");
inline const QString StepDrawAnalFin = QStringLiteral("draw anal fin");
inline const QString StepDrawWhisker = QStringLiteral("draw whisker");
inline const QString StepPlacePectoralFin = QStringLiteral("place pectoral fin");
inline const QString StepOpenFrontView = QStringLiteral("shape front and top");
inline const QString StepOpenTopView = QStringLiteral("open top view");
inline const QString StepShapeFrontView = QStringLiteral("move front view handle");
inline const QString StepShapeTopView = QStringLiteral("move top view width");
inline const QString StepPlaceEye = QStringLiteral("place eye");
inline const QString StepMoveTailPosition = QStringLiteral("move tail position");
inline const QString StepSetThickness = QStringLiteral("set thickness");
inline const QString StepMoveWidestPoint = QStringLiteral("move widest point");
inline const QString StepSetStep = QStringLiteral("set horizontal step");
inline const QString StepSetDivisions = QStringLiteral("set vertical divisions");
inline const QString StepClearBody = QStringLiteral("clear body");
inline const QString StepClearTail = QStringLiteral("clear tail");
inline const QString StepClearDorsalFin = QStringLiteral("clear dorsal fin");
inline const QString StepClearVentralFin = QStringLiteral("clear ventral fin");
inline const QString StepClearAnalFin = QStringLiteral("clear anal fin");
inline const QString StepClearPectoralFin = QStringLiteral("clear pectoral fin");
inline const QString StepClearWhisker = QStringLiteral("clear whisker");
inline const QString StepClearEye = QStringLiteral("clear eye");

// --- Status bar
// %1: the picture's file name; %2 x %3: its size in pixels.
inline const QString StatusPicture = QStringLiteral("%1   %2 x %3 pixels");
// %1: the zoom factor.
inline const QString StatusZoom = QStringLiteral("zoom x%1");
// %1, %2: the picture point under the cursor (as a press there gives it);
// %3, %4, %5: the red, green and blue of that pixel.
inline const QString StatusPointer = QStringLiteral("x %1, y %2   RGB %3, %4, %5");

// --- Editing sessions
// %1: the session file's name.
inline const QString SessionRestored = QStringLiteral("Editing session %1 restored");
// %1: the session file's name; %2: why it cannot be used.
inline const QString SessionUnreadable =
    QStringLiteral("The editing session %1 cannot be used: %2. The picture opens as a new fish.");
// %1: the session file's name.
inline const QString SessionPictureChanged =
    QStringLiteral("The picture has changed since the editing session %1 was saved. Restore the "
                   "session anyway? Yes restores it; No opens the picture as a new fish.");
// Shown below the save's failure message when the session was what failed.
inline const QString SessionSaveFailed = QStringLiteral(
    "The editing session file could not be written, so neither it nor the PGX file was changed.");
// Why a session cannot be used. %1: the limit in bytes.
inline const QString SessionTooLarge = QStringLiteral("the file is larger than %1 bytes");
// %1: the parser's reason; %2: where, in bytes from the start.
inline const QString SessionNotJson = QStringLiteral("it is not JSON (%1 at byte %2)");
inline const QString SessionNotASession =
    QStringLiteral("it is not an editing session of this editor");
inline const QString SessionBadVersion =
    QStringLiteral("its version is not a whole number from 1 up");
// %1: the file's version; %2: the version this editor reads.
inline const QString SessionFutureVersion = QStringLiteral(
    "it was written by a newer editor (session version %1; this editor reads version %2)");
// %1: the field.
inline const QString SessionMissing = QStringLiteral("%1 is missing");
inline const QString SessionUnknownField = QStringLiteral("%1 is not a field of a session");
inline const QString SessionNotANumber = QStringLiteral("%1 is not a number");
inline const QString SessionNotAWholeNumber = QStringLiteral("%1 is not a whole number");
inline const QString SessionNotAFlag = QStringLiteral("%1 is not true or false");
inline const QString SessionNotARectangle =
    QStringLiteral("%1 is not a rectangle of x0, y0, x1 and y1");
// %1: the field; %2: how many entries it holds at most.
inline const QString SessionNotAList = QStringLiteral("%1 is not a list of at most %2 entries");
// %1: the field; %2: the values it may take (one of the four below).
inline const QString SessionOutOfRange = QStringLiteral("%1 is out of range (%2)");
// %1..%2: the smallest and the largest.
inline const QString SessionRange = QStringLiteral("%1..%2");
// %1: the largest magnitude of a real.
inline const QString SessionMagnitudeRange = QStringLiteral("-%1..%1");
// %1: the largest last index of a list.
inline const QString SessionLastIndexRange = QStringLiteral("0, -1 or odd up to %1");
// An entry of a list field (%1: the field, %2: its index) and a corner of
// a rectangle (%1: the field, %2: x0, y0, x1 or y1).
inline const QString SessionEntry = QStringLiteral("%1[%2]");
inline const QString SessionCorner = QStringLiteral("%1.%2");
// %1: the count's field; %2: the entry that must hold the end marker.
inline const QString SessionNoEndMarker =
    QStringLiteral("%1 does not end its list with the end marker at entry %2");
// %1: the PGX reader's reason.
inline const QString SessionNotWritable =
    QStringLiteral("its fish would not make a readable PGX file (%1)");

// --- Eye designer
inline const QString EyeOk = QStringLiteral("OK");
inline const QString EyeCancel = QStringLiteral("Cancel");
inline const QString EyeRearColourHint =
    QStringLiteral("左の画像部分を右クリックで眼の裏の色を決定");
inline const QString EyeShapeLabel = QStringLiteral("眼の形を決める");
inline const QString EyePositionLabel = QStringLiteral("眼の位置を決める");

// --- The 3-D view
// %1: the picture's file name (for a model opened alone without one, the model's).
inline const QString PreviewCaption = QStringLiteral("3D Preview - %1");
// %1: the vertices, %2: the triangles of the model shown.
inline const QString PreviewCounts = QStringLiteral("%1 vertices, %2 triangles");
inline const QString PreviewNoPicture = QStringLiteral("No fish picture is open: nothing to show.");
// %1: the reader's reason, with its byte offset.
inline const QString PreviewUnreadable =
    QStringLiteral("The fish's PGX data does not read back (%1): nothing to show.");
inline const QString PreviewWireframe = QStringLiteral("Wireframe");
inline const QString PreviewKeys =
    QStringLiteral("Drag: turn · right or middle drag: move · wheel: zoom · "
                   "Home: as the picture · S, F, T: side, front, top · W: grid");
// %1: why no OpenGL context could be had.
inline const QString NoOpenGL = QStringLiteral(
    "The 3-D view needs OpenGL 2.1 or OpenGL ES 2, which this display does not offer (%1).");
inline const QString NoOpenGLContext = QStringLiteral("no OpenGL context can be made");
inline const QString NoOpenGLCurrent = QStringLiteral("the OpenGL context cannot be made current");
// %1.%2: the version the display offers.
inline const QString OpenGLTooOld = QStringLiteral("it offers OpenGL %1.%2");
// %1: what the driver said.
inline const QString OpenGLShadersFailed = QStringLiteral("the shaders do not build: %1");

// --- Messages
inline const QString SaveFailed = QStringLiteral("Error. Cannot make fish polygon data file.");
inline const QString Saved = QStringLiteral("Dataファイルを書き出しました");
// A failure's message and, on the next line, the system's reason.
inline const QString FailedBecause = QStringLiteral("%1\n%2");
// %1 x %2: the picture's size in pixels; %3: the limit in megabytes.
inline const QString PictureTooLarge =
    QStringLiteral("画像が大きすぎます (%1 x %2 ピクセル)。%3 MB を超える画像は開けません");
// %1 x %2: the picture's size in pixels; %3: the smallest side.
inline const QString PictureTooSmall =
    QStringLiteral("画像が小さすぎます (%1 x %2 ピクセル)。幅と高さは %3 ピクセル以上必要です");
// %1: the bytes the picture needs; %2: the bytes the file has.
inline const QString PictureCutShort = QStringLiteral(
    "画像ファイルが途中で切れています (%1 バイト必要ですが %2 バイトしかありません)");
inline const QString PictureUnreadable = QStringLiteral("画像を読み込めません");
inline const QString NotARegularFile = QStringLiteral("通常のファイルではありません");
// %1: the file's name; %2: the reader's reason.
inline const QString PictureRefused = QStringLiteral("%1: %2");
inline const QString PictureOutOfMemory = QStringLiteral("画像を開くためのメモリが足りません");
// %1 x %2: the picture's size in pixels; %3: the longest side.
inline const QString PictureTooWide =
    QStringLiteral("画像が大きすぎます (%1 x %2 ピクセル)。幅と高さは %3 ピクセルまでです");
// %1: the format's name.
inline const QString PictureFormatNotRead =
    QStringLiteral("%1 の画像は読み込めません (BMP, PNG, JPEG, GIF, WebP, TIFF が読めます)");
// %1: the file's size in bytes.
inline const QString PictureEndsEarly =
    QStringLiteral("画像ファイルが途中で切れています (%1 バイトで終わっています)");
inline const QString PictureNoFreeColour =
    QStringLiteral("魚が全ての色を使っているため、透明な部分に背景の色を割り当てられません");
// The open dialog: every picture the editor reads, then one filter a format
// (the BMP filter as it has always read).
inline const QString OpenFilter =
    QStringLiteral("All pictures (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff);;"
                   "Windows BMP File (*.bmp);;PNG File (*.png);;JPEG File (*.jpg *.jpeg);;"
                   "GIF File (*.gif);;WebP File (*.webp);;TIFF File (*.tif *.tiff)");
// %1: the texture's file name.
inline const QString TextureExists =
    QStringLiteral("体のテクスチュアファイル %1 があります。上書きしますか？");
// %1: the texture's path.
inline const QString TextureSaved = QStringLiteral("体のテクスチュアファイル %1 を書き出しました");
// %1: the texture's path.
inline const QString TextureSaveFailed =
    QStringLiteral("体のテクスチュアファイル %1 を書き出せません");
// %1: the texture's path.
inline const QString TextureAppeared =
    QStringLiteral("体のテクスチュアファイル %1 が書き出す間に作られました。上書きしていません");
// %1: the target; %2: the picture.
inline const QString TargetIsPicture =
    QStringLiteral("%1 は読み込んだ画像 %2 と同じファイルです。上書きできません");

// --- Command line
inline const QString Usage =
    QStringLiteral("usage: meshmaker [PICTURE]\n"
                   "       meshmaker --batch PICTURE [options]\n"
                   "       meshmaker --export MODEL.pgx OUT.glb|OUT.obj [--picture PICTURE]\n"
                   "       meshmaker --info MODEL.pgx\n"
                   "       meshmaker --view MODEL.pgx [--picture PICTURE]\n\n");
inline const QString ViewUsage = QStringLiteral(
    "usage: meshmaker --view MODEL.pgx [--picture PICTURE]\n"
    "         shows the model in the 3-D view, alone; textured with PICTURE, by default\n"
    "         the BMP of the model's name beside it\n");
inline const QString ViewTakesOneModel = QStringLiteral("--view takes one PGX file");
inline const QString PictureNeedsFile = QStringLiteral("--picture needs a file");
// %1 x %2: the picture's size; %3 x %4: the size the model records.
inline const QString PictureOfOtherSize =
    QStringLiteral("the picture is %1 x %2 pixels, but the model was made from one of %3 x %4");
// %1: the picture looked for; %2: the model.
inline const QString ViewUntextured =
    QStringLiteral("meshmaker: no picture %1 beside %2; the model is shown untextured\n");
inline const QString ViewNoDisplay =
    QStringLiteral("meshmaker: no display to show the 3-D view on\n");
inline const QString ViewWithoutWindows =
    QStringLiteral("meshmaker: this build has no windows; --view cannot show the model\n");
inline const QString BatchUsage = QStringLiteral(
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
    "  --overwrite                let --texture replace an existing texture\n"
    "Coordinates are picture pixels; with --mirror, pixels of the mirrored picture\n"
    "(x counts from the left edge of the flipped picture).\n");
// %1: what is wrong.
inline const QString CommandError = QStringLiteral("meshmaker: %1\n");
// %1: the option; %2: how many integers.
inline const QString OptionTakesIntegers = QStringLiteral("%1 takes %2 comma-separated integers");
// %1, %2: the fewest and the most integers.
inline const QString IntegerCountRange = QStringLiteral("%1 to %2");
// %1: the option; %2: the text given.
inline const QString NotAnInteger = QStringLiteral("%1: '%2' is not an integer");
inline const QString OutputNeedsName = QStringLiteral("-o needs a file name");
// %1: the file given.
inline const QString ExportKind = QStringLiteral("%1: an export is .glb or .obj");
// %1: the option.
inline const QString OptionNeedsValue = QStringLiteral("%1 needs a value");
inline const QString UnknownOption = QStringLiteral("unknown option %1");
inline const QString MoreThanOnePicture = QStringLiteral("more than one picture: %1");
inline const QString NoPicture = QStringLiteral("no picture given");
// %1: the largest radius.
inline const QString EyeRadiusRange = QStringLiteral("--eye: the radius must be 0 to %1 pixels");
// %1: the file.
inline const QString NoSuchFile = QStringLiteral("%1: no such file");
// %1: the texture.
inline const QString TextureExistsInBatch = QStringLiteral("%1 exists; --overwrite replaces it");
// %1: the file; %2: why it failed.
inline const QString FileFailed = QStringLiteral("%1: %2");
// The summary of a batch conversion: %1 the file's name, %2 x %3 the body's
// columns and rows, %4..%8 the columns of tail, dorsal, anal, ventral and
// whisker, %9 pectoral fin, %10 eye, %11 the file's size.
inline const QString BatchSummary =
    QStringLiteral("%1: body %2 columns x %3 rows; tail %4, dorsal %5, anal %6, ventral %7, "
                   "whisker %8 columns; pectoral fin %9; eye %10; %11 bytes");
inline const QString Yes = QStringLiteral("yes");
inline const QString No = QStringLiteral("no");
// %1: the picture.
inline const QString NoDisplayConverting =
    QStringLiteral("meshmaker: no display; converting %1 in batch\n");
inline const QString NoDisplay = QStringLiteral("meshmaker: no display to open the editor on\n");
// %1: the variable that names the display, with its value.
inline const QString DisplayUnreachable =
    QStringLiteral("meshmaker: cannot open the editor: the display %1 cannot be reached\n");

} // namespace Texts

#pragma once
// Every text of the program, each one whole sentence or label, so that each
// can be translated as one unit. The dialog's texts are exactly as its users
// know them; messages that report a failure of reading or writing (which the
// program's string table does not cover) are written in the same language
// and style. The command line speaks English.

#include <QString>

namespace Texts {

// Captions.
inline const QString ProgramName = QStringLiteral("pgpack"); // the caption of plain messages
inline const QString DialogCaption = QStringLiteral("Vantel's Pelagor V Data archiver & separator");
inline const QString VersionCaption = QStringLiteral("pgpackのﾊﾞｰｼﾞｮﾝ情報");
inline const QString ArchiveCaption = QStringLiteral("アーカイブ作成");

// The version entry of the window menu (the gap after "V" is an ideographic space).
inline const QString VersionMenuEntry =
    QStringLiteral("Vantel's Pelagor V\u3000データアーカイバ のﾊﾞｰｼﾞｮﾝ情報(&A)...");
inline const QString VersionLine1 = QStringLiteral("Vantel's Pelagor V ");
inline const QString VersionLine2 = QStringLiteral("Data archiver & separator");
inline const QString ProductName = QStringLiteral("Vantel's Pelagor V  ｱﾌﾟﾘｹｰｼｮﾝ");
inline const QString ProgramVersion = QStringLiteral("1.0.0.2");

// Control texts.
inline const QString ExitButton = QStringLiteral("終了");
inline const QString ChooseMeshButton = QStringLiteral("PGX Fileの指定");
inline const QString CreateButton = QStringLiteral("結合ファイルの作成");
inline const QString SplitButton = QStringLiteral("結合ファイルの分解");
inline const QString EyeTextureButton = QStringLiteral("眼のテクスチュア");
inline const QString KeepEyeTextureBox = QStringLiteral("眼のテクスチュアファイルをクリアしない");
inline const QString BodyTextureLabel = QStringLiteral("体のテクスチュア");
inline const QString FinTextureLabel = QStringLiteral("胸ビレのテクスチュア");
inline const QString ChooseCombinedButton = QStringLiteral("PGDAF(合体ﾌｧｲﾙ)の指定");
inline const QString OkButton = QStringLiteral("OK");

// File dialog filters (one entry each: label and pattern).
inline const QString MeshFilter = QStringLiteral("PGX File (*.pgx)");
inline const QString EyeTextureFilter = QStringLiteral("BMP File (*_eyetx.bmp)");
inline const QString CombinedFilter = QStringLiteral("PGDAF File (*.pgdaf)");

// Messages. Each is one whole sentence; %1, %2 ... stand for what the
// message names, filled in with QString::arg in one pass.
inline const QString RegistryMissing =
    QStringLiteral("レジストリが正しく登録されていません。セットアップをやり直してください");
inline const QString NoBodyTexture = QStringLiteral("胴体のテクスチュアがありません");
// %1 the combined file to be made.
inline const QString RemakeQuestion =
    QStringLiteral("データ合体ファイル%1はすでにあります。作り直しますか？");
// %1 the combined file to be made, %2 the data directory.
inline const QString MakeInQuestion = QStringLiteral("データ合体ファイル%1を%2に作ります");
inline const QString OutputCannotOpen = QStringLiteral("ファイル 'data' は開けませんでした");
// %1 the combined file made.
inline const QString Made = QStringLiteral("%1を作成しました");
inline const QString NoFile = QStringLiteral("ファイルがありません");
inline const QString BodyTextureExists =
    QStringLiteral("胴体のテクスチュアファイルがあります。上書きしますか？");
inline const QString FinTextureExists =
    QStringLiteral("胸ビレのテクスチュアファイルがあります。上書きしますか？");
inline const QString EyeTextureExists =
    QStringLiteral("眼のテクスチュアファイルがあります。上書きしますか？");
inline const QString MeshExists = QStringLiteral("PGXファイルがあります。上書きしますか？");
inline const QString Separated = QStringLiteral("ファイルを分離しました");

// Failures of reading and writing; %1 is the file.
inline const QString CannotRead = QStringLiteral("ファイル '%1' は読めませんでした");
inline const QString SizeChanged = QStringLiteral("ファイル '%1' の大きさが途中で変わりました");
inline const QString TooLarge = QStringLiteral("ファイル '%1' は大きすぎます（4GBまで）");
inline const QString CannotWrite = QStringLiteral("ファイル '%1' は書き込めませんでした");
// A combined file that is not well formed; %1 is the file.
inline const QString NoMagic =
    QStringLiteral("データ合体ファイル '%1' は正しくありません。先頭がPGDAFではありません");
inline const QString ShortHeader =
    QStringLiteral("データ合体ファイル '%1' は正しくありません。40バイトのヘッダーがありません");
// %2 the bytes the header announces, %3 the file's size.
inline const QString LengthsDisagree =
    QStringLiteral("データ合体ファイル '%1' "
                   "は正しくありません。ヘッダーの長さでは%2バイトのはずが、%3バイトあります");
// A source that is no regular file (a folder, FIFO, device or socket); %1 the file.
inline const QString NotRegular = QStringLiteral("ファイル '%1' は普通のファイルではありません");
// A target that is a source under another name; %1 the target, %2 the source.
inline const QString SameFile =
    QStringLiteral("ファイル '%1' は元のファイル '%2' と同じです。上書きできません");
// After "ファイルを分離しました", when the combined file has no member with bytes.
inline const QString NothingSeparated = QStringLiteral("書き出すファイルはありませんでした");
// A message and, on a line of its own, its detail: the system's reason for
// a failure, in the system's words ("No space left on device").
inline const QString MessageWithDetail = QStringLiteral("%1\n%2");

// The command line's texts, in English. Messages go to standard error
// behind "pgpack: ".
inline const QString CommandUsage = QStringLiteral(
    "usage: pgpack                      the dialog\n"
    "       pgpack pack MESH.pgx [--data-dir DIR] [--eye-texture FILE] [--overwrite]\n"
    "       pgpack split FILE.pgdaf [--into DIR] [--overwrite | --skip-existing]\n"
    "       pgpack list FILE.pgdaf\n"
    "\n"
    "pack   joins MESH.pgx and the textures beside it (MESH_tx.bmp, required;\n"
    "       MESH_fintx.bmp and MESH_eyetx.bmp when present) into DIR/MESH.pgdaf;\n"
    "       DIR is the data directory set up for the current user unless given.\n"
    "       --eye-texture takes that eye texture instead; --overwrite replaces\n"
    "       an existing output.\n"
    "split  writes the members of FILE.pgdaf into DIR (default: the current\n"
    "       folder) as FILE_tx.bmp, FILE_fintx.bmp, FILE_eyetx.bmp and FILE.pgx;\n"
    "       existing files are replaced with --overwrite, kept with\n"
    "       --skip-existing, and otherwise nothing is written.\n"
    "list   shows the header and where each member lies.\n"
    "\n"
    "Exit status: 0 done, 1 refused or failed, 2 usage.\n");
inline const QString CommandMessage = QStringLiteral("pgpack: %1\n");
// Words that make no command; %1 the word.
inline const QString NeedsValue = QStringLiteral("%1 needs a value");
inline const QString UnknownOption = QStringLiteral("unknown option %1");
inline const QString OneFileOnly = QStringLiteral("one file only: %1");
inline const QString WhichFile = QStringLiteral("which file?");
inline const QString UnknownCommand = QStringLiteral("unknown command %1");
inline const QString OverwriteOrSkip =
    QStringLiteral("--overwrite and --skip-existing exclude each other");
// Refusals; %1 a file or folder.
inline const QString NoSuchFile = QStringLiteral("%1: no such file");
inline const QString NoSuchFolder = QStringLiteral("%1: no such folder");
inline const QString NoBodyTextureFile = QStringLiteral("no body texture %1");
inline const QString NoDataDirectory =
    QStringLiteral("no data directory is set up (DataDirectory); give --data-dir DIR");
inline const QString OutputExists = QStringLiteral("%1 exists; --overwrite replaces it");
// %1 one target, or several joined by ", ".
inline const QString TargetExists =
    QStringLiteral("%1 exists; --overwrite replaces, --skip-existing keeps");
inline const QString TargetsExist =
    QStringLiteral("%1 exist; --overwrite replaces, --skip-existing keeps");
inline const QString KeptExisting = QStringLiteral("kept the existing %1");
// Start-up without a display for the dialog.
inline const QString NoDisplay = QStringLiteral("no display to show the dialog on");
// %1 the variable that names the display, with its value: DISPLAY=:5.
inline const QString DisplayUnreachable = QStringLiteral(
    "cannot show the dialog: no display answers at %1 (the command line needs none)");
inline const QString WithoutDialog = QStringLiteral("built without its dialog");
// %1 the combined file.
inline const QString NothingToWrite =
    QStringLiteral("%1 has no member with bytes; nothing to write");
// Failures of reading and writing, and files that are not well formed; %1 the file.
inline const QString DoneInEnglish = QStringLiteral("done");
inline const QString NotCombinedInEnglish =
    QStringLiteral("%1: not a combined data file (it does not start with PGDAF)");
inline const QString ShortHeaderInEnglish =
    QStringLiteral("%1: not a combined data file (shorter than its 40-byte header)");
// %2 the bytes the header announces, %3 the file's size.
inline const QString LengthMismatchInEnglish = QStringLiteral(
    "%1: damaged combined data file (its header announces %2 bytes, the file has %3)");
// %2 the system's reason.
inline const QString CannotReadInEnglish = QStringLiteral("%1: cannot be read (%2)");
// %2 the bytes measured, %3 the bytes found.
inline const QString SourceChangedInEnglish =
    QStringLiteral("%1: changed while it was being read (%2 bytes expected, %3 found)");
// %2 its size, %3 the largest size a member can have.
inline const QString TooLargeInEnglish =
    QStringLiteral("%1: too large for a combined data file (%2 bytes, at most %3)");
// %2 the system's reason.
inline const QString CannotWriteInEnglish = QStringLiteral("%1: cannot be written (%2)");
// %2 what the path names instead: one of the Entry... texts below.
inline const QString NotRegularInEnglish = QStringLiteral("%1: %2, not a regular file");
inline const QString EntryFolder = QStringLiteral("a folder");
inline const QString EntryFifo = QStringLiteral("a FIFO");
inline const QString EntryDevice = QStringLiteral("a device");
inline const QString EntrySocket = QStringLiteral("a socket");
inline const QString EntryOther = QStringLiteral("a special file");
// %1 the target, %2 the source it is.
inline const QString SameFileInEnglish =
    QStringLiteral("%1: the same file as the source %2, which would be lost; nothing was written");
inline const QString AppearedInEnglish =
    QStringLiteral("%1 appeared while it was being written; it was kept");
// The list command: its lines, the columns' titles and the members' names.
inline const QString ListFile = QStringLiteral("file     %1");
inline const QString ListSize = QStringLiteral("size     %1 bytes");
// %1 width, %2 height.
inline const QString ListPicture = QStringLiteral("picture  %1 x %2");
inline const QString ListMember = QStringLiteral("member");
inline const QString ListOffset = QStringLiteral("offset");
inline const QString ListLength = QStringLiteral("length");
inline const QString ListSplitInto = QStringLiteral("split into");
inline const QString ListAbsent = QStringLiteral("(absent)");
inline const QString BodyTextureName = QStringLiteral("body texture");
inline const QString FinTextureName = QStringLiteral("fin texture");
inline const QString EyeTextureName = QStringLiteral("eye texture");
inline const QString MeshName = QStringLiteral("mesh");

} // namespace Texts

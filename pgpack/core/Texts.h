#pragma once
// Every text of the program, each one whole sentence or label, so that each
// can be translated as one unit. The dialog's texts are exactly as its users
// know them; messages that report a failure of reading or writing (which the
// program's string table does not cover) are written in the same language
// and style. The command line speaks English.

#include <QCoreApplication>
#include <QString>

namespace Texts {

// Captions.
inline const QString ProgramName = QStringLiteral("pgpack"); // the caption of plain messages
inline QString DialogCaption() {
    return QCoreApplication::translate("Texts", "Vantel's Pelagor V Data archiver & separator");
}
inline QString VersionCaption() {
    return QCoreApplication::translate("Texts", "pgpackのﾊﾞｰｼﾞｮﾝ情報");
}
inline QString ArchiveCaption() {
    return QCoreApplication::translate("Texts", "アーカイブ作成");
}

// The version entry of the window menu (the gap after "V" is an ideographic space).
inline QString VersionMenuEntry() {
    return QCoreApplication::translate("Texts",
                                       "Vantel's Pelagor V　データアーカイバ のﾊﾞｰｼﾞｮﾝ情報(&A)...");
}
inline QString VersionLine1() {
    return QCoreApplication::translate("Texts", "Vantel's Pelagor V ");
}
inline QString VersionLine2() {
    return QCoreApplication::translate("Texts", "Data archiver & separator");
}
inline QString ProductName() {
    return QCoreApplication::translate("Texts", "Vantel's Pelagor V  ｱﾌﾟﾘｹｰｼｮﾝ");
}
inline const QString ProgramVersion = QStringLiteral("1.0.0.2");

// Control texts.
inline QString ExitButton() {
    return QCoreApplication::translate("Texts", "終了");
}
inline QString ChooseMeshButton() {
    return QCoreApplication::translate("Texts", "PGX Fileの指定");
}
inline QString CreateButton() {
    return QCoreApplication::translate("Texts", "結合ファイルの作成");
}
inline QString SplitButton() {
    return QCoreApplication::translate("Texts", "結合ファイルの分解");
}
inline QString EyeTextureButton() {
    return QCoreApplication::translate("Texts", "眼のテクスチュア");
}
inline QString KeepEyeTextureBox() {
    return QCoreApplication::translate("Texts", "眼のテクスチュアファイルをクリアしない");
}
inline QString BodyTextureLabel() {
    return QCoreApplication::translate("Texts", "体のテクスチュア");
}
inline QString FinTextureLabel() {
    return QCoreApplication::translate("Texts", "胸ビレのテクスチュア");
}
inline QString ChooseCombinedButton() {
    return QCoreApplication::translate("Texts", "PGDAF(合体ﾌｧｲﾙ)の指定");
}
inline QString OkButton() {
    return QCoreApplication::translate("Texts", "OK");
}

// File dialog filters (one entry each: label and pattern).
inline QString MeshFilter() {
    return QCoreApplication::translate("Texts", "PGX File (*.pgx)");
}
inline QString EyeTextureFilter() {
    return QCoreApplication::translate("Texts", "BMP File (*_eyetx.bmp)");
}
inline QString CombinedFilter() {
    return QCoreApplication::translate("Texts", "PGDAF File (*.pgdaf)");
}

// Messages. Each is one whole sentence; %1, %2 ... stand for what the
// message names, filled in with QString::arg in one pass.
inline QString RegistryMissing() {
    return QCoreApplication::translate(
        "Texts", "レジストリが正しく登録されていません。セットアップをやり直してください");
}
inline QString NoBodyTexture() {
    return QCoreApplication::translate("Texts", "胴体のテクスチュアがありません");
}
// %1 the combined file to be made.
inline QString RemakeQuestion() {
    return QCoreApplication::translate("Texts",
                                       "データ合体ファイル%1はすでにあります。作り直しますか？");
}
// %1 the combined file to be made, %2 the data directory.
inline QString MakeInQuestion() {
    return QCoreApplication::translate("Texts", "データ合体ファイル%1を%2に作ります");
}
inline QString OutputCannotOpen() {
    return QCoreApplication::translate("Texts", "ファイル 'data' は開けませんでした");
}
// %1 the combined file made.
inline QString Made() {
    return QCoreApplication::translate("Texts", "%1を作成しました");
}
inline QString NoFile() {
    return QCoreApplication::translate("Texts", "ファイルがありません");
}
inline QString BodyTextureExists() {
    return QCoreApplication::translate("Texts",
                                       "胴体のテクスチュアファイルがあります。上書きしますか？");
}
inline QString FinTextureExists() {
    return QCoreApplication::translate("Texts",
                                       "胸ビレのテクスチュアファイルがあります。上書きしますか？");
}
inline QString EyeTextureExists() {
    return QCoreApplication::translate("Texts",
                                       "眼のテクスチュアファイルがあります。上書きしますか？");
}
inline QString MeshExists() {
    return QCoreApplication::translate("Texts", "PGXファイルがあります。上書きしますか？");
}
inline QString Separated() {
    return QCoreApplication::translate("Texts", "ファイルを分離しました");
}

// Failures of reading and writing; %1 is the file.
inline QString CannotRead() {
    return QCoreApplication::translate("Texts", "ファイル '%1' は読めませんでした");
}
inline QString SizeChanged() {
    return QCoreApplication::translate("Texts", "ファイル '%1' の大きさが途中で変わりました");
}
inline QString TooLarge() {
    return QCoreApplication::translate("Texts", "ファイル '%1' は大きすぎます（4GBまで）");
}
inline QString CannotWrite() {
    return QCoreApplication::translate("Texts", "ファイル '%1' は書き込めませんでした");
}
// A combined file that is not well formed; %1 is the file.
inline QString NoMagic() {
    return QCoreApplication::translate(
        "Texts", "データ合体ファイル '%1' は正しくありません。先頭がPGDAFではありません");
}
inline QString ShortHeader() {
    return QCoreApplication::translate(
        "Texts", "データ合体ファイル '%1' は正しくありません。40バイトのヘッダーがありません");
}
// %2 the bytes the header announces, %3 the file's size.
inline QString LengthsDisagree() {
    return QCoreApplication::translate(
        "Texts", "データ合体ファイル '%1' "
                 "は正しくありません。ヘッダーの長さでは%2バイトのはずが、%3バイトあります");
}
// A source that is no regular file (a folder, FIFO, device or socket); %1 the file.
inline QString NotRegular() {
    return QCoreApplication::translate("Texts", "ファイル '%1' は普通のファイルではありません");
}
// A target that is a source under another name; %1 the target, %2 the source.
inline QString SameFile() {
    return QCoreApplication::translate(
        "Texts", "ファイル '%1' は元のファイル '%2' と同じです。上書きできません");
}
// After "ファイルを分離しました", when the combined file has no member with bytes.
inline QString NothingSeparated() {
    return QCoreApplication::translate("Texts", "書き出すファイルはありませんでした");
}
// A message and, on a line of its own, its detail: the system's reason for
// a failure, in the system's words ("No space left on device").
inline QString MessageWithDetail() {
    return QCoreApplication::translate("Texts", "%1\n%2");
}

// The command line's texts, in English. Messages go to standard error
// behind "pgpack: ".
inline QString CommandUsage() {
    return QCoreApplication::translate(
        "Texts",
        "usage: pgpack                      the dialog\n"
        "       pgpack FILE.pgdaf|MESH.pgx  the dialog, with that file chosen\n"
        "       pgpack pack MESH.pgx... [--data-dir DIR] [--eye-texture FILE] [--overwrite]\n"
        "       pgpack split FILE.pgdaf... [--into DIR] [--overwrite | --skip-existing]\n"
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
        "pack and split take several files: each is packed or split on its own,\n"
        "--jobs N at a time (default: one per core), one failure never stops the\n"
        "others, and a summary ends the run (exit status 1 when any failed).\n"
        "\n"
        "--lang ja|en, with any of these, chooses the language of the dialog and\n"
        "the messages (by default Japanese under a Japanese locale, English otherwise).\n"
        "\n"
        "Exit status: 0 done, 1 refused or failed, 2 usage.\n");
}
// %1 the languages there are ("en, ja"), %2 the one asked for.
inline QString LanguageUnknown() {
    return QCoreApplication::translate("Texts", "--lang takes %1, not '%2'");
}
inline QString CommandMessage() {
    return QCoreApplication::translate("Texts", "pgpack: %1\n");
}
// Words that make no command; %1 the word.
inline QString NeedsValue() {
    return QCoreApplication::translate("Texts", "%1 needs a value");
}
inline QString UnknownOption() {
    return QCoreApplication::translate("Texts", "unknown option %1");
}
inline QString OneFileOnly() {
    return QCoreApplication::translate("Texts", "one file only: %1");
}
inline QString WhichFile() {
    return QCoreApplication::translate("Texts", "which file?");
}
inline QString UnknownCommand() {
    return QCoreApplication::translate("Texts", "unknown command %1");
}
inline QString OverwriteOrSkip() {
    return QCoreApplication::translate("Texts",
                                       "--overwrite and --skip-existing exclude each other");
}
// Refusals; %1 a file or folder.
inline QString NoSuchFile() {
    return QCoreApplication::translate("Texts", "%1: no such file");
}
inline QString NoSuchFolder() {
    return QCoreApplication::translate("Texts", "%1: no such folder");
}
inline QString NoBodyTextureFile() {
    return QCoreApplication::translate("Texts", "no body texture %1");
}
inline QString NoDataDirectory() {
    return QCoreApplication::translate(
        "Texts", "no data directory is set up (DataDirectory); give --data-dir DIR");
}
inline QString OutputExists() {
    return QCoreApplication::translate("Texts", "%1 exists; --overwrite replaces it");
}
// %1 one target, or several joined by ", ".
inline QString TargetExists() {
    return QCoreApplication::translate("Texts",
                                       "%1 exists; --overwrite replaces, --skip-existing keeps");
}
inline QString TargetsExist() {
    return QCoreApplication::translate("Texts",
                                       "%1 exist; --overwrite replaces, --skip-existing keeps");
}
inline QString KeptExisting() {
    return QCoreApplication::translate("Texts", "kept the existing %1");
}
// Start-up without a display for the dialog.
inline QString NoDisplay() {
    return QCoreApplication::translate("Texts", "no display to show the dialog on");
}
// %1 the variable that names the display, with its value: DISPLAY=:5.
inline QString DisplayUnreachable() {
    return QCoreApplication::translate(
        "Texts", "cannot show the dialog: no display answers at %1 (the command line needs none)");
}
inline QString WithoutDialog() {
    return QCoreApplication::translate("Texts", "built without its dialog");
}
// %1 the combined file.
inline QString NothingToWrite() {
    return QCoreApplication::translate("Texts", "%1 has no member with bytes; nothing to write");
}
// Failures of reading and writing, and files that are not well formed; %1 the file.
inline QString DoneInEnglish() {
    return QCoreApplication::translate("Texts", "done");
}
inline QString NotCombinedInEnglish() {
    return QCoreApplication::translate(
        "Texts", "%1: not a combined data file (it does not start with PGDAF)");
}
inline QString ShortHeaderInEnglish() {
    return QCoreApplication::translate(
        "Texts", "%1: not a combined data file (shorter than its 40-byte header)");
}
// %2 the bytes the header announces, %3 the file's size.
inline QString LengthMismatchInEnglish() {
    return QCoreApplication::translate(
        "Texts", "%1: damaged combined data file (its header announces %2 bytes, the file has %3)");
}
// %2 the system's reason.
inline QString CannotReadInEnglish() {
    return QCoreApplication::translate("Texts", "%1: cannot be read (%2)");
}
// %2 the bytes measured, %3 the bytes found.
inline QString SourceChangedInEnglish() {
    return QCoreApplication::translate(
        "Texts", "%1: changed while it was being read (%2 bytes expected, %3 found)");
}
// %2 its size, %3 the largest size a member can have.
inline QString TooLargeInEnglish() {
    return QCoreApplication::translate(
        "Texts", "%1: too large for a combined data file (%2 bytes, at most %3)");
}
// %2 the system's reason.
inline QString CannotWriteInEnglish() {
    return QCoreApplication::translate("Texts", "%1: cannot be written (%2)");
}
// %2 what the path names instead: one of the Entry... texts below.
inline QString NotRegularInEnglish() {
    return QCoreApplication::translate("Texts", "%1: %2, not a regular file");
}
inline QString EntryFolder() {
    return QCoreApplication::translate("Texts", "a folder");
}
inline QString EntryFifo() {
    return QCoreApplication::translate("Texts", "a FIFO");
}
inline QString EntryDevice() {
    return QCoreApplication::translate("Texts", "a device");
}
inline QString EntrySocket() {
    return QCoreApplication::translate("Texts", "a socket");
}
inline QString EntryOther() {
    return QCoreApplication::translate("Texts", "a special file");
}
// %1 the target, %2 the source it is.
inline QString SameFileInEnglish() {
    return QCoreApplication::translate(
        "Texts", "%1: the same file as the source %2, which would be lost; nothing was written");
}
inline QString AppearedInEnglish() {
    return QCoreApplication::translate("Texts",
                                       "%1 appeared while it was being written; it was kept");
}
// The list command: its lines, the columns' titles and the members' names.
inline QString ListFile() {
    return QCoreApplication::translate("Texts", "file     %1");
}
inline QString ListSize() {
    return QCoreApplication::translate("Texts", "size     %1 bytes");
}
// %1 width, %2 height.
inline QString ListPicture() {
    return QCoreApplication::translate("Texts", "picture  %1 x %2");
}
inline QString ListMember() {
    return QCoreApplication::translate("Texts", "member");
}
inline QString ListOffset() {
    return QCoreApplication::translate("Texts", "offset");
}
inline QString ListLength() {
    return QCoreApplication::translate("Texts", "length");
}
inline QString ListSplitInto() {
    return QCoreApplication::translate("Texts", "split into");
}
inline QString ListAbsent() {
    return QCoreApplication::translate("Texts", "(absent)");
}
inline QString BodyTextureName() {
    return QCoreApplication::translate("Texts", "body texture");
}
inline QString FinTextureName() {
    return QCoreApplication::translate("Texts", "fin texture");
}
inline QString EyeTextureName() {
    return QCoreApplication::translate("Texts", "eye texture");
}
inline QString MeshName() {
    return QCoreApplication::translate("Texts", "mesh");
}

} // namespace Texts

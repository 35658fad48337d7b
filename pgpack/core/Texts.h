#pragma once
// The program's own texts, exactly as its users know them. Messages that
// report a failure of reading or writing (which the program's string table
// does not cover) are written in the same language and style.

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

// Messages.
inline const QString RegistryMissing =
    QStringLiteral("レジストリが正しく登録されていません。セットアップをやり直してください");
inline const QString NoBodyTexture = QStringLiteral("胴体のテクスチュアがありません");
inline const QString CombinedFile = QStringLiteral("データ合体ファイル");
inline const QString AlreadyExistsRemake = QStringLiteral("はすでにあります。作り直しますか？");
inline const QString Object = QStringLiteral("を");
inline const QString WillMakeIn = QStringLiteral("に作ります");
inline const QString OutputCannotOpen = QStringLiteral("ファイル 'data' は開けませんでした");
inline const QString HasBeenMade = QStringLiteral("を作成しました");
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
// A combined file that is not well formed; %1 is the file, the reason follows.
inline const QString NotWellFormed = QStringLiteral("データ合体ファイル '%1' は正しくありません。");
inline const QString NoMagic = QStringLiteral("先頭がPGDAFではありません");
inline const QString ShortHeader = QStringLiteral("40バイトのヘッダーがありません");
// %1 the bytes the header announces, %2 the file's size.
inline const QString LengthsDisagree =
    QStringLiteral("ヘッダーの長さでは%1バイトのはずが、%2バイトあります");

} // namespace Texts

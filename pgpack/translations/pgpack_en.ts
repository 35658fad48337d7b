<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>--jobs takes a number from 1 to 1024, not '%1'</source>
        <translation>--jobs takes a number from 1 to 1024, not '%1'</translation>
    </message>
    <message>
        <source>given more than once; done once</source>
        <translation>given more than once; done once</translation>
    </message>
    <message>
        <source>it would write %1, which %2 writes</source>
        <translation>it would write %1, which %2 writes</translation>
    </message>
</context>
<context>
    <name>ParallelRuns</name>
    <message>
        <source>%1 left</source>
        <translation>%1 left</translation>
    </message>
    <message>
        <source>estimating</source>
        <translation>estimating</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <translation>cannot start %1: %2</translation>
    </message>
    <message>
        <source>the run ended abnormally (%1)</source>
        <translation>the run ended abnormally (%1)</translation>
    </message>
    <message>
        <source>failed with exit status %1</source>
        <translation>failed with exit status %1</translation>
    </message>
    <message>
        <source>%1: %2 written, %3 failed, %4 skipped
</source>
        <translation>%1: %2 written, %3 failed, %4 skipped
</translation>
    </message>
    <message>
        <source>  failed   %1: %2
</source>
        <translation>  failed   %1: %2
</translation>
    </message>
    <message>
        <source>  skipped  %1: %2
</source>
        <translation>  skipped  %1: %2
</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Vantel's Pelagor V Data archiver &amp; separator</source>
        <translation>Vantel's Pelagor V Data archiver &amp; separator</translation>
    </message>
    <message>
        <source>pgpackのﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About pgpack</translation>
    </message>
    <message>
        <source>アーカイブ作成</source>
        <translation>Make Archive</translation>
    </message>
    <message>
        <source>Vantel's Pelagor V&#x3000;データアーカイバ のﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About Vantel's Pelagor V Data Archiver...</translation>
    </message>
    <message>
        <source>Vantel's Pelagor V </source>
        <translation>Vantel's Pelagor V </translation>
    </message>
    <message>
        <source>Data archiver &amp; separator</source>
        <translation>Data archiver &amp; separator</translation>
    </message>
    <message>
        <source>Vantel's Pelagor V  ｱﾌﾟﾘｹｰｼｮﾝ</source>
        <translation>Vantel's Pelagor V  Application</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>PGX Fileの指定</source>
        <translation>Choose PGX File</translation>
    </message>
    <message>
        <source>結合ファイルの作成</source>
        <translation>Make Combined File</translation>
    </message>
    <message>
        <source>結合ファイルの分解</source>
        <translation>Split Combined File</translation>
    </message>
    <message>
        <source>眼のテクスチュア</source>
        <translation>Eye Texture</translation>
    </message>
    <message>
        <source>眼のテクスチュアファイルをクリアしない</source>
        <translation>Keep the eye texture file</translation>
    </message>
    <message>
        <source>体のテクスチュア</source>
        <translation>Body texture</translation>
    </message>
    <message>
        <source>胸ビレのテクスチュア</source>
        <translation>Pectoral fin texture</translation>
    </message>
    <message>
        <source>PGDAF(合体ﾌｧｲﾙ)の指定</source>
        <translation>Choose PGDAF File</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>PGX File (*.pgx)</source>
        <translation>PGX File (*.pgx)</translation>
    </message>
    <message>
        <source>BMP File (*_eyetx.bmp)</source>
        <translation>BMP File (*_eyetx.bmp)</translation>
    </message>
    <message>
        <source>PGDAF File (*.pgdaf)</source>
        <translation>PGDAF File (*.pgdaf)</translation>
    </message>
    <message>
        <source>レジストリが正しく登録されていません。セットアップをやり直してください</source>
        <translation>The program's settings are not registered correctly. Please run the setup again</translation>
    </message>
    <message>
        <source>胴体のテクスチュアがありません</source>
        <translation>There is no body texture</translation>
    </message>
    <message>
        <source>データ合体ファイル%1はすでにあります。作り直しますか？</source>
        <translation>The combined data file %1 already exists. Make it again?</translation>
    </message>
    <message>
        <source>データ合体ファイル%1を%2に作ります</source>
        <translation>The combined data file %1 will be made in %2</translation>
    </message>
    <message>
        <source>ファイル 'data' は開けませんでした</source>
        <translation>The file 'data' could not be opened</translation>
    </message>
    <message>
        <source>%1を作成しました</source>
        <translation>%1 made</translation>
    </message>
    <message>
        <source>ファイルがありません</source>
        <translation>There is no file</translation>
    </message>
    <message>
        <source>胴体のテクスチュアファイルがあります。上書きしますか？</source>
        <translation>The body texture file exists. Replace it?</translation>
    </message>
    <message>
        <source>胸ビレのテクスチュアファイルがあります。上書きしますか？</source>
        <translation>The pectoral fin texture file exists. Replace it?</translation>
    </message>
    <message>
        <source>眼のテクスチュアファイルがあります。上書きしますか？</source>
        <translation>The eye texture file exists. Replace it?</translation>
    </message>
    <message>
        <source>PGXファイルがあります。上書きしますか？</source>
        <translation>The PGX file exists. Replace it?</translation>
    </message>
    <message>
        <source>ファイルを分離しました</source>
        <translation>The files were separated</translation>
    </message>
    <message>
        <source>ファイル '%1' は読めませんでした</source>
        <translation>The file '%1' could not be read</translation>
    </message>
    <message>
        <source>ファイル '%1' の大きさが途中で変わりました</source>
        <translation>The size of the file '%1' changed while it was read</translation>
    </message>
    <message>
        <source>ファイル '%1' は大きすぎます（4GBまで）</source>
        <translation>The file '%1' is too large (4 GB at most)</translation>
    </message>
    <message>
        <source>ファイル '%1' は書き込めませんでした</source>
        <translation>The file '%1' could not be written</translation>
    </message>
    <message>
        <source>データ合体ファイル '%1' は正しくありません。先頭がPGDAFではありません</source>
        <translation>The combined data file '%1' is not valid. It does not start with PGDAF</translation>
    </message>
    <message>
        <source>データ合体ファイル '%1' は正しくありません。40バイトのヘッダーがありません</source>
        <translation>The combined data file '%1' is not valid. It has no 40-byte header</translation>
    </message>
    <message>
        <source>データ合体ファイル '%1' は正しくありません。ヘッダーの長さでは%2バイトのはずが、%3バイトあります</source>
        <translation>The combined data file '%1' is not valid. Its header gives %2 bytes, but it has %3</translation>
    </message>
    <message>
        <source>ファイル '%1' は普通のファイルではありません</source>
        <translation>The file '%1' is not a regular file</translation>
    </message>
    <message>
        <source>ファイル '%1' は元のファイル '%2' と同じです。上書きできません</source>
        <translation>The file '%1' is the same file as the source '%2'. It cannot be replaced</translation>
    </message>
    <message>
        <source>書き出すファイルはありませんでした</source>
        <translation>There was no file to write</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>pgpack: %1
</source>
        <translation>pgpack: %1
</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>one file only: %1</source>
        <translation>one file only: %1</translation>
    </message>
    <message>
        <source>which file?</source>
        <translation>which file?</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>--overwrite and --skip-existing exclude each other</source>
        <translation>--overwrite and --skip-existing exclude each other</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no such file</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: no such folder</translation>
    </message>
    <message>
        <source>no body texture %1</source>
        <translation>no body texture %1</translation>
    </message>
    <message>
        <source>no data directory is set up (DataDirectory); give --data-dir DIR</source>
        <translation>no data directory is set up (DataDirectory); give --data-dir DIR</translation>
    </message>
    <message>
        <source>%1 exists; --overwrite replaces it</source>
        <translation>%1 exists; --overwrite replaces it</translation>
    </message>
    <message>
        <source>%1 exists; --overwrite replaces, --skip-existing keeps</source>
        <translation>%1 exists; --overwrite replaces, --skip-existing keeps</translation>
    </message>
    <message>
        <source>%1 exist; --overwrite replaces, --skip-existing keeps</source>
        <translation>%1 exist; --overwrite replaces, --skip-existing keeps</translation>
    </message>
    <message>
        <source>kept the existing %1</source>
        <translation>kept the existing %1</translation>
    </message>
    <message>
        <source>no display to show the dialog on</source>
        <translation>no display to show the dialog on</translation>
    </message>
    <message>
        <source>cannot show the dialog: no display answers at %1 (the command line needs none)</source>
        <translation>cannot show the dialog: no display answers at %1 (the command line needs none)</translation>
    </message>
    <message>
        <source>built without its dialog</source>
        <translation>built without its dialog</translation>
    </message>
    <message>
        <source>%1 has no member with bytes; nothing to write</source>
        <translation>%1 has no member with bytes; nothing to write</translation>
    </message>
    <message>
        <source>done</source>
        <translation>done</translation>
    </message>
    <message>
        <source>%1: not a combined data file (it does not start with PGDAF)</source>
        <translation>%1: not a combined data file (it does not start with PGDAF)</translation>
    </message>
    <message>
        <source>%1: not a combined data file (shorter than its 40-byte header)</source>
        <translation>%1: not a combined data file (shorter than its 40-byte header)</translation>
    </message>
    <message>
        <source>%1: damaged combined data file (its header announces %2 bytes, the file has %3)</source>
        <translation>%1: damaged combined data file (its header announces %2 bytes, the file has %3)</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: cannot be read (%2)</translation>
    </message>
    <message>
        <source>%1: changed while it was being read (%2 bytes expected, %3 found)</source>
        <translation>%1: changed while it was being read (%2 bytes expected, %3 found)</translation>
    </message>
    <message>
        <source>%1: too large for a combined data file (%2 bytes, at most %3)</source>
        <translation>%1: too large for a combined data file (%2 bytes, at most %3)</translation>
    </message>
    <message>
        <source>%1: cannot be written (%2)</source>
        <translation>%1: cannot be written (%2)</translation>
    </message>
    <message>
        <source>%1: %2, not a regular file</source>
        <translation>%1: %2, not a regular file</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>a FIFO</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>a special file</translation>
    </message>
    <message>
        <source>%1: the same file as the source %2, which would be lost; nothing was written</source>
        <translation>%1: the same file as the source %2, which would be lost; nothing was written</translation>
    </message>
    <message>
        <source>%1 appeared while it was being written; it was kept</source>
        <translation>%1 appeared while it was being written; it was kept</translation>
    </message>
    <message>
        <source>file     %1</source>
        <translation>file     %1</translation>
    </message>
    <message>
        <source>size     %1 bytes</source>
        <translation>size     %1 bytes</translation>
    </message>
    <message>
        <source>picture  %1 x %2</source>
        <translation>picture  %1 x %2</translation>
    </message>
    <message>
        <source>member</source>
        <translation>member</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>offset</translation>
    </message>
    <message>
        <source>length</source>
        <translation>length</translation>
    </message>
    <message>
        <source>split into</source>
        <translation>split into</translation>
    </message>
    <message>
        <source>(absent)</source>
        <translation>(absent)</translation>
    </message>
    <message>
        <source>body texture</source>
        <translation>body texture</translation>
    </message>
    <message>
        <source>fin texture</source>
        <translation>fin texture</translation>
    </message>
    <message>
        <source>eye texture</source>
        <translation>eye texture</translation>
    </message>
    <message>
        <source>mesh</source>
        <translation>mesh</translation>
    </message>
    <message>
        <source>--lang takes %1, not '%2'</source>
        <translation>--lang takes %1, not '%2'</translation>
    </message>
    <message>
        <source>usage: pgpack                      the dialog
       pgpack FILE.pgdaf|MESH.pgx  the dialog, with that file chosen
       pgpack pack MESH.pgx... [--data-dir DIR] [--eye-texture FILE] [--overwrite]
       pgpack split FILE.pgdaf... [--into DIR] [--overwrite | --skip-existing]
       pgpack list FILE.pgdaf

pack   joins MESH.pgx and the textures beside it (MESH_tx.bmp, required;
       MESH_fintx.bmp and MESH_eyetx.bmp when present) into DIR/MESH.pgdaf;
       DIR is the data directory set up for the current user unless given.
       --eye-texture takes that eye texture instead; --overwrite replaces
       an existing output.
split  writes the members of FILE.pgdaf into DIR (default: the current
       folder) as FILE_tx.bmp, FILE_fintx.bmp, FILE_eyetx.bmp and FILE.pgx;
       existing files are replaced with --overwrite, kept with
       --skip-existing, and otherwise nothing is written.
list   shows the header and where each member lies.

pack and split take several files: each is packed or split on its own,
--jobs N at a time (default: one per core), one failure never stops the
others, and a summary ends the run (exit status 1 when any failed).

--lang ja|en, with any of these, chooses the language of the dialog and
the messages (by default Japanese under a Japanese locale, English otherwise).

Exit status: 0 done, 1 refused or failed, 2 usage.
</source>
        <translation>usage: pgpack                      the dialog
       pgpack FILE.pgdaf|MESH.pgx  the dialog, with that file chosen
       pgpack pack MESH.pgx... [--data-dir DIR] [--eye-texture FILE] [--overwrite]
       pgpack split FILE.pgdaf... [--into DIR] [--overwrite | --skip-existing]
       pgpack list FILE.pgdaf

pack   joins MESH.pgx and the textures beside it (MESH_tx.bmp, required;
       MESH_fintx.bmp and MESH_eyetx.bmp when present) into DIR/MESH.pgdaf;
       DIR is the data directory set up for the current user unless given.
       --eye-texture takes that eye texture instead; --overwrite replaces
       an existing output.
split  writes the members of FILE.pgdaf into DIR (default: the current
       folder) as FILE_tx.bmp, FILE_fintx.bmp, FILE_eyetx.bmp and FILE.pgx;
       existing files are replaced with --overwrite, kept with
       --skip-existing, and otherwise nothing is written.
list   shows the header and where each member lies.

pack and split take several files: each is packed or split on its own,
--jobs N at a time (default: one per core), one failure never stops the
others, and a summary ends the run (exit status 1 when any failed).

--lang ja|en, with any of these, chooses the language of the dialog and
the messages (by default Japanese under a Japanese locale, English otherwise).

Exit status: 0 done, 1 refused or failed, 2 usage.
</translation>
    </message>
</context>
</TS>

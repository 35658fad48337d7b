<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja">
<context>
    <name>BatchRun</name>
    <message>
        <source>a quote is not closed</source>
        <translation>a quote is not closed</translation>
    </message>
    <message>
        <source>a model's texture, not a fish picture</source>
        <translation>a model's texture, not a fish picture</translation>
    </message>
    <message>
        <source>a recipe begins with its picture, not %1</source>
        <translation>a recipe begins with its picture, not %1</translation>
    </message>
    <message>
        <source>%1 belongs on the command line</source>
        <translation>%1 belongs on the command line</translation>
    </message>
    <message>
        <source>meshmaker: %1 needs a value
</source>
        <translation>meshmaker: %1 needs a value
</translation>
    </message>
    <message>
        <source>meshmaker: %1
</source>
        <translation>meshmaker: %1
</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 1024, not '%1'</source>
        <translation>--jobs takes a number from 1 to 1024, not '%1'</translation>
    </message>
    <message>
        <source>-o names one file; give it in a picture's recipe</source>
        <translation>-o names one file; give it in a picture's recipe</translation>
    </message>
    <message>
        <source>--export %1 names one file; for every picture give .glb or .obj, for one picture its recipe</source>
        <translation>--export %1 names one file; for every picture give .glb or .obj, for one picture its recipe</translation>
    </message>
    <message>
        <source>the recipe file %1 cannot be read</source>
        <translation>the recipe file %1 cannot be read</translation>
    </message>
    <message>
        <source>%1 has a recipe on line %2 already</source>
        <translation>%1 has a recipe on line %2 already</translation>
    </message>
    <message>
        <source>no picture given</source>
        <translation>no picture given</translation>
    </message>
    <message>
        <source>given more than once; converted once</source>
        <translation>given more than once; converted once</translation>
    </message>
    <message>
        <source>it would write %1, which %2 writes</source>
        <translation>it would write %1, which %2 writes</translation>
    </message>
    <message>
        <source>it would write %1, the picture %2</source>
        <translation>it would write %1, the picture %2</translation>
    </message>
    <message>
        <source>       meshmaker --batch PICTURE|FOLDER... [--recursive] [--recipes FILE] [--jobs N]
                 [options for every picture]
         converts many pictures, each as a batch of its own, N at a time
         (default: one per core); a folder gives its pictures (with
         --recursive, those of its subfolders too); the recipe file gives
         each picture its own options, one line each: the picture, then
         its options (without pictures named, its pictures are converted);
         --export .glb or .obj writes NAME.glb or NAME.obj beside each PGX file.
         Exit status 0 all written, 1 some failed, 2 a bad command.
</source>
        <translation>       meshmaker --batch PICTURE|FOLDER... [--recursive] [--recipes FILE] [--jobs N]
                 [options for every picture]
         converts many pictures, each as a batch of its own, N at a time
         (default: one per core); a folder gives its pictures (with
         --recursive, those of its subfolders too); the recipe file gives
         each picture its own options, one line each: the picture, then
         its options (without pictures named, its pictures are converted);
         --export .glb or .obj writes NAME.glb or NAME.obj beside each PGX file.
         Exit status 0 all written, 1 some failed, 2 a bad command.
</translation>
    </message>
    <message>
        <source>more than one picture: %1</source>
        <translation>more than one picture: %1</translation>
    </message>
</context>
<context>
    <name>GltfExport</name>
    <message>
        <source>the model has no triangle to export</source>
        <translation>the model has no triangle to export</translation>
    </message>
    <message>
        <source>the glTF writer failed</source>
        <translation>the glTF writer failed</translation>
    </message>
</context>
<context>
    <name>ModelCommands</name>
    <message>
        <source>the texture: %1</source>
        <translation>the texture: %1</translation>
    </message>
    <message>
        <source>%1 is %2, which the export reads; choose another name</source>
        <translation>%1 is %2, which the export reads; choose another name</translation>
    </message>
    <message>
        <source>%1: cannot write the file (%2)</source>
        <translation>%1: cannot write the file (%2)</translation>
    </message>
    <message>
        <source>%1: %2 parts, %3 vertices, %4 triangles, %5
</source>
        <translation>%1: %2 parts, %3 vertices, %4 triangles, %5
</translation>
    </message>
    <message>
        <source>untextured</source>
        <translation>untextured</translation>
    </message>
    <message>
        <source>textured</source>
        <translation>textured</translation>
    </message>
    <message>
        <source>the PGX file is malformed: %1</source>
        <translation>the PGX file is malformed: %1</translation>
    </message>
    <message>
        <source>--export takes a PGX file and an output file</source>
        <translation>--export takes a PGX file and an output file</translation>
    </message>
    <message>
        <source>no picture %1 beside %2; the export is untextured</source>
        <translation>no picture %1 beside %2; the export is untextured</translation>
    </message>
    <message>
        <source>--info takes one PGX file</source>
        <translation>--info takes one PGX file</translation>
    </message>
    <message>
        <source>usage: meshmaker --export MODEL.pgx OUT.glb|OUT.obj [--picture PICTURE] [--overwrite]
         writes the model as binary glTF, or as OBJ with OUT.mtl,
         OUT_obj_body.png and OUT_obj_fins.png beside it; textured with PICTURE,
         by default the BMP of the model's name beside it; --overwrite lets the
         OBJ's side files replace files of their names
       meshmaker --info MODEL.pgx
         prints the header, the blocks and the mesh's counts
</source>
        <translation>usage: meshmaker --export MODEL.pgx OUT.glb|OUT.obj [--picture PICTURE] [--overwrite]
         writes the model as binary glTF, or as OBJ with OUT.mtl,
         OUT_obj_body.png and OUT_obj_fins.png beside it; textured with PICTURE,
         by default the BMP of the model's name beside it; --overwrite lets the
         OBJ's side files replace files of their names
       meshmaker --info MODEL.pgx
         prints the header, the blocks and the mesh's counts
</translation>
    </message>
    <message>
        <source>file       %1
</source>
        <translation>file       %1
</translation>
    </message>
    <message>
        <source>size       %1 bytes
</source>
        <translation>size       %1 bytes
</translation>
    </message>
    <message>
        <source>picture    %1 x %2, background %3
</source>
        <translation>picture    %1 x %2, background %3
</translation>
    </message>
    <message>
        <source>tail root  %1 (width - 1 - tail root / 100 = %2)
</source>
        <translation>tail root  %1 (width - 1 - tail root / 100 = %2)
</translation>
    </message>
    <message>
        <source>body       %1 columns x %2 rows (N = %3)

</source>
        <translation>body       %1 columns x %2 rows (N = %3)

</translation>
    </message>
    <message>
        <source>block      offset  vertices
</source>
        <translation>block      offset  vertices
</translation>
    </message>
    <message>
        <source>       -  absent
</source>
        <translation>       -  absent
</translation>
    </message>
    <message>
        <source>  (%1 columns)</source>
        <translation>  (%1 columns)</translation>
    </message>
    <message>
        <source>  centre (%1, %2, %3), radius %4, bulge %5, rear colour %6</source>
        <translation>  centre (%1, %2, %3), radius %4, bulge %5, rear colour %6</translation>
    </message>
    <message>
        <source>
mesh       %1 vertices, %2 triangles
</source>
        <translation>
mesh       %1 vertices, %2 triangles
</translation>
    </message>
    <message>
        <source>%1 vertices%2 triangles</source>
        <translation>%1 vertices%2 triangles</translation>
    </message>
    <message>
        <source>  (closed)</source>
        <translation>  (closed)</translation>
    </message>
    <message>
        <source>  (open)</source>
        <translation>  (open)</translation>
    </message>
    <message>
        <source>%1 exists and is not the file you named; --overwrite replaces it</source>
        <translation>%1 exists and is not the file you named; --overwrite replaces it</translation>
    </message>
    <message>
        <source>the name "%1" holds a control character, which no export name may; choose another</source>
        <translation>the name "%1" holds a control character, which no export name may; choose another</translation>
    </message>
</context>
<context>
    <name>ModelTexture</name>
    <message>
        <source>no picture</source>
        <translation>no picture</translation>
    </message>
    <message>
        <source>there is not enough memory for the model's textures</source>
        <translation>there is not enough memory for the model's textures</translation>
    </message>
</context>
<context>
    <name>ObjExport</name>
    <message>
        <source>the model has no triangle to export</source>
        <translation>the model has no triangle to export</translation>
    </message>
    <message>
        <source>the name "%1" cannot be written into an OBJ file</source>
        <translation>the name "%1" cannot be written into an OBJ file</translation>
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
    <name>PgdafReader</name>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>not a PGDAF file (no "PGDAF" at its start)</source>
        <translation>not a PGDAF file (no "PGDAF" at its start)</translation>
    </message>
    <message>
        <source>the header is cut short: %1 of %2 bytes</source>
        <translation>the header is cut short: %1 of %2 bytes</translation>
    </message>
    <message>
        <source>the header's lengths make %1 bytes, the file has %2</source>
        <translation>the header's lengths make %1 bytes, the file has %2</translation>
    </message>
    <message>
        <source>the file holds no mesh</source>
        <translation>the file holds no mesh</translation>
    </message>
    <message>
        <source>the mesh is %1 bytes, far longer than any PGX file</source>
        <translation>the mesh is %1 bytes, far longer than any PGX file</translation>
    </message>
    <message>
        <source>the mesh cannot be read: %1</source>
        <translation>the mesh cannot be read: %1</translation>
    </message>
    <message>
        <source>the body texture cannot be read: %1</source>
        <translation>the body texture cannot be read: %1</translation>
    </message>
</context>
<context>
    <name>PgxReader</name>
    <message>
        <source>vertex %1 of the %2 block is %3</source>
        <translation>vertex %1 of the %2 block is %3</translation>
    </message>
    <message>
        <source>vertex %1 of the %2 block lies %3 file units out, beyond the %4 any picture can give</source>
        <translation>vertex %1 of the %2 block lies %3 file units out, beyond the %4 any picture can give</translation>
    </message>
    <message>
        <source>the %1 flag is %2, not 0 or 1</source>
        <translation>the %1 flag is %2, not 0 or 1</translation>
    </message>
    <message>
        <source>%1 is %2, %3: it is %4 to %5 (%6)</source>
        <translation>%1 is %2, %3: it is %4 to %5 (%6)</translation>
    </message>
    <message>
        <source>the %1 count is %2: negative (a strip built with no column has -1)</source>
        <translation>the %1 count is %2: negative (a strip built with no column has -1)</translation>
    </message>
    <message>
        <source>the %1 count is %2, more than the format's %3 (a strip holds at most 25 columns)</source>
        <translation>the %1 count is %2, more than the format's %3 (a strip holds at most 25 columns)</translation>
    </message>
    <message>
        <source>the %1 count is %2: a strip's last index is odd, two vertices per column</source>
        <translation>the %1 count is %2: a strip's last index is odd, two vertices per column</translation>
    </message>
    <message>
        <source>the file is %1 bytes, shorter than the %2-byte head</source>
        <translation>the file is %1 bytes, shorter than the %2-byte head</translation>
    </message>
    <message>
        <source>wrong magic: not a PGX file (it begins "%1", not "%2")</source>
        <translation>wrong magic: not a PGX file (it begins "%1", not "%2")</translation>
    </message>
    <message>
        <source>the byte after the magic is %1, not 0</source>
        <translation>the byte after the magic is %1, not 0</translation>
    </message>
    <message>
        <source>the body-grid vertex count is %1: negative</source>
        <translation>the body-grid vertex count is %1: negative</translation>
    </message>
    <message>
        <source>the body-grid vertex count is %1, but %2 columns of %3 rows make %4</source>
        <translation>the body-grid vertex count is %1, but %2 columns of %3 rows make %4</translation>
    </message>
    <message>
        <source>the width-minus-tail value is not finite</source>
        <translation>the width-minus-tail value is not finite</translation>
    </message>
    <message>
        <source>the file ends at %1 bytes inside the %2 block (%3 bytes from offset %4); the counts give %5 bytes</source>
        <translation>the file ends at %1 bytes inside the %2 block (%3 bytes from offset %4); the counts give %5 bytes</translation>
    </message>
    <message>
        <source>%1 bytes left over after the last block (the counts give %2 bytes)</source>
        <translation>%1 bytes left over after the last block (the counts give %2 bytes)</translation>
    </message>
    <message>
        <source>the eye radius is negative</source>
        <translation>the eye radius is negative</translation>
    </message>
    <message>
        <source>the eye bulge is negative</source>
        <translation>the eye bulge is negative</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>the file is longer than the largest PGX file (%1 bytes)</source>
        <translation>the file is longer than the largest PGX file (%1 bytes)</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Vantel's Pelagor 3D Fish Data Maker</source>
        <translation>Vantel's Pelagor 3D Fish Data Maker</translation>
    </message>
    <message>
        <source>Version情報</source>
        <translation>Version Info</translation>
    </message>
    <message>
        <source>Vantel's Pelagor3D Data Maker Version 2.50h</source>
        <translation>Vantel's Pelagor3D Data Maker Version 2.50h</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vantel's Pelagor3D Fish Data Maker</source>
        <translation>Vantel's Pelagor3D Fish Data Maker</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open Fish BMP File...</source>
        <translation>Open Fish BMP File...</translation>
    </message>
    <message>
        <source>Save (PGX File)</source>
        <translation>Save (PGX File)</translation>
    </message>
    <message>
        <source>Flip horizontally</source>
        <translation>Flip horizontally</translation>
    </message>
    <message>
        <source>For a fish that faces right: every picture opens mirrored, the open one is opened again mirrored (its tracing starts anew)</source>
        <translation>For a fish that faces right: every picture opens mirrored, the open one is opened again mirrored (its tracing starts anew)</translation>
    </message>
    <message>
        <source>Save picture as body texture</source>
        <translation>Save picture as body texture</translation>
    </message>
    <message>
        <source>Writes the picture as it is shown, as the body texture &lt;name&gt;_tx.bmp beside the PGX file</source>
        <translation>Writes the picture as it is shown, as the body texture &lt;name&gt;_tx.bmp beside the PGX file</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>3D Preview</source>
        <translation>3D Preview</translation>
    </message>
    <message>
        <source>魚の画像ファイルを読み込みます</source>
        <translation>Opens a fish picture</translation>
    </message>
    <message>
        <source>魚の座標データ(pgxファイル)を書き出します</source>
        <translation>Writes the fish's model data (PGX file)</translation>
    </message>
    <message>
        <source>拡大表示します</source>
        <translation>Zooms in</translation>
    </message>
    <message>
        <source>縮小表示します</source>
        <translation>Zooms out</translation>
    </message>
    <message>
        <source>体の輪郭を決めます</source>
        <translation>Traces the body outline</translation>
    </message>
    <message>
        <source>尾鰭の輪郭を決めます</source>
        <translation>Traces the tail fin outline</translation>
    </message>
    <message>
        <source>背鰭の範囲を決めます</source>
        <translation>Sets the dorsal fin's extent</translation>
    </message>
    <message>
        <source>胸鰭の範囲を決めます</source>
        <translation>Sets the ventral fin's extent</translation>
    </message>
    <message>
        <source>尻鰭の範囲を決めます</source>
        <translation>Sets the anal fin's extent</translation>
    </message>
    <message>
        <source>胸鰭の輪郭を決めます</source>
        <translation>Traces the pectoral fin outline</translation>
    </message>
    <message>
        <source>ヒゲの範囲を決めます</source>
        <translation>Sets the whisker's extent</translation>
    </message>
    <message>
        <source>髭</source>
        <translation>Wh</translation>
    </message>
    <message>
        <source>正面の形を決めます</source>
        <translation>Shapes the body seen from the front</translation>
    </message>
    <message>
        <source>上方からみた形を決めます</source>
        <translation>Shapes the body seen from above</translation>
    </message>
    <message>
        <source>眼を立体的にします</source>
        <translation>Gives the eye its depth</translation>
    </message>
    <message>
        <source>魚を立体で表示します (3D Preview)</source>
        <translation>Shows the fish in 3-D (3D Preview)</translation>
    </message>
    <message>
        <source>側面をここで指定したピクセル数毎に分割します</source>
        <translation>Divides the side view every this many pixels</translation>
    </message>
    <message>
        <source>横分割ピクセル数</source>
        <translation>Step (pixels)</translation>
    </message>
    <message>
        <source>縦のポリゴン分割数を決めます</source>
        <translation>Sets how many polygons divide the body vertically</translation>
    </message>
    <message>
        <source>縦分割数</source>
        <translation>Divisions</translation>
    </message>
    <message>
        <source>チェックをはずすと再設定できます</source>
        <translation>Untick to set it again</translation>
    </message>
    <message>
        <source>やり直しの時はCheckをはずしてボタンをクリック</source>
        <translation>To redo, untick the box and click the button</translation>
    </message>
    <message>
        <source>x%1</source>
        <translation>x%1</translation>
    </message>
    <message>
        <source>マウスでドラッグして背ビレの範囲を決めて下さい</source>
        <translation>Drag with the mouse to set the dorsal fin's extent</translation>
    </message>
    <message>
        <source>マウスでドラッグして腹ビレの範囲を決めて下さい</source>
        <translation>Drag with the mouse to set the ventral fin's extent</translation>
    </message>
    <message>
        <source>マウスでドラッグして尻ビレの範囲を決めて下さい</source>
        <translation>Drag with the mouse to set the anal fin's extent</translation>
    </message>
    <message>
        <source>胸ビレを囲む3点を左方から▽の字型にクリックしてください</source>
        <translation>Click the three points around the pectoral fin, from the left, in a ▽ shape</translation>
    </message>
    <message>
        <source>ヒゲ、特殊なヒレなどの範囲を決めてください</source>
        <translation>Set the extent of a whisker or a special fin</translation>
    </message>
    <message>
        <source>体型と胸ビレ、腹ビレの横位置を決めます</source>
        <translation>Set the body's shape and the side positions of the pectoral and ventral fins</translation>
    </message>
    <message>
        <source>体の列は%1列までです。これ以上は追加できません</source>
        <translation>A body has at most %1 columns. No more can be added</translation>
    </message>
    <message>
        <source>edit</source>
        <translation>edit</translation>
    </message>
    <message>
        <source>trace body</source>
        <translation>trace body</translation>
    </message>
    <message>
        <source>trace tail</source>
        <translation>trace tail</translation>
    </message>
    <message>
        <source>move body point</source>
        <translation>move body point</translation>
    </message>
    <message>
        <source>move tail point</source>
        <translation>move tail point</translation>
    </message>
    <message>
        <source>move dorsal fin point</source>
        <translation>move dorsal fin point</translation>
    </message>
    <message>
        <source>move ventral fin point</source>
        <translation>move ventral fin point</translation>
    </message>
    <message>
        <source>move anal fin point</source>
        <translation>move anal fin point</translation>
    </message>
    <message>
        <source>move pectoral fin point</source>
        <translation>move pectoral fin point</translation>
    </message>
    <message>
        <source>move whisker point</source>
        <translation>move whisker point</translation>
    </message>
    <message>
        <source>insert body column</source>
        <translation>insert body column</translation>
    </message>
    <message>
        <source>delete body column</source>
        <translation>delete body column</translation>
    </message>
    <message>
        <source>draw dorsal fin</source>
        <translation>draw dorsal fin</translation>
    </message>
    <message>
        <source>draw ventral fin</source>
        <translation>draw ventral fin</translation>
    </message>
    <message>
        <source>draw anal fin</source>
        <translation>draw anal fin</translation>
    </message>
    <message>
        <source>draw whisker</source>
        <translation>draw whisker</translation>
    </message>
    <message>
        <source>place pectoral fin</source>
        <translation>place pectoral fin</translation>
    </message>
    <message>
        <source>shape front and top</source>
        <translation>shape front and top</translation>
    </message>
    <message>
        <source>open top view</source>
        <translation>open top view</translation>
    </message>
    <message>
        <source>move front view handle</source>
        <translation>move front view handle</translation>
    </message>
    <message>
        <source>move top view width</source>
        <translation>move top view width</translation>
    </message>
    <message>
        <source>place eye</source>
        <translation>place eye</translation>
    </message>
    <message>
        <source>move tail position</source>
        <translation>move tail position</translation>
    </message>
    <message>
        <source>set thickness</source>
        <translation>set thickness</translation>
    </message>
    <message>
        <source>move widest point</source>
        <translation>move widest point</translation>
    </message>
    <message>
        <source>set horizontal step</source>
        <translation>set horizontal step</translation>
    </message>
    <message>
        <source>set vertical divisions</source>
        <translation>set vertical divisions</translation>
    </message>
    <message>
        <source>clear body</source>
        <translation>clear body</translation>
    </message>
    <message>
        <source>clear tail</source>
        <translation>clear tail</translation>
    </message>
    <message>
        <source>clear dorsal fin</source>
        <translation>clear dorsal fin</translation>
    </message>
    <message>
        <source>clear ventral fin</source>
        <translation>clear ventral fin</translation>
    </message>
    <message>
        <source>clear anal fin</source>
        <translation>clear anal fin</translation>
    </message>
    <message>
        <source>clear pectoral fin</source>
        <translation>clear pectoral fin</translation>
    </message>
    <message>
        <source>clear whisker</source>
        <translation>clear whisker</translation>
    </message>
    <message>
        <source>clear eye</source>
        <translation>clear eye</translation>
    </message>
    <message>
        <source>%1   %2 x %3 pixels</source>
        <translation>%1   %2 x %3 pixels</translation>
    </message>
    <message>
        <source>zoom x%1</source>
        <translation>zoom x%1</translation>
    </message>
    <message>
        <source>x %1, y %2   RGB %3, %4, %5</source>
        <translation>x %1, y %2   RGB %3, %4, %5</translation>
    </message>
    <message>
        <source>Editing session %1 restored</source>
        <translation>Editing session %1 restored</translation>
    </message>
    <message>
        <source>The editing session %1 cannot be used: %2. The picture opens as a new fish.</source>
        <translation>The editing session %1 cannot be used: %2. The picture opens as a new fish.</translation>
    </message>
    <message>
        <source>The picture has changed since the editing session %1 was saved. Restore the session anyway? Yes restores it; No opens the picture as a new fish.</source>
        <translation>The picture has changed since the editing session %1 was saved. Restore the session anyway? Yes restores it; No opens the picture as a new fish.</translation>
    </message>
    <message>
        <source>The editing session file could not be written, so neither it nor the PGX file was changed.</source>
        <translation>The editing session file could not be written, so neither it nor the PGX file was changed.</translation>
    </message>
    <message>
        <source>the file is larger than %1 bytes</source>
        <translation>the file is larger than %1 bytes</translation>
    </message>
    <message>
        <source>it is not JSON (%1 at byte %2)</source>
        <translation>it is not JSON (%1 at byte %2)</translation>
    </message>
    <message>
        <source>it is not an editing session of this editor</source>
        <translation>it is not an editing session of this editor</translation>
    </message>
    <message>
        <source>its version is not a whole number from 1 up</source>
        <translation>its version is not a whole number from 1 up</translation>
    </message>
    <message>
        <source>it was written by a newer editor (session version %1; this editor reads version %2)</source>
        <translation>it was written by a newer editor (session version %1; this editor reads version %2)</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 is missing</translation>
    </message>
    <message>
        <source>%1 is not a field of a session</source>
        <translation>%1 is not a field of a session</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 is not a whole number</translation>
    </message>
    <message>
        <source>%1 is not true or false</source>
        <translation>%1 is not true or false</translation>
    </message>
    <message>
        <source>%1 is not a rectangle of x0, y0, x1 and y1</source>
        <translation>%1 is not a rectangle of x0, y0, x1 and y1</translation>
    </message>
    <message>
        <source>%1 is not a list of at most %2 entries</source>
        <translation>%1 is not a list of at most %2 entries</translation>
    </message>
    <message>
        <source>%1 is out of range (%2)</source>
        <translation>%1 is out of range (%2)</translation>
    </message>
    <message>
        <source>%1..%2</source>
        <translation>%1..%2</translation>
    </message>
    <message>
        <source>-%1..%1</source>
        <translation>-%1..%1</translation>
    </message>
    <message>
        <source>0, -1 or odd up to %1</source>
        <translation>0, -1 or odd up to %1</translation>
    </message>
    <message>
        <source>%1[%2]</source>
        <translation>%1[%2]</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>%1 does not end its list with the end marker at entry %2</source>
        <translation>%1 does not end its list with the end marker at entry %2</translation>
    </message>
    <message>
        <source>its fish would not make a readable PGX file (%1)</source>
        <translation>its fish would not make a readable PGX file (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>左の画像部分を右クリックで眼の裏の色を決定</source>
        <translation>Right-click the picture on the left for the colour behind the eye</translation>
    </message>
    <message>
        <source>眼の形を決める</source>
        <translation>Eye shape</translation>
    </message>
    <message>
        <source>眼の位置を決める</source>
        <translation>Eye position</translation>
    </message>
    <message>
        <source>3D Preview - %1</source>
        <translation>3D Preview - %1</translation>
    </message>
    <message>
        <source>%1 vertices, %2 triangles</source>
        <translation>%1 vertices, %2 triangles</translation>
    </message>
    <message>
        <source>No fish picture is open: nothing to show.</source>
        <translation>No fish picture is open: nothing to show.</translation>
    </message>
    <message>
        <source>The fish's PGX data does not read back (%1): nothing to show.</source>
        <translation>The fish's PGX data does not read back (%1): nothing to show.</translation>
    </message>
    <message>
        <source>Wireframe</source>
        <translation>Wireframe</translation>
    </message>
    <message>
        <source>Drag: turn · right or middle drag: move · wheel: zoom · Home: as the picture · S, F, T: side, front, top · W: grid</source>
        <translation>Drag: turn · right or middle drag: move · wheel: zoom · Home: as the picture · S, F, T: side, front, top · W: grid</translation>
    </message>
    <message>
        <source>The 3-D view needs OpenGL 2.1 or OpenGL ES 2, which this display does not offer (%1).</source>
        <translation>The 3-D view needs OpenGL 2.1 or OpenGL ES 2, which this display does not offer (%1).</translation>
    </message>
    <message>
        <source>no OpenGL context can be made</source>
        <translation>no OpenGL context can be made</translation>
    </message>
    <message>
        <source>the OpenGL context cannot be made current</source>
        <translation>the OpenGL context cannot be made current</translation>
    </message>
    <message>
        <source>it offers OpenGL %1.%2</source>
        <translation>it offers OpenGL %1.%2</translation>
    </message>
    <message>
        <source>the shaders do not build: %1</source>
        <translation>the shaders do not build: %1</translation>
    </message>
    <message>
        <source>Error. Cannot make fish polygon data file.</source>
        <translation>Error. Cannot make fish polygon data file.</translation>
    </message>
    <message>
        <source>Dataファイルを書き出しました</source>
        <translation>Data file written</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>画像が大きすぎます (%1 x %2 ピクセル)。%3 MB を超える画像は開けません</source>
        <translation>The picture is too large (%1 x %2 pixels). Pictures over %3 MB cannot be opened</translation>
    </message>
    <message>
        <source>画像が小さすぎます (%1 x %2 ピクセル)。幅と高さは %3 ピクセル以上必要です</source>
        <translation>The picture is too small (%1 x %2 pixels). Width and height must be at least %3 pixels</translation>
    </message>
    <message>
        <source>画像ファイルが途中で切れています (%1 バイト必要ですが %2 バイトしかありません)</source>
        <translation>The picture file is cut short (it needs %1 bytes but has only %2)</translation>
    </message>
    <message>
        <source>画像を読み込めません</source>
        <translation>The picture cannot be read</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>画像を開くためのメモリが足りません</source>
        <translation>Not enough memory to open the picture</translation>
    </message>
    <message>
        <source>画像が大きすぎます (%1 x %2 ピクセル)。幅と高さは %3 ピクセルまでです</source>
        <translation>The picture is too large (%1 x %2 pixels). Width and height can be at most %3 pixels</translation>
    </message>
    <message>
        <source>%1 の画像は読み込めません (BMP, PNG, JPEG, GIF, WebP, TIFF が読めます)</source>
        <translation>%1 pictures cannot be read (BMP, PNG, JPEG, GIF, WebP and TIFF can)</translation>
    </message>
    <message>
        <source>画像ファイルが途中で切れています (%1 バイトで終わっています)</source>
        <translation>The picture file is cut short (it ends after %1 bytes)</translation>
    </message>
    <message>
        <source>魚が全ての色を使っているため、透明な部分に背景の色を割り当てられません</source>
        <translation>The fish uses every colour, so no background colour is left for its transparent parts</translation>
    </message>
    <message>
        <source>All pictures (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff);;Windows BMP File (*.bmp);;PNG File (*.png);;JPEG File (*.jpg *.jpeg);;GIF File (*.gif);;WebP File (*.webp);;TIFF File (*.tif *.tiff)</source>
        <translation>All pictures (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff);;Windows BMP File (*.bmp);;PNG File (*.png);;JPEG File (*.jpg *.jpeg);;GIF File (*.gif);;WebP File (*.webp);;TIFF File (*.tif *.tiff)</translation>
    </message>
    <message>
        <source>体のテクスチュアファイル %1 があります。上書きしますか？</source>
        <translation>The body texture file %1 exists. Replace it?</translation>
    </message>
    <message>
        <source>体のテクスチュアファイル %1 を書き出しました</source>
        <translation>Body texture file %1 written</translation>
    </message>
    <message>
        <source>体のテクスチュアファイル %1 を書き出せません</source>
        <translation>Cannot write the body texture file %1</translation>
    </message>
    <message>
        <source>体のテクスチュアファイル %1 が書き出す間に作られました。上書きしていません</source>
        <translation>The body texture file %1 appeared while it was being written. It was not replaced</translation>
    </message>
    <message>
        <source>%1 は読み込んだ画像 %2 と同じファイルです。上書きできません</source>
        <translation>%1 is the same file as the open picture %2. It cannot be replaced</translation>
    </message>
    <message>
        <source>usage: meshmaker --view MODEL.pgx [--picture PICTURE]
         shows the model in the 3-D view, alone; textured with PICTURE, by default
         the BMP of the model's name beside it
</source>
        <translation>usage: meshmaker --view MODEL.pgx [--picture PICTURE]
         shows the model in the 3-D view, alone; textured with PICTURE, by default
         the BMP of the model's name beside it
</translation>
    </message>
    <message>
        <source>--view takes one PGX file</source>
        <translation>--view takes one PGX file</translation>
    </message>
    <message>
        <source>--picture needs a file</source>
        <translation>--picture needs a file</translation>
    </message>
    <message>
        <source>the picture is %1 x %2 pixels, but the model was made from one of %3 x %4</source>
        <translation>the picture is %1 x %2 pixels, but the model was made from one of %3 x %4</translation>
    </message>
    <message>
        <source>meshmaker: no picture %1 beside %2; the model is shown untextured
</source>
        <translation>meshmaker: no picture %1 beside %2; the model is shown untextured
</translation>
    </message>
    <message>
        <source>meshmaker: no display to show the 3-D view on
</source>
        <translation>meshmaker: no display to show the 3-D view on
</translation>
    </message>
    <message>
        <source>meshmaker: this build has no windows; --view cannot show the model
</source>
        <translation>meshmaker: this build has no windows; --view cannot show the model
</translation>
    </message>
    <message>
        <source>usage: meshmaker --batch PICTURE [options]
PICTURE is a BMP, PNG, JPEG, GIF, WebP or TIFF file.
  --mirror                   flip the picture left to right as it is loaded
  --tail-x E                 tail position (where the body ends)
  --step P                   horizontal step in pixels (body, tail, ventral fin)
  --dorsal X0,Y0,X1,Y1       dorsal fin rectangle
  --ventral X0,Y0,X1,Y1      ventral fin rectangle
  --anal X0,Y0,X1,Y1         anal fin rectangle
  --pectoral X0,Y0,X1,Y1,X2,Y2  the three pectoral fin points
  --whisker X0,Y0,X1,Y1      whisker drag (press, release)
  --divisions N              vertical divisions (1..10)
  --thickness S              body thickness setting
  --peak X                   x of the widest point seen from above
  --eye X,Y,R[,SHAPE[,POSITION]]  eye centre, radius, shape 1..30, position 0..300
  -o OUT.pgx                 where to write (default: beside the picture)
  --export OUT.glb|OUT.obj   also write the fish as a 3-D model (may be repeated)
  --texture                  also write the picture as the body texture NAME_tx.bmp
                             beside the PGX file (a 24-bit BMP, mirrored with --mirror)
  --overwrite                let --texture replace an existing texture, and an OBJ
                             export its existing side files
Coordinates are picture pixels; with --mirror, pixels of the mirrored picture
(x counts from the left edge of the flipped picture).
</source>
        <translation>usage: meshmaker --batch PICTURE [options]
PICTURE is a BMP, PNG, JPEG, GIF, WebP or TIFF file.
  --mirror                   flip the picture left to right as it is loaded
  --tail-x E                 tail position (where the body ends)
  --step P                   horizontal step in pixels (body, tail, ventral fin)
  --dorsal X0,Y0,X1,Y1       dorsal fin rectangle
  --ventral X0,Y0,X1,Y1      ventral fin rectangle
  --anal X0,Y0,X1,Y1         anal fin rectangle
  --pectoral X0,Y0,X1,Y1,X2,Y2  the three pectoral fin points
  --whisker X0,Y0,X1,Y1      whisker drag (press, release)
  --divisions N              vertical divisions (1..10)
  --thickness S              body thickness setting
  --peak X                   x of the widest point seen from above
  --eye X,Y,R[,SHAPE[,POSITION]]  eye centre, radius, shape 1..30, position 0..300
  -o OUT.pgx                 where to write (default: beside the picture)
  --export OUT.glb|OUT.obj   also write the fish as a 3-D model (may be repeated)
  --texture                  also write the picture as the body texture NAME_tx.bmp
                             beside the PGX file (a 24-bit BMP, mirrored with --mirror)
  --overwrite                let --texture replace an existing texture, and an OBJ
                             export its existing side files
Coordinates are picture pixels; with --mirror, pixels of the mirrored picture
(x counts from the left edge of the flipped picture).
</translation>
    </message>
    <message>
        <source>meshmaker: %1
</source>
        <translation>meshmaker: %1
</translation>
    </message>
    <message>
        <source>%1 takes %2 comma-separated integers</source>
        <translation>%1 takes %2 comma-separated integers</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1: '%2' is not an integer</source>
        <translation>%1: '%2' is not an integer</translation>
    </message>
    <message>
        <source>-o needs a file name</source>
        <translation>-o needs a file name</translation>
    </message>
    <message>
        <source>%1: an export is .glb or .obj</source>
        <translation>%1: an export is .glb or .obj</translation>
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
        <source>more than one picture: %1</source>
        <translation>more than one picture: %1</translation>
    </message>
    <message>
        <source>no picture given</source>
        <translation>no picture given</translation>
    </message>
    <message>
        <source>--eye: the radius must be 0 to %1 pixels</source>
        <translation>--eye: the radius must be 0 to %1 pixels</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: no such file</translation>
    </message>
    <message>
        <source>%1 exists; --overwrite replaces it</source>
        <translation>%1 exists; --overwrite replaces it</translation>
    </message>
    <message>
        <source>%1: body %2 columns x %3 rows; tail %4, dorsal %5, anal %6, ventral %7, whisker %8 columns; pectoral fin %9; eye %10; %11 bytes</source>
        <translation>%1: body %2 columns x %3 rows; tail %4, dorsal %5, anal %6, ventral %7, whisker %8 columns; pectoral fin %9; eye %10; %11 bytes</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>meshmaker: no display; converting %1 in batch
</source>
        <translation>meshmaker: no display; converting %1 in batch
</translation>
    </message>
    <message>
        <source>meshmaker: no display to open the editor on
</source>
        <translation>meshmaker: no display to open the editor on
</translation>
    </message>
    <message>
        <source>meshmaker: cannot open the editor: the display %1 cannot be reached
</source>
        <translation>meshmaker: cannot open the editor: the display %1 cannot be reached
</translation>
    </message>
    <message>
        <source>usage: meshmaker [PICTURE]
       meshmaker --batch PICTURE [options]
       meshmaker --export MODEL.pgx OUT.glb|OUT.obj [--picture PICTURE]
       meshmaker --info MODEL.pgx
       meshmaker --view MODEL.pgx [--picture PICTURE]
Each takes --lang ja|en, the language of the windows and messages
(by default Japanese under a Japanese locale, English otherwise).

</source>
        <translation>usage: meshmaker [PICTURE]
       meshmaker --batch PICTURE [options]
       meshmaker --export MODEL.pgx OUT.glb|OUT.obj [--picture PICTURE]
       meshmaker --info MODEL.pgx
       meshmaker --view MODEL.pgx [--picture PICTURE]
Each takes --lang ja|en, the language of the windows and messages
(by default Japanese under a Japanese locale, English otherwise).

</translation>
    </message>
    <message>
        <source>--lang takes %1, not '%2'</source>
        <translation>--lang takes %1, not '%2'</translation>
    </message>
    <message>
        <source>Traced the whole fish: body %1 columns; tail %2, dorsal %3, ventral %4, anal %5 columns; eye %6</source>
        <translation>Traced the whole fish: body %1 columns; tail %2, dorsal %3, ventral %4, anal %5 columns; eye %6</translation>
    </message>
    <message>
        <source>No fish found: every pixel has the background colour of pixel (0, 0)</source>
        <translation>No fish found: every pixel has the background colour of pixel (0, 0)</translation>
    </message>
    <message>
        <source>The fish could not be told apart from its fins (%1): only its body was traced</source>
        <translation>The fish could not be told apart from its fins (%1): only its body was traced</translation>
    </message>
    <message>
        <source>there is no background round it</source>
        <translation>there is no background round it</translation>
    </message>
    <message>
        <source>no part of it is thicker than the rest</source>
        <translation>no part of it is thicker than the rest</translation>
    </message>
    <message>
        <source>The background is not of one colour: colours within %1 of pixel (0, 0)'s were taken for background</source>
        <translation>The background is not of one colour: colours within %1 of pixel (0, 0)'s were taken for background</translation>
    </message>
    <message>
        <source>Whiskers and the like below the head (%1) were left out: the whisker tool draws them</source>
        <translation>Whiskers and the like below the head (%1) were left out: the whisker tool draws them</translation>
    </message>
    <message>
        <source>No eye found (no dark round spot in the head): the eye tool places it</source>
        <translation>No eye found (no dark round spot in the head): the eye tool places it</translation>
    </message>
    <message>
        <source>The fish seems to face right: turn it with File &gt; Flip horizontally and trace again</source>
        <translation>The fish seems to face right: turn it with File &gt; Flip horizontally and trace again</translation>
    </message>
</context>
<context>
    <name>ThumbnailCommand</name>
    <message>
        <source>the mesh is malformed: %1</source>
        <translation>the mesh is malformed: %1</translation>
    </message>
    <message>
        <source>--thumbnail takes a model, an output file and a size</source>
        <translation>--thumbnail takes a model, an output file and a size</translation>
    </message>
    <message>
        <source>the size is a number of pixels from 1 to %1, not '%2'</source>
        <translation>the size is a number of pixels from 1 to %1, not '%2'</translation>
    </message>
    <message>
        <source>%1 is the model itself; choose another name</source>
        <translation>%1 is the model itself; choose another name</translation>
    </message>
    <message>
        <source>the model has no triangles to draw</source>
        <translation>the model has no triangles to draw</translation>
    </message>
    <message>
        <source>usage: meshmaker --thumbnail MODEL OUT.png SIZE
         draws a PGX or PGDAF file in three quarters as a PNG whose longer
         side is SIZE pixels (for file managers' thumbnails; no display needed)
</source>
        <translation>usage: meshmaker --thumbnail MODEL OUT.png SIZE
         draws a PGX or PGDAF file in three quarters as a PNG whose longer
         side is SIZE pixels (for file managers' thumbnails; no display needed)
</translation>
    </message>
</context>
</TS>

#!/usr/bin/env bash
# Makes the exports that programs people use are tried on: the sample fish
# as the batch conversion traces it by default and with the README's model
# recipe, and the README's koi example (a transparent PNG, mirrored), each
# as .glb and as OBJ. Prints the exports' paths, one a line.
#
#   make-exports.sh MESHMAKER SAMPLES_DIR WORK_DIR
set -euo pipefail
meshmaker=$1 samples=$2 work=$3
rm -rf "$work"
mkdir -p "$work/plain" "$work/model" "$work/koi"
cp "$samples/fish.bmp" "$work/plain/fish.bmp"
cp "$samples/fish.bmp" "$work/model/fish.bmp"
cp "$samples/koi.png" "$work/koi/koi.png"

"$meshmaker" --batch "$work/plain/fish.bmp" \
    --export "$work/plain/fish.glb" --export "$work/plain/fish.obj" >/dev/null 2>&1
"$meshmaker" --batch "$work/model/fish.bmp" --step 10 --divisions 8 --thickness 50 \
    --dorsal 140,10,230,60 --ventral 121,150,169,191 --anal 220,115,279,164 \
    --pectoral 82,101,124,104,100,126 --whisker 3,104,18,123 --eye 45,82,8 \
    --export "$work/model/fish.glb" --export "$work/model/fish.obj" >/dev/null 2>&1
"$meshmaker" --batch "$work/koi/koi.png" --mirror --texture \
    --dorsal 140,10,230,60 --ventral 121,150,169,191 --anal 220,115,279,164 \
    --pectoral 82,101,124,104,100,126 --eye 45,82,8 \
    --export "$work/koi/koi.glb" --export "$work/koi/koi.obj" >/dev/null 2>&1
for kind in plain model koi; do
    for ext in glb obj; do
        ls "$work/$kind/"*."$ext"
    done
done

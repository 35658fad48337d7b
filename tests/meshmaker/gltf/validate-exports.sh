#!/usr/bin/env bash
# Exports the sample fish (as the batch conversion traces it by default, and
# with every part) to .glb, textured and untextured, and runs the Khronos glTF
# validator on each; fails when any report has an error.
#
#   validate-exports.sh MESHMAKER SAMPLE.bmp VALIDATOR_DIR WORK_DIR
set -euo pipefail
meshmaker=$1 sample=$2 validator=$3 work=$4
rm -rf "$work"
mkdir -p "$work/plain" "$work/every-part" "$work/untextured"
cp "$sample" "$work/plain/fish.bmp"
cp "$sample" "$work/every-part/fish.bmp"

"$meshmaker" --batch "$work/plain/fish.bmp" >/dev/null
"$meshmaker" --export "$work/plain/fish.pgx" "$work/plain/fish.glb" >/dev/null

"$meshmaker" --batch "$work/every-part/fish.bmp" --step 10 --divisions 8 \
    --dorsal 140,10,230,60 --ventral 121,150,169,191 --anal 220,115,279,164 \
    --pectoral 82,101,124,104,100,126 --whisker 3,104,18,123 --eye 45,82,8 >/dev/null
"$meshmaker" --export "$work/every-part/fish.pgx" "$work/every-part/fish.glb" >/dev/null
cp "$work/every-part/fish.pgx" "$work/untextured/fish.pgx"
"$meshmaker" --export "$work/untextured/fish.pgx" "$work/untextured/fish.glb" >/dev/null 2>&1

NODE_PATH="$validator/node_modules" node "$(dirname "$0")/check-glb.js" \
    "$work/plain/fish.glb" "$work/every-part/fish.glb" "$work/untextured/fish.glb"

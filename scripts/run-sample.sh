#!/usr/bin/env bash
# The main job on the bundled sample fish: a copy of it is converted into a PGX
# file in out/ (the batch conversion, which needs no display).
set -euo pipefail
build=${1:-build}
sample=${2:-samples/fish.bmp}
out=${OUT_DIR:-out}
mkdir -p "$out"
cp "$sample" "$out/"
picture="$out/$(basename "$sample")"
exec "$build/meshmaker/meshmaker" --batch "$picture"

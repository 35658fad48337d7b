#!/usr/bin/env bash
# The main job on the bundled sample fish: a copy of it in out/ is opened in
# the editor; without a display, the editor converts it in batch instead and
# says where the PGX file went.
set -euo pipefail
build=${1:-build}
sample=${2:-samples/fish.bmp}
out=${OUT_DIR:-out}
mkdir -p "$out"
cp "$sample" "$out/"
exec "$build/meshmaker/meshmaker" "$out/$(basename "$sample")"

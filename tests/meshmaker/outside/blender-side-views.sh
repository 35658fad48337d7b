#!/usr/bin/env bash
# Renders the side view of every export of make-exports.sh in Blender
# (side-view.py) and measures the share of the fish's pixels that show its
# picture's background colour (the PGX file's field at offset 12) with
# meshmaker_background_share; fails when any shows it at all (0.05 % or
# more) or when Blender renders nothing. The renders are kept in WORK_DIR.
#
#   blender-side-views.sh MESHMAKER SAMPLES_DIR WORK_DIR BACKGROUND_SHARE
set -euo pipefail
here=$(dirname "$0")
meshmaker=$1 samples=$2 work=$3 share=$4
files=$(bash "$here/make-exports.sh" "$meshmaker" "$samples" "$work") ||
    { echo "the exports could not be made"; exit 1; }
[ "$(wc -l <<<"$files")" -eq 6 ] || { echo "not every export was made: $files"; exit 1; }
failed=0
for file in $files; do
    render="${file%.*}-${file##*.}-side.png"
    if ! blender -b --factory-startup --python "$here/side-view.py" -- "$file" "$render" \
            >"$render.log" 2>&1 || [ ! -s "$render" ]; then
        echo "$file: Blender rendered nothing"
        tail -5 "$render.log"
        failed=1
        continue
    fi
    pgx=$(ls "$(dirname "$file")"/*.pgx)
    background=$(od -An -tx1 -j12 -N3 "$pgx" | tr -d ' \n')
    measured=$("$share" "$render" "$background")
    echo "$file: $measured"
    percent=$(sed -E 's/.*share ([0-9.]+) %.*/\1/' <<<"$measured")
    fish=$(sed -E 's/fish pixels ([0-9]+),.*/\1/' <<<"$measured")
    if [ "$fish" -lt 10000 ] || awk -v p="$percent" 'BEGIN { exit !(p >= 0.05) }'; then
        echo "  the background colour shows, or the fish is missing"
        failed=1
    fi
done
exit $failed

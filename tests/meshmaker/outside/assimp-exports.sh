#!/usr/bin/env bash
# Opens every export of make-exports.sh with assimp (Debian assimp-utils),
# with its usual post-processing, which checks the data; fails on any
# warning or error it logs (degenerate primitives, invalid data ...) and
# prints them. (Its info line "FindInvalidDataProcess finished. Found issues"
# is printed for every mesh that has none, a single valid triangle included;
# the invalid data it finds is logged as an error, "FindInvalidDataProcess
# fails on mesh ...".)
#
#   assimp-exports.sh MESHMAKER SAMPLES_DIR WORK_DIR
set -euo pipefail
here=$(dirname "$0")
files=$(bash "$here/make-exports.sh" "$@") || { echo "the exports could not be made"; exit 1; }
[ "$(wc -l <<<"$files")" -eq 6 ] || { echo "not every export was made: $files"; exit 1; }
failed=0
for file in $files; do
    log=$(assimp info "$file" -l 2>&1) || { echo "assimp cannot open $file:"; echo "$log"; failed=1; continue; }
    complaints=$(grep -E '^(Warn|Error)' <<<"$log" || true)
    if [ -n "$complaints" ]; then
        echo "$file:"
        echo "$complaints"
        failed=1
    else
        echo "$file: $(grep -E '^(Vertices|Faces|Primitive Types):' <<<"$log" | tr -s ' ' | paste -sd ';')"
    fi
done
exit $failed

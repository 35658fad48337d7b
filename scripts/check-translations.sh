#!/usr/bin/env bash
# Checks that every text of a program has its translation in every language:
# lupdate reads the program's sources into copies of its .ts files, and any
# text that is new there, or whose translation is unfinished, fails the check.
#
#   scripts/check-translations.sh LUPDATE PROGRAM_DIR
set -euo pipefail
lupdate=$1
program=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
copies=()
for ts in "$program"/translations/*.ts; do
    cp "$ts" "$work/"
    copies+=("$work/$(basename "$ts")")
done
(cd "$program" && "$lupdate" -silent -locations none -no-obsolete . -ts "${copies[@]}")
status=0
for copy in "${copies[@]}"; do
    missing=$(grep -c 'type="unfinished"' "$copy" || true)
    if [ "$missing" -ne 0 ]; then
        echo "$(basename "$copy"): $missing texts without a translation:"
        grep -B2 'type="unfinished"' "$copy" | grep '<source>' | sed 's/^ */  /'
        status=1
    fi
done
[ $status -eq 0 ] && echo "every text of $(basename "$program") is translated in ${#copies[@]} languages"
exit $status

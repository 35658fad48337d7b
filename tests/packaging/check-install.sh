#!/usr/bin/env bash
# What `cmake --install` puts in place, checked as the desktop uses it: the
# files, the desktop entries (desktop-file-validate), the file types
# (update-mime-database compiles them; PGX is known by name and by its first
# bytes), and the thumbnailer entry run as a file manager runs it, on a PGX
# file, a PGDAF file and a malformed one.
#
#   check-install.sh BUILD_DIR SAMPLE_PICTURE WORK_DIR
set -euo pipefail
build=$1
sample=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

expected="usr/bin/meshmaker
usr/bin/pgpack
usr/share/applications/meshmaker-view.desktop
usr/share/applications/meshmaker.desktop
usr/share/applications/pgpack.desktop
usr/share/doc/pelagor-tools/changelog.Debian.gz
usr/share/doc/pelagor-tools/copyright
usr/share/icons/hicolor/scalable/apps/meshmaker.svg
usr/share/icons/hicolor/scalable/apps/pgpack.svg
usr/share/man/man1/meshmaker.1.gz
usr/share/man/man1/pgpack.1.gz
usr/share/mime/packages/pelagor-tools.xml
usr/share/thumbnailers/meshmaker.thumbnailer"
installed=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
[ "$installed" = "$expected" ] || fail "installed files differ:
$installed"
gzip -t "$share/doc/pelagor-tools/changelog.Debian.gz"

for entry in "$share"/applications/*.desktop; do
    desktop-file-validate "$entry" || fail "$entry"
done
grep -qx 'Exec=meshmaker --view %f' "$share/applications/meshmaker-view.desktop"
grep -qx 'MimeType=application/x-pelagor-pgx;' "$share/applications/meshmaker-view.desktop"
grep -qx 'Exec=pgpack %f' "$share/applications/pgpack.desktop"
grep -qx 'MimeType=application/x-pelagor-pgdaf;' "$share/applications/pgpack.desktop"

update-mime-database "$share/mime"
grep -q '^50:application/x-pelagor-pgx:\*\.pgx$' "$share/mime/globs2" || fail "no *.pgx glob"
grep -q '^50:application/x-pelagor-pgdaf:\*\.pgdaf$' "$share/mime/globs2" || fail "no *.pgdaf glob"
grep -aq 'PGDX f00' "$share/mime/magic" || fail "no PGX magic"
grep -aq '\[60:application/x-pelagor-pgx\]' "$share/mime/magic" || fail "no PGX magic entry"
grep -aq '\[60:application/x-pelagor-pgdaf\]' "$share/mime/magic" || fail "no PGDAF magic entry"

# The thumbnailer entry's command, with the installed program.
thumbnailer=$share/thumbnailers/meshmaker.thumbnailer
grep -qx 'MimeType=application/x-pelagor-pgx;application/x-pelagor-pgdaf;' "$thumbnailer"
exec_line=$(sed -n 's/^Exec=//p' "$thumbnailer")
thumbnail() { # INPUT OUTPUT SIZE
    local command=${exec_line/#meshmaker/$root/usr/bin/meshmaker}
    command=${command//%i/$1}
    command=${command//%o/$2}
    command=${command//%s/$3}
    $command
}
mkdir -p "$work/fish" "$work/data"
cp "$sample" "$work/fish/koi.bmp"
"$root/usr/bin/meshmaker" --batch "$work/fish/koi.bmp" --texture --dorsal 140,10,230,60 \
    --eye 45,82,8 >/dev/null 2>&1
"$root/usr/bin/pgpack" pack "$work/fish/koi.pgx" --data-dir "$work/data" >/dev/null
thumbnail "$work/fish/koi.pgx" "$work/pgx.png" 128 >/dev/null
thumbnail "$work/data/koi.pgdaf" "$work/pgdaf.png" 256 >/dev/null
file "$work/pgx.png" | grep -q 'PNG image data, 128 x' || fail "no PGX thumbnail"
file "$work/pgdaf.png" | grep -q 'PNG image data, 256 x' || fail "no PGDAF thumbnail"
head -c 100 "$work/fish/koi.pgx" >"$work/cut.pgx"
status=0
thumbnail "$work/cut.pgx" "$work/cut.png" 128 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "a malformed file gave exit status $status"
[ ! -e "$work/cut.png" ] || fail "a malformed file left a thumbnail"
echo "installed files, desktop entries, file types and thumbnailer are as they should be"

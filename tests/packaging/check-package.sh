#!/usr/bin/env bash
# The Debian package CPack makes of the build, and lintian's verdict on it:
# no error (its warnings and notes are printed).
#
#   check-package.sh BUILD_DIR WORK_DIR
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || {
    cat "$work/cpack.log"
    exit 1
}
package=$(ls "$work"/pelagor-tools_*.deb)
dpkg-deb --info "$package"
lintian --fail-on error "$package"
echo "lintian finds no error in $(basename "$package")"

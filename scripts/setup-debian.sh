#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing; a machine that has
# everything is left alone.
#
#   scripts/setup-debian.sh run    what building and running meshmaker needs (make run)
#   scripts/setup-debian.sh test   that, and what the tests, benchmarks, fuzzing and
#                                  the package need (make test, make deb); the default
set -euo pipefail
group=${1:-test}
run_packages=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
    # the translations are compiled with Qt's lrelease, found through qt6-tools-dev
    libqt6opengl6-dev qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools
    # qt6-image-formats-plugins: the editor reads WebP and TIFF pictures through it
    qt6-image-formats-plugins
    fonts-ipafont-gothic
    # zlib1g-dev: the model's textures are PNG files deflated with zlib
    libtinygltf-dev nlohmann-json3-dev libstb-dev zlib1g-dev
)
test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth libgl1-mesa-dri
    # python3: the tests paint their corpus of fish pictures with samples/paint_corpus.py
    python3
    # the exports opened and rendered by programs people use (the tests in tests/meshmaker/outside)
    assimp-utils blender python3-numpy
    # the package: CPack's dependency list, lintian's verdict, and the
    # checks of the desktop entries and the file types
    dpkg-dev lintian desktop-file-utils shared-mime-info file
)
case "$group" in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
# The glTF validator of the tests runs on node and is installed with npm;
# any node and npm will do, Debian's only when there are none.
if [ "$group" = test ] && { ! command -v node >/dev/null || ! command -v npm >/dev/null; }; then
    missing+=(nodejs npm)
fi
[ ${#missing[@]} -eq 0 ] && exit 0
echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

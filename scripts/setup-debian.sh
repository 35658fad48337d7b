#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Only what is missing is installed; a machine that has everything is left alone.
set -euo pipefail
packages=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont-gothic
    clang libclang-rt-14-dev
    # qt6-image-formats-plugins: the editor reads WebP and TIFF pictures through it
    libqt6opengl6-dev qt6-image-formats-plugins qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools
    libtinygltf-dev nlohmann-json3-dev libstb-dev
    xvfb xauth libgl1-mesa-dri
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
# The glTF validator of the tests runs on node and is installed with npm;
# any node and npm will do, Debian's only when there are none.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    missing+=(nodejs npm)
fi
[ ${#missing[@]} -eq 0 ] && exit 0
echo "setup: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

#!/usr/bin/env bash
# Installs the Debian packages the build and the tests use, when any is missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config binutils clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    libpugixml-dev libcli11-dev nlohmann-json3-dev
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-documentation-tools libgl-dev
    fonts-dejavu-core
)
[ "${1:-}" = "--with-display" ] && packages+=(xvfb xauth x11-utils)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=sudo
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"

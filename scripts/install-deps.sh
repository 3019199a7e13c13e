#!/usr/bin/env bash
# Installs the Debian packages the build and the tests use, when any is missing.
#   --with-display    also what a real window needs: a virtual X server and the tools that
#                     find, drive and watch the window (scripts/check-run-command.sh)
#   --with-packaging  also what builds and checks the Debian packages (scripts/package.sh,
#                     scripts/check-package.sh)
#   --with-fuzzing    also clang with its libFuzzer runtime (scripts/fuzz.sh)
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config binutils clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    libpugixml-dev libcli11-dev nlohmann-json3-dev
    qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-documentation-tools libgl-dev
    fonts-dejavu-core
)
for option in "$@"; do
    case "$option" in
        --with-display) packages+=(xvfb xauth x11-utils xdotool libxml2-utils) ;;
        --with-packaging) packages+=(dpkg-dev file lintian desktop-file-utils appstream strace) ;;
        --with-fuzzing) packages+=(clang libclang-rt-14-dev) ;;
        *) echo "install-deps.sh: unknown option $option (known: --with-display, --with-packaging, --with-fuzzing)" >&2; exit 2 ;;
    esac
done

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

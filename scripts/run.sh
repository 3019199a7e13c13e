#!/usr/bin/env bash
# Installs what is missing, builds, and opens the program on the demo configuration with the
# simulated bus driver.
#   scripts/run.sh               keeps the working copy of the demo from earlier runs
#   scripts/run.sh --reset-demo  starts again from the bundled demo
#   scripts/run.sh --build-dir DIR
# The working copy lives in <build>/demo-work: made from the bundled demo on the first run and
# kept afterwards, so that changes survive a restart. Without a display, run it under
# xvfb-run (scripts/install-deps.sh --with-display installs it).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
reset=no
while [ $# -gt 0 ]; do
    case "$1" in
        --reset-demo) reset=yes ;;
        --build-dir) build=$(realpath -m "$2"); shift ;;
        *) echo "run.sh: unknown option $1 (known: --reset-demo, --build-dir DIR)" >&2; exit 2 ;;
    esac
    shift
done

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display to open the window on; without one, run: xvfb-run -a scripts/run.sh (xvfb-run comes with scripts/install-deps.sh --with-display)" >&2
    exit 1
fi

"$root/scripts/install-deps.sh"

source "$root/scripts/configure.sh"
[ -f "$build/CMakeCache.txt" ] || configure_build "$build" ON OFF
cmake --build "$build" -j "$(nproc)" \
    --target trelinkkonfigurator MTrelinkL1 ErrorLookUp trelink_demo

bin="$build/bin"
work="$build/demo-work"
if [ "$reset" = yes ] || [ ! -f "$work/trelinkconfig.xml" ]; then
    rm -rf "$work"
    mkdir -p "$work"
    cp "$bin/demo/trelinkconfig.xml" "$bin/demo/mtrelinksim.xml" "$work/"
    echo "run.sh: working copy of the demo made in $work"
fi

# The settings file beside the program names the working copy; a language chosen in the
# program is kept. Until one is chosen none is written, and the program starts in English.
settings="$bin/trelinkkonfigurator.ini"
language=""
if [ -r "$settings" ]; then
    language=$(sed -n 's/^[[:space:]]*[Ll][Aa][Nn][Gg][Uu][Aa][Gg][Ee][[:space:]]*=[[:space:]]*\([-0-9]*\).*/\1/p;T;q' \
        "$settings")
fi
printf '[XMLConfig]\nConfigfilename=%s\n' "$work/trelinkconfig.xml" >"$settings"
[ -z "$language" ] || printf '\n[Options]\nLanguage=%s\n' "$language" >>"$settings"

# The simulated driver finds mtrelinksim.xml beside the configuration.
unset MTRELINK_SIMULATION
cd "$work"
exec "$bin/trelinkkonfigurator"

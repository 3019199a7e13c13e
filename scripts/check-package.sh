#!/usr/bin/env bash
# Unpacks both packages that scripts/package.sh built into a temporary root folder and starts
# the program there through its launcher, offscreen, on a copy of the installed demo. Shows
# from the files it opened that it takes its settings file, its catalogue and both libraries
# from its own folder, and from the demo copy that it tested every entry through the
# simulated driver.
#   scripts/check-package.sh [--build-dir DIR]
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/build-dir.sh"
"$root/scripts/install-deps.sh" --with-packaging

start_limit=60  # seconds until the program has tested the entries and loaded its catalogue
scratch=$(mktemp -d)
program=""
trace="$scratch/trace"
# Ends the traced program by its own process id (the first one in the trace); strace, which
# ran it, ends with it.
stop_program() {
    if [ -n "$program" ]; then
        local traced
        traced=$(awk 'NR == 1 { print $1 }' "$trace" 2>/dev/null)
        [ -z "$traced" ] || kill "$traced" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
        program=""
    fi
}
cleanup() {
    stop_program
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "check-package.sh: FAILED: $*" >&2
    [ ! -s "$scratch/output" ] || { echo "--- output of the program:" >&2; cat "$scratch/output" >&2; }
    exit 1
}

unpacked="$scratch/root"
for package in "$build"/packages/trelinkkonfigurator_*.deb \
    "$build"/packages/trelinkkonfigurator-simulation_*.deb; do
    [ -f "$package" ] || fail "no package $package; build them with scripts/package.sh"
    dpkg-deb -x "$package" "$unpacked"
done
folder="$unpacked/usr/lib/trelinkkonfigurator"
demo="$unpacked/usr/share/trelinkkonfigurator-simulation/demo"

echo "== the installed demo names the installed stand-ins"
drivers=$(sed -n 's|.*<DriverName>\(/.*\)</DriverName>.*|\1|p' "$demo/trelinkconfig.xml" | sort -u)
echo "$drivers"
for driver in $drivers; do
    [ -f "$unpacked$driver" ] || fail "the demo names $driver, which no package installs"
done

# The settings file beside the program links to /etc, outside this temporary root; the
# unpacked one takes its place, pointed at a copy of the demo, as an administrator would.
work="$scratch/work"
mkdir "$work"
cp "$demo/trelinkconfig.xml" "$demo/mtrelinksim.xml" "$work/"
sed -i 's|<ErrorCode>[0-9]*</ErrorCode>|<ErrorCode>1</ErrorCode>|' "$work/trelinkconfig.xml"
settings="$folder/trelinkkonfigurator.ini"
[ "$(readlink "$settings")" = /etc/trelinkkonfigurator/trelinkkonfigurator.ini ] ||
    fail "the settings file beside the program does not lead to /etc"
sed "s|^Configfilename=.*|Configfilename=$work/trelinkconfig.xml|" \
    "$unpacked/etc/trelinkkonfigurator/trelinkkonfigurator.ini" >"$scratch/settings"
rm "$settings"
mv "$scratch/settings" "$settings"

echo "== starting $unpacked/usr/bin/trelinkkonfigurator offscreen"
mkdir -m 700 "$scratch/runtime"
(cd "$scratch" && XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen \
    exec strace -f -qq -e trace=openat -o "$trace" "$unpacked/usr/bin/trelinkkonfigurator") \
    >"$scratch/output" 2>&1 &
program=$!
catalogue="$folder/TrelinkKonfiguratorRes_44.qm"
started=$SECONDS
until grep -q "\"$catalogue\".* = [0-9]" "$trace" 2>/dev/null; do
    kill -0 "$program" 2>/dev/null || fail "the program ended during start-up"
    ((SECONDS - started <= start_limit)) || fail "no catalogue loaded within ${start_limit}s"
    sleep 0.2
done
sleep 1
kill -0 "$program" 2>/dev/null || fail "the program ended after its start-up"
echo "running; it opened from its own folder:"
for file in trelinkkonfigurator.ini TrelinkKonfiguratorRes_44.qm libMTrelinkL1.so libErrorLookUp.so; do
    grep -q "\"$folder/$file\".* = [0-9]" "$trace" || fail "it did not open $folder/$file"
    echo "  $file"
done
codes=$(sed -n 's|.*<ErrorCode>\(.*\)</ErrorCode>.*|\1|p' "$work/trelinkconfig.xml" | paste -sd ' ')
[ "$codes" = "0 40963 40965" ] || fail "the demo copy holds ErrorCodes $codes, not 0 40963 40965"
echo "the demo copy holds the simulated driver's answers: $codes"
stop_program

echo "== $unpacked/usr/bin/trelinkctl on the same copy"
# Through its launcher, the twin finds the settings file and the libraries in the same folder.
(cd "$scratch" && "$unpacked/usr/bin/trelinkctl" --lang en diagnose 1) ||
    fail "trelinkctl could not diagnose the demo's ready adapter"
echo "== the unpacked programs start"

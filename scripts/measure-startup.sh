#!/usr/bin/env bash
# Start-up of the program on the demo configuration against a bare Qt window that shows and
# quits, measured in the same run: the time from launch until the window is mapped on the X
# server, the median of several runs of each, taken in turns.
#   scripts/measure-startup.sh [--build-dir DIR] [--runs N]
# Without a display it runs itself under xvfb-run (scripts/install-deps.sh --with-display).
set -euo pipefail
export LC_ALL=C

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
runs=11
while [ $# -gt 0 ]; do
    case "$1" in
        --build-dir) build=$(cd "$2" && pwd); shift ;;
        --runs) runs="$2"; shift ;;
        *) echo "measure-startup.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done

if [ -z "${DISPLAY:-}" ]; then
    command -v xvfb-run >/dev/null || {
        echo "measure-startup.sh: no display and no xvfb-run; run scripts/install-deps.sh --with-display" >&2
        exit 1
    }
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --build-dir "$build" --runs "$runs"
fi
command -v xev >/dev/null || { echo "measure-startup.sh: needs xev (package x11-utils)" >&2; exit 1; }

cmake --build "$build" --target trelinkkonfigurator trelink_bare_window MTrelinkL1 ErrorLookUp \
    trelink_demo >/dev/null

# A private copy of the program beside its own settings file and demo configuration.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bin="$build/bin"
cp "$bin/trelinkkonfigurator" "$bin/libMTrelinkL1.so" "$bin/libErrorLookUp.so" \
    "$bin/TrelinkKonfiguratorRes_49.qm" "$bin/demo/trelinkconfig.xml" "$bin/demo/mtrelinksim.xml" \
    "$work/"
printf '[XMLConfig]\nConfigfilename=%s\n[Options]\nLanguage=49\n' "$work/trelinkconfig.xml" \
    >"$work/trelinkkonfigurator.ini"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
unset MTRELINK_SIMULATION QT_QPA_PLATFORM

microseconds() { local t=$1; echo $((10#${t/./})); }

# Prints the microseconds from starting the command until the first top-level window maps.
time_to_map() {
    local events="$work/events"
    rm -f "$events"
    mkfifo "$events"
    stdbuf -oL xev -root -event substructure >"$events" 2>/dev/null &
    local watcher=$!
    exec 3<"$events"
    # Let the watcher select its events, then forget what it printed so far.
    sleep 0.3
    while read -r -t 0.05 _ <&3; do :; done
    local start=$EPOCHREALTIME line
    (cd "$work" && exec "$@") >/dev/null 2>&1 &
    local program=$!
    while read -r -t 30 line <&3; do
        [[ $line == MapNotify* ]] && break
    done
    local end=$EPOCHREALTIME
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    kill "$watcher" 2>/dev/null || true
    wait "$watcher" 2>/dev/null || true
    exec 3<&-
    echo $(($(microseconds "$end") - $(microseconds "$start")))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

bare=()
text=()
program=()
for ((run = 0; run < runs; ++run)); do
    bare+=("$(time_to_map "$bin/trelink_bare_window")")
    text+=("$(time_to_map "$bin/trelink_bare_window" --with-text)")
    program+=("$(time_to_map "$work/trelinkkonfigurator")")
done
bare_median=$(printf '%s\n' "${bare[@]}" | median)
text_median=$(printf '%s\n' "${text[@]}" | median)
program_median=$(printf '%s\n' "${program[@]}" | median)
echo "bare Qt window (us):            ${bare[*]}"
echo "bare window with a label (us):  ${text[*]}"
echo "program on the demo (us):       ${program[*]}"
awk -v b="$bare_median" -v t="$text_median" -v p="$program_median" 'BEGIN {
    printf "median: bare %.1f ms, with a label %.1f ms, program %.1f ms\n", b / 1000, t / 1000, p / 1000
    printf "program / bare window: %.2f (target at most 1.5); program / window with a label: %.2f\n",
        p / b, p / t }'

#!/usr/bin/env bash
# Proves the README's run command the way a new user meets it, on an X server (under CI a
# virtual one): scripts/run.sh must open the main window with its title, the window
# must close the way a user closes it, the program must end with status 0, and the demo's
# working copy must be a complete configuration that the program has loaded and saved.
#   xvfb-run -a scripts/check-run-command.sh [--build-dir DIR]
# Three runs: the first as on a fresh clone (no settings file, no working copy), a later one
# that keeps the working copy, and one with --reset-demo. A settings file or catalogue that
# the build folder lacks shows a message instead of the window, so it fails here too.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/build-dir.sh"
[ -n "${DISPLAY:-}" ] || {
    echo "check-run-command.sh: needs an X server; run: xvfb-run -a $0" >&2
    exit 2
}

title="Morvak Trelink-Zazorudevoza"
window_limit=${TRELINK_WINDOW_LIMIT:-300}  # seconds; the run command may have to build first
close_limit=30
bin="$build/bin"
work="$build/demo-work"
config="$work/trelinkconfig.xml"
settings="$bin/trelinkkonfigurator.ini"

program=""
fail() {
    if [ -n "$program" ]; then
        kill "$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
    fi
    echo "check-run-command.sh: FAILED: $*" >&2
    [ -s "${log:-}" ] && { echo "--- output of the run command:" >&2; tail -n 20 "$log" >&2; }
    exit 1
}

scratch=$(mktemp -d)
log="$scratch/run.log"
# A lock folder of its own, so that no copy running elsewhere makes this one end silently.
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime"
unset QT_QPA_PLATFORM

# Start as on a fresh clone; what a developer had is put back afterwards.
mkdir "$scratch/kept"
stash() { if [ -e "$1" ]; then mv "$1" "$scratch/kept/$2"; fi; }
stash "$settings" settings
stash "$work" work
restore() {
    rm -rf "$settings" "$work"
    if [ -e "$scratch/kept/settings" ]; then mv "$scratch/kept/settings" "$settings"; fi
    if [ -e "$scratch/kept/work" ]; then mv "$scratch/kept/work" "$work"; fi
    rm -rf "$scratch"
}
trap restore EXIT

# Names of the top-level windows on the screen, the root window aside.
root_window=$(xdotool search --maxdepth 0 --name '')
shown_windows() {
    local id name
    for id in $(xdotool search --maxdepth 1 --onlyvisible --name '' 2>/dev/null); do
        [ "$id" != "$root_window" ] || continue
        name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
        echo "${name:-(no title)}"
    done
}

# Starts the run command with the given options, waits for the main window, closes it with
# the given key and waits for the program to end with status 0.
run_and_close() {
    local key=$1
    shift
    echo "== scripts/run.sh $*, closed with $key"
    "$root/scripts/run.sh" --build-dir "$build" "$@" >"$log" 2>&1 &
    program=$!
    local window="" started=$SECONDS
    until [ -n "$window" ]; do
        if ! kill -0 "$program" 2>/dev/null; then
            local status=0
            wait "$program" || status=$?
            program=""
            fail "the run command ended with status $status before its window showed"
        fi
        if ((SECONDS - started > window_limit)); then
            fail "no window within ${window_limit}s; on the screen: $(shown_windows | paste -sd '|')"
        fi
        window=$(xdotool search --maxdepth 1 --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1 || true)
        local others
        others=$(shown_windows | grep -vx "$title" || true)
        if [ -n "$others" ]; then
            fail "another window showed instead of the main window: $(paste -sd '|' <<<"$others")"
        fi
        [ -n "$window" ] || sleep 0.2
    done
    echo "main window \"$title\" shown after $((SECONDS - started))s"
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers "$key"
    started=$SECONDS
    while kill -0 "$program" 2>/dev/null; do
        if ((SECONDS - started > close_limit)); then
            fail "the window did not close on $key; on the screen: $(shown_windows | paste -sd '|')"
        fi
        sleep 0.2
    done
    local status=0
    wait "$program" || status=$?
    program=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
    echo "program ended with status 0"
}

# The working copy must be a whole configuration: well-formed, three entries, five types,
# and each entry's ErrorCode as the simulated driver answered the start-up test.
check_configuration() {
    xmllint --noout "$config" || fail "the working copy is no well-formed XML file"
    [ "$(grep -c '<Hardware>' "$config")" -eq 3 ] || fail "the working copy lacks entries"
    [ "$(grep -c '<TypeId>' "$config")" -eq 5 ] || fail "the working copy lacks types"
    local codes
    codes=$(sed -n 's|.*<ErrorCode>\(.*\)</ErrorCode>.*|\1|p' "$config" | paste -sd ' ')
    [ "$codes" = "0 40963 40965" ] ||
        fail "ErrorCodes $codes instead of the start-up test's 0 40963 40965"
    grep -qx "Configfilename=$config" "$settings" ||
        fail "the settings file beside the program does not name the working copy"
}

# What the simulated driver writes when "E&xit" asks it to save its own configuration.
check_driver_saved() {
    [ "$(cat "$config.l1" 2>/dev/null)" = $'1 1 0 1\n2 3 5 1\n3 2 0 0' ] ||
        fail "the bus driver's own configuration was not saved on leaving"
}

echo "== without a display"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$root/scripts/run.sh" --build-dir "$build" >"$log" 2>&1 || status=$?
[ "$status" -ne 0 ] && [ "$(wc -l <"$log")" -eq 1 ] ||
    fail "without a display the run command must fail with one line (status $status)"
cat "$log"

# First run, as on a fresh clone (English, no language stored yet); "E&xit" by its mnemonic.
run_and_close alt+x
check_configuration
check_driver_saved

# A later run keeps the working copy (the marker stays) and tests every entry again.
sed -i -e 's|<ErrorCode>[0-9]*</ErrorCode>|<ErrorCode>1</ErrorCode>|' \
    -e 's|</TrelinkConfig>|<!-- kept --></TrelinkConfig>|' "$config"
rm "$config.l1"
run_and_close Escape
check_configuration
grep -q '<!-- kept -->' "$config" || fail "a later run did not keep the working copy"
[ ! -e "$config.l1" ] || fail "Escape saved the bus driver's configuration as leaving does"

run_and_close alt+x --reset-demo
check_configuration
check_driver_saved
! grep -q '<!-- kept -->' "$config" || fail "--reset-demo kept the old working copy"
echo "== the run command works"

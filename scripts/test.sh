#!/usr/bin/env bash
# Installs what the build needs (Debian packages), configures, builds and runs every test.
#   scripts/test.sh                  everything, warnings as errors
#   scripts/test.sh --core --sanitize --build-dir build-asan
#                                    store, services and stand-ins only (no Qt on the include
#                                    path), with AddressSanitizer and UndefinedBehaviorSanitizer
#   scripts/test.sh -R IniFile       only the tests whose name matches
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
gui=ON
sanitize=OFF
ctest_args=()
while [ $# -gt 0 ]; do
    case "$1" in
        --core) gui=OFF ;;
        --sanitize) sanitize=ON ;;
        --build-dir) build="$2"; shift ;;
        -R) ctest_args+=(-R "$2"); shift ;;
        *) echo "test.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done

"$root/scripts/install-deps.sh"

source "$root/scripts/configure.sh"
configure_build "$build" "$gui" "$sanitize"
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --no-tests=error "${ctest_args[@]}"

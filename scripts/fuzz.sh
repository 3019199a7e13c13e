#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in a build folder of their own (the gcc build
# stays as it is), runs each on its seed corpus for a fixed time and fails on any finding.
#   scripts/fuzz.sh                               every target for 15 s
#   scripts/fuzz.sh --seconds 300 --build-dir build-fuzz ini_file
# New inputs a run finds go to a temporary folder; the corpus in the repository stays as it is.
# A finding leaves its input in the build folder (fuzz-<target>-crash-...) and its log beside it.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-fuzz"
seconds=15
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) seconds="$2"; shift ;;
        --build-dir) build="$2"; shift ;;
        -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
        *) targets+=("$1") ;;
    esac
    shift
done
[ ${#targets[@]} -gt 0 ] || targets=(config_document ini_file file_version simulated_driver)

"$root/scripts/install-deps.sh" --with-fuzzing
command -v clang++ >/dev/null || {
    echo "fuzz.sh: clang++ is missing (Debian packages clang and libclang-rt-dev)" >&2
    exit 1
}

cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DTRELINK_FUZZ=ON \
    -DTRELINK_BUILD_GUI=OFF \
    -DTRELINK_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target trelink_fuzzers -j "$(nproc)"

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in "${targets[@]}"; do
    found=$(mktemp -d)
    log="$build/fuzz-$target.log"
    if "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-$target-" "$found" "$root/fuzz/corpus/$target" \
        >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz_$target: ${runs:-?} runs in ${seconds} s, no finding"
    else
        echo "fuzz_$target: FINDING, see $log" >&2
        tail -n 40 "$log" >&2
        status=1
    fi
    rm -rf "$found"
done
exit "$status"

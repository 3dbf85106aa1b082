#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang in build-fuzz/ and runs each for a
# bounded time, as many at once as there are cores. The seeds in tests/fuzz/corpus are read,
# never written; what a run learns stays in build-fuzz/corpus for the next run.
# A finding stops the script with the target's output; the input that broke the check lies in
# build-fuzz/findings/. Once it is fixed, keep it in tests/fuzz/regressions/<check>/, where
# tst_fuzzregressions feeds it to the same check.
#   tools/fuzz.sh [SECONDS-PER-TARGET]   (default 45)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-45}"
build="$top/build-fuzz"
seeds="$top/tests/fuzz/corpus"
jobs=$(nproc 2>/dev/null || echo 2)
checks=(ini_read ini_write lang_text read_fields word_entries to_bytes parse_wav
        new_file_name password)

source "$top/setup-common.sh"
quendo_install_missing clang libclang-rt-14-dev
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$top/tests/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi
cmake --build "$build" -j"$jobs"

dictionary() {
    case "$1" in
    ini_*|lang_text) echo "$top/tests/fuzz/ini.dict" ;;
    parse_wav) echo "$top/tests/fuzz/wav.dict" ;;
    *) echo "$top/tests/fuzz/vocabulary.dict" ;;
    esac
}

run() {
    local check="$1"
    mkdir -p "$build/corpus/$check" "$build/findings"
    # Qt keeps some memory to the end of the process on purpose; leaks are not what this looks for.
    ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
        "$build/fuzz_$check" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=8192 -print_final_stats=1 -dict="$(dictionary "$check")" \
        -artifact_prefix="$build/findings/$check-" \
        "$build/corpus/$check" "$seeds/$check" >"$build/$check.log" 2>&1
}

running=0
for check in "${checks[@]}"; do
    rm -f "$build/$check.status"
    (
        status=0
        run "$check" || status=$?
        echo "$status" >"$build/$check.status"
    ) &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait -n
        running=$((running - 1))
    fi
done
wait

failed=()
for check in "${checks[@]}"; do
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/$check.log" | tail -1)
    printf 'fuzz %-15s %10s runs\n' "$check" "${runs:-?}"
    [ "$(cat "$build/$check.status" 2>/dev/null)" = 0 ] || failed+=("$check")
done
if [ ${#failed[@]} -gt 0 ]; then
    for check in "${failed[@]}"; do
        echo "=== fuzz_$check found a problem:" >&2
        tail -40 "$build/$check.log" >&2
    done
    exit 1
fi

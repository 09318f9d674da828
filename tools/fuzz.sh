#!/usr/bin/env bash
# Fuzzes every reader: builds the fuzz targets of tests/fuzz with clang, libFuzzer and the address
# and undefined-behaviour sanitizers in build-fuzz/, then runs each target for SECONDS (default 60)
# from its seed corpus. A finding (crash, broken invariant, leak, hang) is copied into
# tests/fuzz/corpus/<target>/ as a regression case, which every ./test.sh then replays, and the
# script fails. New inputs the fuzzer finds interesting stay in build-fuzz/, out of the sources.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
case "$seconds" in '' | *[!0-9]*) echo "usage: tools/fuzz.sh [SECONDS]" >&2; exit 2 ;; esac

./tools/install-deps.sh clang libclang-rt-14-dev

build=build-fuzz
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DDRAWSMITH_FUZZ=ON \
    -DDRAWSMITH_BUILD_BENCH=OFF -DDRAWSMITH_BUILD_TOOLS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_targets

# The readers that take paths write their scratch files here; memory is faster than a disk.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

status=0
summary=()
for seeds in tests/fuzz/corpus/*/; do
    target="$(basename "$seeds")"
    binary="$build/tests/fuzz/$target"
    if [ ! -x "$binary" ]; then
        echo "no fuzz target built for corpus $seeds" >&2
        status=1
        continue
    fi
    work="$build/fuzz-work/$target"
    rm -rf "$work/findings"
    mkdir -p "$work/corpus" "$work/findings"
    echo "== $target: ${seconds} s"
    run=0
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$work/findings/" "$work/corpus" "$seeds" >"$work/log" 2>&1 || run=$?
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)"
    findings=("$work"/findings/*)
    if [ "$run" -ne 0 ] || [ -e "${findings[0]}" ]; then
        tail -n 40 "$work/log"
        for f in "${findings[@]}"; do
            [ -e "$f" ] && cp "$f" "$seeds" && echo "saved $(basename "$f") into $seeds"
        done
        summary+=("$(printf '%-22s %12s executions  FINDING (log: %s)' "$target" "${runs:-?}" "$work/log")")
        status=1
    else
        summary+=("$(printf '%-22s %12s executions  ok' "$target" "${runs:-?}")")
    fi
done

echo
printf '%s\n' "${summary[@]}"
exit $status

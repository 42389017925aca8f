#!/usr/bin/env bash
# Fuzzes each file reader in turn (clang, libFuzzer, ASan + UBSan), then
# minimises what was found into the corpus kept in tests/fuzz/corpus, which
# every build replays as tests.
# Usage: scripts/fuzz.sh [seconds per harness, default 1800] [harness...]
# Each stops after 10 million runs or its time, whichever comes first; one
# runs at a time, at the lowest priority, beside other work on the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-1800}
shift || true
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(settings sequence users_guide sequence_lines wav)

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DFLICKERBOX_FUZZ=ON -DFLICKERBOX_BENCHES=OFF >/dev/null
cmake --build build-fuzz -j2 --target "${harnesses[@]/%/_fuzz}"

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for h in "${harnesses[@]}"; do
    fuzzer=build-fuzz/tests/fuzz/${h}_fuzz
    kept=tests/fuzz/corpus/$h
    work=build-fuzz/fuzz-work/$h
    mkdir -p "$work" build-fuzz/fuzz-logs
    # The fuzzer's timeout is wall time, which a busy machine stretches many
    # times over for a process at the lowest priority; the corpus replay
    # holds each kept input to a second of processor time instead.
    nice -n 19 "$fuzzer" -runs=10000000 -max_total_time="$seconds" -timeout=60 -report_slow_units=1 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/fuzz-logs/${h}-" \
        "$work" "$kept" >"build-fuzz/fuzz-logs/$h.log" 2>&1 || echo "$h: a finding, see build-fuzz/fuzz-logs/$h.log"
    grep -E "^#[0-9]+ +DONE|stat::|Slowest unit" "build-fuzz/fuzz-logs/$h.log" || tail -5 "build-fuzz/fuzz-logs/$h.log"
    # the smallest set of inputs that reaches the same coverage
    minimised=$(mktemp -d)
    nice -n 19 "$fuzzer" -merge=1 "$minimised" "$kept" "$work" >/dev/null 2>&1
    rm -f "$kept"/*
    cp "$minimised"/* "$kept"/
    rm -rf "$minimised"
    echo "$h: $(ls "$kept" | wc -l) inputs kept"
done

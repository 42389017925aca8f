#!/usr/bin/env bash
# Builds the whole tree (program, tools, tests, benchmarks) with clang,
# AddressSanitizer (leak checking on) and UndefinedBehaviorSanitizer in
# build-sanitize/: one build both proves that the tree builds with a second
# compiler and runs sanitized (scripts/test-sanitized.sh).
# Copies the demo library from build/, so scripts/build.sh runs first.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/flickerbox/aobj_sqc.seq ] || scripts/build.sh
cmake --preset sanitize >/dev/null
cmake --build build-sanitize -j"$(nproc)"

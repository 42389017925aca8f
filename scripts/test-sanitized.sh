#!/usr/bin/env bash
# Builds everything the tests use with AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer in build-sanitize/, and runs every test there.
# Copies the demo library from build/, so scripts/build.sh runs first.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/flickerbox/aobj_sqc.seq ] || scripts/build.sh
cmake --preset sanitize >/dev/null
cmake --build build-sanitize -j"$(nproc)"
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"

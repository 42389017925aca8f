#!/usr/bin/env bash
# Builds everything the tests use with AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer in build-sanitize/, and runs the tests there.
# Copies the demo library from build/, so scripts/build.sh runs first.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/flickerbox/aobj_sqc.seq ] || scripts/build.sh
cmake --preset sanitize >/dev/null
cmake --build build-sanitize -j"$(nproc)"
# The sanitizers slow the program several times over, and a few end-to-end
# tests hold it to times on screen: a test that fails gets one more try here
# (its first failure stays in the log), while the plain pass gives one try.
# Tests labelled plain-only spend their time outside the program's code (the
# converters, minutes of repeated turns) and run in the plain pass alone.
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" --repeat until-pass:2 -LE plain-only

#!/usr/bin/env bash
# Runs the tests in the clang build with both sanitizers (built first by
# scripts/build-sanitized.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-sanitized.sh
# The sanitizers slow the program several times over, and a few end-to-end
# tests hold it to times on screen: a test that fails gets one more try here
# (its first failure stays in the log), while the plain pass gives one try.
# Tests labelled plain-only spend their time outside the program's code (the
# converters, minutes of repeated turns, times to the tens of milliseconds)
# and run in the plain pass alone.
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" --repeat until-pass:2 -LE plain-only

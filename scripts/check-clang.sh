#!/usr/bin/env bash
# Proves that the whole tree (program, tools, tests, benchmarks) builds with
# clang as well as with GCC: a build in build-clang with clang++, without
# optimisation or debug information (through ccache when it is there, as every
# build here, so a second run costs little). The demo library is copied from the GCC build's
# program folder when there is one. Nothing is run: the GCC build does that.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

settings=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0)
[ ! -d build/flickerbox ] || settings+=(-DFLICKERBOX_MEDIA_FROM="$PWD/build/flickerbox")
cmake -S . -B build-clang "${settings[@]}" >/dev/null
cmake --build build-clang -j"$(nproc)"
echo "clang: the whole tree builds"

#!/usr/bin/env bash
# Proves that the whole tree (program, tools, tests, benchmarks) compiles with
# clang as well as with GCC: configures build-clang with clang++ and compiles
# every source file to an object without optimisation, debug information or
# linking, through ccache when it is there, so a second run costs seconds.
# Nothing is linked or run: the GCC build does that.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build=build-clang
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DCMAKE_GLOBAL_AUTOGEN_TARGET=ON -DCMAKE_AUTOGEN_ORIGIN_DEPENDS=OFF >/dev/null
# The moc output that sources include.
cmake --build "$build" --target autogen -j"$(nproc)" >/dev/null

# One shell line per source file: its folder and its compile command.
cat > "$build/compile_lines.cmake" <<'CMAKE'
file(READ "${BUILD}/compile_commands.json" json)
string(JSON count LENGTH "${json}")
math(EXPR last "${count} - 1")
set(lines "")
foreach(i RANGE ${last})
  string(JSON dir GET "${json}" ${i} directory)
  string(JSON command GET "${json}" ${i} command)
  string(APPEND lines "cd '${dir}' && ${command}\n")
endforeach()
file(WRITE "${BUILD}/compile_lines.sh" "${lines}")
CMAKE
cmake -DBUILD="$PWD/$build" -P "$build/compile_lines.cmake"

launcher=""
if command -v ccache >/dev/null; then
    launcher=ccache
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
fi
# Each line starts "cd <folder> && <compiler> ..."; the launcher goes before the compiler.
sed -i "s|&& |\&\& $launcher |" "$build/compile_lines.sh"
files=$(wc -l < "$build/compile_lines.sh")
if ! xargs -d '\n' -n 1 -P "$(nproc)" sh -c < "$build/compile_lines.sh"; then
    echo "clang: the tree does not compile (see above)" >&2
    exit 1
fi
echo "clang: all $files source files compile"

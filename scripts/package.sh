#!/usr/bin/env bash
# Builds the Debian packages flickerbox and flickerbox-data into
# build-package/packages/ (or into BUILD_DIR/packages/ when a build folder is
# given, to reuse its build). A fresh build folder gets Debian's hardening
# flags; the time stamps come from the last commit, so two builds of the same
# commit give the same bytes.
# Usage: scripts/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build=${1:-build-package}
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
# CMake reads CXXFLAGS and LDFLAGS but not CPPFLAGS (where _FORTIFY_SOURCE is).
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS

if [ -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" >/dev/null  # an existing build keeps its own settings
else
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)"
rm -rf "$build/packages"
(cd "$build" && cpack -G DEB -B "$PWD/packages" >/dev/null)
rm -rf "$build/packages/_CPack_Packages"
ls -1 "$build"/packages/*.deb

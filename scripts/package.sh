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

# cpack builds nothing itself: the packages' targets are built just below.
settings=(-DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON)
if [ ! -f "$build/CMakeCache.txt" ]; then  # an existing build keeps its own settings
    settings+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF)
fi
cmake -S . -B "$build" "${settings[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target flickerbox flickerbox-clips flickerbox-clip-library \
    flickerbox_media_files flickerbox_starter_data flickerbox_package_files
rm -rf "$build/packages"
(cd "$build" && cpack -G DEB -B "$PWD/packages" >/dev/null)
rm -rf "$build/packages/_CPack_Packages"
ls -1 "$build"/packages/*.deb

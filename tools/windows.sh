#!/usr/bin/env bash
# The Windows build: installs what it needs, cross-builds the libraries from Debian's sources into a
# cache outside the clone (tools/windows/deps.sh; reused when present), builds the programs with the
# project's own CMake and the toolchain file tools/mingw-w64.cmake into build-windows/bin, and packs
# them with every DLL and plugin they load into build-windows/scale-utility-setup-<version>.exe and
# build-windows/scale-utility-<version>-windows-x64.zip (tools/windows/package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 nsis \
    libz-mingw-w64-dev dpkg-dev tcl qt6-base-dev-tools qt6-tools-dev-tools zip
prefix=$(tools/windows/deps.sh | tail -1)
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=tools/mingw-w64.cmake -DCMAKE_PREFIX_PATH="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCALE_WERROR=ON -DSCALE_BENCH=OFF -DSCALE_WINE_TESTS=ON >/dev/null
# The programs, and those the Windows tests drive the windows with. The same folder holds the unit
# tests that tools/windows-test.sh builds and runs under Wine, so the libraries are compiled once.
cmake --build build-windows -j"$(nproc)" --target scale-utility scalectl scale-sim window-round-trip screenshot-tour
bash tools/windows/package.sh build-windows "$prefix"

#!/usr/bin/env bash
# The Windows build's unit tests under Wine: the tests that need no emulated scale, cross-built
# against the libraries of tools/windows.sh (tools/windows/deps.sh reuses its cache, or builds it),
# into build-windows-tests/, where ctest runs each test program through Wine in one prefix kept
# there, with one Wine server for the whole run. Fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 \
    libz-mingw-w64-dev dpkg-dev tcl qt6-base-dev-tools qt6-tools-dev-tools
prefix=$(tools/windows/deps.sh | tail -1)
out=build-windows-tests
cmake -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE=tools/mingw-w64.cmake -DCMAKE_PREFIX_PATH="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCALE_WERROR=ON -DSCALE_BENCH=OFF -DSCALE_WINE_TESTS=ON >/dev/null
cmake --build "$out" -j"$(nproc)" --target wine_unit_tests
(cd "$out" && ctest --output-on-failure -j2 --timeout 600)

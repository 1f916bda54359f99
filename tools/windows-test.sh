#!/usr/bin/env bash
# The Windows build's unit tests under Wine: the tests that need no emulated scale, cross-built in
# build-windows/ beside the programs (tools/windows.sh builds the libraries, or reuses their cache,
# and the programs first), where ctest runs each test program through Wine in one prefix kept there,
# with one Wine server for the whole run. Fails when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/windows.sh
cmake --build build-windows -j"$(nproc)" --target wine_unit_tests
(cd build-windows && ctest --output-on-failure -j2 --timeout 600)

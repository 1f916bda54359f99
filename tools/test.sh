#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the plain build, the link's Win32 backend
# under Wine, the Windows build (its libraries from a cache outside the clone, built when missing)
# with its unit tests under Wine and its installer end to end under Wine, the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short bounded run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/check_layers.sh
bash tools/check_names.sh
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-30}

# The comma-locale tests run whole programs under LC_ALL, as a desktop starts them; the C library
# takes a locale only when it is installed. Quick when they are there already.
installed=$(locale -a)
for name in cs_CZ de_DE pl_PL hu_HU; do
    grep -qx "$name.utf8" <<<"$installed" || $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8"
done

echo "== plain build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCALE_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
# The end-to-end tests run over pseudo-terminals in real time, so a busy machine can starve one of
# them; a failing test gets one more run, and fails the build if it fails again.
retry="--repeat until-pass:2"
(cd build && ctest --output-on-failure -j2 --timeout 600 $retry)

echo "== Win32 serial backend under Wine"
bash tools/wine-test.sh

echo "== Windows build and its unit tests under Wine"
bash tools/windows-test.sh

echo "== Windows installer end to end under Wine"
bash tools/windows/e2e.sh

echo "== sanitizer build (ASan + UBSan, clang), which also holds the fuzz targets"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSCALE_WERROR=ON -DSCALE_SANITIZE=ON \
    -DSCALE_FUZZ=ON -DSCALE_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_CXX_FLAGS=-O1 >/dev/null
cmake --build build-sanitize -j"$jobs"
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions=$PWD/../tools/lsan.supp \
    ctest --output-on-failure -j2 --timeout 900 $retry)

echo "== fuzz targets (${fuzz_seconds} s each)"
targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
for t in $targets; do
    seeds=fuzz/corpus/${t#fuzz_}
    work=$(mktemp -d)
    [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
    echo "-- $t"
    build-sanitize/bin/"$t" -max_total_time="$fuzz_seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=0 "$work" 2>&1 | tail -n 2
    rm -rf "$work"
done
echo "== all tests passed"

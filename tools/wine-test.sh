#!/usr/bin/env bash
# Runs the link's Win32 serial backend under Wine. Cross-builds with mingw-w64 the link's tests that
# need no pseudo-terminal of their own and the COM1 exchanges of tests/windows, then runs them: the
# plain tests once, each exchange case against an emulated scale started for it with the behaviour
# the case needs. Wine's COM1 leads to the link that scale-sim makes (build-wine/ports/COM1), which
# each scale-sim start points at its new pseudo-terminal, so Wine is set up once per prefix.
# Installs what is missing (with sudo when not root); uses build/bin/scale-sim, brought up to date.
# Fails when any test fails; a run that hangs is ended after two minutes and counts as failed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash tools/setup.sh g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64

out=$root/build-wine
jobs=$(nproc)
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs" --target scale-sim
sim=$root/build/bin/scale-sim
# GoogleTest is built from Debian's sources (libgtest-dev) with the same toolchain.
cmake --no-warn-unused-cli -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE=tools/mingw-w64.cmake -DSCALE_GUI=OFF -DSCALE_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCALE_WERROR=ON -DSCALE_WINE_TESTS=ON >/dev/null
cmake --build "$out" -j"$jobs" --target link_wine_tests
exe=$out/bin/link_wine_tests.exe

# A prefix of our own, made on the first run (that takes a while); quiet, and without the offers to
# install Mono and Gecko, which a console program does not need. Wine refuses a prefix owned by
# another user, so one left by a run under another account is made anew.
export WINEPREFIX=$out/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export HOME=${HOME:-$out}
if [ -e "$WINEPREFIX" ] && [ "$(stat -c %u "$WINEPREFIX")" != "$(id -u)" ]; then
    rm -rf "$WINEPREFIX"
fi
ports=$out/ports
mkdir -p "$ports"
# Wine reads the port mapping when its server starts, and rewrites dosdevices/com1 from it then.
if [ "$(readlink "$WINEPREFIX/dosdevices/com1" 2>/dev/null)" != "$ports/COM1" ]; then
    echo "-- setting up Wine in $WINEPREFIX (the first start takes a while)"
    wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$ports/COM1" /f >"$out/wine-setup.log" 2>&1 ||
        { cat "$out/wine-setup.log" >&2; exit 1; }
    wineserver -k || true
    wineserver -w
fi
# One server for all the runs below, instead of one start per run; it ends 30 s after the last one
# even if this script is killed. It takes the pseudo-terminal as its controlling terminal and dumps
# its objects when that hangs up at the end of a case: that goes to a log of its own.
wineserver --persistent=30 >"$out/wineserver.log" 2>&1
simpid=""
cleanup() {
    [ -n "$simpid" ] && kill "$simpid" 2>/dev/null && wait "$simpid" 2>/dev/null
    wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

failed=()
echo "-- link tests without a port"
timeout 120 wine "$exe" --gtest_brief=1 --gtest_filter='-ComPort.*' || failed+=("plain tests")

# Each case: its name, its test, and the emulated scale's options for it.
run_case() {
    local name=$1 test=$2
    shift 2
    local log=$out/acks-$name.log simout=$out/scale-sim-$name.out
    rm -f "$log"
    "$sim" --link "$ports/COM1" --ack-log "$log" "$@" >"$simout" 2>&1 &
    simpid=$!
    for _ in $(seq 50); do
        grep -q "ready" "$simout" 2>/dev/null && break
        sleep 0.1
    done
    echo "-- $name (scale-sim $*)"
    SCALE_ACK_LOG="Z:$log" timeout 120 wine "$exe" --gtest_brief=1 --gtest_filter="ComPort.$test" ||
        failed+=("$name")
    kill "$simpid"
    wait "$simpid" || true
    simpid=""
}
run_case identity Identity
run_case plu PluWrittenAndReadBack
run_case faults FaultsAreRiddenOut --fault nak --fault badcheck --fault garbage
run_case silence SilentScaleFailsAndTheNextExchangeWorks --fault silence:3
run_case late-ack LateScaleFindsTheLastAcknowledgement --read-delay 300

if [ ${#failed[@]} -gt 0 ]; then
    echo "Wine tests failed: ${failed[*]}" >&2
    exit 1
fi
echo "-- the Win32 backend passed under Wine"

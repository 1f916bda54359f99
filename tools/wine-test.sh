#!/usr/bin/env bash
# Runs the link's Win32 serial backend under Wine. Cross-builds with mingw-w64 the link's tests that
# need no pseudo-terminal of their own and the COM1 exchanges of tests/windows, then runs them: the
# plain tests once, each exchange case against an emulated scale started for it with the behaviour
# the case needs. Wine's COM1 leads to the link that scale-sim makes (build-wine/ports/COM1), which
# each scale-sim start points at its new pseudo-terminal, so Wine is set up once per prefix.
# Then the emulated scale's own Windows build, scale-sim.exe, serves on Wine's COM2, one end of a
# pseudo-terminal pair made by socat (a null-modem cable in software), and the Linux scalectl on the
# other end pulls PLUs from it: the file must be the one the Linux scale-sim gives.
# Installs what is missing (with sudo when not root); uses build/bin/scale-sim and build/bin/scalectl,
# brought up to date. Fails when any test fails; a run that hangs is ended after two minutes and
# counts as failed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash tools/setup.sh g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine wine64 socat

out=$root/build-wine
jobs=$(nproc)
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs" --target scale-sim scalectl
sim=$root/build/bin/scale-sim
scalectl=$root/build/bin/scalectl
# GoogleTest is built from Debian's sources (libgtest-dev) with the same toolchain.
cmake --no-warn-unused-cli -S . -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE=tools/mingw-w64.cmake -DSCALE_GUI=OFF -DSCALE_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCALE_WERROR=ON -DSCALE_WINE_TESTS=ON >/dev/null
cmake --build "$out" -j"$jobs" --target link_wine_tests scale-sim
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
# Wine reads the port mapping when its server starts, and rewrites dosdevices/com1 and com2 from it
# then.
if [ "$(readlink "$WINEPREFIX/dosdevices/com1" 2>/dev/null)" != "$ports/COM1" ] ||
    [ "$(readlink "$WINEPREFIX/dosdevices/com2" 2>/dev/null)" != "$ports/COM2" ]; then
    echo "-- setting up Wine in $WINEPREFIX (the first start takes a while)"
    for port in COM1 COM2; do
        wine reg add 'HKLM\Software\Wine\Ports' /v $port /d "$ports/$port" /f >"$out/wine-setup.log" 2>&1 ||
            { cat "$out/wine-setup.log" >&2; exit 1; }
    done
    wineserver -k || true
    wineserver -w
fi
# One server for all the runs below, instead of one start per run; it ends 30 s after the last one
# even if this script is killed. It takes the pseudo-terminal as its controlling terminal and dumps
# its objects when that hangs up at the end of a case: that goes to a log of its own.
wineserver --persistent=30 >"$out/wineserver.log" 2>&1
simpid=""
pairpid=""
cleanup() {
    [ -n "$simpid" ] && kill "$simpid" 2>/dev/null && wait "$simpid" 2>/dev/null
    [ -n "$pairpid" ] && kill "$pairpid" 2>/dev/null && wait "$pairpid" 2>/dev/null
    wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

failed=()
echo "-- link tests without a port"
timeout 120 wine "$exe" --gtest_brief=1 --gtest_filter='-ComPort.*' || failed+=("plain tests")

# Waits up to TENTHS tenths of a second for FILE to say that the emulated scale is ready.
await_ready() {
    local file=$1 tenths=$2
    for _ in $(seq "$tenths"); do
        grep -q "ready" "$file" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# Each case: its name, its test, and the emulated scale's options for it.
run_case() {
    local name=$1 test=$2
    shift 2
    local log=$out/acks-$name.log simout=$out/scale-sim-$name.out
    rm -f "$log"
    "$sim" --link "$ports/COM1" --ack-log "$log" "$@" >"$simout" 2>&1 &
    simpid=$!
    await_ready "$simout" 50 || true
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

# PLUs 1 to 20 pulled from an emulated scale (scale-sim.exe under Wine on COM2, reached through the
# pair's other end; or the Linux one): the PLU file, its first line (the time it was made) left out,
# the acknowledgement log (a text file: CRLF on Windows), the line log and the state file. Ctrl+C
# (SIGINT, which Wine hands to the console handler) stops it; only a stop in order writes the state
# file (Wine ends a program without a handler at once, with the exit code 0). Arguments: the run's
# name, the port scalectl opens, what goes before the paths the emulated scale writes (Z: under
# Wine), its command.
pull_from() {
    local name=$1 port=$2 drive=$3
    shift 3
    local simout=$out/scale-sim-$name.out
    rm -f "$out/acks-$name.log" "$out/line-$name.bin" "$out/state-$name.mem"
    "$@" --ack-log "$drive$out/acks-$name.log" --line-log "$drive$out/line-$name.bin" \
        --state "$drive$out/state-$name.mem" >"$simout" 2>&1 &
    simpid=$!
    await_ready "$simout" 300 || { echo "scale-sim ($name) did not start:" >&2; cat "$simout" >&2; return 1; }
    timeout 60 "$scalectl" --port "$port" plu pull --from 1 --to 20 -o "$out/plu-$name.txt" || return 1
    kill -INT "$simpid"
    wait "$simpid" || { echo "scale-sim ($name) did not stop in order" >&2; return 1; }
    simpid=""
    tail -n +2 "$out/plu-$name.txt" >"$out/plu-$name.body"
}
echo "-- scale-sim.exe on COM2 against the Linux scale-sim"
started=$SECONDS
rm -f "$ports/peer"
socat pty,raw,echo=0,link="$ports/COM2" pty,raw,echo=0,link="$ports/peer" 2>"$out/socat.log" &
pairpid=$!
for _ in $(seq 50); do
    [ -e "$ports/peer" ] && break
    sleep 0.1
done
if pull_from exe "$ports/peer" Z: wine "$out/bin/scale-sim.exe" --port COM2 &&
    pull_from linux "$ports/linux" "" "$sim" --link "$ports/linux" &&
    cmp "$out/plu-exe.body" "$out/plu-linux.body" &&
    diff --strip-trailing-cr "$out/acks-exe.log" "$out/acks-linux.log" &&
    cmp "$out/line-exe.bin" "$out/line-linux.bin" &&
    cmp "$out/state-exe.mem" "$out/state-linux.mem"; then
    echo "-- scale-sim.exe answered as the Linux one ($((SECONDS - started)) s)"
else
    failed+=("scale-sim.exe")
fi
kill "$pairpid" 2>/dev/null && wait "$pairpid" 2>/dev/null || true
pairpid=""

if [ ${#failed[@]} -gt 0 ]; then
    echo "Wine tests failed: ${failed[*]}" >&2
    exit 1
fi
echo "-- the Win32 backend and scale-sim.exe passed under Wine"

#!/usr/bin/env bash
# The Windows package end to end under Wine, against the Linux emulated scale:
#  1. the installer installs silently (/S) into a Wine prefix made anew for the run;
#  2. the installed scale-utility.exe starts, shows its window and closes when asked;
#  3. the windows' round trip (tools/window_round_trip.cpp, run from the installed folder with the
#     installed DLLs and plugins) connects on COM1 (Wine's COM1 is the emulated scale's
#     pseudo-terminal), reads PLUs 1 to 20, sends a changed price, reads the Z report and closes the
#     day; the installed scalectl.exe pulls, pushes and closes the same way from the command line;
#  4. every byte the scale received, and the files written, are compared with the same work done by
#     the Linux build;
#  5. the uninstaller removes what the installer put there and keeps what the program wrote.
# Both runs take a Czech desktop, so the price is typed and read with a decimal comma.
# usage: e2e.sh   (after tools/windows.sh; uses build/ for the Linux side, builds what it lacks)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
bash tools/setup.sh wine wine64 fonts-wine xvfb xauth

version=$(sed -n 's/^project(ScaleUtility VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
installer=$root/build-windows/scale-utility-setup-$version.exe
driver=$root/build-windows/bin/window-round-trip.exe
for file in "$installer" "$driver"; do
    [ -f "$file" ] || { echo "e2e: $file is missing: run tools/windows.sh first" >&2; exit 1; }
done
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target scale-sim scalectl window-round-trip
linux=$root/build/bin

out=$root/build-windows/e2e
rm -rf "$out"
mkdir -p "$out/linux" "$out/wine" "$out/ports"
export LC_ALL=cs_CZ.UTF-8 LANGUAGE=cs
password=4711
printf '%s\n' "$password" >"$out/password"

# The emulated scale for one run: a fresh state, the password, every received byte in LINE_LOG.
simpid=""
start_scale() {
    local link=$1 log=$2
    "$linux/scale-sim" --link "$link" --password "$password" --line-log "$log" >"$log.out" 2>&1 &
    simpid=$!
    for _ in $(seq 100); do
        grep -q "ready" "$log.out" 2>/dev/null && return
        kill -0 "$simpid" 2>/dev/null || break
        sleep 0.1
    done
    echo "e2e: the emulated scale did not start:" >&2
    cat "$log.out" >&2
    exit 1
}
stop_scale() {
    kill "$simpid"
    wait "$simpid" || true
    simpid=""
}
cleanup() {
    if [ -n "$simpid" ]; then kill "$simpid" 2>/dev/null || true; fi
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k 2>/dev/null || true; fi
}
trap cleanup EXIT

# The command-line work, the same on both sides but for the program: pull, push a changed price,
# the Z report with the close. The arguments: the command that runs scalectl.
scalectl_work() {
    "$@" --records records.db --archive archive.db plu pull --from 1 --to 20 -o pulled.txt
    # PLU 3 at 12,34: the file's price column takes the desktop's decimal comma.
    awk -F '\t' 'BEGIN { OFS = FS } $1 == "3" { $2 = "12,34" } { print }' pulled.txt >pushed.txt
    "$@" --records records.db --archive archive.db plu push pushed.txt
    "$@" --records records.db --archive archive.db report --z --password-file ../password -o report.txt
}

echo "-- the Linux run"
start_scale "$linux/ports/COM1" "$out/linux/window.line"
QT_QPA_PLATFORM=offscreen "$linux/window-round-trip" "$password"
stop_scale
start_scale "$linux/ports/COM1" "$out/linux/scalectl.line"
(cd "$out/linux" && scalectl_work "$linux/scalectl")
stop_scale

echo "-- installing into a new Wine prefix"
export WINEPREFIX=$out/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$out/ports/COM1" /f >"$out/wine-setup.log" 2>&1
bash tools/windows/wine-fonts.sh
# Wine maps its ports when its server starts. One server for the rest of the run: it takes the
# scale's pseudo-terminal as its controlling terminal and dumps its objects when that hangs up at
# the end of a run, which goes to a log of its own.
wineserver -k || true
wineserver -w
wineserver --persistent=30 >"$out/wineserver.log" 2>&1
xvfb-run -a -s "-screen 0 1280x1024x24" wine "$installer" /S
installed=$WINEPREFIX/drive_c/Program\ Files/Scale\ Utility
for file in scale-utility.exe scalectl.exe scale-sim.exe uninstall.exe platforms/qwindows.dll \
    sqldrivers/qsqlite.dll sqldrivers/qsqlpsql.dll translations/qtbase_cs.qm; do
    [ -f "$installed/$file" ] || { echo "e2e: the installer did not install $file" >&2; exit 1; }
done
start_menu=$(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Scale Utility.lnk' | head -1)
[ -n "$start_menu" ] || { echo "e2e: no Start-menu entry" >&2; exit 1; }
echo "   installed $(find "$installed" -type f | wc -l) files, $(du -sh "$installed" | cut -f1)"

echo "-- the installed programs under Wine"
start_scale "$out/ports/COM1" "$out/wine/window.line"
# The window itself, then the round trip of its windows from the installed folder. The driver goes
# beside the installed programs for the run, so it loads exactly the installed DLLs and plugins.
cp "$driver" "$installed/"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -euo pipefail -c '
    wine "$1/scale-utility.exe" & program=$!
    python3 "$2" "KLO VELDRAN UTILITY REZ$3" 60
    wait $program
    echo "   scale-utility.exe started, showed its window and closed"
    wine "$1/window-round-trip.exe" "$4"
' sh "$installed" "$root/tools/close_window.py" "$version" "$password"
rm "$installed/window-round-trip.exe"
stop_scale
start_scale "$out/ports/COM1" "$out/wine/scalectl.line"
(cd "$out/wine" && scalectl_work wine "$installed/scalectl.exe")
stop_scale

echo "-- comparing with the Linux run"
# The files' first line holds the time of writing in the desktop's short date format, which is
# Windows' own on Windows ("8. 12. 2026" where Linux writes "08.12.26"): compared without it.
same=true
compare() {
    local name=$1 skip=$2
    if cmp -s <(tail -n +"$skip" "$out/linux/$name") <(tail -n +"$skip" "$out/wine/$name"); then
        echo "   $name: the same ($(wc -c <"$out/linux/$name") bytes)"
    else
        echo "   $name: DIFFERS" >&2
        diff <(xxd "$out/linux/$name") <(xxd "$out/wine/$name") | head -20 >&2 || true
        same=false
    fi
}
for name in window.line scalectl.line; do
    compare "$name" 1
done
for name in pulled.txt pushed.txt report.txt; do
    compare "$name" 2
done
$same

echo "-- uninstalling"
# The installed program keeps its window state and its archive choice in the user's data folder.
data=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/scale-utility
[ -f "$data/scale-utility.CFG" ] || { echo "e2e: no window-state file in $data" >&2; exit 1; }
# A file of the user's own in the program's folder stays too.
echo "mine" >"$installed/notes.txt"
# The uninstaller copies itself away, starts the copy and returns; the copy removes the files. No
# port is open now, so a Wine server of the usual kind serves, and it ends once the copy has.
wineserver -k || true
wineserver -w
wine "$installed/uninstall.exe" /S
wineserver -w
left=$(cd "$installed" && find . | sort | tr '\n' ' ')
[ "$left" = ". ./notes.txt " ] || { echo "e2e: after uninstalling, the folder holds: $left" >&2; exit 1; }
[ ! -e "$start_menu" ] || { echo "e2e: the Start-menu entry stayed" >&2; exit 1; }
[ -f "$data/scale-utility.CFG" ] || { echo "e2e: the uninstaller removed the user's data" >&2; exit 1; }
echo "-- the Windows package passed end to end under Wine"

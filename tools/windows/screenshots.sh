#!/usr/bin/env bash
# Pictures of every window and tab of the Windows build as Wine shows them (the windows style, the
# Windows fonts Wine has), connected to the emulated scale in calibration mode, saved in
# docs/screenshots/windows/. The tour runs from the packed folder, so it loads what the installer
# ships. Needs tools/windows.sh first; uses build/ for the Linux emulated scale.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
bash tools/setup.sh wine wine64 fonts-wine xvfb xauth
version=$(sed -n 's/^project(ScaleUtility VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
packed=$root/build-windows/scale-utility-$version
[ -d "$packed" ] || { echo "screenshots: $packed is missing: run tools/windows.sh first" >&2; exit 1; }
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target scale-sim

out=$root/build-windows/screenshots
mkdir -p "$out/ports"
export WINEPREFIX=$out/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ "$(readlink "$WINEPREFIX/dosdevices/com1" 2>/dev/null)" != "$out/ports/COM1" ]; then
    wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$out/ports/COM1" /f >"$out/wine-setup.log" 2>&1
    wineserver -k || true
    wineserver -w
fi
bash tools/windows/wine-fonts.sh
# The server takes the scale's pseudo-terminal as its controlling terminal and dumps its objects
# when that hangs up at the end: into a log of its own.
wineserver --persistent=10 >"$out/wineserver.log" 2>&1
build/bin/scale-sim --link "$out/ports/COM1" --calibration >"$out/scale-sim.log" 2>&1 &
sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "$packed/screenshot-tour.exe"' EXIT
until grep -q "ready" "$out/scale-sim.log"; do
    kill -0 $sim 2>/dev/null || { cat "$out/scale-sim.log" >&2; exit 1; }
    sleep 0.1
done
cp build-windows/bin/screenshot-tour.exe "$packed/"
shots=$root/docs/screenshots/windows
LANGUAGE=en xvfb-run -a -s "-screen 0 1280x1024x24" wine "$packed/screenshot-tour.exe" 'Z:'"${shots//\//\\}"
rm -f "$shots/logo-photo.bmp" "$shots/logo-photo.png"
echo "screenshots: saved in $shots"

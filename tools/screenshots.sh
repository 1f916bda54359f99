#!/bin/sh
# Pictures of every window and tab (the main window connected to the emulated scale, in calibration
# mode), and the logo test photo before and after scalectl's conversion, saved in docs/screenshots/;
# the windows once more on a Czech desktop, in docs/screenshots/cs/.
# Builds what is missing; needs xvfb-run (packages xvfb, xauth).
# BUILD_DIR chooses the build folder (default: build).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
ninja -C "$build" scale-sim screenshot-tour scalectl
bin=$build/bin
mkdir -p "$bin/ports"

log=$(mktemp)
"$bin/scale-sim" --link "$bin/ports/COM1" --calibration >"$log" 2>&1 &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -f "$log"' EXIT
tries=0
until grep -q "scale-sim: ready on" "$log"; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$sim" 2>/dev/null; then
        echo "screenshots: the emulated scale did not start:" >&2
        cat "$log" >&2
        exit 1
    fi
    sleep 0.1
done

# The windows speak the desktop's language: English pictures whatever this machine's language is.
LANGUAGE=en xvfb-run -a -s "-screen 0 1280x1024x24" "$bin/screenshot-tour" "$root/docs/screenshots"
shots=$root/docs/screenshots
"$bin/scalectl" logo preview "$shots/logo-photo.bmp" "$shots/logo-after.png"
rm -f "$shots/logo-photo.bmp"
# The same windows on a Czech desktop, in docs/screenshots/cs/ (the test photo is the same).
LC_ALL=cs_CZ.UTF-8 LANGUAGE=cs xvfb-run -a -s "-screen 0 1280x1024x24" "$bin/screenshot-tour" "$shots/cs"
rm -f "$shots/cs/logo-photo.bmp" "$shots/cs/logo-photo.png"
echo "screenshots: saved in $root/docs/screenshots"

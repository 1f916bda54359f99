#!/bin/sh
# Pictures of every window and tab (the main window connected to the emulated scale, in calibration
# mode), and the logo test photo before and after scalectl's conversion, saved in docs/screenshots/;
# the windows once more in each translated language, in docs/screenshots/<language>/.
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
# The same windows on a Czech, Slovak, Polish, Hungarian and German desktop, in
# docs/screenshots/<language>/ (the test photo is the same).
for locale in cs_CZ sk_SK pl_PL hu_HU de_DE; do
    language=${locale%_*}
    LC_ALL=$locale.UTF-8 LANGUAGE=$language xvfb-run -a -s "-screen 0 1280x1024x24" "$bin/screenshot-tour" \
        "$shots/$language"
    rm -f "$shots/$language/logo-photo.bmp" "$shots/$language/logo-photo.png"
done
echo "screenshots: saved in $root/docs/screenshots"

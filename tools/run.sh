#!/usr/bin/env bash
# Installs what is missing, builds, starts the emulated scale on COM1 (the ports/COM1 link beside the
# program) and then the utility. Press CONNECT in the window to talk to the emulated scale.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target scale-utility scale-sim scalectl

bin=$PWD/build/bin
log=$(mktemp)
"$bin"/scale-sim --link "$bin"/ports/COM1 --state "$PWD"/build/scale-state.bin \
    --logo-out "$PWD"/build/scale-logo.pbm >"$log" 2>&1 &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 100); do
    grep -q ready "$log" && break
    kill -0 "$sim" 2>/dev/null || { cat "$log"; exit 1; }
    sleep 0.1
done
echo "Emulated scale ready on COM1 ($bin/ports/COM1)."

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display here. To see the window on a virtual one, run:"
    echo "  xvfb-run -a -s '-screen 0 1280x800x24' bash tools/run.sh"
    echo "Meanwhile, the identity exchange with the emulated scale through scalectl:"
    "$bin"/scalectl --port COM1 --trace raw 01
    exit 0
fi
"$bin"/scale-utility

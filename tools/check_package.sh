#!/bin/sh
# Builds the Debian package, installs it on this machine, and checks the installed utility under
# xvfb-run: closed by the window manager's close message it writes its window-state file in the
# user's configuration folder (not beside the program), and at the next start it reads it back.
# Removes the package again at the end. Needs root or sudo. BUILD_DIR chooses the build folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
title="KLO VELDRAN UTILITY REZ1.63"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target scale-utility scale-sim scalectl
(cd "$build" && cpack -G DEB)
package=$(ls "$build"/scale-utility_*.deb)
$sudo apt-get install -y -qq "$package" >/dev/null

home=$(mktemp -d)
trap '$sudo dpkg -r scale-utility >/dev/null; rm -rf "$home"' EXIT
state="$home/.config/scale-utility/scale-utility.CFG"

# Starts the installed program with a fresh home and closes it the way a window manager does.
run_and_close() {
    HOME="$home" XDG_CONFIG_HOME="" xvfb-run -a sh -c \
        '/usr/bin/scale-utility & p=$!; python3 "$1" "$2" 20; wait $p' sh "$root/tools/close_window.py" "$title"
}

run_and_close
[ -f "$state" ] || { echo "check_package: no window-state file at $state" >&2; exit 1; }
[ ! -e /usr/bin/scale-utility.CFG ] || { echo "check_package: state file written beside the program" >&2; exit 1; }
grep -q "^133.$" "$state" && grep -q "^COM1.$" "$state"

# Another port in the file: the next start must show it, and its close writes it again.
sed -i 's/^COM1\r$/COM5\r/' "$state"
awk 'BEGIN { RS = "\r\n" } prev == "133" { $0 = "4" } { prev = $0; printf "%s\r\n", $0 }' "$state" >"$state.new"
mv "$state.new" "$state"
run_and_close
grep -A2 "^133.$" "$state" | tr -d '\r' | tr '\n' ' ' | grep -q "133 4 COM5" ||
    { echo "check_package: the saved port did not come back" >&2; exit 1; }
# The installed scalectl finds COM1 where the installed utility keeps its port links.
sim_log="$home/sim.log"
/usr/bin/scale-sim --link "$home/.config/scale-utility/ports/COM1" >"$sim_log" 2>&1 &
sim=$!
tries=0
until grep -q "ready on" "$sim_log"; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || { echo "check_package: the emulated scale did not start" >&2; exit 1; }
    sleep 0.1
done
HOME="$home" XDG_CONFIG_HOME="" /usr/bin/scalectl --port COM1 raw 01 >/dev/null ||
    { kill "$sim"; echo "check_package: scalectl did not reach COM1 in the configuration folder" >&2; exit 1; }
kill "$sim"
wait "$sim" 2>/dev/null || true

echo "check_package: the installed program wrote and read back $state:"
cat "$state"

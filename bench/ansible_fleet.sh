#!/bin/bash
# The nightly price update's cost over a chain: ansible-playbook with forks 10 over HOSTS local shop
# PCs (default 50) with SCALES emulated scales each (default 2), the run after the first, when every
# scale already holds the file. Prints the seconds per host of the whole run, the task's time per
# host beside a trivial command task's (Ansible's own per-task cost), and scalectl's own time for the
# same no-change push, run directly.
#
#   bench/ansible_fleet.sh BIN_FOLDER [HOSTS] [SCALES]
set -eu
BIN=$(cd "$1" && pwd)
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
HOSTS=${2:-50}
SCALES=${3:-2}
WORK=$(mktemp -d /tmp/scale-fleet-XXXXXX)
# shellcheck source=../tests/ansible/fleet.sh
. "$SOURCE/tests/ansible/fleet.sh"
trap 'stop_fleet; rm -rf "$WORK"' EXIT

start_fleet "$HOSTS" "$SCALES"
"$BIN/scalectl" --port "$WORK/h01/COM1" --records "$WORK/pull.db" plu pull --from 1 --to 40 -o "$WORK/today.plu"
cat >"$WORK/trivial.yml" <<'PLAY'
- name: Ansible alone
  hosts: shops
  gather_facts: false
  tasks:
    - name: A trivial task
      ansible.builtin.command: "true"
PLAY

now() { date +%s.%N; }
run_playbook "$WORK/first.json" "$SOURCE/playbooks/price_update.yml"
start=$(now)
run_playbook "$WORK/again.json" "$SOURCE/playbooks/price_update.yml"
end=$(now)
python3 "$SOURCE/tests/ansible/check.py" "$WORK/again.json" "The day's PLU file on every scale of the shop" ok
start_trivial=$(now)
run_playbook "$WORK/trivial.json" "$WORK/trivial.yml"
end_trivial=$(now)

# scalectl alone, host after host, the same no-change push.
start_direct=$(now)
for ((n = 1; n <= HOSTS; n++)); do
    host=$(printf 'h%02d' "$n")
    ports=()
    for ((s = 1; s <= SCALES; s++)); do
        ports+=(--port "$WORK/$host/COM$s")
    done
    "$BIN/scalectl" --format json "${ports[@]}" --records "$WORK/$host/records.db" plu push "$WORK/today.plu" --changed >/dev/null 2>&1
done
end_direct=$(now)

python3 - "$HOSTS" "$start" "$end" "$start_trivial" "$end_trivial" "$start_direct" "$end_direct" <<'PY'
import sys
hosts = int(sys.argv[1])
s, e, ts, te, ds, de = map(float, sys.argv[2:8])
print('no-change price update, %d hosts, forks 10: %.1f s, %.3f s per host' % (hosts, e - s, (e - s) / hosts))
print('trivial command task, same hosts:          %.1f s, %.3f s per host' % (te - ts, (te - ts) / hosts))
print('the module beyond a trivial task: %.3f s per host' % ((e - s - (te - ts)) / hosts))
print('scalectl alone per host (no-change push --changed, %s): %.3f s' % ('one run per host', (de - ds) / hosts))
PY

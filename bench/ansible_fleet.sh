#!/bin/bash
# The nightly price update's cost over a chain, on this control host: ansible-playbook over HOSTS
# local shop PCs (default 100), each with one emulated scale paced at 9600 baud, at each number of
# forks in FORKS (default "10 50 100"). For each: a run with CHANGED changed rows per scale (default
# 20; written and read back, the default verify) and a run with nothing to send. Prints the wall
# time, the time per host, the control host's CPU seconds (ansible-playbook, its workers and the
# modules they run) and the peak memory of the ansible processes, in all and per fork.
#
#   bench/ansible_fleet.sh BIN_FOLDER [HOSTS] ["FORKS..."] [CHANGED]
set -eu
BIN=$(cd "$1" && pwd)
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
HOSTS=${2:-100}
FORK_LIST=${3:-10 50 100}
CHANGED=${4:-20}
WORK=$(mktemp -d /tmp/scale-fleet-XXXXXX)
export BIN SOURCE WORK
# shellcheck source=../tests/ansible/fleet.sh
. "$SOURCE/tests/ansible/fleet.sh"
trap 'stop_fleet; rm -rf "$WORK"' EXIT
PLU_TASK="The day's PLU file on every scale of the shop"

SIM_ARGS=(--baud 9600)
start_fleet "$HOSTS" 1
"$BIN/scalectl" --port "$WORK/h01/COM1" --records "$WORK/pull.db" plu pull --from 1 --to 40 -o "$WORK/today.plu"
# The first run gives every scale the file (and every PC its record).
run_playbook "$WORK/first.json" "$SOURCE/playbooks/price_update.yml"

# CHANGED prices of the file raised by one cent (PLUs 1 to CHANGED), a new price each round.
round=0
change_prices() {
    round=$((round + 1))
    python3 - "$WORK/today.plu" "$CHANGED" "$round" <<'PY'
import sys
path, changed, bump = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
lines = open(path, encoding='cp1250').read().split('\n')
for i, line in enumerate(lines):
    fields = line.split('\t')
    if len(fields) > 2 and fields[0].isdigit() and 1 <= int(fields[0]) <= changed:
        price = float(fields[1].replace(',', '.')) + 0.01 * bump
        fields[1] = ('%.2f' % price).replace('.', ',' if ',' in fields[1] else '.')
        lines[i] = '\t'.join(fields)
open(path, 'w', encoding='cp1250', newline='').write('\n'.join(lines))
PY
}

# One run: wall seconds, CPU seconds of ansible-playbook and everything it waited for, and the peak
# of the summed resident memory of the ansible-playbook processes (sampled every 0.2 s).
measure() {
    local out=$1 forks=$2
    shift 2
    local peak_file="$WORK/peak" sampler
    echo 0 >"$peak_file"
    (
        peak=0
        while sleep 0.2; do
            # This run's ansible-playbook and its workers (other runs on the machine left out).
            rss=$(ps -eo rss=,args= | awk -v inv="$WORK/inventory.yml" 'index($0, "ansible-playbook") && index($0, inv) {s += $1} END {print s + 0}')
            ((rss > peak)) && peak=$rss && echo "$peak" >"$peak_file"
        done
    ) &
    sampler=$!
    FORKS=$forks python3 -c 'import resource, subprocess, sys, time
start = time.time()
subprocess.call(sys.argv[2:])
used = resource.getrusage(resource.RUSAGE_CHILDREN)
open(sys.argv[1], "w").write("%.2f %.2f %.2f\n" % (time.time() - start, used.ru_utime, used.ru_stime))' \
        "$WORK/time" bash -c '. "$1"; shift; run_playbook "$@"' \
        _ "$SOURCE/tests/ansible/fleet.sh" "$out" "$SOURCE/playbooks/price_update.yml" "$@"
    kill "$sampler"
    wait "$sampler" 2>/dev/null || true
    read -r wall user sys <"$WORK/time"
    printf '%s %s %s' "$wall" "$(awk -v u="$user" -v s="$sys" 'BEGIN {print u + s}')" "$(cat "$peak_file")"
}

printf '%-6s %-10s %9s %12s %9s %12s %14s\n' forks run wall_s per_host_s cpu_s peak_rss_MB rss_per_fork_MB
for forks in $FORK_LIST; do
    for run in changed unchanged; do
        [[ $run == changed ]] && change_prices
        read -r wall cpu peak <<<"$(measure "$WORK/$run-$forks.json" "$forks")"
        python3 "$SOURCE/tests/ansible/check.py" "$WORK/$run-$forks.json" "$PLU_TASK" \
            "$([[ $run == changed ]] && echo changed || echo ok)" >&2 || echo "($run run at forks $forks: not as expected)" >&2
        python3 -c 'import sys
forks, run, wall, cpu, peak, hosts = sys.argv[1:]
wall, cpu, peak, hosts, f = float(wall), float(cpu), float(peak) / 1024, int(hosts), int(forks)
print("%-6s %-10s %9.1f %12.3f %9.1f %12.0f %14.1f" % (forks, run, wall, wall / hosts, cpu, peak, peak / min(f, hosts)))' \
            "$forks" "$run" "$wall" "$cpu" "$peak" "$HOSTS"
    done
done

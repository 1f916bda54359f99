#!/bin/bash
# The collection shop.scale as a chain runs it: the repository's playbooks under ansible-playbook,
# forks 10, over ten shop PCs on this machine (local connection), each with its own emulated scale,
# records database and sales archive.
#
#   run.sh BIN_FOLDER SOURCE_FOLDER
#
# Checks: every module renders in ansible-doc; the first price update changes every host, the second
# none and sends no PLU; check mode sends nothing; a host whose scale is silent fails alone; the
# end of day returns every scale's figures and clears the day.
set -u
BIN=$(cd "$1" && pwd)
SOURCE=$(cd "$2" && pwd)
WORK=$(mktemp -d /tmp/scale-ansible-XXXXXX)
# shellcheck source=fleet.sh
. "$SOURCE/tests/ansible/fleet.sh"
trap 'stop_fleet; rm -rf "$WORK"' EXIT
CHECK="python3 $SOURCE/tests/ansible/check.py"
PLU_TASK="The day's PLU file on every scale of the shop"
REPORT_TASK="Reports read, kept and closed"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for module in info plu settings clock report; do
    ANSIBLE_HOME="$WORK/ansible" ANSIBLE_COLLECTIONS_PATH="$SOURCE" ansible-doc "shop.scale.$module" \
        >"$WORK/doc.txt" 2>&1 && grep -q "RETURN VALUES" "$WORK/doc.txt" || fail "ansible-doc shop.scale.$module: $(head -3 "$WORK/doc.txt")"
done

start_fleet 10 1 || exit 1
"$BIN/scalectl" --port "$WORK/h01/COM1" --records "$WORK/pull.db" plu pull --from 1 --to 40 -o "$WORK/today.plu" ||
    exit 1

run_playbook "$WORK/first.json" "$SOURCE/playbooks/price_update.yml"
$CHECK "$WORK/first.json" "$PLU_TASK" changed || fail "first price update"
[[ $(plu_writes) -gt 0 ]] || fail "the first price update sent no PLU"

before=$(plu_writes)
run_playbook "$WORK/second.json" "$SOURCE/playbooks/price_update.yml"
$CHECK "$WORK/second.json" "$PLU_TASK" ok || fail "second price update"
[[ $(plu_writes) -eq $before ]] || fail "the second price update sent $(($(plu_writes) - before)) PLUs"

# Tomorrow's prices: PLU 1 costs more. Check mode finds it on every scale and sends nothing.
sed -i 's/^1\t[^\t]*\t/1\t9.99\t/' "$WORK/today.plu"
run_playbook "$WORK/check.json" "$SOURCE/playbooks/price_update.yml" --check --diff
$CHECK "$WORK/check.json" "$PLU_TASK" changed || fail "check mode"
[[ $(plu_writes) -eq $before ]] || fail "check mode sent $(($(plu_writes) - before)) PLUs"

# h10's scale falls silent: h10 fails, the nine others get the new price.
kill "${SIM_PIDS[9]}" && wait "${SIM_PIDS[9]}"
start_scale "$WORK/h10/COM1" --fault silence:1000000 || exit 1
run_playbook "$WORK/broken.json" "$SOURCE/playbooks/price_update.yml"
$CHECK "$WORK/broken.json" "$PLU_TASK" changed h10=failed || fail "one silent host"
[[ $(plu_writes) -eq $((before + 9)) ]] || fail "with one silent host $(($(plu_writes) - before)) PLUs were sent, not 9"

run_playbook "$WORK/day.json" "$SOURCE/playbooks/end_of_day.yml"
$CHECK "$WORK/day.json" "$REPORT_TASK" changed h10=failed --figures || fail "end of day"
"$BIN/scalectl" --port "$WORK/h01/COM1" --archive "$WORK/h01/archive.db" --format json report |
    python3 -c 'import json,sys; r=json.load(sys.stdin)["result"]; sys.exit(r["grand_total"] != 0)' ||
    fail "the Z close did not clear the day"
[[ -s $WORK/h01/reports/z-$(echo "$WORK/h01/COM1" | sed 's|^/||; s|/|-|g').txt ]] || fail "no report file for h01"

[[ $failures -eq 0 ]] && echo "all Ansible checks passed"
exit $((failures > 0))

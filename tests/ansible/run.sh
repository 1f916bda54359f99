#!/bin/bash
# The collection shop.scale as a chain runs it: the repository's playbooks under ansible-playbook,
# forks 10, over ten shop PCs on this machine (local connection), each with its own emulated scale,
# records database and sales archive.
#
#   run.sh BIN_FOLDER SOURCE_FOLDER
#
# Checks: every module renders in ansible-doc; the first price update changes every host, the second
# none and sends no PLU; check mode reads and sends no PLU, writes nothing and predicts the real run
# (the same result keys and diff); a host whose scale is silent fails alone; a price changed at the
# counter is found by verify=all; refusals name the line, path or count, never the usage text; the
# end of day returns every scale's figures as numbers, clears the day, passes the password outside
# the command line and closes once a day; the password is masked on every path under -vvv; check
# mode of the end of day predicts and writes nothing.
set -u
BIN=$(cd "$1" && pwd)
SOURCE=$(cd "$2" && pwd)
WORK=$(mktemp -d /tmp/scale-ansible-XXXXXX)
# shellcheck source=fleet.sh
. "$SOURCE/tests/ansible/fleet.sh"
trap 'stop_fleet; rm -rf "$WORK"' EXIT
CHECK="python3 $SOURCE/tests/ansible/check.py"
RESULT="python3 $SOURCE/tests/ansible/result.py"
PLU_TASK="The day's PLU file on every scale of the shop"
REPORT_TASK="Reports read, kept and closed"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# The checksums of the files named (a missing file as "missing").
sums() {
    local f
    for f in "$@"; do
        [[ -e $f ]] && md5sum <"$f" || echo missing
    done
}

for module in info plu settings clock report; do
    ANSIBLE_HOME="$WORK/ansible" ANSIBLE_COLLECTIONS_PATH="$SOURCE" ansible-doc "shop.scale.$module" \
        >"$WORK/doc.txt" 2>&1 && grep -q "RETURN VALUES" "$WORK/doc.txt" && grep -q "ATTRIBUTES" "$WORK/doc.txt" ||
        fail "ansible-doc shop.scale.$module: $(head -3 "$WORK/doc.txt")"
done

start_fleet 10 1 || exit 1
"$BIN/scalectl" --port "$WORK/h01/COM1" --records "$WORK/pull.db" plu pull --from 1 --to 40 -o "$WORK/today.plu" ||
    exit 1

run_playbook "$WORK/first.json" "$SOURCE/playbooks/price_update.yml"
$CHECK "$WORK/first.json" "$PLU_TASK" changed || fail "first price update"
[[ $(plu_writes) -gt 0 ]] || fail "the first price update sent no PLU"
[[ -s $WORK/h05/today.plu ]] || fail "the price file was not copied to the shop PC"

before=$(plu_writes)
run_playbook "$WORK/second.json" "$SOURCE/playbooks/price_update.yml"
$CHECK "$WORK/second.json" "$PLU_TASK" ok || fail "second price update"
[[ $(plu_writes) -eq $before ]] || fail "the second price update sent $(($(plu_writes) - before)) PLUs"

# Tomorrow's prices: PLU 1 costs more. Check mode decides from the records: it finds the change on
# every scale, reads and sends no PLU and leaves the records as they were.
sed -i 's/^1\t[^\t]*\t/1\t9.99\t/' "$WORK/today.plu"
reads=$(requests 04)
records=$(sums "$WORK"/h*/records.db)
run_playbook "$WORK/check.json" "$SOURCE/playbooks/price_update.yml" --check --diff
$CHECK "$WORK/check.json" "$PLU_TASK" changed || fail "check mode"
[[ $(plu_writes) -eq $before ]] || fail "check mode sent $(($(plu_writes) - before)) PLUs"
[[ $(requests 04) -eq $reads ]] || fail "check mode read $(($(requests 04) - reads)) PLUs"
[[ $(sums "$WORK"/h*/records.db) == "$records" ]] || fail "check mode wrote the records"

# h10's scale falls silent: h10 fails, the nine others get the new price, as check mode said.
kill "${SIM_PIDS[9]}" && wait "${SIM_PIDS[9]}"
start_scale "$WORK/h10/COM1" --fault silence:1000000 || exit 1
run_playbook "$WORK/broken.json" "$SOURCE/playbooks/price_update.yml" --diff
$CHECK "$WORK/broken.json" "$PLU_TASK" changed h10=failed || fail "one silent host"
[[ $(plu_writes) -eq $((before + 9)) ]] || fail "with one silent host $(($(plu_writes) - before)) PLUs were sent, not 9"
# The same diff and the same result keys and PLUs as the real run (dry_run aside).
same() {
    $RESULT "$1" "$PLU_TASK" h03 "${@:2}" | python3 -c '
import json, sys
v = json.load(sys.stdin)
if isinstance(v, dict):
    v.pop("dry_run", None)
print(json.dumps(v, sort_keys=True))'
}
for key in diff "scales $WORK/h03/COM1"; do
    # shellcheck disable=SC2086
    [[ "$(same "$WORK/check.json" $key)" == "$(same "$WORK/broken.json" $key)" ]] ||
        fail "check mode's $key differs from the real run's: $(same "$WORK/check.json" $key) / $(same "$WORK/broken.json" $key)"
done

# PLU 3 changed at h02's counter (another PC's push, unknown to h02's record): the nightly run trusts
# the record, the weekly run with verify=all reads the scales and puts the file's price back.
sed 's/^3\t[^\t]*\t/3\t5.55\t/' "$WORK/today.plu" >"$WORK/counter.plu"
"$BIN/scalectl" --port "$WORK/h02/COM1" --records "$WORK/counter.db" plu push "$WORK/counter.plu" >/dev/null 2>&1 ||
    fail "the counter's change"
run_playbook "$WORK/weekly.json" "$SOURCE/playbooks/price_update.yml" -e target=h02:h03 -e plu_verify=all
$CHECK "$WORK/weekly.json" "$PLU_TASK" ok h02=changed || fail "verify=all after a change at the counter"
[[ $($RESULT "$WORK/weekly.json" "$PLU_TASK" h02 scales "$WORK/h02/COM1" plus) == "[3]" ]] ||
    fail "verify=all sent $($RESULT "$WORK/weekly.json" "$PLU_TASK" h02 scales "$WORK/h02/COM1" plus), not PLU 3"

# Refusals on h01: the message names what is wrong, and no usage text.
"$BIN/scalectl" --port "$WORK/h01/COM1" settings pull -o "$WORK/settings.txt" >/dev/null 2>&1 || fail "settings pull"
head -n 40 "$WORK/settings.txt" >"$WORK/cut.txt"
printf '#!/bin/sh\nexec sleep 60\n' >"$WORK/stuck" && chmod +x "$WORK/stuck"
run_playbook "$WORK/refusals.json" "$SOURCE/tests/ansible/refusals.yml" -e target=h01 \
    -e cut_settings="$WORK/cut.txt" -e stuck_scalectl="$WORK/stuck"
while IFS='|' read -r task expected; do
    msg=$($RESULT "$WORK/refusals.json" "$task" h01 msg)
    [[ $msg == *"$expected"* && $msg != *usage:* ]] || fail "$task: $msg"
    [[ $($RESULT "$WORK/refusals.json" "$task" h01 changed) != true ]] || fail "$task: changed"
done <<MESSAGES
A settings file cut short|40 lines, a settings file has 80
A relative port|port 'dev/ttyUSB0': not COMn
A missing PLU file|$WORK/h01/reports/missing.plu: cannot be read
A close whose report file cannot be written|$WORK/h01/reports/none/z-
A close on a port that is not there|COM9
A scalectl that hangs|did not finish within 1 s
MESSAGES
$CHECK "$WORK/refusals.json" "Info returns its data and sets no fact" ok || fail "info sets a fact"

# The Z password on every way out of the report module, under -vvv: a scalectl missing, off the PATH,
# hanging or giving no result, check mode and a close with h10's scale silent. Its digits stand whole
# in h01's grand total (234872), which must still read as that number.
CALLBACK=default run_playbook "$WORK/masking.txt" "$SOURCE/tests/ansible/masking.yml" -vvv -e target=h01:h10 \
    -e password=4872 -e stuck_scalectl="$WORK/stuck"
leaks=$(grep -E '(^|[^0-9])4872([^0-9]|$)' "$WORK/masking.txt")
[[ -z $leaks ]] || fail "the password in the -vvv output: $(head -c 300 <<<"$leaks")"
[[ $(grep -c '^fatal: ' "$WORK/masking.txt") -eq 10 ]] ||
    fail "$(grep -c '^fatal: ' "$WORK/masking.txt") of the 10 failing paths failed"
grep -q '"grand_total": 234872' "$WORK/masking.txt" || fail "h01's grand total does not read 234872 with the password"

# The end of day in check mode: the closes predicted, none sent, neither archive nor report written.
closes=$(requests 44)
archives=$(sums "$WORK"/h*/archive.db)
run_playbook "$WORK/day-check.json" "$SOURCE/playbooks/end_of_day.yml" --check
$CHECK "$WORK/day-check.json" "$REPORT_TASK" changed h10=failed --figures || fail "end of day in check mode"
[[ $(requests 44) -eq $closes ]] || fail "check mode closed $(($(requests 44) - closes)) days"
[[ -z $(find "$WORK"/h*/reports -type f) && $(sums "$WORK"/h*/archive.db) == "$archives" ]] ||
    fail "check mode wrote reports or the archive"

# The end of day, with a password: scalectl gets it in its environment, never on its command line.
printf '#!/bin/sh\necho "$LC_ALL ${SCALE_Z_PASSWORD:+password} $*" >>%s\nexec %s "$@"\n' "$WORK/calls.log" "$BIN/scalectl" \
    >"$WORK/scalectl" && chmod +x "$WORK/scalectl"
run_playbook "$WORK/day.json" "$SOURCE/playbooks/end_of_day.yml" -e scalectl="$WORK/scalectl" -e z_password=0
$CHECK "$WORK/day.json" "$REPORT_TASK" changed h10=failed --figures || fail "end of day"
$CHECK "$WORK/day.json" "The day's grand total of each scale" ok h10=failed || fail "the grand totals"
[[ $($RESULT "$WORK/day.json" "Clocks within half a minute of the shop PC" h01 scales) != null ]] ||
    fail "the clocks were not looked at after the close"
[[ $(requests 44) -eq $((closes + 9)) ]] || fail "$(($(requests 44) - closes)) closes, not 9"
grep -q -- "--password" "$WORK/calls.log" && fail "the password on scalectl's command line"
grep "report --z" "$WORK/calls.log" | grep -qv "^C password " && fail "a close without the password in the C locale: $(grep "report --z" "$WORK/calls.log" | head -1)"
"$BIN/scalectl" --port "$WORK/h01/COM1" --archive "$WORK/h01/archive.db" --format json report |
    python3 -c 'import json,sys; r=json.load(sys.stdin)["result"]; sys.exit(r["grand_total"] != 0)' ||
    fail "the Z close did not clear the day"
report="$WORK/h01/reports/z-$(echo "$WORK/h01/COM1" | sed 's|^/||; s|/|-|g').txt"
[[ -s $report ]] || fail "no report file for h01"

# The same evening again: every day is closed already, so nothing is closed and no report replaced.
reports=$(sums "$WORK"/h0*/reports/*)
closes=$(requests 44)
run_playbook "$WORK/again-check.json" "$SOURCE/playbooks/end_of_day.yml" --check
$CHECK "$WORK/again-check.json" "$REPORT_TASK" ok h10=failed || fail "check mode of a second end of day"
run_playbook "$WORK/again.json" "$SOURCE/playbooks/end_of_day.yml"
$CHECK "$WORK/again.json" "$REPORT_TASK" ok h10=failed --figures || fail "a second end of day"
[[ $(requests 44) -eq $closes ]] || fail "a second end of day closed $(($(requests 44) - closes)) days again"
[[ $(sums "$WORK"/h0*/reports/*) == "$reports" ]] || fail "a second end of day replaced the reports"

[[ $failures -eq 0 ]] && echo "all Ansible checks passed"
exit $((failures > 0))

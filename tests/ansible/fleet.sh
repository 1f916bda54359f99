# Shop PCs on this machine for the Ansible tests and the fleet benchmark: each host a data folder of
# its own with its emulated scales, in an inventory of local hosts. Sourced; needs BIN (the build's
# bin folder) and WORK (an empty temporary folder).
#
#   start_fleet HOSTS SCALES   starts HOSTS x SCALES scale-sim processes, writes $WORK/inventory.yml
#   stop_fleet                 stops the processes started here
#   run_playbook OUT ARGS...   ansible-playbook with the json callback (or $CALLBACK), forks $FORKS (10),
#                              output in OUT
#
# SIM_ARGS (an array) is added to every scale-sim of start_fleet, e.g. (--baud 9600) for paced lines.

SIM_PIDS=()
SIM_ARGS=()

# Starts one emulated scale and waits for its ready line (bounded by read's time-out).
start_scale() {
    local link=$1
    shift
    local fd line
    exec {fd}< <(exec "$BIN/scale-sim" --link "$link" "$@" 2>&1)
    SIM_PIDS+=($!)
    if ! read -r -t 20 -u "$fd" line || [[ $line != "scale-sim: ready on $link" ]]; then
        echo "scale-sim on $link did not start: $line" >&2
        return 1
    fi
}

stop_fleet() {
    local pid
    for pid in "${SIM_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${SIM_PIDS[@]}"; do
        wait "$pid" 2>/dev/null
    done
    SIM_PIDS=()
}

# Host names h01, h02 ...; host h's scales at $WORK/h/COM1 ..., each logging what it acknowledged.
start_fleet() {
    local hosts=$1 scales=$2 n s host
    {
        echo "all:"
        echo "  vars:"
        echo "    ansible_connection: local"
        echo "    ansible_python_interpreter: $(command -v python3)"
        echo "    scalectl: $BIN/scalectl"
        echo "    plu_source: $WORK/today.plu"
        echo "  children:"
        echo "    shops:"
        echo "      hosts:"
    } >"$WORK/inventory.yml"
    for ((n = 1; n <= hosts; n++)); do
        host=$(printf 'h%02d' "$n")
        mkdir -p "$WORK/$host/reports"
        local ports=()
        for ((s = 1; s <= scales; s++)); do
            start_scale "$WORK/$host/COM$s" --ack-log "$WORK/$host/ack$s.log" "${SIM_ARGS[@]}" || return 1
            ports+=("\"$WORK/$host/COM$s\"")
        done
        {
            echo "        $host:"
            echo "          scale_ports: [$(IFS=,; echo "${ports[*]}")]"
            echo "          plu_file: $WORK/$host/today.plu"
            echo "          scale_records: $WORK/$host/records.db"
            echo "          scale_archive: $WORK/$host/archive.db"
            echo "          report_folder: $WORK/$host/reports"
        } >>"$WORK/inventory.yml"
    done
}

# The requests with command CODE (23 PLU write, 04 PLU read, 44 Z close) that the scales of all
# hosts answered so far.
requests() {
    cat "$WORK"/h*/ack*.log | grep -c "^$1 " || true
}
plu_writes() { requests 23; }

run_playbook() {
    local out=$1
    shift
    ANSIBLE_HOME="$WORK/ansible" ANSIBLE_LOCAL_TEMP="$WORK/ansible/tmp" ANSIBLE_REMOTE_TEMP="$WORK/ansible/tmp" \
        ANSIBLE_COLLECTIONS_PATH="$SOURCE" ANSIBLE_CALLBACK_PLUGINS="$SOURCE/tests/ansible/callbacks" \
        ANSIBLE_STDOUT_CALLBACK=${CALLBACK:-results_json} ANSIBLE_NOCOLOR=1 \
        ANSIBLE_RETRY_FILES_ENABLED=0 ANSIBLE_LOCALHOST_WARNING=0 ANSIBLE_DEPRECATION_WARNINGS=0 \
        ansible-playbook -f "${FORKS:-10}" -i "$WORK/inventory.yml" "$@" >"$out"
}

#!/bin/bash
# What a Linux user expects of the three programs: --help and --version answer on standard output
# with exit code 0 (the utility without a display), and bash completes scalectl's commands and
# options from the completion script that the package installs.
# Usage: cli_conventions.sh SCALE_UTILITY SCALE_SIM SCALECTL COMPLETION_SCRIPT
set -u
utility=$1 sim=$2 ctl=$3 completion=$4
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

for program in "$utility" "$sim" "$ctl"; do
    name=$(basename "$program")
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" --help 2>/dev/null) ||
        fail "$name --help exits with $?"
    [[ $out == usage:* ]] || fail "$name --help writes no usage on standard output: $out"
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" --version 2>/dev/null) ||
        fail "$name --version exits with $?"
    [[ $out =~ ^$name\ [0-9]+\.[0-9]+$ ]] || fail "$name --version writes '$out'"
done

# Completion as bash does it: COMP_WORDS and COMP_CWORD set, the function named by complete -p.
complete_line() {
    bash -c '
        source /usr/share/bash-completion/bash_completion || exit 2
        source "$1" || exit 2
        shift
        COMP_WORDS=("$@")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        COMP_LINE="$*"
        COMP_POINT=${#COMP_LINE}
        function=$(complete -p scalectl | sed -n "s/.*-F \([^ ]*\) .*/\1/p")
        [[ -n $function ]] || exit 3
        "$function" scalectl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[@]}"
    ' bash "$completion" "$@"
}

offered=$(complete_line scalectl '') || fail "the completion script does not load ($?)"
# Every command of the usage text is offered.
for verb in $("$ctl" --help | sed -n 's/.*\[--trace\] \([a-z]*\).*/\1/p' | sort -u); do
    grep -qx "$verb" <<<"$offered" || fail "command '$verb' is not completed"
done
[[ $(complete_line scalectl --port COM1 se) == settings ]] || fail "settings after --port COM1"
[[ $(complete_line scalectl plu p | sort | tr '\n' ' ') == 'pull push ' ]] || fail "plu's words"
grep -qx -- --rate <<<"$(complete_line scalectl settings push f.txt --r)" || fail "settings push --rate"
grep -qx -- --brightness <<<"$(complete_line scalectl logo send x.bmp --b)" || fail "logo send --brightness"
# -o takes "-", standard output, beside the file names.
[[ $(complete_line scalectl plu pull -o -) == - ]] || fail "plu pull -o offers - for standard output"
[[ $(complete_line scalectl report --z --password-f) == --password-file ]] || fail "report --password-file"
grep -qx -- --force <<<"$(complete_line scalectl report --z --f)" || fail "report --force"

exit $failed

#!/usr/bin/env bash
# Fails when a source file includes a folder above its own: the layering the README's source-layout
# table describes. Each line of LAYERS is one level, the top first; a folder may include its own
# folder and the folders of the levels below it, never a folder of its own level or above.
# sim/ stands apart: it includes only itself, and nothing of the program includes it.
# A form's custom widget (<header> in a .ui file) counts as an include.
# tests/, bench/, fuzz/ and tools/ stand on top of everything and are not checked.
# Usage: check_layers.sh [ROOT] (default: this checkout).
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

LAYERS=(
    "cli app"
    "plu settings reports metrology terminal logo service"
    "ui"
    "store"
    "link text"
)

declare -A level
for i in "${!LAYERS[@]}"; do
    for folder in ${LAYERS[$i]}; do level[$folder]=$i; done
done

status=0
report() {
    echo "$1: includes $2 ($3)" >&2
    status=1
}

while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    rest=${rest#*:}
    included=$(sed -n -e 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^/"]*\)\/.*/\1/p' \
        -e 's/.*<header>\([^/<]*\)\/.*/\1/p' <<<"$rest")
    [ -n "$included" ] || continue
    from=${file%%/*}
    [ "$from" = "$included" ] && continue
    if [ "$from" = sim ] || [ "$included" = sim ]; then
        report "$file" "$included/" "sim/ shares no code with the program"
    elif [ -n "${level[$included]:-}" ] && [ "${level[$included]}" -le "${level[$from]}" ]; then
        report "$file" "$included/" "not below ${from}/"
    fi
done < <(grep -rn --include='*.h' --include='*.cpp' --include='*.ui' \
    -e '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' -e '<header>' "${!level[@]}" sim 2>/dev/null)

[ $status -eq 0 ] && echo "layering: every include runs downwards"
exit $status

#!/usr/bin/env bash
# Fails when a numbered form-designer name is left in the sources, the forms, the tests or the
# README: a window class or unit file numbered instead of named (a "TForm" or "Form" with a number, a
# "Unit" file), a control named by its kind and a number (a button, edit, combo box, spin edit, grid,
# memo, tab page, label, check box, timer, ...), or a handler named after the event instead of the
# action (a button's numbered click, the form's create, close, activate or key-down handlers, the
# all-in-one save and restore). Every class, file, control and handler is named by its job.
# A form's visible texts (<string> in a .ui file) are what the user reads, and are not checked; nor
# is the one visible text that looks like a designer's name, the progress dialog's count label's
# caption "Label1" until the first count, where a test expects it.
# Usage: check_names.sh [ROOT] (default: this checkout).
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

kinds='Button|Edit|ComboBox|SpinEdit|StringGrid|DrawGrid|Memo|RichEdit|TabSheet|PageControl|Label|StaticText'
kinds+='|CheckBox|RadioButton|RadioGroup|GroupBox|ListBox|Timer|Panel|Image|Shape|Bevel|MaskEdit|ProgressBar'
kinds+='|TrackBar|UpDown|Splitter|OpenDialog|SaveDialog|BitBtn|SpeedButton|MainMenu|PopupMenu|StatusBar'
events='Create|Close|Activate|Deactivate|KeyDown|KeyUp|KeyPress|Show|Hide|Destroy|Paint|Resize'
# A name starts where no capital or digit comes before it (a lower-case prefix such as "caption"
# still counts: it names the control it is built on) and ends where no letter or digit follows.
pattern="(?<![A-Z0-9])(T?Form[0-9]+|UNIT[0-9]+|Unit[0-9]+|(${kinds})[0-9]+[A-Za-z]*|Form(${events})"
pattern+="|(save|restore)all|Button[0-9A-Z][A-Za-z0-9]*Click)(?![A-Za-z0-9])"

status=0
while IFS= read -r -d '' file; do
    case $file in
    *.ui) hits=$(sed 's#<string[^>]*>[^<]*</string>##g' "$file" | grep -nP "$pattern" || true) ;;
    *) hits=$(sed 's#"Label1"##g' "$file" | grep -nP "$pattern" || true) ;;
    esac
    if [ -n "$hits" ]; then
        sed "s#^#${file#./}:#" <<<"$hits" >&2
        status=1
    fi
done < <(find . \( -name '.git' -o -name 'build*' -o -name docs -o -name corpus \) -prune -o -type f \
    \( -name '*.h' -o -name '*.cpp' -o -name '*.ui' -o -name '*.cmake' -o -name CMakeLists.txt \
    -o -name '*.sh' -o -name '*.md' \) -print0)

while IFS= read -r file; do
    echo "${file#./}: a numbered unit file" >&2
    status=1
done < <(find . \( -name '.git' -o -name 'build*' \) -prune -o -type f \
    \( -name 'Unit[0-9]*' -o -name 'UNIT[0-9]*' \) -print)

[ $status -eq 0 ] && echo "names: no numbered form-designer name left"
exit $status

#!/usr/bin/env bash
# Puts the fonts Wine ships (package fonts-wine) into the Fonts folder of the Wine prefix in
# WINEPREFIX, made before. Debian's Wine looks for them under a path it cannot open, so without this
# the dialog font ("MS Shell Dlg", which stands for Tahoma) falls back to the first font the system
# has: a math font whose line height through GDI is four times its real one, and line edits, spin
# boxes and editable combo boxes centre their text on that height, out of sight. The prefix's own
# Fonts folder is always read.
set -euo pipefail
fonts=/usr/share/wine/fonts
[ -f "$fonts/tahoma.ttf" ] || { echo "wine-fonts: $fonts/tahoma.ttf is missing (fonts-wine)" >&2; exit 1; }
target=$WINEPREFIX/drive_c/windows/Fonts
[ -d "$target" ] || { echo "wine-fonts: $target is missing: make the prefix first" >&2; exit 1; }
cp -u "$fonts"/* "$target/"

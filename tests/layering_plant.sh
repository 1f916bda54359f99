#!/usr/bin/env bash
# The layering check must fail on each planted include that runs back up (a shared unit including the
# program, a tab including another tab, a core reaching the emulated scale) and pass the tree
# that includes only downwards.
set -u
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/{ui,plu,settings,link,store}
echo '#include "link/FrameLink.h"' >"$tree/ui/Good.h"
echo '#include "store/DataFolder.h"' >"$tree/plu/Good.cpp"
echo '<header>ui/SpinEdit.h</header>' >"$tree/plu/Good.ui"
bash "$check" "$tree" || { echo "a downward tree was refused"; exit 1; }
for planted in 'ui/Bad.h:app/MainWindow.h' 'settings/Bad.cpp:logo/LogoWindow.h' 'link/Bad.cpp:sim/ScaleSim.h' \
    'store/Bad.cpp:ui/ScaleSession.h' 'ui/Bad.ui:plu/PluGrid.h'; do
    file=${planted%%:*}
    mkdir -p "$tree/$(dirname "$file")"
    case $file in
    *.ui) echo "<header>${planted#*:}</header>" >"$tree/$file" ;;
    *) echo "#include \"${planted#*:}\"" >"$tree/$file" ;;
    esac
    if bash "$check" "$tree" 2>/dev/null; then
        echo "not caught: $file including ${planted#*:}"
        exit 1
    fi
    rm "$tree/$file"
done
echo "every planted upward include was caught"

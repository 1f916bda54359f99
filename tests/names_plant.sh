#!/usr/bin/env bash
# The naming check must fail on each planted numbered form-designer name (a window class, a unit
# file, a control in code, a form or a test, a handler named after its event) and pass a tree whose
# names only look alike: Qt's own classes and keys, numbers inside other words, visible form texts.
# The planted names are put together here, so that this script itself passes the check.
set -u
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/{app,settings,tests}
n=7
cat >"$tree/app/Good.cpp" <<GOOD
// A QLabel for the status, Qt::Key_F1 for help, UTF8 text, a key7 and a key00, clerk1Edit,
// displayLine1, setLabelVisible(true), QTest::keyClick, presetDual15, Label-1 and Label-2.
auto* label = new QLabel(QStringLiteral("CLERK 1"));
EXPECT_EQ(countLabel->text(), QStringLiteral("Label$((n - 6))"));
GOOD
echo '<widget class="QLabel" name="countLabel"><property name="text"><string>Label'$((n - 6))'</string></property>' \
    >"$tree/settings/Good.ui"
bash "$check" "$tree" || { echo "a tree without numbered names was refused"; exit 1; }
for planted in "app/Bad.h:class TForm$((n - 6)) : public QWidget {" "settings/Bad.cpp:ui->Edit$n->setText(text);" \
    "settings/Bad.ui:<widget class=\"QComboBox\" name=\"ComboBox$((n - 4))\">" \
    "tests/bad_test.cpp:theMainWindow->Button$((n + 4))Click();" "app/Bad.cpp:void Form""Create();" \
    "app/Bad2.cpp:save""all();" "settings/Bad2.ui:<widget class=\"QLabel\" name=\"captionSpinEdit$((n + 5))\">" \
    "tests/bad2_test.cpp:#include \"ui_UNIT$((n - 6)).h\"" "tests/bad3_test.cpp:ui->Label$((n - 6))->setText(\"Label$((n - 6))\");" "app/Unit$((n - 2)).h:#pragma once"; do
    file=${planted%%:*}
    echo "${planted#*:}" >"$tree/$file"
    if bash "$check" "$tree" 2>/dev/null; then
        echo "not caught: $file holding ${planted#*:}"
        exit 1
    fi
    rm "$tree/$file"
done
echo "every planted numbered name was caught"

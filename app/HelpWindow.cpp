#include "app/HelpWindow.h"

#include "ui/WindowFrames.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

const char* const helpLines[] = {
    "KLO VELLDRAN UTILITY PROGRAM",
    "---------------------------------------------------",
    "You can use this program to set scale settings like",
    "RS baud rate, header/footer texts, autooff time,",
    "set real time clock and many others...",
    "You can use this program to create PLUs data base,",
    "save it to disk and load/store it to the scale.",
    "You can also make calibration settings (only if you",
    "are in calibration mode).",
    "You can use the TERMINAL to direct communicate with",
    "the scale.",
    "The first think that you must make is to connect",
    "the scale to some comport of the PC. The next you",
    "must choice the correct comport and baud rate from",
    "appropriated buttons, and press the button CONNECT.",
    "If everything is correct the caption of the button",
    "CONNECT will be stay DISCONNECT and the green",
    "circle right from it will be stay light-green.",
    "In this case you can use all other properties",
    "of program.",
    "                   GOOD LUCK",
    "",
    "FIND searches every port and baud rate for the",
    "scale and sets the port and baud boxes to it.",
    "HISTORY (on the REPORTS tab) lists, charts and",
    "exports the X and Z reports kept on this PC.",
    "Ctrl+L opens the LINE MONITOR: every frame on the",
    "line, with PAUSE, CLEAR and SAVE.",
};

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent), helpText(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("HELP"));
    setDialogFrame(this, 378, 274, DialogFrame::Normal);
    helpText->setObjectName(QStringLiteral("helpText"));
    helpText->setReadOnly(true);
    helpText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The text was laid out for a small dialog font: at 8 points its longest lines (51 characters)
    // still fit the window's width, so no line wraps.
    QFont small = helpText->font();
    small.setPointSize(8);
    helpText->setFont(small);
    QStringList lines;
    for (const char* line : helpLines)
        lines << QString::fromLatin1(line);
    helpText->setPlainText(lines.join(QLatin1Char('\n')));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(helpText);
}

#include "app/HelpWindow.h"

#include "ui/WindowFrames.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent), helpText(new QPlainTextEdit(this)) {
    setWindowTitle(tr("HELP"));
    setDialogFrame(this, 378, 274, DialogFrame::Normal);
    helpText->setObjectName(QStringLiteral("helpText"));
    helpText->setReadOnly(true);
    helpText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The text was laid out for a small dialog font: at 8 points its longest lines (51 characters)
    // still fit the window's width, so no line wraps.
    QFont small = helpText->font();
    small.setPointSize(8);
    helpText->setFont(small);
    // One text, so that a translation breaks its lines where its own words fall (at most 51
    // characters a line).
    helpText->setPlainText(tr("KLO VELLDRAN UTILITY PROGRAM\n"
                              "---------------------------------------------------\n"
                              "You can use this program to set scale settings like\n"
                              "RS baud rate, header/footer texts, autooff time,\n"
                              "set real time clock and many others...\n"
                              "You can use this program to create PLUs data base,\n"
                              "save it to disk and load/store it to the scale.\n"
                              "You can also make calibration settings (only if you\n"
                              "are in calibration mode).\n"
                              "You can use the TERMINAL to direct communicate with\n"
                              "the scale.\n"
                              "The first think that you must make is to connect\n"
                              "the scale to some comport of the PC. The next you\n"
                              "must choice the correct comport and baud rate from\n"
                              "appropriated buttons, and press the button CONNECT.\n"
                              "If everything is correct the caption of the button\n"
                              "CONNECT will be stay DISCONNECT and the green\n"
                              "circle right from it will be stay light-green.\n"
                              "In this case you can use all other properties\n"
                              "of program.\n"
                              "                   GOOD LUCK\n"
                              "\n"
                              "FIND searches every port and baud rate for the\n"
                              "scale and sets the port and baud boxes to it.\n"
                              "HISTORY (on the REPORTS tab) lists, charts and\n"
                              "exports the X and Z reports kept on this PC.\n"
                              "Ctrl+L opens the LINE MONITOR: every frame on the\n"
                              "line, with PAUSE, CLEAR and SAVE.") +
                           QStringLiteral("\n\n") +
                           // What a newcomer asks first: the day's close, the logo's file, a lost line.
                           tr("CLOSE Z (REPORTS tab) ends the day: it reads the\n"
                              "Z report and keeps it in the archive on this PC;\n"
                              "OK with the scale's password then clears the\n"
                              "day's totals on the scale. One Z a day, after the\n"
                              "last sale. A wrong password is refused: the\n"
                              "totals stay on the scale and the window says\n"
                              "\"The scale did not close the day: check the\n"
                              "password\". Sales made since the report close\n"
                              "nothing: press CLOSE Z again.\n"
                              "\n"
                              "GRAPHICAL LOGO (SETTINGS tab) takes BMP files\n"
                              "only: save a PNG or JPEG picture as BMP first.\n"
                              "\n"
                              "After \"Communication Error!\": check the cable and\n"
                              "that the scale is on, then the port and the baud\n"
                              "rate (the scale's RS Baud rate), or press FIND to\n"
                              "try them all. The LINE MONITOR (Ctrl+L, or a right\n"
                              "click on the top bar) shows what was sent and what\n"
                              "came back."));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(helpText);
}

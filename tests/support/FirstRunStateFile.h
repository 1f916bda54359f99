// The window-state file that a first run writes, as the format gives it: every kept control with
// its text at start, in index order. The clerk names (clerk4Edit, clerk3Edit, clerk2Edit, clerk1Edit) are the
// window's own choice, and the clock shows whatever it held at close.
#pragma once

#include "text/CodePage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

inline QByteArray firstRunStateFile(const QStringList& clerks, const QString& clock) {
    // clang-format off
    const QStringList lines{
        "KLO VELDRAN UTILITY REZ1.63 !DO NOT EDIT!", "145",
        "56", "a44W5U5",  "57", "a44W5P5",
        "67", clerks.value(0), "68", clerks.value(1), "69", clerks.value(2), "70", clerks.value(3),
        "80", "Zł ",  "90", "4.00",  "117", "6.0",  "134", "0",
        "60002",
        "52", "0", "1200",  "71", "0", "All at once",  "79", "2", "3",
        "109", "1", "15",  "112", "1", "2",  "119", "0", "1",  "130", "-1", "3",
        "132", "3", "9600",  "133", "0", "COM1",
        "60002",
        "72", clock,
        "60002",
        "60002",
        "60001"};
    // clang-format on
    // The file is in the code page of the scale's texts: the currency's "ł" is one byte.
    return QByteArray::fromStdString(toCp1250(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

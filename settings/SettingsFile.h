// The settings file: 80 lines of code page 1250 text, each ending with CR LF, one value per line in a
// fixed order (clerk mode, the print options, barcodes, baud rate, the spin values, darkness,
// currency, clerks, receipt lines, departments, then the tax rates in hundredths). The rate and the
// clock are not in it. Numbers are read the way a text file's integers are read: blanks and line
// ends before them are skipped, so lines are positions in a stream more than lines of text.
#pragma once

#include "settings/Settings.h"

#include <QByteArray>
#include <QString>
#include <optional>

constexpr int kSettingsFileLines = 80;

// The file's bytes, or nothing when a tax rate is no decimal number (an empty one included).
std::optional<QByteArray> settingsFileBytes(const Settings& settings);
// Writes the file as text/OutputFile does (a failed save leaves an earlier file whole). False when a
// tax rate does not convert (nothing is written then) or the file cannot be written.
bool saveSettingsFile(const QString& path, const Settings& settings);

enum class SettingsFileLoad {
    Loaded,
    BadNumber, // a number line holds no whole number; the lines before it are in the settings
    IoError,   // the file could not be opened or read
};

// Where a number line that holds no whole number is: its line in the file (from 1) and its text.
struct SettingsFilePlace {
    int line;
    QString text;
};

// Reads the lines into settings, each value as its control takes it; the rate is left alone. A
// file that ends early is no failure: missing numbers read as 0 and missing texts as empty. On
// BadNumber, badPlace (when given) says where the bad number is.
SettingsFileLoad readSettingsBytes(const QByteArray& bytes, Settings& settings,
                                   SettingsFilePlace* badPlace = nullptr);
SettingsFileLoad loadSettingsFile(const QString& path, Settings& settings,
                                  SettingsFilePlace* badPlace = nullptr);

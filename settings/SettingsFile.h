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
    BadNumber,      // a number line holds no whole number; the lines before it are in the settings
    WrongLineCount, // the file has more or fewer lines than a settings file; nothing of it is taken
    IoError,        // the file could not be opened or read
};

// Where a number line that holds no whole number is: its line in the file (from 1) and its text.
// For WrongLineCount, line is the number of lines the file has and text is empty.
struct SettingsFilePlace {
    int line;
    QString text;
};

// The lines of a file as the reader sees them: a CR (with one LF after it) ends a line, a lone LF
// does not; a last line without its line end counts, and empty lines at the very end do not.
int settingsFileLineCount(const QByteArray& bytes);

// Reads the lines into settings, each value as its control takes it; the rate is left alone. A file
// of any other count of lines than kSettingsFileLines is refused whole (WrongLineCount): one cut
// short would otherwise read its missing numbers as 0 and its missing texts as empty. On BadNumber
// and WrongLineCount, badPlace (when given) says where the bad number is or how many lines there are.
SettingsFileLoad readSettingsBytes(const QByteArray& bytes, Settings& settings,
                                   SettingsFilePlace* badPlace = nullptr);
// The setting a line of the file holds (from 1): "clerk mode", "Print Receipt", ... "tax rate H";
// empty outside 1 to 80.
QString settingsFileLineName(int line);
// "error in input file: 40 lines, a settings file has 80": what the window and scalectl say.
QString wrongLineCountMessage(int lines);
SettingsFileLoad loadSettingsFile(const QString& path, Settings& settings,
                                  SettingsFilePlace* badPlace = nullptr);

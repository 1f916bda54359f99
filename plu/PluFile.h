// The PLU text file: code page 1250, CR LF line ends, a "; created:" comment line and an empty line,
// then one line per row in use with the row's 13 cells, each followed by a TAB. The reader checks
// fields 1 to 10 of each line and stores them as found; QUANTITY, TOTAL and COUNT are not read.
#pragma once

#include <vector>

#include "plu/PluTable.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QIODevice;

// Set by splitField when the line has too few fields; the caller clears it before each call.
extern bool fieldMissing;
// Field n (1 to 255) of line, the fields divided by delimiter; nothing is trimmed.
QString splitField(const QString& line, int n, QChar delimiter);

// The file's bytes for the table, with created as the time in the first line.
QByteArray pluFileBytes(const PluTable& table, const QDateTime& created);
// Writes the file, stamped with the current time (text/OutputFile: an earlier file stays intact unless
// the new one was written completely; a device or a pipe is written as it is). False on any I/O
// failure.
bool savePluFile(const QString& path, const PluTable& table);

enum class PluFileLoad {
    Loaded,  // every line was taken
    BadLine, // a line broke a rule; the lines before it are in the table
    IoError, // the file could not be opened or read
};

struct PluFileResult {
    PluFileLoad outcome;
    int rowsLoaded; // rows stored completely, from row 1 on
    // Where a bad line is: its number in the file (from 1, every line counted; 0 when the whole file
    // is refused), the column of the first field refused (-1 when the line as a whole is refused) and
    // that field's text.
    int badLine = 0;
    int badColumn = -1;
    QString badText;
    // The file line of each row stored: lineOfRow[row - 1] (comments and empty lines take no row).
    std::vector<int> lineOfRow = {};
};

// "line 4, PRICE: 'abc'" for a refused field, "line 1805" for a line refused as a whole, "the file
// is too large" for a file refused before any line was read.
QString badLinePlace(const PluFileResult& result);

// Reads PLU lines from device into rows 1, 2, ... Lines beyond the table's 1801 rows are bad lines.
PluFileResult readPluLines(QIODevice& device, PluTable& table);
PluFileResult readPluBytes(const QByteArray& bytes, PluTable& table);
PluFileResult loadPluFile(const QString& path, PluTable& table);

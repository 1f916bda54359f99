#include "plu/PluFile.h"

#include "text/BoundedRead.h"
#include "text/CodePage.h"
#include "text/DateTimeText.h"
#include "text/Numbers.h"
#include "text/OutputFile.h"

#include <QBuffer>
#include <QFile>
#include <limits>

bool fieldMissing = false;

QString splitField(const QString& line, int n, QChar delimiter) {
    qsizetype start = 0;
    for (int field = 1; field < n; ++field) {
        qsizetype end = line.indexOf(delimiter, start);
        if (end < 0) {
            fieldMissing = true;
            return QString();
        }
        start = end + 1;
    }
    qsizetype end = line.indexOf(delimiter, start);
    return line.mid(start, end < 0 ? -1 : end - start);
}

QByteArray pluFileBytes(const PluTable& table, const QDateTime& created) {
    // The whole text is built first and converted to the code page once.
    QString text = QStringLiteral("; created: ") + regionalShortDate(created.date()) + QChar(' ') +
                   regionalLongTime(created.time()) + QStringLiteral("\r\n\r\n");
    for (int row = 1; row <= kPluRowCount; ++row) {
        if (!table.rowInUse(row))
            continue;
        for (int column = 0; column < kPluColumnCount; ++column) {
            text += table.cell(column, row);
            text += QChar('\t');
        }
        text += QStringLiteral("\r\n");
    }
    return QByteArray::fromStdString(toCp1250(text));
}

bool savePluFile(const QString& path, const PluTable& table) {
    return writeOutputFile(path, pluFileBytes(table, QDateTime::currentDateTime())).isEmpty();
}

namespace {
bool floatWithin(const QString& text, double low, double high) {
    double value = 0;
    int error = 0;
    tryParseFloat(text, value, error);
    return error == 0 && value >= low && value <= high;
}

bool intWithin(const QString& text, int32_t low, int32_t high) {
    int32_t value = 0;
    int error = 0;
    tryParseInt(text, value, error);
    return error == 0 && value >= low && value <= high;
}

// The reader's rule for field 1 to 10 (columns 0 to 9); it differs from the table editor's.
bool fieldAccepted(int column, const QString& text) {
    switch (column) {
    case NumColumn:
        return floatWithin(text, 0, 1801);
    case PriceColumn:
        return floatWithin(text, -std::numeric_limits<double>::infinity(), 99999.99);
    case CodeColumn:
        return intWithin(text, 0, 999999);
    case DepColumn:
        return intWithin(text, 0, 40);
    case TaxColumn:
        return intWithin(text, 0, 8);
    case NameColumn:
        return text.size() <= 32;
    case ValidDateColumn:
        return floatWithin(text, 0, 999);
    default: // NW, FIX, BAR
        return intWithin(text, 0, 1);
    }
}

// Stores the fields of one PLU line into row; false at the first field that is missing or bad,
// with that field's column and text in result.
bool storeLine(const QString& line, PluTable& table, int row, PluFileResult& result) {
    for (int column = 0; column <= ValidDateColumn; ++column) {
        fieldMissing = false;
        QString field = splitField(line, column + 1, QChar('\t'));
        if (fieldMissing || !fieldAccepted(column, field)) {
            result.badColumn = column;
            result.badText = field;
            return false;
        }
        table.setCell(column, row, field);
    }
    return true;
}
} // namespace

PluFileResult readPluLines(QIODevice& device, PluTable& table) {
    PluFileResult result{PluFileLoad::Loaded, 0, 0, -1, {}, {}};
    int lineNumber = 0;
    for (;;) {
        // Empty only at the end or on a read error (a line holds at least its line end).
        QByteArray chunk = device.readLine();
        if (chunk.isEmpty())
            break;
        // A line ends at CR LF, LF or a lone CR: the chunk ends at its LF, a CR before it is part of
        // the same line end, and every other CR ends a line of its own.
        if (chunk.endsWith('\n'))
            chunk.chop(1);
        QList<QByteArray> lines = chunk.split('\r');
        if (chunk.endsWith('\r'))
            lines.removeLast();
        for (const QByteArray& bytes : lines) {
            ++lineNumber;
            if (bytes.isEmpty() || bytes.front() == ';')
                continue;
            int row = result.rowsLoaded + 1;
            // The table has no row for a PLU line beyond the 1801st.
            if (row > kPluRowCount || !storeLine(fromCp1250(bytes.toStdString()), table, row, result)) {
                result.outcome = PluFileLoad::BadLine;
                result.badLine = lineNumber;
                return result;
            }
            result.rowsLoaded = row;
            result.lineOfRow.push_back(lineNumber);
        }
    }
    return result;
}

QString badLinePlace(const PluFileResult& result) {
    if (result.badLine == 0)
        return QStringLiteral("the file is too large");
    QString place = QStringLiteral("line %1").arg(result.badLine);
    if (result.badColumn >= 0)
        place += QStringLiteral(", %1: '%2'")
                     .arg(QString::fromLatin1(kPluColumns[size_t(result.badColumn)].heading), result.badText);
    return place;
}

PluFileResult readPluBytes(const QByteArray& bytes, PluTable& table) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readPluLines(buffer, table);
}

PluFileResult loadPluFile(const QString& path, PluTable& table) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {PluFileLoad::IoError, 0, 0, -1, {}};
    // A file too large to be a PLU file is refused before any of it is taken.
    std::optional<QByteArray> bytes = readWholeBounded(file);
    if (!bytes)
        return {PluFileLoad::BadLine, 0, 0, -1, {}};
    PluFileResult result = readPluBytes(*bytes, table);
    if (result.outcome == PluFileLoad::Loaded && file.error() != QFileDevice::NoError)
        result.outcome = PluFileLoad::IoError;
    return result;
}

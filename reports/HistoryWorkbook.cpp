#include "reports/HistoryWorkbook.h"

#include "reports/PointNumbers.h"
#include "reports/SalesHistory.h"
#include "text/Numbers.h"

#include <QFile>
#include <QTemporaryDir>
#include <xlsxwriter.h>

namespace reports {

namespace {

lxw_datetime sheetTime(const QDateTime& moment) {
    const QDate day = moment.date();
    const QTime time = moment.time();
    return {day.year(),  day.month(),   day.day(),
            time.hour(), time.minute(), time.second() + time.msec() / 1000.0};
}

// The built-in number formats every spreadsheet shows in its own regional notation: 22 is a date
// with a time, 2 a number with two decimals.
constexpr uint8_t kDateTimeFormat = 22;
constexpr uint8_t kTwoDecimalsFormat = 2;

class Sheet {
public:
    Sheet(lxw_workbook* book, lxw_worksheet* sheet) : sheet(sheet) {
        moment = workbook_add_format(book);
        format_set_num_format_index(moment, kDateTimeFormat);
        amount = workbook_add_format(book);
        format_set_num_format_index(amount, kTwoDecimalsFormat);
        heading = workbook_add_format(book);
        format_set_bold(heading);
    }

    void header(const QStringList& columns) {
        for (const QString& name : columns)
            write(worksheet_write_string(sheet, 0, column++, name.toUtf8().constData(), heading));
        worksheet_freeze_panes(sheet, 1, 0);
    }
    void startRow() {
        ++row;
        column = 0;
    }
    void text(const QString& value) {
        write(worksheet_write_string(sheet, row, column++, value.toUtf8().constData(), nullptr));
    }
    void time(const QDateTime& value) {
        lxw_datetime cell = sheetTime(value);
        write(worksheet_write_datetime(sheet, row, column++, &cell, moment));
    }
    void number(double value, bool hundredths) {
        write(worksheet_write_number(sheet, row, column++, hundredths ? value / 100.0 : value,
                                     hundredths ? amount : nullptr));
    }
    void blank() { ++column; }

    lxw_error firstError() const { return problem; }

private:
    void write(lxw_error outcome) {
        if (problem == LXW_NO_ERROR)
            problem = outcome;
    }

    lxw_worksheet* sheet;
    lxw_format* moment;
    lxw_format* amount;
    lxw_format* heading;
    lxw_row_t row = 0;
    lxw_col_t column = 0;
    lxw_error problem = LXW_NO_ERROR;
};

void writeEntry(Sheet& sheet, const store::ArchiveEntry& entry) {
    sheet.startRow();
    sheet.time(entry.readAt.toUTC());
    sheet.text(entry.identity);
    sheet.text(entry.port);
    sheet.text(entry.pc);
    sheet.text(entry.kind == store::ReportKind::Z ? QStringLiteral("Z") : QStringLiteral("X"));
    store::forEachFigure(entry.figures, [&sheet](const store::FigureColumn& column, int64_t value) {
        sheet.number(double(value), column.amount);
    });
    sheet.time(entry.readAtLocal);
    sheet.number(entry.reads, false);
    if (entry.closeAcknowledged)
        sheet.number(*entry.closeAcknowledged ? 1 : 0, false);
    else
        sheet.blank();
}

} // namespace

CsvConvention regionalCsvConvention() {
    if (regionalDecimalSeparator() == QChar(','))
        return {';', ','};
    return {',', '.'};
}

std::optional<QByteArray> historyWorkbook(const std::vector<store::ArchiveEntry>& entries, QString* error) {
    // The writer only writes to a named file; it is built in a private folder and read back, so the
    // caller writes the bytes like every other file of the program.
    QTemporaryDir folder;
    const PointNumbers point;
    const QString path = folder.filePath(QStringLiteral("history.xlsx"));
    lxw_workbook* book = folder.isValid() ? workbook_new(QFile::encodeName(path).constData()) : nullptr;
    if (!book) {
        *error = QStringLiteral("no room for a temporary workbook");
        return std::nullopt;
    }
    lxw_worksheet* worksheet = workbook_add_worksheet(book, "history");
    Sheet sheet(book, worksheet);
    sheet.header(historyColumns());
    for (const store::ArchiveEntry& entry : entries)
        writeEntry(sheet, entry);
    const lxw_error written = sheet.firstError();
    const lxw_error closed = workbook_close(book);
    const lxw_error outcome = written != LXW_NO_ERROR ? written : closed;
    if (outcome != LXW_NO_ERROR) {
        *error = QString::fromUtf8(lxw_strerror(outcome));
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace reports

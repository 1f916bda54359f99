// The sales archive's listing as a spreadsheet workbook (XLSX) for a shop manager: the same columns
// as the CSV listing, but amounts and counts as numbers and the moments of reading as dates, so a
// spreadsheet sums and sorts them in any regional setting without an import dialog.
#pragma once

#include "store/SalesArchive.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace reports {

// A spreadsheet's CSV convention in the regional settings: where the decimal separator is a comma,
// fields are separated by ';' and amounts carry a decimal comma; elsewhere ',' and a point.
struct CsvConvention {
    char separator;
    char decimalMark;
};
CsvConvention regionalCsvConvention();

// The workbook's bytes: one sheet, a header row of the listing's column names, then a row per entry.
// read_at holds the moment in UTC, read_at_local the scale's local time; amounts carry two decimals.
// None, with `error` set, when the workbook cannot be built.
std::optional<QByteArray> historyWorkbook(const std::vector<store::ArchiveEntry>& entries, QString* error);

} // namespace reports

#include "plu/PluTable.h"

#include <QtGlobal>
#include <cassert>

const std::array<PluColumnLayout, kPluColumnCount> kPluColumns = {{
    {QT_TRANSLATE_NOOP("PluTable", "NUM"), 35,
     QT_TRANSLATE_NOOP("PluTable", "PLU number on the scale (1 to 1799)")},
    {QT_TRANSLATE_NOOP("PluTable", "PRICE"), 52, QT_TRANSLATE_NOOP("PluTable", "Unit price of the PLU")},
    {QT_TRANSLATE_NOOP("PluTable", "CODE"), 43, QT_TRANSLATE_NOOP("PluTable", "Article code of the PLU")},
    {QT_TRANSLATE_NOOP("PluTable", "DEP"), 32,
     QT_TRANSLATE_NOOP("PluTable", "Department the PLU's sales are counted under")},
    {QT_TRANSLATE_NOOP("PluTable", "TAX"), 39, QT_TRANSLATE_NOOP("PluTable", "Tax rate group of the PLU")},
    {QT_TRANSLATE_NOOP("PluTable", "NW"), 24,
     QT_TRANSLATE_NOOP("PluTable", "1: sold by the piece, QUANTITY counts pieces; 0: weighed")},
    {QT_TRANSLATE_NOOP("PluTable", "FIX"), 27, QT_TRANSLATE_NOOP("PluTable", "Fixed price flag (0 or 1)")},
    {QT_TRANSLATE_NOOP("PluTable", "BAR"), 27, QT_TRANSLATE_NOOP("PluTable", "Barcode flag (0 or 1)")},
    {QT_TRANSLATE_NOOP("PluTable", "NAME"), 281, QT_TRANSLATE_NOOP("PluTable", "Name of the PLU")},
    {QT_TRANSLATE_NOOP("PluTable", "Valid Date"), 81,
     QT_TRANSLATE_NOOP("PluTable", "Validity (shelf life) value of the PLU, at most 999")},
    {QT_TRANSLATE_NOOP("PluTable", "QUANTITY"), 70,
     QT_TRANSLATE_NOOP("PluTable",
                       "Quantity sold, read from the scale: pieces when NW is 1, else kilograms")},
    {QT_TRANSLATE_NOOP("PluTable", "TOTAL"), 66,
     QT_TRANSLATE_NOOP("PluTable", "Amount sold, read from the scale")},
    {QT_TRANSLATE_NOOP("PluTable", "COUNT"), 46,
     QT_TRANSLATE_NOOP("PluTable", "Count accumulated by the scale for the PLU, read from the scale")},
}};

PluMemoryTable::PluMemoryTable() : cells(size_t{kPluRowCount} * kPluColumnCount) {}

namespace {
size_t cellIndex(int column, int row) {
    assert(column >= 0 && column < kPluColumnCount && row >= 1 && row <= kPluRowCount);
    return size_t(row - 1) * kPluColumnCount + size_t(column);
}
} // namespace

QString PluMemoryTable::cell(int column, int row) const {
    return cells[cellIndex(column, row)];
}

void PluMemoryTable::setCell(int column, int row, const QString& text) {
    cells[cellIndex(column, row)] = text;
}

#include "plu/PluTable.h"

#include <QtGlobal>
#include <cassert>

const std::array<PluColumnLayout, kPluColumnCount> kPluColumns = {{
    {QT_TRANSLATE_NOOP("PluTable", "NUM"), 35},
    {QT_TRANSLATE_NOOP("PluTable", "PRICE"), 52},
    {QT_TRANSLATE_NOOP("PluTable", "CODE"), 43},
    {QT_TRANSLATE_NOOP("PluTable", "DEP"), 32},
    {QT_TRANSLATE_NOOP("PluTable", "TAX"), 39},
    {QT_TRANSLATE_NOOP("PluTable", "NW"), 24},
    {QT_TRANSLATE_NOOP("PluTable", "FIX"), 27},
    {QT_TRANSLATE_NOOP("PluTable", "BAR"), 27},
    {QT_TRANSLATE_NOOP("PluTable", "NAME"), 281},
    {QT_TRANSLATE_NOOP("PluTable", "Valid Date"), 81},
    {QT_TRANSLATE_NOOP("PluTable", "QUANTITY"), 70},
    {QT_TRANSLATE_NOOP("PluTable", "TOTAL"), 66},
    {QT_TRANSLATE_NOOP("PluTable", "COUNT"), 46},
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

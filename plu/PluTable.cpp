#include "plu/PluTable.h"

#include <cassert>

const std::array<PluColumnLayout, kPluColumnCount> kPluColumns = {{
    {"NUM", 35},
    {"PRICE", 52},
    {"CODE", 43},
    {"DEP", 32},
    {"TAX", 39},
    {"NW", 24},
    {"FIX", 27},
    {"BAR", 27},
    {"NAME", 281},
    {"Valid Date", 81},
    {"QUANTITY", 70},
    {"TOTAL", 66},
    {"COUNT", 46},
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

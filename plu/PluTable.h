// The PLU table as the rest of the program sees it: 1801 PLU rows of 13 text cells each. The grid on
// the PLU tab and the command-line tool's in-memory table both implement it, so that the record, the
// transfer loops and the file code work on either. Rows are numbered 1 to 1801 as on the tab (row 0
// is the heading row and holds no PLU); columns 0 to 12.
#pragma once

#include <QString>
#include <array>
#include <vector>

enum PluColumn : int {
    NumColumn,
    PriceColumn,
    CodeColumn,
    DepColumn,
    TaxColumn,
    NwColumn,
    FixColumn,
    BarColumn,
    NameColumn,
    ValidDateColumn,
    QuantityColumn,
    TotalColumn,
    CountColumn,
};

constexpr int kPluColumnCount = 13;
// PLU 0, PLU 1800 and the 1799 PLUs of a full range.
constexpr int kPluRowCount = 1801;

struct PluColumnLayout {
    // In English, as files and scalectl show it; the window shows its translation (context
    // "PluTable").
    const char* heading;
    int width;       // pixels
    const char* tip; // what the column holds, for the heading's tooltip (context "PluTable")
};
extern const std::array<PluColumnLayout, kPluColumnCount> kPluColumns;

class PluTable {
public:
    virtual ~PluTable() = default;
    // row 1..kPluRowCount, column 0..12; an unset cell is empty text.
    virtual QString cell(int column, int row) const = 0;
    virtual void setCell(int column, int row, const QString& text) = 0;

    // A row is in use when its PRICE cell holds text.
    bool rowInUse(int row) const { return !cell(PriceColumn, row).isEmpty(); }
};

// A table held in memory (the command-line tool, tests, benchmarks).
class PluMemoryTable : public PluTable {
public:
    PluMemoryTable();
    QString cell(int column, int row) const override;
    void setCell(int column, int row, const QString& text) override;

private:
    std::vector<QString> cells;
};

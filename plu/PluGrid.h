// The PLU tab's grid as a PLU table: row r of the table is the grid's row r - 1, since the grid's
// header row holds the headings (the table's row 0).
#pragma once

#include "plu/PluTable.h"

class QTableWidget;

class PluGrid : public PluTable {
public:
    explicit PluGrid(QTableWidget& grid) : grid(grid) {}
    QString cell(int column, int row) const override;
    void setCell(int column, int row, const QString& text) override;

private:
    QTableWidget& grid;
};

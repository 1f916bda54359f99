#include "plu/PluGrid.h"

#include <QTableWidget>

QString PluGrid::cell(int column, int row) const {
    const QTableWidgetItem* item = grid.item(row - 1, column);
    return item ? item->text() : QString();
}

void PluGrid::setCell(int column, int row, const QString& text) {
    if (QTableWidgetItem* item = grid.item(row - 1, column))
        item->setText(text);
    else if (!text.isEmpty())
        grid.setItem(row - 1, column, new QTableWidgetItem(text));
}

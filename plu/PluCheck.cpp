#include "plu/PluCheck.h"

#include "plu/PluTable.h"
#include "text/Numbers.h"

namespace {
bool intAtMost(const QString& text, int32_t limit) {
    int32_t value = 0;
    int error = 0;
    tryParseInt(text, value, error);
    return error == 0 && value <= limit;
}
} // namespace

bool pluCellAccepted(int column, const QString& text) {
    if (text.isEmpty() && column <= ValidDateColumn)
        return true;
    switch (column) {
    case NumColumn:
        return true;
    case PriceColumn:
        return decimalTextAtMost(text, 9999.99);
    case CodeColumn:
        return decimalTextAtMost(text, 999999);
    case DepColumn:
        return intAtMost(text, 40);
    case TaxColumn:
        return intAtMost(text, 8);
    case NwColumn:
    case FixColumn:
    case BarColumn:
        return intAtMost(text, 1);
    case NameColumn:
        return text.size() <= 30;
    case ValidDateColumn:
        return decimalTextAtMost(text, 999);
    default: // QUANTITY, TOTAL and COUNT only show what the scale reported
        return false;
    }
}

bool isDecimalPluColumn(int column) {
    return column == PriceColumn || column == CodeColumn || column == ValidDateColumn;
}

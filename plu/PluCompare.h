// The scale compared with a PLU table (a PLU file's rows, or the grid of the PLU tab): which PLUs
// only one of them has, and which fields differ, judged by the bytes a write would send.
#pragma once

#include "plu/PluTransfer.h"

#include <QString>
#include <map>
#include <vector>

struct PluDifference {
    enum Kind { OnlyInTable, OnlyOnScale, Differs };
    Kind kind;
    int plu;
    // The table's row that carries the PLU (0 for OnlyOnScale).
    int row;
    // Differs: the column of the field (PRICE to Valid Date) and its two texts.
    int column = 0;
    QString scaleText;
    QString tableText;
};

// `scale`: what a read found, PLU number -> fields (empty: absent), for every PLU it read. Only the
// PLUs the read covered are compared; the table's rows are taken as a write in `order` would leave
// the scale (the last row of a PLU number decides). By PLU number, then field by field in column
// order. Throws ConversionError for a row that a write could not convert.
std::vector<PluDifference> comparePlus(const std::map<int, QByteArray>& scale, const PluTable& table,
                                       const std::vector<int>& order);

// The lines of `plu diff`: "only-in-file<TAB>N", "only-on-scale<TAB>N" or
// "differs<TAB>N<TAB>FIELD<TAB>SCALE<TAB>FILE".
QString differenceLine(const PluDifference& difference);

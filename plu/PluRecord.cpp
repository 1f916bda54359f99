#include "plu/PluRecord.h"

#include "text/CodePage.h"
#include "text/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

void putPluQuery(FrameLink& link, uint16_t plu) {
    link.clear();
    link.putWord(plu);
    link.putByte(0);
    link.putByte(kPluRecordBytes);
}

bool takePluRecord(FrameLink& link, uint16_t plu, PluTable& table, int row) {
    double price = link.getLong() / 100.0;
    if (price < 0 && plu != 0)
        return false;
    table.setCell(PriceColumn, row, formatFixed(price, 2, 3));
    table.setCell(CodeColumn, row, QString::number(link.getLong()));
    table.setCell(DepColumn, row, QString::number(link.getByte()));
    table.setCell(TaxColumn, row, QString::number(link.getByte()));
    uint8_t flags = link.getByte();
    table.setCell(NwColumn, row, QString::number(flags & 1));
    table.setCell(FixColumn, row, QString::number(flags >> 1 & 1));
    table.setCell(BarColumn, row, QString::number(flags >> 2 & 1));
    table.setCell(NameColumn, row, fromCp1250(link.getText(kPluNameWidth)));
    table.setCell(ValidDateColumn, row, QString::number(link.getWord()));
    int32_t quantity = link.getLong();
    // With NW set the scale counts pieces; otherwise it keeps thousandths (of a kilogram).
    if (flags & 1)
        table.setCell(QuantityColumn, row, QString::number(quantity));
    else
        table.setCell(QuantityColumn, row, formatFixed(quantity / 1000.0, 3, 4));
    table.setCell(TotalColumn, row, formatFixed(link.getLong() / 100.0, 2, 3));
    table.setCell(CountColumn, row, QString::number(link.getWord()));
    table.setCell(NumColumn, row, QString::number(plu));
    return true;
}

namespace {
// The price in hundredths. A value that does not fit the record's signed 32-bit field (a file may
// hold any negative price) is refused like a text that is no number, rather than sent wrapped.
int32_t priceInHundredths(const QString& text) {
    double hundredths = strToFloat(text) * 100;
    if (std::fabs(hundredths) < 1e15) {
        int64_t rounded = roundHalfEven(hundredths);
        if (rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max())
            return static_cast<int32_t>(rounded);
    }
    throw notAFloat(text);
}
} // namespace

void putPluRecord(FrameLink& link, const PluTable& table, int row) {
    link.clear();
    link.putWord(static_cast<uint16_t>(strToInt(table.cell(NumColumn, row))));
    link.putByte(0);
    link.putLong(static_cast<uint32_t>(priceInHundredths(table.cell(PriceColumn, row))));
    link.putLong(static_cast<uint32_t>(strToInt(table.cell(CodeColumn, row))));
    link.putByte(static_cast<uint8_t>(strToInt(table.cell(DepColumn, row))));
    link.putByte(static_cast<uint8_t>(strToInt(table.cell(TaxColumn, row))));
    uint32_t flags = static_cast<uint32_t>(strToInt(table.cell(NwColumn, row)));
    flags |= static_cast<uint32_t>(strToInt(table.cell(FixColumn, row))) << 1;
    flags |= static_cast<uint32_t>(strToInt(table.cell(BarColumn, row))) << 2;
    link.putByte(static_cast<uint8_t>(flags));
    link.putText(toCp1250(table.cell(NameColumn, row)), kPluNameWidth);
    link.putWord(static_cast<uint16_t>(strToInt(table.cell(ValidDateColumn, row))));
    link.putByte(0);
}

int unconvertibleColumn(const PluTable& table, int row) {
    for (int column : {NumColumn, PriceColumn, CodeColumn, DepColumn, TaxColumn, NwColumn, FixColumn,
                       BarColumn, ValidDateColumn}) {
        try {
            if (column == PriceColumn)
                priceInHundredths(table.cell(column, row));
            else
                strToInt(table.cell(column, row));
        } catch (const ConversionError&) {
            return column;
        }
    }
    return -1;
}

PluImage pluImage(const PluTable& table, int row) {
    FrameLink scratch;
    putPluRecord(scratch, table, row);
    const uint8_t* payload = scratch.sendBuffer;
    PluImage image{static_cast<uint16_t>(payload[0] << 8 | payload[1]), {}};
    const bool negative = payload[3] & 0x80;
    if (image.plu == 0 || !negative)
        image.fields = QByteArray(reinterpret_cast<const char*>(payload + 3), kPluWrittenBytes);
    return image;
}

namespace {
// One row is all the decoding below needs.
class OneRowTable : public PluTable {
public:
    QString cell(int column, int) const override { return cells[size_t(column)]; }
    void setCell(int column, int, const QString& text) override { cells[size_t(column)] = text; }

private:
    std::array<QString, kPluColumnCount> cells;
};
} // namespace

QStringList pluImageTexts(const QByteArray& fields) {
    // Decoded as a read of the record decodes it, so both sides of a comparison read alike; the
    // counters after the written part are zero and not shown.
    FrameLink scratch;
    std::copy(fields.begin(), fields.begin() + std::min<qsizetype>(fields.size(), kPluWrittenBytes),
              scratch.replyBuffer);
    OneRowTable row;
    takePluRecord(scratch, 0, row, 1);
    QStringList texts;
    for (int column = PriceColumn; column <= ValidDateColumn; ++column)
        texts << row.cell(column, 1);
    return texts;
}

int readPlu(const ScaleLine& line, PluTable& table, uint16_t plu, uint16_t row) {
    putPluQuery(line.link, plu);
    line.link.expectReply(kPluRecordBytes);
    if (!line.runCommand(kReadPluCommand))
        return kPluExchangeFailed;
    return takePluRecord(line.link, plu, table, row) ? kPluRead : kPluAbsent;
}

bool writePlu(const ScaleLine& line, const PluTable& table, uint16_t index) {
    int row = index + 1;
    if (!table.rowInUse(row))
        return true;
    putPluRecord(line.link, table, row);
    return line.runCommand(kWritePluCommand);
}

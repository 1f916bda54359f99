// The PLU record on the wire: the request payloads of 0x04 and 0x23 byte for byte, and the decoding
// of the 54-byte reply record into the 13 cells of a row.
#include "plu/PluRecord.h"
#include "text/Numbers.h"

#include "tests/support/LocaleGuard.h"
#include <QLocale>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
std::vector<uint8_t> payload(const FrameLink& link) {
    return {link.sendBuffer, link.sendBuffer + link.payloadCount};
}

std::vector<uint8_t> bytesOf(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<uint8_t> text31(const std::string& text) {
    std::vector<uint8_t> field(31, 0);
    std::copy(text.begin(), text.end(), field.begin());
    return field;
}

void fillRow(PluTable& table, int row, std::initializer_list<const char*> cells) {
    int column = 0;
    for (const char* text : cells)
        table.setCell(column++, row, QString::fromUtf8(text));
}

std::vector<QString> rowCells(const PluTable& table, int row) {
    std::vector<QString> cells;
    for (int column = 0; column < kPluColumnCount; ++column)
        cells.push_back(table.cell(column, row));
    return cells;
}

// A reply as the get operations read it: status, one more byte, then the record.
struct Reply {
    int32_t price = 0, code = 0;
    uint8_t dep = 0, tax = 0, flags = 0;
    std::string name;
    uint16_t validDate = 0;
    int32_t quantity = 0, total = 0;
    uint16_t count = 0;

    void loadInto(FrameLink& link) const {
        std::vector<uint8_t> body = {0x00, 0x00};
        auto put32 = [&](int32_t v) {
            for (int shift = 24; shift >= 0; shift -= 8)
                body.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> shift));
        };
        auto put16 = [&](uint16_t v) {
            body.push_back(static_cast<uint8_t>(v >> 8));
            body.push_back(static_cast<uint8_t>(v));
        };
        put32(price);
        put32(code);
        body.push_back(dep);
        body.push_back(tax);
        body.push_back(flags);
        for (uint8_t b : text31(name))
            body.push_back(b);
        put16(validDate);
        put32(quantity);
        put32(total);
        put16(count);
        ASSERT_EQ(body.size(), 2u + kPluRecordBytes);
        std::copy(body.begin(), body.end(), link.replyBuffer);
        link.cursor = 2;
    }
};

TEST(PluRequest, ReadQueryIsNumberZeroAndRecordLength) {
    FrameLink link;
    putPluQuery(link, 0x0708);
    EXPECT_EQ(payload(link), (std::vector<uint8_t>{0x07, 0x08, 0x00, 0x36}));
}

TEST(PluRequest, WriteRecordHasTheFortyEightBytesInOrder) {
    FrameLink link;
    PluMemoryTable table;
    std::string name30 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";
    fillRow(table, 5,
            {"1800", "0.53", "123456", "40", "8", "1", "0", "1", name30.c_str(), "365", "x", "y", "z"});
    putPluRecord(link, table, 5);
    std::vector<uint8_t> expected = bytesOf({
        {0x07, 0x08, 0x00},       // PLU 1800, 0
        {0x00, 0x00, 0x00, 0x35}, // 0.53 is 53 hundredths, not 52
        {0x00, 0x01, 0xE2, 0x40}, // code
        {0x28, 0x08, 0x05},       // department, tax, NW | BAR << 2
        text31(name30),           // the whole width, then the closing NUL
        {0x01, 0x6D, 0x00},       // valid date, 0
    });
    EXPECT_EQ(payload(link), expected);
    EXPECT_EQ(link.payloadCount, 48);
}

TEST(PluRequest, WriteRecordPacksFlagsPadsShortNamesAndKeepsLowBits) {
    FrameLink link;
    PluMemoryTable table;
    fillRow(table, 1, {"65537", "-1.5", "-1", "257", "0", "0", "1", "1", "Šíd", "-2", "", "", ""});
    putPluRecord(link, table, 1);
    std::vector<uint8_t> bytes = payload(link);
    ASSERT_EQ(bytes.size(), 48u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 14),
              (std::vector<uint8_t>{0x00, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0x6A, 0xFF, 0xFF, 0xFF, 0xFF, 0x01,
                                    0x00, 0x06}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 14, bytes.begin() + 45), text31("\x8A\xED\x64"));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 45, bytes.end()),
              (std::vector<uint8_t>{0xFF, 0xFE, 0x00}));
}

TEST(PluRequest, PricesRoundToTheNearestHundredth) {
    FrameLink link;
    PluMemoryTable table;
    for (auto [text, hundredths] : std::vector<std::pair<const char*, uint32_t>>{
             {"0.53", 53}, {"19.99", 1999}, {"1.234", 123}, {"1.236", 124}, {"9999.99", 999999}}) {
        fillRow(table, 1, {"1", text, "0", "0", "0", "0", "0", "0", "", "0"});
        putPluRecord(link, table, 1);
        uint32_t sent = uint32_t(link.sendBuffer[3]) << 24 | uint32_t(link.sendBuffer[4]) << 16 |
                        uint32_t(link.sendBuffer[5]) << 8 | link.sendBuffer[6];
        EXPECT_EQ(sent, hundredths) << text;
    }
}

TEST(PluRequest, CellsThatDoNotConvertGiveTheStandardMessage) {
    FrameLink link;
    PluMemoryTable table;
    auto messageFor = [&](std::initializer_list<const char*> cells) -> std::string {
        fillRow(table, 1, cells);
        try {
            putPluRecord(link, table, 1);
        } catch (const ConversionError& e) {
            return e.what();
        }
        return "converted";
    };
    EXPECT_EQ(messageFor({"12.5", "1", "0", "0", "0", "0", "0", "0", "", "0"}),
              "'12.5' is not a valid integer value");
    EXPECT_EQ(messageFor({"1", "1", "1.5", "0", "0", "0", "0", "0", "", "0"}),
              "'1.5' is not a valid integer value");
    EXPECT_EQ(messageFor({"1", "1", "0", "0", "0", "0", "0", "0", "", ""}),
              "'' is not a valid integer value");
    EXPECT_EQ(messageFor({"1", "1x", "0", "0", "0", "0", "0", "0", "", "0"}),
              "'1x' is not a valid floating point value");
    // A price beyond the record's 32-bit field is refused rather than sent wrapped.
    EXPECT_EQ(messageFor({"1", "-1e20", "0", "0", "0", "0", "0", "0", "", "0"}),
              "'-1e20' is not a valid floating point value");
}

TEST(PluReply, RecordFillsAllThirteenCells) {
    FrameLink link;
    PluMemoryTable table;
    Reply reply{1999,
                4711,
                12,
                3,
                0xFA,
                "Jablka \x9A"
                "ed\xE1",
                0xFFFE,
                1500,
                123456,
                0xFFFF};
    reply.loadInto(link);
    ASSERT_TRUE(takePluRecord(link, 17, table, 3));
    EXPECT_EQ(rowCells(table, 3), (std::vector<QString>{"17", "19.99", "4711", "12", "3", "0", "1", "0",
                                                        u"Jablka šedá"_qs, "-2", "1.500", "1234.56", "-1"}));
}

TEST(PluReply, CountedPluShowsAWholeQuantityAndNamesEndAtThirtyCharacters) {
    FrameLink link;
    PluMemoryTable table;
    Reply reply{5, -7, 0, 0, 0x01, std::string(31, 'N'), 0, 12, -250, 3};
    reply.loadInto(link);
    link.replyBuffer[2 + 11 + 30] = 'X'; // no NUL within the field: 30 characters are taken
    ASSERT_TRUE(takePluRecord(link, 9, table, 1));
    EXPECT_EQ(rowCells(table, 1), (std::vector<QString>{"9", "0.05", "-7", "0", "0", "1", "0", "0",
                                                        QString(30, QChar('N')), "0", "12", "-2.50", "3"}));
}

TEST(PluReply, NegativePriceMeansAbsentExceptForPluZero) {
    FrameLink link;
    PluMemoryTable table;
    table.setCell(NumColumn, 2, QStringLiteral("keep"));
    Reply reply{-1, 1, 1, 1, 0, "gone", 0, 0, 0, 0};
    reply.loadInto(link);
    EXPECT_FALSE(takePluRecord(link, 5, table, 2));
    EXPECT_EQ(rowCells(table, 2)[0], "keep");
    EXPECT_TRUE(rowCells(table, 2)[1].isEmpty());

    reply.loadInto(link);
    ASSERT_TRUE(takePluRecord(link, 0, table, 2));
    EXPECT_EQ(table.cell(NumColumn, 2), "0");
    EXPECT_EQ(table.cell(PriceColumn, 2), "-0.01");
    EXPECT_EQ(table.cell(NameColumn, 2), "gone");
}

TEST(PluReply, CommaLocaleFormatsEveryDecimalCellWithAComma) {
    LocaleGuard comma{QLocale(QLocale::German)};
    FrameLink link;
    PluMemoryTable table;
    Reply reply{0, 0, 0, 0, 0, "", 0, 1500, 250, 0};
    reply.loadInto(link);
    ASSERT_TRUE(takePluRecord(link, 1, table, 1));
    EXPECT_EQ(table.cell(PriceColumn, 1), "0,00");
    EXPECT_EQ(table.cell(QuantityColumn, 1), "1,500");
    EXPECT_EQ(table.cell(TotalColumn, 1), "2,50");
    // and what the table shows converts back to the same record
    table.setCell(PriceColumn, 1, QStringLiteral("0,53"));
    putPluRecord(link, table, 1);
    EXPECT_EQ(link.sendBuffer[6], 53);
}
} // namespace

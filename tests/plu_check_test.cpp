// The PLU cell check, column rule by column rule, as the in-place editor runs it on every keystroke.
#include "plu/PluCheck.h"
#include "plu/PluTable.h"

#include "tests/support/LocaleGuard.h"
#include <QLocale>

#include <gtest/gtest.h>

namespace {
struct Case {
    int column;
    const char* text;
    bool accepted;
};

void expectCases(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(pluCellAccepted(c.column, QString::fromUtf8(c.text)), c.accepted)
            << "column " << c.column << " text '" << c.text << "'";
}

TEST(PluCellCheck, EmptyTextClearsEveryEditableColumnButNotTheReadOnlyOnes) {
    for (int column = NumColumn; column <= ValidDateColumn; ++column)
        EXPECT_TRUE(pluCellAccepted(column, QString())) << column;
    for (int column : {QuantityColumn, TotalColumn, CountColumn}) {
        EXPECT_FALSE(pluCellAccepted(column, QString())) << column;
        EXPECT_FALSE(pluCellAccepted(column, QStringLiteral("1"))) << column;
    }
}

TEST(PluCellCheck, DecimalColumnsTakeIntermediateTextsAndBoundFromAboveOnly) {
    expectCases({
        {PriceColumn, "1", true},
        {PriceColumn, "12", true},
        {PriceColumn, "12.", true},
        {PriceColumn, "9999.99", true},
        {PriceColumn, "9999.991", false},
        {PriceColumn, "10000", false},
        {PriceColumn, "-", false},
        {PriceColumn, "-5", true},
        {PriceColumn, "1,5", true},
        {PriceColumn, "1,5.", false},
        {PriceColumn, "1e3", true},
        {CodeColumn, "999999", true},
        {CodeColumn, "1000000", false},
        {CodeColumn, "12.5", true},
        {CodeColumn, "x", false},
        {ValidDateColumn, "999", true},
        {ValidDateColumn, "999.5", false},
        {ValidDateColumn, "-30", true},
    });
}

TEST(PluCellCheck, WholeNumberColumnsRefuseFractionsAndValuesAboveTheirLimit) {
    expectCases({
        {DepColumn, "4", true},
        {DepColumn, "40", true},
        {DepColumn, "41", false},
        {DepColumn, "-5", true},
        {DepColumn, "4.0", false},
        {TaxColumn, "8", true},
        {TaxColumn, "9", false},
        {NwColumn, "0", true},
        {NwColumn, "1", true},
        {NwColumn, "2", false},
        {FixColumn, "a", false},
        {BarColumn, "1", true},
        {BarColumn, "10", false},
    });
}

TEST(PluCellCheck, NumTakesAnyTextAndNameAtMostThirtyCharacters) {
    EXPECT_TRUE(pluCellAccepted(NumColumn, QStringLiteral("abc 12.5")));
    EXPECT_TRUE(pluCellAccepted(NameColumn, QString(30, QChar(u'Ž'))));
    EXPECT_FALSE(pluCellAccepted(NameColumn, QString(31, QChar('A'))));
}

TEST(PluCellCheck, CommaLocaleTakesTheCommaAndThePoint) {
    LocaleGuard comma{QLocale(QLocale::German)};
    expectCases({
        {PriceColumn, "12,", true},
        {PriceColumn, "9999,99", true},
        {PriceColumn, "12.5", true},
        {PriceColumn, "9999.991", false},
        {PriceColumn, "1.000,5", true},   // grouped the German way: 1000.5
        {PriceColumn, "10.000,5", false}, // the same way, beyond the limit
        {PriceColumn, "1,000.5", false},  // grouped another way
        {ValidDateColumn, "1,5", true},
    });
}
} // namespace

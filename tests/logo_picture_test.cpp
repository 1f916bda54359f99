// Loading the logo's picture: bitmaps of every depth in both row orders, written by the test,
// fitted to 384 dots (cut on the right or extended with white) and to at most 250 rows; files that
// are missing or are no bitmap; and the gray levels taken from the pixels.
#include "logo/LogoPicture.h"
#include "tests/support/BitmapWriter.h"
#include "tests/support/NamedCase.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using testcases::PrintTo;

// A few colours, so that even the 1-bit table holds the pattern at its depth.
const std::array<QRgb, 16> kColours = {
    qRgb(0, 0, 0),     qRgb(255, 255, 255), qRgb(200, 30, 40),   qRgb(10, 220, 90),
    qRgb(60, 70, 250), qRgb(128, 128, 128), qRgb(127, 127, 127), qRgb(250, 250, 0),
    qRgb(0, 255, 255), qRgb(90, 0, 90),     qRgb(33, 66, 99),    qRgb(180, 120, 60),
    qRgb(1, 2, 3),     qRgb(240, 15, 200),  qRgb(77, 177, 7),    qRgb(160, 160, 255)};

// The test picture at a depth: two colours at 1 bit, sixteen at 4 and 8 bits, any colour above.
QRgb patternPixel(int bits, int x, int y) {
    if (bits == 1)
        return kColours[size_t((x / 3 + y / 2) % 2)];
    if (bits <= 8)
        return kColours[size_t((x / 5 + y * 3) % 16)];
    return qRgb(x * 7 % 256, y * 13 % 256, (x + 2 * y) % 256);
}

// An 8-bit level through a 5-bit field and back: 255 stays 255, 131 (10000) becomes 132.
int fiveBitLevel(int level) {
    return (level & 0xF8) | level >> 5;
}

struct PictureCase {
    const char* name;
    int bits;
    RowOrder order;
    int width;
    int height;
};

class LogoPictureLoading : public ::testing::TestWithParam<PictureCase> {};

TEST_P(LogoPictureLoading, KeepsThePixelsCutsTheRestAndExtendsWithWhite) {
    const PictureCase& c = GetParam();
    LogoPictureLoad loaded = loadLogoBytes(bitmapBytes(
        c.width, c.height, c.bits, c.order, [&c](int x, int y) { return patternPixel(c.bits, x, y); }));
    ASSERT_TRUE(loaded.error.isEmpty()) << loaded.error.toStdString();
    const QImage& picture = loaded.picture;
    ASSERT_EQ(picture.format(), QImage::Format_RGB32);
    ASSERT_EQ(picture.width(), 384);
    ASSERT_EQ(picture.height(), std::min(c.height, 250));
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < 384; ++x) {
            QRgb expected = x < c.width ? patternPixel(c.bits, x, y) : qRgb(255, 255, 255);
            if (c.bits == 16) // 5 bits a colour, widened to 8 by repeating the high bits
                expected = qRgb(fiveBitLevel(qRed(expected)), fiveBitLevel(qGreen(expected)),
                                fiveBitLevel(qBlue(expected)));
            wrong += picture.pixel(x, y) != expected;
        }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(
    EveryDepthBothOrders, LogoPictureLoading,
    ::testing::Values(PictureCase{"Bits1BottomUpNarrow", 1, RowOrder::BottomUp, 200, 100},
                      PictureCase{"Bits1TopDownWideTall", 1, RowOrder::TopDown, 500, 300},
                      PictureCase{"Bits4BottomUpNarrow", 4, RowOrder::BottomUp, 201, 37},
                      PictureCase{"Bits4TopDownWideTall", 4, RowOrder::TopDown, 500, 300},
                      PictureCase{"Bits8BottomUpWideTall", 8, RowOrder::BottomUp, 500, 300},
                      PictureCase{"Bits8TopDownNarrow", 8, RowOrder::TopDown, 199, 250},
                      PictureCase{"Bits16BottomUpNarrow", 16, RowOrder::BottomUp, 150, 40},
                      PictureCase{"Bits16TopDownWideTall", 16, RowOrder::TopDown, 500, 300},
                      PictureCase{"Bits24BottomUpExact", 24, RowOrder::BottomUp, 384, 250},
                      PictureCase{"Bits24TopDownNarrow", 24, RowOrder::TopDown, 203, 1},
                      PictureCase{"Bits32BottomUpWideTall", 32, RowOrder::BottomUp, 500, 300},
                      PictureCase{"Bits32TopDownNarrow", 32, RowOrder::TopDown, 1, 100}),
    testcases::caseName);

// One row of 16-bit pixels with the 5-6-5 bit fields (red, green, blue masks after the header).
QByteArray bitFields565(const std::vector<uint16_t>& pixels) {
    QByteArray bytes;
    auto put = [&bytes](uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            bytes.append(char(value >> (8 * i)));
    };
    const int stride = (int(pixels.size()) * 2 + 3) / 4 * 4;
    bytes.append("BM");
    put(14 + 40 + 12 + uint32_t(stride), 4);
    put(0, 4);
    put(14 + 40 + 12, 4);
    for (uint32_t field : {40U, uint32_t(pixels.size()), 1U})
        put(field, 4);
    put(1, 2);
    put(16, 2);
    put(3, 4); // bit fields
    for (uint32_t field : {uint32_t(stride), 2835U, 2835U, 0U, 0U, 0xF800U, 0x07E0U, 0x001FU})
        put(field, 4);
    for (uint16_t pixel : pixels)
        put(pixel, 2);
    bytes.append(QByteArray(stride - 2 * qsizetype(pixels.size()), '\0'));
    return bytes;
}

TEST(LogoPictureBitFields, WidenEachFieldByRepeatingItsHighBits) {
    LogoPictureLoad loaded = loadLogoBytes(bitFields565({0xFFFF, 0x0000, 0x8410, 0x07E0}));
    ASSERT_TRUE(loaded.error.isEmpty()) << loaded.error.toStdString();
    EXPECT_EQ(loaded.picture.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(loaded.picture.pixel(1, 0), qRgb(0, 0, 0));
    // The upper half of each field: 5 bits 10000 → 132, 6 bits 100000 → 130.
    EXPECT_EQ(loaded.picture.pixel(2, 0), qRgb(132, 130, 132));
    EXPECT_EQ(loaded.picture.pixel(3, 0), qRgb(0, 255, 0));
    EXPECT_EQ(loaded.picture.pixel(4, 0), qRgb(255, 255, 255)) << "the white margin";
}

struct RefusedCase {
    const char* name;
    QByteArray bytes;
};

class LogoPictureRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(LogoPictureRefused, WithTheBitmapMessage) {
    LogoPictureLoad loaded = loadLogoBytes(GetParam().bytes);
    EXPECT_TRUE(loaded.picture.isNull());
    EXPECT_EQ(loaded.error, QStringLiteral("Bitmap image is not valid"));
}

QByteArray pngBytes() {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::black);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A bitmap whose pixel rows end `missing` bytes early.
QByteArray truncatedBitmap(int bits, qsizetype missing) {
    QByteArray bytes = bitmapBytes(50, 50, bits, RowOrder::BottomUp, [](int, int) { return qRgb(1, 2, 3); });
    return bytes.left(bytes.size() - missing);
}

INSTANTIATE_TEST_SUITE_P(NotABitmap, LogoPictureRefused,
                         ::testing::Values(RefusedCase{"Empty", QByteArray()},
                                           RefusedCase{"Text", QByteArray("PLU\t1\tMILK\n")},
                                           RefusedCase{"Png", pngBytes()},
                                           RefusedCase{"HeaderOnly", truncatedBitmap(24, 50 * 152)},
                                           RefusedCase{"LastRowShort", truncatedBitmap(8, 1)},
                                           RefusedCase{"HalfTheRows", truncatedBitmap(32, 25 * 200)}),
                         testcases::caseName);

TEST(LogoPictureFile, LoadsFromDiskAndNamesAFileThatCannotBeOpened) {
    QTemporaryDir dir;
    const QString path = dir.filePath("LOGO.BMP");
    ASSERT_TRUE(writeFileBytes(
        path, bitmapBytes(8, 2, 24, RowOrder::BottomUp, [](int, int) { return qRgb(0, 0, 0); })));
    LogoPictureLoad loaded = loadLogoFile(path);
    EXPECT_TRUE(loaded.error.isEmpty());
    EXPECT_EQ(loaded.picture.size(), QSize(384, 2));

    const QString missing = dir.filePath("NONE.BMP");
    LogoPictureLoad failed = loadLogoFile(missing);
    EXPECT_TRUE(failed.picture.isNull());
    EXPECT_EQ(failed.error, QStringLiteral("Cannot open file ") + missing);
}

TEST(LogoGrayLevels, WeighRedGreenBlueAsNineteenThirtyEightSixOver64) {
    QImage picture(384, 2, QImage::Format_RGB32);
    picture.fill(qRgb(255, 255, 255));
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    picture.setPixel(1, 0, qRgb(10, 20, 30)); // (190 + 760 + 180) / 64 = 17
    picture.setPixel(2, 0, qRgb(255, 0, 0));  // 4845 / 64 = 75
    picture.setPixel(3, 0, qRgb(0, 255, 0));  // 9690 / 64 = 151
    picture.setPixel(4, 0, qRgb(0, 0, 255));  // 1530 / 64 = 23
    picture.setPixel(383, 1, qRgb(1, 2, 3));  // (19 + 76 + 18) / 64 = 1
    LogoPlane gray;
    gray.fill(99);
    takeGrayLevels(picture, gray);
    EXPECT_EQ(gray[0], 0);
    EXPECT_EQ(gray[1], 17);
    EXPECT_EQ(gray[2], 75);
    EXPECT_EQ(gray[3], 151);
    EXPECT_EQ(gray[4], 23);
    EXPECT_EQ(gray[5], 251) << "pure white";
    EXPECT_EQ(gray[384 + 383], 1);
    // The rows below the picture keep their levels.
    EXPECT_EQ(gray[2 * 384], 99);
    EXPECT_EQ(gray.back(), 99);
}
} // namespace

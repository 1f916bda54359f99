// The logo's conversion on plain byte arrays: the tone curve, the brightness and contrast
// adjustment with its truncation and clamps, the serpentine error diffusion worked by hand, and
// whole conversions of pictures into black and white rows.
#include "logo/LogoConversion.h"
#include "logo/LogoUpload.h"
#include "tests/support/NamedCase.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using testcases::PrintTo;

TEST(LogoToneTable, FollowsTheSineCurveWithinPlusMinus26) {
    const std::array<int, 256>& t = toneTable();
    EXPECT_EQ(t[0], 0);
    EXPECT_EQ(t[128], 0);
    EXPECT_EQ(t[255], 0);
    EXPECT_EQ(t[32], -22);
    EXPECT_EQ(t[64], -26);
    EXPECT_EQ(t[192], 26);
    EXPECT_EQ(t[224], 22);
    EXPECT_EQ(*std::min_element(t.begin(), t.end()), -26);
    EXPECT_EQ(*std::max_element(t.begin(), t.end()), 26);
}

struct ToneCase {
    const char* name;
    int gray;
    int brightness;
    int contrast;
    int expected;
};

class LogoAdjustTones : public ::testing::TestWithParam<ToneCase> {};

TEST_P(LogoAdjustTones, AddsBrightnessThenTheScaledCurve) {
    const ToneCase& c = GetParam();
    LogoPlane gray;
    gray.fill(uint8_t(c.gray));
    LogoPlane work{};
    adjustTones(gray, c.brightness, c.contrast, work);
    EXPECT_EQ(work.front(), c.expected);
    EXPECT_EQ(work.back(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogoAdjustTones,
    ::testing::Values(ToneCase{"ContrastZeroKeepsTheLevel", 127, 0, 0, 127},
                      ToneCase{"BrightnessAdds", 100, 20, 0, 120},
                      ToneCase{"BrightnessClampsAtTop", 251, 128, 0, 255},
                      ToneCase{"DarkestBrightnessMakesWhite127", 255, -128, 0, 127},
                      ToneCase{"BrightnessClampsAtBottom", 20, -128, 0, 0},
                      // 1 × T[32] = −22 / 100 truncates toward zero to 0, not down to −1.
                      ToneCase{"CurveShareTruncatesTowardZeroBelow", 32, 0, 1, 32},
                      // 99 × T[192] = 2574 / 100 = 25.
                      ToneCase{"CurveShareTruncatesTowardZeroAbove", 192, 0, 99, 217},
                      // 100 × T[64]: the plain S-curve, 128 + 128 sin(−π/4) = 37.49, by way of the
                      // truncated T[64] = −26.
                      ToneCase{"ContrastHundredIsTheSCurve", 64, 0, 100, 38},
                      // 255 × −26 / 100 = −66: 64 − 66 clamps to 0.
                      ToneCase{"Contrast255ClampsDark", 64, 0, 255, 0},
                      ToneCase{"Contrast255ClampsLight", 192, 0, 255, 255},
                      // The curve is indexed by the gray level before brightness: T[64], not T[128].
                      ToneCase{"CurveIndexedByUnadjustedGray", 64, 64, 100, 102},
                      ToneCase{"CurveIndexedByUnadjustedGrayAbove", 192, -64, 100, 154}),
    testcases::caseName);

struct DitherCase {
    const char* name;
    int width;
    int height;
    std::vector<uint8_t> before;
    std::vector<uint8_t> after;
};

class LogoDither : public ::testing::TestWithParam<DitherCase> {};

TEST_P(LogoDither, SpreadsTheErrorAsWorkedByHand) {
    const DitherCase& c = GetParam();
    std::vector<uint8_t> image = c.before;
    ditherImage(image.data(), c.width, c.height);
    EXPECT_EQ(image, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogoDither,
    ::testing::Values(
        // Row 0 left to right, row 1 right to left; each share from the error by itself:
        // 100 → 0 (e 100: 43 ahead, 31 below, 6 below ahead); 143 → 255 (e 112: −49, −35, −7,
        // −21 behind); 51 → 0 (e 51: 15 below, 9 below behind); row 1 from the right: 108 → 0
        // (+47), 127 → 0 (+55), 165 → 255.
        DitherCase{"SerpentineThreeByTwo", 3, 2, {100, 100, 100, 100, 100, 100}, {0, 255, 0, 255, 0, 0}},
        // 130 → 255 hands −54 to a 10, which stops at 0 instead of wrapping to white.
        DitherCase{"SubtractionStopsAtZero", 2, 1, {130, 10}, {255, 0}},
        // 100 → 0 hands +43 to a 250, which stops at 255 instead of wrapping to black.
        DitherCase{"AdditionStopsAt255", 2, 1, {100, 250}, {0, 255}},
        // e 127 from the first dot: 55 ahead makes the next one 73, black.
        DitherCase{"Uniform128StartsWhiteThenBlack", 3, 1, {128, 128, 128}, {255, 0, 255}},
        // Shares that would fall left of column 0 or below the last row are dropped.
        DitherCase{"SharesOutsideAreDropped", 1, 1, {60}, {0}}),
    testcases::caseName);

// A picture of h rows in one colour, loaded into fresh images.
LogoImages imagesOf(int width, int rows, QRgb colour) {
    QImage picture(kLogoWidth, rows, QImage::Format_RGB32);
    picture.fill(qRgb(255, 255, 255));
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, colour);
    LogoImages images;
    takePicture(images, picture);
    return images;
}

int blackDots(const QImage& picture, int fromX, int toX) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = fromX; x < toX; ++x)
            count += picture.pixel(x, y) == qRgb(0, 0, 0);
    return count;
}

struct ConversionCase {
    const char* name;
    QRgb colour;
    LogoControls controls;
    int blackExpected; // of the 200 × 20 picture area
};

class LogoConversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(LogoConversion, PaintsBlackAndWhiteAndLeavesTheWhiteMarginWhite) {
    const ConversionCase& c = GetParam();
    LogoImages images = imagesOf(200, 20, c.colour);
    convertLogo(images, c.controls);
    int pure = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < kLogoWidth; ++x) {
            QRgb dot = images.picture.pixel(x, y);
            pure += dot == qRgb(0, 0, 0) || dot == qRgb(255, 255, 255);
        }
    EXPECT_EQ(pure, kLogoWidth * 20);
    if (c.blackExpected >= 0) {
        EXPECT_EQ(blackDots(images.picture, 0, 200), c.blackExpected);
    } else {
        EXPECT_GT(blackDots(images.picture, 0, 200), 0);
    }
    // The extension beyond column 200 was white (251) and stays white, whatever its neighbours.
    EXPECT_EQ(blackDots(images.picture, 200, kLogoWidth), c.controls.brightness < -123 ? 184 * 20 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogoConversion,
    ::testing::Values(
        // (19 + 38 + 6) × 132 / 64 = 129 and × 131 / 64 = 128: gray 128 is the first white.
        ConversionCase{"Threshold128IsWhite", qRgb(131, 131, 131), {0, 0, true}, 0},
        ConversionCase{"Threshold127IsBlack", qRgb(130, 130, 130), {0, 0, true}, 200 * 20},
        ConversionCase{"DarkestBrightnessMakesAllBlack", qRgb(255, 255, 255), {-128, 0, true}, 200 * 20},
        ConversionCase{"PureWhiteStaysWhite", qRgb(255, 255, 255), {0, 128, false}, 0},
        ConversionCase{"PureBlackStaysBlack", qRgb(0, 0, 0), {0, 128, false}, 200 * 20},
        ConversionCase{"MidGrayDithersToAMix", qRgb(131, 131, 131), {0, 0, false}, -1},
        ConversionCase{"Contrast255DithersToAMix", qRgb(131, 131, 131), {0, 255, false}, -1}),
    testcases::caseName);

TEST(LogoConversionKeepsTheGrayLevels, SoTheControlsCanMoveAgain) {
    LogoImages images = imagesOf(kLogoWidth, 10, qRgb(131, 131, 131));
    convertLogo(images, {-128, 0, true});
    EXPECT_EQ(blackDots(images.picture, 0, kLogoWidth), kLogoWidth * 10);
    convertLogo(images, {0, 0, true});
    EXPECT_EQ(blackDots(images.picture, 0, kLogoWidth), 0);
    EXPECT_EQ(images.grayImage[0], 128);
}

TEST(LogoConversionUniform128, FirstDotWhiteItsNeighbourBlack) {
    LogoImages images = imagesOf(kLogoWidth, 1, qRgb(131, 131, 131));
    convertLogo(images, {0, 0, false});
    EXPECT_EQ(images.picture.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(images.picture.pixel(1, 0), qRgb(0, 0, 0));
}

TEST(LogoConversionWithoutPicture, PaintsNothing) {
    LogoImages images;
    convertLogo(images, {});
    EXPECT_EQ(images.picture.height(), 0);
}

struct RowCase {
    const char* name;
    std::vector<int> blackColumns;
    std::vector<std::pair<int, uint8_t>> expectedBytes; // the other bytes are 0
};

class LogoRowPacking : public ::testing::TestWithParam<RowCase> {};

TEST_P(LogoRowPacking, BlackDotsAreOneBitsLeftmostHighest) {
    QImage picture(kLogoWidth, 1, QImage::Format_RGB32);
    picture.fill(qRgb(255, 255, 255));
    for (int x : GetParam().blackColumns)
        picture.setPixel(x, 0, qRgb(0, 0, 0));
    LogoRow expected{};
    for (auto [index, byte] : GetParam().expectedBytes)
        expected[size_t(index)] = byte;
    EXPECT_EQ(logoRow(picture, 0), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogoRowPacking,
    ::testing::Values(RowCase{"AllWhite", {}, {}}, RowCase{"LeftmostDot", {0}, {{0, 0x80}}},
                      RowCase{"EighthDot", {7}, {{0, 0x01}}}, RowCase{"NinthDot", {8}, {{1, 0x80}}},
                      RowCase{"RightmostDot", {383}, {{47, 0x01}}},
                      RowCase{"Mixed", {0, 2, 4, 6, 9, 10, 376}, {{0, 0xAA}, {1, 0x60}, {47, 0x80}}}),
    testcases::caseName);

TEST(LogoRowPackingAllBlack, GivesFF) {
    QImage picture(kLogoWidth, 1, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));
    LogoRow row = logoRow(picture, 0);
    EXPECT_TRUE(std::all_of(row.begin(), row.end(), [](uint8_t b) { return b == 0xFF; }));
}
} // namespace

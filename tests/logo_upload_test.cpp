// The logo's upload end to end: the real link over a pseudo-terminal against the emulated scale,
// through the same sendLogo the window and scalectl run. Checks the requests' offsets and bytes,
// what the scale keeps (and the picture it writes of it), and the stop at the first failed block.
#include "logo/LogoConversion.h"
#include "logo/LogoUpload.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SimHarness.h"

#include <QFile>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using testcases::PrintTo;

// A picture with a different pattern on every row, as a conversion leaves it (pure black and white).
QImage stripes(int rows) {
    QImage picture(kLogoWidth, rows, QImage::Format_RGB32);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < kLogoWidth; ++x)
            picture.setPixel(x, y, (x * 7 + y * 3) % 5 < 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return picture;
}

std::vector<uint8_t> rowRequest(const QImage& picture, int y) {
    const int offset = 1 + 48 * y;
    std::vector<uint8_t> body{0x24, uint8_t(offset >> 8), uint8_t(offset)};
    for (int x = 0; x < kLogoWidth; x += 8) {
        uint8_t byte = 0;
        for (int bit = 0; bit < 8; ++bit)
            if (picture.pixel(x + bit, y) == qRgb(0, 0, 0))
                byte |= uint8_t(0x80 >> bit);
        body.push_back(byte);
    }
    return body;
}

class LogoUpload : public ::testing::Test {
protected:
    LogoUpload() : scale(withLogoOut()) {}
    void SetUp() override { ASSERT_TRUE(theLink.open(1, 115200)); }

    SimOptions withLogoOut() {
        SimOptions options;
        options.logoOut = pbmPath;
        return options;
    }
    ScaleSim& sim() { return scale.sim(); }
    std::array<uint8_t, kLogoSize> scaleLogo() {
        std::array<uint8_t, kLogoSize> logo{};
        sim().withState([&logo](ScaleState& state) { logo = state.logo; });
        return logo;
    }
    bool send(const QImage& picture) {
        return sendLogo(quietLine(theLink), picture, [this](int row) { rowsSent.push_back(row); });
    }

    std::string pbmPath = "/tmp/scale-logo-upload-" + std::to_string(::getpid()) + ".pbm";
    SimHarness scale;
    std::vector<int> rowsSent;

    ~LogoUpload() override { std::remove(pbmPath.c_str()); }
};

struct UploadCase {
    const char* name;
    int rows;
    int rowsSent;
};

class LogoUploadSizes : public LogoUpload, public ::testing::WithParamInterface<UploadCase> {};

TEST_P(LogoUploadSizes, SendsTheHeaderThenEachRowAtItsOffset) {
    const UploadCase& c = GetParam();
    QImage picture = stripes(c.rows);
    ASSERT_TRUE(send(picture));

    std::vector<std::vector<uint8_t>> bodies = sim().requestBodies();
    ASSERT_EQ(bodies.size(), size_t(1 + c.rowsSent));
    EXPECT_EQ(bodies[0], (std::vector<uint8_t>{0x24, 0x00, 0x00, uint8_t(c.rowsSent)}));
    int wrong = 0;
    for (int y = 0; y < c.rowsSent; ++y)
        wrong += bodies[size_t(1 + y)] != rowRequest(picture, y);
    EXPECT_EQ(wrong, 0);
    ASSERT_EQ(rowsSent.size(), size_t(c.rowsSent));
    if (c.rowsSent > 0) {
        EXPECT_EQ(rowsSent.back(), c.rowsSent - 1);
    }

    // The scale keeps the rows where the requests put them and writes them as a 1-bit picture.
    std::array<uint8_t, kLogoSize> logo = scaleLogo();
    EXPECT_EQ(logo[0], c.rowsSent);
    std::string pbm = "P4\n384 " + std::to_string(c.rowsSent) + "\n";
    for (int y = 0; y < c.rowsSent; ++y) {
        std::vector<uint8_t> row(bodies[size_t(1 + y)].begin() + 3, bodies[size_t(1 + y)].end());
        EXPECT_TRUE(std::equal(row.begin(), row.end(), logo.begin() + 1 + 48 * y)) << "row " << y;
        pbm.append(row.begin(), row.end());
    }
    QFile written(QString::fromStdString(pbmPath));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), pbm);
}

INSTANTIATE_TEST_SUITE_P(Cases, LogoUploadSizes,
                         ::testing::Values(UploadCase{"NoPictureSendsOnlyTheRowCount", 0, 0},
                                           UploadCase{"HundredRows", 100, 100},
                                           UploadCase{"FullHeight", 250, 250},
                                           UploadCase{"TallerPictureStopsAt250", 260, 250}),
                         testcases::caseName);

TEST_F(LogoUpload, StopsAtTheFirstFailedRowKeepingWhatWasSent) {
    QImage picture = stripes(10);
    sendLogo(quietLine(theLink), stripes(20), [](int) {}); // an older, taller logo on the scale
    sim().clearLog();
    bool sent = sendLogo(quietLine(theLink), picture, [this](int row) {
        rowsSent.push_back(row);
        if (row == 2)
            sim().injectFault(Fault::Nak, 3); // every attempt at row 3 fails
    });
    EXPECT_FALSE(sent);
    EXPECT_EQ(rowsSent, (std::vector<int>{0, 1, 2}));
    std::vector<std::vector<uint8_t>> bodies = sim().requestBodies();
    ASSERT_EQ(bodies.size(), 1u + 3u + 3u); // header, rows 0 to 2, three attempts at row 3
    for (size_t attempt = 4; attempt < bodies.size(); ++attempt)
        EXPECT_EQ(bodies[attempt], rowRequest(picture, 3));
    std::array<uint8_t, kLogoSize> logo = scaleLogo();
    EXPECT_EQ(logo[0], 10) << "the new row count stays";
    EXPECT_TRUE(std::equal(bodies[3].begin() + 3, bodies[3].end(), logo.begin() + 1 + 48 * 2));
}

TEST_F(LogoUpload, AFailedHeaderSendsNoRow) {
    sim().injectFault(Fault::Nak, 3);
    EXPECT_FALSE(send(stripes(5)));
    EXPECT_EQ(sim().requestBodies().size(), 3u);
    EXPECT_TRUE(rowsSent.empty());
}
} // namespace

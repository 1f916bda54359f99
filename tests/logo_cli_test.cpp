// scalectl's logo commands run in-process on a link to the emulated scale: what goes on the wire
// for bitmaps of known content, the preview's dots, and the refusals before any port is touched.
#include "cli/LogoCommands.h"
#include "tests/support/BitmapWriter.h"
#include "tests/support/NamedCase.h"
#include "tests/support/SimHarness.h"

#include <QImage>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

using testcases::PrintTo;

class LogoCommand : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(theLink.open(1, 115200)); }

    std::string path(const std::string& name) const { return scale.folder() + "/" + name; }
    // A bitmap file of one colour, width × height.
    std::string bitmap(const std::string& name, int width, int height, QRgb colour, int bits = 24,
                       RowOrder order = RowOrder::BottomUp) {
        writeFileBytes(QString::fromStdString(path(name)),
                       bitmapBytes(width, height, bits, order, [colour](int, int) { return colour; }));
        return path(name);
    }
    // The exit code, with what the command wrote to its streams.
    int run(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        ::testing::internal::CaptureStderr();
        ParseResult parsed = parseLogo(args);
        parseErr = ::testing::internal::GetCapturedStderr();
        PortRun portRun{theLink, scale.linkPath(), out, err};
        if (const Job* job = std::get_if<Job>(&parsed))
            needsPort = job->needsPort;
        int code = runParsed(parsed, portRun);
        runErr = err.str();
        return code;
    }

    SimHarness scale;
    std::string parseErr;
    std::string runErr;
    bool needsPort = true;
};

// The row a bitmap of `width` black dots from the left makes: 1 bits from the high end.
std::vector<uint8_t> blackFromLeft(int width) {
    std::vector<uint8_t> row(48, 0);
    for (int x = 0; x < width; ++x)
        row[size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    return row;
}

struct SendCase {
    const char* name;
    int width;
    int height;
    int bits;
    RowOrder order;
    QRgb colour;
    const char* options; // separated by spaces
    int blackWidth;      // every row sent has this many black dots from the left
};

class LogoSend : public LogoCommand, public ::testing::WithParamInterface<SendCase> {};

TEST_P(LogoSend, PutsTheConvertedRowsOnTheWire) {
    const SendCase& c = GetParam();
    std::vector<std::string> args{"send", bitmap("IN.BMP", c.width, c.height, c.colour, c.bits, c.order)};
    std::istringstream options(c.options);
    for (std::string option; options >> option;)
        args.push_back(option);
    ASSERT_EQ(run(args), 0) << parseErr << runErr;
    std::vector<std::vector<uint8_t>> bodies = scale.sim().requestBodies();
    const int rows = std::min(c.height, 250);
    ASSERT_EQ(bodies.size(), size_t(1 + rows));
    EXPECT_EQ(bodies[0], (std::vector<uint8_t>{0x24, 0, 0, uint8_t(rows)}));
    std::vector<uint8_t> row = blackFromLeft(c.blackWidth);
    int wrong = 0;
    for (int y = 0; y < rows; ++y) {
        std::vector<uint8_t> expected{0x24, uint8_t((1 + 48 * y) >> 8), uint8_t(1 + 48 * y)};
        expected.insert(expected.end(), row.begin(), row.end());
        wrong += bodies[size_t(1 + y)] != expected;
    }
    EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogoSend,
    ::testing::Values(SendCase{"BlackNarrowExtendedWithWhite", 200, 100, 24, RowOrder::BottomUp,
                               qRgb(0, 0, 0), "", 200},
                      SendCase{"BlackWideTallCut", 500, 300, 8, RowOrder::TopDown, qRgb(0, 0, 0), "", 384},
                      SendCase{"WhiteOneBit", 384, 30, 1, RowOrder::TopDown, qRgb(255, 255, 255), "", 0},
                      SendCase{"Gray127UnderThreshold", 100, 4, 32, RowOrder::BottomUp, qRgb(130, 130, 130),
                               "--threshold --contrast 0", 100},
                      SendCase{"Gray128OverThreshold", 100, 4, 4, RowOrder::BottomUp, qRgb(131, 131, 131),
                               "--contrast 0 --threshold", 0},
                      SendCase{"DarkestBrightnessAllBlack", 50, 3, 24, RowOrder::TopDown, qRgb(255, 255, 255),
                               "--brightness -128 --contrast 0 --threshold", 384},
                      SendCase{"BrighterLiftsGrayOverThreshold", 100, 2, 24, RowOrder::BottomUp,
                               qRgb(130, 130, 130), "--brightness 1 --contrast 0 --threshold", 0}),
    testcases::caseName);

TEST_F(LogoCommand, PreviewWritesTheSameDotsAsSentWithoutAPort) {
    // A horizontal ramp from black to white, dithered.
    std::string in = path("RAMP.BMP");
    writeFileBytes(QString::fromStdString(in), bitmapBytes(384, 40, 24, RowOrder::BottomUp, [](int x, int) {
                       return qRgb(x * 255 / 383, x * 255 / 383, x * 255 / 383);
                   }));
    ASSERT_EQ(run({"preview", in, path("ALONE.png"), "--contrast", "40"}), 0) << parseErr << runErr;
    EXPECT_FALSE(needsPort);
    EXPECT_TRUE(scale.sim().requestBodies().empty());
    ASSERT_EQ(run({"send", in, "--contrast", "40", "--preview", path("SENT.png")}), 0) << parseErr << runErr;

    QImage alone(QString::fromStdString(path("ALONE.png")));
    QImage sent(QString::fromStdString(path("SENT.png")));
    ASSERT_EQ(alone.size(), QSize(384, 40));
    EXPECT_EQ(alone.convertToFormat(QImage::Format_RGB32), sent.convertToFormat(QImage::Format_RGB32));
    std::vector<std::vector<uint8_t>> bodies = scale.sim().requestBodies();
    ASSERT_EQ(bodies.size(), 41u);
    int wrong = 0, black = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 384; ++x) {
            QRgb dot = alone.pixel(x, y);
            wrong += dot != qRgb(0, 0, 0) && dot != qRgb(255, 255, 255);
            bool blackSent = bodies[size_t(1 + y)][size_t(3 + x / 8)] & (0x80 >> (x % 8));
            wrong += blackSent != (dot == qRgb(0, 0, 0));
            black += blackSent;
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(black, 384 * 40 / 4);     // a ramp dithers to black on its dark side...
    EXPECT_LT(black, 384 * 40 * 3 / 4); // ...and to white on its light side
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> args; // "IN" is replaced by a valid bitmap, "BAD" by a text file
    int exitCode;
    const char* message;
};

class LogoRefusal : public LogoCommand, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(LogoRefusal, EndsBeforeAnythingIsSent) {
    const RefusalCase& c = GetParam();
    std::string good = bitmap("IN.BMP", 10, 10, qRgb(0, 0, 0));
    std::string bad = path("BAD.BMP");
    writeFileBytes(QString::fromStdString(bad), "not a picture");
    std::vector<std::string> args;
    for (std::string arg : c.args) {
        if (arg == "IN")
            arg = good;
        if (arg == "BAD")
            arg = bad;
        if (arg == "OUT")
            arg = path("OUT.png");
        if (arg == "MISSING")
            arg = path("MISSING.BMP");
        args.push_back(arg);
    }
    EXPECT_EQ(run(args), c.exitCode);
    std::string message = c.message;
    if (size_t at = message.find("MISSING"); at != std::string::npos)
        message.replace(at, 7, path("MISSING.BMP"));
    EXPECT_EQ(parseErr + runErr, message);
    EXPECT_TRUE(scale.sim().requestBodies().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogoRefusal,
    ::testing::Values(
        RefusalCase{"NotABitmap", {"send", "BAD"}, 3, "Bitmap image is not valid\n"},
        RefusalCase{"MissingFile", {"send", "MISSING"}, 3, "Cannot open file MISSING\n"},
        RefusalCase{"PreviewOfNotABitmap", {"preview", "BAD", "OUT"}, 3, "Bitmap image is not valid\n"},
        RefusalCase{"BrightnessTooLow",
                    {"send", "IN", "--brightness", "-129"},
                    64,
                    "scalectl: --brightness: '-129' is not a number from -128 to 128\n"},
        RefusalCase{"BrightnessTooHigh",
                    {"preview", "IN", "OUT", "--brightness", "129"},
                    64,
                    "scalectl: --brightness: '129' is not a number from -128 to 128\n"},
        RefusalCase{"ContrastTooHigh",
                    {"send", "IN", "--contrast", "256"},
                    64,
                    "scalectl: --contrast: '256' is not a number from 0 to 255\n"},
        RefusalCase{"ContrastNegative",
                    {"send", "IN", "--contrast", "-1"},
                    64,
                    "scalectl: --contrast: '-1' is not a number from 0 to 255\n"},
        RefusalCase{"ContrastNotANumber",
                    {"send", "IN", "--contrast", "high"},
                    64,
                    "scalectl: --contrast: 'high' is not a number from 0 to 255\n"},
        RefusalCase{"ContrastWithoutValue",
                    {"send", "IN", "--contrast"},
                    64,
                    "scalectl: logo send: a word is missing after '--contrast'\n"},
        RefusalCase{"PreviewOptionOnPreview",
                    {"preview", "IN", "OUT", "--preview", "OUT"},
                    64,
                    "scalectl: logo preview: unexpected word '--preview'\n"},
        RefusalCase{"PreviewWithoutOutput",
                    {"preview", "IN"},
                    64,
                    "scalectl: logo preview: FILE and OUT.png come first\n"},
        RefusalCase{"PreviewWithAnOptionForOutput",
                    {"preview", "IN", "--threshold"},
                    64,
                    "scalectl: logo preview: FILE and OUT.png come first\n"},
        RefusalCase{"UnknownVerb", {"show", "IN"}, 64, "scalectl: logo: unexpected word 'show'\n"},
        RefusalCase{"UnwritablePreview",
                    {"send", "IN", "--preview", "/nonexistent/dir/P.png"},
                    4,
                    "I/O Error!\n(/nonexistent/dir/P.png: the folder /nonexistent/dir does not exist)\n"}),
    testcases::caseName);

TEST_F(LogoCommand, AFailedRowEndsWithTheCommunicationError) {
    std::string in = bitmap("IN.BMP", 384, 5, qRgb(0, 0, 0));
    scale.sim().injectFault(Fault::Nak, 3);
    EXPECT_EQ(run({"send", in}), 1);
    EXPECT_EQ(runErr, "Communication Error!\n");
    EXPECT_EQ(scale.sim().requestBodies().size(), 3u) << "no row after the failed header";
}
} // namespace

// SEND and LOAD end to end: the real link over a pseudo-terminal against the emulated scale, the
// bytes each exchange carries, the stop at the first failure, and the clock commands. The tool's
// settings and clock commands run here too, on the same link.
#include "cli/SettingsCommands.h"
#include "settings/ClockTime.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTransfer.h"
#include "tests/support/SimHarness.h"
#include "text/CodePage.h"
#include "text/Numbers.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes bytesOf(std::initializer_list<int> values) {
    Bytes out;
    for (int v : values)
        out.push_back(static_cast<uint8_t>(v));
    return out;
}

Bytes textBytes(const std::string& text, size_t width) {
    Bytes out(text.begin(), text.end());
    out.resize(width + 1, 0);
    return out;
}

Settings sample() {
    Settings s;
    applyFactoryDefaults(s);
    s.clerkMode = 2;
    s.baudRate = QStringLiteral("9600");
    s.lanNumber = 7;
    s.autoOffMinutes = 240;
    s.currency = QStringLiteral("EUR");
    s.rate = QStringLiteral("4.245");
    s.singleBarcode = QStringLiteral("ABCDEFGHIJKLMNOPQRST"); // 20 characters, 16 reach the scale
    for (int t = 0; t < kTaxRateCount; ++t)
        s.taxes[size_t(t)] = QString::number(t * 2.5);
    s.taxes[7] = QStringLiteral("-5");
    return s;
}

class SettingsTransferTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(theLink.open(1, 115200)); }
    void TearDown() override { theLink.close(); }

    ScaleSim& sim() { return scale.sim(); }
    ScaleState state() {
        ScaleState copy;
        sim().withState([&copy](ScaleState& s) { copy = s; });
        return copy;
    }
    std::vector<uint8_t> commandCodes() {
        std::vector<uint8_t> codes;
        for (const Bytes& body : sim().requestBodies())
            codes.push_back(body.at(0));
        return codes;
    }
    // A line that makes the scale refuse the request with the given number (0 = the first).
    // The scale refuses one request: NAK on every attempt, or a reply of the status bytes alone.
    ScaleLine failingAt(int request, Fault fault = Fault::Nak) {
        auto count = std::make_shared<int>(0);
        return ScaleLine{theLink, [this, request, count, fault](uint8_t code) {
                             if ((*count)++ == request)
                                 sim().injectFault(fault, fault == Fault::Nak ? 3 : 1);
                             return performCommand(theLink, code).ok;
                         }};
    }

    SimHarness scale;
};

TEST_F(SettingsTransferTest, SendPutsEveryFieldWhereTheScaleKeepsIt) {
    sim().clearLog();
    ASSERT_TRUE(sendSettings(quietLine(theLink), sample()));

    std::vector<uint8_t> codes = commandCodes();
    ASSERT_EQ(codes.size(), size_t(kSettingsExchangeCount));
    EXPECT_EQ(codes[0], 0x22);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 0x25), 4);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 0x21), 8);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 0x26), 40);
    EXPECT_EQ(codes.back(), 0x28);

    Bytes record;
    for (int v : {2, 0xDD})
        record.push_back(uint8_t(v));
    Bytes single = textBytes("ABCDEFGHIJKLMNOP", 16);
    Bytes total = textBytes("a44W5P5", 16);
    record.insert(record.end(), single.begin(), single.end());
    record.insert(record.end(), total.begin(), total.end());
    Bytes rest = bytesOf(
        {0x00, 0x00, 0x25, 0x80, 7,    0x00, 0xF0, 0, 50, 3, 0x80,
         0,    0,    0,    0x00, 0x00, 0x01, 0xA8, 0, 1}); // 4.245 * 100 = 424.5 rounds to the even 424
    record.insert(record.end(), rest.begin(), rest.end());
    ScaleState s = state();
    EXPECT_EQ(Bytes(s.settings.begin(), s.settings.end()), record);
    EXPECT_EQ(fieldText(s.clerks[3].data(), 17), toCp1250(kSampleClerkNames[3]));
    EXPECT_EQ(fieldText(s.lines[7].data(), 33), "12345678901234567890123456789012");
    EXPECT_EQ(fieldText(s.departments[39].data(), 17), "GROUP 39");
    std::array<int16_t, kTaxRateCount> taxes{0, 250, 500, 750, 1000, 1250, 1500, -500};
    EXPECT_EQ(s.taxes, taxes);
}

TEST_F(SettingsTransferTest, SendStopsAtABadTextWithWhatWentBeforeItSent) {
    Settings s = sample();
    s.baudRate = QStringLiteral("abc");
    sim().clearLog();
    EXPECT_THROW(sendSettings(quietLine(theLink), s), ConversionError);
    EXPECT_TRUE(commandCodes().empty());

    s = sample();
    s.taxes[4].clear();
    try {
        sendSettings(quietLine(theLink), s);
        ADD_FAILURE() << "an empty tax cell was sent";
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.message(), "'' is not a valid floating point value");
    }
    std::vector<uint8_t> codes = commandCodes();
    EXPECT_EQ(codes.size(), size_t(kSettingsExchangeCount - 1));
    EXPECT_EQ(codes.back(), 0x26);

    sim().clearLog();
    EXPECT_FALSE(sendSettings(failingAt(1), sample())); // the first clerk, refused three times
    EXPECT_EQ(commandCodes(), bytesOf({0x22, 0x25, 0x25, 0x25}));
}

TEST_F(SettingsTransferTest, LoadTakesTheScalesValuesAsTheControlsWould) {
    sim().withState([](ScaleState& s) {
        s.settings.fill(0);
        s.settings[0] = 9;    // no such clerk mode
        s.settings[1] = 0x81; // "Print Receipt" and "Print PLU Code"
        s.settings[36] = 0xFF;
        s.settings[37] = 0xFF;
        s.settings[38] = 0xFF;
        s.settings[39] = 0xFF; // baud -1
        s.settings[40] = 150;  // LAN 150 -> 99
        s.settings[41] = 0x01; // auto-off 256 -> 240
        s.settings[44] = 0;    // drawer 0 -> 1
        s.settings[45] = 4;
        s.settings[46] = 0x80; // the euro sign, kept as it came
        s.settings[53] = 0x32; // rate 50 -> 0.5
        s.settings[54] = 2;    // bit 0 clear
        s.settings[55] = 3;
        s.taxes[0] = static_cast<int16_t>(0xFE0C);
        s.taxes[1] = 1950;
        s.departments[39] = textField<17>("LAST ONE");
        s.lines[7] = textField<33>("footer two");
    });
    Settings loaded;
    ASSERT_TRUE(loadSettings(quietLine(theLink), loaded));
    EXPECT_EQ(loaded.clerkMode, -1);
    EXPECT_EQ(loaded.printFlags, 0x81);
    EXPECT_EQ(loaded.baudRate, "-1");
    EXPECT_EQ(loaded.lanNumber, 99);
    EXPECT_EQ(loaded.autoOffMinutes, 240);
    EXPECT_EQ(loaded.drawerTime, 1);
    EXPECT_EQ(loaded.darkness, "4");
    EXPECT_EQ(loaded.currency, euroSign());
    EXPECT_EQ(loaded.rate, "0.5");
    EXPECT_FALSE(loaded.printAllReports);
    EXPECT_TRUE(loaded.printTax);
    EXPECT_EQ(loaded.taxes[0], "-5");
    EXPECT_EQ(loaded.taxes[1], "19.5");
    EXPECT_EQ(loaded.departments[39], "LAST ONE");
    EXPECT_EQ(loaded.receiptLines[7], "footer two");
    EXPECT_EQ(readScaleRate(quietLine(theLink)), 50);
}

TEST_F(SettingsTransferTest, LoadAsksForTheTaxesWithTheLastDepartmentsByte) {
    sim().clearLog();
    Settings loaded;
    ASSERT_TRUE(loadSettings(quietLine(theLink), loaded));
    std::vector<Bytes> frames = sim().requestFrames();
    ASSERT_EQ(frames.size(), size_t(kSettingsExchangeCount));
    EXPECT_EQ(frames.back(), bytesOf({0xC3, 0x04, 0x00, 0x0B, 0x27, 0x2C, 0xC3, 0x02}));
    EXPECT_EQ(sim().requestBodies()[1], bytesOf({0x06, 0x00}));
    EXPECT_EQ(sim().requestBodies()[12], bytesOf({0x0A, 0x08}));
}

TEST_F(SettingsTransferTest, LoadStopsAtTheFirstFailureKeepingWhatCameBefore) {
    sim().withState([](ScaleState& s) {
        for (int d = 0; d < kDepartmentNameCount; ++d)
            s.departments[size_t(d)] = textField<17>("SCALE " + std::to_string(d));
    });
    for (Fault fault : {Fault::Nak, Fault::StatusOnly}) {
        SCOPED_TRACE(faultName(fault));
        Settings loaded;
        loaded.departments.fill(QStringLiteral("old"));
        loaded.taxes.fill(QStringLiteral("1.5"));
        EXPECT_FALSE(loadSettings(failingAt(1 + 4 + 8 + 20, fault), loaded)); // the 21st department
        EXPECT_EQ(loaded.departments[19], "SCALE 19");
        EXPECT_EQ(loaded.departments[20], "old") << "not the 20th department's name again";
        EXPECT_EQ(loaded.departments[39], "old");
        EXPECT_EQ(loaded.taxes[0], "1.5");
    }
}

TEST_F(SettingsTransferTest, ClockGoesYearFirstAndComesBackAsTheScaleKeepsIt) {
    HeldTime held = heldTimeFrom(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 20)));
    sim().clearLog();
    ASSERT_TRUE(sendClock(quietLine(theLink), held));
    EXPECT_EQ(sim().requestBodies().at(0), bytesOf({0x20, 0x1A, 0x0C, 0x06, 0x09, 0x05, 0x14}));

    HeldTime read;
    ASSERT_TRUE(readClock(quietLine(theLink), read));
    // The scale's clock runs on from what was set; the date and the hour cannot have moved.
    EXPECT_EQ(clockDisplayText(read).left(11), "06-12-26 09");

    sim().injectFault(Fault::Nak, 3);
    HeldTime kept = held;
    EXPECT_FALSE(readClock(quietLine(theLink), kept));
    EXPECT_EQ(kept, held);
}

// The tool's commands, run on the link this test opened.
class SettingsCommandTest : public SettingsTransferTest {
protected:
    int run(ParseResult (*parse)(const std::vector<std::string>&), const std::vector<std::string>& args) {
        out.str({});
        err.str({});
        PortRun portRun{theLink, "COM1", out, err};
        return runParsed(parse(args), portRun);
    }
    QString path(const char* name) const { return QString::fromStdString(scale.folder()) + '/' + name; }
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(SettingsCommandTest, PullWritesTheFileSaveWouldWriteAndPushSendsItBack) {
    ASSERT_TRUE(sendSettings(quietLine(theLink), sample()));
    ASSERT_EQ(run(parseSettings, {"pull"}), kExitOk);
    std::string pulled = out.str();
    Settings expected;
    ASSERT_TRUE(loadSettings(quietLine(theLink), expected));
    EXPECT_EQ(pulled, settingsFileBytes(expected)->toStdString());
    EXPECT_NE(pulled.find("\r\n\x80\r\n"), std::string::npos); // the currency as received

    std::string file = path("pulled.TXT").toStdString();
    ASSERT_EQ(run(parseSettings, {"pull", "-o", file}), kExitOk);
    QFile written(QString::fromStdString(file));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), pulled);

    sim().withState([](ScaleState& s) { s.departments[0] = textField<17>("changed"); });
    sim().clearLog();
    ASSERT_EQ(run(parseSettings, {"push", file}), kExitOk);
    std::vector<uint8_t> codes = commandCodes();
    ASSERT_EQ(codes.size(), size_t(kSettingsExchangeCount + 1));
    EXPECT_EQ(codes[0], 0x05); // the scale's own rate, sent back unchanged
    Settings after;
    ASSERT_TRUE(loadSettings(quietLine(theLink), after));
    EXPECT_EQ(after, expected);

    sim().clearLog();
    ASSERT_EQ(run(parseSettings, {"push", file, "--rate", "2.125"}), kExitOk);
    EXPECT_EQ(commandCodes().size(), size_t(kSettingsExchangeCount));
    EXPECT_EQ(readScaleRate(quietLine(theLink)), 212);
}

TEST_F(SettingsCommandTest, BadInputIsRefusedBeforeTheScaleHearsAnything) {
    Settings s = sample();
    s.taxes[0] = QStringLiteral("0");
    QFile file(path("bad.TXT"));
    QByteArray bytes = *settingsFileBytes(s);
    bytes.replace("\r\n0\r\n1\r\n", "\r\nabc\r\n1\r\n"); // "Print All Reports"
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    sim().clearLog();
    EXPECT_EQ(run(parseSettings, {"push", file.fileName().toStdString()}), kExitBadInput);
    EXPECT_EQ(run(parseSettings, {"push", path("missing.TXT").toStdString()}), kExitIoError);
    EXPECT_EQ(run(parseSettings, {"push", path("bad.TXT").toStdString(), "--rate", "x"}), kExitUsage);
    EXPECT_EQ(run(parseClock, {"set", "--time", "32-01-26 10:00:00"}), kExitUsage);
    EXPECT_EQ(run(parseClock, {"set", "--time", "1-01-26 10:00:00"}), kExitUsage);
    EXPECT_EQ(run(parseSettings, {"pull", "extra"}), kExitUsage);

    s.baudRate = QStringLiteral("fast");
    ASSERT_TRUE(saveSettingsFile(path("baud.TXT"), s));
    EXPECT_EQ(run(parseSettings, {"push", path("baud.TXT").toStdString()}), kExitBadInput);
    EXPECT_TRUE(sim().requestBodies().empty());

    sim().injectFault(Fault::Nak, 3);
    std::string kept = path("pulled.TXT").toStdString();
    EXPECT_EQ(run(parseSettings, {"pull", "-o", kept}), kExitCommunication);
    EXPECT_EQ(err.str(), "Communication Error!\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(kept)));
}

TEST_F(SettingsCommandTest, ClockSetSendsTheGivenTimeAndGetShowsTheBytesAsTheyCome) {
    sim().clearLog();
    ASSERT_EQ(run(parseClock, {"set", "--time", "06-12-26 09:05:20"}), kExitOk);
    EXPECT_EQ(sim().requestBodies().at(0), bytesOf({0x20, 0x1A, 0x0C, 0x06, 0x09, 0x05, 0x14}));
    ASSERT_EQ(run(parseClock, {"get"}), kExitOk);
    EXPECT_EQ(out.str().substr(0, 11), "06-12-26 09");
    EXPECT_EQ(out.str().size(), 18u);
    EXPECT_EQ(out.str().back(), '\n');
}

} // namespace

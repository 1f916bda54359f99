// The emulated scale's memory as the PC reaches it through the link: PLUs, settings, clock,
// report memory, Z close, keypad and displays, logo, and the state file.
#include "link/FrameLink.h"
#include "sim/ScaleCommands.h"
#include "sim/StateFile.h"
#include "tests/support/SimHarness.h"
#include "tests/support/SpecialFiles.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class ScaleMemory : public ::testing::Test {
protected:
    SimHarness scale;

    void SetUp() override { ASSERT_TRUE(theLink.open(1, 9600)); }

    // One exchange; returns the reply's result byte (reply byte 1) with the cursor on the data.
    uint8_t run(uint8_t code) {
        theLink.transact(code);
        EXPECT_FALSE(theLink.exchangeFailed);
        theLink.getByte();
        return theLink.getByte();
    }
    std::vector<uint8_t> data(size_t count) {
        std::vector<uint8_t> bytes(theLink.replyBuffer + 2, theLink.replyBuffer + 2 + count);
        return bytes;
    }
    std::vector<uint8_t> readBlock(uint16_t address, uint8_t length) {
        theLink.clear();
        theLink.putWord(address);
        theLink.putByte(length);
        EXPECT_EQ(run(0x43), 0);
        EXPECT_EQ(theLink.replyCount, 2u + length + 1) << "exactly `length` bytes of memory";
        return data(length);
    }
    uint8_t closeDay(uint32_t password) {
        theLink.clear();
        theLink.putLong(password);
        return run(0x44);
    }
};

// The scale takes each request only in the layout the PC builds: a payload one byte longer (stale
// bytes left from an earlier request) or one byte shorter, or a fixed byte changed, is refused with
// no data and nothing stored.
TEST_F(ScaleMemory, EveryRequestIsTakenOnlyInItsExactLayout) {
    auto bytes = [](size_t count, uint8_t first = 0) {
        std::vector<uint8_t> out(count, 0);
        if (count > 0)
            out[0] = first;
        return out;
    };
    std::vector<uint8_t> pluWrite = bytes(48);
    pluWrite[1] = 2; // PLU 2, price 0
    struct Layout {
        uint8_t code;
        std::vector<uint8_t> payload;
    };
    const std::vector<Layout> layouts{
        {0x01, {}},
        {0x03, {}},
        {0x04, {0x00, 0x02, 0x00, 0x36}},
        {0x05, {}},
        {0x06, {3}},
        {0x09, {39}},
        {0x0A, {8}},
        {0x0B, {39}},
        {0x20, {26, 12, 6, 9, 5, 20}},
        {0x21, bytes(34, 1)},
        {0x22, bytes(56)},
        {0x23, pluWrite},
        {0x25, bytes(18)},
        {0x26, bytes(18)},
        {0x27, {}},
        {0x28, bytes(16)},
        {0x40, {'C'}},
        {0x41, bytes(28, 8)},
        {0x42, {}},
        {0x43, {0x08, 0x00, 192}},
        {0x44, bytes(4)},
    };
    auto refused = [&](uint8_t code, const std::vector<uint8_t>& payload) {
        theLink.clear();
        for (uint8_t b : payload)
            theLink.putByte(b);
        uint8_t result = run(code);
        return result == static_cast<uint8_t>(ReplyCode::MalformedRequest) && theLink.replyCount == 3u;
    };
    scale.sim().setCalibration(true); // for the weighing parameters
    PluRecord plu2;
    scale.sim().withState([&](ScaleState& s) { plu2 = s.plus[2]; });
    for (const Layout& layout : layouts) {
        auto longer = layout.payload;
        longer.push_back(0);
        EXPECT_TRUE(refused(layout.code, longer)) << "code " << int{layout.code} << " one byte longer";
        if (!layout.payload.empty()) {
            std::vector<uint8_t> shorter(layout.payload.begin(), layout.payload.end() - 1);
            EXPECT_TRUE(refused(layout.code, shorter)) << "code " << int{layout.code} << " one byte shorter";
        }
        if (layout.code == 0x23)
            scale.sim().withState([&](ScaleState& s) { EXPECT_EQ(s.plus[2].encode(), plu2.encode()); });
        theLink.clear();
        for (uint8_t b : layout.payload)
            theLink.putByte(b);
        EXPECT_EQ(run(layout.code), 0) << "code " << int{layout.code} << " as the PC sends it";
    }

    // The fixed bytes: the zero and the record length of a PLU read, the zeros of a PLU write, and
    // the department index that the tax read repeats.
    EXPECT_TRUE(refused(0x04, {0x00, 0x02, 0x00, 0x35}));
    EXPECT_TRUE(refused(0x04, {0x00, 0x02, 0x01, 0x36}));
    auto pluWriteWith = [&](size_t at, uint8_t value) {
        auto changed = pluWrite;
        changed[at] = value;
        return changed;
    };
    EXPECT_TRUE(refused(0x23, pluWriteWith(2, 1)));
    EXPECT_TRUE(refused(0x23, pluWriteWith(47, 1)));
    EXPECT_TRUE(refused(0x0B, {0}));
    // The weighing parameters' leading 8, the flags' unused high bits, the Minimum Sale byte.
    auto systemWith = [&](size_t at, uint8_t value) {
        auto changed = bytes(28, 8);
        changed[at] = value;
        return changed;
    };
    EXPECT_TRUE(refused(0x41, systemWith(0, 9)));
    EXPECT_TRUE(refused(0x41, systemWith(8, 0x10)));
    EXPECT_TRUE(refused(0x41, systemWith(22, 2)));
    // A logo block is an offset and at least one byte.
    EXPECT_TRUE(refused(0x24, {0x00, 0x00}));
    theLink.clear();
    for (uint8_t b : {0x00, 0x00, 0x02})
        theLink.putByte(b);
    EXPECT_EQ(run(0x24), 0);
}

TEST_F(ScaleMemory, PluWriteKeepsSalesAndReadsBack) {
    PluRecord before;
    scale.sim().withState([&](ScaleState& s) { before = s.plus[1]; });
    ASSERT_TRUE(before.present());
    ASSERT_NE(before.total, 0);

    theLink.clear();
    theLink.putWord(1);
    theLink.putByte(0);
    theLink.putLong(53);
    theLink.putLong(-2);
    theLink.putByte(9);
    theLink.putByte(3);
    theLink.putByte(0x05);
    theLink.putText("PEARS \xC3 CONFERENCE", 30);
    theLink.putWord(0xFFFE);
    theLink.putByte(0);
    EXPECT_EQ(run(0x23), 0);

    theLink.clear();
    theLink.putWord(1);
    theLink.putByte(0);
    theLink.putByte(54);
    EXPECT_EQ(run(0x04), 0);
    EXPECT_EQ(theLink.getLong(), 53);
    EXPECT_EQ(theLink.getLong(), -2);
    EXPECT_EQ(theLink.getByte(), 9);
    EXPECT_EQ(theLink.getByte(), 3);
    EXPECT_EQ(theLink.getByte(), 0x05);
    EXPECT_EQ(theLink.getText(30), "PEARS \xC3 CONFERENCE");
    EXPECT_EQ(theLink.getWord(), -2);
    EXPECT_EQ(theLink.getLong(), before.quantity);
    EXPECT_EQ(theLink.getLong(), before.total);
    EXPECT_EQ(theLink.getWord(), before.count);
}

TEST_F(ScaleMemory, AbsentAndOutOfRangePlusReadWithNegativePrice) {
    for (uint16_t number : {uint16_t{1799}, uint16_t{1801}, uint16_t{65535}}) {
        theLink.clear();
        theLink.putWord(number);
        theLink.putByte(0);
        theLink.putByte(54);
        run(0x04);
        EXPECT_LT(theLink.getLong(), 0) << "PLU " << number;
    }
    theLink.clear();
    theLink.putWord(1801);
    theLink.putByte(0);
    theLink.putLong(100);
    for (int i = 0; i < 41; ++i)
        theLink.putByte(0);
    EXPECT_EQ(run(0x23), static_cast<uint8_t>(ReplyCode::OutOfRange));
}

TEST_F(ScaleMemory, StatusByteFollowsCalibrationAndWholeByte) {
    scale.sim().setCalibration(true);
    run(0x27);
    EXPECT_EQ(theLink.replyBuffer[0], 0x04);
    scale.sim().withState([](ScaleState& s) { s.status = 0x81; });
    scale.sim().setCalibration(true);
    run(0x27);
    EXPECT_EQ(theLink.replyBuffer[0], 0x85);
    scale.sim().withState([](ScaleState& s) { s.status = 0x00; });
    run(0x27);
    EXPECT_EQ(theLink.replyBuffer[0], 0x00);
}

TEST_F(ScaleMemory, ReportBlocksAreBigEndianCopiesOfMemory) {
    ReportTotals report;
    std::array<ClerkTotals, kClerkCount> clerks;
    scale.sim().withState([&](ScaleState& s) {
        s.report.docNumber = 0x01020304;
        s.clerkTotals[1].operations = 0xFFFF;
        report = s.report;
        clerks = s.clerkTotals;
    });
    auto totals = readBlock(0x0800, 192);
    EXPECT_EQ(std::vector<uint8_t>(totals.begin(), totals.begin() + 4), (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(getBigEndian(&totals[4], 4), static_cast<uint32_t>(report.grandTotal));
    EXPECT_EQ(getBigEndian(&totals[140 + 2 * 9], 2), report.hourCounts[9]);

    auto clerk2 = readBlock(0x0950, 80);
    EXPECT_EQ(getBigEndian(&clerk2[0], 4), static_cast<uint32_t>(clerks[1].salesTotal));
    EXPECT_EQ(getBigEndian(&clerk2[4], 2), 0xFFFFu);
    EXPECT_EQ(getBigEndian(&clerk2[14], 4), static_cast<uint32_t>(clerks[1].cashTotal));

    // A block across the end of the clerk memory: the rest reads as zero.
    auto tail = readBlock(0x0A30, 32);
    auto clerk4 = readBlock(0x09F0, 80);
    EXPECT_EQ(std::vector<uint8_t>(tail.begin(), tail.begin() + 16),
              std::vector<uint8_t>(clerk4.begin() + 64, clerk4.end()));
    EXPECT_EQ(std::vector<uint8_t>(tail.begin() + 16, tail.end()), std::vector<uint8_t>(16, 0));
    EXPECT_EQ(readBlock(0xFFF0, 32), std::vector<uint8_t>(32, 0));
    EXPECT_TRUE(readBlock(0x0800, 0).empty());
}

TEST_F(ScaleMemory, ZCloseNeedsThePassword) {
    scale.sim().withState([](ScaleState& s) { s.password = 4711; });
    auto before = readBlock(0x0800, 192);
    EXPECT_EQ(closeDay(4712), static_cast<uint8_t>(ReplyCode::WrongPassword));
    EXPECT_EQ(readBlock(0x0800, 192), before);

    EXPECT_EQ(closeDay(4711), 0);
    auto after = readBlock(0x0800, 192);
    EXPECT_EQ(getBigEndian(after.data(), 4), getBigEndian(before.data(), 4) + 1) << "next document";
    EXPECT_EQ(std::vector<uint8_t>(after.begin() + 4, after.end()), std::vector<uint8_t>(188, 0));
    EXPECT_EQ(readBlock(0x0900, 80), std::vector<uint8_t>(80, 0));
    scale.sim().withState([](ScaleState& s) { EXPECT_EQ(s.plus[1].total, 0); });
}

TEST_F(ScaleMemory, KeypadDrivesTheDisplayPoll) {
    scale.sim().withState([](ScaleState& s) { s.terminal.weightGrams = 1500; });
    for (uint8_t key : {'1', '2', '.', 's'}) {
        theLink.clear();
        theLink.putByte(key);
        run(0x40);
    }
    theLink.clear();
    run(0x42);
    ASSERT_EQ(theLink.replyCount, 31u + 1) << "31 body bytes and the check";
    auto text = [](int from) {
        return std::string(theLink.replyBuffer + from, theLink.replyBuffer + from + 7);
    };
    EXPECT_EQ(text(3), "   1500");
    EXPECT_EQ(text(11), "   1200");
    EXPECT_EQ(text(19), "   1800"); // 1.5 kg at 12.00
    EXPECT_EQ(theLink.replyBuffer[26], 3);
    EXPECT_EQ(theLink.replyBuffer[27], 2);
    EXPECT_EQ(theLink.replyBuffer[28], 2);
    EXPECT_EQ(theLink.replyBuffer[29], 0x01) << "steady, not zero, no tare";
    EXPECT_EQ(theLink.replyBuffer[30], 0x02) << "shift";

    // PLU recall, tare, and the sale booked into the report.
    int32_t pluPrice = 0;
    int32_t grandBefore = 0;
    scale.sim().withState([&](ScaleState& s) {
        pluPrice = s.plus[4].price;
        grandBefore = s.report.grandTotal;
    });
    for (uint8_t key : {'C', '4', 'P', 'S'}) {
        theLink.clear();
        theLink.putByte(key);
        run(0x40);
    }
    scale.sim().withState(
        [&](ScaleState& s) { EXPECT_EQ(s.report.grandTotal, grandBefore + pluPrice * 3 / 2); });
    theLink.clear();
    theLink.putByte('T');
    run(0x40);
    theLink.clear();
    run(0x42);
    EXPECT_EQ(text(3), "   0000");
    EXPECT_EQ(theLink.replyBuffer[29], 0x09) << "net weight shown";
}

TEST_F(ScaleMemory, SettingsTablesAndClockRoundTrip) {
    theLink.clear();
    for (int i = 0; i < 56; ++i)
        theLink.putByte(static_cast<uint8_t>(0xC0 + i));
    EXPECT_EQ(run(0x22), 0);
    theLink.clear();
    run(0x05);
    std::vector<uint8_t> expected;
    for (int i = 0; i < 56; ++i)
        expected.push_back(static_cast<uint8_t>(0xC0 + i));
    EXPECT_EQ(data(56), expected);

    struct Table {
        uint8_t write, read, index, width;
    };
    for (Table t : {Table{0x25, 0x06, 3, 16}, Table{0x21, 0x0A, 8, 32}, Table{0x26, 0x09, 39, 16}}) {
        theLink.clear();
        theLink.putByte(t.index);
        theLink.putText("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", t.width);
        EXPECT_EQ(run(t.write), 0);
        theLink.clear();
        theLink.putByte(t.index);
        EXPECT_EQ(run(t.read), 0);
        EXPECT_EQ(theLink.getText(t.width),
                  std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789").substr(0, t.width));
        theLink.clear();
        theLink.putByte(t.index + 1);
        EXPECT_EQ(run(t.read), static_cast<uint8_t>(ReplyCode::OutOfRange)) << "one past the table";
    }
    theLink.clear();
    theLink.putByte(0);
    EXPECT_EQ(run(0x0A), static_cast<uint8_t>(ReplyCode::OutOfRange)) << "lines count from 1";

    theLink.clear();
    for (int16_t rate : {2000, -500, 0, 1, 2, 3, 4, 32767})
        theLink.putWord(static_cast<uint16_t>(rate));
    run(0x28);
    theLink.clear();
    theLink.putByte(39);
    run(0x0B);
    for (int16_t rate : {2000, -500, 0, 1, 2, 3, 4, 32767})
        EXPECT_EQ(theLink.getWord(), rate);

    theLink.clear();
    for (uint8_t b : {26, 12, 6, 9, 5, 20})
        theLink.putByte(b);
    EXPECT_EQ(run(0x20), 0);
    theLink.clear();
    run(0x03);
    auto clock = data(6);
    EXPECT_EQ(std::vector<uint8_t>(clock.begin(), clock.begin() + 5),
              (std::vector<uint8_t>{26, 12, 6, 9, 5}));
    EXPECT_GE(clock[5], 20);
    EXPECT_LE(clock[5], 22);
    theLink.clear();
    for (uint8_t b : {26, 13, 6, 9, 5, 20})
        theLink.putByte(b);
    EXPECT_EQ(run(0x20), static_cast<uint8_t>(ReplyCode::OutOfRange)) << "month 13";
}

TEST_F(ScaleMemory, SystemParametersAreStoredAsSentOnlyInCalibrationMode) {
    // Every byte different, within the layout's fixed parts.
    auto payload = [](uint8_t step) {
        std::array<uint8_t, kSystemParametersSize> bytes{};
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<uint8_t>(i * step);
        bytes[0] = 8;
        bytes[8] &= 0x0F;
        bytes[22] &= 0x01;
        return bytes;
    };
    auto send = [&](uint8_t step) {
        theLink.clear();
        for (uint8_t b : payload(step))
            theLink.putByte(b);
        return run(0x41);
    };
    std::array<uint8_t, kSystemParametersSize> before{};
    scale.sim().withState([&](ScaleState& s) { before = s.systemParameters; });
    EXPECT_EQ(send(5), static_cast<uint8_t>(ReplyCode::NotCalibrating));
    EXPECT_EQ(theLink.replyBuffer[0], 0x00) << "the status still says: not calibrating";
    scale.sim().withState([&](ScaleState& s) { EXPECT_EQ(s.systemParameters, before); });

    scale.sim().setCalibration(true);
    EXPECT_EQ(send(7), 0);
    scale.sim().withState([&](ScaleState& s) { EXPECT_EQ(s.systemParameters, payload(7)); });
}

TEST(ScaleLogo, UploadLandsInMemoryAndInThePbm) {
    SimOptions options;
    char folder[] = "/tmp/scale-logo-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    options.logoOut = std::string(folder) + "/logo.pbm";
    {
        SimHarness scale(options);
        ASSERT_TRUE(theLink.open(1, 9600));
        theLink.clear();
        theLink.putWord(0);
        theLink.putByte(2);
        theLink.transact(0x24);
        for (int row = 0; row < 2; ++row) {
            theLink.clear();
            theLink.putWord(static_cast<uint16_t>(1 + 48 * row));
            for (int i = 0; i < 48; ++i)
                theLink.putByte(row == 0 && i == 0 ? 0x80 : static_cast<uint8_t>(0xC3 * row));
            theLink.transact(0x24);
            EXPECT_FALSE(theLink.exchangeFailed);
        }
        scale.sim().withState([](ScaleState& s) {
            EXPECT_EQ(s.logo[0], 2);
            EXPECT_EQ(s.logo[1], 0x80);
            EXPECT_EQ(s.logo[49], 0xC3);
        });
    }
    std::ifstream in(options.logoOut, std::ios::binary);
    std::string pbm((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string header = "P4\n384 2\n";
    ASSERT_EQ(pbm.size(), header.size() + 96);
    EXPECT_EQ(pbm.substr(0, header.size()), header);
    EXPECT_EQ(static_cast<uint8_t>(pbm[header.size()]), 0x80);
    EXPECT_EQ(static_cast<uint8_t>(pbm[header.size() + 48]), 0xC3);

    // A device named as the picture (nobody wants to look) is written as it is, not replaced.
    options.logoOut = std::string(folder) + "/null";
    MAKE_NULL_DEVICE_OR_SKIP(options.logoOut);
    {
        SimHarness scale(options);
        ASSERT_TRUE(theLink.open(1, 9600));
        theLink.clear();
        theLink.putWord(0);
        theLink.putByte(1);
        theLink.transact(0x24);
        EXPECT_FALSE(theLink.exchangeFailed);
    }
    EXPECT_EQ(specialfiles::kindOf(options.logoOut), 'c');
    std::filesystem::remove_all(folder);
}

TEST(ScaleStateFile, KeepsTheMemoryAndRefusesADamagedFile) {
    char folder[] = "/tmp/scale-state-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    std::string path = std::string(folder) + "/scale.mem";
    ScaleState state = defaultScaleState();
    state.identity = std::string("ID\0X", 4);
    state.plus[1800].price = 123456;
    state.clockOffsetSeconds = -86400LL * 400;
    state.taxes[7] = -1;
    state.logo[12000] = 0x5A;
    std::string reason;
    ASSERT_TRUE(saveStateFile(path, state, reason)) << reason;

    ScaleState loaded;
    ASSERT_TRUE(loadStateFile(path, loaded, reason)) << reason;
    EXPECT_EQ(loaded.identity, state.identity);
    EXPECT_EQ(loaded.plus[1800].encode(), state.plus[1800].encode());
    EXPECT_EQ(loaded.plus[1].encode(), state.plus[1].encode());
    EXPECT_EQ(loaded.clockOffsetSeconds, state.clockOffsetSeconds);
    EXPECT_EQ(loaded.taxes, state.taxes);
    EXPECT_EQ(loaded.report.encode(), state.report.encode());
    EXPECT_EQ(loaded.clerkTotals[2].encode(), state.clerkTotals[2].encode());
    EXPECT_EQ(loaded.logo, state.logo);

    // One flipped byte, a cut file, and a foreign file are all refused and leave the state alone.
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    auto refused = [&](const std::string& content) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
        ScaleState untouched;
        untouched.identity = "UNTOUCHED";
        std::string why;
        bool ok = loadStateFile(path, untouched, why);
        return !ok && !why.empty() && untouched.identity == "UNTOUCHED";
    };
    std::string flipped = bytes;
    flipped[bytes.size() / 2] ^= 0x01;
    EXPECT_TRUE(refused(flipped));
    EXPECT_TRUE(refused(bytes.substr(0, bytes.size() - 1)));
    EXPECT_TRUE(refused("P4\n384 2\n"));
    EXPECT_TRUE(refused(""));
    ScaleState untouched;
    EXPECT_FALSE(loadStateFile("/dev/zero", untouched, reason));
    EXPECT_NE(reason.find("too large"), std::string::npos) << reason;
    std::filesystem::remove_all(folder);
}

// The state file goes where its name says: a symlink stays a symlink and the file it points to holds
// the state, a device or a named pipe is written as it is (a rename would replace the device), a link
// planted where a temporary file of a fixed name would go is never followed, and a file that is not a
// state file is never saved over when the scale stops, whatever link leads to it.
TEST(ScaleStateFile, IsWrittenWhereItsNameSaysAndNeverOverAForeignFile) {
    char made[] = "/tmp/scale-state-XXXXXX";
    ASSERT_TRUE(mkdtemp(made));
    const std::string folder = made, path = folder + "/scale.mem", victim = folder + "/victim";
    auto contents = [](const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    std::ofstream(victim) << "KEEP";
    std::string reason;
    std::filesystem::create_symlink(victim, path + ".tmp");
    ASSERT_TRUE(saveStateFile(path, defaultScaleState(), reason)) << reason;
    EXPECT_EQ(contents(victim), "KEEP");
    std::filesystem::remove(path);

    std::filesystem::create_directory(folder + "/kept");
    const std::string target = folder + "/kept/scale.mem";
    std::filesystem::create_symlink(target, path);
    ASSERT_TRUE(saveStateFile(path, defaultScaleState(), reason)) << reason;
    EXPECT_EQ(specialfiles::kindOf(path), 'l');
    ScaleState loaded;
    EXPECT_TRUE(loadStateFile(target, loaded, reason)) << reason;
    std::filesystem::remove(path);

    EXPECT_FALSE(saveStateFile(folder + "/missing/scale.mem", defaultScaleState(), reason));
    EXPECT_EQ(reason, folder + "/missing/scale.mem: the folder " + folder + "/missing does not exist");
    EXPECT_FALSE(saveStateFile(folder + "/kept", defaultScaleState(), reason));
    EXPECT_EQ(reason, folder + "/kept: is a folder");

    // A file that is not a state file, reached through a link, is neither taken nor saved over when
    // the scale stops.
    std::filesystem::create_symlink(victim, path);
    SimOptions options;
    options.linkPath = folder + "/COM1";
    options.stateFile = path;
    {
        ScaleSim scale(options);
        ASSERT_TRUE(scale.start()) << scale.error();
    }
    EXPECT_EQ(contents(victim), "KEEP");
    EXPECT_EQ(specialfiles::kindOf(path), 'l');

    const std::string fifo = folder + "/fifo";
    {
        specialfiles::PipeReader reader(fifo);
        ASSERT_TRUE(reader.ready());
        EXPECT_TRUE(saveStateFile(fifo, defaultScaleState(), reason)) << reason;
        EXPECT_TRUE(reader.bytes().starts_with("SCALEMEM"));
    }
    EXPECT_EQ(specialfiles::kindOf(fifo), 'p');

    const std::string null = folder + "/null";
    MAKE_NULL_DEVICE_OR_SKIP(null);
    EXPECT_TRUE(saveStateFile(null, defaultScaleState(), reason)) << reason;
    EXPECT_EQ(specialfiles::kindOf(null), 'c');
    std::filesystem::remove_all(folder);
}

} // namespace

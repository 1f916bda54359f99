// The PLU range transfers end to end: the real link over a pseudo-terminal against the emulated
// scale, through the same loops the PLU tab and the command-line tool run.
#include "cli/PluCommands.h"
#include "plu/PluFile.h"
#include "plu/PluTransfer.h"
#include "tests/support/SimHarness.h"
#include "text/Numbers.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
PluRecord scalePlu(int32_t price, const std::string& name, uint8_t flags = 0, int32_t quantity = 0) {
    PluRecord plu;
    plu.price = price;
    plu.code = 1000 + price;
    plu.department = 2;
    plu.taxGroup = 1;
    plu.flags = flags;
    plu.name = textField<31>(name);
    plu.validDate = 7;
    plu.quantity = quantity;
    plu.total = 990;
    plu.count = 3;
    return plu;
}

// What a transfer did besides its exchanges: progress calls and how it ended.
struct Progress {
    int maximum = -1;
    std::vector<std::pair<int, int>> steps;
    int finished = 0;
    bool running = false;
    // A STOP click arrives while this step's pending events are processed.
    int stopAtStep = -1;
    std::function<void(int step)> atStep;
};

class PluTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim().withState([](ScaleState& state) { state.plus.assign(kMaxPlu + 1, PluRecord{}); });
        ASSERT_TRUE(theLink.open(1, 9600));
    }

    ScaleSim& sim() { return scale.sim(); }
    QString filePath(const char* name) const { return QString::fromStdString(scale.folder()) + '/' + name; }

    TransferHooks hooks() {
        TransferHooks h;
        h.begin = [this](int maximum) {
            progress.maximum = maximum;
            progress.running = true;
        };
        h.keepRunning = [this] { return progress.running; };
        h.step = [this](int position, int number) {
            int index = int(progress.steps.size());
            progress.steps.emplace_back(position, number);
            if (index == progress.stopAtStep)
                progress.running = false;
            if (progress.atStep)
                progress.atStep(index);
        };
        h.finish = [this] {
            ++progress.finished;
            progress.running = false;
        };
        return h;
    }

    void setScale(int number, const PluRecord& plu) {
        sim().withState([&](ScaleState& state) { state.plus[size_t(number)] = plu; });
    }
    PluRecord scaleHas(int number) {
        PluRecord plu;
        sim().withState([&](ScaleState& state) { plu = state.plus[size_t(number)]; });
        return plu;
    }
    // Command code and first payload word of every request the scale received.
    std::vector<std::pair<int, int>> requests() {
        std::vector<std::pair<int, int>> list;
        for (const auto& body : sim().requestBodies())
            list.emplace_back(body[0], body.size() >= 3 ? body[1] << 8 | body[2] : -1);
        return list;
    }
    static void fillRow(PluTable& table, int row, const QStringList& cells) {
        for (int column = 0; column < cells.size(); ++column)
            table.setCell(column, row, cells[column]);
    }
    static QStringList plainRow(int number, const QString& price = QStringLiteral("1.00")) {
        return {QString::number(number),       price, "5", "1", "2", "0", "1", "0",
                "N" + QString::number(number), "9"};
    }

    SimHarness scale;
    // The bare exchange and the two bytes every reply starts with, as the command-line tool sends.
    ScaleLine line = quietLine(theLink);
    Progress progress;
};

TEST_F(PluTransferTest, FullLoadFillsRowsWithoutGapsAndKeepsTheRest) {
    setScale(0, scalePlu(-5, "zero"));
    setScale(3, scalePlu(125, "three", 0x01, 12));
    setScale(1799, scalePlu(200, "last"));
    setScale(1800, scalePlu(300, "top", 0x06, 1500));
    PluMemoryTable table;
    fillRow(table, 5, {"old"});

    EXPECT_EQ(loadFromScale(line, table, 1, 1799, hooks()), TransferEnd::Completed);
    EXPECT_EQ(table.cell(NumColumn, 1), "0");
    EXPECT_EQ(table.cell(PriceColumn, 1), "-0.05");
    QStringList top;
    for (int column = 0; column < kPluColumnCount; ++column)
        top << table.cell(column, 2);
    EXPECT_EQ(top.join('|'), "1800|3.00|1300|2|1|0|1|1|top|7|1.500|9.90|3");
    EXPECT_EQ(table.cell(NumColumn, 3), "3");
    EXPECT_EQ(table.cell(QuantityColumn, 3), "12");
    EXPECT_EQ(table.cell(NumColumn, 4), "1799");
    EXPECT_EQ(table.cell(NumColumn, 5), "old");

    std::vector<std::pair<int, int>> sent = requests();
    ASSERT_EQ(sent.size(), 1801u);
    EXPECT_EQ(sent[0], std::make_pair(0x04, 0));
    EXPECT_EQ(sent[1], std::make_pair(0x04, 1800));
    EXPECT_EQ(sent[2], std::make_pair(0x04, 1));
    EXPECT_EQ(sent[1800], std::make_pair(0x04, 1799));
    EXPECT_EQ(sim().requestBodies()[5], (std::vector<uint8_t>{0x04, 0x00, 0x04, 0x00, 0x36}));
    EXPECT_EQ(progress.maximum, 1798);
    ASSERT_EQ(progress.steps.size(), 1799u);
    EXPECT_EQ(progress.steps.back(), std::make_pair(1798, 1799));
    EXPECT_EQ(progress.finished, 1);
}

TEST_F(PluTransferTest, FullSaveWritesRowOneRowLastThenTheRangeAndCloses) {
    PluMemoryTable table;
    fillRow(table, 1, plainRow(0));
    fillRow(table, 2, {"1800", "0.53", "123456", "40", "8", "1", "0", "1", QString(30, 'X'), "365"});
    fillRow(table, 3, plainRow(17));
    fillRow(table, 4, {"99", "", "1"}); // no price: skipped
    fillRow(table, 1801, plainRow(1799));

    EXPECT_EQ(saveToScale(line, table, 1, 1799, hooks()), TransferEnd::Completed);
    std::vector<std::pair<int, int>> sent = requests();
    // row 1, row 1801, then rows 2 to 1801 (1801 again), then 0x27
    EXPECT_EQ(sent, (std::vector<std::pair<int, int>>{
                        {0x23, 0}, {0x23, 1799}, {0x23, 1800}, {0x23, 17}, {0x23, 1799}, {0x27, -1}}));
    std::vector<uint8_t> expected = {0x23, 0x07, 0x08, 0x00, 0x00, 0x00, 0x00, 0x35,
                                     0x00, 0x01, 0xE2, 0x40, 0x28, 0x08, 0x05};
    expected.insert(expected.end(), 30, 'X');
    expected.insert(expected.end(), {0x00, 0x01, 0x6D, 0x00});
    EXPECT_EQ(sim().requestBodies()[2], expected);
    EXPECT_EQ(sim().requestBodies().back(), std::vector<uint8_t>{0x27});
    EXPECT_EQ(scaleHas(17).price, 100);
    EXPECT_EQ(fieldText(scaleHas(17).name.data(), 31), "N17");
    EXPECT_EQ(progress.steps.size(), 1800u);
    EXPECT_EQ(progress.finished, 1);
}

TEST_F(PluTransferTest, RangeAndToBelowFrom) {
    for (int n : {0, 5, 6, 7, 8, 1800})
        setScale(n, scalePlu(100 + n, "p"));
    PluMemoryTable table;
    EXPECT_EQ(loadFromScale(line, table, 5, 7, hooks()), TransferEnd::Completed);
    EXPECT_EQ(requests(), (std::vector<std::pair<int, int>>{{4, 0}, {4, 1800}, {4, 5}, {4, 6}, {4, 7}}));
    EXPECT_EQ(table.cell(NumColumn, 5), "7");
    EXPECT_TRUE(table.cell(NumColumn, 6).isEmpty());

    sim().clearLog();
    EXPECT_EQ(loadFromScale(line, table, 7, 6, hooks()), TransferEnd::Completed);
    EXPECT_EQ(requests(), (std::vector<std::pair<int, int>>{{4, 0}, {4, 1800}}));

    for (int row = 1; row <= kPluRowCount; ++row)
        fillRow(table, row, plainRow(row));
    sim().clearLog();
    EXPECT_EQ(saveToScale(line, table, 7, 6, hooks()), TransferEnd::Completed); // TO = FROM - 1: row 2 too
    EXPECT_EQ(requests(),
              (std::vector<std::pair<int, int>>{{0x23, 1}, {0x23, 1801 % 65536}, {0x23, 2}, {0x27, -1}}));
    sim().clearLog();
    EXPECT_EQ(saveToScale(line, table, 7, 5, hooks()), TransferEnd::Completed);
    EXPECT_EQ(requests(), (std::vector<std::pair<int, int>>{{0x23, 1}, {0x23, 1801}, {0x27, -1}}));
}

TEST_F(PluTransferTest, StopTakesOneMoreRecordAndKeepsWhatWasTransferred) {
    for (int n = 0; n <= 20; ++n)
        setScale(n, scalePlu(100 + n, "p"));
    PluMemoryTable table;
    progress.stopAtStep = 2; // clicked while the third PLU of the range is shown
    EXPECT_EQ(loadFromScale(line, table, 1, 20, hooks()), TransferEnd::Stopped);
    EXPECT_EQ(requests().size(), 2u + 4u);
    EXPECT_EQ(table.cell(NumColumn, 5), "4");
    EXPECT_TRUE(table.cell(NumColumn, 6).isEmpty());
    EXPECT_EQ(progress.finished, 1);
    EXPECT_FALSE(progress.running);

    sim().clearLog();
    progress = Progress{};
    progress.stopAtStep = 0;
    EXPECT_EQ(saveToScale(line, table, 1, 20, hooks()), TransferEnd::Stopped);
    // rows 1 and 1801 (empty), rows 2 and 3, then the upload is closed all the same
    EXPECT_EQ(requests(), (std::vector<std::pair<int, int>>{{0x23, 0}, {0x23, 1}, {0x23, 2}, {0x27, -1}}));
}

TEST_F(PluTransferTest, FailedExchangeEndsTheTransferAtOnce) {
    for (int n = 0; n <= 10; ++n)
        setScale(n, scalePlu(100 + n, "p"));
    PluMemoryTable table;
    sim().injectFault(Fault::Nak, 3); // the first record fails on all three attempts
    EXPECT_EQ(loadFromScale(line, table, 1, 10, hooks()), TransferEnd::Failed);
    EXPECT_TRUE(table.cell(NumColumn, 1).isEmpty());
    EXPECT_EQ(progress.finished, 1);

    progress = Progress{};
    progress.atStep = [this](int step) {
        if (step == 3)
            sim().injectFault(Fault::Nak, 3);
    };
    EXPECT_EQ(loadFromScale(line, table, 1, 10, hooks()), TransferEnd::Failed);
    // PLU 0 in row 1, PLU 1800 absent, PLUs 1 to 4 in rows 2 to 5; PLU 5 failed
    EXPECT_EQ(table.cell(NumColumn, 5), "4");
    EXPECT_TRUE(table.cell(NumColumn, 6).isEmpty());
    EXPECT_EQ(progress.steps.size(), 4u);

    // Save: the upload is closed even after a failure.
    for (int row = 1; row <= 12; ++row)
        fillRow(table, row, plainRow(row + 100));
    sim().clearLog();
    progress = Progress{};
    progress.atStep = [this](int step) {
        if (step == 1)
            sim().injectFault(Fault::Nak, 3);
    };
    EXPECT_EQ(saveToScale(line, table, 1, 10, hooks()), TransferEnd::Failed);
    EXPECT_EQ(scaleHas(102).price, 100);
    EXPECT_EQ(scaleHas(103).price, 100);
    EXPECT_FALSE(scaleHas(104).present());
    EXPECT_EQ(sim().requestBodies().back(), std::vector<uint8_t>{0x27});
    EXPECT_EQ(progress.finished, 1);
}

TEST_F(PluTransferTest, CellThatDoesNotConvertEndsSaveWithoutClosingTheUpload) {
    PluMemoryTable table;
    for (int row = 1; row <= 6; ++row)
        fillRow(table, row, plainRow(row));
    table.setCell(NumColumn, 4, QStringLiteral("12.5"));
    try {
        saveToScale(line, table, 1, 10, hooks());
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'12.5' is not a valid integer value");
    }
    EXPECT_EQ(requests(), (std::vector<std::pair<int, int>>{{0x23, 1}, {0x23, 2}, {0x23, 3}}));
    EXPECT_EQ(progress.finished, 1); // the progress is closed all the same
    EXPECT_FALSE(progress.running);
}

class PluCommandLineTest : public PluTransferTest {
protected:
    static int plu(const std::vector<std::string>& args) {
        PortRun run{theLink, "COM1", std::cout, std::cerr};
        return runParsed(parsePlu(args), run);
    }
};

TEST_F(PluCommandLineTest, PullWritesTheFileAndPushSendsItBackInFileOrder) {
    setScale(0, scalePlu(10, "zero"));
    setScale(4, scalePlu(44, "four"));
    setScale(1800, scalePlu(1800, "top"));
    QString path = filePath("pulled.TXT");
    EXPECT_EQ(plu({"pull", "--from", "1", "--to", "10", "-o", path.toStdString()}), 0);
    PluMemoryTable table;
    PluFileResult loaded = loadPluFile(path, table);
    EXPECT_EQ(loaded.outcome, PluFileLoad::Loaded);
    ASSERT_EQ(loaded.rowsLoaded, 3);
    EXPECT_EQ(table.cell(NumColumn, 2), "1800");
    EXPECT_EQ(table.cell(NameColumn, 3), "four");
    EXPECT_TRUE(scale.lastReplyAcknowledged());

    sim().withState([](ScaleState& state) { state.plus.assign(kMaxPlu + 1, PluRecord{}); });
    sim().clearLog();
    EXPECT_EQ(plu({"push", path.toStdString()}), 0);
    EXPECT_EQ(requests(), (std::vector<std::pair<int, int>>{{0x23, 0}, {0x23, 1800}, {0x23, 4}, {0x27, -1}}));
    EXPECT_EQ(scaleHas(4).price, 44);
    EXPECT_EQ(fieldText(scaleHas(1800).name.data(), 31), "top");
    EXPECT_TRUE(scale.lastReplyAcknowledged()); // the reply to 0x27 that ends the upload
}

TEST_F(PluCommandLineTest, BadFilesAndFailuresSendNothingOrWriteNothing) {
    QString bad = filePath("bad.TXT");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1\t1.00\t0\t0\t0\t0\t0\t0\ta\t0\t\r\n12.5\t1.00\t0\t0\t0\t0\t0\t0\tb\t0\t\r\n");
    file.close();
    EXPECT_EQ(plu({"push", bad.toStdString()}), 3); // NUM 12.5 passes the reader, not the record
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("x\r\n");
    file.close();
    EXPECT_EQ(plu({"push", bad.toStdString()}), 3);
    EXPECT_EQ(plu({"push", filePath("missing.TXT").toStdString()}), 4);
    EXPECT_TRUE(sim().requestBodies().empty());

    EXPECT_EQ(plu({"pull", "--from", "0", "--to", "10", "-o", filePath("x.TXT").toStdString()}), 64);
    sim().injectFault(Fault::Nak, 3);
    EXPECT_EQ(plu({"pull", "--from", "1", "--to", "10", "-o", filePath("x.TXT").toStdString()}), 1);
    EXPECT_FALSE(QFile::exists(filePath("x.TXT")));
}
} // namespace

// The PLU range transfers end to end: the real link over a pseudo-terminal against the emulated
// scale, through the same loops the PLU tab and the command-line tool run.
#include "cli/PluCommands.h"
#include "plu/PluFile.h"
#include "plu/PluRecordKeeping.h"
#include "plu/PluTransfer.h"
#include "tests/support/SimHarness.h"
#include "text/Numbers.h"

#include <QFile>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <numeric>
#include <sstream>

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
    EXPECT_EQ(requests(),
              (std::vector<std::pair<int, int>>{{0x01, -1}, {0x23, 0}, {0x23, 1800}, {0x23, 4}, {0x27, -1}}));
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

// The scale's record that the PLU commands keep in their database, and the price update and the
// comparison built on it.
class PluRecordTest : public PluTransferTest {
protected:
    QString records() const { return filePath("records.db"); }
    int plu(const std::vector<std::string>& args) {
        out.str({});
        err.str({});
        PortRun run{theLink, "COM1", out, err, false, records().toStdString()};
        return runParsed(parsePlu(args), run);
    }
    // A PLU file of these rows (their first cells), in this order.
    std::string file(const std::vector<QStringList>& rows) {
        PluMemoryTable table;
        for (size_t i = 0; i < rows.size(); ++i)
            fillRow(table, int(i) + 1, rows[i]);
        EXPECT_TRUE(savePluFile(filePath("prices.TXT"), table));
        return filePath("prices.TXT").toStdString();
    }
    // The PLU numbers that the scale was written since the log was cleared, in order.
    std::vector<int> writes() {
        std::vector<int> numbers;
        for (auto [code, number] : requests())
            if (code == 0x23)
                numbers.push_back(number);
        return numbers;
    }
    static std::vector<QStringList> rowsUpTo(int count) {
        std::vector<QStringList> rows;
        for (int n = 1; n <= count; ++n)
            rows.push_back(plainRow(n, QStringLiteral("1.5")));
        return rows;
    }
    std::ostringstream out, err;
};

TEST_F(PluRecordTest, ChangedPushSendsOnlyWhatTheRecordLacksOrHoldsOtherwise) {
    std::vector<QStringList> rows = rowsUpTo(30);
    rows.push_back(plainRow(40, "-1")); // a PLU to be absent
    EXPECT_EQ(plu({"push", file(rows), "--changed"}), 0) << err.str();
    std::vector<int> all(30);
    std::iota(all.begin(), all.end(), 1);
    all.push_back(40);
    EXPECT_EQ(writes(), all) << "a scale without a record gets every priced row";
    EXPECT_EQ(err.str(), "31 sent, 0 current\n");

    rows[4][1] = "2.00";
    rows[6][1] = "1.50"; // the same price on the wire
    rows[8][8] = "NEW NAME";
    rows.push_back(plainRow(12, "3.00")); // PLU 12 twice: the later row is what the scale ends with
    sim().clearLog();
    EXPECT_EQ(plu({"push", file(rows), "--changed"}), 0) << err.str();
    EXPECT_EQ(writes(), (std::vector<int>{5, 9, 12}));
    EXPECT_EQ(err.str(), "3 sent, 28 current\n");
    EXPECT_EQ(scaleHas(12).price, 300);

    sim().clearLog();
    EXPECT_EQ(plu({"push", file(rows), "--changed"}), 0) << err.str();
    EXPECT_EQ(requests(), (std::vector<std::pair<int, int>>{{0x01, -1}}))
        << "nothing changed: the identity only";

    // Another scale on the port (or the same file for another port) has no record yet.
    sim().withState([](ScaleState& state) { state.identity = "ANOTHER SCALE"; });
    sim().clearLog();
    EXPECT_EQ(plu({"push", file(rows), "--changed"}), 0) << err.str();
    EXPECT_EQ(writes().size(), rows.size()) << "a full push, PLU 12 twice";
}

TEST_F(PluRecordTest, PushCutOffAfterSevenRowsSendsTheRestWhenRunAgain) {
    PluMemoryTable table;
    for (int row = 1; row <= 20; ++row)
        fillRow(table, row, plainRow(row + 100));
    std::vector<int> order(20);
    std::iota(order.begin(), order.end(), 1);
    QString error;
    auto pushChanged = [&](int failAfter) {
        auto kept = store::ScaleRecords::open(records(), &error);
        EXPECT_TRUE(kept && kept->select("COM1", "SCALE")) << error.toStdString();
        TransferHooks h = hooks();
        std::map<int, QByteArray> seen;
        keepRecord(h, kept.get(), seen);
        progress = Progress{};
        progress.atStep = [this, failAfter](int step) {
            if (step + 1 == failAfter)
                sim().injectFault(Fault::Nak, 3);
        };
        int current = 0;
        sim().clearLog();
        return saveRows(line, table, changedRows(decidingRows(table, order), kept->known(), &current), h);
    };
    EXPECT_EQ(pushChanged(7), TransferEnd::Failed);
    // Seven acknowledged, the eighth refused on all three attempts.
    EXPECT_EQ(writes(), (std::vector<int>{101, 102, 103, 104, 105, 106, 107, 108, 108, 108}));
    EXPECT_EQ(pushChanged(0), TransferEnd::Completed);
    std::vector<int> rest(13);
    std::iota(rest.begin(), rest.end(), 108);
    EXPECT_EQ(writes(), rest);
}

TEST_F(PluRecordTest, DiffListsEveryKindInTheRangeAndAgreesOnceTheChangesAreSent) {
    std::vector<QStringList> rows;
    for (int n : {0, 1800, 3, 4, 6, 50})
        rows.push_back(plainRow(n));
    ASSERT_EQ(plu({"push", file(rows)}), 0) << err.str();

    rows[1][2] = "6";    // PLU 1800's CODE: compared whatever the range
    rows[2][1] = "2.5";  // PLU 3
    rows[2][8] = "NEW3"; //
    rows[3][1] = "-1";   // PLU 4 to be absent
    rows[5][1] = "9.99"; // PLU 50: outside the range
    rows.push_back(plainRow(5));
    const std::string changed = file(rows);
    EXPECT_EQ(plu({"diff", changed, "--to", "10"}), kExitDiffers) << err.str();
    EXPECT_EQ(out.str(), "differs\t3\tPRICE\t1.00\t2.50\n"
                         "differs\t3\tNAME\tN3\tNEW3\n"
                         "only-on-scale\t4\n"
                         "only-in-file\t5\n"
                         "differs\t1800\tCODE\t5\t6\n");
    EXPECT_EQ(err.str(), "4 PLUs differ\n");

    sim().clearLog();
    EXPECT_EQ(plu({"push", changed, "--changed"}), 0) << err.str();
    EXPECT_EQ(writes(), (std::vector<int>{1800, 3, 4, 50, 5}));
    EXPECT_FALSE(scaleHas(4).present());
    EXPECT_EQ(plu({"diff", changed, "--to", "10"}), kExitOk) << out.str();
    EXPECT_EQ(out.str(), "");
}

TEST_F(PluRecordTest, RecordsThatCannotBeKeptEndTheCommandWithIoError) {
    const std::string prices = file(rowsUpTo(5));
    {
        auto kept = store::ScaleRecords::open(records(), nullptr);
        ASSERT_TRUE(kept);
    }
    QString error;
    auto refuse = [&](const QString& when) {
        auto db = store::Database::open(records(), &error);
        QSqlQuery q(db->sql());
        q.exec("DROP TRIGGER IF EXISTS refuse");
        EXPECT_TRUE(q.exec("CREATE TRIGGER refuse BEFORE INSERT ON scale_plu_rows WHEN " + when +
                           " BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    };
    refuse("1");
    for (const std::vector<std::string>& args : {std::vector<std::string>{"push", prices},
                                                 {"push", prices, "--changed"},
                                                 {"diff", prices},
                                                 {"pull"}}) {
        EXPECT_EQ(plu(args), kExitIoError) << args[0];
        EXPECT_EQ(err.str().rfind("I/O Error!\n", 0), 0u) << err.str();
        EXPECT_NE(err.str().find("disk full"), std::string::npos) << err.str();
    }
    EXPECT_TRUE(requests().empty()) << "nothing sent, not even the identity request";

    // A write that fails on the way ends the push; the upload is closed all the same.
    refuse("NEW.plu = 3");
    EXPECT_EQ(plu({"push", prices}), kExitIoError);
    EXPECT_EQ(requests(),
              (std::vector<std::pair<int, int>>{{0x01, -1}, {0x23, 1}, {0x23, 2}, {0x23, 3}, {0x27, -1}}));
}
} // namespace

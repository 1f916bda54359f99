// The PLU tab as a real widget: the grid's shape, keystrokes through the in-place editor (refused
// edits put the text back and beep), CLEAR and ALL, the file buttons, and the scale transfers with
// the progress dialog against the emulated scale over a pty.
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "link/FrameLink.h"
#include "plu/PluTab.h"
#include "tests/support/FormsTest.h"
#include "tests/support/GridTyping.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/SimHarness.h"
#include "ui/ProgressDialog.h"

#include "ui_PluTab.h"
#include "ui_ProgressDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>

namespace {
const RecordedPrompt inputError{QStringLiteral("ERROR!"), QStringLiteral("error in input file")};

struct PluTabTest : FormsTest {
    PluTab* tab = nullptr;
    Ui::PluTab* ui = nullptr;
    QTableWidget* grid = nullptr;

    void SetUp() override {
        FormsTest::SetUp();
        tab = theMainWindow->pluTab;
        ui = tab->ui;
        grid = ui->pluGrid;
        theMainWindow->show();
    }

    // Types text into the cell (row 1..1801) key by key, as the operator does.
    QLineEdit* typeInto(int column, int row, const QString& text) {
        return typeIntoCell(grid, row - 1, column, text);
    }
    QString cell(int column, int row) const { return tab->table().cell(column, row); }
};

TEST_F(PluTabTest, GridHasTheHeadingsWidthsAndRowsOfTheTable) {
    EXPECT_EQ(grid->columnCount(), 13);
    EXPECT_EQ(grid->rowCount(), 1801);
    QStringList headings;
    for (int column = 0; column < grid->columnCount(); ++column)
        headings << grid->horizontalHeaderItem(column)->text();
    EXPECT_EQ(headings.join('|'), "NUM|PRICE|CODE|DEP|TAX|NW|FIX|BAR|NAME|Valid Date|QUANTITY|TOTAL|COUNT");
    EXPECT_EQ(grid->columnWidth(8), 281);
    EXPECT_EQ(grid->columnWidth(9), 81);
    EXPECT_EQ(grid->rowHeight(0), 21);
    EXPECT_EQ(ui->fromSpin->text(), "1"); // start-up ran ALL
    EXPECT_EQ(ui->toSpin->text(), "1799");
}

// Tab leaves the grid for the tab's buttons (the arrows move inside it), so the keyboard reaches
// every control.
TEST_F(PluTabTest, TabLeavesTheGridForTheButtons) {
    QApplication::setActiveWindow(theMainWindow);
    grid->setFocus();
    grid->setCurrentCell(0, 1);
    ASSERT_EQ(QApplication::focusWidget(), grid);
    // Tab walks round the window's controls and comes back to the grid, passing every one of the
    // tab's own: FROM, TO and the buttons.
    QSet<QString> reached;
    for (int presses = 0; presses < 60; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        ASSERT_NE(now, nullptr);
        if (now == grid)
            break;
        reached << now->objectName();
        if (now->parentWidget() && now->parentWidget()->objectName().endsWith(QStringLiteral("Spin")))
            reached << now->parentWidget()->objectName(); // a spin field's focus is its line edit
    }
    EXPECT_EQ(QApplication::focusWidget(), grid) << "the chain comes round";
    EXPECT_EQ(grid->currentColumn(), 1) << "not moved to the next cell";
    for (const char* name :
         {"fromSpin", "toSpin", "allButton", "clearButton", "moreButton", "loadFromScaleButton",
          "saveToScaleButton", "saveToDiskButton", "loadFromDiskButton"})
        EXPECT_TRUE(reached.contains(QLatin1String(name))) << name;
}

TEST_F(PluTabTest, EditorChecksEveryKeystrokeAndPutsTheLastGoodTextBack) {
    QLineEdit* editor = typeInto(DepColumn, 1, "41");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(cell(DepColumn, 1), "4");
    EXPECT_EQ(editor->text(), "4");
    EXPECT_EQ(recorder.beeps, 1);

    QTest::keyClick(editor, Qt::Key_Backspace); // emptied: accepted
    EXPECT_EQ(cell(DepColumn, 1), "");
    QTest::keyClicks(editor, "-"); // a lone minus is no number
    EXPECT_EQ(cell(DepColumn, 1), "");
    EXPECT_EQ(recorder.beeps, 2);
    QGuiApplication::clipboard()->setText(QStringLiteral("-5")); // pasted at once: no lower bound
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cell(DepColumn, 1), "-5");
    EXPECT_EQ(editor->text(), "-5");
    EXPECT_EQ(recorder.beeps, 2);
}

TEST_F(PluTabTest, PriceTakesTheSeparatorMidwayAndNameStopsAtThirty) {
    typeInto(PriceColumn, 2, "12.");
    EXPECT_EQ(cell(PriceColumn, 2), "12.");
    EXPECT_EQ(recorder.beeps, 0);

    QString thirty(30, QChar('a'));
    QLineEdit* editor = typeInto(NameColumn, 3, thirty + "b");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(cell(NameColumn, 3), thirty);
    EXPECT_EQ(editor->text(), thirty);
    EXPECT_EQ(recorder.beeps, 1);
}

TEST_F(PluTabTest, TypingInsideATextKeepsTheCursorWhereTheOperatorPutIt) {
    tab->table().setCell(NameColumn, 1, QStringLiteral("ac"));
    grid->setCurrentCell(0, NameColumn);
    grid->editItem(grid->item(0, NameColumn));
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    ASSERT_NE(editor, nullptr);
    editor->setCursorPosition(1);
    QTest::keyClicks(editor, "bx"); // each accepted key is written into the cell on its own
    EXPECT_EQ(editor->text(), "abxc");
    EXPECT_EQ(cell(NameColumn, 1), "abxc");
    EXPECT_EQ(editor->cursorPosition(), 3);
}

TEST_F(PluTabTest, ReadOnlyColumnsRefuseEveryKeystroke) {
    tab->table().setCell(TotalColumn, 4, QStringLiteral("9.90"));
    QLineEdit* editor = typeInto(TotalColumn, 4, "1");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(cell(TotalColumn, 4), "9.90");
    EXPECT_EQ(editor->text(), "9.90");
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(cell(TotalColumn, 4), "9.90");
    EXPECT_EQ(recorder.beeps, 2);
}

TEST_F(PluTabTest, ClearEmptiesEveryCell) {
    tab->table().setCell(NumColumn, 1, QStringLiteral("17"));
    tab->table().setCell(CountColumn, 1801, QStringLiteral("3"));

    ui->fromSpin->setValue(5);
    ui->clearButton->click();
    EXPECT_EQ(cell(NumColumn, 1), "");
    EXPECT_EQ(cell(CountColumn, 1801), "");
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "NUM");
    EXPECT_EQ(ui->fromSpin->text(), "5");
    ui->allButton->click();
    EXPECT_EQ(ui->fromSpin->text(), "1");
    EXPECT_EQ(ui->toSpin->text(), "1799");
}

TEST_F(PluTabTest, FileButtonsUseTheirDialogsAndReportFailures) {
    SimHarness folder; // only for its temporary folder
    QString path = QString::fromStdString(folder.folder()) + "/PLU.TXT";
    tab->table().setCell(NumColumn, 1, QStringLiteral("1"));
    tab->table().setCell(PriceColumn, 1, QStringLiteral("2.50"));
    recorder.scriptedFileNames = {path};
    ui->saveToDiskButton->click();
    ASSERT_EQ(recorder.fileRequests.size(), 1u);
    EXPECT_TRUE(recorder.fileRequests[0].save);
    EXPECT_EQ(recorder.fileRequests[0].filter, "TAB separated Text Files|*.TXT");
    EXPECT_EQ(recorder.fileRequests[0].defaultSuffix, "TXT");
    EXPECT_EQ(recorder.fileRequests[0].folder, ".");
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(recorder.messages.empty());

    // The saved row has no Valid Date: loading it back stops at that line with its 9 fields stored.
    ui->clearButton->click();
    recorder.scriptedFileNames = {path};
    ui->loadFromDiskButton->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{inputError});
    EXPECT_EQ(cell(PriceColumn, 1), "2.50");

    recorder.clear();
    recorder.scriptedFileNames = {path + ".missing", QString::fromStdString(folder.folder()) + "/no/PLU.TXT"};
    ui->loadFromDiskButton->click();
    ui->saveToDiskButton->click();
    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{ioError, ioError}));

    recorder.clear();
    ui->loadFromDiskButton->click(); // cancelled: nothing happens
    EXPECT_TRUE(recorder.messages.empty());
}

struct PluTabScaleTest : PluTabTest {
    SimHarness scale;

    void SetUp() override {
        PluTabTest::SetUp();
        scale.sim().withState([](ScaleState& state) {
            state.plus.assign(kMaxPlu + 1, PluRecord{});
            for (int n : {0, 2, 3, 4, 5, 6}) {
                state.plus[size_t(n)].price = 100 * n;
                state.plus[size_t(n)].name = textField<31>("P" + std::to_string(n));
            }
        });
    }
    void connect() { ASSERT_TRUE(theLink.open(1, 9600)); }
    // STOP clicked while a record is exchanged: the click waits until the loop lets events through.
    void clickStopWhileBarReaches(int position) {
        QObject::connect(theProgressDialog->ui->progressBar, &QProgressBar::valueChanged, theProgressDialog,
                         [this, position](int value) {
                             if (value == position)
                                 postStopClick();
                         });
    }
    void postStopClick() {
        QWidget* button = theProgressDialog->ui->stopButton;
        QPointF centre = QRectF(button->rect()).center();
        QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, centre, centre,
                                                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, centre, centre,
                                                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    }
};

TEST_F(PluTabScaleTest, TransfersNeedAConnection) {
    ui->loadFromScaleButton->click();
    ui->saveToScaleButton->click();
    EXPECT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0].text, "You are not connected to the scale!");
    EXPECT_FALSE(theProgressDialog->isVisible());
    EXPECT_TRUE(scale.sim().requestBodies().empty());
}

TEST_F(PluTabScaleTest, LoadFillsTheGridAndStopEndsAfterOneMoreRecord) {
    connect();
    ui->toSpin->setValue(10);
    ui->loadFromScaleButton->click();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(cell(NumColumn, 1), "0");
    EXPECT_EQ(cell(NumColumn, 2), "2");
    EXPECT_EQ(cell(NameColumn, 6), "P6");
    EXPECT_EQ(cell(NumColumn, 7), "");
    EXPECT_FALSE(theProgressDialog->isVisible());
    EXPECT_FALSE(theProgressDialog->keepRunning);
    EXPECT_EQ(theProgressDialog->ui->progressBar->value(), 0);
    EXPECT_EQ(theProgressDialog->ui->countLabel->text(), "PLU 10");
    // What was done, and in what time, in the note beside the tabs.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^10 PLUs read in 0:\\d\\d$"))
                    .match(theMainWindow->noteLabel->text())
                    .hasMatch())
        << theMainWindow->noteLabel->text().toStdString();

    ui->clearButton->click();
    scale.sim().clearLog();
    clickStopWhileBarReaches(1); // handled after PLU 2; PLU 3 is read, then the loop ends
    ui->loadFromScaleButton->click();
    EXPECT_EQ(scale.sim().requestBodies().size(), 5u);
    EXPECT_EQ(cell(NumColumn, 3), "3");
    EXPECT_EQ(cell(NumColumn, 4), "");
    EXPECT_FALSE(theProgressDialog->isVisible());
    EXPECT_FALSE(theProgressDialog->keepRunning);
    EXPECT_TRUE(theMainWindow->noteLabel->text().endsWith(QStringLiteral(" (stopped)")));
}

// One transfer at a time: while the progress dialog is up, the operator's clicks on other buttons
// (here Save To SCALE and CLEAR, which would send a mix of two tables or empty the table being
// loaded) reach nothing; STOP still does. The clicks come through the window system, as a user's do.
TEST_F(PluTabScaleTest, NothingElseStartsInsideATransfer) {
    connect();
    ui->toSpin->setValue(10);
    auto clickThroughWindow = [](QWidget* widget) {
        QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          widget->mapTo(widget->window(), widget->rect().center()));
    };
    bool clicked = false;
    QObject::connect(theProgressDialog->ui->progressBar, &QProgressBar::valueChanged, theProgressDialog,
                     [&](int value) {
                         if (value != 3 || std::exchange(clicked, true))
                             return;
                         clickThroughWindow(ui->saveToScaleButton);
                         clickThroughWindow(ui->clearButton);
                         clickThroughWindow(theProgressDialog->ui->stopButton);
                     });
    ui->loadFromScaleButton->click();
    ASSERT_TRUE(clicked);
    std::vector<std::vector<uint8_t>> sent = scale.sim().requestBodies();
    EXPECT_EQ(sent.size(), 7u) << "STOP ended the load after one more record";
    for (const std::vector<uint8_t>& body : sent)
        EXPECT_EQ(body.front(), 0x04) << "only the load's reads went out";
    EXPECT_EQ(cell(NumColumn, 2), "2") << "the table was not cleared under the load";
    EXPECT_FALSE(theProgressDialog->isVisible());
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(PluTabScaleTest, ConversionFailuresShowTheStandardMessageAndCloseTheDialog) {
    connect();
    for (int row = 1; row <= 4; ++row) {
        tab->table().setCell(NumColumn, row, QString::number(row + 10));
        tab->table().setCell(PriceColumn, row, QStringLiteral("1.00"));
        for (int column = CodeColumn; column <= ValidDateColumn; ++column)
            tab->table().setCell(column, row,
                                 column == NameColumn ? QStringLiteral("x") : QStringLiteral("0"));
    }
    tab->table().setCell(CodeColumn, 3, QStringLiteral("2.5")); // the editor lets a fraction through
    ui->saveToScaleButton->click();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "'2.5' is not a valid integer value");
    EXPECT_FALSE(theProgressDialog->isVisible());
    EXPECT_FALSE(theProgressDialog->keepRunning);
    std::vector<std::vector<uint8_t>> sent = scale.sim().requestBodies();
    ASSERT_EQ(sent.size(), 2u); // rows 1 and 2; no closing 0x27
    EXPECT_EQ(scale.sim().requestBodies()[1][2], 12);

    recorder.clear();
    scale.sim().clearLog();
    // a garbled field: nothing is transferred
    QTest::keyClick(ui->fromSpin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(ui->fromSpin, "abc");
    ASSERT_EQ(ui->fromSpin->text(), "abc");
    ui->loadFromScaleButton->click();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "'abc' is not a valid integer value");
    EXPECT_FALSE(theProgressDialog->isVisible());
    EXPECT_TRUE(scale.sim().requestBodies().empty());
}

// Also run under a real generated comma locale (LC_ALL), where the C library reads "12.34"-style
// numbers with a comma too: a price from the file and a typed one go out as their hundredths.
TEST_F(PluTabScaleTest, CommaLocaleSendsTheHundredthsOfAFilePriceAndATypedOne) {
    LocaleGuard comma(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    connect();
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("PLU.TXT"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("; created: today\r\n\r\n7\t12,34\t0\t0\t0\t0\t0\t0\tfile\t0\t\r\n");
    file.close();
    recorder.scriptedFileNames = {path};
    ui->loadFromDiskButton->click();
    ASSERT_TRUE(recorder.messages.empty());
    for (int column = NumColumn; column <= ValidDateColumn; ++column)
        tab->table().setCell(column, 2, column == NumColumn ? QStringLiteral("8") : QStringLiteral("0"));
    typeInto(PriceColumn, 2, "0,9");
    ASSERT_EQ(cell(PriceColumn, 2), "0,9");
    // A point typed on a comma desktop is the decimal separator too, shown as a comma once the edit
    // ends (it used to be refused with a beep and its digits kept: 249).
    QLineEdit* editor = typeInto(PriceColumn, 3, "2.49");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(recorder.beeps, 0);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits its text on a queued call
    EXPECT_EQ(cell(PriceColumn, 3), "2,49");
    for (int column = NumColumn; column <= ValidDateColumn; ++column)
        if (column != PriceColumn)
            tab->table().setCell(column, 3, column == NumColumn ? QStringLiteral("9") : QStringLiteral("0"));
    ui->saveToScaleButton->click();
    EXPECT_TRUE(recorder.messages.empty());
    scale.sim().withState([](ScaleState& state) {
        EXPECT_EQ(state.plus[7].price, 1234);
        EXPECT_EQ(state.plus[8].price, 90);
        EXPECT_EQ(state.plus[9].price, 249);
    });
}

// The window keeps the scale's record as scalectl does: Load From SCALE teaches it, "Save changed
// only" goes by it, and a comparison reads the scale again and marks what differs.
TEST_F(PluTabScaleTest, LoadSaveAndCompareKeepTheScalesRecord) {
    theMainWindow->session.recordsDatabase = QString::fromStdString(scale.folder()) + "/records.db";
    theMainWindow->connectOrDisconnect(); // CONNECT: COM1 and the scale's identity name its record
    ASSERT_EQ(theMainWindow->session.scaleIdentity, "SCALE SIM 15KG V1.63");
    ui->toSpin->setValue(10);
    ui->loadFromScaleButton->click();
    ASSERT_EQ(cell(NumColumn, 3), "3");
    ui->changedOnlyAction->setChecked(true);
    auto sentAfter = [this](auto* control) {
        scale.sim().clearLog();
        if constexpr (std::is_same_v<decltype(control), QAction*>)
            control->trigger();
        else
            control->click();
        std::vector<std::pair<int, int>> sent;
        for (const auto& body : scale.sim().requestBodies())
            sent.emplace_back(body[0], body.size() >= 3 ? body[1] << 8 | body[2] : -1);
        return sent;
    };
    using Sent = std::vector<std::pair<int, int>>;
    EXPECT_EQ(sentAfter(ui->saveToScaleButton), (Sent{{0x01, -1}}));

    tab->table().setCell(PriceColumn, 3, "9.99");
    tab->table().setCell(PriceColumn, 2, "2"); // 2.00 as it was
    EXPECT_EQ(sentAfter(ui->saveToScaleButton), (Sent{{0x01, -1}, {0x23, 3}, {0x27, -1}}));
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{});

    // A price changed at the scale's own keypad: the comparison marks it and teaches the record.
    scale.sim().withState([](ScaleState& state) { state.plus[5].price = 555; });
    EXPECT_EQ(sentAfter(ui->compareAction).size(), 1u + 2u + 10u);
    EXPECT_EQ(grid->item(5 - 1, PriceColumn)->background().color(), QColor(255, 200, 0));
    EXPECT_EQ(grid->item(4 - 1, PriceColumn)->background().style(), Qt::NoBrush);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "The marked cells differ from the scale.");
    EXPECT_EQ(sentAfter(ui->saveToScaleButton), (Sent{{0x01, -1}, {0x23, 5}, {0x27, -1}}));
}
} // namespace

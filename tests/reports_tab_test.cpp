// The REPORTS tab and the Z-close window as real widgets against the emulated scale over a pty:
// their controls, REPORT and CLEAR, SAVE TO FILE, and the Z close from CLOSE Z to OK, ending with a
// report of zeros. The sales archive behind them, and the HISTORY window over it.
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "link/FrameLink.h"
#include "reports/BarChart.h"
#include "reports/CloseZDialog.h"
#include "reports/HistoryWindow.h"
#include "reports/ReportText.h"
#include "reports/ReportsTab.h"
#include "reports/SalesHistory.h"
#include "terminal/Keypad.h"
#include "tests/support/ExchangeFailure.h"
#include "tests/support/FormsTest.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/SimHarness.h"
#include "tests/support/SpecialFiles.h"
#include "text/DateTimeText.h"

#include "ui/ProgressDialog.h"

#include "ui_CloseZDialog.h"
#include "ui_MainWindow.h"
#include "ui_ProgressDialog.h"
#include "ui_ReportsTab.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const std::vector<uint8_t> kReadTotals{0x43, 0x08, 0x00, 0xC0};

class ReportsTabTest : public FormsTest {
protected:
    SimHarness scale;
    LocaleGuard english{QLocale(QLocale::English, QLocale::UnitedStates)};
    ReportsTab* tab = nullptr;
    Ui::ReportsTab* ui = nullptr;
    Ui::CloseZDialog* confirm = nullptr;

    void SetUp() override {
        FormsTest::SetUp();
        tab = theMainWindow->reportsTab;
        ui = tab->ui;
        confirm = theCloseZDialog->ui;
        theMainWindow->session.archiveLocation = archive();
        theMainWindow->show();
    }
    QString archive() const { return savePath("archive.db"); }
    std::vector<store::ArchiveEntry> archived() const {
        QString error;
        auto opened = store::SalesArchive::open(archive(), &error);
        auto entries = opened ? opened->entries({}, &error) : std::nullopt;
        EXPECT_TRUE(entries) << error.toStdString();
        return entries ? *entries : std::vector<store::ArchiveEntry>{};
    }
    void connect() {
        ASSERT_TRUE(theLink.open(1, 9600));
        scale.sim().clearLog();
    }
    QString memo() const { return ui->reportMemo->toPlainText(); }
    int32_t grandTotal() {
        int32_t total = 0;
        scale.sim().withState([&total](ScaleState& s) { total = s.report.grandTotal; });
        return total;
    }
    // A Z report read at `local` with the grand total; the test adds the figures it looks at.
    static store::ArchiveEntry zEntry(const QDateTime& local, int64_t grandTotal) {
        store::ArchiveEntry entry;
        entry.readAtLocal = local;
        entry.readAt = local.toUTC();
        entry.kind = store::ReportKind::Z;
        entry.figures.grandTotal = grandTotal;
        return entry;
    }
    void storeEntries(const std::vector<store::ArchiveEntry>& entries) const {
        QString error;
        auto opened = store::SalesArchive::open(archive(), &error);
        ASSERT_TRUE(opened) << error.toStdString();
        for (const store::ArchiveEntry& entry : entries)
            ASSERT_TRUE(opened->store(entry, &error)) << error.toStdString();
    }
    QString savePath(const char* name) const { return QString::fromStdString(scale.folder()) + '/' + name; }
    QByteArray fileBytes(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};

TEST_F(ReportsTabTest, ControlsAreNamedAndPlacedAsDesigned) {
    EXPECT_EQ(tab->parentWidget(), theMainWindow->ui->reportsPage);
    EXPECT_EQ(theMainWindow->findChild<QPlainTextEdit*>(QStringLiteral("reportMemo")), ui->reportMemo);
    EXPECT_TRUE(ui->reportMemo->isReadOnly());
    EXPECT_EQ(ui->reportMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(ui->reportMemo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QStringList captions;
    for (const char* name : {"reportButton", "clearButton", "saveToFileButton", "closeZButton"})
        captions << theMainWindow->findChild<QPushButton*>(QString::fromLatin1(name))->text();
    EXPECT_EQ(captions.join('|'), "REPORT|CLEAR|SAVE TO FILE|CLOSE Z");

    EXPECT_EQ(theCloseZDialog->windowTitle(), "CLOSE Z");
    EXPECT_FALSE(theCloseZDialog->isVisible());
    EXPECT_EQ(theCloseZDialog->windowModality(), Qt::NonModal);
    EXPECT_EQ(confirm->closeZLabel->text(), "CLOSE Z !!");
    EXPECT_EQ(confirm->sureLabel->text(), "SURE ?");
    EXPECT_EQ(confirm->passwordLabel->text(), "PASSWORD");
    EXPECT_TRUE(confirm->closeZLabel->font().bold());
    EXPECT_TRUE(confirm->okButton->font().bold());
    EXPECT_EQ(confirm->okButton->text(), "OK");
    EXPECT_EQ(confirm->passwordSpin->text(), "0");
    EXPECT_EQ(confirm->passwordSpin->minValue(), 0);
    EXPECT_EQ(confirm->passwordSpin->maxValue(), 99999);
    EXPECT_EQ(confirm->passwordSpin->findChild<QLineEdit*>()->maxLength(), 5);
}

TEST_F(ReportsTabTest, DisconnectedButtonsTouchNeitherMemoNorWindow) {
    ui->reportMemo->setPlainText(QStringLiteral("kept"));
    ui->reportButton->click();
    ui->closeZButton->click();
    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{notConnected, notConnected}));
    EXPECT_EQ(memo(), "kept");
    EXPECT_FALSE(theCloseZDialog->isVisible());

    // OK while disconnected sends nothing and keeps the window open.
    theCloseZDialog->show();
    recorder.clear();
    confirm->okButton->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{notConnected});
    EXPECT_TRUE(theCloseZDialog->isVisible());
    EXPECT_TRUE(scale.sim().requestBodies().empty());
}

TEST_F(ReportsTabTest, ReportFillsTheMemoAndSaveWritesItWithCrLf) {
    connect();
    ui->reportButton->click();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(scale.sim().requestBodies().size(), 17u);
    EXPECT_TRUE(theMainWindow->noteLabel->text().startsWith(QStringLiteral("Report read in 0:")))
        << theMainWindow->noteLabel->text().toStdString();
    const QStringList lines = tab->memoLines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines.first().startsWith("----------------------- REPORT "));
    EXPECT_EQ(lines.at(1), "");
    EXPECT_EQ(lines.at(2), "DOC NUM\t\t127");
    EXPECT_EQ(lines.last(), "TOTAL CREDIT\t\t587.17");

    const QString path = savePath("REPORT.TXT");
    recorder.scriptedFileNames << path;
    ui->saveToFileButton->click();
    ASSERT_EQ(recorder.fileRequests.size(), 1u);
    EXPECT_TRUE(recorder.fileRequests[0].save);
    EXPECT_EQ(recorder.fileRequests[0].filter, "Text files|*.TXT");
    EXPECT_EQ(recorder.fileRequests[0].defaultSuffix, "TXT");
    EXPECT_EQ(recorder.fileRequests[0].folder, "");
    EXPECT_EQ(fileBytes(path), QByteArray(memo().toLatin1()).replace("\n", "\r\n") + "\r\n");

    // CLEAR empties the memo; saving it then gives an empty file in place of the report.
    ui->clearButton->click();
    EXPECT_TRUE(memo().isEmpty());
    recorder.scriptedFileNames << path;
    ui->saveToFileButton->click();
    EXPECT_EQ(fileBytes(path), QByteArray());

    // A cancelled dialog does nothing; a file that cannot be created is an I/O error.
    ui->saveToFileButton->click();
    recorder.scriptedFileNames << savePath("missing/REPORT.TXT");
    ui->saveToFileButton->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{ioError});
}

// SAVE TO FILE through the real dialog: its filter, the extension added to a bare name, and an
// existing file replaced without a question.
TEST_F(ReportsTabTest, SaveDialogReplacesAnExistingFileWithoutAsking) {
    const QString path = savePath("DAY.TXT");
    {
        QFile existing(path);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("an older report\r\n");
    }
    ui->reportMemo->setPlainText(QStringLiteral("new"));
    setPrompts(nullptr);
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen << dialog->nameFilters().join('|') << dialog->defaultSuffix();
        // A question before replacing would hold the test in a second modal box: end here instead.
        if (dialog->testOption(QFileDialog::DontConfirmOverwrite)) {
            dialog->selectFile(savePath("DAY"));
            static_cast<QDialog*>(dialog)->accept(); // the file dialog's own checks run
        } else {
            seen << QStringLiteral("asks before replacing");
            dialog->reject();
        }
    });
    ui->saveToFileButton->click();
    setPrompts(&recorder);
    EXPECT_EQ(seen.join(" / "), "Text files (*.TXT) / TXT");
    EXPECT_EQ(fileBytes(path), QByteArray("new\r\n"));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ReportsTabTest, ReportInTheCommaLocale) {
    LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    connect();
    ui->reportButton->click();
    EXPECT_EQ(tab->memoLines().last(), "TOTAL CREDIT\t\t587,17");
}

// REPORT and CLOSE Z keep the progress dialog up, counting, through the report's exchanges, with STOP
// disabled, and hide it once the report is read (before the Z confirmation opens).
TEST_F(ReportsTabTest, ReportReadsShowTheProgressWithoutStop) {
    connect();
    std::vector<bool> visible;
    QObject::connect(&theMainWindow->session, &ScaleSession::statusReceived, [&visible] {
        visible.push_back(theProgressDialog->isVisible() && !theProgressDialog->ui->stopButton->isEnabled());
    });
    for (QPushButton* button : {ui->reportButton, ui->closeZButton}) {
        visible.clear();
        button->click();
        EXPECT_EQ(visible, std::vector<bool>(size_t(reports::kReportExchangeCount), true))
            << button->objectName().toStdString();
        EXPECT_EQ(theProgressDialog->ui->countLabel->text(),
                  QStringLiteral("%1 of %1").arg(reports::kReportExchangeCount));
        EXPECT_FALSE(theProgressDialog->isVisible());
    }
    EXPECT_TRUE(theCloseZDialog->isVisible());
}

// The whole close: the Z report stays on screen, the password goes out, the window hides, and the
// next report shows the cleared totals.
TEST_F(ReportsTabTest, ZCloseClearsTheTotalsThenTheReportShowsZeros) {
    scale.sim().withState([](ScaleState& s) {
        s.password = 4711;
        s.report.taxTotals.fill(0);
    });
    connect();
    ui->closeZButton->click();
    ASSERT_TRUE(theCloseZDialog->isVisible()) << "a report without tax lines is complete too";
    scale.sim().clearLog();
    const QString zReport = memo();
    EXPECT_TRUE(zReport.startsWith("----------------------- Berichte "));
    EXPECT_TRUE(zReport.contains(
        "\n----------------------- Summe BY MwSt\n\n----------------------- TOTALS BY TIME\n"));
    EXPECT_TRUE(zReport.endsWith("\nTOTAL BAR\t\t1761.55\nTOTAL KREDIT\t\t587.17"));

    confirm->passwordSpin->clear();
    QTest::keyClicks(confirm->passwordSpin, QStringLiteral("4711"));
    recorder.waitCursorChanges.clear();
    confirm->okButton->click();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_FALSE(theCloseZDialog->isVisible());
    EXPECT_EQ(recorder.waitCursorChanges, std::vector<bool>{false});
    // The close between two reads of the totals, and nothing else.
    EXPECT_EQ(scale.sim().requestBodies(),
              (std::vector<std::vector<uint8_t>>{kReadTotals, {0x44, 0x00, 0x00, 0x12, 0x67}, kReadTotals}));
    EXPECT_EQ(memo(), zReport) << "the closed totals stay in the memo";

    ui->reportButton->click();
    QStringList lines = tab->memoLines();
    ASSERT_EQ(lines.size(), 4 + 2 + 2 + 4 * 11 + 4);
    EXPECT_EQ(lines.mid(2, 6),
              (QStringList{"DOC NUM\t\t128", "TOTAL\t\t\t0.00", "----------------------- TOTALS BY TAX", "",
                           "----------------------- TOTALS BY TIME", ""}));
    EXPECT_EQ(
        lines.mid(8, 11),
        (QStringList{"----------------------- CLERK 1", "CLIENTS\t\t\t0", "OPERATIONS\t\t0",
                     "TOTAL\t\t\t0.00", "COUNT CANCEL\t\t0", "TOTAL CANCEL\t\t0.00", "COUNT DISCOUNT\t\t0",
                     "TOTAL DISCOUNT\t\t0.00", "CASH\t\t\t0.00", "CREDIT\t\t\t0.00", ""}));
    EXPECT_EQ(lines.mid(lines.size() - 3),
              (QStringList{"TOTAL\t\t\t0.00", "TOTAL CASH\t\t0.00", "TOTAL CREDIT\t\t0.00"}));
}

TEST_F(ReportsTabTest, FailedCloseKeepsTheWindowOpenForAnotherTry) {
    connect();
    ui->closeZButton->click();
    ASSERT_TRUE(theCloseZDialog->isVisible());
    for (int exchange : {1, 2}) { // the read before the close, the close
        SCOPED_TRACE(exchange);
        recorder.messages.clear();
        {
            ExchangeFailure failure(scale.sim(), theLink, exchange);
            confirm->okButton->click();
        }
        EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{communicationError});
        EXPECT_TRUE(theCloseZDialog->isVisible());
        EXPECT_EQ(recorder.waitCursorChanges.back(), false);
        EXPECT_NE(grandTotal(), 0);
    }

    // A typed text below the range goes out pulled into it. The close goes through, but the read
    // after it is lost: whether the day was closed is not known, and nothing is noted.
    confirm->passwordSpin->clear();
    QTest::keyClicks(confirm->passwordSpin, QStringLiteral("-12"));
    scale.sim().clearLog();
    recorder.messages.clear();
    {
        ExchangeFailure failure(scale.sim(), theLink, 3);
        confirm->okButton->click();
    }
    EXPECT_EQ(scale.sim().requestBodies().at(1), (std::vector<uint8_t>{0x44, 0, 0, 0, 0}));
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{communicationError});
    EXPECT_TRUE(theCloseZDialog->isVisible());
    EXPECT_EQ(grandTotal(), 0);
    EXPECT_EQ(archived().at(0).closeAcknowledged, std::nullopt);

    // OK again finds the totals cleared: the day is noted as closed and no second close goes out.
    scale.sim().clearLog();
    recorder.messages.clear();
    confirm->okButton->click();
    EXPECT_EQ(scale.sim().requestBodies(), std::vector<std::vector<uint8_t>>{kReadTotals});
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_FALSE(theCloseZDialog->isVisible());
    EXPECT_EQ(archived().at(0).closeAcknowledged, std::optional<bool>(true));
}

// The confirmation says what OK clears, in the desktop's numbers (Polish groups no four-digit
// number) and the SETTINGS tab's currency; the note row says what became of it; CLOSE Z on a day
// closed today asks first, naming when and which document.
TEST_F(ReportsTabTest, ConfirmationSaysWhatItClearsAndASecondCloseAsksFirst) {
    LocaleGuard polish(QLocale(QLocale::Polish, QLocale::Poland));
    theMainWindow->session.currency = [] { return QString::fromUtf8("Z\xC5\x82 "); };
    QSignalSpy notes(&theMainWindow->session, &ScaleSession::noted);
    scale.sim().withState([](ScaleState& s) { s.password = 4711; });
    connect();
    ui->closeZButton->click();
    ASSERT_TRUE(theCloseZDialog->isVisible());
    EXPECT_EQ(confirm->closeZLabel->text(), "CLOSE Z !!");
    EXPECT_EQ(
        confirm->clearsLabel->text(),
        QString::fromUtf8("This clears the day's totals on the scale: 2348,72 Z\xC5\x82, document 127."));
    EXPECT_TRUE(confirm->clearsLabel->isVisibleTo(theCloseZDialog));
    confirm->passwordSpin->setValue(4711);
    confirm->okButton->click();
    ASSERT_FALSE(theCloseZDialog->isVisible());
    ASSERT_FALSE(notes.isEmpty());
    EXPECT_EQ(notes.last().at(0).toString(),
              QString::fromUtf8("Day closed: 2348,72 Z\xC5\x82, document 127, kept in the archive"));

    const size_t kept = archived().size();
    recorder.scriptedAnswers = {false};
    ui->closeZButton->click();
    ASSERT_EQ(recorder.questions.size(), 1u);
    EXPECT_EQ(recorder.questions[0].title, "CLOSE Z");
    EXPECT_TRUE(recorder.questions[0].text.startsWith("The day was closed today at "));
    EXPECT_TRUE(recorder.questions[0].text.endsWith(
        " (document 127) and nothing has been sold since. Close it again?"))
        << recorder.questions[0].text.toStdString();
    EXPECT_FALSE(theCloseZDialog->isVisible()) << "No is the answer";
    EXPECT_EQ(archived().size(), kept);
    recorder.scriptedAnswers = {true};
    ui->closeZButton->click();
    EXPECT_TRUE(theCloseZDialog->isVisible());
    theCloseZDialog->cancelClose();
}

// A close whose answer the line lost, then CLOSE Z pressed again instead of OK: the reading settles
// the close as done first, so the day keeps its total and a second close is asked about.
TEST_F(ReportsTabTest, UnansweredCloseIsSettledByTheNextCloseZ) {
    ScaleSim& sim = scale.sim();
    sim.withState([](ScaleState& s) { s.password = 4711; });
    connect();
    ui->closeZButton->click();
    ASSERT_TRUE(theCloseZDialog->isVisible());
    sim.onRequest([&sim](const std::vector<uint8_t>& body) {
        if (!body.empty() && body[0] == 0x44)
            sim.injectFault(Fault::Unanswered, 4);
    });
    confirm->passwordSpin->setValue(4711);
    confirm->okButton->click();
    sim.onRequest(nullptr);
    EXPECT_EQ(grandTotal(), 0);
    EXPECT_EQ(archived().at(0).closeAcknowledged, std::nullopt);
    EXPECT_TRUE(theCloseZDialog->isVisible());

    recorder.messages.clear();
    recorder.scriptedAnswers = {false};
    ui->closeZButton->click();
    EXPECT_EQ(recorder.questions.size(), 1u) << "the day was closed today";
    const auto entries = archived();
    ASSERT_EQ(entries.size(), 1u) << "no entry for a close not confirmed";
    EXPECT_EQ(entries[0].closeAcknowledged, std::optional<bool>(true));
    EXPECT_EQ(reports::dailyTotals(entries),
              (std::vector<std::pair<QDate, int64_t>>{{QDate::currentDate(), 234872}}));
    theCloseZDialog->cancelClose();
}

// HISTORY tells a close from a refused or unknown one, and from a reading.
TEST_F(ReportsTabTest, HistorySaysWhatBecameOfEachClose) {
    std::vector<store::ArchiveEntry> entries;
    for (int n = 0; n < 4; ++n) {
        store::ArchiveEntry entry = zEntry(QDateTime(QDate(2026, 3, 2), QTime(19, n)), 100 + n);
        entry.figures.document = 100 + n;
        entry.identity = QStringLiteral("SCALE 1");
        entries.push_back(entry);
    }
    entries[0].kind = store::ReportKind::X;
    entries[1].closeAcknowledged = false;
    entries[3].closeAcknowledged = true;
    storeEntries(entries);
    ui->historyButton->click();
    HistoryWindow* history = tab->historyWindow;
    ASSERT_NE(history, nullptr);
    history->fromEdit->setDate(QDate(2026, 3, 1));
    history->toEdit->setDate(QDate(2026, 3, 3));
    history->loadButton->click();
    QAbstractItemModel* model = history->table->model();
    ASSERT_EQ(model->rowCount(), 4);
    EXPECT_EQ(model->headerData(5, Qt::Horizontal).toString(), "CLOSE");
    QStringList said;
    for (int row = 0; row < 4; ++row)
        said << model->index(row, 5).data().toString();
    EXPECT_EQ(said, (QStringList{"X", "refused", "unknown", "closed"}));
    history->close();
}

// A sale booked at the counter while the confirmation waits is never cleared unread: OK sends no
// close, says why and closes the window; the archive keeps the report's entry without a close.
TEST_F(ReportsTabTest, SaleAfterTheReportStopsTheClose) {
    scale.sim().withState([](ScaleState& s) {
        s.password = 4711;
        s.terminal.weightGrams = 1000;
    });
    connect();
    ui->closeZButton->click();
    ASSERT_TRUE(theCloseZDialog->isVisible());
    for (uint8_t key : {'1', '8', '8', 'S'}) // 1.88 a kilogram, one kilogram, TOT, through TERMINAL
        ASSERT_TRUE(sendKey(theMainWindow->session.line(), key));
    ASSERT_EQ(grandTotal(), 234872 + 188);
    scale.sim().clearLog();
    confirm->passwordSpin->setValue(4711);
    confirm->okButton->click();
    EXPECT_EQ(scale.sim().requestBodies(), std::vector<std::vector<uint8_t>>{kReadTotals}) << "no close";
    EXPECT_EQ(grandTotal(), 234872 + 188);
    EXPECT_FALSE(theCloseZDialog->isVisible());
    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{
                                     {"CLOSE Z", "Sales were made since the report: nothing was closed. "
                                                 "CLOSE Z reads the report again."}}));
    const auto entries = archived();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].figures.grandTotal, 234872);
    EXPECT_EQ(entries[0].closeAcknowledged, std::nullopt);
}

// A scale that acknowledges the close but keeps its day (a wrong password) has not closed it: the
// window stays open for the right password, and only the close read back as done is noted as one.
TEST_F(ReportsTabTest, WrongPasswordKeepsTheWindowOpenAndTheEntryUnclosed) {
    scale.sim().withState([](ScaleState& s) { s.password = 4711; });
    connect();
    ui->closeZButton->click();
    ASSERT_TRUE(theCloseZDialog->isVisible());
    confirm->passwordSpin->setValue(1234);
    confirm->okButton->click();
    EXPECT_TRUE(theCloseZDialog->isVisible());
    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{
                                     {"CLOSE Z", "The scale did not close the day: check the password"}}));
    EXPECT_EQ(grandTotal(), 234872);
    EXPECT_EQ(archived().at(0).closeAcknowledged, std::optional<bool>(false));

    recorder.messages.clear();
    confirm->passwordSpin->setValue(4711);
    confirm->okButton->click();
    EXPECT_FALSE(theCloseZDialog->isVisible());
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(grandTotal(), 0);
    EXPECT_EQ(archived().at(0).closeAcknowledged, std::optional<bool>(true));
}

// The keyboard: the password field has the focus, Enter there is OK, Escape and Cancel send nothing.
TEST_F(ReportsTabTest, ConfirmationByKeyboardCancelAndEscape) {
    scale.sim().withState([](ScaleState& s) { s.password = 4711; });
    connect();
    for (const char* way : {"Cancel", "Escape"}) {
        SCOPED_TRACE(way);
        ui->closeZButton->click();
        ASSERT_TRUE(theCloseZDialog->isVisible());
        EXPECT_EQ(theCloseZDialog->focusWidget(), confirm->passwordSpin);
        scale.sim().clearLog();
        if (std::string(way) == "Cancel")
            confirm->cancelButton->click();
        else
            QTest::keyClick(confirm->passwordSpin, Qt::Key_Escape);
        EXPECT_FALSE(theCloseZDialog->isVisible());
        EXPECT_TRUE(scale.sim().requestBodies().empty());
    }
    QWidget* afterField = confirm->passwordSpin->nextInFocusChain();
    while (confirm->passwordSpin->isAncestorOf(afterField)) // the field's own line edit
        afterField = afterField->nextInFocusChain();
    EXPECT_EQ(afterField, confirm->okButton);
    EXPECT_EQ(confirm->okButton->nextInFocusChain(), confirm->cancelButton);
    ui->closeZButton->click();
    confirm->passwordSpin->clear();
    QTest::keyClicks(confirm->passwordSpin, QStringLiteral("4711"));
    QTest::keyClick(confirm->passwordSpin, Qt::Key_Return);
    EXPECT_FALSE(theCloseZDialog->isVisible());
    EXPECT_EQ(grandTotal(), 0);
}

TEST_F(ReportsTabTest, CloseBoxOnlyHidesTheWindow) {
    connect();
    ui->closeZButton->click();
    ASSERT_TRUE(theCloseZDialog->isVisible());
    scale.sim().clearLog();
    theCloseZDialog->close();
    EXPECT_FALSE(theCloseZDialog->isVisible());
    EXPECT_TRUE(scale.sim().requestBodies().empty());
    EXPECT_TRUE(theMainWindow->isVisible());
}

// An incomplete Z report opens no window; one already open stays open, as the operator left it.
TEST_F(ReportsTabTest, IncompleteZReportOpensNoWindow) {
    connect();
    // A scale that refuses the last read with its status bytes only is a failed exchange too: the
    // earlier reply's bytes must not stand in for the missing totals.
    for (Fault fault : {Fault::Nak, Fault::StatusOnly}) {
        SCOPED_TRACE(faultName(fault));
        recorder.messages.clear();
        {
            ExchangeFailure failure(scale.sim(), theLink, 17, fault);
            ui->closeZButton->click();
        }
        EXPECT_FALSE(theCloseZDialog->isVisible());
        EXPECT_TRUE(memo().endsWith("\nTOTAL BAR\t\t1761.55"));
        EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{communicationError});
    }

    ui->closeZButton->click();
    ASSERT_TRUE(theCloseZDialog->isVisible());
    {
        ExchangeFailure failure(scale.sim(), theLink, 1);
        ui->closeZButton->click();
    }
    EXPECT_TRUE(memo().isEmpty());
    EXPECT_TRUE(theCloseZDialog->isVisible());
}

// The figures are kept before the confirmation can send the close, with the identity and port of
// CONNECT, and the close's outcome follows.
TEST_F(ReportsTabTest, ZReportIsArchivedBeforeTheCloseAndTheCloseNotedAfter) {
    scale.sim().withState([](ScaleState& s) { s.password = 4711; });
    theMainWindow->connectOrDisconnect();
    ASSERT_TRUE(theMainWindow->session.isConnected());
    ui->closeZButton->click();
    ASSERT_TRUE(theCloseZDialog->isVisible());
    std::vector<store::ArchiveEntry> entries = archived();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].kind, store::ReportKind::Z);
    EXPECT_EQ(entries[0].identity, "SCALE SIM 15KG V1.63");
    EXPECT_EQ(entries[0].port, "COM1");
    EXPECT_EQ(entries[0].figures.grandTotal, 234872);
    EXPECT_EQ(entries[0].closeAcknowledged, std::nullopt);

    confirm->passwordSpin->setValue(4711);
    confirm->okButton->click();
    ASSERT_FALSE(theCloseZDialog->isVisible());
    ui->reportButton->click();
    entries = archived();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].closeAcknowledged, std::optional<bool>(true));
    EXPECT_EQ(entries[1].kind, store::ReportKind::X);
    EXPECT_EQ(entries[1].figures.grandTotal, 0);
}

TEST_F(ReportsTabTest, ZReportThatCannotBeArchivedOpensNoConfirmation) {
    theMainWindow->session.archiveLocation = savePath("missing/archive.db");
    connect();
    ui->closeZButton->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{ioError});
    EXPECT_FALSE(theCloseZDialog->isVisible());
    EXPECT_TRUE(memo().endsWith("\nTOTAL KREDIT\t\t587.17")) << "the report stays on screen";
}

// The texts a chart lays out are whole, inside the chart and apart from each other, and each is drawn
// (its rectangle in `image` holds ink).
void expectWholeTextsApart(const BarChart::Layout& laid, const QImage& image, const std::string& what) {
    std::vector<BarChart::Text> texts = laid.categoryLabels;
    texts.insert(texts.end(), laid.tickLabels.begin(), laid.tickLabels.end());
    for (const BarChart::Text* title : {&laid.title, &laid.categoryTitle, &laid.valueTitle})
        if (!title->text.isEmpty())
            texts.push_back(*title);
    const QColor background = image.pixelColor(0, 0);
    for (size_t i = 0; i < texts.size(); ++i) {
        const BarChart::Text& text = texts[i];
        const std::string name = what + " \"" + text.text.toStdString() + "\"";
        EXPECT_FALSE(text.text.contains(QChar(0x2026)) || text.text.contains(QStringLiteral("..."))) << name;
        EXPECT_TRUE(QRectF(image.rect()).contains(text.rect)) << name << " inside the chart";
        int ink = 0;
        const QRect pixels = text.rect.toAlignedRect() & image.rect();
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                ink += image.pixelColor(x, y) != background;
        EXPECT_GT(ink, 0) << name << " drawn";
        for (size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(text.rect.intersects(texts[j].rect))
                << name << " over \"" << texts[j].text.toStdString() << "\"";
    }
}

// The bars as rendered: the height in bar-coloured pixels of the column through each bar's middle.
std::vector<int> barHeights(const BarChart::Layout& laid, const QImage& image) {
    std::vector<int> heights;
    for (const QRectF& bar : laid.bars) {
        const int x = int(bar.center().x());
        int height = 0;
        for (int y = 0; y < image.height(); ++y)
            height += image.pixelColor(x, y) == BarChart::barColor();
        heights.push_back(height);
    }
    return heights;
}

// The runs of bar-coloured pixels along a row: the bars standing there.
int barsAlong(const QImage& image, int y) {
    int runs = 0;
    bool inside = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool bar = image.pixelColor(x, y) == BarChart::barColor();
        runs += bar && !inside;
        inside = bar;
    }
    return runs;
}

QImage rendered(BarChart& chart, QSize size) {
    chart.setFixedSize(size); // below the minimum size too
    QImage image(size, QImage::Format_ARGB32);
    chart.render(&image);
    return image;
}

TEST_F(ReportsTabTest, BarChartsDrawEachBarToScaleUnderWholeLabelsApart) {
    store::ReportFigures figures;
    for (int h = 8; h < 20; ++h)
        figures.hourAmounts[size_t(h)] = 1000 * (h - 7);
    figures.clerks[0].sales = 40000;
    figures.clerks[1].sales = 10000;
    figures.clerks[3].sales = 25000;
    // Names as long as the scale keeps them.
    const QStringList names{QStringLiteral("ANNA NOVAKOVA"), QStringLiteral("BEDRICH KOVAR"), QString(),
                            QStringLiteral("CECILIE DVORAKOV")};
    std::vector<std::pair<QDate, int64_t>> week, year;
    for (int day = 0; day < 7; ++day)
        week.emplace_back(QDate(2026, 10, 22 + day), 10000 * (day + 1));
    for (int day = 0; day < 365; day += 3)
        year.emplace_back(QDate(2026, 1, 1).addDays(day), 5000 + 10 * day);
    struct Case {
        const char* what;
        reports::BarSeries series;
        QSize size;
        size_t labels;  // the labels drawn; 0: some, thinned to fit
        bool countBars; // wide enough to tell the bars apart
    };
    const Case cases[] = {
        {"hours", reports::hourSeries(&figures, QStringLiteral("EUR")), {480, 240}, 12, true},
        {"clerks", reports::clerkSeries(&figures, names, QStringLiteral("EUR")), {380, 260}, 3, true},
        {"few clerks",
         reports::clerkSeries(&figures, {"ANNA", "BEDA", "", "CYRIL"}, {}),
         {300, 220},
         3,
         true},
        {"one day", reports::daySeries({week.front()}, {}), {300, 220}, 1, true},
        {"week", reports::daySeries(week, QStringLiteral("EUR")), {300, 220}, 7, true},
        {"year", reports::daySeries(year, QStringLiteral("EUR")), {380, 260}, 0, false},
    };
    for (const char* locale : {"en_US", "cs_CZ", "hu_HU", "de_DE"}) {
        LocaleGuard regional{QLocale(QString::fromLatin1(locale))};
        for (const Case& c : cases) {
            const std::string what = std::string(locale) + " " + c.what;
            BarChart chart;
            chart.setSeries(c.series);
            const QImage image = rendered(chart, c.size);
            const BarChart::Layout laid = chart.layout(c.size);
            expectWholeTextsApart(laid, image, what);
            ASSERT_EQ(laid.bars.size(), c.series.values.size()) << what;
            if (c.labels)
                EXPECT_EQ(laid.categoryLabels.size(), c.labels) << what;
            else
                EXPECT_GE(laid.categoryLabels.size(), 3u) << what;
            const double top = laid.ticks.back();
            EXPECT_GE(top, *std::max_element(c.series.values.begin(), c.series.values.end())) << what;
            const std::vector<int> heights = barHeights(laid, image);
            if (c.countBars) {
                for (size_t i = 0; i < heights.size(); ++i)
                    EXPECT_NEAR(heights[i], c.series.values[i] / top * laid.plot.height(), 1.5)
                        << what << " bar " << i;
                const auto standing =
                    std::count_if(c.series.values.begin(), c.series.values.end(),
                                  [&](double v) { return v / top * laid.plot.height() >= 3; });
                EXPECT_EQ(barsAlong(image, int(laid.plot.bottom()) - 2), standing) << what;
            } else { // bars too narrow to tell apart: the tallest to scale
                EXPECT_NEAR(*std::max_element(heights.begin(), heights.end()),
                            *std::max_element(c.series.values.begin(), c.series.values.end()) / top *
                                laid.plot.height(),
                            1.5)
                    << what;
            }
        }
    }
    // Without values: the title only, on two lines where one is too wide, and nothing else drawn.
    BarChart empty;
    empty.setSeries(reports::daySeries({}, {}));
    const QImage narrow = rendered(empty, {200, 220});
    const BarChart::Layout twoLines = empty.layout({200, 220});
    EXPECT_EQ(twoLines.title.text.count(QLatin1Char('\n')), 1);
    expectWholeTextsApart(twoLines, narrow, "empty on 200");
    const QImage image = rendered(empty, {300, 220});
    const BarChart::Layout laid = empty.layout({300, 220});
    EXPECT_TRUE(laid.title.text.contains(QStringLiteral("no reports in this period")));
    EXPECT_TRUE(laid.bars.empty());
    expectWholeTextsApart(laid, image, "empty");
    int strayInk = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            strayInk += !laid.title.rect.adjusted(-1, -1, 1, 1).contains(x, y) &&
                        image.pixelColor(x, y) != image.pixelColor(0, 0);
    EXPECT_EQ(strayInk, 0);
}

TEST_F(ReportsTabTest, HistoryShowsTheArchivedDaysDrawsThemAndExportsTheListing) {
    EXPECT_EQ(ui->closeZButton->nextInFocusChain(), ui->historyButton);
    std::vector<store::ArchiveEntry> entries;
    for (int day = 0; day < 3; ++day) {
        store::ArchiveEntry entry =
            zEntry(QDateTime(QDate(2026, 3, 2 + day), QTime(19, 0)), 10000 * (day + 1));
        entry.identity = QStringLiteral("SCALE 1");
        entry.figures.document = 100 + day;
        entry.figures.hourAmounts[9] = 555;
        entry.figures.clerks[0].sales = 7000;
        entry.figures.clerks[2].sales = 3000;
        entries.push_back(entry);
    }
    storeEntries(entries);
    ui->historyButton->click();
    HistoryWindow* history = tab->historyWindow;
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->isVisible());
    EXPECT_EQ(history->archiveEdit->text(), archive());
    EXPECT_EQ(history->table->model()->rowCount(), 3);
    EXPECT_EQ(history->table->currentIndex().row(), 2) << "the newest report is selected";

    const std::vector<double>& days = history->dayChart->series().values;
    ASSERT_EQ(days.size(), 3u) << "a few days are a bar each";
    EXPECT_EQ(days[2], 300.0);
    const std::vector<double>& hours = history->hourChart->series().values;
    ASSERT_EQ(hours.size(), 24u);
    EXPECT_EQ(hours[9], 5.55);
    EXPECT_EQ(history->clerkChart->series().values, (std::vector<double>{70.0, 30.0}))
        << "clerks without sales have no bar";

    history->fromEdit->setDate(QDate(2026, 3, 3));
    history->loadButton->click();
    EXPECT_EQ(history->table->model()->rowCount(), 2);
    const QString exported = savePath("history.csv");
    recorder.scriptedFileNames << exported;
    history->exportButton->click();
    EXPECT_TRUE(recorder.messages.empty());
    const QByteArray csv = fileBytes(exported);
    QString error;
    auto opened = store::SalesArchive::open(archive(), &error);
    ASSERT_TRUE(opened);
    const auto listed = opened->entries({{}, QDate(2026, 3, 3), {}}, &error);
    ASSERT_TRUE(listed);
    EXPECT_EQ(csv, reports::historyCsv(*listed));
    EXPECT_EQ(csv.count('\n'), 3);
    // Into a named pipe the same bytes go, and the pipe stays a pipe.
    const std::string fifo = savePath("history.fifo").toStdString();
    {
        specialfiles::PipeReader reader(fifo);
        ASSERT_TRUE(reader.ready());
        recorder.scriptedFileNames << QString::fromStdString(fifo);
        history->exportButton->click();
        EXPECT_EQ(QByteArray::fromStdString(reader.bytes()), csv);
    }
    EXPECT_EQ(specialfiles::kindOf(fifo), 'p');
    EXPECT_TRUE(recorder.messages.empty());
    history->close();
}

// The day chart's dates are whole in every regional format of the program's languages, as the window
// lays the chart out: seven days as bars under their dates, ten as bars along the calendar (the
// Hungarian "2026. 10. 28." once did not fit).
TEST_F(ReportsTabTest, HistoryDayChartShowsWholeDatesInEveryRegionalFormat) {
    std::vector<store::ArchiveEntry> entries;
    for (int day = 0; day < 10; ++day) {
        entries.push_back(zEntry(QDateTime(QDate(2026, 10, 19 + day), QTime(19, 0)), 10000));
        entries.back().figures.document = 100 + day;
    }
    storeEntries(entries);
    for (const QDate from : {QDate(2026, 10, 22), QDate(2026, 10, 19)}) {
        for (const char* locale : {"en_US", "cs_CZ", "sk_SK", "pl_PL", "hu_HU", "de_DE"}) {
            LocaleGuard regional{QLocale(QString::fromLatin1(locale))};
            delete tab->historyWindow; // a window of its own for each format
            tab->historyWindow = nullptr;
            ui->historyButton->click();
            HistoryWindow* history = tab->historyWindow;
            ASSERT_NE(history, nullptr);
            history->fromEdit->setDate(from);
            history->toEdit->setDate(QDate(2026, 10, 28));
            history->loadButton->click();
            QApplication::processEvents();
            const std::string what = std::string(locale) + " from " + std::to_string(from.day());
            const BarChart::Layout laid = history->dayChart->layout(history->dayChart->size());
            expectWholeTextsApart(laid, history->dayChart->grab().toImage(), what);
            QStringList dates;
            for (const BarChart::Text& label : laid.categoryLabels)
                dates << label.text;
            EXPECT_EQ(dates.size(), from.daysTo(QDate(2026, 10, 28)) + 1)
                << what << ": a date under every bar";
            EXPECT_EQ(dates.value(0), QLocale().toString(from, regionalDayMonthFormat())) << what;
            history->close();
        }
    }
}

// The files this process holds open at `path` (its descriptors in /proc).
int descriptorsOf(const QString& path) {
    int open = 0;
    for (const QFileInfo& fd : QDir(QStringLiteral("/proc/self/fd"))
                                   .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        open += fd.symLinkTarget() == QFileInfo(path).canonicalFilePath();
    return open;
}

// The window holds no connection to the database while it waits. A file dialog of the window that
// lists the database's folder may open and close the file, and closing any descriptor of a file
// drops every lock the process holds on it: a listing run beside it by another program (a nightly
// job) then took the database for unused and removed its live log. Here the dialog lists the folder
// while scalectl lists the archive, and the database stays whole.
TEST_F(ReportsTabTest, HistoryHoldsNoDatabaseOpenWhileAFileDialogListsItsFolder) {
    {
        QString error;
        auto opened = store::SalesArchive::open(archive(), &error);
        ASSERT_TRUE(opened) << error.toStdString();
        store::ArchiveEntry entry;
        entry.readAtLocal = QDateTime(QDate(2026, 3, 2), QTime(19, 0));
        entry.readAt = entry.readAtLocal.toUTC();
        entry.identity = QStringLiteral("SCALE 1");
        entry.kind = store::ReportKind::Z;
        entry.figures.grandTotal = 10000;
        ASSERT_TRUE(opened->store(entry, &error));
    }
    ui->historyButton->click();
    HistoryWindow* history = tab->historyWindow;
    ASSERT_NE(history, nullptr);
    ASSERT_EQ(history->table->model()->rowCount(), 1);
    EXPECT_EQ(descriptorsOf(archive()), 0);

    QFileDialog dialog(history, QString(), QFileInfo(archive()).absolutePath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* listing = dialog.findChild<QFileSystemModel*>();
    ASSERT_NE(listing, nullptr);
    QSignalSpy loaded(listing, &QFileSystemModel::directoryLoaded);
    dialog.show();
    ASSERT_TRUE(loaded.count() > 0 || loaded.wait(10000));
    QCoreApplication::processEvents();
    EXPECT_EQ(descriptorsOf(archive()), 0);

    QProcess scalectl;
    scalectl.start(QStringLiteral(SCALECTL_PATH),
                   {QStringLiteral("--archive"), archive(), QStringLiteral("history")});
    ASSERT_TRUE(scalectl.waitForFinished(60000));
    EXPECT_EQ(scalectl.exitCode(), 0) << scalectl.readAllStandardError().toStdString();
    EXPECT_EQ(scalectl.readAllStandardOutput().count('\n'), 2);
    dialog.close();

    // The window's next report goes in, and the archive reads back whole.
    store::ArchiveEntry next;
    next.readAtLocal = QDateTime(QDate(2026, 3, 3), QTime(19, 0));
    next.readAt = next.readAtLocal.toUTC();
    next.identity = QStringLiteral("SCALE 1");
    QString error;
    ASSERT_TRUE(reports::archiveReport(archive(), next, &error)) << error.toStdString();
    history->loadEntries();
    EXPECT_TRUE(recorder.messages.empty());
    auto opened = store::SalesArchive::open(archive(), &error);
    ASSERT_TRUE(opened) << error.toStdString();
    QSqlQuery check(opened->database().sql());
    ASSERT_TRUE(check.exec(QStringLiteral("PRAGMA integrity_check")) && check.next());
    EXPECT_EQ(check.value(0).toString(), QStringLiteral("ok"));
    EXPECT_EQ(history->table->model()->rowCount(), 2);
    history->close();
}

// A mistyped archive in the window makes no new file and leaves the session's archive (where the
// Z closes go) as it was; an archive that opens becomes the session's.
TEST_F(ReportsTabTest, HistorySwitchesTheArchiveOnlyOnceItHasBeenRead) {
    ui->historyButton->click();
    HistoryWindow* history = tab->historyWindow;
    ASSERT_NE(history, nullptr);
    recorder.messages.clear();
    const QString mistyped = savePath("archve.db");
    history->archiveEdit->setText(mistyped);
    history->loadButton->click();
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_FALSE(QFile::exists(mistyped));
    EXPECT_EQ(theMainWindow->session.archiveLocation, archive());

    const QString other = savePath("other.db");
    {
        QString error;
        ASSERT_TRUE(store::SalesArchive::open(other, &error)) << error.toStdString();
    }
    history->archiveEdit->setText(other);
    history->loadButton->click();
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(theMainWindow->session.archiveLocation, other);
    // The site typed in the window names this PC in the reports archived from now on.
    history->siteEdit->setText(QStringLiteral(" SHOP 12 "));
    EXPECT_EQ(theMainWindow->session.archiveSite, QStringLiteral("SHOP 12"));
    history->close();
}

// What a Czech shop sees right after its first Z: the period typed as the table shows dates, one day
// as one bar, axes titled with the currency, the clerks by name, the export in the spreadsheet
// convention of a comma desktop; a period without reports says so and draws no axis.
TEST_F(ReportsTabTest, HistoryOnACommaDesktopWithOneDayAndWithAnEmptyPeriod) {
    LocaleGuard czech(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    theMainWindow->session.currency = [] { return QString::fromUtf8("K\xC4\x8D"); };
    theMainWindow->session.clerkNames = [] {
        return QStringList{QStringLiteral("ANNA"), QStringLiteral("BEDA")};
    };
    store::ArchiveEntry entry = zEntry(QDateTime(QDate(2026, 12, 8), QTime(14, 0)), 123456);
    entry.figures.hourAmounts[14] = 100000;
    entry.figures.clerks[0].sales = 100000;
    entry.figures.clerks[1].sales = 23456;
    storeEntries({entry});
    ui->historyButton->click();
    HistoryWindow* history = tab->historyWindow;
    ASSERT_NE(history, nullptr);
    QApplication::processEvents();
    EXPECT_LT((history->frameGeometry().center() - theMainWindow->frameGeometry().center()).manhattanLength(),
              4)
        << "centred over the main window";

    // The date typed as the table shows it.
    const QString shown = history->table->model()->index(0, 0).data().toString();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("08.12.2026"))) << shown.toStdString();
    EXPECT_EQ(history->toEdit->date(), QDate(2026, 12, 8)) << "the period starts as the archive's";
    EXPECT_EQ(history->fromEdit->displayFormat(), "dd.MM.yyyy");
    history->fromEdit->setDate(QDate(2026, 1, 1));
    history->fromEdit->setSelectedSection(QDateTimeEdit::DaySection);
    QTest::keyClicks(history->fromEdit, QStringLiteral("08122026"));
    EXPECT_EQ(history->fromEdit->date(), QDate(2026, 12, 8));
    history->loadButton->click();
    ASSERT_EQ(history->table->model()->rowCount(), 1);

    EXPECT_EQ(history->dayChart->series().values, std::vector<double>{1234.56}) << "one day is one bar";
    for (BarChart* chart : {history->dayChart, history->hourChart, history->clerkChart}) {
        const BarChart::Layout laid = chart->layout(chart->size());
        EXPECT_EQ(laid.valueTitle.text, QString::fromUtf8("Sales (K\xC4\x8D)"));
        ASSERT_GE(laid.tickLabels.size(), 2u);
        EXPECT_EQ(laid.tickLabels.back().text, reports::tickLabel(laid.ticks.back(), 0));
        EXPECT_TRUE(laid.tickLabels.back().text.contains(QChar(0xA0))) << "a Czech thousands space";
    }
    EXPECT_EQ(history->clerkChart->series().labels, (QStringList{"ANNA", "BEDA"}));

    const QString exported = savePath("history.csv");
    recorder.scriptedFileNames << exported;
    history->exportButton->click();
    const QByteArray csv = fileBytes(exported);
    EXPECT_TRUE(csv.startsWith("read_at;identity;")) << csv.left(40).toStdString();
    EXPECT_TRUE(csv.contains(";1234,56;")) << "amounts with a decimal comma";
    const QString workbook = savePath("history.xlsx");
    recorder.scriptedFileNames << workbook;
    history->exportWorkbookButton->click();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(fileBytes(workbook).startsWith("PK"));

    history->fromEdit->setDate(QDate(2027, 1, 1));
    history->loadButton->click();
    EXPECT_EQ(history->table->model()->rowCount(), 0);
    for (BarChart* chart : {history->dayChart, history->hourChart, history->clerkChart})
        EXPECT_TRUE(chart->layout(chart->size()).bars.empty()) << "no axis over nothing";
    EXPECT_TRUE(history->dayChart->series().title.contains(QStringLiteral("no reports")));
    history->close();
}

} // namespace

// The REPORTS tab and the Z-close window as real widgets against the emulated scale over a pty:
// their controls, REPORT and CLEAR, SAVE TO FILE, and the Z close from CLOSE Z to OK, ending with a
// report of zeros. The sales archive behind them, and the HISTORY window over it.
#include "app/Forms.h"
#include "app/UNIT1.h"
#include "link/FrameLink.h"
#include "reports/HistoryWindow.h"
#include "reports/ReportText.h"
#include "reports/ReportsTab.h"
#include "reports/SalesHistory.h"
#include "reports/Unit6.h"
#include "tests/support/ExchangeFailure.h"
#include "tests/support/FormsTest.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/SimHarness.h"
#include "tests/support/SpecialFiles.h"

#include "ui_ReportsTab.h"
#include "ui_UNIT1.h"
#include "ui_Unit6.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QLineSeries>
#include <QPieSeries>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class ReportsTabTest : public FormsTest {
protected:
    SimHarness scale;
    LocaleGuard english{QLocale(QLocale::English, QLocale::UnitedStates)};
    ReportsTab* tab = nullptr;
    Ui::ReportsTab* ui = nullptr;
    Ui::TForm6* confirm = nullptr;

    void SetUp() override {
        FormsTest::SetUp();
        tab = Form1->reportsTab;
        ui = tab->ui;
        confirm = Form6->ui;
        Form1->session.archiveLocation = archive();
        Form1->show();
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
    QString memo() const { return ui->Memo3->toPlainText(); }
    QString savePath(const char* name) const { return QString::fromStdString(scale.folder()) + '/' + name; }
    QByteArray fileBytes(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};

TEST_F(ReportsTabTest, ControlsAreNamedAndPlacedAsDesigned) {
    EXPECT_EQ(tab->parentWidget(), Form1->ui->TabSheet3);
    EXPECT_EQ(Form1->findChild<QPlainTextEdit*>(QStringLiteral("Memo3")), ui->Memo3);
    EXPECT_TRUE(ui->Memo3->isReadOnly());
    EXPECT_EQ(ui->Memo3->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(ui->Memo3->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QStringList captions;
    for (const char* name : {"Button18", "Button19", "Button20", "Button31"})
        captions << Form1->findChild<QPushButton*>(QString::fromLatin1(name))->text();
    EXPECT_EQ(captions.join('|'), "REPORT|CLEAR|SAVE TO FILE|CLOSE Z");

    EXPECT_EQ(Form6->windowTitle(), "CLOSE Z");
    EXPECT_FALSE(Form6->isVisible());
    EXPECT_EQ(Form6->windowModality(), Qt::NonModal);
    EXPECT_EQ(confirm->Label1->text(), "CLOSE Z !!");
    EXPECT_EQ(confirm->Label2->text(), "SURE ?");
    EXPECT_EQ(confirm->PASSWORD->text(), "PASSWORD");
    EXPECT_TRUE(confirm->Label1->font().bold());
    EXPECT_TRUE(confirm->Button1->font().bold());
    EXPECT_EQ(confirm->Button1->text(), "OK");
    EXPECT_EQ(confirm->SpinEdit12->text(), "0");
    EXPECT_EQ(confirm->SpinEdit12->minValue(), 0);
    EXPECT_EQ(confirm->SpinEdit12->maxValue(), 99999);
    EXPECT_EQ(confirm->SpinEdit12->findChild<QLineEdit*>()->maxLength(), 5);
}

TEST_F(ReportsTabTest, DisconnectedButtonsTouchNeitherMemoNorWindow) {
    ui->Memo3->setPlainText(QStringLiteral("kept"));
    ui->Button18->click();
    ui->Button31->click();
    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{notConnected, notConnected}));
    EXPECT_EQ(memo(), "kept");
    EXPECT_FALSE(Form6->isVisible());

    // OK while disconnected sends nothing and keeps the window open.
    Form6->show();
    recorder.clear();
    confirm->Button1->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{notConnected});
    EXPECT_TRUE(Form6->isVisible());
    EXPECT_TRUE(scale.sim().requestBodies().empty());
}

TEST_F(ReportsTabTest, ReportFillsTheMemoAndSaveWritesItWithCrLf) {
    connect();
    ui->Button18->click();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(scale.sim().requestBodies().size(), 17u);
    const QStringList lines = tab->memoLines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines.first().startsWith("----------------------- REPORT "));
    EXPECT_EQ(lines.at(1), "");
    EXPECT_EQ(lines.at(2), "DOC NUM\t\t127");
    EXPECT_EQ(lines.last(), "TOTAL CREDIT\t\t587.17");

    const QString path = savePath("REPORT.TXT");
    recorder.scriptedFileNames << path;
    ui->Button20->click();
    ASSERT_EQ(recorder.fileRequests.size(), 1u);
    EXPECT_TRUE(recorder.fileRequests[0].save);
    EXPECT_EQ(recorder.fileRequests[0].filter, "Text files|*.TXT");
    EXPECT_EQ(recorder.fileRequests[0].defaultSuffix, "TXT");
    EXPECT_EQ(recorder.fileRequests[0].folder, "");
    EXPECT_EQ(fileBytes(path), QByteArray(memo().toLatin1()).replace("\n", "\r\n") + "\r\n");

    // CLEAR empties the memo; saving it then gives an empty file in place of the report.
    ui->Button19->click();
    EXPECT_TRUE(memo().isEmpty());
    recorder.scriptedFileNames << path;
    ui->Button20->click();
    EXPECT_EQ(fileBytes(path), QByteArray());

    // A cancelled dialog does nothing; a file that cannot be created is an I/O error.
    ui->Button20->click();
    recorder.scriptedFileNames << savePath("missing/REPORT.TXT");
    ui->Button20->click();
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
    ui->Memo3->setPlainText(QStringLiteral("new"));
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
    ui->Button20->click();
    setPrompts(&recorder);
    EXPECT_EQ(seen.join(" / "), "Text files (*.TXT) / TXT");
    EXPECT_EQ(fileBytes(path), QByteArray("new\r\n"));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(ReportsTabTest, ReportInTheCommaLocale) {
    LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    connect();
    ui->Button18->click();
    EXPECT_EQ(tab->memoLines().last(), "TOTAL CREDIT\t\t587,17");
}

// The whole close: the Z report stays on screen, the password goes out, the window hides, and the
// next report shows the cleared totals.
TEST_F(ReportsTabTest, ZCloseClearsTheTotalsThenTheReportShowsZeros) {
    scale.sim().withState([](ScaleState& s) {
        s.password = 4711;
        s.report.taxTotals.fill(0);
    });
    connect();
    ui->Button31->click();
    ASSERT_TRUE(Form6->isVisible()) << "a report without tax lines is complete too";
    const QString zReport = memo();
    EXPECT_TRUE(zReport.startsWith("----------------------- Berichte "));
    EXPECT_TRUE(zReport.contains(
        "\n----------------------- Summe BY MwSt\n\n----------------------- TOTALS BY TIME\n"));
    EXPECT_TRUE(zReport.endsWith("\nTOTAL BAR\t\t1761.55\nTOTAL KREDIT\t\t587.17"));

    confirm->SpinEdit12->clear();
    QTest::keyClicks(confirm->SpinEdit12, QStringLiteral("4711"));
    recorder.waitCursorChanges.clear();
    confirm->Button1->click();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_FALSE(Form6->isVisible());
    EXPECT_EQ(recorder.waitCursorChanges, std::vector<bool>{false});
    EXPECT_EQ(scale.sim().requestBodies().back(), (std::vector<uint8_t>{0x44, 0x00, 0x00, 0x12, 0x67}));
    EXPECT_EQ(memo(), zReport) << "the closed totals stay in the memo";

    ui->Button18->click();
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
    ui->Button31->click();
    ASSERT_TRUE(Form6->isVisible());
    scale.sim().injectFault(Fault::Nak, 3);
    confirm->Button1->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{communicationError});
    EXPECT_TRUE(Form6->isVisible());
    EXPECT_EQ(recorder.waitCursorChanges.back(), false);

    // A typed text below the range goes out pulled into it.
    confirm->SpinEdit12->clear();
    QTest::keyClicks(confirm->SpinEdit12, QStringLiteral("-12"));
    confirm->Button1->click();
    EXPECT_FALSE(Form6->isVisible());
    EXPECT_EQ(scale.sim().requestBodies().back(), (std::vector<uint8_t>{0x44, 0, 0, 0, 0}));
}

TEST_F(ReportsTabTest, CloseBoxOnlyHidesTheWindow) {
    connect();
    ui->Button31->click();
    ASSERT_TRUE(Form6->isVisible());
    scale.sim().clearLog();
    Form6->close();
    EXPECT_FALSE(Form6->isVisible());
    EXPECT_TRUE(scale.sim().requestBodies().empty());
    EXPECT_TRUE(Form1->isVisible());
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
            ui->Button31->click();
        }
        EXPECT_FALSE(Form6->isVisible());
        EXPECT_TRUE(memo().endsWith("\nTOTAL BAR\t\t1761.55"));
        EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{communicationError});
    }

    ui->Button31->click();
    ASSERT_TRUE(Form6->isVisible());
    {
        ExchangeFailure failure(scale.sim(), theLink, 1);
        ui->Button31->click();
    }
    EXPECT_TRUE(memo().isEmpty());
    EXPECT_TRUE(Form6->isVisible());
}

// The figures are kept before the confirmation can send the close, with the identity and port of
// CONNECT, and the close's outcome follows.
TEST_F(ReportsTabTest, ZReportIsArchivedBeforeTheCloseAndTheCloseNotedAfter) {
    scale.sim().withState([](ScaleState& s) { s.password = 4711; });
    Form1->Button11Click();
    ASSERT_TRUE(Form1->session.isConnected());
    ui->Button31->click();
    ASSERT_TRUE(Form6->isVisible());
    std::vector<store::ArchiveEntry> entries = archived();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].kind, store::ReportKind::Z);
    EXPECT_EQ(entries[0].identity, "SCALE SIM 15KG V1.63");
    EXPECT_EQ(entries[0].port, "COM1");
    EXPECT_EQ(entries[0].figures.grandTotal, 234872);
    EXPECT_EQ(entries[0].closeAcknowledged, std::nullopt);

    confirm->SpinEdit12->setValue(4711);
    confirm->Button1->click();
    ASSERT_FALSE(Form6->isVisible());
    ui->Button18->click();
    entries = archived();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].closeAcknowledged, std::optional<bool>(true));
    EXPECT_EQ(entries[1].kind, store::ReportKind::X);
    EXPECT_EQ(entries[1].figures.grandTotal, 0);
}

TEST_F(ReportsTabTest, ZReportThatCannotBeArchivedOpensNoConfirmation) {
    Form1->session.archiveLocation = savePath("missing/archive.db");
    connect();
    ui->Button31->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{ioError});
    EXPECT_FALSE(Form6->isVisible());
    EXPECT_TRUE(memo().endsWith("\nTOTAL KREDIT\t\t587.17")) << "the report stays on screen";
}

TEST_F(ReportsTabTest, HistoryShowsTheArchivedDaysDrawsThemAndExportsTheListing) {
    EXPECT_EQ(ui->Button31->nextInFocusChain(), ui->HistoryButton);
    {
        QString error;
        auto opened = store::SalesArchive::open(archive(), &error);
        ASSERT_TRUE(opened) << error.toStdString();
        for (int day = 0; day < 3; ++day) {
            store::ArchiveEntry entry;
            entry.readAtLocal = QDateTime(QDate(2026, 3, 2 + day), QTime(19, 0));
            entry.readAt = entry.readAtLocal.toUTC();
            entry.identity = QStringLiteral("SCALE 1");
            entry.kind = store::ReportKind::Z;
            entry.figures.document = 100 + day;
            entry.figures.grandTotal = 10000 * (day + 1);
            entry.figures.hourAmounts[9] = 555;
            entry.figures.clerks[0].sales = 7000;
            entry.figures.clerks[2].sales = 3000;
            ASSERT_TRUE(opened->store(entry, &error));
        }
    }
    ui->HistoryButton->click();
    HistoryWindow* history = tab->historyWindow;
    ASSERT_NE(history, nullptr);
    EXPECT_TRUE(history->isVisible());
    EXPECT_EQ(history->archiveEdit->text(), archive());
    EXPECT_EQ(history->table->model()->rowCount(), 3);
    EXPECT_EQ(history->table->currentIndex().row(), 2) << "the newest report is selected";

    auto* days = qobject_cast<QLineSeries*>(history->dayChart->series().value(0));
    ASSERT_NE(days, nullptr);
    ASSERT_EQ(days->count(), 3);
    EXPECT_EQ(days->at(2).y(), 300.0);
    auto* hours = qobject_cast<QBarSeries*>(history->hourChart->series().value(0));
    ASSERT_NE(hours, nullptr);
    ASSERT_EQ(hours->barSets().size(), 1);
    EXPECT_EQ(hours->barSets()[0]->count(), 24);
    EXPECT_EQ(hours->barSets()[0]->at(9), 5.55);
    auto* clerks = qobject_cast<QPieSeries*>(history->clerkChart->series().value(0));
    ASSERT_NE(clerks, nullptr);
    EXPECT_EQ(clerks->count(), 2) << "clerks without sales have no slice";
    EXPECT_DOUBLE_EQ(clerks->slices()[0]->percentage(), 0.7);

    history->fromEdit->setText(QStringLiteral("2026-03-03"));
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

} // namespace

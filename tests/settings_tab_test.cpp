// The SETTINGS tab as real widgets: its start-up state, DEFAULT, the tax cell check keystroke by
// keystroke, the spin fields, the file buttons, and SEND, LOAD and the clock against the emulated
// scale over a pty.
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "link/FrameLink.h"
#include "logo/LogoWindow.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTab.h"
#include "settings/SettingsTransfer.h"
#include "tests/support/FormsTest.h"
#include "tests/support/GridTyping.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/SimHarness.h"
#include "ui/ProgressDialog.h"
#include "ui/SpinEdit.h"

#include "ui_MainWindow.h"
#include "ui_ProgressDialog.h"

#include "ui_SettingsTab.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <functional>
#include <gtest/gtest.h>

namespace {
struct SettingsTabTest : FormsTest {
    SettingsTab* tab = nullptr;
    Ui::SettingsTab* ui = nullptr;

    void SetUp() override {
        FormsTest::SetUp();
        tab = theMainWindow->settingsTab;
        ui = tab->ui;
        theMainWindow->show();
    }
    // A new main window, as the program starts, in the regional settings of the moment.
    void restart() {
        destroyForms();
        createForms();
        tab = theMainWindow->settingsTab;
        ui = tab->ui;
    }
    static QString cell(QTableWidget* grid, int row) { return grid->item(row, 0)->text(); }
    QLineEdit* typeTax(int row, const QString& text) { return typeIntoCell(ui->taxGrid, row, 0, text); }
};

TEST_F(SettingsTabTest, StartsWithTheFirstItemsHeadingsAndThePcClock) {
    EXPECT_EQ(ui->scaleBaudCombo->currentText(), "1200");
    EXPECT_EQ(ui->clerkModeCombo->currentText(), "All at once");
    EXPECT_EQ(ui->darknessCombo->currentText(), "3");
    EXPECT_EQ(ui->drawerTimeSpin->text(), "50");
    EXPECT_EQ(ui->currencyEdit->text(), QString::fromUtf8("Z\xC5\x82 ")) << "the form file holds the zloty";
    EXPECT_EQ(ui->rateEdit->text(), "4.00");
    EXPECT_TRUE(ui->printTaxBox->isChecked());
    EXPECT_FALSE(ui->printAllReportsBox->isChecked());

    EXPECT_EQ(ui->departmentGrid->rowCount(), 40);
    EXPECT_EQ(ui->departmentGrid->horizontalHeaderItem(0)->text(), "     NAME");
    EXPECT_EQ(ui->departmentGrid->verticalHeaderItem(0)->text(), "0");
    EXPECT_EQ(ui->departmentGrid->verticalHeaderItem(39)->text(), "39");
    EXPECT_EQ(ui->headerGrid->horizontalHeaderItem(0)->text(), "         HEADER");
    EXPECT_EQ(ui->headerGrid->verticalHeaderItem(5)->text(), "6");
    EXPECT_EQ(ui->footerGrid->horizontalHeaderItem(0)->text(), "          FOOTER");
    EXPECT_EQ(ui->footerGrid->rowCount(), 2);
    EXPECT_EQ(ui->departmentGrid->findChild<QLabel*>(QStringLiteral("departmentGridCorner"))->text(), "N");
    EXPECT_EQ(ui->taxGrid->verticalHeaderItem(7)->text(), "H");
    EXPECT_EQ(cell(ui->taxGrid, 0), "0.00");
    EXPECT_EQ(ui->departmentGrid->columnWidth(0), 175);
    EXPECT_EQ(ui->headerGrid->rowHeight(0), 20);

    EXPECT_EQ(ui->clockEdit->text(), clockDisplayText(tab->heldTime));
    EXPECT_EQ(tab->heldTime.year, QDate::currentDate().year());
}
// Every control's caption and unit label, the spin fields' ranges, the button captions, the clock's
// mask of optional digits and the print options in one column, top to bottom.
TEST_F(SettingsTabTest, TabLeavesEveryGrid) {
    QApplication::setActiveWindow(theMainWindow);
    for (QTableWidget* grid : tab->findChildren<QTableWidget*>()) {
        grid->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), grid);
        QTest::keyClick(grid, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), grid) << grid->objectName().toStdString();
    }
}

TEST_F(SettingsTabTest, ControlsHaveTheirCaptionsUnitsRangesAndPlaces) {
    auto label = [this](const char* name) {
        auto* found = tab->findChild<QLabel*>(QString::fromLatin1(name));
        return found ? found->text() : QStringLiteral("(none)");
    };
    struct Caption {
        const char* control;
        const char* caption;
        const char* unit;
    };
    for (const Caption& c :
         {Caption{"scaleBaudCombo", "RS Baud rate", nullptr}, Caption{"autoOffSpin", "Auto OFF Time", "min"},
          Caption{"lanNumberSpin", "LAN Number", nullptr}, Caption{"discountSpin", "Discount", "%"},
          Caption{"singleBarcodeEdit", "Single Item BAR", nullptr},
          Caption{"totalBarcodeEdit", "Total BAR", nullptr},
          Caption{"drawerTimeSpin", "Drawer Open time", "ms"},
          Caption{"darknessCombo", "Printer Darkness", nullptr}, Caption{"currencyEdit", "Currency", nullptr},
          Caption{"rateEdit", "RATE", nullptr}, Caption{"clerkModeCombo", "Clerk Mode", nullptr},
          Caption{"clerk1Edit", "CLERK 1", nullptr}, Caption{"clerk2Edit", "CLERK 2", nullptr},
          Caption{"clerk3Edit", "CLERK 3", nullptr}, Caption{"clerk4Edit", "CLERK 4", nullptr},
          Caption{"taxGrid", "Taxes", nullptr}, Caption{"headerGrid", "HEADER / FOOTER MESSAGE", nullptr},
          Caption{"departmentGrid", "DEPARTMENT NAMES", nullptr},
          Caption{"clockEdit", "Real Time Clock", nullptr}}) {
        SCOPED_TRACE(c.control);
        EXPECT_EQ(label((std::string(c.control) + "Caption").c_str()), c.caption);
        EXPECT_EQ(label((std::string(c.control) + "Unit").c_str()), c.unit ? c.unit : "(none)");
    }
    struct Range {
        SpinEdit* field;
        int low, high;
    };
    for (const Range& r : {Range{ui->autoOffSpin, 0, 240}, Range{ui->lanNumberSpin, 0, 99},
                           Range{ui->discountSpin, 0, 99}, Range{ui->drawerTimeSpin, 1, 99}}) {
        EXPECT_EQ(r.field->minimum(), r.low) << r.field->objectName().toStdString();
        EXPECT_EQ(r.field->maximum(), r.high) << r.field->objectName().toStdString();
    }
    QStringList buttons;
    for (QPushButton* b : {ui->loadFromDiskButton, ui->saveToDiskButton, ui->loadFromScaleButton,
                           ui->sendToScaleButton, ui->defaultButton, ui->clockFromPcButton,
                           ui->clockFromScaleButton, ui->clockToScaleButton, ui->logoButton})
        buttons << b->text();
    EXPECT_EQ(buttons.join('|'), "LOAD FROM DISK|SAVE TO DISK|LOAD FROM SCALE|SEND TO SCALE|DEFAULT|From PC|"
                                 "From SCALE|To SCALE|GRAPHICAL LOGO");

    EXPECT_EQ(ui->clockEdit->inputMask(), "00-00-00 00:00:00;_");
    QCheckBox* above = nullptr;
    for (QCheckBox* box : {ui->printReceiptBox, ui->printDuplicateBox, ui->printLogoBox,
                           ui->printSingleBarcodeBox, ui->printTotalBarcodeBox, ui->obligatoryPaidBox,
                           ui->discountBox, ui->printPluCodeBox, ui->printAllReportsBox, ui->printTaxBox}) {
        if (above) {
            EXPECT_EQ(box->x(), above->x()) << box->objectName().toStdString();
            EXPECT_GE(box->y(), above->geometry().bottom()) << box->objectName().toStdString();
        }
        EXPECT_LT(box->geometry().bottom(), ui->loadFromDiskButton->y());
        above = box;
    }
}

TEST_F(SettingsTabTest, DefaultWritesTheFactoryValuesAndLeavesClerkModeTaxesAndClockAlone) {
    ui->clerkModeCombo->setCurrentIndex(4);
    ui->taxGrid->item(2, 0)->setText(QStringLiteral("7.5"));
    ui->clockEdit->setText(QStringLiteral("01-02-03 04:05:06"));
    ui->printDuplicateBox->setChecked(true);
    ui->autoOffSpin->setValue(100);
    ui->defaultButton->click();

    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(ui->clerkModeCombo->currentIndex(), 4);
    EXPECT_EQ(cell(ui->taxGrid, 2), "7.5");
    EXPECT_EQ(ui->clockEdit->text(), "01-02-03 04:05:06");
    EXPECT_FALSE(ui->printDuplicateBox->isChecked());
    EXPECT_EQ(ui->autoOffSpin->text(), "0");
    EXPECT_EQ(ui->scaleBaudCombo->currentText(), "115200");
    EXPECT_EQ(ui->currencyEdit->text(), QString::fromUtf8("Z\xC5\x82 "));
    EXPECT_EQ(cell(ui->headerGrid, 0), "~7HEADER MESSAGE");
    EXPECT_EQ(cell(ui->footerGrid, 1), "12345678901234567890123456789012");
    EXPECT_EQ(cell(ui->departmentGrid, 0), "GROUP 0");
    EXPECT_EQ(cell(ui->departmentGrid, 39), "GROUP 39");
}

TEST_F(SettingsTabTest, TaxCellRefusalPutsBackTheTextItHadWhenSelected) {
    QLineEdit* editor = typeTax(0, "55");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(cell(ui->taxGrid, 0), "55");
    EXPECT_EQ(recorder.beeps, 0);
    QTest::keyClicks(editor, "5"); // 555: the whole edit goes
    EXPECT_EQ(cell(ui->taxGrid, 0), "0.00");
    EXPECT_EQ(editor->text(), "0.00");
    EXPECT_EQ(recorder.beeps, 1);

    editor->selectAll();
    QTest::keyClicks(editor, "99.99");
    EXPECT_EQ(cell(ui->taxGrid, 0), "99.99");
    QTest::keyClicks(editor, "1");
    EXPECT_EQ(cell(ui->taxGrid, 0), "0.00"); // not the 99.99 that passed
    EXPECT_EQ(recorder.beeps, 2);

    editor = typeTax(1, "-");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(cell(ui->taxGrid, 1), "0.00");
    EXPECT_EQ(recorder.beeps, 3);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace); // emptied: accepted
    EXPECT_EQ(cell(ui->taxGrid, 1), "");
    QTest::keyClicks(editor, "-");
    EXPECT_EQ(recorder.beeps, 4);
    EXPECT_EQ(cell(ui->taxGrid, 1), "0.00");
}

// The PLU grid and the tax grid each put back a text of their own cell, taken when its editor
// opened; coming back to a grid's current cell selects nothing anew.
TEST_F(SettingsTabTest, EachGridPutsBackItsOwnCellsText) {
    auto* plus = theMainWindow->findChild<QTableWidget*>(QStringLiteral("pluGrid"));
    ASSERT_NE(plus, nullptr);
    plus->setItem(0, 1, new QTableWidgetItem(QStringLiteral("2.50")));
    plus->setCurrentCell(0, 1);
    ui->taxGrid->item(0, 0)->setText(QStringLiteral("7.5"));
    ui->taxGrid->setCurrentCell(0, 0);
    QLineEdit* price = typeIntoCell(plus, 0, 1, "x");
    ASSERT_NE(price, nullptr);
    EXPECT_EQ(plus->item(0, 1)->text(), "2.50");
    QTest::keyClicks(price, "5"); // accepted: a price of 2.505
    QLineEdit* tax = typeTax(0, "x");
    ASSERT_NE(tax, nullptr);
    EXPECT_EQ(cell(ui->taxGrid, 0), "7.5");
    EXPECT_EQ(tax->text(), "7.5");
    EXPECT_EQ(recorder.beeps, 2);
}

TEST_F(SettingsTabTest, TaxRatesFollowTheRegionalSeparator) {
    LocaleGuard comma(QLocale(QLocale::Polish, QLocale::Poland));
    restart();
    EXPECT_EQ(cell(ui->taxGrid, 4), "0,00");
    QLineEdit* editor = typeTax(4, "7,5");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(cell(ui->taxGrid, 4), "7,5");
    QTest::keyClicks(editor, ".");
    EXPECT_EQ(cell(ui->taxGrid, 4), "0,00");
    EXPECT_EQ(recorder.beeps, 1);

    // A point is a decimal separator too, and shows as the comma once the edit ends.
    editor = typeTax(5, "7.5");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(recorder.beeps, 1);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits its text on a queued call
    EXPECT_EQ(cell(ui->taxGrid, 5), "7,5");
    EXPECT_EQ(tab->settings().taxes[5], "7,5");
    ui->rateEdit->clear();
    QTest::keyClicks(ui->rateEdit, "2.5");
    QTest::keyClick(ui->rateEdit, Qt::Key_Return);
    EXPECT_EQ(ui->rateEdit->text(), "2,5");
}

TEST_F(SettingsTabTest, LengthLimitsStopTypingButNotTheProgramsOwnTexts) {
    ui->currencyEdit->clear();
    QTest::keyClicks(ui->currencyEdit, "EURO");
    EXPECT_EQ(ui->currencyEdit->text(), "EUR");
    ui->clerk1Edit->clear();
    QTest::keyClicks(ui->clerk1Edit, QString(20, QChar('n')));
    EXPECT_EQ(ui->clerk1Edit->text(), QString(16, QChar('n')));

    Settings s = tab->settings();
    s.rate = QStringLiteral("123.45");
    s.clerks[1] = QString(40, QChar('c'));
    tab->setSettings(s);
    EXPECT_EQ(ui->rateEdit->text(), "123.45");
    EXPECT_EQ(ui->clerk2Edit->text(), QString(40, QChar('c')));
    // Over its limit, a field refuses insertions and takes deletions.
    for (QLineEdit* field : {ui->rateEdit, ui->clerk2Edit}) {
        const QString loaded = field->text();
        field->setFocus();
        field->end(false);
        QTest::keyClicks(field, "9");
        EXPECT_EQ(field->text(), loaded);
        QTest::keyClick(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text(), loaded.chopped(1));
    }
    // DEFAULT leaves a typed clerk mode as it is.
    ui->clerkModeCombo->setFocus();
    ui->clerkModeCombo->lineEdit()->selectAll();
    QTest::keyClicks(ui->clerkModeCombo, "xyz");
    ui->defaultButton->click();
    EXPECT_EQ(ui->clerkModeCombo->currentText(), "xyz");
}

TEST_F(SettingsTabTest, SpinFieldsPullWhatIsTypedIntoTheirRange) {
    ui->autoOffSpin->setFocus();
    ui->autoOffSpin->selectAll();
    QTest::keyClicks(ui->autoOffSpin, "300");
    QTest::keyClick(ui->autoOffSpin, Qt::Key_Return);
    EXPECT_EQ(ui->autoOffSpin->text(), "240");
    ui->drawerTimeSpin->setFocus();
    ui->drawerTimeSpin->selectAll();
    QTest::keyClick(ui->drawerTimeSpin, Qt::Key_Backspace);
    EXPECT_EQ(ui->drawerTimeSpin->text(), "");
    EXPECT_EQ(tab->settings().drawerTime, 1);
    EXPECT_EQ(tab->settings().autoOffMinutes, 240);
}

TEST_F(SettingsTabTest, FileButtonsSaveAndLoadTheControls) {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("s.TXT"));
    ui->defaultButton->click();
    ui->taxGrid->item(3, 0)->setText(QStringLiteral("7.5"));
    recorder.scriptedFileNames << path;
    ui->saveToDiskButton->click();
    ASSERT_TRUE(recorder.messages.empty());
    EXPECT_EQ(recorder.fileRequests.at(0).filter, "Text files|*.TXT");
    EXPECT_EQ(recorder.fileRequests.at(0).defaultSuffix, "TXT");

    Settings saved = tab->settings();
    ui->defaultButton->click();
    ui->departmentGrid->item(0, 0)->setText(QStringLiteral("changed"));
    ui->taxGrid->item(3, 0)->setText(QString());
    ui->rateEdit->setText(QStringLiteral("9.99"));
    recorder.scriptedFileNames << folder.filePath(QStringLiteral("other.TXT"));
    ui->saveToDiskButton->click(); // an empty tax cell
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{ioError});
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("other.TXT"))));

    recorder.clear();
    recorder.scriptedFileNames << path;
    ui->loadFromDiskButton->click();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(ui->rateEdit->text(), "9.99"); // the rate is not in the file
    EXPECT_EQ(settingsFileBytes(tab->settings())->toStdString(), settingsFileBytes(saved)->toStdString());
    EXPECT_EQ(cell(ui->taxGrid, 0), "0"); // 0.00 saved as hundredths
    EXPECT_EQ(cell(ui->taxGrid, 3), "7.5");
    EXPECT_EQ(cell(ui->departmentGrid, 0), "GROUP 0");

    QFile bad(folder.filePath(QStringLiteral("bad.TXT")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    // 80 lines, a bad number on line 13: the lines before it are taken.
    const QList<QByteArray> savedLines = settingsFileBytes(saved)->split('\n');
    bad.write("4\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\nA\r\nB\r\n2400\r\nabc\r\n" +
              savedLines.mid(13).join('\n'));
    bad.close();
    recorder.scriptedFileNames << bad.fileName();
    ui->loadFromDiskButton->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{ioError});
    EXPECT_EQ(ui->clerkModeCombo->currentText(), "Label-2");
    EXPECT_EQ(ui->scaleBaudCombo->currentText(), "2400");
    EXPECT_FALSE(ui->printReceiptBox->isChecked());
    EXPECT_EQ(cell(ui->departmentGrid, 0), "GROUP 0"); // after the bad line: as it was

    // A file cut short is refused whole, with its count of lines: nothing of it is taken.
    QFile cut(folder.filePath(QStringLiteral("cut.TXT")));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(savedLines.mid(0, 40).join('\n') + '\n');
    cut.close();
    recorder.clear();
    recorder.scriptedFileNames << cut.fileName();
    ui->loadFromDiskButton->click();
    EXPECT_EQ(recorder.messages,
              (std::vector<RecordedPrompt>{
                  {QStringLiteral("ERROR!"),
                   QStringLiteral("error in input file: 40 lines, a settings file has 80")}}));
    EXPECT_EQ(ui->clerkModeCombo->currentText(), "Label-2");
    EXPECT_EQ(cell(ui->taxGrid, 3), "7.5");

    // A file without a valid clerk mode leaves the box without an item and without a typed text.
    ui->clerkModeCombo->setFocus();
    ui->clerkModeCombo->lineEdit()->selectAll();
    QTest::keyClicks(ui->clerkModeCombo, "xyz");
    ASSERT_EQ(ui->clerkModeCombo->currentIndex(), -1);
    std::optional<QByteArray> bytes = settingsFileBytes(saved);
    bytes->replace(0, 1, "9");
    QFile noMode(folder.filePath(QStringLiteral("nomode.TXT")));
    ASSERT_TRUE(noMode.open(QIODevice::WriteOnly));
    noMode.write(*bytes);
    noMode.close();
    recorder.scriptedFileNames << noMode.fileName();
    ui->loadFromDiskButton->click();
    EXPECT_EQ(ui->clerkModeCombo->currentIndex(), -1);
    EXPECT_EQ(ui->clerkModeCombo->currentText(), "");
}

// With the program's own dialogs: SAVE TO DISK replaces a file it is pointed at without a question.
TEST(SettingsSaveDialog, ReplacesAnExistingFileWithoutAsking) {
    bool asksFirst = true;
    bool shown = false;
    QTimer::singleShot(0, [&asksFirst, &shown] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        shown = true;
        asksFirst = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->reject();
    });
    EXPECT_EQ(prompts().saveFileName(QStringLiteral("Text files|*.TXT"), QStringLiteral("TXT"), QString()),
              "");
    EXPECT_TRUE(shown);
    EXPECT_FALSE(asksFirst);
}

struct SettingsTabScaleTest : SettingsTabTest {
    SimHarness scale;
    void connect() { ASSERT_TRUE(theLink.open(1, 115200)); }
    std::vector<uint8_t> commandCodes() {
        std::vector<uint8_t> codes;
        for (const std::vector<uint8_t>& body : scale.sim().requestBodies())
            codes.push_back(body.at(0));
        return codes;
    }
};

TEST_F(SettingsTabScaleTest, ScaleButtonsNeedAConnection) {
    for (QPushButton* button : {ui->sendToScaleButton, ui->loadFromScaleButton, ui->clockFromScaleButton,
                                ui->clockToScaleButton, ui->logoButton}) {
        recorder.clear();
        button->click();
        EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{notConnected})
            << button->objectName().toStdString();
    }
    EXPECT_FALSE(theLogoWindow->isVisible());
    EXPECT_TRUE(scale.sim().requestBodies().empty());
    connect();
    ui->logoButton->click();
    EXPECT_TRUE(theLogoWindow->isVisible());
}

TEST_F(SettingsTabScaleTest, AFailedExchangeIsReportedOnceAndTheCursorComesBack) {
    connect();
    ui->defaultButton->click();
    scale.sim().injectFault(Fault::Nak, 3);
    ui->loadFromScaleButton->click(); // the first request fails: nothing changes
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>({{"Error!", "Communication Error!"}}));
    EXPECT_EQ(recorder.waitCursorChanges, std::vector<bool>({true, false}));
    EXPECT_EQ(cell(ui->departmentGrid, 0), "GROUP 0");
    EXPECT_EQ(ui->scaleBaudCombo->currentText(), "115200");

    // The 21st department fails: the message appears over the values already read.
    recorder.clear();
    int exchanges = 0;
    QObject::connect(&theMainWindow->session, &ScaleSession::statusReceived, [this, &exchanges] {
        if (++exchanges == 1 + 4 + 8 + 20)
            scale.sim().injectFault(Fault::Nak, 3);
    });
    QStringList departmentsAtMessage;
    recorder.atMessage = [&] {
        departmentsAtMessage << cell(ui->departmentGrid, 19) << cell(ui->departmentGrid, 20);
    };
    ui->loadFromScaleButton->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>({{"Error!", "Communication Error!"}}));
    EXPECT_EQ(departmentsAtMessage, QStringList({"DEPT 20", "GROUP 20"}));
    EXPECT_EQ(ui->scaleBaudCombo->currentText(), "9600");
    EXPECT_EQ(cell(ui->departmentGrid, 20), "GROUP 20");
    EXPECT_TRUE(theMainWindow->noteLabel->text().isEmpty()) << "a failed read is no read";

    recorder.clear();
    ui->loadFromScaleButton->click();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(theMainWindow->noteLabel->text().startsWith(QStringLiteral("Settings read in 0:")))
        << theMainWindow->noteLabel->text().toStdString();
}

// LOAD and SEND keep the progress dialog up through all their exchanges, counted, with STOP disabled
// (a settings record half sent is worse than the wait), and hide it afterwards, a failure included.
TEST_F(SettingsTabScaleTest, TransfersShowTheProgressWithoutStop) {
    connect();
    ui->defaultButton->click();
    struct Seen {
        bool visible;
        bool stoppable;
    };
    std::vector<Seen> seen;
    QObject::connect(&theMainWindow->session, &ScaleSession::statusReceived, [&seen] {
        seen.push_back({theProgressDialog->isVisible(), theProgressDialog->ui->stopButton->isEnabled()});
    });
    for (QPushButton* button : {ui->loadFromScaleButton, ui->sendToScaleButton}) {
        seen.clear();
        button->click();
        ASSERT_EQ(seen.size(), size_t(kSettingsExchangeCount)) << button->objectName().toStdString();
        EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](Seen s) { return s.visible && !s.stoppable; }));
        EXPECT_EQ(theProgressDialog->ui->countLabel->text(),
                  QStringLiteral("%1 of %1").arg(kSettingsExchangeCount));
        EXPECT_EQ(theProgressDialog->ui->progressBar->maximum(), kSettingsExchangeCount);
        EXPECT_FALSE(theProgressDialog->isVisible());
    }
    scale.sim().injectFault(Fault::Nak, 3);
    ui->loadFromScaleButton->click();
    EXPECT_FALSE(theProgressDialog->isVisible());
    // The PLU transfers that follow still have their STOP.
    theProgressDialog->begin(10);
    EXPECT_TRUE(theProgressDialog->ui->stopButton->isEnabled());
    theProgressDialog->finish();
}

TEST_F(SettingsTabScaleTest, SendShowsEurAgainAndAnEmptyTaxCellStopsBeforeTheTaxes) {
    connect();
    ui->currencyEdit->setText(QStringLiteral("EUR"));
    ui->taxGrid->item(5, 0)->setText(QString());
    scale.sim().clearLog();
    // The closing step comes before the message: the message shows over the normal cursor.
    std::vector<bool> cursorAtMessage;
    QString currencyAtMessage;
    recorder.atMessage = [&] {
        cursorAtMessage = recorder.waitCursorChanges;
        currencyAtMessage = ui->currencyEdit->text();
    };
    ui->sendToScaleButton->click();
    EXPECT_EQ(recorder.messages,
              std::vector<RecordedPrompt>({{applicationTitle(), "'' is not a valid floating point value"}}));
    EXPECT_EQ(cursorAtMessage, std::vector<bool>({true, false}));
    EXPECT_EQ(currencyAtMessage, "EUR");
    EXPECT_EQ(recorder.waitCursorChanges, std::vector<bool>({true, false}));
    EXPECT_EQ(ui->currencyEdit->text(), "EUR");
    std::vector<uint8_t> codes = commandCodes();
    ASSERT_EQ(codes.size(), 53u);
    EXPECT_EQ(codes.back(), 0x26);
    ScaleState state;
    scale.sim().withState([&state](ScaleState& s) { state = s; });
    EXPECT_EQ(state.settings[46], 0x80);
    EXPECT_EQ(state.settings[47], 0x00);

    recorder.clear();
    scale.sim().clearLog();
    ui->scaleBaudCombo->setEditText(QStringLiteral("abc"));
    ui->currencyEdit->setText(euroSign());
    ui->sendToScaleButton->click();
    EXPECT_EQ(recorder.messages,
              std::vector<RecordedPrompt>({{applicationTitle(), "'abc' is not a valid integer value"}}));
    EXPECT_TRUE(scale.sim().requestBodies().empty());
    EXPECT_EQ(ui->currencyEdit->text(), "EUR"); // a lone euro sign shows as EUR after any SEND
}

// Settings that did not come from this scale in this connection (the defaults at start, DEFAULT, a
// file, an earlier connection's) replace the shop's own only when the operator says so.
TEST_F(SettingsTabScaleTest, SendAsksBeforeReplacingWhatWasNotReadFromThisScale) {
    theMainWindow->connectOrDisconnect(); // CONNECT
    ASSERT_TRUE(theMainWindow->session.isConnected());
    scale.sim().clearLog();
    recorder.scriptedAnswers = {false};
    ui->sendToScaleButton->click();
    ASSERT_EQ(recorder.questions.size(), 1u);
    EXPECT_EQ(recorder.questions[0].title, "SEND TO SCALE");
    for (const char* named : {"header and footer", "department names", "taxes", "clerk names"})
        EXPECT_TRUE(recorder.questions[0].text.contains(QLatin1String(named))) << named;
    EXPECT_TRUE(scale.sim().requestBodies().empty()) << "No sends nothing";

    recorder.clear();
    ui->loadFromScaleButton->click();
    scale.sim().clearLog();
    ui->sendToScaleButton->click();
    EXPECT_TRUE(recorder.questions.empty()) << "read from this scale in this connection";
    EXPECT_EQ(commandCodes().size(), size_t(kSettingsExchangeCount));

    ui->defaultButton->click();
    recorder.scriptedAnswers = {false};
    ui->sendToScaleButton->click();
    EXPECT_EQ(recorder.questions.size(), 1u) << "DEFAULT";

    ui->loadFromScaleButton->click();
    theMainWindow->connectOrDisconnect(); // DISCONNECT
    theMainWindow->connectOrDisconnect(); // CONNECT
    recorder.clear();
    recorder.scriptedAnswers = {false};
    scale.sim().clearLog();
    ui->sendToScaleButton->click();
    EXPECT_EQ(recorder.questions.size(), 1u) << "read in an earlier connection";
    EXPECT_TRUE(scale.sim().requestBodies().empty());
}

// The scale's port lost in the middle of SEND: said once, the window shows itself disconnected and
// the note says what the scale holds now; CONNECT opens the port again once the scale is back.
TEST_F(SettingsTabScaleTest, PortLostDuringSendIsSaidOnceAndDisconnects) {
    Ui::MainWindow* bar = theMainWindow->ui;
    theMainWindow->connectOrDisconnect();
    ui->loadFromScaleButton->click();
    int exchanges = 0;
    QObject::connect(&theMainWindow->session, &ScaleSession::statusReceived, [this, &exchanges] {
        if (++exchanges == 16)
            scale.sim().injectFault(Fault::Vanish, 1);
    });
    recorder.clear();
    ui->sendToScaleButton->click();
    EXPECT_EQ(recorder.messages,
              std::vector<RecordedPrompt>(
                  {{"Error!", "The scale's port was lost: check the cable, then CONNECT"}}));
    EXPECT_EQ(theMainWindow->noteLabel->text(),
              "Settings send stopped at 17 of 54: the scale holds part of the "
              "new settings; send them again");
    EXPECT_EQ(bar->connectButton->text(), "CONNECT");
    EXPECT_EQ(bar->connectionLight->brushColor(), QColor(0, 128, 0));
    EXPECT_FALSE(bar->statusLabel->text().startsWith("STATUS:")) << bar->statusLabel->text().toStdString();
    EXPECT_FALSE(theMainWindow->session.isConnected());
    recorder.clear();
    ui->loadFromScaleButton->click();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{notConnected});

    SimHarness back; // the scale back on its port
    recorder.clear();
    theMainWindow->connectOrDisconnect();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(theMainWindow->session.isConnected());
    EXPECT_EQ(bar->connectButton->text(), "DISCONNECT");
}

TEST_F(SettingsTabScaleTest, LoadWritesTheScalesSettingsIntoTheControls) {
    ui->defaultButton->click();
    ui->taxGrid->item(0, 0)->setText(QStringLiteral("1"));
    Settings sent = tab->settings();
    connect();
    ui->sendToScaleButton->click();
    ASSERT_TRUE(recorder.messages.empty());

    restart();
    recorder.clear();
    ui->loadFromScaleButton->click();
    ASSERT_TRUE(recorder.messages.empty());
    EXPECT_EQ(recorder.waitCursorChanges, std::vector<bool>({true, false}));
    sent.currency = QString::fromUtf8("Z\xC5\x82 ");
    sent.rate = QStringLiteral("4");
    sent.taxes = {"1", "0", "0", "0", "0", "0", "0", "0"};
    EXPECT_EQ(tab->settings(), sent);

    // A scale without a valid clerk mode: no item and no text, a typed text included.
    scale.sim().withState([](ScaleState& s) { s.settings[0] = 7; });
    ui->clerkModeCombo->setFocus();
    ui->clerkModeCombo->lineEdit()->selectAll();
    QTest::keyClicks(ui->clerkModeCombo, "xyz");
    ui->loadFromScaleButton->click();
    EXPECT_EQ(ui->clerkModeCombo->currentIndex(), -1);
    EXPECT_EQ(ui->clerkModeCombo->currentText(), "");
}

// Also run under a real generated comma locale (LC_ALL). The rate starts, and DEFAULT writes it, in
// the regional notation, so the first SEND of a comma locale goes through; typed rates go out as
// their hundredths.
TEST_F(SettingsTabScaleTest, CommaLocaleSendsTheHundredthsOfTheRateAndTheTaxes) {
    LocaleGuard comma(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    restart();
    EXPECT_EQ(ui->rateEdit->text(), "4,00");
    ui->rateEdit->clear();
    ui->defaultButton->click();
    EXPECT_EQ(ui->rateEdit->text(), "4,00");
    connect();
    ui->sendToScaleButton->click();
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(theMainWindow->noteLabel->text().startsWith(QStringLiteral("Settings sent in 0:")))
        << theMainWindow->noteLabel->text().toStdString();

    typeTax(0, "12,34");
    typeTax(7, "0,9");
    ui->rateEdit->setText(QStringLiteral("12,34"));
    ui->sendToScaleButton->click();
    EXPECT_TRUE(recorder.messages.empty());
    scale.sim().withState([](ScaleState& s) {
        EXPECT_EQ(s.taxes[0], 1234);
        EXPECT_EQ(s.taxes[7], 90);
        EXPECT_EQ(std::vector<uint8_t>(s.settings.begin() + 50, s.settings.begin() + 54),
                  (std::vector<uint8_t>{0, 0, 0x04, 0xD2}));
    });
}

// The C library follows the desktop's locale as Qt does, when that locale is installed: the check
// that the comma-locale runs above really had a comma in the C library.
TEST(CommaLocale, TheCLibraryTakesTheDesktopsDecimalSeparator) {
    EXPECT_EQ(QString::fromLatin1(std::localeconv()->decimal_point), QLocale::system().decimalPoint())
        << "LC_ALL=" << qgetenv("LC_ALL").toStdString() << " is not installed (localedef)";
}

TEST_F(SettingsTabScaleTest, ClockButtonsMoveTheHeldTimeNotTheTypedText) {
    connect();
    tab->heldTime = heldTimeFrom(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 20)));
    ui->clockEdit->setText(QStringLiteral("01-01-30 00:00:00"));
    scale.sim().clearLog();
    ui->clockToScaleButton->click();
    EXPECT_EQ(scale.sim().requestBodies().at(0),
              std::vector<uint8_t>({0x20, 0x1A, 0x0C, 0x06, 0x09, 0x05, 0x14}));
    EXPECT_EQ(ui->clockEdit->text(), "01-01-30 00:00:00");

    ui->clockFromScaleButton->click();
    EXPECT_TRUE(ui->clockEdit->text().startsWith(QStringLiteral("06-12-26 09:0")));
    EXPECT_EQ(ui->clockEdit->text(), clockDisplayText(tab->heldTime));
    EXPECT_TRUE(recorder.waitCursorChanges.empty());

    ui->clockFromPcButton->click();
    EXPECT_EQ(tab->heldTime.year, QDate::currentDate().year());
}

} // namespace

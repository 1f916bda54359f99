// The SYSTEM tab as a real widget in the main window: its fields with their labels, kinds, ranges
// and start values, the presets (which send nothing), and SEND against the emulated scale over a
// pty, with the edge values typed as the operator types them and the comma locale's refusal.
#include "app/Forms.h"
#include "app/MainWindow.h"
#include "link/FrameLink.h"
#include "metrology/SystemTab.h"
#include "tests/support/FormsTest.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/SimHarness.h"
#include "ui/SpinEdit.h"

#include "ui_MainWindow.h"
#include "ui_SystemTab.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct SystemTabTest : FormsTest {
    SystemTab* tab = nullptr;
    Ui::SystemTab* ui = nullptr;

    void SetUp() override { createWindow(); }
    void createWindow() {
        createForms();
        tab = theMainWindow->systemTab;
        ui = tab->ui;
        theMainWindow->show();
    }
    bool systemTabVisible() const {
        return theMainWindow->ui->pages->isTabVisible(
            theMainWindow->ui->pages->indexOf(theMainWindow->ui->systemPage));
    }
    QString labelOf(QWidget* field) const {
        for (QLabel* label : tab->findChildren<QLabel*>())
            if (label->buddy() == field)
                return label->text();
        return {};
    }
    // Replaces a field's text key by key, then leaves the field (focus moves on), as the operator
    // does.
    void type(QWidget* field, const QString& text) {
        QLineEdit* edit = qobject_cast<QLineEdit*>(field);
        if (!edit)
            edit = field->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
    }
};

TEST_F(SystemTabTest, FieldsHaveTheirLabelsKindsRangesAndStartValues) {
    EXPECT_EQ(
        theMainWindow->ui->pages->tabText(theMainWindow->ui->pages->indexOf(theMainWindow->ui->systemPage)),
        "SYSTEM");
    EXPECT_FALSE(systemTabVisible());
    EXPECT_EQ(tab->parentWidget(), theMainWindow->ui->systemPage);

    struct Combo {
        QComboBox* box;
        const char* label;
        QStringList items;
        int index;
        const char* text;
    };
    for (const Combo& c : {Combo{ui->capacityCombo, "Capacity", {"6", "15", "30", "60"}, 1, "15"},
                           Combo{ui->intervalCombo, "e=d=", {"1", "2", "5", "10", "20", "50"}, 1, "2"},
                           Combo{ui->priceRoundCombo,
                                 "price round",
                                 {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"},
                                 0,
                                 "1"},
                           Combo{ui->stableCountCombo, "Stbale Count", {"1", "2", "3"}, -1, "3"}}) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(labelOf(c.box), c.label);
        EXPECT_TRUE(c.box->isEditable());
        QStringList items;
        for (int i = 0; i < c.box->count(); ++i)
            items << c.box->itemText(i);
        EXPECT_EQ(items, c.items);
        EXPECT_EQ(c.box->currentIndex(), c.index);
        EXPECT_EQ(c.box->currentText(), c.text);
    }

    struct Spin {
        SpinEdit* field;
        const char* label;
        int low, high;
        const char* text;
    };
    for (const Spin& s : {Spin{ui->unitSpin, "Unit", 1, 10000, "1000"},
                          Spin{ui->initialZeroSpin, "Initial Zero, %", 0, 0, "10"},
                          Spin{ui->digitsSpin, "Digits (Weight,Price)", 11, 44, "32"},
                          Spin{ui->localGSpin, "Local g", 97000, 99000, "97994"},
                          Spin{ui->destinationGSpin, "Destination g", 97000, 99000, "97994"},
                          Spin{ui->passwordSpin, "Password", 0, 99999, "0"}}) {
        SCOPED_TRACE(s.label);
        EXPECT_EQ(labelOf(s.field), s.label);
        EXPECT_EQ(s.field->minValue(), s.low);
        EXPECT_EQ(s.field->maxValue(), s.high);
        EXPECT_EQ(s.field->text(), s.text);
    }
    EXPECT_EQ(labelOf(ui->maxTareEdit), "Max Tare");

    struct Box {
        QCheckBox* box;
        const char* caption;
        bool checked;
    };
    for (const Box& b : {Box{ui->poundsBox, "lb", false}, Box{ui->dualIntervalBox, "dual interval", true},
                         Box{ui->commaBox, "comma", false}, Box{ui->oneTimeTareBox, "One Time Tare", false},
                         Box{ui->minimumSaleBox, "Minimum Sale", false}}) {
        EXPECT_EQ(b.box->text(), b.caption);
        EXPECT_EQ(b.box->isChecked(), b.checked) << b.caption;
    }
    EXPECT_EQ(ui->sendButton->text(), "SEND");
    // An unlimited spin field takes any whole number.
    type(ui->initialZeroSpin, "-300");
    EXPECT_EQ(ui->initialZeroSpin->text(), "-300");
}

TEST_F(SystemTabTest, MaxTareStartsWithTheRegionalSeparator) {
    destroyForms();
    {
        LocaleGuard comma(QLocale(QLocale::German, QLocale::Germany));
        createWindow();
        EXPECT_EQ(ui->maxTareEdit->text(), "6,0");
        destroyForms();
    }
    LocaleGuard point(QLocale(QLocale::English, QLocale::UnitedStates));
    createWindow();
    EXPECT_EQ(ui->maxTareEdit->text(), "6.0");
}

struct SystemSendTest : SystemTabTest {
    SimHarness scale;

    void connectInCalibration() {
        scale.sim().setCalibration(true);
        theMainWindow->connectOrDisconnect();
        ASSERT_TRUE(theMainWindow->session.isConnected());
        ASSERT_TRUE(systemTabVisible());
        scale.sim().clearLog();
    }
    std::vector<std::vector<uint8_t>> systemRequests() {
        std::vector<std::vector<uint8_t>> found;
        for (const auto& body : scale.sim().requestBodies())
            if (!body.empty() && body[0] == 0x41)
                found.emplace_back(body.begin() + 1, body.end());
        return found;
    }
    std::array<uint8_t, kSystemParametersSize> stored() {
        std::array<uint8_t, kSystemParametersSize> bytes{};
        scale.sim().withState([&](ScaleState& s) { bytes = s.systemParameters; });
        return bytes;
    }
};

TEST_F(SystemSendTest, PresetsFillEveryFieldAndSendNothing) {
    connectInCalibration();
    const auto before = stored();
    for (const SystemPreset& preset : systemPresets()) {
        SCOPED_TRACE(std::string(preset.button));
        // Something of every field off its preset value first.
        type(ui->capacityCombo, "300");
        type(ui->passwordSpin, "77");
        ui->minimumSaleBox->setChecked(false);
        ui->dualIntervalBox->setChecked(!preset.fields.dualInterval);
        auto* button = tab->findChild<QPushButton*>(QString::fromLatin1(preset.button));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromLatin1(preset.caption));
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(tab->fields(), preset.fields);
        EXPECT_EQ(ui->passwordSpin->text(), "0");
        EXPECT_TRUE(ui->minimumSaleBox->isChecked());
    }
    EXPECT_TRUE(scale.sim().requestFrames().empty());
    EXPECT_EQ(stored(), before);
    EXPECT_TRUE(recorder.messages.empty());

    // Presets need no connection either.
    theMainWindow->connectOrDisconnect();
    tab->presetSingle30();
    EXPECT_EQ(ui->intervalCombo->currentText(), "10");
    EXPECT_EQ(ui->maxTareEdit->text(), "30");
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(SystemSendTest, PresetThenSendTransmitsExactlyThePreset) {
    connectInCalibration();
    tab->presetDual15(); // Dual 15Kg(1/6000)
    QTest::mouseClick(ui->sendButton, Qt::LeftButton);
    EXPECT_TRUE(recorder.messages.empty());
    const std::vector<uint8_t> dual15{8,    15,   2,    32,   0x00, 0x01, 0x03, 0xE8, 0x02, 0x00,
                                      0x01, 0x7E, 0xCA, 0x00, 0x01, 0x7E, 0xCA, 10,   0x00, 0x00,
                                      0x17, 0x70, 1,    3,    0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(systemRequests(), std::vector<std::vector<uint8_t>>{dual15});
    auto bytes = stored();
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.end()), dual15);
    EXPECT_EQ(theMainWindow->ui->statusLabel->text(), "STATUS:04");
    EXPECT_TRUE(systemTabVisible());
}

TEST_F(SystemSendTest, TypedEdgeValuesGoOnTheLineAsTheScaleReadsThem) {
    LocaleGuard point(QLocale(QLocale::English, QLocale::UnitedStates));
    connectInCalibration();
    type(ui->capacityCombo, "300");
    type(ui->priceRoundCombo, "1000");
    type(ui->unitSpin, "10000");
    type(ui->initialZeroSpin, "300");
    type(ui->maxTareEdit, "7.5");
    type(ui->localGSpin, "96000");
    type(ui->destinationGSpin, "99500");
    type(ui->passwordSpin, "99999");
    for (QCheckBox* box : {ui->poundsBox, ui->dualIntervalBox, ui->commaBox, ui->oneTimeTareBox})
        box->setChecked(true);
    // Leaving a gravity field pulls it into its range.
    EXPECT_EQ(ui->localGSpin->text(), "97000");
    EXPECT_EQ(ui->destinationGSpin->text(), "99000");
    QTest::mouseClick(ui->sendButton, Qt::LeftButton);
    EXPECT_TRUE(recorder.messages.empty());
    const std::vector<uint8_t> expected{8,    44,   2,    32,   0x03, 0xE8, 0x27, 0x10, 0x0F, 0x00,
                                        0x01, 0x7A, 0xE8, 0x00, 0x01, 0x82, 0xB8, 44,   0x00, 0x00,
                                        0x1B, 0x58, 0,    3,    0x00, 0x01, 0x86, 0x9F};
    EXPECT_EQ(systemRequests(), std::vector<std::vector<uint8_t>>{expected});
    // Sending leaves the fields as they were.
    EXPECT_EQ(ui->capacityCombo->currentText(), "300");
    EXPECT_EQ(ui->maxTareEdit->text(), "7.5");
}

TEST_F(SystemSendTest, ConversionFailuresAndNoConnectionSendNothing) {
    LocaleGuard comma(QLocale(QLocale::Polish, QLocale::Poland));
    connectInCalibration();
    type(ui->maxTareEdit, "6;0"); // a point would be a decimal separator as well as the comma
    tab->sendParameters();
    type(ui->stableCountCombo, "");
    type(ui->maxTareEdit, "6,0");
    tab->sendParameters();
    EXPECT_EQ(recorder.messages,
              (std::vector<RecordedPrompt>{{applicationTitle(), "'6;0' is not a valid floating point value"},
                                           {applicationTitle(), "'' is not a valid integer value"}}));
    EXPECT_TRUE(scale.sim().requestFrames().empty());
    EXPECT_EQ(ui->maxTareEdit->text(), "6,0");

    recorder.clear();
    theMainWindow->connectOrDisconnect(); // DISCONNECT hides the tab
    EXPECT_FALSE(systemTabVisible());
    tab->sendParameters();
    EXPECT_EQ(recorder.messages, std::vector<RecordedPrompt>{notConnected});
    EXPECT_TRUE(scale.sim().requestFrames().empty());
}

// Also run under a real generated comma locale (LC_ALL): Max Tare's whole part, in thousandths.
TEST_F(SystemSendTest, CommaLocaleSendsMaxTare) {
    LocaleGuard comma(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    connectInCalibration();
    type(ui->maxTareEdit, "12,34");
    tab->sendParameters();
    EXPECT_TRUE(recorder.messages.empty());
    std::vector<std::vector<uint8_t>> sent = systemRequests();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(std::vector<uint8_t>(sent[0].begin() + 18, sent[0].begin() + 22),
              (std::vector<uint8_t>{0x00, 0x00, 0x2E, 0xE0}));
}

TEST_F(SystemSendTest, AReplyWithoutTheCalibrationBitHidesTheTab) {
    connectInCalibration();
    scale.sim().setCalibration(false);
    tab->sendParameters();
    EXPECT_EQ(systemRequests().size(), 1u);
    EXPECT_EQ(theMainWindow->ui->statusLabel->text(), "STATUS:00");
    EXPECT_FALSE(systemTabVisible());

    scale.sim().injectFault(Fault::Silence, 3);
    tab->sendParameters();
    EXPECT_EQ(recorder.messages, (std::vector<RecordedPrompt>{
                                     {QStringLiteral("Error!"), QStringLiteral("Communication Error!")}}));
}

TEST_F(SystemTabTest, EveryControlGetsItsFullHeightInTheTab) {
    QTabWidget* pages = theMainWindow->ui->pages;
    pages->setTabVisible(pages->indexOf(theMainWindow->ui->systemPage), true);
    pages->setCurrentWidget(theMainWindow->ui->systemPage);
    QApplication::processEvents();
    for (QWidget* control : tab->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->parentWidget() != tab)
            continue;
        EXPECT_GE(control->height(), control->minimumSizeHint().height())
            << control->objectName().toStdString();
        EXPECT_TRUE(tab->rect().contains(control->geometry())) << control->objectName().toStdString();
    }
}

} // namespace

// The spin field and the editable combo box behave like the system's controls, not like Qt's; a
// message box is wide enough for its title; a date field takes a date typed as it is shown.
#include "tests/support/LocaleGuard.h"
#include "ui/DateField.h"
#include "ui/EditableCombo.h"
#include "ui/Prompts.h"
#include "ui/SpinEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Leaving the field the way the operator does: focus moves to another control.
void leave(QWidget* field) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
}

struct SpinEditTest : ::testing::Test {
    SpinEdit spin;
    void SetUp() override {
        spin.setMinValue(1);
        spin.setMaxValue(100);
        spin.setValue(50);
    }
    void type(const QString& text) {
        spin.selectAll();
        QTest::keyClicks(&spin, text);
    }
};

TEST_F(SpinEditTest, TypedTextOutsideTheRangeIsKeptUntilTheFieldIsLeft) {
    type(QStringLiteral("250"));
    EXPECT_EQ(spin.text(), QStringLiteral("250"));
    EXPECT_EQ(spin.value(), 250);
    leave(&spin);
    EXPECT_EQ(spin.text(), QStringLiteral("100"));
    EXPECT_EQ(spin.value(), 100);

    type(QStringLiteral("-7"));
    leave(&spin);
    EXPECT_EQ(spin.value(), 1);
}

TEST_F(SpinEditTest, TextThatIsNotAWholeNumberReadsAsTheMinimum) {
    type(QStringLiteral("12a"));
    EXPECT_EQ(spin.text(), QStringLiteral("12a"));
    EXPECT_EQ(spin.value(), 1);
    spin.selectAll();
    QTest::keyClick(&spin, Qt::Key_Backspace);
    EXPECT_TRUE(spin.text().isEmpty());
    EXPECT_EQ(spin.value(), 1);
    leave(&spin);
    EXPECT_EQ(spin.text(), QStringLiteral("1"));
}

TEST_F(SpinEditTest, SetValueAndArrowsStayInTheRange) {
    spin.setValue(500);
    EXPECT_EQ(spin.value(), 100);
    spin.stepUp();
    EXPECT_EQ(spin.value(), 100);
    spin.setValue(2);
    spin.stepDown();
    spin.stepDown();
    EXPECT_EQ(spin.value(), 1);
}

TEST_F(SpinEditTest, EqualMinimumAndMaximumMeanNoLimit) {
    spin.setMinValue(0);
    spin.setMaxValue(0);
    spin.setValue(123456);
    EXPECT_EQ(spin.value(), 123456);
    type(QStringLiteral("-99999"));
    leave(&spin);
    EXPECT_EQ(spin.text(), QStringLiteral("-99999"));
    EXPECT_EQ(spin.value(), -99999);
}

struct EditableComboTest : ::testing::Test {
    QComboBox box;
    void SetUp() override {
        box.addItems({QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("9600")});
        makeEditableCombo(&box);
        box.setCurrentIndex(2);
    }
};

TEST_F(EditableComboTest, TypingDropsTheSelectionButKeepsTheText) {
    box.lineEdit()->end(false);
    QTest::keyClicks(&box, QStringLiteral("0"));
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.currentText(), QStringLiteral("96000"));
    QTest::keyClicks(&box, QStringLiteral("1"));
    EXPECT_EQ(box.currentText(), QStringLiteral("960001"));
}

TEST_F(EditableComboTest, TypedTextOfAnItemStaysUnselectedWhenTheBoxIsLeft) {
    box.lineEdit()->selectAll();
    QTest::keyClicks(&box, QStringLiteral("2400"));
    leave(box.lineEdit());
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.currentText(), QStringLiteral("2400"));
}

TEST_F(EditableComboTest, EnterDoesNotAddTheTypedTextAsAnItem) {
    box.lineEdit()->selectAll();
    QTest::keyClicks(&box, QStringLiteral("300"));
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.currentText(), QStringLiteral("300"));
}

TEST_F(EditableComboTest, CodeSelectsAnItemAgain) {
    box.lineEdit()->selectAll();
    QTest::keyClicks(&box, QStringLiteral("300"));
    box.setCurrentIndex(0);
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.currentText(), QStringLiteral("1200"));
}

TEST(MessageBox, IsWideEnoughForItsTitleWhateverItsText) {
    const QString title = QStringLiteral("You are not connected to the scale!");
    QMessageBox box(QMessageBox::NoIcon, title, QStringLiteral("OK?"), QMessageBox::Ok);
    const int narrow = box.sizeHint().width();
    fitTitle(box);
    const int wide = box.sizeHint().width();
    EXPECT_GT(wide, narrow);
    EXPECT_GE(wide, QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(title) + 100);
}

} // namespace

// A date typed as the program shows it, separators included, is that date in every regional format:
// the separator typed after a full field does not skip the next one.
TEST(DateField, TakesTheDateTypedAsShownSeparatorsIncluded) {
    struct Case {
        QLocale locale;
        const char* typed;
    };
    for (const Case& c : {Case{QLocale(QLocale::Czech, QLocale::CzechRepublic), "08.12.2026"},
                          Case{QLocale(QLocale::German, QLocale::Germany), "08.12.2026"},
                          Case{QLocale(QLocale::Hungarian, QLocale::Hungary), "2026. 12. 08."},
                          Case{QLocale(QLocale::English, QLocale::UnitedStates), "12/8/2026"}}) {
        LocaleGuard regional(c.locale);
        DateField field(QDate(2026, 1, 1));
        field.show();
        field.setFocus();
        field.setCurrentSectionIndex(0);
        field.setSelectedSection(field.sectionAt(0));
        QTest::keyClicks(&field, QString::fromLatin1(c.typed));
        EXPECT_EQ(field.date(), QDate(2026, 12, 8))
            << c.locale.name().toStdString() << " " << field.text().toStdString();
        // A separator typed inside a field still moves on, as before: "8.3.2026" is the 8th of March.
        if (c.typed[0] == '0') {
            field.setDate(QDate(2026, 1, 1));
            field.setSelectedSection(field.sectionAt(0));
            QTest::keyClicks(&field, QStringLiteral("8.3.2026"));
            EXPECT_EQ(field.date(), QDate(2026, 3, 8)) << c.locale.name().toStdString();
        }
        // The whole date selected and retyped, with or without a leading zero.
        const QString typed = QString::fromLatin1(c.typed);
        for (const QString& retyped : {typed, typed.startsWith('0') ? typed.mid(1) : typed}) {
            field.setDate(QDate(2026, 1, 1));
            QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
            ASSERT_EQ(field.findChild<QLineEdit*>()->selectedText(), field.text());
            QTest::keyClicks(&field, retyped);
            EXPECT_EQ(field.date(), QDate(2026, 12, 8))
                << c.locale.name().toStdString() << " " << retyped.toStdString();
        }
    }
}

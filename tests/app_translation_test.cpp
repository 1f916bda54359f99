// The windows in the desktop's language: which language the desktop's list picks, the program's own
// and Qt's translations installed together and taken off again.
#include "ui/Translations.h"

#include "tests/support/NamedCase.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using testcases::PrintTo;

struct PickCase {
    const char* name;
    QStringList uiLanguages;
    QString picked;
};

class PickLanguageTest : public ::testing::TestWithParam<PickCase> {};

TEST_P(PickLanguageTest, TakesTheFirstLanguageOfTheDesktopThatTheProgramSpeaks) {
    EXPECT_EQ(pickLanguage(GetParam().uiLanguages), GetParam().picked);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, PickLanguageTest,
    ::testing::Values(PickCase{"Czech", {"cs-CZ"}, "cs"}, PickCase{"SlovakWithoutRegion", {"sk"}, "sk"},
                      PickCase{"PolishUnderscore", {"pl_PL"}, "pl"},
                      PickCase{"Hungarian", {"hu-HU", "hu"}, "hu"},
                      PickCase{"AustrianGerman", {"de-AT", "de"}, "de"},
                      // English asked for first wins over a translation further down the list.
                      PickCase{"EnglishFirst", {"en-GB", "cs-CZ"}, ""},
                      // A language the program lacks is passed over for the next one it has.
                      PickCase{"FrenchThenGerman", {"fr-FR", "de-DE"}, "de"},
                      PickCase{"FrenchOnly", {"fr-FR"}, ""}, PickCase{"Slovenian", {"sl-SI"}, ""},
                      PickCase{"PosixLocale", {"C"}, ""}, PickCase{"Nothing", {}, ""}),
    testcases::caseName);

QString cancelCaption() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

TEST(Translations, InstallTheProgramsAndQtsTextsForOneLanguageAndTakeThemOffAgain) {
    const QString englishCancel = cancelCaption();
    {
        Translations translations;
        ASSERT_EQ(translations.install(QLocale(QStringLiteral("cs_CZ"))), QStringLiteral("cs"));
        EXPECT_EQ(QCoreApplication::translate("ScaleSession", "Communication Error!"),
                  QStringLiteral("Chyba komunikace!"));
        // Qt's own texts follow, so that a standard button does not stay English in a Czech dialog.
        EXPECT_EQ(cancelCaption(), QStringLiteral("Zrušit"));
        // A second install replaces the first rather than stacking on it.
        ASSERT_EQ(translations.install(QLocale(QStringLiteral("de_DE"))), QStringLiteral("de"));
        EXPECT_EQ(QCoreApplication::translate("ScaleSession", "Communication Error!"),
                  QStringLiteral("Kommunikationsfehler!"));
        EXPECT_EQ(cancelCaption(), QStringLiteral("Abbrechen"));
    }
    EXPECT_EQ(QCoreApplication::translate("ScaleSession", "Communication Error!"),
              QStringLiteral("Communication Error!"));
    EXPECT_EQ(cancelCaption(), englishCancel);

    // A desktop in a language the program lacks keeps everything English, Qt's buttons too.
    Translations french;
    EXPECT_EQ(french.install(QLocale(QStringLiteral("fr_FR"))), QString());
    EXPECT_EQ(cancelCaption(), englishCancel);
}

TEST(Translations, EveryLanguageIsCompiledIntoTheProgram) {
    for (const QString& language : translatedLanguages()) {
        Translations translations;
        EXPECT_EQ(translations.install(QLocale(language)), language);
        EXPECT_NE(QCoreApplication::translate("ScaleSession", "You are not connected to the scale!"),
                  QStringLiteral("You are not connected to the scale!"))
            << language.toStdString();
    }
}

} // namespace

// The windows in the desktop's language: which language the desktop's list picks, the program's own
// and Qt's translations installed together and taken off again; the whole program on a Czech and a
// German desktop against the emulated scale (captions and messages translated, every file it writes
// the same as on an English desktop); and every caption of every language fitting its control.
#include "ui/Translations.h"

#include "app/Forms.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "link/FrameLink.h"
#include "logo/LogoWindow.h"
#include "plu/PluTab.h"
#include "reports/CloseZDialog.h"
#include "reports/HistoryWindow.h"
#include "reports/ReportsTab.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsTab.h"
#include "terminal/TerminalWindow.h"
#include "tests/support/LocaleGuard.h"
#include "tests/support/NamedCase.h"
#include "tests/support/PromptRecorder.h"
#include "tests/support/SimHarness.h"
#include "ui/ProgressDialog.h"

#include "ui_MainWindow.h"
#include "ui_PluTab.h"
#include "ui_ReportsTab.h"
#include "ui_SettingsTab.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <map>

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

// A count reads right in each language: the plural form Qt's rule picks for 1, 2, 5 and 22 (Polish
// 22 like 2, Czech and Slovak 22 like 5), in the note after a transfer and in the settings file's
// line-count error.
struct CountCase {
    const char* name;
    const char* language;
    int count;
    const char* plusRead;
    const char* lines;
};

class CountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountTest, ReadsRightInTheLanguage) {
    const CountCase& c = GetParam();
    LocaleGuard english{QLocale(QLocale::English, QLocale::UnitedStates)};
    Translations translations;
    translations.install(QLocale(QString::fromLatin1(c.language)));
    EXPECT_EQ(QCoreApplication::translate("PluTab", "%Ln PLUs read in %1", nullptr, c.count).arg("0:03"),
              QString::fromUtf8(c.plusRead));
    EXPECT_EQ(wrongLineCountMessage(c.count), QString::fromUtf8(c.lines));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CountTest,
    ::testing::Values(CountCase{"Czech1", "cs", 1, "1 PLU načteno za 0:03",
                                "chyba ve vstupním souboru: 1 řádek, soubor nastavení má 80 řádků"},
                      CountCase{"Czech2", "cs", 2, "2 PLU načtena za 0:03",
                                "chyba ve vstupním souboru: 2 řádky, soubor nastavení má 80 řádků"},
                      CountCase{"Czech5", "cs", 5, "5 PLU načteno za 0:03",
                                "chyba ve vstupním souboru: 5 řádků, soubor nastavení má 80 řádků"},
                      CountCase{"Czech22", "cs", 22, "22 PLU načteno za 0:03",
                                "chyba ve vstupním souboru: 22 řádků, soubor nastavení má 80 řádků"},
                      CountCase{"Slovak1", "sk", 1, "1 PLU načítané za 0:03",
                                "chyba vo vstupnom súbore: 1 riadok, súbor nastavení má 80 riadkov"},
                      CountCase{"Slovak2", "sk", 2, "2 PLU načítané za 0:03",
                                "chyba vo vstupnom súbore: 2 riadky, súbor nastavení má 80 riadkov"},
                      CountCase{"Slovak22", "sk", 22, "22 PLU načítaných za 0:03",
                                "chyba vo vstupnom súbore: 22 riadkov, súbor nastavení má 80 riadkov"},
                      CountCase{"Polish1", "pl", 1, "Wczytano 1 pozycję PLU w czasie 0:03",
                                "błąd w pliku wejściowym: 1 wiersz, plik ustawień ma 80 wierszy"},
                      CountCase{"Polish5", "pl", 5, "Wczytano 5 pozycji PLU w czasie 0:03",
                                "błąd w pliku wejściowym: 5 wierszy, plik ustawień ma 80 wierszy"},
                      CountCase{"Polish22", "pl", 22, "Wczytano 22 pozycje PLU w czasie 0:03",
                                "błąd w pliku wejściowym: 22 wiersze, plik ustawień ma 80 wierszy"},
                      CountCase{"German1", "de", 1, "1 PLU gelesen in 0:03",
                                "Fehler in der Eingabedatei: 1 Zeile, eine Einstellungsdatei hat 80"},
                      CountCase{"German22", "de", 22, "22 PLUs gelesen in 0:03",
                                "Fehler in der Eingabedatei: 22 Zeilen, eine Einstellungsdatei hat 80"},
                      CountCase{"Hungarian1", "hu", 1, "1 PLU beolvasva: 0:03",
                                "hiba a bemeneti fájlban: 1 sor, a beállításfájl 80 soros"},
                      CountCase{"Hungarian22", "hu", 22, "22 PLU beolvasva: 0:03",
                                "hiba a bemeneti fájlban: 22 sor, a beállításfájl 80 soros"},
                      // English keeps its one text, the figure in the regional format.
                      CountCase{"English1799", "en", 1799, "1,799 PLUs read in 0:03",
                                "error in input file: 1799 lines, a settings file has 80"}),
    testcases::caseName);

// What one run of the program left behind: the memo after REPORT and after CLOSE Z, the files it
// saved, and what the operator saw.
struct DesktopRun {
    QString salesReport;
    QString zReport;
    std::map<QString, QByteArray> files;
    QStringList messages; // "title: text"
    std::vector<RecordedFileRequest> fileRequests;
    QString connectCaption, disconnectCaption, status, settingsTab, priceHeading, clerkMode, help;
};

// Dates and times differ between two runs; everything else must not.
QString withoutMoments(QString text) {
    static const QRegularExpression moment(
        QStringLiteral(R"(\d{1,4}[./-]\d{1,2}[./-]\d{1,4}( \d{1,2}:\d{2}:\d{2})?)"));
    return text.replace(moment, QStringLiteral("<moment>"));
}

// The file's bytes with its moments masked (Latin-1 keeps every byte as it is).
QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(missing)";
    return withoutMoments(QString::fromLatin1(file.readAll())).toLatin1();
}

// Starts the program as main() does (translations first, then the windows, reading the window-state
// file), connects, reads the sales and the Z report (nothing is closed), saves the report, the PLU
// table and the settings, disconnects and closes, which writes the window-state file.
DesktopRun runDesktop(const QString& language, const QString& folder) {
    Translations translations;
    EXPECT_EQ(translations.install(QLocale(language)),
              language == QStringLiteral("en") ? QString() : language);
    PromptRecorder recorder;
    MainWindow::stateFile = folder + QStringLiteral("/scale-utility.CFG");
    createForms();
    theMainWindow->session.archiveLocation = folder + QStringLiteral("/archive.db");
    theMainWindow->show();
    DesktopRun run;
    Ui::MainWindow* ui = theMainWindow->ui;
    run.connectCaption = ui->connectButton->text();
    run.settingsTab = ui->pages->tabText(ui->pages->indexOf(ui->settingsPage));
    run.priceHeading = theMainWindow->pluTab->ui->pluGrid->horizontalHeaderItem(1)->text();
    run.clerkMode = theMainWindow->settingsTab->ui->clerkModeCombo->currentText();
    run.help = theHelpWindow->helpText->toPlainText();

    theMainWindow->reportsTab->ui->reportButton->click(); // not connected yet
    theMainWindow->connectOrDisconnect();
    run.disconnectCaption = ui->connectButton->text();
    run.status = ui->statusLabel->text();
    theMainWindow->reportsTab->ui->reportButton->click();
    run.salesReport = withoutMoments(theMainWindow->reportsTab->ui->reportMemo->toPlainText());
    const auto save = [&](const char* name, const std::function<void()>& saver) {
        const QString path = folder + QLatin1Char('/') + QString::fromLatin1(name);
        recorder.scriptedFileNames << path;
        saver();
        run.files[QString::fromLatin1(name)] = fileBytes(path);
    };
    save("REPORT.TXT", [] { theMainWindow->reportsTab->ui->saveToFileButton->click(); });
    theMainWindow->reportsTab->closeZ();
    run.zReport = withoutMoments(theMainWindow->reportsTab->ui->reportMemo->toPlainText());
    theCloseZDialog->hide();
    theMainWindow->pluTab->ui->toSpin->setValue(40); // the emulated scale's PLUs, not the full range
    theMainWindow->pluTab->loadRangeFromScale();
    save("PLU.TXT", [] { theMainWindow->pluTab->saveToDisk(); });
    theMainWindow->settingsTab->loadFromScale();
    save("SETTINGS.TXT", [] { theMainWindow->settingsTab->saveToDisk(); });

    theMainWindow->connectOrDisconnect();
    EXPECT_FALSE(theMainWindow->session.isConnected()) << "DISCONNECT did not disconnect";
    EXPECT_EQ(ui->connectButton->text(), run.connectCaption);
    theMainWindow->close();
    destroyForms();
    MainWindow::stateFile.clear();
    run.files[QStringLiteral("scale-utility.CFG")] = fileBytes(folder + QStringLiteral("/scale-utility.CFG"));
    for (const RecordedPrompt& message : recorder.messages)
        run.messages << message.title + QStringLiteral(": ") + message.text;
    run.fileRequests = recorder.fileRequests;
    return run;
}

struct DesktopCase {
    const char* name;
    const char* language;
    const char* connect;
    const char* disconnect;
    const char* status;
    const char* settings;
    const char* price;
    const char* clerkMode;
    const char* helpLine;     // a line of the translated help text
    const char* notConnected; // "title: text"
    const char* reportFilter;
    const char* pluFilter;
};

class DesktopLanguageTest : public ::testing::TestWithParam<DesktopCase> {};

TEST_P(DesktopLanguageTest, WindowSpeaksTheLanguageWhileEveryFileStaysAsOnAnEnglishDesktop) {
    const DesktopCase& c = GetParam();
    // The regional settings stay English: only the language differs between the two runs.
    LocaleGuard english{QLocale(QLocale::English, QLocale::UnitedStates)};
    SimHarness scale;
    const QString folder = QString::fromStdString(scale.folder());
    const DesktopRun inEnglish = runDesktop(QStringLiteral("en"), folder);
    // The translated run starts from the window-state file the English run wrote.
    const DesktopRun translated = runDesktop(QString::fromLatin1(c.language), folder);

    EXPECT_EQ(inEnglish.connectCaption, "CONNECT");
    EXPECT_EQ(inEnglish.messages, QStringList{"Error!: You are not connected to the scale!"});
    EXPECT_EQ(translated.connectCaption, QString::fromUtf8(c.connect));
    EXPECT_EQ(translated.disconnectCaption, QString::fromUtf8(c.disconnect));
    EXPECT_EQ(translated.status, QString::fromUtf8(c.status));
    EXPECT_EQ(translated.settingsTab, QString::fromUtf8(c.settings));
    EXPECT_EQ(translated.priceHeading, QString::fromUtf8(c.price));
    // The clerk mode the English run saved by its English name shows in the window's language.
    EXPECT_EQ(inEnglish.clerkMode, "All at once");
    EXPECT_EQ(translated.clerkMode, QString::fromUtf8(c.clerkMode));
    EXPECT_TRUE(translated.help.startsWith("KLO VELLDRAN UTILITY PROGRAM\n"))
        << translated.help.toStdString();
    EXPECT_TRUE(translated.help.contains(QString::fromUtf8(c.helpLine))) << translated.help.toStdString();
    EXPECT_EQ(translated.messages, QStringList{QString::fromUtf8(c.notConnected)});
    ASSERT_EQ(translated.fileRequests.size(), 3u);
    EXPECT_EQ(translated.fileRequests[0].filter, QString::fromUtf8(c.reportFilter));
    EXPECT_EQ(translated.fileRequests[1].filter, QString::fromUtf8(c.pluFilter));

    // The reports, the Z report's German labels included, and every file: the same bytes.
    EXPECT_TRUE(inEnglish.salesReport.startsWith("----------------------- REPORT "));
    EXPECT_EQ(translated.salesReport, inEnglish.salesReport);
    EXPECT_TRUE(inEnglish.zReport.startsWith("----------------------- Berichte "));
    EXPECT_EQ(translated.zReport, inEnglish.zReport);
    ASSERT_EQ(translated.files.size(), 4u);
    for (const auto& [name, bytes] : inEnglish.files) {
        EXPECT_FALSE(bytes.startsWith("(missing)")) << name.toStdString();
        EXPECT_EQ(translated.files.at(name).toStdString(), bytes.toStdString()) << name.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, DesktopLanguageTest,
    ::testing::Values(DesktopCase{"Czech", "cs", "PŘIPOJIT", "ODPOJIT", "STAV:00", "NASTAVENÍ", "CENA",
                                  "Současně", "HODNĚ ŠTĚSTÍ", "Chyba!: Nejste připojeni k váze!",
                                  "Textové soubory|*.TXT", "Textové soubory oddělené tabulátory|*.TXT"},
                      DesktopCase{"German", "de", "VERBINDEN", "TRENNEN", "STATUS:00", "EINSTELLUNGEN",
                                  "PREIS", "Gleichzeitig", "VIEL ERFOLG",
                                  "Fehler!: Keine Verbindung zur Waage!", "Textdateien|*.TXT",
                                  "Tabulatorgetrennte Textdateien|*.TXT"}),
    testcases::caseName);

// Every PLU column heading says in its tooltip what the column holds, in the window's language: the
// short heads (NW, FIX, BAR and their translations) mean nothing to a newcomer on their own.
TEST(TranslatedCaptions, EveryPluHeadingHasATooltipInEveryLanguage) {
    std::map<int, QString> english;
    for (const QString& language : QStringList{QStringLiteral("en")} + translatedLanguages()) {
        Translations translations;
        translations.install(QLocale(language));
        PromptRecorder recorder;
        createForms();
        QTableWidget* grid = theMainWindow->pluTab->ui->pluGrid;
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QString tip = grid->horizontalHeaderItem(column)->toolTip();
            EXPECT_GT(tip.size(), grid->horizontalHeaderItem(column)->text().size())
                << language.toStdString() << " column " << column;
            if (language == QStringLiteral("en"))
                english[column] = tip;
            else
                EXPECT_NE(tip, english[column])
                    << language.toStdString() << ": untranslated tooltip of column " << column;
        }
        destroyForms();
    }
}

// Every caption of the program's windows: its control's width as laid out, and the width the text
// asks for.
struct Caption {
    QString text;
    int wanted = 0;
    int room = 0;
};

// Whether the header draws the heading of a selected column in bold: the same heading drawn as
// selected and as not selected, compared by the width of its ink.
bool selectedHeadingIsBold(QHeaderView* header) {
    const auto inkWidth = [header](bool selected) {
        QImage image(300, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(header->font());
        QStyleOptionHeader option;
        option.initFrom(header);
        option.rect = image.rect();
        option.text = QStringLiteral("MMMMMMMMMM");
        option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        option.palette.setColor(QPalette::ButtonText, Qt::black);
        option.state = selected ? option.state | QStyle::State_On : option.state & ~QStyle::State_On;
        header->style()->drawControl(QStyle::CE_HeaderLabel, &option, &painter, header);
        painter.end();
        int right = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    right = std::max(right, x);
        return right;
    };
    return inkWidth(true) > inkWidth(false);
}

// The windows as the operator meets them: the main window and its dialogs, help, HISTORY, the line
// monitor, and the progress dialog as FIND shows it.
std::vector<QWidget*> programWindows() {
    return {theMainWindow,
            theProgressDialog,
            theTerminalWindow,
            theLogoWindow,
            theCloseZDialog,
            theHelpWindow,
            theMainWindow->reportsTab->historyWindow,
            theMainWindow->session.lineMonitor.data()};
}

std::map<QString, Caption> captions() {
    std::map<QString, Caption> found;
    for (QWidget* window : programWindows()) {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            // The path of names from the window down: the same name serves on two tabs.
            QString name = widget->objectName();
            for (QWidget* above = widget->parentWidget(); above && above != window;
                 above = above->parentWidget())
                if (qobject_cast<PluTab*>(above) || qobject_cast<SettingsTab*>(above) ||
                    qobject_cast<ReportsTab*>(above))
                    name = above->metaObject()->className() + QStringLiteral("/") + name;
            name = window->metaObject()->className() + QLatin1Char('/') + name;
            // The terminal's display shows the scale's own characters, never translated.
            if (window == theTerminalWindow && qobject_cast<QLabel*>(widget))
                continue;
            if (auto* push = qobject_cast<QPushButton*>(widget); push && !push->text().isEmpty()) {
                // The text, the button's margin and frame, and its menu's arrow: what its size
                // hint asks for, less the minimum width that a short caption does not need.
                QStyle* style = push->style();
                const int around =
                    style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, push) +
                    2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, push) +
                    (push->menu() ? style->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, push) : 0);
                found[name] = {push->text(), push->fontMetrics().horizontalAdvance(push->text()) + around,
                               push->width()};
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                       button && !button->text().isEmpty())
                found[name] = {button->text(), button->sizeHint().width(), button->width()};
            else if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap())
                found[name] = {label->text(), label->sizeHint().width(), label->width()};
            else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && !combo->isEditable())
                found[name] = {combo->currentText(), combo->sizeHint().width(), combo->width()};
            else if (combo) // every item as the box's field shows it when picked
                for (int item = 0; item < combo->count(); ++item)
                    found[name + QStringLiteral("/item%1").arg(item)] = {
                        combo->itemText(item),
                        combo->lineEdit()->fontMetrics().horizontalAdvance(combo->itemText(item)) + 4,
                        combo->lineEdit()->width()};
            else if (auto* help = qobject_cast<QPlainTextEdit*>(widget); help && window == theHelpWindow) {
                // Help keeps its own line breaks: every line fits the window's width unwrapped.
                const QStringList lines = help->toPlainText().split(QLatin1Char('\n'));
                const int margins = 2 * int(help->document()->documentMargin());
                for (qsizetype line = 0; line < lines.size(); ++line)
                    found[name + QStringLiteral("/line%1").arg(line)] = {
                        lines[line], help->fontMetrics().horizontalAdvance(lines[line]) + margins,
                        help->viewport()->width()};
            } else if (auto* table = qobject_cast<QTableView*>(widget)) {
                // A heading is judged as drawn when its column is selected: in bold, if the header
                // draws it so.
                QHeaderView* header = table->horizontalHeader();
                QFont font = header->font();
                font.setBold(selectedHeadingIsBold(header));
                for (int section = 0; section < header->count(); ++section) {
                    if (header->isSectionHidden(section))
                        continue;
                    const QString text = table->model()->headerData(section, Qt::Horizontal).toString();
                    found[name + QStringLiteral("/%1").arg(section)] = {
                        text, QFontMetrics(font).horizontalAdvance(text) + 2, header->sectionSize(section)};
                }
            }
        }
    }
    return found;
}

std::map<QString, Caption> captionsIn(const QString& language) {
    Translations translations;
    translations.install(QLocale(language));
    PromptRecorder recorder;
    createForms();
    theMainWindow->session.archiveLocation = QStringLiteral("/nonexistent/archive.db");
    theMainWindow->reportsTab->ui->historyButton->click();
    ScaleSession::showWindow(theMainWindow->session.lineMonitor);
    // Every window shown and every page laid out once (the SYSTEM tab too), as the operator sees them.
    for (QWidget* window : programWindows())
        window->show();
    theProgressDialog->step(0, QCoreApplication::translate("FindScale", "Searching for the scale..."));
    QTabWidget* pages = theMainWindow->ui->pages;
    for (int page = 0; page < pages->count(); ++page) {
        pages->setTabVisible(page, true);
        pages->setCurrentIndex(page);
        theMainWindow->grab(); // lays the page out as it is drawn
    }
    std::map<QString, Caption> found = captions();
    destroyForms();
    return found;
}

// Every translated caption fits its own control: a caption cut off, or running under its
// neighbour, is what the check catches, whether or not the English one fits.
TEST(TranslatedCaptions, FitTheirControlsInEveryLanguage) {
    const std::map<QString, Caption> english = captionsIn(QStringLiteral("en"));
    ASSERT_GT(english.size(), 150u);
    for (const QString& language : translatedLanguages()) {
        for (const auto& [name, caption] : captionsIn(language)) {
            if (caption.wanted > caption.room)
                ADD_FAILURE() << language.toStdString() << ": " << name.toStdString() << " \""
                              << caption.text.toStdString() << "\" wants " << caption.wanted
                              << " pixels, has " << caption.room << " (English \""
                              << english.at(name).text.toStdString() << "\")";
        }
    }
}

} // namespace

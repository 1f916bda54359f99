// The window-state file over real widgets of the kept kinds and names, built here without the tabs:
// the file's lines, values surviving a write and a read, code page 1250, foreign and cut files, typed
// combo texts, the clock field, controls a window lacks, the file's name and folder.
#include "app/WindowState.h"
#include "store/DataFolder.h"
#include "tests/support/FirstRunStateFile.h"
#include "tests/support/NamedCase.h"
#include "tests/support/NullDevice.h"
#include "ui/EditableCombo.h"
#include "ui/SpinEdit.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace windowstate;
using testcases::PrintTo;

namespace {

const QString caption = QStringLiteral("KLO VELDRAN UTILITY REZ1.63");
const QString emptyClock = QStringLiteral("  -  -     :  :  ");

// A window holding the kept controls with their first-run texts, plus controls the file passes over
// (a spin field, a label) under names of their own.
struct StateWindow {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();

    explicit StateWindow(const QStringList& without = {}) {
        edit("singleBarcodeEdit", "a44W5U5");
        edit("totalBarcodeEdit", "a44W5P5");
        edit("clerk4Edit", "Olga");
        edit("clerk3Edit", "Marek");
        edit("clerk2Edit", "Jana");
        edit("clerk1Edit", "Pavel");
        edit("currencyEdit", "Zł ");
        edit("rateEdit", "4.00");
        edit("maxTareEdit", "6.0");
        edit("spareEdit", "0");
        combo("scaleBaudCombo",
              {"1200", "2400", "4800", "9600", "14400", "19200", "28800", "38400", "57600", "115200"}, 0);
        combo("clerkModeCombo", {"All at once", "Only one", "Super Market", "Label-1", "Label-2"}, 0);
        combo("darknessCombo", {"1", "2", "3", "4", "5"}, 2);
        combo("capacityCombo", {"6", "15", "30", "60"}, 1);
        combo("intervalCombo", {"1", "2", "5", "10", "20", "50"}, 1);
        combo("priceRoundCombo", {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"}, 0);
        combo("stableCountCombo", {"1", "2", "3"}, -1)->setEditText(QStringLiteral("3"));
        combo("baudCombo",
              {"1200", "2400", "4800", "9600", "14400", "19200", "28800", "38400", "57600", "115200"}, 3);
        combo("portCombo", {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"}, 0);
        auto* clock = new QLineEdit(window.get());
        clock->setObjectName(QStringLiteral("clockEdit"));
        clock->setInputMask(QStringLiteral("00-00-00 00:00:00;_"));
        auto* spin = new SpinEdit(window.get());
        spin->setObjectName(QStringLiteral("autoOffSpin"));
        auto* label = new QLabel(QStringLiteral("Last Status: "), window.get());
        label->setObjectName(QStringLiteral("statusLabel"));
        for (const QString& name : without)
            delete window->findChild<QWidget*>(name);
    }
    void edit(const char* name, const char* text) {
        auto* control = new QLineEdit(QString::fromUtf8(text), window.get());
        control->setObjectName(QString::fromLatin1(name));
    }
    QComboBox* combo(const char* name, std::initializer_list<const char*> items, int selected) {
        auto* box = new QComboBox(window.get());
        box->setObjectName(QString::fromLatin1(name));
        makeEditableCombo(box);
        for (const char* item : items)
            box->addItem(QString::fromLatin1(item));
        box->setCurrentIndex(selected);
        return box;
    }
    ControlLookup lookup() const { return windowstate::controlsUnder(window.get()); }
    QLineEdit* lineEdit(const char* name) const {
        return window->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QComboBox* box(const char* name) const {
        return window->findChild<QComboBox*>(QString::fromLatin1(name));
    }
    QByteArray write() const { return writeState(caption, lookup()); }
    void read(const QByteArray& bytes) const { readState(bytes, caption, lookup()); }
};

const QStringList sampleClerks{"Olga", "Marek", "Jana", "Pavel"};

QByteArray firstRunFile(const QString& clock) {
    return firstRunStateFile(sampleClerks, clock);
}

struct Texts {
    QString edit1, edit9, edit5, combo3, combo1, combo2, clock;
    int combo3Index, combo1Index, combo2Index;
    bool operator==(const Texts&) const = default;
};

Texts textsOf(const StateWindow& w) {
    return {w.lineEdit("singleBarcodeEdit")->text(), w.lineEdit("currencyEdit")->text(),
            w.lineEdit("spareEdit")->text(),         w.box("clerkModeCombo")->currentText(),
            w.box("baudCombo")->currentText(),       w.box("portCombo")->currentText(),
            w.lineEdit("clockEdit")->displayText(),  w.box("clerkModeCombo")->currentIndex(),
            w.box("baudCombo")->currentIndex(),      w.box("portCombo")->currentIndex()};
}

void PrintTo(const Texts& t, std::ostream* os) {
    *os << '{' << t.edit1.toStdString() << '|' << t.edit9.toStdString() << '|' << t.edit5.toStdString() << '|'
        << t.combo3Index << ' ' << t.combo3.toStdString() << '|' << t.combo1Index << ' '
        << t.combo1.toStdString() << '|' << t.combo2Index << ' ' << t.combo2.toStdString() << '|'
        << t.clock.toStdString() << '}';
}

} // namespace

TEST(WindowStateFile, FirstRunTextsGiveTheFormatsLinesInIndexOrder) {
    StateWindow window;
    EXPECT_EQ(window.write(), firstRunFile(emptyClock));
}

TEST(WindowStateFile, ClockIsWrittenAsDisplayedWithLiteralsAndBlanks) {
    StateWindow window;
    QLineEdit* clock = window.lineEdit("clockEdit");
    QTest::keyClicks(clock, QStringLiteral("0712261115"));
    EXPECT_EQ(window.write(), firstRunFile(QStringLiteral("07-12-26 11:15:  ")));
    clock->setText(QStringLiteral("31122399:59:58"));
    EXPECT_EQ(window.write(), firstRunFile(QStringLiteral("31-12-23 99:59:58")));
    clock->clear();
    clock->setCursorPosition(1);
    QTest::keyClicks(clock, QStringLiteral("7"));
    EXPECT_EQ(window.write(), firstRunFile(QStringLiteral(" 7-  -     :  :  ")));

    // Read back into a fresh window, an empty clock comes back empty, a full one full, and gaps stay
    // where they were.
    for (const QString& text : {emptyClock, QStringLiteral("31-12-23 99:59:58"),
                                QStringLiteral("07-12-26 11:15:  "), QStringLiteral(" 7-1 -     : 5:  ")}) {
        StateWindow fresh;
        fresh.lineEdit("clockEdit")->setText(QStringLiteral("010101010101"));
        fresh.read(firstRunFile(text));
        EXPECT_EQ(fresh.lineEdit("clockEdit")->displayText(),
                  QString(text).replace(QLatin1Char(' '), QLatin1Char('_')).replace(8, 1, QLatin1Char(' ')))
            << text.toStdString();
        EXPECT_EQ(fresh.write(), firstRunFile(text));
    }
}

TEST(WindowStateFile, AnyClockLineSettlesAfterOneReadAndWrite) {
    for (const char* line : {"ab12-3x", "99999999999999999999", "1-2-3 4:5:6", "\t", "__-__-__ __:__:__",
                             "0 1 2 3 4 5 6 7", " 1-1 - 1 1 :1 :11"}) {
        StateWindow first;
        first.read(firstRunFile(QString::fromLatin1(line)));
        QByteArray written = first.write();
        StateWindow second;
        second.read(written);
        EXPECT_EQ(second.write(), written) << line;
    }
}

TEST(WindowStateFile, ChangedValuesSurviveAWriteAndARead) {
    StateWindow before;
    before.lineEdit("singleBarcodeEdit")->setText(QStringLiteral("b12W5U5"));
    before.lineEdit("currencyEdit")->setText(QStringLiteral("Zł "));
    before.lineEdit("clerk1Edit")->setText(QStringLiteral("Łucja Żółć"));
    before.lineEdit("spareEdit")->setText(QString());
    before.box("clerkModeCombo")->setCurrentIndex(4);
    before.box("portCombo")->setCurrentIndex(2);
    before.box("baudCombo")->setCurrentIndex(5);
    before.box("stableCountCombo")->setCurrentIndex(0);
    before.lineEdit("clockEdit")->setText(QStringLiteral("070126101112"));
    QByteArray file = before.write();
    // The letters travel as single bytes of code page 1250: ł is B3, Ł A3, Ż AF, ó F3, ć E6.
    EXPECT_TRUE(file.contains("\r\n80\r\nZ\xB3 \r\n"));
    EXPECT_TRUE(file.contains("\r\n70\r\n\xA3ucja \xAF\xF3\xB3\xE6\r\n"));
    EXPECT_TRUE(file.contains("\r\n134\r\n\r\n60002\r\n"));

    StateWindow after;
    after.read(file);
    EXPECT_EQ(textsOf(after), textsOf(before));
    EXPECT_EQ(after.lineEdit("clerk1Edit")->text(), QStringLiteral("Łucja Żółć"));
    // Restored texts show from their start, as untouched fields do.
    EXPECT_EQ(after.lineEdit("clerk1Edit")->cursorPosition(), 0);
    EXPECT_EQ(after.box("clerkModeCombo")->lineEdit()->cursorPosition(), 0);
    EXPECT_EQ(after.box("stableCountCombo")->currentIndex(), 0);
    EXPECT_EQ(after.box("stableCountCombo")->currentText(), QStringLiteral("1"));
    EXPECT_EQ(after.write(), file);
}

TEST(WindowStateFile, TypedComboTextIsKeptWithNoItemSelected) {
    StateWindow before;
    QComboBox* baud = before.box("baudCombo");
    baud->lineEdit()->selectAll();
    QTest::keyClicks(baud, QStringLiteral("300"));
    ASSERT_EQ(baud->currentIndex(), -1);
    QByteArray file = before.write();
    EXPECT_TRUE(file.contains("\r\n132\r\n-1\r\n300\r\n133\r\n"));

    StateWindow after;
    after.read(file);
    EXPECT_EQ(after.box("baudCombo")->currentIndex(), -1);
    EXPECT_EQ(after.box("baudCombo")->currentText(), QStringLiteral("300"));

    // The text wins over the selected item's text, and an item outside the list selects none.
    StateWindow other;
    QByteArray edited = file;
    edited.replace("\r\n132\r\n-1\r\n300\r\n", "\r\n132\r\n4\r\n999\r\n");
    edited.replace("\r\n133\r\n0\r\nCOM1\r\n", "\r\n133\r\n8\r\nCOM9\r\n");
    other.read(edited);
    EXPECT_EQ(other.box("baudCombo")->currentIndex(), 4);
    EXPECT_EQ(other.box("baudCombo")->currentText(), QStringLiteral("999"));
    EXPECT_EQ(other.box("portCombo")->currentIndex(), -1);
    EXPECT_EQ(other.box("portCombo")->currentText(), QStringLiteral("COM9"));
}

struct ForeignFile {
    const char* name;
    QByteArray bytes;
    bool restored; // whether the file's values come through
};

class WindowStateForeign : public ::testing::TestWithParam<ForeignFile> {};

QByteArray changedFile() {
    StateWindow window;
    window.lineEdit("singleBarcodeEdit")->setText(QStringLiteral("changed"));
    window.box("portCombo")->setCurrentIndex(5);
    return window.write();
}

TEST_P(WindowStateForeign, IsReadOnlyUnderTheSameCaptionAndCount) {
    StateWindow window;
    window.read(GetParam().bytes);
    bool restored = window.lineEdit("singleBarcodeEdit")->text() == QStringLiteral("changed");
    EXPECT_EQ(restored, GetParam().restored);
    EXPECT_EQ(window.box("portCombo")->currentText(),
              restored ? QStringLiteral("COM6") : QStringLiteral("COM1"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, WindowStateForeign,
    ::testing::Values(
        ForeignFile{"AsWritten", changedFile(), true},
        ForeignFile{"LineFeedsOnly", QByteArray(changedFile()).replace("\r\n", "\n"), true},
        ForeignFile{"BlanksBeforeNumbers",
                    QByteArray(changedFile()).replace("\r\n145\r\n56\r\n", "\r\n  145\r\n 56\r\n"), true},
        ForeignFile{"OtherCaption", QByteArray(changedFile()).replace("REZ1.63", "REZ1.64"), false},
        ForeignFile{"CaptionWithoutMark", QByteArray(changedFile()).replace(" !DO NOT EDIT!", ""), false},
        ForeignFile{"OtherCount", QByteArray(changedFile()).replace("\r\n145\r\n", "\r\n146\r\n"), false},
        ForeignFile{"CountNotANumber", QByteArray(changedFile()).replace("\r\n145\r\n", "\r\n145x\r\n"),
                    false},
        ForeignFile{"Empty", QByteArray(), false},
        ForeignFile{"CaptionOnly", QByteArray(changedFile()).left(caption.size() + 14), false}),
    testcases::caseName);

struct CutFile {
    const char* name;
    QByteArray bytes;
    QStringList restored; // the kept controls that take the file's value; the others keep theirs
};

class WindowStateCut : public ::testing::TestWithParam<CutFile> {};

// Every kept control of a window changed, so that what a cut file restored can be told apart.
std::unique_ptr<StateWindow> everythingChanged() {
    auto window = std::make_unique<StateWindow>();
    for (const Entry& entry : kEntries) {
        QWidget* control = controlOf(entry, window->lookup());
        if (auto* box = qobject_cast<QComboBox*>(control)) {
            box->setCurrentIndex(1);
            box->setEditText(QStringLiteral("new"));
        } else if (entry.section == Section::Masked) {
            static_cast<QLineEdit*>(control)->setText(QStringLiteral("111111111111"));
        } else {
            static_cast<QLineEdit*>(control)->setText(QStringLiteral("new"));
        }
    }
    return window;
}

QByteArray cutAfter(const QByteArray& marker) {
    QByteArray file = everythingChanged()->write();
    return file.left(file.indexOf(marker) + marker.size());
}

QByteArray replaced(const QByteArray& from, const QByteArray& to) {
    return everythingChanged()->write().replace(from, to);
}

const QStringList editFields{"singleBarcodeEdit", "totalBarcodeEdit", "clerk4Edit",   "clerk3Edit",
                             "clerk2Edit",        "clerk1Edit",       "currencyEdit", "rateEdit",
                             "maxTareEdit",       "spareEdit"};

TEST_P(WindowStateCut, RestoresWhatCameBeforeTheCut) {
    StateWindow window;
    StateWindow design;
    std::unique_ptr<StateWindow> changed = everythingChanged();
    window.read(GetParam().bytes);
    for (const Entry& entry : kEntries) {
        QString name = QString::fromLatin1(entry.name);
        QWidget* control = controlOf(entry, window.lookup());
        QWidget* source =
            controlOf(entry, GetParam().restored.contains(name) ? changed->lookup() : design.lookup());
        if (auto* box = qobject_cast<QComboBox*>(control)) {
            auto* expected = static_cast<QComboBox*>(source);
            EXPECT_EQ(box->currentIndex(), expected->currentIndex()) << entry.name;
            EXPECT_EQ(box->currentText(), expected->currentText()) << entry.name;
        } else {
            EXPECT_EQ(static_cast<QLineEdit*>(control)->displayText(),
                      static_cast<QLineEdit*>(source)->displayText())
                << entry.name;
        }
    }
}

// What comes before currencyEdit's entry, before darknessCombo's, and everything.
const QStringList beforeCurrencyEdit{"singleBarcodeEdit", "totalBarcodeEdit", "clerk4Edit",
                                     "clerk3Edit",        "clerk2Edit",       "clerk1Edit"};
const QStringList beforeDarknessCombo = editFields + QStringList{"scaleBaudCombo", "clerkModeCombo"};
const QStringList allKept =
    beforeDarknessCombo + QStringList{"darknessCombo",    "capacityCombo", "intervalCombo", "priceRoundCombo",
                                      "stableCountCombo", "baudCombo",     "portCombo",     "clockEdit"};

INSTANTIATE_TEST_SUITE_P(
    Files, WindowStateCut,
    ::testing::Values(
        CutFile{"InsideTheComboSection", cutAfter("\r\n71\r\n1\r\nnew\r\n79\r\n"), beforeDarknessCombo},
        CutFile{"InsideAnEditEntry", cutAfter("\r\n80\r\n"), beforeCurrencyEdit},
        CutFile{"WholeFile", everythingChanged()->write(), allKept},
        CutFile{"IndexNotANumber", replaced("\r\n80\r\n", "\r\ncurrencyEdit\r\n"), beforeCurrencyEdit},
        CutFile{"IndexNoComponentHas", replaced("\r\n80\r\n", "\r\n145\r\n"), beforeCurrencyEdit},
        CutFile{"NegativeIndex", replaced("\r\n80\r\n", "\r\n-80\r\n"), beforeCurrencyEdit},
        CutFile{"EndMarkEarly", replaced("\r\n80\r\n", "\r\n60001\r\n"), beforeCurrencyEdit},
        CutFile{"LabelInTheEditSection", replaced("\r\n80\r\n", "\r\n0\r\n"), beforeCurrencyEdit},
        CutFile{"ComboInTheEditSection", replaced("\r\n80\r\n", "\r\n79\r\n"), beforeCurrencyEdit},
        CutFile{"ItemNotANumber", replaced("\r\n79\r\n1\r\n", "\r\n79\r\none\r\n"), beforeDarknessCombo},
        CutFile{"ReportMemoInTheMemoSection",
                replaced("\r\n60002\r\n60001\r\n", "\r\n92\r\n1\r\nline\r\n60002\r\n60001\r\n"), allKept}),
    testcases::caseName);

TEST(WindowStateFile, FileCutBetweenItemAndTextLeavesTheItemSelected) {
    StateWindow window;
    QByteArray file = firstRunFile(emptyClock);
    window.read(file.left(file.indexOf("\r\n109\r\n1\r\n")) + "\r\n109\r\n2\r\n");
    EXPECT_EQ(window.box("capacityCombo")->currentIndex(), 2);
    EXPECT_EQ(window.box("capacityCombo")->currentText(), QStringLiteral("30"));
}

TEST(WindowStateFile, ControlsTheWindowLacksArePassedOver) {
    StateWindow full;
    full.lineEdit("totalBarcodeEdit")->setText(QStringLiteral("kept"));
    full.box("portCombo")->setCurrentIndex(7);
    full.lineEdit("maxTareEdit")->setText(QStringLiteral("7.5"));
    QByteArray file = full.write();

    // Only the connection bar and a few settings, as before every tab exists.
    const QStringList missing{"singleBarcodeEdit", "scaleBaudCombo", "clerkModeCombo", "clockEdit",
                              "stableCountCombo"};
    StateWindow partial(missing);
    partial.read(file);
    EXPECT_EQ(partial.lineEdit("totalBarcodeEdit")->text(), QStringLiteral("kept"));
    EXPECT_EQ(partial.lineEdit("maxTareEdit")->text(), QStringLiteral("7.5"));
    EXPECT_EQ(partial.box("portCombo")->currentText(), QStringLiteral("COM8"));
    QByteArray written = partial.write();
    EXPECT_FALSE(written.contains("\r\n56\r\n"));
    EXPECT_FALSE(written.contains("\r\n72\r\n"));
    EXPECT_TRUE(written.endsWith("\r\nCOM8\r\n60002\r\n60002\r\n60002\r\n60001\r\n"));

    // A control of another kind under a kept name (a spin field named like an edit field) is not kept.
    StateWindow odd({"maxTareEdit"});
    (new SpinEdit(odd.window.get()))->setObjectName(QStringLiteral("maxTareEdit"));
    EXPECT_FALSE(odd.write().contains("\r\n117\r\n"));
}

TEST(WindowStateFile, LineBreaksInATextDoNotSplitTheEntry) {
    StateWindow before;
    before.lineEdit("clerk1Edit")->setText(QStringLiteral("Ann\nBob\rCy"));
    StateWindow after;
    after.read(before.write());
    EXPECT_EQ(after.lineEdit("clerk1Edit")->text(), QStringLiteral("Ann Bob Cy"));
    EXPECT_EQ(after.lineEdit("spareEdit")->text(), QStringLiteral("0"));
    EXPECT_EQ(after.box("portCombo")->currentText(), QStringLiteral("COM1"));
}

TEST(WindowStateFile, FileIsReplacedWholeOrNotAtAll) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString path = folder.filePath(QStringLiteral("scale-utility.CFG"));
    StateWindow window;

    // No file, or an endless one: nothing changes.
    restoreStateFile(path, caption, window.lookup());
    EXPECT_EQ(window.write(), firstRunFile(emptyClock));
    restoreStateFile(QStringLiteral("/dev/zero"), caption, window.lookup());
    EXPECT_EQ(window.write(), firstRunFile(emptyClock));

    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents that are longer than nothing at all");
    old.close();
    window.box("portCombo")->setCurrentIndex(3);
    ASSERT_TRUE(saveStateFile(path, caption, window.lookup()));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), window.write());
    StateWindow next;
    restoreStateFile(path, caption, next.lookup());
    EXPECT_EQ(next.box("portCombo")->currentText(), QStringLiteral("COM4"));

    // A folder that is not there: the write fails, leaving nothing behind.
    QString nowhere = folder.filePath(QStringLiteral("gone/scale-utility.CFG"));
    EXPECT_FALSE(saveStateFile(nowhere, caption, window.lookup()));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"scale-utility.CFG"});

    EXPECT_NULL_DEVICE_WRITTEN_AS_IT_IS(folder.path().toStdString(), [&](const std::string& device) {
        return saveStateFile(QString::fromStdString(device), caption, window.lookup());
    });
}

TEST(WindowStateFile, NameAndFolderFollowTheProgram) {
    EXPECT_EQ(stateFileName(QStringLiteral("/opt/x/bin/scale-utility")), QStringLiteral("scale-utility.CFG"));
    EXPECT_EQ(stateFileName(QStringLiteral("C:/SCALE/UTILITY.EXE")), QStringLiteral("UTILITY.CFG"));
    EXPECT_EQ(stateFileName(QStringLiteral("utility.exe")), QStringLiteral("utility.CFG"));

    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath(QStringLiteral("bin")));
    // Run from a folder of its own: beside the program.
    EXPECT_EQ(dataFolder(root.filePath(QStringLiteral("bin"))), root.filePath(QStringLiteral("bin")));
    // Installed (its desktop entry under the prefix): the user's configuration folder.
    ASSERT_TRUE(root.mkpath(QStringLiteral("share/applications")));
    QFile entry(root.filePath(QStringLiteral("share/applications/scale-utility.desktop")));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.close();
    QString config = dataFolder(root.filePath(QStringLiteral("bin")));
    EXPECT_EQ(config,
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/scale-utility");
    EXPECT_TRUE(QDir(config).exists());
    QStandardPaths::setTestModeEnabled(false);
}

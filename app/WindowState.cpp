#include "app/WindowState.h"

#include "text/BoundedRead.h"
#include "text/CodePage.h"
#include "text/Numbers.h"
#include "text/OutputFile.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <algorithm>
#include <optional>

namespace windowstate {

namespace {

const QString captionMark = QStringLiteral(" !DO NOT EDIT!");

QLineEdit* maskedEdit(QWidget* widget) {
    auto* edit = qobject_cast<QLineEdit*>(widget);
    return edit && !edit->inputMask().isEmpty() ? edit : nullptr;
}

QLineEdit* plainEdit(QWidget* widget) {
    auto* edit = qobject_cast<QLineEdit*>(widget);
    return edit && edit->inputMask().isEmpty() ? edit : nullptr;
}

const Entry* entryAt(int index) {
    for (const Entry& entry : kEntries)
        if (entry.index == index)
            return &entry;
    return nullptr;
}

// The character a masked field shows in a position not filled in (a blank unless the mask names one).
QChar maskBlank(const QLineEdit* edit) {
    QString mask = edit->inputMask();
    qsizetype separator = mask.lastIndexOf(QLatin1Char(';'));
    return separator >= 0 && separator + 1 < mask.size() ? mask.at(separator + 1) : QLatin1Char(' ');
}

// The masked field's text as displayed, literals included and unfilled positions as blanks, whatever
// blank character the field shows while editing (its digit positions take no other blank).
QString displayedText(const QLineEdit* edit) {
    QString text = edit->displayText();
    text.replace(maskBlank(edit), QLatin1Char(' '));
    return text;
}

// Gives the masked field a displayed text position by position: a blank leaves its position unfilled,
// and a character the mask does not take in its position is dropped. (QLineEdit::setText would close
// the gaps, moving "_1" to "1_".)
void setDisplayedText(QLineEdit* edit, const QString& text) {
    edit->clear();
    const QString empty = edit->displayText();
    const QChar blank = maskBlank(edit);
    for (qsizetype i = 0; i < std::min(text.size(), empty.size()); ++i) {
        if (empty.at(i) != blank || text.at(i) == QLatin1Char(' ') || text.at(i) == blank)
            continue;
        edit->setCursorPosition(int(i));
        edit->insert(text.at(i));
    }
}

// A restored text shows from its start, as a field the operator has not touched does: a barcode
// format or clerk name wider than its field would otherwise show only its end.
void showFromStart(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    edit->setCursorPosition(0);
}

class StateWriter {
public:
    void line(const QString& text) {
        bytes += toCp1250Line(text);
        bytes += "\r\n";
    }
    void number(int value) { line(QString::number(value)); }
    QByteArray bytes;
};

// The file's lines one at a time; a line ends at LF, with a CR before it dropped.
class StateReader {
public:
    explicit StateReader(const QByteArray& bytes) : bytes(bytes) {}

    std::optional<QByteArray> line() {
        if (position >= bytes.size())
            return std::nullopt;
        qsizetype end = bytes.indexOf('\n', position);
        if (end < 0)
            end = bytes.size();
        QByteArray text = bytes.mid(position, end - position);
        position = end + 1;
        if (text.endsWith('\r'))
            text.chop(1);
        return text;
    }
    std::optional<QString> text() {
        std::optional<QByteArray> raw = line();
        if (!raw)
            return std::nullopt;
        return fromCp1250(raw->toStdString());
    }
    // A decimal whole number, blanks before it allowed.
    std::optional<int> number() {
        std::optional<QByteArray> raw = line();
        if (!raw)
            return std::nullopt;
        int32_t value = 0;
        int error = 0;
        tryParseInt(QString::fromLatin1(*raw), value, error);
        if (error != 0)
            return std::nullopt;
        return value;
    }

private:
    const QByteArray& bytes;
    qsizetype position = 0;
};

// A selected item whose data holds its English name (the clerk modes) is stored by that name, so
// that the file does not change with the desktop's language; any other text as it stands.
QString storedText(const QComboBox* box) {
    const int index = box->currentIndex();
    const QVariant name = index >= 0 ? box->itemData(index) : QVariant();
    if (name.typeId() == QMetaType::QString && box->currentText() == box->itemText(index))
        return name.toString();
    return box->currentText();
}

// The stored text as the box shows it: an item's English name becomes the item's text.
QString shownText(const QComboBox* box, const QString& stored) {
    const int index = box->currentIndex();
    const QVariant name = index >= 0 ? box->itemData(index) : QVariant();
    return name.typeId() == QMetaType::QString && name.toString() == stored ? box->itemText(index) : stored;
}

// One entry of a section after its index; false when the file ends inside it.
bool readEntry(StateReader& in, QWidget* control, Section section) {
    if (section == Section::Combo) {
        std::optional<int> item = in.number();
        if (!item)
            return false;
        auto* box = static_cast<QComboBox*>(control);
        if (box)
            box->setCurrentIndex(*item >= 0 && *item < box->count() ? *item : -1);
        std::optional<QString> text = in.text();
        if (!text)
            return false;
        // The text wins over the selected item's text; the selection stays.
        if (box && box->lineEdit())
            showFromStart(box->lineEdit(), shownText(box, *text));
        return true;
    }
    std::optional<QString> text = in.text();
    if (!text)
        return false;
    auto* edit = static_cast<QLineEdit*>(control);
    if (edit && section == Section::Masked)
        setDisplayedText(edit, *text);
    else if (edit)
        showFromStart(edit, *text);
    return true;
}

} // namespace

ControlLookup controlsUnder(QWidget* window) {
    return [window](const QString& name) { return window->findChild<QWidget*>(name); };
}

QWidget* controlOf(const Entry& entry, const ControlLookup& find) {
    QWidget* widget = find(QString::fromLatin1(entry.name));
    switch (entry.section) {
    case Section::Edit:
        return plainEdit(widget);
    case Section::Combo:
        return qobject_cast<QComboBox*>(widget);
    case Section::Masked:
        return maskedEdit(widget);
    case Section::Memo:
        break;
    }
    return nullptr;
}

QByteArray writeState(const QString& caption, const ControlLookup& find) {
    StateWriter out;
    out.line(caption + captionMark);
    out.number(kComponentCount);
    for (Section section : {Section::Edit, Section::Combo, Section::Masked, Section::Memo}) {
        for (const Entry& entry : kEntries) {
            QWidget* control = entry.section == section ? controlOf(entry, find) : nullptr;
            if (!control)
                continue;
            out.number(entry.index);
            if (auto* box = qobject_cast<QComboBox*>(control)) {
                out.number(box->currentIndex());
                out.line(storedText(box));
            } else {
                auto* edit = static_cast<QLineEdit*>(control);
                out.line(section == Section::Masked ? displayedText(edit) : edit->text());
            }
        }
        out.number(kSectionEnd);
    }
    out.number(kFileEnd);
    return out.bytes;
}

void readState(const QByteArray& bytes, const QString& caption, const ControlLookup& find) {
    StateReader in(bytes);
    std::optional<QString> first = in.text();
    if (!first || *first != caption + captionMark)
        return;
    std::optional<int> count = in.number();
    if (!count || *count != kComponentCount)
        return;
    for (Section section : {Section::Edit, Section::Combo, Section::Masked, Section::Memo}) {
        for (;;) {
            std::optional<int> index = in.number();
            if (!index)
                return;
            if (*index == kSectionEnd)
                break;
            // The end mark, an index no component has, or a component that the file does not keep
            // in this section (a label, a control of another kind, the report memo) ends the restore.
            const Entry* entry = entryAt(*index);
            if (!entry || entry->section != section)
                return;
            // A kept control that this window lacks still has its lines in the file: they are read
            // and passed over.
            if (!readEntry(in, controlOf(*entry, find), section))
                return;
        }
    }
}

bool saveStateFile(const QString& path, const QString& caption, const ControlLookup& find) {
    return writeOutputFile(path, writeState(caption, find)).isEmpty();
}

void restoreStateFile(const QString& path, const QString& caption, const ControlLookup& find) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // A read that fails part-way gives the bytes before the failure: the restore stops there. A file
    // too large to be a state file restores nothing.
    if (std::optional<QByteArray> bytes = readWholeBounded(file))
        readState(*bytes, caption, find);
}

QString stateFileName(const QString& programFileName) {
    QFileInfo program(programFileName);
    QString suffix = program.suffix();
    QString name = program.fileName();
    if (!suffix.isEmpty())
        name.chop(suffix.size() + 1);
    return name + QStringLiteral(".CFG");
}

} // namespace windowstate

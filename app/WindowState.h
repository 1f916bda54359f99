// The window-state file: the texts of the main window's edit fields, combo boxes and clock field,
// kept from one run to the next.
//
// The file is single-byte text (code page 1250) with CR LF after every line: the caption followed by
// " !DO NOT EDIT!", the number of components (145), then four sections (edit fields, combo boxes,
// masked edits, memos), each a run of entries closed by "60002", and "60001" at the end. An entry
// starts with the control's component index. The indices are fixed by the format (they are the
// positions in the original window's component list), not by how Qt numbers its widgets, so the
// controls are found by name through the table below.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>

class QWidget;

namespace windowstate {

enum class Section { Edit, Combo, Masked, Memo };

struct Entry {
    int index;
    const char* name; // the control's QObject name
    Section section;
};

// Components of the main window in the format, indices 0 to 144.
inline constexpr int kComponentCount = 145;
inline constexpr int kSectionEnd = 60002;
inline constexpr int kFileEnd = 60001;

// Every control the file keeps, in ascending index order. The report memo (index 92) is the window's
// only memo and is never kept, so no entry belongs to the memo section.
inline constexpr std::array<Entry, 20> kEntries{{
    {52, "scaleBaudCombo", Section::Combo},    {56, "singleBarcodeEdit", Section::Edit},
    {57, "totalBarcodeEdit", Section::Edit},   {67, "clerk4Edit", Section::Edit},
    {68, "clerk3Edit", Section::Edit},         {69, "clerk2Edit", Section::Edit},
    {70, "clerk1Edit", Section::Edit},         {71, "clerkModeCombo", Section::Combo},
    {72, "clockEdit", Section::Masked},        {79, "darknessCombo", Section::Combo},
    {80, "currencyEdit", Section::Edit},       {90, "rateEdit", Section::Edit},
    {109, "capacityCombo", Section::Combo},    {112, "intervalCombo", Section::Combo},
    {117, "maxTareEdit", Section::Edit},       {119, "priceRoundCombo", Section::Combo},
    {130, "stableCountCombo", Section::Combo}, {132, "baudCombo", Section::Combo},
    {133, "portCombo", Section::Combo},        {134, "spareEdit", Section::Edit},
}};

// Finds a control of the window by its name; nullptr when the window has none of that name.
using ControlLookup = std::function<QWidget*(const QString& name)>;
// The lookup among the controls of window (its children at any depth).
ControlLookup controlsUnder(QWidget* window);

// The control named by the entry when it exists and is of the entry's kind (a plain line edit for
// the edit section, a combo box, a line edit with an input mask for the masked section).
QWidget* controlOf(const Entry& entry, const ControlLookup& find);

// The file's bytes for the window with this caption. Controls the window lacks are left out.
QByteArray writeState(const QString& caption, const ControlLookup& find);

// Applies a file's bytes to the window. Stops silently, keeping what was applied so far, at a caption
// or component count of another window, at a line that is not a number where one is due, at an index
// that no kept control of the section has, and at the end of the bytes.
void readState(const QByteArray& bytes, const QString& caption, const ControlLookup& find);

// Writes the file through a temporary file that replaces the old one only when complete, so an
// interrupted or failed write leaves the previous file (or none). Returns false on failure; the
// caller ignores it, as nothing but the saved state is lost.
bool saveStateFile(const QString& path, const QString& caption, const ControlLookup& find);
// Reads the file when it exists and can be read; otherwise the window keeps its texts.
void restoreStateFile(const QString& path, const QString& caption, const ControlLookup& find);

// The file's name for a program file name: ".CFG" replaces the extension where the program has one
// ("UTILITY.EXE" gives "UTILITY.CFG") and is appended where it has none ("scale-utility.CFG").
QString stateFileName(const QString& programFileName);

} // namespace windowstate

// The check that every change of a PLU cell's in-place editor passes. It runs on each keystroke, so
// it bounds values from above only: every intermediate text of an entry ("1", "12", "12.") must pass.
#pragma once

#include <QString>

// True when text may stand in the given column (0 to 12) of a PLU row.
bool pluCellAccepted(int column, const QString& text);
// True for the columns that hold decimal numbers (a point or a comma may be typed).
bool isDecimalPluColumn(int column);

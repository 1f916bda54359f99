// Editable combo boxes that behave like the system's: Enter never adds the typed text as an item,
// and the selected index is what code or a pick from the list set. As soon as the operator types in
// the box, the index becomes -1 while the typed text stays (Qt would keep the old index).
#pragma once

class QComboBox;

void makeEditableCombo(QComboBox* box);

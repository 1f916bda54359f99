// A table's column headings drawn in the header's own font when their column is selected. The
// usual look sets a selected column's heading in bold, which the narrow columns of the program's
// tables (BAR, a translated TAX or QUANTITY) have no room for: the heading would be cut off just
// when the operator works in its column. The selected column keeps its highlighted section.
#pragma once

class QHeaderView;

void keepSelectedHeadingsRegular(QHeaderView* header);

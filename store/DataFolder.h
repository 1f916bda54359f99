// Where the utility and scalectl find what the utility keeps for itself: the window-state file and
// the ports/ links.
#pragma once

#include <QString>

// The program's own folder when the program runs from a folder of its own (a build or an unpacked
// copy). An installed program (its desktop entry in ../share/applications, or a folder it cannot
// write) uses the user's configuration folder of the utility instead, ~/.config/scale-utility,
// which is created when missing. scalectl, installed beside the utility, shares that folder.
QString dataFolder(const QString& programFolder);

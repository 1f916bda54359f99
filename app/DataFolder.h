// Where the program keeps what it writes for itself: the window-state file and the ports/ links.
#pragma once

#include <QString>

// The program's own folder when the program runs from a folder of its own (a build or an unpacked
// copy). An installed program (its desktop entry in ../share/applications, or a folder it cannot
// write) uses the user's configuration folder instead, which is created when missing.
QString dataFolder(const QString& programFolder);

// What the data folder depends on that differs between the systems: one source file per system,
// chosen in CMake (DataFolderPosix.cpp, DataFolderWin32.cpp).
#pragma once

#include <QDir>
#include <QString>

// Whether the program in this folder was installed, as opposed to run from a build or an unpacked
// copy: an installed program keeps nothing in its own folder, even where it could write there.
bool installedIn(const QDir& programFolder);
// The user's own folder of the utility (it may not exist yet).
QString userDataFolder();

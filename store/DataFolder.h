// Where the utility and scalectl find what the utility keeps for itself: the window-state file and
// the ports/ links.
#pragma once

#include <QString>

// The program's own folder when the program runs from a folder of its own (a build or an unpacked
// copy). An installed program (see installedIn), or one in a folder it cannot write, uses the
// user's folder of the utility instead (~/.config/scale-utility; %LOCALAPPDATA%\scale-utility on
// Windows), which is created when missing. scalectl, installed beside the utility, shares it.
QString dataFolder(const QString& programFolder);

// The window's sales archive as the user last chose it (an SQLite file or a postgresql:// address,
// which never holds a password) and the chain's site name, kept from one run to the next in
// scale-utility.conf of the data folder (the window-state file's format has no place for them).
struct ArchiveChoice {
    QString location; // empty: the data folder's database
    QString site;
};
ArchiveChoice loadArchiveChoice(const QString& folder);
// False when the file cannot be written.
bool saveArchiveChoice(const QString& folder, const ArchiveChoice& choice);

#include "store/DataFolderPlatform.h"

#include <QStandardPaths>

// The installer leaves its uninstaller beside the programs; an unpacked zip has none.
bool installedIn(const QDir& programFolder) {
    return programFolder.exists(QStringLiteral("uninstall.exe"));
}

// %LOCALAPPDATA%\scale-utility: the database and the port settings belong to this computer, so
// they stay out of a roaming profile. Qt names that folder GenericDataLocation on Windows.
QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/scale-utility");
}

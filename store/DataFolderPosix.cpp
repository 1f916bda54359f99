#include "store/DataFolderPlatform.h"

#include <QStandardPaths>

// The package installs the utility's desktop entry beside its bin/ folder.
bool installedIn(const QDir& programFolder) {
    return programFolder.exists(QStringLiteral("../share/applications/scale-utility.desktop"));
}

// The utility's own configuration folder (AppConfigLocation of "scale-utility"), named outright so
// that scalectl, another application, finds the same one.
QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/scale-utility");
}

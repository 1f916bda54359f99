#include "store/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString dataFolder(const QString& programFolder) {
    QDir folder(programFolder);
    bool installed = folder.exists(QStringLiteral("../share/applications/scale-utility.desktop"));
    if (!installed && QFileInfo(programFolder).isWritable())
        return folder.absolutePath();
    // The utility's own configuration folder (AppConfigLocation of "scale-utility"), named outright
    // so that scalectl, another application, finds the same one.
    QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     QStringLiteral("/scale-utility");
    QDir().mkpath(config);
    return config;
}

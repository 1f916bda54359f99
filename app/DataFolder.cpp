#include "app/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString dataFolder(const QString& programFolder) {
    QDir folder(programFolder);
    bool installed = folder.exists(QStringLiteral("../share/applications/scale-utility.desktop"));
    if (!installed && QFileInfo(programFolder).isWritable())
        return folder.absolutePath();
    QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config;
}

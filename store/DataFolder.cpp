#include "store/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
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

namespace {

QString choiceFile(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("scale-utility.conf"));
}

} // namespace

ArchiveChoice loadArchiveChoice(const QString& folder) {
    const QSettings file(choiceFile(folder), QSettings::IniFormat);
    return {file.value(QStringLiteral("archive/location")).toString(),
            file.value(QStringLiteral("archive/site")).toString()};
}

bool saveArchiveChoice(const QString& folder, const ArchiveChoice& choice) {
    QSettings file(choiceFile(folder), QSettings::IniFormat);
    file.setValue(QStringLiteral("archive/location"), choice.location);
    file.setValue(QStringLiteral("archive/site"), choice.site);
    file.sync();
    return file.status() == QSettings::NoError;
}

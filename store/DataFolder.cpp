#include "store/DataFolder.h"

#include "store/DataFolderPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

QString dataFolder(const QString& programFolder) {
    QDir folder(programFolder);
    if (!installedIn(folder) && QFileInfo(programFolder).isWritable())
        return folder.absolutePath();
    const QString user = userDataFolder();
    QDir().mkpath(user);
    return user;
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

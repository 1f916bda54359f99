#include "text/OutputFile.h"

#include "text/OutputFilePlatform.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A regular file or a new one: the earlier file stays whole until the new one is complete.
QString writeReplacing(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return outputFailure(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return outputFailure(path, why);
    }
    if (!file.commit())
        return outputFailure(path, file.errorString());
    return {};
}

} // namespace

QString writeOutputFile(const QString& path, const QByteArray& bytes, std::ostream& standardOutput) {
    if (path == kStandardOutputName) {
        standardOutput.write(bytes.constData(), bytes.size());
        standardOutput.flush();
        return standardOutput ? QString() : QStringLiteral("standard output: the write failed");
    }
    // A link counts as what it points to.
    QString why;
    switch (pathKind(path, why)) {
    case PathKind::Folder:
        return outputFailure(path, QStringLiteral("is a folder"));
    case PathKind::Other:
        return writeAsItIs(path, bytes);
    case PathKind::Unknown:
        return outputFailure(path, why);
    case PathKind::Missing:
        if (const QString folder = QFileInfo(path).absolutePath(); !QFileInfo(folder).isDir())
            return outputFailure(path, QStringLiteral("the folder %1 does not exist").arg(folder));
        break;
    case PathKind::RegularFile:
        break;
    }
    return writeReplacing(path, bytes);
}

#include "text/OutputFile.h"

#include "text/OutputFileSystem.h"

#include <QFileInfo>

namespace {

QString failure(const QString& path, const QString& why) {
    return path + QStringLiteral(": ") + why;
}

// What a symlink (or a chain of them) points to, also when that does not exist yet.
QString resolved(const QString& path) {
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

// A regular file or a new one: the earlier file stays whole until the new one is complete. Where a
// new file cannot stand in for it (it would lose its owner, group, other names, access list or
// attributes) or the folder takes no new file, the file itself is emptied and written. Empty when
// written, else why not.
QString writeRegular(const QString& path, const QByteArray& bytes, bool exists) {
    QString why;
    switch (outputfile::writeReplacing(path, bytes, why)) {
    case outputfile::Replaced::FolderRefused:
        if (!exists)
            return why;
        [[fallthrough]];
    case outputfile::Replaced::WouldLose:
        return outputfile::writeExisting(path, bytes, outputfile::Existing::Whole);
    case outputfile::Replaced::Done:
    case outputfile::Replaced::Failed:
        break;
    }
    return why;
}

} // namespace

QString writeOutputFile(const QString& path, const QByteArray& bytes, std::ostream& standardOutput) {
    if (path == kStandardOutputName) {
        standardOutput.write(bytes.constData(), bytes.size());
        standardOutput.flush();
        return standardOutput ? QString() : QStringLiteral("standard output: the write failed");
    }
    // What counts is what a symlink points to (stat follows it, also the kernel's own links such as
    // /dev/stdout); a regular file's link stays, its target is written.
    QString why;
    switch (outputfile::lookAt(path, why)) {
    case outputfile::Found::Folder:
        return failure(path, QStringLiteral("is a folder"));
    case outputfile::Found::Other:
        why = outputfile::writeExisting(path, bytes, outputfile::Existing::AsItIs);
        break;
    case outputfile::Found::RegularFile:
        why = writeRegular(resolved(path), bytes, true);
        break;
    case outputfile::Found::Nothing:
        if (!why.isEmpty())
            break;
        const QString target = resolved(path);
        if (const QString folder = QFileInfo(target).absolutePath(); !QFileInfo(folder).isDir())
            return failure(path, QStringLiteral("the folder %1 does not exist").arg(folder));
        why = writeRegular(target, bytes, false);
        break;
    }
    return why.isEmpty() ? QString() : failure(path, why);
}

#include "text/OutputFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString failure(const QString& path, const QString& why) {
    return path + QStringLiteral(": ") + why;
}

// A device or a pipe. Opened without O_CREAT: should it vanish in between, nothing is created in its
// place. O_NOCTTY: a terminal named here must not become the program's controlling terminal.
QString writeAsItIs(const QString& path, const QByteArray& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failure(path, qt_error_string(errno));
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            return failure(path, qt_error_string(error));
        }
        done += n;
    }
    if (::close(fd) != 0 && errno != EINTR)
        return failure(path, qt_error_string(errno));
    return {};
}

// A regular file or a new one: the earlier file stays whole until the new one is complete.
QString writeReplacing(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return failure(path, why);
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return {};
}

} // namespace

QString writeOutputFile(const QString& path, const QByteArray& bytes, std::ostream& standardOutput) {
    if (path == kStandardOutputName) {
        standardOutput.write(bytes.constData(), bytes.size());
        standardOutput.flush();
        return standardOutput ? QString() : QStringLiteral("standard output: the write failed");
    }
    // stat follows a symlink: what counts is what the link points to.
    struct stat target {};
    if (::stat(QFile::encodeName(path).constData(), &target) == 0) {
        if (S_ISDIR(target.st_mode))
            return failure(path, QStringLiteral("is a folder"));
        if (!S_ISREG(target.st_mode))
            return writeAsItIs(path, bytes);
    } else if (errno != ENOENT) {
        return failure(path, qt_error_string(errno));
    } else if (const QString folder = QFileInfo(path).absolutePath(); !QFileInfo(folder).isDir()) {
        return failure(path, QStringLiteral("the folder %1 does not exist").arg(folder));
    }
    return writeReplacing(path, bytes);
}

#include "text/OutputFilePlatform.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PathKind pathKind(const QString& path, QString& why) {
    // stat follows a symlink.
    struct stat target {};
    if (::stat(QFile::encodeName(path).constData(), &target) == 0) {
        if (S_ISDIR(target.st_mode))
            return PathKind::Folder;
        return S_ISREG(target.st_mode) ? PathKind::RegularFile : PathKind::Other;
    }
    if (errno == ENOENT)
        return PathKind::Missing;
    why = qt_error_string(errno);
    return PathKind::Unknown;
}

// Opened without O_CREAT: should it vanish in between, nothing is created in its place. O_NOCTTY: a
// terminal named here must not become the program's controlling terminal.
QString writeAsItIs(const QString& path, const QByteArray& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return outputFailure(path, qt_error_string(errno));
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            return outputFailure(path, qt_error_string(error));
        }
        done += n;
    }
    if (::close(fd) != 0 && errno != EINTR)
        return outputFailure(path, qt_error_string(errno));
    return {};
}

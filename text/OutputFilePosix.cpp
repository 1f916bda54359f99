// The one file writer's calls on Linux: stat, open, rename and the extended attributes.
#include "text/OutputFileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace outputfile {
namespace {

QString errorText(int error) {
    return qt_error_string(error);
}

// Every byte, repeating after a signal or a short write.
bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

// The extended attributes (access lists among them) by name and value; an empty map where the
// file system has none.
using Attributes = std::map<std::string, std::string>;
Attributes attributesOf(int fd) {
    Attributes attributes;
    std::string names(size_t(std::max<ssize_t>(::flistxattr(fd, nullptr, 0), 0)), '\0');
    const ssize_t length = names.empty() ? 0 : ::flistxattr(fd, names.data(), names.size());
    for (size_t at = 0; length > 0 && at < size_t(length); at = names.find('\0', at) + 1) {
        const std::string name = names.c_str() + at;
        std::string value(size_t(std::max<ssize_t>(::fgetxattr(fd, name.c_str(), nullptr, 0), 0)), '\0');
        if (!value.empty())
            value.resize(
                size_t(std::max<ssize_t>(::fgetxattr(fd, name.c_str(), value.data(), value.size()), 0)));
        attributes[name] = value;
    }
    return attributes;
}

// Syncs the folder that holds path, so that a rename in it survives a power cut. A file system
// that cannot sync a folder (EINVAL) keeps its renames by its own means.
QString syncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errorText(errno);
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    return synced ? QString() : errorText(error);
}

// A new file beside path, named path.XXXXXX, created by nobody else. An existing file's temporary
// starts readable by its writer alone and takes the file's mode before any byte is written; a new
// file gets the mode the umask gives.
int createBeside(const QByteArray& path, mode_t mode, QByteArray& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + '.' + QByteArray::number(QRandomGenerator::global()->generate() % 1000000, 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

Found lookAt(const QString& path, QString& error) {
    struct stat target {};
    if (::stat(QFile::encodeName(path).constData(), &target) != 0) {
        if (errno != ENOENT)
            error = errorText(errno);
        return Found::Nothing;
    }
    if (S_ISDIR(target.st_mode))
        return Found::Folder;
    return S_ISREG(target.st_mode) ? Found::RegularFile : Found::Other;
}

// Opened without O_CREAT: should it vanish in between, nothing is created in its place. O_NOCTTY:
// a terminal named here must not become the program's controlling terminal.
QString writeExisting(const QString& path, const QByteArray& bytes, Existing how) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errorText(errno);
    const bool whole = how == Existing::Whole;
    bool written = (!whole || ::ftruncate(fd, 0) == 0) && writeAll(fd, bytes) && (!whole || ::fsync(fd) == 0);
    int error = errno;
    if (::close(fd) != 0 && errno != EINTR && written) {
        written = false;
        error = errno;
    }
    return written ? QString() : errorText(error);
}

Replaced writeReplacing(const QString& path, const QByteArray& bytes, QString& error) {
    const QByteArray target = QFile::encodeName(path);
    struct stat earlier {};
    const bool exists = ::stat(target.constData(), &earlier) == 0;
    // A file its writer may not write is refused, as a shell's `>` refuses it: a rename would not ask.
    if (exists && ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0) {
        error = errorText(errno);
        return Replaced::Failed;
    }
    if (exists && earlier.st_nlink > 1)
        return Replaced::WouldLose;
    QByteArray temporary;
    const int fd = createBeside(target, exists ? S_IRUSR | S_IWUSR : 0666, temporary);
    if (fd < 0) {
        error = errorText(errno);
        return errno == EACCES || errno == EPERM || errno == EROFS ? Replaced::FolderRefused
                                                                   : Replaced::Failed;
    }
    const auto abandon = [&](Replaced outcome) {
        error = outcome == Replaced::Failed ? errorText(errno) : QString();
        ::close(fd);
        ::unlink(temporary.constData());
        return outcome;
    };
    if (exists) {
        // The new file is judged as the system made it: a folder's set-group-ID bit or default
        // access list shows here, whoever the writer is.
        struct stat fresh {};
        if (::fstat(fd, &fresh) != 0)
            return abandon(Replaced::Failed);
        if (fresh.st_uid != earlier.st_uid || fresh.st_gid != earlier.st_gid)
            return abandon(Replaced::WouldLose);
        // A file this writer may not read is written in place: what it holds cannot be compared.
        const int earlierFd = ::open(target.constData(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
        const bool sameAttributes = earlierFd >= 0 && attributesOf(earlierFd) == attributesOf(fd);
        if (earlierFd >= 0)
            ::close(earlierFd);
        if (!sameAttributes)
            return abandon(Replaced::WouldLose);
        if (::fchmod(fd, earlier.st_mode & 07777) != 0)
            return abandon(Replaced::Failed);
    }
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        return abandon(Replaced::Failed);
    if (::close(fd) != 0 || ::rename(temporary.constData(), target.constData()) != 0) {
        error = errorText(errno);
        ::unlink(temporary.constData());
        return Replaced::Failed;
    }
    error = syncFolderOf(path);
    return error.isEmpty() ? Replaced::Done : Replaced::Failed;
}

} // namespace outputfile

#include "sim/OutputFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool fail(std::string& reason, const std::string& path, const std::string& why) {
    reason = path + ": " + why;
    return false;
}

bool writeAll(int fd, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

// A device or a pipe. No O_CREAT: should it vanish in between, nothing is created in its place.
bool writeAsItIs(const std::string& path, const std::string& bytes, std::string& reason) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return fail(reason, path, std::strerror(errno));
    const bool written = writeAll(fd, bytes);
    const int error = errno;
    ::close(fd);
    return written || fail(reason, path, std::strerror(error));
}

// The temporary file is created exclusively under a name of its own beside the file, so that nothing
// planted there (a symlink to another file) is followed.
bool writeReplacing(const std::string& path, const std::string& bytes, Durability durability,
                    std::string& reason) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return fail(reason, path, std::string("cannot create a file beside it: ") + std::strerror(errno));
    const bool written = writeAll(fd, bytes) && (durability == Durability::Buffered || fsync(fd) == 0);
    const int error = errno;
    ::close(fd);
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int failure = written ? errno : error;
        std::remove(temporary.c_str());
        return fail(reason, path, std::strerror(failure));
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Where a symlink (or a chain of them) leads, also when its end does not exist yet; path itself when
// it is no symlink.
std::string followLinks(std::string path) {
    char target[PATH_MAX];
    for (int hop = 0; hop < 40; ++hop) {
        const ssize_t n = readlink(path.c_str(), target, sizeof target);
        if (n <= 0 || size_t(n) >= sizeof target)
            break;
        const std::string next(target, size_t(n));
        path = next[0] == '/' ? next : folderOf(path) + "/" + next;
    }
    return path;
}

} // namespace

bool writeOutputFile(const std::string& path, const std::string& bytes, Durability durability,
                     std::string& reason) {
    // What counts is what a symlink points to: that file is replaced, and the link stays.
    const std::string file = followLinks(path);
    struct stat target {};
    if (::stat(file.c_str(), &target) == 0) {
        if (S_ISDIR(target.st_mode))
            return fail(reason, path, "is a folder");
        if (!S_ISREG(target.st_mode))
            return writeAsItIs(path, bytes, reason);
    } else if (errno != ENOENT) {
        return fail(reason, path, std::strerror(errno));
    } else if (struct stat folder{};
               ::stat(folderOf(file).c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
        return fail(reason, path, "the folder " + folderOf(file) + " does not exist");
    }
    return writeReplacing(file, bytes, durability, reason);
}

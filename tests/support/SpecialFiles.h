// Device nodes, named pipes and sockets made in a test's own folder (never the system's /dev), for
// the tests that check that a writer writes them as they are instead of putting a file in their place.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace specialfiles {

// What is at path, not following a symlink: 'c' a character device, 'p' a named pipe, 's' a socket,
// 'f' a regular file, 'd' a folder, 'l' a symlink, '-' nothing.
inline char kindOf(const std::string& path) {
    struct stat s {};
    if (lstat(path.c_str(), &s) != 0)
        return '-';
    if (S_ISCHR(s.st_mode))
        return 'c';
    if (S_ISFIFO(s.st_mode))
        return 'p';
    if (S_ISSOCK(s.st_mode))
        return 's';
    if (S_ISLNK(s.st_mode))
        return 'l';
    return S_ISDIR(s.st_mode) ? 'd' : 'f';
}

// A null device (c 1 3) at path. Making one needs root (CAP_MKNOD); the tests run as root, but a
// container may not grant it.
inline bool makeNullDevice(const std::string& path) {
    return mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

// A unix socket bound at path; the descriptor, -1 when it could not be made. The caller closes it.
inline int bindSocket(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return -1;
    path.copy(address.sun_path, path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// A named pipe at path with a reader on a thread of its own, which collects everything written into
// the pipe until the last writer closes it. The reader's end is opened at once (without waiting for a
// writer), and the test holds a write end itself until bytes() is called: the reader sees no end of
// the pipe before the writer under test is done, and still ends when that writer never opened the
// pipe (a writer that replaced it instead).
class PipeReader {
public:
    explicit PipeReader(const std::string& path) {
        const int fd =
            mkfifo(path.c_str(), 0600) == 0 ? open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1;
        keeper = fd >= 0 ? open(path.c_str(), O_WRONLY | O_CLOEXEC) : -1;
        if (keeper < 0) {
            if (fd >= 0)
                close(fd);
            return;
        }
        fcntl(fd, F_SETFL, 0); // the reader waits for the bytes
        reader = std::thread([this, fd] {
            char chunk[4096];
            for (ssize_t n; (n = read(fd, chunk, sizeof chunk)) > 0;)
                collected.append(chunk, size_t(n));
            close(fd);
        });
    }
    ~PipeReader() { bytes(); }
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;

    bool ready() const { return keeper >= 0; }
    // Everything read, once every writer has closed the pipe.
    const std::string& bytes() {
        if (keeper >= 0) {
            close(keeper);
            keeper = -1;
        }
        if (reader.joinable())
            reader.join();
        return collected;
    }

private:
    int keeper = -1;
    std::thread reader;
    std::string collected;
};

} // namespace specialfiles

// Skips the test, saying why, when the system does not let it make a device node.
#define MAKE_NULL_DEVICE_OR_SKIP(path)                                                                       \
    if (!specialfiles::makeNullDevice(path))                                                                 \
    GTEST_SKIP() << "cannot make a device node with mknod here (needs root with CAP_MKNOD): " << (path)

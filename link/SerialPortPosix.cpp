// POSIX device backend of SerialPort: termios2 for any baud rate, TIOCEXCL plus flock for exclusive use,
// poll() for the per-byte time-out. A pseudo-terminal is accepted as a port (ioctls that a pty does
// not support, such as the modem lines, are tolerated).
#include "link/DevicePort.h"
#include "link/SerialPort.h"

#include <asm/termbits.h>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <poll.h>
#include <set>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::mutex folderMutex;
std::string linkFolder;

// The failures after which the device is not coming back on this descriptor: an unplugged adapter
// (EIO, ENXIO, ENODEV), an emulator that ended (EIO on a pty whose other side closed), a descriptor
// that went bad.
bool deviceGone(int error) {
    return error == EIO || error == ENXIO || error == ENODEV || error == EBADF || error == EPIPE;
}

// What a hang-up (end of file, POLLHUP) is called when it ends the port.
constexpr const char* kHangUp = "the line hung up";

std::string executableFolder() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return ".";
    std::string path(buf, static_cast<size_t>(n));
    auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

} // namespace

void setPortLinkFolder(const std::string& folder) {
    std::lock_guard lock(folderMutex);
    linkFolder = folder;
}

std::string portLinkFolder() {
    std::lock_guard lock(folderMutex);
    if (linkFolder.empty())
        linkFolder = executableFolder();
    return linkFolder;
}

std::string resolvePortName(int number) {
    std::string link = portLinkFolder() + "/ports/COM" + std::to_string(number);
    // The link counts even when its target has gone (an unplugged adapter): the open then fails at
    // once, instead of quietly trying the built-in port of the same number.
    struct stat info {};
    if (lstat(link.c_str(), &info) == 0)
        return link;
    return "/dev/ttyS" + std::to_string(static_cast<int>(number) - 1);
}

std::vector<std::string> systemSerialPorts() {
    std::set<std::string> adapters; // sorted, for a stable order
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("/dev", error)) {
        std::string name = entry.path().filename().string();
        if (name.rfind("ttyUSB", 0) == 0 || name.rfind("ttyACM", 0) == 0)
            adapters.insert(entry.path().string());
    }
    for (const fs::directory_entry& entry : fs::directory_iterator("/dev/serial/by-id", error))
        adapters.insert(entry.path().string());
    return {adapters.begin(), adapters.end()};
}

void DevicePort::releaseHandle() {
    if (handle >= 0) {
        // What was written last (the acknowledgement of the last reply, typically, when a command
        // line run ends right after it) is still in the output queue at a low baud rate: let it leave
        // before the device goes. A stalled or vanished adapter never drains, so the wait is bounded
        // and only then is the rest dropped, so that close does not hang on it. A drain that finished
        // must not be followed by a flush: on a pseudo-terminal (and some USB adapters) the bytes
        // already handed on still sit where the flush reaches, and the other side would never read
        // them.
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
        int queued = 0;
        bool stalled = false;
        while (ioctl(handle, TIOCOUTQ, &queued) == 0 && queued > 0) {
            if (std::chrono::steady_clock::now() >= deadline) {
                stalled = true;
                break;
            }
            usleep(2000);
        }
        if (stalled)
            ioctl(handle, TCFLSH, TCOFLUSH);
        ::close(handle);
        handle = -1;
    }
}

bool DevicePort::open(const std::string& path, int32_t baud, int wait) {
    waitMs = wait;
    devicePath = path;
    auto fail = [this](const std::string& what) {
        errorText = what + ": " + std::strerror(errno);
        return false;
    };

    handle = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return fail(path);
    // Exclusive use: TIOCEXCL keeps other openers out (root excepted), the lock keeps out another
    // program of ours even when it runs as root.
    if (ioctl(handle, TIOCEXCL) != 0 && errno != ENOTTY)
        return fail("TIOCEXCL");
    if (flock(handle, LOCK_EX | LOCK_NB) != 0)
        return fail(path + " is in use");

    struct termios2 tio {};
    if (ioctl(handle, TCGETS2, &tio) != 0)
        return fail("TCGETS2");
    if (baud <= 0) {
        errno = EINVAL;
        return fail("baud rate");
    }
    // Raw 8N1, receiver on, modem lines ignored, no flow control of any kind.
    tio.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON |
                                          IXOFF | IXANY | INPCK);
    tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS | CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= CS8 | CREAD | CLOCAL | BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = static_cast<speed_t>(baud);
    tio.c_ospeed = static_cast<speed_t>(baud);
    // VMIN 1 makes an empty queue read as EAGAIN on the non-blocking descriptor, so that a read of
    // 0 bytes can only mean a hang-up.
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (ioctl(handle, TCSETS2, &tio) != 0)
        return fail("TCSETS2");
    // The device raises DTR and RTS when it is opened; RTS stays low on this line (no hardware
    // handshake), DTR is raised on purpose by the link after the open. A pseudo-terminal has no modem
    // lines and refuses the call, which does not matter.
    int rts = TIOCM_RTS;
    ioctl(handle, TIOCMBIC, &rts);
    struct termios2 back {};
    if (ioctl(handle, TCGETS2, &back) != 0)
        return fail("TCGETS2");
    // A driver may round or refuse an unusual rate; accept it only as asked (2 % tolerance).
    long got = static_cast<long>(back.c_ospeed);
    if (got <= 0 || std::labs(got - baud) * 50 > baud) {
        errno = EINVAL;
        return fail("baud rate " + std::to_string(baud) + " not taken");
    }
    return true;
}

bool DevicePort::writeOne(uint8_t b) {
    for (;;) {
        ssize_t n = ::write(handle, &b, 1);
        if (n == 1)
            return true;
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            if (deviceGone(errno))
                markLost(std::strerror(errno));
            else
                errorText = std::string("write: ") + std::strerror(errno);
            return false;
        }
        // The output queue is full: wait until it takes a byte, but never forever.
        pollfd p{handle, POLLOUT, 0};
        const int r = poll(&p, 1, waitMs);
        if (r > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL)))
            markLost(kHangUp);
        if (r <= 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL)))
            return false;
    }
}

void DevicePort::writeBlock(const uint8_t* block, int n) {
    int done = 0;
    // One write in the normal case; a non-blocking descriptor may take a long frame in parts.
    while (handle >= 0 && done < n) {
        ssize_t w = ::write(handle, block + done, static_cast<size_t>(n - done));
        if (w > 0) {
            done += static_cast<int>(w);
            continue;
        }
        if (w < 0 && errno != EAGAIN && errno != EINTR) {
            if (deviceGone(errno))
                markLost(std::strerror(errno));
            return;
        }
        pollfd p{handle, POLLOUT, 0};
        const int r = poll(&p, 1, waitMs);
        if (r > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL)))
            markLost(kHangUp);
        if (r <= 0 || (p.revents & (POLLERR | POLLHUP | POLLNVAL)))
            return;
    }
}

bool DevicePort::readOne(uint8_t& b) {
    // Bytes already received are taken without waiting; poll() only when the queue is empty.
    for (bool hungUp = false;;) {
        ssize_t n = ::read(handle, &b, 1);
        if (n == 1)
            return true;
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
            // End of file or a hard error: the device is gone, fail now instead of waiting.
            if (n == 0)
                markLost(kHangUp);
            else if (deviceGone(errno))
                markLost(std::strerror(errno));
            else
                errorText = std::string("read: ") + std::strerror(errno);
            return false;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (hungUp) {
            // poll() said the line hung up and still nothing can be read.
            markLost(kHangUp);
            return false;
        }
        pollfd p{handle, POLLIN, 0};
        int r = poll(&p, 1, waitMs);
        if (r < 0 && errno == EINTR)
            continue;
        if (r == 0) {
            // Silence. A removed adapter may leave the descriptor silent rather than failing it; its
            // device (or the link to it) has gone from the file system then.
            struct stat info {};
            if (stat(devicePath.c_str(), &info) != 0 &&
                (errno == ENOENT || errno == ENODEV || errno == ENXIO))
                markLost(std::strerror(ENODEV));
            return false;
        }
        if (r < 0)
            return false;
        // A hang-up or an error: one more read tells which, and takes a byte still queued.
        hungUp = (p.revents & (POLLERR | POLLNVAL | POLLHUP)) && !(p.revents & POLLIN);
    }
}

void DevicePort::purgeInput() {
    if (handle >= 0)
        ioctl(handle, TCFLSH, TCIFLUSH);
}

void DevicePort::raiseDtr() {
    if (handle < 0)
        return;
    int bits = TIOCM_DTR;
    // A pseudo-terminal has no modem lines and answers ENOTTY; that is not a failure here.
    ioctl(handle, TIOCMBIS, &bits);
}

std::unique_ptr<PortBackend> makeDeviceBackend() {
    return std::make_unique<DevicePort>();
}

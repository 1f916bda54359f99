// The line on Linux: a pseudo-terminal of our own whose slave is linked at --link, or a serial device
// (a null-modem cable to the PC) opened by its path with --port. A pipe wakes the waiting server.
#include "sim/LineBaud.h"
#include "sim/ScaleLine.h"
#include "sim/ScaleSim.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

struct ScaleLine::System {
    int device = -1;      // the pty master, or the serial device
    int slaveKeeper = -1; // pty only
    int wakeRead = -1;
    int wakeWrite = -1;
    std::string devicePath;
    std::string linkPath; // set while the link is ours
    bool failed = false;

    bool fail(std::string& error, const std::string& what) {
        error = what + ": " + std::strerror(errno);
        return false;
    }
    bool openPty(const std::string& link, std::string& error);
    bool openPort(const std::string& path, int baud, std::string& error);
    void removeLink();
};

bool ScaleLine::System::openPty(const std::string& link, std::string& error) {
    device = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (device < 0 || grantpt(device) != 0 || unlockpt(device) != 0)
        return fail(error, "cannot create a pseudo-terminal");
    char name[256];
    if (ptsname_r(device, name, sizeof name) != 0)
        return fail(error, "cannot name the pseudo-terminal");
    devicePath = name;
    // Holding the slave open ourselves keeps the master from seeing a hang-up while the PC closes
    // and reopens the port.
    slaveKeeper = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveKeeper < 0)
        return fail(error, "cannot open " + devicePath);
    termios raw{};
    tcgetattr(slaveKeeper, &raw);
    cfmakeraw(&raw);
    tcsetattr(slaveKeeper, TCSANOW, &raw);
    fcntl(device, F_SETFL, fcntl(device, F_GETFL) | O_NONBLOCK);
    if (link.empty())
        return true; // an in-process scale, reached by devicePath()

    std::error_code problem;
    fs::path at(link);
    if (at.has_parent_path())
        fs::create_directories(at.parent_path(), problem);
    if (fs::is_symlink(at, problem))
        fs::remove(at, problem);
    fs::create_symlink(devicePath, at, problem);
    if (problem) {
        error = "cannot link " + link + ": " + problem.message();
        return false;
    }
    linkPath = link;
    return true;
}

bool ScaleLine::System::openPort(const std::string& path, int baud, std::string& error) {
    devicePath = path;
    device = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (device < 0)
        return fail(error, "cannot open " + path);
    termios raw{};
    if (tcgetattr(device, &raw) != 0)
        return fail(error, path + " is no serial port");
    cfmakeraw(&raw);
    raw.c_cflag |= CLOCAL | CREAD;
    raw.c_cflag &= ~CRTSCTS;
    if (tcsetattr(device, TCSANOW, &raw) != 0 || (baud > 0 && !setLineBaud(device, baud)))
        return fail(error, "cannot set the line of " + path);
    tcflush(device, TCIOFLUSH);
    return true;
}

void ScaleLine::System::removeLink() {
    std::error_code ignored;
    if (!linkPath.empty() && fs::is_symlink(linkPath, ignored) &&
        fs::read_symlink(linkPath, ignored) == devicePath)
        fs::remove(linkPath, ignored);
    linkPath.clear();
}

ScaleLine::ScaleLine() : system(std::make_unique<System>()) {}

ScaleLine::~ScaleLine() {
    close();
    for (int fd : {system->wakeRead, system->wakeWrite})
        if (fd >= 0)
            ::close(fd);
}

bool ScaleLine::open(const SimOptions& options, std::string& error) {
    System& s = *system;
    // The wake-up pipe lives as long as the line: a stop may still knock after the device has gone.
    if (s.wakeRead < 0) {
        int wake[2];
        if (pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0)
            return s.fail(error, "cannot create a pipe");
        s.wakeRead = wake[0];
        s.wakeWrite = wake[1];
    }
    s.failed = false;
    bool opened = options.portName.empty() ? s.openPty(options.linkPath, error)
                                           : s.openPort(options.portName, options.baud, error);
    if (!opened)
        close();
    return opened;
}

bool ScaleLine::wait(bool wantInput, bool wantOutput, std::optional<Clock::time_point> until) {
    System& s = *system;
    short events = static_cast<short>((wantInput ? POLLIN : 0) | (wantOutput ? POLLOUT : 0));
    pollfd fds[2] = {{s.wakeRead, POLLIN, 0}, {s.device, events, 0}};
    timespec timeout{};
    if (until) {
        auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::max(*until - Clock::now(), Clock::duration{}));
        timeout.tv_sec = static_cast<time_t>(wait.count() / 1'000'000'000);
        timeout.tv_nsec = static_cast<long>(wait.count() % 1'000'000'000);
    }
    if (ppoll(fds, 2, until ? &timeout : nullptr, nullptr) < 0 && errno != EINTR)
        return false;
    uint8_t drained[64];
    while (::read(s.wakeRead, drained, sizeof drained) > 0) {
    }
    // A serial device that hung up (a USB adapter pulled out) answers every poll at once from now on.
    if (fds[1].revents & (POLLHUP | POLLERR | POLLNVAL))
        s.failed = true;
    return !s.failed;
}

size_t ScaleLine::read(uint8_t* bytes, size_t size) {
    for (;;) {
        ssize_t n = ::read(system->device, bytes, size);
        if (n >= 0 || errno != EINTR)
            return n > 0 ? static_cast<size_t>(n) : 0;
    }
}

size_t ScaleLine::write(const uint8_t* bytes, size_t count) {
    for (;;) {
        ssize_t n = ::write(system->device, bytes, count);
        if (n >= 0)
            return static_cast<size_t>(n);
        if (errno != EINTR)
            return 0;
    }
}

void ScaleLine::wake() {
    uint8_t wake = 1;
    if (::write(system->wakeWrite, &wake, 1) < 0 && errno != EAGAIN)
        std::fprintf(stderr, "scale-sim: cannot wake the server: %s\n", std::strerror(errno));
}

int ScaleLine::baud() const {
    return lineBaud(system->device);
}

void ScaleLine::withdraw(const std::atomic<bool>& stopping) {
    System& s = *system;
    // A closed master throws away what the slave has not read yet. The pty hands written bytes to the
    // slave's queue a moment later, so the queue is only looked at after that moment. A serial device
    // sends what it holds on its own.
    auto deadline = Clock::now() + std::chrono::milliseconds(500);
    int unread = 0;
    if (s.slaveKeeper >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        while (!stopping && Clock::now() < deadline && ioctl(s.slaveKeeper, FIONREAD, &unread) == 0 &&
               unread > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    } else {
        while (!stopping && Clock::now() < deadline && ioctl(s.device, TIOCOUTQ, &unread) == 0 && unread > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    s.removeLink();
}

void ScaleLine::close() {
    System& s = *system;
    for (int* fd : {&s.device, &s.slaveKeeper}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    s.removeLink();
}

std::string ScaleLine::devicePath() const {
    return system->devicePath;
}

const char* ScaleLine::usageText() {
    return "--link PATH | --port DEVICE";
}

std::string ScaleLine::linkRefusal() {
    return {};
}

std::string ScaleLine::portRefusal(const std::string& name) {
    return name.empty() ? "--port needs a device path" : std::string();
}

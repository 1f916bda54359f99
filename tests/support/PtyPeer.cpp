#include "tests/support/PtyPeer.h"

#include "link/SerialPort.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <stdexcept>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

PtyPeer::PtyPeer(int number) {
    master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        throw std::runtime_error("cannot create a pseudo-terminal");
    slave = ptsname(master);
    slaveKeeper = ::open(slave.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    tcgetattr(slaveKeeper, &raw);
    cfmakeraw(&raw);
    tcsetattr(slaveKeeper, TCSANOW, &raw);

    char tmpl[] = "/tmp/scale-pty-XXXXXX";
    if (!mkdtemp(tmpl))
        throw std::runtime_error("cannot create a temporary folder");
    dir = tmpl;
    std::filesystem::create_directories(dir + "/ports");
    std::filesystem::create_symlink(slave, dir + "/ports/COM" + std::to_string(number));
    setPortLinkFolder(dir);
}

PtyPeer::~PtyPeer() {
    if (master >= 0)
        ::close(master);
    if (slaveKeeper >= 0)
        ::close(slaveKeeper);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

std::vector<uint8_t> PtyPeer::read(std::chrono::milliseconds wait, size_t max) {
    std::vector<uint8_t> got;
    int timeout = static_cast<int>(wait.count());
    while (got.size() < max) {
        pollfd p{master, POLLIN, 0};
        if (poll(&p, 1, timeout) <= 0 || !(p.revents & POLLIN))
            break;
        uint8_t buf[512];
        ssize_t n = ::read(master, buf, std::min(sizeof buf, max - got.size()));
        if (n <= 0)
            break;
        got.insert(got.end(), buf, buf + n);
        timeout = 20; // the rest of a burst follows at once
    }
    return got;
}

std::vector<uint8_t> PtyPeer::readExactly(size_t n, std::chrono::milliseconds wait) {
    std::vector<uint8_t> got;
    while (got.size() < n) {
        pollfd p{master, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(wait.count())) <= 0 || !(p.revents & POLLIN))
            break;
        uint8_t b;
        if (::read(master, &b, 1) != 1)
            break;
        got.push_back(b);
    }
    return got;
}

void PtyPeer::write(const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(master, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw std::runtime_error("pty write failed");
        done += static_cast<size_t>(n);
    }
}

void PtyPeer::vanish() {
    if (slaveKeeper >= 0)
        ::close(slaveKeeper);
    slaveKeeper = -1;
    if (master >= 0)
        ::close(master);
    master = -1;
}

std::vector<uint8_t> hexBytes(const std::string& hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
        i += 2;
    }
    return bytes;
}

std::string toHex(const std::vector<uint8_t>& bytes) {
    std::string text;
    char buf[4];
    for (uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", b);
        if (!text.empty())
            text += ' ';
        text += buf;
    }
    return text;
}

#include "tests/support/SimHarness.h"

#include "link/FrameLink.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

SimOptions linkedAt(SimOptions options, const std::string& link) {
    options.linkPath = link;
    return options;
}

} // namespace

std::string SimHarness::makeFolder() {
    char pattern[] = "/tmp/scale-sim-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("cannot create a temporary folder");
    return pattern;
}

SimHarness::SimHarness(SimOptions options)
    : dir(makeFolder()), scale(linkedAt(std::move(options), dir + "/ports/COM1")) {
    setPortLinkFolder(dir);
    if (!scale.start()) {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
        throw std::runtime_error("the emulated scale did not start: " + scale.error());
    }
}

SimHarness::~SimHarness() {
    scale.stop();
    theLink.close();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

bool SimHarness::lastReplyAcknowledged(std::chrono::milliseconds wait) {
    auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        auto outcomes = scale.replyOutcomes();
        if (!scale.replyAwaitingAnswer() && !outcomes.empty())
            return outcomes.back().acknowledged;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

RawLine::RawLine(const std::string& path) {
    fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("cannot open " + path + ": " + std::strerror(errno));
    termios raw{};
    tcgetattr(fd, &raw);
    cfmakeraw(&raw);
    tcsetattr(fd, TCSANOW, &raw);
    tcflush(fd, TCIOFLUSH);
}

RawLine::~RawLine() {
    ::close(fd);
}

void RawLine::write(const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw std::runtime_error("write to the scale failed");
        done += static_cast<size_t>(n);
    }
}

std::vector<uint8_t> RawLine::read(size_t count, std::chrono::milliseconds quiet) {
    std::vector<uint8_t> got;
    uint8_t buffer[4096];
    while (got.size() < count && !gone) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(quiet.count())) <= 0)
            break;
        ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, count - got.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            gone = true;
            break;
        }
        got.insert(got.end(), buffer, buffer + n);
    }
    return got;
}

std::vector<uint8_t> RawLine::drain(std::chrono::milliseconds quiet) {
    return read(SIZE_MAX, quiet);
}

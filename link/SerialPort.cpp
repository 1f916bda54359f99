// The part of SerialPort that is the same for every backend: the choice of backend, the open/close
// bookkeeping and the sticky read failure.
#include "link/SerialPort.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace {
constexpr std::string_view kSocketScheme = "socket://";
constexpr std::string_view kRfc2217Scheme = "rfc2217://";

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}
} // namespace

std::unique_ptr<PortBackend> makePortBackend(const std::string& name) {
    if (startsWith(name, kSocketScheme))
        return makeSocketBackend();
    if (startsWith(name, kRfc2217Scheme))
        return makeRfc2217Backend();
    return makeDeviceBackend();
}

bool isPortPath(const std::string& name) {
    return startsWith(name, "/") || startsWith(name, kSocketScheme) || startsWith(name, kRfc2217Scheme);
}

std::optional<int> comPortNumber(const std::string& name) {
    if (!startsWith(name, "COM") || name.size() == 3)
        return std::nullopt;
    unsigned value = 0;
    const char* end = name.data() + name.size();
    auto [at, error] = std::from_chars(name.data() + 3, end, value);
    if (error != std::errc() || at != end || value > 256)
        return std::nullopt;
    return static_cast<int>(value);
}

SerialPort::~SerialPort() = default;

bool SerialPort::openPort(int number, int32_t baud) {
    return openDevice(resolvePortName(number), baud);
}

bool SerialPort::openDevice(const std::string& path, int32_t baud) {
    readFailed = false;
    // Opening again never leaks the device held from an earlier open.
    backend.reset();
    backend = makePortBackend(path);
    // The per-byte wait is fixed here; a later change of timeoutTicks waits for the next open, as the
    // device's own time-out would.
    int waitMs = static_cast<int>(std::clamp<int64_t>(int64_t{timeoutTicks} * 55, 0, INT_MAX));
    isOpen = backend->open(path, baud, waitMs);
    return isOpen;
}

void SerialPort::closePort() {
    backend.reset();
    isOpen = false;
}

bool SerialPort::writeByte(uint8_t b) {
    return isOpen && !portLost() && backend->writeOne(b);
}

void SerialPort::writeBlock(const uint8_t* block, int n) {
    if (backend && !portLost())
        backend->writeBlock(block, n);
}

uint8_t SerialPort::readByte() {
    if (!isOpen || portLost())
        readFailed = true;
    if (readFailed)
        return 0;
    uint8_t b = 0;
    if (!backend->readOne(b))
        readFailed = true;
    return b;
}

void SerialPort::purgeInput() {
    if (backend && !portLost())
        backend->purgeInput();
}

void SerialPort::raiseDtr() {
    if (backend)
        backend->raiseDtr();
}

const std::string& SerialPort::lastError() const {
    static const std::string none;
    return backend ? backend->error() : none;
}

bool SerialPort::portLost() const {
    return backend && backend->lost();
}

const std::string& SerialPort::lossReason() const {
    static const std::string none;
    return backend ? backend->lossReason() : none;
}

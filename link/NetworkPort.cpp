#include "link/NetworkPort.h"

#include <thread>

namespace {
// Big enough to take a whole reply frame (or a ser2net buffer) in one receive.
constexpr size_t kReceiveBatch = 4096;
// How long the last bytes sent get to leave the device server for the scale before the connection
// ends: a server may drop what it still holds for the device when its client goes (ser2net does), and
// the last acknowledgement of a run must not be lost that way. A byte takes 8 ms at 1200 baud.
constexpr auto kLastBytesTime = std::chrono::milliseconds(100);
} // namespace

NetworkPort::~NetworkPort() {
    std::this_thread::sleep_until(lastSent + kLastBytesTime);
}

bool splitNetworkAddress(const std::string& name, std::string& host, std::string& service) {
    size_t scheme = name.find("://");
    if (scheme == std::string::npos)
        return false;
    std::string address = name.substr(scheme + 3);
    size_t colon;
    if (!address.empty() && address[0] == '[') {
        size_t close = address.find(']');
        if (close == std::string::npos || close + 1 >= address.size() || address[close + 1] != ':')
            return false;
        host = address.substr(1, close - 1);
        colon = close + 1;
    } else {
        colon = address.rfind(':');
        if (colon == std::string::npos)
            return false;
        host = address.substr(0, colon);
    }
    service = address.substr(colon + 1);
    if (host.empty() || service.empty())
        return false;
    for (char c : service)
        if (c < '0' || c > '9')
            return false;
    return true;
}

bool NetworkPort::open(const std::string& name, int32_t baud, int wait) {
    waitMs = wait;
    std::string host, service;
    if (!splitNetworkAddress(name, host, service)) {
        errorText = name + ": the address is not HOST:PORT";
        return false;
    }
    auto deadline = Clock::now() + std::chrono::milliseconds(kConnectMs);
    if (!stream.connect(host, service, kConnectMs, errorText))
        return false;
    if (startSession(baud, deadline))
        return true;
    stream.abandon();
    ended = true;
    return false;
}

bool NetworkPort::receiveSome(Clock::time_point deadline, bool wait) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (ended || left <= 0)
        return false;
    uint8_t batch[kReceiveBatch];
    int n = stream.receive(batch, sizeof batch, wait ? static_cast<int>(left) : 0, errorText);
    if (n < 0) {
        // The connection closed or failed: the device server is not coming back on it.
        ended = true;
        markLost(errorText);
        return false;
    }
    if (n == 0)
        return wait && Clock::now() < deadline;
    decode(batch, static_cast<size_t>(n));
    return true;
}

void NetworkPort::dropPending() {
    pending.clear();
    readAt = 0;
}

bool NetworkPort::readOne(uint8_t& b) {
    auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    while (readAt == pending.size())
        if (!receiveSome(deadline))
            return false;
    b = pending[readAt++];
    if (readAt == pending.size()) {
        pending.clear();
        readAt = 0;
    }
    return true;
}

bool NetworkPort::sendRaw(const uint8_t* bytes, size_t n) {
    if (ended)
        return false;
    lastSent = Clock::now();
    ended = !stream.send(bytes, n, waitMs, errorText);
    if (ended)
        markLost(errorText);
    return !ended;
}

bool NetworkPort::sendLine(const uint8_t* bytes, size_t n) {
    std::vector<uint8_t> out;
    out.reserve(n);
    encode(bytes, n, out);
    return sendRaw(out.data(), out.size());
}

bool NetworkPort::writeOne(uint8_t b) {
    return sendLine(&b, 1);
}

void NetworkPort::writeBlock(const uint8_t* block, int n) {
    sendLine(block, static_cast<size_t>(n));
}

void NetworkPort::purgeInput() {
    // What has already arrived is dropped; bytes still on their way cannot be told from the reply to
    // the next request, as on a serial line whose driver is purged while a byte is being received.
    // Each batch is dropped as it is read, and a server that never stops sending is given up on after
    // the per-byte wait: the next attempt then fails on its own bounds.
    auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    do
        dropPending();
    while (receiveSome(deadline, false));
}

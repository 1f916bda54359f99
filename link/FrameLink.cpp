#include "link/FrameLink.h"

#include "link/FrameReceiver.h"

#include <algorithm>
#include <chrono>
#include <vector>

FrameLink theLink;

namespace {
constexpr uint8_t kStart = 0xC3;
constexpr uint8_t kMarker = 0x04;
constexpr uint8_t kEnd = 0x02;
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kNak = 0x15;
// The status byte and the byte after it, which every reply starts with, and the check byte.
constexpr size_t kLeadingBytes = 2;
constexpr size_t kCheckBytes = 1;
// The link's per-byte limit: 20 ticks of 55 ms.
constexpr int32_t kTimeoutTicks = 20;
} // namespace

void FrameLink::clear() {
    cursor = 0;
    payloadCount = 0;
}

void FrameLink::putByte(uint8_t value) {
    sendBuffer[cursor++] = value;
    ++payloadCount;
}

void FrameLink::putWord(uint16_t value) {
    putByte(static_cast<uint8_t>(value >> 8));
    putByte(static_cast<uint8_t>(value));
}

void FrameLink::putLong(uint32_t value) {
    putByte(static_cast<uint8_t>(value >> 24));
    putByte(static_cast<uint8_t>(value >> 16));
    putByte(static_cast<uint8_t>(value >> 8));
    putByte(static_cast<uint8_t>(value));
}

void FrameLink::putText(std::string_view text, uint8_t width) {
    for (size_t i = 0; i < width; ++i)
        putByte(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
    putByte(0);
}

uint8_t FrameLink::getByte() {
    return replyBuffer[cursor++];
}

int16_t FrameLink::getWord() {
    uint16_t high = getByte();
    uint16_t low = getByte();
    return static_cast<int16_t>(static_cast<uint16_t>(high << 8 | low));
}

int32_t FrameLink::getLong() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | getByte();
    return static_cast<int32_t>(value);
}

std::string FrameLink::getText(uint8_t width) {
    std::string text;
    uint8_t at = cursor;
    for (size_t i = 0; i < width && replyBuffer[at] != 0; ++i)
        text.push_back(static_cast<char>(replyBuffer[at++]));
    cursor = static_cast<uint8_t>(cursor + width + 1);
    return text;
}

uint32_t FrameLink::swapLong(uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0xFF00u) | ((value << 8) & 0xFF0000u) | (value << 24);
}

bool FrameLink::open(int number, int32_t lineBaud) {
    baud = lineBaud;
    port.timeoutTicks = kTimeoutTicks;
    bool opened = port.openPort(number, baud);
    port.raiseDtr();
    return opened;
}

bool FrameLink::openDevice(const std::string& path, int32_t lineBaud) {
    baud = lineBaud;
    port.timeoutTicks = kTimeoutTicks;
    bool opened = port.openDevice(path, baud);
    port.raiseDtr();
    return opened;
}

void FrameLink::close() {
    port.closePort();
}

void FrameLink::expectReply(size_t bytes) {
    replyExpected = bytes;
}

void FrameLink::transact(uint8_t code) {
    command = code;
    exchangeFrame();
    if (!exchangeFailed && replyExpected > 0 && replyCount < kLeadingBytes + replyExpected + kCheckBytes)
        exchangeFailed = true;
    replyExpected = 0;
    cursor = 0;
}

void FrameLink::exchangeFrame() {
    for (int attempts = 0;;) {
        // A lost port fails every attempt at once: it is not tried again until it is reopened.
        if (port.portLost()) {
            exchangeFailed = true;
            return;
        }
        port.purgeInput();
        if (++attempts > attemptLimit) {
            exchangeFailed = true;
            return;
        }
        port.readFailed = false;
        if (attempt()) {
            exchangeFailed = false;
            return;
        }
        notify(TraceKind::AttemptFailed, nullptr, 0);
    }
}

size_t FrameLink::buildFrame() {
    size_t n = 0;
    auto stuffed = [&](uint8_t b) {
        frameBuffer[n++] = b;
        if (b == kStart)
            frameBuffer[n++] = b;
    };
    frameBuffer[n++] = kStart;
    frameBuffer[n++] = kMarker;
    frameBuffer[n++] = address;
    // The command code is the first body byte and is stuffed like the rest: a code C3 sent single
    // would read as an escape at the scale.
    stuffed(command);
    check = address ^ command;
    for (size_t i = 0; i < payloadCount; ++i) {
        stuffed(sendBuffer[i]);
        check ^= sendBuffer[i];
    }
    stuffed(check);
    frameBuffer[n++] = kStart;
    frameBuffer[n++] = kEnd;
    return n;
}

bool FrameLink::attempt() {
    size_t length = buildFrame();
    notify(TraceKind::RequestSent, frameBuffer, length);
    port.writeBlock(frameBuffer, static_cast<int>(length));
    // A trickle of stray bytes never trips the per-byte limit and takes long to reach the byte limit:
    // no byte is waited for once the line could have carried the whole byte limit (10 bits a byte),
    // so an attempt ends within that time plus one per-byte wait.
    auto lineMs = int64_t{FrameReceiver::kAttemptByteLimit} * 10 * 1000 / std::max<int32_t>(baud, 1);
    auto lastRead = std::chrono::steady_clock::now() + std::chrono::milliseconds(lineMs);

    FrameReceiver receiver(address, replyBuffer, check);
    std::vector<uint8_t> seen; // only filled while tracing
    auto flushSeen = [&] {
        if (!seen.empty())
            notify(TraceKind::BytesReceived, seen.data(), seen.size());
        seen.clear();
    };
    for (;;) {
        bool late = std::chrono::steady_clock::now() >= lastRead;
        uint8_t b = late ? 0 : port.readByte();
        if (late || port.readFailed) {
            flushSeen();
            return false;
        }
        bool answer = receiver.state() == FrameReceiver::State::WaitAck;
        if (trace && answer)
            notify(TraceKind::AnswerReceived, &b, 1);
        else if (trace)
            seen.push_back(b);
        switch (receiver.feed(b)) {
        case FrameReceiver::Step::More:
            break;
        case FrameReceiver::Step::Complete:
            replyCount = receiver.stored();
            flushSeen();
            port.writeByte(kAck);
            notify(TraceKind::AckSent, &kAck, 1);
            return true;
        case FrameReceiver::Step::BadCheck:
            flushSeen();
            port.writeByte(kNak);
            notify(TraceKind::NakSent, &kNak, 1);
            break;
        case FrameReceiver::Step::Failed:
            flushSeen();
            return false;
        }
    }
}

void FrameLink::notify(TraceKind kind, const uint8_t* bytes, size_t count) const {
    if (trace)
        trace(kind, bytes, count);
}

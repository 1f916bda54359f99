// VEZCOM: the link to the scale. One request/reply exchange at a time over the one serial port.
//
// Every scale operation follows one pattern: clear, a series of put operations that fill the send
// buffer field by field (numbers big-endian, texts as fixed-width NUL-padded fields), transact with a
// command code, then a series of get operations that read the reply buffer field by field.
// Texts are byte strings of code page 1250, as they travel on the wire.
#pragma once

#include "link/SerialPort.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct FrameLink {
    enum class TraceKind : uint8_t {
        RequestSent,
        AckSent,
        NakSent,
        AnswerReceived, // the scale's one-byte answer to the request (ACK, NAK or whatever came)
        BytesReceived,  // what followed it, up to a complete frame or the end of the attempt
        AttemptFailed,
    };
    using TraceHook = std::function<void(TraceKind, const uint8_t* bytes, size_t count)>;

    bool exchangeFailed = false;
    uint8_t address = 0;
    uint8_t command = 0;
    uint8_t check = 0;
    uint8_t replyBuffer[256] = {};
    uint8_t sendBuffer[256] = {};
    // The stuffed request as sent. Sized for the worst case, not the usual one: start, marker and
    // address, then the command, 255 payload bytes and the check, each doubled when it is C3, then the
    // end pair.
    static constexpr size_t kFrameCapacity = 3 + 2 * (1 + 255 + 1) + 2;
    uint8_t frameBuffer[kFrameCapacity] = {};
    uint8_t cursor = 0;
    uint8_t payloadCount = 0;
    SerialPort port;

    // Reply bytes (check byte included) stored by the last exchange's last frame.
    size_t replyCount = 0;
    // Reply bytes the caller will read after the two leading ones (status and the byte after it),
    // set with expectReply for the next exchange only.
    size_t replyExpected = 0;
    // Optional observer of every frame and acknowledgement, for the command-line trace and the line
    // monitor.
    TraceHook trace;
    // Attempts per exchange: three, as the protocol has it; the scale search makes one at each rate.
    int attemptLimit = 3;

    void clear();
    void putByte(uint8_t value);
    void putWord(uint16_t value);
    void putLong(uint32_t value);
    void putText(std::string_view text, uint8_t width);

    uint8_t getByte();
    int16_t getWord();
    int32_t getLong();
    std::string getText(uint8_t width);

    static uint32_t swapLong(uint32_t value);

    // Declares how many reply bytes after the two leading ones the next exchange's reader takes. A
    // checked reply shorter than that (a scale that refuses a read with its status bytes only) fails
    // the exchange: otherwise the reader would decode the rest from an earlier reply's bytes, which
    // stay in the reply buffer. A command whose reply is not read (a write, or scalectl's raw, which
    // shows the reply as it came) declares nothing and takes a reply of any length.
    void expectReply(size_t bytes);

    // Opens COM<number> (or a device path) with 1100 ms per byte and raises DTR.
    bool open(int number, int32_t baud);
    bool openDevice(const std::string& path, int32_t baud);
    void close();

    void transact(uint8_t code);
    void exchangeFrame();

private:
    // One attempt: send the request frame, receive the reply. True on a checked reply.
    bool attempt();
    // The baud rate of the last open, which sets how long an attempt may take.
    int32_t baud = 0;
    size_t buildFrame();
    void notify(TraceKind kind, const uint8_t* bytes, size_t count) const;
};

extern FrameLink theLink;

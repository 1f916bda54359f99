// The scale's side of the framing: finding request frames in the byte stream from the PC, and
// building reply frames. Written on its own (not shared with the PC's receiver) so that the emulator
// checks the PC against the protocol rather than against the PC's own reading of it.
//
// Frame: C3 04 <address> <body, C3 doubled> <check, C3 doubled> C3 02, where the check is the XOR of
// the address and the body bytes. Outside a frame the PC's acknowledgements arrive as single bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

constexpr uint8_t kFrameStart = 0xC3;
constexpr uint8_t kFrameMarker = 0x04;
constexpr uint8_t kFrameEnd = 0x02;
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kNak = 0x15;

struct RequestFrame {
    std::vector<uint8_t> raw; // as on the wire, from C3 04 to C3 02
    uint8_t address = 0;
    std::vector<uint8_t> body; // unstuffed: command, payload (the check byte removed)
    bool checkOk = false;      // XOR of address, body and check is 0, and there is a command
};

// Byte-at-a-time receiver; feed() reports what each byte completed.
class RequestReceiver {
public:
    enum class Event { None, Frame, Ack, Nak };

    Event feed(uint8_t byte);
    // Valid after feed() returned Event::Frame.
    const RequestFrame& frame() const { return done; }
    // True while a frame has begun and not ended.
    bool insideFrame() const { return state != State::Hunt; }

private:
    enum class State { Hunt, Marker, Address, Data, Escape };
    // Longer bodies are no request this scale knows; the frame is dropped and hunting starts again.
    static constexpr size_t kMaxBody = 1024;

    void restart();

    State state = State::Hunt;
    RequestFrame current;
    RequestFrame done;
};

// The whole frame for a body. `check` overrides the computed check byte (a fault that corrupts it).
std::vector<uint8_t> encodeFrame(const std::vector<uint8_t>& body, uint8_t address = 0);
std::vector<uint8_t> encodeFrameWithCheck(const std::vector<uint8_t>& body, uint8_t address, uint8_t check);
uint8_t frameCheck(const std::vector<uint8_t>& body, uint8_t address);

// The PC's side of one receive attempt, as a table-driven state machine fed one byte at a time.
//
// It expects the scale's acknowledgement byte, then hunts for a reply frame C3 04 <address>, unstuffs
// the body into the reply buffer while XOR-ing it into the running check, and ends at C3 02. A frame
// whose check is not zero is answered with NAK and hunted for again within the same attempt.
//
// Two bounds that the wire protocol itself lacks keep an attempt finite and memory-safe: a body that
// would not fit the reply buffer fails the attempt, and so does an attempt that has taken more than
// kAttemptByteLimit bytes without completing (an endless stream, or wrong checks without end).
#pragma once

#include <cstddef>
#include <cstdint>

class FrameReceiver {
public:
    enum class State : uint8_t { WaitAck, Hunt, Marker, Address, Data, Escape };

    enum class Step : uint8_t {
        More,     // read the next byte
        Complete, // a frame with a good check: answer ACK, the attempt succeeded
        BadCheck, // a frame with a wrong check: answer NAK, keep reading (state is Hunt again)
        Failed,   // the attempt failed: the request must be sent again
    };

    enum class Failure : uint8_t { None, Nak, Overlong, TooManyBytes };

    static constexpr size_t kBufferSize = 256;
    // Three maximal stuffed replies (2 x 256 + 6 bytes each) and change.
    static constexpr size_t kAttemptByteLimit = 2048;

    // buffer must hold kBufferSize bytes; check is the link's running check byte.
    FrameReceiver(uint8_t address, uint8_t* buffer, uint8_t& check)
        : address(address), buffer(buffer), check(check) {}

    Step feed(uint8_t byte);

    State state() const { return current; }
    Failure failure() const { return failed; }
    // Bytes stored into the buffer by the frame being received (the check byte included).
    size_t stored() const { return index; }

private:
    Step store(uint8_t byte);

    uint8_t address;
    uint8_t* buffer;
    uint8_t& check;
    State current = State::WaitAck;
    Failure failed = Failure::None;
    size_t index = 0;
    size_t taken = 0;
};

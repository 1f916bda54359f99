#include "link/FrameReceiver.h"

namespace {
constexpr uint8_t kStart = 0xC3;
constexpr uint8_t kMarker = 0x04;
constexpr uint8_t kEnd = 0x02;
constexpr uint8_t kNak = 0x15;
} // namespace

FrameReceiver::Step FrameReceiver::store(uint8_t byte) {
    if (index >= kBufferSize) {
        failed = Failure::Overlong;
        return Step::Failed;
    }
    buffer[index++] = byte;
    check ^= byte;
    current = State::Data;
    return Step::More;
}

FrameReceiver::Step FrameReceiver::feed(uint8_t byte) {
    if (++taken > kAttemptByteLimit) {
        failed = Failure::TooManyBytes;
        return Step::Failed;
    }
    switch (current) {
    case State::WaitAck:
        if (byte == kNak) {
            failed = Failure::Nak;
            return Step::Failed;
        }
        current = State::Hunt;
        return Step::More;
    case State::Hunt:
        current = byte == kStart ? State::Marker : State::Hunt;
        return Step::More;
    case State::Marker:
        current = byte == kMarker ? State::Address : State::Hunt;
        return Step::More;
    case State::Address:
        if (byte != address) {
            current = State::Hunt;
            return Step::More;
        }
        check = address;
        index = 0;
        current = State::Data;
        return Step::More;
    case State::Data:
        if (byte == kStart) {
            current = State::Escape;
            return Step::More;
        }
        return store(byte);
    case State::Escape:
        if (byte == kStart)
            return store(byte);
        if (byte == kMarker) {
            // A new frame starts inside the old one: its check and index start again.
            current = State::Address;
            return Step::More;
        }
        current = State::Hunt;
        if (byte != kEnd)
            return Step::More;
        return check == 0 ? Step::Complete : Step::BadCheck;
    }
    return Step::More;
}

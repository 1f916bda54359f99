#include "sim/ScaleFraming.h"

void RequestReceiver::restart() {
    current = RequestFrame{};
    current.raw = {kFrameStart, kFrameMarker};
}

RequestReceiver::Event RequestReceiver::feed(uint8_t byte) {
    switch (state) {
    case State::Hunt:
        if (byte == kFrameStart)
            state = State::Marker;
        else if (byte == kAck)
            return Event::Ack;
        else if (byte == kNak)
            return Event::Nak;
        return Event::None;
    case State::Marker:
        if (byte == kFrameMarker) {
            restart();
            state = State::Address;
        } else {
            state = State::Hunt;
        }
        return Event::None;
    case State::Address:
        current.raw.push_back(byte);
        current.address = byte;
        state = State::Data;
        return Event::None;
    case State::Data:
        current.raw.push_back(byte);
        if (byte == kFrameStart) {
            state = State::Escape;
        } else if (current.body.size() >= kMaxBody) {
            state = State::Hunt;
        } else {
            current.body.push_back(byte);
        }
        return Event::None;
    case State::Escape:
        if (byte == kFrameStart) {
            current.raw.push_back(byte);
            current.body.push_back(byte);
            state = State::Data;
            return Event::None;
        }
        if (byte == kFrameMarker) {
            // A frame restarted inside a frame: what came before is dropped.
            restart();
            state = State::Address;
            return Event::None;
        }
        if (byte != kFrameEnd) {
            state = State::Hunt;
            return Event::None;
        }
        current.raw.push_back(byte);
        state = State::Hunt;
        done = std::move(current);
        current = RequestFrame{};
        {
            uint8_t check = done.address;
            for (uint8_t b : done.body)
                check ^= b;
            // The body must hold at least the command and the check byte.
            done.checkOk = check == 0 && done.body.size() >= 2;
            if (!done.body.empty())
                done.body.pop_back();
        }
        return Event::Frame;
    }
    return Event::None;
}

uint8_t frameCheck(const std::vector<uint8_t>& body, uint8_t address) {
    uint8_t check = address;
    for (uint8_t b : body)
        check ^= b;
    return check;
}

std::vector<uint8_t> encodeFrameWithCheck(const std::vector<uint8_t>& body, uint8_t address, uint8_t check) {
    std::vector<uint8_t> frame;
    frame.reserve(body.size() + body.size() / 8 + 8);
    frame.push_back(kFrameStart);
    frame.push_back(kFrameMarker);
    frame.push_back(address);
    auto stuffed = [&frame](uint8_t b) {
        frame.push_back(b);
        if (b == kFrameStart)
            frame.push_back(b);
    };
    for (uint8_t b : body)
        stuffed(b);
    stuffed(check);
    frame.push_back(kFrameStart);
    frame.push_back(kFrameEnd);
    return frame;
}

std::vector<uint8_t> encodeFrame(const std::vector<uint8_t>& body, uint8_t address) {
    return encodeFrameWithCheck(body, address, frameCheck(body, address));
}

#include "link/FrameDescription.h"

#include "link/Command.h"
#include "link/FrameReceiver.h"

#include <cstdio>

namespace {

constexpr uint8_t kAck = 0x06;
constexpr uint8_t kNak = 0x15;
constexpr size_t kLogoBytesPerRow = 48;

struct Frame {
    bool complete = false;
    bool checked = false;
    uint8_t body[FrameReceiver::kBufferSize] = {};
    size_t size = 0; // body bytes without the check byte
};

// Unstuffs the first frame in bytes with the link's own receiver (an acknowledgement fed first, as
// the receiver expects one before the frame).
Frame parseFrame(uint8_t address, const uint8_t* bytes, size_t count) {
    Frame frame;
    uint8_t check = 0;
    FrameReceiver receiver(address, frame.body, check);
    receiver.feed(kAck);
    for (size_t i = 0; i < count; ++i) {
        FrameReceiver::Step step = receiver.feed(bytes[i]);
        if (step == FrameReceiver::Step::More)
            continue;
        frame.complete = step != FrameReceiver::Step::Failed;
        frame.checked = step == FrameReceiver::Step::Complete;
        frame.size = receiver.stored() > 0 ? receiver.stored() - 1 : 0;
        break;
    }
    return frame;
}

unsigned word(const uint8_t* at) {
    return unsigned(at[0]) << 8 | at[1];
}

std::string hexByte(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", value & 0xFFu);
    return text;
}

// The fields worth showing of a request's payload (after the command code).
std::string requestFields(uint8_t code, const uint8_t* payload, size_t size) {
    switch (code) {
    case 0x04:
    case 0x23:
        return size >= 2 ? " " + std::to_string(word(payload)) : "";
    case 0x43:
        return size >= 3 ? " at " + hexByte(payload[0]) + hexByte(payload[1]) + ", " +
                               std::to_string(payload[2]) + " bytes"
                         : "";
    case 0x24:
        if (size < 2)
            return "";
        if (word(payload) == 0)
            return size >= 3 ? " count " + std::to_string(payload[2]) : "";
        return " " + std::to_string((word(payload) - 1) / kLogoBytesPerRow);
    case 0x40:
        return size >= 1 ? " " + hexByte(payload[0]) : "";
    default:
        return "";
    }
}

} // namespace

std::string hexBytes(const uint8_t* bytes, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += (i ? " " : "") + hexByte(bytes[i]);
    return text;
}

std::string commandName(uint8_t code) {
    switch (code) {
    case 0x01:
        return "identity";
    case 0x03:
        return "read clock";
    case 0x04:
        return "read PLU";
    case 0x05:
        return "read settings record";
    case 0x06:
        return "read clerk";
    case 0x09:
        return "read department";
    case 0x0A:
        return "read receipt line";
    case 0x0B:
        return "read tax rates";
    case 0x20:
        return "set clock";
    case 0x21:
        return "write receipt line";
    case 0x22:
        return "write settings record";
    case 0x23:
        return "write PLU";
    case 0x24:
        return "logo row";
    case 0x25:
        return "write clerk";
    case 0x26:
        return "write department";
    case 0x27:
        return "end of PLU upload";
    case 0x28:
        return "write tax rates";
    case 0x40:
        return "key";
    case 0x41:
        return "weighing parameters";
    case 0x42:
        return "display";
    case 0x43:
        return "report block";
    case 0x44:
        return "Z close";
    default:
        return "command " + hexByte(code);
    }
}

std::string FrameDescriber::describeRequest(const uint8_t* bytes, size_t count, bool& failure) {
    if (count > 2)
        lastAddress = bytes[2];
    Frame frame = parseFrame(lastAddress, bytes, count);
    if (!frame.checked || frame.size == 0) {
        failure = true;
        return "malformed request";
    }
    lastCommand = frame.body[0];
    return commandName(lastCommand) + requestFields(lastCommand, frame.body + 1, frame.size - 1);
}

std::string FrameDescriber::describeReply(const uint8_t* bytes, size_t count, bool& failure) const {
    Frame frame = parseFrame(lastAddress, bytes, count);
    if (!frame.complete) {
        failure = true;
        return "incomplete reply";
    }
    if (!frame.checked) {
        failure = true;
        return "bad check";
    }
    std::string what = commandName(lastCommand) + " reply";
    if (frame.size >= 1)
        what += ", status " + hexByte(frame.body[0]);
    if (lastCommand == kIdentityCommand && frame.size > 2) {
        // The identity as the window shows it: up to its NUL, at most its width.
        std::string identity;
        for (size_t i = 2; i < frame.size && i < 2 + kIdentityWidth && frame.body[i] != 0; ++i)
            identity.push_back(static_cast<char>(frame.body[i]));
        what += ", \"" + identity + '"';
    }
    return what;
}

LineNote FrameDescriber::describe(FrameLink::TraceKind kind, const uint8_t* bytes, size_t count) {
    LineNote note;
    switch (kind) {
    case FrameLink::TraceKind::RequestSent:
        note.what = describeRequest(bytes, count, note.failure);
        break;
    case FrameLink::TraceKind::AckSent:
        note.what = "ACK";
        break;
    case FrameLink::TraceKind::NakSent:
        note.what = "NAK, bad check";
        note.failure = true;
        break;
    case FrameLink::TraceKind::AnswerReceived:
        note.fromPc = false;
        note.failure = count != 1 || bytes[0] != kAck;
        note.what = !note.failure ? "ACK" : count == 1 && bytes[0] == kNak ? "NAK" : "unexpected answer";
        break;
    case FrameLink::TraceKind::BytesReceived:
        note.fromPc = false;
        note.what = describeReply(bytes, count, note.failure);
        break;
    case FrameLink::TraceKind::AttemptFailed:
        note.fromPc = false;
        note.what = failureNamed ? "attempt failed" : "time-out";
        note.failure = true;
        break;
    }
    failureNamed = kind != FrameLink::TraceKind::RequestSent && (failureNamed || note.failure);
    return note;
}

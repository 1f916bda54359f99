// What a person watching the line wants to read beside the bytes: the direction, the command's name,
// the fields that are cheap to decode (PLU number, report address, logo row, key), and the failures
// (NAK, bad check, time-out). The command-line trace and the line monitor window both describe the
// link's trace events through this one describer.
#pragma once

#include "link/FrameLink.h"

#include <cstddef>
#include <cstdint>
#include <string>

struct LineNote {
    bool fromPc = true;   // the direction: PC -> scale, or scale -> PC
    std::string what;     // e.g. "read PLU 12", "read PLU reply, status 00", "NAK"
    bool failure = false; // a NAK, a bad check, an unexpected answer or a failed attempt
};

// Bytes as the line shows them: two hexadecimal digits each, one blank between them.
std::string hexBytes(const uint8_t* bytes, size_t count);

// The name of a command code ("read PLU"), or "command XX" for a code the program never sends.
std::string commandName(uint8_t code);

// Describes the trace events of one link in order. A reply frame carries no command code, so the
// describer keeps the last request's code to name the reply after it.
class FrameDescriber {
public:
    LineNote describe(FrameLink::TraceKind kind, const uint8_t* bytes, size_t count);

private:
    std::string describeRequest(const uint8_t* bytes, size_t count, bool& failure);
    std::string describeReply(const uint8_t* bytes, size_t count, bool& failure) const;

    uint8_t lastCommand = 0;
    uint8_t lastAddress = 0;
    // A failure was already named since the last request: a failed attempt after it is no time-out.
    bool failureNamed = false;
};

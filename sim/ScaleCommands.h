// What the emulated scale does with one checked request: the command's effect on the scale's memory
// and the data of its reply. Framing, acknowledgements and faults are the server's business.
//
// Reply byte 1 (the byte after the status, which the PC reads past) carries this scale's result
// code, so that a trace of the line shows why a request was refused.
#pragma once

#include "sim/ScaleState.h"

#include <cstdint>
#include <vector>

enum class ReplyCode : uint8_t {
    Ok = 0x00,
    UnknownCommand = 0x01,   // no data follows
    MalformedRequest = 0x02, // the payload is not the command's layout (its length or a fixed byte);
                             // nothing is stored and no data follows
    OutOfRange = 0x03,       // an index, address or clock field out of range; nothing stored, no data
    WrongPassword = 0x04,    // Z close refused; the report memory is unchanged
    NotCalibrating = 0x05,   // weighing parameters refused outside calibration mode; nothing stored
};

struct CommandResult {
    ReplyCode code = ReplyCode::Ok;
    std::vector<uint8_t> data; // reply bytes after the status and the result byte
    bool logoWritten = false;
};

// body: the command code followed by the payload.
CommandResult executeCommand(ScaleState& state, const std::vector<uint8_t>& body);

// The full reply body: status byte, result byte, data.
std::vector<uint8_t> replyBody(const ScaleState& state, const CommandResult& result);

// The scale's clock, as broken-down local time.
struct ScaleClock {
    int year, month, day, hour, minute, second;
};
ScaleClock scaleClock(const ScaleState& state);
// False (and the clock unchanged) for a field out of range.
bool setScaleClock(ScaleState& state, const ScaleClock& clock);

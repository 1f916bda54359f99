#include "sim/ScaleCommands.h"

#include "sim/ScaleTerminal.h"

#include <algorithm>
#include <ctime>

namespace {

using Payload = std::vector<uint8_t>;

CommandResult fail(ReplyCode code) {
    return CommandResult{code, {}, false};
}

template <size_t N> CommandResult replyWith(const std::array<uint8_t, N>& bytes) {
    return CommandResult{ReplyCode::Ok, std::vector<uint8_t>(bytes.begin(), bytes.end()), false};
}

template <size_t N> void store(std::array<uint8_t, N>& field, const uint8_t* from) {
    std::copy(from, from + N, field.begin());
}

// Every request the PC sends has one fixed layout, so the scale takes exactly that many bytes and
// refuses anything shorter or longer: a PC that leaves stale bytes in its payload, or forgets one,
// is caught here rather than by a real scale.

// A request that carries only its command code.
CommandResult bare(const Payload& p, CommandResult reply) {
    return p.empty() ? reply : fail(ReplyCode::MalformedRequest);
}

// The PLU read: number, a zero byte and the record length the PC expects back.
constexpr size_t kPluQuerySize = 4;
// The PLU write: number, a zero byte, the writable part of the record, a closing zero byte.
constexpr size_t kPluWriteSize = 3 + kPluWritableSize + 1;
// The tax read carries the payload of the last department read, index 39, as its one byte.
constexpr uint8_t kTaxReadByte = kDepartmentCount - 1;

CommandResult readPlu(const ScaleState& state, const Payload& p) {
    if (p.size() != kPluQuerySize || p[2] != 0 || p[3] != kPluRecordSize)
        return fail(ReplyCode::MalformedRequest);
    uint32_t number = getBigEndian(p.data(), 2);
    // A number beyond the memory reads like an absent PLU: the PC skips it by its negative price.
    return replyWith(number <= kMaxPlu ? state.plus[number].encode() : PluRecord{}.encode());
}

CommandResult writePlu(ScaleState& state, const Payload& p) {
    if (p.size() != kPluWriteSize || p[2] != 0 || p[kPluWriteSize - 1] != 0)
        return fail(ReplyCode::MalformedRequest);
    uint32_t number = getBigEndian(p.data(), 2);
    if (number > kMaxPlu)
        return fail(ReplyCode::OutOfRange);
    state.plus[number].decodeWritable(p.data() + 3);
    return {};
}

// The weighing parameters: 28 bytes that start with the fixed 8, whose flags byte uses only its
// four low bits and whose "Minimum Sale" byte is 0 or 1.
bool systemParametersLayout(const Payload& p) {
    return p.size() == kSystemParametersSize && p[0] == 8 && (p[8] & 0xF0) == 0 && p[22] <= 1;
}

// Reads and writes of the indexed text tables (clerks, lines, departments).
template <size_t N, size_t Count>
CommandResult readText(const std::array<TextField<N>, Count>& table, const Payload& p, int first) {
    if (p.size() != 1)
        return fail(ReplyCode::MalformedRequest);
    int index = p[0] - first;
    if (index < 0 || index >= static_cast<int>(Count))
        return fail(ReplyCode::OutOfRange);
    return replyWith(table[index]);
}

template <size_t N, size_t Count>
CommandResult writeText(std::array<TextField<N>, Count>& table, const Payload& p, int first) {
    if (p.size() != 1 + N)
        return fail(ReplyCode::MalformedRequest);
    int index = p[0] - first;
    if (index < 0 || index >= static_cast<int>(Count))
        return fail(ReplyCode::OutOfRange);
    store(table[index], p.data() + 1);
    return {};
}

CommandResult readTaxes(const ScaleState& state, const Payload& p) {
    if (p.size() != 1 || p[0] != kTaxReadByte)
        return fail(ReplyCode::MalformedRequest);
    CommandResult result;
    for (int16_t rate : state.taxes)
        putBigEndian(result.data, static_cast<uint16_t>(rate), 2);
    return result;
}

CommandResult writeTaxes(ScaleState& state, const Payload& p) {
    if (p.size() != 2 * kTaxCount)
        return fail(ReplyCode::MalformedRequest);
    for (int t = 0; t < kTaxCount; ++t)
        state.taxes[t] = static_cast<int16_t>(getBigEndian(p.data() + 2 * t, 2));
    return {};
}

CommandResult readClock(const ScaleState& state) {
    ScaleClock c = scaleClock(state);
    CommandResult result;
    result.data = {static_cast<uint8_t>(c.year - 2000), static_cast<uint8_t>(c.month),
                   static_cast<uint8_t>(c.day),         static_cast<uint8_t>(c.hour),
                   static_cast<uint8_t>(c.minute),      static_cast<uint8_t>(c.second)};
    return result;
}

CommandResult writeClock(ScaleState& state, const Payload& p) {
    if (p.size() != 6)
        return fail(ReplyCode::MalformedRequest);
    ScaleClock c{2000 + p[0], p[1], p[2], p[3], p[4], p[5]};
    return setScaleClock(state, c) ? CommandResult{} : fail(ReplyCode::OutOfRange);
}

CommandResult writeLogo(ScaleState& state, const Payload& p) {
    // An offset and at least one byte: the row count at 0, or a row of dots.
    if (p.size() < 3)
        return fail(ReplyCode::MalformedRequest);
    size_t offset = getBigEndian(p.data(), 2);
    size_t count = p.size() - 2;
    if (offset + count > kLogoSize)
        return fail(ReplyCode::OutOfRange);
    std::copy(p.begin() + 2, p.end(), state.logo.begin() + static_cast<std::ptrdiff_t>(offset));
    CommandResult result;
    result.logoWritten = true;
    return result;
}

CommandResult readMemoryBlock(const ScaleState& state, const Payload& p) {
    if (p.size() != 3)
        return fail(ReplyCode::MalformedRequest);
    CommandResult result;
    result.data = state.readMemory(getBigEndian(p.data(), 2), p[2]);
    return result;
}

CommandResult closeDay(ScaleState& state, const Payload& p) {
    if (p.size() != 4)
        return fail(ReplyCode::MalformedRequest);
    if (getBigEndian(p.data(), 4) != state.password)
        return fail(ReplyCode::WrongPassword);
    state.closeDay();
    return {};
}

} // namespace

ScaleClock scaleClock(const ScaleState& state) {
    std::time_t now = std::time(nullptr) + static_cast<std::time_t>(state.clockOffsetSeconds);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

bool setScaleClock(ScaleState& state, const ScaleClock& c) {
    if (c.month < 1 || c.month > 12 || c.day < 1 || c.day > 31 || c.hour > 23 || c.minute > 59 ||
        c.second > 59)
        return false;
    std::tm wanted{};
    wanted.tm_year = c.year - 1900;
    wanted.tm_mon = c.month - 1;
    wanted.tm_mday = c.day;
    wanted.tm_hour = c.hour;
    wanted.tm_min = c.minute;
    wanted.tm_sec = c.second;
    wanted.tm_isdst = -1;
    std::time_t target = std::mktime(&wanted);
    if (target == static_cast<std::time_t>(-1))
        return false;
    state.clockOffsetSeconds = static_cast<int64_t>(target) - static_cast<int64_t>(std::time(nullptr));
    return true;
}

CommandResult executeCommand(ScaleState& state, const std::vector<uint8_t>& body) {
    if (body.empty())
        return fail(ReplyCode::UnknownCommand);
    const Payload p(body.begin() + 1, body.end());
    switch (body[0]) {
    case 0x01: {
        std::array<uint8_t, 33> identity{};
        std::copy_n(state.identity.begin(), std::min(state.identity.size(), identity.size()),
                    identity.begin());
        return bare(p, replyWith(identity));
    }
    case 0x03:
        return bare(p, readClock(state));
    case 0x04:
        return readPlu(state, p);
    case 0x05:
        return bare(p, replyWith(state.settings));
    case 0x06:
        return readText(state.clerks, p, 0);
    case 0x09:
        return readText(state.departments, p, 0);
    case 0x0A:
        return readText(state.lines, p, 1);
    case 0x0B:
        return readTaxes(state, p);
    case 0x20:
        return writeClock(state, p);
    case 0x21:
        return writeText(state.lines, p, 1);
    case 0x22:
        if (p.size() != kSettingsSize)
            return fail(ReplyCode::MalformedRequest);
        store(state.settings, p.data());
        return {};
    case 0x23:
        return writePlu(state, p);
    case 0x24:
        return writeLogo(state, p);
    case 0x25:
        return writeText(state.clerks, p, 0);
    case 0x26:
        return writeText(state.departments, p, 0);
    case 0x27: // end of a PLU upload: nothing left to do, the records are stored as they come
        return bare(p, {});
    case 0x28:
        return writeTaxes(state, p);
    case 0x40:
        if (p.size() != 1)
            return fail(ReplyCode::MalformedRequest);
        pressKey(state, p[0], scaleClock(state).hour);
        return {};
    case 0x41:
        if (!systemParametersLayout(p))
            return fail(ReplyCode::MalformedRequest);
        // The weighing parameters are metrology: the scale takes them only while it is open for
        // calibration, whatever the PC sends.
        if (!state.calibration())
            return fail(ReplyCode::NotCalibrating);
        store(state.systemParameters, p.data());
        return {};
    case 0x42:
        return bare(p, replyWith(displayData(state)));
    case 0x43:
        return readMemoryBlock(state, p);
    case 0x44:
        return closeDay(state, p);
    default:
        return fail(ReplyCode::UnknownCommand);
    }
}

std::vector<uint8_t> replyBody(const ScaleState& state, const CommandResult& result) {
    std::vector<uint8_t> body;
    body.reserve(result.data.size() + 2);
    body.push_back(state.status);
    body.push_back(static_cast<uint8_t>(result.code));
    body.insert(body.end(), result.data.begin(), result.data.end());
    return body;
}

#include "cli/Trace.h"

#include "link/FrameDescription.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <ostream>
#include <string>

namespace {

std::string traceLine(FrameLink::TraceKind kind, const uint8_t* bytes, size_t count, const LineNote& note) {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t seconds = system_clock::to_time_t(now);
    auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    const char* what = "";
    switch (kind) {
    case FrameLink::TraceKind::RequestSent:
        what = "PC -> scale  request";
        break;
    case FrameLink::TraceKind::AckSent:
        what = "PC -> scale  ACK    ";
        break;
    case FrameLink::TraceKind::NakSent:
        what = "PC -> scale  NAK    ";
        break;
    case FrameLink::TraceKind::AnswerReceived:
        what = count == 1 && bytes[0] == 0x06   ? "scale -> PC  ACK    "
               : count == 1 && bytes[0] == 0x15 ? "scale -> PC  NAK    "
                                                : "scale -> PC  answer ";
        break;
    case FrameLink::TraceKind::BytesReceived:
        what = "scale -> PC  bytes  ";
        break;
    case FrameLink::TraceKind::AttemptFailed:
        what = "attempt failed, the request goes again (or the exchange ends after three)";
        break;
    }
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d.%03d ", local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(millis));
    std::string line = std::string(stamp) + what;
    if (count > 0)
        line += ' ' + hexBytes(bytes, count);
    // What the bytes mean, after them.
    return line + "  " + note.what + '\n';
}

} // namespace

FrameLink::TraceHook traceTo(std::ostream& err) {
    auto describer = std::make_shared<FrameDescriber>();
    return [&err, describer](FrameLink::TraceKind kind, const uint8_t* bytes, size_t count) {
        err << traceLine(kind, bytes, count, describer->describe(kind, bytes, count)) << std::flush;
    };
}

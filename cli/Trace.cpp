#include "cli/Trace.h"

#include "link/FrameDescription.h"

#include <QTime>
#include <memory>
#include <ostream>
#include <string>

namespace {

std::string traceLine(FrameLink::TraceKind kind, const uint8_t* bytes, size_t count, const LineNote& note) {
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
    // Local time to the millisecond, through Qt: the same call on every system.
    std::string line = QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz ")).toStdString() + what;
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

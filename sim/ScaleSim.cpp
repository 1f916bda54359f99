#include "sim/ScaleSim.h"

#include "sim/LogoImage.h"
#include "sim/ScaleCommands.h"
#include "sim/ScaleFraming.h"
#include "sim/ScaleLine.h"
#include "sim/StateFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <mutex>
#include <thread>

using Clock = std::chrono::steady_clock;

namespace {

constexpr int kDefaultGapMs = 1430;
// Junk of the Garbage fault: plain bytes, a C3 followed by something other than 04, more bytes.
const std::vector<uint8_t> kGarbage{0x55, 0xAA, 0xC3, 0x17, 0x00, 0xC3, 0x03, 0x7E};
// The start of a frame that the Restart fault abandons.
const std::vector<uint8_t> kAbandonedStart{0xC3, 0x04, 0x00, 0x00, 0x11, 0x22};
constexpr size_t kOverlongBody = 320;
constexpr uint8_t kEndlessByte = 0x55;
constexpr size_t kEndlessChunk = 4096;

struct NamedFault {
    const char* name;
    Fault fault;
};
constexpr NamedFault kFaultNames[] = {
    {"nak", Fault::Nak},           {"badcheck", Fault::BadCheck},     {"silence", Fault::Silence},
    {"garbage", Fault::Garbage},   {"noack", Fault::NoAck},           {"address", Fault::Address},
    {"restart", Fault::Restart},   {"endless", Fault::Endless},       {"overlong", Fault::Overlong},
    {"slowgap", Fault::SlowGap},   {"vanish", Fault::Vanish},         {"statusonly", Fault::StatusOnly},
    {"unstored", Fault::Unstored}, {"unanswered", Fault::Unanswered},
};

std::vector<uint8_t> joined(std::initializer_list<const std::vector<uint8_t>*> parts) {
    std::vector<uint8_t> all;
    for (const auto* part : parts)
        all.insert(all.end(), part->begin(), part->end());
    return all;
}

} // namespace

std::optional<Fault> faultByName(const std::string& name) {
    for (const NamedFault& entry : kFaultNames)
        if (name == entry.name)
            return entry.fault;
    return std::nullopt;
}

const char* faultName(Fault fault) {
    for (const NamedFault& entry : kFaultNames)
        if (fault == entry.fault)
            return entry.name;
    return "?";
}

struct ScaleSim::Server {
    // Bytes on their way to the PC. A gap spaces the bytes of a segment one by one (SlowGap); a
    // segment marked vanishAfter takes the device away once it is out.
    struct Segment {
        std::vector<uint8_t> bytes;
        size_t sent = 0;
        Clock::duration gap{};
        bool vanishAfter = false;
    };
    enum class Waiting { Nothing, Time, Writable };

    SimOptions options;

    // Shared with the test's thread.
    mutable std::mutex mutex;
    ScaleState state;
    std::deque<std::pair<Fault, int>> faults;
    int gapMs = kDefaultGapMs;
    std::vector<std::vector<uint8_t>> frames;
    std::vector<std::vector<uint8_t>> bodies;
    std::vector<Clock::time_point> frameTimes;
    std::vector<Clock::time_point> ackTimes;
    int acks = 0;
    int naks = 0;
    std::optional<uint8_t> awaitingAnswer; // the command of the last reply, until the PC answers it
    std::vector<ReplyOutcome> outcomes;
    FILE* ackLog = nullptr;
    FILE* lineLog = nullptr;
    std::function<void(const std::vector<uint8_t>&)> requestSeen;
    // The state file exists but is none of ours: it is not saved over at the end.
    bool stateFileForeign = false;
    std::atomic<bool> stopping{false};
    std::atomic<bool> vanished{false};

    ScaleLine line;
    std::thread thread;

    // The serving thread's own.
    RequestReceiver receiver;
    std::vector<uint8_t> pendingReply; // sent again on the PC's NAK
    std::deque<Segment> out;
    size_t endlessLeft = 0;
    Clock::duration byteTime{};
    Clock::time_point sendClock{};     // earliest time of the next paced byte
    Clock::time_point inputLineFree{}; // when the PC's bytes seen so far have crossed the line
    bool replyGoingOut = false;        // a reply is in `out`: the read delay starts when it has left
    Clock::time_point readHeldUntil{}; // the line is not looked at before then (readDelayMs)

    explicit Server(SimOptions o) : options(std::move(o)), state(defaultScaleState()) {
        if (options.baud > 0)
            byteTime = std::chrono::duration_cast<Clock::duration>(
                std::chrono::nanoseconds(10'000'000'000LL) / options.baud);
    }

    void serve();
    void receive(const uint8_t* bytes, size_t count, Clock::time_point now);
    void answer(const RequestFrame& frame);
    void settleReply(bool acknowledged);
    void takeLeftoverInput();
    void enqueue(Segment segment);
    Waiting pump(Clock::time_point now);
    void disappear();
    // Opens the logs the options ask for; the file that cannot be written, else empty.
    std::string openLogs(const SimOptions& o);
    void closeLogs();
};

std::string ScaleSim::Server::openLogs(const SimOptions& o) {
    // The acknowledgement log is text (CRLF on Windows); the line log holds the bytes as they came.
    struct Log {
        const std::string* path;
        FILE** file;
        const char* mode;
    };
    for (auto [path, file, mode] : {Log{&o.ackLog, &ackLog, "w"}, Log{&o.lineLog, &lineLog, "wb"}}) {
        if (!path->empty() && !(*file = std::fopen(path->c_str(), mode))) {
            const std::string failed = *path;
            closeLogs();
            return failed;
        }
    }
    return {};
}

void ScaleSim::Server::closeLogs() {
    for (FILE** file : {&ackLog, &lineLog}) {
        if (*file)
            std::fclose(*file);
        *file = nullptr;
    }
}

void ScaleSim::Server::enqueue(Segment segment) {
    if (out.empty())
        sendClock = options.baud > 0 ? std::max({sendClock, Clock::now(), inputLineFree}) : Clock::now();
    out.push_back(std::move(segment));
}

ScaleSim::Server::Waiting ScaleSim::Server::pump(Clock::time_point now) {
    for (;;) {
        if (out.empty()) {
            if (endlessLeft == 0)
                return Waiting::Nothing;
            size_t chunk = std::min(endlessLeft, kEndlessChunk);
            endlessLeft -= chunk;
            out.push_back(Segment{std::vector<uint8_t>(chunk, kEndlessByte)});
        }
        Segment& segment = out.front();
        size_t remaining = segment.bytes.size() - segment.sent;
        size_t allowed = remaining;
        if (segment.gap.count() > 0 || options.baud > 0) {
            if (now < sendClock)
                return Waiting::Time;
            allowed = segment.gap.count() > 0 ? 1 : static_cast<size_t>(1 + (now - sendClock) / byteTime);
            allowed = std::min(allowed, remaining);
        }
        size_t written = line.write(segment.bytes.data() + segment.sent, allowed);
        segment.sent += written;
        if (segment.gap.count() > 0 && written > 0)
            sendClock = now + segment.gap + byteTime;
        else if (options.baud > 0)
            sendClock += byteTime * static_cast<long>(written);
        if (written < allowed)
            return Waiting::Writable;
        if (segment.sent < segment.bytes.size())
            continue;
        if (segment.vanishAfter) {
            disappear();
            return Waiting::Nothing;
        }
        out.pop_front();
        if (out.empty() && replyGoingOut) {
            replyGoingOut = false;
            readHeldUntil = now + std::chrono::milliseconds(options.readDelayMs);
        }
    }
}

void ScaleSim::Server::receive(const uint8_t* bytes, size_t count, Clock::time_point now) {
    if (lineLog) {
        std::fwrite(bytes, 1, count, lineLog);
        std::fflush(lineLog);
    }
    if (options.ownBaudOnly && options.baud > 0 && line.baud() != options.baud)
        return;
    // The PC talking again ends whatever the scale was still sending (a stream, a slow reply).
    if (!out.empty())
        sendClock = now;
    out.clear();
    endlessLeft = 0;
    if (options.baud > 0)
        inputLineFree = std::max(inputLineFree, now) + byteTime * static_cast<long>(count);
    for (size_t i = 0; i < count; ++i) {
        switch (receiver.feed(bytes[i])) {
        case RequestReceiver::Event::Ack: {
            settleReply(true);
            std::lock_guard lock(mutex);
            ++acks;
            if (ackTimes.size() < kMaxLoggedFrames)
                ackTimes.push_back(now);
            pendingReply.clear();
            break;
        }
        case RequestReceiver::Event::Nak: {
            {
                std::lock_guard lock(mutex);
                ++naks;
            }
            if (!pendingReply.empty())
                enqueue(Segment{pendingReply});
            break;
        }
        case RequestReceiver::Event::Frame:
            answer(receiver.frame());
            break;
        case RequestReceiver::Event::None:
            break;
        }
    }
}

void ScaleSim::Server::settleReply(bool acknowledged) {
    std::lock_guard lock(mutex);
    if (!awaitingAnswer)
        return;
    outcomes.push_back({*awaitingAnswer, acknowledged});
    if (ackLog) {
        std::fprintf(ackLog, "%02X %s\n", *awaitingAnswer,
                     acknowledged ? "acknowledged" : "not acknowledged");
        std::fflush(ackLog);
    }
    awaitingAnswer.reset();
}

void ScaleSim::Server::answer(const RequestFrame& frame) {
    // A new request means the PC is done with the previous reply, acknowledged or not.
    settleReply(false);
    pendingReply.clear();
    std::unique_lock lock(mutex);
    if (frames.size() < kMaxLoggedFrames) {
        frames.push_back(frame.raw);
        bodies.push_back(frame.body);
        frameTimes.push_back(Clock::now());
    }
    if (frame.address != 0)
        return; // another device's request
    if (!frame.checkOk) {
        lock.unlock();
        enqueue(Segment{{kNak}});
        return;
    }
    if (requestSeen) {
        const auto seen = requestSeen;
        lock.unlock();
        seen(frame.body);
        lock.lock();
    }
    std::optional<Fault> fault;
    if (!faults.empty()) {
        fault = faults.front().first;
        if (--faults.front().second <= 0)
            faults.pop_front();
    }
    if (fault == Fault::Silence)
        return;
    if (fault == Fault::Unanswered) {
        executeCommand(state, frame.body);
        return;
    }
    if (fault == Fault::Nak) {
        lock.unlock();
        enqueue(Segment{{kNak}});
        return;
    }
    CommandResult result;
    if (fault == Fault::StatusOnly) {
        result = CommandResult{ReplyCode::OutOfRange, {}};
    } else if (fault == Fault::Unstored) {
        ScaleState untouched = state;
        result = executeCommand(untouched, frame.body);
    } else {
        result = executeCommand(state, frame.body);
    }
    std::vector<uint8_t> body = replyBody(state, result);
    if (std::string reason;
        result.logoWritten && !options.logoOut.empty() && !writeLogoPbm(options.logoOut, state.logo, reason))
        std::fprintf(stderr, "scale-sim: cannot write the logo image %s\n", reason.c_str());
    auto gap = std::chrono::milliseconds(gapMs);
    lock.unlock();

    const std::vector<uint8_t> ack{kAck};
    std::vector<uint8_t> reply = encodeFrame(body);
    pendingReply = reply;
    // Every fault left here sends a whole reply frame except these two (a stream, half a frame).
    if (fault != Fault::Endless && fault != Fault::Vanish) {
        replyGoingOut = true;
        std::lock_guard replyLock(mutex);
        awaitingAnswer = frame.body.front();
    }
    if (!fault || fault == Fault::StatusOnly || fault == Fault::Unstored) {
        enqueue(Segment{joined({&ack, &reply})}); // the ACK and the reply in one write
        return;
    }
    switch (*fault) {
    case Fault::BadCheck: {
        auto wrong = encodeFrameWithCheck(body, 0, static_cast<uint8_t>(frameCheck(body, 0) ^ 0x5A));
        enqueue(Segment{joined({&ack, &wrong})});
        break;
    }
    case Fault::Garbage:
        enqueue(Segment{joined({&ack, &kGarbage, &reply})});
        break;
    case Fault::NoAck:
        enqueue(Segment{reply});
        break;
    case Fault::Address:
        pendingReply = encodeFrame(body, 1);
        enqueue(Segment{joined({&ack, &pendingReply})});
        break;
    case Fault::Restart:
        enqueue(Segment{joined({&ack, &kAbandonedStart, &reply})});
        break;
    case Fault::Endless:
        pendingReply.clear();
        enqueue(Segment{ack});
        endlessLeft = kEndlessLimit;
        break;
    case Fault::Overlong:
        for (size_t i = body.size(); i < kOverlongBody; ++i)
            body.push_back(static_cast<uint8_t>('A' + i % 26));
        pendingReply = encodeFrame(body);
        enqueue(Segment{joined({&ack, &pendingReply})});
        break;
    case Fault::SlowGap:
        enqueue(Segment{joined({&ack, &reply}), 0, gap});
        break;
    case Fault::Vanish: {
        std::vector<uint8_t> part(reply.begin(),
                                  reply.begin() + static_cast<std::ptrdiff_t>(reply.size() / 2));
        pendingReply.clear();
        enqueue(Segment{joined({&ack, &part}), 0, {}, true});
        break;
    }
    case Fault::Nak:
    case Fault::Silence:
    case Fault::StatusOnly:
    case Fault::Unstored:
    case Fault::Unanswered:
        break; // answered above
    }
}

void ScaleSim::Server::serve() {
    uint8_t buffer[4096];
    while (!stopping && !vanished) {
        Clock::time_point now = Clock::now();
        Waiting waiting = pump(now);
        if (vanished)
            break;
        bool reading = now >= readHeldUntil;
        std::optional<Clock::time_point> wakeAt;
        if (waiting == Waiting::Time)
            wakeAt = sendClock;
        if (!reading)
            wakeAt = std::min(wakeAt.value_or(readHeldUntil), readHeldUntil);
        if (!line.wait(reading, waiting == Waiting::Writable, wakeAt)) {
            // The device went away under us (a serial adapter pulled out): nothing more to serve.
            std::fprintf(stderr, "scale-sim: the line to %s failed\n", line.devicePath().c_str());
            vanished = true;
            break;
        }
        if (size_t n = reading && !stopping ? line.read(buffer, sizeof buffer) : 0; n > 0)
            receive(buffer, n, Clock::now());
    }
}

void ScaleSim::Server::takeLeftoverInput() {
    // What the PC sent before the stop (its last acknowledgement, typically) still counts.
    uint8_t buffer[4096];
    while (size_t n = line.read(buffer, sizeof buffer))
        receive(buffer, n, Clock::now());
    settleReply(false);
}

void ScaleSim::Server::disappear() {
    // Name gone and flag set before the device closes: whoever sees the hang-up also sees the rest.
    line.withdraw(stopping);
    vanished = true;
    line.close();
}

ScaleSim::ScaleSim(SimOptions options) : server(std::make_unique<Server>(std::move(options))) {}

ScaleSim::~ScaleSim() {
    stop();
}

bool ScaleSim::start() {
    Server& s = *server;
    if (s.thread.joinable())
        return true;
    const SimOptions& o = s.options;
    {
        std::lock_guard lock(s.mutex);
        if (!o.stateFile.empty() && std::filesystem::exists(o.stateFile)) {
            std::string reason;
            // A file that is not a state file (a device, another program's file) is neither taken
            // nor replaced at the end.
            s.stateFileForeign = !loadStateFile(o.stateFile, s.state, reason);
            if (s.stateFileForeign)
                std::fprintf(stderr, "scale-sim: ignoring the state file %s: %s; it is left as it is\n",
                             o.stateFile.c_str(), reason.c_str());
        }
        if (o.calibration)
            s.state.setCalibration(true);
    }

    if (!s.line.open(o, lastError))
        return false;
    if (const std::string failed = s.openLogs(o); !failed.empty()) {
        lastError = "cannot write " + failed + ": " + std::strerror(errno);
        s.line.close();
        return false;
    }
    s.vanished = false;
    s.stopping = false;
    s.thread = std::thread([&s] { s.serve(); });
    return true;
}

void ScaleSim::stop() {
    Server& s = *server;
    if (!s.thread.joinable())
        return;
    s.stopping = true;
    s.line.wake();
    s.thread.join();
    s.takeLeftoverInput();
    s.closeLogs();
    s.line.close();
    if (!s.options.stateFile.empty() && !s.stateFileForeign) {
        std::string reason;
        std::lock_guard lock(s.mutex);
        if (!saveStateFile(s.options.stateFile, s.state, reason))
            std::fprintf(stderr, "scale-sim: cannot save the state file %s: %s\n",
                         s.options.stateFile.c_str(), reason.c_str());
    }
}

void ScaleSim::injectFault(Fault fault, int count) {
    if (count <= 0)
        return;
    std::lock_guard lock(server->mutex);
    server->faults.emplace_back(fault, count);
}

void ScaleSim::setGapMs(int ms) {
    std::lock_guard lock(server->mutex);
    server->gapMs = std::max(ms, 0);
}

void ScaleSim::setCalibration(bool on) {
    std::lock_guard lock(server->mutex);
    server->state.setCalibration(on);
}

void ScaleSim::withState(const std::function<void(ScaleState&)>& change) {
    std::lock_guard lock(server->mutex);
    change(server->state);
}

std::vector<std::vector<uint8_t>> ScaleSim::requestFrames() const {
    std::lock_guard lock(server->mutex);
    return server->frames;
}

std::vector<std::vector<uint8_t>> ScaleSim::requestBodies() const {
    std::lock_guard lock(server->mutex);
    return server->bodies;
}

std::vector<Clock::time_point> ScaleSim::requestTimes() const {
    std::lock_guard lock(server->mutex);
    return server->frameTimes;
}

std::vector<Clock::time_point> ScaleSim::ackTimes() const {
    std::lock_guard lock(server->mutex);
    return server->ackTimes;
}

int ScaleSim::acksReceived() const {
    std::lock_guard lock(server->mutex);
    return server->acks;
}

int ScaleSim::naksReceived() const {
    std::lock_guard lock(server->mutex);
    return server->naks;
}

std::vector<ReplyOutcome> ScaleSim::replyOutcomes() const {
    std::lock_guard lock(server->mutex);
    return server->outcomes;
}

bool ScaleSim::replyAwaitingAnswer() const {
    std::lock_guard lock(server->mutex);
    return server->awaitingAnswer.has_value();
}

void ScaleSim::onRequest(std::function<void(const std::vector<uint8_t>& body)> seen) {
    std::lock_guard lock(server->mutex);
    server->requestSeen = std::move(seen);
}

void ScaleSim::clearLog() {
    std::lock_guard lock(server->mutex);
    server->outcomes.clear();
    server->frames.clear();
    server->bodies.clear();
    server->frameTimes.clear();
    server->ackTimes.clear();
    server->acks = 0;
    server->naks = 0;
}

std::string ScaleSim::slavePath() const {
    return server->line.devicePath();
}

bool ScaleSim::vanished() const {
    return server->vanished;
}

#include "service/ScaleSearch.h"

#include "link/Command.h"
#include "link/FrameLink.h"
#include "link/SerialPort.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <set>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Request, acknowledgement and reply of the identity exchange, 10 bits a byte.
constexpr int64_t kExchangeBits = 50 * 10;
constexpr int64_t kMarginMs = 50;
constexpr int64_t kTickMs = 55;

std::string trimmedIdentity(std::string identity) {
    while (!identity.empty() && (identity.back() == ' ' || identity.back() == '\0'))
        identity.pop_back();
    return identity;
}

// What the port's name opens: COMn through its link, anything else as it stands.
std::string devicePath(const std::string& port) {
    auto number = comPortNumber(port);
    return number ? resolvePortName(*number) : port;
}

struct PortOutcome {
    std::vector<FoundScale> found;
    std::string note; // why the port was skipped
};

// One port at every rate until a scale answers.
void searchPort(const std::string& port, const std::vector<int32_t>& bauds, SearchProgress& progress,
                const FrameLink::TraceHook& trace, PortOutcome& outcome) {
    FrameLink link;
    link.attemptLimit = 1;
    link.trace = trace;
    for (int32_t baud : bauds) {
        if (progress.stop)
            break;
        link.port.timeoutTicks = searchTimeoutTicks(baud);
        if (!link.port.openDevice(devicePath(port), baud)) {
            outcome.note = port + ": cannot be opened" +
                           (link.port.lastError().empty() ? "" : " (" + link.port.lastError() + ")");
            break;
        }
        link.port.raiseDtr();
        link.clear();
        bool answered = performCommand(link, kIdentityCommand).ok;
        ++progress.tried;
        if (answered) {
            outcome.found.push_back({port, baud, trimmedIdentity(link.getText(kIdentityWidth))});
            break;
        }
    }
    link.close();
}

} // namespace

std::vector<int32_t> defaultSearchBauds() {
    return {9600, 19200, 115200, 38400, 57600, 4800, 2400, 1200, 14400, 28800};
}

std::vector<std::string> defaultSearchPorts() {
    std::vector<std::string> ports;
    for (int n = 1; n <= 8; ++n)
        ports.push_back("COM" + std::to_string(n));
    for (const std::string& port : systemSerialPorts())
        if (std::find(ports.begin(), ports.end(), port) == ports.end())
            ports.push_back(port);
    return ports;
}

int32_t searchTimeoutTicks(int32_t baud) {
    int64_t ms = kExchangeBits * 1000 / std::max<int32_t>(baud, 1) + kMarginMs;
    return static_cast<int32_t>((ms + kTickMs - 1) / kTickMs);
}

SearchResult searchScales(const std::vector<std::string>& ports, const std::vector<int32_t>& bauds,
                          SearchProgress& progress) {
    // One device reached under two names (a by-id link and its ttyUSB) is tried once, under the
    // first: the second open would only find it busy.
    std::vector<std::string> distinct;
    std::set<std::string> devices;
    for (const std::string& port : ports) {
        std::error_code error;
        fs::path device = fs::canonical(devicePath(port), error);
        if (devices.insert(error ? port : device.string()).second)
            distinct.push_back(port);
    }

    // The ports' exchanges reach the observer one at a time.
    std::mutex traceLock;
    FrameLink::TraceHook trace;
    if (progress.trace)
        trace = [&traceLock, &progress](FrameLink::TraceKind kind, const uint8_t* bytes, size_t count) {
            std::lock_guard<std::mutex> hold(traceLock);
            progress.trace(kind, bytes, count);
        };
    std::vector<PortOutcome> outcomes(distinct.size());
    std::vector<std::thread> threads;
    for (size_t i = 0; i < distinct.size(); ++i)
        threads.emplace_back([&, i] { searchPort(distinct[i], bauds, progress, trace, outcomes[i]); });
    for (std::thread& thread : threads)
        thread.join();

    SearchResult result;
    for (PortOutcome& outcome : outcomes) {
        result.found.insert(result.found.end(), outcome.found.begin(), outcome.found.end());
        if (!outcome.note.empty())
            result.notes.push_back(outcome.note);
    }
    return result;
}

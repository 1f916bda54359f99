// The line on Windows: a COM port (one end of a null-modem cable or of a virtual port pair), opened
// for overlapped I/O so that one thread can wait for input, for its output and for a stop at once.
// A one-byte read stays posted while the server listens; when it completes, whatever else the port
// has queued is taken with it. One write is in flight at a time. There are no pseudo-terminals here,
// so --link is refused.
#include "sim/ScaleLine.h"
#include "sim/ScaleSim.h"
#include "sim/SystemMessageWin32.h"

#include <algorithm>
#include <cctype>
#include <thread>
#include <vector>
#include <windows.h>

namespace {

// COM1 to COM256, in any case; the number, or 0.
int comNumber(const std::string& name) {
    if (name.size() < 4 || name.size() > 6)
        return 0;
    std::string prefix = name.substr(0, 3);
    std::transform(prefix.begin(), prefix.end(), prefix.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    if (prefix != "COM" || name[3] == '0')
        return 0;
    int number = 0;
    for (size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return 0;
        number = number * 10 + (name[i] - '0');
    }
    return number <= 256 ? number : 0;
}

// An operation in flight on the port and its completion event.
struct Pending {
    OVERLAPPED overlapped{};
    bool posted = false;

    Pending() { overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr); }
    ~Pending() { CloseHandle(overlapped.hEvent); }
    Pending(const Pending&) = delete;
    Pending& operator=(const Pending&) = delete;

    // Posts the operation `start` makes on the overlapped structure; false when the port refused it.
    template <typename Start> bool post(Start start) {
        ResetEvent(overlapped.hEvent);
        posted = start(&overlapped) || GetLastError() == ERROR_IO_PENDING;
        return posted;
    }
    // Whether the operation has ended, with the bytes it moved; `failed` when it ended in an error.
    bool ended(HANDLE port, DWORD& moved, bool wait, bool& failed) {
        if (!posted)
            return false;
        if (!GetOverlappedResult(port, &overlapped, &moved, wait)) {
            if (GetLastError() == ERROR_IO_INCOMPLETE)
                return false;
            failed = true;
        }
        posted = false;
        return true;
    }
};

} // namespace

struct ScaleLine::System {
    HANDLE port = INVALID_HANDLE_VALUE;
    HANDLE wakeEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    std::string name;
    Pending reading;
    uint8_t firstByte = 0; // where the posted read puts its byte
    Pending writing;
    std::vector<uint8_t> outgoing; // the bytes of the write in flight
    bool failed = false;

    ~System() { CloseHandle(wakeEvent); }
    void listen() {
        if (!reading.posted && !failed &&
            !reading.post([this](OVERLAPPED* o) { return ReadFile(port, &firstByte, 1, nullptr, o); }))
            failed = true;
    }
    // Bytes the port holds already: a read of exactly that many returns at once.
    size_t takeQueued(uint8_t* bytes, size_t size) {
        DWORD errors = 0;
        COMSTAT status{};
        if (size == 0 || !ClearCommError(port, &errors, &status) || status.cbInQue == 0)
            return 0;
        Pending now;
        DWORD got = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<size_t>(size, status.cbInQue));
        if (!now.post([&](OVERLAPPED* o) { return ReadFile(port, bytes, wanted, nullptr, o); }) ||
            !now.ended(port, got, true, failed))
            failed = true;
        return got;
    }
};

ScaleLine::ScaleLine() : system(std::make_unique<System>()) {}

ScaleLine::~ScaleLine() {
    close();
}

bool ScaleLine::open(const SimOptions& options, std::string& error) {
    System& s = *system;
    s.name = options.portName;
    const std::string device = "\\\\.\\COM" + std::to_string(comNumber(options.portName));
    s.port = CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_FLAG_OVERLAPPED, nullptr);
    if (s.port == INVALID_HANDLE_VALUE) {
        error = "cannot open " + s.name + ": " + systemMessage(GetLastError());
        return false;
    }
    // 8N1 without flow control; the rate of --baud, or the one the port has.
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    bool set = GetCommState(s.port, &dcb);
    if (options.baud > 0)
        dcb.BaudRate = static_cast<DWORD>(options.baud);
    dcb.fBinary = TRUE;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fParity = dcb.fOutxCtsFlow = dcb.fOutxDsrFlow = dcb.fDsrSensitivity = 0;
    dcb.fOutX = dcb.fInX = dcb.fErrorChar = dcb.fNull = dcb.fAbortOnError = 0;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    // No time-outs: a read ends when its bytes are there, a write when the port has taken them.
    COMMTIMEOUTS timeouts{};
    set = set && SetCommState(s.port, &dcb) && SetCommTimeouts(s.port, &timeouts);
    if (!set) {
        error = "cannot set the line of " + s.name + ": " + systemMessage(GetLastError());
        close();
        return false;
    }
    PurgeComm(s.port, PURGE_RXCLEAR | PURGE_TXCLEAR);
    s.failed = false;
    return true;
}

bool ScaleLine::wait(bool wantInput, bool wantOutput, std::optional<Clock::time_point> until) {
    System& s = *system;
    if (wantInput)
        s.listen();
    if (s.failed)
        return false;
    HANDLE events[3] = {s.wakeEvent};
    DWORD count = 1;
    if (wantInput)
        events[count++] = s.reading.overlapped.hEvent;
    if (wantOutput && s.writing.posted)
        events[count++] = s.writing.overlapped.hEvent;
    DWORD timeout = INFINITE;
    if (until) {
        // Rounded up: waking a little early would only wait again.
        auto left =
            std::chrono::ceil<std::chrono::milliseconds>(std::max(*until - Clock::now(), Clock::duration{}));
        timeout = static_cast<DWORD>(std::min<long long>(left.count(), INFINITE - 1));
    }
    return WaitForMultipleObjects(count, events, FALSE, timeout) != WAIT_FAILED;
}

size_t ScaleLine::read(uint8_t* bytes, size_t size) {
    System& s = *system;
    size_t got = 0;
    DWORD moved = 0;
    if (s.reading.ended(s.port, moved, false, s.failed) && moved == 1 && size > 0)
        bytes[got++] = s.firstByte;
    if (s.reading.posted || s.port == INVALID_HANDLE_VALUE)
        return got;
    return got + s.takeQueued(bytes + got, size - got);
}

size_t ScaleLine::write(const uint8_t* bytes, size_t count) {
    System& s = *system;
    DWORD moved = 0;
    if (s.writing.posted && !s.writing.ended(s.port, moved, false, s.failed))
        return 0;
    if (s.failed || count == 0)
        return 0;
    s.outgoing.assign(bytes, bytes + count);
    if (!s.writing.post([&](OVERLAPPED* o) {
            return WriteFile(s.port, s.outgoing.data(), static_cast<DWORD>(count), nullptr, o);
        })) {
        s.failed = true;
        return 0;
    }
    return count;
}

void ScaleLine::wake() {
    SetEvent(system->wakeEvent);
}

int ScaleLine::baud() const {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    return GetCommState(system->port, &dcb) ? static_cast<int>(dcb.BaudRate) : 0;
}

void ScaleLine::withdraw(const std::atomic<bool>& stopping) {
    // A COM port has no name to take away: the PC keeps its end and hears nothing more. What was
    // written goes out first, for half a second at most.
    System& s = *system;
    const auto deadline = Clock::now() + std::chrono::milliseconds(500);
    DWORD moved = 0;
    while (!stopping && Clock::now() < deadline && s.writing.posted &&
           !s.writing.ended(s.port, moved, false, s.failed))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    DWORD errors = 0;
    COMSTAT status{};
    while (!stopping && Clock::now() < deadline && ClearCommError(s.port, &errors, &status) &&
           status.cbOutQue > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void ScaleLine::close() {
    System& s = *system;
    if (s.port == INVALID_HANDLE_VALUE)
        return;
    // The posted operations use our buffers: they must have ended before the handle and the buffers go.
    CancelIoEx(s.port, nullptr);
    DWORD moved = 0;
    bool ignored = false;
    s.reading.ended(s.port, moved, true, ignored);
    s.writing.ended(s.port, moved, true, ignored);
    CloseHandle(s.port);
    s.port = INVALID_HANDLE_VALUE;
}

std::string ScaleLine::devicePath() const {
    return system->name;
}

const char* ScaleLine::usageText() {
    return "--port COMn";
}

std::string ScaleLine::linkRefusal() {
    return "--link needs a pseudo-terminal, which Windows has not: serve on a COM port with --port COMn "
           "(a null-modem cable to the PC's port, or a virtual port pair)";
}

std::string ScaleLine::portRefusal(const std::string& name) {
    return comNumber(name) > 0 ? std::string()
                               : "--port needs a COM port from COM1 to COM256, not '" + name + "'";
}

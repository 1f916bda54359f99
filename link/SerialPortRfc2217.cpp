// rfc2217://HOST:PORT: Telnet with the COM-PORT-CONTROL option (RFC 2217) to a device server. Before
// the open succeeds the server has agreed to the option and confirmed the line: the baud rate asked
// for, 8 data bits, no parity, one stop bit, no flow control. purgeInput also has the server drop its
// own receive buffer. The line's bytes travel in Telnet's binary mode, where only IAC (FF) is special
// and is sent and received doubled.
#include "link/NetworkPort.h"

#include <array>

namespace {

// Telnet commands and options.
constexpr uint8_t kIac = 255, kDont = 254, kDo = 253, kWont = 252, kWill = 251, kSb = 250, kSe = 240;
constexpr uint8_t kBinary = 0, kSuppressGoAhead = 3, kComPort = 44;

// COM-PORT-CONTROL commands as the client sends them; the server answers each with the code + 100.
constexpr uint8_t kSetBaudRate = 1, kSetDataSize = 2, kSetParity = 3, kSetStopSize = 4, kSetControl = 5,
                  kPurgeData = 12;
constexpr uint8_t kServerOffset = 100;
constexpr uint8_t kParityNone = 1, kOneStopBit = 1, kNoFlowControl = 1, kPurgeReceiveBuffer = 1;
// Subnegotiations longer than this are none that the port needs; the rest is dropped.
constexpr size_t kMaxSubnegotiation = 64;

class Rfc2217Port final : public NetworkPort {
protected:
    bool startSession(int32_t baud, Clock::time_point deadline) override;
    void decode(const uint8_t* bytes, size_t n) override;
    void encode(const uint8_t* bytes, size_t n, std::vector<uint8_t>& out) override;

public:
    void purgeInput() override;

private:
    enum class Receiving { Data, Command, Option, Sub, SubCommand };

    bool waitUntil(bool (Rfc2217Port::*done)() const, Clock::time_point deadline, const char* failure);
    bool comPortDecided() const { return on[kComPort].local || refused; }
    bool lineConfirmed() const {
        return confirmed[kSetBaudRate] && confirmed[kSetDataSize] && confirmed[kSetParity] &&
               confirmed[kSetStopSize];
    }

    void sendCommand(uint8_t command, uint8_t option);
    void refuse(uint8_t command, uint8_t option, bool& refusedBefore);
    void sendComPort(uint8_t command, const std::vector<uint8_t>& value);
    void negotiate(uint8_t command, uint8_t option);
    void subnegotiation();

    // Per option: enabled on our side (WILL) and on the server's (DO), whether we asked for it, and
    // whether we have refused it already (a refusal is sent once: a server that repeats a request
    // without end gets no stream of answers to stall on).
    struct OptionState {
        bool local = false, remote = false, askedLocal = false, askedRemote = false;
        bool refusedLocal = false, refusedRemote = false;
    };
    std::array<OptionState, 256> on{};
    bool refused = false;

    Receiving state = Receiving::Data;
    uint8_t command = 0;
    std::vector<uint8_t> sub;

    // The server's confirmations of the line settings, by command, with the value it reported.
    std::array<bool, 16> confirmed{};
    std::array<uint32_t, 16> reported{};
    bool purgesConfirmed = true;
};

bool wantedLocally(uint8_t option) {
    return option == kBinary || option == kSuppressGoAhead || option == kComPort;
}

bool wantedRemotely(uint8_t option) {
    return option == kBinary || option == kSuppressGoAhead;
}

void Rfc2217Port::sendCommand(uint8_t verb, uint8_t option) {
    const uint8_t bytes[] = {kIac, verb, option};
    sendRaw(bytes, sizeof bytes);
}

void Rfc2217Port::sendComPort(uint8_t code, const std::vector<uint8_t>& value) {
    std::vector<uint8_t> out = {kIac, kSb, kComPort, code};
    encode(value.data(), value.size(), out);
    out.insert(out.end(), {kIac, kSe});
    sendRaw(out.data(), out.size());
}

void Rfc2217Port::refuse(uint8_t verb, uint8_t option, bool& refusedBefore) {
    if (!refusedBefore)
        sendCommand(verb, option);
    refusedBefore = true;
}

bool Rfc2217Port::waitUntil(bool (Rfc2217Port::*done)() const, Clock::time_point deadline,
                            const char* failure) {
    // Line bytes before the line is set up mean nothing; they are dropped as they come.
    for (; !(this->*done)(); dropPending())
        if (!receiveSome(deadline)) {
            if (errorText.empty())
                errorText = failure;
            return false;
        }
    return true;
}

bool Rfc2217Port::startSession(int32_t baud, Clock::time_point deadline) {
    if (baud <= 0) {
        errorText = "baud rate " + std::to_string(baud);
        return false;
    }
    for (uint8_t option : {kBinary, kSuppressGoAhead, kComPort}) {
        on[option].askedLocal = true;
        sendCommand(kWill, option);
    }
    for (uint8_t option : {kBinary, kSuppressGoAhead}) {
        on[option].askedRemote = true;
        sendCommand(kDo, option);
    }
    if (!waitUntil(&Rfc2217Port::comPortDecided, deadline,
                   "the device server does not answer the COM port option"))
        return false;
    if (refused) {
        errorText = "the device server refuses COM port control";
        return false;
    }
    auto b = static_cast<uint32_t>(baud);
    sendComPort(kSetBaudRate, {uint8_t(b >> 24), uint8_t(b >> 16), uint8_t(b >> 8), uint8_t(b)});
    sendComPort(kSetDataSize, {8});
    sendComPort(kSetParity, {kParityNone});
    sendComPort(kSetStopSize, {kOneStopBit});
    sendComPort(kSetControl, {kNoFlowControl});
    if (!waitUntil(&Rfc2217Port::lineConfirmed, deadline,
                   "the device server does not confirm the line settings"))
        return false;
    // As with a serial device, a rate the server rounded off (2 % and more) or refused fails the open.
    // 64-bit: the server may report any 32-bit rate, and long has 32 bits on Windows.
    int64_t off = int64_t{reported[kSetBaudRate]} - baud;
    if ((off < 0 ? -off : off) * 50 > baud || reported[kSetDataSize] != 8 ||
        reported[kSetParity] != kParityNone || reported[kSetStopSize] != kOneStopBit) {
        errorText = "the device server did not take " + std::to_string(baud) + " 8N1";
        return false;
    }
    return true;
}

void Rfc2217Port::encode(const uint8_t* bytes, size_t n, std::vector<uint8_t>& out) {
    for (size_t i = 0; i < n; ++i) {
        out.push_back(bytes[i]);
        if (bytes[i] == kIac)
            out.push_back(kIac);
    }
}

void Rfc2217Port::decode(const uint8_t* bytes, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        uint8_t b = bytes[i];
        switch (state) {
        case Receiving::Data:
            if (b == kIac)
                state = Receiving::Command;
            else
                deliver(b);
            break;
        case Receiving::Command:
            state = Receiving::Data;
            if (b == kIac) {
                deliver(b);
            } else if (b >= kWill && b <= kDont) {
                command = b;
                state = Receiving::Option;
            } else if (b == kSb) {
                sub.clear();
                state = Receiving::Sub;
            } // any other command (NOP, go-ahead, ...) means nothing on this line
            break;
        case Receiving::Option:
            negotiate(command, b);
            state = Receiving::Data;
            break;
        case Receiving::Sub:
            if (b == kIac)
                state = Receiving::SubCommand;
            else if (sub.size() < kMaxSubnegotiation)
                sub.push_back(b);
            break;
        case Receiving::SubCommand:
            if (b == kIac) {
                if (sub.size() < kMaxSubnegotiation)
                    sub.push_back(b);
                state = Receiving::Sub;
            } else {
                if (b == kSe)
                    subnegotiation();
                state = Receiving::Data;
            }
            break;
        }
    }
}

// The options this port uses are agreed to, every other one refused. A request that would not
// change an option's state is not answered, so that the two sides never loop.
void Rfc2217Port::negotiate(uint8_t verb, uint8_t option) {
    OptionState& o = on[option];
    switch (verb) {
    case kDo:
        if (!wantedLocally(option)) {
            refuse(kWont, option, o.refusedLocal);
        } else if (!o.local) {
            o.local = true;
            if (!o.askedLocal)
                sendCommand(kWill, option);
            o.askedLocal = true;
        }
        break;
    case kDont:
        if (option == kComPort)
            refused = true;
        if (o.local)
            sendCommand(kWont, option);
        o.local = false;
        break;
    case kWill:
        if (!wantedRemotely(option)) {
            refuse(kDont, option, o.refusedRemote);
        } else if (!o.remote) {
            o.remote = true;
            if (!o.askedRemote)
                sendCommand(kDo, option);
            o.askedRemote = true;
        }
        break;
    default: // kWont
        if (o.remote)
            sendCommand(kDont, option);
        o.remote = false;
        break;
    }
}

void Rfc2217Port::subnegotiation() {
    if (sub.size() < 3 || sub[0] != kComPort || sub[1] <= kServerOffset)
        return;
    size_t code = sub[1] - kServerOffset;
    if (code >= confirmed.size())
        return;
    uint32_t value = 0;
    for (size_t i = 2; i < sub.size() && i < 6; ++i)
        value = value << 8 | sub[i];
    confirmed[code] = true;
    reported[code] = value;
}

// The server confirms the purge in the stream: whatever came before the confirmation is stale and
// dropped. Waiting for it also keeps the exchange quick: the request that follows carries the TCP
// acknowledgement of the confirmation, so a server that holds small packets back until its last one
// is acknowledged (Nagle's rule) sends the reply at once instead of after the delayed acknowledgement.
// A server that does not confirm purges is not waited for again.
void Rfc2217Port::purgeInput() {
    sendComPort(kPurgeData, {kPurgeReceiveBuffer});
    if (purgesConfirmed) {
        confirmed[kPurgeData] = false;
        auto deadline = Clock::now() + std::chrono::milliseconds(perByteWaitMs());
        while (!confirmed[kPurgeData] && purgesConfirmed) {
            purgesConfirmed = receiveSome(deadline);
            dropPending();
        }
    }
    NetworkPort::purgeInput();
}

} // namespace

std::unique_ptr<PortBackend> makeRfc2217Backend() {
    return std::make_unique<Rfc2217Port>();
}

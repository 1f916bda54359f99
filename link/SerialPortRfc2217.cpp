// rfc2217://HOST:PORT: Telnet with the COM-PORT-CONTROL option (RFC 2217) to a device server. Before
// the open succeeds the server has agreed to the option and confirmed the line: the baud rate asked
// for, 8 data bits, no parity, one stop bit, no flow control. purgeInput also has the server drop its
// own receive buffer. The line's bytes travel in Telnet's binary mode, where only IAC (FF) is special
// and is sent and received doubled.
#include "link/NetworkPort.h"
#include "link/Rfc2217Session.h"

namespace {

using Telnet = Rfc2217Session;
constexpr uint8_t kParityNone = 1, kOneStopBit = 1, kNoFlowControl = 1, kPurgeReceiveBuffer = 1;

class Rfc2217Port final : public NetworkPort {
protected:
    bool startSession(int32_t baud, Clock::time_point deadline) override;
    void decode(const uint8_t* bytes, size_t n) override { session.decode(bytes, n); }
    void encode(const uint8_t* bytes, size_t n, std::vector<uint8_t>& out) override {
        Telnet::encode(bytes, n, out);
    }

public:
    void purgeInput() override;

private:
    bool waitUntil(bool (Rfc2217Port::*done)() const, Clock::time_point deadline, const char* failure);
    bool comPortDecided() const { return session.comPortDecided(); }
    bool lineConfirmed() const {
        return session.confirmed(Telnet::kSetBaudRate) && session.confirmed(Telnet::kSetDataSize) &&
               session.confirmed(Telnet::kSetParity) && session.confirmed(Telnet::kSetStopSize);
    }

    Rfc2217Session session{[this](const uint8_t* bytes, size_t n) { sendRaw(bytes, n); },
                           [this](uint8_t b) { deliver(b); }};
    bool purgesConfirmed = true;
};

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
    session.start();
    if (!waitUntil(&Rfc2217Port::comPortDecided, deadline,
                   "the device server does not answer the COM port option"))
        return false;
    if (session.comPortRefused()) {
        errorText = "the device server refuses COM port control";
        return false;
    }
    auto b = static_cast<uint32_t>(baud);
    session.sendComPort(Telnet::kSetBaudRate,
                        {uint8_t(b >> 24), uint8_t(b >> 16), uint8_t(b >> 8), uint8_t(b)});
    session.sendComPort(Telnet::kSetDataSize, {8});
    session.sendComPort(Telnet::kSetParity, {kParityNone});
    session.sendComPort(Telnet::kSetStopSize, {kOneStopBit});
    session.sendComPort(Telnet::kSetControl, {kNoFlowControl});
    if (!waitUntil(&Rfc2217Port::lineConfirmed, deadline,
                   "the device server does not confirm the line settings"))
        return false;
    // As with a serial device, a rate the server rounded off (2 % and more) or refused fails the open.
    // 64-bit: the server may report any 32-bit rate, and long has 32 bits on Windows.
    int64_t off = int64_t{session.reported(Telnet::kSetBaudRate)} - baud;
    if ((off < 0 ? -off : off) * 50 > baud || session.reported(Telnet::kSetDataSize) != 8 ||
        session.reported(Telnet::kSetParity) != kParityNone ||
        session.reported(Telnet::kSetStopSize) != kOneStopBit) {
        errorText = "the device server did not take " + std::to_string(baud) + " 8N1";
        return false;
    }
    return true;
}

// The server confirms the purge in the stream: whatever came before the confirmation is stale and
// dropped. Waiting for it also keeps the exchange quick: the request that follows carries the TCP
// acknowledgement of the confirmation, so a server that holds small packets back until its last one
// is acknowledged (Nagle's rule) sends the reply at once instead of after the delayed acknowledgement.
// A server that does not confirm purges is not waited for again.
void Rfc2217Port::purgeInput() {
    session.sendComPort(Telnet::kPurgeData, {kPurgeReceiveBuffer});
    if (purgesConfirmed) {
        session.forget(Telnet::kPurgeData);
        auto deadline = Clock::now() + std::chrono::milliseconds(perByteWaitMs());
        while (!session.confirmed(Telnet::kPurgeData) && purgesConfirmed) {
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

// What the two network backends of SerialPort share: the connection to the device server, the line's
// bytes received and not yet read, and the per-byte wait. A raw stream passes the line's bytes as
// they are; a protocol on top (RFC 2217) turns them into and out of its own bytes with encode and
// decode, and does its set-up in startSession.
#pragma once

#include "link/PortBackend.h"
#include "link/TcpStream.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

class NetworkPort : public PortBackend {
public:
    // How long the device server has to accept the connection and agree to a session on it, both
    // together.
    static constexpr int kConnectMs = 3000;

    ~NetworkPort() override;
    bool open(const std::string& name, int32_t baud, int waitMs) override;
    bool readOne(uint8_t& b) override;
    bool writeOne(uint8_t b) override;
    void writeBlock(const uint8_t* block, int n) override;
    void purgeInput() override;
    // There is no modem line of ours at the far end to raise.
    void raiseDtr() override {}

protected:
    using Clock = std::chrono::steady_clock;

    // Runs after the connection is made and before the open succeeds; deadline ends the whole open.
    virtual bool startSession(int32_t baud, Clock::time_point deadline) = 0;
    // Bytes as they came over the connection; the line's bytes among them go to deliver.
    virtual void decode(const uint8_t* bytes, size_t n) = 0;
    // The line's bytes as they must go over the connection, appended to out.
    virtual void encode(const uint8_t* bytes, size_t n, std::vector<uint8_t>& out) = 0;

    void deliver(uint8_t b) { pending.push_back(b); }
    int perByteWaitMs() const { return waitMs; }
    // Sends bytes over the connection as they stand. A send that fails or stalls ends the session:
    // from then on every send and receive fails at once.
    bool sendRaw(const uint8_t* bytes, size_t n);
    // Receives one batch from the connection and decodes it; false once the deadline has passed (even
    // while bytes keep coming), when nothing came by it, or when the session has ended. Without wait
    // it takes only what has already arrived.
    bool receiveSome(Clock::time_point deadline, bool wait = true);
    // Drops the line's bytes received and not yet read.
    void dropPending();

private:
    bool sendLine(const uint8_t* bytes, size_t n);

    TcpStream stream;
    bool ended = false;
    int waitMs = 0;
    Clock::time_point lastSent{};
    // The line's bytes received and not yet read, from readAt on. Filled by one batch at a time, and
    // only once the last one has been read (or dropped), so it never holds more than a batch decodes to.
    std::vector<uint8_t> pending;
    size_t readAt = 0;
};

// "HOST:PORT" after the scheme of a port name ("[::1]:4001" for an IPv6 address); false when the
// name has no such part.
bool splitNetworkAddress(const std::string& name, std::string& host, std::string& service);

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
    // How long the device server has to accept the connection (and to agree to a session on it).
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

    // Runs after the connection is made and before the open succeeds.
    virtual bool startSession(int32_t baud) = 0;
    // Bytes as they came over the connection; the line's bytes among them go to deliver.
    virtual void decode(const uint8_t* bytes, size_t n) = 0;
    // The line's bytes as they must go over the connection, appended to out.
    virtual void encode(const uint8_t* bytes, size_t n, std::vector<uint8_t>& out) = 0;

    void deliver(uint8_t b) { pending.push_back(b); }
    int perByteWaitMs() const { return waitMs; }
    // Sends bytes over the connection as they stand.
    bool sendRaw(const uint8_t* bytes, size_t n);
    // Receives one batch from the connection and decodes it; false when nothing came by the deadline
    // or the connection has gone.
    bool receiveSome(Clock::time_point deadline);

private:
    bool sendLine(const uint8_t* bytes, size_t n);

    TcpStream stream;
    int waitMs = 0;
    Clock::time_point lastSent{};
    // The line's bytes received and not yet read, from readAt on.
    std::vector<uint8_t> pending;
    size_t readAt = 0;
};

// "HOST:PORT" after the scheme of a port name ("[::1]:4001" for an IPv6 address); false when the
// name has no such part.
bool splitNetworkAddress(const std::string& name, std::string& host, std::string& service);

// socket://HOST:PORT: a raw TCP byte stream to a device server (ser2net's raw mode, the "TCP server"
// mode of serial device servers). The line's settings are the server's own: the baud rate asked for
// is not sent anywhere, and the bytes pass unchanged both ways.
#include "link/NetworkPort.h"

namespace {

class SocketPort final : public NetworkPort {
protected:
    bool startSession(int32_t, Clock::time_point) override { return true; }
    void decode(const uint8_t* bytes, size_t n) override {
        for (size_t i = 0; i < n; ++i)
            deliver(bytes[i]);
    }
    void encode(const uint8_t* bytes, size_t n, std::vector<uint8_t>& out) override {
        out.insert(out.end(), bytes, bytes + n);
    }
};

} // namespace

std::unique_ptr<PortBackend> makeSocketBackend() {
    return std::make_unique<SocketPort>();
}

// Arbitrary bytes from a device server into the Telnet side of an rfc2217:// port, cut into two
// segments at a point the input chooses: option negotiation and subnegotiation never answer more
// than the stream asked for, refuse each option at most once in each direction, and deliver no more
// line bytes than came.
#include "link/Rfc2217Session.h"

#include <algorithm>
#include <array>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    std::vector<uint8_t> sent;
    size_t delivered = 0;
    Rfc2217Session session(
        [&sent](const uint8_t* bytes, size_t n) { sent.insert(sent.end(), bytes, bytes + n); },
        [&delivered](uint8_t) { ++delivered; });
    session.start();
    const size_t opening = sent.size();
    const uint8_t* stream = data + 1;
    const size_t length = size - 1;
    const size_t cut = std::min<size_t>(data[0], length);
    session.decode(stream, cut);
    session.decode(stream + cut, length - cut);

    // Every answer is three bytes and needs a command (an IAC) of the server's.
    const auto commands = static_cast<size_t>(std::count(stream, stream + length, Rfc2217Session::kIac));
    if (sent.size() - opening > 3 * commands || delivered > length)
        std::abort();
    // Refusals of options the port never uses: once per option and direction.
    std::array<int, 512> refusals{};
    for (size_t i = opening; i + 2 < sent.size(); i += 3) {
        if (sent[i] != Rfc2217Session::kIac)
            std::abort();
        uint8_t verb = sent[i + 1], option = sent[i + 2];
        bool used = option == Rfc2217Session::kBinary || option == Rfc2217Session::kSuppressGoAhead ||
                    option == Rfc2217Session::kComPort;
        if (!used && ++refusals[(verb == Rfc2217Session::kWont ? 0 : 256) + option] > 1)
            std::abort();
    }
    if (session.comPortRefused() && !session.comPortDecided())
        std::abort();
    return 0;
}

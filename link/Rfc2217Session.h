// The Telnet side of an rfc2217:// port, apart from the connection: the options asked for and
// answered, the line's bytes taken out of the stream, and the server's COM-PORT-CONTROL
// confirmations. The bytes it must send go to a sender, the line's bytes to a receiver, so that it
// can be fed any stream on its own (the fuzz target does).
//
// Every buffer has a ceiling: a subnegotiation is kept up to kMaxSubnegotiation bytes, and each
// option is refused at most once in each direction, so that a server repeating requests without
// end gets no stream of answers to stall on.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class Rfc2217Session {
public:
    // Telnet commands and the options the port uses.
    static constexpr uint8_t kIac = 255, kDont = 254, kDo = 253, kWont = 252, kWill = 251, kSb = 250,
                             kSe = 240;
    static constexpr uint8_t kBinary = 0, kSuppressGoAhead = 3, kComPort = 44;
    // COM-PORT-CONTROL commands as the client sends them; the server answers each with the code + 100.
    static constexpr uint8_t kSetBaudRate = 1, kSetDataSize = 2, kSetParity = 3, kSetStopSize = 4,
                             kSetControl = 5, kPurgeData = 12;
    static constexpr uint8_t kServerOffset = 100;
    // Subnegotiations longer than this are none that the port needs; the rest is dropped.
    static constexpr size_t kMaxSubnegotiation = 64;
    // The commands whose confirmations are kept.
    static constexpr size_t kCommands = 16;

    using Sender = std::function<void(const uint8_t* bytes, size_t n)>;
    using Receiver = std::function<void(uint8_t byte)>;
    Rfc2217Session(Sender send, Receiver deliver) : send(std::move(send)), deliver(std::move(deliver)) {}

    // Offers binary mode, suppress-go-ahead and COM port control, and asks for the first two.
    void start();
    // Bytes as they came from the server.
    void decode(const uint8_t* bytes, size_t n);
    // The line's bytes as they must be sent: IAC doubled.
    static void encode(const uint8_t* bytes, size_t n, std::vector<uint8_t>& out);
    void sendComPort(uint8_t code, const std::vector<uint8_t>& value);

    // The server has agreed to COM port control, or refused it.
    bool comPortDecided() const { return on[kComPort].local || comPortRefused(); }
    bool comPortRefused() const { return refused; }
    // Whether the server has confirmed a command (code below kCommands) since it was last forgotten,
    // and the value it reported.
    bool confirmed(uint8_t code) const { return confirmations[code]; }
    uint32_t reported(uint8_t code) const { return values[code]; }
    void forget(uint8_t code) { confirmations[code] = false; }

private:
    enum class Receiving { Data, Command, Option, Sub, SubCommand };

    void sendCommand(uint8_t verb, uint8_t option);
    void refuse(uint8_t verb, uint8_t option, bool& refusedBefore);
    void negotiate(uint8_t verb, uint8_t option);
    void subnegotiation();

    Sender send;
    Receiver deliver;

    // Per option: enabled on our side (WILL) and on the server's (DO), whether we asked for it, and
    // whether we have refused it already.
    struct OptionState {
        bool local = false, remote = false, askedLocal = false, askedRemote = false;
        bool refusedLocal = false, refusedRemote = false;
    };
    std::array<OptionState, 256> on{};
    bool refused = false;

    Receiving state = Receiving::Data;
    uint8_t command = 0;
    std::vector<uint8_t> sub;

    std::array<bool, kCommands> confirmations{};
    std::array<uint32_t, kCommands> values{};
};

#include "link/Rfc2217Session.h"

namespace {

bool wantedLocally(uint8_t option) {
    return option == Rfc2217Session::kBinary || option == Rfc2217Session::kSuppressGoAhead ||
           option == Rfc2217Session::kComPort;
}

bool wantedRemotely(uint8_t option) {
    return option == Rfc2217Session::kBinary || option == Rfc2217Session::kSuppressGoAhead;
}

} // namespace

void Rfc2217Session::start() {
    for (uint8_t option : {kBinary, kSuppressGoAhead, kComPort}) {
        on[option].askedLocal = true;
        sendCommand(kWill, option);
    }
    for (uint8_t option : {kBinary, kSuppressGoAhead}) {
        on[option].askedRemote = true;
        sendCommand(kDo, option);
    }
}

void Rfc2217Session::sendCommand(uint8_t verb, uint8_t option) {
    const uint8_t bytes[] = {kIac, verb, option};
    send(bytes, sizeof bytes);
}

void Rfc2217Session::sendComPort(uint8_t code, const std::vector<uint8_t>& value) {
    std::vector<uint8_t> out = {kIac, kSb, kComPort, code};
    encode(value.data(), value.size(), out);
    out.insert(out.end(), {kIac, kSe});
    send(out.data(), out.size());
}

void Rfc2217Session::refuse(uint8_t verb, uint8_t option, bool& refusedBefore) {
    if (!refusedBefore)
        sendCommand(verb, option);
    refusedBefore = true;
}

void Rfc2217Session::encode(const uint8_t* bytes, size_t n, std::vector<uint8_t>& out) {
    for (size_t i = 0; i < n; ++i) {
        out.push_back(bytes[i]);
        if (bytes[i] == kIac)
            out.push_back(kIac);
    }
}

void Rfc2217Session::decode(const uint8_t* bytes, size_t n) {
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
void Rfc2217Session::negotiate(uint8_t verb, uint8_t option) {
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

void Rfc2217Session::subnegotiation() {
    if (sub.size() < 3 || sub[0] != kComPort || sub[1] <= kServerOffset)
        return;
    size_t code = sub[1] - kServerOffset;
    if (code >= kCommands)
        return;
    uint32_t value = 0;
    for (size_t i = 2; i < sub.size() && i < 6; ++i)
        value = value << 8 | sub[i];
    confirmations[code] = true;
    values[code] = value;
}

// Test support for running the emulated scale in-process.
//
// SimHarness: a fresh temporary folder, the port-link folder pointed at it, and a started ScaleSim
// whose link is <folder>/ports/COM1, so that theLink.open(1, baud) reaches the emulated scale just
// as the program reaches a real one. The options given are used as they are, except linkPath.
// On destruction it stops the scale, closes theLink and removes the folder.
//
//     SimHarness scale;                         // or SimHarness scale(options) with a baud etc.
//     ASSERT_TRUE(theLink.open(1, 9600));
//     scale.sim().injectFault(Fault::Nak);
//
// RawLine: the PC's end of the line without the link code, for tests that check the scale's
// framing byte for byte: writes bytes as given and reads what arrives.
#pragma once

#include "sim/ScaleSim.h"

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// Test parameters and messages show a fault by its name.
inline void PrintTo(Fault fault, std::ostream* out) {
    *out << faultName(fault);
}

class SimHarness {
public:
    explicit SimHarness(SimOptions options = {});
    ~SimHarness();
    SimHarness(const SimHarness&) = delete;
    SimHarness& operator=(const SimHarness&) = delete;

    ScaleSim& sim() { return scale; }
    // Waits until the PC has answered the scale's last reply, or moved on without (at most `wait`),
    // and tells whether the answer was an ACK. A reply that is still unanswered then counts as not
    // acknowledged.
    bool lastReplyAcknowledged(std::chrono::milliseconds wait = std::chrono::milliseconds(3000));
    const std::string& folder() const { return dir; }
    std::string linkPath() const { return dir + "/ports/COM1"; }

private:
    static std::string makeFolder();
    std::string dir;
    ScaleSim scale;
};

class RawLine {
public:
    // Opens the device (raw, 8 bits, no echo). Throws when it cannot.
    explicit RawLine(const std::string& path);
    ~RawLine();
    RawLine(const RawLine&) = delete;
    RawLine& operator=(const RawLine&) = delete;

    void write(const std::vector<uint8_t>& bytes);
    // Bytes until `count` have arrived or none has come for `quiet`.
    std::vector<uint8_t> read(size_t count,
                              std::chrono::milliseconds quiet = std::chrono::milliseconds(1000));
    // Everything that arrives until the line has been quiet for `quiet`.
    std::vector<uint8_t> drain(std::chrono::milliseconds quiet = std::chrono::milliseconds(200));
    // False once the device has gone (a read error or end of file).
    bool alive() const { return !gone; }

private:
    int fd = -1;
    bool gone = false;
};

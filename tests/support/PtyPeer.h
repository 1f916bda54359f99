// A scripted far end of a real pseudo-terminal for link tests: the program under test opens the
// slave through the ports/COM1 link in a temporary folder, the test reads what it sent and writes
// exactly the bytes it wants the program to receive.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

class PtyPeer {
public:
    // Makes the pty, a fresh temporary folder with ports/COM<number> linked to the slave, and points
    // the port-link folder there.
    explicit PtyPeer(int number = 1);
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    // Up to max bytes, waiting at most `wait` for the first and a short while for more.
    std::vector<uint8_t> read(std::chrono::milliseconds wait = std::chrono::milliseconds(2000),
                              size_t max = 4096);
    // Exactly n bytes, or fewer when `wait` passes without one arriving.
    std::vector<uint8_t> readExactly(size_t n,
                                     std::chrono::milliseconds wait = std::chrono::milliseconds(2000));
    void write(const std::vector<uint8_t>& bytes);
    // Closes the master: the device vanishes for the program.
    void vanish();

    const std::string& folder() const { return dir; }
    const std::string& slavePath() const { return slave; }
    int masterFd() const { return master; }

private:
    int master = -1;
    int slaveKeeper = -1; // keeps the slave side alive while the program closes and reopens it
    std::string dir;
    std::string slave;
};

// Hex helpers for readable byte-for-byte expectations: "C3 04 00 01 01 C3 02".
std::vector<uint8_t> hexBytes(const std::string& hex);
std::string toHex(const std::vector<uint8_t>& bytes);

// RS32X: one serial port of the PC, 8N1 without flow control, opened by its COM number.
//
// Reads are one byte at a time with a single time-out (timeoutTicks x 55 ms); a failed or timed-out
// read sets the sticky readFailed flag, after which readByte returns 0 without touching the device
// until the owner clears the flag. The operating-system part lives in one backend file per platform.
#pragma once

#include <cstdint>
#include <string>

struct SerialPort {
    bool readFailed = false;
    int32_t timeoutTicks = 0;
    bool isOpen = false;

    // Opens "COM<number>" (see resolvePortName) with the given baud rate. Any previously held device
    // is released first. False when the device is missing, busy or refuses the line settings.
    bool openPort(uint8_t number, int32_t baud);
    // Opens a device by its path (a Linux addition: "/dev/ttyUSB0" typed into the port box).
    bool openDevice(const std::string& path, int32_t baud);
    void closePort();

    // Sends one byte while the port is open. Repeats while the device takes nothing, but returns false
    // as soon as the device reports an error (a removed adapter), so it never spins forever.
    bool writeByte(uint8_t b);
    // One write of the first n bytes of block; the outcome is not reported (a lost request shows up
    // as a missing reply).
    void writeBlock(const uint8_t* block, int n);
    uint8_t readByte();
    void purgeInput();
    void raiseDtr();

    // Text of the last operating-system failure, for diagnostics (never shown in a message box).
    const std::string& lastError() const { return lastErrorText; }

    SerialPort() = default;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;
    ~SerialPort();

private:
    // The operating system's part, one source file per platform: open and set up the device
    // (lastErrorText says why not), release it, wait for one byte within the time-out, and write one
    // byte until the device takes it or fails.
    bool openHandle(const std::string& path, int32_t baud);
    void releaseHandle();
    bool readOne(uint8_t& b);
    bool writeOne(uint8_t b);

    std::string lastErrorText;
#ifdef _WIN32
    void* handle = reinterpret_cast<void*>(static_cast<intptr_t>(-1));
#else
    int handle = -1;
#endif
    // The per-byte wait set up by the last open (timeoutTicks x 55 ms at that moment); a later change
    // of timeoutTicks takes effect at the next open, as the device's own time-out would. It also
    // bounds the wait for the output to leave at close.
    int waitMs = 0;
};

// Where "COMn" leads. On Linux the link ports/COMn in the port-link folder is used when it exists
// (a symlink to /dev/ttyUSB0, /dev/serial/by-id/... or an emulator's pty), else /dev/ttyS<n-1>.
// On Windows the name is the device itself.
std::string resolvePortName(uint8_t number);

// The folder that holds the ports/ links; by default the folder of the running program.
// Tests point it at a temporary folder.
void setPortLinkFolder(const std::string& folder);
std::string portLinkFolder();

// The operating system's serial device as a SerialPort backend. One source file per platform
// implements it: SerialPortPosix.cpp (termios) and SerialPortWin32.cpp (the COM device).
#pragma once

#include "link/PortBackend.h"

#include <cstdint>

class DevicePort final : public PortBackend {
public:
    ~DevicePort() override { releaseHandle(); }
    bool open(const std::string& path, int32_t baud, int waitMs) override;
    bool readOne(uint8_t& b) override;
    bool writeOne(uint8_t b) override;
    void writeBlock(const uint8_t* block, int n) override;
    void purgeInput() override;
    void raiseDtr() override;

private:
    void releaseHandle();
#ifdef _WIN32
    // Keeps the reason of the failed call: the port lost when the device has gone, else the call's
    // error for diagnostics.
    void noteFailure(const char* call);
#endif

#ifdef _WIN32
    void* handle = reinterpret_cast<void*>(static_cast<intptr_t>(-1)); // INVALID_HANDLE_VALUE
#else
    int handle = -1;
#endif
    // The device as opened, looked at again when it is silent: a removed device has gone from it.
    std::string devicePath;
    // The per-byte wait set up by the last open; it also bounds the wait for the output to leave at
    // close.
    int waitMs = 0;
};

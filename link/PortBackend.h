// What SerialPort needs of whatever carries its bytes: a COM device of the operating system, or a
// connection to a device server on the network. SerialPort keeps the bookkeeping that is the same
// for all of them (isOpen, the sticky readFailed); a backend only moves bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class PortBackend {
public:
    virtual ~PortBackend() = default;

    // Opens the port by its name as typed (a device path, "socket://HOST:PORT", ...) at the baud
    // rate; waitMs is the longest wait for one byte from then on. False with the reason in error().
    virtual bool open(const std::string& name, int32_t baud, int waitMs) = 0;
    // Waits up to the per-byte time-out for one byte. False on a time-out or when the port is gone.
    virtual bool readOne(uint8_t& b) = 0;
    // Sends one byte, repeating while nothing is taken; false as soon as the port reports an error.
    virtual bool writeOne(uint8_t b) = 0;
    // Sends a block; the outcome is not reported (a lost request shows up as a missing reply).
    virtual void writeBlock(const uint8_t* block, int n) = 0;
    virtual void purgeInput() = 0;
    virtual void raiseDtr() = 0;

    // Why the last open, read or write failed, for diagnostics (never shown in a message box).
    const std::string& error() const { return errorText; }
    // True once the port itself has failed (a vanished device, a hang-up, a closed connection): no
    // later read or write can succeed, so none is tried until the port is opened again.
    bool lost() const { return portLost; }
    // Why, in the system's words ("Input/output error").
    const std::string& lossReason() const { return lossText; }

protected:
    void markLost(const std::string& reason) {
        if (!portLost)
            lossText = reason;
        portLost = true;
        errorText = reason;
    }
    std::string errorText;

private:
    bool portLost = false;
    std::string lossText;
};

// The backend for a port name: a network backend for "socket://" and "rfc2217://", else the
// operating system's serial device.
std::unique_ptr<PortBackend> makePortBackend(const std::string& name);

// One factory per backend, each in its own source file.
std::unique_ptr<PortBackend> makeDeviceBackend();
std::unique_ptr<PortBackend> makeSocketBackend();
std::unique_ptr<PortBackend> makeRfc2217Backend();

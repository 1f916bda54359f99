// RS32X: one serial port of the PC, 8N1 without flow control, opened by its COM number.
//
// Reads are one byte at a time with a single time-out (timeoutTicks x 55 ms); a failed or timed-out
// read sets the sticky readFailed flag, after which readByte returns 0 without touching the device
// until the owner clears the flag. What carries the bytes is a backend chosen by the port's name at
// open (link/PortBackend.h): the operating system's device, one source file per platform, or a device
// server on the network.
#pragma once

#include "link/PortBackend.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct SerialPort {
    bool readFailed = false;
    int32_t timeoutTicks = 0;
    bool isOpen = false;

    // Opens "COM<number>" (see resolvePortName) with the given baud rate. Any previously held device
    // is released first. False when the device is missing, busy or refuses the line settings.
    bool openPort(int number, int32_t baud);
    // Opens a port by its name as typed: a device path (a Linux addition: "/dev/ttyUSB0"), or a
    // device server on the network, "socket://HOST:PORT" (raw TCP) or "rfc2217://HOST:PORT" (Telnet
    // with COM port control).
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

    // Text of the last failure, for diagnostics (never shown in a message box).
    const std::string& lastError() const;
    // The port itself has failed since it was opened (see PortBackend::lost): it stays so, and
    // reads and writes end at once, until the next open.
    bool portLost() const;
    // Why it was lost, in the system's words.
    const std::string& lossReason() const;

    SerialPort() = default;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;
    ~SerialPort();

private:
    // Kept after a failed open, as a device handle would be, until the next open or close.
    std::unique_ptr<PortBackend> backend;
};

// True for a port name that is opened as it stands rather than by a COM number: a device path or a
// network port.
bool isPortPath(const std::string& name);

// The n of a port name "COMn" (0 to 256, as Windows numbers its ports), or nothing for any other name.
std::optional<int> comPortNumber(const std::string& name);

// Where "COMn" leads. On Linux the link ports/COMn in the port-link folder is used when it exists
// (a symlink to /dev/ttyUSB0, /dev/serial/by-id/... or an emulator's pty), else /dev/ttyS<n-1>.
// On Windows the name is the device itself.
std::string resolvePortName(int number);

// The serial ports this computer has besides COM1 to COM8, in a stable order: on Linux the USB
// adapters' devices (/dev/ttyUSB*, /dev/ttyACM*, /dev/serial/by-id/*), on Windows the COM names the
// system lists (HARDWARE\DEVICEMAP\SERIALCOMM), which a USB adapter adds as COM9 and up.
std::vector<std::string> systemSerialPorts();

// The folder that holds the ports/ links; by default the folder of the running program.
// Tests point it at a temporary folder.
void setPortLinkFolder(const std::string& folder);
std::string portLinkFolder();

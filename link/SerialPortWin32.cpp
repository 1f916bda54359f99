// Win32 device backend of SerialPort: the COM device opened exclusively and synchronously, the line set
// through the DCB, one read time-out through COMMTIMEOUTS.
#include "link/DevicePort.h"
#include "link/SerialPort.h"

#include <algorithm>
#include <utility>
#include <windows.h>

namespace {

// The failures after which the device is not coming back on this handle: a USB adapter pulled out
// answers one of these to every call from then on, as does a virtual port whose other side ended.
bool deviceGone(DWORD error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_BAD_COMMAND:
    case ERROR_GEN_FAILURE:
    case ERROR_INVALID_HANDLE:
    case ERROR_FILE_NOT_FOUND:
    case ERROR_DEVICE_REMOVED:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_OPERATION_ABORTED:
        return true;
    default:
        return false;
    }
}

// The system's own words for an error code.
std::string systemMessage(DWORD error) {
    char text[256] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                             text, sizeof text, nullptr);
    while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == '.'))
        text[--n] = '\0';
    return n > 0 ? std::string(text, n) : "error " + std::to_string(error);
}

} // namespace

void DevicePort::noteFailure(const char* call) {
    const DWORD error = GetLastError();
    if (deviceGone(error))
        markLost(systemMessage(error));
    else
        errorText = std::string(call) + " failed (error " + std::to_string(error) + ")";
}

void setPortLinkFolder(const std::string&) {}
std::string portLinkFolder() {
    return ".";
}

// The device namespace's name: Windows opens COM1 to COM9 by their plain names too, but COM10 and up
// only this way.
std::string resolvePortName(int number) {
    return "\\\\.\\COM" + std::to_string(number);
}

// The registry's list of the serial ports there are now: one value per port, its data the COM name.
std::vector<std::string> systemSerialPorts() {
    std::vector<std::pair<unsigned, std::string>> found;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return {};
    for (DWORD index = 0;; ++index) {
        char value[256];
        DWORD valueSize = sizeof value;
        char data[64];
        DWORD dataSize = sizeof data - 1;
        DWORD type = 0;
        const LONG status = RegEnumValueA(key, index, value, &valueSize, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || type != REG_SZ)
            continue;
        data[dataSize] = '\0';
        const std::string name(data);
        if (const std::optional<int> number = comPortNumber(name); number && *number > 8)
            found.emplace_back(*number, name);
    }
    RegCloseKey(key);
    std::sort(found.begin(), found.end());
    std::vector<std::string> ports;
    for (const auto& [number, name] : found)
        ports.push_back(name);
    return ports;
}

void DevicePort::releaseHandle() {
    if (handle != INVALID_HANDLE_VALUE) {
        // As on Linux: what was written last (the acknowledgement of the last reply) may still be in
        // the transmit queue; let it leave, but only for the read time-out, so that a stalled or
        // removed adapter cannot hang the close. Only such a stalled queue is purged; purging after
        // a finished drain can drop bytes that the driver or a virtual port has taken already.
        ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(waitMs);
        DWORD errors = 0;
        COMSTAT stat{};
        bool stalled = false;
        while (ClearCommError(handle, &errors, &stat) && stat.cbOutQue > 0) {
            if (GetTickCount64() >= deadline) {
                stalled = true;
                break;
            }
            Sleep(2);
        }
        if (stalled)
            PurgeComm(handle, PURGE_TXABORT | PURGE_TXCLEAR);
        CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
}

bool DevicePort::open(const std::string& path, int32_t baud, int wait) {
    waitMs = wait;
    handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        errorText = path + ": cannot open (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    GetCommState(handle, &dcb);
    dcb.BaudRate = static_cast<DWORD>(baud);
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    // The flags word as a whole: no flow control, no parity check, DTR and RTS control disabled.
    dcb.fBinary = 0;
    dcb.fParity = 0;
    dcb.fOutxCtsFlow = 0;
    dcb.fOutxDsrFlow = 0;
    dcb.fDtrControl = 0;
    dcb.fDsrSensitivity = 0;
    dcb.fTXContinueOnXoff = 0;
    dcb.fOutX = 0;
    dcb.fInX = 0;
    dcb.fErrorChar = 0;
    dcb.fNull = 0;
    dcb.fRtsControl = 0;
    dcb.fAbortOnError = 0;
    dcb.fDummy2 = 0;
    if (!SetCommState(handle, &dcb)) {
        errorText = "SetCommState failed (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = 0;
    t.ReadTotalTimeoutMultiplier = 0;
    t.ReadTotalTimeoutConstant = static_cast<DWORD>(waitMs);
    t.WriteTotalTimeoutMultiplier = 0;
    t.WriteTotalTimeoutConstant = 0;
    if (!SetCommTimeouts(handle, &t)) {
        errorText = "SetCommTimeouts failed (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    return true;
}

bool DevicePort::writeOne(uint8_t b) {
    for (;;) {
        DWORD written = 0;
        if (!WriteFile(handle, &b, 1, &written, nullptr)) {
            // A removed adapter: end instead of repeating forever.
            noteFailure("WriteFile");
            return false;
        }
        if (written == 1)
            return true;
    }
}

void DevicePort::writeBlock(const uint8_t* block, int n) {
    DWORD written = 0;
    if (!WriteFile(handle, block, static_cast<DWORD>(n), &written, nullptr))
        noteFailure("WriteFile");
}

bool DevicePort::readOne(uint8_t& b) {
    DWORD got = 0;
    if (!ReadFile(handle, &b, 1, &got, nullptr)) {
        noteFailure("ReadFile");
        return false;
    }
    return got == 1;
}

void DevicePort::purgeInput() {
    PurgeComm(handle, PURGE_RXCLEAR);
}

void DevicePort::raiseDtr() {
    // A port without modem lines refuses this (Wine on a pseudo-terminal answers error 50, "not
    // supported"); as on Linux, that is not a failure here.
    EscapeCommFunction(handle, SETDTR);
}

std::unique_ptr<PortBackend> makeDeviceBackend() {
    return std::make_unique<DevicePort>();
}

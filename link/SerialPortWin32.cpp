// Win32 backend of SerialPort: the COM device opened exclusively and synchronously, the line set
// through the DCB, one read time-out through COMMTIMEOUTS.
#include "link/SerialPort.h"

#include <algorithm>
#include <climits>
#include <windows.h>

namespace {
HANDLE asHandle(void* h) {
    return static_cast<HANDLE>(h);
}
} // namespace

void setPortLinkFolder(const std::string&) {}
std::string portLinkFolder() {
    return ".";
}

std::string resolvePortName(uint8_t number) {
    return "COM" + std::to_string(number);
}

void SerialPort::releaseHandle() {
    if (asHandle(handle) != INVALID_HANDLE_VALUE) {
        // As on Linux: what was written last (the acknowledgement of the last reply) may still be in
        // the transmit queue; let it leave, but only for the read time-out, so that a stalled or
        // removed adapter cannot hang the close. Only such a stalled queue is purged; purging after
        // a finished drain can drop bytes that the driver or a virtual port has taken already.
        ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(waitMs);
        DWORD errors = 0;
        COMSTAT stat{};
        bool stalled = false;
        while (ClearCommError(asHandle(handle), &errors, &stat) && stat.cbOutQue > 0) {
            if (GetTickCount64() >= deadline) {
                stalled = true;
                break;
            }
            Sleep(2);
        }
        if (stalled)
            PurgeComm(asHandle(handle), PURGE_TXABORT | PURGE_TXCLEAR);
        CloseHandle(asHandle(handle));
        handle = INVALID_HANDLE_VALUE;
    }
}

bool SerialPort::openHandle(const std::string& path, int32_t baud) {
    handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (asHandle(handle) == INVALID_HANDLE_VALUE) {
        lastErrorText = path + ": cannot open (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    GetCommState(asHandle(handle), &dcb);
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
    if (!SetCommState(asHandle(handle), &dcb)) {
        lastErrorText = "SetCommState failed (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    COMMTIMEOUTS t{};
    t.ReadIntervalTimeout = 0;
    t.ReadTotalTimeoutMultiplier = 0;
    t.ReadTotalTimeoutConstant = static_cast<DWORD>(timeoutTicks) * 55;
    t.WriteTotalTimeoutMultiplier = 0;
    t.WriteTotalTimeoutConstant = 0;
    if (!SetCommTimeouts(asHandle(handle), &t)) {
        lastErrorText = "SetCommTimeouts failed (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    waitMs = static_cast<int>(std::min<DWORD>(t.ReadTotalTimeoutConstant, INT_MAX));
    return true;
}

bool SerialPort::writeOne(uint8_t b) {
    for (;;) {
        DWORD written = 0;
        if (!WriteFile(asHandle(handle), &b, 1, &written, nullptr)) {
            // A removed adapter: end instead of repeating forever.
            lastErrorText = "WriteFile failed (error " + std::to_string(GetLastError()) + ")";
            return false;
        }
        if (written == 1)
            return true;
    }
}

void SerialPort::writeBlock(const uint8_t* block, int n) {
    DWORD written = 0;
    WriteFile(asHandle(handle), block, static_cast<DWORD>(n), &written, nullptr);
}

bool SerialPort::readOne(uint8_t& b) {
    DWORD got = 0;
    return ReadFile(asHandle(handle), &b, 1, &got, nullptr) && got == 1;
}

void SerialPort::purgeInput() {
    PurgeComm(asHandle(handle), PURGE_RXCLEAR);
}

void SerialPort::raiseDtr() {
    // A port without modem lines refuses this (Wine on a pseudo-terminal answers error 50, "not
    // supported"); as on Linux, that is not a failure here.
    EscapeCommFunction(asHandle(handle), SETDTR);
}

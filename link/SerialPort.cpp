// The part of SerialPort that is the same on every platform: the open/close bookkeeping and the
// sticky read failure.
#include "link/SerialPort.h"

SerialPort::~SerialPort() {
    releaseHandle();
}

bool SerialPort::openPort(uint8_t number, int32_t baud) {
    return openDevice(resolvePortName(number), baud);
}

bool SerialPort::openDevice(const std::string& path, int32_t baud) {
    readFailed = false;
    // Opening again never leaks the device held from an earlier open.
    releaseHandle();
    isOpen = openHandle(path, baud);
    return isOpen;
}

void SerialPort::closePort() {
    releaseHandle();
    isOpen = false;
}

bool SerialPort::writeByte(uint8_t b) {
    return isOpen && writeOne(b);
}

uint8_t SerialPort::readByte() {
    if (!isOpen)
        readFailed = true;
    if (readFailed)
        return 0;
    uint8_t b = 0;
    if (!readOne(b))
        readFailed = true;
    return b;
}

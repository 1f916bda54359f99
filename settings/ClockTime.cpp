#include "settings/ClockTime.h"

HeldTime heldTimeFrom(const QDateTime& local) {
    QDate date = local.date();
    QTime time = local.time();
    return {date.year(), date.month(),  date.dayOfWeek() % 7, date.day(),
            time.hour(), time.minute(), time.second(),        time.msec()};
}

QString clockDisplayText(const HeldTime& t) {
    return QString::asprintf("%.2d-%.2d-%.2d %.2d:%.2d:%.2d", t.day, t.month, t.year - 2000, t.hour, t.minute,
                             t.second);
}

std::array<uint8_t, 6> clockBytes(const HeldTime& t) {
    return {static_cast<uint8_t>(t.year - 2000), static_cast<uint8_t>(t.month),
            static_cast<uint8_t>(t.day),         static_cast<uint8_t>(t.hour),
            static_cast<uint8_t>(t.minute),      static_cast<uint8_t>(t.second)};
}

void takeClockBytes(const std::array<uint8_t, 6>& b, HeldTime& into) {
    into.year = b[0] + 2000;
    into.month = b[1];
    into.day = b[2];
    into.hour = b[3];
    into.minute = b[4];
    into.second = b[5];
}

bool sendClock(const ScaleLine& line, const HeldTime& time) {
    line.link.clear();
    for (uint8_t byte : clockBytes(time))
        line.link.putByte(byte);
    return line.runCommand(kSetClockCommand);
}

bool readClock(const ScaleLine& line, HeldTime& time) {
    std::array<uint8_t, 6> bytes{};
    line.link.clear();
    line.link.expectReply(bytes.size());
    if (!line.runCommand(kReadClockCommand))
        return false;
    for (uint8_t& byte : bytes)
        byte = line.link.getByte();
    takeClockBytes(bytes, time);
    return true;
}

// The real-time clock: the date and time the main window holds (heldTime), its display form, and the
// two clock commands. On the wire the order is year - 2000 (modulo 256), month, day, hour, minute,
// second, one byte each; nothing is range-checked on either side.
#pragma once

#include "link/Command.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>

constexpr uint8_t kReadClockCommand = 0x03;
constexpr uint8_t kSetClockCommand = 0x20;

// The fields of the platform's local-time record.
struct HeldTime {
    int year = 0; // full year
    int month = 0;
    int dayOfWeek = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
    bool operator==(const HeldTime&) const = default;
};

HeldTime heldTimeFrom(const QDateTime& local);
// "dd-mm-yy hh:mm:ss", each number with at least two digits (the year as year - 2000).
QString clockDisplayText(const HeldTime& time);

// The six clock bytes in wire order, and back into a held time (day of the week and milliseconds
// kept from `into`).
std::array<uint8_t, 6> clockBytes(const HeldTime& time);
void takeClockBytes(const std::array<uint8_t, 6>& bytes, HeldTime& into);

// "To SCALE": one 0x20 with the time's bytes. False when the exchange failed.
bool sendClock(const ScaleLine& line, const HeldTime& time);
// "From SCALE": one 0x03; on success the scale's time is stored in time, otherwise it is left alone.
bool readClock(const ScaleLine& line, HeldTime& time);

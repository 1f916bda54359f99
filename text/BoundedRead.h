// Reading a whole input file with a ceiling. Every reader of the program takes its file through this,
// so that an endless file (/dev/zero, a device, a pipe that never ends) is refused at once instead of
// filling the memory.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <optional>

// Far more than the largest valid PLU, settings, logo or window-state file.
constexpr qint64 kMaxInputFileBytes = 8 * 1024 * 1024;

// The whole of an open device, read to its end; nullopt when it holds more than kMaxInputFileBytes
// (then no more than one byte beyond that is read). A read error ends the bytes early, as readAll
// does: the caller looks at the device's error.
std::optional<QByteArray> readWholeBounded(QIODevice& device);

// The baud rate of a serial line on Linux, any rate (14400 and 28800 are not POSIX rates). On the
// emulated scale's end of a pseudo-terminal it is the PC's setting: a pty keeps one set of line
// settings for both ends.
#pragma once

// 0 when the settings cannot be read.
int lineBaud(int fd);
// Sets both directions to `baud` and reads it back; false when the device did not take it.
bool setLineBaud(int fd, int baud);

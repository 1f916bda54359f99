// The baud rate the PC has set on the line, as the emulated scale's end of the pseudo-terminal sees
// it: a pty keeps one set of line settings for both ends.
#pragma once

// 0 when the settings cannot be read.
int lineBaud(int ptyFd);

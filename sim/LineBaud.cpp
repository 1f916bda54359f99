// A file of its own: <asm/termbits.h>, which carries termios2 (any rate, 14400 among them), cannot
// stand beside <termios.h>.
#include "sim/LineBaud.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

int lineBaud(int fd) {
    struct termios2 settings {};
    if (ioctl(fd, TCGETS2, &settings) != 0)
        return 0;
    return static_cast<int>(settings.c_ospeed);
}

bool setLineBaud(int fd, int baud) {
    struct termios2 settings {};
    if (ioctl(fd, TCGETS2, &settings) != 0)
        return false;
    settings.c_cflag = (settings.c_cflag & ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT))) | BOTHER |
                       (BOTHER << IBSHIFT);
    settings.c_ispeed = settings.c_ospeed = static_cast<speed_t>(baud);
    return ioctl(fd, TCSETS2, &settings) == 0 && lineBaud(fd) == baud;
}

// A file of its own: <asm/termbits.h>, which carries termios2 (any rate, 14400 among them), cannot
// stand beside <termios.h>.
#include "sim/LineBaud.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

int lineBaud(int ptyFd) {
    struct termios2 settings {};
    if (ioctl(ptyFd, TCGETS2, &settings) != 0)
        return 0;
    return static_cast<int>(settings.c_ospeed);
}

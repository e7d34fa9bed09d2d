#include "platform/sys/SerialRate.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace korvan::sys {

bool SetArbitraryRate(int fd, int rate) {
    termios2 tio{};
    if (rate <= 0 || ::ioctl(fd, TCGETS2, &tio) != 0)
        return false;
    tio.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = static_cast<speed_t>(rate);
    tio.c_ospeed = static_cast<speed_t>(rate);
    return ::ioctl(fd, TCSETS2, &tio) == 0;
}

int ReportedRate(int fd) {
    termios2 tio{};
    if (::ioctl(fd, TCGETS2, &tio) != 0)
        return 0;
    return static_cast<int>(tio.c_ospeed);
}

} // namespace korvan::sys

#include "tests/support/PtyPair.h"

#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace korvan::test {

PtyPair::PtyPair() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        throw std::runtime_error("no pseudo-terminal");
    char name[128];
    if (::ptsname_r(master_, name, sizeof name) != 0)
        throw std::runtime_error("no pseudo-terminal name");
    slavePath_ = name;
    slaveKeeper_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios tio{};
    if (slaveKeeper_ >= 0 && ::tcgetattr(slaveKeeper_, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(slaveKeeper_, TCSANOW, &tio);
    }
}

PtyPair::~PtyPair() {
    CloseMaster();
    if (slaveKeeper_ >= 0)
        ::close(slaveKeeper_);
}

void PtyPair::CloseMaster() {
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
    // The keeper would hold the line up; a hang-up needs it gone too.
    if (slaveKeeper_ >= 0)
        ::close(slaveKeeper_);
    slaveKeeper_ = -1;
}

} // namespace korvan::test

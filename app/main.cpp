// Program entry. Until the main window exists the editor prints its title and
// version and exits.
#include "device/SharedConstants.h"

#include <cstdio>

int main() {
    std::printf("%s %s\n", AppTitle, AppVersion);
    return 0;
}

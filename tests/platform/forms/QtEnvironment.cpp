// One QApplication on the offscreen platform for the whole test program.

#include "tests/support/gui/GuiApplicationEnvironment.h"

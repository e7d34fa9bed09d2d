#include "controls/panels/SystemBeep.h"

#include <QApplication>

#include <utility>

namespace korvan::panels {
namespace {
std::function<void()>& Sink() {
    static std::function<void()> sink;
    return sink;
}
} // namespace

void SystemBeep() {
    if (Sink())
        Sink()();
    else
        QApplication::beep();
}

std::function<void()> SetBeepSink(std::function<void()> sink) {
    return std::exchange(Sink(), std::move(sink));
}

} // namespace korvan::panels

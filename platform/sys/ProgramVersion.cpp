#include "platform/sys/ProgramVersion.h"

#include <mutex>

namespace korvan::sys {

namespace {

std::mutex& Lock() {
    static std::mutex lock;
    return lock;
}

// The newest declaration; each keeps the one it stands in front of.
ProgramVersionData*& Current() {
    static ProgramVersionData* current = nullptr;
    return current;
}

} // namespace

ProgramVersionData::ProgramVersionData(ProgramVersion version) : version_(std::move(version)) {
    const std::lock_guard<std::mutex> guard(Lock());
    previous_ = Current();
    Current() = this;
}

ProgramVersionData::~ProgramVersionData() {
    const std::lock_guard<std::mutex> guard(Lock());
    // Declarations normally end in reverse order; one that ends out of
    // order is taken out of the chain where it stands.
    for (ProgramVersionData** at = &Current(); *at; at = &(*at)->previous_)
        if (*at == this) {
            *at = previous_;
            break;
        }
}

std::optional<ProgramVersion> RunningProgramVersion() {
    const std::lock_guard<std::mutex> guard(Lock());
    if (!Current())
        return std::nullopt;
    return Current()->Version();
}

} // namespace korvan::sys

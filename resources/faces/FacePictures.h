#pragma once
// The main window's own pictures as compiled in from resources/faces: PNG
// files named "<style>-up", "<style>-down" (bitmap-button faces),
// "delay-marker", "thumb-normal", "thumb-hot", "thumb-down" (fader caps) and
// "base-*" (background strips).

#include <cstdint>
#include <span>
#include <string_view>

namespace korvan::faces {

// The PNG bytes of the picture `name`; empty for an unknown name.
std::span<const std::uint8_t> FacePicture(std::string_view name);

} // namespace korvan::faces

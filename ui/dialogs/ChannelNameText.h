#pragma once
// Channel names as the unit keeps them (8 bytes of the system's code page,
// NUL-padded, no terminator when all 8 are used) and as the windows show
// and take them.

#include <string>
#include <string_view>

namespace korvan {

inline constexpr int ChannelNameLength = 8;

// The 8 stored bytes of a channel name as text: up to the first NUL.
std::string ShownChannelName(std::string_view stored);
// A typed name as the unit takes it: its characters unchanged in the
// system's code page, cut to 8 bytes and padded with NULs to 8.
std::string StoredChannelName(std::string_view typed);
// A name without its trailing blanks and carriage returns.
std::string WithoutTrailingBlanks(std::string_view name);
// "InA" .. "InD", "Out1" .. "Out8" for channels 0..11.
std::string ChannelTitle(int ch);

} // namespace korvan

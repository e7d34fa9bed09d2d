#pragma once
// Whole-file reads and writes: preset and unit files, settings files.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvan::sys {

// Reads at most maxBytes from the start of the file; nullopt when it cannot
// be opened or read, or is not a regular file (a FIFO or a device is refused
// without waiting for it). A caller that needs to know the exact size asks for one
// byte more than it accepts.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path, std::size_t maxBytes);

// Writes data into a new file beside path, then renames it over path, so an
// existing file is replaced only by a complete one. False on any failure;
// the temporary file is then removed and path is untouched.
bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> data);

// Appends data at the end of an existing file. False when the file does
// not exist, is not a regular file or cannot be written.
bool AppendToFile(const std::string& path, std::span<const std::uint8_t> data);

// Creates path as an empty file, emptying one that exists. False on any
// failure.
bool CreateEmptyFile(const std::string& path);

} // namespace korvan::sys

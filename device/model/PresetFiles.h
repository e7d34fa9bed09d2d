#pragma once
// Byte layouts of the ".prs" preset file and the ".unt" unit file, and the
// file-name rule of saving. Pure functions over bytes; the model and the main
// window do the asking, reading and writing.

#include "device/model/PresetImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvan {

using Bytes = std::vector<std::uint8_t>;

// Both formats begin with this identity (no terminator).
inline constexpr std::string_view kFileIdentity = "***KORVANV010***";

// ".prs": identity, image bytes 2..1435, CR LF.
inline constexpr std::size_t kPresetBodyFirst = 2;
inline constexpr std::size_t kPresetBodySize = 1434;
inline constexpr std::size_t kPresetFileSize = kFileIdentity.size() + kPresetBodySize + 2; // 1452

// ".unt": identity, device information, 20 records of 1446 bytes each
// followed by CR LF.
inline constexpr int kPresetSlots = 20;
inline constexpr std::size_t kDeviceInfoSize = 18;
inline constexpr std::size_t kUnitRecordSize = 1446;
inline constexpr std::size_t kUnitRecordStride = kUnitRecordSize + 2;
inline constexpr std::size_t kUnitFileRecords = kFileIdentity.size() + kDeviceInfoSize;           // 34
inline constexpr std::size_t kUnitFileSize = kUnitFileRecords + kPresetSlots * kUnitRecordStride; // 28994
// Shortest file that still holds its 20th record (its CR LF is not read).
inline constexpr std::size_t kUnitFileMinSize = kUnitFileSize - 2;
inline constexpr std::uint8_t kEmptyRecordFill = 0x64;
inline constexpr std::uint8_t kUsedSlotMark = 0xFF; // image byte 0 of a stored preset

// Paged transfers: page p carries image bytes 50p..50p+49.
inline constexpr int kPageCount = 29;
inline constexpr int kLastPage = kPageCount - 1;
inline constexpr std::size_t kPageSize = 50;

using DeviceInfo = std::array<std::uint8_t, kDeviceInfoSize>;
// A record: slot number, then image bytes 0..1444 of the stored preset.
using UnitRecord = std::array<std::uint8_t, kUnitRecordSize>;
using PageData = std::array<std::uint8_t, kPageSize>;

// The ".prs" contents without the closing CR LF: identity and image bytes
// 2..1435 (1450 bytes).
std::string PresetFileText(const PresetImage& image);
// The 1434 body bytes of a ".prs" file, or nullopt when the file has another
// size or identity. The closing two bytes are not examined.
std::optional<std::span<const std::uint8_t>> PresetFileBody(std::span<const std::uint8_t> file);

struct UnitFile {
    DeviceInfo deviceInfo{};
    std::array<UnitRecord, kPresetSlots> records{};

    // Record r (0..19) holds a preset exactly when its byte 1 is 0xFF.
    bool IsUsed(int r) const { return records.at(static_cast<std::size_t>(r))[1] == kUsedSlotMark; }
    int UsedCount() const;
    // Page (0..28) of record r as the download sends it: image bytes
    // 50 page .. 50 page + 49. The record ends with image byte 1444, so the
    // bytes after it are sent as 0.
    PageData DownloadPage(int r, int page) const;
};

// Checks and splits a ".unt" file: long enough for all 20 records, the
// identity, and each used record's slot byte equal to its position (r + 1).
std::optional<UnitFile> ParseUnitFile(std::span<const std::uint8_t> file);
// Writes a ".unt" file; a record is written as given, each followed by CR LF.
Bytes BuildUnitFile(const DeviceInfo& deviceInfo, const std::array<UnitRecord, kPresetSlots>& records);

// The save name: a trailing ext written all in lower or all in upper case is
// dropped, then ext (lower case, with its point) is appended.
std::string WithFileExtension(std::string_view name, std::string_view ext);

} // namespace korvan

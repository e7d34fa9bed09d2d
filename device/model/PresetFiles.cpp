#include "device/model/PresetFiles.h"

#include <algorithm>
#include <cctype>

namespace korvan {

namespace {

bool StartsWithIdentity(std::span<const std::uint8_t> file) {
    return file.size() >= kFileIdentity.size() &&
           std::equal(kFileIdentity.begin(), kFileIdentity.end(), file.begin(),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

std::string ToCase(std::string_view text, int (*convert)(int)) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(convert(static_cast<unsigned char>(c)));
    return result;
}

} // namespace

std::string PresetFileText(const PresetImage& image) {
    std::string text(kFileIdentity);
    const auto* first = image.bytes.data() + kPresetBodyFirst;
    text.append(reinterpret_cast<const char*>(first), kPresetBodySize);
    return text;
}

std::optional<std::span<const std::uint8_t>> PresetFileBody(std::span<const std::uint8_t> file) {
    if (file.size() != kPresetFileSize || !StartsWithIdentity(file))
        return std::nullopt;
    return file.subspan(kFileIdentity.size(), kPresetBodySize);
}

int UnitFile::UsedCount() const {
    int count = 0;
    for (int r = 0; r < kPresetSlots; ++r)
        count += IsUsed(r) ? 1 : 0;
    return count;
}

PageData UnitFile::DownloadPage(int r, int page) const {
    const UnitRecord& record = records.at(static_cast<std::size_t>(r));
    PageData data{};
    for (std::size_t i = 0; i < kPageSize; ++i) {
        // Image byte n sits at record byte n + 1.
        const std::size_t at = static_cast<std::size_t>(page) * kPageSize + i + 1;
        if (at < record.size())
            data[i] = record[at];
    }
    return data;
}

std::optional<UnitFile> ParseUnitFile(std::span<const std::uint8_t> file) {
    if (file.size() < kUnitFileMinSize || !StartsWithIdentity(file))
        return std::nullopt;
    UnitFile unit;
    std::copy_n(file.begin() + kFileIdentity.size(), kDeviceInfoSize, unit.deviceInfo.begin());
    for (int r = 0; r < kPresetSlots; ++r) {
        const auto from =
            file.begin() + static_cast<std::ptrdiff_t>(kUnitFileRecords + r * kUnitRecordStride);
        std::copy_n(from, kUnitRecordSize, unit.records[static_cast<std::size_t>(r)].begin());
        if (unit.IsUsed(r) && unit.records[static_cast<std::size_t>(r)][0] != r + 1)
            return std::nullopt;
    }
    return unit;
}

Bytes BuildUnitFile(const DeviceInfo& deviceInfo, const std::array<UnitRecord, kPresetSlots>& records) {
    Bytes file;
    file.reserve(kUnitFileSize);
    file.insert(file.end(), kFileIdentity.begin(), kFileIdentity.end());
    file.insert(file.end(), deviceInfo.begin(), deviceInfo.end());
    for (const UnitRecord& record : records) {
        file.insert(file.end(), record.begin(), record.end());
        file.push_back('\r');
        file.push_back('\n');
    }
    return file;
}

std::string WithFileExtension(std::string_view name, std::string_view ext) {
    const std::string lower = ToCase(ext, std::tolower);
    const std::string upper = ToCase(ext, std::toupper);
    if (name.ends_with(lower) || name.ends_with(upper))
        name.remove_suffix(ext.size());
    return std::string(name) + lower;
}

} // namespace korvan

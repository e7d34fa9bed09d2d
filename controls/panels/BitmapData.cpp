#include "controls/panels/BitmapData.h"

#include "platform/forms/Filer.h"
#include "platform/text/Exception.h"

#include <algorithm>
#include <span>

namespace korvan::panels {

void ReadBitmapData(const std::vector<std::uint8_t>& bytes, TBitmap& bitmap) {
    if (bytes.size() < 4)
        throw EReadError("Invalid bitmap data");
    const std::uint32_t size = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                               std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
    if (size > bytes.size() - 4)
        throw EReadError("Invalid bitmap data");
    if (size == 0) {
        bitmap.Assign(TBitmap());
        return;
    }
    bitmap.LoadFromBytes(std::span<const std::uint8_t>(bytes).subspan(4, size));
}

std::vector<std::uint8_t> BitmapData(const TBitmap& bitmap) {
    const TBytes data = bitmap.Empty() ? TBytes() : bitmap.SaveToBytes();
    std::vector<std::uint8_t> out(4 + data.size());
    const auto size = std::uint32_t(data.size());
    for (int i = 0; i < 4; ++i)
        out[size_t(i)] = std::uint8_t(size >> (8 * i));
    std::copy(data.begin(), data.end(), out.begin() + 4);
    return out;
}

void DefineBitmapData(TFiler& filer, const std::string& property, TBitmap& bitmap) {
    filer.DefineBinaryProperty(
        property, [&bitmap](const std::vector<std::uint8_t>& bytes) { ReadBitmapData(bytes, bitmap); },
        [&bitmap] { return BitmapData(bitmap); }, !bitmap.Empty());
}

} // namespace korvan::panels

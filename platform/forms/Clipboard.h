#pragma once
// The system clipboard for pictures: a bitmap, a metafile (with a bitmap
// beside it for programs that take no metafile) or a JPEG picture, and the
// picture read back.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TBitmap;
class TGraphic;

namespace korvan::forms {

void ClipboardSetBitmap(const TBitmap& bitmap);
void ClipboardSetMetaFile(const std::vector<std::uint8_t>& metaFile, const TBitmap& fallback);
void ClipboardSetJpeg(const std::vector<std::uint8_t>& jpeg);
// The clipboard's picture as a bitmap; none when it holds no picture.
std::optional<TBitmap> ClipboardBitmap();
// The bytes stored under a format ("image/jpeg", "image/x-emf"); empty
// when there are none.
std::vector<std::uint8_t> ClipboardData(const std::string& format);

// A graphic through its clipboard hooks: put on the clipboard under the
// format it names (false, and the clipboard untouched, when it names none),
// and loaded from the clipboard's data of a format (false when there is
// none).
bool ClipboardSetGraphic(const TGraphic& graphic);
bool ClipboardGetGraphic(TGraphic& graphic, const std::string& format);

inline constexpr const char* kClipboardJpeg = "image/jpeg";
inline constexpr const char* kClipboardMetaFile = "image/x-emf";

} // namespace korvan::forms

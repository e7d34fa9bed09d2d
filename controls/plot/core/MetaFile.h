#pragma once
// A minimal enhanced metafile: the header (with the creator's description),
// the picture as one stretched device-independent bitmap record, and the end
// record. The reader checks every record against the data and gives back the
// header fields and the picture.

#include <QImage>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvan::plot {

// Encodes image (24 bits a pixel) as a metafile whose description is the
// creator's name followed by title (either may be empty). Empty for a null
// image or one beyond the picture budget.
std::vector<std::uint8_t> EncodeMetaFile(const QImage& image, const std::string& creator,
                                         const std::string& title = {});

struct TMetaFileRecord {
    std::uint32_t Type = 0;
    std::uint32_t Size = 0;
};

struct TMetaFileInfo {
    // The picture's bounds in device pixels and its frame in 0.01 mm, both
    // inclusive as stored.
    std::int32_t BoundsLeft = 0, BoundsTop = 0, BoundsRight = 0, BoundsBottom = 0;
    std::int32_t FrameLeft = 0, FrameTop = 0, FrameRight = 0, FrameBottom = 0;
    std::uint32_t Version = 0;
    std::uint32_t Bytes = 0;
    std::uint32_t Records = 0;
    // The description's strings (creator, title), read as Latin text.
    std::vector<std::string> Description;
    std::vector<TMetaFileRecord> RecordList;
    // The first stretched bitmap record's picture; null when there is none.
    QImage Picture;
};

// Reads a metafile made of records of known sizes ending in the end record.
// None when the data is not such a metafile.
std::optional<TMetaFileInfo> ReadMetaFile(std::span<const std::uint8_t> data);

inline constexpr std::uint32_t kEmrHeader = 1;
inline constexpr std::uint32_t kEmrEof = 14;
inline constexpr std::uint32_t kEmrStretchDIBits = 81;

} // namespace korvan::plot

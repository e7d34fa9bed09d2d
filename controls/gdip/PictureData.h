#pragma once
// The bytes of a picture file and the image decoded from them. Pictures
// hold the unchanged file and decode it on first need; the decoded image
// is kept with the bytes and shared by every holder of equal bytes, so a
// window full of identical thumbs decodes its thumb once.

#include "platform/gfx/Gdiplus.h"
#include "platform/gfx/Graphic.h"

#include <cstdint>
#include <memory>
#include <span>

namespace korvan::gdip {

class PictureData {
public:
    PictureData() = default;

    // Holds a copy of the bytes; equal bytes already held elsewhere share
    // that holder's decoded image.
    void SetBytes(std::span<const std::uint8_t> bytes);
    void Clear();
    const TBytes& Bytes() const;
    bool HasBytes() const { return !Bytes().empty(); }

    // The decoded image; null when there are no bytes or they do not
    // decode. Decoded at the first call for these bytes, then kept.
    const Gdiplus::Image* Image() const;
    // Whether the decoded image has a pixel that is not opaque (looked at
    // once per image).
    bool HasAlpha() const;
    // The image with every pixel of colour `key` (ARGB, alpha ignored)
    // made transparent; kept for the last key asked for.
    const Gdiplus::Image* KeyedImage(Gdiplus::ARGB key) const;

    struct Shared; // bytes, decoded image and keyed copy, shared by equal holders

private:
    std::shared_ptr<Shared> shared_;
};

} // namespace korvan::gdip

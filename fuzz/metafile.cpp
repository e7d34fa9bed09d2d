// A metafile's bytes: what reads gives a picture that encodes to a metafile
// reading back to the same picture.

#include "controls/plot/core/MetaFile.h"
#include "fuzz/FuzzTarget.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly the input's length, so a read past the end is seen.
    const auto copy = std::make_unique<std::uint8_t[]>(size);
    std::copy(data, data + size, copy.get());
    const auto info = korvan::plot::ReadMetaFile({copy.get(), size});
    if (!info || info->Picture.isNull())
        return 0;
    FuzzCheck(info->Bytes <= size);
    const auto again = korvan::plot::ReadMetaFile(korvan::plot::EncodeMetaFile(info->Picture, "fuzz"));
    FuzzCheck(again && again->Picture == info->Picture);
    return 0;
}

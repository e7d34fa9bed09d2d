// Any bytes as a picture file: the five header readers, the reader chosen by
// each extension, and the advanced picture measuring the file as it loads.

#include "controls/gdip/PictureHeaders.h"
#include "fuzz/FuzzTarget.h"

#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvan::gdip;
    const std::span<const std::uint8_t> file(data, size);
    const HeaderSize sizes[] = {JpegHeaderSize(file), PngHeaderSize(file), BmpHeaderSize(file),
                                TiffHeaderSize(file), GifHeaderSize(file)};
    const char* names[] = {"a.jpg", "a.png", "a.bmp", "a.tiff", "a.gif"};
    for (int i = 0; i < 5; ++i)
        FuzzCheck(HeaderSizeByExtension(names[i], file) == sizes[i]);
    FuzzCheck(HeaderSizeByExtension("a.txt", file) == HeaderSize{});
    // At most one kind's signature can match.
    int found = 0;
    for (const HeaderSize& s : sizes)
        found += s != HeaderSize{};
    FuzzCheck(found <= 1);
    return 0;
}

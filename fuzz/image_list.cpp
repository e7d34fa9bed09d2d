// An image list's stored data (its header and PNG strip).

#include "fuzz/FuzzTarget.h"
#include "platform/gfx/ImageList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TImageList list;
    try {
        list.LoadFromBytes({data, size});
    } catch (const EInvalidGraphic&) {
        FuzzCheck(list.Count() == 0);
        return 0;
    }
    // What loads saves and loads again with the same cells.
    TImageList again;
    again.LoadFromBytes(list.SaveToBytes());
    FuzzCheck(again.Count() == list.Count());
    return 0;
}

// A ".unt" unit file: checked and split; what passes writes back as the
// same bytes and gives every download page.

#include "device/model/PresetFiles.h"
#include "fuzz/FuzzTarget.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto unit = korvan::ParseUnitFile({data, size});
    if (!unit)
        return 0;
    // Written back, the identity, device information and every record come
    // out as read (the bytes between records are not looked at).
    const korvan::Bytes back = korvan::BuildUnitFile(unit->deviceInfo, unit->records);
    FuzzCheck(back.size() == korvan::kUnitFileSize);
    FuzzCheck(std::equal(back.begin(), back.begin() + korvan::kUnitFileRecords, data));
    for (std::size_t r = 0; r < korvan::kPresetSlots; ++r) {
        const std::size_t at = korvan::kUnitFileRecords + r * korvan::kUnitRecordStride;
        FuzzCheck(std::equal(back.begin() + at, back.begin() + at + korvan::kUnitRecordSize, data + at));
    }
    for (int r = 0; r < korvan::kPresetSlots; ++r)
        for (int page = 0; page < korvan::kPageCount; ++page)
            (void)unit->DownloadPage(r, page);
    FuzzCheck(unit->UsedCount() <= korvan::kPresetSlots);
    return 0;
}

// A ".unt" unit file: checked and split; what passes writes back as the
// same bytes and gives every download page.

#include "device/model/PresetFiles.h"
#include "fuzz/FuzzTarget.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto unit = korvan::ParseUnitFile({data, size});
    if (!unit)
        return 0;
    const korvan::Bytes back = korvan::BuildUnitFile(unit->deviceInfo, unit->records);
    FuzzCheck(back.size() == korvan::kUnitFileSize);
    // The 20th record's CR LF is not read, so compare up to it.
    FuzzCheck(std::equal(back.begin(), back.begin() + korvan::kUnitFileMinSize, data));
    for (int r = 0; r < korvan::kPresetSlots; ++r)
        for (int page = 0; page < korvan::kPageCount; ++page)
            (void)unit->DownloadPage(r, page);
    FuzzCheck(unit->UsedCount() <= korvan::kPresetSlots);
    return 0;
}

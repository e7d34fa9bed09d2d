// A plot data file in either layout read into three channels; whatever the
// bytes, the read ends, adds only to those channels and fails only with the
// framework's exceptions.

#include "controls/plot/files/PlotDataFile.h"
#include "fuzz/FuzzTarget.h"
#include "platform/text/Exception.h"

#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr int kChannels = 3;
    try {
        korvan::plot::ReadDataFile(
            std::span<const std::uint8_t>(data, size), kChannels,
            [](int channel, const korvan::plot::DataFilePoint&) {
                FuzzCheck(channel >= 0 && channel < kChannels);
            },
            korvan::text::DefaultFormatSettings());
    } catch (const Exception&) {
    }
    return 0;
}

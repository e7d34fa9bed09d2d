// A channel's data file: the input's lines read into a point list (the
// first byte picks the decimal separator of the settings), then written
// and read again, which must give the same lines.

#include "controls/plot/core/ChannelDataFile.h"
#include "controls/plot/core/NullPointList.h"
#include "fuzz/FuzzTarget.h"
#include "platform/forms/Strings.h"
#include "platform/text/Exception.h"
#include "platform/text/FormatSettings.h"

#include <string_view>

namespace {

void ReadInto(const TStrings& lines, TiPlotDataNullList& list, char& separator) {
    separator = korvan::plot::ReadChannelData(
        lines, [&](double x, double y, bool null) { list.Add(x, y, null, false); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    korvan::text::FormatSettings& settings = korvan::text::CurrentFormatSettings();
    const char saved = settings.DecimalSeparator;
    settings.DecimalSeparator = (data[0] & 1) ? ',' : '.';

    TStringList lines;
    lines.SetText(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    TiPlotDataNullList list;
    char separator = ',';
    try {
        ReadInto(lines, list, separator);
    } catch (const Exception&) {
        // A part that is no number stops the load; the points before stay.
    }
    FuzzCheck(separator == ',' || separator == '\t');

    TStringList written;
    korvan::plot::WriteChannelData(list, separator, written);
    FuzzCheck(written.Count() == list.Count());
    TiPlotDataNullList again;
    char separatorAgain = 0;
    ReadInto(written, again, separatorAgain);
    TStringList rewritten;
    korvan::plot::WriteChannelData(again, separator, rewritten);
    FuzzCheck(rewritten.ToVector() == written.ToVector());

    settings.DecimalSeparator = saved;
    return 0;
}

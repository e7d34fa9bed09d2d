#include "controls/plot/core/ChannelDataFile.h"

#include "controls/plot/core/PropertyLines.h"
#include "platform/forms/Strings.h"
#include "platform/text/StrUtils.h"

namespace korvan::plot {

std::string ChannelValueText(double value) {
    return PropertyFloatText(value, '.');
}

void WriteChannelData(const TiPlotDataCustomList& list, char separator, TStrings& lines) {
    double x = 0, y = 0;
    bool empty = false, null = false;
    for (std::int32_t i = 0; i < list.Count(); ++i) {
        list.GetXYEmptyNull(i, x, y, empty, null);
        if (!empty) {
            lines.Add(ChannelValueText(x) + separator + (null ? std::string("Null") : ChannelValueText(y)));
        }
    }
}

char ReadChannelData(const TStrings& lines, const TiPlotReadPoint& add) {
    const char separator = lines.Count() > 0 && lines.Get(0).find('\t') != std::string::npos ? '\t' : ',';
    std::string left, right;
    for (int i = 0; i < lines.Count(); ++i) {
        SplitAtSeparator(lines.Get(i), separator, left, right);
        if (left.empty()) {
            continue;
        }
        const double x = PropertyFloatValue(left, '.');
        if (SameText(right, "Null")) {
            add(x, 0.0, true);
        } else {
            add(x, PropertyFloatValue(right, '.'), false);
        }
    }
    return separator;
}

void SaveChannelData(const TiPlotDataCustomList& list, char separator, const std::string& fileName) {
    TStringList lines;
    WriteChannelData(list, separator, lines);
    lines.SaveToFile(fileName);
}

char LoadChannelData(const std::string& fileName, const TiPlotReadPoint& add) {
    TStringList lines;
    lines.LoadFromFile(fileName);
    return ReadChannelData(lines, add);
}

} // namespace korvan::plot

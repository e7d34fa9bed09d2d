// A channel's settings file, data file and log.

#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/core/ChannelDataFile.h"
#include "controls/plot/core/PropertyLines.h"
#include "platform/forms/Strings.h"
#include "platform/text/Exception.h"
#include "platform/text/StrUtils.h"

namespace {

const char* const kFileType = "Plot Channel Config";
const char* const kSection = "Channel";

} // namespace

void TiPlotChannelCustom::SavePropertiesToFile(const std::string& fileName) {
    try {
        IiPlotChannelHost* host = ChannelHost();
        TStringList skip;
        skip.Add(std::string(kSection) + ".Name");
        TStringList lines;
        lines.Add(std::string("File Type = ") + kFileType);
        korvan::plot::WritePropertyLines(this, kSection, lines, host && host->GetDifferentialPropertySave(),
                                         &skip);
        lines.SaveToFile(fileName);
    } catch (const Exception& e) {
        throw Exception("Error Saving Properties - " + e.Message());
    }
}

void TiPlotChannelCustom::LoadPropertiesFromFile(const std::string& fileName) {
    try {
        TStringList lines;
        lines.LoadFromFile(fileName);
        std::string fileType;
        if (!korvan::plot::ExtractNamedValue("File Type", fileType, lines) || !SameText(fileType, kFileType))
            throw Exception("Incompatible Plot Channel Configuration File Type");
        korvan::plot::ReadPropertyLines(this, kSection, lines);
    } catch (const Exception& e) {
        throw Exception("Error Loading Properties - " + e.Message());
    }
}

void TiPlotChannelCustom::SaveDataToFile(const std::string& fileName) {
    IiPlotChannelHost* host = ChannelHost();
    korvan::plot::SaveChannelData(List(), host ? host->GetDataFileColumnSeparatorChar() : '\t', fileName);
}

void TiPlotChannelCustom::LoadDataFromFile(const std::string& fileName, bool clearPreviousData) {
    if (log_.Active())
        log_.Deactivate();
    TStringList lines;
    lines.LoadFromFile(fileName);
    if (clearPreviousData)
        Clear();
    korvan::plot::ReadChannelData(
        lines, [this](double x, double y, bool null) { AddDataPoint(x, null ? 0.0 : y, null, false); });
}

void TiPlotChannelCustom::LogActivate(bool append) {
    log_.Activate(append);
}

void TiPlotChannelCustom::LogDeactivate() {
    log_.Deactivate();
}

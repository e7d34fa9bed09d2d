#include "controls/plot/core/ChannelLog.h"

#include "controls/plot/core/ChannelDataFile.h"
#include "platform/sys/FileIo.h"
#include "platform/text/Exception.h"
#include "platform/text/StrUtils.h"

#include <cstdint>
#include <span>

namespace {

// Log lines are 8-bit text of at most 255 characters.
constexpr std::size_t MaxLogLine = 255;

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

void TiPlotChannelLog::SetFileName(const std::string& name) {
    if (name != FFileName && FActive) {
        const std::string text = "Log File Name can not be changed while logging is active.";
        throw Exception(FTranslate ? FTranslate(text) : text);
    }
    FFileName = name;
}

void TiPlotChannelLog::Activate(bool append) {
    if (Trim(FFileName).empty()) {
        throw Exception("Log File Name not Defined");
    }
    if (FActive) {
        throw Exception("Logging Already Active");
    }
    if (append ? !korvan::sys::AppendToFile(FFileName, {}) : !korvan::sys::CreateEmptyFile(FFileName)) {
        throw EFOpenError("Cannot open file \"" + FFileName + "\"");
    }
    FActive = true;
    FBufferCount = 0;
    FPending.clear();
}

void TiPlotChannelLog::Deactivate() {
    if (!FActive) {
        throw Exception("Logging not Active");
    }
    FActive = false;
    if (FBufferCount > 0) {
        Flush();
    }
}

void TiPlotChannelLog::PointAdded(double x, double y, char separator) {
    if (!FActive) {
        return;
    }
    std::string line = korvan::plot::ChannelValueText(x) + separator + korvan::plot::ChannelValueText(y);
    if (line.size() > MaxLogLine) {
        line.resize(MaxLogLine);
    }
    FPending += line + "\r\n";
    ++FBufferCount;
    if (FBufferSize < 2 || FBufferCount >= FBufferSize) {
        Flush();
    }
}

void TiPlotChannelLog::Flush() {
    // The lines stay pending when the file cannot be written, so that a
    // later write can still deliver them.
    if (!korvan::sys::AppendToFile(FFileName, Bytes(FPending))) {
        throw EFOpenError("Cannot open file \"" + FFileName + "\"");
    }
    FPending.clear();
    FBufferCount = 0;
}

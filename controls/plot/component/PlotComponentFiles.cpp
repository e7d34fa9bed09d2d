// The plot's data files and its running log of rows added across the
// channels.

#include "controls/plot/channels/ChannelManager.h"
#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/PropertyFiles.h"
#include "controls/plot/files/PlotDataFile.h"
#include "platform/sys/FileIo.h"
#include "platform/text/Exception.h"
#include "platform/text/StrUtils.h"

using korvan::plot::DataFileLayout;
using korvan::plot::DataFilePoint;

namespace {

// Data files larger than this are refused rather than read into memory.
constexpr std::size_t kMaxDataFileBytes = std::size_t(1) << 30;

class ChannelSource : public korvan::plot::DataFileSource {
public:
    explicit ChannelSource(const TiPlotComponent& plot) : plot_(plot) {}
    int Channels() const override { return plot_.ChannelCount(); }
    std::string Title(int channel) const override {
        return plot_.ChannelManager()->Items(channel)->TitleText();
    }
    int Points(int channel) const override { return plot_.ChannelManager()->Items(channel)->Count(); }
    DataFilePoint Point(int channel, int index) const override {
        const TiPlotChannelCustom& c = *plot_.ChannelManager()->Items(channel);
        return {c.GetPointX(index), c.GetPointY(index), c.GetPointNull(index), c.GetPointEmpty(index)};
    }

private:
    const TiPlotComponent& plot_;
};

DataFileLayout LayoutOf(TiPlotDataFileFormat format) {
    return format == ipdffCompactInterval ? DataFileLayout::CompactInterval : DataFileLayout::Text;
}

void AppendOrRaise(const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
    if (!korvan::sys::AppendToFile(fileName, bytes))
        throw EFOpenError("Cannot open file \"" + fileName + "\"");
}

// Raises any failure of the step again behind the operation's prefix.
template <class F> void Prefixed(const char* prefix, F&& step) {
    try {
        step();
    } catch (const Exception& e) {
        throw Exception(prefix + e.Message());
    }
}

} // namespace

void TiPlotComponent::SaveDataToFile(const std::string& fileName) {
    Prefixed("Error Saving Data - ", [&] {
        const std::vector<std::uint8_t> bytes = korvan::plot::WriteDataFile(
            ChannelSource(*this), LayoutOf(dataFileFormat_), GetDataFileColumnSeparatorChar(),
            korvan::text::CurrentFormatSettings());
        if (!korvan::sys::WriteFileReplacing(fileName, bytes))
            throw EFCreateError("Cannot create file \"" + fileName + "\"");
    });
    lastDataFileName_ = fileName;
    if (OnAfterSaveData)
        OnAfterSaveData(this);
}

void TiPlotComponent::LoadDataFromFile(const std::string& fileName) {
    {
        korvan::plot::UpdateBlockScope update(*this);
        Prefixed("Error Loading Data - ", [&] {
            const auto bytes = korvan::sys::ReadFileBytes(fileName, kMaxDataFileBytes + 1);
            if (!bytes)
                throw EFOpenError("Cannot open file \"" + fileName + "\"");
            if (bytes->size() > kMaxDataFileBytes)
                throw EReadError("File too large");
            korvan::plot::ReadDataFile(
                *bytes, ChannelCount(),
                [this](int channel, const DataFilePoint& p) {
                    TiPlotChannelCustom& c = *channels_->Items(channel);
                    const std::int32_t added = c.AddXY(p.X, p.Y);
                    if (p.Null)
                        c.SetPointNull(added, true);
                    if (p.Empty)
                        c.SetPointEmpty(added, true);
                },
                korvan::text::CurrentFormatSettings());
        });
    }
    lastDataFileName_ = fileName;
    if (OnAfterLoadData)
        OnAfterLoadData(this);
}

void TiPlotComponent::LogActivate(bool append) {
    if (Trim(logFileName_).empty())
        throw Exception("Log File Name not Defined");
    if (loggingActive_)
        throw Exception("Logging Already Active");
    if (append) {
        AppendOrRaise(logFileName_, {});
    } else {
        if (!korvan::sys::CreateEmptyFile(logFileName_))
            throw EFCreateError("Cannot create file \"" + logFileName_ + "\"");
        AppendOrRaise(logFileName_,
                      korvan::plot::DataLogHeader(ChannelSource(*this), LayoutOf(dataFileFormat_),
                                                  GetDataFileColumnSeparatorChar()));
    }
    loggingActive_ = true;
    logBufferCount_ = 0;
}

void TiPlotComponent::LogDeactivate() {
    if (!loggingActive_)
        throw Exception("Logging not Active");
    loggingActive_ = false;
    LogFlush();
}

void TiPlotComponent::LogRowsAdded(int rows) {
    logBufferCount_ += rows;
    if (loggingActive_ && logBufferCount_ >= logBufferSize_)
        LogFlush();
}

void TiPlotComponent::LogFlush() {
    if (logBufferCount_ <= 0)
        return;
    const ChannelSource source(*this);
    const int count0 = ChannelCount() > 0 ? source.Points(0) : 0;
    std::vector<std::uint8_t> bytes;
    for (int k = 0; k < logBufferCount_; ++k) {
        const std::vector<std::uint8_t> row =
            korvan::plot::DataLogRow(source, count0 - logBufferCount_ + k, LayoutOf(dataFileFormat_),
                                     GetDataFileColumnSeparatorChar(), korvan::text::CurrentFormatSettings());
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    AppendOrRaise(logFileName_, bytes);
    logBufferCount_ = 0;
}

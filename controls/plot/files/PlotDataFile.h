#pragma once
// The points of all a plot's channels as one file, in two layouts, and the
// running log of rows added across the channels.
//
// Text layout: a header line ("<title>(X)" and "<title>(Y)" per channel),
// then one line per point index with an X and a Y cell per channel ("Null"
// or "Empty" for such points, two empty cells past a channel's end); lines
// end in CR LF; numbers in their shortest general form with the settings'
// decimal separator.
//
// Compact layout: "Compact Interval" CR LF, the channel count as decimal
// text CR LF, then per point index and per channel the X (first two rows
// only) and the Y as little-endian 32-bit floats, 1e38 for a missing value,
// and 2e38 as the end marker. Later rows carry no X: the reader gives them
// 0, which a compact-interval channel replaces by its own spacing.

#include "platform/text/FormatSettings.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace korvan::plot {

enum class DataFileLayout { Text, CompactInterval };

struct DataFilePoint {
    double X = 0;
    double Y = 0;
    bool Null = false;
    bool Empty = false;
};

// What the writers read of the plot's channels.
class DataFileSource {
public:
    virtual ~DataFileSource() = default;
    virtual int Channels() const = 0;
    virtual std::string Title(int channel) const = 0;
    virtual int Points(int channel) const = 0;
    virtual DataFilePoint Point(int channel, int index) const = 0;
};

// Called for every point read, with the plot channel it goes to.
using DataFileAdd = std::function<void(int channel, const DataFilePoint& point)>;

std::vector<std::uint8_t> WriteDataFile(const DataFileSource& source, DataFileLayout layout, char separator,
                                        const korvan::text::FormatSettings& settings);

// Reads either layout into the first `channels` channels (cells and values
// of further channels are ignored). A cell that is no number raises
// EConvertError and a float cut short by the end of the file "Invalid
// Data"; the points read before stay added.
void ReadDataFile(std::span<const std::uint8_t> bytes, int channels, const DataFileAdd& add,
                  const korvan::text::FormatSettings& settings);

// The log's header: the text layout's "(X)" and one "<title>(Y)" per
// channel, or the compact layout's two header lines.
std::vector<std::uint8_t> DataLogHeader(const DataFileSource& source, DataFileLayout layout, char separator);
// One logged row: the points of index `index` of every channel (the X of
// channel 0 first in the text layout). A channel without that point logs
// an empty cell, or 1e38 in the compact layout.
std::vector<std::uint8_t> DataLogRow(const DataFileSource& source, int index, DataFileLayout layout,
                                     char separator, const korvan::text::FormatSettings& settings);

} // namespace korvan::plot

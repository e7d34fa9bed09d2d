#include "controls/plot/files/PlotDataFile.h"

#include "platform/forms/Strings.h"
#include "platform/text/Exception.h"
#include "platform/text/FloatText.h"
#include "platform/text/IntText.h"
#include "platform/text/StrUtils.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace korvan::plot {

namespace {

constexpr std::string_view kCompactTitle = "Compact Interval";
// Stands for a value a channel does not have.
constexpr float kMissing = 1e38f;
constexpr float kEndMarker = 2e38f;
// Above this a value read is the end marker; below kValid it is a value.
constexpr double kEndAbove = 1.5e38;
constexpr double kValidBelow = 9e37;

void Append(std::vector<std::uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

void AppendFloat(std::vector<std::uint8_t>& out, double value) {
    const float f = static_cast<float>(value);
    std::uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(bits >> shift));
}

std::string YText(const DataFilePoint& p, const korvan::text::FormatSettings& settings) {
    if (p.Null)
        return "Null";
    if (p.Empty)
        return "Empty";
    return FloatToStr(p.Y, settings);
}

int LongestChannel(const DataFileSource& source) {
    int longest = 0;
    for (int c = 0; c < source.Channels(); ++c)
        longest = std::max(longest, source.Points(c));
    return longest;
}

// A row is built cell by cell: every cell but the first follows a separator.
class Row {
public:
    explicit Row(char separator) : separator_(separator) {}
    void Cell(std::string_view text) {
        if (!first_)
            line_ += separator_;
        first_ = false;
        line_ += text;
    }
    void End(std::vector<std::uint8_t>& out) {
        Append(out, line_);
        Append(out, "\r\n");
        line_.clear();
        first_ = true;
    }

private:
    char separator_;
    bool first_ = true;
    std::string line_;
};

void CompactHeader(const DataFileSource& source, std::vector<std::uint8_t>& out) {
    Append(out, kCompactTitle);
    Append(out, "\r\n");
    Append(out, std::to_string(source.Channels()));
    Append(out, "\r\n");
}

// Per channel the X (first two rows only) and the Y of point `index`.
void AppendCompactRow(const DataFileSource& source, int index, std::vector<std::uint8_t>& out) {
    for (int c = 0; c < source.Channels(); ++c) {
        const bool has = index < source.Points(c);
        const DataFilePoint p = has ? source.Point(c, index) : DataFilePoint{};
        if (index < 2)
            AppendFloat(out, has ? p.X : kMissing);
        AppendFloat(out, has ? p.Y : kMissing);
    }
}

std::vector<std::uint8_t> WriteText(const DataFileSource& source, char separator,
                                    const korvan::text::FormatSettings& settings) {
    std::vector<std::uint8_t> out;
    Row row(separator);
    for (int c = 0; c < source.Channels(); ++c) {
        const std::string title = source.Title(c);
        row.Cell(title + "(X)");
        row.Cell(title + "(Y)");
    }
    row.End(out);
    const int rows = LongestChannel(source);
    for (int i = 0; i < rows; ++i) {
        for (int c = 0; c < source.Channels(); ++c) {
            if (i < source.Points(c)) {
                const DataFilePoint p = source.Point(c, i);
                row.Cell(FloatToStr(p.X, settings));
                row.Cell(YText(p, settings));
            } else {
                row.Cell("");
                row.Cell("");
            }
        }
        row.End(out);
    }
    return out;
}

std::vector<std::uint8_t> WriteCompact(const DataFileSource& source) {
    std::vector<std::uint8_t> out;
    CompactHeader(source, out);
    const int rows = LongestChannel(source);
    for (int i = 0; i < rows; ++i)
        AppendCompactRow(source, i, out);
    AppendFloat(out, kEndMarker);
    return out;
}

// --- reading ---

// Cells of a line: consecutive separators give empty cells, a separator at
// the end adds none.
std::vector<std::string> SplitCells(const std::string& line, char separator) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t at = line.find(separator, start);
        if (at == std::string::npos) {
            cells.push_back(line.substr(start));
            break;
        }
        cells.push_back(line.substr(start, at - start));
        start = at + 1;
    }
    return cells;
}

// A cell written with the other decimal separator reads as well.
std::string WithLocaleSeparator(std::string cell, char decimal) {
    const char other = decimal == '.' ? ',' : decimal == ',' ? '.' : '\0';
    if (other != '\0') {
        const std::size_t at = cell.find(other);
        if (at != std::string::npos)
            cell[at] = decimal;
    }
    return cell;
}

// Adds the Y cell's point at x; an empty cell adds nothing.
void ReadY(const std::string& rawCell, double x, int channel, const DataFileAdd& add,
           const korvan::text::FormatSettings& settings) {
    const std::string cell = Trim(WithLocaleSeparator(rawCell, settings.DecimalSeparator));
    if (cell.empty())
        return;
    DataFilePoint p{x, 0, false, false};
    if (SameText(cell, "NULL"))
        p.Null = true;
    else if (SameText(cell, "EMPTY"))
        p.Empty = true;
    else
        p.Y = StrToFloat(cell, settings);
    add(channel, p);
}

bool EndsWithX(const std::string& cell) {
    return cell.size() >= 3 && SameText(std::string_view(cell).substr(cell.size() - 3), "(X)");
}

// Line 0 starting with "(X)" announces one X column shared by every channel,
// unless a later header cell is an X column too (a channel whose title is
// empty also starts a pairs file with "(X)").
bool SharedX(const std::string& header, char separator) {
    if (header.size() < 3 || !SameText(std::string_view(header).substr(0, 3), "(X)"))
        return false;
    const std::vector<std::string> cells = SplitCells(header, separator);
    return std::none_of(cells.begin() + 1, cells.end(), EndsWithX);
}

void ReadText(const TStringList& lines, int channels, const DataFileAdd& add,
              const korvan::text::FormatSettings& settings) {
    const std::string& header = lines[0];
    const char separator = header.find('\t') != std::string::npos ? '\t' : ',';
    const bool sharedX = SharedX(header, separator);
    for (int l = 1; l < lines.Count(); ++l) {
        const std::vector<std::string> cells = SplitCells(lines[l], separator);
        if (sharedX) {
            if (cells.empty() || Trim(cells[0]).empty())
                continue;
            const double x = StrToFloat(Trim(cells[0]), settings);
            for (int k = 0; k < channels && std::size_t(k) + 1 < cells.size(); ++k)
                ReadY(cells[std::size_t(k) + 1], x, k, add, settings);
            continue;
        }
        for (int k = 0; k < channels && 2 * std::size_t(k) < cells.size(); ++k) {
            const std::size_t at = 2 * std::size_t(k);
            const std::string xCell = Trim(WithLocaleSeparator(cells[at], settings.DecimalSeparator));
            if (xCell.empty())
                continue;
            const double x = StrToFloat(xCell, settings);
            if (at + 1 < cells.size())
                ReadY(cells[at + 1], x, k, add, settings);
        }
    }
}

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    bool AtEnd() const { return at_ >= bytes_.size(); }
    // Up to LF; CR and LF are dropped.
    std::string Line() {
        std::string line;
        while (at_ < bytes_.size()) {
            const char c = static_cast<char>(bytes_[at_++]);
            if (c == '\n')
                break;
            if (c != '\r')
                line += c;
        }
        return line;
    }
    double Float() {
        if (bytes_.size() - at_ < 4)
            throw Exception("Invalid Data");
        std::uint32_t bits = 0;
        for (int k = 0; k < 4; ++k)
            bits |= std::uint32_t(bytes_[at_++]) << (8 * k);
        float f = 0;
        std::memcpy(&f, &bits, sizeof f);
        return double(f);
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

void ReadCompact(std::span<const std::uint8_t> bytes, int channels, const DataFileAdd& add) {
    ByteReader reader(bytes);
    reader.Line();
    const int fileChannels = StrToInt(reader.Line());
    // A file of no channels holds no rows.
    if (fileChannels <= 0)
        return;
    for (int row = 0;; ++row)
        for (int j = 0; j < fileChannels; ++j) {
            if (reader.AtEnd())
                return;
            const double x = row < 2 ? reader.Float() : 0.0;
            if (x > kEndAbove)
                return;
            if (reader.AtEnd())
                return;
            const double y = reader.Float();
            if (y > kEndAbove)
                return;
            if (x < kValidBelow && y < kValidBelow && j < channels)
                add(j, DataFilePoint{x, y, false, false});
        }
}

} // namespace

std::vector<std::uint8_t> WriteDataFile(const DataFileSource& source, DataFileLayout layout, char separator,
                                        const korvan::text::FormatSettings& settings) {
    return layout == DataFileLayout::CompactInterval ? WriteCompact(source)
                                                     : WriteText(source, separator, settings);
}

void ReadDataFile(std::span<const std::uint8_t> bytes, int channels, const DataFileAdd& add,
                  const korvan::text::FormatSettings& settings) {
    TStringList lines;
    lines.SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (lines.Count() == 0)
        return;
    if (SameText(lines[0], kCompactTitle))
        ReadCompact(bytes, channels, add);
    else
        ReadText(lines, channels, add, settings);
}

std::vector<std::uint8_t> DataLogHeader(const DataFileSource& source, DataFileLayout layout, char separator) {
    std::vector<std::uint8_t> out;
    if (layout == DataFileLayout::CompactInterval) {
        CompactHeader(source, out);
        return out;
    }
    Row row(separator);
    row.Cell("(X)");
    for (int c = 0; c < source.Channels(); ++c)
        row.Cell(source.Title(c) + "(Y)");
    row.End(out);
    return out;
}

std::vector<std::uint8_t> DataLogRow(const DataFileSource& source, int index, DataFileLayout layout,
                                     char separator, const korvan::text::FormatSettings& settings) {
    std::vector<std::uint8_t> out;
    if (index < 0)
        return out;
    if (layout == DataFileLayout::CompactInterval) {
        AppendCompactRow(source, index, out);
        return out;
    }
    Row row(separator);
    const bool firstHas = source.Channels() > 0 && index < source.Points(0);
    row.Cell(firstHas ? FloatToStr(source.Point(0, index).X, settings) : std::string());
    for (int c = 0; c < source.Channels(); ++c)
        row.Cell(index < source.Points(c) ? YText(source.Point(c, index), settings) : std::string());
    row.End(out);
    return out;
}

} // namespace korvan::plot

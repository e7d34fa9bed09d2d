#pragma once
// The curves a response display holds: a singly linked list of plots, each
// a private copy of its x and y values with a colour, a drawing style and
// the caller's plot number. The newest plot stands at the head.

#include "platform/gfx/Color.h"

#include <cstdint>
#include <memory>
#include <vector>

// How a plot's points are drawn: a line, filled or hollow squares, or a
// line with filled or hollow squares.
enum TMyPlotStyle : std::int32_t {
    PlotLine = 0,
    PlotFilledSquares = 1,
    PlotHollowSquares = 2,
    PlotLineFilledSquares = 3,
    PlotLineHollowSquares = 4,
};

class TPlotListMember {
public:
    TPlotListMember() = default;
    // A deep copy of the values, colour, style and index; Next is null.
    TPlotListMember(const TPlotListMember& source);
    TPlotListMember& operator=(const TPlotListMember&) = delete;
    ~TPlotListMember() = default;

    std::vector<double> X;
    std::vector<double> Y;
    TColor Color = 0;
    TMyPlotStyle Style = PlotLine;
    std::int32_t NumPoints = 0; // X and Y each hold this many values
    std::int32_t Index = 0;
    std::unique_ptr<TPlotListMember> Next;
};

class TPlotList {
public:
    TPlotList() = default;
    // A deep copy; the members come out in reverse order.
    explicit TPlotList(const TPlotList& source);
    TPlotList& operator=(const TPlotList&) = delete;
    ~TPlotList();

    void Clear();
    // Replaces the data of the plot with this index (its colour and style
    // stay) and returns true, or puts a new plot at the head and returns
    // false. A count below 1 stores a plot without points.
    bool AddPlot(const double* x, const double* y, std::int32_t count, std::int32_t index, TColor color,
                 TMyPlotStyle style);
    // The first member from the head with this index, or null.
    bool FindPlot(std::int32_t index, TPlotListMember*& member) const;
    bool DeletePlot(std::int32_t index);
    // AddPlot of every member of source, from its head.
    void AppendPlots(const TPlotList& source);

    TPlotListMember* Head() const { return head_.get(); }

private:
    std::unique_ptr<TPlotListMember> head_;
};

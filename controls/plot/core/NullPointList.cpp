#include "controls/plot/core/NullPointList.h"

static_assert(sizeof(TiPlotDataNull) == 24);

namespace {

constexpr std::uint16_t NullBit = 1;
constexpr std::uint16_t EmptyBit = 2;
constexpr std::uint16_t MarkerVisibleBit = 4;
constexpr int MarkerStyleShift = 3;
constexpr std::uint16_t MarkerStyleMask = 15 << MarkerStyleShift;

void SetBit(std::uint16_t& extra, std::uint16_t bit, bool value) {
    extra = std::uint16_t(value ? extra | bit : extra & ~bit);
}

std::uint16_t MarkerBits(bool visible, TiPlotMarkerStyle style) {
    return std::uint16_t((visible ? MarkerVisibleBit : 0) | ((unsigned(style) & 15u) << MarkerStyleShift));
}

} // namespace

bool TiPlotDataNullList::GetEmpty(std::int32_t index) const {
    return (At(index).Extra & EmptyBit) != 0;
}

bool TiPlotDataNullList::GetNull(std::int32_t index) const {
    return (At(index).Extra & NullBit) != 0;
}

void TiPlotDataNullList::SetEmpty(std::int32_t index, bool value) {
    SetBit(At(index).Extra, EmptyBit, value);
}

void TiPlotDataNullList::SetNull(std::int32_t index, bool value) {
    SetBit(At(index).Extra, NullBit, value);
}

void TiPlotDataNullList::GetXYEmptyNull(std::int32_t index, double& x, double& y, bool& empty,
                                        bool& null) const {
    const TiPlotDataNull& r = At(index);
    x = r.X;
    y = r.Y;
    empty = (r.Extra & EmptyBit) != 0;
    null = (r.Extra & NullBit) != 0;
}

TiPlotPointAttributes TiPlotDataNullList::GetPointAttributes(std::int32_t index) const {
    const std::uint16_t extra = At(index).Extra;
    TiPlotPointAttributes a = StoredAttributes();
    a.MarkerVisible = (extra & MarkerVisibleBit) != 0;
    a.MarkerStyle = TiPlotMarkerStyle((extra & MarkerStyleMask) >> MarkerStyleShift);
    return a;
}

void TiPlotDataNullList::SetPointAttributes(std::int32_t index, const TiPlotPointAttributes& value) {
    std::uint16_t& extra = At(index).Extra;
    extra = std::uint16_t((extra & ~(MarkerVisibleBit | MarkerStyleMask)) |
                          MarkerBits(value.MarkerVisible, value.MarkerStyle));
}

std::int32_t TiPlotDataNullList::Add(double x, double y, bool null, bool empty) {
    const std::uint16_t extra = std::uint16_t(MarkerBits(StoredMarkerVisible(), StoredMarkerStyle()) |
                                              (null ? NullBit : 0) | (empty ? EmptyBit : 0));
    return Store(TiPlotDataNull{x, y, extra});
}

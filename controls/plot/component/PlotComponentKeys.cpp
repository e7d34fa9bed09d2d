// The plot's keys, and an axis' input repeated on the other axes of its
// direction when that axis asks for it.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/master/MasterManager.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/sys/FlagScope.h"

void TiPlotComponent::DoWantSpecialKey(std::uint16_t& charCode, bool& result) const {
    if (charCode >= VK_LEFT && charCode <= VK_DOWN)
        result = true;
}

void TiPlotComponent::iKeyDown(std::uint16_t& key, TShiftState shift) {
    master_->ObjectManager()->KeyDownFocusObjects(key, shift, popupMenu_.get());
}

// The repeated axes call back here with their own input; the block keeps
// them from repeating it once more.
template <class F> void TiPlotComponent::RepeatOnOtherAxes(TiPlotAxis* axis, F&& input) {
    if (masterAxisBlock_)
        return;
    korvan::sys::FlagScope block(masterAxisBlock_);
    const bool xAxis = dynamic_cast<TiPlotXAxis*>(axis) != nullptr;
    const int count = xAxis ? XAxisCount() : YAxisCount();
    for (int i = 0; i < count; ++i) {
        TiPlotAxis* other = xAxis ? static_cast<TiPlotAxis*>(XAxis(i)) : static_cast<TiPlotAxis*>(YAxis(i));
        if (other != axis)
            input(*static_cast<TiPlotObject*>(other));
    }
}

void TiPlotComponent::MasterUIInputMouseLeft(TiPlotAxis* axis, const TiPlotMouseData& data) {
    RepeatOnOtherAxes(axis, [&](TiPlotObject& other) {
        TiPlotMouseData copy = data;
        other.DoMouseLeft(copy);
    });
}

void TiPlotComponent::MasterUIInputMouseMove(TiPlotAxis* axis, const TiPlotMouseData& data) {
    RepeatOnOtherAxes(axis, [&](TiPlotObject& other) {
        TiPlotMouseData copy = data;
        other.DoMouseMove(copy);
    });
}

void TiPlotComponent::MasterUIInputMouseUp(TiPlotAxis* axis, const TiPlotMouseData& data) {
    RepeatOnOtherAxes(axis, [&](TiPlotObject& other) {
        TiPlotMouseData copy = data;
        other.DoMouseUp(copy);
    });
}

void TiPlotComponent::MasterUIInputMouseWheel(TiPlotAxis* axis, int wheelDelta, TShiftState shift, int x,
                                              int y) {
    RepeatOnOtherAxes(axis, [&](TiPlotObject& other) { other.DoMouseWheel(wheelDelta, shift, x, y); });
}

void TiPlotComponent::MasterUIInputKeyDown(TiPlotAxis* axis, std::uint16_t& charCode, TShiftState shift) {
    RepeatOnOtherAxes(axis, [&](TiPlotObject& other) { other.iKeyDown(charCode, shift, popupMenu_.get()); });
}

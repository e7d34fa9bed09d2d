// The data cursor's keys, snapping to data points, popup menu and the
// interpolated Y lookup.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/StripChannel.h"
#include "controls/plot/core/PlotButton.h"
#include "controls/plot/objects/OverlayHost.h"
#include "controls/plot/objects/OverlaySupport.h"
#include "controls/plot/objects/PlotDataCursor.h"
#include "platform/forms/Menus.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/text/StrUtils.h"

#include <algorithm>
#include <cmath>

using korvan::plot::DataViewGeometry;
using korvan::plot::OverlayHostOf;

// ---------------------------------------------------------------- keys

void TiPlotDataCursor::iKeyDown(std::uint16_t& charCode, TShiftState shift, TPopupMenu* popupMenu) {
    TiPlotManagerObject::iKeyDown(charCode, shift, popupMenu);
    if (!DataViewGeometry(Owner()).Valid())
        return;
    const bool second = (shift & ssCtrl) != 0;
    if (second && !pointer2Show_)
        return;
    if (snapToDataPoint_)
        MoveBySnapKey(charCode, second);
    else
        MoveByKey(charCode, second);
}

void TiPlotDataCursor::MoveByKey(std::uint16_t key, bool second) {
    const DataViewGeometry view(Owner());
    const double xPixel = std::fabs(view.PixelsXToPercent(101) - view.PixelsXToPercent(100));
    const double yPixel = std::fabs(view.PixelsYToPercent(101) - view.PixelsYToPercent(100));
    double& position = PositionOf(second);
    const bool vertical = OrientationOf(second) == ioVertical;
    const bool shown = ShownOf(second);
    const double pixel = vertical ? xPixel : yPixel;
    switch (key) {
    case VK_PRIOR:
        position += 5 * pixel;
        break;
    case VK_NEXT:
        position -= 5 * pixel;
        break;
    case VK_END:
        position = 100;
        break;
    case VK_HOME:
        position = 0;
        break;
    case VK_LEFT:
    case VK_RIGHT: {
        const double step = key == VK_LEFT ? -xPixel : xPixel;
        if (shown && vertical)
            position += step;
        if (!second && hintShow_ && hintOrientation_ == ioHorizontal)
            hintPosition_ += step;
        break;
    }
    case VK_UP:
    case VK_DOWN: {
        const double step = key == VK_UP ? yPixel : -yPixel;
        if (shown && !vertical)
            position += step;
        if (!second && hintShow_ && hintOrientation_ == ioVertical)
            hintPosition_ += step;
        break;
    }
    default:
        return;
    }
    pointer1Position_ = std::clamp(pointer1Position_, 0.0, 100.0);
    pointer2Position_ = std::clamp(pointer2Position_, 0.0, 100.0);
    hintPosition_ = std::clamp(hintPosition_, 0.0, 100.0);
    Repaint();
}

void TiPlotDataCursor::MoveBySnapKey(std::uint16_t key, bool second) {
    SnapPointer(second);
    const DataViewGeometry view(Owner());
    const bool reversed = XYAxesReversed();
    auto hintStep = [&](int direction) {
        const double pixel = hintOrientation_ == ioVertical
                                 ? std::fabs(view.PixelsYToPercent(101) - view.PixelsYToPercent(100))
                                 : std::fabs(view.PixelsXToPercent(101) - view.PixelsXToPercent(100));
        hintPosition_ = std::clamp(hintPosition_ + direction * pixel, 0.0, 100.0);
        Repaint();
    };
    auto pointStep = [&](int step) { MoveToPoint(snapToIndexChannel_, snapToIndexData_, step, second); };
    switch (key) {
    case VK_PRIOR:
        pointStep(5);
        break;
    case VK_NEXT:
        pointStep(-5);
        break;
    case VK_END:
        MoveToPoint(snapToIndexChannel_, 0x3FFFFFFF, 0, second);
        break;
    case VK_HOME:
        MoveToPoint(snapToIndexChannel_, 0, 0, second);
        break;
    case VK_LEFT:
        reversed ? hintStep(-1) : pointStep(-1);
        break;
    case VK_RIGHT:
        reversed ? hintStep(1) : pointStep(1);
        break;
    case VK_UP:
        reversed ? pointStep(1) : hintStep(1);
        break;
    case VK_DOWN:
        reversed ? pointStep(-1) : hintStep(-1);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- snapping

namespace {

TiPlotChannel* StripChannelAt(IiPlotOverlayHost* host, int index) {
    if (!host || index < 0 || index >= host->ChannelCount())
        return nullptr;
    auto* channel = dynamic_cast<TiPlotChannel*>(host->OverlayChannel(index));
    return channel && channel->XAxis() ? channel : nullptr;
}

// The point of a strip-chart channel nearest to x (-1 without points) and
// its distance.
int NearestPoint(TiPlotChannel& channel, double x, double& distance) {
    distance = 1e300;
    const int count = channel.Count();
    if (count == 0)
        return -1;
    int k = 0;
    if (x >= channel.GetPointX(count - 1)) {
        k = count - 1;
    } else if (x <= channel.GetPointX(0)) {
        k = 0;
    } else {
        k = channel.CalcIndex(x);
        if (k < 0)
            return -1;
        const double here = std::fabs(x - channel.GetPointX(k));
        if (k > 0 && std::fabs(x - channel.GetPointX(k - 1)) < here)
            k = k - 1;
        else if (k + 1 < count && std::fabs(x - channel.GetPointX(k + 1)) < here)
            k = k + 1;
    }
    distance = std::fabs(x - channel.GetPointX(k));
    return k;
}

} // namespace

void TiPlotDataCursor::DoSnapToDataPoint() {
    SnapPointer(false);
    SnapPointer(true);
}

void TiPlotDataCursor::SnapPointer(bool second) {
    IiPlotOverlayHost* host = OverlayHostOf(Owner());
    if (!snapToDataPoint_ || !host || host->IsXYPlot() || style_ == ipcsDeltaY)
        return;
    const double p = PositionOf(second);
    if (!AllChannelsChosen()) {
        for (int c = 0; c < host->ChannelCount(); ++c) {
            TiPlotChannel* channel = StripChannelAt(host, c);
            if (!channel || host->OverlayChannel(c) != Channel())
                continue;
            double distance = 0;
            const int point = NearestPoint(*channel, channel->XAxis()->PercentToPosition(p / 100), distance);
            snapToIndexChannel_ = c;
            snapToIndexData_ = point;
            MoveToPoint(c, point, 0, second);
            return;
        }
        return;
    }
    double best = 1e300;
    snapToIndexChannel_ = snapToIndexData_ = -1;
    for (int c = 0; c < host->ChannelCount(); ++c) {
        TiPlotChannel* channel = StripChannelAt(host, c);
        if (!channel)
            continue;
        double distance = 0;
        const int point = NearestPoint(*channel, channel->XAxis()->PercentToPosition(p / 100), distance);
        if (point >= 0 && distance < best) {
            best = distance;
            snapToIndexChannel_ = c;
            snapToIndexData_ = point;
        }
    }
    MoveToPoint(snapToIndexChannel_, snapToIndexData_, 0, second);
}

void TiPlotDataCursor::MoveToPoint(int channelIndex, int pointIndex, int step, bool second) {
    TiPlotChannel* channel = StripChannelAt(OverlayHostOf(Owner()), channelIndex);
    if (!channel || channel->Count() == 0)
        return;
    TiPlotAxis* axis = channel->XAxis();
    int i = axis->ReverseScale() ? pointIndex - step : pointIndex + step;
    i = std::clamp(i, 0, channel->Count() - 1);
    snapToIndexData_ = i;
    const double x = channel->GetPointX(i);
    // A point off the axis scrolls it into view with a fortieth to spare.
    if (x > axis->Max())
        axis->SetMin(x - axis->Span() + axis->Span() / 40);
    else if (x < axis->Min())
        axis->SetMin(x - axis->Span() / 40);
    const double percent = axis->PositionToPercent(x) * 100;
    if (second)
        SetPointer2Position(percent);
    else
        SetPointer1Position(percent);
}

// ---------------------------------------------------------------- interpolated Y

TiPlotDataPointStatus TiPlotDataCursor::GetInterpolatedYValue(const std::string& channelName, double xValue,
                                                              double& yValue) {
    yValue = 0;
    IiPlotOverlayHost* host = OverlayHostOf(Owner());
    auto* channel = host ? dynamic_cast<TiPlotChannel*>(host->OverlayChannelByName(channelName)) : nullptr;
    if (!channel || !channel->XAxis())
        return ipdpsNull;
    TiPlotAxis* axis = channel->XAxis();
    const bool visible = Visible();
    const TiPlotDataCursorStyle style = style_;
    const std::string name = channelName_;
    const double pointer1 = pointer1Position_;
    const double axisMin = axis->Min();
    struct Restore {
        TiPlotDataCursor& cursor;
        TiPlotAxis& axis;
        bool visible;
        TiPlotDataCursorStyle style;
        std::string name;
        double pointer1, axisMin;
        ~Restore() {
            cursor.SetVisible(visible);
            cursor.SetStyle(style);
            cursor.SetChannelName(name);
            cursor.SetPointer1Position(pointer1);
            axis.SetMin(axisMin);
        }
    } restore{*this, *axis, visible, style, name, pointer1, axisMin};
    SetVisible(true);
    SetStyle(ipcsValueXY);
    SetChannelName(channelName);
    if (useCachedInterpolatedData_) {
        SetPointer1Position(axis->PositionToPercent(xValue) * 100);
        Update();
    } else {
        SetPointer1Position(0);
        axis->SetMin(xValue);
        host->ReCalcLayout();
    }
    yValue = valueY_;
    return status_;
}

// ---------------------------------------------------------------- popup menu

namespace {

TMenuItem* AddItem(TMenuItem* parent, TPopupMenu* menu, const std::string& caption, bool checked,
                   std::function<void()> action) {
    auto* item = new TiMenuItem(menu);
    item->SetCaption(caption);
    item->SetChecked(checked);
    item->OnClick = [action = std::move(action)](TObject*) { action(); };
    parent->Add(item);
    return item;
}

} // namespace

void TiPlotDataCursor::PreparePopupMenu(TPopupMenu* popupMenu) {
    TiPlotManagerObject::PreparePopupMenu(popupMenu);
    if (!popupMenu)
        return;
    TMenuItem* root = popupMenu->Items();
    IiPlotOverlayHost* host = OverlayHostOf(Owner());

    TMenuItem* channels = AddItem(root, popupMenu, GetTranslation("Channel"), false, [] {});
    if (channelAllowAll_)
        AddItem(channels, popupMenu, GetTranslation(AllChannels), AllChannelsChosen(), [this, host] {
            SetChannelName(AllChannels);
            for (int i = 0; host && i < host->ChannelCount(); ++i)
                host->OverlayChannel(i)->SetUserSelected(false);
        });
    for (int i = 0; host && i < host->ChannelCount(); ++i) {
        TiPlotChannelCustom* channel = host->OverlayChannel(i);
        if (!channel->Visible())
            continue;
        std::string title = channel->TitleText();
        title.erase(std::remove_if(title.begin(), title.end(), [](char c) { return c == '\r' || c == '\n'; }),
                    title.end());
        const std::string channelName = channel->Name();
        AddItem(channels, popupMenu, title, channelName == channelName_, [this, host, channelName] {
            SetChannelName(channelName);
            if (TiPlotChannelCustom* chosen = host->OverlayChannelByName(channelName))
                chosen->SetUserSelected(true);
            DoSnapToDataPoint();
        });
    }

    TMenuItem* styles = AddItem(root, popupMenu, GetTranslation("Style"), false, [] {});
    for (int s = ipcsValueXY; s <= ipcsInverseDeltaX; ++s) {
        const auto style = TiPlotDataCursorStyle(s);
        AddItem(styles, popupMenu, GetTranslation(menuItemCaption_[s]), style == style_, [this, style] {
            SetStyle(style);
        })->SetVisible(menuItemVisible_[s]);
    }

    if (menuUserCanChangeOptions_) {
        TMenuItem* options = AddItem(root, popupMenu, GetTranslation("Options"), false, [] {});
        AddItem(options, popupMenu, GetTranslation("Use Channel Color"), useChannelColor_, [this] {
            useChannelColor_ = !useChannelColor_;
            Repaint();
        });
        AddItem(options, popupMenu, GetTranslation("Hide Hint On Release"), hintHideOnRelease_, [this] {
            hintHideOnRelease_ = !hintHideOnRelease_;
            Repaint();
        });
        const bool canFlip = (style_ == ipcsValueXY || style_ == ipcsValueX || style_ == ipcsValueY) &&
                             !SameText(channelName_, AllChannels);
        AddItem(options, popupMenu, GetTranslation("Flip Alignment"), false, [this] {
            hintOrientationSide_ = hintOrientationSide_ == iosTopLeft ? iosBottomRight : iosTopLeft;
            Repaint();
        })->SetEnabled(canFlip);
    }
    if (!IsXYPlot())
        AddItem(root, popupMenu, GetTranslation("Snap to Data-Point"), snapToDataPoint_, [this] {
            snapToDataPoint_ = !snapToDataPoint_;
            if (snapToDataPoint_)
                DoSnapToDataPoint();
        });
    AddEditMenuItem(popupMenu);
}

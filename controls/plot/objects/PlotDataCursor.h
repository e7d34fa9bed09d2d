#pragma once
// A data cursor: one or two pointer lines over the plot's data view that
// the user drags with the mouse or moves with the keys, and a hint box
// beside them showing a channel's values at the pointers. The style
// chooses what is measured: the X and Y value, X, Y, the X distance of two
// pointers ("Period"), their Y distance ("Peak-Peak") or the inverse X
// distance ("Frequency"). On a strip chart the pointers can snap to data
// points. Positions are percentages of the data view: along X from its
// left edge, along Y from its bottom edge.

#include "controls/plot/channels/ChannelHost.h"
#include "controls/plot/core/PlotObject.h"

#include <memory>
#include <string>

class TFont;
class TiPlotChannelCustom;

class TiPlotDataCursor : public TiPlotManagerObject, public IiPlotChannelCursor {
    KORVAN_CLASS(TiPlotDataCursor)
public:
    // The channel name that stands for every channel.
    static constexpr const char* AllChannels = "<All>";

    TiPlotDataCursor(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                     TNotifyEvent onRename);

    // --- published ---
    const std::string& ChannelName() const { return channelName_; }
    void SetChannelName(const std::string& value);
    bool ChannelAllowAll() const { return channelAllowAll_; }
    void SetChannelAllowAll(bool value) {
        SetBooleanProperty(value, channelAllowAll_, &TiPlotObject::DoChange);
    }
    bool ChannelShowAllInLegend() const { return channelShowAllInLegend_; }
    void SetChannelShowAllInLegend(bool value) {
        SetBooleanProperty(value, channelShowAllInLegend_, &TiPlotObject::DoChange);
    }
    TiPlotDataCursorStyle Style() const override { return style_; }
    void SetStyle(TiPlotDataCursorStyle value);
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* value);
    TColor Color() const { return color_; }
    void SetColor(TColor value) { SetColorProperty(value, color_, &TiPlotObject::DoChange); }
    bool UseChannelColor() const { return useChannelColor_; }
    void SetUseChannelColor(bool value) {
        SetBooleanProperty(value, useChannelColor_, &TiPlotObject::DoChange);
    }
    bool HintShow() const { return hintShow_; }
    void SetHintShow(bool value) { SetBooleanProperty(value, hintShow_, &TiPlotObject::DoChange); }
    bool HintHideOnRelease() const { return hintHideOnRelease_; }
    void SetHintHideOnRelease(bool value) {
        SetBooleanProperty(value, hintHideOnRelease_, &TiPlotObject::DoChange);
    }
    TiOrientationSide HintOrientationSide() const { return hintOrientationSide_; }
    void SetHintOrientationSide(TiOrientationSide value);
    double HintPosition() const { return hintPosition_; }
    void SetHintPosition(double value) { SetDoubleProperty(value, hintPosition_, &TiPlotObject::DoChange); }
    double Pointer1Position() const override { return pointer1Position_; }
    // Clamped to 0..100.
    void SetPointer1Position(double value);
    double Pointer2Position() const override { return pointer2Position_; }
    void SetPointer2Position(double value);
    int PointerPenWidth() const { return pointerPenWidth_; }
    void SetPointerPenWidth(int value) {
        SetIntegerProperty(value, pointerPenWidth_, &TiPlotObject::DoChange);
    }
    bool MenuUserCanChangeOptions() const { return menuUserCanChangeOptions_; }
    void SetMenuUserCanChangeOptions(bool value) { menuUserCanChangeOptions_ = value; }
    bool SnapToDataPoint() const { return snapToDataPoint_; }
    void SetSnapToDataPoint(bool value) { snapToDataPoint_ = value; }
    bool UseCachedInterpolatedData() const { return useCachedInterpolatedData_; }
    void SetUseCachedInterpolatedData(bool value) { useCachedInterpolatedData_ = value; }
    // Menu items per style, in style order.
    bool MenuItemVisible(TiPlotDataCursorStyle style) const { return menuItemVisible_[style]; }
    void SetMenuItemVisible(TiPlotDataCursorStyle style, bool value) { menuItemVisible_[style] = value; }
    const std::string& MenuItemCaption(TiPlotDataCursorStyle style) const { return menuItemCaption_[style]; }
    void SetMenuItemCaption(TiPlotDataCursorStyle style, const std::string& value) {
        menuItemCaption_[style] = value;
    }

// The published visibility and caption of one style's menu item.
#define KORVAN_DATA_CURSOR_MENU_ITEM(Name, Style)                                                            \
    bool MenuItemVisible##Name() const {                                                                     \
        return menuItemVisible_[Style];                                                                      \
    }                                                                                                        \
    void SetMenuItemVisible##Name(bool value) {                                                              \
        menuItemVisible_[Style] = value;                                                                     \
    }                                                                                                        \
    const std::string& MenuItemCaption##Name() const {                                                       \
        return menuItemCaption_[Style];                                                                      \
    }                                                                                                        \
    void SetMenuItemCaption##Name(const std::string& value) {                                                \
        menuItemCaption_[Style] = value;                                                                     \
    }
    KORVAN_DATA_CURSOR_MENU_ITEM(ValueXY, ipcsValueXY)
    KORVAN_DATA_CURSOR_MENU_ITEM(ValueX, ipcsValueX)
    KORVAN_DATA_CURSOR_MENU_ITEM(ValueY, ipcsValueY)
    KORVAN_DATA_CURSOR_MENU_ITEM(DeltaX, ipcsDeltaX)
    KORVAN_DATA_CURSOR_MENU_ITEM(DeltaY, ipcsDeltaY)
    KORVAN_DATA_CURSOR_MENU_ITEM(InverseDeltaX, ipcsInverseDeltaX)
#undef KORVAN_DATA_CURSOR_MENU_ITEM

    // --- public ---
    double ValueX() const {
        return valueX_;
    }
    double ValueY() const {
        return valueY_;
    }
    TiPlotDataPointStatus Status() const {
        return status_;
    }
    const std::string& CursorDisplayText() const {
        return cursorDisplayText_;
    }
    bool Pointer1Show() const {
        return pointer1Show_;
    }
    bool Pointer2Show() const {
        return pointer2Show_;
    }
    TiOrientation Pointer1Orientation() const {
        return pointer1Orientation_;
    }
    TiOrientation Pointer2Orientation() const {
        return pointer2Orientation_;
    }
    TiOrientation HintOrientation() const {
        return hintOrientation_;
    }
    TRect Pointer1Rect() const {
        return pointer1Rect_;
    }
    TRect Pointer2Rect() const {
        return pointer2Rect_;
    }
    TRect HintRect() const {
        return hintRect_;
    }
    bool HintShowing() const {
        return hintShowing_;
    }
    int SnapToIndexChannel() const {
        return snapToIndexChannel_;
    }
    int SnapToIndexData() const {
        return snapToIndexData_;
    }

    // The Y of a strip-chart channel at an X, measured the way this cursor
    // measures; leaves the cursor and the channel's X axis as they were.
    TiPlotDataPointStatus GetInterpolatedYValue(const std::string& channelName, double xValue,
                                                double& yValue);
    void DoSnapToDataPoint();
    // The channels' values, read before every paint.
    void Update();

    // --- what channels call ---
    bool PositionPercentToPixelsX(double percent, int& pixels) const override;
    bool PositionPercentToPixelsY(double percent, int& pixels) const override;
    void SetValues(double x, double y, TiPlotDataPointStatus status) override;
    void SetCursorDisplayText(const std::string& text) override {
        cursorDisplayText_ = text;
    }

    void SetVisible(bool value) override;
    void SetXYAxesReversed(bool value) override;
    void NotifyRemove(TObject* sender) override;
    void NotifyRename(TObject* sender) override;
    void NotifySetFocus(TObject* sender) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    TCursor GetMouseCursor(TPoint mousePos) override;
    void iKeyDown(std::uint16_t& charCode, TShiftState shift, TPopupMenu* popupMenu) override;
    void PreparePopupMenu(TPopupMenu* popupMenu) override;

protected:
    ~TiPlotDataCursor() override;
    bool DoHitTest(const TiPlotMouseData& mouseData) override;
    void DoMouseLeft(TiPlotMouseData& mouseData) override;
    void DoMouseMove(TiPlotMouseData& mouseData) override;
    void DoMouseUp(TiPlotMouseData& mouseData) override;
    void DoGotFocus() override;

private:
    TiPlotChannelCustom* Channel();
    bool AllChannelsChosen() const;
    bool IsXYPlot() const;
    void SetupPointers();
    void Repaint();
    TColor PointerColor();
    void DrawPointer(TCanvas& canvas, bool first, const TRect& view);
    void DrawHint(TCanvas& canvas, const TRect& view);
    bool IsDeltaStyle() const {
        return style_ == ipcsDeltaX || style_ == ipcsDeltaY || style_ == ipcsInverseDeltaX;
    }
    // Keys without snapping, and with it (in PlotDataCursorInput.cpp).
    void MoveByKey(std::uint16_t key, bool second);
    void MoveBySnapKey(std::uint16_t key, bool second);
    void MoveToPoint(int channelIndex, int pointIndex, int step, bool second);
    void SnapPointer(bool second);
    double& PositionOf(bool second) {
        return second ? pointer2Position_ : pointer1Position_;
    }
    TiOrientation OrientationOf(bool second) const {
        return second ? pointer2Orientation_ : pointer1Orientation_;
    }
    bool ShownOf(bool second) const {
        return second ? pointer2Show_ : pointer1Show_;
    }

    int mouseDownXPixels_ = 0, mouseDownYPixels_ = 0;
    int mouseDownX_ = 0, mouseDownY_ = 0;
    bool mouseDownHint_ = false, mouseDownPointer1_ = false, mouseDownPointer2_ = false;
    TRect pointer1Rect_{}, pointer2Rect_{};
    bool pointer1Show_ = false, pointer2Show_ = false;
    TiOrientation pointer1Orientation_ = ioVertical, pointer2Orientation_ = ioHorizontal;
    TRect hintRect_{};
    TiOrientation hintOrientation_ = ioVertical;
    bool hintShowing_ = false;
    TiPlotChannelCustom* channel_ = nullptr;
    std::string channelName_;
    bool channelAllowAll_ = true, channelShowAllInLegend_ = true;
    TiPlotDataCursorStyle style_ = ipcsValueXY;
    std::unique_ptr<TFont> font_;
    TColor color_ = clYellow;
    bool useChannelColor_ = true;
    bool hintShow_ = true, hintHideOnRelease_ = false;
    TiOrientationSide hintOrientationSide_ = iosBottomRight;
    double pointer1Position_ = 50, pointer2Position_ = 60;
    int pointerPenWidth_ = 1;
    int hintHeight_ = 0, hintWidth_ = 0;
    double hintPosition_ = 50;
    std::string cursorDisplayText_;
    double valueX_ = 0, valueY_ = 0;
    TiPlotDataPointStatus status_ = ipdpsValid;
    bool snapToDataPoint_ = false, useCachedInterpolatedData_ = false;
    int snapToIndexChannel_ = 0, snapToIndexData_ = 0;
    bool menuUserCanChangeOptions_ = true;
    bool menuItemVisible_[6] = {true, true, true, true, true, true};
    std::string menuItemCaption_[6] = {"Value X-Y", "Value X", "Value Y", "Period", "Peak-Peak", "Frequency"};
};

namespace korvan::plot {
const std::vector<std::string>& DataCursorStyleNames();
}

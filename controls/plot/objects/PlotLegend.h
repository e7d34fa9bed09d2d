#pragma once
// The legend: one entry per channel shown in the legend, in channel order,
// with optional columns (line and marker samples, name, axis titles,
// latest values, running maximum, minimum and mean). Entries wrap into
// columns and rows; when they do not all fit, two small buttons page
// through them. A press on an entry's name goes to its channel; a click
// elsewhere on the legend raises the plot's legend click event.
//
// Margins and spacings count in the size of the character "0" of Font.

#include "controls/plot/core/PlotButton.h"
#include "controls/plot/core/PlotLayoutObject.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class TFont;
class TiPlotChannelCustom;

enum TiPlotLegendChannelNameColorStyle {
    iplcncsFont,
    iplcncsChannelColor,
    iplcncsXAxisFontColor,
    iplcncsYAxisFontColor
};

// A scroll button of the legend: a raised face, sunken while held.
class TiPlotLegendButton : public TiPlotButton {
    KORVAN_CLASS(TiPlotLegendButton)
public:
    explicit TiPlotLegendButton(TComponent* owner);
    void Draw(TCanvas& canvas, TColor backGroundColor) override;

protected:
    ~TiPlotLegendButton() override = default;
};

// One listed channel and where the last layout put it.
struct TiPlotLegendItem {
    TiPlotChannelCustom* Channel = nullptr;
    int MaxHeight = 0;
    int ALeft = 0, ATop = 0;
    int ARow = 0, ACol = 0;
};

class TiPlotLegend : public TiPlotLayoutObject {
    KORVAN_CLASS(TiPlotLegend)
public:
    TiPlotLegend(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                 TNotifyEvent onRename);

    TiLayoutRole LayoutRole() const override { return TiLayoutRole::Legend; }

    // The columns of an entry, in their order from the left.
    enum Column {
        ColLine,
        ColMarker,
        ColName,
        ColXName,
        ColYName,
        ColXValue,
        ColYValue,
        ColYMax,
        ColYMin,
        ColYMean,
        ColumnCount
    };

    // --- published ---
    double MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(double value) { SetDoubleProperty(value, marginLeft_, &TiPlotObject::DoChange); }
    double MarginRight() const { return marginRight_; }
    void SetMarginRight(double value) { SetDoubleProperty(value, marginRight_, &TiPlotObject::DoChange); }
    double MarginTop() const { return marginTop_; }
    void SetMarginTop(double value) { SetDoubleProperty(value, marginTop_, &TiPlotObject::DoChange); }
    double MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(double value) { SetDoubleProperty(value, marginBottom_, &TiPlotObject::DoChange); }
    TColor BackGroundColor() const { return backGroundColor_; }
    void SetBackGroundColor(TColor value) {
        SetColorProperty(value, backGroundColor_, &TiPlotObject::DoChange);
    }
    bool BackGroundTransparent() const { return backGroundTransparent_; }
    void SetBackGroundTransparent(bool value) {
        SetBooleanProperty(value, backGroundTransparent_, &TiPlotObject::DoChange);
    }
    TColor SelectedItemBackGroundColor() const { return selectedItemBackGroundColor_; }
    void SetSelectedItemBackGroundColor(TColor value) {
        SetColorProperty(value, selectedItemBackGroundColor_, &TiPlotObject::DoChange);
    }
    TFont* SelectedItemFont() const { return selectedItemFont_.get(); }
    void SetSelectedItemFont(TFont* value);
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* value);
    TFont* ColumnTitlesFont() const { return columnTitlesFont_.get(); }
    void SetColumnTitlesFont(TFont* value);

    // Column switches (the name column is always shown) and captions.
    bool ShowColumn(Column column) const { return column == ColName || show_[column]; }
    void SetShowColumn(Column column, bool value) {
        SetBooleanProperty(value, show_[column], &TiPlotObject::DoChange);
    }
    const std::string& Caption(Column column) const { return captions_[column]; }
    void SetCaption(Column column, const std::string& value) {
        SetStringProperty(value, captions_[column], &TiPlotObject::DoChange);
    }
    template <Column C> bool ShowColumnOf() const { return show_[C]; }
    template <Column C> void SetShowColumnOf(bool value) { SetShowColumn(C, value); }
    template <Column C> const std::string& CaptionOf() const { return captions_[C]; }
    template <Column C> void SetCaptionOf(const std::string& value) { SetCaption(C, value); }

    double ColumnSpacing() const { return columnSpacing_; }
    void SetColumnSpacing(double value) { SetDoubleProperty(value, columnSpacing_, &TiPlotObject::DoChange); }
    // RowSpacing and WrapRowSpacingMin are one setting under two names.
    double WrapRowSpacingMin() const { return wrapRowSpacingMin_; }
    void SetWrapRowSpacingMin(double value) {
        SetDoubleProperty(value, wrapRowSpacingMin_, &TiPlotObject::DoChange);
    }
    double RowSpacing() const { return wrapRowSpacingMin_; }
    void SetRowSpacing(double value) { SetWrapRowSpacingMin(value); }
    int WrapColDesiredCount() const { return wrapColDesiredCount_; }
    // Values below 1 become 1 (also for the row count).
    void SetWrapColDesiredCount(int value);
    bool WrapColAutoCountEnabled() const { return wrapColAutoCountEnabled_; }
    void SetWrapColAutoCountEnabled(bool value) {
        SetBooleanProperty(value, wrapColAutoCountEnabled_, &TiPlotObject::DoChange);
    }
    int WrapColAutoCountMax() const { return wrapColAutoCountMax_; }
    void SetWrapColAutoCountMax(int value) {
        SetIntegerProperty(value, wrapColAutoCountMax_, &TiPlotObject::DoChange);
    }
    double WrapColSpacingMin() const { return wrapColSpacingMin_; }
    void SetWrapColSpacingMin(double value) {
        SetDoubleProperty(value, wrapColSpacingMin_, &TiPlotObject::DoChange);
    }
    bool WrapColSpacingAuto() const { return wrapColSpacingAuto_; }
    void SetWrapColSpacingAuto(bool value) {
        SetBooleanProperty(value, wrapColSpacingAuto_, &TiPlotObject::DoChange);
    }
    int WrapRowDesiredCount() const { return wrapRowDesiredCount_; }
    void SetWrapRowDesiredCount(int value);
    bool WrapRowAutoCountEnabled() const { return wrapRowAutoCountEnabled_; }
    void SetWrapRowAutoCountEnabled(bool value) {
        SetBooleanProperty(value, wrapRowAutoCountEnabled_, &TiPlotObject::DoChange);
    }
    int WrapRowAutoCountMax() const { return wrapRowAutoCountMax_; }
    void SetWrapRowAutoCountMax(int value) {
        SetIntegerProperty(value, wrapRowAutoCountMax_, &TiPlotObject::DoChange);
    }
    bool WrapRowSpacingAuto() const { return wrapRowSpacingAuto_; }
    void SetWrapRowSpacingAuto(bool value) {
        SetBooleanProperty(value, wrapRowSpacingAuto_, &TiPlotObject::DoChange);
    }
    bool ColumnTitlesVisible() const { return columnTitlesVisible_; }
    void SetColumnTitlesVisible(bool value) {
        SetBooleanProperty(value, columnTitlesVisible_, &TiPlotObject::DoChange);
    }
    double ChannelNameMaxWidth() const { return channelNameMaxWidth_; }
    void SetChannelNameMaxWidth(double value) {
        SetDoubleProperty(value, channelNameMaxWidth_, &TiPlotObject::DoChange);
    }
    TiPlotLegendChannelNameColorStyle ChannelNameColorStyle() const { return channelNameColorStyle_; }
    void SetChannelNameColorStyle(TiPlotLegendChannelNameColorStyle value);
    int LineColumnWidth() const { return lineColumnWidth_; }
    void SetLineColumnWidth(int value) {
        SetIntegerProperty(value, lineColumnWidth_, &TiPlotObject::DoChange);
    }
    int LineColumnHeight() const { return lineColumnHeight_; }
    void SetLineColumnHeight(int value) {
        SetIntegerProperty(value, lineColumnHeight_, &TiPlotObject::DoChange);
    }

    // --- public ---
    int ViewStartIndex() const { return viewStartIndex_; }
    void SetViewStartIndex(int value) { SetIntegerProperty(value, viewStartIndex_, &TiPlotObject::DoChange); }
    int ViewStopIndex() const { return viewStopIndex_; }
    // Set by the plot before each paint: a data cursor reads out every
    // channel here.
    bool CursorAllChannels() const { return cursorAllChannels_; }
    void SetCursorAllChannels(bool value) { cursorAllChannels_ = value; }

    // --- the last layout ---
    const std::vector<TiPlotLegendItem>& Items() const { return items_; }
    int RequiredWidth() const { return requiredWidth_; }
    int RequiredHeight() const { return requiredHeight_; }
    int ActualWrapColCount() const { return cols_; }
    int ActualWrapRowCount() const { return rows_; }
    int ColumnStart(Column column) const { return columnStart_[column]; }
    int ColumnWidth(Column column) const { return columnWidth_[column]; }
    int ItemWidth() const { return itemWidth_; }
    TiPlotLegendButton* UpButton() const { return upButton_.get(); }
    TiPlotLegendButton* DownButton() const { return downButton_.get(); }

    // Lays the entries out; the height of a horizontal legend, the width of
    // a vertical one.
    int GetRequiredWidth(TCanvas& canvas) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    TiPlotObject* GetMouseOverObject(int x, int y) override;
    TCursor GetMouseCursor(TPoint mousePos) override;
    void NotifySetFocus(TObject* sender) override;
    void PreparePopupMenu(TPopupMenu* popupMenu) override;

protected:
    ~TiPlotLegend() override;
    void DoMouseUp(TiPlotMouseData& mouseData) override;

private:
    void Layout(TCanvas& canvas);
    void MeasureColumns(TCanvas& canvas, int zeroWidth);
    void Fit(int count);
    void Place(int count);
    std::string Label(const TiPlotChannelCustom& channel) const;
    std::string CellText(Column column, TiPlotChannelCustom& channel) const;
    void DrawItem(TCanvas& canvas, const TiPlotLegendItem& item);
    void DrawColumnTitles(TCanvas& canvas);
    void DrawLineSample(TCanvas& canvas, int x, int y, TColor color, int style) const;
    void DrawScrollButton(TCanvas& canvas, TiPlotLegendButton& button, bool up) const;
    void Scroll(int step);

    std::unique_ptr<TiPlotLegendButton, TiPlotObjectDeleter> upButton_, downButton_;
    int requiredWidth_ = 0, requiredHeight_ = 0;
    TRect innerRect_{};
    std::vector<TiPlotLegendItem> items_;
    std::vector<int> columnList_;
    int itemWidth_ = 0;
    int cols_ = 0, rows_ = 0;
    int columnSpacingPixels_ = 0, rowSpacingPixels_ = 0, wrapSpacingPixels_ = 0;
    std::array<int, ColumnCount> columnStart_{}, columnWidth_{};
    int viewStartIndex_ = 0, viewStopIndex_ = 0;
    int itemHeight_ = 0, maxItemHeight_ = 0;
    int columnTitlesHeightPixels_ = 0, columnTitlesMarginPixels_ = 0;
    TRect columnTitlesRect_{}, itemsRect_{};

    double marginLeft_ = 1.0, marginRight_ = 1.0, marginBottom_ = 1.0, marginTop_ = 1.0;
    bool backGroundTransparent_ = true;
    TColor backGroundColor_ = clGray;
    double columnSpacing_ = 0.5;
    std::unique_ptr<TFont> font_;
    TColor selectedItemBackGroundColor_ = clYellow;
    std::unique_ptr<TFont> selectedItemFont_;
    std::array<bool, ColumnCount> show_{true, false, true, false, false, false, false, false, false, false};
    bool columnTitlesVisible_ = false;
    std::unique_ptr<TFont> columnTitlesFont_;
    double channelNameMaxWidth_ = 0.0;
    TiPlotLegendChannelNameColorStyle channelNameColorStyle_ = iplcncsFont;
    bool cursorAllChannels_ = false;
    bool showXValue2_ = false, showYValue2_ = false;
    std::array<std::string, ColumnCount> captions_{"",  "",  "Title", "X-Axis", "Y-Axis",
                                                   "X", "Y", "Y-Max", "Y-Min",  "Y-Mean"};
    int wrapColDesiredCount_ = 1, wrapRowDesiredCount_ = 5;
    bool wrapColAutoCountEnabled_ = false, wrapRowAutoCountEnabled_ = true;
    int wrapRowAutoCountMax_ = 100, wrapColAutoCountMax_ = 100;
    double wrapColSpacingMin_ = 2.0, wrapRowSpacingMin_ = 0.25;
    bool wrapRowSpacingAuto_ = false, wrapColSpacingAuto_ = true;
    int lineColumnWidth_ = 13, lineColumnHeight_ = 3;
};

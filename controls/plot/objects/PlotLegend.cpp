#include "controls/plot/objects/PlotLegend.h"

#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/objects/FocusYield.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/gfx/Canvas.h"

#include <algorithm>

using korvan::forms::ClassBuilder;

namespace {

const std::vector<std::string>& ChannelNameColorStyleNames() {
    static const std::vector<std::string> names{"iplcncsFont", "iplcncsChannelColor", "iplcncsXAxisFontColor",
                                                "iplcncsYAxisFontColor"};
    return names;
}

} // namespace

// ---------------------------------------------------------------- button

const TClassInfo& TiPlotLegendButton::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPlotLegendButton>("TiPlotLegendButton", &TiPlotButton::StaticClassInfo()).Build();
    return info;
}

TiPlotLegendButton::TiPlotLegendButton(TComponent* owner)
    : TiPlotButton(owner, nullptr, nullptr, nullptr, nullptr) {
    SetTimerEnabled(true);
}

void TiPlotLegendButton::Draw(TCanvas& canvas, TColor backGroundColor) {
    (void)backGroundColor;
    if (!Visible())
        return;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(DrawRect());
    korvan::plot::DrawBevel(canvas, DrawRect(), MouseIsDown() ? 0 : 1);
}

// ---------------------------------------------------------------- legend

const TClassInfo& TiPlotLegend::StaticClassInfo() {
    using L = TiPlotLegend;
    static const TClassInfo info =
        ClassBuilder<L>("TiPlotLegend", &TiPlotLayoutObject::StaticClassInfo())
            .Property("MarginLeft", &L::MarginLeft, &L::SetMarginLeft)
            .Property("MarginRight", &L::MarginRight, &L::SetMarginRight)
            .Property("MarginTop", &L::MarginTop, &L::SetMarginTop)
            .Property("MarginBottom", &L::MarginBottom, &L::SetMarginBottom)
            .Property("BackGroundColor", &L::BackGroundColor, &L::SetBackGroundColor)
            .Default(clGray)
            .Property("BackGroundTransparent", &L::BackGroundTransparent, &L::SetBackGroundTransparent)
            .Default(true)
            .Property("SelectedItemBackGroundColor", &L::SelectedItemBackGroundColor,
                      &L::SetSelectedItemBackGroundColor)
            .Default(clYellow)
            .Property("SelectedItemFont", &L::SelectedItemFont, &L::SetSelectedItemFont)
            .Property("ShowColumnLine", &L::ShowColumnOf<ColLine>, &L::SetShowColumnOf<ColLine>)
            .Default(true)
            .Property("ShowColumnMarker", &L::ShowColumnOf<ColMarker>, &L::SetShowColumnOf<ColMarker>)
            .Default(false)
            .Property("ShowColumnXAxisTitle", &L::ShowColumnOf<ColXName>, &L::SetShowColumnOf<ColXName>)
            .Default(false)
            .Property("ShowColumnYAxisTitle", &L::ShowColumnOf<ColYName>, &L::SetShowColumnOf<ColYName>)
            .Default(false)
            .Property("ShowColumnXValue", &L::ShowColumnOf<ColXValue>, &L::SetShowColumnOf<ColXValue>)
            .Default(false)
            .Property("ShowColumnYValue", &L::ShowColumnOf<ColYValue>, &L::SetShowColumnOf<ColYValue>)
            .Default(false)
            .Property("ShowColumnYMax", &L::ShowColumnOf<ColYMax>, &L::SetShowColumnOf<ColYMax>)
            .Default(false)
            .Property("ShowColumnYMin", &L::ShowColumnOf<ColYMin>, &L::SetShowColumnOf<ColYMin>)
            .Default(false)
            .Property("ShowColumnYMean", &L::ShowColumnOf<ColYMean>, &L::SetShowColumnOf<ColYMean>)
            .Default(false)
            .Property("CaptionColumnTitle", &L::CaptionOf<ColName>, &L::SetCaptionOf<ColName>)
            .Property("CaptionColumnXAxisTitle", &L::CaptionOf<ColXName>, &L::SetCaptionOf<ColXName>)
            .Property("CaptionColumnYAxisTitle", &L::CaptionOf<ColYName>, &L::SetCaptionOf<ColYName>)
            .Property("CaptionColumnXValue", &L::CaptionOf<ColXValue>, &L::SetCaptionOf<ColXValue>)
            .Property("CaptionColumnYValue", &L::CaptionOf<ColYValue>, &L::SetCaptionOf<ColYValue>)
            .Property("CaptionColumnYMax", &L::CaptionOf<ColYMax>, &L::SetCaptionOf<ColYMax>)
            .Property("CaptionColumnYMin", &L::CaptionOf<ColYMin>, &L::SetCaptionOf<ColYMin>)
            .Property("CaptionColumnYMean", &L::CaptionOf<ColYMean>, &L::SetCaptionOf<ColYMean>)
            .Property("Font", &L::Font, &L::SetFont)
            .Property("ColumnSpacing", &L::ColumnSpacing, &L::SetColumnSpacing)
            .Property("RowSpacing", &L::RowSpacing, &L::SetRowSpacing)
            .Property("WrapColDesiredCount", &L::WrapColDesiredCount, &L::SetWrapColDesiredCount)
            .Default(1)
            .Property("WrapColAutoCountEnabled", &L::WrapColAutoCountEnabled, &L::SetWrapColAutoCountEnabled)
            .Default(false)
            .Property("WrapColAutoCountMax", &L::WrapColAutoCountMax, &L::SetWrapColAutoCountMax)
            .Default(100)
            .Property("WrapColSpacingMin", &L::WrapColSpacingMin, &L::SetWrapColSpacingMin)
            .Property("WrapColSpacingAuto", &L::WrapColSpacingAuto, &L::SetWrapColSpacingAuto)
            .Default(true)
            .Property("WrapRowDesiredCount", &L::WrapRowDesiredCount, &L::SetWrapRowDesiredCount)
            .Default(5)
            .Property("WrapRowAutoCountEnabled", &L::WrapRowAutoCountEnabled, &L::SetWrapRowAutoCountEnabled)
            .Default(true)
            .Property("WrapRowAutoCountMax", &L::WrapRowAutoCountMax, &L::SetWrapRowAutoCountMax)
            .Default(100)
            .Property("WrapRowSpacingMin", &L::WrapRowSpacingMin, &L::SetWrapRowSpacingMin)
            .Property("WrapRowSpacingAuto", &L::WrapRowSpacingAuto, &L::SetWrapRowSpacingAuto)
            .Default(false)
            .Property("ColumnTitlesVisible", &L::ColumnTitlesVisible, &L::SetColumnTitlesVisible)
            .Default(false)
            .Property("ColumnTitlesFont", &L::ColumnTitlesFont, &L::SetColumnTitlesFont)
            .Property("ChannelNameMaxWidth", &L::ChannelNameMaxWidth, &L::SetChannelNameMaxWidth)
            .Enum("ChannelNameColorStyle", &L::ChannelNameColorStyle, &L::SetChannelNameColorStyle,
                  ChannelNameColorStyleNames(), "TiPlotLegendChannelNameColorStyle")
            .Default(iplcncsFont)
            .Property("LineColumnWidth", &L::LineColumnWidth, &L::SetLineColumnWidth)
            .Default(13)
            // The stored default differs from the value a new legend has,
            // so a streamed legend always carries its line height.
            .Property("LineColumnHeight", &L::LineColumnHeight, &L::SetLineColumnHeight)
            .Default(13)
            .Build();
    return info;
}

TiPlotLegend::TiPlotLegend(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                           TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                         std::move(onRename)),
      upButton_(new TiPlotLegendButton(owner)), downButton_(new TiPlotLegendButton(owner)),
      font_(std::make_unique<TFont>()), selectedItemFont_(std::make_unique<TFont>()),
      columnTitlesFont_(std::make_unique<TFont>()) {
    SetHorizontal(false);
    font_->SetColor(clWhite);
    selectedItemFont_->SetColor(clBlack);
    columnTitlesFont_->SetColor(clAqua);
    columnTitlesFont_->SetStyle(fsBold);
    for (TFont* font : {font_.get(), selectedItemFont_.get(), columnTitlesFont_.get()})
        font->OnChange = [this] { DoChange(); };
    for (TiPlotLegendButton* button : {upButton_.get(), downButton_.get()}) {
        button->SetVisible(false);
        button->OnInvalidate = [this](TObject*) { DoInvalidateNow(); };
    }
    upButton_->OnClick = [this](TObject*) { Scroll(-1); };
    downButton_->OnClick = [this](TObject*) { Scroll(+1); };
}

TiPlotLegend::~TiPlotLegend() = default;

void TiPlotLegend::SetFont(TFont* value) {
    if (value)
        font_->Assign(*value);
}

void TiPlotLegend::SetSelectedItemFont(TFont* value) {
    if (value)
        selectedItemFont_->Assign(*value);
}

void TiPlotLegend::SetColumnTitlesFont(TFont* value) {
    if (value)
        columnTitlesFont_->Assign(*value);
}

void TiPlotLegend::SetWrapColDesiredCount(int value) {
    SetIntegerProperty(std::max(value, 1), wrapColDesiredCount_, &TiPlotObject::DoChange);
}

void TiPlotLegend::SetWrapRowDesiredCount(int value) {
    SetIntegerProperty(std::max(value, 1), wrapRowDesiredCount_, &TiPlotObject::DoChange);
}

void TiPlotLegend::SetChannelNameColorStyle(TiPlotLegendChannelNameColorStyle value) {
    if (value == channelNameColorStyle_)
        return;
    channelNameColorStyle_ = value;
    DoChange();
}

// ---------------------------------------------------------------- mouse

// Pages by one entry and repaints at once (the buttons repeat while held).
void TiPlotLegend::Scroll(int step) {
    const int last = std::max(int(items_.size()) - 1, 0);
    const int next = std::clamp(viewStartIndex_ + step, 0, last);
    if (next == viewStartIndex_)
        return;
    viewStartIndex_ = next;
    DoInvalidateNow();
}

namespace {
bool Inside(const TRect& r, int x, int y) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}
} // namespace

TiPlotObject* TiPlotLegend::GetMouseOverObject(int x, int y) {
    TiPlotObject* result = TiPlotLayoutObject::GetMouseOverObject(x, y);
    for (TiPlotLegendButton* button : {upButton_.get(), downButton_.get()})
        if (button->Visible() && Inside(button->DrawRect(), x, y)) {
            SetMouseOverObject(button);
            return button;
        }
    for (const TiPlotLegendItem& item : items_)
        if (item.Channel->VisibleInLegend() && Inside(item.Channel->LegendRect(), x, y)) {
            SetMouseOverObject(item.Channel);
            return item.Channel;
        }
    return result;
}

TCursor TiPlotLegend::GetMouseCursor(TPoint mousePos) {
    TCursor cursor = TiPlotLayoutObject::GetMouseCursor(mousePos);
    if (MouseOverObject() == this)
        if (auto* plot = dynamic_cast<TiPlotComponent*>(Owner()))
            plot->DoGetMouseCursor(this, cursor);
    return cursor;
}

void TiPlotLegend::DoMouseUp(TiPlotMouseData& mouseData) {
    // The object base clears its pressed flag after this step.
    if (MouseIsDown() && Inside(DrawRect(), mouseData.X, mouseData.Y))
        if (auto* plot = dynamic_cast<TiPlotComponent*>(Owner()))
            plot->DoObjectClick(this);
}

void TiPlotLegend::NotifySetFocus(TObject* sender) {
    TiPlotLayoutObject::NotifySetFocus(sender);
    korvan::plot::YieldSelectionTo(*this, sender);
}

void TiPlotLegend::PreparePopupMenu(TPopupMenu* popupMenu) {
    TiPlotLayoutObject::PreparePopupMenu(popupMenu);
    AddEditMenuItem(popupMenu);
}

#include "controls/plot/objects/PlotToolBar.h"

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/FocusYield.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"

using korvan::forms::ClassBuilder;

namespace {

constexpr int LargeGlyph = 24, SmallGlyph = 16;
constexpr int LargeButton = 30, SmallButton = 22;
constexpr int SpacerWidth = 10;
constexpr int StripMargin = 3;
// White less 16 on each of red, green and blue.
constexpr TColor PressedFill = TColor(0xEFEFEF);

} // namespace

// ---------------------------------------------------------------- button

const TClassInfo& TiPlotToolBarButton::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPlotToolBarButton>("TiPlotToolBarButton", &TiPlotButton::StaticClassInfo()).Build();
    return info;
}

TiPlotToolBarButton::TiPlotToolBarButton(TComponent* owner, TiPlotToolBar* toolBar,
                                         TiPlotToolBarButtonStyle style)
    : TiPlotButton(owner, nullptr, nullptr, nullptr, nullptr), style_(style), toolBar_(toolBar) {}

TiPlotToolBarButton::~TiPlotToolBarButton() = default;

void TiPlotToolBarButton::Setup(TiPlotToolBarButtonType kind, std::string hint, int groupIndex,
                                std::string glyph) {
    kind_ = kind;
    hint_ = std::move(hint);
    SetGroupIndex(groupIndex);
    glyph_ = std::move(glyph);
}

void TiPlotToolBarButton::UseGlyph(bool small) {
    imageName_ = glyph_.empty() ? std::string() : (small ? "SMALL" : "") + glyph_;
    imageIndex_ = -1;
}

void TiPlotToolBarButton::Draw(TCanvas& canvas, TColor backGroundColor) {
    (void)backGroundColor;
    if (style_ == iptbbsSpacer)
        return;
    if (imageIndex_ == -1 && !imageName_.empty())
        imageIndex_ = toolBar_->AddGlyph(imageName_);
    const TImageList& images = toolBar_->ImageList();
    const TRect r = DrawRect();
    int gx = r.Left + Width() / 2 - images.Width() / 2;
    int gy = r.Top + Height() / 2 - images.Height() / 2;
    const bool pressed = MouseIsDown() || Down();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(PressedFill);
    if (!flat_) {
        if (pressed) {
            canvas.FillRect(r);
            korvan::plot::DrawBevel(canvas, r, 0);
            ++gx;
            ++gy;
        } else {
            korvan::plot::DrawBevel(canvas, r, 1);
        }
    } else {
        if (pressed && !mouseOver_)
            canvas.FillRect(r);
        if (Enabled()) {
            if (pressed) {
                ++gx;
                ++gy;
                DrawFlatEdge(canvas, true);
            } else if (mouseOver_) {
                DrawFlatEdge(canvas, false);
            }
        }
    }
    if (imageIndex_ >= 0)
        images.Draw(canvas, gx, gy, imageIndex_, Enabled());
}

void TiPlotToolBarButton::DrawFlatEdge(TCanvas& canvas, bool lowered) const {
    const TRect r = DrawRect();
    const int left = r.Left, top = r.Top, right = r.Right - 1, bottom = r.Bottom - 1;
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(lowered ? clBtnShadow : clBtnHighlight);
    canvas.Polyline({{left, bottom}, {left, top}, {right, top}});
    canvas.Pen().SetColor(lowered ? clBtnHighlight : clBtnShadow);
    canvas.Polyline({{right, top}, {right, bottom}, {left, bottom}});
}

void TiPlotToolBarButton::iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX,
                                     int screenY, bool dblClickActive) {
    TiPlotButton::iMouseMove(hintData, shift, x, y, screenX, screenY, dblClickActive);
    mouseOver_ = true;
    if (flat_)
        DoChange();
}

void TiPlotToolBarButton::DoMouseNotOver() {
    mouseOver_ = false;
    DoChange();
}

void TiPlotToolBarButton::DoMouseHint(TiPlotMouseData& mouseData, TiHintData& hintData) {
    (void)mouseData;
    if (style_ == iptbbsSpacer)
        return;
    hintData.Text = GetTranslation(hint_);
    hintData.Top = DrawRect().Bottom + 3;
    hintData.Left = DrawRect().Left;
    auto* plot = dynamic_cast<TiPlotComponent*>(Owner());
    const TSize extent = plot ? plot->PlotTextExtent(hintData.Text) : TSize{};
    hintData.Width = extent.cx + 4;
    hintData.Height = extent.cy + 4;
    if (plot)
        plot->DoToolBarCustomizeHint(toolBar_, hintData.Text);
}

// ---------------------------------------------------------------- toolbar

const TClassInfo& TiPlotToolBar::StaticClassInfo() {
    using T = TiPlotToolBar;
    static const TClassInfo info =
        ClassBuilder<T>("TiPlotToolBar", &TiPlotLayoutObject::StaticClassInfo())
            .Property("ShowResumeButton", &T::ShowResumeButton, &T::SetShowResumeButton)
            .Default(true)
            .Property("ShowPauseButton", &T::ShowPauseButton, &T::SetShowPauseButton)
            .Default(true)
            .Property("ShowAxesModeButtons", &T::ShowAxesModeButtons, &T::SetShowAxesModeButtons)
            .Default(true)
            .Property("ShowZoomInOutButtons", &T::ShowZoomInOutButtons, &T::SetShowZoomInOutButtons)
            .Default(true)
            .Property("ShowSelectButton", &T::ShowSelectButton, &T::SetShowSelectButton)
            .Default(false)
            .Property("ShowZoomBoxButton", &T::ShowZoomBoxButton, &T::SetShowZoomBoxButton)
            .Default(true)
            .Property("ShowCursorButton", &T::ShowCursorButton, &T::SetShowCursorButton)
            .Default(true)
            .Property("ShowEditButton", &T::ShowEditButton, &T::SetShowEditButton)
            .Default(true)
            .Property("ShowCopyButton", &T::ShowCopyButton, &T::SetShowCopyButton)
            .Default(true)
            .Property("ShowSaveButton", &T::ShowSaveButton, &T::SetShowSaveButton)
            .Default(true)
            .Property("ShowPrintButton", &T::ShowPrintButton, &T::SetShowPrintButton)
            .Default(true)
            .Property("ShowPreviewButton", &T::ShowPreviewButton, &T::SetShowPreviewButton)
            .Default(false)
            .Property("ZoomInOutFactor", &T::ZoomInOutFactor, &T::SetZoomInOutFactor)
            .Property("FlatBorder", &T::FlatBorder, &T::SetFlatBorder)
            .Default(false)
            .Property("FlatButtons", &T::FlatButtons, &T::SetFlatButtons)
            .Default(false)
            .Property("SmallButtons", &T::SmallButtons, &T::SetSmallButtons)
            .Default(false)
            .Build();
    return info;
}

TiPlotToolBar::TiPlotToolBar(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                             TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                         std::move(onRename)),
      imageList_(std::make_unique<TImageList>(LargeGlyph, LargeGlyph)) {
    SetHorizontal(true);
    using T = TiPlotToolBar;
    resume_ = AddButton(iptbbtResume, "Resume All (Tracking)", "AUTO", 0, &T::DoButtonClickResume);
    pause_ = AddButton(iptbbtPause, "Pause All (Tracking)", "PAUSE", 0, &T::DoButtonClickPause);
    resumePauseSpacer_ = AddEntry(iptbbsSpacer);
    scrollMode_ =
        AddButton(iptbbtScrollAxesMode, "Scroll (Axes)", "SCROLL", 2, &T::DoButtonClickScrollAxesMode);
    zoomMode_ = AddButton(iptbbtZoomAxesMode, "Zoom (Axes)", "ZOOM", 2, &T::DoButtonClickZoomAxesMode);
    axesModeSpacer_ = AddEntry(iptbbsSpacer);
    zoomOut_ = AddButton(iptbbtZoomOut, "Zoom Out All Axes", "ZOOMOUT", 0, &T::DoButtonClickZoomOut);
    zoomIn_ = AddButton(iptbbtZoomIn, "Zoom In All Axes", "ZOOMIN", 0, &T::DoButtonClickZoomIn);
    zoomSpacer_ = AddEntry(iptbbsSpacer);
    select_ = AddButton(iptbbtSelect, "Select", "SELECT", -1, &T::DoButtonClickSelect);
    zoomBox_ = AddButton(iptbbtZoomBox, "Zoom Box", "SCROLLBOX", -1, &T::DoButtonClickZoomBox);
    cursor_ = AddButton(iptbbtCursor, "Cursor", "CURSOR", -2, &T::DoButtonClickCursor);
    zoomBoxCursorSpacer_ = AddEntry(iptbbsSpacer);
    edit_ = AddButton(iptbbtEdit, "Properties", "PROPERTIES", 0, &T::DoButtonClickEdit);
    editSpacer_ = AddEntry(iptbbsSpacer);
    copy_ = AddButton(iptbbtCopy, "Copy to Clipboard", "COPY", 0, &T::DoButtonClickCopy);
    save_ = AddButton(iptbbtSave, "Save to File", "SAVE", 0, &T::DoButtonClickSave);
    print_ = AddButton(iptbbtPrint, "Print", "PRINTER", 0, &T::DoButtonClickPrint);
    preview_ = AddButton(iptbbtPreview, "Preview", "PREVIEW", 0, &T::DoButtonClickPreview);
    scrollMode_->SetDown(true);
    cursor_->OnDownChange = [this](TObject*) { CursorDownChanged(); };
    select_->OnDownChange = [this](TObject*) { SelectDownChanged(); };
    select_->SetVisible(false);
    preview_->SetVisible(false);
    ApplyGlyphSet();
}

TiPlotToolBar::~TiPlotToolBar() = default;

TiPlotToolBarButton* TiPlotToolBar::AddButton(TiPlotToolBarButtonType kind, const char* hint,
                                              const char* glyph, int groupIndex,
                                              void (TiPlotToolBar::*action)()) {
    TiPlotToolBarButton* button = AddEntry(iptbbsButton);
    button->Setup(kind, hint, groupIndex, glyph);
    button->OnInvalidate = [this](TObject*) { DoInvalidateNow(); };
    button->OnClick = [this, action](TObject*) { (this->*action)(); };
    button->OnChange = [this](TObject*) { DoChange(); };
    return button;
}

TiPlotToolBarButton* TiPlotToolBar::AddEntry(TiPlotToolBarButtonStyle style) {
    buttons_.emplace_back(new TiPlotToolBarButton(Owner(), this, style));
    buttonPtrs_.push_back(buttons_.back().get());
    return buttonPtrs_.back();
}

TiPlotToolBarButton* TiPlotToolBar::Button(TiPlotToolBarButtonType kind) const {
    for (TiPlotToolBarButton* button : buttonPtrs_)
        if (button->Style() == iptbbsButton && button->Kind() == kind)
            return button;
    return nullptr;
}

TiPlotComponent* TiPlotToolBar::Plot() const {
    return dynamic_cast<TiPlotComponent*>(Owner());
}

void TiPlotToolBar::SetShowAxesModeButtons(bool value) {
    scrollMode_->SetVisible(value);
    zoomMode_->SetVisible(value);
}

void TiPlotToolBar::SetShowZoomInOutButtons(bool value) {
    zoomIn_->SetVisible(value);
    zoomOut_->SetVisible(value);
}

void TiPlotToolBar::SetZoomInOutFactor(double value) {
    SetDoubleProperty(value < 1.0 ? 1.0 : value, zoomInOutFactor_, &TiPlotObject::DoChange);
}

void TiPlotToolBar::SetFlatButtons(bool value) {
    if (value == flatButtons_)
        return;
    flatButtons_ = value;
    for (TiPlotToolBarButton* button : buttonPtrs_)
        button->SetFlat(value);
    DoChange();
}

void TiPlotToolBar::SetSmallButtons(bool value) {
    if (value == smallButtons_)
        return;
    smallButtons_ = value;
    ApplyGlyphSet();
    DoChange();
}

void TiPlotToolBar::ApplyGlyphSet() {
    for (TiPlotToolBarButton* button : buttonPtrs_)
        button->UseGlyph(smallButtons_);
    imageList_->Clear();
    const int size = smallButtons_ ? SmallGlyph : LargeGlyph;
    imageList_->SetSize(size, size);
}

int TiPlotToolBar::AddGlyph(const std::string& name) {
    return imageList_->AddMasked(korvan::plot::ToolBarGlyph(name, imageList_->Width()), clTeal);
}

int TiPlotToolBar::GetRequiredWidth(TCanvas& canvas) {
    (void)canvas;
    return (smallButtons_ ? SmallButton : LargeButton) + 2 * StripMargin;
}

// ---------------------------------------------------------------- painting

void TiPlotToolBar::UpdateSpacersAndTracking() {
    // Spacers have no change notice: showing one repaints nothing.
    resumePauseSpacer_->SetVisible(resume_->Visible() || pause_->Visible());
    axesModeSpacer_->SetVisible(scrollMode_->Visible() || zoomMode_->Visible());
    zoomSpacer_->SetVisible(zoomOut_->Visible() || zoomIn_->Visible());
    zoomBoxCursorSpacer_->SetVisible(zoomBox_->Visible() || cursor_->Visible());
    editSpacer_->SetVisible(edit_->Visible());
    bool anyTracking = false, anyPaused = false;
    if (TiPlotComponent* plot = Plot()) {
        for (int i = 0; i < plot->XAxisCount(); ++i)
            (plot->XAxis(i)->TrackingEnabled() ? anyTracking : anyPaused) = true;
        for (int i = 0; i < plot->YAxisCount(); ++i)
            (plot->YAxis(i)->TrackingEnabled() ? anyTracking : anyPaused) = true;
    }
    resume_->SetEnabled(anyPaused);
    pause_->SetEnabled(anyTracking);
}

void TiPlotToolBar::Draw(TCanvas& canvas, TColor backGroundColor) {
    if (!Visible())
        return;
    const int size = smallButtons_ ? SmallButton : LargeButton;
    UpdateSpacersAndTracking();
    const TRect r = DrawRect();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    canvas.Pen().SetWidth(1);
    canvas.FillRect(TRect{r.Left, r.Top, r.Right + 1, r.Bottom});
    if (!flatBorder_)
        korvan::plot::DrawBevel(canvas, r, 1);
    // One row from the left, also on a vertical strip.
    int x = r.Left + StripMargin;
    const int top = r.Top + StripMargin;
    for (TiPlotToolBarButton* button : buttonPtrs_) {
        if (!button->Visible())
            continue;
        const int w = button->Style() == iptbbsSpacer ? SpacerWidth : size;
        button->SetDrawRect(TRect{x, top, x + w, top + size});
        button->Draw(canvas, backGroundColor);
        x += w;
    }
}

// ---------------------------------------------------------------- mouse

TiPlotObject* TiPlotToolBar::GetMouseOverObject(int x, int y) {
    TiPlotObject* result = TiPlotLayoutObject::GetMouseOverObject(x, y);
    for (TiPlotToolBarButton* button : buttonPtrs_) {
        const TRect r = button->DrawRect();
        if (button->Visible() && x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) {
            SetMouseOverObject(button);
            return button;
        }
    }
    return result;
}

void TiPlotToolBar::NotifySetFocus(TObject* sender) {
    TiPlotLayoutObject::NotifySetFocus(sender);
    korvan::plot::YieldSelectionTo(*this, sender);
}

void TiPlotToolBar::PreparePopupMenu(TPopupMenu* popupMenu) {
    TiPlotLayoutObject::PreparePopupMenu(popupMenu);
    AddEditMenuItem(popupMenu);
}

namespace korvan::plot {

TiPlotToolBar* ToolBarOf(TComponent* owner, int index) {
    auto* plot = dynamic_cast<TiPlotComponent*>(owner);
    if (!plot || index < 0 || index >= plot->ToolBarCount())
        return nullptr;
    return dynamic_cast<TiPlotToolBar*>(plot->KindObject(kind::ToolBar, index));
}

} // namespace korvan::plot

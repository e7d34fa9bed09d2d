#include "controls/panels/Panel.h"

#include "controls/panels/PackText.h"
#include "controls/panels/ParentImage.h"
#include "controls/panels/PixelMath.h"
#include "controls/panels/Setters.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Form.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/forms/Messages.h"
#include "platform/forms/Screen.h"

#include <algorithm>

using korvan::forms::ClassBuilder;
using korvan::panels::StoreChanged;
using korvan::panels::WithinPixelRange;

const std::vector<std::string>& GradientDirectionNames() {
    static const std::vector<std::string> names{
        "gdDiagonalUp",  "gdDiagonalDown",   "gdHorizontalEnd", "gdHorizontalCenter", "gdHorizontalBox",
        "gdVerticalEnd", "gdVerticalCenter", "gdVerticalBox",   "gdSquareBox",        "gdBigSquareBox"};
    return names;
}

const TClassInfo& TRzCustomPanel::StaticClassInfo() {
    using P = TRzCustomPanel;
    static const TClassInfo info =
        ClassBuilder<P>("TRzCustomPanel", &TPanel::StaticClassInfo())
            .Enum("AlignmentVertical", &P::AlignmentVertical, &P::SetAlignmentVertical,
                  {"avTop", "avCenter", "avBottom"}, "TAlignmentVertical")
            .Default(avCenter)
            .Property("BorderColor", &P::BorderColor, &P::SetBorderColor)
            .TypeName("TColor")
            .Default(clBtnFace)
            .Enum("BorderInner", &P::BorderInner, &P::SetBorderInner, FrameStyleNames(), "TFrameStyleEx")
            .Default(fsNone)
            .Enum("BorderOuter", &P::BorderOuter, &P::SetBorderOuter, FrameStyleNames(), "TFrameStyleEx")
            .Default(fsRaised)
            .Set("BorderSides", &P::BorderSides, &P::SetBorderSides, SideNames(), "TSides")
            .Default(sdAllSides)
            .Property("BorderHighlight", &P::BorderHighlight, &P::SetBorderHighlight)
            .TypeName("TColor")
            .Default(clBtnHighlight)
            .Property("BorderShadow", &P::BorderShadow, &P::SetBorderShadow)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Property("FlatColor", &P::FlatColor, &P::SetFlatColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Property("FlatColorAdjustment", &P::FlatColorAdjustment, &P::SetFlatColorAdjustment)
            .Default(30)
            .Property("FrameController", &P::FrameController, &P::SetFrameController)
            .Set("FrameControllerNotifications", &P::FrameControllerNotifications,
                 &P::SetFrameControllerNotifications, FrameControllerPropertyNames(),
                 "TRzFrameControllerNotifications")
            .Default(fccAll)
            .Enum("GradientColorStyle", &P::GradientColorStyle, &P::SetGradientColorStyle,
                  {"gcsSystem", "gcsMSOffice", "gcsCustom"}, "TRzGradientColorStyle")
            .Default(gcsSystem)
            .Property("GradientColorStart", &P::GradientColorStart, &P::SetGradientColorStart)
            .TypeName("TColor")
            .Default(clWhite)
            .Property("GradientColorStop", &P::GradientColorStop, &P::SetGradientColorStop)
            .TypeName("TColor")
            .Default(clBtnFace)
            .Enum("GradientDirection", &P::GradientDirection, &P::SetGradientDirection,
                  GradientDirectionNames(), "TGradientDirection")
            .Default(gdHorizontalEnd)
            .Property("GridColor", &P::GridColor, &P::SetGridColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Enum("GridStyle", &P::GridStyle, &P::SetGridStyle, {"gsDots", "gsDottedLines", "gsSolidLines"},
                  "TRzGridStyle")
            .Default(gsDots)
            .Property("GridXSize", &P::GridXSize, &P::SetGridXSize)
            .Default(8)
            .Property("GridYSize", &P::GridYSize, &P::SetGridYSize)
            .Default(8)
            .Property("PaintClientArea", &P::PaintClientArea, &P::SetPaintClientArea)
            .Default(true)
            .Property("ShowGrid", &P::ShowGrid, &P::SetShowGrid)
            .Default(false)
            .Property("Transparent", &P::Transparent, &P::SetTransparent)
            .Default(false)
            .Property("TextMargin", &P::TextMargin, &P::SetTextMargin)
            .Default(0)
            .Property("TextMarginVertical", &P::TextMarginVertical, &P::SetTextMarginVertical)
            .Default(0)
            .Property("WordWrap", &P::WordWrap, &P::SetWordWrap)
            .Default(true)
            .Enum("VisualStyle", &P::VisualStyle, &P::SetVisualStyle, {"vsClassic", "vsWinXP", "vsGradient"},
                  "TRzVisualStyle")
            .Default(vsWinXP)
            .Property("ShowDockClientCaptions", &P::ShowDockClientCaptions, &P::SetShowDockClientCaptions)
            .Default(true)
            .Property("Locked", &P::Locked, &P::SetLocked)
            .Default(false)
            .Property("DockSite", &P::DockSite, &P::SetDockSite)
            .Default(false)
            .Property("UseDockManager", &P::UseDockManager, &P::SetUseDockManager)
            .Default(true)
            .Build();
    return info;
}

const TClassInfo& TRzPanel::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TRzPanel>("TRzPanel", &TRzCustomPanel::StaticClassInfo()).Creator().Build();
    return info;
}

TRzCustomPanel::TRzCustomPanel(TComponent* owner) : TPanel(owner), TRzFramedControl(this, fsRaised) {
    controlStyle_ = (controlStyle_ & ~(csSetCaption | csParentBackground)) | csOpaque;
    SetBevelOuter(bvNone);
}

TRzCustomPanel::~TRzCustomPanel() = default;

// ---------------------------------------------------------------- setters

void TRzCustomPanel::SetAlignmentVertical(TAlignmentVertical value) {
    if (StoreChanged(alignmentVertical_, value))
        Invalidate();
}

void TRzCustomPanel::SetGradientColorStyle(TRzGradientColorStyle value) {
    if (StoreChanged(gradientColorStyle_, value))
        Invalidate();
}

void TRzCustomPanel::SetGradientColorStart(TColor value) {
    if (!StoreChanged(gradientColorStart_, value))
        return;
    Invalidate();
    InvalidateTransparentChildren(this);
}

void TRzCustomPanel::SetGradientColorStop(TColor value) {
    if (!StoreChanged(gradientColorStop_, value))
        return;
    Invalidate();
    InvalidateTransparentChildren(this);
}

void TRzCustomPanel::SetGradientDirection(TGradientDirection value) {
    if (!StoreChanged(gradientDirection_, value))
        return;
    Invalidate();
    InvalidateTransparentChildren(this);
}

void TRzCustomPanel::SetGridColor(TColor value) {
    if (StoreChanged(gridColor_, value))
        Invalidate();
}

void TRzCustomPanel::SetGridStyle(TRzGridStyle value) {
    if (StoreChanged(gridStyle_, value))
        Invalidate();
}

void TRzCustomPanel::SetGridXSize(int value) {
    if (StoreChanged(gridXSize_, std::clamp(value, 0, 0xFFFF)))
        Invalidate();
}

void TRzCustomPanel::SetGridYSize(int value) {
    if (StoreChanged(gridYSize_, std::clamp(value, 0, 0xFFFF)))
        Invalidate();
}

void TRzCustomPanel::SetGridSize(int xSize, int ySize) {
    SetGridXSize(xSize);
    SetGridYSize(ySize);
}

void TRzCustomPanel::SetPaintClientArea(bool value) {
    if (StoreChanged(paintClientArea_, value))
        Invalidate();
}

void TRzCustomPanel::SetShowGrid(bool value) {
    if (StoreChanged(showGrid_, value))
        Invalidate();
}

void TRzCustomPanel::SetTransparent(bool value) {
    if (!StoreChanged(transparent_, value))
        return;
    if (value)
        controlStyle_ &= ~csOpaque;
    else
        controlStyle_ |= csOpaque;
    Invalidate();
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->Invalidate();
}

void TRzCustomPanel::SetTextMargin(int value) {
    if (StoreChanged(textMargin_, value))
        Invalidate();
}

void TRzCustomPanel::SetTextMarginVertical(int value) {
    if (StoreChanged(textMarginVertical_, value))
        Invalidate();
}

void TRzCustomPanel::SetWordWrap(bool value) {
    if (StoreChanged(wordWrap_, value))
        Invalidate();
}

void TRzCustomPanel::SetVisualStyle(TRzVisualStyle value) {
    if (StoreChanged(visualStyle_, value))
        Invalidate();
}

void TRzCustomPanel::SetDockSite(bool value) {
    if (!StoreChanged(dockSite_, value))
        return;
    CreateDockManager();
    Realign();
    Invalidate();
}

void TRzCustomPanel::SetUseDockManager(bool value) {
    if (StoreChanged(useDockManager_, value))
        CreateDockManager();
}

void TRzCustomPanel::CreateDockManager() {
    if (!dockManager_ && dockSite_ && useDockManager_)
        dockManager_ = std::make_unique<TRzPanelDockManager>(this);
}

void TRzCustomPanel::Notification(TComponent* component, TOperation operation) {
    TPanel::Notification(component, operation);
    FrameControllerNotification(component, operation);
}

// ---------------------------------------------------------------- geometry

void TRzCustomPanel::ShrinkByBorders(TRect& rect, bool includeBorderWidth) const {
    rect = ShrinkByFrame(rect, includeBorderWidth ? BorderWidth() : 0, BevelWidth());
}

TRect TRzCustomPanel::ClientRect() const {
    TRect r = TPanel::ClientRect();
    if (!dockSite_)
        ShrinkByBorders(r, false);
    return WithinPixelRange(r);
}

TRect TRzCustomPanel::AdjustClientRect(TRect rect) const {
    TRect r = TPanel::AdjustClientRect(rect);
    if (dockSite_)
        ShrinkByBorders(r, false);
    // Children are laid out inside: held where their arithmetic is safe.
    return WithinPixelRange(r);
}

void TRzCustomPanel::SetBounds(int left, int top, int width, int height) {
    if (Align() == alBottom && height != Height())
        top = Top() + Height() - height;
    else if (Align() == alRight && width != Width())
        left = Left() + Width() - width;
    TPanel::SetBounds(left, top, width, height);
}

TPoint TRzCustomPanel::CursorPosition() const {
    return ScreenToClient(korvan::forms::CursorPos());
}

void TRzCustomPanel::GetGradientColors(TColor& start, TColor& stop) const {
    if (gradientColorStyle_ == gcsCustom) {
        start = gradientColorStart_;
        stop = gradientColorStop_;
        return;
    }
    GradientColorsForStyle(gradientColorStyle_, start, stop);
}

void TRzCustomPanel::GetFlatColors(TColor& color, int& adjustment) const {
    if (visualStyle_ == vsGradient && gradientColorStyle_ != gcsCustom) {
        color = FrameColorForStyle(gradientColorStyle_);
        adjustment = 0;
        return;
    }
    color = flatColor_;
    adjustment = flatColorAdjustment_;
}

// ---------------------------------------------------------------- messages

void TRzCustomPanel::EnabledChanged() {
    TPanel::EnabledChanged();
    Repaint();
    std::vector<TControl*> children;
    for (int i = 0; i < ControlCount(); ++i)
        children.push_back(Controls(i));
    if (!Enabled()) {
        enabledList_.clear();
        for (TControl* c : children)
            enabledList_.emplace_back(c, c->Enabled());
        for (TControl* c : children)
            c->SetEnabled(false);
        return;
    }
    for (TControl* c : children) {
        auto it = std::find_if(enabledList_.begin(), enabledList_.end(),
                               [c](const auto& entry) { return entry.first == c; });
        if (it == enabledList_.end() || it->second)
            c->SetEnabled(true);
    }
}

void TRzCustomPanel::WndProc(TMessage& message) {
    TPanel::WndProc(message);
    if (message.Msg == WM_THEMECHANGED)
        XpColorScheme = ReadXpColorScheme();
}

void TRzCustomPanel::DefineProperties(TFiler& filer) {
    TPanel::DefineProperties(filer);
    // Older streams: read and dropped, or mapped to the visual style.
    filer.DefineProperty(
        "FrameSides", [](TReader& r) { r.SkipValue(); }, nullptr, false);
    filer.DefineProperty(
        "ThemeAware", [](TReader& r) { r.ReadBoolean(); }, nullptr, false);
    filer.DefineProperty(
        "UseGradients",
        [this](TReader& r) {
            if (r.ReadBoolean())
                SetVisualStyle(vsGradient);
        },
        nullptr, false);
}

// ---------------------------------------------------------------- painting

void TRzCustomPanel::ErasePaint() {
    TCanvas& c = Canvas();
    c.Brush().SetBitmap(QImage());
    c.Brush().SetStyle(bsSolid);
    c.Pen().SetStyle(psSolid);
    c.Pen().SetWidth(1);
    if (!IsTransparent()) {
        c.Brush().SetColor(Color());
        c.FillRect(Rect(0, 0, Width(), Height()));
    }
}

void TRzCustomPanel::Paint() {
    TCanvas& c = Canvas();
    ErasePaint();
    const TRect bounds = ControlRect();
    TColor fc;
    int adj;
    GetFlatColors(fc, adj);
    const TColor parentColor = Parent() ? Parent()->Color() : Color();
    // Huge stored widths leave a client area past any screen: held where
    // the caption and grid arithmetic cannot overflow.
    TRect inner = WithinPixelRange(DrawPanelFrame(
        c, bounds, borderOuter_, false, transparent_, parentColor, Color(), adj, fc, borderShadow_,
        borderHighlight_, borderColor_, BevelWidth(), borderSides_, BorderWidth(), borderInner_));
    if (!transparent_ && paintClientArea_) {
        const bool rounded =
            (borderOuter_ == fsFlatRounded && borderInner_ == fsNone && BorderWidth() == 0) ||
            borderInner_ == fsFlatRounded;
        const TRect saved = inner;
        if (rounded) {
            if (borderSides_ & sdLeft)
                --inner.Left;
            if (borderSides_ & sdTop)
                --inner.Top;
            if (borderSides_ & sdRight)
                ++inner.Right;
            if (borderSides_ & sdBottom)
                ++inner.Bottom;
        }
        if (visualStyle_ == vsGradient) {
            TColor start, stop;
            GetGradientColors(start, stop);
            FillGradientRect(c, inner, gradientDirection_, start, stop, 1);
        } else {
            c.Brush().SetColor(Color());
            c.FillRect(inner);
        }
        if (rounded) {
            const TColor k = AdjustedColor(fc, adj);
            auto both = [this](TSides a, TSides b) { return (borderSides_ & a) && (borderSides_ & b); };
            if (both(sdLeft, sdTop))
                c.SetPixel(inner.Left, inner.Top, k);
            if (both(sdTop, sdRight))
                c.SetPixel(inner.Right - 1, inner.Top, k);
            if (both(sdRight, sdBottom))
                c.SetPixel(inner.Right - 1, inner.Bottom - 1, k);
            if (both(sdLeft, sdBottom))
                c.SetPixel(inner.Left, inner.Bottom - 1, k);
            inner = saved;
        }
    }
    if (showGrid_)
        PaintGrid(inner);
    c.Brush().SetStyle(bsClear);
    PaintCaption(inner);
    c.Brush().SetStyle(bsSolid);
    if (OnPaint)
        OnPaint(this);
}

void TRzCustomPanel::PaintCaption(TRect rect) {
    if (Caption().empty())
        return;
    TCanvas& c = Canvas();
    c.Font().Assign(Font());
    TRect r = WithinPixelRange(korvan::panels::Deflated(rect, textMargin_, textMarginVertical_));
    unsigned flags = DT_EXPANDTABS | DT_VCENTER;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    flags |= Alignment() == taLeftJustify ? DT_LEFT : Alignment() == taRightJustify ? DT_RIGHT : DT_CENTER;
    TRect measure = r;
    const int h = DrawCaptionText(c, Caption(), measure, flags | DT_CALCRECT);
    switch (alignmentVertical_) {
    case avTop:
        r.Bottom = std::min(r.Bottom, r.Top + h);
        break;
    case avCenter:
        r.Top = (r.Top + r.Bottom - h) / 2;
        r.Bottom = std::min(r.Bottom, r.Top + h);
        break;
    case avBottom:
        r.Top = std::max(r.Top, r.Bottom - h - 1);
        break;
    }
    if (!Enabled())
        c.Font().SetColor(clGrayText);
    DrawCaptionText(c, Caption(), r, flags);
}

void TRzCustomPanel::PaintGrid(const TRect& rect) {
    TCanvas& c = Canvas();
    const int cols = gridXSize_ == 0 ? 0 : rect.Width() / gridXSize_;
    const int rows = gridYSize_ == 0 ? 0 : rect.Height() / gridYSize_;
    std::vector<int> xs, ys;
    for (int i = 1; i <= cols; ++i)
        xs.push_back(rect.Left + gridXSize_ * i - 1);
    for (int j = 1; j <= rows; ++j)
        ys.push_back(rect.Top + gridYSize_ * j - 1);
    switch (gridStyle_) {
    case gsDots:
        for (int x : xs)
            for (int y : ys)
                c.SetPixel(x, y, gridColor_);
        break;
    case gsSolidLines:
        c.Pen().SetColor(gridColor_);
        c.Pen().SetStyle(psSolid);
        for (int x : xs) {
            c.MoveTo(x, rect.Top);
            c.LineTo(x, rect.Bottom);
        }
        for (int y : ys) {
            c.MoveTo(rect.Left, y);
            c.LineTo(rect.Right, y);
        }
        break;
    case gsDottedLines:
        for (int x : xs)
            for (int y = rect.Top + 1; y < rect.Bottom; y += 2)
                c.SetPixel(x, y, gridColor_);
        for (int y : ys)
            for (int x = rect.Left + 1; x < rect.Right; x += 2)
                c.SetPixel(x, y, gridColor_);
        break;
    }
}

// ---------------------------------------------------------------- docking

TRzPanelDockManager::TRzPanelDockManager(TRzCustomPanel* dockSite) : panel_(dockSite) {
    font_.SetName("Verdana");
    font_.SetSize(8);
    closeFont_.SetName("Marlett");
    closeFont_.SetSize(8);
}

void TRzPanelDockManager::AdjustDockRect(TControl*, TRect& rect) const {
    if (panel_->Align() == alTop || panel_->Align() == alBottom)
        rect.Left += GrabberSize;
    else
        rect.Top += GrabberSize;
}

void TRzPanelDockManager::PaintDockFrame(TCanvas& canvas, TControl* control, const TRect& rect) {
    if (!panel_->ShowDockClientCaptions()) {
        canvas.Brush().SetColor(clBtnShadow);
        canvas.FrameRect(rect);
        return;
    }
    canvas.Font().Assign(font_);
    bool active = true;
    if (auto* w = dynamic_cast<TWinControl*>(control))
        active = w->Focused();
    canvas.Brush().SetColor(active ? clActiveCaption : clInactiveCaption);
    canvas.Font().SetColor(active ? clCaptionText : clInactiveCaptionText);
    const bool leftGrabber = panel_->Align() == alTop || panel_->Align() == alBottom;
    const std::string caption = control ? control->Caption() : std::string();
    if (!leftGrabber) {
        const TRect band = Rect(rect.Left, rect.Top, rect.Right, rect.Top + GrabberSize);
        canvas.FillRect(band);
        canvas.Brush().SetStyle(bsClear);
        canvas.TextOut(band.Left + 2, band.Top, caption);
        canvas.Font().Assign(closeFont_);
        canvas.Font().SetColor(active ? clCaptionText : clInactiveCaptionText);
        TRect close = Rect(rect.Right - 15, rect.Top + 1, rect.Right - 2, rect.Top + 12);
        canvas.DrawText("r", close, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    const TRect band = Rect(rect.Left, rect.Top, rect.Left + GrabberSize, rect.Bottom);
    canvas.FillRect(band);
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().Assign(CreateRotatedFont(font_, 90));
    canvas.Font().SetColor(clCaptionText);
    canvas.TextOut(band.Right - 2 - canvas.TextHeight(caption), band.Bottom - 3, caption);
    canvas.Font().Assign(closeFont_);
    TRect close = Rect(rect.Left + 1, rect.Top + 1, rect.Left + 12, rect.Top + 12);
    canvas.DrawText("r", close, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

#include "platform/forms/ExtCtrls.h"

#include "platform/forms/ExceptionGuard.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/forms/QtGeometry.h"
#include "platform/gfx/Bitmap.h"
#include "platform/text/Exception.h"

#include <QPointer>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace korvan::forms {

void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width) {
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    for (int i = 0; i < width; ++i) {
        --r.Right;
        --r.Bottom;
        canvas.Pen().SetColor(topLeft);
        canvas.Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}});
        canvas.Pen().SetColor(bottomRight);
        canvas.Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left - 1, r.Bottom}});
        ++r.Left;
        ++r.Top;
    }
}

} // namespace korvan::forms

namespace {

using korvan::forms::ClassBuilder;
using korvan::forms::Frame3D;

const std::vector<std::string> kBevelCutNames{"bvNone", "bvLowered", "bvRaised", "bvSpace"};

std::unique_ptr<TGraphic> GraphicOfClass(const std::string& name) {
    if (name == "TBitmap")
        return std::make_unique<TBitmap>();
    if (name == "TPngImage" || name == "TPNGObject")
        return std::make_unique<TPngImage>();
    if (name == "TJPEGImage")
        return std::make_unique<TJPEGImage>();
    if (name == "TGIFImage")
        return std::make_unique<TGIFImage>();
    if (name == "TIcon")
        return std::make_unique<TIcon>();
    return nullptr;
}

std::string ClassOfGraphic(const TGraphic* g) {
    if (dynamic_cast<const TPngImage*>(g))
        return "TPngImage";
    if (dynamic_cast<const TJPEGImage*>(g))
        return "TJPEGImage";
    if (dynamic_cast<const TGIFImage*>(g))
        return "TGIFImage";
    if (dynamic_cast<const TIcon*>(g))
        return "TIcon";
    return "TBitmap";
}

} // namespace

// ---------------------------------------------------------------- TPanel

const TClassInfo& TPanel::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TPanel>("TPanel", &TCustomControl::StaticClassInfo())
            .Creator()
            .Property("Caption", &TPanel::Text, &TPanel::SetText)
            .Enum("Alignment", &TPanel::Alignment, &TPanel::SetAlignment,
                  {"taLeftJustify", "taRightJustify", "taCenter"}, "TAlignment")
            .Default(taCenter)
            .Enum("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner, kBevelCutNames, "TBevelCut")
            .Default(bvNone)
            .Enum("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, kBevelCutNames, "TBevelCut")
            .Default(bvRaised)
            .Property("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth)
            .Default(1)
            .Property("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth)
            .Default(0)
            .Property("FullRepaint", &TPanel::FullRepaint, &TPanel::SetFullRepaint)
            .Default(true)
            .Build();
    return info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                    csDoubleClicks | csReplicatable;
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelInner(TBevelCut v) {
    if (v == bevelInner_)
        return;
    bevelInner_ = v;
    Realign();
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut v) {
    if (v == bevelOuter_)
        return;
    bevelOuter_ = v;
    Realign();
    Invalidate();
}

void TPanel::SetBevelWidth(int v) {
    if (v == bevelWidth_)
        return;
    bevelWidth_ = v;
    Realign();
    Invalidate();
}

void TPanel::SetBorderWidth(int v) {
    if (v == borderWidth_)
        return;
    borderWidth_ = v;
    Realign();
    Invalidate();
}

void TPanel::SetAlignment(TAlignment a) {
    if (a == alignment_)
        return;
    alignment_ = a;
    Invalidate();
}

TRect TPanel::AdjustClientRect(TRect rect) const {
    // Worked out wide and held inside int: the stored widths may be anything.
    std::int64_t inset = borderWidth_;
    if (bevelOuter_ != bvNone)
        inset += bevelWidth_;
    if (bevelInner_ != bvNone)
        inset += bevelWidth_;
    const auto move = [](int v, std::int64_t by) {
        return int(std::clamp<std::int64_t>(v + by, std::numeric_limits<int>::min(),
                                            std::numeric_limits<int>::max()));
    };
    return {move(rect.Left, inset), move(rect.Top, inset), move(rect.Right, -inset),
            move(rect.Bottom, -inset)};
}

void TPanel::Paint() {
    TCanvas& c = Canvas();
    TRect r{0, 0, Width(), Height()};
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(bsSolid);
    c.FillRect(r);
    if (bevelOuter_ != bvNone)
        Frame3D(c, r, bevelOuter_ == bvLowered ? clBtnShadow : clBtnHighlight,
                bevelOuter_ == bvLowered ? clBtnHighlight : clBtnShadow, bevelWidth_);
    r = r.Inflate(-borderWidth_, -borderWidth_);
    if (bevelInner_ != bvNone)
        Frame3D(c, r, bevelInner_ == bvLowered ? clBtnShadow : clBtnHighlight,
                bevelInner_ == bvLowered ? clBtnHighlight : clBtnShadow, bevelWidth_);
    if (!Caption().empty()) {
        c.Brush().SetStyle(bsClear);
        c.Font().Assign(Font());
        if (!Enabled())
            c.Font().SetColor(clGrayText);
        std::string text = Caption();
        const unsigned h = alignment_ == taLeftJustify    ? DT_LEFT
                           : alignment_ == taRightJustify ? DT_RIGHT
                                                          : DT_CENTER;
        c.DrawText(text, r, h | DT_VCENTER | DT_SINGLELINE);
    }
    if (OnPaint)
        OnPaint(this);
}

// ---------------------------------------------------------------- TPaintBox

const TClassInfo& TPaintBox::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TPaintBox>("TPaintBox", &TGraphicControl::StaticClassInfo()).Creator().Build();
    return info;
}

TPaintBox::TPaintBox(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csReplicatable;
    SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint() {
    TCanvas& c = Canvas();
    c.Font().Assign(Font());
    c.Brush().SetColor(Color());
    if (OnPaint)
        OnPaint(this);
}

// ---------------------------------------------------------------- TImage

const TClassInfo& TImage::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TImage>("TImage", &TGraphicControl::StaticClassInfo())
                                       .Creator()
                                       .Property("Stretch", &TImage::Stretch, &TImage::SetStretch)
                                       .Default(false)
                                       .Property("Center", &TImage::Center, &TImage::SetCenter)
                                       .Default(false)
                                       .Property("Transparent", &TImage::Transparent, &TImage::SetTransparent)
                                       .Default(false)
                                       .Build();
    return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csReplicatable;
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this] { Invalidate(); };
}

void TImage::SetStretch(bool v) {
    if (v == stretch_)
        return;
    stretch_ = v;
    Invalidate();
}

void TImage::SetCenter(bool v) {
    if (v == center_)
        return;
    center_ = v;
    Invalidate();
}

void TImage::SetTransparent(bool v) {
    if (v == transparent_)
        return;
    transparent_ = v;
    if (TGraphic* g = picture_.Graphic())
        g->SetTransparent(v);
    Invalidate();
}

void TImage::DefineProperties(TFiler& filer) {
    // "Picture.Data": the graphic's class name (a length byte and the
    // name) followed by its bytes.
    filer.DefineBinaryProperty(
        "Picture.Data",
        [this](const std::vector<std::uint8_t>& bytes) {
            if (bytes.empty() || size_t(bytes[0]) + 1 > bytes.size())
                throw EReadError("Invalid picture data");
            const std::string name(bytes.begin() + 1, bytes.begin() + 1 + bytes[0]);
            auto g = GraphicOfClass(name);
            if (!g)
                throw EReadError("Unknown picture class " + name);
            g->LoadFromBytes(std::span<const std::uint8_t>(bytes).subspan(1 + bytes[0]));
            g->SetTransparent(transparent_);
            picture_.SetGraphic(std::move(g));
        },
        [this] {
            const std::string name = ClassOfGraphic(picture_.Graphic());
            const auto data = picture_.Graphic()->SaveToBytes();
            std::vector<std::uint8_t> out(1 + name.size() + data.size());
            out[0] = std::uint8_t(name.size());
            std::copy(name.begin(), name.end(), out.begin() + 1);
            std::copy(data.begin(), data.end(), out.begin() + 1 + std::ptrdiff_t(name.size()));
            return out;
        },
        !picture_.Empty());
}

void TImage::Paint() {
    TCanvas& c = Canvas();
    TGraphic* g = picture_.Graphic();
    if (!g || g->Empty())
        return;
    TRect r{0, 0, g->Width(), g->Height()};
    if (stretch_)
        r = TRect{0, 0, Width(), Height()};
    else if (center_)
        r = r.Offset((Width() - g->Width()) / 2, (Height() - g->Height()) / 2);
    c.StretchDraw(r, *g);
}

// ---------------------------------------------------------------- TShape

const TClassInfo& TShape::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TShape>("TShape", &TGraphicControl::StaticClassInfo())
            .Creator()
            .Enum("Shape", &TShape::Shape, &TShape::SetShape,
                  {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"},
                  "TShapeType")
            .Default(stRectangle)
            .Property("Pen", &TShape::PenObject, &TShape::SetPenObject)
            .Property("Brush", &TShape::BrushObject, &TShape::SetBrushObject)
            .Build();
    return info;
}

TShape::TShape(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csReplicatable;
    SetBounds(0, 0, 65, 65);
    pen_.OnChange = [this] { Invalidate(); };
    brush_.OnChange = [this] { Invalidate(); };
}

void TShape::SetShape(TShapeType s) {
    if (s == shape_)
        return;
    shape_ = s;
    Invalidate();
}

void TShape::Paint() {
    TCanvas& c = Canvas();
    c.Pen().Assign(pen_);
    c.Brush().Assign(brush_);
    const int pw = pen_.Width();
    const int half = pw / 2;
    int x = half, y = half;
    int w = Width() - pw + 1, h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    if (w < h && (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle)) {
        y += (h - w) / 2;
        h = w;
    } else if (h < w && (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle)) {
        x += (w - h) / 2;
        w = h;
    }
    switch (shape_) {
    case stRectangle:
    case stSquare:
        c.Rectangle(x, y, x + w, y + h);
        break;
    case stRoundRect:
    case stRoundSquare: {
        const int s = std::min(w, h) / 4;
        c.RoundRect(x, y, x + w, y + h, s, s);
        break;
    }
    case stEllipse:
    case stCircle:
        c.Ellipse(x, y, x + w, y + h);
        break;
    }
}

// ---------------------------------------------------------------- TBevel

const TClassInfo& TBevel::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TBevel>("TBevel", &TGraphicControl::StaticClassInfo())
            .Creator()
            .Enum("Shape", &TBevel::Shape, &TBevel::SetShape,
                  {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"},
                  "TBevelShape")
            .Default(bsBox)
            .Enum("Style", &TBevel::Style, &TBevel::SetStyle, {"bsLowered", "bsRaised"}, "TBevelStyle")
            .Default(bsLowered)
            .Build();
    return info;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_ |= csReplicatable;
    controlStyle_ &= ~csOpaque;
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape s) {
    if (s == shape_)
        return;
    shape_ = s;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle s) {
    if (s == style_)
        return;
    style_ = s;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas& c = Canvas();
    const TColor c1 = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor c2 = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = Width(), h = Height();
    auto line = [&c](TColor color, int x1, int y1, int x2, int y2) {
        c.Pen().SetColor(color);
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    c.Pen().SetWidth(1);
    switch (shape_) {
    case bsBox: {
        TRect r{0, 0, w, h};
        Frame3D(c, r, c1, c2, 1);
        break;
    }
    case bsFrame: {
        TRect r{0, 0, w - 1, h - 1};
        TRect outer{1, 1, w, h};
        Frame3D(c, outer, c2, c2, 1);
        Frame3D(c, r, c1, c1, 1);
        break;
    }
    case bsTopLine:
        line(c1, 0, 0, w, 0);
        line(c2, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(c1, 0, h - 2, w, h - 2);
        line(c2, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(c1, 0, 0, 0, h);
        line(c2, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(c1, w - 2, 0, w - 2, h);
        line(c2, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}

// ---------------------------------------------------------------- TRadioGroup

const TClassInfo& TRadioGroup::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TRadioGroup>("TRadioGroup", &TGroupBox::StaticClassInfo())
            .Creator()
            .Property("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns)
            .Default(1)
            .Property("Items", &TRadioGroup::Items, &TRadioGroup::SetItems)
            .Property("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex)
            .Default(-1)
            .Build();
    return info;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner), items_(std::make_unique<TStringList>()) {
    items_->OnChange = [this](TObject*) { UpdateButtons(); };
}

TRadioGroup::~TRadioGroup() {
    items_->OnChange = nullptr;
}

void TRadioGroup::SetItems(TStrings* items) {
    if (items)
        items_->Assign(items);
}

void TRadioGroup::SetColumns(int v) {
    v = std::clamp(v, 1, 16);
    if (v == columns_)
        return;
    columns_ = v;
    ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int index) {
    if (HasState(csLoading)) {
        itemIndex_ = index;
        return;
    }
    if (index < -1 || index >= int(buttons_.size()))
        index = -1;
    if (index == itemIndex_)
        return;
    if (itemIndex_ >= 0 && itemIndex_ < int(buttons_.size()))
        buttons_[size_t(itemIndex_)]->SetChecked(false);
    itemIndex_ = index;
    // Checking the button raises the group's OnClick.
    if (index >= 0)
        buttons_[size_t(index)]->SetChecked(true);
}

void TRadioGroup::UpdateButtons() {
    while (buttons_.size() > size_t(items_->Count())) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    while (buttons_.size() < size_t(items_->Count())) {
        auto* b = new TRadioButton(nullptr);
        const size_t index = buttons_.size();
        b->OnClick = [this, index](TObject*) {
            if (updating_ || !buttons_[index]->Checked())
                return;
            itemIndex_ = int(index);
            Click();
        };
        b->SetParent(this);
        buttons_.push_back(b);
    }
    for (size_t i = 0; i < buttons_.size(); ++i) {
        updating_ = true;
        buttons_[i]->SetCaption(items_->Get(int(i)));
        buttons_[i]->SetChecked(int(i) == itemIndex_);
        updating_ = false;
    }
    if (itemIndex_ >= int(buttons_.size()))
        itemIndex_ = -1;
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
    if (buttons_.empty())
        return;
    const TRect r = AdjustClientRect(ClientRect());
    const int rows = (int(buttons_.size()) + columns_ - 1) / columns_;
    const int colWidth = r.Width() / columns_;
    const int rowHeight = std::max(r.Height() / std::max(rows, 1), 1);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const int col = int(i) / rows, row = int(i) % rows;
        buttons_[i]->SetBounds(r.Left + col * colWidth + 6, r.Top + row * rowHeight, colWidth - 8,
                               std::min(rowHeight, 20));
    }
}

void TRadioGroup::Loaded() {
    TGroupBox::Loaded();
    const int index = itemIndex_;
    itemIndex_ = -1;
    UpdateButtons();
    updating_ = true;
    if (index >= 0 && index < int(buttons_.size()))
        buttons_[size_t(index)]->SetChecked(true), itemIndex_ = index;
    updating_ = false;
}

void TRadioGroup::Resize() {
    TGroupBox::Resize();
    ArrangeButtons();
}

// ---------------------------------------------------------------- TScrollBox

namespace {
// The thickness of a scroll bar.
constexpr int kScrollBarSize = 17;
} // namespace

const TClassInfo& TScrollBox::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TScrollBox>("TScrollBox", &TCustomControl::StaticClassInfo())
            .Creator()
            .Property("AutoScroll", &TScrollBox::AutoScroll, &TScrollBox::SetAutoScroll)
            .Default(true)
            .Property("HorzScrollBar", &TScrollBox::HorzScrollBar, &TScrollBox::SetHorzScrollBar)
            .Property("VertScrollBar", &TScrollBox::VertScrollBar, &TScrollBox::SetVertScrollBar)
            .Build();
    return info;
}

struct TScrollBox::BarWindows {
    QPointer<QScrollBar> horz, vert;
};

TScrollBox::TScrollBox(TComponent* owner)
    : TCustomControl(owner), barWindows_(std::make_unique<BarWindows>()) {
    controlStyle_ =
        csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csOpaque;
    auto changed = [this] {
        if (!updatingBars_ && UpdateScrollBars())
            Realign();
    };
    horz_ = std::make_unique<TControlScrollBar>(
        sbHorizontal, [this](int d) { ScrollBy(d, 0); }, changed);
    vert_ = std::make_unique<TControlScrollBar>(
        sbVertical, [this](int d) { ScrollBy(0, d); }, changed);
    // Until the first layout after construction (or after reading) a
    // position set waits for the range.
    horz_->reading_ = vert_->reading_ = false;
    SetBounds(0, 0, 185, 41);
    horz_->reading_ = vert_->reading_ = true;
}

TScrollBox::~TScrollBox() {
    Destroying();
    // The bars' callbacks must not reach a half-destroyed box.
    horz_->changed_ = nullptr;
    vert_->changed_ = nullptr;
}

void TScrollBox::SetAutoScroll(bool v) {
    if (v == autoScroll_)
        return;
    autoScroll_ = v;
    Realign();
}

TRect TScrollBox::ClientRect() const {
    const int w = Width() - (vert_ && vert_->shown_ ? kScrollBarSize : 0);
    const int h = Height() - (horz_ && horz_->shown_ ? kScrollBarSize : 0);
    return Rect(0, 0, std::max(w, 0), std::max(h, 0));
}

void TScrollBox::Loaded() {
    TCustomControl::Loaded();
    if (UpdateScrollBars())
        Realign();
}

void TScrollBox::Resize() {
    TCustomControl::Resize();
    if (UpdateScrollBars())
        Realign();
}

void TScrollBox::AlignControls(TControl* control, TRect& rect) {
    TCustomControl::AlignControls(control, rect);
    // Bars that come or go change the client area: align once more.
    if (UpdateScrollBars()) {
        rect = AdjustClientRect(ClientRect());
        TCustomControl::AlignControls(control, rect);
    }
}

bool TScrollBox::UpdateScrollBars() {
    if (updatingBars_ || HasState(csLoading) || HasState(csDestroying))
        return false;
    updatingBars_ = true;
    const TRect before = ClientRect();
    if (autoScroll_) {
        // The children's extent where the scrolling started.
        int right = 0, bottom = 0;
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (!c->Visible() || c->Align() == alClient)
                continue;
            if (c->Align() != alTop && c->Align() != alBottom)
                right = std::max(right, c->Left() + c->Width() + horz_->position_);
            if (c->Align() != alLeft && c->Align() != alRight)
                bottom = std::max(bottom, c->Top() + c->Height() + vert_->position_);
        }
        horz_->range_ = right;
        vert_->range_ = bottom;
    }
    // A bar that shows narrows the room for the other one.
    bool showH = false, showV = false;
    for (int pass = 0; pass < 2; ++pass) {
        const int w = Width() - (showV ? kScrollBarSize : 0);
        const int h = Height() - (showH ? kScrollBarSize : 0);
        showH = horz_->visible_ && horz_->range_ > w;
        showV = vert_->visible_ && vert_->range_ > h;
    }
    horz_->shown_ = showH;
    vert_->shown_ = showV;
    const TRect client = ClientRect();
    horz_->maxPosition_ = showH ? horz_->range_ - client.Width() : 0;
    vert_->maxPosition_ = showV ? vert_->range_ - client.Height() : 0;
    // Positions read from a stream wait for the first layout; a shrunken
    // range pulls the position back.
    for (TControlScrollBar* bar : {horz_.get(), vert_.get()}) {
        const int wanted = bar->position_;
        if (bar->reading_) {
            bar->reading_ = false;
            bar->position_ = 0;
        }
        bar->SetPosition(std::min(wanted, bar->maxPosition_));
    }
    if (HandleAllocated()) {
        PlaceBar(*horz_, Bounds(0, client.Height(), client.Width(), kScrollBarSize));
        PlaceBar(*vert_, Bounds(client.Width(), 0, kScrollBarSize, client.Height()));
    }
    updatingBars_ = false;
    return ClientRect() != before;
}

void TScrollBox::PlaceBar(TControlScrollBar& bar, const TRect& where) {
    QPointer<QScrollBar>& window = bar.kind_ == sbHorizontal ? barWindows_->horz : barWindows_->vert;
    if (!window) {
        if (!bar.shown_)
            return;
        window = new QScrollBar(bar.kind_ == sbHorizontal ? Qt::Horizontal : Qt::Vertical, Widget());
        QObject::connect(window.data(), &QScrollBar::valueChanged, [this, &bar](int value) {
            if (!updatingBars_)
                korvan::forms::Guarded([&bar, value] { bar.SetPosition(value); });
        });
    }
    const QSignalBlocker block(window.data());
    window->setGeometry(korvan::forms::ToQRect(where));
    window->setRange(0, bar.maxPosition_);
    window->setPageStep(std::max(bar.kind_ == sbHorizontal ? where.Width() : where.Height(), 1));
    window->setSingleStep(std::max(bar.increment_, 1));
    window->setValue(bar.position_);
    window->setVisible(bar.shown_);
    window->raise();
}

void TScrollBox::ScrollBy(int dx, int dy) {
    scroll_ = Point(scroll_.X + dx, scroll_.Y + dy);
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    EnableAlign();
    Invalidate();
}

void TScrollBox::ScrollInView(TControl* control) {
    if (!control || control->Parent() != this)
        return;
    const TRect client = ClientRect();
    auto into = [](TControlScrollBar& bar, int start, int extent, int room) {
        if (start < 0)
            bar.SetPosition(bar.Position() + start);
        else if (start + extent > room)
            bar.SetPosition(bar.Position() + std::min(start + extent - room, start));
    };
    into(*horz_, control->Left(), control->Width(), client.Width());
    into(*vert_, control->Top(), control->Height(), client.Height());
}

bool TScrollBox::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    if (TCustomControl::DoMouseWheelDown(shift, mousePos))
        return true;
    vert_->SetPosition(vert_->Position() + vert_->Increment());
    return true;
}

bool TScrollBox::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    if (TCustomControl::DoMouseWheelUp(shift, mousePos))
        return true;
    vert_->SetPosition(vert_->Position() - vert_->Increment());
    return true;
}

void TScrollBox::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(bsSolid);
    c.FillRect(TRect{0, 0, Width(), Height()});
    TRect r{0, 0, Width(), Height()};
    Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
}

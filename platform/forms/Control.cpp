#include "platform/forms/Control.h"

#include "platform/forms/ControlBridge.h"
#include "platform/forms/Form.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/forms/Menus.h"
#include "platform/forms/Messages.h"
#include "platform/forms/QtGeometry.h"
#include "platform/forms/Screen.h"
#include "platform/forms/WinControl.h"
#include "platform/text/Exception.h"

#include <QPainter>

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {
constexpr int kWheelDelta = 120;
}

char AcceleratorChar(const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return caption[i + 1];
    }
    return 0;
}

bool IsAccel(unsigned c, const std::string& caption) {
    const char a = AcceleratorChar(caption);
    return a != 0 && c < 256 && std::toupper(static_cast<unsigned char>(a)) == std::toupper(int(c));
}

std::string StripAccelChars(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&')
                out += '&', ++i;
            continue;
        }
        out += caption[i];
    }
    return out;
}

const TClassInfo& TControl::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TControl>("TControl", &TComponent::StaticClassInfo())
            .Property("Left", &TControl::Left, &TControl::SetLeft)
            .Property("Top", &TControl::Top, &TControl::SetTop)
            .Property("Width", &TControl::Width, &TControl::SetWidth)
            .Property("Height", &TControl::Height, &TControl::SetHeight)
            .Enum("Align", &TControl::Align, &TControl::SetAlign,
                  {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}, "TAlign")
            .Default(alNone)
            .Set("Anchors", &TControl::Anchors, &TControl::SetAnchors,
                 {"akLeft", "akTop", "akRight", "akBottom"}, "TAnchors")
            .Default(DefaultAnchors)
            .Property("Caption", &TControl::Text, &TControl::SetText)
            .Stored(false)
            .Property("Enabled", &TControl::Enabled, &TControl::SetEnabled)
            .Default(true)
            .Property("Visible", &TControl::Visible, &TControl::SetVisible)
            .Default(true)
            .Property("Hint", &TControl::Hint, &TControl::SetHint)
            .Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
            .Stored(false)
            .Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
            .Default(true)
            .Property("Cursor", &TControl::Cursor, &TControl::SetCursor)
            .Default(crDefault)
            .Property("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
            .Property("Color", &TControl::Color, &TControl::SetColor)
            .TypeName("TColor")
            .Stored(&TControl::ColorStored)
            .Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
            .Property("Font", &TControl::FontObject, &TControl::SetFontObject)
            .Stored(&TControl::FontStored)
            .Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
            .Default(true)
            .Build();
    return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), surface_(std::make_unique<QImage>()) {
    font_.OnChange = [this] { FontChanged(); };
}

void TControl::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    parentColor_ = false;
    ColorChanged();
}

void TControl::SetParentColor(bool v) {
    if (v == parentColor_)
        return;
    parentColor_ = v;
    if (v && parent_)
        Perform(CM_PARENTCOLORCHANGED);
}

void TControl::ColorChanged() {
    Perform(CM_COLORCHANGED);
    if (auto* w = dynamic_cast<TWinControl*>(this))
        w->NotifyControls(CM_PARENTCOLORCHANGED);
    Invalidate();
}

void TControl::SetParentFont(bool v) {
    if (v == parentFont_)
        return;
    parentFont_ = v;
    if (v && parent_)
        Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
    if (!fontFromParent_)
        parentFont_ = false;
    Perform(CM_FONTCHANGED);
    if (auto* w = dynamic_cast<TWinControl*>(this))
        w->NotifyControls(CM_PARENTFONTCHANGED);
    Invalidate();
}

void TControl::SetBiDiMode(TBiDiMode mode) {
    parentBiDiMode_ = false;
    if (mode == biDiMode_)
        return;
    biDiMode_ = mode;
    BiDiModeChanged();
}

void TControl::SetParentBiDiMode(bool v) {
    if (v == parentBiDiMode_)
        return;
    parentBiDiMode_ = v;
    if (v && parent_)
        Perform(CM_PARENTBIDIMODECHANGED);
}

void TControl::BiDiModeChanged() {
    Perform(CM_BIDIMODECHANGED);
    if (auto* w = dynamic_cast<TWinControl*>(this))
        w->NotifyControls(CM_PARENTBIDIMODECHANGED);
    Invalidate();
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component && component == popupMenu_)
        popupMenu_ = nullptr;
}

TCanvas& TControl::Canvas() {
    QImage& image = Surface();
    // Drawing outside a paint shows at the next turn of the event loop.
    if (!inPaint_)
        Present();
    if (!canvas_)
        canvas_ = std::make_unique<TCanvas>(&image);
    else if (canvas_->Image() != &image || canvas_->Width() != image.width() ||
             canvas_->Height() != image.height())
        canvas_->SetImage(&image);
    return *canvas_;
}

TControl::~TControl() {
    korvan::forms::ForgetControl(this);
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    if (parent_)
        parent_->RemoveControl(this);
}

TComponent* TControl::GetParentComponent() const {
    return parent_;
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* w = dynamic_cast<TWinControl*>(parent))
        SetParent(w);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    if (parent == this)
        throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const bool resized = width != width_ || height != height_;
    if (parent_ && !IsWindowed() && Visible())
        parent_->Invalidate(); // the old place
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (!inAlign_)
        UpdateAnchorRules();
    UpdateWindowBounds();
    BoundsChanged();
    if (resized) {
        needsPaint_ = true;
        Resize();
    }
    Invalidate();
    if (parent_ && !inAlign_ && Visible() && (align_ != alNone || !parent_->AlignDisabled()))
        RequestAlign();
}

void TControl::SetAlignedBounds(int left, int top, int width, int height) {
    inAlign_ = true;
    try {
        SetBounds(left, top, width, height);
    } catch (...) {
        inAlign_ = false;
        throw;
    }
    inAlign_ = false;
}

void TControl::SetClientWidth(int v) {
    SetWidth(v + (width_ - ClientWidth()));
}

void TControl::SetClientHeight(int v) {
    SetHeight(v + (height_ - ClientHeight()));
}

TPoint TControl::ClientToParent(TPoint p, const TWinControl* parent) const {
    const TControl* c = this;
    const TPoint origin = ClientOrigin();
    TPoint r = Point(p.X + origin.X, p.Y + origin.Y);
    while (c && c->parent_ && c != parent) {
        r = Point(r.X + c->left_, r.Y + c->top_);
        c = c->parent_;
        if (c == parent)
            return r;
        const TPoint o = c->ClientOrigin();
        r = Point(r.X + o.X, r.Y + o.Y);
    }
    return r;
}

TPoint TControl::ClientToScreen(TPoint p) const {
    // Up to the nearest window, then Qt maps to the screen.
    const TControl* c = this;
    TPoint r = p;
    while (c && !c->IsWindowed()) {
        const TPoint o = c->ClientOrigin();
        r = Point(r.X + o.X + c->left_, r.Y + o.Y + c->top_);
        c = c->parent_;
    }
    if (!c)
        return r;
    auto* w = const_cast<TWinControl*>(static_cast<const TWinControl*>(c));
    const TPoint o = c->ClientOrigin();
    return korvan::forms::ToTPoint(w->Widget()->mapToGlobal(QPoint(r.X + o.X, r.Y + o.Y)));
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint origin = ClientToScreen(Point(0, 0));
    return Point(p.X - origin.X, p.Y - origin.Y);
}

void TControl::SetAlign(TAlign align) {
    if (align == align_)
        return;
    const TAlign old = align_;
    align_ = align;
    anchors_ = (align == alNone) ? anchors_ : DefaultAnchors;
    if (old == alNone && align != alNone)
        UpdateAnchorRules();
    RequestAlign();
}

void TControl::SetAnchors(TAnchors anchors) {
    if (anchors == anchors_)
        return;
    anchors_ = anchors;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    if (HasState(csLoading) || !parent_) {
        anchorRulesSet_ = false;
        return;
    }
    anchorBounds_ = BoundsRect();
    const TRect client = parent_->AdjustClientRect(parent_->ClientRect());
    anchorParentSize_ = TSize{client.Width(), client.Height()};
    anchorRulesSet_ = true;
}

void TControl::RequestAlign() {
    if (parent_)
        parent_->Realign();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    VisibleChanged();
    if (parent_) {
        if (!IsWindowed())
            parent_->Invalidate();
        RequestAlign();
    }
}

bool TControl::Showing() const {
    if (!visible_)
        return false;
    return parent_ ? parent_->Showing() : false;
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    EnabledChanged();
}

bool TControl::InputEnabled() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->enabled_)
            return false;
    return true;
}

void TControl::EnabledChanged() {
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

void TControl::VisibleChanged() {
    Perform(CM_VISIBLECHANGED, visible_ ? 1 : 0);
}

void TControl::SetText(const std::string& text) {
    if (text == text_)
        return;
    text_ = text;
    TextChanged();
}

void TControl::TextChanged() {
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void TControl::SetShowHint(bool v) {
    parentShowHint_ = false;
    if (v == showHint_)
        return;
    showHint_ = v;
    if (auto* w = dynamic_cast<TWinControl*>(this))
        w->NotifyControls(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool v) {
    parentShowHint_ = v;
    if (v && parent_)
        Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    Perform(CM_CURSORCHANGED);
    korvan::forms::UpdateCursor(this);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (menu)
        menu->FreeNotification(this);
}

void TControl::BringToFront() {
    TWinControl* p = parent_;
    if (!p)
        return;
    auto& list = IsWindowed() ? p->winControls_ : p->controls_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    list.push_back(this);
    if (IsWindowed())
        static_cast<TWinControl*>(this)->Widget()->raise();
    p->Invalidate();
}

void TControl::SendToBack() {
    if (!parent_)
        return;
    TWinControl* p = parent_;
    auto& list = IsWindowed() ? p->winControls_ : p->controls_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    list.insert(list.begin(), this);
    if (IsWindowed())
        static_cast<TWinControl*>(this)->Widget()->lower();
    p->Invalidate();
    p->Realign();
}

void TControl::Invalidate() {
    needsPaint_ = true;
    if (parent_ && (!IsWindowed() || IsTransparent()))
        parent_->Invalidate();
}

void TControl::Repaint() {
    Invalidate();
    if (parent_)
        parent_->Repaint();
}

void TControl::Update() {
    if (parent_)
        parent_->Update();
}

QImage& TControl::Surface() {
    const QSize size(std::max(width_, 1), std::max(height_, 1));
    if (surface_->size() != size) {
        if (korvan::forms::PictureSizeAllowed(size.width(), size.height())) {
            *surface_ = QImage(size, QImage::Format_RGB32);
            surface_->fill(Qt::white);
        } else {
            *surface_ = QImage();
        }
        needsPaint_ = true;
        if (canvas_)
            canvas_->SetImage(surface_.get());
    }
    return *surface_;
}

bool TControl::HasSurface() const {
    return !surface_->isNull();
}

bool TControl::SurfaceFits() const {
    return surface_->size() == QSize(std::max(width_, 1), std::max(height_, 1));
}

void TControl::ReleaseSurface() {
    *surface_ = QImage();
}

void TControl::Present() {
    if (IsWindowed()) {
        auto* window = static_cast<TWinControl*>(this);
        window->CompositeChanged();
        window->Widget()->update();
    } else if (parent_)
        parent_->Present();
}

void TControl::PaintSurface() {
    QImage& image = Surface();
    // A picture too large to allocate cannot show anything: its paint
    // would still walk every ring and line of its size.
    if (image.isNull()) {
        needsPaint_ = false;
        return;
    }
    if (IsTransparent())
        korvan::forms::DrawParentImage(this, image);
    needsPaint_ = false;
    inPaint_ = true;
    try {
        Paint();
    } catch (...) {
        inPaint_ = false;
        throw;
    }
    inPaint_ = false;
}

bool TControl::MouseCapture() const {
    return korvan::forms::Mouse().capture == this;
}

void TControl::SetMouseCapture(bool capture) {
    if (capture)
        korvan::forms::SetCaptureControl(this);
    else if (MouseCapture())
        korvan::forms::SetCaptureControl(nullptr);
}

void TControl::MouseCaptureChanged(TControl* /*capturedBy*/) {}

std::intptr_t TControl::Perform(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    TMessage m;
    m.Msg = msg;
    m.WParam = wParam;
    m.LParam = lParam;
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
        if (message.LParam == 0 && OnMouseEnter)
            OnMouseEnter(this);
        break;
    case CM_MOUSELEAVE:
        if (message.LParam == 0 && OnMouseLeave)
            OnMouseLeave(this);
        break;
    case CM_PARENTSHOWHINTCHANGED:
        // Children that follow their parent's ShowHint pass it on.
        if (parentShowHint_ && parent_ && showHint_ != parent_->ShowHint()) {
            showHint_ = parent_->ShowHint();
            if (auto* w = dynamic_cast<TWinControl*>(this))
                w->NotifyControls(CM_PARENTSHOWHINTCHANGED);
        }
        break;
    case CM_PARENTCOLORCHANGED:
        if (parentColor_ && parent_) {
            color_ = parent_->Color();
            ColorChanged();
        }
        break;
    case CM_PARENTBIDIMODECHANGED:
        if (parentBiDiMode_ && parent_ && biDiMode_ != parent_->BiDiMode()) {
            biDiMode_ = parent_->BiDiMode();
            BiDiModeChanged();
        }
        break;
    case CM_PARENTFONTCHANGED:
        if (parentFont_ && parent_ && !font_.SameAs(parent_->Font())) {
            fontFromParent_ = true;
            try {
                font_.Assign(parent_->Font());
            } catch (...) {
                fontFromParent_ = false;
                throw;
            }
            fontFromParent_ = false;
        }
        break;
    default:
        break;
    }
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    if (OnMouseMove)
        OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseEnter() {
    Perform(CM_MOUSEENTER);
}

void TControl::MouseLeave() {
    Perform(CM_MOUSELEAVE);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, shift, wheelDelta, mousePos.X, mousePos.Y, handled);
    if (handled)
        return true;
    wheelAccumulator_ += wheelDelta;
    while (std::abs(wheelAccumulator_) >= kWheelDelta) {
        const bool down = wheelAccumulator_ < 0;
        wheelAccumulator_ = std::abs(wheelAccumulator_) - kWheelDelta;
        if (down) {
            wheelAccumulator_ = -wheelAccumulator_;
            handled = DoMouseWheelDown(shift, mousePos);
        } else {
            handled = DoMouseWheelUp(shift, mousePos);
        }
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, shift, mousePos.X, mousePos.Y, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, shift, mousePos.X, mousePos.Y, handled);
    return handled;
}

bool TControl::HitTest(int x, int y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
}

TCustomForm* TControl::GetParentForm() const {
    const TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::Resize() {
    if (OnResize)
        OnResize(this);
}

void TControl::Loaded() {
    TComponent::Loaded();
    UpdateAnchorRules();
    needsPaint_ = true;
    RequestAlign();
}

const TClassInfo& TGraphicControl::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TGraphicControl>("TGraphicControl", &TControl::StaticClassInfo()).Build();
    return info;
}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

namespace korvan::forms {

void DrawParentImage(TControl* control, QImage& dest) {
    TWinControl* parent = control->Parent();
    if (!parent) {
        dest.fill(Qt::white);
        return;
    }
    // The parent's own picture with its non-windowed children below the
    // control, as the screen shows it.
    const QImage& under = parent->Composite();
    QPainter p(&dest);
    const TPoint origin = parent->ClientOrigin();
    p.drawImage(QPoint(0, 0), under,
                QRect(QPoint(origin.X + control->Left(), origin.Y + control->Top()), dest.size()));
}

bool PictureSizeAllowed(int width, int height) {
    constexpr int MaxSide = 32767;
    constexpr std::int64_t MaxPixels = std::int64_t(1) << 26;
    return width <= MaxSide && height <= MaxSide && std::int64_t(width) * height <= MaxPixels;
}

void DrawParentImage(TControl* control, TCanvas& canvas, TPoint at) {
    if (!canvas.HasImage() || !PictureSizeAllowed(control->Width(), control->Height()))
        return;
    QImage under(std::max(control->Width(), 1), std::max(control->Height(), 1), QImage::Format_RGB32);
    DrawParentImage(control, under);
    QPainter p(canvas.Image());
    p.drawImage(QPoint(at.X, at.Y), under);
}

} // namespace korvan::forms

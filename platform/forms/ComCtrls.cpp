#include "platform/forms/ComCtrls.h"

#include "platform/forms/ControlBridge.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/VirtualKeys.h"

#include <algorithm>

namespace {
using korvan::forms::ClassBuilder;
constexpr int kTabHeight = 20;
constexpr unsigned kRepeatDelay = 400;
constexpr unsigned kRepeatInterval = 100;
} // namespace

// ---------------------------------------------------------------- TUpDown

const TClassInfo& TUpDown::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TUpDown>("TUpDown", &TCustomControl::StaticClassInfo())
                                       .Creator()
                                       .Property("Min", &TUpDown::Min, &TUpDown::SetMin)
                                       .Default(0)
                                       .Property("Max", &TUpDown::Max, &TUpDown::SetMax)
                                       .Default(100)
                                       .Property("Increment", &TUpDown::Increment, &TUpDown::SetIncrement)
                                       .Default(1)
                                       .Property("Position", &TUpDown::Position, &TUpDown::SetPosition)
                                       .Default(0)
                                       .Property("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap)
                                       .Default(false)
                                       .Property("ArrowKeys", &TUpDown::ArrowKeys, &TUpDown::SetArrowKeys)
                                       .Default(true)
                                       .Enum("Orientation", &TUpDown::Orientation, &TUpDown::SetOrientation,
                                             {"udHorizontal", "udVertical"}, "TUDOrientation")
                                       .Default(udVertical)
                                       .Property("Associate", &TUpDown::Associate, &TUpDown::SetAssociate)
                                       .Build();
    return info;
}

TUpDown::TUpDown(TComponent* owner) : TCustomControl(owner), repeat_(std::make_unique<TTimer>(nullptr)) {
    controlStyle_ = csCaptureMouse | csOpaque | csDoubleClicks;
    SetBounds(0, 0, 17, 25);
    repeat_->SetEnabled(false);
    repeat_->SetOnTimer([this](TObject*) {
        repeat_->SetInterval(kRepeatInterval);
        if (pressed_ >= 0 && MouseCapture())
            ButtonClick(TUDBtnType(pressed_));
        else
            repeat_->SetEnabled(false);
    });
}

TUpDown::~TUpDown() {
    repeat_->SetOnTimer(nullptr);
    if (associate_)
        associate_->RemoveFreeNotification(this);
}

void TUpDown::SetMin(int v) {
    min_ = v;
    Invalidate();
}

void TUpDown::SetMax(int v) {
    max_ = v;
    Invalidate();
}

void TUpDown::SetOrientation(TUDOrientation o) {
    orientation_ = o;
    Invalidate();
}

void TUpDown::SetAssociate(TWinControl* c) {
    if (associate_)
        associate_->RemoveFreeNotification(this);
    associate_ = c;
    if (c) {
        c->FreeNotification(this);
        UpdateAssociate();
    }
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == opRemove && component == associate_)
        associate_ = nullptr;
}

bool TUpDown::CanChange(int newValue, TUpDownDirection direction) {
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    if (OnChangingEx)
        OnChangingEx(this, allow, newValue, direction);
    return allow;
}

void TUpDown::SetPosition(int v) {
    if (HasState(csLoading)) {
        position_ = v;
        return;
    }
    if (v == position_)
        return;
    if (!CanChange(v, updNone))
        return;
    position_ = std::clamp(v, std::min(min_, max_), std::max(min_, max_));
    UpdateAssociate();
    Invalidate();
}

void TUpDown::ButtonClick(TUDBtnType button) {
    const bool up = button == btNext;
    int next = position_ + (up ? increment_ : -increment_);
    if (CanChange(next, up ? updUp : updDown)) {
        if (next > max_)
            next = wrap_ ? min_ : max_;
        else if (next < min_)
            next = wrap_ ? max_ : min_;
        position_ = next;
        UpdateAssociate();
        Invalidate();
    }
    if (OnClick)
        OnClick(this, button);
}

void TUpDown::UpdateAssociate() {
    if (associate_)
        associate_->SetText(std::to_string(position_));
}

void TUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    // The upper (or right) half is the next button.
    const bool next = orientation_ == udVertical ? y < Height() / 2 : x >= Width() / 2;
    pressed_ = next ? btNext : btPrev;
    Invalidate();
    ButtonClick(TUDBtnType(pressed_));
    repeat_->SetInterval(kRepeatDelay);
    repeat_->SetEnabled(true);
}

void TUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    pressed_ = -1;
    repeat_->SetEnabled(false);
    Invalidate();
}

void TUpDown::KeyDown(std::uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (!arrowKeys_)
        return;
    if (key == VK_UP || key == VK_RIGHT)
        ButtonClick(btNext);
    else if (key == VK_DOWN || key == VK_LEFT)
        ButtonClick(btPrev);
}

void TUpDown::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetColor(clBtnFace);
    c.Brush().SetStyle(bsSolid);
    c.FillRect(TRect{0, 0, Width(), Height()});
    const bool vertical = orientation_ == udVertical;
    for (int b = 0; b < 2; ++b) {
        // b 0: next (top or right), 1: previous.
        TRect r = vertical ? TRect{0, b == 0 ? 0 : Height() / 2, Width(), b == 0 ? Height() / 2 : Height()}
                           : TRect{b == 0 ? Width() / 2 : 0, 0, b == 0 ? Width() : Width() / 2, Height()};
        const bool down = pressed_ == b;
        TRect frame = r;
        korvan::forms::Frame3D(c, frame, down ? clBtnShadow : clBtnHighlight,
                               down ? clBtnShadow : cl3DDkShadow, 1);
        const int cx = (r.Left + r.Right) / 2 + (down ? 1 : 0), cy = (r.Top + r.Bottom) / 2 + (down ? 1 : 0);
        const TColor arrow = Enabled() ? clBtnText : clGrayText;
        c.Pen().SetColor(arrow);
        c.Brush().SetColor(arrow);
        std::vector<TPoint> pts;
        if (vertical)
            pts = b == 0 ? std::vector<TPoint>{{cx - 3, cy + 1}, {cx + 3, cy + 1}, {cx, cy - 2}}
                         : std::vector<TPoint>{{cx - 3, cy - 2}, {cx + 3, cy - 2}, {cx, cy + 1}};
        else
            pts = b == 0 ? std::vector<TPoint>{{cx - 1, cy - 3}, {cx - 1, cy + 3}, {cx + 2, cy}}
                         : std::vector<TPoint>{{cx + 1, cy - 3}, {cx + 1, cy + 3}, {cx - 2, cy}};
        c.Polygon(pts);
        c.Brush().SetColor(clBtnFace);
    }
}

// ---------------------------------------------------------------- TTabSheet

const TClassInfo& TTabSheet::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TTabSheet>("TTabSheet", &TWinControl::StaticClassInfo())
            .Creator()
            .Property("Caption", &TTabSheet::Text, &TTabSheet::SetText)
            .Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible)
            .Default(true)
            .Build();
    return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    SetAlign(alClient);
    SetVisible(false);
}

TTabSheet::~TTabSheet() {
    if (pageControl_)
        pageControl_->RemovePage(this);
}

QWidget* TTabSheet::CreateWidget() {
    return new korvan::forms::ControlWidget(this);
}

void TTabSheet::SetPageControl(TPageControl* pc) {
    if (pc == pageControl_)
        return;
    if (pageControl_)
        pageControl_->RemovePage(this);
    SetParent(pc);
    if (pc)
        pc->InsertPage(this);
}

void TTabSheet::SetParentComponent(TComponent* parent) {
    if (auto* pc = dynamic_cast<TPageControl*>(parent))
        SetPageControl(pc);
    else
        TWinControl::SetParentComponent(parent);
}

void TTabSheet::SetTabVisible(bool v) {
    tabVisible_ = v;
    if (pageControl_)
        pageControl_->Invalidate();
}

int TTabSheet::PageIndex() const {
    if (!pageControl_)
        return -1;
    auto& pages = pageControl_->pages_;
    return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

// ---------------------------------------------------------------- TPageControl

const TClassInfo& TPageControl::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TPageControl>("TPageControl", &TCustomControl::StaticClassInfo())
            .Creator()
            .Property("ActivePageIndex", &TPageControl::ActivePageIndex, &TPageControl::SetActivePageIndex)
            .Default(-1)
            .Build();
    return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque | csAcceptsControls;
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    for (TTabSheet* p : pages_)
        p->pageControl_ = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page) {
    pages_.push_back(page);
    page->pageControl_ = this;
    if (!active_)
        SetActivePage(page);
    Invalidate();
}

void TPageControl::RemovePage(TTabSheet* page) {
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end())
        return;
    pages_.erase(it);
    page->pageControl_ = nullptr;
    if (active_ == page)
        active_ = nullptr;
    if (!HasState(csDestroying))
        Invalidate();
}

void TPageControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    for (TTabSheet* p : pages_)
        if (p->Owner() == root)
            proc(p);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->pageControl_ != this)
        return;
    if (page == active_)
        return;
    TTabSheet* old = active_;
    active_ = page;
    if (page)
        page->SetVisible(true), page->BringToFront();
    if (old)
        old->SetVisible(false);
    Invalidate();
}

int TPageControl::ActivePageIndex() const {
    if (!active_)
        return -1;
    return active_->PageIndex();
}

void TPageControl::SetActivePageIndex(int index) {
    if (HasState(csLoading)) {
        activeName_ = std::to_string(index);
        return;
    }
    SetActivePage(index >= 0 && index < PageCount() ? pages_[size_t(index)] : nullptr);
}

void TPageControl::Loaded() {
    TCustomControl::Loaded();
    if (!activeName_.empty())
        SetActivePageIndex(std::stoi(activeName_));
    activeName_.clear();
}

TRect TPageControl::AdjustClientRect(TRect rect) const {
    return Rect(rect.Left + 2, rect.Top + kTabHeight + 2, rect.Right - 2, rect.Bottom - 2);
}

TRect TPageControl::TabRect(int index) const {
    int x = 2;
    TCanvas measure(nullptr);
    QImage scratch(1, 1, QImage::Format_RGB32);
    measure.SetImage(&scratch);
    measure.Font().Assign(Font());
    for (int i = 0; i < PageCount(); ++i) {
        if (!pages_[size_t(i)]->TabVisible())
            continue;
        const int w = measure.TextWidth(StripAccelChars(pages_[size_t(i)]->Caption())) + 12;
        if (i == index)
            return Bounds(x, 2, w, kTabHeight - 2);
        x += w;
    }
    return TRect{};
}

int TPageControl::TabAt(int x, int y) const {
    for (int i = 0; i < PageCount(); ++i)
        if (TabRect(i).Contains(Point(x, y)))
            return i;
    return -1;
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    const int tab = TabAt(x, y);
    if (button != mbLeft || tab < 0 || pages_[size_t(tab)] == active_)
        return;
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    if (!allow)
        return;
    SetActivePage(pages_[size_t(tab)]);
    if (OnChange)
        OnChange(this);
}

void TPageControl::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(bsSolid);
    c.FillRect(TRect{0, 0, Width(), Height()});
    TRect body{0, kTabHeight, Width(), Height()};
    korvan::forms::Frame3D(c, body, clBtnHighlight, cl3DDkShadow, 1);
    c.Font().Assign(Font());
    for (int i = 0; i < PageCount(); ++i) {
        const TRect tab = TabRect(i);
        if (tab.IsEmpty())
            continue;
        const bool active = pages_[size_t(i)] == active_;
        TRect r{tab.Left, tab.Top - (active ? 2 : 0), tab.Right, tab.Bottom + (active ? 1 : 0)};
        c.Brush().SetColor(Color());
        c.FillRect(r);
        c.Pen().SetColor(clBtnHighlight);
        c.Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right - 1, r.Top}});
        c.Pen().SetColor(cl3DDkShadow);
        c.Polyline({{r.Right - 1, r.Top}, {r.Right - 1, r.Bottom}});
        c.Brush().SetStyle(bsClear);
        std::string text = pages_[size_t(i)]->Caption();
        c.DrawText(text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        c.Brush().SetStyle(bsSolid);
    }
}

#include "platform/forms/WinControl.h"

#include "platform/forms/QtGeometry.h"

#include "platform/forms/ControlBridge.h"
#include "platform/forms/Form.h"
#include "platform/forms/Messages.h"
#include "platform/forms/Screen.h"
#include "platform/text/Exception.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <algorithm>

const TClassInfo& TWinControl::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TWinControl>("TWinControl", &TControl::StaticClassInfo())
            .Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
            .Default(false)
            .Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
            .Build();
    return info;
}

// Where a child stood when the composed picture was last built.
struct TWinControl::ComposedChild {
    TControl* control;
    int left, top, width, height;
    bool operator==(const ComposedChild&) const = default;
};

struct TWinControl::WindowParts {
    QPointer<QWidget> widget;
    QObject* bridge = nullptr;
    QImage composite;
    // The composed picture is built again only when something in it may
    // have changed: the control's own picture, a child's picture or
    // place, or a drawing made outside a paint. A window uncovered or
    // repainted for another reason shows the picture it has.
    std::vector<TWinControl::ComposedChild> composedChildren;
    bool compositeStale = true;
};

TWinControl::TWinControl(TComponent* owner) : TControl(owner), parts_(std::make_unique<WindowParts>()) {}

bool TWinControl::HandleAllocated() const {
    return parts_->widget != nullptr;
}

bool TWinControl::WindowVisible() const {
    return parts_->widget && parts_->widget->isVisible();
}

TWinControl::~TWinControl() {
    Destroying();
    // A parent frees its child controls first.
    while (!winControls_.empty() || !controls_.empty()) {
        TControl* c = !winControls_.empty() ? winControls_.back() : controls_.back();
        RemoveControl(c);
        delete c;
    }
    if (TWinControl* p = Parent())
        p->RemoveControl(this);
    DetachWidget();
}

QWidget* TWinControl::Widget() {
    if (!parts_->widget && !creatingWidget_) {
        creatingWidget_ = true;
        QWidget* w = CreateWidget();
        parts_->widget = w;
        auto* bridge = new korvan::forms::InputBridge(this, w);
        parts_->bridge = bridge;
        w->setGeometry(korvan::forms::WidgetGeometry(Left(), Top(), Width(), Height()));
        w->setMouseTracking(true);
        // A painted control's window shows its whole picture, which its
        // parent's image is already part of: Qt need not paint the parent
        // behind it first (with many small windows changing at once, that
        // would repaint the parents over their whole bounding area).
        if (IsPainted())
            w->setAttribute(Qt::WA_OpaquePaintEvent);
        creatingWidget_ = false;
        AttachWidget();
        ApplyEnabled();
        korvan::forms::UpdateCursor(this);
        for (TControl* c : winControls_)
            static_cast<TWinControl*>(c)->Widget();
    }
    return parts_->widget;
}

QWidget* TWinControl::CreateWidget() {
    return new korvan::forms::ControlWidget(this);
}

void TWinControl::DetachWidget() {
    if (parts_->bridge)
        static_cast<korvan::forms::InputBridge*>(parts_->bridge)->Detach();
    if (parts_->widget) {
        if (auto* cw = dynamic_cast<korvan::forms::ControlWidget*>(parts_->widget.data()))
            cw->Detach();
        QWidget* w = parts_->widget;
        parts_->widget = nullptr;
        delete w;
    }
    parts_->bridge = nullptr;
}

void TWinControl::AttachWidget() {
    if (!parts_->widget)
        return;
    TWinControl* p = Parent();
    if (p) {
        parts_->widget->setParent(p->ChildParentWidget());
        parts_->widget->setGeometry(korvan::forms::WidgetGeometry(Left(), Top(), Width(), Height()));
        parts_->widget->setVisible(Visible());
    }
}

TControl* TWinControl::Controls(int index) const {
    const int n = int(controls_.size());
    if (index < 0 || index >= ControlCount())
        throw EListError("List index out of bounds");
    return index < n ? controls_[size_t(index)] : winControls_[size_t(index - n)];
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) const {
    auto hit = [&](TControl* c) {
        if (!c->Visible() || (!allowDisabled && !c->Enabled()))
            return false;
        return c->HitTest(pos.X - c->Left(), pos.Y - c->Top());
    };
    if (allowWinControls)
        for (auto it = winControls_.rbegin(); it != winControls_.rend(); ++it)
            if (hit(*it))
                return *it;
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (hit(*it))
            return *it;
    return nullptr;
}

void TWinControl::InsertControl(TControl* control) {
    if (control->IsWindowed())
        winControls_.push_back(control);
    else
        controls_.push_back(control);
    control->parent_ = this;
    if (control->IsWindowed()) {
        auto* w = static_cast<TWinControl*>(control);
        if (w->parts_->widget) {
            w->AttachWidget();
            w->parts_->widget->raise();
        }
        // Child windows exist with their parent's window.
        if (parts_->widget)
            w->Widget();
        w->ApplyEnabled();
    }
    control->Perform(CM_PARENTSHOWHINTCHANGED);
    control->UpdateAnchorRules();
    control->Perform(CM_PARENTCOLORCHANGED);
    control->Perform(CM_PARENTFONTCHANGED);
    control->Perform(CM_PARENTBIDIMODECHANGED);
    Invalidate();
    Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    auto& list = control->IsWindowed() ? winControls_ : controls_;
    auto it = std::find(list.begin(), list.end(), control);
    if (it == list.end())
        return;
    list.erase(it);
    control->parent_ = nullptr;
    if (control->IsWindowed()) {
        auto* w = static_cast<TWinControl*>(control);
        if (w->parts_->widget)
            w->parts_->widget->setParent(nullptr);
        if (TCustomForm* form = GetParentForm())
            form->ControlRemoved(w);
    }
    if (!HasState(csDestroying)) {
        Invalidate();
        Realign();
    }
}

void TWinControl::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    for (TControl* c : controls_)
        if (c->Owner() == root)
            proc(c);
    for (TControl* c : winControls_)
        if (c->Owner() == root)
            proc(c);
}

void TWinControl::Broadcast(TMessage& message) {
    for (int i = 0; i < ControlCount(); ++i) {
        Controls(i)->WndProc(message);
        if (message.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(unsigned msg) {
    TMessage m;
    m.Msg = msg;
    Broadcast(m);
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        // Reaches every control of the form.
        Broadcast(message);
        return;
    default:
        TControl::WndProc(message);
    }
}

void TWinControl::SetEnabled(bool enabled) {
    if (enabled == Enabled())
        return;
    if (!enabled) {
        // A disabled control gives up the focus.
        if (TCustomForm* form = GetParentForm())
            if (TWinControl* focused = form->ActiveControl(); focused && ContainsControl(focused))
                form->DefocusControl(focused);
    }
    TControl::SetEnabled(enabled);
    ApplyEnabled();
}

void TWinControl::ApplyEnabled() {
    // Containers keep Qt's enabled state: their children must not grey.
}

void TWinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0 && alignPending_)
        Realign();
}

void TWinControl::Realign() {
    if (alignDisabled_ > 0 || HasState(csLoading) || HasState(csDestroying) || realigning_) {
        alignPending_ = true;
        return;
    }
    alignPending_ = false;
    realigning_ = true;
    try {
        TRect rect = AdjustClientRect(ClientRect());
        AlignControls(nullptr, rect);
    } catch (...) {
        realigning_ = false;
        throw;
    }
    realigning_ = false;
}

class korvan_AlignAccess {
public:
    static void Place(TControl* c, const TRect& r) {
        c->SetAlignedBounds(r.Left, r.Top, r.Width(), r.Height());
    }
    static bool AnchorsSet(TControl* c) { return c->anchorRulesSet_; }
    static TRect AnchorBounds(TControl* c) { return c->anchorBounds_; }
    static TSize AnchorParent(TControl* c) { return c->anchorParentSize_; }
};

void TWinControl::AlignControls(TControl* /*control*/, TRect& rect) {
    // Aligned children in the framework's order: top, bottom, left,
    // right, client; within one kind by position. Then anchored ones.
    std::vector<TControl*> all(controls_);
    all.insert(all.end(), winControls_.begin(), winControls_.end());
    auto ofKind = [&](TAlign kind) {
        std::vector<TControl*> list;
        for (TControl* c : all)
            if (c->Visible() && c->Align() == kind)
                list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [kind](TControl* a, TControl* b) {
            switch (kind) {
            case alTop:
                return a->Top() < b->Top();
            case alBottom:
                return a->BoundsRect().Bottom > b->BoundsRect().Bottom;
            case alLeft:
                return a->Left() < b->Left();
            case alRight:
                return a->BoundsRect().Right > b->BoundsRect().Right;
            default:
                return false;
            }
        });
        return list;
    };
    for (TControl* c : ofKind(alTop)) {
        korvan_AlignAccess::Place(c, Bounds(rect.Left, rect.Top, rect.Width(), c->Height()));
        rect.Top += c->Height();
    }
    for (TControl* c : ofKind(alBottom)) {
        korvan_AlignAccess::Place(c, Bounds(rect.Left, rect.Bottom - c->Height(), rect.Width(), c->Height()));
        rect.Bottom -= c->Height();
    }
    for (TControl* c : ofKind(alLeft)) {
        korvan_AlignAccess::Place(c, Bounds(rect.Left, rect.Top, c->Width(), rect.Height()));
        rect.Left += c->Width();
    }
    for (TControl* c : ofKind(alRight)) {
        korvan_AlignAccess::Place(c, Bounds(rect.Right - c->Width(), rect.Top, c->Width(), rect.Height()));
        rect.Right -= c->Width();
    }
    for (TControl* c : ofKind(alClient))
        korvan_AlignAccess::Place(
            c, Bounds(rect.Left, rect.Top, std::max(rect.Width(), 0), std::max(rect.Height(), 0)));
    // Anchors: a right or bottom anchor keeps the distance to that edge; both
    // anchors of an axis stretch; neither keeps the control centred.
    const TRect client = AdjustClientRect(ClientRect());
    for (TControl* c : all) {
        if (c->Align() != alNone || !korvan_AlignAccess::AnchorsSet(c))
            continue;
        const TAnchors a = c->Anchors();
        if ((a & (akLeft | akTop | akRight | akBottom)) == (akLeft | akTop))
            continue;
        const TRect b = korvan_AlignAccess::AnchorBounds(c);
        const TSize was = korvan_AlignAccess::AnchorParent(c);
        const int dw = client.Width() - was.cx, dh = client.Height() - was.cy;
        int left = b.Left, width = b.Width(), top = b.Top, height = b.Height();
        if ((a & akLeft) && (a & akRight))
            width += dw;
        else if (a & akRight)
            left += dw;
        else if (!(a & akLeft))
            left += dw / 2;
        if ((a & akTop) && (a & akBottom))
            height += dh;
        else if (a & akBottom)
            top += dh;
        else if (!(a & akTop))
            top += dh / 2;
        korvan_AlignAccess::Place(c, Bounds(left, top, std::max(width, 0), std::max(height, 0)));
    }
}

void TWinControl::UpdateWindowBounds() {
    if (parts_->widget && Parent())
        parts_->widget->setGeometry(korvan::forms::WidgetGeometry(Left(), Top(), Width(), Height()));
}

void TWinControl::Resize() {
    Realign();
    TControl::Resize();
}

void TWinControl::VisibleChanged() {
    if (parts_->widget && Parent())
        parts_->widget->setVisible(Visible());
    if (!Visible())
        if (TCustomForm* form = GetParentForm())
            if (TWinControl* focused = form->ActiveControl(); focused && ContainsControl(focused))
                form->DefocusControl(focused);
    TControl::VisibleChanged();
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    const auto& list = Parent()->winControls_;
    auto it = std::find(list.begin(), list.end(), this);
    return int(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    // Tab order follows the order of the windowed children.
    TWinControl* p = Parent();
    if (!p || order < 0)
        return;
    auto& list = p->winControls_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    list.insert(list.begin() + std::min<size_t>(size_t(order), list.size()), this);
}

std::vector<TWinControl*> TWinControl::TabList() const {
    std::vector<TWinControl*> out;
    for (TControl* c : winControls_) {
        auto* w = static_cast<TWinControl*>(c);
        out.push_back(w);
        auto sub = w->TabList();
        out.insert(out.end(), sub.begin(), sub.end());
    }
    return out;
}

bool TWinControl::CanFocus() const {
    if (!GetParentForm())
        return false;
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const {
    TCustomForm* form = GetParentForm();
    return form && form->ActiveControl() == this;
}

void TWinControl::SetFocus() {
    TCustomForm* form = GetParentForm();
    if (!form)
        return;
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    form->FocusControl(this);
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (OnKeyUp)
        OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
    if (OnKeyPress)
        OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit)
        OnExit(this);
}

void TWinControl::CompositeChanged() {
    parts_->compositeStale = true;
}

void TWinControl::Invalidate() {
    SetNeedsPaint(true);
    parts_->compositeStale = true;
    if (parts_->widget)
        parts_->widget->update();
    if (Parent() && IsTransparent() && IsPainted())
        Parent()->Invalidate();
}

void TWinControl::Repaint() {
    Invalidate();
    if (parts_->widget)
        parts_->widget->repaint();
}

const QImage& TWinControl::Composite() {
    BuildComposite();
    return parts_->composite;
}

bool TWinControl::CompositeCurrent(const std::vector<ComposedChild>& children) {
    const QSize size(std::max(Width(), 1), std::max(Height(), 1));
    if (parts_->compositeStale || parts_->composite.size() != size || children != parts_->composedChildren)
        return false;
    if (IsPainted() && (NeedsPaint() || !SurfaceFits()))
        return false;
    for (const ComposedChild& child : children)
        if (child.control->NeedsPaint() || !child.control->SurfaceFits())
            return false;
    return true;
}

void TWinControl::BuildComposite() {
    if (building_)
        return;
    const QSize size(std::max(Width(), 1), std::max(Height(), 1));
    std::vector<ComposedChild> children;
    for (TControl* c : controls_)
        if (c->Visible() && c->Width() > 0 && c->Height() > 0)
            children.push_back({c, c->Left(), c->Top(), c->Width(), c->Height()});
    if (CompositeCurrent(children))
        return;
    parts_->compositeStale = false;
    parts_->composedChildren = std::move(children);
    bool repainted = false;
    if (IsPainted()) {
        if (NeedsPaint() || !SurfaceFits()) {
            PaintSurface();
            repainted = true;
        }
        // Shared until a child is drawn on it: a window whose children
        // are all windows of their own never holds a second copy.
        parts_->composite = Surface();
    } else {
        if (parts_->composite.size() != size)
            parts_->composite = QImage(size, QImage::Format_RGB32);
        parts_->composite.fill(Qt::white);
        repainted = true;
    }
    // Building: children that draw the parent image see the picture so far.
    building_ = true;
    try {
        for (const ComposedChild& child : parts_->composedChildren) {
            TControl* c = child.control;
            if (c->NeedsPaint() || (repainted && c->IsTransparent()) || !c->SurfaceFits()) {
                c->PaintSurface();
                repainted = true;
            }
            QPainter p(&parts_->composite);
            const TPoint origin = ClientOrigin();
            p.drawImage(QPoint(origin.X + c->Left(), origin.Y + c->Top()), c->Surface());
        }
    } catch (...) {
        building_ = false;
        parts_->compositeStale = true;
        throw;
    }
    building_ = false;
}

void TWinControl::PaintWindow(QPainter& painter, const QRect& rect) {
    BuildComposite();
    painter.drawImage(rect, parts_->composite, rect);
}

const TClassInfo& TCustomControl::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TCustomControl>("TCustomControl", &TWinControl::StaticClassInfo())
            .Build();
    return info;
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

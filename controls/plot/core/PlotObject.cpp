#include "controls/plot/core/PlotObject.h"

#include "platform/forms/Component.h"
#include "platform/forms/Menus.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/text/Exception.h"

using korvan::forms::ClassBuilder;

namespace korvan::plot {

std::string ZeroPadded(long long value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

} // namespace korvan::plot

const TClassInfo& TiPlotObject::StaticClassInfo() {
    using O = TiPlotObject;
    static const TClassInfo info = ClassBuilder<O>("TiPlotObject", &TPersistent::StaticClassInfo())
                                       .Property("Name", &O::Name, &O::SetName)
                                       .Property("Visible", &O::Visible, &O::SetVisible)
                                       .Default(true)
                                       .Property("Enabled", &O::Enabled, &O::SetEnabled)
                                       .Default(true)
                                       .Property("Layer", &O::Layer, &O::SetLayer)
                                       .Default(100)
                                       .Property("PopupEnabled", &O::PopupEnabled, &O::SetPopupEnabled)
                                       .Default(true)
                                       .Property("CanFocus", &O::CanFocus, &O::SetCanFocus)
                                       .Default(true)
                                       .Build();
    return info;
}

TiPlotObject::TiPlotObject(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                           TNotifyEvent onRemove, TNotifyEvent onRename)
    : OnChange(std::move(onChange)), OnRemove(std::move(onRemove)), OnInsert(std::move(onInsert)),
      OnRename(std::move(onRename)), owner_(owner) {}

TiPlotObject::~TiPlotObject() {
    // Deleted without Free (through a base pointer): the notices still go,
    // though the object's own kind is gone by now.
    if (!destroying_)
        BeforeDestruction();
}

void TiPlotObject::Free() {
    if (destroying_)
        return;
    BeforeDestruction();
    delete this;
}

void TiPlotObject::BeforeDestruction() {
    destroying_ = true;
    if (OnRemove)
        OnRemove(this);
    DoLayoutChange();
}

TPersistent* TiPlotObject::GetOwner() const {
    return owner_;
}

// --- setter routines ---

template <class V> void TiPlotObject::StoreProperty(const V& value, V& field, Notify notify) {
    if (value == field)
        return;
    field = value;
    if (notify)
        (this->*notify)();
}

void TiPlotObject::SetBooleanProperty(bool value, bool& field, Notify notify) {
    StoreProperty(value, field, notify);
}

void TiPlotObject::SetIntegerProperty(int value, int& field, Notify notify) {
    StoreProperty(value, field, notify);
}

void TiPlotObject::SetColorProperty(TColor value, TColor& field, Notify notify) {
    StoreProperty(value, field, notify);
}

void TiPlotObject::SetDoubleProperty(double value, double& field, Notify notify) {
    StoreProperty(value, field, notify);
}

void TiPlotObject::SetStringProperty(const std::string& value, std::string& field, Notify notify) {
    StoreProperty(value, field, notify);
}

// --- properties ---

void TiPlotObject::SetName(const std::string& value) {
    if (value == name_)
        return;
    nameOld_ = name_;
    name_ = value;
    if (OnRename)
        OnRename(this);
    DoChange();
}

void TiPlotObject::SetVisible(bool value) {
    SetBooleanProperty(value, visible_, &TiPlotObject::DoChange);
}

void TiPlotObject::SetEnabled(bool value) {
    if (value == enabled_)
        return;
    enabled_ = value;
    if (!value) {
        mouseDown_ = false;
        SetUserSelected(false);
    }
    DoChange();
}

void TiPlotObject::SetLayer(int value) {
    SetIntegerProperty(value, layer_, &TiPlotObject::DoChange);
}

void TiPlotObject::SetPopupEnabled(bool value) {
    SetBooleanProperty(value, popupEnabled_, &TiPlotObject::DoChange);
}

void TiPlotObject::SetCanFocus(bool value) {
    SetBooleanProperty(value, canFocus_, &TiPlotObject::DoChange);
}

void TiPlotObject::SetXYAxesReversed(bool value) {
    xyAxesReversed_ = value;
}

void TiPlotObject::SetUserSelected(bool value) {
    if (value == userSelected_)
        return;
    userSelected_ = value;
    if (OnInvalidateNow)
        OnInvalidateNow(this);
    if (value) {
        if (OnSetFocus)
            OnSetFocus(this);
        DoGotFocus();
    } else {
        DoLostFocus();
    }
}

// --- notifications ---

void TiPlotObject::DoChange() {
    if (OnChange)
        OnChange(this);
}

void TiPlotObject::DoLayoutChange() {
    if (OnLayoutChange)
        OnLayoutChange(this);
    DoChange();
}

void TiPlotObject::DoInsert() {
    if (OnInsert)
        OnInsert(this);
}

void TiPlotObject::NotifyRemove(TObject* sender) {
    (void)sender;
}

void TiPlotObject::NotifyRename(TObject* sender) {
    (void)sender;
}

void TiPlotObject::NotifySetFocus(TObject* sender) {
    (void)sender;
}

void TiPlotObject::DoGotFocus() {
    if (IiPlotObjectHost* host = Host())
        host->DoObjectGotFocus(this);
}

void TiPlotObject::DoLostFocus() {
    if (IiPlotObjectHost* host = Host())
        host->DoObjectLostFocus(this);
}

// --- painting ---

void TiPlotObject::PrepareDraw() {
    canDraw_ = true;
}

void TiPlotObject::Draw(TCanvas& canvas, TColor backGroundColor) {
    (void)canvas;
    (void)backGroundColor;
}

std::string TiPlotObject::GetLayerSortKey() const {
    return korvan::plot::ZeroPadded(layer_, 6);
}

// --- mouse and keys ---

TPoint TiPlotObject::GetXYAxisPixels(int x, int y) const {
    return xyAxesReversed_ ? Point(y, x) : Point(x, y);
}

TiPlotMouseData TiPlotObject::MouseData(int x, int y, bool dblClickActive) const {
    return korvan::plot::MakeMouseData(xyAxesReversed_, x, y, dblClickActive);
}

bool TiPlotObject::HitTest(int x, int y) {
    return DoHitTest(MouseData(x, y));
}

void TiPlotObject::iMouseDown(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                              TPopupMenu* popupMenu) {
    (void)screenX;
    (void)screenY;
    (void)popupMenu;
    if (!enabled_)
        return;
    TiPlotMouseData data = MouseData(x, y);
    mouseDownPopup_ = false;
    if (button == mbRight) {
        mouseDownPopup_ = popupEnabled_;
        mouseDown_ = true;
        DoMouseRight(data);
    } else if (button == mbLeft) {
        mouseDown_ = true;
        DoMouseLeft(data);
    }
    if (DoHitTest(data))
        if (IiPlotObjectHost* host = Host())
            host->DoObjectMouseDown(this, button, shift, x, y);
}

void TiPlotObject::iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                              bool dblClickActive) {
    (void)screenX;
    (void)screenY;
    TiPlotMouseData data = MouseData(x, y, dblClickActive);
    if (mouseDown_)
        DoMouseMove(data);
    else
        DoMouseHint(data, hintData);
    if (DoHitTest(data))
        if (IiPlotObjectHost* host = Host())
            host->DoObjectMouseMove(this, shift, x, y);
}

void TiPlotObject::iMouseUp(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                            bool dblClickActive, TPopupMenu* popupMenu) {
    TiPlotMouseData data = MouseData(x, y, dblClickActive);
    if (mouseDownPopup_ && DoHitTest(data)) {
        bool cancel = false;
        if (IiPlotObjectHost* host = Host())
            host->DoObjectPopupMenu(this, cancel, screenX, screenY);
        if (!cancel && popupMenu) {
            PreparePopupMenu(popupMenu);
            popupMenu->Popup(screenX, screenY);
        }
    }
    mouseDownPopup_ = false;
    DoMouseUp(data);
    if (mouseDown_) {
        mouseDown_ = false;
        if (IiPlotObjectHost* host = Host())
            host->DoObjectMouseUp(this, button, shift, x, y);
    }
}

bool TiPlotObject::iMouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos) {
    const bool result = DoMouseWheel(wheelDelta, shift, mousePos.X, mousePos.Y);
    if (IiPlotObjectHost* host = Host())
        host->DoObjectMouseWheel(this, wheelDelta, shift, mousePos.X, mousePos.Y);
    return result;
}

void TiPlotObject::iKeyDown(std::uint16_t& charCode, TShiftState shift, TPopupMenu* popupMenu) {
    const bool popupKey = (charCode == VK_F1 + 9 && (shift & ssShift)) || charCode == VK_APPS;
    if (!popupKey || !popupEnabled_)
        return;
    bool cancel = false;
    IiPlotObjectHost* host = Host();
    if (host)
        host->DoObjectPopupMenu(this, cancel, 0, 0);
    if (cancel || !popupMenu)
        return;
    PreparePopupMenu(popupMenu);
    TPoint at;
    if (GetPopupPoint(at) && host) {
        const TPoint screen = host->PlotClientToScreen(at);
        popupMenu->Popup(screen.X, screen.Y);
    }
}

bool TiPlotObject::GetPopupPoint(TPoint& point) const {
    (void)point;
    return false;
}

bool TiPlotObject::DoHitTest(const TiPlotMouseData& mouseData) {
    (void)mouseData;
    return false;
}

void TiPlotObject::DoMouseHint(TiPlotMouseData& mouseData, TiHintData& hintData) {
    (void)mouseData;
    (void)hintData;
}

void TiPlotObject::DoMouseLeft(TiPlotMouseData& mouseData) {
    (void)mouseData;
}

void TiPlotObject::DoMouseRight(TiPlotMouseData& mouseData) {
    (void)mouseData;
}

void TiPlotObject::DoMouseMove(TiPlotMouseData& mouseData) {
    (void)mouseData;
}

void TiPlotObject::DoMouseUp(TiPlotMouseData& mouseData) {
    (void)mouseData;
}

bool TiPlotObject::DoMouseWheel(int wheelDelta, TShiftState shift, int x, int y) {
    (void)wheelDelta;
    (void)shift;
    (void)x;
    (void)y;
    return false;
}

void TiPlotObject::DoMouseNotOver() {}

TiPlotObject* TiPlotObject::GetMouseOverObject(int x, int y) {
    (void)x;
    (void)y;
    mouseOverObject_ = this;
    return this;
}

TCursor TiPlotObject::GetMouseCursor(TPoint mousePos) {
    if (mouseOverObject_ && mouseOverObject_ != this)
        return mouseOverObject_->GetMouseCursor(mousePos);
    if (!mouseOverObject_)
        mouseOverObject_ = this;
    return crDefault;
}

// --- popup menu ---

void TiPlotObject::PreparePopupMenu(TPopupMenu* popupMenu) {
    if (!popupMenu)
        return;
    TMenuItem* items = popupMenu->Items();
    for (int i = items->Count() - 1; i >= 0; --i)
        delete items->Items(i);
}

void TiPlotObject::AddEditMenuItem(TPopupMenu* popupMenu) {
    if (!userCanEdit_ || !popupMenu)
        return;
    auto* item = new TMenuItem(popupMenu);
    item->SetCaption(GetTranslation("Edit..."));
    item->SetVisible(true);
    item->OnClick = [this](TObject*) { DoEditMenuItemClick(); };
    popupMenu->Items()->Add(item);
}

void TiPlotObject::DoEditMenuItemClick() {
    if (OnEdit)
        OnEdit(this);
}

std::string TiPlotObject::GetTranslation(const std::string& text) const {
    if (IiPlotObjectHost* host = Host())
        return host->GetTranslation(text);
    return text;
}

// --- manager objects ---

namespace {

TComponent* CheckedOwner(TComponent* owner, const TNotifyEvent& onChange, const TNotifyEvent& onInsert,
                         const TNotifyEvent& onRemove, const TNotifyEvent& onRename) {
    if (!owner)
        throw Exception("Owner must be assigned");
    if (!onChange)
        throw Exception("OnChange event handler can not be null");
    if (!onInsert)
        throw Exception("OnInsert event handler can not be null");
    if (!onRemove)
        throw Exception("OnRemove event handler can not be null");
    if (!onRename)
        throw Exception("AOnRename event handler can not be null");
    return owner;
}

} // namespace

const TClassInfo& TiPlotManagerObject::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPlotManagerObject>("TiPlotManagerObject", &TiPlotObject::StaticClassInfo()).Build();
    return info;
}

TiPlotManagerObject::TiPlotManagerObject(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                         TNotifyEvent onRemove, TNotifyEvent onRename)
    // Copies, not moves: the check must see the callbacks whatever the
    // order the arguments are evaluated in.
    : TiPlotObject(CheckedOwner(owner, onChange, onInsert, onRemove, onRename), onChange, onInsert, onRemove,
                   onRename) {}

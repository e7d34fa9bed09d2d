#include "controls/panels/PushButton.h"

#include "controls/panels/Accelerator.h"
#include "controls/panels/Setters.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Form.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/VirtualKeys.h"

using korvan::forms::ClassBuilder;

const TClassInfo& TRzButton::StaticClassInfo() {
    using B = TRzButton;
    static const TClassInfo info =
        ClassBuilder<B>("TRzButton", &TRzCustomButton::StaticClassInfo())
            .Creator()
            .Enum("Alignment", &B::Alignment, &B::SetAlignment,
                  {"taLeftJustify", "taRightJustify", "taCenter"}, "TAlignment")
            .Default(taCenter)
            .Property("Cancel", &B::Cancel, &B::SetCancel)
            .Default(false)
            .Property("Default", &B::Default, &B::SetDefault)
            .Default(false)
            .Property("DropDownOnEnter", &B::DropDownOnEnter, &B::SetDropDownOnEnter)
            .Default(true)
            // The group comes before Down so that a stored Down survives.
            .Property("GroupIndex", &B::GroupIndex, &B::SetGroupIndex)
            .Default(0)
            .Property("AllowAllUp", &B::AllowAllUp, &B::SetAllowAllUp)
            .Default(false)
            .Property("Down", &B::Down, &B::SetDown)
            .Default(false)
            .Property("FrameColor", &B::FrameColor, &B::SetFrameColor)
            .TypeName("TColor")
            .Default(cl3DDkShadow)
            .Property("ModalResult", &B::ModalResult, &B::SetModalResult)
            .Default(0)
            .Property("ShowDownPattern", &B::ShowDownPattern, &B::SetShowDownPattern)
            .Default(true)
            .Property("ShowFocusRect", &B::ShowFocusRect, &B::SetShowFocusRect)
            .Default(true)
            // The caption is stored with the button.
            .Property("Caption", &B::Text, &B::SetText)
            .Build();
    return info;
}

TRzButton::TRzButton(TComponent* owner) : TRzCustomButton(owner) {
    SetBounds(0, 0, 75, 25);
    SetColor(clBtnFace);
}

using korvan::panels::StoreChanged;

void TRzButton::SetAlignment(TAlignment value) {
    if (StoreChanged(alignment_, value))
        Invalidate();
}

void TRzButton::SetFrameColor(TColor value) {
    if (StoreChanged(frameColor_, value))
        Invalidate();
}

void TRzButton::SetShowDownPattern(bool value) {
    if (StoreChanged(showDownPattern_, value))
        Invalidate();
}

void TRzButton::SetShowFocusRect(bool value) {
    if (StoreChanged(showFocusRect_, value))
        Invalidate();
}

void TRzButton::SetHotTrack(bool value) {
    TRzCustomButton::SetHotTrack(value);
    // A hot-tracked face has cut corners: the parent shows through them.
    SetTransparent(HotTrack());
    Invalidate();
}

void TRzButton::DefineProperties(TFiler& filer) {
    TRzCustomButton::DefineProperties(filer);
    // Older streams called the hot-tracked face a flat frame.
    filer.DefineProperty(
        "FrameFlat", [this](TReader& r) { SetHotTrack(r.ReadBoolean()); }, nullptr, false);
}

// ---------------------------------------------------------------- default and cancel

void TRzButton::Loaded() {
    TRzCustomButton::Loaded();
    active_ = default_;
}

void TRzButton::SetDefault(bool value) {
    default_ = value;
    active_ = value;
    // The form tells its buttons again which one Return presses.
    if (TCustomForm* form = GetParentForm(); form && !HasState(csLoading))
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<std::intptr_t>(form->ActiveControl()));
    Invalidate();
}

void TRzButton::FocusChanged(const TControl* focused) {
    if (HasState(csDestroying))
        return;
    const bool isButton = dynamic_cast<const TRzButton*>(focused) || dynamic_cast<const TButton*>(focused);
    if (StoreChanged(active_, isButton ? focused == this : default_))
        Repaint();
}

void TRzButton::Click() {
    if (TCustomForm* form = GetParentForm())
        form->SetModalResult(modalResult_);
    TRzCustomButton::Click();
}

void TRzButton::ButtonClicked() {
    if (Grouped())
        SetDown(!down_);
    else
        ButtonStateChanged();
    // The classic face shows the black ring while the click runs.
    struct Clicking {
        bool& flag;
        explicit Clicking(bool& f) : flag(f) { flag = true; }
        ~Clicking() { flag = false; }
    } clicking(clicking_);
    Click();
}

// ---------------------------------------------------------------- keys

void TRzButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (key == VK_SPACE && !(shift & ssAlt)) {
        keyToggle_ = true;
        showDownVersion_ = true;
        Invalidate();
    }
    TRzCustomButton::KeyDown(key, shift);
}

void TRzButton::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (key == VK_SPACE) {
        showDownVersion_ = false;
        // Only a space pressed on this button clicks it when released.
        if (keyToggle_) {
            keyToggle_ = false;
            ButtonClicked();
        }
        Invalidate();
    }
    TRzCustomButton::KeyUp(key, shift);
}

void TRzButton::DoExit() {
    if (!HasState(csDestroying)) {
        keyToggle_ = false;
        showDownVersion_ = false;
        Invalidate();
    }
    TRzCustomButton::DoExit();
}

void TRzButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_DIALOGKEY: {
        const auto key = std::uint16_t(message.WParam);
        const auto shift = TShiftState(message.LParam);
        if (((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) &&
            (shift & (ssShift | ssCtrl | ssAlt)) == 0 && CanFocus()) {
            struct KeyClick {
                bool& flag;
                KeyClick(bool& f, bool on) : flag(f) { flag = on; }
                ~KeyClick() { flag = false; }
            } keyClick(keyWasPressed_, !dropDownOnEnter_);
            Click();
            message.Result = 1;
            return;
        }
        break;
    }
    case CM_DIALOGCHAR:
        if (korvan::panels::ClickOnAccelerator(message, Caption(), CanFocus(), [this] { Click(); }))
            return;
        break;
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<const TControl*>(message.LParam));
        break;
    case ButtonGroupMessage:
        GroupNotified(message);
        return;
    default:
        break;
    }
    TRzCustomButton::WndProc(message);
}

// ---------------------------------------------------------------- groups

void TRzButton::SetDown(bool value) {
    if (!Grouped())
        value = false;
    if (value == down_ || (down_ && Grouped() && !allowAllUp_))
        return;
    down_ = value;
    state_ = value ? bsExclusive : bsUp;
    Invalidate();
    if (value)
        NotifyGroup();
}

void TRzButton::SetGroupIndex(int value) {
    if (StoreChanged(groupIndex_, value))
        NotifyGroup();
}

void TRzButton::SetAllowAllUp(bool value) {
    if (StoreChanged(allowAllUp_, value))
        NotifyGroup();
}

void TRzButton::NotifyGroup() {
    if (!Grouped() || !Parent())
        return;
    TMessage m;
    m.Msg = ButtonGroupMessage;
    m.WParam = std::uintptr_t(groupIndex_);
    m.LParam = reinterpret_cast<std::intptr_t>(this);
    Parent()->Broadcast(m);
}

void TRzButton::GroupNotified(const TMessage& message) {
    auto* sender = reinterpret_cast<TRzButton*>(message.LParam);
    if (int(message.WParam) != groupIndex_ || !sender || sender == this)
        return;
    if (sender->down_ && down_) {
        down_ = false;
        state_ = bsUp;
        Invalidate();
    }
    allowAllUp_ = sender->allowAllUp_;
}

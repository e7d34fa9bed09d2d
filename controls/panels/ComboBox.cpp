#include "controls/panels/ComboBox.h"

#include "controls/panels/OldPropReader.h"
#include "controls/panels/Setters.h"
#include "controls/panels/SystemBeep.h"
#include "platform/forms/Filer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/sys/FlagScope.h"
#include "platform/text/StrUtils.h"

#include <algorithm>

using korvan::forms::ClassBuilder;
using korvan::panels::StoreChanged;

int SearchResetInterval = 1500;

namespace {

const std::vector<std::string> kFrameStyleNames(FrameStyleNames().begin(), FrameStyleNames().begin() + 11);

} // namespace

const TClassInfo& TRzCustomComboBox::StaticClassInfo() {
    using C = TRzCustomComboBox;
    static const TClassInfo info =
        ClassBuilder<C>("TRzCustomComboBox", &TComboBox::StaticClassInfo())
            .Property("Color", &C::Color, &C::SetColor)
            .TypeName("TColor")
            .Stored(&C::ColorIsStored)
            .Property("AllowEdit", &C::AllowEdit, &C::SetAllowEdit)
            .Default(true)
            .Property("AutoComplete", &C::AutoComplete, &C::SetAutoComplete)
            .Default(true)
            .Property("AutoCloseUp", &C::AutoCloseUp, &C::SetAutoCloseUp)
            .Default(false)
            .Property("AutoDropDown", &C::AutoDropDown, &C::SetAutoDropDown)
            .Default(false)
            .Property("BeepOnInvalidKey", &C::BeepOnInvalidKey, &C::SetBeepOnInvalidKey)
            .Default(true)
            .Property("DisabledColor", &C::DisabledColor, &C::SetDisabledColor)
            .TypeName("TColor")
            .Default(clBtnFace)
            .Stored(&C::StoredUnless<fcpDisabledColor>)
            .Property("DropDownWidth", &C::DropDownWidth, &C::SetDropDownWidth)
            .Default(0)
            .Property("FlatButtonColor", &C::FlatButtonColor, &C::SetFlatButtonColor)
            .TypeName("TColor")
            .Default(clBtnFace)
            .Stored(&C::StoredUnless<fcpFlatButtonColor>)
            .Property("FlatButtons", &C::FlatButtons, &C::SetFlatButtons)
            .Default(false)
            .Stored(&C::StoredUnless<fcpFlatButtons>)
            .Property("FocusColor", &C::FocusColor, &C::SetFocusColor)
            .TypeName("TColor")
            .Stored(&C::FocusColorIsStored)
            .Property("FrameColor", &C::FrameColor, &C::SetFrameColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Stored(&C::StoredUnless<fcpFrameColor>)
            .Property("FrameController", &C::FrameController, &C::SetFrameController)
            .Set("FrameControllerNotifications", &C::FrameControllerNotifications,
                 &C::SetFrameControllerNotifications, FrameControllerPropertyNames(),
                 "TRzFrameControllerNotifications")
            .Default(fccAll)
            .Property("FrameHotColor", &C::FrameHotColor, &C::SetFrameHotColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Stored(&C::StoredUnless<fcpFrameHotColor>)
            .Property("FrameHotTrack", &C::FrameHotTrack, &C::SetFrameHotTrack)
            .Default(false)
            .Stored(&C::StoredUnless<fcpFrameHotTrack>)
            .Enum("FrameHotStyle", &C::FrameHotStyle, &C::SetFrameHotStyle, kFrameStyleNames, "TFrameStyle")
            .Default(fsFlatBold)
            .Stored(&C::StoredUnless<fcpFrameHotStyle>)
            .Set("FrameSides", &C::FrameSides, &C::SetFrameSides, SideNames(), "TSides")
            .Default(sdAllSides)
            .Stored(&C::StoredUnless<fcpFrameSides>)
            .Enum("FrameStyle", &C::FrameStyle, &C::SetFrameStyle, kFrameStyleNames, "TFrameStyle")
            .Default(fsFlat)
            .Stored(&C::StoredUnless<fcpFrameStyle>)
            .Property("FrameVisible", &C::FrameVisible, &C::SetFrameVisible)
            .Default(false)
            .Stored(&C::StoredUnless<fcpFrameVisible>)
            .Enum("FramingPreference", &C::FramingPreference, &C::SetFramingPreference,
                  {"fpCustomFraming", "fpXPThemes"}, "TFramingPreference")
            .Default(fpXPThemes)
            .Stored(&C::StoredUnless<fcpFramingPreference>)
            .Property("KeepSearchCase", &C::KeepSearchCase, &C::SetKeepSearchCase)
            .Default(false)
            .Property("MaxLength", &C::MaxLength, &C::SetMaxLength)
            .Default(0)
            .Property("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
            .Default(false)
            .Property("ReadOnlyColor", &C::ReadOnlyColor, &C::SetReadOnlyColor)
            .TypeName("TColor")
            .Default(clInfoBk)
            .Stored(&C::StoredUnless<fcpReadOnlyColor>)
            .Property("ReadOnlyColorOnFocus", &C::ReadOnlyColorOnFocus, &C::SetReadOnlyColorOnFocus)
            .Default(false)
            .Stored(&C::StoredUnless<fcpReadOnlyColorOnFocus>)
            .Property("TabOnEnter", &C::TabOnEnter, &C::SetTabOnEnter)
            .Default(false)
            .Build();
    return info;
}

TRzCustomComboBox::TRzCustomComboBox(TComponent* owner)
    : TComboBox(owner), TRzFrameControllerClient(this), TRzFrameSettings(this),
      timer_(std::make_unique<TTimer>(nullptr)) {
    controlStyle_ &= ~csSetCaption;
    // The control completes by itself; the edit field's own completion
    // would fight it.
    TComboBox::SetAutoComplete(false);
    timer_->SetEnabled(false);
    timer_->SetInterval(unsigned(SearchResetInterval));
    timer_->SetOnTimer([this](TObject*) { SearchTimerFired(); });
}

TRzCustomComboBox::~TRzCustomComboBox() {
    Destroying();
}

// ---------------------------------------------------------------- storing

bool TRzCustomComboBox::StoredUnlessControlled(TRzFrameControllerProperty code) const {
    return !ControllerSets(code);
}

bool TRzCustomComboBox::ColorIsStored() const {
    return !ParentColor() && Enabled() && StoredUnlessControlled(fcpColor);
}

bool TRzCustomComboBox::FocusColorIsStored() const {
    return StoredUnlessControlled(fcpFocusColor) && ColorToRGB(focusColor_) != ColorToRGB(Color());
}

void TRzCustomComboBox::DefineProperties(TFiler& filer) {
    TComboBox::DefineProperties(filer);
    // Older streams: read, never written.
    filer.DefineProperty(
        "FrameFlat",
        [this](TReader& r) {
            const bool flat = r.ReadBoolean();
            SetFrameHotTrack(flat);
            if (flat) {
                SetFrameStyle(fsStatus);
                SetFrameHotStyle(fsLowered);
            }
        },
        nullptr, false);
    filer.DefineProperty(
        "FrameFocusStyle",
        [this](TReader& r) {
            const std::string ident = r.ReadIdent();
            for (size_t i = 0; i < kFrameStyleNames.size(); ++i)
                if (SameText(kFrameStyleNames[i], ident))
                    SetFrameHotStyle(TFrameStyle(i));
        },
        nullptr, false);
    filer.DefineProperty("FrameFlatStyle", &TRzOldPropReader::ReadOldEnumProp, nullptr, false);
}

void TRzCustomComboBox::Loaded() {
    TComboBox::Loaded();
    UpdateFrame(false, false);
}

// ---------------------------------------------------------------- colours

void TRzCustomComboBox::UpdateColors() {
    if (HasState(csLoading))
        return;
    TColor color = normalColor_;
    if (!Enabled())
        color = disabledColor_;
    else if (isFocused_)
        color = readOnly_ && readOnlyColorOnFocus_ ? readOnlyColor_ : focusColor_;
    else if (readOnly_)
        color = readOnlyColor_;
    korvan::sys::FlagScope updating(updatingColor_);
    SetColor(color);
}

void TRzCustomComboBox::ColorChanged() {
    if (!updatingColor_) {
        // A colour from outside (or the parent's) is the new normal one;
        // a focus colour that was the normal one follows it.
        if (focusColor_ == normalColor_)
            focusColor_ = Color();
        normalColor_ = Color();
    }
    TComboBox::ColorChanged();
}

void TRzCustomComboBox::EnabledChanged() {
    TComboBox::EnabledChanged();
    UpdateColors();
}

void TRzCustomComboBox::SetDisabledColor(TColor value) {
    disabledColor_ = value;
    if (!Enabled())
        UpdateColors();
}

void TRzCustomComboBox::SetFocusColor(TColor value) {
    focusColor_ = value;
    if (isFocused_)
        UpdateColors();
}

void TRzCustomComboBox::SetReadOnlyColor(TColor value) {
    readOnlyColor_ = value;
    if (readOnly_)
        UpdateColors();
}

void TRzCustomComboBox::SetReadOnlyColorOnFocus(bool value) {
    if (StoreChanged(readOnlyColorOnFocus_, value))
        UpdateColors();
}

void TRzCustomComboBox::SetReadOnly(bool value) {
    readOnly_ = value;
    if (HasEditField())
        SetEditReadOnly(value);
    UpdateColors();
    Invalidate();
}

// ---------------------------------------------------------------- frame

void TRzCustomComboBox::SetFlatButtons(bool value) {
    if (StoreChanged(flatButtons_, value))
        Invalidate();
}

void TRzCustomComboBox::SetFlatButtonColor(TColor value) {
    if (StoreChanged(flatButtonColor_, value))
        Invalidate();
}

void TRzCustomComboBox::FrameSettingChanged(TRzFrameControllerProperty code) {
    // The preference repaints only when it turns to the custom frame.
    if (code != fcpFramingPreference || framingPreference_ == fpCustomFraming)
        Invalidate();
}

void TRzCustomComboBox::Notification(TComponent* component, TOperation operation) {
    TComboBox::Notification(component, operation);
    FrameControllerNotification(component, operation);
}

bool TRzCustomComboBox::UseThemes() const {
    return framingPreference_ == fpXPThemes && VisualStylesActive();
}

void TRzCustomComboBox::UpdateFrame(bool isMouse, bool value) {
    (isMouse ? overControl_ : inControl_) = value;
    // Only the hot parts change: the whole control with a hot frame, else
    // the flat button (the layer repaints the window as a whole).
    if ((flatButtons_ || frameHotTrack_) && !DroppedDown())
        Invalidate();
    UpdateColors();
}

void TRzCustomComboBox::Resize() {
    TComboBox::Resize();
    if (frameVisible_ && !UseThemes())
        Invalidate();
}

// ---------------------------------------------------------------- focus and mouse

void TRzCustomComboBox::DoEnter() {
    isFocused_ = true;
    UpdateFrame(false, true);
    TComboBox::DoEnter();
}

void TRzCustomComboBox::DoExit() {
    isFocused_ = false;
    UpdateFrame(false, false);
    searchString_.clear();
    // Free text that names no item.
    if (Style() == csDropDown && !Text().empty()) {
        bool listed = false;
        for (int i = 0; i < Count() && !listed; ++i)
            listed = Items()->Get(i) == Text();
        if (!listed)
            DoNotInList();
    }
    TComboBox::DoExit();
}

void TRzCustomComboBox::MouseEnter() {
    TComboBox::MouseEnter();
    UpdateFrame(true, true);
}

void TRzCustomComboBox::MouseLeave() {
    TComboBox::MouseLeave();
    UpdateFrame(true, false);
}

void TRzCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && readOnly_)
        return;
    if (button == mbLeft && Style() == csDropDown)
        searchString_ = Text();
    TComboBox::MouseDown(button, shift, x, y);
}

void TRzCustomComboBox::DblClick() {
    if (!readOnly_)
        TComboBox::DblClick();
}

// ---------------------------------------------------------------- wheel

bool TRzCustomComboBox::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    if (korvan::forms::TFieldControl::DoMouseWheelDown(shift, mousePos))
        return true;
    // The next item; the last one stays put without events.
    if (!readOnly_ && ItemIndex() + 1 < Count()) {
        SetItemIndex(ItemIndex() + 1);
        Click();
        Change();
    }
    return true;
}

bool TRzCustomComboBox::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    if (korvan::forms::TFieldControl::DoMouseWheelUp(shift, mousePos))
        return true;
    if (readOnly_)
        return true;
    if (ItemIndex() < 1) {
        SetItemIndex(0);
        return true;
    }
    SetItemIndex(ItemIndex() - 1);
    Click();
    Change();
    return true;
}

// ---------------------------------------------------------------- the list

void TRzCustomComboBox::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    if (TObject* object = Items()->GetObject(index)) {
        if (OnDeleteItem)
            OnDeleteItem(this, object);
        Items()->PutObject(index, nullptr);
    }
    Items()->Delete(index);
}

void TRzCustomComboBox::ClearItems() {
    for (int i = 0; i < Count(); ++i)
        if (TObject* object = Items()->GetObject(i)) {
            if (OnDeleteItem)
                OnDeleteItem(this, object);
            Items()->PutObject(i, nullptr);
        }
    Items()->Clear();
    SetItemIndex(-1);
}

int TRzCustomComboBox::FindClosest(const std::string& s) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string item = Items()->Get(i);
        if (item.size() >= s.size() && SameText(std::string_view(item).substr(0, s.size()), s))
            return i;
    }
    return -1;
}

bool TRzCustomComboBox::FindItem(const std::string& s) {
    const int index = IndexOf(s);
    if (index >= 0)
        SetItemIndex(index);
    return index >= 0;
}

bool TRzCustomComboBox::FindClosestItem(const std::string& s) {
    const int index = FindClosest(s);
    if (index >= 0)
        SetItemIndex(index);
    return index >= 0;
}

void TRzCustomComboBox::ForceText(const std::string& value) {
    if (Text() == value)
        return;
    const bool saved = autoComplete_;
    autoComplete_ = false;
    try {
        SetText(value);
    } catch (...) {
        autoComplete_ = saved;
        throw;
    }
    autoComplete_ = saved;
}

int TRzCustomComboBox::MeasureDropDownWidth() {
    if (dropDownWidth_ > 0)
        return dropDownWidth_;
    // Measured in the control's own font.
    TBitmap scratch(1, 1);
    TCanvas& c = scratch.Canvas();
    c.Font().Assign(Font());
    int widest = 0;
    for (int i = 0; i < Count(); ++i)
        widest = std::max(widest, c.TextWidth(Items()->Get(i)));
    if (Count() > DropDownCount())
        widest += ButtonWidth; // the list's scroll bar
    return std::max(widest + 8, Width());
}

void TRzCustomComboBox::DropDown() {
    TComboBox::DropDown();
    actualDropDownWidth_ = MeasureDropDownWidth();
    SetDroppedWidth(actualDropDownWidth_);
}

void TRzCustomComboBox::CloseUp() {
    TComboBox::CloseUp();
    Invalidate();
}

void TRzCustomComboBox::ListSelectEnd(bool ok) {
    // The chosen item's text reaches the edit field as the list's choice,
    // never as a set text, so nothing needs holding back from completion.
    if (ok)
        DoSelEndOk();
    else
        DoSelEndCancel();
}

// ---------------------------------------------------------------- events

void TRzCustomComboBox::InvalidKeyPressed() {
    if (beepOnInvalidKey_)
        korvan::panels::SystemBeep();
}

void TRzCustomComboBox::DoMatch() {
    if (OnMatch)
        OnMatch(this);
}

void TRzCustomComboBox::DoNotInList() {
    if (OnNotInList)
        OnNotInList(this);
}

void TRzCustomComboBox::DoSelEndCancel() {
    if (OnSelEndCancel)
        OnSelEndCancel(this);
}

void TRzCustomComboBox::DoSelEndOk() {
    if (OnSelEndOk)
        OnSelEndOk(this);
}

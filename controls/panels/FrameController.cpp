#include "controls/panels/FrameController.h"

#include "controls/panels/FrameSettingSetter.h"
#include "controls/panels/RegIniFile.h"
#include "platform/forms/Control.h"
#include "platform/forms/Filer.h"
#include "platform/text/StrUtils.h"

#include <algorithm>

using korvan::forms::ClassBuilder;

const std::vector<std::string>& FrameStyleNames() {
    static const std::vector<std::string> names{"fsNone",    "fsFlat",       "fsGroove",   "fsBump",
                                                "fsLowered", "fsButtonDown", "fsRaised",   "fsButtonUp",
                                                "fsStatus",  "fsPopup",      "fsFlatBold", "fsFlatRounded"};
    return names;
}

const std::vector<std::string>& SideNames() {
    static const std::vector<std::string> names{"sdLeft", "sdTop", "sdRight", "sdBottom"};
    return names;
}

const std::vector<std::string>& FrameControllerPropertyNames() {
    static const std::vector<std::string> names{"fcpColor",
                                                "fcpFocusColor",
                                                "fcpDisabledColor",
                                                "fcpReadOnlyColor",
                                                "fcpReadOnlyColorOnFocus",
                                                "fcpParentColor",
                                                "fcpFlatButtonColor",
                                                "fcpFlatButtons",
                                                "fcpFrameColor",
                                                "fcpFrameHotColor",
                                                "fcpFrameHotTrack",
                                                "fcpFrameHotStyle",
                                                "fcpFrameSides",
                                                "fcpFrameStyle",
                                                "fcpFrameVisible",
                                                "fcpFramingPreference"};
    return names;
}

namespace {

// The published property each code sets on a control.
const char* const kPropertyOfCode[] = {"Color",
                                       "FocusColor",
                                       "DisabledColor",
                                       "ReadOnlyColor",
                                       "ReadOnlyColorOnFocus",
                                       "ParentColor",
                                       "FlatButtonColor",
                                       "FlatButtons",
                                       "FrameColor",
                                       "FrameHotColor",
                                       "FrameHotTrack",
                                       "FrameHotStyle",
                                       "FrameSides",
                                       "FrameStyle",
                                       "FrameVisible",
                                       "FramingPreference"};

const std::vector<std::string> kFrameStyleNames(FrameStyleNames().begin(), FrameStyleNames().begin() + 11);

} // namespace

const TClassInfo& TRzFrameController::StaticClassInfo() {
    using C = TRzFrameController;
    static const TClassInfo info =
        ClassBuilder<C>("TRzFrameController", &TComponent::StaticClassInfo())
            .Creator()
            .Property("Color", &C::Color, &C::SetColor)
            .TypeName("TColor")
            .Stored(&C::ColorStored)
            .Property("ParentColor", &C::ParentColor, &C::SetParentColor)
            .Default(false)
            .Property("FlatButtonColor", &C::FlatButtonColor, &C::SetFlatButtonColor)
            .TypeName("TColor")
            .Default(clBtnFace)
            .Property("FlatButtons", &C::FlatButtons, &C::SetFlatButtons)
            .Default(true)
            .Property("DisabledColor", &C::DisabledColor, &C::SetDisabledColor)
            .TypeName("TColor")
            .Default(clBtnFace)
            .Property("ReadOnlyColor", &C::ReadOnlyColor, &C::SetReadOnlyColor)
            .TypeName("TColor")
            .Default(clInfoBk)
            .Property("ReadOnlyColorOnFocus", &C::ReadOnlyColorOnFocus, &C::SetReadOnlyColorOnFocus)
            .Default(false)
            .Property("FocusColor", &C::FocusColor, &C::SetFocusColor)
            .TypeName("TColor")
            .Default(clWindow)
            .Property("FrameColor", &C::FrameColor, &C::SetFrameColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Property("FrameHotColor", &C::FrameHotColor, &C::SetFrameHotColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Property("FrameHotTrack", &C::FrameHotTrack, &C::SetFrameHotTrack)
            .Default(false)
            .Enum("FrameHotStyle", &C::FrameHotStyle, &C::SetFrameHotStyle, kFrameStyleNames, "TFrameStyle")
            .Default(fsFlatBold)
            .Set("FrameSides", &C::FrameSides, &C::SetFrameSides, SideNames(), "TSides")
            .Default(sdAllSides)
            .Enum("FrameStyle", &C::FrameStyle, &C::SetFrameStyle, kFrameStyleNames, "TFrameStyle")
            .Default(fsFlat)
            .Property("FrameVisible", &C::FrameVisible, &C::SetFrameVisible)
            .Default(false)
            .Enum("FramingPreference", &C::FramingPreference, &C::SetFramingPreference,
                  {"fpCustomFraming", "fpXPThemes"}, "TFramingPreference")
            .Default(fpXPThemes)
            .Property("RegIniFile", &C::RegIniFile, &C::SetRegIniFile)
            .Build();
    return info;
}

TRzFrameController::TRzFrameController(TComponent* owner) : TComponent(owner), TRzFrameSettings(this) {}

TRzFrameController::~TRzFrameController() {
    for (TControl* c : frameList_)
        c->RemoveFreeNotification(this);
    if (regIniFile_)
        regIniFile_->RemoveFreeNotification(this);
}

// ---------------------------------------------------------------- setters

void TRzFrameController::SetColor(TColor value) {
    if (value == color_)
        return;
    const bool focusFollows = focusColor_ == color_;
    color_ = value;
    parentColor_ = false;
    if (focusFollows) {
        focusColor_ = value;
        UpdateControlsProperty(fcpFocusColor);
    }
    UpdateControlsProperty(fcpColor);
}

void TRzFrameController::SetParentColor(bool value) {
    if (value == parentColor_)
        return;
    parentColor_ = value;
    UpdateControlsProperty(fcpParentColor);
    if (!value)
        UpdateControlsProperty(fcpColor);
}

KORVAN_FRAME_SETTER(TRzFrameController, FlatButtonColor, TColor, flatButtonColor_, fcpFlatButtonColor)
KORVAN_FRAME_SETTER(TRzFrameController, FlatButtons, bool, flatButtons_, fcpFlatButtons)
KORVAN_FRAME_SETTER(TRzFrameController, DisabledColor, TColor, disabledColor_, fcpDisabledColor)
KORVAN_FRAME_SETTER(TRzFrameController, ReadOnlyColor, TColor, readOnlyColor_, fcpReadOnlyColor)
KORVAN_FRAME_SETTER(TRzFrameController, ReadOnlyColorOnFocus, bool, readOnlyColorOnFocus_,
                    fcpReadOnlyColorOnFocus)
KORVAN_FRAME_SETTER(TRzFrameController, FocusColor, TColor, focusColor_, fcpFocusColor)
#undef KORVAN_FRAME_SETTER

void TRzFrameController::SetRegIniFile(TRzRegIniFile* value) {
    if (value == regIniFile_)
        return;
    if (regIniFile_)
        regIniFile_->RemoveFreeNotification(this);
    regIniFile_ = value;
    if (value)
        value->FreeNotification(this);
}

void TRzFrameController::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == regIniFile_)
        regIniFile_ = nullptr;
    // A registered control going away leaves the list.
    frameList_.erase(std::remove(frameList_.begin(), frameList_.end(), component), frameList_.end());
}

// ---------------------------------------------------------------- controls

void TRzFrameController::AddControl(TControl* control) {
    if (!control || std::find(frameList_.begin(), frameList_.end(), control) != frameList_.end())
        return;
    frameList_.push_back(control);
    control->FreeNotification(this);
    UpdateControl(control, fcpAll);
}

void TRzFrameController::RemoveControl(TControl* control) {
    auto it = std::find(frameList_.begin(), frameList_.end(), control);
    if (it == frameList_.end())
        return;
    frameList_.erase(it);
    control->RemoveFreeNotification(this);
}

void TRzFrameController::BeginUpdate() {
    ++updateCount_;
}

void TRzFrameController::EndUpdate() {
    if (--updateCount_ <= 0) {
        updateCount_ = 0;
        UpdateControlsProperty(fcpAll);
    }
}

void TRzFrameController::UpdateControls() {
    UpdateControlsProperty(fcpAll);
}

void TRzFrameController::UpdateControlsProperty(TRzFrameControllerProperty code) {
    if (updateCount_ > 0)
        return;
    for (TControl* c : std::vector<TControl*>(frameList_))
        UpdateControl(c, code);
}

void TRzFrameController::SetProperty(TControl* control, TRzFrameControllerProperty code) {
    const ObjectRef self = ObjectRefOf(this);
    const ObjectRef target = ObjectRefOf(control);
    const char* name = kPropertyOfCode[code];
    const TPropInfo* to = GetPropInfo(target, name);
    const TPropInfo* from = GetPropInfo(self, name);
    if (!to || !from || !to->SetOrd)
        return;
    std::int64_t value = GetOrdProp(self, *from);
    if (code == fcpFrameSides && to->Kind == tkSet) {
        // Through the set's text form: the element names.
        std::int64_t bits = 0;
        for (size_t i = 0; i < from->Names.size(); ++i)
            if (value & (std::int64_t(1) << i)) {
                const int bit = GetEnumValue(*to, from->Names[i]);
                if (bit >= 0)
                    bits |= std::int64_t(1) << bit;
            }
        value = bits;
    }
    SetOrdProp(target, *to, value);
}

void TRzFrameController::UpdateControl(TControl* control, TRzFrameControllerProperty code) {
    if (!control)
        return;
    if (auto* framing = dynamic_cast<IFramingNotification*>(control)) {
        framing->FramingChanged();
        return;
    }
    TRzFrameControllerNotifications wanted = fccAll;
    const ObjectRef target = ObjectRefOf(control);
    if (const TPropInfo* p = GetPropInfo(target, "FrameControllerNotifications"); p && p->GetOrd)
        wanted = TRzFrameControllerNotifications(GetOrdProp(target, *p));
    auto apply = [&](TRzFrameControllerProperty c) {
        if (wanted & (1u << c))
            SetProperty(control, c);
    };
    if (code != fcpAll) {
        apply(code);
        return;
    }
    apply(fcpParentColor);
    if (!parentColor_)
        apply(fcpColor);
    for (TRzFrameControllerProperty c :
         {fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpFocusColor, fcpFlatButtonColor,
          fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack, fcpFrameHotStyle, fcpFrameSides,
          fcpFrameStyle, fcpFrameVisible, fcpFramingPreference})
        apply(c);
}

// ---------------------------------------------------------------- streaming

void TRzFrameController::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TRzFrameController*>(source);
    if (!other) {
        TComponent::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        SetColor(other->Color());
        SetDisabledColor(other->DisabledColor());
        SetReadOnlyColor(other->ReadOnlyColor());
        SetReadOnlyColorOnFocus(other->ReadOnlyColorOnFocus());
        SetFlatButtonColor(other->FlatButtonColor());
        SetFlatButtons(other->FlatButtons());
        SetFocusColor(other->FocusColor());
        SetFrameColor(other->FrameColor());
        SetFrameHotColor(other->FrameHotColor());
        SetFrameHotStyle(other->FrameHotStyle());
        SetFrameHotTrack(other->FrameHotTrack());
        SetFrameSides(other->FrameSides());
        SetFrameStyle(other->FrameStyle());
        SetFrameVisible(other->FrameVisible());
        SetFramingPreference(other->FramingPreference());
        SetParentColor(other->ParentColor());
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TRzFrameController::Loaded() {
    TComponent::Loaded();
    UpdateControls();
}

void TRzFrameController::DefineProperties(TFiler& filer) {
    TComponent::DefineProperties(filer);
    // Older streams: read, never written.
    filer.DefineProperty(
        "FrameFlat",
        [this](TReader& r) {
            frameHotTrack_ = r.ReadBoolean();
            if (frameHotTrack_) {
                frameStyle_ = fsStatus;
                frameHotStyle_ = fsLowered;
            }
        },
        nullptr, false);
    filer.DefineProperty(
        "FrameFocusStyle",
        [this](TReader& r) {
            const std::string ident = r.ReadIdent();
            const auto& names = FrameStyleNames();
            for (size_t i = 0; i <= size_t(fsFlatBold); ++i)
                if (SameText(names[i], ident))
                    frameHotStyle_ = TFrameStyle(i);
        },
        nullptr, false);
    filer.DefineProperty(
        "FrameFlatStyle", [](TReader& r) { r.SkipValue(); }, nullptr, false);
}

void TRzFrameController::Load(const std::string& section) {
    if (!regIniFile_)
        throw ENoRegIniFile("Cannot load Custom Framing settings--No TRzRegIniFile component specified");
    TRzRegIniFile& ini = *regIniFile_;
    BeginUpdate();
    try {
        color_ = ini.ReadInteger(section, "Color", clWindow);
        flatButtonColor_ = ini.ReadInteger(section, "FlatButtonColor", clBtnFace);
        flatButtons_ = ini.ReadBool(section, "FlatButtons", true);
        disabledColor_ = ini.ReadInteger(section, "DisabledColor", clBtnFace);
        readOnlyColor_ = ini.ReadInteger(section, "ReadOnlyColor", clInfoBk);
        readOnlyColorOnFocus_ = ini.ReadBool(section, "ReadOnlyColorOnFocus", false);
        focusColor_ = ini.ReadInteger(section, "FocusColor", clWindow);
        frameColor_ = ini.ReadInteger(section, "FrameColor", clBtnShadow);
        frameHotColor_ = ini.ReadInteger(section, "FrameHotColor", clBtnShadow);
        frameHotStyle_ = TFrameStyle(std::clamp(ini.ReadInteger(section, "FrameHotStyle", 10), 0, 10));
        frameHotTrack_ = ini.ReadBool(section, "FrameHotTrack", false);
        TSides sides = 0;
        if (ini.ReadBool(section, "FrameSides_Left", true))
            sides |= sdLeft;
        if (ini.ReadBool(section, "FrameSides_Top", true))
            sides |= sdTop;
        if (ini.ReadBool(section, "FrameSides_Right", true))
            sides |= sdRight;
        if (ini.ReadBool(section, "FrameSides_Bottom", true))
            sides |= sdBottom;
        frameSides_ = sides;
        frameStyle_ = TFrameStyle(std::clamp(ini.ReadInteger(section, "FrameStyle", 1), 0, 10));
        frameVisible_ = ini.ReadBool(section, "FrameVisible", false);
        framingPreference_ =
            TFramingPreference(std::clamp(ini.ReadInteger(section, "FramingPreference", 1), 0, 1));
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TRzFrameController::Save(const std::string& section) {
    if (!regIniFile_)
        throw ENoRegIniFile("Cannot save Custom Framing settings--No TRzRegIniFile component specified");
    TRzRegIniFile& ini = *regIniFile_;
    ini.WriteInteger(section, "Color", color_);
    ini.WriteInteger(section, "FlatButtonColor", flatButtonColor_);
    ini.WriteBool(section, "FlatButtons", flatButtons_);
    ini.WriteInteger(section, "DisabledColor", disabledColor_);
    ini.WriteInteger(section, "ReadOnlyColor", readOnlyColor_);
    ini.WriteBool(section, "ReadOnlyColorOnFocus", readOnlyColorOnFocus_);
    ini.WriteInteger(section, "FocusColor", focusColor_);
    ini.WriteInteger(section, "FrameColor", frameColor_);
    ini.WriteInteger(section, "FrameHotColor", frameHotColor_);
    ini.WriteInteger(section, "FrameHotStyle", frameHotStyle_);
    ini.WriteBool(section, "FrameHotTrack", frameHotTrack_);
    ini.WriteBool(section, "FrameSides_Left", (frameSides_ & sdLeft) != 0);
    ini.WriteBool(section, "FrameSides_Top", (frameSides_ & sdTop) != 0);
    ini.WriteBool(section, "FrameSides_Right", (frameSides_ & sdRight) != 0);
    ini.WriteBool(section, "FrameSides_Bottom", (frameSides_ & sdBottom) != 0);
    ini.WriteInteger(section, "FrameStyle", frameStyle_);
    ini.WriteBool(section, "FrameVisible", frameVisible_);
    ini.WriteInteger(section, "FramingPreference", framingPreference_);
}

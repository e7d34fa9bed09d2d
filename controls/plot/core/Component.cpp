#include "controls/plot/core/Component.h"

#include "controls/plot/core/ComponentPainting.h"
#include "controls/plot/core/PropertyPath.h"
#include "platform/gfx/Bitmap.h"
#include "platform/sys/FlagScope.h"

#include <algorithm>

using korvan::forms::ClassBuilder;

const TClassInfo& TiComponent::StaticClassInfo() {
    using C = TiComponent;
    static const TClassInfo info =
        ClassBuilder<C>("TiComponent", &TCustomControl::StaticClassInfo())
            .Property("OptionSaveAllProperties", &C::OptionSaveAllProperties, &C::SetOptionSaveAllProperties)
            .Default(false)
            .Property("AutoFrameRate", &C::AutoFrameRate, &C::SetAutoFrameRate)
            .Default(false)
            .Property("UpdateFrameRate", &C::UpdateFrameRate, &C::SetUpdateFrameRate)
            .Default(60)
            .Build();
    return info;
}

TiComponent::TiComponent(TComponent* owner)
    : TCustomControl(owner), lastUpdate_(korvan::plot::UpdateClockNow()),
      errorFont_(std::make_unique<TFont>()) {
    controlStyle_ = csCaptureMouse | csClickEvents | csOpaque | csDoubleClicks | csReplicatable;
    errorFont_->SetColor(clRed);
    errorFont_->SetStyle(fsBold);
    errorFont_->OnChange = [this] { InvalidateChange(); };
    TiUpdateObject::Instance().AddUpdateControl(this);
}

TiComponent::~TiComponent() {
    TiUpdateObject::Instance().RemoveUpdateControl(this);
}

// --- repaint protocol ---

void TiComponent::BeginUpdate() {
    updateActive_ = true;
}

void TiComponent::EndUpdate() {
    updateActive_ = false;
    if (needsRepaint_)
        RepaintIfDue();
}

void TiComponent::InvalidateChange() {
    if (updateActive_) {
        needsRepaint_ = true;
        return;
    }
    if (autoFrameRate_) {
        needsRepaint_ = true;
        RepaintIfDue();
        return;
    }
    RepaintNow();
}

void TiComponent::BackGroundChange() {
    backGroundChanged_ = true;
    InvalidateChange();
}

void TiComponent::InvalidateNow() {
    RepaintNow();
}

void TiComponent::RepaintNow() {
    needsRepaint_ = false;
    lastUpdate_ = korvan::plot::UpdateClockNow();
    Invalidate();
}

void TiComponent::RepaintIfDue() {
    if (autoFrameRate_ &&
        !korvan::plot::FrameIsDue(korvan::plot::UpdateClockNow(), lastUpdate_, updateFrameRate_))
        return;
    RepaintNow();
}

void TiComponent::RepaintAll() {
    BackGroundChange();
}

void TiComponent::SetAutoFrameRate(bool value) {
    if (value == autoFrameRate_)
        return;
    autoFrameRate_ = value;
    if (value)
        BackGroundChange();
    else
        EndUpdate();
}

void TiComponent::SetUpdateFrameRate(int value) {
    SetIntegerValue(value, updateFrameRate_, 1);
}

// --- setter helpers ---

void TiComponent::RequestRepaint(int kind) {
    if (kind == 0)
        InvalidateChange();
    else if (kind == 1)
        BackGroundChange();
}

void TiComponent::SetBooleanValue(bool value, bool& field, int kind) {
    if (value == field)
        return;
    field = value;
    RequestRepaint(kind);
}

void TiComponent::SetIntegerValue(int value, int& field, int kind) {
    if (value == field)
        return;
    field = value;
    RequestRepaint(kind);
}

void TiComponent::SetColorValue(TColor value, TColor& field, int kind) {
    if (value == field)
        return;
    field = value;
    RequestRepaint(kind);
}

// --- appearance ---

void TiComponent::SetBackGroundColor(TColor value) {
    SetColorValue(value, backGroundColor_, 1);
}

void TiComponent::SetBorderStyle(TiBevelStyle value) {
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    BackGroundChange();
}

void TiComponent::SetCachedDrawing(bool value) {
    if (value == cachedDrawing_)
        return;
    cachedDrawing_ = value;
    BackGroundChange();
    if (!value)
        FreeBackGroundBitmap();
}

TBitmap* TiComponent::GetBackGroundBitmap() {
    if (!backGroundBitmap_)
        backGroundBitmap_ = std::make_unique<TBitmap>(std::max(Width(), 1), std::max(Height(), 1));
    return backGroundBitmap_.get();
}

void TiComponent::FreeBackGroundBitmap() {
    backGroundBitmap_.reset();
}

TPoint TiComponent::GetCenterPoint() const {
    // Integer division truncates toward zero, as the rule asks.
    return Point(Width() / 2 + offsetX_, Height() / 2 + offsetY_);
}

void TiComponent::SetEnabled(bool enabled) {
    TCustomControl::SetEnabled(enabled);
    BackGroundChange();
}

void TiComponent::SetErrorText(const std::string& value) {
    if (value == errorText_)
        return;
    errorText_ = value;
    BackGroundChange();
}

void TiComponent::SetErrorFontObject(TFont* font) {
    if (font)
        errorFont_->Assign(*font);
}

void TiComponent::DrawBackGround(TCanvas& canvas, TColor color) {
    backGroundChanged_ = false;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(Rect(0, 0, Width(), Height()));
    DrawBorder(canvas);
}

void TiComponent::DrawBorder(TCanvas& canvas) {
    korvan::plot::DrawComponentBorder(canvas, Rect(0, 0, Width(), Height()), borderStyle_);
}

// --- state ---

bool TiComponent::IsLoading() const {
    return loading_ || HasState(csLoading);
}

bool TiComponent::GetDesigning() const {
    bool designing = HasState(csDesigning);
    if (OnGetDesigning)
        OnGetDesigning(const_cast<TiComponent*>(this), designing);
    return designing;
}

TTypeKind TiComponent::GetPropertyKind(std::string_view path) const {
    return korvan::plot::PropertyKindByPath(ObjectRefOf(const_cast<TiComponent*>(this)), path);
}

bool TiComponent::OPCPropertyChanged(const std::string& propName, const TiOPCValue& value) {
    (void)propName;
    (void)value;
    return false;
}

// --- painting ---

void TiComponent::Paint() {
    PaintOffScreen();
}

void TiComponent::PaintOffScreen() {
    if (Width() <= 0 || Height() <= 0)
        return;
    try {
        Lock();
        try {
            offScreenBitmap_ = std::make_unique<TBitmap>(Width(), Height());
            TCanvas& canvas = offScreenBitmap_->Canvas();
            canvas.Brush().SetStyle(bsSolid);
            canvas.Pen().SetStyle(psSolid);
            try {
                iPaintTo(canvas);
            } catch (const std::exception& e) {
                korvan::plot::DrawPaintError(canvas, ClientRect(), e.what());
            }
            if (OnPaint)
                OnPaint(this, canvas);
            Canvas().Draw(0, 0, *offScreenBitmap_);
        } catch (...) {
            offScreenBitmap_.reset();
            Unlock();
            throw;
        }
        offScreenBitmap_.reset();
        Unlock();
    } catch (...) {
        // Nothing of a failed paint reaches the event loop; the paint
        // ends without output.
    }
}

void TiComponent::PaintImageTo(TCanvas& canvas) {
    // The window exists before the control paints.
    Widget();
    iPaintTo(canvas);
}

void TiComponent::SaveImageToBitmap(const std::string& fileName) {
    korvan::plot::SaveImageToBitmap(*this, fileName);
}

void TiComponent::SavePropertiesToFile(const std::string& fileName) {
    korvan::plot::SavePropertiesToFile(*this, fileName, optionSaveAllProperties_);
}

void TiComponent::LoadPropertiesFromFile(const std::string& fileName) {
    korvan::plot::LoadPropertiesFromFile(*this, fileName, *this);
}

// --- input ---

template <class F> void TiComponent::AsUser(F&& f) {
    korvan::sys::FlagScope user(userGenerated_);
    f();
}

void TiComponent::KeyDown(std::uint16_t& key, TShiftState shift) {
    AsUser([&] {
        try {
            TCustomControl::KeyDown(key, shift);
            iKeyDown(key, shift);
        } catch (const std::exception&) {
        }
    });
}

void TiComponent::KeyUp(std::uint16_t& key, TShiftState shift) {
    AsUser([&] {
        try {
            TCustomControl::KeyUp(key, shift);
            iKeyUp(key, shift);
        } catch (const std::exception&) {
        }
    });
}

void TiComponent::KeyPress(char& key) {
    AsUser([&] {
        try {
            TCustomControl::KeyPress(key);
            iKeyPress(key);
        } catch (const std::exception&) {
        }
    });
}

void TiComponent::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    AsUser([&] {
        iMouseDown(button, shift, x, y);
        TCustomControl::MouseDown(button, shift, x, y);
    });
}

void TiComponent::MouseMove(TShiftState shift, int x, int y) {
    AsUser([&] {
        iMouseMove(shift, x, y);
        TCustomControl::MouseMove(shift, x, y);
    });
}

void TiComponent::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    AsUser([&] {
        iMouseUp(button, shift, x, y);
        TCustomControl::MouseUp(button, shift, x, y);
    });
}

void TiComponent::DblClick() {
    AsUser([&] {
        iDoubleClick();
        TCustomControl::DblClick();
    });
}

void TiComponent::DoEnter() {
    AsUser([&] {
        DoEnterFocus();
        TCustomControl::DoEnter();
    });
}

void TiComponent::DoExit() {
    AsUser([&] {
        DoExitFocus();
        TCustomControl::DoExit();
    });
}

bool TiComponent::WantSpecialKey(std::uint16_t key) const {
    bool result = TCustomControl::WantSpecialKey(key);
    DoWantSpecialKey(key, result);
    return result;
}

void TiComponent::DoEnterFocus() {
    hasFocus_ = true;
    Invalidate();
}

void TiComponent::DoExitFocus() {
    hasFocus_ = false;
    try {
        // A press in progress ends when the focus leaves.
        iMouseUp(mbLeft, 0, 0, 0);
        Invalidate();
    } catch (...) {
    }
}

void TiComponent::DoWantSpecialKey(std::uint16_t& charCode, bool& result) const {
    (void)charCode;
    (void)result;
}

void TiComponent::iKeyUp(std::uint16_t& key, TShiftState shift) {
    (void)key;
    (void)shift;
}

void TiComponent::iKeyDown(std::uint16_t& key, TShiftState shift) {
    (void)key;
    (void)shift;
}

void TiComponent::iKeyPress(char& key) {
    (void)key;
}

void TiComponent::iMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    (void)button;
    (void)shift;
    (void)x;
    (void)y;
}

void TiComponent::iMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    (void)button;
    (void)shift;
    (void)x;
    (void)y;
}

void TiComponent::iMouseMove(TShiftState shift, int x, int y) {
    (void)shift;
    (void)x;
    (void)y;
}

void TiComponent::iDoubleClick() {}

bool TiComponent::iMouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos) {
    (void)wheelDelta;
    (void)shift;
    (void)mousePos;
    return false;
}

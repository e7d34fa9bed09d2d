#include "controls/plot/core/VCLComponent.h"

#include "controls/plot/core/PropertyPath.h"
#include "controls/plot/core/ThemeFolders.h"
#include "platform/forms/Filer.h"
#include "platform/forms/GuiThread.h"
#include "platform/forms/Messages.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Pictures.h"
#include "platform/sys/SettingsStore.h"
#include "platform/sys/Timer.h"
#include "platform/text/Exception.h"
#include "platform/text/StrUtils.h"

#include <algorithm>

using korvan::forms::ClassBuilder;

const TClassInfo& TiVCLComponent::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiVCLComponent>("TiVCLComponent", &TiComponent::StaticClassInfo()).Build();
    return info;
}

const TClassInfo& TiCustomComponent::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiCustomComponent>("TiCustomComponent", &TiVCLComponent::StaticClassInfo()).Build();
    return info;
}

TiVCLComponent::TiVCLComponent(TComponent* owner) : TiComponent(owner) {
    korvan::plot::OPCItemListHost host;
    host.owner = this;
    host.getDesigning = [this] { return GetDesigning(); };
    host.newData = [this](int index) { DoOPCNewData(index); };
    host.getType = [this](const std::string& path) { return GetPropertyKind(path); };
    opcItems_ = korvan::plot::MakeOPCItemList(host);
}

TiVCLComponent::~TiVCLComponent() {
    TimerStop();
}

// --- lock ---

void TiVCLComponent::Lock() {
    if (!HasState(csDestroying))
        dataLock_.lock();
}

void TiVCLComponent::Unlock() {
    if (!HasState(csDestroying))
        dataLock_.unlock();
}

// --- control timer ---

void TiVCLComponent::TimerStart(int firstDelay, int interval) {
    if (timerID_ != 0)
        return;
    timerInterval_ = interval;
    int period = 0;
    if (firstDelay != 0) {
        period = firstDelay;
        timerFirstMessage_ = true;
    } else if (interval != 0) {
        period = interval;
        timerFirstMessage_ = false;
    } else {
        return;
    }
    timer_ = std::make_unique<korvan::sys::Timer>(korvan::forms::Gui(), period, [this] { TimerTick(); });
    timer_->SetEnabled(true);
    timerID_ = 1;
}

void TiVCLComponent::TimerStop() {
    if (timerID_ == 0)
        return;
    timer_.reset();
    timerID_ = 0;
}

void TiVCLComponent::TimerTick() {
    if (timerFirstMessage_) {
        // The first delay is over: the repeat interval starts now (an
        // interval of 0 leaves the timer silent until it is stopped).
        timerFirstMessage_ = false;
        timer_->SetInterval(timerInterval_);
    }
    if (OnInternalTimer)
        OnInternalTimer(this);
}

// --- bounds and transparency ---

void TiVCLComponent::SetBounds(int left, int top, int width, int height) {
    if (left == Left() && top == Top() && width == Width() && height == Height())
        return;
    TiComponent::SetBounds(left, top, width, height);
    if (transparentBitmap_ && width > 0 && height > 0)
        transparentBitmap_->SetSize(width, height);
    RequestTransparentCapture();
    TBitmap* background = GetBackGroundBitmap();
    if (width > 0 && height > 0)
        background->SetSize(width, height);
    BackGroundChange();
}

void TiVCLComponent::RepaintAll() {
    TiComponent::RepaintAll();
    RequestTransparentCapture();
}

void TiVCLComponent::SetTransparent(bool value) {
    if (value == transparent_)
        return;
    transparent_ = value;
    if (value) {
        if (!transparentBitmap_)
            transparentBitmap_ = std::make_unique<TBitmap>(std::max(Width(), 1), std::max(Height(), 1));
        RequestTransparentCapture();
    } else {
        transparentBitmap_.reset();
    }
    BackGroundChange();
}

void TiVCLComponent::RequestTransparentCapture() {
    if (!transparent_ || needsTransparentCapture_)
        return;
    needsTransparentCapture_ = true;
    BackGroundChange();
}

void TiVCLComponent::CaptureParentBackground() {
    if (Parent() && Width() > 0 && Height() > 0) {
        // What the parent shows beneath the control.
        korvan::forms::DrawParentImage(this, transparentBitmap_->Canvas(), Point(0, 0));
        needsTransparentCapture_ = false;
        return;
    }
    TCanvas& canvas = transparentBitmap_->Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(BackGroundColor());
    canvas.FillRect(Rect(0, 0, transparentBitmap_->Width(), transparentBitmap_->Height()));
}

void TiVCLComponent::DrawBackGround(TCanvas& canvas, TColor color) {
    if (paintDCTransparent_)
        return;
    if (!transparent_) {
        TiComponent::DrawBackGround(canvas, color);
        return;
    }
    if (!transparentBitmap_)
        transparentBitmap_ = std::make_unique<TBitmap>(std::max(Width(), 1), std::max(Height(), 1));
    if (needsTransparentCapture_)
        CaptureParentBackground();
    SetBackGroundChanged(false);
    canvas.Draw(0, 0, *transparentBitmap_);
}

void TiVCLComponent::iPaintToCanvas(TCanvas& canvas, int x, int y, bool transparent) {
    const int saved = canvas.SaveDC();
    canvas.SetViewportOrg(x, y);
    canvas.IntersectClipRect(Rect(0, 0, Width(), Height()));
    paintDCTransparent_ = transparent;
    try {
        Lock();
        const bool cached = CachedDrawing();
        try {
            SetCachedDrawing(false);
            iPaintTo(canvas);
        } catch (...) {
            SetCachedDrawing(cached);
            Unlock();
            throw;
        }
        SetCachedDrawing(cached);
        Unlock();
    } catch (const std::exception&) {
    }
    paintDCTransparent_ = false;
    canvas.RestoreDC(saved);
}

// --- pictures ---

void TiVCLComponent::SaveImageToMetaFile(const std::string& fileName) {
    korvan::plot::SaveImageToMetaFile(*this, fileName);
}

void TiVCLComponent::SaveImageToJPEG(const std::string& fileName, int compression, bool progressive) {
    korvan::plot::SaveImageToJPEG(*this, fileName, compression, progressive);
}

void TiVCLComponent::SaveImageToPNG(const std::string& fileName, int compression) {
    korvan::plot::SaveImageToPNG(*this, fileName, compression);
}

std::vector<std::uint8_t> TiVCLComponent::GetBytesJPEG(int compression, bool progressive) {
    return korvan::plot::GetBytesJPEG(*this, compression, progressive);
}

std::vector<std::uint8_t> TiVCLComponent::GetBytesPNG(int compression) {
    return korvan::plot::GetBytesPNG(*this, compression);
}

std::unique_ptr<TJPEGImage> TiVCLComponent::GetJPEGImage(int compression, bool progressive) {
    return korvan::plot::GetJPEGImage(*this, compression, progressive);
}

// --- colour schemes ---

void TiVCLComponent::LoadThemes() {
    korvan::plot::TStoreThemeFolderSettings settings(korvan::sys::SettingsStore::Default());
    themes_.LoadThemes(ClassName(), korvan::plot::ReadThemePaths(settings));
}

void TiVCLComponent::ApplyScheme(int categoryIndex, int schemeIndex) {
    themes_.ApplyScheme(categoryIndex, schemeIndex, ObjectRefOf(this));
}

// --- OPC binding ---

namespace {

IiOPCItemList& Available(const std::unique_ptr<IiOPCItemList>& items) {
    if (!items)
        throw Exception("OPC items are not available");
    return *items;
}

} // namespace

int TiVCLComponent::OPCAddItem() {
    return Available(opcItems_).Add();
}

IiOPCItem& TiVCLComponent::OPCItem(int index) {
    return Available(opcItems_).Item(index);
}

int TiVCLComponent::OPCItemCount() const {
    return opcItems_ ? opcItems_->Count() : 0;
}

void TiVCLComponent::OPCRemoveAllItems() {
    if (opcItems_)
        opcItems_->Clear();
}

void TiVCLComponent::OPCDeleteItem(int index) {
    Available(opcItems_).Delete(index);
}

bool TiVCLComponent::OPCPropertyUpdate(const std::string& propName, TiOPCValue& data) {
    (void)propName;
    (void)data;
    return false;
}

void TiVCLComponent::DoOPCNewData(int index) {
    if (!opcItems_)
        return;
    IiOPCItem& item = opcItems_->Item(index);
    const std::string propertyName = item.PropertyName();
    if (propertyName.empty())
        return;
    TiOPCValue data = item.Data();
    if (OnBeforeNewOPCData)
        OnBeforeNewOPCData(index, data);
    // The value that comes in is not echoed back to the items.
    opcIncomingActive_ = true;
    try {
        if (item.QualityGood() && !OPCPropertyUpdate(propertyName, data))
            korvan::plot::SetPropertyValueByPath(ObjectRefOf(this), std::string(), data, propertyName);
    } catch (...) {
        opcIncomingActive_ = false;
        throw;
    }
    opcIncomingActive_ = false;
    if (OnNewOPCData)
        OnNewOPCData(index);
}

bool TiVCLComponent::OPCPropertyChanged(const std::string& propName, const TiOPCValue& value) {
    if (opcIncomingActive_) {
        opcIncomingActive_ = false;
        return false;
    }
    bool taken = false;
    for (int i = 0; opcItems_ && i < opcItems_->Count(); ++i) {
        IiOPCItem& item = opcItems_->Item(i);
        if (item.Active() && SameText(item.PropertyName(), propName)) {
            item.SetData(value);
            taken = true;
        }
    }
    return taken;
}

void TiVCLComponent::DefineProperties(TFiler& filer) {
    if (opcItems_)
        filer.DefineProperty(
            "OPCItems", [this](TReader& reader) { opcItems_->ReadFromStream(reader); },
            [this](TWriter& writer) { opcItems_->WriteToStream(writer); }, opcItems_->DoWriteToStream());
    TiComponent::DefineProperties(filer);
}

// --- input and messages ---

unsigned TiVCLComponent::GetDlgCode() const {
    // Tab, Enter, Escape and the arrows reach the control.
    return TiComponent::GetDlgCode() | DLGC_WANTALLKEYS;
}

void TiVCLComponent::WndProc(TMessage& message) {
    try {
        switch (message.Msg) {
        case CM_SYSCOLORCHANGE:
            TiComponent::WndProc(message);
            BackGroundChange();
            break;
        case CM_COLORCHANGED:
            BackGroundChange();
            break;
        default:
            TiComponent::WndProc(message);
        }
    } catch (...) {
    }
}

void TiVCLComponent::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    try {
        TiComponent::MouseDown(button, shift, x, y);
    } catch (const std::exception&) {
    }
}

void TiVCLComponent::MouseMove(TShiftState shift, int x, int y) {
    try {
        TiComponent::MouseMove(shift, x, y);
    } catch (const std::exception&) {
    }
}

void TiVCLComponent::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    try {
        TiComponent::MouseUp(button, shift, x, y);
    } catch (const std::exception&) {
    }
}

void TiVCLComponent::DblClick() {
    try {
        TiComponent::DblClick();
    } catch (const std::exception&) {
    }
}

bool TiVCLComponent::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    // The control's own wheel hook; the framework's wheel events are not
    // raised.
    return iMouseWheel(wheelDelta, shift, mousePos);
}

#include "controls/panels/ImageControl.h"

#include "controls/panels/Accelerator.h"
#include "platform/forms/Messages.h"
#include "platform/forms/Screen.h"

#include <QCursor>

namespace korvan::panels {

void RegisterVrCursors() {
    static const bool done = [] {
        Screen->SetCursors(crVrHandPoint, QCursor(Qt::PointingHandCursor));
        return true;
    }();
    (void)done;
}

} // namespace korvan::panels

// ---------------------------------------------------------------- TVrCustomControl

const TClassInfo& TVrCustomControl::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TVrCustomControl>("TVrCustomControl", &TCustomControl::StaticClassInfo())
            // Read-only, never stored.
            .Property("Version", &TVrCustomControl::Version)
            .Build();
    return info;
}

TVrCustomControl::TVrCustomControl(TComponent* owner) : TCustomControl(owner) {
    korvan::panels::RegisterVrCursors();
}

void TVrCustomControl::EndUpdate() {
    if (updateCount_ > 0)
        --updateCount_;
    ControlChanged();
}

void TVrCustomControl::ControlChanged() {
    if (HasState(csLoading) || updateCount_ != 0)
        return;
    Repaint();
}

void TVrCustomControl::FontChanged() {
    TCustomControl::FontChanged();
    if (OnFontChanged)
        OnFontChanged(this);
}

void TVrCustomControl::TextChanged() {
    TCustomControl::TextChanged();
    if (OnTextChanged)
        OnTextChanged(this);
}

// ---------------------------------------------------------------- TVrCustomImageControl

const TClassInfo& TVrCustomImageControl::StaticClassInfo() {
    static const TClassInfo info = korvan::forms::ClassBuilder<TVrCustomImageControl>(
                                       "TVrCustomImageControl", &TVrCustomControl::StaticClassInfo())
                                       .Build();
    return info;
}

TVrCustomImageControl::TVrCustomImageControl(TComponent* owner)
    : TVrCustomControl(owner), bitmapImage_(std::make_unique<TBitmap>()) {}

TVrCustomImageControl::~TVrCustomImageControl() = default;

void TVrCustomImageControl::ClearBitmap() {
    bitmapImage_->SetSize(Width(), Height());
    TCanvas& c = bitmapImage_->Canvas();
    c.Brush().SetBitmap(QImage());
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(bsSolid);
    c.FillRect(Rect(0, 0, Width(), Height()));
}

void TVrCustomImageControl::Paint() {
    Canvas().BitBlt(0, 0, Width(), Height(), &bitmapImage_->Canvas(), 0, 0, SRCCOPY);
}

void TVrCustomImageControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_FOCUSCHANGED: {
        const bool focused = message.LParam == reinterpret_cast<std::intptr_t>(this);
        if (focused != focused_) {
            focused_ = focused;
            FocusChanged();
        }
        break;
    }
    case CM_DIALOGCHAR:
        if (korvan::panels::ClickOnAccelerator(message, Caption(), Enabled(), [this] { RaiseClick(); }))
            return;
        break;
    default:
        break;
    }
    TVrCustomControl::WndProc(message);
}

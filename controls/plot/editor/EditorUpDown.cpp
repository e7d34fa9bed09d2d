#include "controls/plot/editor/EditorUpDown.h"

#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/editor/EditorEdit.h"
#include "platform/gfx/Canvas.h"
#include "platform/sys/FlagScope.h"

#include <algorithm>

const TClassInfo& TiUpDown::StaticClassInfo() {
    using C = TiUpDown;
    static const TClassInfo info =
        korvan::forms::ClassBuilder<C>("TiUpDown", &TGraphicControl::StaticClassInfo())
            .Creator()
            .Property("Min", &C::Min, &C::SetMin)
            .Default(0)
            .Property("Max", &C::Max, &C::SetMax)
            .Default(100)
            .Property("Increment", &C::Increment, &C::SetIncrement)
            .Default(1)
            .Build();
    return info;
}

TiUpDown::TiUpDown(TComponent* owner) : TGraphicControl(owner), timer_(std::make_unique<TTimer>(nullptr)) {
    SetBounds(Left(), Top(), 15, 21);
    timer_->SetEnabled(false);
    timer_->SetOnTimer([this](TObject* sender) { TimerTick(sender); });
}

TiUpDown::~TiUpDown() {
    if (associate_)
        associate_->RemoveFreeNotification(this);
}

int TiUpDown::AsInteger() const {
    return associate_ ? associate_->AsInteger() : 0;
}

void TiUpDown::SetAsInteger(int value) {
    if (!associate_)
        return;
    if (min_ != 0 || max_ != 0)
        value = std::max(std::min(value, int(max_)), int(min_));
    if (userGenerated_)
        associate_->SetIntegerWithEvent(value);
    else
        associate_->SetAsInteger(value);
}

void TiUpDown::SetAssociate(TiComponentEditorEdit* value) {
    korvan::plot::AttachToField(this, associate_, value);
}

void TiUpDown::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == associate_)
        associate_ = nullptr;
}

void TiUpDown::Disable() {
    SetEnabled(false);
    if (associate_)
        associate_->Disable();
    Invalidate();
}

void TiUpDown::Enable() {
    SetEnabled(true);
    if (associate_)
        associate_->Enable();
    Invalidate();
}

TRect TiUpDown::UpButtonRect() const {
    return Rect(0, 0, Width(), (Height() - 1) / 2);
}

TRect TiUpDown::DownButtonRect() const {
    const int h = (Height() - 1) / 2;
    return Rect(0, Height() - h, Width(), Height());
}

void TiUpDown::UpdatePressed() {
    const TPoint at = Point(mouseDownX_, mouseDownY_);
    upPressed_ = mouseDown_ && UpButtonRect().Contains(at);
    downPressed_ = mouseDown_ && DownButtonRect().Contains(at);
}

void TiUpDown::Step() {
    korvan::sys::FlagScope user(userGenerated_);
    SetAsInteger(upPressed_ ? AsInteger() + increment_ : AsInteger() - increment_);
}

void TiUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    mouseDownX_ = x;
    mouseDownY_ = y;
    mouseDown_ = true;
    UpdatePressed();
    timer_->SetInterval(500);
    timer_->SetEnabled(true);
    firstTimerMessage_ = true;
    Step();
    Invalidate();
}

void TiUpDown::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    mouseDownX_ = x;
    mouseDownY_ = y;
    if (mouseDown_) {
        UpdatePressed();
        Invalidate();
    }
}

void TiUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!mouseDown_)
        return;
    mouseDown_ = false;
    timer_->SetEnabled(false);
    UpdatePressed();
    Invalidate();
}

void TiUpDown::TimerTick(TObject*) {
    if (firstTimerMessage_) {
        firstTimerMessage_ = false;
        timer_->SetInterval(50);
    }
    Step();
}

void TiUpDown::Paint() {
    TCanvas& canvas = Canvas();
    UpdatePressed();
    const TRect up = UpButtonRect();
    const TRect down = DownButtonRect();
    korvan::plot::DrawBevel(canvas, up, upPressed_ ? 0 : 1);
    korvan::plot::DrawBevel(canvas, down, downPressed_ ? 0 : 1);
    const int s = std::min(Height() / 2, Width()) / 7;
    const TColor color = Enabled() ? clBlack : clGray;
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    const auto centre = [](const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); };
    const TPoint cu = centre(up);
    const TPoint cd = centre(down);
    canvas.Polygon({Point(cu.X - 2 * s, cu.Y + s), Point(cu.X, cu.Y - s), Point(cu.X + 2 * s, cu.Y + s)});
    canvas.Polygon({Point(cd.X - 2 * s, cd.Y - s), Point(cd.X + 2 * s, cd.Y - s), Point(cd.X, cd.Y + s)});
}

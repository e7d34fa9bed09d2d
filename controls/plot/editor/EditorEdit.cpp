#include "controls/plot/editor/EditorEdit.h"

#include "controls/plot/editor/EditorForm.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/Color.h"
#include "platform/text/DateTime.h"
#include "platform/text/FloatText.h"
#include "platform/text/IntText.h"
#include "platform/text/StrUtils.h"

const TClassInfo& TiComponentEditorEdit::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TiComponentEditorEdit>("TiComponentEditorEdit", &TEdit::StaticClassInfo())
            .Creator()
            .Build();
    return info;
}

TiComponentEditorEdit::TiComponentEditorEdit(TComponent* owner) : TEdit(owner) {
    SetHeight(21);
}

void TiComponentEditorEdit::SetSilently(const std::string& text) {
    korvan::plot::Silently(
        blockingEvents_,
        [&] {
            SetText(text);
            originalText_ = text;
        },
        OnUpdate, OnChange);
}

void TiComponentEditorEdit::Disable() {
    SetSilently(std::string());
    SetEnabled(false);
}

void TiComponentEditorEdit::DisableNoClear() {
    SetEnabled(false);
}

void TiComponentEditorEdit::Enable() {
    SetEnabled(true);
}

void TiComponentEditorEdit::SetEnabled(bool value) {
    TEdit::SetEnabled(value);
    SetColor(value ? clWindow : clBtnFace);
}

void TiComponentEditorEdit::SetAsString(const std::string& value) {
    SetSilently(value);
}

int TiComponentEditorEdit::AsInteger() const {
    int value = 0;
    return TryStrToInt(Trim(Text()), value) ? value : 0;
}

void TiComponentEditorEdit::SetAsInteger(int value) {
    SetSilently(IntToStr(value));
}

double TiComponentEditorEdit::AsFloat() const {
    double value = 0;
    return TryStrToFloat(Trim(Text()), value) ? value : 0;
}

void TiComponentEditorEdit::SetAsFloat(double value) {
    SetSilently(FloatToStr(value));
}

double TiComponentEditorEdit::AsDateTime() const {
    return StrToDateTime(Trim(Text()));
}

void TiComponentEditorEdit::SetAsDateTime(double value) {
    SetSilently(DateTimeToStr(value));
}

void TiComponentEditorEdit::SetStringWithEvent(const std::string& value) {
    SetText(value);
    korvan::plot::NotifyUserChange(this);
    CommitText();
}

void TiComponentEditorEdit::SetIntegerWithEvent(int value) {
    SetStringWithEvent(IntToStr(value));
}

void TiComponentEditorEdit::SetDoubleWithEvent(double value) {
    SetStringWithEvent(FloatToStr(value));
}

void TiComponentEditorEdit::CommitText() {
    const std::string text = Text();
    if (text == originalText_)
        return;
    originalText_ = text;
    if (OnUpdate)
        OnUpdate(this);
    if (!blockingEvents_)
        korvan::plot::NotifyUserChange(this);
}

unsigned TiComponentEditorEdit::GetDlgCode() const {
    return TEdit::GetDlgCode() | DLGC_WANTTAB | DLGC_WANTARROWS;
}

bool TiComponentEditorEdit::WantSpecialKey(std::uint16_t key) const {
    return key == VK_LEFT || key == VK_RIGHT;
}

void TiComponentEditorEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (key == VK_RETURN) {
        CommitText();
        key = 0;
        SelectAll();
        return;
    }
    if (key == VK_ESCAPE) {
        key = 0;
        SetText(originalText_);
        SelectAll();
        return;
    }
    TEdit::KeyDown(key, shift);
}

void TiComponentEditorEdit::KeyPress(char& key) {
    if (korvan::plot::HandleTabKey(this, key))
        return;
    switch (key) {
    case '\n':
        key = 0;
        return;
    case '\r':
        key = 0;
        CommitText();
        SelectAll();
        return;
    case '\x1b':
        key = 0;
        SetText(originalText_);
        SelectAll();
        return;
    default:
        TEdit::KeyPress(key);
    }
}

void TiComponentEditorEdit::DoExit() {
    CommitText();
    TEdit::DoExit();
}

namespace korvan::plot {

void AttachToField(TControl* control, TiComponentEditorEdit*& associate, TiComponentEditorEdit* value) {
    if (associate)
        associate->RemoveFreeNotification(control);
    associate = value;
    if (!associate)
        return;
    associate->FreeNotification(control);
    control->SetBounds(associate->Left() + associate->Width(), associate->Top(), control->Width(),
                       associate->Height());
}

} // namespace korvan::plot

#include "controls/plot/choice/PackChoiceControl.h"

#include "controls/plot/core/PackForms.h"

void TiPackChoiceControl::DoChange(const std::string& propName) {
    if (IsLoading())
        return;
    if (OnChangeProtected)
        OnChangeProtected(this, propName);
    if (OnChange)
        OnChange(this);
    if (userGenerated_ && OnChangeUser)
        OnChangeUser(this);
}

void TiPackChoiceControl::DoExitFocus() {
    mouseDown_ = false;
    keyDown_ = false;
    InvalidateChange();
    TiCustomComponent::DoExitFocus();
}

void TiPackChoiceControl::DoEnterFocus() {
    TiCustomComponent::DoEnterFocus();
    InvalidateNow();
}

bool TiPackChoiceControl::Press(TMouseButton button) {
    if (button != mbLeft)
        return false;
    korvan::plot::FocusComponent(this);
    mouseDown_ = true;
    InvalidateChange();
    return true;
}

bool TiPackChoiceControl::Release() {
    if (!mouseDown_)
        return false;
    InvalidateChange();
    mouseDown_ = false;
    return true;
}

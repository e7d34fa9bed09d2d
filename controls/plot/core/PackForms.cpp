#include "controls/plot/core/PackForms.h"

#include "platform/forms/ComCtrls.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Form.h"
#include "platform/text/Exception.h"

#include <QGuiApplication>

namespace korvan::plot {

bool IsShiftDown() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

bool IsControlDown() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

void FocusComponent(TWinControl* control) {
    if (control)
        control->SetFocus();
}

TWinControl* GetOwnerForm(TComponent* component) {
    TWinControl* lastWindowed = nullptr;
    for (TComponent* owner = component ? component->Owner() : nullptr; owner; owner = owner->Owner()) {
        if (auto* form = dynamic_cast<TCustomForm*>(owner))
            return form;
        if (auto* windowed = dynamic_cast<TWinControl*>(owner))
            lastWindowed = windowed;
    }
    return lastWindowed;
}

void SetActivePageIndex(TPageControl* pageControl, int index) {
    if (pageControl && index >= 0 && index < pageControl->PageCount())
        pageControl->SetActivePageIndex(index);
}

int GetActivePageIndex(const TPageControl* pageControl) {
    return pageControl ? pageControl->ActivePageIndex() : -1;
}

void WriteStoredProperties(TWriter& writer, TPersistent* instance) {
    try {
        writer.WriteProperties(instance);
    } catch (const Exception&) {
        // A property that cannot be written leaves the rest of the
        // collection to stream.
    }
}

} // namespace korvan::plot

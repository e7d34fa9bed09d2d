#include "controls/panels/ParentImage.h"

#include "platform/forms/Form.h"
#include "platform/forms/WinControl.h"

void DrawParentImage(TControl* control, TCanvas& canvas, bool invalidateParent) {
    TWinControl* parent = control ? control->Parent() : nullptr;
    if (!parent || !canvas.HasImage())
        return;
    // The framework's parent-image service paints into a picture of the
    // control's size; it lands on the canvas at the canvas's origin.
    korvan::forms::DrawParentImage(control, canvas, canvas.ViewportOrg());
    if (invalidateParent && !parent->IsPainted() && !dynamic_cast<TCustomForm*>(parent))
        parent->Invalidate();
}

void InvalidateTransparentChildren(TWinControl* container) {
    if (!container)
        return;
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* child = container->Controls(i);
        const ObjectRef ref = ObjectRefOf(child);
        const TPropInfo* prop = GetPropInfo(ref, "Transparent");
        if (prop && prop->GetOrd && GetOrdProp(ref, *prop) != 0)
            child->Invalidate();
    }
}

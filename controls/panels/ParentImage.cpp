#include "controls/panels/ParentImage.h"

#include "platform/forms/Form.h"
#include "platform/forms/WinControl.h"

#include <QPainter>

void DrawParentImage(TControl* control, TCanvas& canvas, bool invalidateParent) {
    TWinControl* parent = control ? control->Parent() : nullptr;
    if (!parent || !canvas.HasImage())
        return;
    // The framework's parent-image service paints into a picture of the
    // control's size; it lands on the canvas at the canvas's origin.
    QImage under(control->Width() > 0 ? control->Width() : 1, control->Height() > 0 ? control->Height() : 1,
                 QImage::Format_RGB32);
    korvan::forms::DrawParentImage(control, under);
    const TPoint org = canvas.ViewportOrg();
    {
        QPainter p(canvas.Image());
        p.drawImage(QPoint(org.X, org.Y), under);
    }
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

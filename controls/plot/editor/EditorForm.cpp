#include "controls/plot/editor/EditorForm.h"

#include "controls/plot/core/PackForms.h"

const TClassInfo& TiCustomEditorForm::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TiCustomEditorForm>("TiCustomEditorForm", &TCustomForm::StaticClassInfo())
            .Creator()
            .Build();
    return info;
}

TiCustomEditorForm::TiCustomEditorForm(TComponent* owner) : TCustomForm(owner) {}

namespace korvan::plot {

void NotifyUserChange(const TComponent* control) {
    if (auto* form = dynamic_cast<TiCustomEditorForm*>(control->Owner()))
        form->UserChange();
}

bool HandleTabKey(TWinControl* control, char& key) {
    if (key != '\t')
        return false;
    key = 0;
    if (auto* form = dynamic_cast<TCustomForm*>(control->Owner()))
        form->SelectNext(control, !IsShiftDown(), true);
    return true;
}

} // namespace korvan::plot

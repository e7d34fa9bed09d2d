#include "controls/plot/editor/EditorFrames.h"

#include "platform/forms/TypeInfo.h"

using korvan::forms::ClassBuilder;

const TClassInfo& TiComponentEditorPageControl::StaticClassInfo() {
    using C = TiComponentEditorPageControl;
    static const TClassInfo info =
        ClassBuilder<C>("TiComponentEditorPageControl", &TPageControl::StaticClassInfo())
            .Creator()
            .Property("TabIndex", &C::TabIndex, &C::SetTabIndex)
            .Default(0)
            .Build();
    return info;
}

unsigned TiComponentEditorPageControl::GetDlgCode() const {
    return TPageControl::GetDlgCode() | DLGC_WANTTAB | DLGC_WANTALLKEYS;
}

const TClassInfo& TiComponentEditorGroupBox::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiComponentEditorGroupBox>("TiComponentEditorGroupBox", &TGroupBox::StaticClassInfo())
            .Creator()
            .Build();
    return info;
}

const TClassInfo& TiPaintBox::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPaintBox>("TiPaintBox", &TCustomControl::StaticClassInfo()).Creator().Build();
    return info;
}

TiPaintBox::TiPaintBox(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() | csOpaque);
}

void TiPaintBox::Paint() {
    if (OnPaint)
        OnPaint(this);
}

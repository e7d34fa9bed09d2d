#pragma once
// The editor's containers and drawing surface: a page control whose stored
// tab index never changes the page (the active page comes from the form or
// from code), a group box, and a paint box whose OnPaint draws it.

#include "platform/forms/ComCtrls.h"
#include "platform/forms/StdCtrls.h"

#include <functional>

class TiComponentEditorPageControl : public TPageControl {
    KORVAN_CLASS(TiComponentEditorPageControl)
public:
    explicit TiComponentEditorPageControl(TComponent* owner) : TPageControl(owner) {}
    // Kept for stored forms; nothing reads it.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int value) { tabIndex_ = value; }
    unsigned GetDlgCode() const override;

private:
    int tabIndex_ = 0;
};

class TiComponentEditorGroupBox : public TGroupBox {
    KORVAN_CLASS(TiComponentEditorGroupBox)
public:
    explicit TiComponentEditorGroupBox(TComponent* owner) : TGroupBox(owner) {}
};

class TiPaintBox : public TCustomControl {
    KORVAN_CLASS(TiPaintBox)
public:
    explicit TiPaintBox(TComponent* owner);
    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};

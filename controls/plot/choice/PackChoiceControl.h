#pragma once
// What the pack's check box and radio group share: the change events with
// the user's own changes told apart, the pressed state of mouse and keys,
// and dropping that state when the focus goes.

#include "controls/plot/core/VCLComponent.h"
#include "platform/sys/FlagScope.h"

#include <string>

class TiPackChoiceControl : public TiCustomComponent {
public:
    explicit TiPackChoiceControl(TComponent* owner) : TiCustomComponent(owner) { SetTabStop(true); }

    TNotifyEvent OnChange;
    // Only for changes the user made by mouse (or space bar).
    TNotifyEvent OnChangeUser;

protected:
    // The plot's protected change event names the property.
    void DoChange(const std::string& propName);
    // Runs a change the user makes.
    template <class F> void AsUserChange(F&& change) {
        korvan::sys::FlagScope user(userGenerated_);
        change();
    }
    // A left press takes the focus and shows the pressed state; false for
    // other buttons.
    bool Press(TMouseButton button);
    // Ends a press; false when there was none.
    bool Release();
    void DoEnterFocus() override;
    void DoExitFocus() override;

    bool mouseDown_ = false;
    bool keyDown_ = false;

private:
    bool userGenerated_ = false;
};

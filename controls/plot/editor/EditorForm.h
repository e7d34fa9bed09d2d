#pragma once
// The base of the pack's run-time editor forms and the protocol its editor
// controls share: the editor loads a control silently (its change events
// detached and its blocking flag raised), and a change the user makes is
// reported through the control's own event and through the owning form's
// UserChange hook.

#include "platform/forms/Form.h"
#include "platform/sys/FlagScope.h"

#include <functional>
#include <tuple>

// Called to translate the texts of a freshly made form.
using TFormTranslationMethod = std::function<void(TCustomForm* form)>;

class TiCustomEditorForm : public TCustomForm {
    KORVAN_CLASS(TiCustomEditorForm)
public:
    explicit TiCustomEditorForm(TComponent* owner);
    // Every editor control calls this for a change the user made.
    virtual void UserChange() {}
};

namespace korvan::plot {

// The owner's UserChange, when the owner is an editor form.
void NotifyUserChange(const TComponent* control);

// Tab moves the focus of the control's form to the next tab stop, or the
// previous one while Shift is held; true (and the key swallowed) for Tab.
bool HandleTabKey(TWinControl* control, char& key);

// Runs `assign` with the blocking flag raised and the given events
// detached; both are put back afterwards, also when `assign` throws.
template <class F, class... Events> void Silently(bool& blocking, F&& assign, Events&... events) {
    sys::FlagScope block(blocking);
    auto saved = std::make_tuple(events...);
    struct Restore {
        decltype(saved)& values;
        std::tuple<Events&...> targets;
        ~Restore() { targets = values; }
    } restore{saved, std::tie(events...)};
    ((events = nullptr), ...);
    assign();
}

} // namespace korvan::plot

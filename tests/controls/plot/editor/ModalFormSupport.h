#pragma once
// Modal forms a plot makes for itself (owned by the application): a script
// runs on the form once its modal loop turns. When no such form shows, the
// test fails and every modal form is cancelled, so the test never hangs.

#include "platform/forms/Application.h"
#include "platform/forms/Form.h"
#include "platform/forms/GuiThread.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvan::testing {

// The shown form of class F the application owns; null when none.
template <class F> F* ShownApplicationForm() {
    for (int i = Application->ComponentCount() - 1; i >= 0; --i)
        if (auto* form = dynamic_cast<F*>(Application->Components(i)); form && form->Visible())
            return form;
    return nullptr;
}

// Forms of class F the application still owns.
template <class F> int ApplicationForms() {
    int count = 0;
    for (int i = 0; i < Application->ComponentCount(); ++i)
        count += dynamic_cast<F*>(Application->Components(i)) != nullptr;
    return count;
}

template <class F> void WhenShownModal(std::function<void(F&)> script) {
    forms::Gui().Post([script = std::move(script)] {
        F* form = ShownApplicationForm<F>();
        if (form && form->Modal()) {
            script(*form);
            return;
        }
        ADD_FAILURE() << "no modal form of the expected class";
        for (int i = 0; i < Application->ComponentCount(); ++i)
            if (auto* other = dynamic_cast<TCustomForm*>(Application->Components(i)); other && other->Modal())
                other->SetModalResult(mrCancel);
    });
}

} // namespace korvan::testing

#pragma once
// Builds windows in code the way a stored form would load them: while the
// scope is open every component created through it (and the root) is
// loading, so setters can tell a stored value from a user's change; Finish
// then calls Loaded on each of them in creation order.
//
//   LoadScope scope(form);
//   auto* button = scope.Create<TButton>(form, "Button1");
//   button->SetCaption("OK");
//   scope.Finish();
//
// A scope left without Finish (an exception while building) clears the
// loading state without calling Loaded.

#include "platform/forms/Component.h"

#include <string>
#include <utility>
#include <vector>

namespace korvan::forms {

class LoadScope {
public:
    explicit LoadScope(TComponent* root);
    ~LoadScope();
    LoadScope(const LoadScope&) = delete;
    LoadScope& operator=(const LoadScope&) = delete;

    // Creates T(owner, args...), names it and puts it in loading state.
    template <class T, class... Args> T* Create(TComponent* owner, const std::string& name, Args&&... args) {
        T* component = new T(owner, std::forward<Args>(args)...);
        if (!owner) {
            // Without an owner nobody else would free it on failure.
            orphans_.push_back(component);
        }
        component->SetName(name);
        Add(component);
        return component;
    }

    // Puts an existing component in loading state (once).
    void Add(TComponent* component);
    // Calls Loaded on every component in creation order.
    void Finish();

private:
    std::vector<TComponent*> components_;
    std::vector<TComponent*> orphans_;
    bool finished_ = false;
};

} // namespace korvan::forms

#pragma once
// The one way windows are built in code: the way a stored form would load
// them. While the scope is open every component created through it (and
// the root) is loading, so setters can tell a stored value from a user's
// change; Finish then calls Loaded on each of them in creation order.
//
//   LoadScope scope(form);
//   auto* button = scope.Place<TButton>(form, "Button1", 16, 96, 100, 32);
//   button->SetCaption("OK");
//   auto* timer = scope.PlaceTimer("Timer1", 100, [] { ... });
//   scope.Finish();
//
// A scope left without Finish (an exception while building) clears the
// loading state without calling Loaded.

#include "platform/forms/Component.h"
#include "platform/forms/Timer.h"
#include "platform/forms/WinControl.h"

#include <functional>
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

    // Creates T(owner, args...) in loading state and names it.
    template <class T, class... Args> T* Create(TComponent* owner, const std::string& name, Args&&... args) {
        T* component = new T(owner, std::forward<Args>(args)...);
        if (!owner) {
            // Without an owner nobody else would free it on failure.
            orphans_.push_back(component);
        }
        Add(component);
        component->SetName(name);
        return component;
    }

    // Creates a control owned by the scope's root, names it, puts it on
    // `parent` and gives it its bounds (left, top, width and height, as a
    // stored form lists them).
    template <class T>
    T* Place(TWinControl* parent, const std::string& name, int left, int top, int width, int height) {
        T* control = Create<T>(root_, name);
        control->SetParent(parent);
        control->SetBounds(left, top, width, height);
        return control;
    }

    // Creates a timer owned by the scope's root, stopped (a stored form's
    // timers start with Enabled false), ticking every `interval` ms into
    // `onTimer` once enabled.
    TTimer* PlaceTimer(const std::string& name, unsigned interval, std::function<void()> onTimer) {
        auto* timer = Create<TTimer>(root_, name);
        timer->SetEnabled(false);
        timer->SetInterval(interval);
        timer->SetOnTimer([onTimer = std::move(onTimer)](TObject*) { onTimer(); });
        return timer;
    }

    TComponent* Root() const { return root_; }
    // Puts an existing component in loading state (once).
    void Add(TComponent* component);
    // Calls Loaded on every component in creation order.
    void Finish();

private:
    TComponent* root_;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> orphans_;
    bool finished_ = false;
};

} // namespace korvan::forms

#include "platform/forms/LoadScope.h"

#include <algorithm>

namespace korvan::forms {

LoadScope::LoadScope(TComponent* root) : root_(root) {
    if (root)
        Add(root);
}

LoadScope::~LoadScope() {
    if (finished_)
        return;
    for (TComponent* c : components_) {
        c->SetReadingState(false);
        c->SetLoadingState(false);
    }
    for (TComponent* c : orphans_)
        delete c;
}

void LoadScope::Add(TComponent* component) {
    if (std::find(components_.begin(), components_.end(), component) != components_.end())
        return;
    component->SetLoadingState(true);
    component->SetReadingState(true);
    components_.push_back(component);
}

void LoadScope::Finish() {
    if (finished_)
        return;
    finished_ = true;
    orphans_.clear();
    for (TComponent* c : components_)
        c->SetReadingState(false);
    for (TComponent* c : components_)
        c->Loaded();
}

} // namespace korvan::forms

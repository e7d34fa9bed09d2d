#include "platform/forms/Component.h"

#include "platform/text/Exception.h"
#include "platform/text/Format.h"
#include "platform/text/StrUtils.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

const TClassInfo& TComponent::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TComponent>("TComponent", &TPersistent::StaticClassInfo())
            .Creator()
            .Property("Name", &TComponent::Name, &TComponent::SetName)
            .Stored(false) // the name is written in the object's header
            .Property("Tag", &TComponent::Tag, &TComponent::SetTag)
            .Default(0)
            .Build();
    return info;
}

bool IsValidIdent(std::string_view name) {
    if (name.empty())
        return false;
    auto alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (!alpha(name[0]))
        return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

// The first owned component of each name, the letter case ignored. While
// the names differ (the rename rule keeps them so) it answers FindComponent
// alone; once two share a name, which only a subclass's own rename rule can
// allow, FindComponent walks the list again, which finds the first of them.
struct TComponent::NameIndex {
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            std::size_t h = 14695981039346656037ull;
            for (char c : name)
                h = (h ^ static_cast<unsigned char>((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c)) *
                    1099511628211ull;
            return h;
        }
    };
    struct Same {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }
    };
    std::unordered_map<std::string, TComponent*, Hash, Same> byName;
    bool exact = true;
};

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    // Everyone who asked to hear of this component's end hears it now.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto& theirs = other->freeNotifies_;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::Destroying() {
    if (state_ & csDestroying)
        return;
    state_ |= csDestroying;
    for (TComponent* c : components_)
        c->Destroying();
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* c = components_.back();
        if (c->state_ & csFreeNotification)
            RemoveComponent(c);
        else
            Remove(c);
        delete c;
    }
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= int(components_.size()))
        throw EListError(Format("List index out of bounds (%d)", {index}));
    return components_[size_t(index)];
}

int TComponent::ComponentIndex() const {
    if (!owner_)
        return -1;
    const auto& list = owner_->components_;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty())
        return nullptr;
    if (names_ && names_->exact) {
        const auto it = names_->byName.find(name);
        return it == names_->byName.end() ? nullptr : it->second;
    }
    for (TComponent* c : components_)
        if (SameText(c->name_, name))
            return c;
    return nullptr;
}

void TComponent::SetName(const std::string& name) {
    if (name == name_)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError(Format("'%s' is not a valid component name", {name}));
    if (owner_)
        owner_->ValidateRename(this, name_, name);
    else
        ValidateRename(nullptr, name_, name);
    if (owner_)
        owner_->UnindexName(this, name_);
    name_ = name;
    if (owner_)
        owner_->IndexName(this);
    namedWhileLoading_ = HasState(csLoading);
}

void TComponent::ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName) {
    if (component && !SameText(currentName, newName) && component->owner_ == this && FindComponent(newName))
        throw EComponentError(Format("A component named %s already exists", {newName}));
}

std::string TComponent::GetNamePath() const {
    return name_;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->owner_ == this)
        return;
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    ValidateRename(component, "", component->name_);
    Insert(component);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->owner_ != this)
        return;
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
    IndexName(component);
}

void TComponent::Remove(TComponent* component) {
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
    component->owner_ = nullptr;
    UnindexName(component, component->name_);
}

void TComponent::IndexName(TComponent* component) {
    if (!names_)
        names_ = std::make_unique<NameIndex>();
    if (component->name_.empty() || !names_->exact)
        return;
    const auto [it, entered] = names_->byName.try_emplace(component->name_, component);
    if (!entered && it->second != component) {
        names_->exact = false;
        names_->byName.clear();
    }
}

void TComponent::UnindexName(TComponent* component, const std::string& name) {
    if (!names_ || !names_->exact || name.empty())
        return;
    if (const auto it = names_->byName.find(std::string_view(name));
        it != names_->byName.end() && it->second == component)
        names_->byName.erase(it);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component)
        RemoveFreeNotification(component);
    // Every component of a form hears of every new one: most own nothing,
    // and skipping the call for those keeps a large form's build quick.
    if (!components_.empty())
        NotifyAll(component, operation);
}

void TComponent::NotifyAll(TComponent* component, TOperation operation) {
    // Owned components may go away while they are told; walk from the end
    // and re-check the bound each step.
    for (size_t i = components_.size(); i-- > 0;) {
        if (i >= components_.size())
            i = components_.size() - 1;
        if (components_.empty())
            break;
        components_[i]->Notification(component, operation);
    }
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this)
        return;
    // Marked even when both share an owner: the owner then frees this one
    // through RemoveComponent, which tells every sibling, the watcher too.
    state_ |= csFreeNotification;
    if (owner_ && component->owner_ == owner_)
        return; // the common owner tells its components already
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
    state_ |= csFreeNotification;
    component->state_ |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component),
                        freeNotifies_.end());
    auto& theirs = component->freeNotifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    if (root != this)
        return;
    for (TComponent* c : std::vector<TComponent*>(components_))
        if (!c->HasParent())
            proc(c);
}

void TComponent::Loaded() {
    ++loadedCount_;
    state_ &= ~unsigned(csLoading);
}

namespace {
void SetFlag(TComponentState& state, unsigned flag, bool on) {
    state = on ? (state | flag) : (state & ~flag);
}
} // namespace

void TComponent::SetLoadingState(bool loading) {
    SetFlag(state_, csLoading, loading);
}
void TComponent::SetReadingState(bool reading) {
    SetFlag(state_, csReading, reading);
}
void TComponent::SetWritingState(bool writing) {
    SetFlag(state_, csWriting, writing);
}
void TComponent::SetUpdatingState(bool updating) {
    SetFlag(state_, csUpdating, updating);
}

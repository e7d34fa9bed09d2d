#pragma once
// Components: a name, a tag and an owner that frees them. An owner lists
// its components in creation order and finds them by name without regard
// to letter case. A component told about another's destruction
// (FreeNotification) gets Notification(other, opRemove) before it goes.
//
// Ownership: a component created with an owner is freed by that owner;
// deleting a component earlier removes it from its owner first. A
// component without owner belongs to whoever created it.

#include "platform/forms/Persistent.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

enum TOperation { opInsert, opRemove };

// Component state flags (a bit set).
enum TComponentStateFlag : unsigned {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4, // never set in this program
    csAncestor = 1u << 5,
    csUpdating = 1u << 6,
    csFixups = 1u << 7,
    csFreeNotification = 1u << 8,
    csInline = 1u << 9,
    csDesignInstance = 1u << 10
};
using TComponentState = unsigned;

class TComponent : public TPersistent {
    KORVAN_CLASS(TComponent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& Name() const { return name_; }
    // Raises EComponentError for an invalid identifier or a name already
    // used by another component of the same owner.
    virtual void SetName(const std::string& name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    TComponent* Owner() const { return owner_; }
    TPersistent* GetOwner() const override { return owner_; }
    std::string GetNamePath() const override;

    int ComponentCount() const { return int(components_.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    // The owned component with that name, ignoring letter case; null when
    // there is none.
    TComponent* FindComponent(std::string_view name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();

    TComponentState ComponentState() const { return state_; }
    bool HasState(unsigned flag) const { return (state_ & flag) != 0; }
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Streaming: the children written inside this component (a form
    // writes its owned components), the parent that holds it, and the
    // end of loading.
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent* parent) { (void)parent; }
    virtual bool HasParent() const { return false; }
    // Called once all stored properties are set. The base clears csLoading.
    virtual void Loaded();
    // How the component was built, for checks of the window builders: the
    // number of Loaded calls it has had, and whether it was loading when it
    // was named (a builder names a component before it sets any stored
    // property, so a component named outside loading was built outside it).
    int LoadedCount() const { return loadedCount_; }
    bool NamedWhileLoading() const { return namedWhileLoading_; }

    // State changes made by the readers and builders.
    void SetLoadingState(bool loading);
    void SetReadingState(bool reading);
    void SetWritingState(bool writing);
    void SetUpdatingState(bool updating);
    // Marks the component as being destroyed (and its owned components).
    void Destroying();

protected:
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void ValidateRename(TComponent* component, const std::string& currentName,
                                const std::string& newName);

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void NotifyAll(TComponent* component, TOperation operation);
    // The name index of the owned components: entered, left, renamed.
    void IndexName(TComponent* component);
    void UnindexName(TComponent* component, const std::string& name);

    std::string name_;
    int tag_ = 0;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    // The owned components by name, so that a form of thousands of
    // controls finds one, and checks a new name, without a walk through
    // all of them. Made with the first owned component.
    struct NameIndex;
    std::unique_ptr<NameIndex> names_;
    TComponentState state_ = 0;
    int loadedCount_ = 0;
    bool namedWhileLoading_ = false;
};

// True for a valid component name: a letter or "_" first, then letters,
// digits and "_".
bool IsValidIdent(std::string_view name);

#pragma once
// Object managers: a plot keeps its objects in one manager per kind plus
// one that lists every object. A manager lists objects in insertion order
// (an object's index is its place here), finds them by name without regard
// to letter case, gives new objects unique default names ("Channel 1",
// "Channel 2", ...), passes remove, rename and focus notices to the listed
// objects, and streams its list as one collection-valued stored property of
// the plot.
//
// Objects enter a manager only through the master's insert callback
// (NotificationInsert) and leave it through the remove callback
// (NotificationRemove) or Delete. An owned manager frees its objects on
// Clear.
//
// Like plot objects, managers are made and freed in two phases: Make
// registers a manager with the master (OnInsert) once it is whole, and Free
// clears it and raises OnRemove while it is still whole, so that the
// master sees its kind in both notices.

#include "controls/plot/core/PlotObject.h"

#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

class TReader;
class TWriter;

class TiPlotObjectManagerCustom : public TObject {
public:
    TiPlotObjectManagerCustom(const TiPlotObjectManagerCustom&) = delete;
    TiPlotObjectManagerCustom& operator=(const TiPlotObjectManagerCustom&) = delete;

    // Makes a manager and registers it with the master (its OnInsert).
    template <class M, class... Args> static std::unique_ptr<M, void (*)(M*)> Make(Args&&... args);
    // Clear, the removal notice, then destruction.
    void Free();

    TComponent* Owner() const { return owner_; }
    const TNotifyEvent& OnChange() const { return onChange_; }
    const TNotifyEvent& OnInsert() const { return onInsert_; }
    const TNotifyEvent& OnRemove() const { return onRemove_; }
    const TNotifyEvent& OnRename() const { return onRename_; }

    // Makes one object of the manager's kind with the manager's owner and
    // callbacks (not yet listed).
    virtual TiPlotObject* CreateObject() = 0;
    // The first word of default names.
    virtual std::string GetBaseName() const = 0;
    // An object left the list.
    virtual void ObjectRemoved(TiPlotObject* object);

    virtual void NotificationRemove(TObject* sender);
    // Lists `sender` when it is of the manager's kind.
    virtual void NotificationInsert(TObject* sender) = 0;
    virtual void NotificationRename(TObject* sender);
    virtual void NotificationSetFocus(TObject* sender);
    virtual void Clear();
    // Takes the entry out of the list (the object is not freed).
    virtual void Delete(int index);

    // Appends the object unless it is listed already.
    void InsertObject(TiPlotObject* object);
    int Count() const { return int(list_.size()); }
    // Raises EListError outside the list.
    TiPlotObject* Items(int index) const;
    int GetIndex(const TiPlotObject* object) const;
    TiPlotObject* GetObjectByName(std::string_view name) const;
    int GetIndexByName(std::string_view name) const;
    // The base name and one more than the highest number in use after it.
    std::string GetNextName() const;

    // The stored property is written only for a non-empty list.
    bool DoWriteToStream() const { return !list_.empty(); }
    void WriteToStream(TWriter& writer);
    // Clears the list, then makes, reads and completes one object per item.
    void ReadFromStream(TReader& reader);

    // Raises an Exception naming a missing owner or callback. Managers are
    // made through Make and freed through Free.
    TiPlotObjectManagerCustom(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                              TNotifyEvent onRemove, TNotifyEvent onRename);

protected:
    ~TiPlotObjectManagerCustom() override;
    // After the master knows the manager (the second phase of Make).
    virtual void AfterConstruction() {}
    // Phase one of Free: Clear, then OnRemove.
    virtual void BeforeDestruction();
    const std::vector<TiPlotObject*>& List() const { return list_; }
    // Makes an object of class T with the manager's owner and callbacks.
    template <class T> T* MakeObject() { return new T(owner_, onChange_, onInsert_, onRemove_, onRename_); }

private:
    std::vector<TiPlotObject*> list_;
    TComponent* owner_;
    TNotifyEvent onChange_, onRemove_, onInsert_, onRename_;
    bool destroying_ = false;
};

template <class M, class... Args>
std::unique_ptr<M, void (*)(M*)> TiPlotObjectManagerCustom::Make(Args&&... args) {
    std::unique_ptr<M, void (*)(M*)> manager(new M(std::forward<Args>(args)...), [](M* m) {
        if (m)
            m->Free();
    });
    TiPlotObjectManagerCustom* base = manager.get();
    if (const TNotifyEvent& onInsert = base->OnInsert())
        onInsert(base);
    base->AfterConstruction();
    return manager;
}

template <class M> using TiManagerPtr = std::unique_ptr<M, void (*)(M*)>;

// A manager that owns its objects and frees them on Clear.
class TiPlotObjectOwnedManager : public TiPlotObjectManagerCustom {
public:
    using TiPlotObjectManagerCustom::TiPlotObjectManagerCustom;
    // Frees every listed object once, first entry first.
    void Clear() override;
    // Tells every other listed object that `sender` goes, then drops it.
    void NotificationRemove(TObject* sender) override;
};

// The manager of one kind of object: it lists objects of that kind and
// names the unnamed ones, then lets AfterNaming give them their first
// links (a channel its axes and colour, an axis its title).
template <class TKind> class TiPlotKindManager : public TiPlotObjectOwnedManager {
public:
    using TiPlotObjectOwnedManager::TiPlotObjectOwnedManager;
    TKind* Items(int index) const { return static_cast<TKind*>(TiPlotObjectManagerCustom::Items(index)); }
    // An abstract kind (channels) leaves the choice of class to its manager.
    TiPlotObject* CreateObject() override {
        if constexpr (std::is_abstract_v<TKind>)
            return nullptr;
        else
            return MakeObject<TKind>();
    }
    void NotificationInsert(TObject* sender) override {
        auto* object = dynamic_cast<TKind*>(sender);
        if (!object)
            return;
        InsertObject(object);
        if (object->Name().empty() && NamesNewObjects()) {
            object->SetName(GetNextName());
            AfterNaming(object);
        }
    }

protected:
    // Whether unnamed objects get a default name (annotations do not).
    virtual bool NamesNewObjects() const { return true; }
    virtual void AfterNaming(TKind* object) { (void)object; }
};

// Every object of one plot, not owned: the plot clears selections and
// routes input to the user-selected objects through it.
class TiPlotObjectManager : public TiPlotObjectManagerCustom {
public:
    using TiPlotObjectManagerCustom::TiPlotObjectManagerCustom;
    // Raises "Object Manager does not support creation of objects".
    TiPlotObject* CreateObject() override;
    std::string GetBaseName() const override { return "n/a"; }
    void NotificationInsert(TObject* sender) override;

    void ClearAllUserSelections();
    void SetShiftState(TShiftState value);
    // The routing operations on every user-selected object, in list order.
    // The objects of one move share one copy of the hint record.
    void MouseDownFocusObjects(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                               TPopupMenu* popupMenu);
    void MouseMoveFocusObjects(TiHintData hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                               bool dblClickActive);
    void MouseUpFocusObjects(TMouseButton button, TShiftState shift, int x, int y, int screenX, int screenY,
                             bool dblClickActive, TPopupMenu* popupMenu);
    void KeyDownFocusObjects(std::uint16_t& charCode, TShiftState shift, TPopupMenu* popupMenu);
    // Every selected object's wheel, even after one took it; true when one
    // did.
    bool MouseWheelFocusObjects(int wheelDelta, TShiftState shift, TPoint mousePos);
    // Silences the objects so that tearing the plot down raises no notices.
    void ShutDownSetup();

private:
    std::vector<TiPlotObject*> Selected() const;
};

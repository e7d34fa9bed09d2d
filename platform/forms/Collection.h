#pragma once
// Collections: an owned, ordered list of items of one class, streamed as
// one property. Changes inside BeginUpdate/EndUpdate are reported once,
// at the last EndUpdate, as a change of the whole collection.
//
// Ownership: the collection frees its items; deleting an item earlier
// takes it out of its collection first.

#include "platform/forms/Persistent.h"

#include <functional>
#include <string>
#include <vector>

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
    KORVAN_CLASS(TCollectionItem)
public:
    // Adds itself to the collection when one is given.
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;

    TCollection* Collection() const { return collection_; }
    void SetCollection(TCollection* collection);
    int ID() const { return id_; }
    int Index() const;
    virtual void SetIndex(int index);
    virtual std::string GetDisplayName() const;
    TPersistent* GetOwner() const override;
    std::string GetNamePath() const override;

protected:
    // Reports a change of this item (or of all items) to the collection.
    virtual void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

class TCollection : public TPersistent {
    KORVAN_CLASS(TCollection)
public:
    using ItemFactory = std::function<TCollectionItem*(TCollection*)>;
    template <class TItem> static ItemFactory ItemClass() {
        return [](TCollection* c) -> TCollectionItem* { return new TItem(c); };
    }

    explicit TCollection(ItemFactory itemClass);
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int Count() const { return int(items_.size()); }
    // Raises EListError "List index out of bounds (<n>)" outside the list.
    TCollectionItem* Items(int index) const;
    TCollectionItem* FindItemID(int id) const;
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override { return nullptr; }
    std::string GetNamePath() const override;

    // Notifications for descendants.
    virtual void Update(TCollectionItem* item) { (void)item; }
    virtual void Notify(TCollectionItem* item, TCollectionNotification action) {
        (void)item;
        (void)action;
    }
    // Reports a change of the whole collection unless an update is open.
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void MoveItem(TCollectionItem* item, int index);

    ItemFactory itemClass_;
    std::vector<TCollectionItem*> items_;
    int updateCount_ = 0;
    int nextId_ = 0;
};

// A collection that names an owner for streaming and name paths.
class TOwnedCollection : public TCollection {
    KORVAN_CLASS(TOwnedCollection)
public:
    TOwnedCollection(TPersistent* owner, ItemFactory itemClass)
        : TCollection(std::move(itemClass)), owner_(owner) {}
    TPersistent* GetOwner() const override { return owner_; }

private:
    TPersistent* owner_;
};

#include "platform/forms/Collection.h"

#include "platform/text/Exception.h"
#include "platform/text/Format.h"

#include <algorithm>

const TClassInfo& TCollectionItem::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TCollectionItem>("TCollectionItem", &TPersistent::StaticClassInfo())
            .Build();
    return info;
}

const TClassInfo& TCollection::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TCollection>("TCollection", &TPersistent::StaticClassInfo()).Build();
    return info;
}

const TClassInfo& TOwnedCollection::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TOwnedCollection>("TOwnedCollection", &TCollection::StaticClassInfo())
            .Build();
    return info;
}

TCollectionItem::TCollectionItem(TCollection* collection) {
    SetCollection(collection);
}

TCollectionItem::~TCollectionItem() {
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* collection) {
    if (collection == collection_)
        return;
    if (collection_)
        collection_->RemoveItem(this);
    if (collection)
        collection->InsertItem(this);
}

int TCollectionItem::Index() const {
    if (!collection_)
        return -1;
    const auto& items = collection_->items_;
    return int(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
    if (collection_ && index != Index() && index >= 0) {
        collection_->MoveItem(this, index);
        Changed(true);
    }
}

std::string TCollectionItem::GetDisplayName() const {
    return ClassName();
}

TPersistent* TCollectionItem::GetOwner() const {
    return collection_;
}

std::string TCollectionItem::GetNamePath() const {
    if (!collection_)
        return ClassName();
    return collection_->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

void TCollectionItem::Changed(bool allItems) {
    if (collection_ && collection_->updateCount_ == 0)
        collection_->Update(allItems ? nullptr : this);
}

TCollection::TCollection(ItemFactory itemClass) : itemClass_(std::move(itemClass)) {}

TCollection::~TCollection() {
    updateCount_ = 1; // no change reports while the items go
    while (!items_.empty())
        delete items_.back();
}

TCollectionItem* TCollection::Add() {
    if (!itemClass_)
        throw EInvalidOperation("Collection has no item class");
    TCollectionItem* item = itemClass_(this);
    if (item->collection_ != this)
        item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int index) {
    TCollectionItem* item = Add();
    item->SetIndex(index);
    return item;
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= int(items_.size()))
        throw EListError(Format("List index out of bounds (%d)", {index}));
    return items_[size_t(index)];
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (TCollectionItem* item : items_)
        if (item->id_ == id)
            return item;
    return nullptr;
}

void TCollection::Delete(int index) {
    TCollectionItem* item = Items(index);
    Notify(item, cnDeleting);
    delete item;
}

void TCollection::Clear() {
    if (items_.empty())
        return;
    BeginUpdate();
    try {
        while (!items_.empty()) {
            TCollectionItem* item = items_.back();
            Notify(item, cnDeleting);
            delete item;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::BeginUpdate() {
    ++updateCount_;
}

void TCollection::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        Changed();
}

void TCollection::Changed() {
    if (updateCount_ == 0)
        Update(nullptr);
}

void TCollection::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TCollection*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* item : other->items_)
            Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

std::string TCollection::GetNamePath() const {
    if (TPersistent* owner = GetOwner())
        return owner->GetNamePath() + "." + ClassName();
    return ClassName();
}

void TCollection::InsertItem(TCollectionItem* item) {
    items_.push_back(item);
    item->collection_ = this;
    item->id_ = nextId_++;
    Notify(item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
    Notify(item, cnExtracting);
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    item->collection_ = nullptr;
    Changed();
}

void TCollection::MoveItem(TCollectionItem* item, int index) {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    index = std::min(index, int(items_.size()));
    items_.insert(items_.begin() + index, item);
}

#include "controls/gdip/GDIPPictureContainer.h"

#include "platform/text/Exception.h"

#include <algorithm>
#include <cctype>

using korvan::forms::ClassBuilder;

namespace {

std::string Upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

// ---------------------------------------------------------------- TPictureItem

const TClassInfo& TPictureItem::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TPictureItem>("TPictureItem", &TCollectionItem::StaticClassInfo())
            .Creator()
            .Property("Picture", &TPictureItem::Picture, &TPictureItem::SetPicture)
            .Property("Name", &TPictureItem::Name, &TPictureItem::SetName)
            .Property("Tag", &TPictureItem::Tag, &TPictureItem::SetTag)
            .Default(0)
            .Build();
    return info;
}

TPictureItem::TPictureItem(TCollection* collection)
    : TCollectionItem(collection), picture_(std::make_unique<TAdvGDIPPicture>()) {}

TPictureItem::~TPictureItem() = default;

void TPictureItem::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TPictureItem*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    name_ = other->name_;
    tag_ = other->tag_;
    picture_->Assign(other->picture_.get());
}

void TPictureItem::SetPicture(TAdvGDIPPicture* value) {
    if (value != picture_.get())
        picture_->Assign(value);
}

// ---------------------------------------------------------------- TPictureCollection

const TClassInfo& TPictureCollection::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TPictureCollection>("TPictureCollection", &TOwnedCollection::StaticClassInfo()).Build();
    return info;
}

TPictureCollection::TPictureCollection(TPersistent* owner)
    : TOwnedCollection(owner, TCollection::ItemClass<TPictureItem>()) {}

TPictureItem* TPictureCollection::Add() {
    return static_cast<TPictureItem*>(TCollection::Add());
}

TPictureItem* TPictureCollection::Insert(int index) {
    return static_cast<TPictureItem*>(TCollection::Insert(index));
}

TPictureItem* TPictureCollection::Items(int index) const {
    return static_cast<TPictureItem*>(TCollection::Items(index));
}

// ---------------------------------------------------------------- TGDIPPictureContainer

const TClassInfo& TGDIPPictureContainer::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TGDIPPictureContainer>("TGDIPPictureContainer", &TComponent::StaticClassInfo())
            .Creator()
            .Property("Items", &TGDIPPictureContainer::Items, &TGDIPPictureContainer::SetItems)
            .Property("Version", &TGDIPPictureContainer::Version, &TGDIPPictureContainer::SetVersion)
            .Build();
    return info;
}

TGDIPPictureContainer::TGDIPPictureContainer(TComponent* owner)
    : TComponent(owner), items_(std::make_unique<TPictureCollection>(this)) {}

TGDIPPictureContainer::~TGDIPPictureContainer() = default;

void TGDIPPictureContainer::SetItems(TPictureCollection* value) {
    if (value && value != items_.get())
        items_->Assign(value);
}

TAdvGDIPPicture* TGDIPPictureContainer::FindPicture(const std::string& s) const {
    const std::string wanted = Upper(s);
    for (int i = 0; i < items_->Count(); ++i)
        if (Upper(items_->Items(i)->Name()) == wanted)
            return items_->Items(i)->Picture();
    return nullptr;
}

std::string TGDIPPictureContainer::Version() const {
    constexpr std::uint32_t version = 1u << 24; // major, minor, release, build: one byte each
    return std::to_string(version >> 24) + "." + std::to_string((version >> 16) & 0xFF) + "." +
           std::to_string((version >> 8) & 0xFF) + "." + std::to_string(version & 0xFF);
}

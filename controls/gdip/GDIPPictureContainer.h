#pragma once
// TGDIPPictureContainer: a non-visual component holding named pictures;
// the HTML text renderer looks its images up here by name.

#include "controls/gdip/AdvGDIP.h"
#include "platform/forms/Collection.h"
#include "platform/forms/Component.h"

#include <memory>
#include <string>

class TPictureItem : public TCollectionItem {
    KORVAN_CLASS(TPictureItem)
public:
    explicit TPictureItem(TCollection* collection);
    ~TPictureItem() override;

    // Name, Tag and the picture's contents of another TPictureItem; any
    // other source raises EInvalidCast.
    void Assign(TPersistent* source) override;

    TAdvGDIPPicture* Picture() const { return picture_.get(); }
    // Copies the given picture's contents.
    void SetPicture(TAdvGDIPPicture* value);
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value) { name_ = value; }
    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }

private:
    std::unique_ptr<TAdvGDIPPicture> picture_;
    int tag_ = 0;
    std::string name_;
};

class TPictureCollection : public TOwnedCollection {
    KORVAN_CLASS(TPictureCollection)
public:
    explicit TPictureCollection(TPersistent* owner);
    TPictureItem* Add();
    TPictureItem* Insert(int index);
    TPictureItem* Items(int index) const;
};

class TGDIPPictureContainer : public TComponent {
    KORVAN_CLASS(TGDIPPictureContainer)
public:
    explicit TGDIPPictureContainer(TComponent* owner);
    ~TGDIPPictureContainer() override;

    TPictureCollection* Items() const { return items_.get(); }
    void SetItems(TPictureCollection* value);
    // The picture of the first item whose name equals s, case ignored;
    // null when no item has that name.
    virtual TAdvGDIPPicture* FindPicture(const std::string& s) const;
    // "1.0.0.0"; writing it is ignored.
    std::string Version() const;
    void SetVersion(const std::string&) {}

private:
    std::unique_ptr<TPictureCollection> items_;
};

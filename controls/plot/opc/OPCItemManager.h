#pragma once
// The list of OPC items of one component or channel, with its notification
// events and its stream format ("OPCItems": a collection of items, each with
// its stored properties).

#include "controls/plot/core/OPCItemBinding.h"
#include "controls/plot/opc/OPCItem.h"

#include <memory>
#include <vector>

class TiOPCItemManager : public IiOPCItemList {
public:
    explicit TiOPCItemManager(korvan::plot::OPCItemListHost host = {});
    ~TiOPCItemManager() override;
    TiOPCItemManager(const TiOPCItemManager&) = delete;
    TiOPCItemManager& operator=(const TiOPCItemManager&) = delete;

    int Count() const override { return static_cast<int>(items_.size()); }
    TiOPCItem& Item(int index) override;
    int Add() override;
    void Delete(int index) override;
    void Clear() override;
    int FindIndex(const TiOPCItem* item) const;

    TComponent* Owner() const { return host_.owner; }
    bool IsDesigning() const { return host_.getDesigning && host_.getDesigning(); }
    // The kind of the owner's property an item feeds (tkUnknown when asked
    // of no one).
    TTypeKind PropertyType(const std::string& propertyName) const;
    // An item received a value.
    void NewData(const TiOPCItem& item);

    bool DoWriteToStream() const override { return Count() > 0; }
    void WriteToStream(TWriter& writer) override;
    void ReadFromStream(TReader& reader) override;

private:
    korvan::plot::OPCItemListHost host_;
    std::vector<std::unique_ptr<TiOPCItem>> items_;
};

#include "controls/plot/opc/OPCItemManager.h"

#include "controls/plot/core/PackForms.h"
#include "platform/forms/Filer.h"
#include "platform/text/Exception.h"

TiOPCItemManager::TiOPCItemManager(korvan::plot::OPCItemListHost host) : host_(std::move(host)) {}

TiOPCItemManager::~TiOPCItemManager() {
    Clear();
}

TiOPCItem& TiOPCItemManager::Item(int index) {
    if (index < 0 || index >= Count())
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    return *items_[static_cast<std::size_t>(index)];
}

int TiOPCItemManager::Add() {
    items_.push_back(std::make_unique<TiOPCItem>(this));
    return Count() - 1;
}

void TiOPCItemManager::Delete(int index) {
    Item(index); // the bounds check
    items_.erase(items_.begin() + index);
}

void TiOPCItemManager::Clear() {
    while (!items_.empty())
        items_.erase(items_.begin());
}

int TiOPCItemManager::FindIndex(const TiOPCItem* item) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

TTypeKind TiOPCItemManager::PropertyType(const std::string& propertyName) const {
    return host_.getType ? host_.getType(propertyName) : tkUnknown;
}

void TiOPCItemManager::NewData(const TiOPCItem& item) {
    const int index = FindIndex(&item);
    if (index >= 0 && host_.newData)
        host_.newData(index);
}

void TiOPCItemManager::WriteToStream(TWriter& writer) {
    writer.WriteValue(vaCollection);
    for (const auto& item : items_) {
        writer.WriteListBegin();
        korvan::plot::WriteStoredProperties(writer, item.get());
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

void TiOPCItemManager::ReadFromStream(TReader& reader) {
    Clear();
    if (reader.ReadValue() != vaCollection)
        return;
    while (!reader.EndOfList()) {
        TiOPCItem& item = Item(Add());
        reader.ReadListBegin();
        while (!reader.EndOfList())
            reader.ReadProperty(&item);
        reader.ReadListEnd();
        item.Loaded();
    }
    reader.ReadListEnd();
}

#pragma once
// What the window layer needs of the OPC binding: a component's list of OPC
// items. The binding itself comes later and plugs in a factory; until it
// does (or when the client library is absent) a component has no item list,
// counts no items and binds nothing.

#include "controls/plot/core/PlotTypes.h"
#include "platform/forms/TypeInfo.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TComponent;
class TReader;
class TWriter;

class IiOPCItemList {
public:
    virtual ~IiOPCItemList() = default;
    virtual int Count() const = 0;
    // Appends a new item; its index.
    virtual int Add() = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    // Item access; an index outside the list raises the list's error.
    virtual std::string PropertyName(int index) const = 0;
    virtual bool Active(int index) const = 0;
    virtual TiOPCValue Data(int index) const = 0;
    virtual void SetData(int index, const TiOPCValue& value) = 0;
    // Both quality bits 0xC0 set.
    virtual bool QualityGood(int index) const = 0;
    // The stored property "OPCItems".
    virtual bool DoWriteToStream() const = 0;
    virtual void WriteToStream(TWriter& writer) = 0;
    virtual void ReadFromStream(TReader& reader) = 0;
};

namespace korvan::plot {

// What a component hands its item list.
struct OPCItemListHost {
    TComponent* owner = nullptr;
    std::function<bool()> getDesigning;
    // An item received a value (its index).
    std::function<void(int index)> newData;
    std::function<TTypeKind(const std::string& propertyName)> getType;
};

using OPCItemListFactory = std::function<std::unique_ptr<IiOPCItemList>(const OPCItemListHost& host)>;

// Installs the factory components make their item lists with (none: no
// lists). Components made before keep what they have.
void SetOPCItemListFactory(OPCItemListFactory factory);
std::unique_ptr<IiOPCItemList> MakeOPCItemList(const OPCItemListHost& host);

} // namespace korvan::plot

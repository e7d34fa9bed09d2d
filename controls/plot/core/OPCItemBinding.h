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

// One OPC item: a value of an OPC server bound to a property of the
// component by its dotted path.
class IiOPCItem {
public:
    virtual ~IiOPCItem() = default;
    virtual std::string ComputerName() const = 0;
    virtual void SetComputerName(const std::string& value) = 0;
    virtual std::string ServerName() const = 0;
    virtual void SetServerName(const std::string& value) = 0;
    virtual std::string ItemName() const = 0;
    virtual void SetItemName(const std::string& value) = 0;
    virtual std::string PropertyName() const = 0;
    virtual void SetPropertyName(const std::string& value) = 0;
    virtual bool AutoConnect() const = 0;
    virtual void SetAutoConnect(bool value) = 0;
    virtual int UpdateRate() const = 0;
    virtual void SetUpdateRate(int value) = 0;
    // The last value received; writing sends a value to the server.
    virtual TiOPCValue Data() const = 0;
    virtual void SetData(const TiOPCValue& value) = 0;
    virtual std::uint16_t Quality() const = 0;
    // Both quality bits 0xC0 set.
    virtual bool QualityGood() const = 0;
    // Days, as the framework's date-time.
    virtual double TimeStamp() const = 0;
    virtual bool Active() const = 0;
    virtual void Activate() = 0;
    virtual void Deactivate() = 0;
    virtual void UpdateResume() = 0;
    virtual void UpdateSuspend() = 0;
    // After streaming: connects when it should.
    virtual void Loaded() = 0;
};

class IiOPCItemList {
public:
    virtual ~IiOPCItemList() = default;
    virtual int Count() const = 0;
    // An index outside the list raises the list's error.
    virtual IiOPCItem& Item(int index) = 0;
    // Appends a new item; its index.
    virtual int Add() = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
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

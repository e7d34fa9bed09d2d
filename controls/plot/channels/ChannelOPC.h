#pragma once
// The OPC side both channel kinds share: an owned group manager and a list of
// two items (both feeding "Data"), the published properties that forward to
// those items, and the channel's own group. Without the OPC client library
// all of it exists and does nothing.

#include "controls/plot/opc/OPCItemManager.h"
#include "controls/plot/opc/OPCManager.h"
#include "platform/forms/TypeInfo.h"

#include <functional>
#include <memory>
#include <string>

class TiChannelOPCBinding {
public:
    struct Events {
        std::function<bool()> designing;
        // An item of the list received a value (its index).
        std::function<void(int index)> newData;
        std::function<void()> afterGroupUpdate;
    };
    explicit TiChannelOPCBinding(Events events);
    virtual ~TiChannelOPCBinding();
    TiChannelOPCBinding(const TiChannelOPCBinding&) = delete;
    TiChannelOPCBinding& operator=(const TiChannelOPCBinding&) = delete;

    TiOPCItemManager& OPCItemManager() { return items_; }
    TiOPCManager& OPCManager() { return *manager_; }

    // --- published: item 0 unless named 2 (item 1); none notifies the plot ---
    std::string OPCGroupName() const { return Item(0).GroupName(); }
    void SetOPCGroupName(const std::string& value) { Item(0).SetGroupName(value); }
    std::string OPCComputerName() const { return Item(0).ComputerName(); }
    void SetOPCComputerName(const std::string& value) { Item(0).SetComputerName(value); }
    bool OPCComputerNameStored() const;
    std::string OPCServerName() const { return Item(0).ServerName(); }
    void SetOPCServerName(const std::string& value) { Item(0).SetServerName(value); }
    std::string OPCItemName() const { return Item(0).ItemName(); }
    void SetOPCItemName(const std::string& value) { Item(0).SetItemName(value); }
    std::string OPCItem2Name() const { return Item(1).ItemName(); }
    void SetOPCItem2Name(const std::string& value) { Item(1).SetItemName(value); }
    int OPCUpdateRate() const { return Item(0).UpdateRate(); }
    void SetOPCUpdateRate(int value) { Item(0).SetUpdateRate(value); }
    double OPCScalar() const { return Item(0).Scalar(); }
    void SetOPCScalar(double value) { Item(0).SetScalar(value); }
    double OPCOffset() const { return Item(0).Offset(); }
    void SetOPCOffset(double value) { Item(0).SetOffset(value); }
    double OPCScalar2() const { return Item(1).Scalar(); }
    void SetOPCScalar2(double value) { Item(1).SetScalar(value); }
    double OPCOffset2() const { return Item(1).Offset(); }
    void SetOPCOffset2(double value) { Item(1).SetOffset(value); }
    bool OPCAutoConnect() const { return Item(0).AutoConnect(); }
    void SetOPCAutoConnect(bool value) { Item(0).SetAutoConnect(value); }

    // --- public, read-only ---
    bool OPCActive() const { return Item(0).Active(); }
    bool OPCQualityGood() const { return Item(0).QualityGood(); }

    // Registers the properties both channel kinds publish.
    template <class T> static void Publish(korvan::forms::ClassBuilder<T>& builder);

protected:
    TiOPCItem& Item(int index) const;
    bool OPCDesigning() const { return events_.designing && events_.designing(); }
    // Replaces the groups by one named for this channel alone, with item
    // 0's computer, server and rate; its name.
    std::string AddOwnGroup();

private:
    Events events_;
    // Made without owner or parent: the channel alone frees it.
    std::unique_ptr<TiOPCManager> manager_;
    mutable TiOPCItemManager items_;
};

namespace korvan::plot {
// Whether the component a channel belongs to is being designed.
bool OwnerDesigning(TComponent* owner);
} // namespace korvan::plot

// A received value as a number (True is -1, text by the number rules, an
// empty value 0).
double OPCValueToDouble(const TiOPCValue& value);

template <class T> void TiChannelOPCBinding::Publish(korvan::forms::ClassBuilder<T>& builder) {
    using B = TiChannelOPCBinding;
    builder.Property("OPCComputerName", &B::OPCComputerName, &B::SetOPCComputerName)
        .StoredBy([](const T& channel) { return static_cast<const B&>(channel).OPCComputerNameStored(); })
        .Property("OPCServerName", &B::OPCServerName, &B::SetOPCServerName)
        .Property("OPCItemName", &B::OPCItemName, &B::SetOPCItemName)
        .Property("OPCItem2Name", &B::OPCItem2Name, &B::SetOPCItem2Name)
        .Property("OPCUpdateRate", &B::OPCUpdateRate, &B::SetOPCUpdateRate)
        .Default(500)
        .Property("OPCScalar", &B::OPCScalar, &B::SetOPCScalar)
        .Property("OPCOffset", &B::OPCOffset, &B::SetOPCOffset)
        .Property("OPCScalar2", &B::OPCScalar2, &B::SetOPCScalar2)
        .Property("OPCOffset2", &B::OPCOffset2, &B::SetOPCOffset2)
        .Property("OPCAutoConnect", &B::OPCAutoConnect, &B::SetOPCAutoConnect)
        .Default(true);
}

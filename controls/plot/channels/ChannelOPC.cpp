#include "controls/plot/channels/ChannelOPC.h"

#include "controls/plot/core/Component.h"
#include "platform/text/FloatText.h"

#include <cstdio>

namespace {

korvan::plot::OPCItemListHost ItemHost(const TiChannelOPCBinding::Events& events) {
    korvan::plot::OPCItemListHost host;
    host.getDesigning = events.designing;
    host.newData = events.newData;
    return host;
}

} // namespace

TiChannelOPCBinding::TiChannelOPCBinding(Events events)
    : events_(std::move(events)), manager_(std::make_unique<TiOPCManager>(nullptr)),
      items_(ItemHost(events_)) {
    manager_->OnAfterGroupUpdate = [this](const std::string&) {
        if (events_.afterGroupUpdate)
            events_.afterGroupUpdate();
    };
    for (int i = 0; i < 2; ++i)
        items_.Item(items_.Add()).SetPropertyName("Data");
}

TiChannelOPCBinding::~TiChannelOPCBinding() = default;

TiOPCItem& TiChannelOPCBinding::Item(int index) const {
    return items_.Item(index);
}

bool TiChannelOPCBinding::OPCComputerNameStored() const {
    return OPCComputerName() != "Local";
}

std::string TiChannelOPCBinding::AddOwnGroup() {
    // The address of this channel's manager names a group no other channel
    // has.
    char name[32];
    std::snprintf(name, sizeof name, "%p", static_cast<const void*>(manager_.get()));
    manager_->GroupClear();
    manager_->GroupAdd(name, Item(0).ComputerName(), Item(0).ServerName(), Item(0).UpdateRate());
    return name;
}

double OPCValueToDouble(const TiOPCValue& value) {
    if (const auto* b = std::get_if<bool>(&value))
        return *b ? -1 : 0;
    if (const auto* i = std::get_if<std::int64_t>(&value))
        return static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&value))
        return *d;
    if (const auto* s = std::get_if<std::string>(&value))
        return StrToFloat(*s);
    return 0;
}

bool korvan::plot::OwnerDesigning(TComponent* owner) {
    if (const auto* component = dynamic_cast<const TiComponent*>(owner))
        return component->GetDesigning();
    return owner != nullptr && owner->HasState(csDesigning);
}

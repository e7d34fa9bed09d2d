#include "controls/plot/opc/OPCItem.h"

#include "controls/plot/core/Component.h"
#include "controls/plot/opc/OPCItemManager.h"
#include "controls/plot/opc/OPCLibrary.h"
#include "platform/forms/GuiThread.h"
#include "platform/text/Rounding.h"
#include "platform/text/StrUtils.h"

#include <algorithm>
#include <cmath>
#include <limits>

using korvan::forms::ClassBuilder;
using korvan::plot::opc::OPC;
using korvan::plot::opc::OPCLibraryMissing;

namespace korvan::plot::opc {

namespace {

bool IsIntegerType(std::uint16_t type) {
    return type == kOpcVtI2 || type == kOpcVtI4 || (type >= kOpcVtI1 && type <= kOpcVtI8);
}

bool IsFloatType(std::uint16_t type) {
    return type == kOpcVtR4 || type == kOpcVtR8;
}

// round(value) held inside the 32-bit range an item's integers have.
std::int64_t RoundInto32(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    return Round(std::clamp(value, low, high));
}

double AsDouble(const TiOPCValue& value) {
    if (const auto* i = std::get_if<std::int64_t>(&value))
        return static_cast<double>(*i);
    if (const auto* d = std::get_if<double>(&value))
        return *d;
    return 0;
}

} // namespace

TiOPCValue ScaleOPCValue(std::uint16_t type, const TiOPCValue& value, double scalar, double offset) {
    const bool integer = IsIntegerType(type) && std::holds_alternative<std::int64_t>(value);
    const bool real = IsFloatType(type) && std::holds_alternative<double>(value);
    if (!integer && !real)
        return value;
    TiOPCValue result = value;
    if (scalar != 0) {
        const double scaled = AsDouble(result) * scalar;
        result = integer ? TiOPCValue(RoundInto32(scaled)) : TiOPCValue(scaled);
    }
    if (offset != 0) {
        const double moved = AsDouble(result) + offset;
        result = integer ? TiOPCValue(RoundInto32(moved)) : TiOPCValue(moved);
    }
    return result;
}

} // namespace korvan::plot::opc

namespace {

using korvan::plot::opc::OPCCallbackObject;
using ItemCallback = OPCCallbackObject<KorvanOpcItemCallback>;

const KorvanOpcItemCallbackTable kItemTable = {
    &ItemCallback::QueryInterface, &ItemCallback::AddRef, &ItemCallback::Release,
    [](KorvanOpcItemCallback* self, std::int32_t reserved) { ItemCallback::Fire(self, 0, reserved); }};

} // namespace

const TClassInfo& TiOPCItem::StaticClassInfo() {
    using T = TiOPCItem;
    static const TClassInfo info = ClassBuilder<T>("TiOPCItem", &TPersistent::StaticClassInfo())
                                       .Property("PropertyName", &T::PropertyName, &T::SetPropertyName)
                                       .Property("GroupName", &T::GroupName, &T::SetGroupName)
                                       .Property("ComputerName", &T::ComputerName, &T::SetComputerName)
                                       .Property("ServerName", &T::ServerName, &T::SetServerName)
                                       .Property("ItemName", &T::ItemName, &T::SetItemName)
                                       .Property("Scalar", &T::Scalar, &T::SetScalar)
                                       .Property("Offset", &T::Offset, &T::SetOffset)
                                       .Property("UpdateRate", &T::UpdateRate, &T::SetUpdateRate)
                                       .Property("UpdateSuspended", &T::UpdateSuspended)
                                       .Property("AutoConnect", &T::AutoConnect, &T::SetAutoConnect)
                                       .Property("AutoError", &T::AutoError, &T::SetAutoError)
                                       .Build();
    return info;
}

TiOPCItem::TiOPCItem(TiOPCItemManager* owner)
    : owner_(owner),
      callback_(new ItemCallback(&kItemTable, korvan::plot::opc::kItemCallbackGuid, korvan::forms::Gui(),
                                 alive_, [this](int, std::int32_t) { ReceiveNewData(); })) {}

TiOPCItem::~TiOPCItem() {
    try {
        Deactivate();
    } catch (...) {
        // A library failing while the item goes leaves nothing to report to.
    }
}

bool TiOPCItem::CanTalk() const {
    return !OPCLibraryMissing() && owner_ != nullptr && !owner_->IsDesigning();
}

void TiOPCItem::Activate() {
    DoActivate(false);
}

void TiOPCItem::ActivateSuspend() {
    DoActivate(true);
}

void TiOPCItem::DoActivate(bool suspended) {
    if (!CanTalk())
        return;
    if (autoError_)
        UpdateErrorDisplay();
    if (signalHandle_ != 0)
        Deactivate();
    if (Trim(propertyName_).empty())
        return;
    if (Trim(groupName_).empty() && Trim(serverName_).empty())
        return;
    if (Trim(itemName_).empty())
        return;
    if (Active())
        Deactivate();
    const bool text = propertyType_ == tkLString || propertyType_ == tkWString || propertyType_ == tkUString;
    const std::uint16_t requested = text ? kOpcVtString : kOpcVtEmpty;
    signalHandle_ = OPC().SignalAdd(computerName_, serverName_, itemName_, groupName_, updateRate_, suspended,
                                    requested, callback_->Interface());
}

void TiOPCItem::Deactivate() {
    if (!CanTalk())
        return;
    // Handle 0 is no subscription: there is nothing to remove.
    if (signalHandle_ != 0)
        OPC().SignalRemove(signalHandle_);
    signalHandle_ = 0;
}

bool TiOPCItem::Active() const {
    if (!CanTalk())
        return false;
    return OPC().SignalGetActive(signalHandle_);
}

bool TiOPCItem::UpdateSuspended() const {
    if (OPCLibraryMissing() || signalHandle_ == 0)
        return false;
    return OPC().SignalGetUpdateSuspended(signalHandle_);
}

void TiOPCItem::UpdateResume() {
    if (!OPCLibraryMissing())
        OPC().SignalResume(signalHandle_);
}

void TiOPCItem::UpdateSuspend() {
    if (!OPCLibraryMissing())
        OPC().SignalSuspend(signalHandle_);
}

void TiOPCItem::SetData(const TiOPCValue& value) {
    if (!OPCLibraryMissing())
        OPC().SignalSendData(signalHandle_, value);
}

void TiOPCItem::ReadFromLibrary(bool scale) {
    const korvan::plot::opc::OPCTypedValue received = OPC().SignalGetData(signalHandle_);
    timeStamp_ = OPC().SignalGetTimeStamp(signalHandle_);
    quality_ = OPC().SignalGetQuality(signalHandle_);
    data_ = scale && QualityGood()
                ? korvan::plot::opc::ScaleOPCValue(received.type, received.value, scalar_, offset_)
                : received.value;
}

TiOPCValue TiOPCItem::GetDataNow(std::uint16_t& quality) {
    if (OPCLibraryMissing())
        return {};
    OPC().SignalGetDataNow(signalHandle_);
    ReadFromLibrary(false);
    quality = quality_;
    return data_;
}

void TiOPCItem::ReceiveNewData() {
    if (OPCLibraryMissing())
        return;
    ReadFromLibrary(true);
    if (autoError_)
        UpdateErrorDisplay();
    if (owner_ != nullptr)
        owner_->NewData(*this);
}

void TiOPCItem::UpdateErrorDisplay() {
    if (owner_ == nullptr || !Active())
        return;
    if (auto* component = dynamic_cast<TiComponent*>(owner_->Owner()))
        component->SetErrorActive(!QualityGood());
}

void TiOPCItem::Loaded() {
    try {
        if (autoError_)
            UpdateErrorDisplay();
        if (autoConnect_ && !(owner_ != nullptr && owner_->IsDesigning()))
            Activate();
    } catch (...) {
        // A server that cannot be reached after loading is not the form's
        // failure: the item stays unconnected.
    }
}

// ------------------------------------------------------------------ setters

void TiOPCItem::SetPropertyName(const std::string& value) {
    propertyName_ = value;
    if (owner_ != nullptr)
        propertyType_ = owner_->PropertyType(propertyName_);
}

void TiOPCItem::SetGroupName(const std::string& value) {
    groupName_ = value;
    if (Active())
        Activate();
}

void TiOPCItem::SetComputerName(const std::string& value) {
    computerName_ = value;
    Resubscribe();
}

void TiOPCItem::SetServerName(const std::string& value) {
    serverName_ = value;
    Resubscribe();
}

void TiOPCItem::SetItemName(const std::string& value) {
    itemName_ = value;
    Resubscribe();
}

void TiOPCItem::SetUpdateRate(int value) {
    updateRate_ = value;
    Resubscribe();
}

void TiOPCItem::Resubscribe() {
    if (!OPCLibraryMissing() && Active())
        Activate();
}

void TiOPCItem::SetAutoConnect(bool value) {
    autoConnect_ = value;
    if (OPCLibraryMissing() || owner_ == nullptr || owner_->Owner() == nullptr || !autoConnect_)
        return;
    TComponent* component = owner_->Owner();
    const auto* pack = dynamic_cast<TiComponent*>(component);
    const bool loading = pack != nullptr ? pack->IsLoading() : component->HasState(csLoading);
    if (!loading)
        Activate();
}

void TiOPCItem::SetAutoError(bool value) {
    if (autoError_ == value)
        return;
    autoError_ = value;
    if (autoError_)
        UpdateErrorDisplay();
}

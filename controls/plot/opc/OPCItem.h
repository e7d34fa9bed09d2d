#pragma once
// One OPC item: a subscription (a signal of the client library) to a value
// of an OPC server, with scaling of received numbers, quality and time stamp.
// Without the library every operation that would talk to it does nothing.

#include "controls/plot/core/OPCItemBinding.h"
#include "controls/plot/opc/OPCCallbacks.h"
#include "platform/forms/Persistent.h"

#include <cstdint>
#include <string>

class TiOPCItemManager;

class TiOPCItem : public TPersistent, public IiOPCItem {
    KORVAN_CLASS(TiOPCItem)
public:
    explicit TiOPCItem(TiOPCItemManager* owner = nullptr);
    ~TiOPCItem() override;
    TiOPCItem(const TiOPCItem&) = delete;
    TiOPCItem& operator=(const TiOPCItem&) = delete;

    std::string PropertyName() const override { return propertyName_; }
    void SetPropertyName(const std::string& value) override;
    std::string GroupName() const { return groupName_; }
    void SetGroupName(const std::string& value);
    std::string ComputerName() const override { return computerName_; }
    void SetComputerName(const std::string& value) override;
    std::string ServerName() const override { return serverName_; }
    void SetServerName(const std::string& value) override;
    std::string ItemName() const override { return itemName_; }
    void SetItemName(const std::string& value) override;
    double Scalar() const { return scalar_; }
    void SetScalar(double value) { scalar_ = value; }
    double Offset() const { return offset_; }
    void SetOffset(double value) { offset_ = value; }
    int UpdateRate() const override { return updateRate_; }
    void SetUpdateRate(int value) override;
    bool AutoConnect() const override { return autoConnect_; }
    void SetAutoConnect(bool value) override;
    bool AutoError() const { return autoError_; }
    void SetAutoError(bool value);
    bool UpdateSuspended() const;

    TiOPCValue Data() const override { return data_; }
    void SetData(const TiOPCValue& value) override;
    std::uint16_t Quality() const override { return quality_; }
    bool QualityGood() const override { return (quality_ & 0xC0) == 0xC0; }
    double TimeStamp() const override { return timeStamp_; }
    bool Active() const override;
    std::int32_t SignalHandle() const { return signalHandle_; }
    TiOPCItemManager* Owner() const { return owner_; }

    void Activate() override;
    void ActivateSuspend();
    void Deactivate() override;
    void UpdateResume() override;
    void UpdateSuspend() override;
    // Reads the value now (unscaled, no events); `quality` gets its quality.
    TiOPCValue GetDataNow(std::uint16_t& quality);
    void Loaded() override;

    // The library's NewData, on the GUI thread: reads, scales, reports.
    void ReceiveNewData();

private:
    void DoActivate(bool suspended);
    bool CanTalk() const;
    // A changed name or rate takes effect at once on an active item.
    void Resubscribe();
    void ReadFromLibrary(bool scale);
    void UpdateErrorDisplay();

    std::string propertyName_;
    TTypeKind propertyType_ = tkUnknown;
    std::string groupName_;
    std::string serverName_;
    std::string computerName_ = "Local";
    std::string itemName_;
    bool autoConnect_ = true;
    int updateRate_ = 500;
    double scalar_ = 0;
    double offset_ = 0;
    std::int32_t signalHandle_ = 0;
    TiOPCValue data_;
    double timeStamp_ = 0;
    std::uint16_t quality_ = 0;
    TiOPCItemManager* owner_ = nullptr;
    bool autoError_ = false;
    korvan::plot::opc::OPCAliveToken alive_ = std::make_shared<int>(0);
    korvan::plot::opc::OPCCallbackHandle<KorvanOpcItemCallback> callback_;
};

namespace korvan::plot::opc {
// A received number scaled by the item's rule: integers (variant types 2, 3
// and 16 to 20) become round(v x scalar) then round(v + offset), saturated
// into 32 bits; floats (4, 5) v x scalar + offset; a 0 factor or offset is
// skipped; other types stay as they came.
TiOPCValue ScaleOPCValue(std::uint16_t type, const TiOPCValue& value, double scalar, double offset);
} // namespace korvan::plot::opc

#pragma once
// A main window for dialogs on a bare form: it records every record sent
// and every call a dialog makes, and answers from plain fields.

#include "device/model/LUnitControl.h"
#include "device/protocol/LCmd.h"
#include "tests/support/FakeUnitHost.h"
#include "ui/host/WindowHost.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace korvan::test {

class RecordingHost : public WindowHost {
public:
    struct Sent {
        std::uint8_t id, code;
        std::vector<std::uint8_t> payload;
        bool append;
        bool operator==(const Sent&) const = default;
    };

    void SendCmd(const LCmd& cmd, bool append) override {
        sent.push_back({cmd.GetId(), cmd.GetCode(), cmd.GetPayload(), append});
    }
    std::uint8_t GetUnitId() const override { return unitId; }
    LUnitControl& Model() override { return model; }
    // A key without an entry in `texts` shows as itself.
    std::string Translate(std::string_view key) const override {
        const auto found = texts.find(key);
        return found == texts.end() ? std::string(key) : found->second;
    }
    bool IsUpdating() const override { return updating; }
    void SetUnitId(int id) override {
        if (id >= 1 && id <= 254)
            unitId = std::uint8_t(id);
    }
    void ShowInformation(std::string_view key) override { information.emplace_back(key); }

    std::vector<std::string> SerialPortNames() override { return {}; }
    void SelectComPort(const std::string&) override {}
    bool HasUsbDevice() const override { return false; }
    bool HasNetAddress() const override { return netAddress != 0; }
    void SelectNetTarget() override {}
    void OpenComLink() override {}
    void OpenUsbLink() override {}
    void OpenNetLink() override {}
    void CloseLink() override { ++linkCloses; }
    bool IsOnline() const override { return online; }
    bool IsSessionOpen() const override { return sessionOpen; }
    std::uint32_t NetAddress() const override { return netAddress; }
    void ApplyNetAddress(std::uint32_t address) override {
        netAddress = address;
        ++addressesApplied;
    }
    void SetAutoNetAddress(bool automatic) override { autoAddress = automatic; }
    void SetMonitorShown(bool shown) override { monitorShown = shown; }

    void EnableConnectControls() override {}
    void ShowNetworkSetup() override {}
    void ConfirmQuit(bool) override {}
    void CloseMainWindow() override {}

    void StorePreset(int, const std::string&) override {}
    void RecallPreset(int) override {}
    void RequestFactoryReset() override {}
    void PushChannelPeq(int) override {}
    void PushChannelGeq(int) override {}

    std::uint8_t unitId = 1;
    bool updating = false;
    bool online = false;
    bool sessionOpen = false;
    // The loopback address; the recording host never dials.
    std::uint32_t netAddress = 0x7F000001;
    bool autoAddress = false;
    bool monitorShown = false;
    int addressesApplied = 0;
    int linkCloses = 0;
    std::map<std::string, std::string, std::less<>> texts;
    std::vector<Sent> sent;
    std::vector<std::string> information;
    FakeUnitHost unitHost;
    LUnitControl model{unitHost};
};

} // namespace korvan::test

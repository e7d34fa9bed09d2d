#pragma once
// A window host for the dialogs in tests: the English language table, a
// device model over a recording unit host, and a record of the jobs and EQ
// resets the dialogs start.

#include "device/model/LUnitControl.h"
#include "platform/forms/Strings.h"
#include "resources/lang/LanguageTexts.h"
#include "tests/support/FakeUnitHost.h"
#include "ui/host/WindowHost.h"

#include <functional>
#include <string>
#include <vector>

namespace korvan::test {

class DialogHostFake : public WindowHost {
public:
    DialogHostFake() : model_(unit) { english_.SetText(lang::EnglishText()); }

    void SendCmd(const LCmd& cmd, bool append) override { unit.SendCmd(cmd, append); }
    std::uint8_t GetUnitId() const override { return unit.unitId; }
    LUnitControl& Model() override { return model_; }
    std::string Translate(std::string_view key) const override {
        const int index = english_.IndexOf(key);
        return index < 0 || index + 1 >= english_.Count() ? std::string(key) : english_.Get(index + 1);
    }
    bool IsUpdating() const override { return false; }
    void SetUnitId(int) override {}
    void ShowInformation(std::string_view) override {}
    std::vector<std::string> SerialPortNames() override { return {}; }
    void SelectComPort(const std::string&) override {}
    bool HasUsbDevice() const override { return false; }
    bool HasNetAddress() const override { return false; }
    void SelectNetTarget() override {}
    void OpenComLink() override {}
    void OpenUsbLink() override {}
    void OpenNetLink() override {}
    void CloseLink() override {}
    bool IsOnline() const override { return online; }
    std::uint32_t NetAddress() const override { return 0; }
    void ApplyNetAddress(std::uint32_t) override {}
    void SetAutoNetAddress(bool) override {}
    void SetMonitorShown(bool) override {}
    void EnableConnectControls() override {}
    void ShowNetworkSetup() override {}
    void ConfirmQuit(bool) override {}
    void CloseMainWindow() override {}

    bool IsSessionOpen() const override { return online; }
    void StorePreset(int n, const std::string& name) override {
        Record("store " + std::to_string(n) + " [" + name + "]");
    }
    void RecallPreset(int n) override { Record("recall " + std::to_string(n)); }
    void RequestFactoryReset() override { Record("factory reset"); }
    void PushChannelPeq(int ch) override { Record("peq " + std::to_string(ch)); }
    void PushChannelGeq(int code) override { Record("geq " + std::to_string(code)); }

    FakeUnitHost unit;
    bool online = true;
    // Each job or reset the dialogs started, in order.
    std::vector<std::string> calls;
    // Runs as each call is recorded: lets a test look at the windows then.
    std::function<void()> onCall;

private:
    void Record(std::string call) {
        calls.push_back(std::move(call));
        if (onCall)
            onCall();
    }

    LUnitControl model_;
    TStringList english_;
};

} // namespace korvan::test

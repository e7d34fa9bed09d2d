#pragma once
// A main window for dialogs on a bare form: it records every record sent
// and every call a dialog makes (the preset jobs and EQ resets in order in
// `calls`), and answers from plain fields. Texts are the keys themselves,
// those of `texts`, or (EnglishTexts) the English language table.

#include "device/model/LUnitControl.h"
#include "device/protocol/LCmd.h"
#include "platform/forms/Strings.h"
#include "resources/lang/LanguageTexts.h"
#include "tests/support/FakeUnitHost.h"
#include "ui/host/WindowHost.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
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

    // A key without an entry in `texts` shows in English from now on.
    void UseEnglishTexts() {
        english_ = std::make_unique<TStringList>();
        english_->SetText(lang::EnglishText());
    }

    void SendCmd(const LCmd& cmd, bool append) override {
        sent.push_back({cmd.GetId(), cmd.GetCode(), cmd.GetPayload(), append});
    }
    std::uint8_t GetUnitId() const override { return unitId; }
    LUnitControl& Model() override { return model; }
    // A key without an entry in `texts` (or the English table) shows as
    // itself.
    std::string Translate(std::string_view key) const override {
        if (const auto found = texts.find(key); found != texts.end())
            return found->second;
        if (english_) {
            const int index = english_->IndexOf(key);
            if (index >= 0 && index + 1 < english_->Count())
                return english_->Get(index + 1);
        }
        return std::string(key);
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

    void StorePreset(int n, const std::string& name) override {
        Record("store " + std::to_string(n) + " [" + name + "]");
    }
    void RecallPreset(int n) override { Record("recall " + std::to_string(n)); }
    void RequestFactoryReset() override { Record("factory reset"); }
    void PushChannelPeq(int ch) override { Record("peq " + std::to_string(ch)); }
    void PushChannelGeq(int code) override { Record("geq " + std::to_string(code)); }
    void SetChannelLink(int ch, int mask) override {
        model.SetLinkMask(ch, std::uint16_t(mask));
        Record("link " + std::to_string(ch) + " " + std::to_string(mask));
    }
    void CopyChannel(int from, int to, bool refresh) override {
        if (from != to)
            Record("copy " + std::to_string(from) + " " + std::to_string(to) + (refresh ? " refresh" : ""));
    }
    void SyncAfterLink() override { Record("sync"); }
    void UpdateShowButtons(int ch, bool shown) override {
        Record("show " + std::to_string(ch) + (shown ? " on" : " off"));
    }
    void UpdateLinkCaptions(int head, int ch) override {
        Record("caption " + std::to_string(head) + " " + std::to_string(ch));
    }
    void ShowGainPage() override { Record("gain page"); }
    void SelectFirstGeqInput() override { Record("geq A"); }
    void SetChannelName(int ch, const std::string& name) override {
        std::string bytes = name;
        bytes.resize(8, '\0');
        model.SetChName(ch, bytes.c_str());
        Record("name " + std::to_string(ch) + " [" + name + "]");
    }

    // On line with a session open, or neither.
    void SetOnLine(bool on) { online = sessionOpen = on; }

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
    // Each job or reset the dialogs started, in order.
    std::vector<std::string> calls;
    // Runs as each call is recorded: lets a test look at the windows then.
    std::function<void()> onCall;
    FakeUnitHost unitHost;
    LUnitControl model{unitHost};

private:
    void Record(std::string call) {
        calls.push_back(std::move(call));
        if (onCall)
            onCall();
    }

    std::unique_ptr<TStringList> english_;
};

} // namespace korvan::test

#pragma once
// The main window's windows and controls as the connection core sees them,
// recorded: every call becomes one line of `events` ("ShowInformation
// Unit's Type Error !!"), and the scan dialog keeps its Connected flag as the
// real one does (ScanResult sets it, ReportLinkBroken clears it).

#include "ui/main/MainConnectionView.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace korvan::test {

class RecordingConnectionView final : public MainConnectionView {
public:
    void PrepareProgress(const std::string& status, int position, int max) override {
        Add("PrepareProgress " + status + " " + std::to_string(position) + "/" + std::to_string(max));
    }
    void SetProgressPosition(int position) override { progressPositions.push_back(position); }
    void FillProgress() override { Add("FillProgress"); }
    void ShowProgressModal() override { Add("ShowProgressModal"); }
    void ShowProgress() override { Add("ShowProgress"); }
    void CloseProgress() override { Add("CloseProgress"); }
    void ShowInformation(const std::string& text) override { Add("ShowInformation " + text); }
    void ShowMessage(const std::string& text) override { Add("ShowMessage " + text); }
    void ShowUnlockPrompt() override { Add("ShowUnlockPrompt"); }
    void SetCheckResult(std::uint8_t result) override { checkResults.push_back(result); }
    bool IsScanDialogVisible() const override { return scanVisible; }
    bool IsScanConnected() const override { return scanConnected; }
    void ScanResult(std::uint8_t value) override {
        scanConnected = value == 1;
        Add("ScanResult " + std::to_string(value));
    }
    void ReportLinkBroken() override {
        scanConnected = false;
        Add("ReportLinkBroken");
    }
    void HideScanDialog() override { Add("HideScanDialog"); }
    void ShowScanDialogModal() override { Add("ShowScanDialogModal"); }
    void SetScanPosition(int position) override { Add("SetScanPosition " + std::to_string(position)); }
    void SetScanStatus(const std::string& text) override { scanStatus = text; }
    void ShowOnLine(const std::string& buttonText, const std::string& menuText,
                    const std::string& interfaceText) override {
        Add("ShowOnLine " + buttonText + "|" + menuText + "|" + interfaceText);
    }
    void ShowOffLine(const std::string& menuText, const std::string& buttonText,
                     const std::string& caption) override {
        Add("ShowOffLine " + menuText + "|" + buttonText + "|" + caption);
    }
    void EnableConnectButton() override { Add("EnableConnectButton"); }
    void SetMainWindowEnabled(bool enabled) override {
        Add(enabled ? "EnableMainWindow" : "DisableMainWindow");
    }
    void ShowUnitId(const std::string& text) override { unitIdLabel = text; }
    void SetStatusText(const std::string& text) override { statusText = text; }
    std::string StatusText() const override { return statusText; }
    bool IsMainWindowVisible() const override { return true; }
    void RefreshFromModel() override { Add("RefreshFromModel"); }
    void HidePendingGeqCurve() override { Add("HidePendingGeqCurve"); }
    void MarkOverlayChanged(int) override {}
    void OnLevelMeters(std::span<const std::uint8_t>) override { ++levelReplies; }
    void ClearMeters() override { Add("ClearMeters"); }
    void SetRecallPresetRow(int row, const std::string& name) override { recallRows[row] = name; }
    void SetStorePresetRow(int row, const std::string& name) override { storeRows[row] = name; }
    std::optional<std::string> AskSaveFileName(PresetFileKind) override { return std::nullopt; }
    void ShowFileWriteError(const std::string& path) override { Add("ShowFileWriteError " + path); }
    bool IsMonitorVisible() const override { return monitorVisible; }
    void AddMonitorLine(const std::string& line) override { monitorLines.push_back(line); }

    bool Has(const std::string& event) const {
        return std::find(events.begin(), events.end(), event) != events.end();
    }
    std::size_t Count(const std::string& event) const {
        return std::size_t(std::count(events.begin(), events.end(), event));
    }

    bool scanVisible = true;
    bool scanConnected = false;
    bool monitorVisible = false;
    std::vector<std::string> events;
    std::vector<int> progressPositions;
    std::vector<std::uint8_t> checkResults;
    std::string scanStatus;
    std::string unitIdLabel;
    std::string statusText;
    int levelReplies = 0;
    std::map<int, std::string> recallRows;
    std::map<int, std::string> storeRows;
    std::vector<std::string> monitorLines;

private:
    void Add(std::string event) { events.push_back(std::move(event)); }
};

} // namespace korvan::test

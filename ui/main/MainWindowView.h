#pragma once
// What the connection core shows, put on the main window's controls and
// secondary windows. It exists before the core (which reports the unit ID
// while it is built) and does nothing until the window attaches itself, nor
// after the window detaches on its way out.

#include "ui/main/MainConnectionView.h"

class TfmMain;

namespace korvan {

class MainWindowView final : public MainConnectionView {
public:
    void Attach(TfmMain* window) { window_ = window; }

    void PrepareProgress(const std::string& status, int position, int max) override;
    void SetProgressPosition(int position) override;
    void FillProgress() override;
    void ShowProgressModal() override;
    void ShowProgress() override;
    void CloseProgress() override;
    void ShowInformation(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void ShowUnlockPrompt() override;
    void SetCheckResult(std::uint8_t result) override;
    bool IsScanDialogVisible() const override;
    bool IsScanConnected() const override;
    void ScanResult(std::uint8_t value) override;
    void ReportLinkBroken() override;
    void HideScanDialog() override;
    void ShowScanDialogModal() override;
    void SetScanPosition(int position) override;
    void SetScanStatus(const std::string& text) override;
    void ShowOnLine(const std::string& buttonText, const std::string& menuText,
                    const std::string& interfaceText) override;
    void ShowOffLine(const std::string& menuText, const std::string& buttonText,
                     const std::string& caption) override;
    void EnableConnectButton() override;
    void SetMainWindowEnabled(bool enabled) override;
    void ShowUnitId(const std::string& text) override;
    void SetStatusText(const std::string& text) override;
    std::string StatusText() const override;
    bool IsMainWindowVisible() const override;
    void RefreshFromModel() override;
    void HidePendingGeqCurve() override;
    void MarkOverlayChanged(int ch) override;
    void OnLevelMeters(std::span<const std::uint8_t> payload) override;
    void ClearMeters() override;
    void SetRecallPresetRow(int row, const std::string& name) override;
    void SetStorePresetRow(int row, const std::string& name) override;
    std::optional<std::string> AskSaveFileName(PresetFileKind kind) override;
    void ShowFileWriteError(const std::string& path) override;
    bool IsMonitorVisible() const override;
    void AddMonitorLine(const std::string& line) override;

private:
    TfmMain* window_ = nullptr;
};

} // namespace korvan

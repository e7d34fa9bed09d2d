#pragma once
// What the main window's connection core shows and asks through windows and
// controls: the progress window, the information box, the unlock prompt, the
// scan dialog, the connection button and labels, the level meters, the
// preset lists and the frame monitor. The main window implements it over its
// controls and secondary windows; tests record the calls.
//
// Every call comes on the GUI thread. The modal calls (ShowProgressModal,
// ShowInformation, ShowUnlockPrompt, ShowScanDialogModal) may run a nested
// message loop before they return.

#include "device/model/UnitHost.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace korvan {

class MainConnectionView {
public:
    virtual ~MainConnectionView() = default;

    // --- progress window (fmProcess) ---
    // Status text, position and maximum, before it is shown.
    virtual void PrepareProgress(const std::string& status, int position, int max) = 0;
    virtual void SetProgressPosition(int position) = 0;
    // Position := its maximum.
    virtual void FillProgress() = 0;
    virtual void ShowProgressModal() = 0;
    // Shown without waiting, over a main window the caller disabled.
    virtual void ShowProgress() = 0;
    virtual void CloseProgress() = 0;

    // --- information box (fmInformation), modal ---
    virtual void ShowInformation(const std::string& text) = 0;
    // A plain message box of kind information with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;

    // --- unlock prompt (fmLockPassWord) ---
    // Shows the prompt; it tells the core UnlockPromptClosed when it goes.
    virtual void ShowUnlockPrompt() = 0;
    // The unit's answer to a submitted panel password (0 wrong, 1 accepted).
    virtual void SetCheckResult(std::uint8_t result) = 0;

    // --- scan dialog (fmNetwork) ---
    virtual bool IsScanDialogVisible() const = 0;
    // Its Connected flag: the identity answer came for the candidate.
    virtual bool IsScanConnected() const = 0;
    virtual void ScanResult(std::uint8_t value) = 0;
    virtual void ReportLinkBroken() = 0;
    virtual void HideScanDialog() = 0;
    virtual void ShowScanDialogModal() = 0;
    virtual void SetScanPosition(int position) = 0;
    virtual void SetScanStatus(const std::string& text) = 0;

    // --- main window controls ---
    // Identity accepted: the connection button's and the Connect item's
    // texts, the interface label, the button set down.
    virtual void ShowOnLine(const std::string& buttonText, const std::string& menuText,
                            const std::string& interfaceText) = 0;
    // Link closed: the texts and caption of the off-line state, the button
    // and the Connect item enabled and the button up, the window enabled.
    virtual void ShowOffLine(const std::string& menuText, const std::string& buttonText,
                             const std::string& caption) = 0;
    // End of the parameter read: the button and the Connect item enabled,
    // the button shown pressed.
    virtual void EnableConnectButton() = 0;
    // Disables the main window, or enables it and gives it the focus.
    virtual void SetMainWindowEnabled(bool enabled) = 0;
    // lbShowIdNumber.
    virtual void ShowUnitId(const std::string& text) = 0;
    // lbStatus, and whether the main window is visible.
    virtual void SetStatusText(const std::string& text) = 0;
    virtual std::string StatusText() const = 0;
    virtual bool IsMainWindowVisible() const = 0;

    // --- refresh from the model and the curves ---
    virtual void RefreshFromModel() = 0;
    // Clears the shaded-curve flag of the graphic-EQ display whose band was
    // last shown.
    virtual void HidePendingGeqCurve() = 0;
    virtual void MarkOverlayChanged(int ch) = 0;

    // --- level meters ---
    virtual void OnLevelMeters(std::span<const std::uint8_t> payload) = 0;
    virtual void ClearMeters() = 0;

    // --- preset lists, files ---
    virtual void SetRecallPresetRow(int row, const std::string& name) = 0;
    virtual void SetStorePresetRow(int row, const std::string& name) = 0;
    virtual std::optional<std::string> AskSaveFileName(PresetFileKind kind) = 0;
    virtual void ShowFileWriteError(const std::string& path) = 0;

    // --- frame monitor (fmHidData) ---
    virtual bool IsMonitorVisible() const = 0;
    virtual void AddMonitorLine(const std::string& line) = 0;
};

} // namespace korvan

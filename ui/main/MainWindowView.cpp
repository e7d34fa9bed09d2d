#include "ui/main/MainWindowView.h"

#include "platform/forms/Dialogs.h"
#include "ui/dialogs/FHidData.h"
#include "ui/dialogs/FInformation.h"
#include "ui/dialogs/FLockPassWord.h"
#include "ui/dialogs/FNetWorkScan.h"
#include "ui/dialogs/FProcess.h"
#include "ui/dialogs/FRecallPreset.h"
#include "ui/dialogs/FStorePreset.h"
#include "ui/dialogs/ModalWindows.h"
#include "ui/main/MainWindow.h"

namespace korvan {

// --- progress window -------------------------------------------------------------

void MainWindowView::PrepareProgress(const std::string& status, int position, int max) {
    if (!window_ || !fmProcess)
        return;
    fmProcess->StatusBar->SetCaption(status);
    fmProcess->ProgressBar->SetMax(max);
    fmProcess->ProgressBar->SetPosition(position);
}

void MainWindowView::SetProgressPosition(int position) {
    if (window_ && fmProcess)
        fmProcess->ProgressBar->SetPosition(position);
}

void MainWindowView::FillProgress() {
    if (window_ && fmProcess)
        fmProcess->ProgressBar->SetPosition(fmProcess->ProgressBar->Max());
}

void MainWindowView::ShowProgressModal() {
    if (window_)
        ShowModalOnce(fmProcess);
}

void MainWindowView::ShowProgress() {
    if (window_ && fmProcess)
        fmProcess->Show();
}

void MainWindowView::CloseProgress() {
    if (window_)
        CloseWindow(fmProcess);
}

// --- messages ------------------------------------------------------------------------

void MainWindowView::ShowInformation(const std::string& text) {
    if (!window_ || !fmInformation)
        return;
    fmInformation->lbMessage->SetCaption(text);
    ShowModalOnce(fmInformation);
}

void MainWindowView::ShowMessage(const std::string& text) {
    if (window_)
        forms::Dialogs().MessageBox(text, "Information", MB_OK | MB_ICONINFORMATION);
}

// --- unlock prompt -----------------------------------------------------------------

void MainWindowView::ShowUnlockPrompt() {
    if (!window_)
        return;
    ShowModalOnce(fmLockPassWord);
    // The window may have gone while the prompt was up.
    if (window_)
        window_->Connection().UnlockPromptClosed();
}

void MainWindowView::SetCheckResult(std::uint8_t result) {
    if (window_ && fmLockPassWord)
        fmLockPassWord->SetCheckResult(result);
}

// --- scan dialog ---------------------------------------------------------------------

bool MainWindowView::IsScanDialogVisible() const {
    return window_ && fmNetwork && fmNetwork->Visible();
}

bool MainWindowView::IsScanConnected() const {
    return window_ && fmNetwork && fmNetwork->Connected == 1;
}

void MainWindowView::ScanResult(std::uint8_t value) {
    if (window_ && fmNetwork)
        fmNetwork->ScanResult(value);
}

void MainWindowView::ReportLinkBroken() {
    if (window_ && fmNetwork)
        fmNetwork->ReportLinkBroken();
}

void MainWindowView::HideScanDialog() {
    if (window_)
        CloseWindow(fmNetwork);
}

void MainWindowView::ShowScanDialogModal() {
    if (window_)
        ShowModalOnce(fmNetwork);
}

void MainWindowView::SetScanPosition(int position) {
    if (window_ && fmNetwork)
        fmNetwork->pbScan->SetPosition(position);
}

void MainWindowView::SetScanStatus(const std::string& text) {
    if (window_ && fmNetwork)
        fmNetwork->lblScan->SetCaption(text);
}

// --- main window controls ------------------------------------------------------------

void MainWindowView::ShowOnLine(const std::string& buttonText, const std::string& menuText,
                                const std::string& interfaceText) {
    if (!window_)
        return;
    window_->rzbMenuLink->SetCaption(buttonText);
    window_->Connect->SetCaption(menuText);
    window_->lbConInterface->SetCaption(interfaceText);
    window_->rzbMenuLink->SetDown(true);
}

void MainWindowView::ShowOffLine(const std::string& menuText, const std::string& buttonText,
                                 const std::string& caption) {
    if (!window_)
        return;
    window_->Connect->SetCaption(menuText);
    window_->rzbMenuLink->SetCaption(buttonText);
    window_->SetCaption(caption);
    window_->lbConInterface->SetCaption("");
    window_->EnableConnectControls();
    window_->rzbMenuLink->SetDown(false);
    window_->SetEnabled(true);
}

void MainWindowView::EnableConnectButton() {
    if (!window_)
        return;
    window_->EnableConnectControls();
    window_->rzbMenuLink->SetDown(false);
    window_->rzbMenuLink->SetDown(true);
}

void MainWindowView::SetMainWindowEnabled(bool enabled) {
    if (!window_)
        return;
    window_->SetEnabled(enabled);
    if (enabled && window_->Visible())
        window_->BringToFront();
}

void MainWindowView::ShowUnitId(const std::string& text) {
    if (window_)
        window_->lbShowIdNumber->SetCaption(text);
}

void MainWindowView::SetStatusText(const std::string& text) {
    if (window_)
        window_->lbStatus->SetCaption(text);
}

std::string MainWindowView::StatusText() const {
    return window_ ? window_->lbStatus->Caption() : std::string();
}

bool MainWindowView::IsMainWindowVisible() const {
    return window_ && window_->Visible();
}

// --- refresh and curves --------------------------------------------------------------

void MainWindowView::RefreshFromModel() {
    if (window_)
        window_->RefreshFromModel();
}

void MainWindowView::HidePendingGeqCurve() {
    if (!window_)
        return;
    const PendingGeqEditState& edit = window_->Connection().PendingGeqEdit;
    if (edit.plotIndex < 0 || edit.plotIndex >= TfmMain::PlotCount)
        return;
    if (Plot* plot = window_->Plots[std::size_t(edit.plotIndex)].get())
        plot->ShowSectionParam(1, edit.section, float(edit.gain), edit.q, false);
}

// Every display that overlays channel `ch` (the channel displays of its
// kind and both Gain-page displays) redraws that overlay next time.
void MainWindowView::MarkOverlayChanged(int ch) {
    if (window_)
        editors::MarkOverlayChanged(window_->OverlayChanged, ch);
}

// --- level meters ----------------------------------------------------------------------

void MainWindowView::OnLevelMeters(std::span<const std::uint8_t> payload) {
    if (window_)
        window_->OnLevelMeters(payload);
}

void MainWindowView::ClearMeters() {
    if (window_)
        window_->ClearMeters();
}

// --- preset lists, files and the frame monitor: their windows and controls
// come with their own parts -------------------------------------------------------------

void MainWindowView::SetRecallPresetRow(int row, const std::string& name) {
    if (fmRecallPreset)
        fmRecallPreset->SetPresetRow(row, name);
}

void MainWindowView::SetStorePresetRow(int row, const std::string& name) {
    if (fmStorePreset)
        fmStorePreset->SetPresetRow(row, name);
}

std::optional<std::string> MainWindowView::AskSaveFileName(PresetFileKind kind) {
    if (!window_)
        return std::nullopt;
    forms::FileDialogOptions options;
    options.Filter = kind == PresetFileKind::Preset ? "*.prs|*.prs" : "*.unt|*.unt";
    return forms::Dialogs().SaveFile(options);
}

// The file that could not be written is left as it was.
void MainWindowView::ShowFileWriteError(const std::string& /*path*/) {
    if (window_)
        ShowInformation(window_->Translate("SID_INFO_ERROR_FILE"));
}

bool MainWindowView::IsMonitorVisible() const {
    return window_ && fmHidData && fmHidData->Visible();
}

void MainWindowView::AddMonitorLine(const std::string& line) {
    if (IsMonitorVisible())
        fmHidData->AddLine(line);
}

} // namespace korvan

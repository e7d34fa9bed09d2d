// The unit-file transfers of the File menu: the upload reads every stored
// preset of the unit page by page and then saves them as a ".unt" file; the
// download writes such a file into the unit page by page and restarts it.
// The page replies drive both; the acknowledgement table starts each stored
// preset.

#include "ui/main/MainConnection.h"

#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"

// --- upload ------------------------------------------------------------------

void TfmMainConnection::UploadUnit() {
    if (!SessionOpen) {
        ShowInformation("SID_INFO_CON_FIRST");
        return;
    }
    int used = 0;
    UploadPresetIndex = 0;
    for (int n = 0; n < korvan::kPresetSlots; ++n) {
        if (!UnitControl->IsPresetUsed(n))
            continue;
        ++used;
        if (UploadPresetIndex == 0)
            UploadPresetIndex = n + 1;
    }
    if (used == 0) {
        ShowInformation("SID_INFO_NO_SAVE_EXIST");
        return;
    }
    // A save still due from an earlier upload is overtaken by this one.
    tmUpload.SetEnabled(false);
    StopLevelPoll(Meters::Clear);
    SendCmd(CM_MCS_READ_EEPROM(GetUnitId(), 0, std::uint8_t(korvan::kDeviceInfoSize)), true);
    view_.PrepareProgress(Translate("SID_UPLOAD_PRESET"), 0, used);
    view_.ShowProgressModal();
}

void TfmMainConnection::OnPresetPage(std::span<const std::uint8_t> payload) {
    if (expectedPage_ < 0 || pageCode_ != MCS_READ_PRESET_PAGE)
        return;
    // Only the page asked for goes into the stored preset, so that a wrong
    // or overlong page never leaves a gap in the file.
    const bool asked = !payload.empty() && payload[0] == expectedPage_;
    const korvan::PageResult result =
        asked ? UnitControl->ReceivePresetBlock(UploadPresetIndex, payload) : korvan::PageResult::Ignored;
    if (result == korvan::PageResult::Ignored) {
        AskPageAgain();
        return;
    }
    pageRetries_ = 0;
    if (result == korvan::PageResult::Stored) {
        RequestPresetPage(expectedPage_ + 1);
        return;
    }
    expectedPage_ = -1;
    int done = 0;
    for (int n = 0; n < UploadPresetIndex; ++n)
        done += UnitControl->IsPresetUsed(n) ? 1 : 0;
    do
        ++UploadPresetIndex;
    while (UploadPresetIndex <= korvan::kPresetSlots && !UnitControl->IsPresetUsed(UploadPresetIndex - 1));
    if (UploadPresetIndex <= korvan::kPresetSlots) {
        view_.SetProgressPosition(done);
        RequestPresetData(UploadPresetIndex);
        return;
    }
    // Every stored preset is in: the file is saved once the progress window
    // has gone, from a timer rather than from inside this reply.
    SendCode(MCS_ALIVE, false);
    CloseProgress();
    tmUpload.SetEnabled(true);
    StartLevelPoll();
}

void TfmMainConnection::tmUploadTimer() {
    tmUpload.SetEnabled(false);
    UnitControl->SaveUnitFile();
}

// --- download ----------------------------------------------------------------

void TfmMainConnection::DownloadUnit(const std::string& path) {
    if (!SessionOpen)
        return;
    // The whole file is checked before anything is sent: a unit is never
    // reset for a file that cannot be written into it.
    auto file = UnitControl->ReadUnitFile(path);
    if (!file)
        return;
    UnitFilePresets = *file;
    UnitFileHeader = file->deviceInfo;
    DownloadPresetIndex = 1;
    downloadedRecords_ = 0;
    downloading_ = true;
    StopLevelPoll(Meters::Clear);
    SetLinkTimeout(korvan::JobReplyTimeoutMs);
    JobState = JobDownloadStart;
    SendCode(MCS_FACTORY_RESET, true);
    view_.SetMainWindowEnabled(false);
    view_.PrepareProgress(Translate("SID_DOWNLOAD_PRESET"), 0, UnitFilePresets.UsedCount());
    view_.ShowProgress();
}

void TfmMainConnection::DownloadNextPreset(int index) {
    if (!downloading_)
        return;
    DownloadPresetIndex = index;
    while (DownloadPresetIndex <= korvan::kPresetSlots && !UnitFilePresets.IsUsed(DownloadPresetIndex - 1))
        ++DownloadPresetIndex;
    if (DownloadPresetIndex > korvan::kPresetSlots) {
        FinishDownload();
        return;
    }
    pageRetries_ = 0;
    SendDownloadPage(0);
}

// Every page names the slot of its record: the file's checks made the
// record's own slot byte equal to its position.
void TfmMainConnection::SendDownloadPage(int page) {
    expectedPage_ = page;
    pageCode_ = MCS_DOWNLOAD;
    const korvan::PageData data = UnitFilePresets.DownloadPage(DownloadPresetIndex - 1, page);
    SendCmd(CM_MCS_DOWNLOAD(GetUnitId(), std::uint8_t(DownloadPresetIndex - 1), std::uint8_t(page), data),
            true);
}

void TfmMainConnection::OnDownloadAck(std::span<const std::uint8_t> payload) {
    if (!downloading_ || expectedPage_ < 0 || pageCode_ != MCS_DOWNLOAD)
        return;
    if (payload.empty() || payload[0] != expectedPage_) {
        AskPageAgain();
        return;
    }
    pageRetries_ = 0;
    if (expectedPage_ < korvan::kLastPage) {
        SendDownloadPage(expectedPage_ + 1);
        return;
    }
    expectedPage_ = -1;
    // The bar counts the records written, so it fills with the last one
    // whatever empty records lie between.
    view_.SetProgressPosition(++downloadedRecords_);
    DownloadNextPreset(DownloadPresetIndex + 1);
}

// The unit restarts with the file's presets: the link to it closes shortly
// after the restart is sent.
void TfmMainConnection::FinishDownload() {
    downloading_ = false;
    expectedPage_ = -1;
    view_.CloseProgress();
    view_.SetMainWindowEnabled(true);
    SendCmd(CM_MCS_MCU_RESET(GetUnitId()), true);
    tmDisconnect.SetEnabled(true);
}

// The starts of the preset jobs that the dialogs and the File menu run:
// store, recall, factory reset and loading a preset file. The
// acknowledgement table and the level reply advance them.

#include "ui/main/MainConnection.h"

#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "platform/sys/FlagScope.h"

namespace {
constexpr int StoreSteps = 2;
constexpr int RecallSteps = 29;
// The level reply that follows the file's records closes the progress window.
constexpr int FileLoadDone = 12;
} // namespace

void TfmMainConnection::StorePreset(int n, const std::string& name) {
    if (!SessionOpen || n < 0 || n >= korvan::kPresetSlots)
        return;
    JobState = JobStore;
    StopLevelPoll(Meters::Clear);
    CurrentPreset = n + 1;
    UnitControl->MarkPresetUsed(n);
    UnitControl->SetCurrentName(name);
    view_.RefreshFromModel();
    SetLinkTimeout(korvan::JobReplyTimeoutMs);
    SendCmd(CM_MCS_PRESETNAME(GetUnitId(), UnitControl->GetPresetNameChars()), true);
    view_.PrepareProgress(Translate("SID_STORE_PRESET"), 0, StoreSteps);
    view_.ShowProgressModal();
}

void TfmMainConnection::RecallPreset(int n) {
    if (!SessionOpen || n < 0 || n > korvan::kPresetSlots)
        return;
    JobState = JobRecall;
    StopLevelPoll(Meters::Clear);
    SetLinkTimeout(korvan::JobReplyTimeoutMs);
    CurrentPreset = n;
    SendCode(MCS_RECALL_PRESET, std::uint8_t(n), true);
    view_.PrepareProgress(Translate("SID_LOAD_PRESET"), 0, RecallSteps);
    view_.ShowProgressModal();
}

void TfmMainConnection::RequestFactoryReset() {
    if (!SessionOpen)
        return;
    JobState = JobFactoryReset;
    StopLevelPoll(Meters::Clear);
    SetLinkTimeout(korvan::JobReplyTimeoutMs);
    SendCode(MCS_FACTORY_RESET, true);
}

void TfmMainConnection::LoadPresetFile(const std::string& path) {
    if (!UnitControl->OpenPresetFile(path))
        return;
    {
        korvan::sys::FlagScope guard(Updating);
        view_.RefreshFromModel();
    }
    // The level poll's reply, queued behind the file's records, closes the
    // progress window. Without the poll nothing would: then the records are
    // queued already and no window is shown.
    if (!SessionOpen || !IsLevelPollRunning())
        return;
    FileLoadState = FileLoadDone;
    view_.PrepareProgress(Translate("SID_LOAD_PRESET"), 0, 1);
    view_.ShowProgressModal();
}

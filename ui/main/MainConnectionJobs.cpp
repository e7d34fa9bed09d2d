// The starts of the preset jobs that the dialogs run: store, recall and
// factory reset. The acknowledgement table advances them.

#include "ui/main/MainConnection.h"

#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"

namespace {
constexpr std::uint32_t JobReplyTimeoutMs = 10000;
constexpr int StoreSteps = 2;
constexpr int RecallSteps = 29;
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
    SetLinkTimeout(JobReplyTimeoutMs);
    SendCmd(CM_MCS_PRESETNAME(GetUnitId(), UnitControl->GetPresetNameChars()), true);
    view_.PrepareProgress(Translate("SID_STORE_PRESET"), 0, StoreSteps);
    view_.ShowProgressModal();
}

void TfmMainConnection::RecallPreset(int n) {
    if (!SessionOpen || n < 0 || n > korvan::kPresetSlots)
        return;
    JobState = JobRecall;
    StopLevelPoll(Meters::Clear);
    SetLinkTimeout(JobReplyTimeoutMs);
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
    SetLinkTimeout(JobReplyTimeoutMs);
    SendCode(MCS_FACTORY_RESET, true);
}

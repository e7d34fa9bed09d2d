#include "ui/dialogs/FRecallPreset.h"

TfmRecallPreset* fmRecallPreset = nullptr;

namespace {
const korvan::PresetListKind RecallList{"fmRecallPreset", "SID_RECALL_PRESET", "Recall Preset", true};
} // namespace

TfmRecallPreset::TfmRecallPreset(TComponent* owner, korvan::WindowHost& host)
    : PresetListForm(owner, host, RecallList) {}

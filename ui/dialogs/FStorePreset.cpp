#include "ui/dialogs/FStorePreset.h"

TfmStorePreset* fmStorePreset = nullptr;

namespace {
const korvan::PresetListKind StoreList{"fmStorePreset", "SID_SAVE_PRESET", "Store Preset", false};
} // namespace

TfmStorePreset::TfmStorePreset(TComponent* owner, korvan::WindowHost& host)
    : PresetListForm(owner, host, StoreList) {}

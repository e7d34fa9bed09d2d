#pragma once
// The store list: slots U01..U20; picking one opens the name window to store the current settings there under
// a typed name.

#include "ui/dialogs/PresetListForm.h"

class TfmStorePreset : public korvan::PresetListForm {
public:
    TfmStorePreset(TComponent* owner, korvan::WindowHost& host);
};

extern TfmStorePreset* fmStorePreset;

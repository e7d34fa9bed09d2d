#pragma once
// The recall list: the factory preset F00 and slots U01..U20; picking one opens the name window, whose OK
// recalls it.

#include "ui/dialogs/PresetListForm.h"

class TfmRecallPreset : public korvan::PresetListForm {
public:
    TfmRecallPreset(TComponent* owner, korvan::WindowHost& host);
};

extern TfmRecallPreset* fmRecallPreset;

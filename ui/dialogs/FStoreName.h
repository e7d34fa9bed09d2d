#pragma once
// The preset-name window that the store and recall lists open for the
// picked row: in store mode the user types the name and OK stores the
// current settings under it; in recall mode the name is only shown and OK
// recalls the preset.

#include "ui/dialogs/NameEntryForm.h"

#include <string>

class TfmStoreName : public korvan::NameEntryForm {
public:
    TfmStoreName(TComponent* owner, korvan::WindowHost& host);

    TLabel* lblPresetName;
    TLabel* lTitle;

    // 0-based: slot - 1 from the store list, 0 (F00) .. 20 from the recall list.
    void SetPresetNumber(int n) { PresetNumber = n; }
    int GetPresetNumber() const { return PresetNumber; }
    // 1: store the typed name; 0: recall.
    void SetStoreMode(int mode) { StoreMode = mode; }
    int GetStoreMode() const { return StoreMode; }

    void FormShow(TObject* Sender);
    void FormActivate(TObject* Sender);
    void btnOKClick(TObject* Sender) override;

private:
    int PresetNumber = 0;
    int StoreMode = 0;
};

extern TfmStoreName* fmStoreName;

#pragma once
// The preset-name window that the store and recall lists open for the
// picked row: in store mode the user types the name and OK stores the
// current settings under it; in recall mode the name is only shown and OK
// recalls the preset.

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

#include <string>

class TfmStoreName : public korvan::HostedForm {
public:
    TfmStoreName(TComponent* owner, korvan::WindowHost& host);

    TLabel* lblPresetName;
    TLabel* lTitle;
    TEdit* edName;
    TButton* btnOK;
    TButton* bnCancel;

    // 0-based: slot - 1 from the store list, 0 (F00) .. 20 from the recall list.
    void SetPresetNumber(int n) { PresetNumber = n; }
    int GetPresetNumber() const { return PresetNumber; }
    // 1: store the typed name; 0: recall.
    void SetStoreMode(int mode) { StoreMode = mode; }
    int GetStoreMode() const { return StoreMode; }
    // Shows the name without its trailing blanks and carriage returns.
    void SetNameText(const std::string& name);

    void FormShow(TObject* Sender);
    void FormActivate(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void bnCancelClick(TObject* Sender);
    void edNameKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift);

private:
    int PresetNumber = 0;
    int StoreMode = 0;
};

extern TfmStoreName* fmStoreName;

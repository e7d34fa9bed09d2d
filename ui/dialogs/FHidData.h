#pragma once
// The frame monitor: one line of hexadecimal bytes for every frame the
// editor writes or receives while the window is shown. The main window
// makes the lines; the window tells it when it is shown or hidden, so that
// nothing is formatted while nobody looks.

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

#include <string>

class TfmHidData : public korvan::HostedForm {
public:
    TfmHidData(TComponent* owner, korvan::WindowHost& host);

    TListBox* hbHidData;
    TButton* bnClear;

    // Adds a frame's line and selects it, so the list shows the newest.
    void AddLine(const std::string& line);
    void bnClearClick(TObject* Sender);
};

extern TfmHidData* fmHidData;

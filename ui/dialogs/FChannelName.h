#pragma once
// The channel-name window: renames one channel. OK stores the typed name
// (8 bytes, NUL-padded) and sends it, even when it did not change.

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

#include <string>

class TfmChannelName : public korvan::HostedForm {
public:
    TfmChannelName(TComponent* owner, korvan::WindowHost& host);

    TLabel* lbChannelName;
    TLabel* lbChannel;
    TEdit* edName;
    TButton* btnOK;
    TButton* bnCancel;

    // The channel (0..11) the window renames.
    void SetChannel(int ch);
    int Channel() const { return channel_; }
    // Shows the name without its trailing blanks and carriage returns.
    void SetNameText(const std::string& name);

    void FormShow(TObject* Sender);
    void FormActivate(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void bnCancelClick(TObject* Sender);
    void edNameKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift);

private:
    int channel_ = 0;
};

extern TfmChannelName* fmChannelName;

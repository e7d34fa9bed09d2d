#pragma once
// The channel-name window: renames one channel. OK stores the typed name
// (8 bytes, NUL-padded) and sends it, even when it did not change.

#include "ui/dialogs/NameEntryForm.h"

class TfmChannelName : public korvan::NameEntryForm {
public:
    TfmChannelName(TComponent* owner, korvan::WindowHost& host);

    TLabel* lbChannelName;
    TLabel* lbChannel;

    // The channel (0..11) the window renames.
    void SetChannel(int ch);
    int Channel() const { return channel_; }

    void FormShow(TObject* Sender);
    void FormActivate(TObject* Sender);
    void btnOKClick(TObject* Sender) override;

private:
    int channel_ = 0;
};

extern TfmChannelName* fmChannelName;

#include "ui/dialogs/FChannelName.h"

#include "ui/dialogs/ChannelNameText.h"
#include "ui/dialogs/ModalWindows.h"

TfmChannelName* fmChannelName = nullptr;

namespace {
constexpr int ChannelCount = 12;
constexpr korvan::NameEntryLayout Layout{.form = "fmChannelName",
                                         .caption = "Channel Name",
                                         .title = "lbChannelName",
                                         .titleText = "Channel Name",
                                         .lead = "lbChannel",
                                         .leadText = "InA : ",
                                         .clientWidth = 250,
                                         .fieldLeft = 84,
                                         .fieldWidth = 146,
                                         .maxLength = korvan::ChannelNameLength,
                                         .fieldText = "Input1"};
} // namespace

TfmChannelName::TfmChannelName(TComponent* owner, korvan::WindowHost& host)
    : NameEntryForm(owner, host, Layout), lbChannelName(titleLabel_), lbChannel(leadLabel_) {
    OnShow = [this](TObject* s) { FormShow(s); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
}

void TfmChannelName::SetChannel(int ch) {
    if (ch < 0 || ch >= ChannelCount)
        return;
    channel_ = ch;
    lbChannel->SetCaption(korvan::ChannelTitle(ch) + " :");
}

void TfmChannelName::FormShow(TObject* /*Sender*/) {
    ShowTexts("SID_CH_NAME");
}

void TfmChannelName::FormActivate(TObject* /*Sender*/) {
    FocusName(true);
}

void TfmChannelName::btnOKClick(TObject* /*Sender*/) {
    const std::string name = korvan::StoredChannelName(edName->Text());
    edName->SetText(korvan::ShownChannelName(name));
    korvan::CloseWindow(this);
    host_.SetChannelName(channel_, name);
}

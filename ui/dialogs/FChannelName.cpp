#include "ui/dialogs/FChannelName.h"

#include "platform/forms/LoadScope.h"
#include "ui/dialogs/ChannelNameText.h"
#include "ui/dialogs/ModalWindows.h"

TfmChannelName* fmChannelName = nullptr;

namespace {
constexpr std::uint16_t EnterKey = 13;
constexpr int ChannelCount = 12;
} // namespace

TfmChannelName::TfmChannelName(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmChannelName");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(250);
    SetClientHeight(132);
    SetCaption("Channel Name");
    lbChannelName = scope.Place<TLabel>(this, "lbChannelName", 20, 16, 210, 20);
    lbChannelName->SetCaption("Channel Name");
    lbChannel = scope.Place<TLabel>(this, "lbChannel", 20, 48, 56, 20);
    lbChannel->SetCaption("InA : ");
    edName = scope.Place<TEdit>(this, "edName", 84, 44, 146, 24);
    edName->SetMaxLength(korvan::ChannelNameLength);
    edName->SetText("Input1");
    edName->OnKeyDown = [this](TObject* s, std::uint16_t& key, TShiftState shift) {
        edNameKeyDown(s, key, shift);
    };
    btnOK = scope.Place<TButton>(this, "btnOK", 30, 88, 90, 30);
    btnOK->SetCaption("OK");
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    bnCancel = scope.Place<TButton>(this, "bnCancel", 130, 88, 90, 30);
    bnCancel->SetCaption("Cancel");
    bnCancel->SetCancel(true);
    bnCancel->OnClick = [this](TObject* s) { bnCancelClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    OnActivate = [this](TObject* s) { FormActivate(s); };
    scope.Finish();
}

void TfmChannelName::SetChannel(int ch) {
    if (ch < 0 || ch >= ChannelCount)
        return;
    channel_ = ch;
    lbChannel->SetCaption(korvan::ChannelTitle(ch) + " :");
}

void TfmChannelName::SetNameText(const std::string& name) {
    edName->SetText(korvan::WithoutTrailingBlanks(name));
}

void TfmChannelName::FormShow(TObject* /*Sender*/) {
    const std::string title = Tr("SID_CH_NAME");
    SetCaption(title);
    lbChannelName->SetCaption(title);
    btnOK->SetCaption(Tr("SID_EXIT_OK"));
    bnCancel->SetCaption(Tr("SID_EXIT_CANCEL"));
}

void TfmChannelName::FormActivate(TObject* /*Sender*/) {
    edName->SetEnabled(true);
    FocusControl(edName);
    edName->SelectAll();
}

void TfmChannelName::btnOKClick(TObject* /*Sender*/) {
    const std::string name = korvan::StoredChannelName(edName->Text());
    edName->SetText(korvan::ShownChannelName(name));
    korvan::CloseWindow(this);
    host_.SetChannelName(channel_, name);
}

void TfmChannelName::bnCancelClick(TObject* /*Sender*/) {
    korvan::CloseWindow(this);
}

void TfmChannelName::edNameKeyDown(TObject* /*Sender*/, std::uint16_t& Key, TShiftState /*Shift*/) {
    if (Key == EnterKey)
        btnOKClick(btnOK);
}

#include "ui/dialogs/FChNameList.h"

#include "device/model/LUnitControl.h"
#include "platform/forms/LoadScope.h"
#include "ui/dialogs/ChannelNameText.h"
#include "ui/dialogs/ModalWindows.h"

#include <cstring>
#include <string>

TfmChNameList* fmChNameList = nullptr;

namespace {

constexpr int Inputs = 4;
constexpr int RowHeight = 28;

// The stored name of channel ch as the list shows it.
std::string StoredName(LUnitControl& model, int ch) {
    return korvan::ShownChannelName({model.GetChannelNameChars(ch), std::size_t(korvan::ChannelNameLength)});
}

} // namespace

TfmChNameList::TfmChNameList(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmChNameList");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(396);
    SetClientHeight(300);
    SetCaption("Channel Name List");
    gbInChNameList = scope.Place<TGroupBox>(this, "gbInChNameList", 12, 10, 180, 4 * RowHeight + 26);
    gbOutChNameList = scope.Place<TGroupBox>(this, "gbOutChNameList", 204, 10, 180, 8 * RowHeight + 26);
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const bool input = ch < Inputs;
        TGroupBox* box = input ? gbInChNameList : gbOutChNameList;
        const int top = 18 + (input ? ch : ch - Inputs) * RowHeight;
        const std::string title = korvan::ChannelTitle(ch);
        auto* label = scope.Place<TLabel>(box, "lbChNameList" + title, 12, top + 4, 44, 18);
        label->SetCaption(title);
        auto* edit = scope.Place<TEdit>(box, "edMatrixChName" + title, 60, top, 106, 24);
        edit->SetMaxLength(korvan::ChannelNameLength);
        edit->SetText(input ? "Input" + std::to_string(ch + 1) : "Output" + std::to_string(ch - Inputs + 1));
        lbChNameList[std::size_t(ch)] = label;
        edMatrixChName[std::size_t(ch)] = edit;
    }
    btnOK = scope.Place<TButton>(this, "btnOK", 24, 256, 90, 30);
    btnOK->SetCaption("OK");
    btnOK->OnClick = [this](TObject* s) { btnOKClick(s); };
    btnCancel = scope.Place<TButton>(this, "btnCancel", 90 + 36, 256, 90, 30);
    btnCancel->SetCaption("Cancel");
    btnCancel->SetCancel(true);
    btnCancel->OnClick = [this](TObject* s) { btnCancelClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void TfmChNameList::FormShow(TObject* /*Sender*/) {
    for (int ch = 0; ch < ChannelCount; ++ch)
        edMatrixChName[std::size_t(ch)]->SetText(StoredName(host_.Model(), ch));
    SetCaption(Tr("SID_CH_NAME_LIST"));
    btnOK->SetCaption(Tr("SID_SET"));
    btnCancel->SetCaption(Tr("SID_EXIT"));
}

void TfmChNameList::btnOKClick(TObject* /*Sender*/) {
    for (int ch = 0; ch < ChannelCount; ++ch) {
        TEdit* edit = edMatrixChName[std::size_t(ch)];
        const std::string name = korvan::StoredChannelName(edit->Text());
        const char* stored = host_.Model().GetChannelNameChars(ch);
        const std::string storedBytes(stored, strnlen(stored, std::size_t(korvan::ChannelNameLength)));
        // Compared in the unit's bytes, up to the first NUL of each.
        if (name.substr(0, strnlen(name.c_str(), name.size())) == storedBytes)
            continue;
        edit->SetText(korvan::ShownChannelName(name));
        host_.SetChannelName(ch, name);
    }
    korvan::CloseWindow(this);
}

void TfmChNameList::btnCancelClick(TObject* /*Sender*/) {
    korvan::CloseWindow(this);
}

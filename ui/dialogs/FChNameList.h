#pragma once
// The channel-name list: all twelve names at once. Set sends, in channel
// order, only the names that were changed.

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

#include <array>

class TfmChNameList : public korvan::HostedForm {
public:
    static constexpr int ChannelCount = 12;

    TfmChNameList(TComponent* owner, korvan::WindowHost& host);

    TGroupBox* gbInChNameList;
    TGroupBox* gbOutChNameList;
    // lbChNameListInA .. lbChNameListOut8 and edMatrixChNameInA ..
    // edMatrixChNameOut8, by channel.
    std::array<TLabel*, ChannelCount> lbChNameList{};
    std::array<TEdit*, ChannelCount> edMatrixChName{};
    TButton* btnOK;
    TButton* btnCancel;

    void FormShow(TObject* Sender);
    void btnOKClick(TObject* Sender);
    void btnCancelClick(TObject* Sender);
};

extern TfmChNameList* fmChNameList;

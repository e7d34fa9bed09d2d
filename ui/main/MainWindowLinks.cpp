// The main window's side of the link, copy and channel-name windows: the
// operations they call, and the menu items and labels that open them.

#include "ui/main/MainWindow.h"

#include "ui/dialogs/FChNameList.h"
#include "ui/dialogs/FChannelName.h"
#include "ui/dialogs/FCopy.h"
#include "ui/dialogs/FLinkSel.h"
#include "ui/dialogs/ModalWindows.h"

void TfmMain::SetChannelLink(int ch, int mask) {
    Model().SetLinkMask(ch, std::uint16_t(mask));
}

void TfmMain::CopyChannel(int from, int to, bool refresh) {
    if (from == to)
        return;
    if (connection_.IsSessionOpen()) {
        // The unit copies; the model learns the result from the re-read.
        connection_.CopyChannelOnUnit(from, to, refresh);
        return;
    }
    channelEditors_->Links().CopyInModel(from, to);
    if (refresh)
        RefreshFromModel();
}

void TfmMain::SyncAfterLink() {
    if (!connection_.IsSessionOpen()) {
        RefreshFromModel();
        return;
    }
    connection_.SyncAfterLink();
    if (rzbMenuLink->CanFocus())
        rzbMenuLink->SetFocus();
}

void TfmMain::UpdateShowButtons(int ch, bool shown) {
    channelEditors_->Links().UpdateShowButtons(ch, shown);
}

void TfmMain::UpdateLinkCaptions(int head, int ch) {
    channelEditors_->Links().UpdateLinkCaptions(head, ch);
}

void TfmMain::ShowGainPage() {
    if (auto* button = dynamic_cast<TRzBmpButton*>(FindComponent("rzbMenuGain"))) {
        button->Click();
        button->SetDown(true);
    }
}

void TfmMain::SelectFirstGeqInput() {
    if (auto* button = dynamic_cast<TRzBmpButton*>(FindComponent("rzbGeqSelInA"))) {
        button->SetDown(true);
        button->Click();
    }
}

void TfmMain::SetChannelName(int ch, const std::string& name) {
    channelEditors_->Links().SetChannelName(ch, name);
}

void TfmMain::ShowLinksInDialog() {
    if (fmLinkSel == nullptr)
        return;
    for (int ch = 0; ch < TfmLinkSel::ChannelCount; ++ch)
        fmLinkSel->ShowLinkMask(ch, GetChannelLink(ch));
    fmLinkSel->ApplyLinkFlags();
    fmLinkSel->RefreshLinkCaptions();
}

void TfmMain::AttachLinkHandlers() {
    Link->OnClick = [](TObject*) { korvan::ShowModalOnce(fmLinkSel); };
    Copy->OnClick = [](TObject*) { korvan::ShowModalOnce(fmCopy); };
    ChNameList->OnClick = [](TObject*) { korvan::ShowModalOnce(fmChNameList); };
}

void TfmMain::lbMatrixChNameInAClick(TObject* Sender) {
    auto* label = dynamic_cast<TControl*>(Sender);
    if (label == nullptr || fmChannelName == nullptr)
        return;
    fmChannelName->SetChannel(label->Tag());
    fmChannelName->SetNameText(label->Caption());
    korvan::ShowModalOnce(fmChannelName);
}

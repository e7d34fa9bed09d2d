#pragma once
// The channel link window: a grid of toggle buttons, one row per channel
// and in each row one button per channel up to and including itself.
// The row's own (diagonal) button makes the channel the head of its group;
// the button in column c makes it a member of c's group. Inputs group with
// inputs, outputs with outputs. Set turns the grid into the model's link
// masks (copying the head into every channel that newly joins it); Exit
// throws the unsaved changes away.

#include "controls/panels/BmpButton.h"
#include "controls/panels/GroupBox.h"
#include "platform/forms/LoadScope.h"
#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

#include <array>

class TfmLinkSel : public korvan::HostedForm {
public:
    static constexpr int ChannelCount = 12;

    TfmLinkSel(TComponent* owner, korvan::WindowHost& host);

    TRzGroupBox* rzgLinkSelIn;
    TRzGroupBox* rzgLinkSelOut;
    TRzBmpButton* bnSet;
    TRzBmpButton* bnExit;

    // The button of channel `row`'s row in the column of channel `column`
    // (both of one kind, column not after row); null for any other pair.
    TRzBmpButton* LinkButton(int row, int column) const;
    // A link button was clicked since the window was last shown.
    bool HasChanges() const { return Changed != 0; }

    void FormShow(TObject* Sender);
    // Every row's buttons but the first row's of each grid: `row` is the
    // row's channel, `Sender` the clicked button.
    void LinkRowClick(TObject* Sender, int row);
    // Presses the buttons of `channel`'s column that the mask holds, each
    // running its row's handler; over channels 0..11 in order this shows
    // the model's grouping.
    void ShowLinkMask(int channel, int mask);
    void bnSetClick(TObject* Sender);
    void bnExitClick(TObject* Sender);
    // Shows the overlay buttons of heads and lone channels only, and gives
    // their page buttons their own captions.
    void ApplyLinkFlags();
    // Every pressed button gives its row's page button its caption.
    void RefreshLinkCaptions();

private:
    void BuildGrid(korvan::forms::LoadScope& scope, TRzGroupBox* grid, int first, int count, int columnWidth);

    int Changed = 0;
    // By row channel, then column index within the kind.
    std::array<std::array<TRzBmpButton*, 8>, ChannelCount> buttons_{};
};

extern TfmLinkSel* fmLinkSel;

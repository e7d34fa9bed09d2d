#include "ui/dialogs/FLinkSel.h"

#include "device/model/LUnitControl.h"
#include "device/model/PresetImage.h"
#include "platform/gfx/Pictures.h"
#include "resources/faces/FacePictures.h"
#include "ui/dialogs/ChannelNameText.h"
#include "ui/dialogs/ModalWindows.h"

#include <string>

TfmLinkSel* fmLinkSel = nullptr;

namespace {

using korvan::layout::KindCount;
using korvan::layout::KindFirst;
using korvan::layout::KindIndex;

constexpr int TitleHeight = 24;
constexpr int RowHeight = 32;
constexpr int GridTop = 6;
constexpr int GridHeight = TitleHeight + 8 * RowHeight + 8;
constexpr TColor GridColour = TColor(0x404040);

// "A".."D" for the inputs, "1".."8" for the outputs.
std::string Short(int ch) {
    return std::string(1, ch < 4 ? char('A' + ch) : char('1' + ch - 4));
}
// The raised and sunken faces that the main window's buttons wear.
void ApplyFaces(TRzBmpButton& button) {
    static const auto faces = [] {
        std::array<TPngImage, 2> pictures;
        pictures[0].LoadFromBytes(korvan::faces::FacePicture("wide-up"));
        pictures[1].LoadFromBytes(korvan::faces::FacePicture("wide-down"));
        return pictures;
    }();
    button.SetButtonSize(bszStretchToButton);
    button.Bitmaps()->Up()->Assign(faces[0]);
    button.Bitmaps()->Down()->Assign(faces[1]);
}

int KindEnd(int ch) {
    return KindFirst(ch) + KindCount(ch);
}

} // namespace

TfmLinkSel::TfmLinkSel(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmLinkSel");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(987);
    SetClientHeight(344);
    SetCaption("Link Selection");
    SetColor(TColor(0x303030));

    rzgLinkSelIn = scope.Place<TRzGroupBox>(this, "rzgLinkSelIn", 8, GridTop, 292, GridHeight);
    rzgLinkSelOut = scope.Place<TRzGroupBox>(this, "rzgLinkSelOut", 308, GridTop, 671, GridHeight);
    BuildGrid(scope, rzgLinkSelIn, 0, 4, 70);
    BuildGrid(scope, rzgLinkSelOut, 4, 8, 82);

    bnSet = scope.Place<TRzBmpButton>(this, "bnSet", 747, GridTop + GridHeight + 8, 110, 30);
    bnSet->SetCaption("Set");
    bnSet->OnClick = [this](TObject* s) { bnSetClick(s); };
    bnExit = scope.Place<TRzBmpButton>(this, "bnExit", 869, GridTop + GridHeight + 8, 110, 30);
    bnExit->SetCaption("Exit");
    bnExit->OnClick = [this](TObject* s) { bnExitClick(s); };
    for (TRzBmpButton* button : {bnSet, bnExit}) {
        ApplyFaces(*button);
        button->Font().SetColor(clWhite);
    }
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void TfmLinkSel::BuildGrid(korvan::forms::LoadScope& scope, TRzGroupBox* grid, int first, int count,
                           int columnWidth) {
    grid->SetGroupStyle(gsCustom);
    grid->SetColor(GridColour);
    grid->Font().SetColor(clWhite);
    const std::string kind = first == 0 ? "In" : "Out";
    for (int c = 0; c < count; ++c) {
        auto* title = scope.Place<TLabel>(grid, "lbLinkSel" + korvan::ChannelTitle(first + c),
                                          6 + c * columnWidth, 4, columnWidth - 6, TitleHeight - 6);
        title->SetAutoSize(false);
        title->SetAlignment(taCenter);
        title->SetTransparent(true);
        title->SetCaption(korvan::ChannelTitle(first + c));
    }
    for (int r = 0; r < count; ++r) {
        const int row = first + r;
        auto* box = scope.Place<TRzGroupBox>(grid, "rzgLinkSelRow" + korvan::ChannelTitle(row), 2,
                                             TitleHeight + r * RowHeight, grid->Width() - 4, RowHeight);
        box->SetGroupStyle(gsCustom);
        box->SetColor(GridColour);
        for (int c = 0; c <= r; ++c) {
            auto* button =
                scope.Place<TRzBmpButton>(box, "rzb" + Short(row) + "Link" + kind + Short(first + c),
                                          4 + c * columnWidth, 2, columnWidth - 6, RowHeight - 4);
            ApplyFaces(*button);
            button->Font().SetColor(clWhite);
            button->SetCaption(korvan::ChannelTitle(row));
            button->SetTag(c);
            button->SetGroupIndex(1);
            button->SetDown(c == r);
            // The first row's single button stays down and has nothing to do.
            if (r > 0)
                button->OnClick = [this, row](TObject* s) { LinkRowClick(s, row); };
            buttons_[std::size_t(row)][std::size_t(c)] = button;
        }
    }
}

TRzBmpButton* TfmLinkSel::LinkButton(int row, int column) const {
    if (row < 0 || row >= ChannelCount || column < 0 || column >= ChannelCount ||
        KindFirst(row) != KindFirst(column) || column > row)
        return nullptr;
    return buttons_[std::size_t(row)][std::size_t(KindIndex(column))];
}

void TfmLinkSel::FormShow(TObject* /*Sender*/) {
    SetCaption(Tr("SID_LINK_TITLE"));
    bnSet->SetCaption(Tr("SID_SET"));
    bnExit->SetCaption(Tr("SID_EXIT"));
    Changed = 0;
}

void TfmLinkSel::LinkRowClick(TObject* Sender, int row) {
    Changed = 1;
    auto* clicked = dynamic_cast<TRzBmpButton*>(Sender);
    if (clicked == nullptr)
        return;
    if (clicked->Tag() == KindIndex(row)) {
        // The row heads a group now: later rows may join it.
        for (int s = row + 1; s < KindEnd(row); ++s)
            LinkButton(s, row)->SetEnabled(true);
        return;
    }
    // The row joined an earlier head's group: a member heads nothing, so
    // the rows that had joined it become their own heads (which may in turn
    // release the rows that had joined them).
    for (int s = row + 1; s < KindEnd(row); ++s) {
        TRzBmpButton* joined = LinkButton(s, row);
        joined->SetEnabled(false);
        if (joined->Down()) {
            TRzBmpButton* own = LinkButton(s, s);
            own->SetDown(true);
            own->Click();
        }
    }
}

void TfmLinkSel::ShowLinkMask(int channel, int mask) {
    if (channel < 0 || channel >= ChannelCount)
        return;
    for (int s = channel; s < KindEnd(channel); ++s) {
        if (!((mask >> KindIndex(s)) & 1))
            continue;
        TRzBmpButton* button = LinkButton(s, channel);
        button->SetDown(true);
        button->Click();
    }
}

void TfmLinkSel::bnSetClick(TObject* /*Sender*/) {
    LUnitControl& model = host_.Model();
    bool applied = false;
    for (int c = 0; c < ChannelCount; ++c) {
        const int stored = model.GetLinkMask(c);
        int grouped = 0;
        for (int s = c; s < KindEnd(c); ++s) {
            if (!LinkButton(s, c)->Down())
                continue;
            const int bit = 1 << KindIndex(s);
            grouped |= bit;
            if (stored & bit)
                continue;
            // New in c's group, or c heads a group from now on.
            host_.UpdateLinkCaptions(c, s);
            host_.CopyChannel(c, s, false);
            applied = true;
        }
        if (grouped != stored) {
            host_.SetChannelLink(c, grouped);
            applied = true;
        }
    }
    if (applied) {
        host_.SyncAfterLink();
        ApplyLinkFlags();
        host_.ShowGainPage();
    }
    korvan::CloseWindow(this);
    host_.SelectFirstGeqInput();
}

void TfmLinkSel::bnExitClick(TObject* /*Sender*/) {
    if (Changed != 0)
        for (int ch = 0; ch < ChannelCount; ++ch)
            ShowLinkMask(ch, host_.Model().GetLinkMask(ch));
    korvan::CloseWindow(this);
}

void TfmLinkSel::ApplyLinkFlags() {
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const bool head = LinkButton(ch, ch)->Down();
        host_.UpdateShowButtons(ch, head);
        if (head)
            host_.UpdateLinkCaptions(ch, ch);
    }
}

void TfmLinkSel::RefreshLinkCaptions() {
    for (int c = 0; c < ChannelCount; ++c)
        for (int s = c; s < KindEnd(c); ++s)
            if (LinkButton(s, c)->Down())
                host_.UpdateLinkCaptions(c, s);
}

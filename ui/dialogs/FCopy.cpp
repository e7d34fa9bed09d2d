#include "ui/dialogs/FCopy.h"

#include "platform/forms/LoadScope.h"
#include "ui/dialogs/ChannelNameText.h"
#include "ui/dialogs/ModalWindows.h"

#include <string>

TfmCopy* fmCopy = nullptr;

namespace {

constexpr int FirstOutput = 4;

struct CopyRow {
    TGroupBox* box;
    TComboBox* source;
    TComboBox* destination;
    TLabel* arrow;
    TButton* copy;
};

// One group: source, "=>", destination and its copy button.
CopyRow PlaceRow(korvan::forms::LoadScope& scope, TWinControl* parent, const std::string& kind, int top,
                 int first, int count) {
    CopyRow row{};
    row.box = scope.Place<TGroupBox>(parent, "gb" + kind, 16, top, 330, 64);
    row.box->SetCaption(" " + kind + " ");
    row.source = scope.Place<TComboBox>(row.box, "cb" + kind + "Source", 16, 26, 80, 22);
    row.arrow = scope.Place<TLabel>(row.box, "lb" + kind + "Arrow", 106, 29, 24, 16);
    row.arrow->SetCaption("=>");
    row.destination = scope.Place<TComboBox>(row.box, "cb" + kind + "Destination", 136, 26, 80, 22);
    for (const bool destination : {false, true}) {
        TComboBox* box = destination ? row.destination : row.source;
        box->SetStyle(csDropDownList);
        for (int i = 0; i < count; ++i)
            box->Items()->Add(korvan::ChannelTitle(first + i));
        box->SetItemIndex(destination ? 1 : 0);
    }
    row.copy = scope.Place<TButton>(row.box, "bn" + kind + "ChCopy", 232, 22, 82, 30);
    row.copy->SetCaption("Copy");
    return row;
}

} // namespace

TfmCopy::TfmCopy(TComponent* owner, korvan::WindowHost& host) : HostedForm(owner, host) {
    korvan::forms::LoadScope scope(this);
    SetName("fmCopy");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(362);
    SetClientHeight(206);
    SetCaption("Channel Copy");
    const CopyRow in = PlaceRow(scope, this, "In", 12, 0, 4);
    const CopyRow out = PlaceRow(scope, this, "Out", 86, FirstOutput, 8);
    gbIn = in.box;
    cbInSource = in.source;
    cbInDestination = in.destination;
    lbInArrow = in.arrow;
    bnInChCopy = in.copy;
    gbOut = out.box;
    cbOutSource = out.source;
    cbOutDestination = out.destination;
    lbOutArrow = out.arrow;
    bnOutChCopy = out.copy;
    bnInChCopy->SetTag(0);
    bnOutChCopy->SetTag(1);
    for (TButton* button : {bnInChCopy, bnOutChCopy})
        button->OnClick = [this](TObject* s) { bnInChCopyClick(s); };
    bnExit = scope.Place<TButton>(this, "bnExit", 248, 162, 98, 32);
    bnExit->SetCaption("Exit");
    bnExit->SetCancel(true);
    bnExit->OnClick = [this](TObject* s) { bnExitClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void TfmCopy::FormShow(TObject* /*Sender*/) {
    SetCaption(Tr("SID_COPY_TITLE"));
    bnInChCopy->SetCaption(Tr("SID_COPY"));
    bnOutChCopy->SetCaption(Tr("SID_COPY"));
    bnExit->SetCaption(Tr("SID_EXIT"));
}

void TfmCopy::bnInChCopyClick(TObject* Sender) {
    const auto* button = dynamic_cast<const TControl*>(Sender);
    const bool outputs = button != nullptr && button->Tag() != 0;
    const TComboBox* source = outputs ? cbOutSource : cbInSource;
    const TComboBox* destination = outputs ? cbOutDestination : cbInDestination;
    // Nothing picked copies nothing.
    if (source->ItemIndex() < 0 || destination->ItemIndex() < 0)
        return;
    const int first = outputs ? FirstOutput : 0;
    host_.CopyChannel(first + source->ItemIndex(), first + destination->ItemIndex(), true);
}

void TfmCopy::bnExitClick(TObject* /*Sender*/) {
    korvan::CloseWindow(this);
}

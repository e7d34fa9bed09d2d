// The page switch, the block diagram that leads to the pages, and the
// handlers they are given by name.

#include "ui/main/MainWindow.h"

#include "controls/panels/BmpButton.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/main/form/FormTable.h"
#include "ui/main/form/PageNames.h"

namespace {

using namespace korvan::mainform;

template <class T = TControl> T* Named(TComponent& root, const std::string& name) {
    return dynamic_cast<T*>(root.FindComponent(name));
}

int TagOf(TObject* sender) {
    auto* control = dynamic_cast<TControl*>(sender);
    return control ? control->Tag() : -1;
}

// The channel whose groups show channel page u: u itself when it has a
// link mask, else the first channel of its kind whose mask claims u; -1
// when none does.
template <class LinkOf> int ShowingChannel(int u, LinkOf linkOf) {
    if (linkOf(u) != 0)
        return u;
    const bool input = u < InputCount;
    const int first = input ? 0 : InputCount;
    const int last = input ? InputCount : ChannelCount;
    const int bit = 1 << (u - first);
    for (int c = first; c < last; ++c)
        if (linkOf(c) & bit)
            return c;
    return -1;
}

// The block-diagram labels: the names (over their channels) and what a
// click on them opens (a function page, the channel's own page, or the
// channel-name dialog).
enum class Opens { ChannelName, ChannelPage, Delay, Comp, Limit, Gate, Geq };
struct DiagramBlock {
    const char* name;
    Over over;
    Opens opens;
};
constexpr DiagramBlock DiagramBlocks[] = {
    {"lbMatrixChName<c>", Over::Channels, Opens::ChannelName},
    {"lbMatrixGain<c>", Over::Channels, Opens::ChannelPage},
    {"lbMatrixHpLp<c>", Over::Inputs, Opens::ChannelPage},
    {"lbMatrixPeq<c>", Over::Channels, Opens::ChannelPage},
    {"lbMatrixXover<c>", Over::Outputs, Opens::ChannelPage},
    {"lbMatrixMute<c>", Over::Outputs, Opens::ChannelPage},
    {"lbMatrixDelay<c>", Over::Channels, Opens::Delay},
    {"lbMatrixComp<c>", Over::Outputs, Opens::Comp},
    {"lbMatrixPhase<c>", Over::Outputs, Opens::Limit},
    {"lbMatrixGate<c>", Over::Inputs, Opens::Gate},
    {"lbMatrixGeq<c>", Over::Inputs, Opens::Geq},
};

} // namespace

int TfmMain::GetChannelLink(int channel) {
    return connection_.UnitControl->GetLinkMask(channel);
}

void TfmMain::AttachPageHandlers() {
    for (int p = 0; p < PageCount; ++p)
        if (auto* button = Named(*this, "rzbMenu" + PageSuffix(p)))
            button->OnClick = [this](TObject* s) { rzbMenuInAClick(s); };
    for (const DiagramBlock& block : DiagramBlocks) {
        const Family family{.kind = Kind::Existing, .name = block.name, .parent = "", .over = block.over};
        for (const Instance& at : Instances(family)) {
            auto* label = Named(*this, Expand(block.name, at));
            if (label == nullptr)
                continue;
            label->SetCursor(crHandPoint);
            switch (block.opens) {
            case Opens::ChannelName:
                label->OnClick = [this](TObject* s) { lbMatrixChNameInAClick(s); };
                break;
            case Opens::ChannelPage:
                label->OnClick = [this](TObject* s) { lbMatrixHpLpInAClick(s); };
                break;
            case Opens::Delay:
                label->OnClick = [this](TObject* s) { lbMatrixDelayInAClick(s); };
                break;
            case Opens::Comp:
                label->OnClick = [this](TObject* s) { lbMatrixCompOut1Click(s); };
                break;
            case Opens::Limit:
                label->OnClick = [this](TObject* s) { lbMatrixPhaseOut1Click(s); };
                break;
            case Opens::Gate:
                label->OnClick = [this](TObject* s) { lbMatrixGateInAClick(s); };
                break;
            case Opens::Geq:
                label->OnClick = [this](TObject* s) { lbMatrixGeqInAClick(s); };
                break;
            }
        }
    }
}

void TfmMain::rzbMenuInAClick(TObject* Sender) {
    const int u = TagOf(Sender);
    if (u == CurrentPage || u < 0 || u >= PageCount)
        return;
    if (connection_.ComLink)
        connection_.ComLink->SetForcedResend(1);

    const int m = CurrentPage;
    auto* oldButton = Named(*this, "rzbMenu" + PageSuffix(m));
    if (oldButton == nullptr)
        return;
    oldButton->Font().SetColor(clWhite);

    int groups = u;
    if (u < ChannelCount) {
        groups = ShowingChannel(u, [this](int ch) { return GetChannelLink(ch); });
        if (groups < 0)
            return; // nothing shows this channel: the old page stays
        if (Plot* plot = Plots[std::size_t(groups)].get()) {
            plot->RemoveCurve(Plot::TotalSection);
            plot->DrawSectionCurve(Plot::TotalSection, OverlayColour(u));
            if (plot->Display)
                plot->Display->UpdateCurvePage();
        }
        auto* channelLabel = Named(*this, "lbFftChannel" + ChannelSuffix(groups));
        auto* gainName = Named(*this, "lbGainName" + ChannelSuffix(groups));
        if (!channelLabel || !gainName)
            return;
        channelLabel->SetCaption(ChannelSuffix(u));
        gainName->SetCaption(ChannelSuffix(u));
    }
    auto* newFft = Named(*this, "rzgFft" + PageSuffix(groups));
    auto* newParam = Named(*this, "rzgParam" + PageSuffix(groups));
    auto* newButton = Named(*this, "rzbMenu" + PageSuffix(u));
    if (!newFft || !newParam || !newButton)
        return;

    newButton->Font().SetColor(clLime);
    // The groups that show the old page: a linked channel's page shows on
    // another channel's groups, which must go as well.
    for (const int shown : {m, shownGroups_}) {
        for (const char* prefix : {"rzgParam", "rzgFft"})
            if (auto* group = Named(*this, prefix + PageSuffix(shown));
                group && group != newFft && group != newParam)
                group->SetVisible(false);
    }
    newParam->SetVisible(true);
    newFft->SetVisible(true);
    newParam->BringToFront();
    newFft->BringToFront();
    shownGroups_ = groups;
    CurrentPage = u;
    editors_->PageShown(groups);
}

// --- block diagram -----------------------------------------------------------------

void TfmMain::OpenPageFromDiagram(TObject* Sender, int function) {
    const int ch = TagOf(Sender);
    if (ch < 0 || ch >= ChannelCount)
        return;
    const int page = function >= 0 ? function : ch;
    if (auto* button = Named<TRzBmpButton>(*this, "rzbMenu" + PageSuffix(page))) {
        button->Click();
        button->SetDown(true);
    }
    if (auto* matrix = Named<TRzBmpButton>(*this, "rzbMenuMatrix"))
        matrix->SetDown(false);
}

void TfmMain::lbMatrixHpLpInAClick(TObject* Sender) {
    OpenPageFromDiagram(Sender, -1);
}

void TfmMain::lbMatrixDelayInAClick(TObject* Sender) {
    OpenPageFromDiagram(Sender, DelayPage);
}

void TfmMain::lbMatrixCompOut1Click(TObject* Sender) {
    OpenPageFromDiagram(Sender, CompPage);
}

void TfmMain::lbMatrixPhaseOut1Click(TObject* Sender) {
    OpenPageFromDiagram(Sender, LimitPage);
}

void TfmMain::lbMatrixGateInAClick(TObject* Sender) {
    OpenPageFromDiagram(Sender, GatePage);
}

void TfmMain::lbMatrixGeqInAClick(TObject* Sender) {
    OpenPageFromDiagram(Sender, GeqPage);
    const int ch = TagOf(Sender);
    if (ch < 0 || ch >= InputCount)
        return;
    if (auto* selector = Named<TRzBmpButton>(*this, "rzbGeqSelIn" + ChannelShort(ch))) {
        selector->Click();
        selector->SetDown(true);
    }
}

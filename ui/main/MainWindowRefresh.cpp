// RefreshFromModel: every control of the main window shows the device
// model, family by family and channel by channel, under the update guard,
// so that no change handler sends anything.

#include "ui/main/MainWindow.h"

#include "controls/panels/BmpButton.h"
#include "platform/sys/FlagScope.h"
#include "platform/text/AnsiText.h"
#include "ui/dialogs/FTest.h"
#include "ui/main/RefreshFamilies.h"
#include "ui/main/form/PageNames.h"

#include <cstdio>

namespace {

using namespace korvan::mainform;

constexpr std::size_t PresetNameLength = 14;
constexpr int AllChannels = (1 << ChannelCount) - 1;

} // namespace

void TfmMain::RefreshFromModel() {
    LUnitControl& model = *connection_.UnitControl;
    // Before the guard: the band faders go disabled to their rest values.
    editors_->Peq().DeselectPeqBands();
    {
        korvan::sys::FlagScope guard(connection_.Updating);
        const int preset = connection_.CurrentPreset;
        char number[8];
        std::snprintf(number, sizeof number, preset >= 1 ? "U%02d" : "F%02d", preset % 100);
        lbPstNum->SetCaption(number);
        const char* name = model.GetPresetNameChars();
        lbPstName->SetCaption(korvan::text::FromAnsiField({name, PresetNameLength}));
        if (fmTest != nullptr)
            fmTest->ShowSource(model.GetWorkMode(), model.GetSineFreqIndex());

        // Every display copies every channel of its kind again.
        for (int d = 0; d < ChannelCount; ++d)
            OverlayChanged[std::size_t(d)] = d < InputCount ? (1 << InputCount) - 1 : AllChannels & ~0xF;
        OverlayChanged[12] = AllChannels;
        OverlayChanged[13] = AllChannels;

        const korvan::RefreshContext at{*this, model, connection_.Languages.CurrentTable()};
        for (int ch = 0; ch < ChannelCount; ++ch) {
            const auto families =
                ch < InputCount ? korvan::InputRefreshFamilies() : korvan::OutputRefreshFamilies();
            for (korvan::RefreshFamily family : families)
                if (!family(at, ch))
                    return;
        }

        const int unit = model.GetDelayUnit();
        if (auto* button = dynamic_cast<TRzBmpButton*>(FindComponent("rzbUnit" + std::to_string(unit)))) {
            button->SetDown(true);
            button->Click();
        }
        if (auto* routes = dynamic_cast<TControl*>(FindComponent("pbMatrix")))
            routes->Invalidate();
        ShowLinksInDialog();
    }
    editors_->AfterRefresh();
    channelEditors_->AfterRefresh();
    if (Initialising == 0)
        dynamics_->DrawPageCurves();
}

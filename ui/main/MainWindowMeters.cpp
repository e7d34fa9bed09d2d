// The main window's level meters: a level reply put on them, and all of them
// cleared.

#include "ui/main/LevelMeters.h"
#include "ui/main/MainWindow.h"

void TfmMain::OnLevelMeters(std::span<const std::uint8_t> payload) {
    const std::optional<korvan::LevelReading> reading = korvan::DecodeLevelReply(payload);
    if (!reading)
        return;
    korvan::LevelMeterContext context;
    context.gatePageChannel = GatePageChannel;
    context.compPageChannel = CompPageChannel;
    context.limitPageChannel = LimitPageChannel;
    // The compressor page's ratio up-downs show the model's ratio index and
    // write every change back into it, so the model holds their positions.
    for (int n = 0; n < korvan::LevelOutputs; ++n)
        context.compRatioPositions[std::size_t(n)] =
            connection_.UnitControl->GetComp(korvan::LevelInputs + n).ratio;
    korvan::ShowLevels(*this, *reading, context);
}

void TfmMain::ClearMeters() {
    korvan::ClearLevelMeters(*this);
}

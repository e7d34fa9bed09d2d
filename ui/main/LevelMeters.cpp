#include "ui/main/LevelMeters.h"

#include "ui/curves/LProgressBar.h"

namespace korvan {

namespace {

using namespace meter_names;

// Sets meters by name until one is missing; from then on nothing is set.
class MeterWriter {
public:
    explicit MeterWriter(TComponent& window) : window_(window) {}

    void Set(const std::string& name, int position) {
        if (!going_)
            return;
        if (auto* meter = dynamic_cast<LProgressBar*>(window_.FindComponent(name)))
            meter->SetPosition(position);
        else
            going_ = false;
    }
    void Set(const char* prefix, int channel, int position) { Set(MeterName(prefix, channel), position); }

private:
    TComponent& window_;
    bool going_ = true;
};

void ShowInput(MeterWriter& meters, int k, double db, const LevelMeterContext& context) {
    const int s = InputLevelStep(db);
    meters.Set(LevelBackupIn, k, s);
    meters.Set(LevelIn, k, s);
    meters.Set(LevelGateIn, k, s);
    if (context.gatePageChannel == k)
        meters.Set(LevelGateIn, s);
}

void ShowOutput(MeterWriter& meters, int k, double db, const LevelReading& reading,
                const LevelMeterContext& context) {
    const int n = k - LevelInputs + 1;
    const int s = OutputLevelStep(db);
    meters.Set(LevelCompOut, k, s);
    meters.Set(LevelBackupOut, k, s);
    meters.Set(LevelOut, k, s);
    const int c = reading.CompressorActive(n) && context.compRatioPositions[std::size_t(n - 1)] != 0 ? 1 : 0;
    meters.Set(LimitCompOut, k, c);
    meters.Set(LimitBackupOut, k, c);
    if (context.compPageChannel == k) {
        meters.Set(LimitCompOut, c);
        meters.Set(LevelCompOut, s);
    }
    meters.Set(LevelLimitOut, k, s);
    const int l = reading.LimiterActive(n) ? 1 : 0;
    meters.Set(LimitLimitOut, k, l);
    if (context.limitPageChannel == k) {
        meters.Set(LimitLimitOut, l);
        meters.Set(LevelLimitOut, s);
    }
}

} // namespace

std::string MeterName(const char* prefix, int channel) {
    if (channel < LevelInputs)
        return prefix + std::string(1, char('A' + channel));
    return prefix + std::to_string(channel - LevelInputs + 1);
}

void ShowLevels(TComponent& window, const LevelReading& reading, const LevelMeterContext& context) {
    MeterWriter meters(window);
    for (int k = 0; k < LevelChannels; ++k) {
        const double db = LevelDb(reading.levels[std::size_t(k)]);
        if (k < LevelInputs)
            ShowInput(meters, k, db, context);
        else
            ShowOutput(meters, k, db, reading, context);
    }
}

std::vector<std::string> LevelMeterNames() {
    std::vector<std::string> names;
    for (int k = LevelInputs; k < LevelChannels; ++k)
        for (const char* prefix : {LevelOut, LevelBackupOut, LevelCompOut, LevelLimitOut, LimitOut,
                                   LimitBackupOut, LimitCompOut, LimitLimitOut})
            names.push_back(MeterName(prefix, k));
    for (int k = 0; k < LevelInputs; ++k)
        for (const char* prefix : {LevelIn, LevelBackupIn, LevelGateIn})
            names.push_back(MeterName(prefix, k));
    for (const char* name : {LevelCompOut, LimitCompOut, LevelGateIn, LevelLimitOut, LimitLimitOut})
        names.emplace_back(name);
    return names;
}

void ClearLevelMeters(TComponent& window) {
    for (const std::string& name : LevelMeterNames())
        if (auto* meter = dynamic_cast<LProgressBar*>(window.FindComponent(name)))
            meter->SetPosition(0);
}

} // namespace korvan

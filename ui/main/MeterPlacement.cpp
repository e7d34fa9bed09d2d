#include "ui/main/MeterPlacement.h"

#include "ui/curves/LProgressBar.h"
#include "ui/main/LevelMeters.h"

#include <array>

namespace korvan {

namespace {

using namespace meter_names;

constexpr int MeterWidth = 14;
constexpr TColor ActivityOff = 20123;   // dark orange
constexpr TColor ActivityLit = 4629503; // light orange

enum class Where { GainPage, OtherPages };

// One family: the meters `prefix` + each input letter or output number
// (`single`: only the bare prefix), `pitch` apart from left to right.
struct Family {
    const char* prefix;
    MeterKind kind;
    bool single;
    Where where;
    int left;
    int top;
    int pitch;
    int height;
};

constexpr int Pitch = 22;

constexpr std::array<Family, 16> Families = {{
    // Gain page strips.
    {LevelBackupIn, MeterKind::InputLevel, false, Where::GainPage, 24, 40, Pitch, 208},
    {LimitBackupOut, MeterKind::Activity, false, Where::GainPage, 130, 30, Pitch, 22},
    {LevelBackupOut, MeterKind::OutputLevel, false, Where::GainPage, 130, 58, Pitch, 185},
    // Channel pages.
    {LevelIn, MeterKind::InputLevel, false, Where::OtherPages, 24, 40, Pitch, 122},
    {LimitOut, MeterKind::Activity, false, Where::OtherPages, 130, 30, Pitch, 11},
    {LevelOut, MeterKind::OutputLevel, false, Where::OtherPages, 130, 47, Pitch, 110},
    // Gate page: one meter per input and the input shown.
    {LevelGateIn, MeterKind::InputLevel, false, Where::OtherPages, 330, 40, Pitch, 208},
    {LevelGateIn, MeterKind::InputLevel, true, Where::OtherPages, 430, 40, 0, 208},
    // Compressor page: per output and the output shown.
    {LimitCompOut, MeterKind::Activity, false, Where::OtherPages, 500, 30, Pitch, 22},
    {LevelCompOut, MeterKind::OutputLevel, false, Where::OtherPages, 500, 58, Pitch, 185},
    {LimitCompOut, MeterKind::Activity, true, Where::OtherPages, 690, 30, 0, 22},
    {LevelCompOut, MeterKind::OutputLevel, true, Where::OtherPages, 690, 58, 0, 185},
    // Limiter page: per output and the output shown.
    {LimitLimitOut, MeterKind::Activity, false, Where::OtherPages, 760, 30, Pitch, 22},
    {LevelLimitOut, MeterKind::OutputLevel, false, Where::OtherPages, 760, 58, Pitch, 185},
    {LimitLimitOut, MeterKind::Activity, true, Where::OtherPages, 950, 30, 0, 22},
    {LevelLimitOut, MeterKind::OutputLevel, true, Where::OtherPages, 950, 58, 0, 185},
}};

} // namespace

void SetMeterKind(LProgressBar& meter, MeterKind kind) {
    switch (kind) {
    case MeterKind::InputLevel:
        meter.SetSecondNum(2);
        meter.SetThirdNum(6);
        meter.SetMax(9);
        break;
    case MeterKind::OutputLevel:
        meter.SetSecondNum(3);
        meter.SetThirdNum(4);
        meter.SetMax(8);
        break;
    case MeterKind::Activity:
        meter.SetSecondColor(ActivityOff);
        meter.SetFirstNum(0);
        meter.SetThirdNum(0);
        meter.SetMax(1);
        meter.SetLSecondColor(ActivityLit);
        break;
    }
}

void PlaceLevelMeters(forms::LoadScope& scope, TWinControl* gainPage, TWinControl* otherPages) {
    for (const Family& family : Families) {
        TWinControl* parent = family.where == Where::GainPage ? gainPage : otherPages;
        const bool input = family.kind == MeterKind::InputLevel;
        const int first = input ? 0 : LevelInputs;
        const int count = family.single ? 1 : input ? LevelInputs : LevelOutputs;
        for (int i = 0; i < count; ++i) {
            const std::string name = family.single ? family.prefix : MeterName(family.prefix, first + i);
            auto* meter = scope.Place<LProgressBar>(parent, name, family.left + family.pitch * i, family.top,
                                                    MeterWidth, family.height);
            SetMeterKind(*meter, family.kind);
        }
    }
}

} // namespace korvan

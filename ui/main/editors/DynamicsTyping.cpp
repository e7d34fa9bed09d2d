// The typed entries of the dynamics pages. An entry never stores or sends
// by itself: it moves the fader or up-down, whose change handler does.
// Enter applies the text; leaving the edit applies it again, which the
// unchanged test turns into the failure path, so nothing goes twice.

#include "controls/gdip/CurvyControls.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "ui/main/editors/DynamicsEditor.h"
#include "ui/main/editors/DynamicsEntry.h"
#include "ui/main/editors/DynamicsRows.h"
#include "ui/main/editors/EntryRestore.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

#include <cmath>
#include <cstdint>

namespace korvan::editors {

using mainform::ChannelSuffix;

namespace {

constexpr double ThresholdLow = -90;
constexpr double ThresholdHigh = 20;
constexpr double KneeLow = 0;
constexpr double KneeHigh = 12;

// What a typed text does to its control: a new position, the failure
// path, or (for the ratio, which has no unchanged test) the same position.
struct Outcome {
    bool move = false;
    int position = 0;
};

// The texts written back: without the mirror's leading blanks.
std::string TimeEntryText(int position) {
    return std::to_string(position + 1) + "ms";
}

Outcome ReadEntry(const DynamicsRow& row, const std::string& text, int current, int min, int max) {
    switch (row.entry) {
    case EntryKind::Threshold:
    case EntryKind::Knee: {
        const bool threshold = row.entry == EntryKind::Threshold;
        const double scale = threshold ? 2.0 : 1.0;
        const auto value =
            ReadDecimalEntry(text, threshold ? ThresholdLow : KneeLow, threshold ? ThresholdHigh : KneeHigh);
        if (!value || *value * scale == current)
            return {};
        return {true, int(std::trunc(*value * scale))};
    }
    case EntryKind::Time: {
        const auto ms = ReadTimeEntry(text, min + 1, max + 1);
        if (!ms || *ms - 1 == current)
            return {};
        return {true, *ms - 1};
    }
    case EntryKind::Ratio: {
        const auto step = ReadRatioEntry(text);
        return step ? Outcome{true, *step} : Outcome{};
    }
    }
    return {};
}

} // namespace

void DynamicsEditor::BindEntries() {
    for (Dynamics kind : {Dynamics::Gate, Dynamics::Comp, Dynamics::Limit}) {
        const auto rows = DynamicsRows(kind);
        const int first = kind == Dynamics::Gate ? 0 : 4;
        const int count = kind == Dynamics::Gate ? 4 : 8;
        for (int ch = first; ch < first + count; ++ch)
            for (int k = 0; k < int(rows.size()); ++k) {
                auto* field = context_.Find<TCurvyEdit>(std::string("cvd") + rows[std::size_t(k)].name +
                                                        ChannelSuffix(ch));
                if (field == nullptr)
                    continue;
                field->OnKeyDown = [this, kind, ch, k](TObject*, std::uint16_t& key, TShiftState) {
                    if (key == VK_RETURN)
                        ApplyEntry(kind, ch, k);
                };
                field->OnExit = [this, kind, ch, k](TObject*) { ApplyEntry(kind, ch, k); };
            }
    }
}

void DynamicsEditor::ApplyEntry(Dynamics kind, int ch, int k) {
    const DynamicsRow* row = DynamicsRowOf(kind, k);
    if (row == nullptr)
        return;
    const std::string suffix = ChannelSuffix(ch);
    auto* field = context_.Find<TCurvyEdit>(std::string("cvd") + row->name + suffix);
    TControl* control = context_.Find<TControl>(std::string(row->upDown ? "ud" : "is") + row->name + suffix);
    auto* upDown = dynamic_cast<TUpDown*>(control);
    mainform::FaderRange fader;
    if (field == nullptr || (upDown == nullptr && !mainform::ReadFaderRange(control, fader)))
        return;
    const auto position = [&] {
        if (upDown != nullptr)
            return upDown->Position();
        mainform::ReadFaderRange(control, fader);
        return fader.position;
    };
    const auto text = [&](int p) { return row->entry == EntryKind::Time ? TimeEntryText(p) : row->text(p); };
    const Outcome outcome =
        upDown != nullptr ? ReadEntry(*row, field->Text(), upDown->Position(), upDown->Min(), upDown->Max())
                          : ReadEntry(*row, field->Text(), fader.position, fader.min, fader.max);
    if (!outcome.move) {
        RestoreEntryText(*field, text(position()));
        return;
    }
    field->SetText("");
    if (upDown != nullptr)
        upDown->SetPosition(outcome.position);
    else
        mainform::SetFaderPosition(control, outcome.position);
    field->SetText(text(position()));
}

} // namespace korvan::editors

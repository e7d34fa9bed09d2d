#include "ui/main/editors/DelayEditor.h"

#include "controls/gdip/CurvyControls.h"
#include "device/model/LUnitControl.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/sys/FlagScope.h"
#include "ui/main/editors/DelayText.h"
#include "ui/main/editors/EntryRestore.h"
#include "ui/main/editors/LinkMembers.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace korvan::editors {

using mainform::ChannelCount;
using mainform::ChannelSuffix;

namespace {

constexpr int UnitCount = 3;
constexpr int LineStart = 40;
constexpr int DashWidth = 6;
constexpr int HotZone = 15;

int IconLeft(int p, int lineWidth, int max) {
    return int(std::int64_t(p) * (lineWidth - 90) / std::max(max, 1)) + LineStart;
}

// The line's dashes, cut from a run of 132.
void SetDashes(TControl& line, int count) {
    line.SetCaption(std::string(std::size_t(std::clamp(count, 0, 132)), '-'));
}

} // namespace

// The icon lies over its line: a press on it is a press on the line at
// the same place, and while it is held the icon gets the moves.
void DelayEditor::ForwardToLine(TControl& icon, TControl& line, int ch) {
    const auto onLine = [&icon, &line](int& px, int& py) {
        px += icon.Left() - line.Left();
        py += icon.Top() - line.Top();
    };
    icon.OnMouseDown = [this, ch, onLine](TObject*, TMouseButton, TShiftState, int px, int py) {
        onLine(px, py);
        LineMouseDown(ch, px, py);
    };
    icon.OnMouseMove = [this, ch, onLine](TObject*, TShiftState, int px, int py) {
        onLine(px, py);
        LineMouseMove(ch, px, py);
    };
    icon.OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { LineMouseUp(); };
}

void DelayEditor::AttachHandlers() {
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const std::string x = ChannelSuffix(ch);
        mainform::OnFaderChange(context_.Find<TControl>("isDelay" + x),
                                [this, ch](int position) { DelayMoved(ch, position); });
        if (auto* field = context_.Find<TCurvyEdit>("cvdDelay" + x)) {
            field->OnKeyDown = [this, ch](TObject*, std::uint16_t& key, TShiftState) {
                if (key == VK_RETURN)
                    ApplyEntry(ch);
            };
            field->OnExit = [this, ch](TObject*) { ApplyEntry(ch); };
        }
        if (auto* line = context_.Find<TControl>("lbDelayLine" + x)) {
            line->OnMouseDown = [this, ch](TObject*, TMouseButton, TShiftState, int px, int py) {
                LineMouseDown(ch, px, py);
            };
            line->OnMouseMove = [this, ch](TObject*, TShiftState, int px, int py) {
                LineMouseMove(ch, px, py);
            };
            line->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { LineMouseUp(); };
            if (auto* icon = context_.Find<TControl>("imDelay" + x))
                ForwardToLine(*icon, *line, ch);
        }
    }
    for (int unit = 0; unit < UnitCount; ++unit)
        if (auto* button = context_.Find<TControl>("rzbUnit" + std::to_string(unit)))
            button->OnClick = [this, button](TObject*) { UnitClicked(button->Tag()); };
}

int DelayEditor::Position(int ch) const {
    mainform::FaderRange range;
    mainform::ReadFaderRange(context_.Find<TControl>("isDelay" + ChannelSuffix(ch)), range);
    return range.position;
}

int DelayEditor::Max(int ch) const {
    mainform::FaderRange range;
    mainform::ReadFaderRange(context_.Find<TControl>("isDelay" + ChannelSuffix(ch)), range);
    return range.max;
}

// The fader moves every copy of the delay through the mirror, so one move
// stores and sends once.
void DelayEditor::DelayMoved(int ch, int p) {
    if (context_.updating)
        return;
    auto* line = context_.Find<TControl>("lbDelayLine" + ChannelSuffix(ch));
    if (line == nullptr)
        return;
    context_.Model().SetDelay(ch, static_cast<std::uint16_t>(p));
    MirrorDelay(ch, p, IconLeft(p, line->Width(), Max(ch)));
}

void DelayEditor::MirrorDelay(int ch, int p, int left) {
    sys::FlagScope guard(context_.updating);
    const std::string text = FormatDelayText(p, context_.Model().GetDelayUnit());
    for (int member : LinkMembers(context_.Model(), ch)) {
        const std::string x = ChannelSuffix(member);
        auto* field = context_.Find<TControl>("cvdDelay" + x);
        auto* fader = context_.Find<TControl>("isDelay" + x);
        auto* icon = context_.Find<TControl>("imDelay" + x);
        if (!field || !fader || !icon)
            return;
        icon->SetLeft(left);
        field->SetText(text);
        if (auto* time = context_.Find<TControl>("lbFftDelayTime" + x))
            time->SetCaption(text);
        PlaceDelayLine(member);
        mainform::SetFaderPosition(fader, p);
    }
}

void DelayEditor::PlaceDelayLine(int ch) {
    const std::string x = ChannelSuffix(ch);
    auto* icon = context_.Find<TControl>("imDelay" + x);
    auto* line = context_.Find<TControl>("lbDelayLine" + x);
    auto* time = context_.Find<TControl>("lbFftDelayTime" + x);
    if (!icon || !line || !time)
        return;
    time->SetLeft(icon->Left() + icon->Width());
    time->SetTop(icon->Top() + icon->Height() / 4);
    SetDashes(*line, (icon->Left() - LineStart) / DashWidth);
}

void DelayEditor::PlaceAll() {
    for (int ch = 0; ch < ChannelCount; ++ch)
        PlaceDelayLine(ch);
}

void DelayEditor::UnitClicked(int unit) {
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const std::string x = ChannelSuffix(ch);
        auto* field = context_.Find<TControl>("cvdDelay" + x);
        auto* time = context_.Find<TControl>("lbFftDelayTime" + x);
        if (!field || !time || !context_.Find<TControl>("isDelay" + x))
            return;
        const std::string text = FormatDelayText(Position(ch), unit);
        field->SetText(text);
        time->SetCaption(text);
    }
    if (!context_.updating)
        context_.Model().SetDelayUnit(static_cast<std::uint8_t>(unit));
}

// A text that is no delay puts back the current delay's text with the
// caret at its end; the model and the unit are not touched.
void DelayEditor::ApplyEntry(int ch) {
    const std::string x = ChannelSuffix(ch);
    auto* field = context_.Find<TCurvyEdit>("cvdDelay" + x);
    auto* fader = context_.Find<TControl>("isDelay" + x);
    if (!field || !fader)
        return;
    const int unit = context_.Model().GetDelayUnit();
    const std::optional<int> samples = ReadDelayEntry(field->Text(), unit, Max(ch));
    field->SetText("");
    if (samples)
        mainform::SetFaderPosition(fader, *samples);
    const std::string text = FormatDelayText(Position(ch), unit);
    if (samples)
        field->SetText(text);
    else
        RestoreEntryText(*field, text);
}

bool DelayEditor::InHotZone(int ch, int x, int y) const {
    const std::string suffix = ChannelSuffix(ch);
    auto* icon = context_.Find<TControl>("imDelay" + suffix);
    auto* line = context_.Find<TControl>("lbDelayLine" + suffix);
    return icon && line && std::abs(x - (icon->Left() - 25)) < HotZone &&
           std::abs(y - line->Height() / 2) < HotZone;
}

void DelayEditor::LineMouseDown(int ch, int x, int y) {
    if (InHotZone(ch, x, y))
        dragging_ = true;
}

void DelayEditor::LineMouseMove(int ch, int x, int y) {
    const std::string suffix = ChannelSuffix(ch);
    auto* line = context_.Find<TControl>("lbDelayLine" + suffix);
    auto* fader = context_.Find<TControl>("isDelay" + suffix);
    if (!line || !fader)
        return;
    if (!dragging_) {
        line->SetCursor(InHotZone(ch, x, y) ? crHandPoint : crDefault);
        return;
    }
    const int at = std::min(x, line->Width() - 75) - 15;
    const int span = std::max(line->Width() - 90, 1);
    const int p = std::clamp(int(std::int64_t(at) * Max(ch) / span), 0, Max(ch));
    mainform::SetFaderPosition(fader, p);
    SetDashes(*line, at / DashWidth);
}

} // namespace korvan::editors

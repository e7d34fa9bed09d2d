#include "ui/main/form/FormTable.h"

#include "controls/gdip/CurvyControls.h"
#include "controls/panels/BmpButton.h"
#include "controls/panels/ComboBox.h"
#include "controls/panels/DemoButton.h"
#include "controls/panels/GroupBox.h"
#include "controls/panels/PowerButton.h"
#include "controls/plot/plots/XYPlot.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "ui/curves/EditorScale.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/MyPEQType8.h"
#include "ui/main/form/Faces.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"
#include "ui/main/form/TransferPlots.h"

#include <array>
#include <stdexcept>

namespace korvan::mainform {

namespace {

// The size of the rounded ends of the form's edits.
constexpr int EditRounding = 6;
constexpr int GeqBands = 31;
constexpr int InputPeqBands = 8;
constexpr int OutputPeqBands = 9;

// The gate's scale marks; the other meters have all but "N20".
constexpr std::array<const char*, 9> MarkNames = {"Clip", "12", "5", "0", "N5", "N15", "N20", "N30", "N60"};
constexpr std::array<const char*, 9> MarkCaptions = {"Clip", "12",  "5",   "0",  "-5",
                                                     "-15",  "-20", "-30", "-60"};
constexpr int N20 = 6;

void AddMarks(std::vector<Instance>& out, int channel, bool gate) {
    int k = 0;
    for (int m = 0; m < int(MarkNames.size()); ++m)
        if (gate || m != N20)
            out.push_back({.index = k++, .channel = channel, .mark = m});
}

void AddChannels(std::vector<Instance>& out, int first, int count) {
    for (int i = 0; i < count; ++i)
        out.push_back({.index = i, .channel = first + i});
}

void AddPairs(std::vector<Instance>& out, int first, int count) {
    for (int d = 0; d < count; ++d) {
        int k = 0;
        for (int s = 0; s < count; ++s)
            if (s != d)
                out.push_back({.index = k++, .channel = first + d, .shown = first + s});
    }
}

std::string NumberInKind(int channel) {
    return std::to_string(channel < InputCount ? channel + 1 : channel - InputCount + 1);
}

std::string BandNumber(int band) {
    const int n = band + 1;
    return std::string(1, char('0' + n / 10 % 10)) + char('0' + n % 10);
}

// Replaces the token at `at` of `text` with `value` when `text` holds it there.
bool Take(std::string_view text, std::size_t at, std::string_view token, const std::string& value,
          std::string& out, std::size_t& skip) {
    if (text.substr(at, token.size()) != token)
        return false;
    out += value;
    skip = token.size();
    return true;
}

TControl* Create(forms::LoadScope& scope, Kind kind, const std::string& name) {
    TComponent* root = scope.Root();
    switch (kind) {
    case Kind::Existing:
        return nullptr;
    case Kind::GroupBox:
        return scope.Create<TRzGroupBox>(root, name);
    case Kind::Panel:
        return scope.Create<TPanel>(root, name);
    case Kind::Label:
        return scope.Create<TLabel>(root, name);
    case Kind::Image:
        return scope.Create<TImage>(root, name);
    case Kind::Shape:
        return scope.Create<TShape>(root, name);
    case Kind::PaintBox:
        return scope.Create<TPaintBox>(root, name);
    case Kind::XYPlot:
        return scope.Create<TiXYPlot>(root, name);
    case Kind::BmpButton:
        return scope.Create<TRzBmpButton>(root, name);
    case Kind::PowerButton:
        return scope.Create<TVrPowerButton>(root, name);
    case Kind::DemoButton:
        return scope.Create<TVrDemoButton>(root, name);
    case Kind::Display:
        return scope.Create<LMyFFTDrawHpLp6dB>(root, name);
    case Kind::Fader:
        return CreateFader(scope, name);
    case Kind::Edit: {
        // Every edit of the form has slimmer rounded ends than the class's
        // default. They are set before the edit is placed, which places
        // its inner edit between them.
        auto* edit = scope.Create<TCurvyEdit>(root, name);
        edit->SetRounding(EditRounding);
        return edit;
    }
    case Kind::PeqGrid:
        return scope.Create<TMyPEQType8>(root, name);
    case Kind::Combo:
        return scope.Create<TRzComboBox>(root, name);
    case Kind::UpDown:
        return scope.Create<TUpDown>(root, name);
    case Kind::Radio:
        return scope.Create<TRadioButton>(root, name);
    }
    return nullptr;
}

constexpr TColor CellColour = TColor(0x5A3A1E);
constexpr TColor CellEdge = TColor(0xB08850);

// `base` plus what `from` names of the repetition.
int NumberOf(TagFrom from, int base, const Instance& at) {
    switch (from) {
    case TagFrom::None:
    case TagFrom::Base:
        return base;
    case TagFrom::Channel:
        return base + at.channel;
    case TagFrom::Index:
        return base + at.index;
    case TagFrom::Shown:
        return base + at.shown;
    case TagFrom::Band:
        return base + at.band;
    case TagFrom::Page:
        return base + at.page;
    }
    return 0;
}

bool IsChosen(const Family& f, const Instance& at) {
    if (f.chosenOnDiagonal)
        return at.shown == (at.channel - InputCount) % InputCount;
    return at.index == f.chosen;
}

// The family's font values reach the control in one change: each change
// re-lays the control and its children and restyles their widgets.
void SetFont(TFont& font, const Family& f, bool chosen) {
    TFont next;
    next.Assign(font);
    if (chosen && f.chosenFontColour != NoColour)
        next.SetColor(f.chosenFontColour);
    else if (f.fontColour != NoColour)
        next.SetColor(f.fontColour);
    if (f.fontName)
        next.SetName(f.fontName);
    if (f.fontHeight != 0)
        next.SetHeight(f.fontHeight);
    if (f.bold)
        next.SetStyle(fsBold);
    font.Assign(next);
}

// A flat text button draws its caption in the fonts of its two hover states.
void SetFonts(TControl& control, const Family& f, bool chosen) {
    SetFont(control.Font(), f, chosen);
    if (auto* button = dynamic_cast<TVrDemoButton*>(&control); button && (f.fontName || f.fontHeight != 0))
        for (TFont* font : {button->FontLeave(), button->FontEnter()})
            SetFont(*font, f, chosen);
}

// The stored values that only some classes hold.
void SetClassValues(TControl& control, const Family& f, const Instance& at) {
    if (auto* label = dynamic_cast<TLabel*>(&control)) {
        label->SetAutoSize(f.autoSize);
        label->SetTransparent(true);
        if (f.centred)
            label->SetAlignment(taCenter);
        if (f.middle)
            label->SetLayout(tlCenter);
    } else if (auto* display = dynamic_cast<korvan::curves::CurveDisplay*>(&control)) {
        korvan::curves::SetEditorScale(*display);
    } else if (auto* shape = dynamic_cast<TShape*>(&control)) {
        shape->SetShape(stRoundRect);
        shape->Brush().SetColor(CellColour);
        shape->Pen().SetColor(CellEdge);
    } else if (auto* edit = dynamic_cast<TCurvyEdit*>(&control)) {
        edit->SetAlignment(taCenter);
        edit->SetReadOnly(f.readOnly);
        // Entered without selecting the text, the selection kept in view
        // when the focus leaves, and reached with Tab.
        edit->SetAutoSelect(false);
        edit->SetHideSelection(false);
        edit->SetEditTabStop(true);
    } else if (auto* grid = dynamic_cast<TMyPEQType8*>(&control)) {
        grid->SetChannelNumber(at.channel < InputCount ? InputPeqBands : OutputPeqBands);
        grid->SetUpdownVisable(false);
        grid->SetLabelColor(clBackground);
        grid->SetEditBackColor(clWhite);
        grid->SetBypassBackColor(clSilver);
    } else if (auto* combo = dynamic_cast<TRzComboBox*>(&control)) {
        combo->SetStyle(csDropDownList);
        // The list reaches the widget once, not once per item.
        combo->Items()->BeginUpdate();
        for (const char* item : f.items)
            combo->Add(item);
        combo->Items()->EndUpdate();
        combo->SetItemIndex(f.itemIndex);
    } else if (auto* upDown = dynamic_cast<TUpDown*>(&control)) {
        upDown->SetMin(f.min);
        upDown->SetMax(f.max);
        upDown->SetPosition(f.position);
        upDown->SetWrap(false);
    } else if (auto* radio = dynamic_cast<TRadioButton*>(&control)) {
        radio->SetChecked(f.checked);
    } else if (auto* plot = dynamic_cast<TiXYPlot*>(&control)) {
        SetTransferPlot(*plot);
    }
}

// The stored values of one control, in the order a stored form lists them.
void SetStored(TControl& control, const Family& f, const Instance& at) {
    if (f.tagFrom != TagFrom::None)
        control.SetTag(NumberOf(f.tagFrom, f.tagBase, at));
    const bool chosen = IsChosen(f, at);
    SetClassValues(control, f, at);
    if (f.caption)
        control.SetCaption(Expand(f.caption, at));
    if (f.colour != NoColour)
        control.SetColor(f.colour);
    SetFonts(control, f, chosen);
    if (f.face)
        ApplyFace(control, f.face);
    if (auto* button = dynamic_cast<TRzBmpButton*>(&control)) {
        button->SetGroupIndex(NumberOf(f.groupFrom, f.groupIndex, at));
        button->SetAllowAllUp(f.allowAllUp);
        if (chosen)
            button->SetDown(true);
    }
    if (f.kind == Kind::Fader)
        SetFaderRange(control, {f.min, f.max, f.pageSize, f.position});
    if (!f.visible && !chosen)
        control.SetVisible(false);
}

} // namespace

std::vector<Instance> Instances(const Family& family) {
    std::vector<Instance> out;
    switch (family.over) {
    case Over::Once:
        out.push_back({});
        break;
    case Over::Inputs:
        AddChannels(out, 0, InputCount);
        break;
    case Over::Outputs:
        AddChannels(out, InputCount, OutputCount);
        break;
    case Over::Channels:
        AddChannels(out, 0, ChannelCount);
        break;
    case Over::Pages:
        for (int p = 0; p < PageCount; ++p)
            out.push_back({.index = p, .channel = p < ChannelCount ? p : -1, .page = p});
        break;
    case Over::InputPairs:
        AddPairs(out, 0, InputCount);
        break;
    case Over::OutputPairs:
        AddPairs(out, InputCount, OutputCount);
        break;
    case Over::InputBands:
        for (int x = 0; x < InputCount; ++x)
            for (int b = 0; b < GeqBands; ++b)
                out.push_back({.index = b, .channel = x, .band = b});
        break;
    case Over::Marks:
    case Over::GateMarks:
        AddMarks(out, -1, family.over == Over::GateMarks);
        break;
    case Over::OutputMarks:
        for (int c = InputCount; c < ChannelCount; ++c)
            AddMarks(out, c, false);
        break;
    case Over::InputGateMarks:
        for (int c = 0; c < InputCount; ++c)
            AddMarks(out, c, true);
        break;
    case Over::PeqBands:
        for (int c = 0; c < ChannelCount; ++c)
            for (int b = 0; b < (c < InputCount ? InputPeqBands : OutputPeqBands); ++b)
                out.push_back({.index = b, .channel = c, .band = b});
        break;
    case Over::OutputSources:
        for (int c = InputCount; c < ChannelCount; ++c)
            for (int i = 0; i < InputCount; ++i)
                out.push_back({.index = i, .channel = c, .shown = i});
        break;
    }
    return out;
}

std::string Expand(const char* pattern, const Instance& at) {
    const std::string_view text(pattern);
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t skip = 0;
        if (text[i] == '<' &&
            ((at.channel >= 0 && (Take(text, i, "<c>", ChannelSuffix(at.channel), out, skip) ||
                                  Take(text, i, "<x>", ChannelShort(at.channel), out, skip) ||
                                  Take(text, i, "<N>", NumberInKind(at.channel), out, skip))) ||
             (at.shown >= 0 && (Take(text, i, "<S>", ChannelSuffix(at.shown), out, skip) ||
                                Take(text, i, "<s>", ChannelShort(at.shown), out, skip))) ||
             (at.band >= 0 && (Take(text, i, "<NN>", BandNumber(at.band), out, skip) ||
                               Take(text, i, "<B>", std::to_string(at.band + 1), out, skip))) ||
             (at.mark >= 0 && (Take(text, i, "<k>", MarkNames[std::size_t(at.mark)], out, skip) ||
                               Take(text, i, "<K>", MarkCaptions[std::size_t(at.mark)], out, skip))) ||
             (at.page >= 0 && (Take(text, i, "<p>", PageSuffix(at.page), out, skip) ||
                               Take(text, i, "<P>", PageCaption(at.page), out, skip))))) {
            i += skip;
            continue;
        }
        out += text[i++];
    }
    return out;
}

void BuildFamilies(forms::LoadScope& scope, std::span<const Family> families) {
    TComponent* root = scope.Root();
    for (const Family& f : families) {
        for (const Instance& at : Instances(f)) {
            const std::string name = Expand(f.name, at);
            const std::string parentName = Expand(f.parent, at);
            auto* parent = parentName == root->Name()
                               ? dynamic_cast<TWinControl*>(root)
                               : dynamic_cast<TWinControl*>(root->FindComponent(parentName));
            if (parent == nullptr)
                throw std::logic_error("form: no parent " + parentName + " for " + name);
            TControl* control = f.kind == Kind::Existing ? dynamic_cast<TControl*>(root->FindComponent(name))
                                                         : Create(scope, f.kind, name);
            if (control == nullptr)
                throw std::logic_error("form: no control " + name);
            control->SetParent(parent);
            const int left = f.lefts ? f.lefts[at.index] : f.left + f.dx * at.index;
            const int top = f.tops ? f.tops[at.index] : f.top + f.dy * at.index;
            control->SetBounds(left, top, f.width, f.height);
            if (f.kind != Kind::Existing)
                SetStored(*control, f, at);
            else if (f.caption)
                control->SetCaption(Expand(f.caption, at));
        }
    }
}

std::vector<std::string> FamilyNames(std::span<const Family> families) {
    std::vector<std::string> names;
    for (const Family& f : families)
        if (f.kind != Kind::Existing)
            for (const Instance& at : Instances(f))
                names.push_back(Expand(f.name, at));
    return names;
}

} // namespace korvan::mainform

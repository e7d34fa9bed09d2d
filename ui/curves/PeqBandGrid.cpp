#include "ui/curves/PeqBandGrid.h"

#include "device/protocol/SharedConstants.h"
#include "platform/forms/TypeInfo.h"
#include "platform/forms/VirtualKeys.h"
#include "ui/curves/PeqGridText.h"

#include <algorithm>
#include <cmath>

using namespace korvan::curves;

namespace {

// A band's row number has the colour of the band's marker on the curves;
// the 14 colours repeat.
TColor RowColor(int b) {
    return TColor(MarkerColors[size_t(b % 14)]);
}

const char* const kTitles[6] = {"EQ", "Frequency", "Q", "Gain", "Type", "Bypass"};

} // namespace

const TClassInfo& TPeqBandGrid::StaticClassInfo() {
    using G = TPeqBandGrid;
    static const TClassInfo info =
        korvan::forms::ClassBuilder<G>("TPeqBandGrid", &TRzGroupBox::StaticClassInfo())
            .Property("UpdownVisable", &G::UpdownVisable, &G::SetUpdownVisable)
            .Property("TitleVisable", &G::TitleVisable, &G::SetTitleVisable)
            .Property("TopBottomSpace", &G::TopBottomSpace, &G::SetTopBottomSpace)
            .Property("ChannelNumber", &G::ChannelNumber, &G::SetChannelNumber)
            .Property("LabelColor", &G::LabelColor, &G::SetLabelColor)
            .TypeName("TColor")
            .Property("EditBackColor", &G::EditBackColor, &G::SetEditBackColor)
            .TypeName("TColor")
            .Property("BypassBackColor", &G::BypassBackColor, &G::SetBypassBackColor)
            .TypeName("TColor")
            .Build();
    return info;
}

TPeqBandGrid::TPeqBandGrid(TComponent* owner, std::vector<std::string> typeNames, std::string bypassText)
    : TRzGroupBox(owner), typeNames_(std::move(typeNames)), bypassText_(std::move(bypassText)) {
    SetCaption("");
    for (int k = 0; k < 6; ++k) {
        auto* title = new TLabel(this);
        title->SetParent(this);
        title->SetAutoSize(false);
        title->SetAlignment(taCenter);
        title->SetCaption(kTitles[k]);
        title->SetVisible(false);
        titles_[size_t(k)] = title;
    }
    SetBounds(Left(), Top(), 490, 420);
    layoutWidth_ = 490;
    layoutHeight_ = 420;
}

TPeqBandGrid::~TPeqBandGrid() {
    // The rows' handlers reach this grid: none may run while it goes.
    Destroying();
}

TPeqBandGrid::Band& TPeqBandGrid::Row(int b) {
    Band& row = bands_.at(size_t(b));
    if (b >= builtRows_)
        BuildRows(b + 1);
    return row;
}

void TPeqBandGrid::BuildRows(int count) {
    if (count <= builtRows_)
        return;
    // Nothing of the grid is aligned: its children need no realignment
    // each.
    DisableAlign();
    for (int b = builtRows_; b < count; ++b) {
        CreateRow(b);
        builtRows_ = b + 1;
        if (b == 0)
            normalEditColor_ = bands_[0].freq->Font().Color();
        ApplyProperties(b);
    }
    EnableAlign();
}

void TPeqBandGrid::ApplyProperties(int b) {
    Band& row = bands_.at(size_t(b));
    // The type list holds its names from the start, so a type set before
    // the grid is first shown is kept; language texts given later stay.
    FillTypeList(row.type);
    row.type->SetItemIndex(1);
    if (Shown(b)) {
        ShowUpDowns(b, updownVisible_);
        if (editBackColor_ != 0)
            for (TControl* c : {static_cast<TControl*>(row.freq), static_cast<TControl*>(row.q),
                                static_cast<TControl*>(row.gain), static_cast<TControl*>(row.type)})
                c->SetColor(editBackColor_);
        if (bypassBackColor_ != 0)
            row.bypass->SetColor(bypassBackColor_);
        row.bypass->SetCaption(bypassText_);
    }
    // A row built after a layout lies past that layout's bands: hidden, as
    // the layout left such rows.
    if (layoutRows_ > 0 && b >= layoutRows_)
        HideRow(b);
}

void TPeqBandGrid::CreateRow(int b) {
    Band& row = bands_.at(size_t(b));
    row.number = new TLabel(this);
    row.number->SetParent(this);
    row.number->SetAutoSize(false);
    row.number->SetTransparent(true);
    row.number->SetAlignment(taCenter);
    row.number->Font().SetSize(12);
    row.number->Font().SetColor(RowColor(b));
    row.number->SetCaption(std::to_string(b + 1));

    auto makeEdit = [this, b](const std::string& text, void (TPeqBandGrid::*entered)(int)) {
        auto* edit = new TEdit(this);
        edit->SetParent(this);
        edit->SetAlignment(taCenter);
        edit->SetMaxLength(7);
        edit->SetTag(b);
        edit->SetText(text);
        edit->OnExit = [this, b, entered](TObject*) { (this->*entered)(b); };
        edit->OnKeyDown = [this, b, entered](TObject*, std::uint16_t& key, TShiftState) {
            if (key == VK_RETURN)
                (this->*entered)(b);
        };
        edit->OnMouseDown = [this, b](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
            Touch(b);
            if (OnEditMouseDown)
                OnEditMouseDown(this, button, shift, x, y);
        };
        return edit;
    };
    row.freq = makeEdit(std::to_string(b), &TPeqBandGrid::FrequencyEntered);
    row.q = makeEdit(QText(row.qIndex), &TPeqBandGrid::QEntered);
    row.gain = makeEdit(GainText(row.gainStep), &TPeqBandGrid::GainEntered);

    auto makeUpDown = [this, b](int min, int max, int position, TShape*& frame) {
        frame = new TShape(this);
        frame->SetParent(this);
        frame->Pen().SetColor(clGradientActiveCaption);
        frame->Brush().SetStyle(bsClear);
        frame->SetVisible(false);
        auto* upDown = new TUpDown(this);
        upDown->SetParent(this);
        upDown->SetMin(min);
        upDown->SetMax(max);
        upDown->SetPosition(position);
        upDown->SetTag(b);
        upDown->SetVisible(false);
        upDown->OnClick = [this, b, upDown](TObject*, TUDBtnType) { UpDownClicked(b, upDown); };
        return upDown;
    };
    row.freqUpDown = makeUpDown(kFreqStepMin, kFreqStepMax, 0, row.freqFrame);
    row.qUpDown = makeUpDown(0, kQIndexMax, row.qIndex, row.qFrame);
    row.gainUpDown = makeUpDown(-kGainStepMax, kGainStepMax, 0, row.gainFrame);

    row.type = new TComboBox(this);
    // The style first: its window is then made as a plain list.
    row.type->SetStyle(csDropDownList);
    row.type->SetParent(this);
    row.type->SetTag(b);
    row.type->OnChange = [this, b](TObject*) { TypeChosen(b); };
    row.type->OnMouseWheel = [this](TObject* sender, TShiftState shift, int delta, int x, int y,
                                    bool& handled) {
        if (OnPeqTypeMouseWheel)
            OnPeqTypeMouseWheel(sender, shift, delta, x, y, handled);
    };

    row.bypass = new TButton(this);
    row.bypass->SetParent(this);
    row.bypass->SetTag(b);
    row.bypass->OnClick = [this, b](TObject*) { BypassClicked(b); };
}

// ------------------------------------------------------------ properties

void TPeqBandGrid::SetUpdownVisable(bool value) {
    if (value == updownVisible_)
        return;
    updownVisible_ = value;
    for (int b = 0; b < BuiltShownRows(); ++b)
        ShowUpDowns(b, value);
    RePaint();
}

void TPeqBandGrid::ShowUpDowns(int b, bool visible) {
    Band& row = Row(b);
    for (TControl* c : {static_cast<TControl*>(row.freqUpDown), static_cast<TControl*>(row.qUpDown),
                        static_cast<TControl*>(row.gainUpDown), static_cast<TControl*>(row.freqFrame),
                        static_cast<TControl*>(row.qFrame), static_cast<TControl*>(row.gainFrame)})
        c->SetVisible(visible);
}

void TPeqBandGrid::SetTitleVisable(bool value) {
    if (value == titleVisible_)
        return;
    for (TLabel* title : titles_)
        title->SetVisible(value);
    titleVisible_ = value;
    RePaint();
}

void TPeqBandGrid::SetTopBottomSpace(int value) {
    topBottomSpace_ = value & 0xFF;
}

void TPeqBandGrid::SetChannelNumber(int value) {
    // The layout divides by the band count: at least one band.
    value = std::clamp(value, 1, kRows);
    if (value == channelNumber_)
        return;
    channelNumber_ = value;
    Change();
}

void TPeqBandGrid::SetLabelColor(TColor value) {
    if (value == labelColor_)
        return;
    for (TLabel* title : titles_)
        title->Font().SetColor(value);
    labelColor_ = value;
    RePaint();
}

void TPeqBandGrid::SetEditBackColor(TColor value) {
    if (value == editBackColor_)
        return;
    for (int b = 0; b < BuiltShownRows(); ++b) {
        Band& row = Row(b);
        for (TControl* c : {static_cast<TControl*>(row.freq), static_cast<TControl*>(row.q),
                            static_cast<TControl*>(row.gain), static_cast<TControl*>(row.type)})
            c->SetColor(value);
    }
    editBackColor_ = value;
    RePaint();
}

void TPeqBandGrid::SetBypassBackColor(TColor value) {
    if (value == bypassBackColor_)
        return;
    for (int b = 0; b < BuiltShownRows(); ++b)
        Row(b).bypass->SetColor(value);
    bypassBackColor_ = value;
    RePaint();
}

// ------------------------------------------------------------ band values

double TPeqBandGrid::GetFreqValue(int b) const {
    return FreqOfStep(Row(b).freqStep);
}

double TPeqBandGrid::GetQValue(int b) const {
    return QOfIndex(Row(b).qIndex);
}

double TPeqBandGrid::GetGainValue(int b) const {
    return Row(b).gainStep * 0.1;
}

int TPeqBandGrid::GetTypeValue(int b) const {
    const Band& row = Data(b);
    // A row not built yet holds the type every list starts with.
    return b < builtRows_ ? row.type->ItemIndex() : 1;
}

bool TPeqBandGrid::GetBypassValue(int b) const {
    return Data(b).bypassed == 1;
}

void TPeqBandGrid::SetFreqValue(int b, double hz) {
    Band& row = Row(b);
    row.freqStep = FreqStepFromHz(hz);
    row.freq->SetText(FreqText(row.freqStep));
    row.freqUpDown->SetPosition(row.freqStep);
    Change();
}

void TPeqBandGrid::SetQValue(int b, double qIndex) {
    Band& row = Row(b);
    row.qIndex = std::clamp(int(std::clamp(qIndex, -1.0, 101.0)), 0, kQIndexMax);
    row.q->SetText(QText(row.qIndex));
    row.qUpDown->SetPosition(row.qIndex);
    Change();
}

void TPeqBandGrid::SetGainValue(int b, double db) {
    Band& row = Row(b);
    row.gainStep = GainStepFromDb(db);
    row.gain->SetText(GainText(row.gainStep));
    row.gainUpDown->SetPosition(row.gainStep);
    Change();
}

void TPeqBandGrid::SetTypeValue(int b, int type) {
    Row(b).type->SetItemIndex(type);
    Change();
}

void TPeqBandGrid::SetBypassValue(int b, bool bypassed) {
    Row(b).bypassed = bypassed ? 1 : 0;
    Change();
}

void TPeqBandGrid::SetEqParamValue(int b, double hz, double qIndex, double db, int type, bool bypassed) {
    Band& row = Row(b);
    row.freqStep = FreqStepFromHz(hz);
    row.freq->SetText(FreqText(row.freqStep));
    row.freqUpDown->SetPosition(row.freqStep);
    row.gainStep = GainStepFromDbBand(db);
    row.gain->SetText(GainText(row.gainStep));
    row.gainUpDown->SetPosition(row.gainStep);
    row.type->SetItemIndex(type);
    row.bypassed = bypassed ? 1 : 0;
    row.qIndex = std::clamp(int(std::clamp(qIndex, -1.0, 101.0)), 0, kQIndexMax);
    row.q->SetText(QText(row.qIndex));
    row.qUpDown->SetPosition(row.qIndex);
    Change();
}

// ------------------------------------------------------------ selection

void TPeqBandGrid::SetColor(int b, TColor color) {
    if (!Shown(b))
        return;
    Band& row = Row(b);
    for (TEdit* edit : {row.freq, row.q, row.gain})
        edit->Font().SetColor(color);
}

void TPeqBandGrid::SetNowIndex(int index) {
    if (index == -1) {
        SetColor(nowIndex_, normalEditColor_);
    } else if (index != nowIndex_) {
        SetColor(nowIndex_, normalEditColor_);
        nowIndex_ = index;
        SetColor(index, kHighlightColor);
    } else if (previousIndex_ != nowIndex_) {
        SetColor(previousIndex_, normalEditColor_);
        previousIndex_ = nowIndex_;
        SetColor(index, kHighlightColor);
    }
}

void TPeqBandGrid::Touch(int b) {
    previousIndex_ = nowIndex_;
    nowIndex_ = b;
}

// ------------------------------------------------------------ texts

void TPeqBandGrid::SetEqTypeString(const std::string& text, int index) {
    if (index >= 0 && index < int(typeNames_.size()))
        typeNames_[size_t(index)] = text;
}

void TPeqBandGrid::SetBypassString(const std::string& text) {
    bypassText_ = text;
}

void TPeqBandGrid::FillTypeList(TComboBox* list) {
    const int chosen = list->ItemIndex();
    TStringList names;
    for (const std::string& name : typeNames_)
        names.Add(name);
    list->SetItems(&names);
    list->SetItemIndex(chosen);
}

void TPeqBandGrid::ChangeLanguage() {
    // Rows built later take the texts when they are built.
    for (int b = 0; b < BuiltShownRows(); ++b) {
        FillTypeList(Row(b).type);
        Row(b).bypass->SetCaption(bypassText_);
    }
}

// ------------------------------------------------------------ change

void TPeqBandGrid::PaintBypass(int b) {
    Row(b).bypass->SetColor(Row(b).bypassed == 1 ? kBypassedColor : bypassBackColor_);
}

void TPeqBandGrid::Change() {
    if (!OnChange)
        return;
    for (int b = 0; b < BuiltShownRows(); ++b)
        PaintBypass(b);
    OnChange(this);
}

void TPeqBandGrid::Paint() {
    TRzGroupBox::Paint();
    RePaint();
}

// The grid's layout: columns share the width, rows the height left under
// the top margin and the titles. It runs when the grid is painted at a size
// other than that of its last layout.

#include "ui/curves/PeqBandGrid.h"

namespace {
constexpr int kHiddenTop = 10000;
constexpr int kUpDownWidth = 20;
} // namespace

void TPeqBandGrid::RePaint() {
    if (Width() == layoutWidth_ && Height() == layoutHeight_)
        return;
    LayOut();
}

void TPeqBandGrid::LayOut() {
    const int titleHeight = titleVisible_ ? 13 : 0;
    BuildRows(channelNumber_);
    layoutRows_ = channelNumber_;
    layoutWidth_ = Width();
    layoutHeight_ = Height();
    const int columnWidth = (Width() - 68) / 5;
    const int rowHeight = (Height() - topBottomSpace_ - titleHeight - 16) / channelNumber_;

    for (int k = 0; k < 6; ++k) {
        TLabel* title = titles_[size_t(k)];
        title->SetVisible(titleVisible_);
        if (k == 0)
            title->SetBounds(12, topBottomSpace_, 20, rowHeight);
        else
            title->SetBounds(8 * k + (k - 1) * columnWidth + 33, topBottomSpace_, columnWidth - 15,
                             rowHeight);
    }
    for (int b = 0; b < channelNumber_; ++b)
        LayOutRow(b, columnWidth, rowHeight, titleHeight);
    for (int b = channelNumber_; b < builtRows_; ++b)
        HideRow(b);
}

void TPeqBandGrid::LayOutRow(int b, int columnWidth, int rowHeight, int titleHeight) {
    Band& row = Row(b);
    row.number->SetCaption(std::to_string(b + 1));
    row.number->SetBounds(12, topBottomSpace_ + titleHeight + rowHeight * b + 8, 20, row.number->Height());
    row.number->SetVisible(true);
    // Band 0's row label ends at 32: the columns start from there.
    const int left0 = 12 + 20;
    const int top = row.number->Top() - 1;
    const int editWidth = updownVisible_ ? columnWidth - kUpDownWidth : columnWidth;

    const struct {
        TEdit* edit;
        TUpDown* upDown;
        TShape* frame;
        int left;
    } columns[] = {
        {row.freq, row.freqUpDown, row.freqFrame, left0 + 8},
        {row.q, row.qUpDown, row.qFrame, left0 + columnWidth + 16},
        {row.gain, row.gainUpDown, row.gainFrame, left0 + 2 * columnWidth + 24},
    };
    for (const auto& c : columns) {
        c.edit->SetBounds(c.left, top, editWidth, c.edit->Height());
        c.edit->SetVisible(true);
        if (updownVisible_) {
            c.upDown->SetBounds(c.edit->Left() + c.edit->Width(), c.edit->Top() + 1, kUpDownWidth,
                                c.edit->Height() - 2);
            c.upDown->SetVisible(true);
            c.frame->SetBounds(c.upDown->Left() - 1, c.edit->Top(), c.upDown->Width() + 2, c.edit->Height());
            c.frame->SetVisible(true);
        }
    }
    row.type->SetBounds(left0 + 3 * columnWidth + 32, top, columnWidth + 8, rowHeight);
    row.type->SetVisible(true);
    FillTypeList(row.type);
    row.bypass->SetCaption(bypassText_);
    row.bypass->SetBounds(left0 + 4 * columnWidth + 46, top, columnWidth - 14, row.gain->Height());
    row.bypass->SetVisible(true);
}

void TPeqBandGrid::HideRow(int b) {
    Band& row = Row(b);
    for (TControl* c : std::initializer_list<TControl*>{row.number, row.freq, row.q, row.gain, row.freqUpDown,
                                                        row.qUpDown, row.gainUpDown, row.freqFrame,
                                                        row.qFrame, row.gainFrame, row.type, row.bypass}) {
        c->SetVisible(false);
        c->SetBounds(c->Left(), kHiddenTop, c->Width(), c->Height());
    }
}

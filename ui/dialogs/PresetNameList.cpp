#include "ui/dialogs/PresetNameList.h"

#include <utility>

namespace korvan {

namespace {
constexpr TColor GridLine = clSilver;
constexpr TColor TitleFace = clBtnFace;
constexpr int TextIndent = 2;
} // namespace

PresetNameList::PresetNameList(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 200, 200);
}

void PresetNameList::SetText(const std::string& text) {
    text_ = text;
    Invalidate();
}

void PresetNameList::SetTitleCaptions(std::string key, std::string value) {
    keyTitle_ = std::move(key);
    valueTitle_ = std::move(value);
    Invalidate();
}

void PresetNameList::SetColumnWidths(int key, int value) {
    keyWidth_ = key;
    valueWidth_ = value;
    Invalidate();
}

std::vector<PresetNameList::Row> PresetNameList::Rows() const {
    std::vector<Row> rows;
    std::size_t start = 0;
    while (start < text_.size()) {
        std::size_t end = text_.find('\n', start);
        if (end == std::string::npos)
            end = text_.size();
        std::string line = text_.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        start = end + 1;
        const std::size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        const std::size_t keyStart = key.find_first_not_of(' ');
        rows.push_back({keyStart == std::string::npos ? std::string() : key.substr(keyStart),
                        equals == std::string::npos ? std::string() : line.substr(equals + 1)});
    }
    return rows;
}

int PresetNameList::RowAt(int y) const {
    if (y < RowHeight)
        return 0;
    const int row = y / RowHeight;
    return row <= DataRowCount() ? row : 0;
}

void PresetNameList::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    const int row = RowAt(y);
    if (button == mbLeft && row > 0 && OnSelectCell)
        OnSelectCell(x < keyWidth_ ? 0 : 1, row);
}

void PresetNameList::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clWindow);
    c.FillRect(TRect{0, 0, Width(), Height()});
    c.Font().SetColor(clWindowText);
    const int valueRight = keyWidth_ + 1 + valueWidth_;
    auto cell = [&](int left, int right, int top, const std::string& text, TColor face) {
        const TRect r{left, top, right, top + RowHeight - 1};
        c.Brush().SetColor(face);
        c.FillRect(r);
        c.TextRect(r, left + TextIndent, top + 2, text);
    };
    cell(0, keyWidth_, 0, keyTitle_, TitleFace);
    cell(keyWidth_ + 1, valueRight, 0, valueTitle_, TitleFace);
    int top = RowHeight;
    for (const Row& row : Rows()) {
        cell(0, keyWidth_, top, row.key, TitleFace);
        cell(keyWidth_ + 1, valueRight, top, row.value, clWindow);
        top += RowHeight;
    }
    c.Pen().SetColor(GridLine);
    for (int y = RowHeight - 1; y <= top; y += RowHeight) {
        c.MoveTo(0, y);
        c.LineTo(valueRight, y);
    }
    c.MoveTo(keyWidth_, 0);
    c.LineTo(keyWidth_, top);
    c.MoveTo(valueRight, 0);
    c.LineTo(valueRight, top);
}

} // namespace korvan

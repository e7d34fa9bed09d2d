#pragma once
// The key-and-value list of the preset windows: a title row and one row per
// slot, all held as one text of "     U01=  <name>\r\n" rows. A click on a
// data row reports its number (1-based, as the list counts data rows).

#include "platform/forms/WinControl.h"

#include <functional>
#include <string>
#include <vector>

namespace korvan {

class PresetNameList : public TCustomControl {
public:
    explicit PresetNameList(TComponent* owner);

    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override;
    // The two captions of the title row.
    void SetTitleCaptions(std::string key, std::string value);
    const std::string& KeyTitle() const { return keyTitle_; }
    const std::string& ValueTitle() const { return valueTitle_; }
    void SetColumnWidths(int key, int value);
    int DataRowCount() const { return int(Rows().size()); }
    // The data row (1-based) under the client point y; 0 on the title row or below the last row.
    int RowAt(int y) const;

    static constexpr int RowHeight = 18;
    // A data row was clicked: its column (0 key, 1 value) and row (1-based).
    std::function<void(int column, int row)> OnSelectCell;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    struct Row {
        std::string key, value;
    };
    std::vector<Row> Rows() const;

    std::string text_;
    std::string keyTitle_ = "Key";
    std::string valueTitle_ = "Value";
    int keyWidth_ = 69;
    int valueWidth_ = 126;
};

} // namespace korvan

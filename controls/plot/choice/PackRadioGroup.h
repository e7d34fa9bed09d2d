#pragma once
// The plot pack's owner-drawn radio group: a captioned frame with its items
// filled column by column. Clicks select an item; the arrow keys move the
// selection by one item, wrapping at both ends.

#include "controls/plot/choice/PackChoiceControl.h"
#include "platform/forms/Strings.h"
#include "platform/gfx/GraphicsObjects.h"

#include <memory>
#include <string>

class TiRadioGroup : public TiPackChoiceControl {
    KORVAN_CLASS(TiRadioGroup)
public:
    explicit TiRadioGroup(TComponent* owner);
    ~TiRadioGroup() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* value);
    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* value);
    // -1 for none; held within the items.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int value);
    // At least 1.
    int Columns() const { return columns_; }
    void SetColumns(int value);

    // The item at (x, y) of the last paint's layout; may lie outside the
    // items.
    int ItemAt(int x, int y) const;

protected:
    virtual void DoChange();
    void iPaintTo(TCanvas& canvas) override;
    void DoWantSpecialKey(std::uint16_t& charCode, bool& result) const override;
    void iKeyUp(std::uint16_t& key, TShiftState shift) override;
    void iKeyDown(std::uint16_t& key, TShiftState shift) override;
    void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void iMouseMove(TShiftState shift, int x, int y) override;
    void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void ClampItemIndex();
    void CalcLayout(TCanvas& canvas);
    void DrawItem(TCanvas& canvas, int index, int x, int y);

    int mouseDownIndex_ = 0;
    int itemsRowStart_ = 0;
    double itemsRowSpacing_ = 0;
    int itemsColStart_ = 14;
    double itemsColSpacing_ = 0;
    int maxRows_ = 1;
    std::string caption_ = "Radio Group";
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TStringList> items_;
    int itemIndex_ = 0;
    int columns_ = 1;
};

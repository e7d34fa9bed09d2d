#pragma once
// The editor's object list: one line per object, each drawn with a colour
// box and a text that OnGetData may change, the selection in teal. A line
// dragged within the list moves there and fires OnItemMove. Deleting the
// selected line frees its object; deleting by object only drops the line.

#include "platform/forms/Strings.h"
#include "platform/forms/WinControl.h"
#include "platform/gfx/Color.h"

#include <functional>
#include <memory>
#include <string>

// Index by value; the colour box, its colour and the text by reference.
using TiListBoxGetDataEvent =
    std::function<void(int index, bool& drawColorBox, TColor& color, std::string& text)>;

class TiComponentEditorListBox : public TCustomControl {
    KORVAN_CLASS(TiComponentEditorListBox)
public:
    explicit TiComponentEditorListBox(TComponent* owner);
    ~TiComponentEditorListBox() override;

    TStrings* Items() const { return items_.get(); }
    // -1 for none; program-set, no event.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int value);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int value);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value);
    // The line at a client point's height (may lie past the last line).
    int ItemAtY(int y) const { return topIndex_ + y / itemHeight_; }

    void SelectLast() { SetItemIndex(items_->Count() - 1); }
    // Drops the selected line and frees its object.
    void DeleteSelectedObject();
    // Drops the line of `object` without freeing it.
    void DeleteObjectIndex(TObject* object);
    // Moves the selected line to the line at client height y.
    void DropAt(int y);

    TiListBoxGetDataEvent OnGetData;
    TNotifyEvent OnItemMove;
    // Replaces the whole drawing of a line.
    std::function<void(TObject* sender, TCanvas& canvas, int index, const TRect& rect, bool selected)>
        OnDrawItem;

    unsigned GetDlgCode() const override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void Paint() override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;

private:
    void DrawItem(TCanvas& canvas, int index, const TRect& rect, bool selected);
    // Selects as the user: OnClick fires.
    void SelectByUser(int index);
    void KeepSelectionVisible();
    int VisibleLines() const;
    // Selects `index`, or the last line when it lies past the end.
    void SelectNear(int index);

    std::unique_ptr<TStringList> items_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int itemHeight_ = 16;
    bool dragging_ = false;
    bool dragMoved_ = false;
    int dragStartY_ = 0;
};

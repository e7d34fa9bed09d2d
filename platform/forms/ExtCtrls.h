#pragma once
// Painted controls: panel, paint box, image, shape, bevel, radio group and
// scroll box.

#include "platform/forms/ControlScrollBar.h"
#include "platform/forms/StdCtrls.h"
#include "platform/gfx/Pictures.h"

#include <memory>
#include <vector>

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomControl {
    KORVAN_CLASS(TPanel)
public:
    explicit TPanel(TComponent* owner);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    bool FullRepaint() const { return fullRepaint_; }
    void SetFullRepaint(bool v) { fullRepaint_ = v; }
    TRect AdjustClientRect(TRect rect) const override;
    TNotifyEvent OnPaint;

protected:
    void Paint() override;

private:
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TAlignment alignment_ = taCenter;
    bool fullRepaint_ = true;
};

class TPaintBox : public TGraphicControl {
    KORVAN_CLASS(TPaintBox)
public:
    explicit TPaintBox(TComponent* owner);
    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};

class TImage : public TGraphicControl {
    KORVAN_CLASS(TImage)
public:
    explicit TImage(TComponent* owner);
    TPicture& Picture() { return picture_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    void DefineProperties(TFiler& filer) override;

protected:
    void Paint() override;

private:
    TPicture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
    KORVAN_CLASS(TShape)
public:
    explicit TShape(TComponent* owner);
    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType s);
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    TPen* PenObject() const { return const_cast<TPen*>(&pen_); }
    TBrush* BrushObject() const { return const_cast<TBrush*>(&brush_); }
    void SetPenObject(TPen* pen) {
        if (pen)
            pen_.Assign(*pen);
    }
    void SetBrushObject(TBrush* brush) {
        if (brush)
            brush_.Assign(*brush);
    }

protected:
    void Paint() override;

private:
    TShapeType shape_ = stRectangle;
    TPen pen_;
    TBrush brush_;
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
    KORVAN_CLASS(TBevel)
public:
    explicit TBevel(TComponent* owner);
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape s);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle s);

protected:
    void Paint() override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};

class TRadioGroup : public TGroupBox {
    KORVAN_CLASS(TRadioGroup)
public:
    explicit TRadioGroup(TComponent* owner);
    ~TRadioGroup() override;
    TStrings* Items() const { return items_.get(); }
    void SetItems(TStrings* items);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int v);
    TRadioButton* Buttons(int index) const { return buttons_.at(size_t(index)); }
    void Loaded() override;

protected:
    void Resize() override;

private:
    void UpdateButtons();
    void ArrangeButtons();
    std::unique_ptr<TStringList> items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

// A scroll box shows a horizontal and a vertical scroll bar as its
// content needs them: with AutoScroll the ranges follow the children's
// extent (aligned children do not count), otherwise the bars' Range holds.
// The client area leaves out the bars that show.
class TScrollBox : public TCustomControl {
    KORVAN_CLASS(TScrollBox)
public:
    explicit TScrollBox(TComponent* owner);
    ~TScrollBox() override;
    // Moves the children by (dx, dy).
    void ScrollBy(int dx, int dy);
    TPoint ScrollPos() const { return scroll_; }
    TControlScrollBar* HorzScrollBar() const { return horz_.get(); }
    void SetHorzScrollBar(TControlScrollBar* v) { horz_->Assign(v); }
    TControlScrollBar* VertScrollBar() const { return vert_.get(); }
    void SetVertScrollBar(TControlScrollBar* v) { vert_->Assign(v); }
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v);
    // Scrolls so that `control` (a child) lies in view.
    void ScrollInView(TControl* control);
    TRect ClientRect() const override;
    void Loaded() override;

protected:
    void Paint() override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Resize() override;

private:
    // Works out the ranges, which bars show, and places their windows.
    // True when the client area changed.
    bool UpdateScrollBars();
    void PlaceBar(TControlScrollBar& bar, const TRect& where);
    TPoint scroll_;
    std::unique_ptr<TControlScrollBar> horz_, vert_;
    // The bars' windows.
    struct BarWindows;
    std::unique_ptr<BarWindows> barWindows_;
    bool autoScroll_ = true;
    bool updatingBars_ = false;
};

namespace korvan::forms {
// The raised or lowered frame of panels and bevels, `width` pixels wide;
// shrinks `r` inside it.
void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width);
} // namespace korvan::forms

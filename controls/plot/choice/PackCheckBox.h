#pragma once
// The plot pack's owner-drawn check box, painted transparently over its
// parent. The run-time property editor derives its check boxes from it.

#include "controls/plot/choice/PackChoiceControl.h"
#include "platform/forms/ControlTypes.h"
#include "platform/gfx/GraphicsObjects.h"

#include <memory>
#include <string>

class TiCheckBox : public TiPackChoiceControl {
    KORVAN_CLASS(TiCheckBox)
public:
    explicit TiCheckBox(TComponent* owner);
    ~TiCheckBox() override;

    bool Checked() const { return checked_; }
    // The plot's edit request may refuse the change.
    void SetChecked(bool value);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    // taRightJustify: box at the left, caption to its right; taLeftJustify:
    // caption at the left, box at the right edge.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* value);

protected:
    virtual void DoChange();
    void iPaintTo(TCanvas& canvas) override;
    void iKeyUp(std::uint16_t& key, TShiftState shift) override;
    void iKeyDown(std::uint16_t& key, TShiftState shift) override;
    void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void DoAutoSize();
    void ToggleByUser();

    bool doingAutoSize_ = false;
    bool checked_ = false;
    std::string caption_ = "Caption";
    bool autoSize_ = true;
    std::unique_ptr<TFont> font_;
    TAlignment alignment_ = taRightJustify;
};

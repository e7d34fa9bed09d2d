#pragma once
// Up and down buttons beside an editor text field. A press steps the
// field's number by Increment at once, again after 500 ms and then every
// 50 ms while held; the steps reach the field as the user's edit. The
// value is clamped to Min..Max unless both are 0.

#include "platform/forms/Control.h"
#include "platform/forms/Timer.h"

#include <cstdint>
#include <memory>

class TiComponentEditorEdit;

class TiUpDown : public TGraphicControl {
    KORVAN_CLASS(TiUpDown)
public:
    explicit TiUpDown(TComponent* owner);
    ~TiUpDown() override;

    // The field's number; 0 without a field.
    int AsInteger() const;
    void SetAsInteger(int value);
    TiComponentEditorEdit* Associate() const { return associate_; }
    // Places the buttons right of the field, with its top and height.
    void SetAssociate(TiComponentEditorEdit* value);
    int Min() const { return min_; }
    void SetMin(int value) { min_ = static_cast<std::int16_t>(value); }
    int Max() const { return max_; }
    void SetMax(int value) { max_ = static_cast<std::int16_t>(value); }
    int Increment() const { return increment_; }
    void SetIncrement(int value) { increment_ = value; }

    void Disable();
    void Enable();

    TRect UpButtonRect() const;
    TRect DownButtonRect() const;
    bool UpButtonPressed() const { return upPressed_; }
    bool DownButtonPressed() const { return downPressed_; }

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void Paint() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void UpdatePressed();
    void Step();
    void TimerTick(TObject*);

    std::unique_ptr<TTimer> timer_;
    bool firstTimerMessage_ = false;
    TiComponentEditorEdit* associate_ = nullptr;
    std::int16_t min_ = 0;
    std::int16_t max_ = 100;
    int increment_ = 1;
    bool mouseDown_ = false;
    int mouseDownX_ = 0;
    int mouseDownY_ = 0;
    bool upPressed_ = false;
    bool downPressed_ = false;
    bool userGenerated_ = false;
};

#pragma once
// TTrackHintWindow: the small top-most window that shows the value while
// the thumb is dragged. It sizes itself to its text (plus 16 by 4 pixels),
// stays 2 pixels inside the monitor it opens on, and shows without taking
// the activation.

#include "platform/forms/Form.h"

#include <string>

class TTrackHintWindow : public TCustomForm {
    KORVAN_CLASS(TTrackHintWindow)
public:
    explicit TTrackHintWindow(TComponent* owner);

    // Shows `hint` with the window's top-left corner at rect's top-left
    // (screen coordinates).
    void ActivateHint(const TRect& rect, const std::string& hint);
    // A rectangle at (0, 0) as large as the current text in the window's
    // font (maxWidth is not applied).
    TRect CalcHintRect(int maxWidth, const std::string& hint) const;
    // Hides the window (the release of its window).
    void ReleaseHint();

    const std::string& HintText() const { return text_; }
    int TextWidth() const { return textWidth_; }
    int TextHeight() const { return textHeight_; }

protected:
    void Paint() override;

private:
    std::string text_;
    int textWidth_ = 0;
    int textHeight_ = 0;
};

namespace korvan::gdip {
// Moves a hint rectangle that would end past the monitor's right or
// bottom edge back so that it ends 2 pixels inside (keeping its size).
TRect FitHintRect(TRect rect, const TRect& monitor);
} // namespace korvan::gdip

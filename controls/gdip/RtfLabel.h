#pragma once
// TRTFLabel: a non-windowed label that keeps a document in Rich Text
// Format (the subset RtfDocument.h lists) in RichText, one byte per
// character, and paints it into its client area, inset by one pixel:
// paragraphs with their alignment, indents and spacing, runs in their
// font, size, style and colour, wrapped at spaces and between CJK
// characters when WordWrap is set.

#include "controls/gdip/RtfDocument.h"
#include "platform/forms/StdCtrls.h"

#include <string>

namespace korvan::gdip {
// Lays the document out in r and draws it; returns the height used.
int RenderRtf(TCanvas& canvas, const RtfDocument& document, const TRect& r, bool wordWrap);
} // namespace korvan::gdip

class TRTFLabel : public TLabel {
    KORVAN_CLASS(TRTFLabel)
public:
    explicit TRTFLabel(TComponent* owner);

    const std::string& RichText() const { return richText_; }
    void SetRichText(const std::string& value);
    // A stored True is kept through Loaded.
    bool RtfWordWrap() const { return wordWrap_; }
    void SetRtfWordWrap(bool value);
    // "1.3.1.0"; writing it is ignored.
    std::string Version() const { return "1.3.1.0"; }
    void SetVersion(const std::string&) {}

    // While an update is open only the label's background is painted; the
    // outer EndUpdate repaints. EndUpdate without BeginUpdate does nothing.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    // Renders the document into the label's client rectangle on a canvas.
    void PaintTo(TCanvas& canvas);
    void Loaded() override;

protected:
    void Paint() override;

private:
    std::string richText_;
    bool wordWrap_ = false;
    int updateCount_ = 0;
    bool painting_ = false;
};

#pragma once
// TRTFLabel: a non-windowed label that keeps a document in Rich Text Format
// in RichText and paints it by loading it into a hidden rich edit of its own
// and having that render onto the label's canvas. It can also take its
// document from a rich edit, put it into one, and print it.
//
// RichText holds the RTF stream one byte per character. The streams the
// rich edit writes are 7-bit ASCII (every other character is a \u escape),
// so a capture keeps every character of the document; bytes above 0x7F in a
// stored document are read in the code page the document names.
//
// The hidden rich edit has a parent only while one operation needs its
// parent's window: from GetRichEdit until the ShowRTF or EndUpdate that
// captures it, and during Print. Painting renders without re-parenting it,
// since re-parenting invalidates the parent and a transparent label would
// then paint again and again.

#include "platform/forms/RichEdit.h"
#include "platform/forms/StdCtrls.h"

#include <cstdint>
#include <string>

class TRTFLabel : public TLabel {
    KORVAN_CLASS(TRTFLabel)
public:
    explicit TRTFLabel(TComponent* owner);
    ~TRTFLabel() override;

    const std::string& RichText() const { return richText_; }
    void SetRichText(const std::string& value);
    // Stored in the label; reaches the hidden rich edit only when set on a
    // parented label after loading (Loaded turns the rich edit's word wrap
    // off).
    bool RtfWordWrap() const { return wordWrap_; }
    void SetRtfWordWrap(bool value);
    // Major, minor, release and build, one byte each from the high byte.
    virtual std::uint32_t GetVersionNr() const;
    // "1.3.1.0"; writing it is ignored.
    std::string Version() const;
    void SetVersion(const std::string&) {}

    // While an update is open only the label's own part is painted; the
    // outer EndUpdate captures the rich edit (ShowRTF). EndUpdate without
    // BeginUpdate does nothing.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }
    // The hidden rich edit, emptied and parented for the caller to fill
    // between BeginUpdate and EndUpdate; null without a parent.
    TRichEdit* GetRichEdit();
    // Captures the hidden rich edit's document as RichText and repaints;
    // nothing without a parent or before the parent has a window.
    void ShowRTF();
    // RichText from any rich edit's RTF stream; repaints.
    void CopyFromRichEdit(TRichEdit* richEdit);
    // Loads RichText into any rich edit as RTF.
    void CopyToRichEdit(TRichEdit* richEdit);
    // Prints the document under the title `caption`; nothing without a
    // parent or before the parent has a window.
    void Print(const std::string& caption);
    // Renders the document into the label's client rectangle on a canvas.
    void PaintTo(TCanvas& canvas);
    // The page of a rectangle of device pixels in twips, inset by one pixel
    // at the left and top.
    static TRect PageInTwips(const TRect& r, int dpiX, int dpiY);
    void Loaded() override;

protected:
    void Paint() override;
    // Forgets the rich edit when it goes first (its parent frees it with
    // its other children when the label leaves it parented).
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool ParentHasWindow() const;
    void Render(TCanvas& canvas, const TRect& r);

    TRichEdit* richEdit_ = nullptr; // owned as a component
    std::string richText_;
    bool wordWrap_ = false;
    int updateCount_ = 0;
    bool painting_ = false;
};

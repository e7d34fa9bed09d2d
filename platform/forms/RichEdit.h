#pragma once
// TRichEdit: a windowed control holding a rich-text document (paragraphs
// of styled runs, RtfDocument.h). It loads and saves the document as Rich
// Text Format (or as plain text in PlainText mode), shows it in its window,
// renders it onto any canvas in a rectangle given in twips, and prints it.
//
// Text is added at the end of the document: AppendText writes in the
// selection attributes, which Clear and SetText reset to the default
// attributes. Editing by keyboard is not offered; the control shows what
// the program puts into it.

#include "platform/forms/Persistent.h"
#include "platform/forms/RtfDocument.h"
#include "platform/forms/WinControl.h"

#include <functional>
#include <string>
#include <string_view>

// The character formatting of new text.
class TTextAttributes : public TPersistent {
    KORVAN_CLASS(TTextAttributes)
public:
    void Assign(TPersistent* source) override;
    const std::string& Name() const { return name_; }
    void SetName(const std::string& v) { name_ = v; }
    // Points.
    int Size() const { return size_; }
    void SetSize(int v) { size_ = v; }
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles v) { style_ = v; }
    // clDefault: the document's default colour.
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    int Charset() const { return charset_; }
    void SetCharset(int v) { charset_ = v; }

private:
    std::string name_ = "Arial";
    int size_ = 10;
    TFontStyles style_ = 0;
    TColor color_ = clDefault;
    int charset_ = 0;
};

// The rectangle the document would need at the control's width, raised
// after each change of the document while the control is visible.
using TRichEditResizeEvent = std::function<void(TObject* sender, TRect rect)>;

class TRichEdit : public TCustomControl {
    KORVAN_CLASS(TRichEdit)
public:
    explicit TRichEdit(TComponent* owner);
    ~TRichEdit() override;

    const korvan::forms::RtfDocument& Document() const { return document_; }
    void SetDocument(korvan::forms::RtfDocument document);
    // The document's text, paragraphs joined by "\n".
    std::string Text() const override;
    // One paragraph per line of text, in the default attributes.
    void SetText(const std::string& text) override;
    // Empties the document and resets the selection attributes.
    void Clear();
    // Adds text at the end in the selection attributes; "\n" starts a new
    // paragraph.
    void AppendText(const std::string& text);

    TTextAttributes* DefAttributes() const { return defAttributes_.get(); }
    TTextAttributes* SelAttributes() const { return selAttributes_.get(); }

    // Streams are plain text (one paragraph per line) instead of RTF.
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool v) { plainText_ = v; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    // The window leaves its background unpainted.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);

    // Replaces the document with the stream's contents; any bytes are read.
    void LoadFromStream(std::string_view bytes);
    // The document as RTF that LoadFromStream reads back unchanged (or its
    // text in PlainText mode).
    std::string SaveToStream() const;

    // Draws the document into a rectangle given in twips (1/1440 inch) of a
    // device with that many pixels per inch; returns the height drawn in
    // device pixels.
    int FormatRange(TCanvas& canvas, const TRect& twips, int dpiX, int dpiY);
    // Prints the document on the program's printer under that title, page
    // after page, its lines wrapped at the paper's width.
    void Print(const std::string& caption);

    TRichEditResizeEvent OnResizeRequest;

protected:
    void Paint() override;

private:
    korvan::forms::RtfRun RunOf(const TTextAttributes& attributes);
    void Changed();

    korvan::forms::RtfDocument document_;
    std::unique_ptr<TTextAttributes> defAttributes_, selAttributes_;
    bool plainText_ = false;
    bool wordWrap_ = true;
    TBorderStyle borderStyle_ = bsSingle;
    bool transparent_ = false;
};

namespace korvan::forms {
// Pixels per inch of the device a canvas draws on: the printer's while it
// prints on the printer's page, else the screen's.
TPoint CanvasResolution(const TCanvas& canvas);
} // namespace korvan::forms

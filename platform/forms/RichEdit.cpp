// The rich edit: its document, streams, window painting, rendering onto
// other canvases and printing.

#include "platform/forms/RichEdit.h"

#include "platform/forms/Printer.h"
#include "platform/forms/RtfRender.h"
#include "platform/forms/RtfWriter.h"
#include "platform/gfx/Bitmap.h"

#include <algorithm>

using korvan::forms::ClassBuilder;
using korvan::forms::RtfDocument;
using korvan::forms::RtfRun;

namespace korvan::forms {

TPoint CanvasResolution(const TCanvas& canvas) {
    TPrinter& printer = Printer();
    if (printer.Printing() && &printer.Canvas() == &canvas)
        return Point(printer.DpiX(), printer.DpiY());
    return Point(TFont::PixelsPerInch, TFont::PixelsPerInch);
}

} // namespace korvan::forms

// ---------------------------------------------------------------- attributes

const TClassInfo& TTextAttributes::StaticClassInfo() {
    using T = TTextAttributes;
    static const TClassInfo info = ClassBuilder<T>("TTextAttributes", &TPersistent::StaticClassInfo())
                                       .Property("Name", &T::Name, &T::SetName)
                                       .Property("Size", &T::Size, &T::SetSize)
                                       .Property("Color", &T::Color, &T::SetColor)
                                       .Property("Charset", &T::Charset, &T::SetCharset)
                                       .Build();
    return info;
}

void TTextAttributes::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TTextAttributes*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    name_ = other->name_;
    size_ = other->size_;
    style_ = other->style_;
    color_ = other->color_;
    charset_ = other->charset_;
}

// ---------------------------------------------------------------- rich edit

const TClassInfo& TRichEdit::StaticClassInfo() {
    using T = TRichEdit;
    static const TClassInfo info = ClassBuilder<T>("TRichEdit", &TCustomControl::StaticClassInfo())
                                       .Creator()
                                       .Property("PlainText", &T::PlainText, &T::SetPlainText)
                                       .Default(false)
                                       .Property("WordWrap", &T::WordWrap, &T::SetWordWrap)
                                       .Default(true)
                                       .Property("Transparent", &T::Transparent, &T::SetTransparent)
                                       .Default(false)
                                       .Build();
    return info;
}

TRichEdit::TRichEdit(TComponent* owner)
    : TCustomControl(owner), defAttributes_(std::make_unique<TTextAttributes>()),
      selAttributes_(std::make_unique<TTextAttributes>()) {
    controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    SetBounds(0, 0, 185, 89);
}

TRichEdit::~TRichEdit() = default;

void TRichEdit::Changed() {
    Invalidate();
    // A hidden rich edit (one that only renders elsewhere) is not measured.
    if (!OnResizeRequest || !Visible())
        return;
    TBitmap scratch(1, 1);
    korvan::forms::RtfRenderOptions options;
    options.WordWrap = wordWrap_;
    options.Draw = false;
    const int height =
        korvan::forms::RenderRtf(scratch.Canvas(), document_, Rect(0, 0, Width(), 1 << 24), options).Height;
    OnResizeRequest(this, Rect(0, 0, Width(), height));
}

void TRichEdit::SetDocument(RtfDocument document) {
    document_ = std::move(document);
    Changed();
}

std::string TRichEdit::Text() const {
    return document_.PlainText();
}

void TRichEdit::Clear() {
    document_ = {};
    selAttributes_->Assign(defAttributes_.get());
    Changed();
}

void TRichEdit::SetText(const std::string& text) {
    document_ = {};
    selAttributes_->Assign(defAttributes_.get());
    AppendText(text);
}

RtfRun TRichEdit::RunOf(const TTextAttributes& a) {
    RtfRun run;
    auto font = std::find_if(document_.Fonts.begin(), document_.Fonts.end(), [&](const auto& entry) {
        return entry.second.Name == a.Name() && entry.second.Charset == a.Charset();
    });
    if (font == document_.Fonts.end()) {
        const int number = document_.Fonts.empty() ? 0 : document_.Fonts.rbegin()->first + 1;
        font = document_.Fonts.emplace(number, korvan::forms::RtfFont{a.Name(), a.Charset()}).first;
    }
    run.Font = font->first;
    run.HalfPoints = std::clamp(a.Size() * 2, 2, 400);
    run.Bold = (a.Style() & fsBold) != 0;
    run.Italic = (a.Style() & fsItalic) != 0;
    run.Underline = (a.Style() & fsUnderline) != 0;
    if (a.Color() != clDefault && a.Color() != clNone && a.Color() != clWindowText) {
        const TColor rgb = ColorToRGB(a.Color());
        std::vector<TColor>& colours = document_.Colours;
        if (colours.empty())
            colours.push_back(clNone); // entry 0: the default colour
        const auto at = std::find(colours.begin() + 1, colours.end(), rgb);
        run.Colour = int(at - colours.begin());
        if (at == colours.end())
            colours.push_back(rgb);
    }
    return run;
}

void TRichEdit::AppendText(const std::string& text) {
    const RtfRun style = RunOf(*selAttributes_);
    if (document_.Paragraphs.empty())
        document_.Paragraphs.emplace_back();
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        if (end > from) {
            std::vector<RtfRun>& runs = document_.Paragraphs.back().Runs;
            if (runs.empty() || !runs.back().SameStyle(style))
                runs.push_back(style);
            runs.back().Text += text.substr(from, end - from);
        }
        if (end == text.size())
            break;
        document_.Paragraphs.emplace_back();
        from = end + 1;
    }
    Changed();
}

void TRichEdit::SetWordWrap(bool v) {
    if (v == wordWrap_)
        return;
    wordWrap_ = v;
    Changed();
}

void TRichEdit::SetBorderStyle(TBorderStyle v) {
    if (v == borderStyle_)
        return;
    borderStyle_ = v;
    Invalidate();
}

void TRichEdit::SetTransparent(bool v) {
    if (v == transparent_)
        return;
    transparent_ = v;
    controlStyle_ = v ? (controlStyle_ & ~csOpaque) : (controlStyle_ | csOpaque);
    Invalidate();
}

void TRichEdit::LoadFromStream(std::string_view bytes) {
    if (!plainText_) {
        SetDocument(korvan::forms::ParseRtf(bytes));
        return;
    }
    std::string text(bytes);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    document_ = {};
    selAttributes_->Assign(defAttributes_.get());
    AppendText(text);
}

std::string TRichEdit::SaveToStream() const {
    return plainText_ ? document_.PlainText() : korvan::forms::WriteRtf(document_);
}

int TRichEdit::FormatRange(TCanvas& canvas, const TRect& twips, int dpiX, int dpiY) {
    dpiX = dpiX > 0 ? dpiX : TFont::PixelsPerInch;
    dpiY = dpiY > 0 ? dpiY : TFont::PixelsPerInch;
    const auto pixels = [](int t, int dpi) { return int((std::int64_t(t) * dpi + 720) / 1440); };
    const TRect r = Rect(pixels(twips.Left, dpiX), pixels(twips.Top, dpiY), pixels(twips.Right, dpiX),
                         pixels(twips.Bottom, dpiY));
    korvan::forms::RtfRenderOptions options;
    options.WordWrap = wordWrap_;
    options.DpiX = dpiX;
    options.DpiY = dpiY;
    return korvan::forms::RenderRtf(canvas, document_, r, options).Height;
}

void TRichEdit::Print(const std::string& caption) {
    TPrinter& printer = Printer();
    printer.SetTitle(caption);
    printer.BeginDoc();
    try {
        korvan::forms::RtfRenderOptions options;
        // Paper does not scroll: lines wrap at its width whatever WordWrap
        // says, or their ends would be lost.
        options.WordWrap = true;
        options.DpiX = printer.DpiX();
        options.DpiY = printer.DpiY();
        options.WholeLines = true;
        const TRect page = Rect(0, 0, printer.PaperWidthPixels(), printer.PaperHeightPixels());
        for (;;) {
            const korvan::forms::RtfRenderResult done =
                korvan::forms::RenderRtf(printer.Canvas(), document_, page, options);
            if (done.Complete || done.NextY <= options.FromY)
                break;
            options.FromY = done.NextY;
            printer.NewPage();
        }
    } catch (...) {
        printer.EndDoc();
        throw;
    }
    printer.EndDoc();
}

void TRichEdit::Paint() {
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    if (!transparent_) {
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(Color());
        c.FillRect(r);
    }
    if (borderStyle_ == bsSingle) {
        c.Brush().SetColor(clBtnShadow);
        c.FrameRect(r);
        r = r.Inflate(-1, -1);
    }
    korvan::forms::RtfRenderOptions options;
    options.WordWrap = wordWrap_;
    korvan::forms::RenderRtf(c, document_, r, options);
}

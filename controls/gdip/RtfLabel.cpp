// The rich-text label: its hidden rich edit, the capture of a rich edit's
// document, rendering and printing.

#include "controls/gdip/RtfLabel.h"

#include "controls/gdip/ControlVersion.h"
#include "platform/text/Rounding.h"

#include <utility>

using korvan::forms::ClassBuilder;

namespace {

// Gives the rich edit the label's parent and takes it away again on every
// way out.
class Attached {
public:
    Attached(TRichEdit& richEdit, TWinControl* parent) : richEdit_(richEdit) { richEdit_.SetParent(parent); }
    ~Attached() { richEdit_.SetParent(nullptr); }
    Attached(const Attached&) = delete;
    Attached& operator=(const Attached&) = delete;

private:
    TRichEdit& richEdit_;
};

} // namespace

const TClassInfo& TRTFLabel::StaticClassInfo() {
    using T = TRTFLabel;
    static const TClassInfo info = ClassBuilder<T>("TRTFLabel", &TLabel::StaticClassInfo())
                                       .Creator()
                                       .Property("RichText", &T::RichText, &T::SetRichText)
                                       .Property("WordWrap", &T::RtfWordWrap, &T::SetRtfWordWrap)
                                       .Default(false)
                                       .Property("Version", &T::Version, &T::SetVersion)
                                       .Stored(false)
                                       .Build();
    return info;
}

TRTFLabel::TRTFLabel(TComponent* owner) : TLabel(owner), richEdit_(new TRichEdit(this)) {
    richEdit_->OnResizeRequest = [](TObject*, TRect) {};
    // Hidden from the start, so that a label made in code (never Loaded)
    // shows no rich edit on its parent while one is being filled.
    richEdit_->SetVisible(false);
    SetAutoSize(false);
    SetCaption("");
}

TRTFLabel::~TRTFLabel() {
    delete std::exchange(richEdit_, nullptr);
}

void TRTFLabel::Notification(TComponent* component, TOperation operation) {
    TLabel::Notification(component, operation);
    if (operation == opRemove && component == richEdit_)
        richEdit_ = nullptr;
}

std::uint32_t TRTFLabel::GetVersionNr() const {
    return korvan::gdip::PackVersion(1, 3, 1, 0);
}

std::string TRTFLabel::Version() const {
    return korvan::gdip::VersionText(GetVersionNr());
}

void TRTFLabel::SetRichText(const std::string& value) {
    richText_ = value;
    Invalidate();
}

void TRTFLabel::SetRtfWordWrap(bool value) {
    wordWrap_ = value;
    if (Parent() && richEdit_ && !HasState(csLoading))
        richEdit_->SetWordWrap(value);
}

void TRTFLabel::Loaded() {
    TLabel::Loaded();
    if (richEdit_) {
        richEdit_->SetVisible(false);
        richEdit_->SetBounds(0, 0, 10, 10);
        richEdit_->SetWordWrap(false);
        richEdit_->SetBorderStyle(bsNone);
    }
    SetCaption("");
}

bool TRTFLabel::ParentHasWindow() const {
    return Parent() && Parent()->HandleAllocated();
}

void TRTFLabel::EndUpdate() {
    if (updateCount_ == 0)
        return;
    if (--updateCount_ == 0)
        ShowRTF();
}

TRichEdit* TRTFLabel::GetRichEdit() {
    if (!Parent() || !richEdit_)
        return nullptr;
    richEdit_->SetParent(Parent());
    if (ParentHasWindow()) {
        richEdit_->Clear();
        richEdit_->SelAttributes()->Assign(richEdit_->DefAttributes());
    }
    return richEdit_;
}

void TRTFLabel::ShowRTF() {
    if (!richEdit_ || !ParentHasWindow())
        return;
    Attached attached(*richEdit_, Parent());
    CopyFromRichEdit(richEdit_);
}

void TRTFLabel::CopyFromRichEdit(TRichEdit* richEdit) {
    if (!richEdit)
        return;
    // One character per byte of the stream.
    SetRichText(richEdit->SaveToStream());
    Repaint();
}

void TRTFLabel::CopyToRichEdit(TRichEdit* richEdit) {
    if (!richEdit)
        return;
    richEdit->SetPlainText(false);
    // Each character's byte back into the stream.
    richEdit->LoadFromStream(richText_);
}

void TRTFLabel::Print(const std::string& caption) {
    if (!Parent() || !richEdit_)
        return;
    Attached attached(*richEdit_, Parent());
    if (!ParentHasWindow())
        return;
    CopyToRichEdit(richEdit_);
    richEdit_->Print(caption);
}

void TRTFLabel::Render(TCanvas& canvas, const TRect& r) {
    CopyToRichEdit(richEdit_);
    const TPoint dpi = korvan::forms::CanvasResolution(canvas);
    const int dpiX = dpi.X > 0 ? dpi.X : 96, dpiY = dpi.Y > 0 ? dpi.Y : 96;
    richEdit_->SetColor(ColorToRGB(Transparent() && Parent() ? Parent()->Color() : Color()));
    richEdit_->FormatRange(canvas, PageInTwips(r, dpiX, dpiY), dpiX, dpiY);
}

TRect TRTFLabel::PageInTwips(const TRect& r, int dpiX, int dpiY) {
    const auto twips = [](int pixels, int dpi) { return int(Round(double(pixels) / dpi * 1440)); };
    TRect page;
    page.Left = twips(r.Left + 1, dpiX);
    page.Top = twips(r.Top + 1, dpiY);
    page.Right = page.Left + twips(r.Right - r.Left - 1, dpiX);
    page.Bottom = page.Top + twips(r.Bottom - r.Top - 1, dpiY);
    return page;
}

void TRTFLabel::PaintTo(TCanvas& canvas) {
    if (richEdit_)
        Render(canvas, ClientRect());
}

void TRTFLabel::Paint() {
    if (!Caption().empty())
        SetCaption("");
    TLabel::Paint();
    if (updateCount_ > 0 || !richEdit_ || painting_)
        return;
    painting_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{painting_};
    if (!ParentHasWindow())
        return;
    richEdit_->SetTransparent(true);
    richEdit_->SetHeight(0);
    TCanvas& canvas = Canvas();
    canvas.SetBkMode(TRANSPARENT);
    Render(canvas, Rect(0, 0, Width(), Height()));
}

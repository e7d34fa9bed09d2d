// The office image and its hint information.

#include "controls/gdip/OfficeImage.h"

#include "controls/gdip/ControlVersion.h"

using korvan::forms::ClassBuilder;

// ---------------------------------------------------------------- hint info

const TClassInfo& TAdvHintInfo::StaticClassInfo() {
    using T = TAdvHintInfo;
    static const TClassInfo info = ClassBuilder<T>("TAdvHintInfo", &TPersistent::StaticClassInfo())
                                       .Property("Picture", &T::Picture, &T::SetPicture)
                                       .Property("ShowHelp", &T::ShowHelp, &T::SetShowHelp)
                                       .Default(false)
                                       .Property("Notes", &T::Notes, &T::SetNotes)
                                       .Property("Title", &T::Title, &T::SetTitle)
                                       .Build();
    return info;
}

TAdvHintInfo::TAdvHintInfo()
    : picture_(std::make_unique<TGDIPPicture>()), notes_(std::make_unique<TStringList>()) {}

TAdvHintInfo::~TAdvHintInfo() = default;

void TAdvHintInfo::SetPicture(TGDIPPicture* value) {
    picture_->Assign(value);
}

void TAdvHintInfo::SetNotes(TStrings* value) {
    if (value != notes_.get())
        notes_->Assign(value);
}

void TAdvHintInfo::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TAdvHintInfo*>(source);
    if (!other || other == this)
        return;
    title_ = other->title_;
    notes_->Assign(other->notes_.get());
    showHelp_ = other->showHelp_;
    picture_->Assign(other->picture_.get());
    wideTitle_ = other->wideTitle_;
    wideNotes_ = other->wideNotes_;
}

bool TAdvHintInfo::IsEmpty() const {
    return title_.empty() && notes_->Text().empty();
}

// ---------------------------------------------------------------- office image

const TClassInfo& TAdvOfficeImage::StaticClassInfo() {
    using T = TAdvOfficeImage;
    static const TClassInfo info = ClassBuilder<T>("TAdvOfficeImage", &TGraphicControl::StaticClassInfo())
                                       .Creator()
                                       .Property("Picture", &T::Picture, &T::SetPicture)
                                       .Property("Center", &T::Center, &T::SetCenter)
                                       .Default(true)
                                       .Property("Stretch", &T::Stretch, &T::SetStretch)
                                       .Default(false)
                                       .Property("OfficeHint", &T::OfficeHint, &T::SetOfficeHint)
                                       .Property("Version", &T::Version, &T::SetVersion)
                                       .Stored(false)
                                       .Build();
    return info;
}

TAdvOfficeImage::TAdvOfficeImage(TComponent* owner)
    : TGraphicControl(owner), picture_(std::make_unique<TGDIPPicture>()),
      officeHint_(std::make_unique<TAdvHintInfo>()) {
    controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks;
    SetShowHint(false);
    SetBounds(0, 0, 128, 128);
    picture_->OnChange = [this] { Invalidate(); };
}

TAdvOfficeImage::~TAdvOfficeImage() {
    picture_->OnChange = nullptr;
}

void TAdvOfficeImage::SetPicture(TGDIPPicture* value) {
    picture_->Assign(value);
    Invalidate();
}

void TAdvOfficeImage::SetCenter(bool value) {
    if (value == center_)
        return;
    center_ = value;
    Invalidate();
}

void TAdvOfficeImage::SetStretch(bool value) {
    if (value == stretch_)
        return;
    stretch_ = value;
    Invalidate();
}

std::uint32_t TAdvOfficeImage::GetVersionNr() const {
    return korvan::gdip::PackVersion(1, 1, 0, 0);
}

std::string TAdvOfficeImage::Version() const {
    return korvan::gdip::VersionText(GetVersionNr());
}

void TAdvOfficeImage::Paint() {
    PaintImage(Canvas());
}

void TAdvOfficeImage::PaintImage(TCanvas& canvas) {
    if (picture_->Empty()) {
        if (HasState(csDesigning)) {
            canvas.Pen().SetStyle(psDot);
            canvas.Pen().SetColor(clBlue);
            canvas.Brush().SetStyle(bsClear);
            canvas.Rectangle(ClientRect());
        }
        return;
    }
    picture_->GetImageSizes();
    if (stretch_) {
        picture_->Draw(canvas, ClientRect());
        return;
    }
    const int w = picture_->Width(), h = picture_->Height();
    const int x = center_ ? (Width() - w) / 2 : 0;
    const int y = center_ ? (Height() - h) / 2 : 0;
    picture_->Draw(canvas, Bounds(x, y, w, h));
}

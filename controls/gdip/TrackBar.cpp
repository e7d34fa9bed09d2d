// The track bar's value, properties, parts and lifecycle.

#include "controls/gdip/TrackBar.h"

#include "controls/gdip/TrackBarDrawing.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/text/Format.h"

namespace {

using korvan::forms::ClassBuilder;

const std::vector<std::string> kDirectionNames{std::begin(korvan::gdip::kGradientDirectionNames),
                                               std::end(korvan::gdip::kGradientDirectionNames)};

} // namespace

const TClassInfo& TCustomTrackBar::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TCustomTrackBar>("TCustomTrackBar", &TCustomControl::StaticClassInfo()).Build();
    return info;
}

const TClassInfo& TAdvTrackBar::StaticClassInfo() {
    using T = TAdvTrackBar;
    static const TClassInfo info =
        ClassBuilder<T>("TAdvTrackBar", &TCustomTrackBar::StaticClassInfo())
            .Creator()
            .Property("BackGround", &T::BackGround, &T::SetBackGround)
            .Property("BackGroundStretched", &T::BackGroundStretched, &T::SetBackGroundStretched)
            .Default(false)
            .Property("BackGroundDisabled", &T::BackGroundDisabled, &T::SetBackGroundDisabled)
            .Property("BorderColor", &T::BorderColor, &T::SetBorderColor)
            .TypeName("TColor")
            .Default(clNone)
            .Property("BorderColorDisabled", &T::BorderColorDisabled, &T::SetBorderColorDisabled)
            .TypeName("TColor")
            .Default(clNone)
            .Property("Buttons", &T::Buttons, &T::SetButtons)
            .Property("ColorTo", &T::ColorTo, &T::SetColorTo)
            .TypeName("TColor")
            .Default(clNone)
            .Property("ColorDisabled", &T::ColorDisabled, &T::SetColorDisabled)
            .TypeName("TColor")
            .Default(clNone)
            .Property("ColorDisabledTo", &T::ColorDisabledTo, &T::SetColorDisabledTo)
            .TypeName("TColor")
            .Default(clNone)
            .Enum("Direction", &T::Direction, &T::SetDirection, kDirectionNames, "TGradientDirection")
            .Default(gdHorizontal)
            .Property("Max", &T::Max, &T::SetMax)
            .Default(10)
            .Property("Min", &T::Min, &T::SetMin)
            .Default(0)
            .Enum("MoveOnClick", &T::MoveOnClick, &T::SetMoveOnClick, {"mcStep", "mcMove", "mcMoveSlide"},
                  "TMoveOnClick")
            .Default(mcStep)
            .Enum("Orientation", &T::Orientation, &T::SetOrientation, {"trHorizontal", "trVertical"},
                  "TTrackBarOrientation")
            .Default(trHorizontal)
            .Property("PageSize", &T::PageSize, &T::SetPageSize)
            .Default(1)
            .Property("Position", &T::Position, &T::SetPosition)
            .Default(0)
            .Property("RateActive", &T::RateActive, &T::SetRateActive)
            .Property("RateInActive", &T::RateInActive, &T::SetRateInActive)
            .Property("ShowFocus", &T::ShowFocus, &T::SetShowFocus)
            .Default(false)
            .Property("Slider", &T::Slider, &T::SetSlider)
            .Property("Thumb", &T::Thumb, &T::SetThumb)
            .Property("TickMark", &T::TickMark, &T::SetTickMark)
            .Property("TrackHint", &T::TrackHint, &T::SetTrackHint)
            .Default(false)
            .Property("TrackLabel", &T::TrackLabel, &T::SetTrackLabel)
            .Property("Transparent", &T::Transparent, &T::SetTransparent)
            .Default(true)
            .Property("Version", &T::Version, &T::SetVersion)
            .Stored(false)
            .Build();
    return info;
}

TCustomTrackBar::TCustomTrackBar(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption;
    SetBounds(0, 0, 150, 26);
    SetTabStop(true);
    SetColor(clNone);
    trackHint_ = ShowHint();
    const auto repaintAll = [this] { Invalidate(); };
    for (auto* held : {&backGround_, &backGroundDisabled_, &rateActive_, &rateInActive_}) {
        *held = std::make_unique<TGDIPPicture>();
        (*held)->OnChange = repaintAll;
    }
    thumb_ = std::make_unique<TTrackBarThumb>();
    tickMark_ = std::make_unique<TTrackBarTick>();
    slider_ = CreateSlider();
    buttons_ = std::make_unique<TTrackBarButtons>();
    trackLabel_ = std::make_unique<TTrackBarLabel>();
    thumb_->SetAdvTrackBar(this);
    slider_->SetAdvTrackBar(this);
    buttons_->SetAdvTrackBar(this);
    for (TTrackBarPart* part : std::initializer_list<TTrackBarPart*>{thumb_.get(), slider_.get(),
                                                                     buttons_.get(), trackLabel_.get()})
        part->OnChange = [this](TObject*) { PartChanged(); };
    tickMark_->OnChange = [this](TObject*) { TickFontChanged(); };
}

TCustomTrackBar::~TCustomTrackBar() {
    repeatTimer_.reset();
    for (TTrackBarPart* part : std::initializer_list<TTrackBarPart*>{
             thumb_.get(), slider_.get(), buttons_.get(), trackLabel_.get(), tickMark_.get()})
        part->OnChange = nullptr;
    for (auto* held : {&backGround_, &backGroundDisabled_, &rateActive_, &rateInActive_})
        (*held)->OnChange = nullptr;
}

std::unique_ptr<TTrackBarSlider> TCustomTrackBar::CreateSlider() {
    return std::make_unique<TTrackBarSlider>();
}

// ---------------------------------------------------------------- value

void TCustomTrackBar::SetPosition(int value) {
    if (value < min_)
        value = min_;
    else if (value > max_)
        value = max_;
    if (value == position_)
        return;
    position_ = value;
    Invalidate();
    NotifyChange();
}

void TCustomTrackBar::NotifyChange() {
    if (OnChange)
        OnChange(this);
}

void TCustomTrackBar::SetMin(int value) {
    if (value == min_)
        return;
    min_ = value;
    if (position_ < min_)
        SetPosition(min_);
    Invalidate();
}

void TCustomTrackBar::SetMax(int value) {
    if (value == max_)
        return;
    max_ = value;
    if (max_ < position_)
        SetPosition(max_);
    Invalidate();
}

void TCustomTrackBar::SetOrientation(TTrackBarOrientation value) {
    if (value == orientation_)
        return;
    orientation_ = value;
    if (!HasState(csLoading))
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TCustomTrackBar::StepDown() {
    if (position_ > min_)
        SetPosition(position_ - buttons_->Step());
}

void TCustomTrackBar::StepUp() {
    if (position_ < max_)
        SetPosition(position_ + buttons_->Step());
}

bool TCustomTrackBar::CanSetThumbPointer(TTrackBarThumb* /*thumb*/, TThumbPointer& /*value*/) {
    return true;
}

void TCustomTrackBar::GetTrackLabelText(std::string& text) const {
    text = Format(trackLabel_->Format(), {position_});
    if (OnGetTrackLabelText)
        OnGetTrackLabelText(const_cast<TCustomTrackBar*>(this), position_, text);
}

std::string TCustomTrackBar::Version() const {
    return "1.6.3.0";
}

// ---------------------------------------------------------------- look

void TCustomTrackBar::SetTransparent(bool value) {
    transparent_ = value;
    controlStyle_ = value ? (controlStyle_ & ~csOpaque) : (controlStyle_ | csOpaque);
    Invalidate();
}

void TCustomTrackBar::SetColorTo(TColor value) {
    colorTo_ = value;
    Invalidate();
}

void TCustomTrackBar::SetBorderColor(TColor value) {
    borderColor_ = value;
    Invalidate();
}

void TCustomTrackBar::SetDirection(TGradientDirection value) {
    direction_ = value;
    Invalidate();
}

void TCustomTrackBar::SetBackGround(TGDIPPicture* value) {
    backGround_->Assign(static_cast<TPersistent*>(value));
}

void TCustomTrackBar::SetBackGroundDisabled(TGDIPPicture* value) {
    backGroundDisabled_->Assign(static_cast<TPersistent*>(value));
}

void TCustomTrackBar::SetBackGroundStretched(bool value) {
    backGroundStretched_ = value;
    Invalidate();
}

void TCustomTrackBar::SetRateActive(TGDIPPicture* value) {
    rateActive_->Assign(static_cast<TPersistent*>(value));
}

void TCustomTrackBar::SetRateInActive(TGDIPPicture* value) {
    rateInActive_->Assign(static_cast<TPersistent*>(value));
}

void TCustomTrackBar::SetTickImages(TImageList* value) {
    tickImages_ = value;
    Invalidate();
}

void TCustomTrackBar::PartChanged() {
    Invalidate();
}

void TCustomTrackBar::TickFontChanged() {
    textHeight_ = korvan::gdip::TextSize(*tickMark_->Font(), "gh").cy + 2 * kTickTextOffset;
    Invalidate();
}

// ---------------------------------------------------------------- lifecycle

void TCustomTrackBar::Loaded() {
    TCustomControl::Loaded();
    TickFontChanged();
    buttons_->PicturesChanged();
    thumb_->PicturesChanged();
}

void TCustomTrackBar::EnabledChanged() {
    TCustomControl::EnabledChanged();
    if (!Enabled())
        CancelPress();
    Invalidate();
}

void TCustomTrackBar::DoEnter() {
    TCustomControl::DoEnter();
    Invalidate();
}

void TCustomTrackBar::DoExit() {
    TCustomControl::DoExit();
    Invalidate();
}

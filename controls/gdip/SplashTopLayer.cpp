// The splash screen's top-layer boxes: their data, streaming and drawing.

#include "controls/gdip/SplashTopLayer.h"

#include "controls/gdip/MiniHtml.h"
#include "platform/forms/GraphicsProperties.h"

#include <cmath>

using korvan::forms::ClassBuilder;

const TClassInfo& TAdvSplashHTMLText::StaticClassInfo() {
    using T = TAdvSplashHTMLText;
    static const TClassInfo info =
        ClassBuilder<T>("TAdvSplashHTMLText", &TPersistent::StaticClassInfo())
            .Property("Text", &T::Text, &T::SetText)
            // The default is the start value, so every other location,
            // cpCenterLeft among them, is written and reads back as stored.
            .Enum("Location", &T::Location, &T::SetLocation,
                  {"cpTopLeft", "cpTopCenter", "cpTopRight", "cpCenterLeft", "cpCenterCenter",
                   "cpCenterRight", "cpBottomLeft", "cpBottomCenter", "cpBottomRight", "cpCustom"},
                  "TDovOveruvAvovozIruridLocation")
            .Default(cpTopLeft)
            .Property("Top", &T::Top, &T::SetTop)
            .Default(0)
            .Property("Left", &T::Left, &T::SetLeft)
            .Default(0)
            .Property("URLColor", &T::URLColor, &T::SetURLColor)
            .TypeName("TColor")
            .Default(clBlue)
            .Property("ShadowColor", &T::ShadowColor, &T::SetShadowColor)
            .TypeName("TColor")
            .Default(clGray)
            .Property("ShadowOffset", &T::ShadowOffset, &T::SetShadowOffset)
            .Default(5)
            .Property("Font", &T::Font, &T::SetFont)
            .Build();
    return info;
}

TAdvSplashHTMLText::TAdvSplashHTMLText() : font_(std::make_unique<TFont>()) {
    font_->OnChange = [this] { Changed(); };
}

TAdvSplashHTMLText::~TAdvSplashHTMLText() {
    font_->OnChange = nullptr;
}

void TAdvSplashHTMLText::Assign(TPersistent* source) {
    auto* o = dynamic_cast<TAdvSplashHTMLText*>(source);
    if (!o || o == this)
        return;
    SetText(o->text_);
    SetLocation(o->location_);
    SetTop(o->top_);
    SetLeft(o->left_);
    SetURLColor(o->urlColor_);
    SetShadowColor(o->shadowColor_);
    SetShadowOffset(o->shadowOffset_);
    font_->Assign(*o->font_);
}

// ---------------------------------------------------------------- items

const TClassInfo& TAdvSplashTopLayerItem::StaticClassInfo() {
    using T = TAdvSplashTopLayerItem;
    static const TClassInfo info =
        ClassBuilder<T>("TAdvSplashTopLayerItem", &TCollectionItem::StaticClassInfo())
            .Creator()
            .Property("Visible", &T::Visible, &T::SetVisible)
            .Default(true)
            .Property("Top", &T::Top, &T::SetTop)
            .Default(0)
            .Property("Left", &T::Left, &T::SetLeft)
            .Default(0)
            .Property("Width", &T::Width, &T::SetWidth)
            .Default(100)
            .Property("Height", &T::Height, &T::SetHeight)
            .Default(100)
            .Enum("Align", &T::Align, &T::SetAlign,
                  {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}, "TAlign")
            .Default(alCustom)
            .Property("HTMLText", &T::HTMLText, &T::SetHTMLText)
            .Property("Fill", &T::Fill, &T::SetFill)
            .Build();
    return info;
}

TAdvSplashTopLayerItem::TAdvSplashTopLayerItem(TCollection* collection)
    : TCollectionItem(nullptr), htmlText_(std::make_unique<TAdvSplashHTMLText>()),
      fill_(std::make_unique<TGDIPFill>()) {
    htmlText_->OnChange = [this](TObject*) { Changed(false); };
    fill_->OnChange = [this](TObject*) { Changed(false); };
    SetCollection(collection);
}

TAdvSplashTopLayerItem::~TAdvSplashTopLayerItem() {
    htmlText_->OnChange = nullptr;
    fill_->OnChange = nullptr;
}

void TAdvSplashTopLayerItem::Assign(TPersistent* source) {
    auto* o = dynamic_cast<TAdvSplashTopLayerItem*>(source);
    if (!o || o == this)
        return;
    SetVisible(o->visible_);
    SetTop(o->top_);
    SetLeft(o->left_);
    SetWidth(o->width_);
    SetHeight(o->height_);
    SetAlign(o->align_);
    htmlText_->Assign(o->htmlText_.get());
    fill_->Assign(o->fill_.get());
}

TGPRectF TAdvSplashTopLayerItem::BoxIn(const TRect& inner) const {
    const float x = float(inner.Left), y = float(inner.Top);
    const float w = float(inner.Right - inner.Left), h = float(inner.Bottom - inner.Top);
    const float iw = float(width_), ih = float(height_);
    TGPRectF r;
    switch (align_) {
    case alTop:
        r = {x, y, w - x, ih};
        break;
    case alBottom:
        r = {x, y + h - ih, w - x, ih};
        break;
    case alLeft:
        r = {x, y, iw, h};
        break;
    case alRight:
        r = {w - iw, y, iw, h};
        break;
    case alClient:
        r = {x, y, w - x, h};
        break;
    default:
        r = {x + float(left_), y + float(top_), iw, ih};
        break;
    }
    // Without a border the fill would leave its last line empty.
    if (fill_->BorderColor() == clNone || fill_->BorderWidth() == 0)
        r.Height += 1;
    return r;
}

const TClassInfo& TAdvSplashTopLayerItems::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TAdvSplashTopLayerItems>("TAdvSplashTopLayerItems", &TOwnedCollection::StaticClassInfo())
            .Build();
    return info;
}

TAdvSplashTopLayerItems::TAdvSplashTopLayerItems(TPersistent* owner)
    : TOwnedCollection(owner, ItemClass<TAdvSplashTopLayerItem>()) {}

void TAdvSplashTopLayerItems::Update(TCollectionItem*) {
    if (OnChange)
        OnChange(this);
}

void TAdvSplashTopLayerItems::Notify(TCollectionItem*, TCollectionNotification) {
    if (OnChange)
        OnChange(this);
}

// ---------------------------------------------------------------- drawing

namespace {

// The text's offset in a box of `box` for a span of `text` along one axis:
// start, centre or end by the location's column or row.
int Offset(int which, int box, int text) {
    return which == 0 ? 0 : which == 1 ? (box - text) / 2 : box - text;
}

void DrawBoxText(Gdiplus::Graphics& g, const TAdvSplashHTMLText& t, const TGPRectF& box,
                 TGDIPPictureContainer* pictures, TImageList* images) {
    korvan::gdip::MiniHtmlOptions o;
    o.Pictures = pictures;
    o.Images = images;
    o.ShadowColor = t.ShadowColor();
    o.ShadowOffset = t.ShadowOffset();
    o.URLColor = t.URLColor();
    const int bx = int(std::lround(box.X)), by = int(std::lround(box.Y));
    const int bw = int(std::lround(box.Width)), bh = int(std::lround(box.Height));
    korvan::gdip::MiniHtmlOptions m = o;
    m.MeasureOnly = true;
    korvan::gdip::MiniHtmlResult size;
    korvan::gdip::DrawMiniHtml(g, *t.Font(), t.Text(), Rect(0, 0, bw, bh), m, size);
    int x = t.Left(), y = t.Top();
    if (t.Location() != cpCustom) {
        const int column = int(t.Location()) % 3, row = int(t.Location()) / 3;
        x = bx + Offset(column, bw, size.Width);
        y = by + Offset(row, bh, size.Height);
    }
    korvan::gdip::MiniHtmlResult drawn;
    korvan::gdip::DrawMiniHtml(g, *t.Font(), t.Text(), Bounds(x, y, size.Width, size.Height), o, drawn);
}

} // namespace

void DrawSplashTopLayerItems(Gdiplus::Graphics& g, const TAdvSplashTopLayerItems& items, const TRect& inner,
                             TGDIPPictureContainer* pictures, TImageList* images) {
    for (int i = 0; i < items.Count(); ++i) {
        const TAdvSplashTopLayerItem& item = *items.Items(i);
        if (!item.Visible())
            continue;
        if (item.Fill()->Rounding() > 0 && item.Fill()->RoundingType() != rtNone)
            g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        const TGPRectF box = item.BoxIn(inner);
        item.Fill()->Fill(&g, box);
        if (!item.HTMLText()->Text().empty())
            DrawBoxText(g, *item.HTMLText(), box, pictures, images);
    }
}

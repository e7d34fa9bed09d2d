#pragma once
// Boxes a splash screen draws over its picture: each a fill with an HTML
// text placed at one of nine points of the box or at a fixed spot.

#include "controls/gdip/GDIPFill.h"
#include "platform/forms/Collection.h"
#include "platform/forms/ControlTypes.h"
#include "platform/forms/Persistent.h"
#include "platform/gfx/Gdiplus.h"
#include "platform/gfx/GraphicsObjects.h"

#include <memory>
#include <string>

class TGDIPPictureContainer;
class TImageList;

enum TDovOveruvAvovozIruridLocation {
    cpTopLeft,
    cpTopCenter,
    cpTopRight,
    cpCenterLeft,
    cpCenterCenter,
    cpCenterRight,
    cpBottomLeft,
    cpBottomCenter,
    cpBottomRight,
    cpCustom
};

// A box's HTML text. Every change of a value or of the font raises
// OnChange unless repainting is switched off.
class TAdvSplashHTMLText : public TPersistent {
    KORVAN_CLASS(TAdvSplashHTMLText)
public:
    TAdvSplashHTMLText();
    ~TAdvSplashHTMLText() override;
    void Assign(TPersistent* source) override;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& v) { Store(text_, v); }
    TDovOveruvAvovozIruridLocation Location() const { return location_; }
    void SetLocation(TDovOveruvAvovozIruridLocation v) { Store(location_, v); }
    int Top() const { return top_; }
    void SetTop(int v) { Store(top_, v); }
    int Left() const { return left_; }
    void SetLeft(int v) { Store(left_, v); }
    TColor URLColor() const { return urlColor_; }
    void SetURLColor(TColor v) { Store(urlColor_, v); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor v) { Store(shadowColor_, v); }
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int v) { Store(shadowOffset_, v); }
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) {
        if (v)
            font_->Assign(*v);
    }

    bool DisableRepaint = false;
    TNotifyEvent OnChange;

private:
    template <typename T> void Store(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void Changed() {
        if (!DisableRepaint && OnChange)
            OnChange(this);
    }

    std::string text_;
    TDovOveruvAvovozIruridLocation location_ = cpTopLeft;
    int top_ = 0, left_ = 0;
    TColor urlColor_ = clBlue, shadowColor_ = clGray;
    int shadowOffset_ = 5;
    std::unique_ptr<TFont> font_;
};

class TAdvSplashTopLayerItem : public TCollectionItem {
    KORVAN_CLASS(TAdvSplashTopLayerItem)
public:
    explicit TAdvSplashTopLayerItem(TCollection* collection);
    ~TAdvSplashTopLayerItem() override;
    void Assign(TPersistent* source) override;

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Store(visible_, v); }
    int Top() const { return top_; }
    void SetTop(int v) { Store(top_, v); }
    int Left() const { return left_; }
    void SetLeft(int v) { Store(left_, v); }
    int Width() const { return width_; }
    void SetWidth(int v) { Store(width_, v); }
    int Height() const { return height_; }
    void SetHeight(int v) { Store(height_, v); }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign v) { Store(align_, v); }
    TAdvSplashHTMLText* HTMLText() const { return htmlText_.get(); }
    void SetHTMLText(TAdvSplashHTMLText* v) { htmlText_->Assign(v); }
    TGDIPFill* Fill() const { return fill_.get(); }
    void SetFill(TGDIPFill* v) { fill_->Assign(v); }

    // The box in the window for the inner rectangle of the splash screen.
    TGPRectF BoxIn(const TRect& inner) const;

private:
    template <typename T> void Store(T& field, const T& value) {
        if (field == value)
            return;
        field = value;
        Changed(false);
    }

    bool visible_ = true;
    int top_ = 0, left_ = 0, width_ = 100, height_ = 100;
    TAlign align_ = alCustom;
    std::unique_ptr<TAdvSplashHTMLText> htmlText_;
    std::unique_ptr<TGDIPFill> fill_;
};

// Adding, removing or changing a box raises OnChange.
class TAdvSplashTopLayerItems : public TOwnedCollection {
    KORVAN_CLASS(TAdvSplashTopLayerItems)
public:
    explicit TAdvSplashTopLayerItems(TPersistent* owner);
    TAdvSplashTopLayerItem* Add() { return static_cast<TAdvSplashTopLayerItem*>(TCollection::Add()); }
    TAdvSplashTopLayerItem* Items(int i) const {
        return static_cast<TAdvSplashTopLayerItem*>(TCollection::Items(i));
    }
    void Update(TCollectionItem* item) override;
    void Notify(TCollectionItem* item, TCollectionNotification action) override;
    TNotifyEvent OnChange;
};

// Draws the visible boxes in order over the inner rectangle.
void DrawSplashTopLayerItems(Gdiplus::Graphics& g, const TAdvSplashTopLayerItems& items, const TRect& inner,
                             TGDIPPictureContainer* pictures, TImageList* images = nullptr);

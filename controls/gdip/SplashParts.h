#pragma once
// What a splash screen shows besides its fill: the program's name and
// version headings with the copyright line, free text items with pictures,
// and a list of HTML lines in a rectangle.

#include "controls/gdip/AdvGDIP.h"
#include "controls/gdip/GDIPFillTypes.h"
#include "platform/forms/Collection.h"
#include "platform/forms/Persistent.h"
#include "platform/gfx/Gdiplus.h"

#include <functional>
#include <memory>
#include <string>

enum TItemLocation {
    ilTopLeft,
    ilTopCenter,
    ilTopRight,
    ilBottomLeft,
    ilBottomCenter,
    ilBottomRight,
    ilCustom
};

// A heading (program name or version) drawn with a GDI+ brush.
class TSplashHeadingText : public TPersistent {
    KORVAN_CLASS(TSplashHeadingText)
public:
    TSplashHeadingText();
    ~TSplashHeadingText() override;
    void Assign(TPersistent* source) override;

    int Angle() const { return angle_; }
    void SetAngle(int v) { angle_ = v; }
    const std::string& Text() const { return text_; }
    // A different text raises OnChange.
    void SetText(const std::string& v);
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) {
        if (v)
            font_->Assign(*v);
    }
    TItemLocation Location() const { return location_; }
    void SetLocation(TItemLocation v) { location_ = v; }
    int PosX() const { return posX_; }
    void SetPosX(int v) { posX_ = v; }
    int PosY() const { return posY_; }
    void SetPosY(int v) { posY_ = v; }
    Gdiplus::HatchStyle HatchStyle() const { return hatchStyle_; }
    void SetHatchStyle(Gdiplus::HatchStyle v) { hatchStyle_ = v; }
    TAdvGDIPPicture* Picture() const { return picture_.get(); }
    void SetPicture(TAdvGDIPPicture* v) { picture_->Assign(v); }
    TColor ColorStart() const { return colorStart_; }
    void SetColorStart(TColor v) { colorStart_ = v; }
    TColor ColorEnd() const { return colorEnd_; }
    void SetColorEnd(TColor v) { colorEnd_ = v; }
    std::uint8_t OpacityStart() const { return opacityStart_; }
    void SetOpacityStart(std::uint8_t v) { opacityStart_ = v; }
    std::uint8_t OpacityEnd() const { return opacityEnd_; }
    void SetOpacityEnd(std::uint8_t v) { opacityEnd_ = v; }
    TAdvGradientType GradientType() const { return gradientType_; }
    void SetGradientType(TAdvGradientType v) { gradientType_ = v; }

    TNotifyEvent OnChange;

private:
    int angle_ = 0;
    std::string text_;
    std::unique_ptr<TFont> font_;
    TItemLocation location_ = ilTopLeft;
    int posX_ = 10, posY_ = 100;
    Gdiplus::HatchStyle hatchStyle_ = Gdiplus::HatchStyleHorizontal;
    std::unique_ptr<TAdvGDIPPicture> picture_;
    TColor colorStart_ = clBlack, colorEnd_ = clNone;
    std::uint8_t opacityStart_ = 255, opacityEnd_ = 255;
    TAdvGradientType gradientType_ = gtVertical;
};

class TBasicProgramInfo : public TPersistent {
    KORVAN_CLASS(TBasicProgramInfo)
public:
    TBasicProgramInfo();
    ~TBasicProgramInfo() override;
    void Assign(TPersistent* source) override;

    bool AutoLoad() const { return autoLoad_; }
    void SetAutoLoad(bool v) { autoLoad_ = v; }
    TSplashHeadingText* ProgramName() const { return programName_.get(); }
    void SetProgramName(TSplashHeadingText* v) { programName_->Assign(v); }
    TSplashHeadingText* ProgramVersion() const { return programVersion_.get(); }
    void SetProgramVersion(TSplashHeadingText* v) { programVersion_->Assign(v); }
    const std::string& CopyRight() const { return copyRight_; }
    void SetCopyRight(const std::string& v) { copyRight_ = v; }
    TFont* CopyRightFont() const { return copyRightFont_.get(); }
    void SetCopyRightFont(TFont* v) {
        if (v)
            copyRightFont_->Assign(*v);
    }
    TItemLocation CopyRightLocation() const { return copyRightLocation_; }
    void SetCopyRightLocation(TItemLocation v) { copyRightLocation_ = v; }
    int CopyRightPosX() const { return copyRightPosX_; }
    void SetCopyRightPosX(int v) { copyRightPosX_ = v; }
    int CopyRightPosY() const { return copyRightPosY_; }
    void SetCopyRightPosY(int v) { copyRightPosY_ = v; }

    TNotifyEvent OnChange;

private:
    bool autoLoad_ = true;
    std::unique_ptr<TSplashHeadingText> programName_, programVersion_;
    std::string copyRight_;
    std::unique_ptr<TFont> copyRightFont_;
    TItemLocation copyRightLocation_ = ilTopLeft;
    int copyRightPosX_ = 10, copyRightPosY_ = 130;
};

// Raised by an item as it goes, with its index.
using TSplashItemDeleteEvent = std::function<void(TObject* sender, int index)>;

class TSplashListItem : public TCollectionItem {
    KORVAN_CLASS(TSplashListItem)
public:
    explicit TSplashListItem(TCollection* collection);
    ~TSplashListItem() override;
    void Assign(TPersistent* source) override;
    // The last EndUpdate refreshes (the collection's OnChange).
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    void Refresh();
    const std::string& HTMLText() const { return htmlText_; }
    void SetHTMLText(const std::string& v) { htmlText_ = v; }
    int Tag() const { return tag_; }
    void SetTag(int v) { tag_ = v; }
    // Where the last layout put the line.
    TRect DisplayRect{-1, -1, -1, -1};

private:
    std::string htmlText_;
    int tag_ = 0;
    int imageIndex_ = -1;
    int updateCount_ = 0;
};

// The list's collection: clearing it refreshes a showing splash screen.
class TSplashListItems : public TOwnedCollection {
    KORVAN_CLASS(TSplashListItems)
public:
    explicit TSplashListItems(TPersistent* owner);
    ~TSplashListItems() override;
    TSplashListItem* Add() { return static_cast<TSplashListItem*>(TCollection::Add()); }
    TSplashListItem* Items(int i) const { return static_cast<TSplashListItem*>(TCollection::Items(i)); }
    void Update(TCollectionItem* item) override;
    TNotifyEvent OnChange;
    TSplashItemDeleteEvent OnDeleteItem;
};

class TSplashItem : public TCollectionItem {
    KORVAN_CLASS(TSplashItem)
public:
    explicit TSplashItem(TCollection* collection);
    ~TSplashItem() override;
    void Assign(TPersistent* source) override;
    const std::string& Text() const { return text_; }
    void SetText(const std::string& v) { text_ = v; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v) { imageIndex_ = v; }
    int Tag() const { return tag_; }
    void SetTag(int v) { tag_ = v; }
    TAdvGDIPPicture* Picture() const { return picture_.get(); }
    void SetPicture(TAdvGDIPPicture* v) { picture_->Assign(v); }
    int PosX() const { return posX_; }
    void SetPosX(int v) { posX_ = v; }
    int PosY() const { return posY_; }
    void SetPosY(int v) { posY_ = v; }
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) {
        if (v)
            font_->Assign(*v);
    }
    // Drawn only while set; not stored.
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    // The last EndUpdate refreshes (the collection's OnItemRefresh).
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    void Refresh();

private:
    std::string text_;
    int imageIndex_ = -1, tag_ = 0, posX_ = 80, posY_ = 130;
    bool visible_ = true;
    int updateCount_ = 0;
    std::unique_ptr<TAdvGDIPPicture> picture_;
    std::unique_ptr<TFont> font_;
};

class TSplashItems : public TOwnedCollection {
    KORVAN_CLASS(TSplashItems)
public:
    explicit TSplashItems(TPersistent* owner);
    ~TSplashItems() override;
    TSplashItem* Add() { return static_cast<TSplashItem*>(TCollection::Add()); }
    TSplashItem* Items(int i) const { return static_cast<TSplashItem*>(TCollection::Items(i)); }
    void Update(TCollectionItem* item) override;
    TNotifyEvent OnChange;
    // An item's Refresh.
    TNotifyEvent OnItemRefresh;
    TSplashItemDeleteEvent OnDeleteItem;
};

class TListItemsRect : public TPersistent {
    KORVAN_CLASS(TListItemsRect)
public:
    void Assign(TPersistent* source) override;
    int Left = 30, Top = 150, Width = 300, Height = 200;
    TRect GetRect() const { return Bounds(Left, Top, Width, Height); }
    int GetLeft() const { return Left; }
    void SetLeft(int v) { Left = v; }
    int GetTop() const { return Top; }
    void SetTop(int v) { Top = v; }
    int GetWidth() const { return Width; }
    void SetWidth(int v) { Width = v; }
    int GetHeight() const { return Height; }
    void SetHeight(int v) { Height = v; }
};

class TSplashListItemsSettings : public TPersistent {
    KORVAN_CLASS(TSplashListItemsSettings)
public:
    TSplashListItemsSettings();
    ~TSplashListItemsSettings() override;
    void Assign(TPersistent* source) override;
    TListItemsRect* Rect() const { return rect_.get(); }
    void SetRect(TListItemsRect* v) { rect_->Assign(v); }
    int Space() const { return space_; }
    void SetSpace(int v) { space_ = v; }
    TFont* HTMLFont() const { return htmlFont_.get(); }
    void SetHTMLFont(TFont* v) {
        if (v)
            htmlFont_->Assign(*v);
    }
    TColor HTMLURLColor() const { return urlColor_; }
    void SetHTMLURLColor(TColor v) { urlColor_ = v; }
    TColor HTMLShadowColor() const { return shadowColor_; }
    void SetHTMLShadowColor(TColor v) { shadowColor_ = v; }
    int HTMLShadowOffset() const { return shadowOffset_; }
    void SetHTMLShadowOffset(int v) { shadowOffset_ = v; }

private:
    std::unique_ptr<TListItemsRect> rect_;
    int space_ = 8;
    std::unique_ptr<TFont> htmlFont_;
    TColor urlColor_ = clBlue, shadowColor_ = clGray;
    int shadowOffset_ = 5;
};

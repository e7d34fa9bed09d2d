// The splash screen's headings, items and list settings.

#include "controls/gdip/SplashParts.h"

#include "platform/forms/GraphicsProperties.h"

using korvan::forms::ClassBuilder;

namespace {
const std::vector<std::string> kLocationNames{"ilTopLeft",      "ilTopCenter",   "ilTopRight", "ilBottomLeft",
                                              "ilBottomCenter", "ilBottomRight", "ilCustom"};
const std::vector<std::string> kGradientNames{
    "gtSolid", "gtRadial", "gtVertical", "gtHorizontal", "gtForwardDiagonal", "gtBackwardDiagonal", "gtAngle",
    "gtHatch", "gtPath",   "gtTexture",  "gtNone"};
} // namespace

// ---------------------------------------------------------------- headings

const TClassInfo& TSplashHeadingText::StaticClassInfo() {
    using T = TSplashHeadingText;
    static const TClassInfo info =
        ClassBuilder<T>("TSplashHeadingText", &TPersistent::StaticClassInfo())
            .Property("Angle", &T::Angle, &T::SetAngle)
            .Default(0)
            .Property("Text", &T::Text, &T::SetText)
            .Property("Font", &T::Font, &T::SetFont)
            .Enum("Location", &T::Location, &T::SetLocation, kLocationNames, "TItemLocation")
            .Default(ilTopLeft)
            .Property("PosX", &T::PosX, &T::SetPosX)
            .Property("PosY", &T::PosY, &T::SetPosY)
            .Property("HatchStyle", &T::HatchStyle, &T::SetHatchStyle)
            .Property("Picture", &T::Picture, &T::SetPicture)
            .Property("ColorStart", &T::ColorStart, &T::SetColorStart)
            .TypeName("TColor")
            .Default(clBlack)
            .Property("ColorEnd", &T::ColorEnd, &T::SetColorEnd)
            .TypeName("TColor")
            .Default(clNone)
            .Property("OpacityStart", &T::OpacityStart, &T::SetOpacityStart)
            .Default(255)
            .Property("OpacityEnd", &T::OpacityEnd, &T::SetOpacityEnd)
            .Default(255)
            .Enum("GradientType", &T::GradientType, &T::SetGradientType, kGradientNames, "TAdvGradientType")
            .Default(gtVertical)
            .Build();
    return info;
}

TSplashHeadingText::TSplashHeadingText()
    : font_(std::make_unique<TFont>()), picture_(std::make_unique<TAdvGDIPPicture>()) {
    font_->SetName("Tahoma");
}

TSplashHeadingText::~TSplashHeadingText() = default;

void TSplashHeadingText::SetText(const std::string& v) {
    if (v == text_)
        return;
    text_ = v;
    if (OnChange)
        OnChange(this);
}

void TSplashHeadingText::Assign(TPersistent* source) {
    auto* o = dynamic_cast<TSplashHeadingText*>(source);
    if (!o || o == this)
        return;
    angle_ = o->angle_;
    font_->Assign(*o->font_);
    location_ = o->location_;
    posX_ = o->posX_;
    posY_ = o->posY_;
    hatchStyle_ = o->hatchStyle_;
    picture_->Assign(o->picture_.get());
    colorStart_ = o->colorStart_;
    colorEnd_ = o->colorEnd_;
    opacityStart_ = o->opacityStart_;
    opacityEnd_ = o->opacityEnd_;
    gradientType_ = o->gradientType_;
    SetText(o->text_);
}

const TClassInfo& TBasicProgramInfo::StaticClassInfo() {
    using T = TBasicProgramInfo;
    static const TClassInfo info = ClassBuilder<T>("TBasicProgramInfo", &TPersistent::StaticClassInfo())
                                       .Property("AutoLoad", &T::AutoLoad, &T::SetAutoLoad)
                                       .Default(true)
                                       .Property("ProgramName", &T::ProgramName, &T::SetProgramName)
                                       .Property("ProgramVersion", &T::ProgramVersion, &T::SetProgramVersion)
                                       .Property("CopyRight", &T::CopyRight, &T::SetCopyRight)
                                       .Property("CopyRightFont", &T::CopyRightFont, &T::SetCopyRightFont)
                                       .Enum("CopyRightLocation", &T::CopyRightLocation,
                                             &T::SetCopyRightLocation, kLocationNames, "TItemLocation")
                                       .Default(ilTopLeft)
                                       .Property("CopyRightPosX", &T::CopyRightPosX, &T::SetCopyRightPosX)
                                       .Default(10)
                                       .Property("CopyRightPosY", &T::CopyRightPosY, &T::SetCopyRightPosY)
                                       .Default(130)
                                       .Build();
    return info;
}

TBasicProgramInfo::TBasicProgramInfo()
    : programName_(std::make_unique<TSplashHeadingText>()),
      programVersion_(std::make_unique<TSplashHeadingText>()), copyRightFont_(std::make_unique<TFont>()) {
    programName_->Font()->SetSize(14);
    programName_->Font()->SetStyle(fsBold);
    programVersion_->Font()->SetSize(14);
    programVersion_->SetPosX(80);
    programVersion_->SetPosY(100);
    for (TSplashHeadingText* h : {programName_.get(), programVersion_.get()})
        h->OnChange = [this](TObject*) {
            if (OnChange)
                OnChange(this);
        };
}

TBasicProgramInfo::~TBasicProgramInfo() = default;

void TBasicProgramInfo::Assign(TPersistent* source) {
    auto* o = dynamic_cast<TBasicProgramInfo*>(source);
    if (!o || o == this)
        return;
    autoLoad_ = o->autoLoad_;
    programName_->Assign(o->programName_.get());
    programVersion_->Assign(o->programVersion_.get());
    copyRight_ = o->copyRight_;
    copyRightFont_->Assign(*o->copyRightFont_);
    copyRightLocation_ = o->copyRightLocation_;
    copyRightPosX_ = o->copyRightPosX_;
    copyRightPosY_ = o->copyRightPosY_;
}

// ---------------------------------------------------------------- list items

const TClassInfo& TSplashListItem::StaticClassInfo() {
    using T = TSplashListItem;
    static const TClassInfo info = ClassBuilder<T>("TSplashListItem", &TCollectionItem::StaticClassInfo())
                                       .Creator()
                                       .Property("HTMLText", &T::HTMLText, &T::SetHTMLText)
                                       .Property("Tag", &T::Tag, &T::SetTag)
                                       .Default(0)
                                       .Build();
    return info;
}

TSplashListItem::TSplashListItem(TCollection* collection) : TCollectionItem(collection) {}

TSplashListItem::~TSplashListItem() {
    if (auto* list = dynamic_cast<TSplashListItems*>(Collection()); list && list->OnDeleteItem)
        list->OnDeleteItem(list, Index());
}

void TSplashListItem::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        Refresh();
}

void TSplashListItem::Refresh() {
    if (auto* list = dynamic_cast<TSplashListItems*>(Collection()); list && list->OnChange)
        list->OnChange(list);
}

void TSplashListItem::Assign(TPersistent* source) {
    auto* o = dynamic_cast<TSplashListItem*>(source);
    if (!o)
        return;
    htmlText_ = o->htmlText_;
    tag_ = o->tag_;
    imageIndex_ = o->imageIndex_;
}

const TClassInfo& TSplashListItems::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TSplashListItems>("TSplashListItems", &TOwnedCollection::StaticClassInfo()).Build();
    return info;
}

TSplashListItems::TSplashListItems(TPersistent* owner)
    : TOwnedCollection(owner, ItemClass<TSplashListItem>()) {}

TSplashListItems::~TSplashListItems() {
    // The items go while this collection is whole, reporting to nobody.
    OnChange = nullptr;
    OnDeleteItem = nullptr;
    BeginUpdate();
    while (Count() > 0)
        delete Items(Count() - 1);
}

void TSplashListItems::Update(TCollectionItem* item) {
    // Only a whole-collection change that leaves it empty (Clear) refreshes.
    if (!item && Count() == 0 && OnChange)
        OnChange(this);
}

const TClassInfo& TSplashItem::StaticClassInfo() {
    using T = TSplashItem;
    static const TClassInfo info = ClassBuilder<T>("TSplashItem", &TCollectionItem::StaticClassInfo())
                                       .Creator()
                                       .Property("Text", &T::Text, &T::SetText)
                                       .Property("ImageIndex", &T::ImageIndex, &T::SetImageIndex)
                                       .Default(-1)
                                       .Property("Tag", &T::Tag, &T::SetTag)
                                       .Default(0)
                                       .Property("Picture", &T::Picture, &T::SetPicture)
                                       .Property("PosX", &T::PosX, &T::SetPosX)
                                       .Default(80)
                                       .Property("PosY", &T::PosY, &T::SetPosY)
                                       .Default(130)
                                       .Property("Font", &T::Font, &T::SetFont)
                                       .Build();
    return info;
}

TSplashItem::TSplashItem(TCollection* collection)
    : TCollectionItem(nullptr), picture_(std::make_unique<TAdvGDIPPicture>()),
      font_(std::make_unique<TFont>()) {
    SetCollection(collection);
}

TSplashItem::~TSplashItem() {
    if (auto* items = dynamic_cast<TSplashItems*>(Collection()); items && items->OnDeleteItem)
        items->OnDeleteItem(items, Index());
}

void TSplashItem::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        Refresh();
}

void TSplashItem::Refresh() {
    if (auto* items = dynamic_cast<TSplashItems*>(Collection()); items && items->OnItemRefresh)
        items->OnItemRefresh(items);
}

void TSplashItem::Assign(TPersistent* source) {
    auto* o = dynamic_cast<TSplashItem*>(source);
    if (!o)
        return;
    text_ = o->text_;
    tag_ = o->tag_;
    imageIndex_ = o->imageIndex_;
    picture_->Assign(o->picture_.get());
    posX_ = o->posX_;
    posY_ = o->posY_;
}

const TClassInfo& TSplashItems::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TSplashItems>("TSplashItems", &TOwnedCollection::StaticClassInfo()).Build();
    return info;
}

TSplashItems::TSplashItems(TPersistent* owner) : TOwnedCollection(owner, ItemClass<TSplashItem>()) {}

TSplashItems::~TSplashItems() {
    OnChange = nullptr;
    OnItemRefresh = nullptr;
    OnDeleteItem = nullptr;
    BeginUpdate();
    while (Count() > 0)
        delete Items(Count() - 1);
}

void TSplashItems::Update(TCollectionItem* item) {
    if (!item && Count() == 0 && OnChange)
        OnChange(this);
}

// ---------------------------------------------------------------- list settings

const TClassInfo& TListItemsRect::StaticClassInfo() {
    using T = TListItemsRect;
    static const TClassInfo info = ClassBuilder<T>("TListItemsRect", &TPersistent::StaticClassInfo())
                                       .Property("Left", &T::GetLeft, &T::SetLeft)
                                       .Default(30)
                                       .Property("Top", &T::GetTop, &T::SetTop)
                                       .Default(150)
                                       .Property("Width", &T::GetWidth, &T::SetWidth)
                                       .Default(300)
                                       .Property("Height", &T::GetHeight, &T::SetHeight)
                                       .Default(200)
                                       .Build();
    return info;
}

void TListItemsRect::Assign(TPersistent* source) {
    if (auto* o = dynamic_cast<TListItemsRect*>(source)) {
        Left = o->Left;
        Top = o->Top;
        Width = o->Width;
        Height = o->Height;
    }
}

const TClassInfo& TSplashListItemsSettings::StaticClassInfo() {
    using T = TSplashListItemsSettings;
    static const TClassInfo info =
        ClassBuilder<T>("TSplashListItemsSettings", &TPersistent::StaticClassInfo())
            .Property("Rect", &T::Rect, &T::SetRect)
            .Property("Space", &T::Space, &T::SetSpace)
            .Default(8)
            .Property("HTMLFont", &T::HTMLFont, &T::SetHTMLFont)
            .Property("HTMLURLColor", &T::HTMLURLColor, &T::SetHTMLURLColor)
            .TypeName("TColor")
            .Default(clBlue)
            .Property("HTMLShadowColor", &T::HTMLShadowColor, &T::SetHTMLShadowColor)
            .TypeName("TColor")
            .Default(clGray)
            .Property("HTMLShadowOffset", &T::HTMLShadowOffset, &T::SetHTMLShadowOffset)
            .Default(5)
            .Build();
    return info;
}

TSplashListItemsSettings::TSplashListItemsSettings()
    : rect_(std::make_unique<TListItemsRect>()), htmlFont_(std::make_unique<TFont>()) {
    htmlFont_->SetName("Tahoma");
}

TSplashListItemsSettings::~TSplashListItemsSettings() = default;

void TSplashListItemsSettings::Assign(TPersistent* source) {
    auto* o = dynamic_cast<TSplashListItemsSettings*>(source);
    if (!o || o == this)
        return;
    rect_->Assign(o->rect_.get());
    space_ = o->space_;
    htmlFont_->Assign(*o->htmlFont_);
    urlColor_ = o->urlColor_;
    shadowColor_ = o->shadowColor_;
    shadowOffset_ = o->shadowOffset_;
}

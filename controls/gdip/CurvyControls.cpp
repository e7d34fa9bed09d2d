// Rounded panel, its image buttons and the rounded edit.

#include "controls/gdip/CurvyControls.h"

#include "controls/gdip/GDIPColors.h"
#include "controls/gdip/GDIPFill.h"
#include "platform/forms/HintWindow.h"
#include "platform/forms/Menus.h"
#include "platform/forms/Messages.h"

#include <QLineEdit>
#include <QPalette>
#include <algorithm>

using korvan::forms::ClassBuilder;

namespace {
const std::vector<std::string> kAlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};
} // namespace

// ---------------------------------------------------------------- panel

const TClassInfo& TCurvyPanel::StaticClassInfo() {
    using T = TCurvyPanel;
    static const TClassInfo info = ClassBuilder<T>("TCurvyPanel", &TCustomControl::StaticClassInfo())
                                       .Creator()
                                       .Property("Rounding", &T::Rounding, &T::SetRounding)
                                       .Default(8)
                                       .Property("BorderColor", &T::BorderColor, &T::SetBorderColor)
                                       .TypeName("TColor")
                                       .Default(clGray)
                                       .Build();
    return info;
}

TCurvyPanel::TCurvyPanel(TComponent* owner) : TCustomControl(owner) {
    // Not opaque: the parent shows around the rounded corners.
    controlStyle_ |= csAcceptsControls;
    SetBounds(0, 0, 200, 100);
    SetColor(clWindow);
}

void TCurvyPanel::SetRounding(int value) {
    if (value == rounding_)
        return;
    rounding_ = value;
    Invalidate();
}

void TCurvyPanel::SetBorderColor(TColor value) {
    if (value == borderColor_)
        return;
    borderColor_ = value;
    Invalidate();
}

void TCurvyPanel::SetShadowColor(TColor value) {
    shadowColor_ = value;
    Invalidate();
}

void TCurvyPanel::ColorChanged() {
    TCustomControl::ColorChanged();
    Repaint();
}

void TCurvyPanel::Paint() {
    // One flat colour: every body colour of the fill is the panel's.
    TGDIPFill fill;
    fill.SetBorderColor(borderColor_);
    fill.SetRounding(rounding_);
    fill.SetRoundingType(rtBoth);
    const TColor colour = ColorToRGB(Color());
    fill.SetColor(colour);
    fill.SetColorTo(colour);
    fill.SetColorMirror(colour);
    fill.SetColorMirrorTo(colour);
    Gdiplus::Graphics g(Canvas());
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    const int w = Width(), h = Height();
    fill.Fill(&g, {float(indentLeft_), 0, float(w - indentRight_ - indentLeft_ - 1), float(h - 1)});
    if (shadowColor_ != clNone) {
        const Gdiplus::Pen pen(Gdiplus::Color(MakeARGBFromColor(255, shadowColor_)), 1.0f);
        g.DrawLine(pen, float(rounding_ + indentLeft_), 1, float(w - rounding_ - indentRight_), 1);
        g.DrawArc(pen, {float(w - rounding_ - indentRight_ - 3), 1, float(rounding_), float(rounding_)}, -90,
                  90);
    }
}

// ---------------------------------------------------------------- items

const TClassInfo& TCurvyControl::StaticClassInfo() {
    using T = TCurvyControl;
    static const TClassInfo info =
        ClassBuilder<T>("TCurvyControl", &TCollectionItem::StaticClassInfo())
            .Creator()
            .Property("ImageIndex", &T::ImageIndex, &T::SetImageIndex)
            .Default(-1)
            .Property("ImageIndexHover", &T::ImageIndexHover, &T::SetImageIndexHover)
            .Default(-1)
            .Property("ImageIndexDown", &T::ImageIndexDown, &T::SetImageIndexDown)
            .Default(-1)
            .Property("Picture", &T::Picture, &T::SetPicture)
            .Property("PictureHover", &T::PictureHover, &T::SetPictureHover)
            .Property("PictureDown", &T::PictureDown, &T::SetPictureDown)
            .Property("Hint", &T::Hint, &T::SetHint)
            .Property("DropDown", &T::DropDown, &T::SetDropDown)
            .Default(false)
            .Property("PopupMenu", &T::PopupMenu, &T::SetPopupMenu)
            .Enum("Position", &T::Position, &T::SetPosition,
                  {"cpLeftInControl", "cpRightInControl", "cpLeft", "cpRight"}, "TControlPosition")
            .Default(cpRightInControl)
            .Build();
    return info;
}

TCurvyControl::TCurvyControl(TCollection* collection)
    : TCollectionItem(nullptr), picture_(std::make_unique<TAdvGDIPPicture>()),
      pictureHover_(std::make_unique<TAdvGDIPPicture>()), pictureDown_(std::make_unique<TAdvGDIPPicture>()) {
    for (TAdvGDIPPicture* p : {picture_.get(), pictureHover_.get(), pictureDown_.get()})
        p->OnChange = [this] { Notify(); };
    SetCollection(collection);
}

TCurvyControl::~TCurvyControl() {
    for (TAdvGDIPPicture* p : {picture_.get(), pictureHover_.get(), pictureDown_.get()})
        p->OnChange = nullptr;
}

void TCurvyControl::Notify() {
    if (TCollection* c = Collection()) {
        c->BeginUpdate();
        c->EndUpdate();
    }
}

void TCurvyControl::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TCurvyControl*>(source);
    if (!other)
        return;
    hint_ = other->hint_;
    imageIndex_ = other->imageIndex_;
    imageIndexDown_ = other->imageIndexDown_;
    imageIndexHover_ = other->imageIndexHover_;
    position_ = other->position_;
    dropDown_ = other->dropDown_;
    Notify();
}

void TCurvyControl::SetImageIndex(int value) {
    imageIndex_ = value;
    Notify();
}

void TCurvyControl::SetDropDown(bool value) {
    dropDown_ = value;
    Notify();
}

void TCurvyControl::SetPopupMenu(TPopupMenu* value) {
    popupMenu_ = value;
    // The panel hears of the menu's end and makes the item forget it.
    if (value)
        if (auto* panel = dynamic_cast<TComponent*>(Collection() ? Collection()->GetOwner() : nullptr))
            value->FreeNotification(panel);
}

void TCurvyControl::SetPosition(TControlPosition value) {
    position_ = value;
    Notify();
}

const TClassInfo& TCurvyControls::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TCurvyControls>("TCurvyControls", &TOwnedCollection::StaticClassInfo()).Build();
    return info;
}

TCurvyControls::TCurvyControls(TPersistent* owner) : TOwnedCollection(owner, ItemClass<TCurvyControl>()) {}

void TCurvyControls::Update(TCollectionItem* item) {
    TOwnedCollection::Update(item);
    if (OnChange)
        OnChange();
}

// ---------------------------------------------------------------- control panel

const TClassInfo& TCurvyControlPanel::StaticClassInfo() {
    using T = TCurvyControlPanel;
    static const TClassInfo info = ClassBuilder<T>("TCurvyControlPanel", &TCurvyPanel::StaticClassInfo())
                                       .Creator()
                                       .Property("Controls", &T::Controls, &T::SetControls)
                                       .Property("Images", &T::Images, &T::SetImages)
                                       .Property("Version", &T::Version, &T::SetVersion)
                                       .Stored(false)
                                       .Build();
    return info;
}

TCurvyControlPanel::TCurvyControlPanel(TComponent* owner)
    : TCurvyPanel(owner), controls_(std::make_unique<TCurvyControls>(this)) {
    controls_->OnChange = [this] { Relayout(); };
}

TCurvyControlPanel::~TCurvyControlPanel() {
    controls_->OnChange = nullptr;
}

void TCurvyControlPanel::SetImages(TCustomImageList* value) {
    if (images_ && images_ != value)
        images_->RemoveFreeNotification(this);
    images_ = value;
    if (value)
        value->FreeNotification(this);
    controls_->ImageListImageWidth = value ? value->Width() : 0;
    controls_->ImageListImageHeight = value ? value->Height() : 0;
    Relayout();
}

TSize TCurvyControlPanel::ItemSize(const TCurvyControl& item) const {
    const int extra = item.DropDown() ? 5 : 0;
    if (!item.Picture()->Empty()) {
        item.Picture()->GetImageSizes();
        return {item.Picture()->Width() + 2 + extra, item.Picture()->Height()};
    }
    return {controls_->ImageListImageWidth + 2 + extra, controls_->ImageListImageHeight};
}

void TCurvyControlPanel::Relayout() {
    TCurvyControls& c = *controls_;
    c.LeftSize = c.RightSize = c.LeftControlSize = 0;
    c.RightControlSize = 2;
    for (int i = 0; i < c.Count(); ++i) {
        const TCurvyControl& item = *c.Items(i);
        const int w = ItemSize(item).cx;
        switch (item.Position()) {
        case cpLeftInControl:
            c.LeftControlSize += w;
            break;
        case cpRightInControl:
            c.RightControlSize += w;
            break;
        case cpLeft:
            c.LeftSize += w;
            break;
        case cpRight:
            c.RightSize += w;
            break;
        }
    }
    SetIndents(c.LeftSize, c.RightSize);
    LayoutInnerControl();
    Invalidate();
}

TRect TCurvyControlPanel::ItemRect(int index) const {
    const TCurvyControls& c = *controls_;
    const int r = Rounding() / 2;
    const TCurvyControl& target = *c.Items(index);
    int x = 0;
    switch (target.Position()) {
    case cpLeft:
        x = 0;
        break;
    case cpLeftInControl:
        x = c.LeftSize + r;
        break;
    case cpRightInControl:
        x = Width() - c.RightSize - c.RightControlSize - r;
        break;
    case cpRight:
        x = Width() - c.RightSize + 2;
        break;
    }
    for (int i = 0; i < index; ++i)
        if (c.Items(i)->Position() == target.Position())
            x += ItemSize(*c.Items(i)).cx;
    const TSize size = ItemSize(target);
    const int y = (Height() - size.cy) / 2;
    return Bounds(x, y, size.cx, size.cy);
}

int TCurvyControlPanel::ItemAt(int x) const {
    int hit = -1;
    for (int i = 0; i < controls_->Count(); ++i) {
        const TRect r = ItemRect(i);
        if (r.Left < x && x < r.Right)
            hit = i;
    }
    return hit;
}

void TCurvyControlPanel::DrawItem(Gdiplus::Graphics& g, const TCurvyControl& item, const TRect& r) {
    int w = 0;
    if (item.Picture()->Empty()) {
        int index = item.ImageIndex();
        if (item.State() == csHover && item.ImageIndexHover() >= 0)
            index = item.ImageIndexHover();
        if (item.State() == csDown && item.ImageIndexDown() >= 0)
            index = item.ImageIndexDown();
        if (images_) {
            w = images_->Width();
            if (index >= 0 && index < images_->Count())
                g.DrawImage(Gdiplus::Image(images_->Image(index)), float(r.Left), float(r.Top));
        }
    } else {
        TAdvGDIPPicture* picture = item.Picture();
        if (item.State() == csHover && !item.PictureHover()->Empty())
            picture = item.PictureHover();
        if (item.State() == csDown && !item.PictureDown()->Empty())
            picture = item.PictureDown();
        picture->GetImageSizes();
        picture->GDIPDraw(g, Bounds(r.Left, r.Top, picture->Width(), picture->Height()));
        w = item.Picture()->Width();
    }
    if (item.DropDown()) {
        const Gdiplus::SolidBrush black(Gdiplus::Color(255, 0, 0, 0));
        const float x = float(r.Left), y = float(r.Top);
        g.FillPolygon(black, {{x + float(w), y + 5}, {x + float(w) + 6, y + 5}, {x + float(w) + 3, y + 9}});
    }
}

void TCurvyControlPanel::Paint() {
    TCurvyPanel::Paint();
    if (controls_->Count() == 0)
        return;
    Gdiplus::Graphics g(Canvas());
    g.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    for (int i = 0; i < controls_->Count(); ++i)
        DrawItem(g, *controls_->Items(i), ItemRect(i));
}

void TCurvyControlPanel::Notification(TComponent* component, TOperation operation) {
    TCurvyPanel::Notification(component, operation);
    if (operation != opRemove || !component)
        return;
    if (component == images_)
        SetImages(nullptr);
    if (!HasState(csDestroying))
        for (int i = 0; i < controls_->Count(); ++i)
            if (controls_->Items(i)->PopupMenu() == component)
                controls_->Items(i)->SetPopupMenu(nullptr);
}

void TCurvyControlPanel::WndProc(TMessage& message) {
    TCurvyPanel::WndProc(message);
    if (message.Msg != CM_HINTSHOW || !message.LParam)
        return;
    auto& info = *reinterpret_cast<THintInfo*>(message.LParam);
    const int hit = ItemAt(info.CursorPos.X);
    if (hit >= 0 && !controls_->Items(hit)->Hint().empty())
        info.HintStr = controls_->Items(hit)->Hint();
}

void TCurvyControlPanel::DoControlClick(int index) {
    if (OnControlClick)
        OnControlClick(this, index);
}

void TCurvyControlPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCurvyPanel::MouseDown(button, shift, x, y);
    const int hit = ItemAt(x);
    if (hit < 0)
        return;
    TCurvyControl& item = *controls_->Items(hit);
    item.SetState(csDown);
    Invalidate();
    if (item.DropDown() && item.PopupMenu()) {
        const TPoint at = ClientToScreen(Point(ItemRect(hit).Left, Height() - 3));
        item.PopupMenu()->Popup(at.X, at.Y);
    }
}

void TCurvyControlPanel::MouseMove(TShiftState shift, int x, int y) {
    TCurvyPanel::MouseMove(shift, x, y);
    const int hit = ItemAt(x);
    if (hit < 0)
        return;
    bool changed = false;
    for (int i = 0; i < controls_->Count(); ++i) {
        TCurvyControl& item = *controls_->Items(i);
        if (i != hit && item.State() == csHover) {
            item.SetState(csNormal);
            changed = true;
        }
    }
    TCurvyControl& item = *controls_->Items(hit);
    if (item.State() == csNormal) {
        item.SetState(csHover);
        changed = true;
    }
    if (changed)
        Invalidate();
}

void TCurvyControlPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCurvyPanel::MouseUp(button, shift, x, y);
    const int hit = ItemAt(x);
    if (hit < 0)
        return;
    DoControlClick(hit);
    controls_->Items(hit)->SetState(csNormal);
    Invalidate();
}

void TCurvyControlPanel::MouseLeave() {
    TCurvyPanel::MouseLeave();
    bool changed = false;
    for (int i = 0; i < controls_->Count(); ++i) {
        TCurvyControl& item = *controls_->Items(i);
        if (item.State() == csHover) {
            item.SetState(csNormal);
            changed = true;
        }
    }
    if (changed)
        Invalidate();
}

// ---------------------------------------------------------------- rounded edit

TEmptyEdit::TEmptyEdit(TComponent* owner) : TEdit(owner) {
    if (auto* edit = qobject_cast<QLineEdit*>(Widget())) {
        edit->setFrame(false);
        // The text shown while empty is grey.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
        edit->setPalette(palette);
    }
}

void TEmptyEdit::SetEmptyText(const std::string& value) {
    emptyText_ = value;
    ShowTextHint(TextHint());
}

void TEmptyEdit::ShowTextHint(const std::string& text) {
    TEdit::ShowTextHint(emptyText_.empty() ? text : emptyText_);
}

const TClassInfo& TEmptyEdit::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TEmptyEdit>("TEmptyEdit", &TEdit::StaticClassInfo()).Build();
    return info;
}

const TClassInfo& TCurvyEdit::StaticClassInfo() {
    using T = TCurvyEdit;
    static const TClassInfo info =
        ClassBuilder<T>("TCurvyEdit", &TCurvyControlPanel::StaticClassInfo())
            .Creator()
            .Property("Text", &T::Text, &T::SetText)
            .Enum("Alignment", &T::Alignment, &T::SetAlignment, kAlignmentNames, "TAlignment")
            .Default(taLeftJustify)
            .Property("AutoSelect", &T::AutoSelect, &T::SetAutoSelect)
            .Default(true)
            .Enum("BiDiMode", &T::BiDiMode, &T::SetBiDiMode, korvan::forms::kBiDiModeNames, "TBiDiMode")
            .StoredBy([](const T& e) { return !e.ParentBiDiMode(); })
            .Enum("CharCase", &T::CharCase, &T::SetCharCase, {"ecNormal", "ecUpperCase", "ecLowerCase"},
                  "TEditCharCase")
            .Default(ecNormal)
            .Property("DragCursor", &T::EditDragCursor, &T::SetEditDragCursor)
            .TypeName("TCursor")
            .Default(crDrag)
            .Enum("DragKind", &T::EditDragKind, &T::SetEditDragKind, korvan::forms::kDragKindNames,
                  "TDragKind")
            .Default(dkDrag)
            .Enum("DragMode", &T::EditDragMode, &T::SetEditDragMode, korvan::forms::kDragModeNames,
                  "TDragMode")
            .Default(dmManual)
            .Property("EmptyText", &T::EmptyText, &T::SetEmptyText)
            .Property("Enabled", &T::EditEnabled, &T::SetEditEnabled)
            .Default(true)
            .Property("HideSelection", &T::HideSelection, &T::SetHideSelection)
            .Default(true)
            .Enum("ImeMode", &T::ImeMode, &T::SetImeMode, korvan::forms::kImeModeNames, "TImeMode")
            .Default(imDontCare)
            .Property("ImeName", &T::ImeName, &T::SetImeName)
            .Property("MaxLength", &T::MaxLength, &T::SetMaxLength)
            .Default(0)
            .Property("NumbersOnly", &T::NumbersOnly, &T::SetNumbersOnly)
            .Default(false)
            .Property("OEMConvert", &T::OEMConvert, &T::SetOEMConvert)
            .Default(false)
            .Property("ParentBiDiMode", &T::ParentBiDiMode, &T::SetParentBiDiMode)
            .Default(true)
            .Property("PasswordChar", &T::PasswordChar, &T::SetPasswordChar)
            .Default(0)
            .Property("PopupMenu", &T::EditPopupMenu, &T::SetEditPopupMenu)
            .Property("ReadOnly", &T::ReadOnly, &T::SetReadOnly)
            .Default(false)
            .Property("TabOrder", &T::EditTabOrder, &T::SetEditTabOrder)
            .Property("TabStop", &T::EditTabStop, &T::SetEditTabStop)
            .Default(false)
            .Property("TextHint", &T::TextHint, &T::SetTextHint)
            .Build();
    return info;
}

TCurvyEdit::TCurvyEdit(TComponent* owner) : TCurvyControlPanel(owner), edit_(new TEmptyEdit(this)) {
    edit_->SetTabStop(false);
    edit_->SetParent(this);
    edit_->SetBounds(0, 5, 100, 18);
    SetTabStop(false);
    TCurvyControlPanel::SetBounds(Left(), Top(), 100, 24);
    // Every event of the inner edit reaches this edit's event, with this
    // edit as Sender.
    const auto relay = [this](TNotifyEvent TCurvyEdit::*event) {
        return [this, event](TObject*) {
            if (this->*event)
                (this->*event)(this);
        };
    };
    edit_->OnChange = relay(&TCurvyEdit::OnChange);
    TControl* inner = edit_;
    inner->OnClick = relay(&TCurvyEdit::OnClick);
    inner->OnDblClick = relay(&TCurvyEdit::OnDblClick);
    inner->OnMouseEnter = relay(&TCurvyEdit::OnMouseEnter);
    inner->OnMouseLeave = relay(&TCurvyEdit::OnMouseLeave);
    edit_->TWinControl::OnEnter = relay(&TCurvyEdit::OnEnter);
    edit_->TWinControl::OnExit = relay(&TCurvyEdit::OnExit);
    edit_->TWinControl::OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState shift) {
        if (OnKeyDown)
            OnKeyDown(this, key, shift);
    };
    edit_->TWinControl::OnKeyUp = [this](TObject*, std::uint16_t& key, TShiftState shift) {
        if (OnKeyUp)
            OnKeyUp(this, key, shift);
    };
    edit_->TWinControl::OnKeyPress = [this](TObject*, char& key) {
        if (OnKeyPress)
            OnKeyPress(this, key);
    };
    inner->OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        if (OnMouseDown)
            OnMouseDown(this, b, s, x, y);
    };
    inner->OnMouseUp = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        if (OnMouseUp)
            OnMouseUp(this, b, s, x, y);
    };
    inner->OnMouseMove = [this](TObject*, TShiftState s, int x, int y) {
        if (OnMouseMove)
            OnMouseMove(this, s, x, y);
    };
    edit_->SetColor(Color());
    edit_->Font().Assign(Font());
    LayoutInnerControl();
}

TCurvyEdit::~TCurvyEdit() = default;

void TCurvyEdit::SetBounds(int left, int top, int width, int height) {
    (void)height;
    TCurvyControlPanel::SetBounds(left, top, width, 24);
}

void TCurvyEdit::SetFocus() {
    edit_->SetFocus();
}

void TCurvyEdit::ColorChanged() {
    TCurvyControlPanel::ColorChanged();
    if (edit_)
        edit_->SetColor(Color());
}

void TCurvyEdit::FontChanged() {
    TCurvyControlPanel::FontChanged();
    if (edit_)
        edit_->Font().Assign(Font());
}

void TCurvyEdit::BiDiModeChanged() {
    TCurvyControlPanel::BiDiModeChanged();
    if (edit_)
        edit_->SetBiDiMode(BiDiMode());
}

void TCurvyEdit::Resize() {
    TCurvyControlPanel::Resize();
    LayoutInnerControl();
}

void TCurvyEdit::LayoutInnerControl() {
    if (!edit_)
        return;
    const TCurvyControls& c = *Controls();
    const int left = c.LeftSize + Rounding() + c.LeftControlSize;
    const int width =
        Width() - 2 * Rounding() - c.RightSize - c.RightControlSize - c.LeftSize - c.LeftControlSize;
    edit_->SetBounds(left, edit_->Top(), std::max(width, 0), edit_->Height());
}

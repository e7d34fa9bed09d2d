#include "platform/forms/Menus.h"

#include "platform/forms/ControlBridge.h"
#include "platform/forms/ControlTypes.h"
#include "platform/forms/ExceptionGuard.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/text/Exception.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <algorithm>
#include <sstream>

namespace {

QString MenuText(const std::string& caption) {
    return QString::fromStdString(caption);
}

// The shortcut as Qt shows it beside the item.
QKeySequence KeySequenceOf(TShortCut shortCut) {
    const int key = korvan::forms::QtKeyOf(shortCut & 0xFF);
    if (shortCut == scNone || key == 0)
        return QKeySequence();
    int modifiers = 0;
    if (shortCut & scShift)
        modifiers |= Qt::SHIFT;
    if (shortCut & scCtrl)
        modifiers |= Qt::CTRL;
    if (shortCut & scAlt)
        modifiers |= Qt::ALT;
    return QKeySequence(key | modifiers);
}

// The item with that shortcut among `item`'s enabled sub-items.
TMenuItem* FindShortCut(TMenuItem* item, TShortCut shortCut) {
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* sub = item->Items(i);
        if (!sub->Enabled())
            continue;
        if (sub->GetShortCut() == shortCut)
            return sub;
        if (TMenuItem* found = FindShortCut(sub, shortCut))
            return found;
    }
    return nullptr;
}

} // namespace

TShortCut ShortCut(std::uint16_t key, TShiftState shift) {
    TShortCut s = TShortCut(key & 0xFF);
    if (shift & ssShift)
        s |= scShift;
    if (shift & ssCtrl)
        s |= scCtrl;
    if (shift & ssAlt)
        s |= scAlt;
    return s;
}

namespace {} // namespace

const TClassInfo& TMenuItem::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TMenuItem>("TMenuItem", &TComponent::StaticClassInfo())
            .Creator()
            .Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
            .Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
            .Default(false)
            .Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
            .Default(true)
            .Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
            .Default(true)
            .Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
            .Default(false)
            .Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex)
            .Default(0)
            .Property("ShortCut", &TMenuItem::GetShortCut, &TMenuItem::SetShortCut)
            .Default(scNone)
            .Build();
    return info;
}

struct TMenuItem::Parts {
    QPointer<QAction> action;
    QPointer<QMenu> subMenu;
};

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), parts_(std::make_unique<Parts>()) {}

TMenuItem::~TMenuItem() {
    Destroying();
    while (!items_.empty()) {
        TMenuItem* item = items_.back();
        Remove(item);
        delete item;
    }
    if (parent_)
        parent_->Remove(this);
    delete parts_->action.data();
    delete parts_->subMenu.data();
}

void TMenuItem::SetCaption(const std::string& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    Changed();
}

void TMenuItem::SetChecked(bool v) {
    if (v == checked_)
        return;
    checked_ = v;
    if (v && radioItem_ && parent_)
        for (TMenuItem* s : parent_->items_)
            if (s != this && s->radioItem_ && s->groupIndex_ == groupIndex_)
                s->SetChecked(false);
    Changed();
}

void TMenuItem::SetEnabled(bool v) {
    if (v == enabled_)
        return;
    enabled_ = v;
    Changed();
}

void TMenuItem::SetVisible(bool v) {
    if (v == visible_)
        return;
    visible_ = v;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut v) {
    if (v == shortCut_)
        return;
    shortCut_ = v;
    Changed();
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EMenuError("Menu index out of range");
    return items_[size_t(index)];
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->parent_)
        throw EMenuError("Menu inserted twice");
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Rebuild();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    items_.erase(it);
    item->parent_ = nullptr;
    if (!HasState(csDestroying))
        Rebuild();
}

void TMenuItem::Delete(int index) {
    TMenuItem* item = Items(index);
    Remove(item);
}

void TMenuItem::Clear() {
    while (!items_.empty()) {
        TMenuItem* item = items_.back();
        Remove(item);
        delete item;
    }
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* i = this;
    while (i->parent_)
        i = i->parent_;
    return i->menu_;
}

void TMenuItem::Click() {
    if (!enabled_)
        return;
    if (OnClick)
        OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (parent_ && parent_->menu_)
        return parent_->menu_;
    return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (parent_)
        parent_->Remove(this);
    if (auto* menu = dynamic_cast<TMenu*>(parent))
        menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent))
        item->Add(this);
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    for (TMenuItem* item : items_)
        if (item->Owner() == root)
            proc(item);
}

QAction* TMenuItem::Action() {
    if (!parts_->action) {
        parts_->action = new QAction();
        QObject::connect(parts_->action.data(), &QAction::triggered,
                         [this] { korvan::forms::Guarded([this] { Click(); }); });
    }
    // A separator is a line only: some styles write a separator's text
    // beside its line.
    const bool separator = caption_ == "-";
    parts_->action->setText(separator ? QString() : MenuText(caption_));
    parts_->action->setSeparator(separator);
    parts_->action->setEnabled(enabled_);
    parts_->action->setVisible(visible_);
    parts_->action->setCheckable(checked_ || radioItem_);
    parts_->action->setChecked(checked_);
    // Shown beside the item; the form fires it (Qt's shortcut would see
    // only the keys the controls leave to it).
    parts_->action->setShortcut(KeySequenceOf(shortCut_));
    parts_->action->setShortcutContext(Qt::WidgetShortcut);
    if (!items_.empty())
        parts_->action->setMenu(SubMenu());
    return parts_->action;
}

QMenu* TMenuItem::SubMenu() {
    if (!parts_->subMenu)
        parts_->subMenu = new QMenu();
    parts_->subMenu->clear();
    parts_->subMenu->setTitle(MenuText(caption_));
    for (TMenuItem* item : items_)
        parts_->subMenu->addAction(item->Action());
    return parts_->subMenu;
}

void TMenuItem::Changed() {
    if (parts_->action)
        Action();
    if (TMenu* menu = GetParentMenu())
        menu->MenuChanged();
}

void TMenuItem::Rebuild() {
    if (parts_->subMenu)
        SubMenu();
    Changed();
}

const TClassInfo& TMenu::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TMenu>("TMenu", &TComponent::StaticClassInfo()).Build();
    return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {
    items_->menu_ = this;
}

TMenu::~TMenu() {
    Destroying();
    items_->menu_ = nullptr;
    delete items_;
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    items_->GetChildren(proc, root);
}

TMenuItem* TMenu::FindItem(const std::string& path) const {
    TMenuItem* at = items_;
    std::stringstream ss(path);
    std::string part;
    while (std::getline(ss, part, '/')) {
        TMenuItem* found = nullptr;
        for (int i = 0; i < at->Count(); ++i)
            if (StripAccelChars(at->Items(i)->Caption()) == part)
                found = at->Items(i);
        if (!found)
            return nullptr;
        at = found;
    }
    return at == items_ ? nullptr : at;
}

bool TMenu::IsShortCut(std::uint16_t key, TShiftState shift) {
    const TShortCut shortCut = ShortCut(key, shift);
    if ((shortCut & 0xFF) == 0)
        return false;
    TMenuItem* item = FindShortCut(items_, shortCut);
    if (!item)
        return false;
    item->Click();
    return true;
}

const TClassInfo& TMainMenu::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TMainMenu>("TMainMenu", &TMenu::StaticClassInfo()).Creator().Build();
    return info;
}

struct TMainMenu::Parts {
    QPointer<QMenuBar> bar;
};

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner), parts_(std::make_unique<Parts>()) {}

QMenuBar* TMainMenu::Bar() const {
    return parts_->bar;
}

TMainMenu::~TMainMenu() {
    delete parts_->bar.data();
}

QMenuBar* TMainMenu::CreateBar() {
    if (!parts_->bar)
        parts_->bar = new QMenuBar();
    MenuChanged();
    return parts_->bar;
}

void TMainMenu::MenuChanged() {
    if (!parts_->bar || HasState(csDestroying))
        return;
    parts_->bar->clear();
    // Items without sub-items act on a click of the bar.
    for (int i = 0; i < Items()->Count(); ++i)
        parts_->bar->addAction(Items()->Items(i)->Action());
}

const TClassInfo& TPopupMenu::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TPopupMenu>("TPopupMenu", &TMenu::StaticClassInfo()).Creator().Build();
    return info;
}

struct TPopupMenu::Parts {
    QPointer<QMenu> shown;
};

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner), parts_(std::make_unique<Parts>()) {}

QMenu* TPopupMenu::ShownMenu() const {
    return parts_->shown;
}

TPopupMenu::~TPopupMenu() {
    delete parts_->shown.data();
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup)
        OnPopup(this);
    if (!parts_->shown)
        parts_->shown = new QMenu();
    parts_->shown->clear();
    for (int i = 0; i < Items()->Count(); ++i)
        parts_->shown->addAction(Items()->Items(i)->Action());
    parts_->shown->popup(QPoint(x, y));
}

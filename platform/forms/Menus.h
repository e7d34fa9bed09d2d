#pragma once
// Menus: items in a tree under a main menu (the form's menu bar) or a
// popup menu. A top-level item of a main menu without sub-items acts on a
// click of the bar itself. Items stream as children of their menu.

#include "platform/forms/Component.h"
#include "platform/forms/ControlTypes.h"

#include "platform/text/Exception.h"

#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class TMenu;

KORVAN_EXCEPTION_CLASS(EMenuError, Exception)

// A menu shortcut: a virtual key with the modifier bits below.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;
TShortCut ShortCut(std::uint16_t key, TShiftState shift);

class TMenuItem : public TComponent {
    KORVAN_CLASS(TMenuItem)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool v) { radioItem_ = v; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int v) { groupIndex_ = v; }
    TShortCut GetShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut v);

    int Count() const { return int(items_.size()); }
    TMenuItem* Items(int index) const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    TMenu* GetParentMenu() const;

    TNotifyEvent OnClick;
    virtual void Click();

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;

    // Layer internals: the Qt action (and sub-menu) standing for the item.
    QAction* Action();
    QMenu* SubMenu();

private:
    friend class TMenu;
    void Changed();
    void Rebuild();
    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    TShortCut shortCut_ = scNone;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr; // set on the root item
    // The Qt action and sub-menu.
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

class TMenu : public TComponent {
    KORVAN_CLASS(TMenu)
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    // The invisible root; its items are the menu's top level.
    TMenuItem* Items() const { return items_; }
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    // The item with that caption path ("File/Open"; accelerator marks
    // ignored); null when none.
    TMenuItem* FindItem(const std::string& path) const;
    // Clicks the enabled item (under enabled parents) whose ShortCut is
    // the key; true when one took it.
    bool IsShortCut(std::uint16_t key, TShiftState shift);
    virtual void MenuChanged() {}

private:
    TMenuItem* items_;
};

class TMainMenu : public TMenu {
    KORVAN_CLASS(TMainMenu)
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    // The form's menu bar, made by the form.
    QMenuBar* CreateBar();
    QMenuBar* Bar() const;
    void MenuChanged() override;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_; // the menu bar
};

class TPopupMenu : public TMenu {
    KORVAN_CLASS(TPopupMenu)
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    TNotifyEvent OnPopup;
    // Shows the menu at a screen point (returns at once).
    virtual void Popup(int x, int y);
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* c) { popupComponent_ = c; }
    QMenu* ShownMenu() const;

private:
    TComponent* popupComponent_ = nullptr;
    struct Parts;
    std::unique_ptr<Parts> parts_; // the menu shown
};

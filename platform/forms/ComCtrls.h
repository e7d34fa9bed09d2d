#pragma once
// Up-down buttons and the page control with its tab sheets.

#include "platform/forms/Timer.h"
#include "platform/forms/WinControl.h"

#include <memory>

enum TUDBtnType { btNext, btPrev };
enum TUpDownDirection { updNone, updUp, updDown };
enum TUDOrientation { udHorizontal, udVertical };

using TUDClickEvent = std::function<void(TObject* sender, TUDBtnType button)>;
using TUDChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;
using TUDChangingEventEx =
    std::function<void(TObject* sender, bool& allowChange, int newValue, TUpDownDirection direction)>;

// Two arrow buttons stepping Position between Min and Max. OnChangingEx
// comes with the new value before the position changes: for an arrow
// click (one step beyond Min or Max at the ends; the position then stays
// in range) and whenever the program sets a different Position. OnClick
// follows an arrow click. A held button repeats.
class TUpDown : public TCustomControl {
    KORVAN_CLASS(TUpDown)
public:
    explicit TUpDown(TComponent* owner);
    ~TUpDown() override;
    int Min() const { return min_; }
    void SetMin(int v);
    int Max() const { return max_; }
    void SetMax(int v);
    int Position() const { return position_; }
    void SetPosition(int v);
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = v; }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool v) { wrap_ = v; }
    bool ArrowKeys() const { return arrowKeys_; }
    void SetArrowKeys(bool v) { arrowKeys_ = v; }
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation o);
    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* c);

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;
    TUDChangingEventEx OnChangingEx;

    // One arrow click (the layer's mouse and key handling call it).
    void ButtonClick(TUDBtnType button);
    unsigned GetDlgCode() const override { return arrowKeys_ ? DLGC_WANTARROWS : 0; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void Notification(TComponent* component, TOperation operation) override;
    bool CanChange(int newValue, TUpDownDirection direction);
    void UpdateAssociate();

private:
    int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
    bool wrap_ = false;
    bool arrowKeys_ = true;
    TUDOrientation orientation_ = udVertical;
    TWinControl* associate_ = nullptr;
    int pressed_ = -1; // the held button, or -1
    std::unique_ptr<TTimer> repeat_;
};

class TPageControl;

class TTabSheet : public TWinControl {
    KORVAN_CLASS(TTabSheet)
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pc);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    int PageIndex() const;
    void SetParentComponent(TComponent* parent) override;

protected:
    QWidget* CreateWidget() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TPageControl : public TCustomControl {
    KORVAN_CLASS(TPageControl)
public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    int PageCount() const { return int(pages_.size()); }
    TTabSheet* Pages(int index) const { return pages_.at(size_t(index)); }
    TTabSheet* ActivePage() const { return active_; }
    // Program-set: no OnChange.
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    TRect AdjustClientRect(TRect rect) const override;
    TNotifyEvent OnChange;
    std::function<void(TObject*, bool&)> OnChanging;
    void Loaded() override;
    void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) override;
    // The tab under a client point; -1 when none.
    int TabAt(int x, int y) const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    TRect TabRect(int index) const;
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
    std::string activeName_; // read from the stream, resolved in Loaded
};

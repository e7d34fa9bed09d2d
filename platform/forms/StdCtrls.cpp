#include "platform/forms/StdCtrls.h"

#include "platform/forms/ExceptionGuard.h"
#include "platform/forms/Form.h"
#include "platform/forms/LineEditWidget.h"
#include "platform/forms/Messages.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/Fonts.h"
#include "platform/sys/FlagScope.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <utility>

namespace korvan::forms {
namespace {

// Qt makes clicks itself.
constexpr TControlStyle kNativeStyle = csSetCaption;

// Marks the program's own change of a widget for as long as it lives, so
// that the change signal the widget sends back at once is not taken for the
// user's.
using SyncScope = korvan::sys::FlagScope;

// Gives a widget the control's font and colours.
void ApplyLook(QWidget* widget, const TControl& control, bool colorIsBase) {
    widget->setFont(gfx::MakeQFont(control.Font()));
    QPalette pal = widget->palette();
    const QColor text = QColor::fromRgb(gfx::ToQRgb(control.Font().Color()));
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::ButtonText, text);
    const QColor back = QColor::fromRgb(gfx::ToQRgb(control.Color()));
    pal.setColor(colorIsBase ? QPalette::Base : QPalette::Button, back);
    pal.setColor(QPalette::Window, back);
    widget->setPalette(pal);
}

} // namespace

void TNativeControl::ApplyEnabled() {
    if (HandleAllocated())
        Widget()->setEnabled(Enabled());
}

void TFieldControl::SetUpField(int width, int height) {
    controlStyle_ = kNativeStyle | csDoubleClicks;
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    SetBounds(0, 0, width, height);
}

void TFieldControl::ColorChanged() {
    TWinControl::ColorChanged();
    if (HandleAllocated())
        ApplyLook(Widget(), *this, true);
}

void TFieldControl::FontChanged() {
    TWinControl::FontChanged();
    if (HandleAllocated())
        ApplyLook(Widget(), *this, true);
}

void TButtonControl::WndProc(TMessage& message) {
    if (message.Msg == CM_DIALOGCHAR) {
        if (IsAccel(unsigned(message.WParam), Caption()) && CanFocus()) {
            Accelerated();
            message.Result = 1;
        }
        return;
    }
    TWinControl::WndProc(message);
}

void TButtonControl::TextChanged() {
    static_cast<QAbstractButton*>(Widget())->setText(QString::fromStdString(Caption()));
    TWinControl::TextChanged();
}

void TButtonControl::FontChanged() {
    TWinControl::FontChanged();
    if (HandleAllocated())
        ApplyLook(Widget(), *this, false);
}

void TButtonControl::ColorChanged() {
    TWinControl::ColorChanged();
    if (HandleAllocated())
        ApplyLook(Widget(), *this, false);
}

} // namespace korvan::forms

namespace {

using korvan::forms::ApplyLook;
using korvan::forms::ClassBuilder;
using korvan::forms::Guarded;
using korvan::forms::kNativeStyle;
using korvan::forms::SyncScope;
using korvan::forms::TButtonControl;
using korvan::forms::TFieldControl;

// The widget of each standard control.
template <class C> struct WidgetOf;
template <> struct WidgetOf<TEdit> { using Type = korvan::forms::LineEditWidget; };
template <> struct WidgetOf<TMemo> { using Type = QPlainTextEdit; };
template <> struct WidgetOf<TButton> { using Type = QPushButton; };
template <> struct WidgetOf<TCheckBox> { using Type = QCheckBox; };
template <> struct WidgetOf<TRadioButton> { using Type = QRadioButton; };
template <> struct WidgetOf<TListBox> { using Type = QListWidget; };
template <> struct WidgetOf<TComboBox> { using Type = QComboBox; };
template <class C> typename WidgetOf<C>::Type* Native(C* control) {
    return static_cast<typename WidgetOf<C>::Type*>(control->Widget());
}

const std::vector<std::string> kAlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};

Qt::Alignment QtAlignment(TAlignment a) {
    switch (a) {
    case taRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case taCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// The strings of a list, for a Qt list.
QStringList ItemTexts(const TStrings& items) {
    QStringList list;
    for (int i = 0; i < items.Count(); ++i)
        list << QString::fromStdString(items.Get(i));
    return list;
}

// Lines of a string list for a Qt text, without the last line break.
QString LinesText(const TStrings& lines) {
    return ItemTexts(lines).join('\n');
}

} // namespace

// ---------------------------------------------------------------- TLabel

const TClassInfo& TLabel::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TLabel>("TLabel", &TGraphicControl::StaticClassInfo())
            .Creator()
            .Property("Caption", &TLabel::Text, &TLabel::SetText)
            .Enum("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, kAlignmentNames, "TAlignment")
            .Default(taLeftJustify)
            .Enum("Layout", &TLabel::Layout, &TLabel::SetLayout, {"tlTop", "tlCenter", "tlBottom"},
                  "TTextLayout")
            .Default(tlTop)
            .Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize)
            .Default(true)
            .Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent)
            .Default(false)
            .Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap)
            .Default(false)
            .Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar)
            .Default(true)
            .Property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl)
            .Build();
    return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_ |= csOpaque | csReplicatable;
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAlignment(TAlignment a) {
    if (a == alignment_)
        return;
    alignment_ = a;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout l) {
    if (l == layout_)
        return;
    layout_ = l;
    Invalidate();
}

void TLabel::SetAutoSize(bool v) {
    if (v == autoSize_)
        return;
    autoSize_ = v;
    AdjustBounds();
}

void TLabel::SetTransparent(bool v) {
    if (v == transparent_)
        return;
    transparent_ = v;
    if (v)
        controlStyle_ &= ~csOpaque;
    else
        controlStyle_ |= csOpaque;
    Invalidate();
}

void TLabel::SetWordWrap(bool v) {
    if (v == wordWrap_)
        return;
    wordWrap_ = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetShowAccelChar(bool v) {
    if (v == showAccelChar_)
        return;
    showAccelChar_ = v;
    AdjustBounds();
    Invalidate();
}

unsigned TLabel::DrawFlags() const {
    unsigned flags = DT_EXPANDTABS;
    flags |= alignment_ == taRightJustify ? DT_RIGHT : alignment_ == taCenter ? DT_CENTER : DT_LEFT;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    return flags;
}

void TLabel::AdjustBounds() {
    if (!autoSize_ || HasState(csLoading) || HasState(csReading))
        return;
    TCanvas measure(nullptr);
    QImage scratch(1, 1, QImage::Format_RGB32);
    measure.SetImage(&scratch);
    measure.Font().Assign(Font());
    TRect r{0, 0, wordWrap_ ? Width() : 0, 0};
    std::string text = Caption().empty() ? std::string(" ") : Caption();
    measure.DrawText(text, r, DrawFlags() | DT_CALCRECT);
    int left = Left();
    if (alignment_ == taRightJustify)
        left += Width() - r.Right;
    SetBounds(left, Top(), r.Right, r.Bottom);
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::TextChanged() {
    TGraphicControl::TextChanged();
    AdjustBounds();
}

void TLabel::FontChanged() {
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::WndProc(TMessage& message) {
    if (message.Msg == CM_DIALOGCHAR) {
        if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(unsigned(message.WParam), Caption()) &&
            focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            message.Result = 1;
        }
        return;
    }
    TGraphicControl::WndProc(message);
}

void TLabel::Paint() {
    TCanvas& c = Canvas();
    TRect r{0, 0, Width(), Height()};
    if (!transparent_) {
        c.Brush().SetColor(Color());
        c.Brush().SetStyle(bsSolid);
        c.FillRect(r);
    }
    c.Brush().SetStyle(bsClear);
    c.Font().Assign(Font());
    std::string text = Caption();
    const unsigned flags = DrawFlags();
    if (layout_ != tlTop) {
        TRect calc = r;
        c.DrawText(text, calc, flags | DT_CALCRECT);
        const int offset = r.Height() - calc.Height();
        r.Top += layout_ == tlBottom ? offset : offset / 2;
    }
    if (!Enabled()) {
        // The framework's disabled text: a light copy, then grey.
        TRect shifted = r.Offset(1, 1);
        c.Font().SetColor(clBtnHighlight);
        c.DrawText(text, shifted, flags);
        c.Font().SetColor(clBtnShadow);
    }
    c.DrawText(text, r, flags);
}

// ---------------------------------------------------------------- TEdit

const TClassInfo& TEdit::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TEdit>("TEdit", &TWinControl::StaticClassInfo())
            .Creator()
            .Property("Text", &TEdit::Text, &TEdit::SetText)
            .Property("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength)
            .Default(0)
            .Property("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly)
            .Default(false)
            .Property("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar)
            .Default(0)
            .Enum("Alignment", &TEdit::Alignment, &TEdit::SetAlignment, kAlignmentNames, "TAlignment")
            .Default(taLeftJustify)
            .Property("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect)
            .Default(true)
            .Enum("BiDiMode", &TEdit::BiDiMode, &TEdit::SetBiDiMode, korvan::forms::kBiDiModeNames,
                  "TBiDiMode")
            .StoredBy([](const TEdit& e) { return !e.ParentBiDiMode(); })
            .Enum("CharCase", &TEdit::CharCase, &TEdit::SetCharCase,
                  {"ecNormal", "ecUpperCase", "ecLowerCase"}, "TEditCharCase")
            .Default(ecNormal)
            .Property("DragCursor", &TEdit::DragCursor, &TEdit::SetDragCursor)
            .TypeName("TCursor")
            .Default(crDrag)
            .Enum("DragKind", &TEdit::DragKind, &TEdit::SetDragKind, korvan::forms::kDragKindNames,
                  "TDragKind")
            .Default(dkDrag)
            .Enum("DragMode", &TEdit::DragMode, &TEdit::SetDragMode, korvan::forms::kDragModeNames,
                  "TDragMode")
            .Default(dmManual)
            .Property("HideSelection", &TEdit::HideSelection, &TEdit::SetHideSelection)
            .Default(true)
            .Enum("ImeMode", &TEdit::ImeMode, &TEdit::SetImeMode, korvan::forms::kImeModeNames, "TImeMode")
            .Default(imDontCare)
            .Property("ImeName", &TEdit::ImeName, &TEdit::SetImeName)
            .Property("NumbersOnly", &TEdit::NumbersOnly, &TEdit::SetNumbersOnly)
            .Default(false)
            .Property("OEMConvert", &TEdit::OEMConvert, &TEdit::SetOEMConvert)
            .Default(false)
            .Property("ParentBiDiMode", &TEdit::ParentBiDiMode, &TEdit::SetParentBiDiMode)
            .Default(true)
            .Property("TextHint", &TEdit::TextHint, &TEdit::SetTextHint)
            .Build();
    return info;
}

TEdit::TEdit(TComponent* owner) : TFieldControl(owner) {
    SetUpField(121, 21);
}

QWidget* TEdit::CreateWidget() {
    auto* edit = new korvan::forms::LineEditWidget();
    edit->setFrame(true);
    QObject::connect(edit, &QLineEdit::textChanged, [this](const QString&) {
        if (!settingText_)
            Guarded([this] { Change(); });
    });
    ApplyLook(edit, *this, true);
    return edit;
}

std::string TEdit::Text() const {
    auto* self = const_cast<TEdit*>(this);
    return Native(self)->text().toStdString();
}

void TEdit::SetText(const std::string& text) {
    const QString converted =
        korvan::forms::InCase(QString::fromStdString(text), Native(this)->GetLetterCase());
    if (Native(this)->text() == converted)
        return;
    Native(this)->setText(converted);
    Invalidate();
}

void TEdit::SetMaxLength(int v) {
    maxLength_ = v;
    Native(this)->typedLimit = std::max(v, 0);
}

void TEdit::SetReadOnly(bool v) {
    readOnly_ = v;
    Native(this)->setReadOnly(v);
    ApplyImeMode();
}

void TEdit::SetPasswordChar(char c) {
    if (c == passwordChar_)
        return;
    passwordChar_ = c;
    Native(this)->SetPasswordCharacter(c);
    ApplyImeMode();
    Invalidate();
}

void TEdit::SetAlignment(TAlignment a) {
    alignment_ = a;
    Native(this)->setAlignment(QtAlignment(a));
}

void TEdit::SelectAll() {
    Native(this)->selectAll();
}

int TEdit::SelStart() const {
    return Native(const_cast<TEdit*>(this))->cursorPosition();
}

void TEdit::SetSelStart(int position) {
    Native(this)->setCursorPosition(position);
}

void TEdit::Change() {
    if (OnChange)
        OnChange(this);
}

// ---------------------------------------------------------------- TMemo

const TClassInfo& TMemo::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TMemo>("TMemo", &TWinControl::StaticClassInfo())
                                       .Creator()
                                       .Property("Lines", &TMemo::Lines, &TMemo::SetLines)
                                       .Property("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly)
                                       .Default(false)
                                       .Property("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns)
                                       .Default(true)
                                       .Build();
    return info;
}

TMemo::TMemo(TComponent* owner) : TFieldControl(owner), lines_(std::make_unique<TStringList>()) {
    SetUpField(185, 89);
    lines_->OnChange = [this](TObject*) { LinesChanged(); };
}

TMemo::~TMemo() {
    lines_->OnChange = nullptr;
}

QWidget* TMemo::CreateWidget() {
    auto* edit = new QPlainTextEdit();
    QObject::connect(edit, &QPlainTextEdit::textChanged, [this] {
        if (syncing_)
            return;
        Guarded([this] {
            {
                SyncScope sync(syncing_);
                lines_->SetText(Native(this)->toPlainText().toStdString());
            }
            if (OnChange)
                OnChange(this);
        });
    });
    ApplyLook(edit, *this, true);
    return edit;
}

void TMemo::LinesChanged() {
    if (syncing_)
        return;
    {
        SyncScope sync(syncing_);
        Native(this)->setPlainText(LinesText(*lines_));
    }
    if (OnChange)
        OnChange(this);
}

void TMemo::SetLines(TStrings* lines) {
    if (lines)
        lines_->Assign(lines);
}

std::string TMemo::Text() const {
    return lines_->Text();
}

void TMemo::SetText(const std::string& text) {
    lines_->SetText(text);
}

void TMemo::SetReadOnly(bool v) {
    readOnly_ = v;
    Native(this)->setReadOnly(v);
}

// ---------------------------------------------------------------- TButton

const TClassInfo& TButton::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TButton>("TButton", &TWinControl::StaticClassInfo())
            .Creator()
            .Property("Caption", &TButton::Text, &TButton::SetText)
            .Property("Default", &TButton::Default, &TButton::SetDefault)
            .Default(false)
            .Property("Cancel", &TButton::Cancel, &TButton::SetCancel)
            .Default(false)
            .Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
            .Default(0)
            .Build();
    return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
    controlStyle_ = kNativeStyle;
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

QWidget* TButton::CreateWidget() {
    auto* button = new QPushButton();
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, [this] { Guarded([this] { Click(); }); });
    button->setText(QString::fromStdString(Caption()));
    ApplyLook(button, *this, false);
    return button;
}

void TButton::SetDefault(bool v) {
    default_ = v;
    active_ = v;
    Native(this)->setDefault(v);
    if (TCustomForm* form = GetParentForm(); form && !HasState(csLoading))
        Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<std::intptr_t>(form->ActiveControl()));
}

void TButton::Click() {
    // The form's ModalResult follows the button's (also 0).
    if (TCustomForm* form = GetParentForm())
        form->SetModalResult(modalResult_);
    TWinControl::Click();
}

void TButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_DIALOGKEY: {
        const auto key = std::uint16_t(message.WParam);
        const auto shift = TShiftState(message.LParam);
        if (((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) &&
            (shift & (ssShift | ssCtrl | ssAlt)) == 0 && CanFocus()) {
            Click();
            message.Result = 1;
        }
        return;
    }
    case CM_FOCUSCHANGED: {
        auto* focused = reinterpret_cast<TControl*>(message.LParam);
        const bool active = dynamic_cast<TButton*>(focused) ? focused == this : default_;
        if (active != active_) {
            active_ = active;
            if (HandleAllocated())
                Native(this)->setDefault(active);
        }
        return;
    }
    default:
        TButtonControl::WndProc(message);
    }
}

// ---------------------------------------------------------------- TCheckBox

const TClassInfo& TCheckBox::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TCheckBox>("TCheckBox", &TWinControl::StaticClassInfo())
            .Creator()
            .Property("Caption", &TCheckBox::Text, &TCheckBox::SetText)
            .Property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed)
            .Default(false)
            .Enum("State", &TCheckBox::State, &TCheckBox::SetState, {"cbUnchecked", "cbChecked", "cbGrayed"},
                  "TCheckBoxState")
            .Default(cbUnchecked)
            .Property("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked)
            .Stored(false)
            .Build();
    return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) {
    controlStyle_ = kNativeStyle;
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
}

QWidget* TCheckBox::CreateWidget() {
    auto* box = new QCheckBox();
    QObject::connect(box, &QCheckBox::clicked, [this](bool) {
        if (syncing_)
            return;
        // The user's click: unchecked -> checked (-> grayed) -> unchecked.
        Guarded([this] {
            SetState(state_ == cbUnchecked ? cbChecked
                     : state_ == cbChecked ? (allowGrayed_ ? cbGrayed : cbUnchecked)
                                           : cbUnchecked);
        });
    });
    box->setText(QString::fromStdString(Caption()));
    ApplyLook(box, *this, false);
    return box;
}

void TCheckBox::SetState(TCheckBoxState s) {
    const bool changed = s != state_;
    state_ = s;
    {
        // The widget shows the state again even when it is the same: a
        // user's click may have moved it.
        SyncScope sync(syncing_);
        if (changed)
            Native(this)->setTristate(allowGrayed_ || s == cbGrayed);
        Native(this)->setCheckState(s == cbChecked  ? Qt::Checked
                                    : s == cbGrayed ? Qt::PartiallyChecked
                                                    : Qt::Unchecked);
    }
    if (changed && !HasState(csLoading))
        Click();
}

void TCheckBox::Accelerated() {
    SetFocus();
    SetChecked(!Checked());
}

// ---------------------------------------------------------------- TRadioButton

const TClassInfo& TRadioButton::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TRadioButton>("TRadioButton", &TWinControl::StaticClassInfo())
                                       .Creator()
                                       .Property("Caption", &TRadioButton::Text, &TRadioButton::SetText)
                                       .Property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
                                       .Default(false)
                                       .Build();
    return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) {
    controlStyle_ = kNativeStyle;
    SetBounds(0, 0, 113, 17);
}

QWidget* TRadioButton::CreateWidget() {
    auto* button = new QRadioButton();
    button->setAutoExclusive(false);
    QObject::connect(button, &QRadioButton::clicked, [this, button](bool) {
        Guarded([this, button] {
            button->setChecked(checked_);
            if (!checked_) {
                if (CanFocus())
                    SetFocus();
                SetChecked(true);
            }
        });
    });
    button->setText(QString::fromStdString(Caption()));
    ApplyLook(button, *this, false);
    return button;
}

void TRadioButton::SetChecked(bool v) {
    if (v == checked_)
        return;
    checked_ = v;
    Native(this)->setChecked(v);
    SetTabStop(v);
    if (!v)
        return;
    // One checked radio button per parent.
    if (TWinControl* p = Parent())
        for (int i = 0; i < p->ControlCount(); ++i)
            if (auto* other = dynamic_cast<TRadioButton*>(p->Controls(i)); other && other != this)
                other->SetChecked(false);
    if (!HasState(csLoading))
        Click();
}

void TRadioButton::Accelerated() {
    SetFocus();
    SetChecked(true);
}

bool TRadioButton::WantSpecialKey(std::uint16_t key) const {
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

void TRadioButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    if (!WantSpecialKey(key) || !Parent())
        return;
    const bool forward = key == VK_RIGHT || key == VK_DOWN;
    key = 0;
    std::vector<TRadioButton*> group;
    for (TWinControl* c : Parent()->TabList())
        if (auto* radio = dynamic_cast<TRadioButton*>(c); radio && radio->Parent() == Parent())
            group.push_back(radio);
    const auto at = std::find(group.begin(), group.end(), this);
    if (at == group.end())
        return;
    const int n = int(group.size()), i = int(at - group.begin());
    for (int step = 1; step < n; ++step) {
        TRadioButton* next = group[size_t((i + (forward ? step : n - step)) % n)];
        if (!next->CanFocus())
            continue;
        next->SetFocus();
        next->SetChecked(true);
        return;
    }
}

// ---------------------------------------------------------------- TListBox

const TClassInfo& TListBox::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TListBox>("TListBox", &TWinControl::StaticClassInfo())
                                       .Creator()
                                       .Property("Items", &TListBox::Items, &TListBox::SetItems)
                                       .Property("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex)
                                       .Default(-1)
                                       .Build();
    return info;
}

TListBox::TListBox(TComponent* owner) : TFieldControl(owner), items_(std::make_unique<TStringList>()) {
    SetUpField(121, 97);
    items_->OnChange = [this](TObject*) { ItemsChanged(); };
}

TListBox::~TListBox() {
    items_->OnChange = nullptr;
}

QWidget* TListBox::CreateWidget() {
    auto* list = new QListWidget();
    QObject::connect(list, &QListWidget::currentRowChanged, [this](int row) {
        if (syncing_)
            return;
        Guarded([this, row] {
            itemIndex_ = row;
            Click();
        });
    });
    ApplyLook(list, *this, true);
    return list;
}

void TListBox::ItemsChanged() {
    SyncScope sync(syncing_);
    Native(this)->clear();
    Native(this)->addItems(ItemTexts(*items_));
    if (itemIndex_ >= items_->Count())
        itemIndex_ = -1;
    Native(this)->setCurrentRow(itemIndex_);
}

void TListBox::SetItems(TStrings* items) {
    if (items)
        items_->Assign(items);
}

void TListBox::SetItemIndex(int index) {
    if (index < -1 || index >= items_->Count())
        index = -1;
    itemIndex_ = index;
    SyncScope sync(syncing_);
    Native(this)->setCurrentRow(index);
}

// ---------------------------------------------------------------- TComboBox

namespace korvan::forms {

// The combo box's window: tells the control when its list opens and closes
// and how a list choice ended, and lets the control draw over the native
// look.
class ComboWidget : public QComboBox {
public:
    explicit ComboWidget(TComboBox* control) : control_(control) {}

    void showPopup() override {
        if (!Live() || !control_->CanDropDown())
            return;
        Guarded([this] { control_->DropDown(); });
        choosing_ = true;
        QComboBox::showPopup();
    }

    void hidePopup() override {
        const bool wasOpen = view()->isVisible();
        QComboBox::hidePopup();
        if (!wasOpen)
            return;
        // Qt reports a choice right after it closes the list: what has not
        // come by the next turn of the loop was a cancel.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!Live())
                    return;
                if (std::exchange(choosing_, false))
                    Guarded([this] { control_->ListSelectEnd(false); });
                Guarded([this] { control_->CloseUp(); });
            },
            Qt::QueuedConnection);
    }

    // A choice from the open list ends it well.
    void Activated() {
        if (std::exchange(choosing_, false))
            control_->ListSelectEnd(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!Live() || !control_->PaintsOver()) {
            QComboBox::paintEvent(event);
            return;
        }
        // The native look into a picture, the control's drawing over it,
        // the picture onto the window.
        QImage image(size(), QImage::Format_RGB32);
        image.fill(palette().color(QPalette::Window));
        {
            QPainter p(&image);
            // The picture's painter knows nothing of the widget: the item
            // text is drawn in the control's font like the edit field's.
            p.setFont(font());
            QStyleOptionComboBox opt;
            initStyleOption(&opt);
            if (!control_->NativeButton())
                opt.subControls &= ~QStyle::SC_ComboBoxArrow;
            // A list without an edit field shows the control's colour too,
            // plain, as the edit field of the other styles does.
            opt.palette.setColor(QPalette::Button, palette().color(QPalette::Base));
            style()->drawComplexControl(QStyle::CC_ComboBox, &opt, &p, this);
            if (!isEditable())
                p.fillRect(
                    style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this),
                    palette().color(QPalette::Base));
            style()->drawControl(QStyle::CE_ComboBoxLabel, &opt, &p, this);
            if (!control_->NativeButton()) {
                // The native button's place, inside the native border, for
                // the control's own.
                const QRect arrow =
                    style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, this);
                p.fillRect(arrow.intersected(rect().adjusted(2, 2, -2, -2)), palette().color(QPalette::Base));
            }
        }
        TCanvas canvas(&image);
        Guarded([&] { control_->PaintOver(canvas); });
        QPainter(this).drawImage(0, 0, image);
    }

private:
    bool Live() const { return control_ && !control_->HasState(csDestroying); }
    TComboBox* control_;
    bool choosing_ = false;
};

} // namespace korvan::forms

const TClassInfo& TComboBox::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TComboBox>("TComboBox", &TWinControl::StaticClassInfo())
            .Creator()
            .Enum("Style", &TComboBox::Style, &TComboBox::SetStyle,
                  {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"},
                  "TComboBoxStyle")
            .Default(csDropDown)
            .Property("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount)
            .Default(8)
            .Property("Items", &TComboBox::Items, &TComboBox::SetItems)
            .Property("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex)
            .Default(-1)
            .Property("Text", &TComboBox::Text, &TComboBox::SetText)
            .Build();
    return info;
}

TComboBox::TComboBox(TComponent* owner) : TFieldControl(owner), items_(std::make_unique<TStringList>()) {
    SetUpField(145, 21);
    items_->OnChange = [this](TObject*) { ItemsChanged(); };
}

TComboBox::~TComboBox() {
    items_->OnChange = nullptr;
}

QWidget* TComboBox::CreateWidget() {
    auto* combo = new korvan::forms::ComboWidget(this);
    combo->setEditable(style_ == csDropDown || style_ == csSimple);
    if (combo->lineEdit() && !autoComplete_)
        combo->lineEdit()->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(dropDownCount_);
    // Only the user's choice raises events: `activated` is not emitted
    // for program changes.
    QObject::connect(combo, &QComboBox::activated, [this, combo](int index) {
        if (!syncing_)
            Guarded([this, combo, index] {
                combo->Activated();
                UserSelected(index);
            });
    });
    if (combo->lineEdit())
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, [this](const QString& text) {
            Guarded([this, text] {
                text_ = text.toStdString();
                itemIndex_ = -1;
                Change();
                EditTextChanged();
            });
        });
    ApplyLook(combo, *this, true);
    return combo;
}

void TComboBox::UserSelected(int index) {
    itemIndex_ = index;
    text_ = index >= 0 ? items_->Get(index) : std::string();
    Click();
    Select();
    Change();
}

void TComboBox::Change() {
    if (OnChange)
        OnChange(this);
}

void TComboBox::Select() {
    if (OnSelect)
        OnSelect(this);
}

void TComboBox::ItemsChanged() {
    {
        SyncScope sync(syncing_);
        Native(this)->clear();
        Native(this)->addItems(ItemTexts(*items_));
    }
    if (itemIndex_ >= items_->Count())
        itemIndex_ = -1;
    ShowChoice(itemIndex_ >= 0 ? items_->Get(itemIndex_) : text_);
}

void TComboBox::ShowChoice(const std::string& text) {
    SyncScope sync(syncing_);
    // What is shown already stays untouched (the native box puts an
    // item's text into the edit field even when the index stays), so that
    // a reload while the user types keeps the caret and the selection.
    if (Native(this)->currentIndex() != itemIndex_)
        Native(this)->setCurrentIndex(itemIndex_);
    const QString shown = QString::fromStdString(text);
    if (QLineEdit* edit = Native(this)->lineEdit(); edit && edit->text() != shown)
        edit->setText(shown);
}

void TComboBox::SetItems(TStrings* items) {
    if (items)
        items_->Assign(items);
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= items_->Count())
        index = -1;
    itemIndex_ = index;
    text_ = index >= 0 ? items_->Get(index) : std::string();
    ShowChoice(text_);
}

std::string TComboBox::Text() const {
    return text_;
}

void TComboBox::SetText(const std::string& text) {
    text_ = text;
    const int index = items_->IndexOf(text);
    if (style_ == csDropDownList) {
        SetItemIndex(index);
        return;
    }
    itemIndex_ = index;
    ShowChoice(text);
}

void TComboBox::SetStyle(TComboBoxStyle s) {
    if (s == style_)
        return;
    style_ = s;
    // A window made later takes the style when it is made.
    if (!HandleAllocated())
        return;
    Native(this)->setEditable(s == csDropDown || s == csSimple);
    SetAutoComplete(autoComplete_);
    ItemsChanged();
}

void TComboBox::SetDropDownCount(int v) {
    dropDownCount_ = v;
    Native(this)->setMaxVisibleItems(v);
}

bool TComboBox::DroppedDown() const {
    auto* self = const_cast<TComboBox*>(this);
    return self->HandleAllocated() && Native(self)->view()->isVisible();
}

void TComboBox::SetDroppedDown(bool v) {
    if (v)
        Native(this)->showPopup();
    else
        Native(this)->hidePopup();
}

void TComboBox::DropDown() {
    if (OnDropDown)
        OnDropDown(this);
}

void TComboBox::CloseUp() {
    if (OnCloseUp)
        OnCloseUp(this);
}

int TComboBox::SelStart() const {
    auto* self = const_cast<TComboBox*>(this);
    QLineEdit* edit = Native(self)->lineEdit();
    if (!edit)
        return 0;
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void TComboBox::SetSelStart(int v) {
    if (QLineEdit* edit = Native(this)->lineEdit())
        edit->setCursorPosition(v);
}

int TComboBox::SelLength() const {
    auto* self = const_cast<TComboBox*>(this);
    QLineEdit* edit = Native(self)->lineEdit();
    return edit && edit->hasSelectedText() ? int(edit->selectedText().size()) : 0;
}

void TComboBox::SetSelLength(int v) {
    QLineEdit* edit = Native(this)->lineEdit();
    if (!edit)
        return;
    const int start = SelStart();
    if (v > 0)
        edit->setSelection(start, v);
    else
        edit->setCursorPosition(start);
}

void TComboBox::SetDroppedWidth(int width) {
    Native(this)->view()->setMinimumWidth(std::max(width, Width()));
}

void TComboBox::SetAutoComplete(bool v) {
    autoComplete_ = v;
    if (QLineEdit* edit = Native(this)->lineEdit(); edit && !v)
        edit->setCompleter(nullptr);
}

void TComboBox::SetEditReadOnly(bool v) {
    if (QLineEdit* edit = Native(this)->lineEdit())
        edit->setReadOnly(v);
}

bool TComboBox::WantSpecialKey(std::uint16_t key) const {
    // An open list takes Return and Escape.
    return (key == VK_RETURN || key == VK_ESCAPE) && DroppedDown();
}

bool TComboBox::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    if (TWinControl::DoMouseWheelDown(shift, mousePos))
        return true;
    if (itemIndex_ + 1 < items_->Count()) {
        SetItemIndex(itemIndex_ + 1);
        UserSelected(itemIndex_);
    }
    return true;
}

bool TComboBox::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    if (TWinControl::DoMouseWheelUp(shift, mousePos))
        return true;
    if (itemIndex_ > 0) {
        SetItemIndex(itemIndex_ - 1);
        UserSelected(itemIndex_);
    }
    return true;
}

// ---------------------------------------------------------------- TGroupBox

const TClassInfo& TGroupBox::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TGroupBox>("TGroupBox", &TCustomControl::StaticClassInfo())
                                       .Creator()
                                       .Property("Caption", &TGroupBox::Text, &TGroupBox::SetText)
                                       .Build();
    return info;
}

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks |
                    csReplicatable | csOpaque;
    SetBounds(0, 0, 185, 105);
}

TRect TGroupBox::AdjustClientRect(TRect rect) const {
    const int h = std::max(-Font().Height(), 8) + 4;
    return Rect(rect.Left + 2, rect.Top + h, rect.Right - 2, rect.Bottom - 2);
}

void TGroupBox::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(bsSolid);
    c.FillRect(TRect{0, 0, Width(), Height()});
    c.Font().Assign(Font());
    const int h = c.TextHeight("0");
    // An etched frame below the middle of the caption.
    TRect frame{0, h / 2 - 1, Width(), Height()};
    c.Brush().SetColor(clBtnHighlight);
    c.FrameRect(frame.Offset(1, 1));
    c.Brush().SetColor(clBtnShadow);
    c.FrameRect(TRect{frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1});
    if (!Caption().empty()) {
        std::string text = Caption();
        TRect r{8, 0, 8, h};
        c.DrawText(text, r, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
        c.Brush().SetColor(Color());
        c.Brush().SetStyle(bsSolid);
        if (!Enabled())
            c.Font().SetColor(clGrayText);
        c.DrawText(text, r, DT_LEFT | DT_SINGLELINE);
    }
}

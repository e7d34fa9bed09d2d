#include "controls/plot/editor/EditorPickers.h"

#include "controls/plot/dialogs/PackDialogs.h"
#include "controls/plot/editor/EditorForm.h"
#include "platform/forms/TypeInfo.h"
#include "platform/gfx/Canvas.h"

using korvan::forms::ClassBuilder;
using korvan::plot::NotifyUserChange;

namespace {
constexpr int kButtonSize = 21;
}

// ---------------------------------------------------------------- button

const TClassInfo& TiComponentEditorButton::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiComponentEditorButton>("TiComponentEditorButton", &TButton::StaticClassInfo())
            .Creator()
            .Build();
    return info;
}

unsigned TiComponentEditorButton::GetDlgCode() const {
    return DLGC_WANTTAB | DLGC_WANTALLKEYS;
}

void TiComponentEditorButton::KeyPress(char& key) {
    if (!korvan::plot::HandleTabKey(this, key))
        TButton::KeyPress(key);
}

void TiComponentEditorButton::ReportChoice() {
    NotifyUserChange(this);
    Invalidate();
    if (OnChange)
        OnChange(this);
}

// ---------------------------------------------------------------- colour

const TClassInfo& TiComponentEditorColorPicker::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TiComponentEditorColorPicker>(
                                       "TiComponentEditorColorPicker", &TCustomControl::StaticClassInfo())
                                       .Creator()
                                       .Build();
    return info;
}

TiComponentEditorColorPicker::TiComponentEditorColorPicker(TComponent* owner)
    : TCustomControl(owner), button_(new TButton(this)) {
    SetTabStop(true);
    button_->SetParent(this);
    button_->SetCaption("...");
    button_->Font().SetStyle(fsBold);
    button_->OnClick = [this](TObject*) { Pick(); };
    SetBounds(Left(), Top(), 47, kButtonSize);
}

TiComponentEditorColorPicker::~TiComponentEditorColorPicker() = default;

void TiComponentEditorColorPicker::SetColor(TColor value) {
    if (value == color_)
        return;
    color_ = value;
    Invalidate();
}

void TiComponentEditorColorPicker::Disable() {
    SetEnabled(false);
    button_->SetEnabled(false);
    Invalidate();
}

void TiComponentEditorColorPicker::Enable() {
    SetEnabled(true);
    button_->SetEnabled(true);
    Invalidate();
}

void TiComponentEditorColorPicker::Pick() {
    TiColorDialog dialog(this);
    dialog.SetColor(color_);
    if (!dialog.Execute())
        return;
    color_ = dialog.Color();
    NotifyUserChange(this);
    Invalidate();
    if (OnChange)
        OnChange(this);
}

void TiComponentEditorColorPicker::DblClick() {
    TCustomControl::DblClick();
    Pick();
}

unsigned TiComponentEditorColorPicker::GetDlgCode() const {
    return DLGC_WANTTAB | DLGC_WANTALLKEYS;
}

void TiComponentEditorColorPicker::KeyPress(char& key) {
    if (!korvan::plot::HandleTabKey(this, key))
        TCustomControl::KeyPress(key);
}

void TiComponentEditorColorPicker::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Enabled() ? color_ : clBtnFace);
    canvas.Pen().SetColor(clBlack);
    canvas.Rectangle(0, 0, Width() - button_->Width() - 1, Height());
}

void TiComponentEditorColorPicker::Resize() {
    TCustomControl::Resize();
    button_->SetBounds(Width() - kButtonSize, 0, kButtonSize, Height());
}

// ---------------------------------------------------------------- font

const TClassInfo& TiComponentEditorFontPicker::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiComponentEditorFontPicker>("TiComponentEditorFontPicker",
                                                  &TiComponentEditorButton::StaticClassInfo())
            .Creator()
            .Build();
    return info;
}

TiComponentEditorFontPicker::TiComponentEditorFontPicker(TComponent* owner)
    : TiComponentEditorButton(owner), font_(std::make_unique<TFont>()) {
    SetBounds(Left(), Top(), 75, 25);
    SetCaption("Font");
}

TiComponentEditorFontPicker::~TiComponentEditorFontPicker() = default;

void TiComponentEditorFontPicker::SetPickedFont(TFont* value) {
    if (value)
        font_->Assign(*value);
}

void TiComponentEditorFontPicker::Click() {
    TiComponentEditorButton::Click();
    TiFontDialog dialog(this);
    dialog.SetFont(font_.get());
    if (!dialog.Execute())
        return;
    font_->Assign(*dialog.Font());
    ReportChoice();
}

// ---------------------------------------------------------------- files

const TClassInfo& TiComponentEditorFilePicker::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiComponentEditorFilePicker>("TiComponentEditorFilePicker",
                                                  &TiComponentEditorButton::StaticClassInfo())
            .Build();
    return info;
}

TiComponentEditorFilePicker::TiComponentEditorFilePicker(TComponent* owner, const std::string& caption)
    : TiComponentEditorButton(owner) {
    SetCaption(caption);
    SetBounds(Left(), Top(), 75, 25);
    SetTabStop(true);
}

std::string TiComponentEditorFilePicker::CompletedFileName() const {
    if (!fileName_.empty() && (fileName_.back() == '\\' || fileName_.back() == '/'))
        return fileName_ + "Untitled";
    return fileName_;
}

const TClassInfo& TiComponentEditorOpenPicker::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiComponentEditorOpenPicker>("TiComponentEditorOpenPicker",
                                                  &TiComponentEditorFilePicker::StaticClassInfo())
            .Creator()
            .Build();
    return info;
}

TiComponentEditorOpenPicker::TiComponentEditorOpenPicker(TComponent* owner)
    : TiComponentEditorFilePicker(owner, "Open"), files_(std::make_unique<TStringList>()) {}

TiComponentEditorOpenPicker::~TiComponentEditorOpenPicker() = default;

void TiComponentEditorOpenPicker::Click() {
    TiComponentEditorButton::Click();
    TiOpenDialog dialog(this);
    dialog.SetFileMustExist(fileMustExist_);
    dialog.SetFileName(CompletedFileName());
    dialog.SetFilter(filter_);
    dialog.SetDefaultExt(defaultExt_);
    dialog.SetDefaultDir(defaultDir_);
    dialog.SetAllowMultiSelect(allowMultiSelect_);
    defaultDirUsed_ = true;
    if (!dialog.Execute())
        return;
    fileName_ = dialog.FileName();
    files_->Assign(dialog.Files());
    ReportChoice();
}

const TClassInfo& TiComponentEditorSavePicker::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiComponentEditorSavePicker>("TiComponentEditorSavePicker",
                                                  &TiComponentEditorFilePicker::StaticClassInfo())
            .Creator()
            .Build();
    return info;
}

TiComponentEditorSavePicker::TiComponentEditorSavePicker(TComponent* owner)
    : TiComponentEditorFilePicker(owner, "Save") {}

bool TiComponentEditorSavePicker::Execute() {
    TiSaveDialog dialog(this);
    dialog.SetFileName(CompletedFileName());
    dialog.SetFilter(filter_);
    dialog.SetFilterIndex(filterIndex_);
    dialog.SetDefaultExt(defaultExt_);
    // Later runs start where the dialog left off.
    if (!defaultDirUsed_) {
        dialog.SetDefaultDir(defaultDir_);
        defaultDirUsed_ = true;
    }
    if (!dialog.Execute())
        return false;
    fileName_ = dialog.FileName();
    ReportChoice();
    return true;
}

void TiComponentEditorSavePicker::Click() {
    TiComponentEditorButton::Click();
    Execute();
}

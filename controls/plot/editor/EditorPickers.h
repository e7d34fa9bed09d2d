#pragma once
// The editor's pickers: a colour swatch with a "..." button, and buttons
// that pick a font, a file to open or a file to save. Each shows the
// pack's dialog; a confirmed choice is stored, reported to the form's
// UserChange and fires OnChange, a cancelled one changes nothing.

#include "platform/forms/Control.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/Strings.h"
#include "platform/gfx/GraphicsObjects.h"

#include <memory>
#include <string>

class TiComponentEditorButton : public TButton {
    KORVAN_CLASS(TiComponentEditorButton)
public:
    explicit TiComponentEditorButton(TComponent* owner) : TButton(owner) {}
    void Disable() { SetEnabled(false); }
    void Enable() { SetEnabled(true); }
    TNotifyEvent OnChange;
    unsigned GetDlgCode() const override;
    void KeyPress(char& key) override;

protected:
    // Storing the choice: the form's UserChange, a repaint and OnChange.
    void ReportChoice();
};

class TiComponentEditorColorPicker : public TCustomControl {
    KORVAN_CLASS(TiComponentEditorColorPicker)
public:
    explicit TiComponentEditorColorPicker(TComponent* owner);
    ~TiComponentEditorColorPicker() override;
    TColor Color() const { return color_; }
    // Silent.
    void SetColor(TColor value);
    void Disable();
    void Enable();
    // Shows the colour dialog.
    void Pick();
    TButton* Button() const { return button_; }
    TNotifyEvent OnChange;
    void DblClick() override;
    unsigned GetDlgCode() const override;
    void KeyPress(char& key) override;

protected:
    void Paint() override;
    void Resize() override;

private:
    TButton* button_;
    TColor color_ = clRed;
};

class TiComponentEditorFontPicker : public TiComponentEditorButton {
    KORVAN_CLASS(TiComponentEditorFontPicker)
public:
    explicit TiComponentEditorFontPicker(TComponent* owner);
    ~TiComponentEditorFontPicker() override;
    TFont* PickedFont() const { return font_.get(); }
    // Silent: takes a copy.
    void SetPickedFont(TFont* value);
    void Click() override;

private:
    std::unique_ptr<TFont> font_;
};

// What the open and save pickers share: the dialog's settings.
class TiComponentEditorFilePicker : public TiComponentEditorButton {
    KORVAN_CLASS(TiComponentEditorFilePicker)
public:
    explicit TiComponentEditorFilePicker(TComponent* owner, const std::string& caption);
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& value) { fileName_ = value; }
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& value) { filter_ = value; }
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& value) { defaultExt_ = value; }
    const std::string& DefaultDir() const { return defaultDir_; }
    void SetDefaultDir(const std::string& value) { defaultDir_ = value; }

protected:
    // A name that ends with a folder separator offers "Untitled" in it.
    std::string CompletedFileName() const;
    std::string fileName_, filter_, defaultExt_, defaultDir_;
    bool defaultDirUsed_ = false;
};

class TiComponentEditorOpenPicker : public TiComponentEditorFilePicker {
    KORVAN_CLASS(TiComponentEditorOpenPicker)
public:
    explicit TiComponentEditorOpenPicker(TComponent* owner);
    ~TiComponentEditorOpenPicker() override;
    bool FileMustExist() const { return fileMustExist_; }
    void SetFileMustExist(bool value) { fileMustExist_ = value; }
    bool AllowMultiSelect() const { return allowMultiSelect_; }
    void SetAllowMultiSelect(bool value) { allowMultiSelect_ = value; }
    TStrings* Files() const { return files_.get(); }
    void Click() override;

private:
    bool fileMustExist_ = false;
    bool allowMultiSelect_ = false;
    std::unique_ptr<TStringList> files_;
};

class TiComponentEditorSavePicker : public TiComponentEditorFilePicker {
    KORVAN_CLASS(TiComponentEditorSavePicker)
public:
    explicit TiComponentEditorSavePicker(TComponent* owner);
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int value) { filterIndex_ = value; }
    // Shows the save dialog; true when the user confirmed.
    bool Execute();
    void Click() override;

private:
    int filterIndex_ = 0;
};

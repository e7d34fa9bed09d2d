#pragma once
// The plot pack's dialog components: colour, font, open and save. Each
// shows the framework's dialog service and carries the result. The save
// dialog adds the extension of the chosen filter when the typed name lacks
// it.

#include "platform/forms/Component.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Strings.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/GraphicsObjects.h"

#include <memory>
#include <string>

class TiColorDialog : public TComponent {
    KORVAN_CLASS(TiColorDialog)
public:
    explicit TiColorDialog(TComponent* owner = nullptr) : TComponent(owner) {}
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    // Confirmed: Color takes the choice. The owner must be a windowed
    // control.
    bool Execute();

private:
    TColor color_ = 0;
};

class TiFontDialog : public TComponent {
    KORVAN_CLASS(TiFontDialog)
public:
    explicit TiFontDialog(TComponent* owner = nullptr);
    ~TiFontDialog() override;
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* value);
    bool Execute();

private:
    std::unique_ptr<TFont> font_;
};

// What the open and save dialogs share: the name, the filter text
// (description and pattern pairs: "Data files|*.csv|All files|*.*"), the
// default extension and the folder they start in.
class TiFileDialog : public TComponent {
    KORVAN_CLASS(TiFileDialog)
public:
    explicit TiFileDialog(TComponent* owner) : TComponent(owner) {}
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& value) { fileName_ = value; }
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& value) { filter_ = value; }
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& value) { defaultExt_ = value; }
    const std::string& DefaultDir() const { return defaultDir_; }
    void SetDefaultDir(const std::string& value) { defaultDir_ = value; }

protected:
    // The dialog's settings; the name is cut to the longest path.
    korvan::forms::FileDialogOptions Options(int filterIndex) const;
    std::string fileName_, filter_, defaultExt_, defaultDir_;
};

class TiOpenDialog : public TiFileDialog {
    KORVAN_CLASS(TiOpenDialog)
public:
    explicit TiOpenDialog(TComponent* owner = nullptr);
    ~TiOpenDialog() override;
    bool FileMustExist() const { return fileMustExist_; }
    void SetFileMustExist(bool value) { fileMustExist_ = value; }
    bool AllowMultiSelect() const { return allowMultiSelect_; }
    void SetAllowMultiSelect(bool value) { allowMultiSelect_ = value; }
    // The chosen files; FileName is the first.
    TStrings* Files() const { return files_.get(); }
    // Without a form or windowed control above it, shows nothing.
    bool Execute();

private:
    bool fileMustExist_ = false;
    bool allowMultiSelect_ = false;
    std::unique_ptr<TStringList> files_;
};

class TiSaveDialog : public TiFileDialog {
    KORVAN_CLASS(TiSaveDialog)
public:
    explicit TiSaveDialog(TComponent* owner = nullptr) : TiFileDialog(owner) {}
    // 1-based.
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int value) { filterIndex_ = value; }
    // The extension of the chosen filter (".csv"), empty when it has none.
    const std::string& ReturnExt() const { return returnExt_; }
    bool Execute();

private:
    std::string returnExt_;
    int filterIndex_ = 1;
};

namespace korvan::plot {

// The patterns of a filter text, in order ("*.txt", "*.*"): the pieces
// between "|" that start with "*".
std::vector<std::string> FilterPatterns(const std::string& filter);

// fileName with the extension of the pattern at filterIndex (1-based)
// appended unless the name already ends in it; `returnExt` receives that
// extension (empty when there is none).
std::string WithFilterExtension(const std::string& fileName, const std::string& filter, int filterIndex,
                                std::string& returnExt);

} // namespace korvan::plot

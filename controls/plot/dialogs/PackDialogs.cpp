#include "controls/plot/dialogs/PackDialogs.h"

#include "controls/plot/core/PackForms.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/forms/WinControl.h"
#include "platform/text/Exception.h"
#include "platform/text/StrUtils.h"

using korvan::forms::ClassBuilder;

namespace {

// The colour and font dialogs belong to a window.
void RequireWindowedOwner(TComponent* owner) {
    if (!dynamic_cast<TWinControl*>(owner))
        throw Exception("Invalid class typecast");
}

std::string ExtensionOf(const std::string& fileName) {
    const std::size_t dot = fileName.find_last_of('.');
    const std::size_t slash = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return fileName.substr(dot);
}

} // namespace

// ---------------------------------------------------------------- colour

const TClassInfo& TiColorDialog::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiColorDialog>("TiColorDialog", &TComponent::StaticClassInfo())
            .Creator()
            .Property("Color", &TiColorDialog::Color, &TiColorDialog::SetColor)
            .Default(TColor(0))
            .Build();
    return info;
}

bool TiColorDialog::Execute() {
    RequireWindowedOwner(Owner());
    const std::optional<int> chosen = korvan::forms::Dialogs().PickColor(int(ColorToRGB(color_)));
    if (!chosen)
        return false;
    color_ = TColor(*chosen);
    return true;
}

// ---------------------------------------------------------------- font

const TClassInfo& TiFontDialog::StaticClassInfo() {
    static const TClassInfo info = ClassBuilder<TiFontDialog>("TiFontDialog", &TComponent::StaticClassInfo())
                                       .Creator()
                                       .Property("Font", &TiFontDialog::Font, &TiFontDialog::SetFont)
                                       .Build();
    return info;
}

TiFontDialog::TiFontDialog(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {}

TiFontDialog::~TiFontDialog() = default;

void TiFontDialog::SetFont(TFont* value) {
    if (value)
        font_->Assign(*value);
}

bool TiFontDialog::Execute() {
    RequireWindowedOwner(Owner());
    korvan::forms::FontChoice start;
    start.Name = font_->Name();
    start.Size = font_->Size();
    start.Bold = font_->Style() & fsBold;
    start.Italic = font_->Style() & fsItalic;
    start.Underline = font_->Style() & fsUnderline;
    start.StrikeOut = font_->Style() & fsStrikeOut;
    start.Color = int(font_->Color());
    const std::optional<korvan::forms::FontChoice> chosen = korvan::forms::Dialogs().PickFont(start);
    if (!chosen)
        return false;
    font_->SetColor(TColor(chosen->Color));
    font_->SetName(chosen->Name);
    font_->SetSize(chosen->Size);
    font_->SetStyle((chosen->Bold ? fsBold : 0u) | (chosen->Italic ? fsItalic : 0u) |
                    (chosen->Underline ? fsUnderline : 0u) | (chosen->StrikeOut ? fsStrikeOut : 0u));
    return true;
}

// ---------------------------------------------------------------- files

const TClassInfo& TiFileDialog::StaticClassInfo() {
    using D = TiFileDialog;
    static const TClassInfo info = ClassBuilder<D>("TiFileDialog", &TComponent::StaticClassInfo())
                                       .Property("FileName", &D::FileName, &D::SetFileName)
                                       .Property("Filter", &D::Filter, &D::SetFilter)
                                       .Property("DefaultExt", &D::DefaultExt, &D::SetDefaultExt)
                                       .Property("DefaultDir", &D::DefaultDir, &D::SetDefaultDir)
                                       .Build();
    return info;
}

korvan::forms::FileDialogOptions TiFileDialog::Options(int filterIndex) const {
    korvan::forms::FileDialogOptions o;
    o.FileName = fileName_.substr(0, 260);
    o.Filter = filter_;
    o.FilterIndex = filterIndex;
    o.DefaultExt = defaultExt_;
    o.InitialDir = defaultDir_.empty() ? "." : defaultDir_;
    return o;
}

// ---------------------------------------------------------------- open

const TClassInfo& TiOpenDialog::StaticClassInfo() {
    using D = TiOpenDialog;
    static const TClassInfo info = ClassBuilder<D>("TiOpenDialog", &TiFileDialog::StaticClassInfo())
                                       .Creator()
                                       .Property("FileMustExist", &D::FileMustExist, &D::SetFileMustExist)
                                       .Default(false)
                                       .Build();
    return info;
}

TiOpenDialog::TiOpenDialog(TComponent* owner)
    : TiFileDialog(owner), files_(std::make_unique<TStringList>()) {}

TiOpenDialog::~TiOpenDialog() = default;

bool TiOpenDialog::Execute() {
    files_->Clear();
    if (!korvan::plot::GetOwnerForm(this))
        return false;
    korvan::forms::FileDialogOptions o = Options(1);
    o.FileMustExist = fileMustExist_;
    if (!allowMultiSelect_) {
        const std::optional<std::string> chosen = korvan::forms::Dialogs().OpenFile(o);
        if (!chosen)
            return false;
        fileName_ = *chosen;
        files_->Add(fileName_);
        return true;
    }
    const std::optional<std::vector<std::string>> chosen = korvan::forms::Dialogs().OpenFiles(o);
    if (!chosen || chosen->empty())
        return false;
    for (const std::string& path : *chosen)
        files_->Add(path);
    fileName_ = files_->Get(0);
    return true;
}

// ---------------------------------------------------------------- save

const TClassInfo& TiSaveDialog::StaticClassInfo() {
    using D = TiSaveDialog;
    static const TClassInfo info = ClassBuilder<D>("TiSaveDialog", &TiFileDialog::StaticClassInfo())
                                       .Creator()
                                       .Property("FilterIndex", &D::FilterIndex, &D::SetFilterIndex)
                                       .Default(1)
                                       .Build();
    return info;
}

bool TiSaveDialog::Execute() {
    if (!korvan::plot::GetOwnerForm(this))
        return false;
    korvan::forms::FileDialogOptions o = Options(filterIndex_);
    o.OverwritePrompt = true;
    const std::optional<std::string> chosen = korvan::forms::Dialogs().SaveFile(o);
    if (!chosen)
        return false;
    filterIndex_ = o.FilterIndex;
    fileName_ = korvan::plot::WithFilterExtension(*chosen, filter_, filterIndex_, returnExt_);
    return true;
}

namespace korvan::plot {

std::vector<std::string> FilterPatterns(const std::string& filter) {
    std::vector<std::string> patterns;
    std::size_t start = 0;
    while (start <= filter.size()) {
        std::size_t bar = filter.find('|', start);
        if (bar == std::string::npos)
            bar = filter.size();
        const std::string piece = filter.substr(start, bar - start);
        if (!piece.empty() && piece[0] == '*')
            patterns.push_back(piece);
        start = bar + 1;
    }
    return patterns;
}

std::string WithFilterExtension(const std::string& fileName, const std::string& filter, int filterIndex,
                                std::string& returnExt) {
    const std::vector<std::string> patterns = FilterPatterns(filter);
    returnExt.clear();
    if (filterIndex >= 1 && std::size_t(filterIndex) <= patterns.size())
        returnExt = patterns[std::size_t(filterIndex) - 1].substr(1);
    if (returnExt.empty() || returnExt == ".*")
        return fileName;
    // A name keeps its own extension only when that extension is the one
    // of the chosen filter (the first pattern of it, letter case ignored).
    const std::string ext = ExtensionOf(fileName);
    if (!ext.empty()) {
        for (std::size_t i = 0; i < patterns.size(); ++i)
            if (SameText(patterns[i], "*" + ext)) {
                if (int(i) + 1 == filterIndex)
                    return fileName;
                break;
            }
    }
    return fileName + returnExt;
}

} // namespace korvan::plot

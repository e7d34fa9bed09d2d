#include "controls/plot/editor/PlotEditorGeneralPage.h"

#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorPageLayout.h"
#include "controls/plot/editor/EditorPickers.h"
#include "controls/plot/editor/EditorRowControls.h"
#include "controls/plot/editor/EditorValues.h"
#include "controls/plot/objects/PlotLabel.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/Form.h"

#include <array>

namespace korvan::plot::editor {

namespace {

constexpr std::string_view kPropertiesFilter = "Config (*.cfg)|*.cfg|All Files (*.*)|*.*";
constexpr std::string_view kDataOpenFilter = "Data (*.dat)|*.dat|Log (*.log)|*.log|All Files (*.*)|*.*";
constexpr std::string_view kDataSaveFilter = "Data (*.dat)|*.dat|All Files (*.*)|*.*";
constexpr std::string_view kLogFilter = "Log (*.log)|*.log|All Files (*.*)|*.*";
constexpr std::string_view kAnnotationFilter = "Annotations (*.ano)|*.ano|All Files (*.*)|*.*";

// The four margin edits of each cross: left, top, right, bottom.
constexpr std::array<std::string_view, 4> kOuterMargin{"OuterMarginLeftEdit", "OuterMarginTopEdit",
                                                       "OuterMarginRightEdit", "OuterMarginBottomEdit"};
constexpr std::array<std::string_view, 4> kPrintMargin{"PrintMarginLeftEdit", "PrintMarginTopEdit",
                                                       "PrintMarginRightEdit", "PrintMarginBottomEdit"};

// Written by the title handler rather than the general one.
constexpr std::array<std::string_view, 4> kTitleControls{"TitleTextEdit", "TitleVisibleCheckBox",
                                                         "TitleFontPicker", "TitleMarginEdit"};

// The order the plot receives the page in.
constexpr std::array<std::string_view, 43> kCopyOrder{
    "AutoFrameRateCheckBox",
    "UpdateFrameRateEdit",
    "ClipAnnotationsToAxesCheckBox",
    "BorderStyleRadioGroup",
    "CopyToClipBoardFormatComboBox",
    "FileColumnSeparatorComboBox",
    "BackGroundColorPicker",
    "BackGroundGradientDirectionComboBox",
    "BackGroundGradientEnabledCheckBox",
    "BackGroundGradientStartColorPicker",
    "BackGroundGradientStopColorPicker",
    "OuterMarginLeftEdit",
    "OuterMarginTopEdit",
    "OuterMarginRightEdit",
    "OuterMarginBottomEdit",
    "TitleVisibleCheckBox",
    "TitleMarginEdit",
    "TitleTextEdit",
    "TitleFontPicker",
    "ControlLogFileNameEdit",
    "ControlLogBufferSizeEdit",
    "HintsShowCheckBox",
    "HintsPauseEdit",
    "HintsHidePauseEdit",
    "HintsFontPicker",
    "AnnotationDefaultPenColorPicker",
    "AnnotationDefaultPenStyleComboBox",
    "AnnotationDefaultPenWidthEdit",
    "AnnotationDefaultBrushColorPicker",
    "AnnotationDefaultBrushStyleComboBox",
    "AnnotationDefaultReferenceComboBox",
    "AnnotationDefaultReferencePositionXComboBox",
    "AnnotationDefaultReferencePositionYComboBox",
    "AnnotationDefaultReferenceSizeXComboBox",
    "AnnotationDefaultReferenceSizeYComboBox",
    "AnnotationDefaultFontPicker",
    "PrintShowDialogCheckBox",
    "PrintOrientationRadioGroup",
    "PrintMarginLeftEdit",
    "PrintMarginTopEdit",
    "PrintMarginRightEdit",
    "PrintMarginBottomEdit",
    "PrintDocumentNameEdit",
};

KindPage Description() {
    KindPage page;
    page.caption = "Control";
    page.tabSheet = "GeneralTabSheet";
    page.pageControl = "ControlPageControl";
    page.places = {{"General"}, {"Title"},    {"Background"},         {"Print"},
                   {"Hints"},   {"File I/O"}, {"Annotation Defaults"}};
    page.rows = {
        UpDown("OuterMarginLeftEdit", "", "OuterMarginLeft", "General/Outer Margin", 0, 0),
        UpDown("OuterMarginTopEdit", "", "OuterMarginTop", "General/Outer Margin", 0, 0),
        UpDown("OuterMarginBottomEdit", "", "OuterMarginBottom", "General/Outer Margin", 0, 0),
        UpDown("OuterMarginRightEdit", "", "OuterMarginRight", "General/Outer Margin", 0, 0),
        Radio("BorderStyleRadioGroup", "Border Style", "BorderStyle", "General", BorderStyleItems),
        UpDown("UpdateFrameRateEdit", "Update Frame Rate", "UpdateFrameRate", "General", 0, 100),
        Check("AutoFrameRateCheckBox", "Auto Frame Rate", "AutoFrameRate", "General"),
        Combo("CopyToClipBoardFormatComboBox", "Copy To ClipBoard Format", "CopyToClipBoardFormat", "General",
              ClipboardFormatItems),
        Check("ClipAnnotationsToAxesCheckBox", "Clip Annotations To Axes", "ClipAnnotationsToAxes",
              "General"),
        Combo("FileColumnSeparatorComboBox", "File Column Separator", "DataFileColumnSeparator", "General",
              ColumnSeparatorItems),

        Edit("TitleTextEdit", "Text", "TitleText", "Title"),
        Check("TitleVisibleCheckBox", "Visible", "TitleVisible", "Title"),
        FontPick("TitleFontPicker", "TitleFont", "Title"),
        Edit("TitleMarginEdit", "Margin", "TitleMargin", "Title"),

        ColorPick("BackGroundColorPicker", "Color", "BackGroundColor", "Background"),
        Check("BackGroundGradientEnabledCheckBox", "Enabled", "BackGroundGradientEnabled",
              "Background/Gradient"),
        ColorPick("BackGroundGradientStartColorPicker", "Start Color", "BackGroundGradientStartColor",
                  "Background/Gradient"),
        ColorPick("BackGroundGradientStopColorPicker", "Stop Color", "BackGroundGradientStopColor",
                  "Background/Gradient"),
        Combo("BackGroundGradientDirectionComboBox", "Direction", "BackGroundGradientDirection",
              "Background/Gradient", GradientDirectionItems),

        Edit("PrintMarginLeftEdit", "", "PrintMarginLeft", "Print/Margin"),
        Edit("PrintMarginTopEdit", "", "PrintMarginTop", "Print/Margin"),
        Edit("PrintMarginBottomEdit", "", "PrintMarginBottom", "Print/Margin"),
        Edit("PrintMarginRightEdit", "", "PrintMarginRight", "Print/Margin"),
        Radio("PrintOrientationRadioGroup", "Orientation", "PrintOrientation", "Print", OrientationItems),
        Check("PrintShowDialogCheckBox", "Show Dialog", "PrintShowDialog", "Print"),
        Edit("PrintDocumentNameEdit", "Document Name", "PrintDocumentName", "Print"),

        Check("HintsShowCheckBox", "Show", "HintsShow", "Hints"),
        UpDown("HintsPauseEdit", "Pause", "HintsPause", "Hints", 0, 0),
        UpDown("HintsHidePauseEdit", "Hide Pause", "HintsHidePause", "Hints", 0, 0),
        FontPick("HintsFontPicker", "HintsFont", "Hints"),

        OpenFile("ControlPropertiesOpenPicker", "Open", "File I/O/Properties", kPropertiesFilter, "cfg"),
        SaveFile("ControlPropertiesSavePicker", "Save", "File I/O/Properties", kPropertiesFilter, "cfg"),
        OpenFile("ControlDataOpenPicker", "Open", "File I/O/Data", kDataOpenFilter, "dat"),
        SaveFile("ControlDataSavePicker", "Save", "File I/O/Data", kDataSaveFilter, "dat"),
        Edit("ControlLogFileNameEdit", "File Name", "LogFileName", "File I/O/Log"),
        SaveFile("ControlLogFileNamePicker", "Browse", "File I/O/Log", kLogFilter, "log"),
        UpDown("ControlLogBufferSizeEdit", "Buffer Size", "LogBufferSize", "File I/O/Log", 0, 0),
        Button("ControlLogActivateButton", "Activate", "File I/O/Log"),
        Button("ControlLogDeactivateButton", "Deactivate", "File I/O/Log"),
        OpenFile("ControlAnnotationOpenPicker", "Open", "File I/O/Annotations", kAnnotationFilter, "ano"),
        SaveFile("ControlAnnotationSavePicker", "Save", "File I/O/Annotations", kAnnotationFilter, "ano"),

        FontPick("AnnotationDefaultFontPicker", "AnnotationDefaultFont", "Annotation Defaults"),
        Combo("AnnotationDefaultReferenceComboBox", "Reference", "AnnotationDefaultReference",
              "Annotation Defaults", ReferenceItems),
        Combo("AnnotationDefaultReferencePositionXComboBox", "Reference Position-X",
              "AnnotationDefaultReferencePositionX", "Annotation Defaults", ReferencePartItems),
        Combo("AnnotationDefaultReferencePositionYComboBox", "Reference Position-Y",
              "AnnotationDefaultReferencePositionY", "Annotation Defaults", ReferencePartItems),
        Combo("AnnotationDefaultReferenceSizeXComboBox", "Reference Size-X",
              "AnnotationDefaultReferenceSizeX", "Annotation Defaults", ReferencePartItems),
        Combo("AnnotationDefaultReferenceSizeYComboBox", "Reference Size-Y",
              "AnnotationDefaultReferenceSizeY", "Annotation Defaults", ReferencePartItems),
        ColorPick("AnnotationDefaultBrushColorPicker", "Color", "AnnotationDefaultBrushColor",
                  "Annotation Defaults/Brush"),
        Combo("AnnotationDefaultBrushStyleComboBox", "Style", "AnnotationDefaultBrushStlye",
              "Annotation Defaults/Brush", BrushStyleItems),
        ColorPick("AnnotationDefaultPenColorPicker", "Color", "AnnotationDefaultPenColor",
                  "Annotation Defaults/Pen"),
        Combo("AnnotationDefaultPenStyleComboBox", "Style", "AnnotationDefaultPenStlye",
              "Annotation Defaults/Pen", PenStyleItems),
        UpDown("AnnotationDefaultPenWidthEdit", "Width", "AnnotationDefaultPenWidth",
               "Annotation Defaults/Pen", 0, 100),
    };
    return page;
}

template <size_t N> bool Holds(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::string_view n : names)
        if (n == name)
            return true;
    return false;
}

} // namespace

GeneralPage::GeneralPage(TCustomForm& form, TTabSheet& sheet, std::function<void()> changed,
                         std::function<void()> titleChanged)
    : form_(form), description_(Description()),
      layout_(std::make_unique<EditorPageLayout>(form, sheet, description_)) {
    sheet.SetName(std::string(description_.tabSheet));
    sheet.SetText(std::string(description_.caption));
    for (const PlaceSpec& place : description_.places)
        layout_->Container(place.path);
    std::array<EditorPageLayout::CrossArm, 4> outer{}, print{};
    for (const PageRow& row : description_.rows) {
        const RowControl made = MakeRowControl(form, row);
        for (size_t i = 0; i < 4; ++i) {
            if (row.name == kOuterMargin[i])
                outer[i] = {made.control, made.partner};
            if (row.name == kPrintMargin[i])
                print[i] = {made.control, made.partner};
        }
        if (!Holds(kOuterMargin, row.name) && !Holds(kPrintMargin, row.name))
            layout_->Add(row.place, made.control, made.caption, made.partner);
        else
            layout_->Container(row.place); // the cross stands where its first arm is listed
        if (row.property.empty())
            continue;
        const std::function<void()>& handler = Holds(kTitleControls, row.name) ? titleChanged : changed;
        BindUserEdit(made.control, [handler](TObject*) {
            if (handler)
                handler();
        });
    }
    layout_->AddCross("General/Outer Margin", outer[0], outer[1], outer[2], outer[3]);
    layout_->AddCross("Print/Margin", print[0], print[1], print[2], print[3]);
    if (auto* open = dynamic_cast<TiComponentEditorOpenPicker*>(Control("ControlPropertiesOpenPicker")))
        open->SetFileMustExist(true);
    layout_->Arrange();
}

GeneralPage::~GeneralPage() = default;

TControl* GeneralPage::Control(std::string_view name) const {
    return dynamic_cast<TControl*>(form_.FindComponent(name));
}

void GeneralPage::Fill(TiPlotComponent& plot) {
    for (const PageRow& row : description_.rows)
        LoadRowValue(row, Control(row.name), &plot);
    const std::pair<std::string_view, const std::string*> folders[] = {
        {"ControlPropertiesSavePicker", &plot.DefaultPropertyDirectory()},
        {"ControlPropertiesOpenPicker", &plot.DefaultPropertyDirectory()},
        {"ControlDataSavePicker", &plot.DefaultDataDirectory()},
        {"ControlDataOpenPicker", &plot.DefaultDataDirectory()},
        {"ControlAnnotationSavePicker", &plot.DefaultAnnotationDirectory()},
        {"ControlAnnotationOpenPicker", &plot.DefaultAnnotationDirectory()},
    };
    for (const auto& [name, folder] : folders)
        if (auto* picker = dynamic_cast<TiComponentEditorFilePicker*>(Control(name)))
            picker->SetDefaultDir(*folder);
}

void GeneralPage::CopyInto(TiPlotComponent& plot) {
    for (std::string_view name : kCopyOrder) {
        if (name == "ControlLogFileNameEdit" && plot.LoggingActive())
            continue;
        for (const PageRow& row : description_.rows)
            if (row.name == name)
                WriteRowValue(row, Control(name), &plot);
    }
}

void GeneralPage::FollowLogging(bool loggingActive) {
    if (auto* activate = dynamic_cast<TiComponentEditorButton*>(Control("ControlLogActivateButton")))
        activate->SetEnabled(!loggingActive);
    if (auto* deactivate = dynamic_cast<TiComponentEditorButton*>(Control("ControlLogDeactivateButton")))
        deactivate->SetEnabled(loggingActive);
    // The name stays readable while it cannot change.
    if (auto* edit = dynamic_cast<TiComponentEditorEdit*>(Control("ControlLogFileNameEdit"))) {
        if (loggingActive)
            edit->DisableNoClear();
        else
            edit->Enable();
    }
    if (TControl* picker = Control("ControlLogFileNamePicker"))
        picker->SetEnabled(!loggingActive);
}

void GeneralPage::LoadTitle(TiPlotLabel& title) {
    if (auto* visible = dynamic_cast<TiComponentEditorCheckBox*>(Control("TitleVisibleCheckBox")))
        visible->SetAsBoolean(title.Visible());
    if (auto* text = dynamic_cast<TiComponentEditorEdit*>(Control("TitleTextEdit")))
        text->SetAsString(title.Caption());
    if (auto* margin = dynamic_cast<TiComponentEditorEdit*>(Control("TitleMarginEdit")))
        margin->SetAsFloat(title.MarginBottom());
    if (auto* font = dynamic_cast<TiComponentEditorFontPicker*>(Control("TitleFontPicker")))
        font->SetPickedFont(title.Font());
}

void GeneralPage::WriteTitle(TiPlotLabel& title) {
    if (auto* visible = dynamic_cast<TiComponentEditorCheckBox*>(Control("TitleVisibleCheckBox")))
        title.SetVisible(visible->AsBoolean());
    if (auto* text = dynamic_cast<TiComponentEditorEdit*>(Control("TitleTextEdit")))
        title.SetCaption(text->AsString());
    if (auto* margin = dynamic_cast<TiComponentEditorEdit*>(Control("TitleMarginEdit")))
        title.SetMarginBottom(margin->AsFloat());
    if (auto* font = dynamic_cast<TiComponentEditorFontPicker*>(Control("TitleFontPicker")))
        title.Font()->Assign(*font->PickedFont());
}

} // namespace korvan::plot::editor

// The "X-Axes" and "Y-Axes" pages of the plot editor. Both pages are made
// from one table: the Y page is the X page with "YAxis" in front of the
// control names, smaller precision limits, and its own way of filling the
// cartesian reference list.

#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorPages.h"
#include "controls/plot/editor/EditorValues.h"
#include "platform/forms/Control.h"

#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace korvan::plot::editor {

namespace {

// What tells the two axis pages apart.
struct AxisSide {
    std::string_view kind;      // the page's own axes
    std::string_view otherKind; // the axes of the other direction
    std::string_view prefix;    // "XAxis"
    std::string_view tabSheet;
    std::string_view caption;
    std::string_view listBox;
    std::string_view addButton;
    std::string_view pageControl;
    std::string_view labelsPageControl;
    int labelPrecisionMax = 0;
    int legendPrecisionMax = 0;
    // The cartesian reference list is filled again each time it drops down
    // (otherwise only when the page loads).
    bool cartesianRefillOnDropDown = false;
};

const AxisSide XSide{kind::XAxis,
                     kind::YAxis,
                     "XAxis",
                     "XAxesTabSheet",
                     "X-Axes",
                     "XAxisListBox",
                     "XAxesAddButton",
                     "XAxisPageControl",
                     "XAxisLabelsPageControl",
                     1000,
                     1000,
                     true};
const AxisSide YSide{kind::YAxis,
                     kind::XAxis,
                     "YAxis",
                     "YAxesTabSheet",
                     "Y-Axes",
                     "YAxisListBox",
                     "YAxesAddButton",
                     "YAxisPageControl",
                     "YAxisLabelsPageControl",
                     20,
                     20,
                     false};

constexpr int CursorPrecisionMax = 20;

// Rows hold their names as views: the prefixed names live here for the
// life of the program, one copy each.
std::string_view Named(std::string_view prefix, std::string_view suffix) {
    static std::set<std::string, std::less<>> names;
    std::string name(prefix);
    name += suffix;
    return *names.insert(std::move(name)).first;
}

constexpr std::string_view General = "General";
constexpr std::string_view Title = "Title";
constexpr std::string_view DefaultLabels = "Labels/(Default)";
constexpr std::string_view CursorLabels = "Labels/Cursor";
constexpr std::string_view LegendLabels = "Labels/Legend";
constexpr std::string_view Tracking = "Tracking";
constexpr std::string_view Cursor = "Cursor";
constexpr std::string_view Scroll = "Scroll";
constexpr std::string_view Scale = "Scale";
constexpr std::string_view Cartesian = "Cartesian";

// How the axis formats its values for the cursor or the legend
// (`section`), each with a button that copies the default label format.
std::vector<PageRow> TextFormatRows(std::string_view prefix, std::string_view section, std::string_view place,
                                    int precisionMax) {
    const auto n = [&](std::string_view suffix) {
        return Named(prefix, std::string(section) + std::string(suffix));
    };
    const auto p = [&](std::string_view suffix) { return Named(section, suffix); };
    return {
        Combo(n("FormatStyleComboBox"), "Format Style", p("FormatStyle"), place, LabelFormatItems),
        DateTimeFormatCombo(n("DateTimeFormatComboBox"), "Date Time Format", p("DateTimeFormat"), place),
        Combo(n("PrecisionStyleComboBox"), "Precision Style", p("PrecisionStyle"), place,
              PrecisionStyleItems),
        UpDown(n("PrecisionEdit"), "Precision", p("Precision"), place, 0, precisionMax),
        Edit(n("MinLengthEdit"), "Min Length", p("MinLength"), place),
        Check(n("MinLengthAutoAdjustCheckBox"), "Min Length Auto Adjust", p("MinLengthAutoAdjust"), place),
        Check(n("UseDefaultFormatCheckBox"), "Use Default Format", p("UseDefaultFormat"), place),
        Button(n("CopyDefaultButton"), "Copy Default", place),
    };
}

// The rows in the order the page writes them, the name first. The edits
// with a value converter open it on the interval page, except Min, which
// opens it on the date-time page.
std::vector<PageRow> AxisRows(const AxisSide& side) {
    const auto n = [&side](std::string_view suffix) { return Named(side.prefix, suffix); };
    std::vector<PageRow> rows{
        Edit(n("NameEdit"), "Name", "Name", General),
        ConverterEdit(n("SpanEdit"), "Span", "Span", General),
        ConverterEdit(n("MinEdit"), "Min", "Min", General, ConverterPage::DateTime),
        ConverterEdit(n("DesiredStartEdit"), "Desired Start", "DesiredStart", General),
        ConverterEdit(n("DesiredIncrementEdit"), "Desired Increment", "DesiredIncrement", General),
        Radio(n("ScaleTypeRadioGroup"), "Scale Type", "ScaleType", General, ScaleTypeItems),
        Check(n("VisibleCheckBox"), "Visible", "Visible", General),
        Check(n("EnabledCheckBox"), "Enabled", "Enabled", General),
        Check(n("PopupEnabledCheckBox"), "Popup Enabled", "PopupEnabled", General),
        Check(n("ReverseScaleCheckBox"), "Reverse Scale", "ReverseScale", General),
        Check(n("GridLinesVisibleCheckBox"), "Grid Lines Visible", "GridLinesVisible", General),
        Check(n("RestoreValuesOnResumeCheckBox"), "Restore Values On Resume", "RestoreValuesOnResume",
              General),
        Check(n("MasterUIInputCheckBox"), "Master UI Input", "MasterUIInput", General),

        Edit(n("TitleTextEdit"), "Text", "Title", Title),
        Edit(n("TitleMarginEdit"), "Margin", "TitleMargin", Title),
        Check(n("TitleShowCheckBox"), "Show", "TitleShow", Title),
        Check(n("TitleRotatedCheckBox"), "Rotated", "TitleRotated", Title),
        FontPick(n("TitleFontPicker"), "TitleFont", Title),

        Combo(n("LabelFormatStyleComboBox"), "Format Style", "LabelsFormatStyle", DefaultLabels,
              LabelFormatItems),
        DateTimeFormatCombo(n("DateTimeFormatComboBox"), "Date Time Format", "DateTimeFormat", DefaultLabels),
        Combo(n("LabelPrecisionStyleComboBox"), "Precision Style", "LabelsPrecisionStyle", DefaultLabels,
              PrecisionStyleItems),
        UpDown(n("LabelPrecisionEdit"), "Precision", "LabelsPrecision", DefaultLabels, 0,
               side.labelPrecisionMax),
        Edit(n("LabelMinLengthEdit"), "Min Length", "LabelsMinLength", DefaultLabels),
        Edit(n("LabelMarginEdit"), "Margin", "LabelsMargin", DefaultLabels),
        Edit(n("LabelSeparationEdit"), "Label Separation", "LabelSeparation", DefaultLabels),
        Combo(n("LabelRotationComboBox"), "Rotation", "LabelsRotation", DefaultLabels, RotationItems),
        Check(n("LabelMinLengthAutoAdjustCheckBox"), "Min Length Auto Adjust", "LabelsMinLengthAutoAdjust",
              DefaultLabels),
        Check(n("LabelVisibleCheckBox"), "Visible", "LabelsVisible", DefaultLabels),
        FontPick(n("LabelFontPicker"), "LabelsFont", DefaultLabels),

    };
    for (const auto& [section, place, precisionMax] :
         {std::tuple{"Cursor", CursorLabels, CursorPrecisionMax},
          std::tuple{"Legend", LegendLabels, side.legendPrecisionMax}}) {
        std::vector<PageRow> format = TextFormatRows(side.prefix, section, place, precisionMax);
        rows.insert(rows.end(), format.begin(), format.end());
    }
    rows.insert(
        rows.end(),
        {
            Check(n("TrackingEnabledCheckBox"), "Enabled", "TrackingEnabled", Tracking),
            Combo(n("TrackingStyleComboBox"), "Style", "TrackingStyle", Tracking, TrackingStyleItems),
            Combo(n("TrackingAlignFirstStyleComboBox"), "Align First Style", "TrackingAlignFirstStyle",
                  Tracking, AlignFirstStyleItems),
            Combo(n("TrackingIncrementStyleComboBox"), "Increment Style", "TrackingIncrementStyle", Tracking,
                  IncrementStyleItems),
            Edit(n("TrackingScrollCompressMaxEdit"), "Scroll Compress Max", "TrackingScrollCompressMax",
                 Tracking),
            Edit(n("TrackingSpanMinimumEdit"), "Span Minimum", "TrackingSpanMinimum", Tracking),
            Edit(n("TrackingMinMarginEdit"), "Min Margin", "TrackingMinMargin", Tracking),
            Edit(n("TrackingMaxMarginEdit"), "Max Margin", "TrackingMaxMargin", Tracking),

            Edit(n("CursorScalerEdit"), "Scaler", "CursorScaler", Cursor),

            Check(n("ScrollMinMaxEnabledCheckBox"), "Min/Max Enabled", "ScrollMinMaxEnabled", Scroll),
            Edit(n("ScrollMinEdit"), "Min", "ScrollMin", Scroll),
            Edit(n("ScrollMaxEdit"), "Max", "ScrollMax", Scroll),

            UpDown(n("MajorLengthEdit"), "Major Length", "MajorLength", Scale, 0, 1000),
            UpDown(n("MinorLengthEdit"), "Minor Length", "MinorLength", Scale, 0, 1000),
            UpDown(n("MinorCountEdit"), "Minor Count", "MinorCount", Scale, 0, 100),
            UpDown(n("InnerMarginEdit"), "Inner Margin", "InnerMargin", Scale, -1000, 1000),
            UpDown(n("OuterMarginEdit"), "Outer Margin", "OuterMargin", Scale, -1000, 1000),
            Edit(n("StartPercentEdit"), "Start Percent", "StartPercent", Scale),
            Edit(n("StopPercentEdit"), "Stop Percent", "StopPercent", Scale),
            Edit(n("StackingEndsMarginEdit"), "Stacking Ends Margin", "StackingEndsMargin", Scale),
            NameCombo(n("AlignRefAxisNameComboBox"), "Align Ref Axis Name", "AlignRefAxisName", Scale,
                      side.kind),
            ColorPick(n("ScaleLinesColorPicker"), "Lines Color", "ScaleLinesColor", Scale),
            Check(n("ScaleLinesShowCheckBox"), "Lines Show", "ScaleLinesShow", Scale),
            Check(n("ForceStackingCheckBox"), "Force Stacking", "ForceStacking", Scale),

            Combo(n("CartesianStyleComboBox"), "Style", "CartesianStyle", Cartesian, CartesianStyleItems),
            NameCombo(n("CartesianChildRefAxisNameComboBox"), "Child Ref Axis Name",
                      "CartesianChildRefAxisName", Cartesian, side.otherKind),
            ConverterEdit(n("CartesianChildRefValueEdit"), "Child Ref Value", "CartesianChildRefValue",
                          Cartesian),
            UpDown(n("LayerEdit"), "Layer", "Layer", Cartesian, 0, 0),
        });
    return rows;
}

// A "(Default)" label control and its twin on the cursor and legend
// sub-pages (after the sub-page's name); date-time formats travel as text.
struct CopiedFormat {
    std::string_view from;
    std::string_view to;
};
constexpr CopiedFormat CopiedFormats[] = {
    {"LabelFormatStyleComboBox", "FormatStyleComboBox"},
    {"DateTimeFormatComboBox", "DateTimeFormatComboBox"},
    {"LabelPrecisionStyleComboBox", "PrecisionStyleComboBox"},
    {"LabelPrecisionEdit", "PrecisionEdit"},
    {"LabelMinLengthEdit", "MinLengthEdit"},
    {"LabelMinLengthAutoAdjustCheckBox", "MinLengthAutoAdjustCheckBox"},
};

// Loads the default label format into the cursor or legend controls
// silently, then writes the page as any change of the user does.
void CopyDefaultFormat(PageContext& page, std::string_view prefix, std::string_view section) {
    if (!page.Selected())
        return;
    for (const CopiedFormat& copied : CopiedFormats) {
        auto* from = page.Find<TControl>(Named(prefix, copied.from));
        auto* to = page.Find<TControl>(std::string(prefix) + std::string(section) + std::string(copied.to));
        if (!from || !to)
            continue;
        auto* fromCombo = dynamic_cast<TiComponentEditorComboBox*>(from);
        auto* toCombo = dynamic_cast<TiComponentEditorComboBox*>(to);
        if (fromCombo && toCombo && fromCombo->Style() == csDropDown)
            toCombo->SetAsString(fromCombo->AsString());
        else
            LoadEditorValue(to, EditorValueText(from));
    }
    page.WritePage();
    page.LoadAllPages();
}

KindPage AxisPage(const AxisSide& side) {
    KindPage page;
    page.kind = side.kind;
    page.tabSheet = side.tabSheet;
    page.caption = side.caption;
    page.listBox = side.listBox;
    page.listColor = ListColor::LabelsFontColor;
    page.addButton = side.addButton;
    page.removeButton = Named(side.prefix, "RemoveButton");
    page.prefix = side.prefix;
    page.pageControl = side.pageControl;
    page.refresh = PageRefresh::AllPages;
    page.places = {
        {General},       {Title},        {"Labels", PlaceSpec::SubPage, false, side.labelsPageControl},
        {DefaultLabels}, {CursorLabels}, {LegendLabels},
        {Tracking},      {Cursor},       {Scroll},
        {Scale},         {Cartesian}};
    page.rows = AxisRows(side);
    page.hooks.afterBuild = [&side](PageContext& context) {
        const std::string_view prefix = side.prefix;
        for (std::string_view section : {std::string_view("Cursor"), std::string_view("Legend")})
            if (auto* button =
                    context.Find<TButton>(Named(prefix, std::string(section) + "CopyDefaultButton")))
                button->OnClick = [&context, prefix, section](TObject*) {
                    CopyDefaultFormat(context, prefix, section);
                };
        // A format is typed freely: completing it from the list would show
        // a text other than the one the axis was given.
        for (std::string_view combo :
             {"DateTimeFormatComboBox", "CursorDateTimeFormatComboBox", "LegendDateTimeFormatComboBox"})
            if (auto* format = context.Find<TComboBox>(Named(prefix, combo)))
                format->SetAutoComplete(false);
        if (!side.cartesianRefillOnDropDown)
            if (auto* combo = context.Find<TComboBox>(Named(prefix, "CartesianChildRefAxisNameComboBox")))
                combo->OnDropDown = nullptr;
    };
    return page;
}

} // namespace

KindPage XAxisPage() {
    return AxisPage(XSide);
}

KindPage YAxisPage() {
    return AxisPage(YSide);
}

} // namespace korvan::plot::editor

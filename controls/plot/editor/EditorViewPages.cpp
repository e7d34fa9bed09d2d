// The "Legend", "Tables", "ToolBar" and "Data View" pages of the plot
// editor. Legends, toolbars and data views keep their list out of sight:
// the page edits the first object unless the layout page picks another.

#include "controls/plot/editor/EditorPages.h"

#include <set>
#include <string>

namespace korvan::plot::editor {

namespace {

// Rows hold views; names made by joining parts are kept here for good.
std::string_view Kept(std::string text) {
    static std::set<std::string, std::less<>> texts;
    return *texts.insert(std::move(text)).first;
}

std::string_view Join(std::string_view a, std::string_view b, std::string_view c = {}) {
    std::string text(a);
    text.append(b).append(c);
    return Kept(std::move(text));
}

// The four sets of data view grid lines: the part their control and
// property names share, and their sub-page under "Grid Lines".
struct GridLineSet {
    std::string_view part; // "XMajor": GridLineXMajorColor, GridLineShowXMajors
    std::string_view page; // "Grid Lines/X-Majors"
};

constexpr GridLineSet GridLineSets[] = {
    {"XMajor", "Grid Lines/X-Majors"},
    {"XMinor", "Grid Lines/X-Minors"},
    {"YMajor", "Grid Lines/Y-Majors"},
    {"YMinor", "Grid Lines/Y-Minors"},
};

void AddGridLineSetRows(std::vector<PageRow>& rows, const GridLineSet& set) {
    const std::string_view name = Join("DataViewGridLine", set.part);
    const std::string_view property = Join("GridLine", set.part);
    const std::string_view custom = Join(set.page, "/Custom Properties");
    rows.push_back(Check(Join(name, "CustomCheckBox"), "Custom", Join(property, "Custom"), set.page));
    rows.push_back(Check(Join("DataViewGridLineShow", set.part, "sCheckBox"), "Show",
                         Join("GridLineShow", set.part, "s"), set.page));
    rows.push_back(ColorPick(Join(name, "ColorColorPicker"), "Color", Join(property, "Color"), custom));
    rows.push_back(UpDown(Join(name, "WidthEdit"), "Width", Join(property, "Width"), custom, 0, 100));
    rows.push_back(
        Combo(Join(name, "StyleComboBox"), "Style", Join(property, "Style"), custom, GridLineStyleItems));
}

} // namespace

KindPage LegendPage() {
    KindPage page;
    page.kind = kind::Legend;
    page.tabSheet = "LegendTabSheet";
    page.caption = "Legend";
    page.listBox = "LegendListBox";
    page.listPlace = "Hidden";
    page.prefix = "Legend";
    page.pageControl = "LegendPageControl";
    page.refresh = PageRefresh::AllPages;
    page.places = {{"General"}, {"Columns"}, {"Wrap"}, {"Hidden", PlaceSpec::SubPage, true}};
    // RowSpacing is the same stored value as WrapRowSpacingMin, so it has
    // no row of its own: one edit loads and writes it once.
    page.rows = {
        Edit("LegendNameEdit", "Name", "Name", "Hidden"),
        Edit("LegendColumnSpacingEdit", "Column Spacing", "ColumnSpacing", "General"),
        FontPick("LegendFontPicker", "Font", "General"),
        Check("LegendVisibleCheckbox", "Visible", "Visible", "General"),
        Check("LegendEnabledCheckbox", "Enabled", "Enabled", "General"),
        Check("LegendPopupEnabledCheckbox", "Popup Enabled", "PopupEnabled", "General"),
        Edit("LegendLineColumnWidthEdit", "Width", "LineColumnWidth", "General/Line Column"),
        Edit("LegendLineColumnHeightEdit", "Height", "LineColumnHeight", "General/Line Column"),
        Edit("LegendLeftMarginEdit", "Left", "MarginLeft", "General/Margin"),
        Edit("LegendTopMarginEdit", "Top", "MarginTop", "General/Margin"),
        Edit("LegendBottomMarginEdit", "Bottom", "MarginBottom", "General/Margin"),
        Edit("LegendRightMarginEdit", "Right", "MarginRight", "General/Margin"),
        FontPick("LegendSelectedItemFontPicker", "SelectedItemFont", "General/Selected Item"),
        ColorPick("LegendSelectedItemColorPicker", "Background Color", "SelectedItemBackGroundColor",
                  "General/Selected Item"),
        Check("LegendBackGroundTransparentCheckBox", "Transparent", "BackGroundTransparent",
              "General/Background"),
        ColorPick("LegendBackgroundColorPicker", "Color", "BackGroundColor", "General/Background"),
        Edit("LegendChannelNameMaxWidthEdit", "Max Width", "ChannelNameMaxWidth", "General/Channel Name"),
        Combo("LegendChannelNameColorStyleComboBox", "Color Style", "ChannelNameColorStyle",
              "General/Channel Name", ChannelNameColorItems),
        Check("LegendShowXAxisTitleCheckbox", "X-Axis Title", "ShowColumnXAxisTitle", "Columns/Show"),
        Check("LegendShowYAxisTitleCheckbox", "Y-Axis Title", "ShowColumnYAxisTitle", "Columns/Show"),
        Check("LegendShowMarkerCheckbox", "Marker", "ShowColumnMarker", "Columns/Show"),
        Check("LegendShowXValueCheckbox", "X-Value", "ShowColumnXValue", "Columns/Show"),
        Check("LegendShowYValueCheckbox", "Y-Value", "ShowColumnYValue", "Columns/Show"),
        Check("LegendShowLineCheckbox", "Line", "ShowColumnLine", "Columns/Show"),
        Check("LegendShowYMaxCheckbox", "Y-Max", "ShowColumnYMax", "Columns/Show"),
        Check("LegendShowYMinCheckbox", "Y-Min", "ShowColumnYMin", "Columns/Show"),
        Check("LegendShowYMeanCheckbox", "Y-Mean", "ShowColumnYMean", "Columns/Show"),
        Check("LegendColumnTitlesVisibleCheckbox", "Visible", "ColumnTitlesVisible", "Columns/Titles"),
        FontPick("LegendColumnTitlesFontPicker", "ColumnTitlesFont", "Columns/Titles"),
        Check("LegendWrapColAutoCountEnabledCheckBox", "Enabled", "WrapColAutoCountEnabled",
              "Wrap/Col/Auto Count"),
        UpDown("LegendWrapColAutoCountMaxEdit", "Max", "WrapColAutoCountMax", "Wrap/Col/Auto Count", 1, 1000),
        UpDown("LegendWrapColDesiredCountEdit", "Desired Count", "WrapColDesiredCount", "Wrap/Col", 1, 1000),
        Check("LegendWrapColSpacingAutoCheckBox", "Auto", "WrapColSpacingAuto", "Wrap/Col/Spacing"),
        Edit("LegendWrapColSpacingMinEdit", "Min", "WrapColSpacingMin", "Wrap/Col/Spacing"),
        Check("LegendWrapRowAutoCountEnabledCheckBox", "Enabled", "WrapRowAutoCountEnabled",
              "Wrap/Row/Auto Count"),
        UpDown("LegendWrapRowAutoCountMaxEdit", "Max", "WrapRowAutoCountMax", "Wrap/Row/Auto Count", 1, 1000),
        UpDown("LegendWrapRowDesiredCountEdit", "Desired Count", "WrapRowDesiredCount", "Wrap/Row", 1, 1000),
        Check("LegendWrapRowSpacingAutoCheckBox", "Auto", "WrapRowSpacingAuto", "Wrap/Row/Spacing"),
        Edit("LegendWrapRowSpacingMinEdit", "Min", "WrapRowSpacingMin", "Wrap/Row/Spacing"),
    };
    return page;
}

KindPage TablePage() {
    KindPage page;
    page.kind = kind::Table;
    page.tabSheet = "TablesTabSheet";
    page.caption = "Tables";
    page.listBox = "TableListBox";
    page.addButton = "iTableAddButton";
    page.removeButton = "TableRemoveButton";
    page.prefix = "Table";
    page.pageControl = "TablePageControl";
    // The page keeps what the user typed: nothing is loaded after a change.
    page.refresh = PageRefresh::None;
    page.places = {{"General"}, {"Grid"}, {"Layout"}};
    page.rows = {
        Edit("TableNameEdit", "Name", "Name", "General"),
        Edit("TableLeftMarginEdit", "Left", "MarginLeft", "General/Margin"),
        Edit("TableTopMarginEdit", "Top", "MarginTop", "General/Margin"),
        Edit("TableBottomMarginEdit", "Bottom", "MarginBottom", "General/Margin"),
        Edit("TableRightMarginEdit", "Right", "MarginRight", "General/Margin"),
        Check("TableVisibleCheckbox", "Visible", "Visible", "General"),
        Check("TableEnabledCheckbox", "Enabled", "Enabled", "General"),
        Check("TablePopupEnabledCheckbox", "Popup Enabled", "PopupEnabled", "General"),
        Edit("TableColumnSpacingEdit", "Column Spacing", "ColumnSpacing", "General"),
        Edit("TableRowSpacingEdit", "Row Spacing", "RowSpacing", "General"),
        Edit("TableRowsMaxEdit", "Rows Max", "RowsMax", "General"),
        FontPick("TableDataFontPicker", "DataFont", "General/Data"),
        FontPick("TableColumnTitlesFontPicker", "ColumnTitlesFont", "General/Column Titles"),
        Check("TableColumnTitlesVisibleCheckBox", "Visible", "ColumnTitlesVisible", "General/Column Titles"),
        Check("TableGridBackGroundTransparentCheckBox", "Transparent", "GridBackGroundTransparent",
              "Grid/Background"),
        ColorPick("TableGridBackgroundColorPicker", "Color", "GridBackGroundColor", "Grid/Background"),
        Check("TableGridLinesShowCheckBox", "Show", "GridLinesShow", "Grid/Lines"),
        ColorPick("TableGridLinesColorPicker", "Color", "GridLinesColor", "Grid/Lines"),
        Edit("TableStartPercentEdit", "Start Percent", "StartPercent", "Layout"),
        Edit("TableStopPercentEdit", "Stop Percent", "StopPercent", "Layout"),
    };
    return page;
}

KindPage ToolBarPage() {
    KindPage page;
    page.kind = kind::ToolBar;
    page.tabSheet = "ToolBarTabSheet";
    page.caption = "ToolBar";
    page.listBox = "ToolBarListBox";
    page.listPlace = "Hidden";
    page.prefix = "ToolBar";
    page.refresh = PageRefresh::AllPages;
    page.places = {{"Hidden", PlaceSpec::Group, true}, {"Show Button", PlaceSpec::Group}};
    page.rows = {
        Edit("ToolBarNameEdit", "Name", "Name", "Hidden"),
        Check("ToolBarVisibleCheckBox", "Visible", "Visible"),
        Check("ToolBarEnabledCheckBox", "Enabled", "Enabled"),
        Check("ToolBarPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled"),
        Edit("ToolBarZoomInOutFactorEdit", "Zoom In/Out Factor", "ZoomInOutFactor"),
        Check("ToolBarFlatButtonsCheckBox", "Flat Buttons", "FlatButtons"),
        Check("ToolBarSmallButtonsCheckBox", "Small Buttons", "SmallButtons"),
        Check("ToolBarFlatBorderCheckBox", "Flat Border", "FlatBorder"),
        Check("ToolBarShowEditButtonCheckBox", "Edit", "ShowEditButton", "Show Button"),
        Check("ToolBarShowCopyButtonCheckBox", "Copy", "ShowCopyButton", "Show Button"),
        Check("ToolBarShowSaveButtonCheckBox", "Save", "ShowSaveButton", "Show Button"),
        Check("ToolBarShowPrintButtonCheckBox", "Print", "ShowPrintButton", "Show Button"),
        Check("ToolBarShowResumeButtonCheckBox", "Resume", "ShowResumeButton", "Show Button"),
        Check("ToolBarShowPauseButtonCheckBox", "Pause", "ShowPauseButton", "Show Button"),
        Check("ToolBarShowAxesModeButtonsCheckBox", "Axes Mode", "ShowAxesModeButtons", "Show Button"),
        Check("ToolBarShowZoomInOutButtonsCheckBox", "Zoom In/Out", "ShowZoomInOutButtons", "Show Button"),
        Check("ToolBarShowZoomBoxButtonCheckBox", "Zoom Box", "ShowZoomBoxButton", "Show Button"),
        Check("ToolBarShowCursorButtonCheckBox", "Cursor", "ShowCursorButton", "Show Button"),
        Check("ToolBarShowSelectButtonCheckBox", "Select", "ShowSelectButton", "Show Button"),
        Check("ToolBarShowPreviewButtonCheckBox", "Preview", "ShowPreviewButton", "Show Button"),
    };
    return page;
}

KindPage DataViewPage() {
    KindPage page;
    page.kind = kind::DataView;
    page.tabSheet = "DataViewTabSheet";
    page.caption = "Data View";
    page.listBox = "DataViewListBox";
    page.listPlace = "Hidden";
    page.prefix = "DataView";
    page.pageControl = "DataViewPageControl";
    page.refresh = PageRefresh::AllPages;
    page.places = {{"General"},
                   {"Grid Lines", PlaceSpec::SubPage, false, "DataViewGridLinesCustomPageControl"}};
    for (const GridLineSet& set : GridLineSets)
        page.places.push_back({set.page});
    page.places.push_back({"Hidden", PlaceSpec::SubPage, true});
    // The axes control styles have plain stores behind their properties:
    // writing them changes no other setting and repaints nothing.
    page.rows = {
        Edit("DataViewNameEdit", "Name", "Name", "Hidden"),
        Check("DataViewEnabledCheckBox", "Enabled", "Enabled", "General"),
        Check("DataViewPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled", "General"),
        Check("DataViewBackGroundTransparentCheckBox", "Transparent", "BackgroundTransparent",
              "General/Background"),
        ColorPick("DataViewBackgroundColorPicker", "Color", "BackgroundColor", "General/Background"),
        NameCombo("DataViewGridXAxisNameComboBox", "X-Axis Name", "GridXAxisName", "General/Grid",
                  kind::XAxis, "<None>", "<All>"),
        NameCombo("DataViewGridYAxisNameComboBox", "Y-Axis Name", "GridYAxisName", "General/Grid",
                  kind::YAxis, "<None>", "<All>"),
        Check("DataViewGridShow", "Show", "GridShow", "General/Grid"),
        Combo("DataViewAxesControlWheelStyleComboBox", "Wheel Style", "AxesControlWheelStyle",
              "General/Axes Control", AxesChoiceItems),
        Check("DataViewAxesControlEnabledCheckBox", "Enabled", "AxesControlEnabled", "General/Axes Control"),
        Combo("DataViewAxesControlMouseStyleComboBox", "Mouse Style", "AxesControlMouseStyle",
              "General/Axes Control", AxesChoiceItems),
        Check("DataViewAxesControlAllowInSelectModeCheckBox", "Allow In Select Mode",
              "AxesControlAllowInSelectMode", "General/Axes Control"),
        ColorPick("DataViewGridLineColorPicker", "Color", "GridLineColor", "Grid Lines"),
        Combo("DataViewGridLineMajorStyleComboBox", "Major Style", "GridLineMajorStyle", "Grid Lines",
              GridLineStyleItems),
        Combo("DataViewGridLineMinorStyleComboBox", "Minor Style", "GridLineMinorStyle", "Grid Lines",
              GridLineStyleItems),
        UpDown("DataViewLayerEdit", "Layer", "Layer", "Grid Lines", 0, 0),
        Check("DataViewGridLineShowLeft", "Left", "GridLineShowLeft", "Grid Lines/Show"),
        Check("DataViewGridLineShowRight", "Right", "GridLineShowRight", "Grid Lines/Show"),
        Check("DataViewGridLineShowTop", "Top", "GridLineShowTop", "Grid Lines/Show"),
        Check("DataViewGridLineShowBottom", "Bottom", "GridLineShowBottom", "Grid Lines/Show"),
    };
    for (const GridLineSet& set : GridLineSets)
        AddGridLineSetRows(page.rows, set);
    return page;
}

} // namespace korvan::plot::editor

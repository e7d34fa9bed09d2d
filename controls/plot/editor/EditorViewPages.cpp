// The "Legend", "Tables", "ToolBar" and "Data View" pages of the plot
// editor. Legends, toolbars and data views keep their list out of sight:
// the page edits the first object unless the layout page picks another.

#include "controls/plot/editor/EditorPages.h"

namespace korvan::plot::editor {

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
    page.rows = {
        Edit("LegendNameEdit", "Name", "Name", "Hidden"),
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
    page.refresh = PageRefresh::None;
    page.places = {{"General"}, {"Grid"}, {"Layout"}};
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
                   {"Grid Lines", PlaceSpec::SubPage, false, "DataViewGridLinesCustomPageControl"},
                   {"Grid Lines/X-Majors"},
                   {"Grid Lines/X-Minors"},
                   {"Grid Lines/Y-Majors"},
                   {"Grid Lines/Y-Minors"},
                   {"Hidden", PlaceSpec::SubPage, true}};
    page.rows = {
        Edit("DataViewNameEdit", "Name", "Name", "Hidden"),
    };
    return page;
}

} // namespace korvan::plot::editor

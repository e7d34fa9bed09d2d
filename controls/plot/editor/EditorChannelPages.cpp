// The "Channels", "Cursors", "Limits" and "Labels" pages of the plot editor.
// Sub-page captions holding a slash ("High/Low", "Open/Close", "File I/O")
// get places without one, captioned after the page is built.

#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/editor/EditorChannelPageParts.h"
#include "controls/plot/editor/EditorListBox.h"
#include "controls/plot/editor/EditorObjectValues.h"
#include "controls/plot/editor/EditorPages.h"
#include "controls/plot/editor/EditorPickers.h"
#include "controls/plot/editor/EditorUpDown.h"
#include "controls/plot/editor/EditorValues.h"
#include "controls/plot/master/MasterManager.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/StdCtrls.h"

#include <algorithm>
#include <array>
#include <memory>

namespace korvan::plot::editor {

namespace {

void CaptionSubPage(PageContext& page, std::string_view path, const char* caption) {
    if (auto* sheet = dynamic_cast<TTabSheet*>(page.Place(path)))
        sheet->SetText(caption);
}

bool PlotIsXY(PageContext& page) {
    TiPlotMasterManager* master = page.Master();
    auto* plot = master ? dynamic_cast<TiPlotComponent*>(master->Owner()) : nullptr;
    return plot && plot->IsXYPlot();
}

// The label a row's caption stands in, beside the control.
TLabel* CaptionLabel(const TControl& control, std::string_view caption) {
    const TWinControl* parent = control.Parent();
    for (int i = 0; parent && i < parent->ControlCount(); ++i)
        if (auto* label = dynamic_cast<TLabel*>(parent->Controls(i)); label && label->Caption() == caption)
            return label;
    return nullptr;
}

// What only strip-chart channels have: shown unless the plot makes XY
// channels.
void ShowStripChartParts(PageContext& page, bool show) {
    for (std::string_view subPage : {"Bar", "HighLow", "Fill", "Digital"})
        if (auto* sheet = dynamic_cast<TTabSheet*>(page.Place(subPage)))
            sheet->SetTabVisible(show);
    if (auto* fastDraw = page.Find<TControl>("ChannelFastDrawCheckBox"))
        fastDraw->SetVisible(show);
    if (auto* interpolation = page.Find<TControl>("ChannelInterpolationStyleComboBox")) {
        interpolation->SetVisible(show);
        if (TLabel* caption = CaptionLabel(*interpolation, "Interpolation Style"))
            caption->SetVisible(show);
    }
}

// Three groups side by side need more width than the editor has, so the
// two rows of "Open/Close"'s "Bar" group share one line under "Open" and
// "Close". Runs once the page is arranged.
void PlaceHighLowBarGroup(PageContext& page) {
    constexpr int kGap = 4, kColumnGap = 12, kMargin = 6;
    TWinControl* open = page.Place("HighLow/OpenClose/Open");
    TWinControl* close = page.Place("HighLow/OpenClose/Close");
    TWinControl* bar = page.Place("HighLow/OpenClose/Bar");
    auto* color = page.Find<TControl>("ChannelHighLowBarColorPicker");
    auto* width = page.Find<TControl>("ChannelHighLowBarWidthEdit");
    TLabel* caption = width ? CaptionLabel(*width, "Width") : nullptr;
    if (!color || !caption)
        return;
    const int captionLeft = color->Left() + color->Width() + kColumnGap;
    caption->SetBounds(captionLeft, color->Top() + (color->Height() - caption->Height()) / 2,
                       caption->Width(), caption->Height());
    width->SetBounds(captionLeft + caption->Width() + kGap, color->Top(), width->Width(), width->Height());
    const int right = std::max(close->Left() + close->Width(), width->Left() + width->Width() + kMargin);
    bar->SetBounds(open->Left(), open->Top() + std::max(open->Height(), close->Height()) + kGap,
                   right - open->Left(), color->Top() + color->Height() + kMargin);
}

PageHooks ChannelHooks() {
    // The statistics belong to the channel they were read from: another
    // channel, or a click on the list, shows "Click Refresh" again.
    struct Shown {
        const TiPlotObject* channel = nullptr;
        bool stale = true;
        bool arranged = false;
    };
    auto shown = std::make_shared<Shown>();
    PageHooks hooks;
    hooks.afterBuild = [shown](PageContext& page) {
        CaptionSubPage(page, "HighLow", "High/Low");
        CaptionSubPage(page, "HighLow/OpenClose", "Open/Close");
        CaptionSubPage(page, "FileIO", "File I/O");
        if (auto* upDown = page.Find<TiUpDown>("ChannelMarkersTurnOffLimitEditUpDown"))
            upDown->SetIncrement(100);
        if (auto* picker = page.Find<TControl>("ChannelLogFileNamePicker"))
            picker->SetWidth(32);
        for (std::string_view edit :
             {"ChannelHighLowOpenWidthEdit", "ChannelHighLowOpenHeightEdit", "ChannelHighLowCloseWidthEdit",
              "ChannelHighLowCloseHeightEdit", "ChannelHighLowBarWidthEdit"})
            if (auto* control = page.Find<TControl>(edit))
                control->SetWidth(64);
        BindChannelFileAndLogCommands(page);
        PageContext* context = &page;
        if (auto* refresh = page.Find<TControl>("ChannelStatsRefreshButton"))
            refresh->OnClick = [context](TObject*) {
                RefreshChannelStats(*context, dynamic_cast<TiPlotChannelCustom*>(context->Selected()));
            };
        if (auto* list = page.Find<TiComponentEditorListBox>("ChannelListBox")) {
            TNotifyEvent load = list->OnClick;
            list->OnClick = [shown, load](TObject* sender) {
                shown->stale = true;
                if (load)
                    load(sender);
            };
        }
    };
    hooks.beforeLoad = [shown](PageContext& page, TiPlotObject* selected) {
        if (!shown->arranged) {
            PlaceHighLowBarGroup(page);
            shown->arranged = true;
        }
        ShowStripChartParts(page, !PlotIsXY(page));
        if (shown->stale || selected != shown->channel)
            ResetChannelStats(page, selected != nullptr);
        shown->channel = selected;
        shown->stale = false;
    };
    hooks.afterLoad = [](PageContext& page, TiPlotObject* selected) {
        if (auto* channel = dynamic_cast<TiPlotChannelCustom*>(selected))
            ShowChannelLogState(page, *channel);
    };
    return hooks;
}

TiPlotObject* FirstLabel(PageContext& page) {
    TiPlotMasterManager* master = page.Master();
    TiPlotObjectManagerCustom* labels = master ? master->KindManager(kind::Label) : nullptr;
    return labels && labels->Count() > 0 ? labels->Items(0) : nullptr;
}

// The general page's title controls show the first label; that page is
// another's, so each control is used only when the form has it.
void ReloadTitleControls(PageContext& page, TiPlotObject* title) {
    const std::array<std::pair<std::string_view, std::string_view>, 3> values{{
        {"TitleVisibleCheckBox", "Visible"},
        {"TitleTextEdit", "Caption"},
        {"TitleMarginEdit", "MarginBottom"},
    }};
    for (const auto& [name, property] : values)
        if (auto* control = page.Find<TControl>(name))
            LoadEditorValue(control, PropertyTextByPath(title, property));
    if (auto* font = page.Find<TiComponentEditorFontPicker>("TitleFontPicker"))
        font->SetPickedFont(FontByPath(title, "Font"));
}

PageHooks LabelHooks() {
    PageHooks hooks;
    // The plot's title is its first label and stays.
    hooks.afterLoad = [](PageContext& page, TiPlotObject* selected) {
        if (auto* remove = page.Find<TControl>("LabelRemoveButton"))
            remove->SetEnabled(selected != FirstLabel(page));
    };
    hooks.afterWrite = [](PageContext& page, TiPlotObject* label) {
        if (label == FirstLabel(page))
            ReloadTitleControls(page, label);
    };
    return hooks;
}

} // namespace

KindPage ChannelPage() {
    KindPage page;
    page.kind = kind::Channel;
    page.tabSheet = "ChannelsTabSheet";
    page.caption = "Channels";
    page.listBox = "ChannelListBox";
    page.listColor = ListColor::ObjectColor;
    page.addButton = "iChannelAddButton";
    page.removeButton = "ChannelRemoveButton";
    page.prefix = "Channel";
    page.pageControl = "ChannelPageControl";
    page.refresh = PageRefresh::AllPages;
    page.places = {{"General"},
                   {"Trace"},
                   {"Marker"},
                   {"Bar"},
                   {"HighLow", PlaceSpec::SubPage, false, "ChannelHighLowPageControl"},
                   {"HighLow/OpenClose"},
                   {"HighLow/Candlestick"},
                   {"Fill"},
                   {"Digital"},
                   {"FileIO"},
                   {"Stats"}};
    page.rows = {
        Edit("ChannelNameEdit", "Name", "Name", "General"),
        ColorPick("ChannelColorPicker", "Color", "Color", "General"),
        Edit("ChannelTitleEdit", "Title", "TitleText", "General"),
        NameCombo("ChannelXAxisNameComboBox", "X-Axis Name", "XAxisName", "General", kind::XAxis),
        Check("ChannelXAxisTrackingEnabled", "X-Axis Tracking Enabled", "XAxisTrackingEnabled", "General"),
        NameCombo("ChannelYAxisNameComboBox", "Y-Axis Name", "YAxisName", "General", kind::YAxis),
        Check("ChannelYAxisTrackingEnabled", "Y-Axis Tracking Enabled", "YAxisTrackingEnabled", "General"),
        Check("ChannelVisibleCheckBox", "Visible", "Visible", "General"),
        Check("ChannelVisibleInLegendCheckBox", "Visible in Legend", "VisibleInLegend", "General"),
        Edit("ChannelRingBufferSizeEdit", "Ring Buffer Size", "RingBufferSize", "General"),
        Check("ChannelPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled", "General"),
        Check("ChannelFastDrawCheckBox", "Fast Draw", "FastDrawEnabled", "General"),
        Combo("ChannelDataStyleComboBox", "Data Style", "DataStyle", "General", DataStyleItems),
        UpDown("ChannelLayerEdit", "Layer", "Layer", "General", 0, 0),
        Check("ChannelUserCanMoveDataPointsCheckBox", "User Can Move Data Points", "UserCanMoveDataPoints",
              "General"),
        Combo("ChannelUserCanMoveDataPointsStyleComboBox", "Style", "UserCanMoveDataPointsStyle", "General",
              MoveDataPointsItems),
        Check("ChannelClipToAxesCheckBox", "Clip To Axes", "ClipToAxes", "General"),

        Combo("ChannelTraceLineStyleComboBox", "Line Style", "TraceLineStyle", "Trace", LineStyleItems),
        UpDown("ChannelTraceLineWidthEdit", "Line Width", "TraceLineWidth", "Trace", 0, 100),
        Check("ChannelTraceVisibleCheckBox", "Visible", "TraceVisible", "Trace"),
        Combo("ChannelInterpolationStyleComboBox", "Interpolation Style", "InterpolationStyle", "Trace",
              InterpolationItems),

        Combo("ChannelMarkersPenStyleComboBox", "Style", "MarkersPenStyle", "Marker/Pen", FramePenStyleItems),
        ColorPick("ChannelMarkersPenColorPicker", "Color", "MarkersPenColor", "Marker/Pen"),
        UpDown("ChannelMarkersPenWidthEdit", "Width", "MarkersPenWidth", "Marker/Pen", 0, 100),
        Check("ChannelMarkersPenUseChannelColorCheckBox", "Use Channel Color", "MarkersPenUseChannelColor",
              "Marker/Pen"),
        Combo("ChannelMarkersBrushStyleComboBox", "Style", "MarkersBrushStyle", "Marker/Brush",
              BrushStyleItems),
        ColorPick("ChannelMarkersBrushColorPicker", "Color", "MarkersBrushColor", "Marker/Brush"),
        Check("ChannelMarkersBrushUseChannelColorCheckBox", "Use Channel Color",
              "MarkersBrushUseChannelColor", "Marker/Brush"),
        UpDown("ChannelMarkersSizeEdit", "Size", "MarkersSize", "Marker", 0, 100),
        Combo("ChannelMarkersStyleComboBox", "Style", "MarkersStyle", "Marker", MarkerStyleItems),
        Check("ChannelMarkersVisible", "Visible", "MarkersVisible", "Marker"),
        Check("ChannelMarkersAllowIndividual", "Allow Individual", "MarkersAllowIndividual", "Marker"),
        UpDown("ChannelMarkersTurnOffLimitEdit", "Turn Off Limit", "MarkersTurnOffLimit", "Marker", 0, 20000),
        FontPick("ChannelMarkersFontPicker", "MarkersFont", "Marker"),

        Check("ChannelBarEnabledCheckBox", "Enabled", "BarEnabled", "Bar"),
        Edit("ChannelBarReferenceEdit", "Reference", "BarReference", "Bar"),
        ConverterEdit("ChannelBarWidthEdit", "Width", "BarWidth", "Bar"),
        Combo("ChannelBarPenStyleComboBox", "Style", "BarPenStyle", "Bar/Pen", FramePenStyleItems),
        ColorPick("ChannelBarPenColorPicker", "Color", "BarPenColor", "Bar/Pen"),
        UpDown("ChannelBarPenWidthEdit", "Width", "BarPenWidth", "Bar/Pen", 0, 100),
        Check("ChannelBarPenUseChannelColorCheckBox", "Use Channel Color", "BarPenUseChannelColor",
              "Bar/Pen"),
        Combo("ChannelBarBrushStyleComboBox", "Style", "BarBrushStyle", "Bar/Brush", BrushStyleItems),
        ColorPick("ChannelBarBrushColorPicker", "Color", "BarBrushColor", "Bar/Brush"),
        Check("ChannelBarBrushUseChannelColorCheckBox", "Use Channel Color", "BarBrushUseChannelColor",
              "Bar/Brush"),

        Check("ChannelHighLowEnabledCheckBox", "Enabled", "HighLowEnabled", "HighLow"),
        Combo("ChannelHighLowStyleComboBox", "Style", "HighLowStyle", "HighLow", HighLowStyleItems),
        ColorPick("ChannelHighLowOpenColorPicker", "Color", "HighLowOpenColor", "HighLow/OpenClose/Open"),
        ConverterEdit("ChannelHighLowOpenWidthEdit", "Width", "HighLowOpenWidth", "HighLow/OpenClose/Open"),
        Check("ChannelHighLowOpenShowCheckBox", "Show", "HighLowOpenShow", "HighLow/OpenClose/Open"),
        ConverterEdit("ChannelHighLowOpenHeightEdit", "Height", "HighLowOpenHeight",
                      "HighLow/OpenClose/Open"),
        ColorPick("ChannelHighLowCloseColorPicker", "Color", "HighLowCloseColor", "HighLow/OpenClose/Close"),
        ConverterEdit("ChannelHighLowCloseWidthEdit", "Width", "HighLowCloseWidth",
                      "HighLow/OpenClose/Close"),
        Check("ChannelHighLowCloseShowCheckBox", "Show", "HighLowCloseShow", "HighLow/OpenClose/Close"),
        ConverterEdit("ChannelHighLowCloseHeightEdit", "Height", "HighLowCloseHeight",
                      "HighLow/OpenClose/Close"),
        ColorPick("ChannelHighLowBarColorPicker", "Color", "HighLowBarColor", "HighLow/OpenClose/Bar"),
        ConverterEdit("ChannelHighLowBarWidthEdit", "Width", "HighLowBarWidth", "HighLow/OpenClose/Bar"),
        ColorPick("ChannelHighLowShadowColorPicker", "Shadow Color", "HighLowShadowColor",
                  "HighLow/Candlestick"),
        ColorPick("ChannelHighLowBullishColorPicker", "Bullish Color", "HighLowBullishColor",
                  "HighLow/Candlestick"),
        ColorPick("ChannelHighLowBearishColorPicker", "Bearish Color", "HighLowBearishColor",
                  "HighLow/Candlestick"),

        Check("ChannelFillEnabledCheckBox", "Enabled", "FillEnabled", "Fill"),
        Edit("ChannelFillReferenceEdit", "Reference", "FillReference", "Fill"),
        Check("ChannelFillUseChannelColorCheckBox", "Use Channel Color", "FillUseChannelColor", "Fill"),
        Combo("ChannelFillStyleComboBox", "Style", "FillStyle", "Fill", BrushStyleItems),
        ColorPick("ChannelFillColorPicker", "Color", "FillColor", "Fill"),

        Check("ChannelDigitalEnabledCheckBox", "Enabled", "DigitalEnabled", "Digital"),
        Edit("ChannelDigitalReferenceHighEdit", "Reference High", "DigitalReferenceHigh", "Digital"),
        Edit("ChannelDigitalReferenceLowEdit", "Reference Low", "DigitalReferenceLow", "Digital"),
        Combo("ChannelDigitalReferenceStyleComboBox", "Reference Style", "DigitalReferenceStyle", "Digital",
              ReferenceStyleItems),
    };
    for (std::vector<PageRow> part : {ChannelFileRows(), ChannelStatsRows()})
        page.rows.insert(page.rows.end(), part.begin(), part.end());
    page.hooks = ChannelHooks();
    return page;
}

KindPage DataCursorPage() {
    KindPage page;
    page.kind = kind::DataCursor;
    page.tabSheet = "DataCursorTabSheet";
    page.caption = "Cursors";
    page.listBox = "DataCursorListBox";
    page.listColor = ListColor::ObjectColor;
    page.addButton = "iDataCursorAddButton";
    page.removeButton = "DataCursorRemoveButton";
    page.prefix = "DataCursor";
    page.pageControl = "DataCursorPageControl";
    page.refresh = PageRefresh::OwnPage;
    page.places = {{"General"}, {"Channel"}, {"Hint"}};
    page.rows = {
        Edit("DataCursorNameEdit", "Name", "Name", "General"),
        Combo("DataCursorStyleComboBox", "Style", "Style", "General", DataCursorStyleItems),
        FontPick("DataCursorFontPicker", "Font", "General"),
        ColorPick("DataCursorColorPicker", "Color", "Color", "General"),
        Check("DataCursorUseChannelColorCheckBox", "Use Channel Color", "UseChannelColor", "General"),
        Edit("DataCursorPointer1PositionEdit", "Pointer 1 Position", "Pointer1Position", "General"),
        Edit("DataCursorPointer2PositionEdit", "Pointer 2 Position", "Pointer2Position", "General"),
        Check("DataCursorPopupEnabledCheckBox", "Popup Enabled", "PopupEnabled", "General"),
        UpDown("DataCursorPointerPenWidthEdit", "Pointer Pen Width", "PointerPenWidth", "General", 1, 50),
        // A plain store: snapping changes nothing on screen until the
        // pointer next moves.
        Check("DataCursorSnapToDataPointCheckBox", "Snap To Data Point", "SnapToDataPoint", "General"),

        NameCombo("DataCursorChannelNameComboBox", "Name", "ChannelName", "Channel", kind::Channel, "<All>"),
        Check("DataCursorChannelAllowAllCheckBox", "Allow All", "ChannelAllowAll", "Channel"),
        Check("DataCursorChannelShowAllInLegendCheckBox", "Show All In Legend", "ChannelShowAllInLegend",
              "Channel"),

        Check("DataCursorHintShowCheckBox", "Show", "HintShow", "Hint"),
        Check("DataCursorHintHideOnReleaseCheckBox", "Hide On Release", "HintHideOnRelease", "Hint"),
        Radio("DataCursorOrientationSideRadioGroup", "Orientation Side", "HintOrientationSide", "Hint",
              OrientationSideItems),
        Edit("DataCursorHintPositionEdit", "Position", "HintPosition", "Hint"),
    };
    return page;
}

KindPage LimitPage() {
    KindPage page;
    page.kind = kind::Limit;
    page.tabSheet = "LimitTabSheet";
    page.caption = "Limits";
    page.listBox = "LimitListBox";
    page.listColor = ListColor::ObjectColor;
    page.addButton = "iLimitAddButton";
    page.removeButton = "LimitRemoveButton";
    page.prefix = "Limit";
    page.pageControl = "LimitPageControl";
    page.refresh = PageRefresh::OwnPage;
    page.places = {{"General"}};
    page.rows = {
        Edit("LimitNameEdit", "Name", "Name", "General"),
        NameCombo("LimitXAxisNameComboBox", "X-Axis Name", "XAxisName", "General", kind::XAxis),
        NameCombo("LimitYAxisNameComboBox", "Y-Axis Name", "YAxisName", "General", kind::YAxis),
        Combo("LimitStyleComboBox", "Style", "Style", "General", LimitStyleItems),
        Edit("LimitLine1PositionEdit", "Line 1 Position", "Line1Position", "General"),
        Edit("LimitLine2PositionEdit", "Line 2 Position", "Line2Position", "General"),
        ColorPick("LimitColorPicker", "Color", "Color", "General"),
        Combo("LimitLineStyleComboBox", "Line Style", "LineStyle", "General", PenStyleItems),
        UpDown("LimitLineWidthEdit", "Line Width", "LineWidth", "General", 0, 100),
        Combo("LimitFillStyleCombobox", "Fill Style", "FillStyle", "General", BrushStyleItems),
        Check("LimitVisibleCheckBox", "Visible", "Visible", "General"),
        Check("LimitUserCanMoveCheckBox", "User Can Move", "UserCanMove", "General"),
        Check("LimitPopUpEnabledCheckBox", "Popup Enabled", "PopupEnabled", "General"),
        UpDown("LimitLayerEdit", "Layer", "Layer", "General", 0, 0),
        Check("LimitClipToAxesCheckBox", "Clip To Axes", "ClipToAxes", "General"),
    };
    return page;
}

KindPage LabelPage() {
    KindPage page;
    page.kind = kind::Label;
    page.tabSheet = "LabelsTabSheet";
    page.caption = "Labels";
    page.listBox = "LabelListBox";
    page.addButton = "iLabelAddButton";
    page.removeButton = "LabelRemoveButton";
    page.prefix = "Label";
    page.pageControl = "LabelPageControl";
    page.refresh = PageRefresh::OwnPage;
    page.places = {{"General"}};
    page.rows = {
        Edit("LabelNameEdit", "Name", "Name", "General"),
        Check("LabelVisibleCheckBox", "Visible", "Visible", "General"),
        FontPick("LabelFontPicker", "Font", "General"),
        Edit("LabelCaptionMemo", "Caption", "Caption", "General"),
        Combo("LabelAlignmentComboBox", "Alignment", "Alignment", "General", AlignmentItems),
        UpDown("LabelImageListIndexEdit", "Image List Index", "ImageListIndex", "General", -1, 2),
        UpDown("LabelImageIndexEdit", "Image Index", "ImageIndex", "General", -1, 255),
        Edit("LabelMarginLeftEdit", "Left", "MarginLeft", "General/Margin"),
        Edit("LabelMarginTopEdit", "Top", "MarginTop", "General/Margin"),
        Edit("LabelMarginBottomEdit", "Bottom", "MarginBottom", "General/Margin"),
        Edit("LabelMarginRightEdit", "Right", "MarginRight", "General/Margin"),
    };
    page.hooks = LabelHooks();
    return page;
}

} // namespace korvan::plot::editor

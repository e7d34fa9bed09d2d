#pragma once
// The plot component: the base control of the pack's charts. It owns the
// master manager (every object manager, the layout manager and the
// translations) and with it every object the chart shows. It adds, counts,
// finds and deletes objects, streams them as named properties of its form,
// turns the master's insert, remove and change notices into its events
// and repaints, and raises the objects' events with their indexes.
//
// Kinds whose classes live in other folders (channels, data views,
// legends, toolbars, ...) are reached through the master's kind lookup
// (PlotKinds.h): their operations act on nothing until the kind's manager
// has been adopted by the master, and then act on it with no change here.
//
// Between the first DefineProperties of a read and Loaded the layout
// manager is off and an update block is open, so no layout or paint runs
// on half-read objects. Writing the form leaves both as they were.

#include "controls/plot/axes/AxisHost.h"
#include "controls/plot/channels/ChannelHost.h"
#include "controls/plot/component/PlotComponentTypes.h"
#include "controls/plot/component/PlotKindEvents.h"
#include "controls/plot/core/ChannelPoints.h"
#include "controls/plot/core/PlotObjectHost.h"
#include "controls/plot/core/VCLComponent.h"
#include "controls/plot/objects/ImageListHost.h"
#include "controls/plot/objects/OverlayHost.h"
#include "platform/gfx/Resources.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TiPlotMasterManager;
class TiPlotChannelManager;
class TiPlotObjectManagerCustom;
class TiPlotXAxis;
class TiPlotYAxis;
class TiPlotLabel;
class TiPlotLayoutObject;
class TImageList;
class TPopupMenu;
class TPicture;
class TiSaveDialog;

class TiPlotComponent : public TiCustomComponent,
                        public IiPlotObjectHost,
                        public IiPlotAxisHost,
                        public IiPlotImageListHost,
                        public IiPlotChannelHost,
                        public IiPlotOverlayHost {
    KORVAN_CLASS(TiPlotComponent)
public:
    explicit TiPlotComponent(TComponent* owner);
    ~TiPlotComponent() override;

    TiPlotMasterManager* Master() const { return master_.get(); }
    // Makes channels of the class the concrete plot chooses.
    TiPlotChannelManager* ChannelManager() const { return channels_; }

    // --- objects ---
    int AddXAxis();
    int AddYAxis();
    int AddLabel();
    int AddChannel();
    int AddDataView();
    int AddDataCursor();
    int AddLegend();
    int AddTable();
    int AddToolBar();
    int AddLimit();
    int AddAnnotation();
    int XAxisCount() const;
    int YAxisCount() const;
    int LabelCount() const;
    int ChannelCount() const override;
    int DataViewCount() const;
    int DataCursorCount() const;
    int LegendCount() const;
    int TableCount() const;
    int ToolBarCount() const;
    int LimitCount() const;
    int AnnotationCount() const;
    // Raise the manager's error outside the list.
    TiPlotXAxis* XAxis(int index) const;
    TiPlotYAxis* YAxis(int index) const;
    TiPlotLabel* Label(int index) const;
    TiPlotXAxis* GetXAxisByName(std::string_view name) const;
    TiPlotYAxis* GetYAxisByName(std::string_view name) const;
    TiPlotLabel* GetLabelByName(std::string_view name) const;
    int GetXAxisIndexByName(std::string_view name) const;
    int GetYAxisIndexByName(std::string_view name) const;
    int GetLabelIndexByName(std::string_view name) const;
    // The same for any kind by its base name (PlotKinds.h): 0, null and -1
    // for a kind that has not joined.
    int KindCount(std::string_view kind) const;
    TiPlotObject* KindObject(std::string_view kind, int index) const;
    TiPlotObject* GetKindObjectByName(std::string_view kind, std::string_view name) const;
    int GetKindIndexByName(std::string_view kind, std::string_view name) const;

    // Each clears the kind and repaints at once.
    void RemoveAllXAxes();
    void RemoveAllYAxes();
    void RemoveAllChannels();
    void RemoveAllDataViews();
    void RemoveAllDataCursors();
    void RemoveAllLegends();
    void RemoveAllTables();
    void RemoveAllToolBars();
    void RemoveAllLimits();
    void RemoveAllAnnotations();
    // Every label but label 0, the title.
    void RemoveAllLabels();
    void RemoveAllTranslations();
    // Each frees object `index` of the kind and repaints at once.
    void DeleteXAxis(int index);
    void DeleteYAxis(int index);
    void DeleteChannel(int index);
    void DeleteDataView(int index);
    void DeleteDataCursor(int index);
    void DeleteLegend(int index);
    void DeleteTable(int index);
    void DeleteToolBar(int index);
    void DeleteLimit(int index);
    void DeleteAnnotation(int index);
    // Label 0 raises "Label Index 0 can not be Deleted (Resevered for Title)".
    void DeleteLabel(int index);
    void DeleteTranslation(int index);

    // --- translations ---
    int AddTranslation(const std::string& originalString, const std::string& replacementString);
    int TranslationCount() const;
    std::string GetTranslationOriginalString(int index) const;
    std::string GetTranslationReplacementString(int index) const;
    void SaveTranslationsToFile(const std::string& fileName);
    void LoadTranslationsFromFile(const std::string& fileName);

    // --- layout manager ---
    void DisableLayoutManager();
    void EnableLayoutManager();
    void RefreshLayoutManager();
    // Paints once into a scratch bitmap, which lays every object out.
    void ReCalcLayout() override;
    void DisableAllTracking();
    void EnableAllTracking();
    void ClearAllData();
    // One row of values: one dimension gives element k to channel k minus
    // the low bound at XValue (values just above 1e-301 and 1e-302 add null
    // and empty points); two dimensions give row after row to the channel
    // each first index names, at its last X plus XValue (0 when empty).
    // Every row added counts toward the log buffer.
    void AddDataArray(double xValue, const TiPlotValueArray& data);
    // Rows added since the log buffer was last written.
    int LogBufferCount() const { return logBufferCount_; }
    // Copies points StartIndex..StopIndex of one channel onto the end of
    // another, with their null and empty flags.
    void TransferChannelData(int sourceChannelIndex, int destinationChannelIndex, int startIndex,
                             int stopIndex);
    // The current local date and time.
    double GetNow() const;
    // The data view's rectangle of the last layout.
    TRect DataViewRect() const { return dataViewRect_; }

    // --- image lists 0..2 (24 x 24 until the first image sets the size) ---
    void ImageListClear(int imageListIndex);
    // A smaller bitmap is centred on one of the list's size; the caller's
    // bitmap becomes that padded copy.
    void ImageListAdd(int imageListIndex, TBitmap& bitmap);
    // ImageListAdd of the module's bitmap resource of that number or name.
    // A missing resource raises EResourceNotFound and leaves the list as
    // it was.
    void ImageListLoadFromResourceID(int imageListIndex, HINST instance, int resId);
    void ImageListLoadFromResourceName(int imageListIndex, HINST instance, const std::string& resName);
    const TImageList* PlotImageList(int index) const override;

    // --- title: label 0 ---
    bool TitleVisible() const;
    void SetTitleVisible(bool value);
    std::string TitleText() const;
    void SetTitleText(const std::string& value);
    TFont* TitleFont() const;
    void SetTitleFont(TFont* value);
    double TitleMargin() const;
    void SetTitleMargin(double value);

    // --- published settings ---
    int DataViewZHorz() const;
    void SetDataViewZHorz(int value);
    int DataViewZVert() const;
    void SetDataViewZVert(int value);
    bool XYAxesReverse() const;
    void SetXYAxesReverse(bool value);
    bool UserCanEditObjects() const;
    void SetUserCanEditObjects(bool value);
    bool UserCanAddRemoveChannels() const { return userCanAddRemoveChannels_; }
    void SetUserCanAddRemoveChannels(bool value) { userCanAddRemoveChannels_ = value; }
    int OuterMarginLeft() const { return outerMarginLeft_; }
    void SetOuterMarginLeft(int value) { SetIntegerValue(value, outerMarginLeft_, 0); }
    int OuterMarginTop() const { return outerMarginTop_; }
    void SetOuterMarginTop(int value) { SetIntegerValue(value, outerMarginTop_, 0); }
    int OuterMarginRight() const { return outerMarginRight_; }
    void SetOuterMarginRight(int value) { SetIntegerValue(value, outerMarginRight_, 0); }
    int OuterMarginBottom() const { return outerMarginBottom_; }
    void SetOuterMarginBottom(int value) { SetIntegerValue(value, outerMarginBottom_, 0); }
    TPrinterOrientation PrintOrientation() const { return printOrientation_; }
    void SetPrintOrientation(TPrinterOrientation value) { printOrientation_ = value; }
    double PrintMarginLeft() const { return printMarginLeft_; }
    void SetPrintMarginLeft(double value) { printMarginLeft_ = value; }
    double PrintMarginTop() const { return printMarginTop_; }
    void SetPrintMarginTop(double value) { printMarginTop_ = value; }
    double PrintMarginRight() const { return printMarginRight_; }
    void SetPrintMarginRight(double value) { printMarginRight_ = value; }
    double PrintMarginBottom() const { return printMarginBottom_; }
    void SetPrintMarginBottom(double value) { printMarginBottom_ = value; }
    bool PrintShowDialog() const { return printShowDialog_; }
    void SetPrintShowDialog(bool value) { printShowDialog_ = value; }
    const std::string& PrintDocumentName() const { return printDocumentName_; }
    void SetPrintDocumentName(const std::string& value) { printDocumentName_ = value; }
    const std::string& PrinterName() const { return printerName_; }
    void SetPrinterName(const std::string& value) { printerName_ = value; }
    int HintsPause() const { return hintsPause_; }
    void SetHintsPause(int value) { hintsPause_ = value; }
    int HintsHidePause() const { return hintsHidePause_; }
    void SetHintsHidePause(int value) { hintsHidePause_ = value; }
    bool HintsShow() const { return hintsShow_; }
    void SetHintsShow(bool value) { hintsShow_ = value; }
    TFont* HintsFont() const { return hintsFont_.get(); }
    void SetHintsFont(TFont* value);
    TiPlotFormStyle EditorFormStyle() const { return editorFormStyle_; }
    void SetEditorFormStyle(TiPlotFormStyle value) { editorFormStyle_ = value; }
    TiPlotExportFormat CopyToClipBoardFormat() const { return copyToClipBoardFormat_; }
    void SetCopyToClipBoardFormat(TiPlotExportFormat value) { copyToClipBoardFormat_ = value; }
    const std::string& LogFileName() const { return logFileName_; }
    // Raises "Log File Name can not be changed while logging is active."
    void SetLogFileName(const std::string& value);
    int LogBufferSize() const { return logBufferSize_; }
    void SetLogBufferSize(int value) { logBufferSize_ = value; }
    bool LoggingActive() const { return loggingActive_; }

    // --- printing and pictures ---
    // Prints X axis 0's visible range page by page. Failures are raised
    // again behind "Error Printing : ".
    void PrintChart();
    // Shows the print preview of the plot modally, captioned with the
    // document name followed by " (Preview)".
    void PreviewChart();
    // Height from the width and the paper's shape (the current printer's
    // paper before the first print).
    void PrintSizeToFillPage();
    // X axis 0's span for a printed time scale of so many minutes a
    // millimetre.
    void PrintAdjustXSpanToMinutesPerMillimeter(double minutesPerMillimeter);
    // The picture without toolbars or selections, in CopyToClipBoardFormat.
    void CopyToClipBoard();
    // The plot's picture, owned by the plot until the next call.
    TPicture* GetSnapShotPicture();
    // Asks for a file and writes the picture by its extension.
    void Save();
    TNotifyEvent OnBeforePrint, OnAfterPrint;
    // The run-time editor opened (sender: the master) or went (sender: the
    // editor form).
    TNotifyEvent OnAfterOpenEditor, OnAfterCloseEditor;
    TiPlotBeforePrintPageEvent OnBeforePrintPage;
    double PrinterPaperWidthInches() const { return paperWidthInches_; }
    double PrinterPaperHeightInches() const { return paperHeightInches_; }

    // --- configuration and annotation files ---
    // "Plot Config": the object counts, every object's property lines under
    // its section ("Channel0", "XAxis0", ...), then the plot's own lines.
    // Failures are raised again behind "Error Saving Properties - " /
    // "Error Loading Properties - "; a failed load still switches the
    // layout manager on again and closes its update block.
    void SavePropertiesToFile(const std::string& fileName) override;
    void LoadPropertiesFromFile(const std::string& fileName) override;
    const std::string& LastPropertiesFileName() const { return lastPropertiesFileName_; }
    TNotifyEvent OnAfterSaveProperties, OnBeforeLoadProperties, OnAfterLoadProperties;
    // "AnnotationCount" and each annotation's lines, defaults left out; an
    // annotation read back over its class's defaults comes back equal.
    void SaveAnnotationsToFile(const std::string& fileName);
    void LoadAnnotationsFromFile(const std::string& fileName);

    // --- data files and the log ---
    // The points of every channel in DataFileFormat. Failures are raised
    // again with "Error Saving Data - " / "Error Loading Data - " first; the
    // file name is remembered and the event fired only on success.
    void SaveDataToFile(const std::string& fileName);
    // Appends the file's points to the plot's channels.
    void LoadDataFromFile(const std::string& fileName);
    const std::string& LastDataFileName() const { return lastDataFileName_; }
    TNotifyEvent OnAfterSaveData, OnAfterLoadData;
    // With append the log file must exist; without, it is created or emptied
    // and gets the header of DataFileFormat.
    void LogActivate(bool append);
    // Stops logging and writes the rows still buffered.
    void LogDeactivate();
    TFont* AnnotationDefaultFont() const { return annotationDefaultFont_.get(); }
    void SetAnnotationDefaultFont(TFont* value);
    TBrushStyle AnnotationDefaultBrushStlye() const { return annotationDefaultBrushStyle_; }
    void SetAnnotationDefaultBrushStlye(TBrushStyle value) { annotationDefaultBrushStyle_ = value; }
    TColor AnnotationDefaultBrushColor() const { return annotationDefaultBrushColor_; }
    void SetAnnotationDefaultBrushColor(TColor value) { annotationDefaultBrushColor_ = value; }
    TPenStyle AnnotationDefaultPenStlye() const { return annotationDefaultPenStyle_; }
    void SetAnnotationDefaultPenStlye(TPenStyle value) { annotationDefaultPenStyle_ = value; }
    TColor AnnotationDefaultPenColor() const { return annotationDefaultPenColor_; }
    void SetAnnotationDefaultPenColor(TColor value) { annotationDefaultPenColor_ = value; }
    int AnnotationDefaultPenWidth() const { return annotationDefaultPenWidth_; }
    void SetAnnotationDefaultPenWidth(int value) { annotationDefaultPenWidth_ = value; }
    TiPlotReferenceType AnnotationDefaultReference() const { return annotationDefaultReference_; }
    void SetAnnotationDefaultReference(TiPlotReferenceType value) { annotationDefaultReference_ = value; }
    TiPlotReferenceIndividual AnnotationDefaultReferencePositionX() const {
        return annotationDefaultPositionX_;
    }
    void SetAnnotationDefaultReferencePositionX(TiPlotReferenceIndividual value) {
        annotationDefaultPositionX_ = value;
    }
    TiPlotReferenceIndividual AnnotationDefaultReferencePositionY() const {
        return annotationDefaultPositionY_;
    }
    void SetAnnotationDefaultReferencePositionY(TiPlotReferenceIndividual value) {
        annotationDefaultPositionY_ = value;
    }
    TiPlotReferenceIndividual AnnotationDefaultReferenceSizeX() const { return annotationDefaultSizeX_; }
    void SetAnnotationDefaultReferenceSizeX(TiPlotReferenceIndividual value) {
        annotationDefaultSizeX_ = value;
    }
    TiPlotReferenceIndividual AnnotationDefaultReferenceSizeY() const { return annotationDefaultSizeY_; }
    void SetAnnotationDefaultReferenceSizeY(TiPlotReferenceIndividual value) {
        annotationDefaultSizeY_ = value;
    }
    bool ClipAnnotationsToAxes() const override { return clipAnnotationsToAxes_; }
    void SetClipAnnotationsToAxes(bool value) { SetBooleanValue(value, clipAnnotationsToAxes_, 0); }
    bool BackGroundGradientEnabled() const { return backGroundGradientEnabled_; }
    void SetBackGroundGradientEnabled(bool value) { SetBooleanValue(value, backGroundGradientEnabled_, 0); }
    TiFillDirection BackGroundGradientDirection() const { return backGroundGradientDirection_; }
    void SetBackGroundGradientDirection(TiFillDirection value);
    TColor BackGroundGradientStartColor() const { return backGroundGradientStartColor_; }
    void SetBackGroundGradientStartColor(TColor value) {
        SetColorValue(value, backGroundGradientStartColor_, 0);
    }
    TColor BackGroundGradientStopColor() const { return backGroundGradientStopColor_; }
    void SetBackGroundGradientStopColor(TColor value) {
        SetColorValue(value, backGroundGradientStopColor_, 0);
    }
    TiPlotDataFileColumnSeparator DataFileColumnSeparator() const { return dataFileColumnSeparator_; }
    // Raises "Data File Column Seperator can not be changed while logging
    // active" for another value while logging.
    void SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator value);
    TiPlotDataFileFormat DataFileFormat() const { return dataFileFormat_; }
    // Raises "Data File Format can not be changed while logging active"
    // while logging, whatever the value.
    void SetDataFileFormat(TiPlotDataFileFormat value);
    const std::string& DefaultSaveImageDirectory() const { return defaultSaveImageDirectory_; }
    void SetDefaultSaveImageDirectory(const std::string& value) { defaultSaveImageDirectory_ = value; }
    const std::string& DefaultPropertyDirectory() const { return defaultPropertyDirectory_; }
    void SetDefaultPropertyDirectory(const std::string& value) { defaultPropertyDirectory_ = value; }
    const std::string& DefaultDataDirectory() const { return defaultDataDirectory_; }
    void SetDefaultDataDirectory(const std::string& value) { defaultDataDirectory_ = value; }
    const std::string& DefaultAnnotationDirectory() const { return defaultAnnotationDirectory_; }
    void SetDefaultAnnotationDirectory(const std::string& value) { defaultAnnotationDirectory_ = value; }
    TiPlotImageFormatStyle DefaultSaveImageFormat() const { return defaultSaveImageFormat_; }
    void SetDefaultSaveImageFormat(TiPlotImageFormatStyle value) { defaultSaveImageFormat_ = value; }
    bool DifferentialPropertySave() const { return differentialPropertySave_; }
    void SetDifferentialPropertySave(bool value) { differentialPropertySave_ = value; }
    // Comma for ipdfcsComma, else tab.
    char GetDataFileColumnSeparatorChar() const;

    // --- streaming ---
    void DefineProperties(TFiler& filer) override;
    void Loaded() override;

    // --- events ---
    // Per kind: ChannelEvents.OnAdd is the channel add event, and so on.
    // Toolbars and labels raise none of these.
    TiPlotKindEvents LegendEvents, TableEvents, XAxisEvents, YAxisEvents, ChannelEvents, DataViewEvents,
        DataCursorEvents, LimitEvents, AnnotationEvents;
    TiPlotObjectDoubleValueChangeEvent OnXAxisMinChange, OnYAxisMinChange, OnXAxisSpanChange,
        OnYAxisSpanChange;
    TiPlotAxesMinSpanChangeEvent OnXAxisMinSpanChange, OnYAxisMinSpanChange, OnXAxisMinSpanChangeFinished,
        OnYAxisMinSpanChangeFinished;
    TiPlotAxesCustomizeLabelEvent OnXAxisCustomizeLabel, OnYAxisCustomizeLabel;
    TiPlotObjectCustomizeTextEvent OnXAxisCustomizeHint, OnYAxisCustomizeHint;
    TNotifyEvent OnAfterPaint;
    // --- events of channels' points, cursors, limits, annotations and
    // toolbars; their objects call the dispatchers below ---
    TiPlotDataPointMouseEvent OnMouseDownDataPoint, OnMouseUpDataPoint;
    TiPlotDataPointMouseMoveEvent OnMouseMoveDataPoint;
    TiPlotClickDataPointEvent OnClickDataPoint, OnDblClickDataPoint;
    TiPlotDataPointMovedEvent OnDataPointMoved;
    TiPlotDataPointCustomizeTextEvent OnDataPointCustomizeHint;
    TiPlotObjectEvent OnDataCursorChange, OnBeforeDataCursorUpdate;
    TiPlotObjectCustomizeTextEvent OnDataCursorCustomizeHint, OnToolBarCustomizeHint;
    TiPlotObjectDoubleValueChangeEvent OnLimitLine1PositionChange, OnLimitLine2PositionChange;
    TiPlotObjectEvent OnAnnotationCoordinatesChange, OnAnnotationMoveUser, OnAnnotationResizeUser,
        OnAnnotationCoordinatesChangeFinished;
    TiPlotBeforeToolBarButtonClickEvent OnBeforeToolBarButtonClick;
    TiPlotToolBarButtonClickEvent OnToolBarButtonClick;
    TiPlotBeforeZoomBoxEvent OnBeforeZoomBox;

    void DoDataPointMouseDown(TiPlotChannelCustom* channel, int dataIndex, TMouseButton button,
                              TShiftState shift, int x, int y) override;
    void DoDataPointMouseMove(TiPlotChannelCustom* channel, int dataIndex, TShiftState shift, int x,
                              int y) override;
    void DoDataPointMouseUp(TiPlotChannelCustom* channel, int dataIndex, TMouseButton button,
                            TShiftState shift, int x, int y) override;
    // The double-click event while a double click pends (which stays
    // pending).
    void DoDataPointClick(TiPlotChannelCustom* channel, int dataIndex) override;
    void DoDataPointMoved(TiPlotChannelCustom* channel, int dataIndex, double oldX, double oldY, double newX,
                          double newY) override;
    void DoDataPointCustomizeHint(TiPlotChannelCustom* channel, int dataIndex, std::string& text) override;
    // Fires while loading too.
    void DoDataCursorChange(TiPlotObject* cursor) override;
    void DoBeforeDataCursorUpdate(TiPlotObject* cursor) override;
    void DoDataCursorCustomizeHint(TiPlotObject* cursor, std::string& text) override;
    void DoToolBarCustomizeHint(TiPlotObject* toolBar, std::string& text);
    void DoBeforeToolBarButtonClick(TiPlotObject* toolBar, TiPlotToolBarButtonType buttonType, bool& cancel);
    void DoToolBarButtonClick(TiPlotObject* toolBar, TiPlotToolBarButtonType buttonType);
    void DoBeforeZoomBox(TRect& zoomRect, bool& cancel);
    // The select mode is toolbar 0's: its select button follows.
    void SetSelectActive(bool value);
    void DoLimitLine1PositionChange(TiPlotObject* limit, double oldValue, double newValue) override;
    void DoLimitLine2PositionChange(TiPlotObject* limit, double oldValue, double newValue) override;
    void DoAnnotationCoordinatesChange(TiPlotObject* annotation) override;
    void DoAnnotationMoveUser(TiPlotObject* annotation) override;
    void DoAnnotationResizeUser(TiPlotObject* annotation) override;
    void DoAnnotationCoordinatesChangeFinished(TiPlotObject* annotation) override;
    // What data cursors, limits and annotations ask of the plot.
    TiPlotChannelCustom* OverlayChannel(int index) const override;
    TiPlotChannelCustom* OverlayChannelByName(std::string_view name) const override;
    bool IsXYPlot() const override { return false; }
    // Replaces the label text while OnXAxisCustomizeLabel or
    // OnYAxisCustomizeLabel runs.
    void SetCustomizeLabelText(const std::string& value) { tempCustomLabel_ = value; }

    // --- what plot objects ask of their owner ---
    void DoObjectMouseDown(TiPlotObject* object, TMouseButton button, TShiftState shift, int x,
                           int y) override;
    void DoObjectMouseMove(TiPlotObject* object, TShiftState shift, int x, int y) override;
    void DoObjectMouseUp(TiPlotObject* object, TMouseButton button, TShiftState shift, int x, int y) override;
    void DoObjectMouseWheel(TiPlotObject* object, int wheelDelta, TShiftState shift, int x, int y) override;
    void DoObjectPopupMenu(TiPlotObject* object, bool& cancel, int screenX, int screenY) override;
    void DoObjectGotFocus(TiPlotObject* object) override;
    void DoObjectLostFocus(TiPlotObject* object) override;
    void DoObjectClick(TiPlotObject* object) override;
    void DoGetMouseCursor(TiPlotObject* object, TCursor& cursor) override;
    // What channels ask of the plot: toolbar 0's select mode and data view
    // 0 (false while those kinds have not joined), the hint font's extent,
    // the data files' separator and the differential save switch.
    bool GetSelectActive() override;
    bool DataViewPercentToPixelsX(double percent, int& pixels) override;
    bool DataViewPercentToPixelsY(double percent, int& pixels) override;
    bool DataViewDrawRect(TRect& rect) override;
    TSize HintTextExtent(const std::string& text) override;
    char GetDataFileColumnSeparatorChar() override;
    bool GetDifferentialPropertySave() override { return differentialPropertySave_; }
    std::string GetTranslation(const std::string& text) override;
    TPoint PlotClientToScreen(TPoint point) override;

    void DoAxisMinChange(TiPlotAxis* axis, double newMin, double oldMin) override;
    void DoAxisSpanChange(TiPlotAxis* axis, double newSpan, double oldSpan) override;
    void DoAxisMinSpanChange(TiPlotAxis* axis, double newMin, double oldMin, double newSpan,
                             double oldSpan) override;
    void DoAxisCustomizeLabel(TiPlotAxis* axis, std::string& text, double value) override;
    void AddAxesCollisionRect(const TRect& rect) override;
    bool TryAddAxesCollisionRect(const TRect& rect) override;
    TiPlotAxis* GetXAxisByName(const std::string& name) override;
    TiPlotAxis* GetYAxisByName(const std::string& name) override;
    void DoAxisMinSpanChangeFinished(TiPlotAxis* axis, double oldMin, double oldSpan, double newMin,
                                     double newSpan) override;
    void DoAxisClick(TiPlotAxis* axis) override;
    void DoAxisGetMouseCursor(TiPlotAxis* axis, TCursor& cursor) override;
    void DoAxisCustomizeHint(TiPlotAxis* axis, TiHintData& hint) override;
    TSize PlotTextExtent(const std::string& text) override;
    std::vector<std::pair<double, double>> AxisChannelRanges(TiPlotAxis* axis, bool fast) override;
    void MasterUIInputMouseLeft(TiPlotAxis* axis, const TiPlotMouseData& data) override;
    void MasterUIInputMouseMove(TiPlotAxis* axis, const TiPlotMouseData& data) override;
    void MasterUIInputMouseUp(TiPlotAxis* axis, const TiPlotMouseData& data) override;
    void MasterUIInputMouseWheel(TiPlotAxis* axis, int wheelDelta, TShiftState shift, int x, int y) override;
    void MasterUIInputKeyDown(TiPlotAxis* axis, std::uint16_t& charCode, TShiftState shift) override;

    // --- mouse, keys and hints ---
    // The object (or the part of one, such as a button) under the point:
    // user-selected objects before the others, data views and legends
    // under everything else; null when nothing enabled and visible is hit.
    TiPlotObject* FindObjectAt(int x, int y);
    TiPlotObject* MouseDownObject() const { return mouseDownTarget_.object; }
    TiPlotObject* LastMouseOverObject() const { return lastMouseOverTarget_.object; }
    TiPlotObject* LastMouseClickObject() const { return lastClick_.target.object; }
    TMouseButton LastMouseClickButton() const { return lastClick_.button; }
    TPoint LastMouseClickPoint() const { return lastClick_.point; }
    // A Shift or Ctrl selection of an axis is in progress: moves are
    // ignored until the release.
    bool SelectingActive() const { return selectingActive_; }
    // The hint on show (Visible) or the last one an object asked for.
    const TiHintData& HintData() const { return hintData_; }
    // The last paint drew the hint box.
    bool HintShowing() const { return hintShowing_; }
    // No new hint delay starts while the mouse stays in here.
    TRect LastHintShowRect() const { return lastHintShowRect_; }
    TPopupMenu* PopupMenu() const { return popupMenu_.get(); }
    // The mouse capture went to `capturedBy` (null: to no window; the
    // layer calls this whenever the plot loses the capture). When it is
    // another window, the hint goes and the object under the mouse is told
    // the mouse left it.
    void MouseCaptureChanged(TControl* capturedBy) override;
    TControl* CaptureWindow() const { return captureWindow_; }
    bool JustReleasedCapture() const { return justReleasedCapture_; }
    // A mouse button is down on the plot.
    bool PlotMouseDown() const { return mouseDown_; }

    // --- master manager callbacks ---
    virtual void MasterObjectInsert(TObject* object);
    virtual void MasterObjectRemove(TObject* object);
    virtual void MasterChange();

protected:
    void iPaintTo(TCanvas& canvas) override;
    // Between a press and its release: the object's click that follows is
    // a double click.
    void iDoubleClick() override { dblClickActive_ = true; }
    void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void iMouseMove(TShiftState shift, int x, int y) override;
    void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // Always handled.
    bool iMouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos) override;
    // The arrow keys reach the plot's objects.
    void DoWantSpecialKey(std::uint16_t& charCode, bool& result) const override;
    void iKeyDown(std::uint16_t& key, TShiftState shift) override;

private:
    // An object under the mouse and the listed object it belongs to (the
    // same object, or the toolbar, legend or table holding a button).
    struct MouseTarget {
        TiPlotObject* object = nullptr;
        TiPlotObject* owner = nullptr;
        bool Involves(const TObject* other) const;
    };
    // What the mouse rules tell apart.
    enum class InputKind {
        Other,
        Axis,
        Channel,
        DataView,
        DataViewPlaceholder,
        Legend,
        ToolBar,
        Table,
        Annotation,
        Limit,
        ToolBarButton,
        LegendButton,
        TableButton
    };
    InputKind KindOfInput(const MouseTarget& target) const;
    MouseTarget HitTest(const TiPlotMouseData& data);
    TiPlotMouseData MouseRecord(int x, int y, TMouseButton button, TShiftState shift) const;
    void RememberShift(TShiftState shift);
    // Objects that take presses and drags alone rather than with every
    // selected object.
    bool TakesInputAlone(const MouseTarget& target) const;
    // The hint rules of one move over `target`, whose hint request is
    // `request`.
    void UpdateHint(const TiHintData& request, const MouseTarget& target, int x, int y, bool buttonDown);
    // The delay of a new hint, unless the mouse rests where the last one
    // showed or the object's hint is already pending or shown.
    void StartHintDelay(const MouseTarget& target, int x, int y);
    void RestartHintTimer(int delay);
    void HintTimerTick();
    void HideHint();
    void DrawHint(TCanvas& canvas);
    // Forgets every reference to an object that is going.
    void ForgetMouseObject(const TObject* object);
    // Runs `input` on every other axis of the axis' direction, once.
    template <class F> void RepeatOnOtherAxes(TiPlotAxis* axis, F&& input);

    // Everything after the background; false when the plot lacks a kind
    // it needs and draws nothing.
    bool PaintObjects(TCanvas& canvas);
    TiPlotObjectManagerCustom* Kind(std::string_view kind) const;
    // Which events an object's kind raises; events is null for a kind
    // without events.
    struct KindEvents {
        TiPlotKindEvents* events = nullptr;
        int index = -1;
        bool mouse = false, focus = false, addRemove = false;
    };
    KindEvents EventsOf(TiPlotObject* object);
    TiPlotObjectManagerCustom* RequireKind(std::string_view kind) const;
    // Counts rows added while logging and writes them once LogBufferSize
    // are buffered.
    void LogRowsAdded(int rows);
    void LogFlush();
    // Toolbars hidden and selections cleared for a picture; restored on
    // leaving, also by an exception.
    class PictureScope;
    void ShowToolBars(bool show);
    bool ToolBarShown() const;
    void ReadPaper(TPrinter& printer);
    void PrintPages(TPrinter& printer);
    void SaveImageAs(const std::string& fileName);
    void RemoveAllOfKind(std::string_view kind);
    // A new object of the kind, made as the kind's own Add makes it.
    int AddOfKind(std::string_view kind);
    void DeleteOfKind(std::string_view kind, int index);
    TImageList& ImageListAt(int imageListIndex);
    void ReadImageList(int index, const std::vector<std::uint8_t>& bytes);
    std::vector<std::uint8_t> WriteImageList(int index) const;
    // Off and in an update block until Loaded.
    void BeginStreaming();
    void RaiseToolBarAboveTitle();

    std::unique_ptr<TiPlotMasterManager> master_;
    TiPlotChannelManager* channels_ = nullptr;
    std::unique_ptr<TFont> hintsFont_;
    std::unique_ptr<TFont> annotationDefaultFont_;
    std::unique_ptr<TPopupMenu> popupMenu_;
    std::array<std::unique_ptr<TImageList>, 3> imageLists_;
    std::vector<TRect> axesCollisionList_;
    TRect dataViewRect_{};
    std::string tempCustomLabel_;
    bool paintingActive_ = false;
    bool dblClickActive_ = false;

    TShiftState shiftState_ = 0;
    bool mouseDown_ = false;
    bool selectingActive_ = false;
    MouseTarget mouseDownTarget_;
    MouseTarget lastMouseOverTarget_;
    struct LastClick {
        MouseTarget target;
        TMouseButton button = mbLeft;
        TShiftState shift = 0;
        TPoint point{}, screen{};
    } lastClick_;
    TiHintData hintData_;
    int lastHintX_ = 0, lastHintY_ = 0;
    TPoint lastMovePoint_{-1, -1};
    TShiftState lastMoveShift_ = 0;
    TRect lastHintShowRect_{};
    MouseTarget lastHintTarget_;
    bool hintShowing_ = false;
    bool masterAxisBlock_ = false;
    TControl* captureWindow_ = nullptr;
    bool justReleasedCapture_ = false;

    bool userCanAddRemoveChannels_ = false;
    int outerMarginLeft_ = 5, outerMarginTop_ = 5, outerMarginRight_ = 5, outerMarginBottom_ = 5;
    TPrinterOrientation printOrientation_ = poLandscape;
    double printMarginLeft_ = 1.0, printMarginTop_ = 1.0, printMarginRight_ = 1.0, printMarginBottom_ = 1.0;
    bool printShowDialog_ = true;
    std::string printDocumentName_ = "Untitled";
    std::string printerName_;
    int hintsPause_ = 500;
    int hintsHidePause_ = 2500;
    bool hintsShow_ = true;
    TiPlotFormStyle editorFormStyle_ = ipfsModal;
    TiPlotExportFormat copyToClipBoardFormat_ = ipefMetaFile;
    std::string logFileName_;
    int logBufferSize_ = 0;
    int logBufferCount_ = 0;
    bool loggingActive_ = false;
    double paperWidthInches_ = 0, paperHeightInches_ = 0;
    double paperWidthCentimeters_ = 0, paperHeightCentimeters_ = 0;
    int paperWidthPixels_ = 0, paperHeightPixels_ = 0;
    double printXStart_ = 0, printXStop_ = 0;
    std::unique_ptr<TPicture> snapShotPicture_;
    TiSaveDialog* saveDialog_ = nullptr;
    std::string lastDataFileName_;
    std::string lastPropertiesFileName_;
    TBrushStyle annotationDefaultBrushStyle_ = bsSolid;
    TColor annotationDefaultBrushColor_ = clWhite;
    TPenStyle annotationDefaultPenStyle_ = psSolid;
    TColor annotationDefaultPenColor_ = clWhite;
    int annotationDefaultPenWidth_ = 1;
    TiPlotReferenceType annotationDefaultReference_ = iprtDataView;
    TiPlotReferenceIndividual annotationDefaultPositionX_ = ipriAuto;
    TiPlotReferenceIndividual annotationDefaultPositionY_ = ipriAuto;
    TiPlotReferenceIndividual annotationDefaultSizeX_ = ipriAuto;
    TiPlotReferenceIndividual annotationDefaultSizeY_ = ipriAuto;
    bool clipAnnotationsToAxes_ = true;
    bool backGroundGradientEnabled_ = false;
    TiFillDirection backGroundGradientDirection_ = ifdTopBottom;
    TColor backGroundGradientStartColor_ = clBlue;
    TColor backGroundGradientStopColor_ = clBlack;
    TiPlotDataFileColumnSeparator dataFileColumnSeparator_ = ipdfcsTab;
    TiPlotDataFileFormat dataFileFormat_ = ipdffText;
    std::string defaultSaveImageDirectory_, defaultPropertyDirectory_, defaultDataDirectory_,
        defaultAnnotationDirectory_;
    TiPlotImageFormatStyle defaultSaveImageFormat_ = ipifBitmap;
    bool differentialPropertySave_ = false;
};

#pragma once
// The toolbar: a strip along one edge of the plot with a fixed row of
// buttons acting on the whole plot: resume and pause tracking, scroll or
// zoom mode of the axes, zoom out and in, select mode, zoom box, data
// cursor, the property editor, copy, save, print and preview. Every action
// first asks the plot (OnBeforeToolBarButtonClick, which may cancel) and
// then tells it (OnToolBarButtonClick).
//
// Buttons sharing a group index release each other when one is clicked:
// the two axis-mode buttons are a radio pair, Select and Zoom box release
// each other. A click that the plot cancels leaves the group as it was.

#include "controls/plot/core/PlotButton.h"
#include "controls/plot/core/PlotLayoutObject.h"
#include "controls/plot/objects/ToolBarTypes.h"

#include <memory>
#include <string>
#include <vector>

class TiPlotToolBar;
class TiPlotComponent;
class TImageList;
class TBitmap;

enum TiPlotToolBarButtonStyle { iptbbsButton, iptbbsSpacer };

class TiPlotToolBarButton : public TiPlotButton {
    KORVAN_CLASS(TiPlotToolBarButton)
public:
    TiPlotToolBarButton(TComponent* owner, TiPlotToolBar* toolBar, TiPlotToolBarButtonStyle style);

    TiPlotToolBarButtonStyle Style() const { return style_; }
    TiPlotToolBarButtonType Kind() const { return kind_; }
    const std::string& Hint() const { return hint_; }
    const std::string& ImageName() const { return imageName_; }
    int ImageIndex() const { return imageIndex_; }
    bool MouseOver() const { return mouseOver_; }
    bool Flat() const { return flat_; }

    void Setup(TiPlotToolBarButtonType kind, std::string hint, int groupIndex, std::string glyph);
    // Chooses the large or the small glyph; it is loaded at the next paint.
    void UseGlyph(bool small);
    void SetFlat(bool value) { flat_ = value; }

    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    void iMouseMove(TiHintData& hintData, TShiftState shift, int x, int y, int screenX, int screenY,
                    bool dblClickActive) override;
    void DoMouseNotOver() override;

protected:
    ~TiPlotToolBarButton() override;
    void DoMouseHint(TiPlotMouseData& mouseData, TiHintData& hintData) override;

private:
    void DrawFlatEdge(TCanvas& canvas, bool lowered) const;

    std::string hint_;
    TiPlotToolBarButtonStyle style_;
    TiPlotToolBarButtonType kind_ = iptbbtResume;
    int imageIndex_ = -1;
    std::string imageName_;
    std::string glyph_;
    bool flat_ = false;
    bool mouseOver_ = false;
    TiPlotToolBar* toolBar_;
};

class TiPlotToolBar : public TiPlotLayoutObject {
    KORVAN_CLASS(TiPlotToolBar)
public:
    TiPlotToolBar(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                  TNotifyEvent onRename);

    TiLayoutRole LayoutRole() const override { return TiLayoutRole::Toolbar; }

    // --- published: the Show... switches are the buttons' Visible flags ---
    bool ShowResumeButton() const { return resume_->Visible(); }
    void SetShowResumeButton(bool value) { resume_->SetVisible(value); }
    bool ShowPauseButton() const { return pause_->Visible(); }
    void SetShowPauseButton(bool value) { pause_->SetVisible(value); }
    bool ShowAxesModeButtons() const { return scrollMode_->Visible(); }
    void SetShowAxesModeButtons(bool value);
    bool ShowZoomInOutButtons() const { return zoomIn_->Visible(); }
    void SetShowZoomInOutButtons(bool value);
    bool ShowSelectButton() const { return select_->Visible(); }
    void SetShowSelectButton(bool value) { select_->SetVisible(value); }
    bool ShowZoomBoxButton() const { return zoomBox_->Visible(); }
    void SetShowZoomBoxButton(bool value) { zoomBox_->SetVisible(value); }
    bool ShowCursorButton() const { return cursor_->Visible(); }
    void SetShowCursorButton(bool value) { cursor_->SetVisible(value); }
    bool ShowEditButton() const { return edit_->Visible(); }
    void SetShowEditButton(bool value) { edit_->SetVisible(value); }
    bool ShowCopyButton() const { return copy_->Visible(); }
    void SetShowCopyButton(bool value) { copy_->SetVisible(value); }
    bool ShowSaveButton() const { return save_->Visible(); }
    void SetShowSaveButton(bool value) { save_->SetVisible(value); }
    bool ShowPrintButton() const { return print_->Visible(); }
    void SetShowPrintButton(bool value) { print_->SetVisible(value); }
    bool ShowPreviewButton() const { return preview_->Visible(); }
    void SetShowPreviewButton(bool value) { preview_->SetVisible(value); }
    double ZoomInOutFactor() const { return zoomInOutFactor_; }
    // Values below 1 become 1.
    void SetZoomInOutFactor(double value);
    bool FlatBorder() const { return flatBorder_; }
    void SetFlatBorder(bool value) { SetBooleanProperty(value, flatBorder_, &TiPlotObject::DoChange); }
    bool FlatButtons() const { return flatButtons_; }
    void SetFlatButtons(bool value);
    bool SmallButtons() const { return smallButtons_; }
    // Switches the glyph set and the button size.
    void SetSmallButtons(bool value);

    // --- state ---
    bool CursorActive() const { return cursor_->Down(); }
    bool ZoomBoxActive() const { return zoomBox_->Down(); }
    bool SelectActive() const { return select_->Down(); }
    bool AxesModeZoom() const { return zoomMode_->Down(); }
    void TurnOffCursor() { cursor_->SetDown(false); }

    // Every button and spacer in display order.
    const std::vector<TiPlotToolBarButton*>& Buttons() const { return buttonPtrs_; }
    TiPlotToolBarButton* Button(TiPlotToolBarButtonType kind) const;
    const TImageList& ImageList() const { return *imageList_; }
    // Loads a glyph into the image list; its index.
    int AddGlyph(const std::string& name);

    // --- the actions, as a click on the button ---
    void DoButtonClickResume();
    void DoButtonClickPause();
    void DoButtonClickScrollAxesMode();
    void DoButtonClickZoomAxesMode();
    void DoButtonClickSelect();
    void DoButtonClickZoomBox();
    void DoButtonClickZoomOut();
    void DoButtonClickZoomIn();
    void DoButtonClickCursor();
    void DoButtonClickEdit();
    void DoButtonClickCopy();
    void DoButtonClickSave();
    void DoButtonClickPrint();
    void DoButtonClickPreview();

    // Button size plus three pixels on each side.
    int GetRequiredWidth(TCanvas& canvas) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    TiPlotObject* GetMouseOverObject(int x, int y) override;
    void NotifySetFocus(TObject* sender) override;
    void PreparePopupMenu(TPopupMenu* popupMenu) override;

protected:
    ~TiPlotToolBar() override;

private:
    TiPlotComponent* Plot() const;
    TiPlotToolBarButton* AddButton(TiPlotToolBarButtonType kind, const char* hint, const char* glyph,
                                   int groupIndex, void (TiPlotToolBar::*action)());
    TiPlotToolBarButton* AddEntry(TiPlotToolBarButtonStyle style);
    // The step of one action between the plot's two events; `after` false
    // fires no OnToolBarButtonClick.
    template <class Step> void Run(TiPlotToolBarButtonType kind, Step step, bool after = true);
    // Sets up every other button of the clicked button's group.
    void ReleaseGroup(const TiPlotToolBarButton* clicked);
    void ApplyGlyphSet();
    // Asks the plot first; false when it cancels.
    void SetAxesMode(bool zoom);
    void ZoomAll(bool in);
    void CursorDownChanged();
    void SelectDownChanged();
    void UpdateSpacersAndTracking();

    std::vector<std::unique_ptr<TiPlotToolBarButton, TiPlotObjectDeleter>> buttons_;
    std::vector<TiPlotToolBarButton*> buttonPtrs_;
    std::unique_ptr<TImageList> imageList_;
    TiPlotToolBarButton *resume_ = nullptr, *pause_ = nullptr, *resumePauseSpacer_ = nullptr;
    TiPlotToolBarButton *scrollMode_ = nullptr, *zoomMode_ = nullptr, *axesModeSpacer_ = nullptr;
    TiPlotToolBarButton *zoomOut_ = nullptr, *zoomIn_ = nullptr, *zoomSpacer_ = nullptr;
    TiPlotToolBarButton *select_ = nullptr, *zoomBox_ = nullptr, *cursor_ = nullptr,
                        *zoomBoxCursorSpacer_ = nullptr;
    TiPlotToolBarButton *edit_ = nullptr, *editSpacer_ = nullptr;
    TiPlotToolBarButton *copy_ = nullptr, *save_ = nullptr, *print_ = nullptr, *preview_ = nullptr;
    double zoomInOutFactor_ = 2.0;
    bool flatButtons_ = false, smallButtons_ = false, flatBorder_ = false;
};

namespace korvan::plot {
// Toolbar `index` of the plot that owns an object; null without one.
TiPlotToolBar* ToolBarOf(TComponent* owner, int index);
// The picture of a toolbar glyph (its resource name) on the teal
// transparent colour, size x size pixels.
TBitmap ToolBarGlyph(const std::string& name, int size);
} // namespace korvan::plot

#pragma once
// TRzCustomPanel: the pack's container. It draws its own frame from an
// outer and an inner frame style on chosen sides with a solid band between
// them, fills its client area with a colour or a gradient, can draw a
// grid, can be transparent (the parent's picture shows through), draws a
// word-wrapped caption with alignment and margins, follows a frame
// controller, and disables and re-enables its children as a whole.
// TRzPanel publishes it.

#include "controls/panels/ColorShading.h"
#include "controls/panels/FrameDrawing.h"
#include "controls/panels/FramedControl.h"
#include "controls/panels/GradientPainting.h"
#include "platform/forms/ExtCtrls.h"

#include <memory>
#include <utility>
#include <vector>

enum TAlignmentVertical { avTop, avCenter, avBottom };
enum TRzVisualStyle { vsClassic, vsWinXP, vsGradient };
enum TRzGridStyle { gsDots, gsDottedLines, gsSolidLines };

// The desktop's theme changed: panels read the colour scheme again.
constexpr unsigned WM_THEMECHANGED = 0x031A;

class TRzPanelDockManager;

class TRzCustomPanel : public TPanel, public TRzFramedControl {
    KORVAN_CLASS(TRzCustomPanel)
public:
    explicit TRzCustomPanel(TComponent* owner);
    ~TRzCustomPanel() override;

    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    virtual void SetAlignmentVertical(TAlignmentVertical value);
    TRzGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    virtual void SetGradientColorStyle(TRzGradientColorStyle value);
    TColor GradientColorStart() const { return gradientColorStart_; }
    virtual void SetGradientColorStart(TColor value);
    TColor GradientColorStop() const { return gradientColorStop_; }
    virtual void SetGradientColorStop(TColor value);
    TGradientDirection GradientDirection() const { return gradientDirection_; }
    virtual void SetGradientDirection(TGradientDirection value);
    TColor GridColor() const { return gridColor_; }
    virtual void SetGridColor(TColor value);
    TRzGridStyle GridStyle() const { return gridStyle_; }
    virtual void SetGridStyle(TRzGridStyle value);
    int GridXSize() const { return gridXSize_; }
    virtual void SetGridXSize(int value);
    int GridYSize() const { return gridYSize_; }
    virtual void SetGridYSize(int value);
    void SetGridSize(int xSize, int ySize);
    bool PaintClientArea() const { return paintClientArea_; }
    virtual void SetPaintClientArea(bool value);
    bool ShowGrid() const { return showGrid_; }
    virtual void SetShowGrid(bool value);
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value);
    int TextMargin() const { return textMargin_; }
    virtual void SetTextMargin(int value);
    int TextMarginVertical() const { return textMarginVertical_; }
    virtual void SetTextMarginVertical(int value);
    bool WordWrap() const { return wordWrap_; }
    virtual void SetWordWrap(bool value);
    TRzVisualStyle VisualStyle() const { return visualStyle_; }
    virtual void SetVisualStyle(TRzVisualStyle value);
    bool ShowDockClientCaptions() const { return showDockClientCaptions_; }
    void SetShowDockClientCaptions(bool value) { showDockClientCaptions_ = value; }
    bool Locked() const { return locked_; }
    void SetLocked(bool value) { locked_ = value; }
    bool DockSite() const { return dockSite_; }
    void SetDockSite(bool value);
    bool UseDockManager() const { return useDockManager_; }
    void SetUseDockManager(bool value);
    TRzPanelDockManager* DockManager() const { return dockManager_.get(); }

    // The client area: inside the frames unless the panel is a dock site.
    TRect ClientRect() const override;
    TRect AdjustClientRect(TRect rect) const override;
    // A bottom-aligned panel keeps its bottom edge, a right-aligned one
    // its right edge.
    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& message) override;
    void DefineProperties(TFiler& filer) override;

    virtual TPoint CursorPosition() const;
    virtual void ShrinkByBorders(TRect& rect, bool includeBorderWidth) const;
    virtual TRect ControlRect() const { return Rect(0, 0, Width(), Height()); }
    virtual TPoint RepaintMargins() const { return {1, 1}; }
    virtual void GetGradientColors(TColor& start, TColor& stop) const;
    virtual void GetFlatColors(TColor& color, int& adjustment) const;

protected:
    void Paint() override;
    // Plain solid tools and, unless the parent shows through, the background
    // erased in the panel's colour.
    void ErasePaint();
    virtual void PaintCaption(TRect rect);
    virtual void PaintGrid(const TRect& rect);
    bool IsTransparent() const override { return transparent_ && paintClientArea_; }
    void EnabledChanged() override;
    void Notification(TComponent* component, TOperation operation) override;
    void FrameLayoutChanged() override { Realign(); }
    void TakeFramingColor(TColor color) override { TPanel::SetColor(color); }
    void CreateDockManager();

private:
    TAlignmentVertical alignmentVertical_ = avCenter;
    bool paintClientArea_ = true;
    TRzVisualStyle visualStyle_ = vsWinXP;
    TRzGradientColorStyle gradientColorStyle_ = gcsSystem;
    TColor gradientColorStart_ = clWhite;
    TColor gradientColorStop_ = clBtnFace;
    TGradientDirection gradientDirection_ = gdHorizontalEnd;
    TColor gridColor_ = clBtnShadow;
    TRzGridStyle gridStyle_ = gsDots;
    int gridXSize_ = 8;
    int gridYSize_ = 8;
    bool showGrid_ = false;
    bool transparent_ = false;
    int textMargin_ = 0;
    int textMarginVertical_ = 0;
    bool wordWrap_ = true;
    bool showDockClientCaptions_ = true;
    bool locked_ = false;
    bool dockSite_ = false;
    bool useDockManager_ = true;
    // Each child's own Enabled when the panel was disabled.
    std::vector<std::pair<TControl*, bool>> enabledList_;
    std::unique_ptr<TRzPanelDockManager> dockManager_;
};

class TRzPanel : public TRzCustomPanel {
    KORVAN_CLASS(TRzPanel)
public:
    using TRzCustomPanel::TRzCustomPanel;
};

// Grabbers and captions of controls docked on a panel.
class TRzPanelDockManager {
public:
    explicit TRzPanelDockManager(TRzCustomPanel* dockSite);
    static constexpr int GrabberSize = 14;
    // Top- and bottom-aligned panels take the grabber on the left, others
    // on top.
    void AdjustDockRect(TControl* control, TRect& rect) const;
    void PaintDockFrame(TCanvas& canvas, TControl* control, const TRect& rect);
    TFont& CaptionFont() { return font_; }
    TFont& CloseFont() { return closeFont_; }

private:
    TRzCustomPanel* panel_;
    TFont font_;
    TFont closeFont_;
};

// The names of the pack's enumerations as the form stream writes them.
const std::vector<std::string>& GradientDirectionNames();

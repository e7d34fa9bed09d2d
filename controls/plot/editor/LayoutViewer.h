#pragma once
// The layout page's diagram of a plot: the data view in the middle, one band
// of cells per row on each side, and every layout object as a labelled block
// in its band. With the mouse a block moves to another band (before, after or
// into a row, or to the other direction), swaps places with a block of its
// own row, or has an end dragged to change its StartPercent or StopPercent.
// Every change goes straight into the plot's layout objects and layout
// manager and is reported through OnChange.

#include "controls/plot/core/VCLComponent.h"
#include "controls/plot/layout/LayoutManager.h"
#include "platform/gfx/GraphicsObjects.h"

#include <memory>
#include <vector>

class TiPlotMasterManager;
class TiPlotTranslationManager;

// One drop cell of the diagram.
struct TBlockObject {
    TRect ARect;
    int ZOrder = 0;
    // A band above or below the data view (true) or beside it (false).
    bool Horizontal = false;
    bool DataView = false;
    // The outermost top band.
    bool ToolBar = false;
};

enum TiLayoutEditMode { ilemNone, ilemDrag, ilemSize };
enum TiLayoutSizingSide { ilssStart, ilssStop };

class TiPlotLayoutViewer : public TiCustomComponent {
    KORVAN_CLASS(TiPlotLayoutViewer)
public:
    explicit TiPlotLayoutViewer(TComponent* owner);
    ~TiPlotLayoutViewer() override;

    TNotifyEvent OnChange;

    TiPlotLayoutManager* LayoutManager() const { return layoutManager_; }
    void SetLayoutManager(TiPlotLayoutManager* value);
    TiPlotMasterManager* Master() const { return master_; }
    void SetMaster(TiPlotMasterManager* value) { master_ = value; }
    TiPlotTranslationManager* TranslationManager() const { return translationManager_; }
    void SetTranslationManager(TiPlotTranslationManager* value);
    TiPlotLayoutObject* SelectedObject() const { return selectedBlock_; }
    void SetSelectedObject(TiPlotLayoutObject* value);

    // The first layout object, other than the data-view placeholders, whose
    // layout rectangle holds the point.
    TiPlotLayoutObject* GetMouseOverBlock(int x, int y) const;
    // The first cell under the point: a toolbar cell counts in its lower
    // half only, a data-view cell only within one cell of its edges.
    const TBlockObject* GetMouseOverBlock2(int x, int y) const;

    // What the diagram shows, for the editor and its tests.
    const std::vector<TBlockObject>& Blocks() const { return blockList_; }
    int CellWidth() const { return cellWidth_; }
    TRect DataViewRect() const { return dataViewRect_; }
    TiLayoutEditMode EditMode() const { return editMode_; }
    const TBlockObject* DropCell() const { return dragOverRefBlock2_; }
    TiInsertDirection InsertDirection() const { return insertDirection_; }
    TiPlotLayoutObject* SwapPartner() const { return overLayoutObject_; }
    TiPlotLayoutObject* ResizeBlock() const { return resizeBlock_; }

protected:
    void iPaintTo(TCanvas& canvas) override;
    void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void iMouseMove(TShiftState shift, int x, int y) override;
    void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    std::vector<TiPlotLayoutObject*> Objects() const;
    // Drops held objects that have left the layout manager meanwhile.
    void ForgetRemoved();
    // Cells, data view rectangle and every object's layout rectangle.
    void ComputeGeometry(TCanvas& canvas);
    void BuildCells();
    void PlaceObjects();
    void PaintBlocks(TCanvas& canvas);
    void PaintDropFrame(TCanvas& canvas);
    std::string DisplayName(const TiPlotLayoutObject& object) const;

    void HoverForResize(int x, int y);
    void DragOver(int x, int y);
    void SizeTo(int x, int y);
    // The first layout object that stands for the cell's row.
    TiPlotLayoutObject* ReferenceObject(const TBlockObject& cell) const;
    void DropSameDirection();
    void DropOtherDirection();
    void Changed();

    std::vector<TBlockObject> blockList_;
    int cellWidth_ = 0;
    bool mouseDown_ = false;
    int mouseDownX_ = 0;
    int mouseDownY_ = 0;
    double mouseDownStartPercent_ = 0;
    double mouseDownStopPercent_ = 0;
    TRect viewRect_;
    TRect dataViewRect_;
    int dataViewHeight_ = 0;
    int dataViewWidth_ = 0;
    TiLayoutEditMode editMode_ = ilemNone;
    TiLayoutSizingSide sizingSide_ = ilssStart;
    TiPlotLayoutObject* selectedBlock_ = nullptr;
    TiPlotLayoutObject* resizeBlock_ = nullptr;
    TiPlotLayoutObject* overLayoutObject_ = nullptr;
    // Points into blockList_, which stays as it is while a cell is shown.
    const TBlockObject* dragOverRefBlock2_ = nullptr;
    TiInsertDirection insertDirection_ = iidMerge;
    TiPlotLayoutManager* layoutManager_ = nullptr;
    TiPlotMasterManager* master_ = nullptr;
    std::unique_ptr<TFont> font_;
    TiPlotTranslationManager* translationManager_ = nullptr;
};

#pragma once
// The layout manager keeps the topology of a plot's layout objects (axes,
// toolbars, legends, labels, tables) around the data view: on which edge
// each lies and in which row counted outward from the data view (ZOrder).
// It numbers and renumbers rows as objects come, go and turn, and keeps
// one sorted list per edge with its number of distinct rows. It computes
// no pixels: the plot's layout pass walks the lists.
//
// The data view has two placeholders here, one among the horizontal and
// one among the vertical objects; their ZOrder is the data view's row.
// Horizontal objects in a higher row lie above the data view, the others
// below; vertical objects in a higher row lie to its right, the others to
// its left.

#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/core/PlotLayoutObject.h"

#include <string>
#include <vector>

// The layout part of the data view: its row among one orientation.
class TiPlotDataViewLayout : public TiPlotLayoutObject {
    KORVAN_CLASS(TiPlotDataViewLayout)
public:
    using TiPlotLayoutObject::TiPlotLayoutObject;
    TiLayoutRole LayoutRole() const override { return TiLayoutRole::DataViewPlaceholder; }

protected:
    ~TiPlotDataViewLayout() override = default;
};

class TiPlotDataViewHorz : public TiPlotDataViewLayout {
    KORVAN_CLASS(TiPlotDataViewHorz)
public:
    using TiPlotDataViewLayout::TiPlotDataViewLayout;

protected:
    ~TiPlotDataViewHorz() override = default;
};

class TiPlotDataViewVert : public TiPlotDataViewLayout {
    KORVAN_CLASS(TiPlotDataViewVert)
public:
    using TiPlotDataViewLayout::TiPlotDataViewLayout;

protected:
    ~TiPlotDataViewVert() override = default;
};

enum TiInsertDirection { iidMerge, iidBelow, iidAbove };

// One entry of an edge list: the object under its key, ZOrderKey followed
// by StartPercentKey ("002050": row 2, starting at 50 %).
struct TiEdgeEntry {
    std::string Key;
    TiPlotLayoutObject* Object = nullptr;
};
using TiEdgeList = std::vector<TiEdgeEntry>;

class TiPlotLayoutManager : public TiPlotObjectManagerCustom {
public:
    // Makes the two placeholders (row 1, named "Data View"); once the
    // master knows the manager (Make) they are completed with DoInsert and
    // the manager enables itself.
    TiPlotLayoutManager(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                        TNotifyEvent onRemove, TNotifyEvent onRename);

    TiPlotObject* CreateObject() override;
    std::string GetBaseName() const override { return "Layout Object"; }
    TiPlotLayoutObject* Items(int index) const;

    // Row maintenance; off while the plot loads or rebuilds. Switching it
    // on rebuilds the edge lists without renumbering.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // The plot shows X axes vertically: every axis turns.
    bool XYAxesReverse() const { return xyAxesReverse_; }
    void SetXYAxesReverse(bool value);

    void NotificationInsert(TObject* sender) override;
    void ObjectRemoved(TiPlotObject* object) override;
    void InsertZOrder(TiPlotLayoutObject* newObject, int desiredZOrder, TiInsertDirection direction);
    void RemoveZOrder(TiPlotLayoutObject* object);
    void RebuildEdgeLists();
    static int VisibleCount(const TiEdgeList& list);

    const TiEdgeList& TopList() const { return topList_; }
    const TiEdgeList& BottomList() const { return bottomList_; }
    const TiEdgeList& LeftList() const { return leftList_; }
    const TiEdgeList& RightList() const { return rightList_; }
    int TopUniqueCount() const { return topUniqueCount_; }
    int BottomUniqueCount() const { return bottomUniqueCount_; }
    int LeftUniqueCount() const { return leftUniqueCount_; }
    int RightUniqueCount() const { return rightUniqueCount_; }
    TiPlotDataViewHorz* DataViewHorz() const { return dataViewHorz_; }
    TiPlotDataViewVert* DataViewVert() const { return dataViewVert_; }

protected:
    ~TiPlotLayoutManager() override;
    void AfterConstruction() override;
    void BeforeDestruction() override;

private:
    std::vector<TiPlotLayoutObject*> LayoutObjects() const;
    // The listed objects that share `object`'s orientation; real data views
    // are never peers, the placeholders are.
    std::vector<TiPlotLayoutObject*> Peers(const TiPlotLayoutObject* object) const;
    void ReorientAxes();
    static void InsertSorted(TiEdgeList& list, TiEdgeEntry entry);
    static int CountRows(const TiEdgeList& list);

    bool xyAxesReverse_ = false;
    TiPlotDataViewHorz* dataViewHorz_ = nullptr;
    TiPlotDataViewVert* dataViewVert_ = nullptr;
    bool enabled_ = false;
    TiEdgeList topList_, bottomList_, leftList_, rightList_;
    int leftUniqueCount_ = 0, rightUniqueCount_ = 0, bottomUniqueCount_ = 0, topUniqueCount_ = 0;
};

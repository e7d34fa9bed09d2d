#include "controls/plot/layout/LayoutManager.h"

#include "platform/text/Exception.h"
#include "platform/text/IntText.h"

#include <algorithm>

using korvan::forms::ClassBuilder;

const TClassInfo& TiPlotDataViewLayout::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPlotDataViewLayout>("TiPlotDataViewLayout", &TiPlotLayoutObject::StaticClassInfo())
            .Build();
    return info;
}

const TClassInfo& TiPlotDataViewHorz::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPlotDataViewHorz>("TiPlotDataViewHorz", &TiPlotDataViewLayout::StaticClassInfo())
            .Build();
    return info;
}

const TClassInfo& TiPlotDataViewVert::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPlotDataViewVert>("TiPlotDataViewVert", &TiPlotDataViewLayout::StaticClassInfo())
            .Build();
    return info;
}

namespace {

bool IsAxis(const TiPlotLayoutObject* object) {
    const TiLayoutRole role = object->LayoutRole();
    return role == TiLayoutRole::XAxis || role == TiLayoutRole::YAxis;
}

bool IsRealDataView(const TiPlotLayoutObject* object) {
    return object->LayoutRole() == TiLayoutRole::DataView;
}

bool IsPlaceholder(const TiPlotLayoutObject* object) {
    return object->LayoutRole() == TiLayoutRole::DataViewPlaceholder;
}

// These follow the layout as it changes; tables do not.
bool RebuildsOnLayoutChange(const TiPlotLayoutObject* object) {
    switch (object->LayoutRole()) {
    case TiLayoutRole::XAxis:
    case TiLayoutRole::YAxis:
    case TiLayoutRole::Toolbar:
    case TiLayoutRole::Legend:
    case TiLayoutRole::DataView:
    case TiLayoutRole::Label:
        return true;
    default:
        return false;
    }
}

bool Overlap(const TiPlotLayoutObject* a, const TiPlotLayoutObject* b) {
    return (a->StartPercent() < b->StopPercent() && a->StopPercent() > b->StartPercent()) ||
           (a->StartPercent() == b->StartPercent() && a->StopPercent() == b->StopPercent());
}

template <class T> T* MakePlaceholder(TiPlotLayoutManager& manager, bool horizontal) {
    auto* placeholder = new T(manager.Owner(), manager.OnChange(), manager.OnInsert(), manager.OnRemove(),
                              manager.OnRename());
    placeholder->SetHorizontal(horizontal);
    placeholder->SetZOrder(1);
    placeholder->SetName("Data View");
    return placeholder;
}

} // namespace

TiPlotLayoutManager::TiPlotLayoutManager(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                         TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotObjectManagerCustom(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                                std::move(onRename)) {
    dataViewHorz_ = MakePlaceholder<TiPlotDataViewHorz>(*this, true);
    dataViewVert_ = MakePlaceholder<TiPlotDataViewVert>(*this, false);
}

void TiPlotLayoutManager::AfterConstruction() {
    for (TiPlotLayoutObject* placeholder :
         {static_cast<TiPlotLayoutObject*>(dataViewHorz_), static_cast<TiPlotLayoutObject*>(dataViewVert_)}) {
        placeholder->DoInsert();
        // The master lists it here; without one the manager does it itself.
        InsertObject(placeholder);
    }
    SetEnabled(true);
}

TiPlotLayoutManager::~TiPlotLayoutManager() = default;

void TiPlotLayoutManager::BeforeDestruction() {
    // Going away renumbers nothing.
    enabled_ = false;
    TiPlotDataViewHorz* horz = std::exchange(dataViewHorz_, nullptr);
    TiPlotDataViewVert* vert = std::exchange(dataViewVert_, nullptr);
    if (horz)
        horz->Free();
    if (vert)
        vert->Free();
    for (TiEdgeList* list : {&topList_, &bottomList_, &leftList_, &rightList_})
        list->clear();
    TiPlotObjectManagerCustom::BeforeDestruction();
}

TiPlotObject* TiPlotLayoutManager::CreateObject() {
    throw Exception("Layout Manager does not support creation of objects");
}

TiPlotLayoutObject* TiPlotLayoutManager::Items(int index) const {
    return dynamic_cast<TiPlotLayoutObject*>(TiPlotObjectManagerCustom::Items(index));
}

std::vector<TiPlotLayoutObject*> TiPlotLayoutManager::LayoutObjects() const {
    std::vector<TiPlotLayoutObject*> objects;
    for (TiPlotObject* object : List())
        if (auto* layoutObject = dynamic_cast<TiPlotLayoutObject*>(object))
            objects.push_back(layoutObject);
    return objects;
}

std::vector<TiPlotLayoutObject*> TiPlotLayoutManager::Peers(const TiPlotLayoutObject* object) const {
    std::vector<TiPlotLayoutObject*> peers;
    for (TiPlotLayoutObject* other : LayoutObjects())
        if (other != object && other->Horizontal() == object->Horizontal() && !IsRealDataView(other))
            peers.push_back(other);
    return peers;
}

void TiPlotLayoutManager::SetEnabled(bool value) {
    if (value == enabled_)
        return;
    enabled_ = value;
    if (value)
        RebuildEdgeLists();
}

void TiPlotLayoutManager::SetXYAxesReverse(bool value) {
    if (value == xyAxesReverse_)
        return;
    xyAxesReverse_ = value;
    if (enabled_)
        ReorientAxes();
}

void TiPlotLayoutManager::NotificationInsert(TObject* sender) {
    auto* object = dynamic_cast<TiPlotLayoutObject*>(sender);
    if (!object)
        return;
    InsertObject(object);
    if (RebuildsOnLayoutChange(object))
        object->OnLayoutChange = [this](TObject*) { RebuildEdgeLists(); };
    if (object->LayoutRole() == TiLayoutRole::XAxis)
        object->SetHorizontal(!xyAxesReverse_);
    else if (object->LayoutRole() == TiLayoutRole::YAxis)
        object->SetHorizontal(xyAxesReverse_);
    // Objects completed while disabled (a plot loading) keep their rows.
    if (enabled_)
        InsertZOrder(object, 0, iidMerge);
}

void TiPlotLayoutManager::ObjectRemoved(TiPlotObject* object) {
    auto* layoutObject = dynamic_cast<TiPlotLayoutObject*>(object);
    if (!layoutObject)
        return;
    for (TiEdgeList* list : {&topList_, &bottomList_, &leftList_, &rightList_})
        list->erase(std::remove_if(list->begin(), list->end(),
                                   [&](const TiEdgeEntry& entry) { return entry.Object == layoutObject; }),
                    list->end());
    if (enabled_)
        RemoveZOrder(layoutObject);
}

void TiPlotLayoutManager::InsertZOrder(TiPlotLayoutObject* newObject, int desiredZOrder,
                                       TiInsertDirection direction) {
    const std::vector<TiPlotLayoutObject*> peers = Peers(newObject);
    bool renumber = true;
    if (direction == iidMerge) {
        const bool mergeable = std::none_of(peers.begin(), peers.end(), [&](const TiPlotLayoutObject* peer) {
            return peer->ZOrder() == desiredZOrder && Overlap(peer, newObject);
        });
        if (mergeable) {
            newObject->SetZOrder(desiredZOrder);
            renumber = false;
        } else {
            const std::vector<TiPlotLayoutObject*> all = LayoutObjects();
            renumber = std::any_of(all.begin(), all.end(), [&](const TiPlotLayoutObject* other) {
                return other != newObject && other->Horizontal() == newObject->Horizontal() &&
                       other->ZOrder() == desiredZOrder;
            });
        }
    }
    if (renumber) {
        for (TiPlotLayoutObject* peer : peers)
            if (direction == iidAbove ? peer->ZOrder() > desiredZOrder : peer->ZOrder() >= desiredZOrder)
                peer->SetZOrder(peer->ZOrder() + 1);
        newObject->SetZOrder(direction == iidAbove ? desiredZOrder + 1 : desiredZOrder);
    }
    RebuildEdgeLists();
}

void TiPlotLayoutManager::RemoveZOrder(TiPlotLayoutObject* object) {
    const std::vector<TiPlotLayoutObject*> peers = Peers(object);
    const bool rowShared = std::any_of(peers.begin(), peers.end(), [&](const TiPlotLayoutObject* peer) {
        return peer->ZOrder() == object->ZOrder();
    });
    if (!rowShared)
        for (TiPlotLayoutObject* other : LayoutObjects())
            if (other != object && other->Horizontal() == object->Horizontal() &&
                other->ZOrder() > object->ZOrder())
                other->SetZOrder(other->ZOrder() - 1);
    RebuildEdgeLists();
}

void TiPlotLayoutManager::InsertSorted(TiEdgeList& list, TiEdgeEntry entry) {
    // Before the entries of an equal key.
    const auto at =
        std::lower_bound(list.begin(), list.end(), entry.Key,
                         [](const TiEdgeEntry& e, const std::string& key) { return e.Key < key; });
    list.insert(at, std::move(entry));
}

int TiPlotLayoutManager::CountRows(const TiEdgeList& list) {
    if (list.empty())
        return 0;
    auto row = [](const TiEdgeEntry& entry) { return StrToIntDef(entry.Key.substr(0, 3), 0); };
    int rows = 1;
    for (std::size_t i = 1; i < list.size(); ++i)
        if (row(list[i]) > row(list[i - 1]))
            ++rows;
    return rows;
}

void TiPlotLayoutManager::RebuildEdgeLists() {
    if (!enabled_ || !dataViewHorz_ || !dataViewVert_)
        return;
    for (TiEdgeList* list : {&topList_, &bottomList_, &leftList_, &rightList_})
        list->clear();
    for (TiPlotLayoutObject* object : LayoutObjects()) {
        if (IsRealDataView(object) || IsPlaceholder(object))
            continue;
        TiEdgeEntry entry{object->ZOrderKey() + object->StartPercentKey(), object};
        if (object->IsHorz()) {
            const bool above = dataViewHorz_->ZOrder() < object->ZOrder();
            object->SetReverseSide(above);
            InsertSorted(above ? topList_ : bottomList_, std::move(entry));
        } else {
            const bool right = dataViewVert_->ZOrder() < object->ZOrder();
            object->SetReverseSide(right);
            InsertSorted(right ? rightList_ : leftList_, std::move(entry));
        }
    }
    topUniqueCount_ = CountRows(topList_);
    bottomUniqueCount_ = CountRows(bottomList_);
    leftUniqueCount_ = CountRows(leftList_);
    rightUniqueCount_ = CountRows(rightList_);
}

int TiPlotLayoutManager::VisibleCount(const TiEdgeList& list) {
    return int(
        std::count_if(list.begin(), list.end(), [](const TiEdgeEntry& e) { return e.Object->Visible(); }));
}

void TiPlotLayoutManager::ReorientAxes() {
    // Keyed by the row as plain decimal text: row 10 sorts before row 2.
    TiEdgeList axes;
    for (TiPlotLayoutObject* object : LayoutObjects())
        if (IsAxis(object))
            InsertSorted(axes, {IntToStr(object->ZOrder()), object});
    for (const TiEdgeEntry& entry : axes) {
        TiPlotLayoutObject* axis = entry.Object;
        RemoveZOrder(axis);
        axis->SetHorizontal(axis->LayoutRole() == TiLayoutRole::XAxis ? !xyAxesReverse_ : xyAxesReverse_);
        InsertZOrder(axis, 0, iidMerge);
    }
}

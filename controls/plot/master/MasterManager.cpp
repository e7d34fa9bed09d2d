#include "controls/plot/master/MasterManager.h"

#include "controls/plot/layout/LayoutManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/LabelManager.h"
#include "controls/plot/objects/TranslationManager.h"
#include "platform/text/Exception.h"

#include <algorithm>

TiPlotMasterManager::TiPlotMasterManager(TComponent* owner) : owner_(owner) {
    // Each manager announces itself through the insert callback, which
    // records it; the owners only keep it alive.
    objectOwned_ = TiPlotObjectManagerCustom::Make<TiPlotObjectManager>(
        owner, ChangeCallback(), InsertCallback(), RemoveCallback(), RenameCallback());
    xAxisOwned_ = TiPlotObjectManagerCustom::Make<TiPlotXAxisManager>(
        owner, ChangeCallback(), InsertCallback(), RemoveCallback(), RenameCallback());
    yAxisOwned_ = TiPlotObjectManagerCustom::Make<TiPlotYAxisManager>(
        owner, ChangeCallback(), InsertCallback(), RemoveCallback(), RenameCallback());
    AdoptKindManager(TiPlotObjectManagerCustom::Make<TiPlotLabelManager>(
        owner, ChangeCallback(), InsertCallback(), RemoveCallback(), RenameCallback()));
    layoutOwned_ = TiPlotObjectManagerCustom::Make<TiPlotLayoutManager>(
        owner, ChangeCallback(), InsertCallback(), RemoveCallback(), RenameCallback());
    translationOwned_ = std::make_unique<TiPlotTranslationManager>(InsertCallback(), RemoveCallback());
}

TiPlotMasterManager::~TiPlotMasterManager() {
    // The plot is going: the form goes without telling it.
    FreeEditorForm(false);
    // Each manager frees its objects; every removal comes back through
    // DoObjectRemove while the other managers still exist.
    while (!adoptedOwned_.empty()) {
        adoptedOwned_.front().reset();
        adoptedOwned_.erase(adoptedOwned_.begin());
    }
    xAxisOwned_.reset();
    yAxisOwned_.reset();
    translationOwned_.reset();
    objectOwned_.reset();
    layoutOwned_.reset();
}

void TiPlotMasterManager::AdoptKindManager(TiManagerPtr<TiPlotObjectManagerCustom> manager) {
    if (!manager)
        return;
    if (std::find(adopted_.begin(), adopted_.end(), manager.get()) == adopted_.end())
        adopted_.push_back(manager.get());
    adoptedOwned_.push_back(std::move(manager));
}

std::vector<TiPlotObjectManagerCustom*> TiPlotMasterManager::KindManagers() const {
    std::vector<TiPlotObjectManagerCustom*> managers;
    if (xAxisManager_)
        managers.push_back(xAxisManager_);
    if (yAxisManager_)
        managers.push_back(yAxisManager_);
    managers.insert(managers.end(), adopted_.begin(), adopted_.end());
    return managers;
}

void TiPlotMasterManager::ForEachObject(const std::function<void(TiPlotObject*)>& action) const {
    for (TiPlotObjectManagerCustom* manager : KindManagers())
        for (int i = 0; i < manager->Count(); ++i)
            action(manager->Items(i));
}

TiPlotLabelManager* TiPlotMasterManager::LabelManager() const {
    return dynamic_cast<TiPlotLabelManager*>(KindManager(korvan::plot::kind::Label));
}

TiPlotObjectManagerCustom* TiPlotMasterManager::KindManager(std::string_view baseName) const {
    for (TiPlotObjectManagerCustom* manager : KindManagers())
        if (manager->GetBaseName() == baseName)
            return manager;
    return nullptr;
}

TiPlotObjectManagerCustom* TiPlotMasterManager::KindManagerOf(const TiPlotObject* object) const {
    for (TiPlotObjectManagerCustom* manager : KindManagers())
        if (manager->GetIndex(object) >= 0)
            return manager;
    return nullptr;
}

// ---------------------------------------------------------------- new objects

int TiPlotMasterManager::AddXAxis() {
    xAxisManager_->CreateObject()->DoInsert();
    return xAxisManager_->Count() - 1;
}

int TiPlotMasterManager::AddYAxis() {
    yAxisManager_->CreateObject()->DoInsert();
    return yAxisManager_->Count() - 1;
}

int TiPlotMasterManager::AddLabel() {
    return AddObject(korvan::plot::kind::Label);
}

int TiPlotMasterManager::AddObject(std::string_view baseName) {
    TiPlotObjectManagerCustom* manager = KindManager(baseName);
    if (!manager)
        throw Exception("No " + std::string(baseName) + " objects in this plot");
    manager->CreateObject()->DoInsert();
    return manager->Count() - 1;
}

int TiPlotMasterManager::AddTranslation() {
    return translationManager_ ? translationManager_->Add() : -1;
}

// ---------------------------------------------------------------- settings

void TiPlotMasterManager::SetUserCanEditObjects(bool value) {
    userCanEditObjects_ = value;
    ForEachObject([value](TiPlotObject* object) { object->SetUserCanEdit(value); });
}

void TiPlotMasterManager::SetXYAxesReverse(bool value) {
    xyAxesReverse_ = value;
    if (layoutManager_)
        layoutManager_->SetXYAxesReverse(value);
    ForEachObject([value](TiPlotObject* object) { object->SetXYAxesReversed(value); });
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}

void TiPlotMasterManager::ClearAllData() {
    if (ClearChannels)
        ClearChannels();
    for (TiPlotObjectManagerCustom* manager : {static_cast<TiPlotObjectManagerCustom*>(xAxisManager_),
                                               static_cast<TiPlotObjectManagerCustom*>(yAxisManager_)})
        if (manager)
            for (int i = 0; i < manager->Count(); ++i)
                if (auto* axis = dynamic_cast<TiPlotAxis*>(manager->Items(i)))
                    axis->ResetFirstAlign();
}

void TiPlotMasterManager::DeSelectAll() {
    if (objectManager_)
        objectManager_->ClearAllUserSelections();
}

// ---------------------------------------------------------------- callbacks

void TiPlotMasterManager::DoObjectChange(TObject* sender) {
    (void)sender;
    if (OnChange)
        OnChange(this);
}

void TiPlotMasterManager::DoObjectInsert(TObject* sender) {
    if (auto* object = dynamic_cast<TiPlotObject*>(sender)) {
        if (objectManager_)
            objectManager_->NotificationInsert(object);
        if (layoutManager_ && dynamic_cast<TiPlotLayoutObject*>(object))
            layoutManager_->NotificationInsert(object);
        for (TiPlotObjectManagerCustom* manager : KindManagers())
            manager->NotificationInsert(object);
        object->OnSetFocus = [this](TObject* s) { DoObjectSetFocus(s); };
        object->OnInvalidateNow = [this](TObject* s) {
            if (OnInvalidateNow)
                OnInvalidateNow(s);
        };
        object->SetUserCanEdit(userCanEditObjects_);
        object->OnEdit = [this](TObject* s) { DoObjectEdit(s); };
        object->SetXYAxesReversed(xyAxesReverse_);
        if (EditorTakesUpkeep())
            editorForm_->ObjectListed(object);
    } else if (auto* pair = dynamic_cast<TiPlotTranslationObject*>(sender)) {
        if (translationManager_)
            translationManager_->NotificationInsert(pair);
    } else if (auto* translations = dynamic_cast<TiPlotTranslationManager*>(sender)) {
        translationManager_ = translations;
    } else if (auto* xAxes = dynamic_cast<TiPlotXAxisManager*>(sender)) {
        xAxisManager_ = xAxes;
    } else if (auto* yAxes = dynamic_cast<TiPlotYAxisManager*>(sender)) {
        yAxisManager_ = yAxes;
    } else if (auto* layout = dynamic_cast<TiPlotLayoutManager*>(sender)) {
        layoutManager_ = layout;
    } else if (auto* all = dynamic_cast<TiPlotObjectManager*>(sender)) {
        objectManager_ = all;
    } else if (auto* kind = dynamic_cast<TiPlotObjectManagerCustom*>(sender)) {
        if (std::find(adopted_.begin(), adopted_.end(), kind) == adopted_.end())
            adopted_.push_back(kind);
    }
    if (OnInsert)
        OnInsert(sender);
}

void TiPlotMasterManager::DoObjectRemove(TObject* sender) {
    if (OnRemove)
        OnRemove(sender);
    if (auto* pair = dynamic_cast<TiPlotTranslationObject*>(sender)) {
        if (translationManager_)
            translationManager_->NotificationRemove(pair);
        return;
    }
    if (sender == translationManager_) {
        translationManager_ = nullptr;
        return;
    }
    if (auto* object = dynamic_cast<TiPlotObject*>(sender); object && EditorTakesUpkeep())
        editorForm_->ObjectUnlisted(object);
    if (objectManager_)
        objectManager_->NotificationRemove(sender);
    if (layoutManager_)
        layoutManager_->NotificationRemove(sender);
    for (TiPlotObjectManagerCustom* manager : KindManagers())
        manager->NotificationRemove(sender);
    if (sender == objectManager_)
        objectManager_ = nullptr;
    if (sender == xAxisManager_)
        xAxisManager_ = nullptr;
    if (sender == yAxisManager_)
        yAxisManager_ = nullptr;
    if (sender == layoutManager_)
        layoutManager_ = nullptr;
    adopted_.erase(std::remove(adopted_.begin(), adopted_.end(), sender), adopted_.end());
}

void TiPlotMasterManager::DoObjectRename(TObject* sender) {
    for (TiPlotObjectManagerCustom* manager : KindManagers())
        manager->NotificationRename(sender);
    if (layoutManager_)
        layoutManager_->NotificationRename(sender);
    if (auto* object = dynamic_cast<TiPlotObject*>(sender); object && EditorTakesUpkeep())
        editorForm_->ObjectRenamed(object);
}

void TiPlotMasterManager::DoObjectSetFocus(TObject* sender) {
    for (TiPlotObjectManagerCustom* manager : KindManagers())
        manager->NotificationSetFocus(sender);
    if (layoutManager_)
        layoutManager_->NotificationSetFocus(sender);
}

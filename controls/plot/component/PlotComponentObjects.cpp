// Adding, counting, finding and deleting the plot's objects and
// translations, and the layout manager and tracking switches.

#include "controls/plot/component/PlotComponent.h"

#include "controls/plot/axes/AxisManagers.h"
#include "controls/plot/layout/LayoutManager.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/LabelManager.h"
#include "controls/plot/objects/TranslationManager.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/gfx/Bitmap.h"
#include "platform/text/DateTime.h"
#include "platform/text/Exception.h"

namespace kind = korvan::plot::kind;

TiPlotObjectManagerCustom* TiPlotComponent::Kind(std::string_view kindName) const {
    return master_->KindManager(kindName);
}

TiPlotObjectManagerCustom* TiPlotComponent::RequireKind(std::string_view kindName) const {
    TiPlotObjectManagerCustom* manager = Kind(kindName);
    if (!manager)
        throw Exception("No " + std::string(kindName) + " objects in this plot");
    return manager;
}

// ---------------------------------------------------------------- any kind

int TiPlotComponent::KindCount(std::string_view kindName) const {
    TiPlotObjectManagerCustom* manager = Kind(kindName);
    return manager ? manager->Count() : 0;
}

TiPlotObject* TiPlotComponent::KindObject(std::string_view kindName, int index) const {
    return RequireKind(kindName)->Items(index);
}

TiPlotObject* TiPlotComponent::GetKindObjectByName(std::string_view kindName, std::string_view name) const {
    TiPlotObjectManagerCustom* manager = Kind(kindName);
    return manager ? manager->GetObjectByName(name) : nullptr;
}

int TiPlotComponent::GetKindIndexByName(std::string_view kindName, std::string_view name) const {
    TiPlotObjectManagerCustom* manager = Kind(kindName);
    return manager ? manager->GetIndexByName(name) : -1;
}

void TiPlotComponent::RemoveAllOfKind(std::string_view kindName) {
    if (TiPlotObjectManagerCustom* manager = Kind(kindName))
        manager->Clear();
    InvalidateNow();
}

void TiPlotComponent::DeleteOfKind(std::string_view kindName, int index) {
    TiPlotObject* object = RequireKind(kindName)->Items(index);
    object->Free();
    InvalidateNow();
}

// ---------------------------------------------------------------- adding

int TiPlotComponent::AddOfKind(std::string_view kindName) {
    if (kindName == kind::XAxis)
        return AddXAxis();
    if (kindName == kind::YAxis)
        return AddYAxis();
    if (kindName == kind::Label)
        return AddLabel();
    if (kindName == kind::Annotation)
        return AddAnnotation();
    return master_->AddObject(kindName);
}

int TiPlotComponent::AddXAxis() {
    return master_->AddXAxis();
}
int TiPlotComponent::AddYAxis() {
    return master_->AddYAxis();
}
int TiPlotComponent::AddLabel() {
    return master_->AddLabel();
}
int TiPlotComponent::AddChannel() {
    return master_->AddObject(kind::Channel);
}
int TiPlotComponent::AddDataView() {
    return master_->AddObject(kind::DataView);
}
int TiPlotComponent::AddDataCursor() {
    return master_->AddObject(kind::DataCursor);
}
int TiPlotComponent::AddLegend() {
    return master_->AddObject(kind::Legend);
}
int TiPlotComponent::AddTable() {
    return master_->AddObject(kind::Table);
}
int TiPlotComponent::AddToolBar() {
    return master_->AddObject(kind::ToolBar);
}
int TiPlotComponent::AddLimit() {
    return master_->AddObject(kind::Limit);
}
namespace {

// Sets a published ordinal property of an object whose class lives
// elsewhere; nothing when it has no such property.
void SetOrdinal(TiPlotObject* object, std::string_view name, std::int64_t value) {
    const ObjectRef ref = ObjectRefOf(object);
    if (const TPropInfo* prop = GetPropInfo(ref, name); prop && prop->SetOrd)
        SetOrdProp(ref, *prop, value);
}

} // namespace

int TiPlotComponent::AddAnnotation() {
    const int index = master_->AddObject(kind::Annotation);
    TiPlotObject* annotation = KindObject(kind::Annotation, index);
    SetOrdinal(annotation, "BrushStyle", annotationDefaultBrushStyle_);
    SetOrdinal(annotation, "BrushColor", annotationDefaultBrushColor_);
    SetOrdinal(annotation, "PenStyle", annotationDefaultPenStyle_);
    SetOrdinal(annotation, "PenColor", annotationDefaultPenColor_);
    SetOrdinal(annotation, "PenWidth", annotationDefaultPenWidth_);
    SetOrdinal(annotation, "Reference", annotationDefaultReference_);
    SetOrdinal(annotation, "ReferencePositionX", annotationDefaultPositionX_);
    SetOrdinal(annotation, "ReferencePositionY", annotationDefaultPositionY_);
    SetOrdinal(annotation, "ReferenceSizeX", annotationDefaultSizeX_);
    SetOrdinal(annotation, "ReferenceSizeY", annotationDefaultSizeY_);
    const ObjectRef ref = ObjectRefOf(annotation);
    if (const TPropInfo* font = GetPropInfo(ref, "Font"); font && font->GetObj)
        if (const ObjectRef target = GetObjectProp(ref, *font);
            target && target.Class == &korvan::forms::ForeignClassInfo<TFont>::Get())
            static_cast<TFont*>(target.Ptr)->Assign(*annotationDefaultFont_);
    return index;
}

// ---------------------------------------------------------------- counting

int TiPlotComponent::XAxisCount() const {
    return KindCount(kind::XAxis);
}
int TiPlotComponent::YAxisCount() const {
    return KindCount(kind::YAxis);
}
int TiPlotComponent::LabelCount() const {
    return KindCount(kind::Label);
}
int TiPlotComponent::ChannelCount() const {
    return KindCount(kind::Channel);
}
int TiPlotComponent::DataViewCount() const {
    return KindCount(kind::DataView);
}
int TiPlotComponent::DataCursorCount() const {
    return KindCount(kind::DataCursor);
}
int TiPlotComponent::LegendCount() const {
    return KindCount(kind::Legend);
}
int TiPlotComponent::TableCount() const {
    return KindCount(kind::Table);
}
int TiPlotComponent::ToolBarCount() const {
    return KindCount(kind::ToolBar);
}
int TiPlotComponent::LimitCount() const {
    return KindCount(kind::Limit);
}
int TiPlotComponent::AnnotationCount() const {
    return KindCount(kind::Annotation);
}

// ---------------------------------------------------------------- typed lookups

TiPlotXAxis* TiPlotComponent::XAxis(int index) const {
    return master_->XAxisManager()->Items(index);
}
TiPlotYAxis* TiPlotComponent::YAxis(int index) const {
    return master_->YAxisManager()->Items(index);
}
TiPlotLabel* TiPlotComponent::Label(int index) const {
    return master_->LabelManager()->Items(index);
}
TiPlotXAxis* TiPlotComponent::GetXAxisByName(std::string_view name) const {
    return static_cast<TiPlotXAxis*>(master_->XAxisManager()->GetObjectByName(name));
}
TiPlotYAxis* TiPlotComponent::GetYAxisByName(std::string_view name) const {
    return static_cast<TiPlotYAxis*>(master_->YAxisManager()->GetObjectByName(name));
}
TiPlotLabel* TiPlotComponent::GetLabelByName(std::string_view name) const {
    return static_cast<TiPlotLabel*>(master_->LabelManager()->GetObjectByName(name));
}
int TiPlotComponent::GetXAxisIndexByName(std::string_view name) const {
    return master_->XAxisManager()->GetIndexByName(name);
}
int TiPlotComponent::GetYAxisIndexByName(std::string_view name) const {
    return master_->YAxisManager()->GetIndexByName(name);
}
int TiPlotComponent::GetLabelIndexByName(std::string_view name) const {
    return master_->LabelManager()->GetIndexByName(name);
}

// ---------------------------------------------------------------- removing

void TiPlotComponent::RemoveAllXAxes() {
    RemoveAllOfKind(kind::XAxis);
}
void TiPlotComponent::RemoveAllYAxes() {
    RemoveAllOfKind(kind::YAxis);
}
void TiPlotComponent::RemoveAllChannels() {
    RemoveAllOfKind(kind::Channel);
}
void TiPlotComponent::RemoveAllDataViews() {
    RemoveAllOfKind(kind::DataView);
}
void TiPlotComponent::RemoveAllDataCursors() {
    RemoveAllOfKind(kind::DataCursor);
}
void TiPlotComponent::RemoveAllLegends() {
    RemoveAllOfKind(kind::Legend);
}
void TiPlotComponent::RemoveAllTables() {
    RemoveAllOfKind(kind::Table);
}
void TiPlotComponent::RemoveAllToolBars() {
    RemoveAllOfKind(kind::ToolBar);
}
void TiPlotComponent::RemoveAllLimits() {
    RemoveAllOfKind(kind::Limit);
}
void TiPlotComponent::RemoveAllAnnotations() {
    RemoveAllOfKind(kind::Annotation);
}

void TiPlotComponent::RemoveAllLabels() {
    while (LabelCount() > 1)
        Label(1)->Free();
    InvalidateNow();
}

void TiPlotComponent::RemoveAllTranslations() {
    master_->TranslationManager()->Clear();
    InvalidateNow();
}

void TiPlotComponent::DeleteXAxis(int index) {
    DeleteOfKind(kind::XAxis, index);
}
void TiPlotComponent::DeleteYAxis(int index) {
    DeleteOfKind(kind::YAxis, index);
}
void TiPlotComponent::DeleteChannel(int index) {
    DeleteOfKind(kind::Channel, index);
}
void TiPlotComponent::DeleteDataView(int index) {
    DeleteOfKind(kind::DataView, index);
}
void TiPlotComponent::DeleteDataCursor(int index) {
    DeleteOfKind(kind::DataCursor, index);
}
void TiPlotComponent::DeleteLegend(int index) {
    DeleteOfKind(kind::Legend, index);
}
void TiPlotComponent::DeleteTable(int index) {
    DeleteOfKind(kind::Table, index);
}
void TiPlotComponent::DeleteToolBar(int index) {
    DeleteOfKind(kind::ToolBar, index);
}
void TiPlotComponent::DeleteLimit(int index) {
    DeleteOfKind(kind::Limit, index);
}
void TiPlotComponent::DeleteAnnotation(int index) {
    DeleteOfKind(kind::Annotation, index);
}

void TiPlotComponent::DeleteLabel(int index) {
    if (index == 0)
        throw Exception("Label Index 0 can not be Deleted (Resevered for Title)");
    DeleteOfKind(kind::Label, index);
}

void TiPlotComponent::DeleteTranslation(int index) {
    master_->TranslationManager()->Delete(index);
    InvalidateNow();
}

// ---------------------------------------------------------------- translations

int TiPlotComponent::AddTranslation(const std::string& originalString, const std::string& replacementString) {
    return master_->TranslationManager()->Add(originalString, replacementString);
}

int TiPlotComponent::TranslationCount() const {
    return master_->TranslationManager()->Count();
}

std::string TiPlotComponent::GetTranslationOriginalString(int index) const {
    return master_->TranslationManager()->Items(index)->OriginalString();
}

std::string TiPlotComponent::GetTranslationReplacementString(int index) const {
    return master_->TranslationManager()->Items(index)->ReplacementString();
}

void TiPlotComponent::SaveTranslationsToFile(const std::string& fileName) {
    master_->TranslationManager()->SaveToFile(fileName);
}

void TiPlotComponent::LoadTranslationsFromFile(const std::string& fileName) {
    master_->TranslationManager()->LoadFromFile(fileName);
}

std::string TiPlotComponent::GetTranslation(const std::string& text) {
    return master_->TranslationManager() ? master_->TranslationManager()->FindReplacement(text) : text;
}

// ---------------------------------------------------------------- switches

void TiPlotComponent::DisableLayoutManager() {
    master_->LayoutManager()->SetEnabled(false);
}

void TiPlotComponent::EnableLayoutManager() {
    master_->LayoutManager()->SetEnabled(true);
}

void TiPlotComponent::RefreshLayoutManager() {
    DisableLayoutManager();
    EnableLayoutManager();
}

void TiPlotComponent::ReCalcLayout() {
    TBitmap scratch(std::max(Width(), 1), std::max(Height(), 1));
    iPaintTo(scratch.Canvas());
}

void TiPlotComponent::DisableAllTracking() {
    for (int i = 0; i < XAxisCount(); ++i)
        XAxis(i)->SetTrackingEnabled(false);
    for (int i = 0; i < YAxisCount(); ++i)
        YAxis(i)->SetTrackingEnabled(false);
}

void TiPlotComponent::EnableAllTracking() {
    for (int i = 0; i < XAxisCount(); ++i)
        XAxis(i)->SetTrackingEnabled(true);
    for (int i = 0; i < YAxisCount(); ++i)
        YAxis(i)->SetTrackingEnabled(true);
}

void TiPlotComponent::ClearAllData() {
    // The buffered rows are written while their points still exist.
    if (loggingActive_)
        LogDeactivate();
    master_->ClearAllData();
}

double TiPlotComponent::GetNow() const {
    return Now();
}

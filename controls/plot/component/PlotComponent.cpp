#include "controls/plot/component/PlotComponent.h"

#include "controls/plot/channels/ChannelManager.h"
#include "controls/plot/layout/LayoutManager.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/DataViewManager.h"
#include "controls/plot/objects/LabelManager.h"
#include "controls/plot/objects/OverlayKinds.h"
#include "controls/plot/objects/TranslationManager.h"
#include "platform/forms/Menus.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Pictures.h"
#include "platform/text/Exception.h"

#include <utility>

namespace kind = korvan::plot::kind;

TiPlotComponent::TiPlotComponent(TComponent* owner)
    : TiCustomComponent(owner), hintsFont_(std::make_unique<TFont>()),
      annotationDefaultFont_(std::make_unique<TFont>()) {
    SetBounds(Left(), Top(), 500, 200);
    SetBackGroundColor(clBlack);
    SetBorderStyle(ibsLowered);
    SetUpdateFrameRate(60);
    SetAutoFrameRate(true);

    master_ = std::make_unique<TiPlotMasterManager>(this);
    master_->OnChange = [this](TObject*) { MasterChange(); };
    master_->OnRemove = [this](TObject* sender) { MasterObjectRemove(sender); };
    master_->OnInsert = [this](TObject* sender) { MasterObjectInsert(sender); };
    master_->OnInvalidateNow = [this](TObject*) { InvalidateNow(); };
    korvan::plot::AdoptToolBarManager(*master_);
    korvan::plot::AdoptLegendManager(*master_);
    channels_ = korvan::plot::AdoptChannelManager(*master_);
    korvan::plot::AdoptDataViewManager(*master_);
    korvan::plot::AdoptOverlayKinds(*master_);

    popupMenu_ = std::make_unique<TPopupMenu>(nullptr);
    hintsFont_->OnChange = [this] { InvalidateChange(); };
    for (auto& list : imageLists_) {
        list = std::make_unique<TImageList>(24, 24);
        list->OnChange = [this] { InvalidateChange(); };
    }
    annotationDefaultFont_->SetColor(clWhite);
    master_->SetUserCanEditObjects(true);
    OnInternalTimer = [this](TObject*) { HintTimerTick(); };
}

TiPlotComponent::~TiPlotComponent() {
    OnInternalTimer = nullptr;
    TimerStop();
    mouseDownTarget_ = {};
    // The objects go with the master; none of their notices may reach this
    // half-destroyed plot.
    master_->OnChange = nullptr;
    master_->OnRemove = nullptr;
    master_->OnInsert = nullptr;
    master_->OnInvalidateNow = nullptr;
    master_.reset();
    for (auto& list : imageLists_)
        list->OnChange = nullptr;
    hintsFont_->OnChange = nullptr;
}

// ---------------------------------------------------------------- settings

int TiPlotComponent::DataViewZHorz() const {
    return master_->LayoutManager()->DataViewHorz()->ZOrder();
}

void TiPlotComponent::SetDataViewZHorz(int value) {
    master_->LayoutManager()->DataViewHorz()->SetZOrder(value);
}

int TiPlotComponent::DataViewZVert() const {
    return master_->LayoutManager()->DataViewVert()->ZOrder();
}

void TiPlotComponent::SetDataViewZVert(int value) {
    master_->LayoutManager()->DataViewVert()->SetZOrder(value);
}

bool TiPlotComponent::XYAxesReverse() const {
    return master_->XYAxesReverse();
}

void TiPlotComponent::SetXYAxesReverse(bool value) {
    master_->SetXYAxesReverse(value);
}

bool TiPlotComponent::UserCanEditObjects() const {
    return master_->UserCanEditObjects();
}

void TiPlotComponent::SetUserCanEditObjects(bool value) {
    master_->SetUserCanEditObjects(value);
}

void TiPlotComponent::SetHintsFont(TFont* value) {
    if (value)
        hintsFont_->Assign(*value);
}

void TiPlotComponent::SetAnnotationDefaultFont(TFont* value) {
    if (value)
        annotationDefaultFont_->Assign(*value);
}

void TiPlotComponent::SetLogFileName(const std::string& value) {
    if (loggingActive_)
        throw Exception("Log File Name can not be changed while logging is active.");
    logFileName_ = value;
}

void TiPlotComponent::SetBackGroundGradientDirection(TiFillDirection value) {
    if (value == backGroundGradientDirection_)
        return;
    backGroundGradientDirection_ = value;
    InvalidateChange();
}

void TiPlotComponent::SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator value) {
    if (loggingActive_ && value != dataFileColumnSeparator_)
        throw Exception("Data File Column Seperator can not be changed while logging active");
    dataFileColumnSeparator_ = value;
}

void TiPlotComponent::SetDataFileFormat(TiPlotDataFileFormat value) {
    if (loggingActive_)
        throw Exception("Data File Format can not be changed while logging active");
    dataFileFormat_ = value;
}

char TiPlotComponent::GetDataFileColumnSeparatorChar() const {
    return dataFileColumnSeparator_ == ipdfcsComma ? ',' : '\t';
}

char TiPlotComponent::GetDataFileColumnSeparatorChar() {
    return std::as_const(*this).GetDataFileColumnSeparatorChar();
}

// ---------------------------------------------------------------- title

bool TiPlotComponent::TitleVisible() const {
    return LabelCount() > 0 && Label(0)->Visible();
}

void TiPlotComponent::SetTitleVisible(bool value) {
    if (LabelCount() > 0)
        Label(0)->SetVisible(value);
}

std::string TiPlotComponent::TitleText() const {
    return LabelCount() > 0 ? Label(0)->Caption() : std::string();
}

void TiPlotComponent::SetTitleText(const std::string& value) {
    if (LabelCount() > 0)
        Label(0)->SetCaption(value);
}

TFont* TiPlotComponent::TitleFont() const {
    return LabelCount() > 0 ? Label(0)->Font() : const_cast<TFont*>(&Font());
}

void TiPlotComponent::SetTitleFont(TFont* value) {
    if (LabelCount() > 0)
        Label(0)->SetFont(value);
}

double TiPlotComponent::TitleMargin() const {
    return LabelCount() > 0 ? Label(0)->MarginBottom() : 0.0;
}

void TiPlotComponent::SetTitleMargin(double value) {
    if (LabelCount() > 0)
        Label(0)->SetMarginBottom(value);
}

// ---------------------------------------------------------------- master callbacks

// Add and remove events fire while loading too.
void TiPlotComponent::MasterObjectInsert(TObject* object) {
    if (auto* plotObject = dynamic_cast<TiPlotObject*>(object)) {
        const KindEvents kindEvents = EventsOf(plotObject);
        if (kindEvents.addRemove && kindEvents.events->OnAdd)
            kindEvents.events->OnAdd(kindEvents.index);
    }
}

void TiPlotComponent::MasterObjectRemove(TObject* object) {
    ForgetMouseObject(object);
    if (auto* plotObject = dynamic_cast<TiPlotObject*>(object)) {
        const KindEvents kindEvents = EventsOf(plotObject);
        if (kindEvents.addRemove && kindEvents.events->OnRemove)
            kindEvents.events->OnRemove(kindEvents.index);
    }
}

void TiPlotComponent::MasterChange() {
    InvalidateChange();
}

#include "controls/plot/editor/PlotEditorForm.h"

#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/core/PlotObject.h"
#include "controls/plot/editor/EditorFrames.h"
#include "controls/plot/editor/EditorListBox.h"
#include "controls/plot/editor/EditorPages.h"
#include "controls/plot/editor/LayoutViewer.h"
#include "controls/plot/editor/PlotEditorFileCommands.h"
#include "controls/plot/editor/PlotEditorGeneralPage.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/LabelManager.h"
#include "controls/plot/objects/PlotLabel.h"
#include "platform/forms/ComCtrls.h"

#include <array>

using korvan::plot::editor::EditorPage;
using korvan::plot::editor::GeneralPage;
namespace kind = korvan::plot::kind;

const TClassInfo& TiPlotEditorForm::StaticClassInfo() {
    static const TClassInfo info = korvan::forms::ClassBuilder<TiPlotEditorForm>(
                                       "TiPlotEditorForm", &TiCustomEditorForm::StaticClassInfo())
                                       .Build();
    return info;
}

namespace {

// Load order of UpdateAll.
constexpr std::array<std::string_view, 10> kLoadOrder{
    kind::ToolBar,  kind::Legend,     kind::XAxis, kind::YAxis, kind::Channel,
    kind::DataView, kind::DataCursor, kind::Limit, kind::Label, kind::Table};

} // namespace

TiPlotEditorForm::TiPlotEditorForm(TComponent* owner) : TiCustomEditorForm(owner) {
    SetText("Plot");
    SetBorderStyle(bsDialog);
    SetClientWidth(576);
    SetClientHeight(272);
    BuildPages();
    OnClose = [this](TObject* sender, TCloseAction& action) { iCustomEditorFormClose(sender, action); };
    OnActivate = [this](TObject*) { ActivationChanged(); };
    OnDeactivate = [this](TObject*) { ActivationChanged(); };
}

TiPlotEditorForm::~TiPlotEditorForm() {
    if (plot_) {
        plot_->RemoveFreeNotification(this);
        if (plot_->OnAfterCloseEditor)
            plot_->OnAfterCloseEditor(this);
    }
    // The controls go while the pages their handlers reach still exist; a
    // commit on the way (focus leaving an edit) changes nothing.
    tearingDown_ = true;
    DestroyComponents();
}

TTabSheet* TiPlotEditorForm::NewSheet(const char* name, const char* caption) {
    auto* sheet = new TTabSheet(this);
    sheet->SetPageControl(pageControl_);
    if (*name)
        sheet->SetName(name);
    sheet->SetText(caption);
    return sheet;
}

void TiPlotEditorForm::BuildPages() {
    pageControl_ = new TiComponentEditorPageControl(this);
    pageControl_->SetName("PageControl");
    pageControl_->SetParent(this);
    pageControl_->SetAlign(alClient);
    general_ = std::make_unique<GeneralPage>(
        *this, *NewSheet("", "Control"), [this] { GeneralChanged(); }, [this] { TitleChange(); });
    BuildLayoutPage(*NewSheet("LayoutTabSheet", "Layout"));
    using Describe = korvan::plot::editor::KindPage (*)();
    for (Describe describe : {&korvan::plot::editor::ChannelPage, &korvan::plot::editor::DataCursorPage,
                              &korvan::plot::editor::LimitPage, &korvan::plot::editor::LabelPage,
                              &korvan::plot::editor::XAxisPage, &korvan::plot::editor::YAxisPage,
                              &korvan::plot::editor::LegendPage, &korvan::plot::editor::TablePage,
                              &korvan::plot::editor::ToolBarPage, &korvan::plot::editor::DataViewPage}) {
        auto* sheet = NewSheet("", "");
        pages_.push_back(std::make_unique<EditorPage>(*this, *sheet, describe(), *this));
        EditorPage& page = *pages_.back();
        const std::string kindName(page.Description().kind);
        if (auto* add = page.Find<TControl>(page.Description().addButton))
            add->OnClick = [this, kindName](TObject*) { AddClick(kindName); };
        if (auto* remove = page.Find<TControl>(page.Description().removeButton))
            remove->OnClick = [this, kindName](TObject*) { RemoveClick(kindName); };
    }
    korvan::plot::editor::BindPlotFileCommands(*this);
    pageControl_->SetActivePageIndex(0);
}

void TiPlotEditorForm::SetMaster(TiPlotMasterManager* value) {
    master_ = value;
}

void TiPlotEditorForm::SetPlotComponent(TiPlotComponent* value) {
    if (value == plot_)
        return;
    if (plot_)
        plot_->RemoveFreeNotification(this);
    plot_ = value;
    if (plot_)
        plot_->FreeNotification(this);
}

void TiPlotEditorForm::Notification(TComponent* component, TOperation operation) {
    TiCustomEditorForm::Notification(component, operation);
    if (operation == opRemove && component == plot_) {
        plot_ = nullptr;
        master_ = nullptr;
        rightClickObject_ = nullptr;
    }
}

EditorPage* TiPlotEditorForm::Page(std::string_view kindName) const {
    for (const auto& page : pages_)
        if (page->Description().kind == kindName)
            return page.get();
    return nullptr;
}

std::string TiPlotEditorForm::KindOf(const TiPlotObject* object) const {
    TiPlotObjectManagerCustom* manager = master_ && object ? master_->KindManagerOf(object) : nullptr;
    return manager ? manager->GetBaseName() : std::string();
}

EditorPage* TiPlotEditorForm::PageOf(const TiPlotObject* object) const {
    return Page(KindOf(object));
}

// ---------------------------------------------------------------- loading

void TiPlotEditorForm::UpdateKind(std::string_view kindName) {
    if (EditorPage* page = Page(kindName))
        page->Load();
}

void TiPlotEditorForm::UpdateToolBarEdit() {
    UpdateKind(kind::ToolBar);
}
void TiPlotEditorForm::UpdateLegendEdit() {
    UpdateKind(kind::Legend);
}
void TiPlotEditorForm::UpdateTableEdit() {
    UpdateKind(kind::Table);
}
void TiPlotEditorForm::UpdateXAxesEdit() {
    UpdateKind(kind::XAxis);
}
void TiPlotEditorForm::UpdateYAxesEdit() {
    UpdateKind(kind::YAxis);
}
void TiPlotEditorForm::UpdateChannelEdit() {
    UpdateKind(kind::Channel);
}
void TiPlotEditorForm::UpdateDataViewEdit() {
    UpdateKind(kind::DataView);
}
void TiPlotEditorForm::UpdateDataCursorEdit() {
    UpdateKind(kind::DataCursor);
}
void TiPlotEditorForm::UpdateLimitEdit() {
    UpdateKind(kind::Limit);
}
void TiPlotEditorForm::UpdateLabelEdit() {
    UpdateKind(kind::Label);
}

void TiPlotEditorForm::UpdateAll() {
    for (std::string_view kindName : kLoadOrder)
        UpdateKind(kindName);
}

void TiPlotEditorForm::FillLists() {
    for (std::string_view kindName : kLoadOrder) {
        EditorPage* page = Page(kindName);
        TiPlotObjectManagerCustom* manager = master_ ? master_->KindManager(kindName) : nullptr;
        if (!page)
            continue;
        page->List()->Items()->Clear();
        for (int i = 0; manager && i < manager->Count(); ++i)
            page->List()->Items()->AddObject("", manager->Items(i));
        page->List()->SetItemIndex(page->List()->Items()->Count() > 0 ? 0 : -1);
        page->Load();
    }
}

void TiPlotEditorForm::PageChanged(EditorPage& page) {
    // The first label is the plot's title, which the general page shows too.
    if (page.Description().kind != kind::Label || !master_ || !master_->LabelManager())
        return;
    TiPlotLabelManager* labels = master_->LabelManager();
    if (labels->Count() > 0 && page.Selected() == labels->Items(0))
        LoadTitleControls();
}

// ---------------------------------------------------------------- commands

void TiPlotEditorForm::AddClick(std::string_view kindName) {
    EditorPage* page = Page(kindName);
    if (!master_ || !page)
        return;
    master_->AddObject(kindName);
    page->List()->SelectLast();
    page->Load();
}

void TiPlotEditorForm::RemoveClick(std::string_view kindName) {
    EditorPage* page = Page(kindName);
    if (!page)
        return;
    TiComponentEditorListBox* list = page->List();
    if (auto* object = page->Selected()) {
        const int before = list->Items()->Count();
        // Freed the plot's way: the master drops its line from the list.
        object->Free();
        if (list->Items()->Count() == before)
            list->DeleteObjectIndex(object);
    }
    page->Load();
    if (kindName == kind::XAxis || kindName == kind::YAxis)
        UpdateChannelEdit();
}

void TiPlotEditorForm::GeneralChanged() {
    if (master_ && !tearingDown_)
        master_->BasicPropertyChanged();
}

void TiPlotEditorForm::TitleChange() {
    TiPlotLabelManager* labels = master_ && !tearingDown_ ? master_->LabelManager() : nullptr;
    if (!labels || labels->Count() == 0)
        return;
    general_->WriteTitle(*labels->Items(0));
    UpdateLabelEdit();
}

void TiPlotEditorForm::LoadTitleControls() {
    TiPlotLabelManager* labels = master_ ? master_->LabelManager() : nullptr;
    if (labels && labels->Count() > 0)
        general_->LoadTitle(*labels->Items(0));
}

// ---------------------------------------------------------------- window life

void TiPlotEditorForm::iCustomEditorFormClose(TObject*, TCloseAction&) {
    isClosing_ = true;
}

void TiPlotEditorForm::ActivationChanged() {
    if (FormStyle() == fsStayOnTop && !isClosing_)
        UpdateAll();
}

// ---------------------------------------------------------------- master upkeep

void TiPlotEditorForm::ObjectListed(TiPlotObject* object) {
    EditorPage* page = PageOf(object);
    if (!page)
        return;
    page->List()->Items()->AddObject("", object);
    page->List()->SelectLast();
    page->Load();
}

void TiPlotEditorForm::ObjectUnlisted(TiPlotObject* object) {
    if (rightClickObject_ == object)
        rightClickObject_ = nullptr;
    // The object may be past its own class's destructor: no kind asked.
    // The page that showed it shows what its list selects now.
    for (const auto& page : pages_)
        if (page->List()->Items()->IndexOfObject(object) >= 0) {
            page->List()->DeleteObjectIndex(object);
            page->Load();
        }
}

void TiPlotEditorForm::ObjectRenamed(TiPlotObject* object) {
    const std::string kindName = KindOf(object);
    for (const auto& page : pages_)
        page->RenameInCombos(kindName, object->NameOld(), object->Name());
}

void TiPlotEditorForm::EditObject(TiPlotObject* object) {
    const std::string kindName = KindOf(object);
    if (kindName == kind::Label || kindName == kind::Annotation)
        return;
    ShowObjectPage(object);
}

bool TiPlotEditorForm::ShowObjectPage(TiPlotObject* object) {
    EditorPage* page = PageOf(object);
    if (!page)
        return false;
    pageControl_->SetActivePage(&page->Sheet());
    page->Select(object);
    return true;
}

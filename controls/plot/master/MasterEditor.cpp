// The master manager's part in the run-time editor: making, filling,
// showing and freeing the form, copying its general page into the plot,
// and translating forms.

#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/PlotObject.h"
#include "controls/plot/editor/EditorFrames.h"
#include "controls/plot/editor/FormTranslation.h"
#include "controls/plot/editor/LayoutViewer.h"
#include "controls/plot/editor/PlotEditorForm.h"
#include "controls/plot/editor/PlotEditorGeneralPage.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "platform/forms/GuiThread.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

TiPlotEditorForm* FormOf(IiPlotEditorForm* form) {
    return dynamic_cast<TiPlotEditorForm*>(form);
}

} // namespace

const std::array<std::string_view, 14>& TiPlotMasterManager::RememberedPageControls() {
    static const std::array<std::string_view, 14> names{"PageControl",
                                                        "ControlPageControl",
                                                        "ChannelPageControl",
                                                        "XAxisPageControl",
                                                        "XAxisLabelsPageControl",
                                                        "YAxisPageControl",
                                                        "YAxisLabelsPageControl",
                                                        "DataCursorPageControl",
                                                        "LimitPageControl",
                                                        "LabelPageControl",
                                                        "LegendPageControl",
                                                        "TablePageControl",
                                                        "DataViewPageControl",
                                                        "DataViewGridLinesCustomPageControl"};
    return names;
}

void TiPlotMasterManager::RememberPageIndexes() {
    TiPlotEditorForm* form = FormOf(editorForm_);
    if (!form)
        return;
    for (size_t i = 0; i < pageIndexes_.size(); ++i)
        if (auto* pages = dynamic_cast<TPageControl*>(form->FindComponent(RememberedPageControls()[i])))
            pageIndexes_[i] = pages->ActivePageIndex();
}

void TiPlotMasterManager::RestorePageIndexes() {
    TiPlotEditorForm* form = FormOf(editorForm_);
    if (!form)
        return;
    for (size_t i = 0; i < pageIndexes_.size(); ++i)
        if (auto* pages = dynamic_cast<TPageControl*>(form->FindComponent(RememberedPageControls()[i])))
            if (pageIndexes_[i] >= 0 && pageIndexes_[i] < pages->PageCount())
                pages->SetActivePageIndex(pageIndexes_[i]);
}

void TiPlotMasterManager::FreeEditorForm(bool announce) {
    TiPlotEditorForm* form = FormOf(editorForm_);
    editorForm_ = nullptr;
    if (!form)
        return;
    if (!announce)
        form->SetPlotComponent(nullptr);
    delete form;
}

void TiPlotMasterManager::CreateEditorForm() {
    if (auto* plot = dynamic_cast<TiPlotComponent*>(owner_); plot && !editorForm_) {
        auto* form = new TiPlotEditorForm(plot);
        editorForm_ = form;
        form->SetFormTranslationMethod([this](TCustomForm* f) { TranslateForm(f); });
        form->OnClose = [this](TObject* sender, TCloseAction& action) { EditorFormClose(sender, action); };
        form->SetMaster(this);
        form->LayoutViewer()->SetMaster(this);
        form->LayoutViewer()->SetLayoutManager(layoutManager_);
        form->LayoutViewer()->SetTranslationManager(translationManager_);
        form->FillLists();
        RestorePageIndexes();
        for (std::string_view name : {"iChannelAddButton", "ChannelRemoveButton"})
            if (auto* button = dynamic_cast<TControl*>(form->FindComponent(name)))
                button->SetVisible(plot->UserCanAddRemoveChannels());
    }
    TranslateForm(FormOf(editorForm_));
}

void TiPlotMasterManager::EditProperties() {
    if (!editorForm_)
        CreateEditorForm();
    TiPlotEditorForm* form = FormOf(editorForm_);
    if (!form)
        return;
    auto* plot = dynamic_cast<TiPlotComponent*>(owner_);
    const bool modal = !plot || plot->EditorFormStyle() == ipfsModal;
    // A modal form lives only while this runs, whatever happens in it.
    struct FreeModal {
        TiPlotMasterManager& master;
        bool modal;
        ~FreeModal() {
            if (modal)
                master.FreeEditorForm();
        }
    } freeModal{*this, modal};
    form->UpdateAll();
    form->SetPlotComponent(plot);
    if (plot) {
        form->General().Fill(*plot);
        form->General().FollowLogging(plot->LoggingActive());
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->size();
        form->SetBounds(size.width() / 2 - form->Width() / 2, size.height() / 2 - form->Height() / 2,
                        form->Width(), form->Height());
    }
    if (plot && plot->OnAfterOpenEditor)
        plot->OnAfterOpenEditor(this);
    if (modal) {
        form->ShowModal();
    } else {
        form->SetFormStyle(fsStayOnTop);
        form->Show();
    }
    RememberPageIndexes();
}

void TiPlotMasterManager::EditorFormClose(TObject* sender, TCloseAction& action) {
    TiPlotEditorForm* form = FormOf(editorForm_);
    if (form)
        form->iCustomEditorFormClose(sender, action);
    auto* plot = dynamic_cast<TiPlotComponent*>(owner_);
    if (!form || !plot || plot->EditorFormStyle() == ipfsModal)
        return;
    // The form is inside its own close: it goes once that has returned.
    RememberPageIndexes();
    editorForm_ = nullptr;
    if (form->Owner())
        form->Owner()->RemoveComponent(form);
    korvan::forms::Gui().Post([form] { delete form; });
}

void TiPlotMasterManager::BasicPropertyChanged() {
    TiPlotEditorForm* form = FormOf(editorForm_);
    auto* plot = dynamic_cast<TiPlotComponent*>(owner_);
    if (!form || form->IsClosing() || !plot)
        return;
    form->General().CopyInto(*plot);
    form->General().FollowLogging(plot->LoggingActive());
}

void TiPlotMasterManager::TranslateForm(TCustomForm* form) {
    if (!form || (form == FormOf(editorForm_) && editorForm_->IsClosing()))
        return;
    korvan::plot::TranslateForm(*this, form);
}

void TiPlotMasterManager::DoObjectEdit(TObject* sender) {
    auto* object = dynamic_cast<TiPlotObject*>(sender);
    if (!object)
        return;
    if (!editorForm_)
        CreateEditorForm();
    if (editorForm_)
        editorForm_->EditObject(object);
    EditProperties();
}

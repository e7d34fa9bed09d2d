#pragma once
// The plot's run-time property editor: one page per object kind, the
// general page "Control" for the plot itself and the layout page. The
// master manager makes, fills and shows it, and keeps its object lists
// current while it is open and not closing. Every edit reaches the object
// at once: a change writes the whole page into the selected object.

#include "controls/plot/editor/EditorForm.h"
#include "controls/plot/editor/EditorPageBuilder.h"
#include "controls/plot/master/MasterManager.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TiPlotComponent;
class TiPlotLayoutViewer;
class TiPlotLayoutObject;
class TiComponentEditorPageControl;
class TPopupMenu;
class TMenuItem;

namespace korvan::plot::editor {
class GeneralPage;
}

class TiPlotEditorForm : public TiCustomEditorForm,
                         public IiPlotEditorForm,
                         public korvan::plot::editor::IiEditorPageHost {
    KORVAN_CLASS(TiPlotEditorForm)
public:
    explicit TiPlotEditorForm(TComponent* owner);
    ~TiPlotEditorForm() override;

    TiPlotMasterManager* Master() const { return master_; }
    void SetMaster(TiPlotMasterManager* value);
    TiPlotComponent* PlotComponent() const { return plot_; }
    void SetPlotComponent(TiPlotComponent* value);
    // Not fired by the form itself.
    TNotifyEvent OnGeneralChange;

    TiComponentEditorPageControl* PageControl() const { return pageControl_; }
    TiPlotLayoutViewer* LayoutViewer() const { return layoutViewer_; }
    TPopupMenu* LayoutPopupMenu() const { return layoutPopupMenu_; }
    korvan::plot::editor::GeneralPage& General() const { return *general_; }
    // The object page of a kind (PlotKinds.h); null for other kinds.
    korvan::plot::editor::EditorPage* Page(std::string_view kind) const;
    // The base name of the object's kind; empty when no kind lists it.
    std::string KindOf(const TiPlotObject* object) const;
    // The page of the object's kind, or null.
    korvan::plot::editor::EditorPage* PageOf(const TiPlotObject* object) const;

    // --- loading the object pages ---
    void UpdateToolBarEdit();
    void UpdateLegendEdit();
    void UpdateTableEdit();
    void UpdateXAxesEdit();
    void UpdateYAxesEdit();
    void UpdateChannelEdit();
    void UpdateDataViewEdit();
    void UpdateDataCursorEdit();
    void UpdateLimitEdit();
    void UpdateLabelEdit();
    // The ten loads: toolbar, legend, X axes, Y axes, channel, data view,
    // data cursor, limit, label, table.
    void UpdateAll();
    // Lists every object of the master's kinds, each list on its first
    // entry, and loads every page.
    void FillLists();
    // Kept for the value-converter pickers, which translate their form
    // with it.
    void SetFormTranslationMethod(TFormTranslationMethod value) { translationMethod_ = std::move(value); }
    const TFormTranslationMethod& FormTranslationMethod() const { return translationMethod_; }

    // --- page commands ---
    // The master adds an object of the kind; the list selects it.
    void AddClick(std::string_view kind);
    // The selected object of the kind is freed.
    void RemoveClick(std::string_view kind);
    // The general page into the plot.
    void GeneralChanged();
    // The title controls into the first label.
    void TitleChange();
    // The title controls loaded silently from the first label.
    void LoadTitleControls();

    // --- layout page ---
    void LayoutViewerMouseDown(int x, int y);
    void LayoutPopupMenuPopup();
    // The object of the last press on the layout page while it is still
    // in the plot; null otherwise.
    TiPlotLayoutObject* RightClickObject() const;
    void XYAxesReverseClick();
    void DeleteClick();
    void VisibleClick();
    void EditClick();
    TMenuItem* LayoutMenuItem(std::string_view name) const;
    // Switches to the object's page with the object selected and shown;
    // false for kinds without a page.
    bool ShowObjectPage(TiPlotObject* object);

    // --- window life ---
    bool IsClosing() const override { return isClosing_; }
    void iCustomEditorFormClose(TObject* sender, TCloseAction& action);
    // With the stay-on-top style every (de)activation reloads the pages.
    void ActivationChanged();

    // IiPlotEditorForm
    void ObjectListed(TiPlotObject* object) override;
    void ObjectUnlisted(TiPlotObject* object) override;
    void ObjectRenamed(TiPlotObject* object) override;
    void EditObject(TiPlotObject* object) override;
    // IiEditorPageHost
    TiPlotMasterManager* PageMaster() override { return master_; }
    void LoadAllPages() override { UpdateAll(); }
    void PageChanged(korvan::plot::editor::EditorPage& page) override;
    bool PageEditsAllowed() const override { return !tearingDown_; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildPages();
    void BuildLayoutPage(TTabSheet& sheet);
    void UpdateKind(std::string_view kind);
    TTabSheet* NewSheet(const char* name, const char* caption);

    TiPlotMasterManager* master_ = nullptr;
    TiPlotComponent* plot_ = nullptr;
    bool isClosing_ = false;
    bool tearingDown_ = false;
    TiComponentEditorPageControl* pageControl_ = nullptr;
    std::unique_ptr<korvan::plot::editor::GeneralPage> general_;
    std::vector<std::unique_ptr<korvan::plot::editor::EditorPage>> pages_;
    TiPlotLayoutViewer* layoutViewer_ = nullptr;
    TPopupMenu* layoutPopupMenu_ = nullptr;
    // Remembered by the last press on the layout page; checked against
    // the plot's objects before every use.
    TiPlotObject* rightClickObject_ = nullptr;
    TFormTranslationMethod translationMethod_;
};

// The plot editor's layout page: the layout viewer, and its pop-up menu
// acting on the object under the last press.

#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/core/PlotLayoutObject.h"
#include "controls/plot/editor/LayoutViewer.h"
#include "controls/plot/editor/PlotEditorForm.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/LabelManager.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/Menus.h"

namespace kind = korvan::plot::kind;

void TiPlotEditorForm::BuildLayoutPage(TTabSheet& sheet) {
    layoutViewer_ = new TiPlotLayoutViewer(this);
    layoutViewer_->SetName("iPlotLayoutViewer");
    layoutViewer_->SetParent(&sheet);
    layoutViewer_->SetAlign(alClient);
    layoutViewer_->OnChange = [this](TObject*) { UpdateAll(); };
    layoutViewer_->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int x, int y) {
        LayoutViewerMouseDown(x, y);
    };
    layoutPopupMenu_ = new TPopupMenu(this);
    layoutPopupMenu_->SetName("LayoutPopupMenu");
    layoutPopupMenu_->OnPopup = [this](TObject*) { LayoutPopupMenuPopup(); };
    const struct {
        const char* name;
        const char* caption;
        void (TiPlotEditorForm::*click)();
    } items[] = {
        {"XYAxesReverseMenuItem", "XY-Axes Reverse", &TiPlotEditorForm::XYAxesReverseClick},
        {"", "-", nullptr},
        {"AddXAxisMenuItem", "Add X-Axis", nullptr},
        {"AddYAxisMenuItem", "Add Y-Axis", nullptr},
        {"AddLabelMenuItem", "Add Label", nullptr},
        {"", "-", nullptr},
        {"DeleteMenuItem", "Delete", &TiPlotEditorForm::DeleteClick},
        {"VisibleMenuItem", "Visible", &TiPlotEditorForm::VisibleClick},
        {"EditMenuItem", "Edit", &TiPlotEditorForm::EditClick},
    };
    for (const auto& entry : items) {
        auto* item = new TMenuItem(this);
        if (*entry.name)
            item->SetName(entry.name);
        item->SetCaption(entry.caption);
        if (entry.click)
            item->OnClick = [this, click = entry.click](TObject*) { (this->*click)(); };
        layoutPopupMenu_->Items()->Add(item);
    }
    const std::pair<const char*, std::string_view> adds[] = {{"AddXAxisMenuItem", kind::XAxis},
                                                             {"AddYAxisMenuItem", kind::YAxis},
                                                             {"AddLabelMenuItem", kind::Label}};
    for (const auto& [name, kindName] : adds)
        LayoutMenuItem(name)->OnClick = [this, kindName = kindName](TObject*) {
            if (master_)
                master_->AddObject(kindName);
        };
    layoutViewer_->SetPopupMenu(layoutPopupMenu_);
}

TMenuItem* TiPlotEditorForm::LayoutMenuItem(std::string_view name) const {
    return dynamic_cast<TMenuItem*>(FindComponent(name));
}

void TiPlotEditorForm::LayoutViewerMouseDown(int x, int y) {
    rightClickObject_ = layoutViewer_->GetMouseOverBlock(x, y);
}

TiPlotLayoutObject* TiPlotEditorForm::RightClickObject() const {
    // Only an object the plot still lists is used: one removed meanwhile
    // (a Remove button, code) is never touched.
    TiPlotObjectManager* objects = master_ ? master_->ObjectManager() : nullptr;
    if (!rightClickObject_ || !objects || objects->GetIndex(rightClickObject_) < 0)
        return nullptr;
    return dynamic_cast<TiPlotLayoutObject*>(rightClickObject_);
}

void TiPlotEditorForm::LayoutPopupMenuPopup() {
    if (master_)
        LayoutMenuItem("XYAxesReverseMenuItem")->SetChecked(master_->XYAxesReverse());
    TMenuItem* deleteItem = LayoutMenuItem("DeleteMenuItem");
    TMenuItem* visibleItem = LayoutMenuItem("VisibleMenuItem");
    TMenuItem* editItem = LayoutMenuItem("EditMenuItem");
    for (TMenuItem* item : {deleteItem, visibleItem, editItem})
        item->SetEnabled(false);
    TiPlotLayoutObject* object = RightClickObject();
    if (!object)
        return;
    const std::string kindName = KindOf(object);
    const TiPlotLabelManager* labels = master_->LabelManager();
    const bool title = labels && labels->Count() > 0 && labels->Items(0) == object;
    deleteItem->SetEnabled(kindName == kind::XAxis || kindName == kind::YAxis || kindName == kind::Table ||
                           (kindName == kind::Label && !title));
    visibleItem->SetEnabled(kindName != kind::DataView);
    visibleItem->SetChecked(object->Visible());
    editItem->SetEnabled(true);
}

void TiPlotEditorForm::XYAxesReverseClick() {
    if (master_)
        master_->SetXYAxesReverse(!master_->XYAxesReverse());
}

void TiPlotEditorForm::DeleteClick() {
    TiPlotLayoutObject* object = RightClickObject();
    rightClickObject_ = nullptr;
    if (!object)
        return;
    object->Free();
    UpdateAll();
}

void TiPlotEditorForm::VisibleClick() {
    TiPlotLayoutObject* object = RightClickObject();
    if (!object)
        return;
    object->SetVisible(!object->Visible());
    UpdateAll();
}

void TiPlotEditorForm::EditClick() {
    TiPlotLayoutObject* object = RightClickObject();
    if (!object)
        return;
    const std::string kindName = KindOf(object);
    for (std::string_view editable :
         {kind::XAxis, kind::YAxis, kind::Legend, kind::ToolBar, kind::Label, kind::DataView})
        if (kindName == editable) {
            ShowObjectPage(object);
            return;
        }
}

#include "controls/plot/editor/EditorPageBuilder.h"

#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/core/PlotObject.h"
#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorFrames.h"
#include "controls/plot/editor/EditorListBox.h"
#include "controls/plot/editor/EditorObjectValues.h"
#include "controls/plot/editor/EditorPageLayout.h"
#include "controls/plot/editor/EditorPickers.h"
#include "controls/plot/editor/EditorRowControls.h"
#include "controls/plot/editor/EditorUpDown.h"
#include "controls/plot/editor/EditorValues.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/objects/TranslationManager.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/StdCtrls.h"
#include "platform/text/IntText.h"
#include "platform/text/StrUtils.h"

#include <algorithm>

namespace korvan::plot::editor {

namespace {

bool IsNameCombo(const PageRow& row) {
    return row.kind == RowKind::NameComboBox;
}

template <class C> C* Named(TCustomForm& form, std::string_view name) {
    auto* control = new C(&form);
    control->SetName(std::string(name));
    return control;
}

std::string Translated(TiPlotMasterManager* master, std::string_view text) {
    if (master && master->TranslationManager())
        return master->TranslationManager()->FindReplacement(text);
    return std::string(text);
}

} // namespace

std::vector<TControl*> PrefixedControls(const TComponent& form, std::string_view prefix) {
    std::vector<TControl*> found;
    for (int i = 0; i < form.ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(form.Components(i));
        if (!control || dynamic_cast<TPageControl*>(control) || dynamic_cast<TTabSheet*>(control) ||
            dynamic_cast<TLabel*>(control))
            continue;
        const std::string& name = control->Name();
        if (name.size() >= prefix.size() && SameText(name.substr(0, prefix.size()), prefix))
            found.push_back(control);
    }
    return found;
}

EditorPage::EditorPage(TCustomForm& form, TTabSheet& sheet, KindPage description, IiEditorPageHost& host)
    : form_(form), sheet_(sheet), page_(std::move(description)), host_(host),
      layout_(std::make_unique<EditorPageLayout>(form, sheet, page_)) {
    sheet_.SetText(std::string(page_.caption));
    if (!page_.tabSheet.empty())
        sheet_.SetName(std::string(page_.tabSheet));
    // Sub-pages in their declared order, whatever order the rows use them;
    // group boxes stand where their first row does.
    for (const PlaceSpec& place : page_.places)
        if (place.kind == PlaceSpec::SubPage)
            layout_->Container(place.path);
    BuildList();
    for (const PageRow& row : page_.rows)
        BindRow(row, BuildRow(row));
    if (page_.hooks.afterBuild)
        page_.hooks.afterBuild(*this);
    layout_->Arrange();
}

EditorPage::~EditorPage() = default;

void EditorPage::BuildList() {
    list_ = Named<TiComponentEditorListBox>(form_, page_.listBox);
    list_->SetBounds(0, 0, 112, 120);
    list_->OnGetData = [this](int index, bool& drawColorBox, TColor& color, std::string& text) {
        auto* object = dynamic_cast<TiPlotObject*>(list_->Items()->GetObject(index));
        drawColorBox = page_.listColor != ListColor::None;
        if (!object)
            return;
        text = object->Name();
        if (page_.listColor == ListColor::ObjectColor)
            color = TColor(StrToIntDef(PropertyTextByPath(object, "Color"), clBlack));
        else if (page_.listColor == ListColor::LabelsFontColor)
            color = TColor(StrToIntDef(PropertyTextByPath(object, "LabelsFont.Color"), clBlack));
    };
    list_->OnClick = [this](TObject*) { Load(); };
    TiComponentEditorButton* add = nullptr;
    TiComponentEditorButton* remove = nullptr;
    if (!page_.addButton.empty()) {
        add = Named<TiComponentEditorButton>(form_, page_.addButton);
        add->SetText("Add");
    }
    if (!page_.removeButton.empty()) {
        remove = Named<TiComponentEditorButton>(form_, page_.removeButton);
        remove->SetText("Remove");
    }
    if (page_.listPlace.empty()) {
        layout_->SetListArea(list_, add, remove);
        return;
    }
    layout_->Add(page_.listPlace, list_);
    for (TControl* button : {static_cast<TControl*>(add), static_cast<TControl*>(remove)})
        if (button)
            layout_->Add(page_.listPlace, button);
}

TControl* EditorPage::BuildRow(const PageRow& row) {
    TControl* control = MakeRowControl(form_, *layout_, row);
    if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(control); combo && IsNameCombo(row))
        combo->OnDropDown = [this, row, combo](TObject*) { FillNameCombo(row, *combo); };
    controls_[std::string(row.name)] = control;
    return control;
}

void EditorPage::BindRow(const PageRow& row, TControl* control) {
    if (row.property.empty())
        return;
    BindUserEdit(control, [this](TObject*) { Change(); });
}

TControl* EditorPage::RowControl(std::string_view name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

TComponent* EditorPage::FindNamed(std::string_view name) {
    return name.empty() ? nullptr : form_.FindComponent(name);
}

TWinControl* EditorPage::Place(std::string_view path) {
    return layout_->Container(path);
}

TiPlotObject* EditorPage::Selected() {
    const int index = list_->ItemIndex();
    if (index < 0 || index >= list_->Items()->Count())
        return nullptr;
    return dynamic_cast<TiPlotObject*>(list_->Items()->GetObject(index));
}

void EditorPage::SetPrefixedEnabled(bool enabled) {
    for (TControl* control : PrefixedControls(form_, page_.prefix))
        SetEditorControlEnabled(control, enabled);
}

void EditorPage::Load() {
    RefillNameCombos();
    TiPlotObject* object = Selected();
    if (page_.hooks.beforeLoad)
        page_.hooks.beforeLoad(*this, object);
    if (!object) {
        SetPrefixedEnabled(false);
        return;
    }
    SetPrefixedEnabled(true);
    for (const PageRow& row : page_.rows)
        if (!row.property.empty())
            if (TControl* control = RowControl(row.name))
                LoadRow(row, control, object);
    if (page_.hooks.afterLoad)
        page_.hooks.afterLoad(*this, object);
    if (page_.refresh != PageRefresh::None)
        list_->Invalidate();
}

void EditorPage::LoadRow(const PageRow& row, TControl* control, TiPlotObject* object) {
    LoadRowValue(row, control, object);
}

void EditorPage::WritePage() {
    TiPlotObject* object = Selected();
    if (!object)
        return;
    for (const PageRow& row : page_.rows)
        if (!row.property.empty())
            if (TControl* control = RowControl(row.name))
                WriteRow(row, control, object);
    if (page_.hooks.afterWrite)
        page_.hooks.afterWrite(*this, object);
}

void EditorPage::WriteRow(const PageRow& row, TControl* control, TiPlotObject* object) {
    if (page_.hooks.writeRow && page_.hooks.writeRow(*this, object, row, control))
        return;
    WriteRowValue(row, control, object);
}

void EditorPage::Change() {
    if (!host_.PageEditsAllowed() || !Selected())
        return;
    WritePage();
    switch (page_.refresh) {
    case PageRefresh::AllPages:
        host_.LoadAllPages();
        break;
    case PageRefresh::OwnPage:
        Load();
        break;
    case PageRefresh::None:
        break;
    }
    host_.PageChanged(*this);
}

void EditorPage::Select(const TiPlotObject* object) {
    for (int i = 0; i < list_->Items()->Count(); ++i)
        if (list_->Items()->GetObject(i) == object)
            list_->SetItemIndex(i);
    Load();
}

void EditorPage::FillNameCombo(const PageRow& row, TiComponentEditorComboBox& combo) {
    TiPlotMasterManager* master = host_.PageMaster();
    TiPlotObjectManagerCustom* manager = master ? master->KindManager(row.namesOf) : nullptr;
    if (!manager)
        return;
    const std::string remembered = combo.AsString();
    TStrings& items = *combo.Items();
    items.Clear();
    items.Add(Translated(master, row.firstChoice));
    for (int i = 0; i < manager->Count(); ++i)
        items.Add(manager->Items(i)->Name());
    if (!row.lastChoice.empty())
        items.Add(Translated(master, row.lastChoice));
    combo.SetAsInteger(items.IndexOf(remembered));
}

void EditorPage::RefillNameCombos() {
    for (const PageRow& row : page_.rows)
        if (IsNameCombo(row))
            if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(RowControl(row.name)))
                FillNameCombo(row, *combo);
}

void EditorPage::RenameInCombos(std::string_view namesOf, std::string_view oldName,
                                std::string_view newName) {
    for (const PageRow& row : page_.rows) {
        if (!IsNameCombo(row) || row.namesOf != namesOf)
            continue;
        auto* combo = dynamic_cast<TiComponentEditorComboBox*>(RowControl(row.name));
        if (!combo || combo->AsString() != oldName)
            continue;
        FillNameCombo(row, *combo);
        combo->SetAsInteger(combo->Items()->IndexOf(std::string(newName)));
    }
}

} // namespace korvan::plot::editor

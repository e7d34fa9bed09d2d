#pragma once
// One object page of the plot editor, built from its description
// (EditorPageRows.h) on a tab sheet of the form: its controls, owned and
// findable by name on the form; loading the page from the list's selected
// object silently; writing every row into that object through its
// published setters when the user changes one; and the refresh after it.

#include "controls/plot/editor/EditorPageRows.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class TTabSheet;
class TiComponentEditorListBox;
class TiComponentEditorComboBox;

namespace korvan::plot::editor {

class EditorPageLayout;

// What a page asks of the form holding it.
class IiEditorPageHost {
public:
    virtual TiPlotMasterManager* PageMaster() = 0;
    // Loads every object page.
    virtual void LoadAllPages() = 0;
    // False once the form is being taken down: changes are ignored.
    virtual bool PageEditsAllowed() const { return true; }
    // After a user's change was written and refreshed.
    virtual void PageChanged(class EditorPage& page) { (void)page; }

protected:
    ~IiEditorPageHost() = default;
};

class EditorPage : public PageContext {
public:
    // Builds the page's controls on `sheet`; every control is owned by the
    // form.
    EditorPage(TCustomForm& form, TTabSheet& sheet, KindPage description, IiEditorPageHost& host);
    ~EditorPage() override;
    EditorPage(const EditorPage&) = delete;
    EditorPage& operator=(const EditorPage&) = delete;

    const KindPage& Description() const { return page_; }
    TTabSheet& Sheet() const { return sheet_; }
    TiComponentEditorListBox* List() const { return list_; }
    // The control built for a row.
    TControl* RowControl(std::string_view name) const;

    // Loads the page from the list's selected object (nothing selected:
    // every control of the form named with the prefix is disabled).
    void Load();
    // A user's change: the page into the selected object, then the refresh.
    void Change();
    // Selects the object in the list and loads the page.
    void Select(const TiPlotObject* object);
    // Rebuilds every name drop-down of the page, keeping each one's text.
    void RefillNameCombos();
    // Rebuilds the name drop-downs listing `namesOf` whose text is
    // `oldName`, and selects `newName` in them.
    void RenameInCombos(std::string_view namesOf, std::string_view oldName, std::string_view newName);

    // PageContext
    TCustomForm& Form() override { return form_; }
    TiPlotMasterManager* Master() override { return host_.PageMaster(); }
    TiPlotObject* Selected() override;
    TWinControl* Place(std::string_view path) override;
    void LoadPage() override { Load(); }
    void WritePage() override;
    void LoadAllPages() override { host_.LoadAllPages(); }

protected:
    TComponent* FindNamed(std::string_view name) override;

private:
    void BuildList();
    TControl* BuildRow(const PageRow& row);
    void BindRow(const PageRow& row, TControl* control);
    void LoadRow(const PageRow& row, TControl* control, TiPlotObject* object);
    void WriteRow(const PageRow& row, TControl* control, TiPlotObject* object);
    void FillNameCombo(const PageRow& row, TiComponentEditorComboBox& combo);
    // Enables or disables every control of the form named with the prefix.
    void SetPrefixedEnabled(bool enabled);

    TCustomForm& form_;
    TTabSheet& sheet_;
    KindPage page_;
    IiEditorPageHost& host_;
    std::unique_ptr<EditorPageLayout> layout_;
    TiComponentEditorListBox* list_ = nullptr;
    std::map<std::string, TControl*, std::less<>> controls_;
};

// Every control of `form` whose name starts with `prefix` (letter case
// ignored), page controls, tab sheets and labels left out.
std::vector<TControl*> PrefixedControls(const TComponent& form, std::string_view prefix);

} // namespace korvan::plot::editor

#pragma once
// The master manager: the hub of one plot's object model. It owns one
// manager per object kind, the all-objects manager and the layout manager,
// makes new objects for the plot, and is the one receiver of the change,
// insert, remove and rename callbacks every plot object and manager is
// made with: it lists and wires inserted objects, takes removed ones out of
// every manager, passes renames and focus on, turns changes into the plot's
// repaint, and keeps an open editor form's object lists current.
//
// Kinds whose classes live elsewhere (channels, toolbars, legends, ...)
// join through AdoptKindManager; they are told of every notice in the
// order they joined, after the axis managers. The master makes the label
// manager itself and owns the plot's translations.
//
// A kind is found by its manager's base name (PlotKinds.h): KindManager
// answers null for a kind not adopted yet, and AddObject makes an object
// of any adopted kind.

#include "controls/plot/axes/AxisManagers.h"
#include "controls/plot/core/ObjectManager.h"
#include "platform/forms/Form.h"
#include "platform/forms/Object.h"

#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class TiPlotLayoutManager;
class TiPlotLabelManager;
class TiPlotTranslationManager;

// The run-time editor form as the master sees it: lists of objects per
// kind and the axis and channel name choices, kept current while the form
// is open and not closing.
class IiPlotEditorForm {
public:
    virtual bool IsClosing() const = 0;
    // Appends the object to its kind's list, selects it and refreshes the
    // kind's page.
    virtual void ObjectListed(TiPlotObject* object) = 0;
    virtual void ObjectUnlisted(TiPlotObject* object) = 0;
    // An axis or channel was renamed (its old name is NameOld): the name
    // choices that showed the old name show the new one.
    virtual void ObjectRenamed(TiPlotObject* object) = 0;
    // Opens the form on the object's page with the object selected.
    virtual void EditObject(TiPlotObject* object) = 0;

protected:
    ~IiPlotEditorForm() = default;
};

class TiPlotMasterManager : public TObject {
public:
    explicit TiPlotMasterManager(TComponent* owner);
    ~TiPlotMasterManager() override;
    TiPlotMasterManager(const TiPlotMasterManager&) = delete;
    TiPlotMasterManager& operator=(const TiPlotMasterManager&) = delete;

    TComponent* Owner() const { return owner_; }
    TiPlotObjectManager* ObjectManager() const { return objectManager_; }
    TiPlotXAxisManager* XAxisManager() const { return xAxisManager_; }
    TiPlotYAxisManager* YAxisManager() const { return yAxisManager_; }
    TiPlotLayoutManager* LayoutManager() const { return layoutManager_; }
    TiPlotLabelManager* LabelManager() const;
    TiPlotTranslationManager* TranslationManager() const { return translationManager_; }
    // The manager of a kind by its base name; null when no such kind joined.
    TiPlotObjectManagerCustom* KindManager(std::string_view baseName) const;
    // The kind manager that lists the object; null when none does.
    TiPlotObjectManagerCustom* KindManagerOf(const TiPlotObject* object) const;

    // Immediate repaint, deferred repaint, object inserted, object removed:
    // set by the plot.
    TNotifyEvent OnInvalidateNow;
    TNotifyEvent OnChange;
    TNotifyEvent OnInsert;
    TNotifyEvent OnRemove;

    // The four callbacks every object and manager of the plot is made with.
    TNotifyEvent ChangeCallback() {
        return [this](TObject* sender) { DoObjectChange(sender); };
    }
    TNotifyEvent InsertCallback() {
        return [this](TObject* sender) { DoObjectInsert(sender); };
    }
    TNotifyEvent RemoveCallback() {
        return [this](TObject* sender) { DoObjectRemove(sender); };
    }
    TNotifyEvent RenameCallback() {
        return [this](TObject* sender) { DoObjectRename(sender); };
    }

    // Takes a kind manager made with this master's callbacks into the
    // master's care.
    void AdoptKindManager(TiManagerPtr<TiPlotObjectManagerCustom> manager);
    template <class M> void AdoptKindManager(TiManagerPtr<M> manager) {
        AdoptKindManager(
            TiManagerPtr<TiPlotObjectManagerCustom>(manager.release(), [](TiPlotObjectManagerCustom* m) {
                if (m)
                    m->Free();
            }));
    }

    // New objects; each returns its index in its kind manager.
    int AddXAxis();
    int AddYAxis();
    int AddLabel();
    // An object of the kind named; raises an Exception naming the kind when
    // no manager of that kind has joined.
    int AddObject(std::string_view baseName);
    // A new pair of the translation manager; its index.
    int AddTranslation();

    // Copied into every object, also when unchanged.
    bool UserCanEditObjects() const { return userCanEditObjects_; }
    void SetUserCanEditObjects(bool value);
    bool XYAxesReverse() const { return xyAxesReverse_; }
    void SetXYAxesReverse(bool value);

    // Every axis aligns its next tracked value from scratch; every channel
    // empties (through `clearChannels`, which the plot gives).
    void ClearAllData();
    std::function<void()> ClearChannels;
    void DeSelectAll();

    IiPlotEditorForm* EditorForm() const { return editorForm_; }
    void SetEditorForm(IiPlotEditorForm* form) { editorForm_ = form; }

    // --- the run-time editor (MasterEditor.cpp) ---
    // Makes the editor form of a plot, fills its lists, restores its pages
    // and translates it.
    void CreateEditorForm();
    // Makes the form when there is none, fills it and shows it: modally
    // (freed again when it closes, also after a failure) or, with the
    // plot's stay-on-top style, without waiting.
    void EditProperties();
    // The form's close handler: a stay-on-top form goes.
    void EditorFormClose(TObject* sender, TCloseAction& action);
    // The editor's general page into the plot.
    void BasicPropertyChanged();
    // The form's texts through the plot's translations.
    void TranslateForm(TCustomForm* form);
    // The active pages of the editor's page controls when it was last
    // closed, by page control name.
    static const std::array<std::string_view, 14>& RememberedPageControls();
    int RememberedPageIndex(int index) const { return pageIndexes_.at(size_t(index)); }

    void DoObjectChange(TObject* sender);
    void DoObjectInsert(TObject* sender);
    void DoObjectRemove(TObject* sender);
    void DoObjectRename(TObject* sender);
    void DoObjectSetFocus(TObject* sender);
    void DoObjectEdit(TObject* sender);

private:
    // The kind managers in notification order (X axes, Y axes, then the
    // adopted ones).
    std::vector<TiPlotObjectManagerCustom*> KindManagers() const;
    void ForEachObject(const std::function<void(TiPlotObject*)>& action) const;
    bool EditorTakesUpkeep() const { return editorForm_ && !editorForm_->IsClosing(); }
    void FreeEditorForm(bool announce = true);
    void RememberPageIndexes();
    void RestorePageIndexes();

    TComponent* owner_;
    bool userCanEditObjects_ = true;
    bool xyAxesReverse_ = false;
    IiPlotEditorForm* editorForm_ = nullptr;
    std::array<int, 14> pageIndexes_{};
    // Fields set when a manager announces itself, cleared when it goes.
    TiPlotObjectManager* objectManager_ = nullptr;
    TiPlotXAxisManager* xAxisManager_ = nullptr;
    TiPlotYAxisManager* yAxisManager_ = nullptr;
    TiPlotLayoutManager* layoutManager_ = nullptr;
    TiPlotTranslationManager* translationManager_ = nullptr;
    std::vector<TiPlotObjectManagerCustom*> adopted_;
    // Owners, freed in this order: adopted kinds, axes, translations, all
    // objects, layout.
    std::vector<TiManagerPtr<TiPlotObjectManagerCustom>> adoptedOwned_;
    TiManagerPtr<TiPlotXAxisManager> xAxisOwned_{nullptr, nullptr};
    TiManagerPtr<TiPlotYAxisManager> yAxisOwned_{nullptr, nullptr};
    TiManagerPtr<TiPlotObjectManager> objectOwned_{nullptr, nullptr};
    TiManagerPtr<TiPlotLayoutManager> layoutOwned_{nullptr, nullptr};
    std::unique_ptr<TiPlotTranslationManager> translationOwned_;
};

#include "controls/plot/editor/FormTranslation.h"

#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/objects/TranslationManager.h"
#include "platform/forms/Form.h"
#include "platform/forms/Menus.h"

namespace korvan::plot {

namespace {

class Translator {
public:
    explicit Translator(const TiPlotTranslationManager& translations) : translations_(translations) {}

    // Calls `set` only for a text that changes, so a control is not told
    // of a text it already shows.
    template <class Get, class Set> void Replace(Get get, Set set) const {
        const std::string text = get();
        const std::string replaced = translations_.FindReplacement(text);
        if (replaced != text)
            set(replaced);
    }

    void Items(TStrings& items) const {
        for (int i = 0; i < items.Count(); ++i)
            Replace([&] { return items.Get(i); }, [&](const std::string& s) { items.Put(i, s); });
    }

    void Component(TComponent* component) const {
        if (auto* menu = dynamic_cast<TPopupMenu*>(component)) {
            TMenuItem* top = menu->Items();
            for (int i = 0; i < top->Count(); ++i) {
                TMenuItem* item = top->Items(i);
                Replace([&] { return item->Caption(); }, [&](const std::string& s) { item->SetCaption(s); });
            }
            return;
        }
        auto* control = dynamic_cast<TControl*>(component);
        if (!control)
            return;
        // A combo box shows its chosen item: the items go first, so the
        // choice survives and its text is already the translated one.
        if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(control))
            Items(*combo->Items());
        Replace([&] { return control->Text(); }, [&](const std::string& s) { control->SetText(s); });
        if (auto* check = dynamic_cast<TiComponentEditorCheckBox*>(control))
            Replace([&] { return check->Caption(); }, [&](const std::string& s) { check->SetCaption(s); });
        if (auto* radio = dynamic_cast<TiComponentEditorRadioGroup*>(control)) {
            Replace([&] { return radio->Caption(); }, [&](const std::string& s) { radio->SetCaption(s); });
            Items(*radio->Items());
        }
    }

private:
    const TiPlotTranslationManager& translations_;
};

} // namespace

void TranslateForm(TiPlotMasterManager& master, TCustomForm* form) {
    const TiPlotTranslationManager* translations = master.TranslationManager();
    if (!form || !translations || translations->Count() == 0)
        return;
    IiPlotEditorForm* editor = master.EditorForm();
    if (editor && dynamic_cast<IiPlotEditorForm*>(form) == editor && editor->IsClosing())
        return;
    const Translator translator(*translations);
    translator.Replace([&] { return form->Caption(); }, [&](const std::string& s) { form->SetCaption(s); });
    for (int i = 0; i < form->ComponentCount(); ++i)
        translator.Component(form->Components(i));
}

} // namespace korvan::plot

#include "controls/plot/editor/EditorRowControls.h"

#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorFrames.h"
#include "controls/plot/editor/EditorObjectValues.h"
#include "controls/plot/editor/EditorPageLayout.h"
#include "controls/plot/editor/EditorPickers.h"
#include "controls/plot/editor/EditorUpDown.h"
#include "controls/plot/editor/EditorValueConverterPicker.h"
#include "controls/plot/editor/EditorValues.h"
#include "controls/plot/editor/PlotEditorForm.h"
#include "platform/forms/Form.h"
#include "platform/forms/StdCtrls.h"

#include <algorithm>

namespace korvan::plot::editor {

namespace {

bool IsNameCombo(const PageRow& row) {
    return row.kind == RowKind::NameComboBox;
}

// Combos whose text, not their item index, is the value.
bool WritesText(const PageRow& row) {
    return row.kind == RowKind::NameComboBox || row.kind == RowKind::DateTimeFormatCombo;
}

void FillItems(TStrings& strings, const ItemList* items) {
    strings.Clear();
    if (items)
        for (std::string_view item : *items)
            strings.Add(std::string(item));
}

template <class C> C* Named(TCustomForm& form, std::string_view name) {
    auto* control = new C(&form);
    control->SetName(std::string(name));
    return control;
}

} // namespace

TControl* MakeConverterPicker(TCustomForm& form, const PageRow& row, TControl* edit) {
    auto* picker = Named<TiComponentEditorValueConverterPicker>(form, std::string(row.name) + "Picker");
    picker->SetDefaultPage(row.converterPage == ConverterPage::DateTime ? ivcptDateTime : ivcptInterval);
    picker->SetAssociate(dynamic_cast<TiComponentEditorEdit*>(edit));
    // The converter speaks the editor form's language.
    if (auto* editor = dynamic_cast<TiPlotEditorForm*>(&form)) {
        TiPlotEditorForm* owner = editor;
        picker->TranslationMethod = [owner](TCustomForm* converter) {
            if (owner->FormTranslationMethod())
                owner->FormTranslationMethod()(converter);
        };
    }
    return picker;
}

RowControl MakeRowControl(TCustomForm& form_, const PageRow& row) {
    TControl* control = nullptr;
    TControl* partner = nullptr;
    std::string_view caption = row.caption;
    switch (row.kind) {
    case RowKind::Edit:
    case RowKind::ConverterEdit: {
        auto* edit = Named<TiComponentEditorEdit>(form_, row.name);
        edit->SetBounds(0, 0, row.kind == RowKind::Edit ? 72 : 96, 21);
        control = edit;
        if (row.kind == RowKind::ConverterEdit)
            partner = MakeConverterPicker(form_, row, edit);
        break;
    }
    case RowKind::UpDownEdit: {
        auto* edit = Named<TiComponentEditorEdit>(form_, row.name);
        edit->SetBounds(0, 0, 52, 21);
        auto* upDown = new TiUpDown(&form_);
        upDown->SetName(std::string(row.name) + "UpDown");
        upDown->SetBounds(0, 0, 16, 21);
        upDown->SetMin(row.min);
        upDown->SetMax(row.max);
        upDown->SetAssociate(edit);
        control = edit;
        partner = upDown;
        break;
    }
    case RowKind::CheckBox: {
        auto* check = Named<TiComponentEditorCheckBox>(form_, row.name);
        check->SetCaption(std::string(row.caption));
        check->SetBounds(0, 0, TextWidthOf(*check, row.caption) + 24, 17);
        control = check;
        caption = {};
        break;
    }
    case RowKind::RadioGroup: {
        auto* radio = Named<TiComponentEditorRadioGroup>(form_, row.name);
        radio->SetCaption(std::string(row.caption));
        FillItems(*radio->Items(), row.items);
        int width = TextWidthOf(*radio, row.caption);
        for (int i = 0; i < radio->Items()->Count(); ++i)
            width = std::max(width, TextWidthOf(*radio, radio->Items()->Get(i)));
        radio->SetBounds(0, 0, width + 40, 22 + 18 * radio->Items()->Count());
        control = radio;
        caption = {};
        break;
    }
    case RowKind::ComboBox:
    case RowKind::NameComboBox:
    case RowKind::DateTimeFormatCombo: {
        auto* combo = Named<TiComponentEditorComboBox>(form_, row.name);
        combo->SetStyle(row.kind == RowKind::DateTimeFormatCombo ? csDropDown : csDropDownList);
        FillItems(*combo->Items(), row.items);
        int width = 96;
        for (int i = 0; i < combo->Items()->Count(); ++i)
            width = std::max(width, TextWidthOf(*combo, combo->Items()->Get(i)) + 32);
        combo->SetBounds(0, 0, width, 21);
        control = combo;
        break;
    }
    case RowKind::ColorPicker: {
        auto* picker = Named<TiComponentEditorColorPicker>(form_, row.name);
        picker->SetBounds(0, 0, 64, 21);
        control = picker;
        break;
    }
    case RowKind::FontPicker:
    case RowKind::Button:
    case RowKind::OpenPicker:
    case RowKind::SavePicker: {
        TiComponentEditorButton* button = nullptr;
        if (row.kind == RowKind::FontPicker)
            button = Named<TiComponentEditorFontPicker>(form_, row.name);
        else if (row.kind == RowKind::Button)
            button = Named<TiComponentEditorButton>(form_, row.name);
        else {
            TiComponentEditorFilePicker* file = nullptr;
            if (row.kind == RowKind::OpenPicker)
                file = Named<TiComponentEditorOpenPicker>(form_, row.name);
            else
                file = Named<TiComponentEditorSavePicker>(form_, row.name);
            file->SetFilter(std::string(row.filter));
            file->SetDefaultExt(std::string(row.defaultExt));
            button = file;
        }
        button->SetText(std::string(row.caption));
        button->SetBounds(0, 0, std::max(75, TextWidthOf(*button, row.caption) + 16), 25);
        control = button;
        caption = {};
        break;
    }
    case RowKind::Display: {
        auto* value = Named<TLabel>(form_, row.name);
        value->SetAutoSize(false);
        value->SetBounds(0, 0, 100, 17);
        control = value;
        break;
    }
    }
    return RowControl{control, partner, caption};
}

TControl* MakeRowControl(TCustomForm& form, EditorPageLayout& layout, const PageRow& row) {
    const RowControl made = MakeRowControl(form, row);
    layout.Add(row.place, made.control, made.caption, made.partner);
    return made.control;
}

void LoadRowValue(const PageRow& row, TControl* control, TObject* object) {
    if (row.property.empty() || !control || !object)
        return;
    if (row.kind == RowKind::FontPicker) {
        if (auto* picker = dynamic_cast<TiComponentEditorFontPicker*>(control))
            picker->SetPickedFont(FontByPath(object, row.property));
        return;
    }
    const std::string text = PropertyTextByPath(object, row.property);
    auto* combo = dynamic_cast<TiComponentEditorComboBox*>(control);
    if (combo && IsNameCombo(row))
        combo->SetAsInteger(combo->Items()->IndexOf(text));
    else if (combo && WritesText(row))
        combo->SetAsString(text);
    else
        LoadEditorValue(control, text);
}

void WriteRowValue(const PageRow& row, TControl* control, TObject* object) {
    if (row.property.empty() || !control || !object)
        return;
    if (row.kind == RowKind::FontPicker) {
        auto* picker = dynamic_cast<TiComponentEditorFontPicker*>(control);
        if (TFont* font = FontByPath(object, row.property); font && picker)
            font->Assign(*picker->PickedFont());
        return;
    }
    auto* combo = dynamic_cast<TiComponentEditorComboBox*>(control);
    const std::string text = combo && WritesText(row) ? combo->AsString() : EditorValueText(control);
    WritePropertyTextByPath(object, row.property, text);
}

} // namespace korvan::plot::editor

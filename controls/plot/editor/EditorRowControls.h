#pragma once
// The control of one page row: made, owned by the form and named as the
// row says, placed in the row's place; loaded silently from an object's
// published property and written back through its setter.

#include "controls/plot/editor/EditorPageRows.h"

class TObject;

namespace korvan::plot::editor {

class EditorPageLayout;

struct RowControl {
    TControl* control = nullptr;
    TControl* partner = nullptr; // shown right of it (an up-down, a picker)
    std::string_view caption;    // shown before it; empty when it shows its own
};
// Made and named, not yet placed.
RowControl MakeRowControl(TCustomForm& form, const PageRow& row);
// Made and placed in the row's place.
TControl* MakeRowControl(TCustomForm& form, EditorPageLayout& layout, const PageRow& row);
// Nothing for a row without a property.
void LoadRowValue(const PageRow& row, TControl* control, TObject* object);
void WriteRowValue(const PageRow& row, TControl* control, TObject* object);

// The place where a converter edit gets its value-converter picker: until
// the picker class exists, converter edits are plain edits.
TControl* MakeConverterPicker(TCustomForm& form, const PageRow& row, TControl* edit);

} // namespace korvan::plot::editor

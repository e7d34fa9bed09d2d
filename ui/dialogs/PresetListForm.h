#pragma once
// The common part of the store and recall lists: a title, the list of
// preset names and a Cancel button. Picking a row opens the name window
// for that row; the device model and the name window write names into the
// rows.

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"
#include "ui/dialogs/PresetNameList.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>

namespace korvan {

// Each row of the list text: five blanks, the key, "=", two blanks, the
// 14-character name, CR LF.
inline constexpr int PresetRowLength = 27;
inline constexpr int PresetNameOffset = 11;
inline constexpr int PresetNameLength = 14;

// What tells the two lists apart.
struct PresetListKind {
    const char* formName;
    // The language key of the caption and the title, and the stored title.
    const char* titleKey;
    const char* storedTitle;
    // The recall list begins with the factory preset F00.
    bool factoryRow;
};

class PresetListForm : public HostedForm {
public:
    PresetListForm(TComponent* owner, WindowHost& host, const PresetListKind& kind);

    TLabel* lPresetSelect;
    PresetNameList* vledPresetName;
    TButton* bnCancel;

    // Replaces the name of data row r (0-based); name is the 14 characters shown.
    void SetPresetRow(int r, const std::string& name);
    // The name part of data row r (0-based), as the list holds it.
    std::string RowName(int r) const;
    // The key of data row r (0-based): "F00" or "U01".."U20".
    std::string RowKey(int r) const;
    bool IsRecallList() const { return kind_.factoryRow; }

    void FormShow(TObject* Sender);
    // row: 1-based, as the list counts data rows.
    void vledPresetNameSelectCell(int column, int row);
    void bnCancelClick(TObject* Sender);

private:
    // Where the name of data row r lies in the list text: offset and length.
    std::optional<std::pair<std::size_t, std::size_t>> NameRange(int r) const;

    const PresetListKind& kind_;
};

} // namespace korvan

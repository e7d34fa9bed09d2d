#include "ui/dialogs/PresetListForm.h"

#include "platform/forms/LoadScope.h"
#include "ui/dialogs/FStoreName.h"
#include "ui/dialogs/ModalWindows.h"

#include <cstdio>
#include <utility>

namespace korvan {

namespace {
constexpr int StoredRows = 20;
constexpr int KeyWidth = 69;
constexpr int ValueWidth = 126;
constexpr int Margin = 12;
constexpr int ListTop = 36;
constexpr int ButtonHeight = 30;
constexpr int ButtonWidth = 90;
} // namespace

PresetListForm::PresetListForm(TComponent* owner, WindowHost& host, const PresetListKind& kind)
    : HostedForm(owner, host), kind_(kind) {
    forms::LoadScope scope(this);
    SetName(kind.formName);
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    const int rows = StoredRows + (kind.factoryRow ? 1 : 0);
    const int listWidth = KeyWidth + ValueWidth + 3;
    const int listHeight = (rows + 1) * PresetNameList::RowHeight + 1;
    SetClientWidth(listWidth + 2 * Margin);
    SetClientHeight(ListTop + listHeight + 2 * Margin + ButtonHeight);
    SetCaption("Preset Select");
    lPresetSelect = scope.Place<TLabel>(this, "lPresetSelect", Margin, 10, listWidth, 20);
    lPresetSelect->SetCaption(kind.storedTitle);
    vledPresetName =
        scope.Place<PresetNameList>(this, "vledPresetName", Margin, ListTop, listWidth, listHeight);
    vledPresetName->SetTabStop(false);
    vledPresetName->SetTitleCaptions(" Number", "         Name");
    vledPresetName->SetColumnWidths(KeyWidth, ValueWidth);
    std::string text;
    for (int r = 0; r < rows; ++r)
        text += "     " + RowKey(r) + "=  Default Preset\r\n";
    vledPresetName->SetText(text);
    vledPresetName->OnSelectCell = [this](int column, int row) { vledPresetNameSelectCell(column, row); };
    bnCancel = scope.Place<TButton>(this, "bnCancel", (ClientWidth() - ButtonWidth) / 2,
                                    ListTop + listHeight + Margin, ButtonWidth, ButtonHeight);
    bnCancel->SetCaption("Cancel");
    bnCancel->SetCancel(true);
    bnCancel->OnClick = [this](TObject* s) { bnCancelClick(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

std::string PresetListForm::RowKey(int r) const {
    const int slot = kind_.factoryRow ? r : r + 1;
    char key[8];
    std::snprintf(key, sizeof key, slot == 0 ? "F%02d" : "U%02d", slot);
    return key;
}

// Rows are found by their line ends, so a name holding characters of more
// than one byte keeps every later row in place.
std::optional<std::pair<std::size_t, std::size_t>> PresetListForm::NameRange(int r) const {
    const std::string text = vledPresetName->Text();
    std::size_t start = 0;
    for (int i = 0; i < r && start != std::string::npos; ++i) {
        start = text.find('\n', start);
        if (start != std::string::npos)
            ++start;
    }
    if (r < 0 || start == std::string::npos || start + PresetNameOffset > text.size())
        return std::nullopt;
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos)
        end = text.size();
    return std::make_pair(start + PresetNameOffset, end - start - PresetNameOffset);
}

void PresetListForm::SetPresetRow(int r, const std::string& name) {
    const auto range = NameRange(r);
    if (!range)
        return;
    std::string text = vledPresetName->Text();
    text.replace(range->first, range->second, name);
    vledPresetName->SetText(text);
}

std::string PresetListForm::RowName(int r) const {
    const auto range = NameRange(r);
    return range ? vledPresetName->Text().substr(range->first, range->second) : std::string();
}

void PresetListForm::FormShow(TObject* /*Sender*/) {
    const std::string title = Tr(kind_.titleKey);
    SetCaption(title);
    lPresetSelect->SetCaption(title);
    bnCancel->SetCaption(Tr("SID_CANCEL"));
    vledPresetName->SetTitleCaptions(Tr("SID_PST_NUM"), Tr("SID_PST_NAME"));
}

void PresetListForm::vledPresetNameSelectCell(int /*column*/, int row) {
    if (fmStoreName == nullptr || row < 1 || row > vledPresetName->DataRowCount())
        return;
    fmStoreName->SetNameText(RowName(row - 1));
    fmStoreName->SetPresetNumber(row - 1);
    fmStoreName->lTitle->SetCaption(RowKey(row - 1) + " : ");
    fmStoreName->SetStoreMode(kind_.factoryRow ? 0 : 1);
    fmStoreName->Show();
}

void PresetListForm::bnCancelClick(TObject* /*Sender*/) {
    if (vledPresetName->CanFocus())
        vledPresetName->SetFocus();
    CloseWindow(this);
}

} // namespace korvan

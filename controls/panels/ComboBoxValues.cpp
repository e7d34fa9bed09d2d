// TRzComboBox: a value paired with each item. The selection's value is
// the item's entry in Values, or the item's text when that entry is empty;
// setting Value selects the first item that carries it.

#include "controls/panels/ComboBox.h"

#include "platform/forms/Filer.h"
#include "platform/sys/FlagScope.h"

using korvan::forms::ClassBuilder;

const TClassInfo& TRzComboBox::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TRzComboBox>("TRzComboBox", &TRzCustomComboBox::StaticClassInfo())
            .Creator()
            .Property("Values", &TRzComboBox::Values, &TRzComboBox::SetValues)
            .Build();
    return info;
}

TRzComboBox::TRzComboBox(TComponent* owner)
    : TRzCustomComboBox(owner), values_(std::make_unique<TStringList>()) {
    values_->OnChange = [this](TObject*) { ValuesChanged(); };
}

TRzComboBox::~TRzComboBox() {
    values_->OnChange = nullptr;
}

void TRzComboBox::SetValues(TStrings* values) {
    if (values)
        values_->Assign(values);
}

std::string TRzComboBox::GetItemValue(int index) const {
    if (index < 0)
        return {};
    if (index < values_->Count() && !values_->Get(index).empty())
        return values_->Get(index);
    if (index < Count())
        return Items()->Get(index);
    return {};
}

std::string TRzComboBox::GetValue() const {
    int index = -1;
    if (Style() == csDropDown || Style() == csSimple)
        index = Text().empty() ? -1 : Items()->IndexOf(Text());
    else
        index = ItemIndex();
    if (index >= 0 && index < values_->Count() && !values_->Get(index).empty())
        return values_->Get(index);
    return Text();
}

void TRzComboBox::SetValue(const std::string& value) {
    if (value == value_ && !forceSetValue_)
        return;
    korvan::sys::FlagScope guard(inSetValue_);
    int found = -1;
    for (int i = 0; i < Count() && found < 0; ++i)
        if (GetItemValue(i) == value)
            found = i;
    // Selecting the selected item again would put back its text over what
    // the user typed.
    if (found != ItemIndex())
        SetItemIndex(found);
    value_ = value;
}

void TRzComboBox::FollowSelection() {
    if (ItemIndex() >= 0)
        SetValue(GetItemValue(ItemIndex()));
}

void TRzComboBox::Change() {
    if (inSetValue_)
        return;
    TRzCustomComboBox::Change();
    FollowSelection();
}

void TRzComboBox::Click() {
    if (inSetValue_)
        return;
    TRzCustomComboBox::Click();
    FollowSelection();
}

void TRzComboBox::ValuesChanged() {
    if (forceSetValue_)
        SetValue(GetValue());
}

void TRzComboBox::ClearItemsValues() {
    ClearItems();
    values_->Clear();
}

void TRzComboBox::AddItemValue(const std::string& item, const std::string& value) {
    Add(item);
    values_->Add(value);
}

void TRzComboBox::InsertItemValue(int index, const std::string& item, const std::string& value) {
    Insert(index, item);
    values_->Insert(index, value);
}

void TRzComboBox::DeleteItemValue(int index) {
    Delete(index);
    if (index >= 0 && index < values_->Count())
        values_->Delete(index);
}

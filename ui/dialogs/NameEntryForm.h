#pragma once
// The base of the small windows that take one name: a title, the label of
// what is named, the name's field, OK and Cancel. Enter in the field
// confirms as OK does; Cancel closes the window.

#include "platform/forms/StdCtrls.h"
#include "ui/dialogs/HostedForm.h"

#include <string>
#include <string_view>

namespace korvan {

struct NameEntryLayout {
    const char* form;
    const char* caption;
    // The title label's name and text, the lead label's name and text.
    const char* title;
    const char* titleText;
    const char* lead;
    const char* leadText;
    int clientWidth;
    int fieldLeft;
    int fieldWidth;
    int maxLength;
    const char* fieldText;
};

class NameEntryForm : public HostedForm {
public:
    NameEntryForm(TComponent* owner, WindowHost& host, const NameEntryLayout& layout);

    TEdit* edName;
    TButton* btnOK;
    TButton* bnCancel;

    // Shows the name without its trailing blanks and carriage returns.
    void SetNameText(const std::string& name);
    virtual void btnOKClick(TObject* Sender) = 0;
    void bnCancelClick(TObject* Sender);
    void edNameKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift);

protected:
    // The caption and the title from `titleKey`, the buttons' texts.
    void ShowTexts(std::string_view titleKey);
    // The field takes input (or only shows the name) and, when it does, has
    // the focus with its whole text selected.
    void FocusName(bool editable);

    TLabel* titleLabel_;
    TLabel* leadLabel_;
};

} // namespace korvan

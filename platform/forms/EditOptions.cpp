// The edit's entry options: character case, digits only, selection on
// focus and after it, the grey hint, input methods and reading order.

#include "platform/forms/LineEditWidget.h"
#include "platform/forms/StdCtrls.h"

using korvan::forms::LetterCase;
using korvan::forms::LineEditWidget;

namespace {

LineEditWidget& Native(TEdit& edit) {
    return *static_cast<LineEditWidget*>(edit.Widget());
}

LetterCase LetterCaseOf(TEditCharCase value) {
    switch (value) {
    case ecUpperCase:
        return LetterCase::Upper;
    case ecLowerCase:
        return LetterCase::Lower;
    default:
        return LetterCase::Normal;
    }
}

} // namespace

void TEdit::SetCharCase(TEditCharCase value) {
    if (value == charCase_)
        return;
    charCase_ = value;
    LineEditWidget& edit = Native(*this);
    edit.SetLetterCase(LetterCaseOf(value));
    // The text already there takes the case too (a change the user sees
    // as OnChange when it alters the text).
    const QString converted = korvan::forms::InCase(edit.text(), LetterCaseOf(value));
    if (converted != edit.text())
        edit.setText(converted);
}

void TEdit::SetNumbersOnly(bool value) {
    numbersOnly_ = value;
    Native(*this).numbersOnly = value;
}

void TEdit::SetAutoSelect(bool value) {
    autoSelect_ = value;
    Native(*this).autoSelect = value;
}

void TEdit::SetHideSelection(bool value) {
    hideSelection_ = value;
    Native(*this).hideSelection = value;
}

void TEdit::SetTextHint(const std::string& value) {
    if (value == textHint_)
        return;
    textHint_ = value;
    ShowTextHint(value);
}

void TEdit::ShowTextHint(const std::string& text) {
    Native(*this).setPlaceholderText(QString::fromStdString(text));
}

void TEdit::SetImeMode(TImeMode value) {
    imeMode_ = value;
    ApplyImeMode();
}

void TEdit::ApplyImeMode() {
    // Qt turns input methods on again when the edit becomes writable or
    // shows its text; the edit applies its mode after each such change.
    LineEditWidget& edit = Native(*this);
    if (imeMode_ == imDisable)
        edit.setAttribute(Qt::WA_InputMethodEnabled, false);
    else if (!readOnly_ && !passwordChar_)
        edit.setAttribute(Qt::WA_InputMethodEnabled, true);
}

int TEdit::SelLength() const {
    return int(Native(const_cast<TEdit&>(*this)).selectedText().size());
}

void TEdit::BiDiModeChanged() {
    TFieldControl::BiDiModeChanged();
    // Right to left mirrors the alignment, as in the framework's edit; the
    // other right-to-left modes keep it (the text itself reads in its own
    // direction either way).
    Native(*this).setLayoutDirection(BiDiMode() == bdRightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
}

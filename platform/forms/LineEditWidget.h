#pragma once
// The window of TEdit: a line edit that keeps the framework edit's rules
// where Qt's own differ.
// - The length limit holds for what the user types or pastes only: a longer
//   text the program sets is shown whole (a plain line edit would cut it),
//   and then takes no more typed characters.
// - Numbers only: a typed character that is no digit is refused (pasting
//   and the program's texts are not checked, as the framework does not).
// - Character case: typed and pasted text is converted as it goes in.
// - Auto-select: entering the edit (Tab, the program's SetFocus) selects
//   the whole text; a click, the window's reactivation or a closed menu
//   leave the caret and selection as they were, and so does every entry
//   without auto-select (Qt would select all on Tab).
// - The selection stays when the focus leaves (Qt would drop it); with
//   hide selection on it does not show until the focus comes back.
// - The password character is the one asked for, not the style's.
// Layer internal: nothing above platform/forms sees this class.

#include "platform/forms/ControlTypes.h"

#include <QLineEdit>

namespace korvan::forms {

enum class LetterCase { Normal, Upper, Lower };

// The text in the given case (Unicode letters included).
QString InCase(const QString& text, LetterCase letterCase);

class LineEditWidget : public QLineEdit {
public:
    LineEditWidget();

    int typedLimit = 0; // 0: no limit
    bool numbersOnly = false;
    bool autoSelect = true;
    bool hideSelection = true;
    void SetLetterCase(LetterCase letterCase);
    LetterCase GetLetterCase() const { return letterCase_; }
    // 0: the text shows as typed.
    void SetPasswordCharacter(char c);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Selects what was selected, the caret at the same end; no selection:
    // the caret at `caret`.
    void Reselect(int start, int length, int caret);
    // Hides the selection by drawing it in the field's own colours.
    void ShowSelection(bool show);
    LetterCase letterCase_ = LetterCase::Normal;
    bool selectionShown_ = true;
};

} // namespace korvan::forms

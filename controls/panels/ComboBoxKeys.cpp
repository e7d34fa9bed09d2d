// The combo box's keyboard: incremental search in the list styles (the
// typed characters pick the first item that begins with them until a pause
// of SearchResetInterval), completion in the edit styles (the typed text is
// completed to the first item that begins with it, the completed part
// selected), the read-only rules and the framework's own key handling.

#include "controls/panels/ComboBox.h"

#include "platform/forms/Form.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/sys/FlagScope.h"

#include <algorithm>

namespace {

// F4 opens and closes the list.
constexpr std::uint16_t kVkF4 = 0x73;
constexpr char kBackspace = 8;
constexpr char kTab = 9;
constexpr char kReturn = 13;
constexpr char kEscape = 27;
constexpr char kCtrlC = 3;
constexpr char kCtrlV = 22;
constexpr char kCtrlX = 24;

bool Printable(char key) {
    return static_cast<unsigned char>(key) >= 32;
}

} // namespace

// ---------------------------------------------------------------- key-downs

void TRzCustomComboBox::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (!HasEditField())
        ListKeyDown(key);
    else if (autoComplete_)
        EditKeyDown(key, shift);
    if (key != 0)
        TComboBox::KeyDown(key, shift);
}

bool TRzCustomComboBox::WantSpecialKey(std::uint16_t key) const {
    return TComboBox::WantSpecialKey(key) || (key == VK_RETURN && tabOnEnter_);
}

void TRzCustomComboBox::ListKeyDown(std::uint16_t& key) {
    if (key == VK_ESCAPE || (key >= VK_PRIOR && key <= VK_DOWN))
        searchString_.clear();
    if (readOnly_)
        key = 0;
}

void TRzCustomComboBox::EditKeyDown(std::uint16_t& key, TShiftState shift) {
    if (shift & ssAlt) {
        // A system key: with Alt the list may open, but not when read-only.
        sysKeyDown_ = true;
        if (readOnly_ && key != kVkF4)
            key = 0;
        return;
    }
    sysKeyDown_ = false;
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN:
        // The list's own step (its choice does not pass through SetText).
        searchString_.clear();
        if (readOnly_)
            key = 0;
        break;
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_RIGHT:
        searchString_ = Text();
        break;
    case VK_INSERT:
        if (!allowEdit_)
            key = 0;
        else if (shift & ssShift)
            pastePending_ = true;
        break;
    case VK_DELETE: {
        searchString_ = Text();
        const int at = SelStart();
        if (at < int(searchString_.size()))
            searchString_.erase(size_t(at), size_t(std::max(SelLength(), 1)));
        const bool allSelected = SelStart() == 0 && SelLength() == int(Text().size());
        if (!allowEdit_ && !allSelected)
            key = 0;
        break;
    }
    case kVkF4:
        if (readOnly_)
            key = 0;
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- characters

void TRzCustomComboBox::KeyPress(char& key) {
    keyPassed_ = false;
    if (sysKeyDown_) {
        sysKeyDown_ = false;
        PassKey(key);
        return;
    }
    if (!HasEditField()) {
        if (!ListKeyPress(key))
            PassKey(key);
        return;
    }
    if (!autoComplete_) {
        PassKey(key);
        return;
    }
    EditKeyPress(key);
}

void TRzCustomComboBox::PassKey(char& key) {
    if (keyPassed_ || key == 0)
        return;
    keyPassed_ = true;
    FrameworkKeyPress(key);
}

void TRzCustomComboBox::FrameworkKeyPress(char& key) {
    if (tabOnEnter_ && key == kReturn && !DroppedDown()) {
        MoveFocusOn();
        key = 0;
        return;
    }
    if (Style() == csDropDown && maxLength_ > 0 && Printable(key) && int(Text().size()) >= maxLength_ &&
        SelLength() == 0) {
        InvalidKeyPressed();
        key = 0;
        return;
    }
    TComboBox::KeyPress(key);
    if (!autoDropDown_ || key == 0)
        return;
    if (key == kTab) {
        if (DroppedDown())
            SetDroppedDown(false);
    } else if (key != kBackspace && key != kEscape && !DroppedDown()) {
        SetDroppedDown(true);
    }
}

void TRzCustomComboBox::MoveFocusOn() {
    if (TCustomForm* form = GetParentForm())
        form->SelectNext(this, true, true);
}

// ---------------------------------------------------------------- list search

bool TRzCustomComboBox::ListKeyPress(char& key) {
    if (readOnly_) {
        key = 0;
        return true;
    }
    if (key == kBackspace) {
        if (searchString_.empty()) {
            InvalidKeyPressed();
            SelectSearchMatch(std::string(), key);
        } else {
            searchString_.pop_back();
            if (!searchString_.empty()) {
                SelectSearchMatch(searchString_, key);
            } else {
                SetItemIndex(0);
                Click();
                Change();
                searchString_.clear();
                PassKey(key);
            }
        }
        key = 0;
        return true;
    }
    if (!Printable(key))
        return false;
    keyCount_ = 1;
    SelectSearchMatch(searchString_ + key, key);
    // Each character starts the pause again.
    timer_->SetEnabled(false);
    timer_->SetInterval(unsigned(SearchResetInterval));
    timer_->SetEnabled(true);
    keyCount_ = 0;
    key = 0;
    return true;
}

bool TRzCustomComboBox::SelectSearchMatch(const std::string& s, char& key) {
    const int index = FindClosest(s);
    if (index < 0) {
        InvalidKeyPressed();
        return false;
    }
    SetItemIndex(index);
    searchString_ = s;
    Click();
    Change();
    PassKey(key);
    return true;
}

void TRzCustomComboBox::SearchTimerFired() {
    if (keyCount_ != 0)
        return;
    timer_->SetEnabled(false);
    searchString_.clear();
}

// ---------------------------------------------------------------- completion

void TRzCustomComboBox::EditKeyPress(char& key) {
    if (readOnly_) {
        if (tabOnEnter_ && key == kReturn && !DroppedDown())
            MoveFocusOn();
        // Copying is not changing.
        if (key == kCtrlC)
            PassKey(key);
        else
            key = 0;
        return;
    }
    switch (key) {
    case kBackspace:
        EditBackspace(key);
        return;
    case kReturn:
        if (DroppedDown())
            DoSelEndOk();
        enterPressed_ = true;
        PassKey(key);
        return;
    case kCtrlV:
    case kCtrlX:
        if (!allowEdit_) {
            key = 0;
            return;
        }
        pastePending_ = true;
        PassKey(key);
        return;
    case kEscape:
        searchString_.clear();
        if (!DroppedDown())
            key = 0;
        return;
    default:
        break;
    }
    if (Printable(key))
        EditCharacter(key);
    else
        PassKey(key);
}

void TRzCustomComboBox::EditBackspace(char& key) {
    std::string s = searchString_;
    if (s.empty()) {
        InvalidKeyPressed();
        PassKey(key);
        return;
    }
    const int caret = SelStart();
    if (caret >= int(s.size())) {
        s.pop_back();
    } else if (SelLength() > 0 && allowEdit_) {
        // The selected range goes; the caret stays at its start.
        s.erase(size_t(caret), size_t(SelLength()));
        SetSelLength(0);
        SetSelStart(caret);
    } else if (allowEdit_ && caret > 0) {
        s.erase(size_t(caret - 1), 1);
    }
    Change();
    if (s.empty()) {
        SetItemIndex(-1);
        if (keepSearchCase_)
            SetTextTyping(std::string());
        searchString_.clear();
        Click();
        Change();
        PassKey(key);
        // Nothing is left to complete: an empty text matches no item.
        return;
    }
    searchString_ = s;
    if (AutoCompleteText(searchString_, key))
        key = 0;
}

void TRzCustomComboBox::EditCharacter(char& key) {
    // The handlers see the character first and may replace or drop it.
    PassKey(key);
    if (!Printable(key))
        return;
    const int caret = std::min(SelStart(), int(searchString_.size()));
    std::string s = searchString_;
    if (SelLength() > 0)
        s.erase(size_t(caret), size_t(SelLength()));
    const std::string before = searchString_;
    s.insert(size_t(caret), 1, key);
    searchString_ = s;
    if (AutoCompleteText(searchString_, key)) {
        key = 0;
        return;
    }
    if (allowEdit_) {
        // Free text: the typed text without the completed part, and the
        // character goes into the edit field at the caret.
        SetTextTyping(before);
        SetSelStart(caret);
        return;
    }
    InvalidKeyPressed();
    searchString_ = before;
    key = 0;
}

bool TRzCustomComboBox::AutoCompleteText(const std::string& s, char& key) {
    const int old = ItemIndex();
    const int index = FindClosest(s);
    if (index < 0)
        return false;
    const std::string item = Items()->Get(index);
    if (keepSearchCase_) {
        SetTextTyping(s + item.substr(std::min(s.size(), item.size())));
    } else {
        SetItemIndex(-1);
        SetItemIndex(index);
    }
    Click();
    Change();
    PassKey(key);
    // The completed part is selected, so the next character replaces it.
    SetSelStart(int(s.size()));
    SetSelLength(int(item.size()) - int(s.size()));
    if (ItemIndex() != old)
        DoMatch();
    return true;
}

void TRzCustomComboBox::EditTextChanged() {
    // A paste or cut by the user completes like typing.
    if (!std::exchange(pastePending_, false) || !allowEdit_ || !autoComplete_)
        return;
    searchString_ = Text();
    char none = 0;
    AutoCompleteText(searchString_, none);
}

// ---------------------------------------------------------------- text

void TRzCustomComboBox::SetText(const std::string& text) {
    TComboBox::SetText(text);
    if (autoComplete_ && !typing_ && !DroppedDown())
        CompleteFromText();
    typing_ = false;
}

void TRzCustomComboBox::CompleteFromText() {
    if (Style() != csDropDown)
        return;
    if (enterPressed_)
        enterPressed_ = false;
    else
        searchString_ = Text();
    const int index = FindClosest(searchString_);
    if (index < 0 || searchString_.empty())
        return;
    const int length = int(Items()->Get(index).size());
    SetItemIndex(index);
    SetSelStart(int(searchString_.size()));
    SetSelLength(length - int(searchString_.size()));
}

void TRzCustomComboBox::SetTextTyping(const std::string& text) {
    typing_ = true;
    SetText(text);
    typing_ = false;
}

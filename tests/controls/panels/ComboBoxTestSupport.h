#pragma once
// The combo box tests' fixture: a form holding a slope list as the editor
// builds it (20 fixed items, the last one selected, flat button, a light
// cyan background, Arial), a second control to take the focus, counters of
// the events and beeps, and typing that knows Backspace and Return.

#include "controls/panels/ComboBox.h"
#include "controls/panels/SystemBeep.h"
#include "platform/forms/LoadScope.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/support/gui/GuiHarness.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvan::testing {

inline const std::vector<std::string>& SlopeItems() {
    static const std::vector<std::string> items{
        "BW -6",  "BW -12", "BW -18", "BW -24", "BW -30", "BW -36", "BW -42", "BW -48", "BL -6",  "BL -12",
        "BL -18", "BL -24", "BL -30", "BL -36", "BL -42", "BL -48", "LK -12", "LK -24", "LK -36", "LK -48"};
    return items;
}

struct ComboEvents {
    int click = 0, change = 0, match = 0, notInList = 0, selEndOk = 0, selEndCancel = 0, closeUp = 0,
        keyPress = 0;
    std::string log; // one letter per event in order: k c h m
};

class ComboTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        previousSink_ = korvan::panels::SetBeepSink([this] { ++beeps; });
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 320, 200);
        korvan::forms::LoadScope scope(form.get());
        combo = scope.Place<TRzComboBox>(form.get(), "cbSlope", 10, 10, 100, 21);
        combo->SetFlatButtons(true);
        combo->SetColor(TColor(16777183));
        combo->Font().SetName("Arial");
        combo->Font().SetHeight(-11);
        for (const std::string& s : SlopeItems())
            combo->Items()->Add(s);
        combo->SetItemIndex(19);
        other = scope.Place<TEdit>(form.get(), "edOther", 10, 60, 100, 21);
        scope.Finish();
        Watch(combo);
    }
    void TearDown() override {
        form.reset();
        korvan::panels::SetBeepSink(previousSink_);
        GuiTest::TearDown();
    }

    void Watch(TRzCustomComboBox* c) {
        c->OnClick = [this](TObject*) { ++events.click, events.log += 'c'; };
        c->OnChange = [this](TObject*) { ++events.change, events.log += 'h'; };
        c->OnMatch = [this](TObject*) { ++events.match, events.log += 'm'; };
        c->OnNotInList = [this](TObject*) { ++events.notInList; };
        c->OnSelEndOk = [this](TObject*) { ++events.selEndOk; };
        c->OnSelEndCancel = [this](TObject*) { ++events.selEndCancel; };
        c->OnCloseUp = [this](TObject*) { ++events.closeUp; };
        c->OnKeyPress = [this](TObject*, char&) { ++events.keyPress, events.log += 'k'; };
    }

    // Shows the form with the combo box focused, events counted from here.
    void Focus(TWinControl* c) {
        ShowForm(form.get());
        c->SetFocus();
        ProcessEvents();
        events = ComboEvents{};
        beeps = 0;
    }

    // Each character as a key; '\b' is Backspace and '\r' Return.
    void TypeKeys(TWinControl* c, const std::string& keys) {
        for (char ch : keys) {
            if (ch == '\b')
                input.Key(c, VK_BACK, 0, "\b");
            else if (ch == '\r')
                input.Key(c, VK_RETURN, 0, "\r");
            else
                input.Type(c, std::string(1, ch));
        }
    }

    std::unique_ptr<TForm> form;
    TRzComboBox* combo = nullptr;
    TEdit* other = nullptr;
    ComboEvents events;
    int beeps = 0;

private:
    std::function<void()> previousSink_;
};

} // namespace korvan::testing

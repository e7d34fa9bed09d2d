#include "controls/plot/editor/EditorValues.h"

#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorListBox.h"
#include "controls/plot/editor/EditorPickers.h"
#include "controls/plot/editor/EditorUpDown.h"
#include "platform/text/IntText.h"
#include "platform/text/StrUtils.h"

#include <type_traits>

namespace korvan::plot {

namespace {

int IntegerOf(const std::string& text) {
    int value = 0;
    return TryStrToInt(Trim(text), value) ? value : 0;
}

// The control type a handler takes.
template <class F> struct HandlerArg : HandlerArg<decltype(&F::operator())> {};
template <class C, class A> struct HandlerArg<void (C::*)(A*) const> { using type = A; };

// Runs the first of the handlers whose control type matches.
template <class... Handlers> bool Dispatch(TControl* control, Handlers&&... handlers) {
    bool done = false;
    const auto tryOne = [&](auto&& handler) {
        using Arg = typename HandlerArg<std::decay_t<decltype(handler)>>::type;
        if (done)
            return;
        if (auto* typed = dynamic_cast<Arg*>(control)) {
            handler(typed);
            done = true;
        }
    };
    (tryOne(handlers), ...);
    return done;
}

} // namespace

std::string EditorValueText(const TControl* control) {
    std::string text;
    Dispatch(
        const_cast<TControl*>(control), [&](TiComponentEditorEdit* c) { text = c->AsString(); },
        [&](TiUpDown* c) { text = IntToStr(c->AsInteger()); },
        [&](TiComponentEditorCheckBox* c) { text = c->AsBoolean() ? "True" : "False"; },
        [&](TiComponentEditorRadioGroup* c) { text = IntToStr(c->AsInteger()); },
        [&](TiComponentEditorComboBox* c) { text = IntToStr(c->AsInteger()); },
        [&](TiComponentEditorColorPicker* c) { text = IntToStr(c->Color()); },
        [&](TiComponentEditorFilePicker* c) { text = c->FileName(); });
    return text;
}

void LoadEditorValue(TControl* control, const std::string& text) {
    Dispatch(
        control, [&](TiComponentEditorEdit* c) { c->SetAsString(text); },
        [&](TiUpDown* c) { c->SetAsInteger(IntegerOf(text)); },
        [&](TiComponentEditorCheckBox* c) { c->SetAsBoolean(SameText(Trim(text), "True")); },
        [&](TiComponentEditorRadioGroup* c) { c->SetAsInteger(IntegerOf(text)); },
        [&](TiComponentEditorComboBox* c) { c->SetAsInteger(IntegerOf(text)); },
        [&](TiComponentEditorColorPicker* c) { c->SetColor(TColor(IntegerOf(text))); },
        [&](TiComponentEditorFilePicker* c) { c->SetFileName(text); });
}

void SetEditorControlEnabled(TControl* control, bool enabled) {
    const auto apply = [enabled](auto* c) {
        if (enabled)
            c->Enable();
        else
            c->Disable();
    };
    if (!Dispatch(
            control, [&](TiComponentEditorEdit* c) { apply(c); }, [&](TiUpDown* c) { apply(c); },
            [&](TiComponentEditorCheckBox* c) { apply(c); },
            [&](TiComponentEditorRadioGroup* c) { apply(c); },
            [&](TiComponentEditorComboBox* c) { apply(c); },
            [&](TiComponentEditorColorPicker* c) { apply(c); },
            [&](TiComponentEditorButton* c) { apply(c); }))
        control->SetEnabled(enabled);
}

void BindUserEdit(TControl* control, TNotifyEvent handler) {
    Dispatch(
        control, [&](TiComponentEditorEdit* c) { c->OnUpdate = handler; },
        [&](TiUpDown* c) {
            if (c->Associate())
                c->Associate()->OnUpdate = handler;
        },
        [&](TiComponentEditorCheckBox* c) { c->OnClick = handler; },
        [&](TiComponentEditorRadioGroup* c) { c->OnChange = handler; },
        [&](TiComponentEditorComboBox* c) { c->OnChange = handler; },
        [&](TiComponentEditorColorPicker* c) { c->OnChange = handler; },
        [&](TiComponentEditorButton* c) { c->OnChange = handler; },
        [&](TiComponentEditorListBox* c) { c->OnClick = handler; });
}

} // namespace korvan::plot

#include "ui/main/editors/RoutingEditor.h"

#include "controls/gdip/CurvyControls.h"
#include "controls/panels/BmpButton.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/ValueScales.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "ui/main/editors/EntryRestore.h"
#include "ui/main/editors/MixGainEntry.h"
#include "ui/main/editors/RouteLines.h"
#include "ui/main/form/PageNames.h"

#include <cstdint>
#include <string>

namespace korvan::editors {

using mainform::ChannelShort;
using mainform::InputCount;
using mainform::OutputCount;

namespace {

constexpr int FirstOutputChannel = InputCount;

std::string Column(int output) {
    return "Out" + std::to_string(output);
}

// The input letter of a control's Tag; empty for a Tag that names none.
std::string InputLetter(const TControl& control) {
    const int tag = control.Tag();
    return tag >= 0 && tag < InputCount ? ChannelShort(tag) : std::string();
}

} // namespace

void RoutingEditor::AttachHandlers() {
    for (int n = 1; n <= OutputCount; ++n) {
        for (int i = 0; i < InputCount; ++i) {
            const std::string cell = ChannelShort(i) + "Matrix" + Column(n);
            if (auto* button = context_.Find<TRzBmpButton>("rzb" + cell))
                button->OnClick = [this, n](TObject* sender) { RouteClicked(n, sender); };
            if (auto* upDown = context_.Find<TUpDown>("udMixGain" + ChannelShort(i) + Column(n)))
                upDown->OnChangingEx = [this, n](TObject* sender, bool&, int newValue, TUpDownDirection) {
                    MixChanging(n, sender, newValue);
                };
            if (auto* edit = context_.Find<TCurvyEdit>("cvd" + cell)) {
                edit->OnKeyDown = [this, n, edit](TObject*, std::uint16_t& key, TShiftState) {
                    if (key == VK_RETURN)
                        ApplyMixGainEntry(n, *edit);
                };
                edit->OnExit = [this, n, edit](TObject*) { ApplyMixGainEntry(n, *edit); };
            }
        }
    }
    // The box paints nothing of its own: every paint of the diagram shows
    // exactly the model's routes over the group's background.
    if (auto* box = context_.Find<TPaintBox>("pbMatrix"))
        box->OnPaint = [this, box](TObject*) {
            editors::DrawMatrixRoutes(box->Canvas(), box->Width(), extraHeight_, context_.Model());
        };
}

void RoutingEditor::RouteClicked(int output, TObject* sender) {
    auto* button = dynamic_cast<TRzBmpButton*>(sender);
    if (button == nullptr)
        return;
    context_.Model().SetMatrix(FirstOutputChannel + output - 1, button->Tag(), button->Down() ? 1 : 0);
    DrawMatrixRoutes();
}

void RoutingEditor::MixChanging(int output, TObject* sender, int newValue) {
    auto* upDown = dynamic_cast<TUpDown*>(sender);
    if (upDown == nullptr || newValue < upDown->Min() || newValue > upDown->Max())
        return;
    const std::string letter = InputLetter(*upDown);
    if (letter.empty())
        return;
    auto* button = context_.Find<TRzBmpButton>("rzb" + letter + "Matrix" + Column(output));
    auto* edit = context_.Find<TCurvyEdit>("cvd" + letter + "Matrix" + Column(output));
    if (!button || !edit)
        return;
    edit->SetText(FormatMixGain(newValue));
    if (context_.updating)
        return;
    context_.Model().SetMix(FirstOutputChannel + output - 1, button->Tag(),
                            static_cast<std::uint16_t>(newValue - upDown->Min()));
    DrawMatrixRoutes();
}

// A text that is no gain, or the gain already set, puts back the current
// gain's text with the caret at its end; nothing is stored or sent.
void RoutingEditor::ApplyMixGainEntry(int output, TCurvyEdit& edit) {
    const std::string letter = InputLetter(edit);
    auto* upDown = letter.empty() ? nullptr : context_.Find<TUpDown>("udMixGain" + letter + Column(output));
    if (upDown == nullptr)
        return;
    const std::optional<int> position = ReadMixGainEntry(edit.Text());
    edit.SetText("");
    const bool accepted = position && *position != upDown->Position();
    if (accepted)
        upDown->SetPosition(*position);
    const std::string text = FormatMixGain(upDown->Position());
    if (accepted)
        edit.SetText(text);
    else
        RestoreEntryText(edit, text);
}

void RoutingEditor::DrawMatrixRoutes() {
    if (auto* box = context_.Find<TPaintBox>("pbMatrix"))
        box->Repaint();
}

} // namespace korvan::editors

// The panel pack's controls read from a form's text and painted: every
// registered panel-pack class, its stored properties (also the defined
// bitmap data) and whatever values they carry.

#include "controls/panels/PanelClasses.h"
#include "fuzz/FuzzTarget.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormText.h"
#include "platform/text/Exception.h"

#include <QApplication>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Lives for the whole program (reachable through qApp).
    new QApplication(*argc, *argv);
    korvan::panels::RegisterPanelClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korvan::forms::FormTokens tokens;
    try {
        tokens = korvan::forms::TextToTokens(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const Exception&) {
        return 0;
    }
    auto form = std::make_unique<TForm>(nullptr);
    try {
        TReader reader(tokens);
        reader.ReadRootComponent(form.get());
    } catch (const Exception&) {
    }
    // Whatever was read paints; controls larger than a screen are left out,
    // their pictures alone would not fit in memory.
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(form->Components(i));
        if (!control || control->Width() > 2000 || control->Height() > 2000)
            continue;
        try {
            control->PaintSurface();
        } catch (const Exception&) {
        }
    }
    return 0;
}

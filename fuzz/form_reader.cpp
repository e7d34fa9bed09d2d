// The form reader: a form's text read into a form that already holds a
// panel with a button, through every registered standard class.

#include "fuzz/FuzzTarget.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormText.h"
#include "platform/forms/StdCtrls.h"
#include "platform/text/Exception.h"

#include <QApplication>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Lives for the whole program (reachable through qApp): a static one
    // would go after the thread storage it needs on its way out.
    new QApplication(*argc, *argv);
    korvan::forms::RegisterStandardClasses();
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
    auto* panel = new TPanel(form.get()); // owned by the form
    panel->SetName("Panel1");
    panel->SetParent(form.get());
    auto* button = new TButton(form.get());
    button->SetName("Button1");
    button->SetParent(panel);
    try {
        TReader reader(tokens);
        reader.ReadRootComponent(form.get());
    } catch (const Exception&) {
    }
    // However the read ended, every parent chain ends.
    for (int i = 0; i < form->ComponentCount(); ++i) {
        int steps = 0;
        for (TComponent* up = form->Components(i); up; up = up->GetParentComponent())
            FuzzCheck(++steps <= form->ComponentCount() + 2);
    }
    return 0;
}

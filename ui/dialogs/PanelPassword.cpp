#include "ui/dialogs/PanelPassword.h"

#include "platform/text/AnsiText.h"

#include <cctype>

namespace korvan {

namespace {
constexpr std::size_t PasswordLength = 4;
} // namespace

void MakePasswordField(TEdit& field) {
    field.SetMaxLength(int(PasswordLength));
    field.OnChange = [&field](TObject*) {
        std::string text = field.Text();
        bool changed = false;
        for (char& c : text) {
            const char upper = char(std::toupper(static_cast<unsigned char>(c)));
            changed |= upper != c;
            c = upper;
        }
        if (changed)
            field.SetText(text);
    };
}

std::string PanelPasswordBytes(const TEdit& field) {
    return text::ToAnsiField(field.Text(), PasswordLength, '\0');
}

} // namespace korvan

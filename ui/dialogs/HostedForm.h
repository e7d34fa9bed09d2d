#pragma once
// The base of the editor's secondary windows: a form that reaches the main
// window through its host interface and shows the host's language table.

#include "platform/forms/Form.h"
#include "ui/host/WindowHost.h"

#include <string>
#include <string_view>

namespace korvan {

class HostedForm : public TForm {
public:
    HostedForm(TComponent* owner, WindowHost& host) : TForm(owner), host_(host) {}

protected:
    // The text of `key` in the current language.
    std::string Tr(std::string_view key) const { return host_.Translate(key); }

    WindowHost& host_;
};

} // namespace korvan

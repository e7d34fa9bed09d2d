#pragma once
// The text form of a form stream, and the short-cuts that write a
// component into text and read text into a component.

#include "platform/forms/Filer.h"

#include <string>
#include <string_view>

namespace korvan::forms {

std::string TokensToText(const FormTokens& tokens);
// Raises EReadError "Line <n>: <problem>" for text that is not a stream.
FormTokens TextToTokens(std::string_view text);

std::string WriteComponentText(TComponent* root);
void ReadComponentText(std::string_view text, TComponent* root);

} // namespace korvan::forms

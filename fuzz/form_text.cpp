// The text form of a form stream: parsed into tokens; what parses writes
// back as text that parses to the same number of tokens.

#include "fuzz/FuzzTarget.h"
#include "platform/forms/FormText.h"
#include "platform/text/Exception.h"

#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly the input's length, so a read past the end is seen.
    const auto copy = std::make_unique<char[]>(size);
    std::copy(data, data + size, copy.get());
    korvan::forms::FormTokens tokens;
    try {
        tokens = korvan::forms::TextToTokens(std::string_view(copy.get(), size));
    } catch (const Exception&) {
        return 0;
    }
    std::string text;
    try {
        text = korvan::forms::TokensToText(tokens);
    } catch (const EWriteError&) {
        return 0; // a collection item index is read but never written
    }
    FuzzCheck(korvan::forms::TextToTokens(text).size() == tokens.size());
    return 0;
}

#pragma once
// Writes a rich-text document as Rich Text Format that ParseRtf reads back
// into the same document. The output is 7-bit ASCII: every character
// outside printable ASCII is a \uN escape (a surrogate pair beyond the
// basic plane), so the stream keeps every character whatever code page a
// reader assumes, and survives being held one byte per character.

#include "platform/forms/RtfDocument.h"

#include <string>

namespace korvan::forms {

std::string WriteRtf(const RtfDocument& document);

} // namespace korvan::forms

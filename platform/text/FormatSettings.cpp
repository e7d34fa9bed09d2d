#include "platform/text/FormatSettings.h"

namespace korvan::text {

const FormatSettings& DefaultFormatSettings() {
    static const FormatSettings settings;
    return settings;
}

FormatSettings& CurrentFormatSettings() {
    static FormatSettings settings;
    return settings;
}

} // namespace korvan::text

#include "controls/panels/TextStyle.h"

const std::vector<std::string>& TextStyleNames() {
    static const std::vector<std::string> names{"tsNormal", "tsRaised", "tsRecessed", "tsShadow"};
    return names;
}

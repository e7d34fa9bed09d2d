#pragma once
// The 3-D caption effects shared by the pack's labels and push buttons.

#include <string>
#include <vector>

enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };

// The names the form stream writes, in order.
const std::vector<std::string>& TextStyleNames();

#pragma once
// The main window's channels and pages by name: the suffixes its control
// names are composed of, and the page numbers the page buttons carry.

#include "platform/gfx/Color.h"

#include <string>

namespace korvan::mainform {

inline constexpr int InputCount = 4;
inline constexpr int OutputCount = 8;
inline constexpr int ChannelCount = InputCount + OutputCount;

// Pages 0..11 are the channels; the function pages follow.
enum Page { CompPage = 12, DelayPage, GainPage, MatrixPage, GatePage, LimitPage, GeqPage, PageCount };

// "InA".."InD" for 0..3, "Out1".."Out8" for 4..11.
std::string ChannelSuffix(int channel);
// "A".."D" for 0..3, "1".."8" for 4..11.
std::string ChannelShort(int channel);
// How a dynamics page names its channel: "In A".."In D", "Out 1".."Out 8".
std::string DynamicsPageHead(int channel);
// A dynamics page's title: its channel, two blanks and the processor's name
// ("In B  Gate", "Out 3  RMS Compressor"). The editors and the language
// switch both write it, so it reads the same whichever wrote it last.
std::string DynamicsPageTitle(int channel, const std::string& processor);
// The channel suffix for 0..11, then "Comp", "Delay", "Gain", "Matrix",
// "Gate", "Limit", "Geq".
std::string PageSuffix(int page);
// As the suffix, but "GEQ" for the graphic-EQ page.
std::string PageCaption(int page);

// The colour of each channel's curves, overlays and routing lines.
TColor OverlayColour(int channel);

} // namespace korvan::mainform

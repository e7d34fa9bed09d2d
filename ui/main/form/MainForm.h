#pragma once
// The main window's stored form, in two steps around the level meters
// (which the window places on the Gain page's group): the frames (the
// background pictures, page buttons and the two groups of every page),
// then what the pages hold, with the meters seated in their panels.

#include "ui/main/form/FormTable.h"

#include <span>
#include <string>
#include <vector>

namespace korvan::mainform {

std::span<const Family> PageFrames();
std::span<const Family> PageContents();
// The parameter groups' controls, built after the pages' contents.
std::span<const Family> ParameterControls();

// Every name the steps make.
std::vector<std::string> MainFormNames();

} // namespace korvan::mainform

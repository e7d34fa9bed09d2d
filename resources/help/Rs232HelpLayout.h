#pragma once
// Made by make_rs232_help.py with the documents and pictures beside it; run
// the script, do not edit.

#include <array>

namespace korvan::help {

inline constexpr int Rs232LabelTop = 8;
inline constexpr int Rs232PictureCount = 10;
inline constexpr std::array<int, 10> Rs232PictureHeights = {91, 100, 100, 95, 99, 100, 100, 100, 77, 150};
inline constexpr std::array<int, 10> Rs232EnglishTops = {72, 208, 363, 508, 648, 792, 940, 1145, 1294, 1427};
inline constexpr std::array<int, 10> Rs232ChineseTops = {75, 215, 364, 513, 657, 805, 954, 1103, 1252, 1378};

} // namespace korvan::help

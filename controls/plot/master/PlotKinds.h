#pragma once
// The kinds of plot object, named as their managers name new objects
// (GetBaseName). A kind manager is found by this name, so a kind whose
// classes live elsewhere joins the plot as soon as its manager is adopted
// by the master, and the plot reaches it without knowing its classes.

#include <string_view>

namespace korvan::plot::kind {

inline constexpr std::string_view ToolBar = "Toolbar";
inline constexpr std::string_view Legend = "Legend";
inline constexpr std::string_view Table = "Table";
inline constexpr std::string_view XAxis = "X-Axis";
inline constexpr std::string_view YAxis = "Y-Axis";
inline constexpr std::string_view Channel = "Channel";
inline constexpr std::string_view DataView = "Data View";
inline constexpr std::string_view DataCursor = "Cursor";
inline constexpr std::string_view Limit = "Limit";
inline constexpr std::string_view Label = "Label";
inline constexpr std::string_view Annotation = "Annotation";

} // namespace korvan::plot::kind

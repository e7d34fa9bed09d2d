#pragma once
// The OPC pictures, drawn here so the program needs no files for them: the
// group manager's own, "OPCMANAGER" (24 x 24 on white, white being its
// transparent colour), and the explorer tree's three.

#include "platform/gfx/Bitmap.h"

class TImageList;

#include <string_view>

namespace korvan::plot::opc {

inline constexpr std::string_view kOPCManagerPictureName = "OPCMANAGER";

// Two linked server boxes over a signal line.
TBitmap OPCManagerPicture();
// Appends the explorer's 16 x 16 pictures: 0 the server connections, 1 the
// groups, 2 one server connection.
void AddOPCExplorerPictures(TImageList& images);

} // namespace korvan::plot::opc

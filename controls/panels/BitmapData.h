#pragma once
// A bitmap stored with its owner as the defined property "<name>.Data": a
// 32-bit little-endian length, then the bitmap's file bytes (a length of 0
// is an empty bitmap). Reading checks the length against the data.

#include "platform/forms/Persistent.h"
#include "platform/gfx/Bitmap.h"

#include <string>

void DefineBitmapData(TFiler& filer, const std::string& name, TBitmap& bitmap);

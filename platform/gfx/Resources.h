#pragma once
// The program's own resources. A Windows program carries its pictures and
// data inside its module and finds them by kind and by name or number; ours
// are files of Qt's resource tree, one folder per kind: ":/bitmap/<name>"
// (BMP files) and ":/rcdata/<name>" (raw bytes). A numbered resource is
// filed under its decimal number, and a name "#<number>" means that number.
// Names compare without regard to letter case, as the system's resource
// names do, and a file's extension may be left out of the name.
//
// A .qrc file in resources/ (or beside a test program) compiles files in.

#include "platform/gfx/Graphic.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A module handle: whose resources a lookup searches. The program is the
// only module that carries any; every other handle finds nothing.
using HINST = std::uintptr_t;
inline constexpr HINST HInstance = 1;

// A resource the module does not hold: "Resource <name> not found".
KORVAN_EXCEPTION_CLASS(EResourceNotFound, Exception)

namespace korvan::gfx {

enum class ResourceKind { Bitmap, RcData };

// The bytes of the resource of that kind and name (or number); none when
// the module holds no such resource.
std::optional<TBytes> FindResource(HINST instance, ResourceKind kind, std::string_view name);
std::optional<TBytes> FindResource(HINST instance, ResourceKind kind, int id);

} // namespace korvan::gfx

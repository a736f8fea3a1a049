// The package's bitmap resources: button glyphs and component palette pictures, drawn
// in code and registered when the library loads.
#pragma once

#include <span>
#include <string_view>

#include "host/graphics/Graphics.h"

namespace zelvant {

// The module the package registers its bitmaps under, so that
// host::LoadBitmap(PackageModule(), "HELP") finds them and no other library's.
host::TModuleHandle PackageModule();

// Names of every bitmap the package registers, upper case.
std::span<const std::string_view> BitmapResourceNames();

}  // namespace zelvant

// The component palette pictures of the package's classes, as 24 x 24 pixel art.
#pragma once

#include "PixelArt.h"

namespace zelvant::art {

extern const TArt kZelvantPalette, kBoxPalette, kFormPalette;

}  // namespace zelvant::art

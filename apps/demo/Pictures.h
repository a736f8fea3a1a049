// The setup wizard's pictures, drawn in code so that the form files carry no foreign
// artwork: the side picture of the welcome page and the small icon of the page headers.
#pragma once

#include "host/graphics/Graphics.h"

namespace demo {

// A blue gradient with a computer and a disk in its lower half.
void DrawSidePicture(host::TBitmap& picture, host::Integer width, host::Integer height);
// A small computer with a disk on the white of a page header.
void DrawHeaderIcon(host::TBitmap& picture, host::Integer size);

}  // namespace demo

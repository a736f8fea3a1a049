// A preview sheet of the package's bitmaps: every image (a glyph's normal and disabled
// halves separately) drawn on a silver button face without its transparent colour,
// enlarged and at its real size, so that a person can judge them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/graphics/Graphics.h"

namespace zelvant_test {

struct TSheetImage {
  std::string Name;
  host::TRect Source;  // in the resource bitmap
  host::TPoint Origin; // top-left on the sheet
  int Scale = 1;
};

std::vector<TSheetImage> SheetLayout(int scale);
std::unique_ptr<host::TBitmap> RenderSheet(const std::vector<TSheetImage>& layout);

}  // namespace zelvant_test

// Text cut to a width with an ellipsis, for one-line labels that show what the user
// typed: however long the text, the label never spills onto what is below or beside it.
#pragma once

#include <string>

#include "host/graphics/Graphics.h"

namespace demo {

// The text when it fits in width pixels in the canvas's font, else its longest start
// (whole characters) followed by "..." that does.
std::string FitText(host::TCanvas& canvas, const std::string& text, host::Integer width);

}  // namespace demo

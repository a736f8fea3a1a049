#include "FitText.h"

#include <vector>

#include "host/core/Utf8.h"

namespace demo {

std::string FitText(host::TCanvas& canvas, const std::string& text, host::Integer width) {
  if (canvas.TextWidth(text) <= width) return text;
  static const std::string kEllipsis = "...";
  // Where each character starts; the longest start that fits is found by halving.
  std::vector<size_t> starts;
  for (size_t pos = 0; pos < text.size(); host::NextCodePoint(text, pos)) starts.push_back(pos);
  size_t low = 0, high = starts.size();  // characters kept: low fits, high does not
  while (high - low > 1) {
    const size_t mid = (low + high) / 2;
    if (canvas.TextWidth(text.substr(0, starts[mid]) + kEllipsis) <= width) low = mid;
    else high = mid;
  }
  return text.substr(0, low < starts.size() ? starts[low] : text.size()) + kEllipsis;
}

}  // namespace demo

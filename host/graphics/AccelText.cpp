// Captions with '&' accelerator prefixes.
#include "host/graphics/FontEngine.h"
#include "host/graphics/Raster.h"
#include "host/core/Utf8.h"

namespace host {

namespace {

struct TCaption {
  std::string Shown;
  size_t Accel = std::string::npos;  // byte offset of the accelerator in Shown
};

// The first single '&' marks the accelerator; "&&" is a literal '&' and a lone '&'
// at the end is dropped.
TCaption Parse(const std::string& caption) {
  TCaption c;
  c.Shown.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      c.Shown += caption[i];
      continue;
    }
    if (i + 1 >= caption.size()) break;
    if (caption[i + 1] == '&') {
      c.Shown += '&';
      ++i;
    } else if (c.Accel == std::string::npos) {
      c.Accel = c.Shown.size();
    }
  }
  return c;
}

}  // namespace

std::string StripAccelChars(const std::string& caption) { return Parse(caption).Shown; }

char32_t AccelCharOf(const std::string& caption) {
  const TCaption c = Parse(caption);
  if (c.Accel == std::string::npos) return 0;
  size_t pos = c.Accel;
  const char32_t cp = NextCodePoint(c.Shown, pos);
  return cp >= U'a' && cp <= U'z' ? cp - 32 : cp;
}

Integer AccelTextWidth(TCanvas& canvas, const std::string& caption) { return canvas.TextWidth(Parse(caption).Shown); }

void DrawAccelText(TCanvas& canvas, Integer x, Integer y, const std::string& caption) {
  const TCaption c = Parse(caption);
  canvas.TextOut(x, y, c.Shown);
  if (c.Accel == std::string::npos) return;
  size_t end = c.Accel;
  NextCodePoint(c.Shown, end);
  const raster::i64 left = x + raster::i64{canvas.TextWidth(c.Shown.substr(0, c.Accel))};
  const raster::i64 width = canvas.TextWidth(c.Shown.substr(c.Accel, end - c.Accel));
  const TTextMetrics m = canvas.TextMetrics();
  const raster::TRaster r(canvas);
  const raster::TBox line = r.ToBitmap(left, raster::i64{y} + m.Ascent + m.UnderlinePosition, left + width,
                                       raster::i64{y} + m.Ascent + m.UnderlinePosition + m.UnderlineThickness);
  r.Fill(line, ColorToPixel(canvas.Font().Color()));
}

}  // namespace host

// Captions with '&' accelerator prefixes.
#include <algorithm>

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
  // The underline spans the glyphs that show the character, where the laid-out caption
  // put them (kerning may have moved them from where its first part alone would end).
  raster::i64 left = 0, right = 0;
  bool found = false;
  fontengine::FaceFor(canvas.Font()).ForEachPiece(
      c.Shown, [&](const fontengine::TTextLayout& layout, raster::i64 start, size_t byte) {
        for (const fontengine::TPlacedGlyph& g : layout.Glyphs) {
          const size_t at = byte + g.Offset;
          if (at < c.Accel || at >= end) continue;
          const raster::i64 l = start + g.Pen, r = l + g.Advance;
          left = found ? std::min(left, l) : l;
          right = found ? std::max(right, r) : r;
          found = true;
        }
      });
  if (!found) return;
  const TTextMetrics m = canvas.TextMetrics();
  const raster::TRaster r(canvas);
  const raster::i64 top = raster::i64{y} + m.Ascent + m.UnderlinePosition;
  r.Fill(r.ToBitmap(x + left, top, x + right, top + m.UnderlineThickness), ColorToPixel(canvas.Font().Color()));
}

}  // namespace host

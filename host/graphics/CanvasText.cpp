// Text on the canvas: glyphs from the font engine blended in the font colour.
#include <limits>

#include "host/graphics/FontEngine.h"
#include "host/graphics/Raster.h"

namespace host {

using raster::i64;
using raster::TBox;
using raster::TRaster;

namespace {

i64 Measure(const fontengine::TFace& face, std::string_view text) { return face.ForEachPiece(text, {}); }

Integer ClampInt(i64 v) { return static_cast<Integer>(std::min<i64>(v, std::numeric_limits<Integer>::max())); }

void BlitGlyph(const TRaster& r, const fontengine::TGlyph& g, i64 x, i64 y, std::uint32_t pixel) {
  const TBox box = TBox{x, y, x + g.Width, y + g.Rows}.Intersect(r.Clip());
  for (i64 by = box.T; by < box.B; ++by) {
    const std::uint8_t* cov = g.Coverage.data() + (by - y) * g.Width - x;
    for (i64 bx = box.L; bx < box.R; ++bx) r.Blend(bx, by, pixel, cov[bx]);
  }
}

// Draws the text with its cell's top-left at bitmap (x, y) as the face lays it out (the
// layout TextWidth measures); returns the advance.
i64 DrawRun(const TRaster& r, const TFont& font, i64 x, i64 y, std::string_view text) {
  const fontengine::TFace& face = fontengine::FaceFor(font);
  const TTextMetrics& m = face.Metrics();
  const std::uint32_t pixel = ColorToPixel(font.Color());
  const i64 baseline = y + m.Ascent;
  // Glyphs may overhang their advance a little; far beyond the clip nothing shows.
  const i64 slack = 2 * i64{face.PixelSize()} + 2;
  const bool visibleRows = y + m.Height + slack > r.Clip().T && y - slack < r.Clip().B;
  const i64 width = face.ForEachPiece(text, [&](const fontengine::TTextLayout& layout, i64 start, size_t) {
    if (!visibleRows) return;
    for (const fontengine::TPlacedGlyph& p : layout.Glyphs) {
      const i64 pen = x + start + p.Pen;
      if (pen + p.Advance + slack > r.Clip().L && pen - slack < r.Clip().R)
        BlitGlyph(r, *p.Glyph, pen + p.DX + p.Glyph->Left, baseline - p.DY - p.Glyph->Top, pixel);
    }
  });
  const TFontStyles style = font.Style();
  if (style.Contains(fsUnderline)) {
    const i64 top = baseline + m.UnderlinePosition;
    r.Fill(TBox{x, top, x + width, top + m.UnderlineThickness}, pixel);
  }
  if (style.Contains(fsStrikeOut)) {
    const i64 top = baseline - (m.Ascent * 3 + 5) / 10;
    r.Fill(TBox{x, top, x + width, top + m.UnderlineThickness}, pixel);
  }
  return width;
}

}  // namespace

Integer TCanvas::TextWidth(const std::string& text) { return ClampInt(Measure(fontengine::FaceFor(font_), text)); }

Integer TCanvas::TextHeight(const std::string&) { return fontengine::FaceFor(font_).Metrics().Height; }

TTextMetrics TCanvas::TextMetrics() { return fontengine::FaceFor(font_).Metrics(); }

void TCanvas::TextOut(Integer x, Integer y, const std::string& text) {
  const TRaster r(*this);
  const fontengine::TFace& face = fontengine::FaceFor(font_);
  const i64 bx = x + r.OX(), by = y + r.OY();
  i64 width;
  if (brush_.Style() != bsClear) {
    width = Measure(face, text);
    r.BrushBox(TBox{bx, by, bx + width, by + face.Metrics().Height}, brush_);
    DrawRun(r, font_, bx, by, text);
  } else {
    width = DrawRun(r, font_, bx, by, text);
  }
  MoveTo(ClampInt(x + width), y);
}

void TCanvas::TextRect(const TRect& rect, Integer x, Integer y, const std::string& text) {
  const TRaster full(*this);
  const TBox box = full.ToBitmap(rect.Left, rect.Top, rect.Right, rect.Bottom);
  full.BrushBox(box, brush_);
  DrawRun(full.Restricted(box), font_, x + full.OX(), y + full.OY(), text);
}

}  // namespace host

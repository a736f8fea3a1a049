// TBitBtn: glyph and caption laid out as the classic bitmap button does.
#include "host/stdctrls/Buttons.h"
#include "host/core/ClassBuilder.h"

namespace host {

HOST_PUBLISHED(TBitBtn) {
  P.Property("Glyph", &TBitBtn::Glyph, &TBitBtn::SetGlyph);
  P.Property("Layout", &TBitBtn::Layout, &TBitBtn::SetLayout).SetDefault(blGlyphLeft);
  P.Property("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin).SetDefault(-1);
  P.Property("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs).SetDefault(1);
  P.Property("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing).SetDefault(4);
  P.Property("Style", &TBitBtn::Style, &TBitBtn::SetStyle).SetDefault(bsAutoDetect);
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

TBitmap* TBitBtn::Glyph() const {
  if (!glyph_) {
    glyph_ = std::make_unique<TBitmap>();
    auto* self = const_cast<TBitBtn*>(this);  // the glyph is part of the button's state
    glyph_->OnChange = TEvent<void(TObject*)>(self, &TBitBtn::GlyphChanged);
  }
  return glyph_.get();
}

TBitBtn::~TBitBtn() = default;

void TBitBtn::GlyphChanged(TObject*) { Invalidate(); }

void TBitBtn::SetGlyph(TBitmap* value) {
  Glyph()->Assign(value);
  if (value && value->Height() > 0 && value->Width() % value->Height() == 0) {
    Integer n = value->Width() / value->Height();
    if (n > 4) n = 1;
    SetNumGlyphs(static_cast<TNumGlyphs>(n));
  }
  Invalidate();
}

void TBitBtn::SetNumGlyphs(TNumGlyphs value) {
  if (value < 1) value = 1;
  if (value > 4) value = 4;
  numGlyphs_ = value;
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout value) {
  layout_ = value;
  Invalidate();
}

void TBitBtn::SetStyle(TButtonStyle value) {
  style_ = value;
  Invalidate();
}

void TBitBtn::SetMargin(Integer value) {
  margin_ = value;
  Invalidate();
}

void TBitBtn::SetSpacing(Integer value) {
  spacing_ = value;
  Invalidate();
}

void TBitBtn::CalcLayout(TCanvas& c, const TRect& content, TPoint& glyphPos, TPoint& textPos) const {
  const bool hasText = !Caption().empty();
  const TPoint text = hasText ? Point(AccelTextWidth(c, Caption()), c.TextHeight("Wg")) : TPoint{};
  const TPoint glyph = !HasGlyph() ? TPoint{} : Point(glyph_->Width() / numGlyphs_, glyph_->Height());
  const TPoint size = Point(content.Width(), content.Height());
  const bool horizontal = layout_ == blGlyphLeft || layout_ == blGlyphRight;
  if (horizontal) {
    glyphPos.Y = (size.Y - glyph.Y + 1) / 2;
    textPos.Y = (size.Y - text.Y + 1) / 2;
  } else {
    glyphPos.X = (size.X - glyph.X + 1) / 2;
    textPos.X = (size.X - text.X + 1) / 2;
  }
  const Integer spacing = text.X == 0 || glyph.X == 0 ? 0 : spacing_;
  Integer margin = margin_;
  if (margin < 0) {
    margin = horizontal ? (size.X - (glyph.X + spacing + text.X) + 1) / 2
                        : (size.Y - (glyph.Y + spacing + text.Y) + 1) / 2;
  }
  switch (layout_) {
    case blGlyphLeft: glyphPos.X = margin; textPos.X = glyphPos.X + glyph.X + spacing; break;
    case blGlyphRight: glyphPos.X = size.X - margin - glyph.X; textPos.X = glyphPos.X - spacing - text.X; break;
    case blGlyphTop: glyphPos.Y = margin; textPos.Y = glyphPos.Y + glyph.Y + spacing; break;
    case blGlyphBottom: glyphPos.Y = size.Y - margin - glyph.Y; textPos.Y = glyphPos.Y - spacing - text.Y; break;
  }
  glyphPos = Point(glyphPos.X + content.Left, glyphPos.Y + content.Top);
  textPos = Point(textPos.X + content.Left, textPos.Y + content.Top);
}

void TBitBtn::PaintContent(TCanvas& c, const TRect& content, bool down) {
  TPoint gp, tp;
  CalcLayout(c, content, gp, tp);
  if (HasGlyph()) {
    const Integer gw = glyph_->Width() / numGlyphs_, gh = glyph_->Height();
    Integer index = 0;
    if (!Enabled() && numGlyphs_ >= 2) index = 1;
    else if (down && numGlyphs_ >= 3) index = 2;
    const std::uint32_t clear = glyph_->TransparentPixel();
    if (!Enabled() && numGlyphs_ < 2) {
      // No disabled image: emboss the dark pixels of the normal one.
      const std::uint32_t hi = ColorToPixel(clBtnHighlight), sh = ColorToPixel(clBtnShadow);
      for (Integer pass = 0; pass < 2; ++pass)
        for (Integer y = 0; y < gh; ++y)
          for (Integer x = 0; x < gw; ++x) {
            const std::uint32_t p = glyph_->Pixel(x, y);
            if ((p & 0xFFFFFF) == (clear & 0xFFFFFF)) continue;
            const std::uint32_t lum = ((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11;
            if (lum >= 180 * 100) continue;
            if (pass == 0) c.Pixel(gp.X + x + 1, gp.Y + y + 1, PixelToColor(hi));
            else c.Pixel(gp.X + x, gp.Y + y, PixelToColor(sh));
          }
    } else {
      c.DrawPart(gp.X, gp.Y, *glyph_, Bounds(index * gw, 0, gw, gh), true, clear);
    }
  }
  if (Caption().empty()) return;
  if (Enabled()) {
    c.Font().SetColor(clBtnText);
    DrawAccelText(c, tp.X, tp.Y, Caption());
  } else {
    c.Font().SetColor(clBtnHighlight);
    DrawAccelText(c, tp.X + 1, tp.Y + 1, Caption());
    c.Font().SetColor(clBtnShadow);
    DrawAccelText(c, tp.X, tp.Y, Caption());
  }
}

}  // namespace host

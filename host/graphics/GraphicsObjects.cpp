// Pen, brush and font: published attributes that tell their owner when they change.
#include "host/core/ClassBuilder.h"
#include "host/graphics/FontEngine.h"
#include "host/graphics/Graphics.h"

namespace host {

namespace {
// Points and pixels at the classic 96 pixels per inch, rounded half away from zero.
Integer MulDivRound(Integer value, Integer mul, Integer div) {
  const long long p = static_cast<long long>(value) * mul;
  return static_cast<Integer>(p >= 0 ? (p + div / 2) / div : -((-p + div / 2) / div));
}
}  // namespace

HOST_PUBLISHED(TGraphicsObject) {}

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

HOST_PUBLISHED(TPen) {
  P.Property("Color", &TPen::Color, &TPen::SetColor).SetDefault(clBlack).WithIdents(ColorIdents());
  P.Property("Style", &TPen::Style, &TPen::SetStyle).SetDefault(psSolid);
  P.Property("Width", &TPen::Width, &TPen::SetWidth).SetDefault(1);
}

void TPen::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  Changed();
}

void TPen::SetWidth(Integer v) {
  if (v < 1) v = 1;
  if (v == width_) return;
  width_ = v;
  Changed();
}

void TPen::SetStyle(TPenStyle v) {
  if (v == style_) return;
  style_ = v;
  Changed();
}

void TPen::Assign(const TPersistent* source) {
  const auto* pen = dynamic_cast<const TPen*>(source);
  if (!pen) return inherited::Assign(source);
  if (pen == this) return;
  color_ = pen->color_;
  width_ = pen->width_;
  style_ = pen->style_;
  Changed();
}

HOST_PUBLISHED(TBrush) {
  P.Property("Color", &TBrush::Color, &TBrush::SetColor).SetDefault(clWhite).WithIdents(ColorIdents());
  P.Property("Style", &TBrush::Style, &TBrush::SetStyle).SetDefault(bsSolid);
}

void TBrush::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  // A colour makes no sense for a clear brush, as in the classic library.
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle v) {
  if (v == style_) return;
  style_ = v;
  Changed();
}

void TBrush::Assign(const TPersistent* source) {
  const auto* brush = dynamic_cast<const TBrush*>(source);
  if (!brush) return inherited::Assign(source);
  if (brush == this) return;
  color_ = brush->color_;
  style_ = brush->style_;
  Changed();
}

HOST_PUBLISHED(TFont) {
  P.Property("Color", &TFont::Color, &TFont::SetColor).SetDefault(clWindowText).WithIdents(ColorIdents());
  P.Property("Height", &TFont::Height, &TFont::SetHeight).SetDefault(-11);
  P.Property("Name", &TFont::Name, &TFont::SetName);
  P.Property("Pitch", &TFont::Pitch, &TFont::SetPitch).SetDefault(fpDefault);
  // Size is another view of Height; only Height is stored.
  P.Property("Size", &TFont::Size, &TFont::SetSize).Stored(false);
  P.Property("Style", &TFont::Style, &TFont::SetStyle).SetDefault(0);
}

TFont::TFont() = default;

void TFont::SetColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  Changed();
}

void TFont::SetHeight(Integer v) {
  if (v == height_) return;
  height_ = v;
  Changed();
}

Integer TFont::Size() const { return -MulDivRound(height_, 72, 96); }

void TFont::SetSize(Integer points) { SetHeight(-MulDivRound(points, 96, 72)); }

void TFont::SetName(const std::string& v) {
  if (v == name_) return;
  name_ = v;
  Changed();
}

void TFont::SetStyle(TFontStyles v) {
  if (v == style_) return;
  style_ = v;
  Changed();
}

void TFont::SetPitch(TFontPitch v) {
  if (v == pitch_) return;
  pitch_ = v;
  Changed();
}

void TFont::Assign(const TPersistent* source) {
  const auto* font = dynamic_cast<const TFont*>(source);
  if (!font) return inherited::Assign(source);
  if (font == this) return;
  color_ = font->color_;
  height_ = font->height_;
  name_ = font->name_;
  style_ = font->style_;
  pitch_ = font->pitch_;
  Changed();
}

Integer TFont::PixelSize() const { return fontengine::PixelSizeOf(*this); }

}  // namespace host

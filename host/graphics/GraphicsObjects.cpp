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
  if (ownerNotify_) ownerNotify_(owner_, this);
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

const std::shared_ptr<TFont::TData>& TFont::Defaults() {
  static const auto data = std::make_shared<TData>();
  return data;
}

TFont::TFont() : data_(Defaults()) {}

TFont::TData& TFont::Own() {
  if (data_.use_count() > 1) data_ = std::make_shared<TData>(*data_);
  return *data_;
}

void TFont::SetColor(TColor v) {
  if (v == data_->color) return;
  Own().color = v;
  Changed();
}

void TFont::SetHeight(Integer v) {
  if (v == data_->height) return;
  Own().height = v;
  Changed();
}

Integer TFont::Size() const { return -MulDivRound(data_->height, 72, 96); }

void TFont::SetSize(Integer points) { SetHeight(-MulDivRound(points, 96, 72)); }

void TFont::SetName(const std::string& v) {
  if (v == data_->name) return;
  Own().name = v;
  Changed();
}

void TFont::SetStyle(TFontStyles v) {
  if (v == data_->style) return;
  Own().style = v;
  Changed();
}

void TFont::SetPitch(TFontPitch v) {
  if (v == data_->pitch) return;
  Own().pitch = v;
  Changed();
}

void TFont::Assign(const TPersistent* source) {
  const auto* font = dynamic_cast<const TFont*>(source);
  if (!font) return inherited::Assign(source);
  if (font == this) return;
  data_ = font->data_;
  Changed();
}

void TFont::Follow(const TFont& source) {
  if (data_ == source.data_) return;
  const bool same = *data_ == *source.data_;
  data_ = source.data_;
  if (!same) Changed();
}

Integer TFont::PixelSize() const { return fontengine::PixelSizeOf(*this); }

}  // namespace host

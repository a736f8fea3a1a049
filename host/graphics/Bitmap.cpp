#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/streaming/Filer.h"
#include "host/graphics/Graphics.h"

namespace host {

namespace {
// Enough for any screen-sized picture; beyond it a size is almost surely a bug.
constexpr long long kMaxPixels = 1LL << 27;
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
}  // namespace

HOST_PUBLISHED(TBitmap) {}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(Integer width, Integer height) { SetSize(width, height); }

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(Integer width, Integer height) {
  width = std::max<Integer>(width, 0);
  height = std::max<Integer>(height, 0);
  if (width == width_ && height == height_) return;
  if (static_cast<long long>(width) * height > kMaxPixels)
    throw EInvalidGraphic(Format("Bitmap of %dx%d pixels is too large", {width, height}));
  if (width == 0 || height == 0) width = height = 0;
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height, kWhite);
  const Integer w = std::min(width, width_), h = std::min(height, height_);
  for (Integer y = 0; y < h; ++y)
    std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_, w,
                pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
  pixels_.swap(pixels);
  width_ = width;
  height_ = height;
  if (OnChange) OnChange(this);
}

std::uint32_t TBitmap::Pixel(Integer x, Integer y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

void TBitmap::SetPixel(Integer x, Integer y, std::uint32_t argb) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = argb;
}

std::uint32_t* TBitmap::ScanLine(Integer y) {
  return const_cast<std::uint32_t*>(static_cast<const TBitmap*>(this)->ScanLine(y));
}

const std::uint32_t* TBitmap::ScanLine(Integer y) const {
  if (y < 0 || y >= height_) throw EInvalidGraphic(Format("Scan line index %d out of range", {y}));
  return pixels_.data() + static_cast<size_t>(y) * width_;
}

std::uint32_t TBitmap::TransparentPixel() const { return Pixel(0, height_ - 1); }

TCanvas& TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<TCanvas>(this);
  return *canvas_;
}

void TBitmap::Assign(const TPersistent* source) {
  if (!source) {
    pixels_.clear();
    width_ = height_ = 0;
    if (OnChange) OnChange(this);
    return;
  }
  const auto* bitmap = dynamic_cast<const TBitmap*>(source);
  if (!bitmap) return inherited::Assign(source);
  if (bitmap == this) return;
  pixels_ = bitmap->pixels_;
  width_ = bitmap->width_;
  height_ = bitmap->height_;
  transparent_ = bitmap->transparent_;
  if (OnChange) OnChange(this);
}

void TBitmap::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineBinaryProperty(
      "Data",
      [this](TStream& in) {
        std::vector<std::uint8_t> bytes(static_cast<size_t>(std::max<std::int64_t>(in.Remaining(), 0)));
        if (!bytes.empty()) in.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
        if (bytes.empty())
          Assign(nullptr);
        else
          LoadFromPngBytes(bytes.data(), bytes.size());
      },
      [this](TStream& out) {
        const std::vector<std::uint8_t> bytes = SaveToPngBytes();
        out.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
      },
      !Empty());
}

}  // namespace host

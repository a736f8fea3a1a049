// PNG reading and writing through libpng's simplified API, which converts every colour
// type to 8-bit RGBA and reports errors by return value instead of longjmp.
#include <png.h>

#include <algorithm>

#include <fstream>
#include <iterator>

#include "host/graphics/Graphics.h"

namespace host {

namespace {

constexpr long long kMaxPixels = 1LL << 27;

// Frees libpng's state on every path out.
struct TImage {
  png_image img{};
  TImage() { img.version = PNG_IMAGE_VERSION; }
  ~TImage() { png_image_free(&img); }
  TImage(const TImage&) = delete;
  TImage& operator=(const TImage&) = delete;
  std::string Message() const { return img.message[0] ? std::string(img.message) : std::string("unknown error"); }
};

}  // namespace

void TBitmap::LoadFromPngBytes(const std::uint8_t* data, size_t size) {
  if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0) throw EInvalidGraphic("Not a PNG image");
  TImage image;
  if (!png_image_begin_read_from_memory(&image.img, data, size))
    throw EInvalidGraphic("Invalid PNG image: " + image.Message());
  const png_uint_32 w = image.img.width, h = image.img.height;
  if (w == 0 || h == 0 || static_cast<long long>(w) * h > kMaxPixels)
    throw EInvalidGraphic(Format("PNG image of %dx%d pixels is too large", {static_cast<long long>(w), static_cast<long long>(h)}));
  image.img.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image.img));
  if (!png_image_finish_read(&image.img, nullptr, rgba.data(), 0, nullptr))
    throw EInvalidGraphic("Invalid PNG image: " + image.Message());
  std::vector<std::uint32_t> pixels(static_cast<size_t>(w) * h);
  for (size_t i = 0; i < pixels.size(); ++i) {
    const std::uint8_t* p = &rgba[i * 4];
    pixels[i] = (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
  }
  pixels_.swap(pixels);
  width_ = static_cast<Integer>(w);
  height_ = static_cast<Integer>(h);
  if (OnChange) OnChange(this);
}

std::vector<std::uint8_t> TBitmap::SaveToPngBytes() const {
  if (Empty()) throw EInvalidGraphic("Cannot save an empty bitmap as PNG");
  // Opaque pictures are stored without an alpha channel; either way every pixel survives.
  const bool opaque = std::all_of(pixels_.begin(), pixels_.end(), [](std::uint32_t p) { return (p >> 24) == 0xFF; });
  const size_t channels = opaque ? 3 : 4;
  std::vector<std::uint8_t> raw(pixels_.size() * channels);
  for (size_t i = 0; i < pixels_.size(); ++i) {
    const std::uint32_t p = pixels_[i];
    std::uint8_t* d = &raw[i * channels];
    d[0] = static_cast<std::uint8_t>(p >> 16);
    d[1] = static_cast<std::uint8_t>(p >> 8);
    d[2] = static_cast<std::uint8_t>(p);
    if (!opaque) d[3] = static_cast<std::uint8_t>(p >> 24);
  }
  TImage image;
  image.img.width = static_cast<png_uint_32>(width_);
  image.img.height = static_cast<png_uint_32>(height_);
  image.img.format = opaque ? PNG_FORMAT_RGB : PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image.img, nullptr, &size, 0, raw.data(), 0, nullptr))
    throw EInvalidGraphic("Cannot encode PNG image: " + image.Message());
  std::vector<std::uint8_t> out(size);
  if (!png_image_write_to_memory(&image.img, out.data(), &size, 0, raw.data(), 0, nullptr))
    throw EInvalidGraphic("Cannot encode PNG image: " + image.Message());
  out.resize(size);
  return out;
}

void TBitmap::LoadFromFile(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw EFOpenError("Cannot open file \"" + fileName + "\"");
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  try {
    LoadFromPngBytes(bytes.data(), bytes.size());
  } catch (const EInvalidGraphic& e) {
    throw EInvalidGraphic(e.Message() + " (" + fileName + ")");
  }
}

void TBitmap::SaveToFile(const std::string& fileName) const {
  const std::vector<std::uint8_t> bytes = SaveToPngBytes();
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  if (!out) throw EFOpenError("Cannot create file \"" + fileName + "\"");
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw EWriteError("Cannot write file \"" + fileName + "\"");
}

}  // namespace host

// Internal: turns a TFont into a face that measures and renders glyphs. Faces come from
// FreeType (found with fontconfig) or, failing that, from the built-in bitmap font.
// Faces and their glyphs are cached for the life of the program; painting happens on
// one thread, so the caches take no locks.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/graphics/Graphics.h"

namespace host::fontengine {

// A rendered glyph: 8-bit coverage, `Left`/`Top` placing its top-left relative to the
// pen position on the baseline (Top counts upwards).
struct TGlyph {
  Integer Left = 0;
  Integer Top = 0;
  Integer Width = 0;
  Integer Rows = 0;
  Integer Advance = 0;
  std::vector<std::uint8_t> Coverage;  // Rows * Width
};

class TFace {
 public:
  virtual ~TFace() = default;
  const TTextMetrics& Metrics() const { return metrics_; }
  Integer PixelSize() const { return pixelSize_; }
  // The glyph of a code point; a code point the face lacks gives its replacement glyph.
  // The reference stays valid for the life of the face.
  const TGlyph& Glyph(char32_t cp) const;

 protected:
  virtual std::unique_ptr<TGlyph> Render(char32_t cp) const = 0;
  TTextMetrics metrics_;
  Integer pixelSize_ = 0;

 private:
  mutable std::array<const TGlyph*, 128> ascii_{};  // the common case without hashing
  mutable std::unordered_map<char32_t, std::unique_ptr<TGlyph>> glyphs_;
};

// What selects a face: everything in TFont but the colour.
struct TFaceKey {
  std::string Name;
  Integer Height = 0;
  bool Bold = false;
  bool Italic = false;
  TFontPitch Pitch = fpDefault;
  bool operator==(const TFaceKey&) const = default;
};
TFaceKey KeyOf(const TFont& font);

// The face for a font; never fails (falls back to the built-in font).
const TFace& FaceFor(const TFont& font);
// The em size in pixels that the font is rendered at.
Integer PixelSizeOf(const TFont& font);

// The built-in font (used on its own or when no face file is found).
std::unique_ptr<TFace> MakeBuiltinFace(const TFaceKey& key);
// A FreeType face for a font key, or nullptr when fontconfig finds no usable file.
std::unique_ptr<TFace> MakeFreeTypeFace(const TFaceKey& key);

}  // namespace host::fontengine

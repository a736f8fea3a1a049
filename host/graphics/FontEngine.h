// Internal: turns a TFont into a face that lays out, measures and renders text. Faces
// come from FreeType (found with fontconfig, shaped with HarfBuzz, characters the face
// lacks taken from fallback faces) or, failing that, from the built-in bitmap font.
// Faces, their glyphs and recent layouts are cached; painting happens on one thread, so
// the caches take no locks.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
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

// A glyph placed in laid-out text, in whole pixels from the start of the text.
struct TPlacedGlyph {
  const TGlyph* Glyph = nullptr;  // lives as long as the program
  Integer Pen = 0;       // the pen position before the glyph
  Integer Advance = 0;   // how far the glyph moves the pen, kerning included
  Integer DX = 0;        // where the glyph is drawn relative to the pen (marks sit on
  Integer DY = 0;        // their base this way; DY counts upwards)
  std::uint32_t Offset = 0;  // byte offset of the character it shows
};

// Text laid out left to right in one face and its fallbacks.
struct TTextLayout {
  std::vector<TPlacedGlyph> Glyphs;
  Integer Advance = 0;  // where the pen ends: the width of the text
  // Some character is shown as a replacement box: no face at hand has it.
  bool HasMissing = false;
};

class TFace {
 public:
  virtual ~TFace() = default;
  const TTextMetrics& Metrics() const { return metrics_; }
  Integer PixelSize() const { return pixelSize_; }

  // The text laid out; measuring and drawing both use it, so widths always agree with
  // what is drawn. The reference stays valid until the next Layout call on this face.
  // Meant for texts up to a few thousand bytes: longer ones go through ForEachPiece.
  const TTextLayout& Layout(std::string_view text) const;
  // Text of any length: lays it out in pieces (a long text is not kept in the cache)
  // and calls `visit` for each with the x position and byte offset where it starts.
  // Returns the width of the whole text.
  using TVisit = std::function<void(const TTextLayout&, std::int64_t x, size_t byte)>;
  std::int64_t ForEachPiece(std::string_view text, const TVisit& visit) const;

 protected:
  // Lays out a text from scratch (Layout caches the result).
  virtual void Shape(std::string_view text, TTextLayout& out) const = 0;
  // The picture of a glyph: a code point for the built-in font, a glyph index for
  // FreeType faces. Rendered once; the reference lives as long as the face.
  const TGlyph& Glyph(std::uint32_t id) const;
  virtual std::unique_ptr<TGlyph> Render(std::uint32_t id) const = 0;
  TTextMetrics metrics_;
  Integer pixelSize_ = 0;

 private:
  struct TStringHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
  };
  using TLayouts = std::unordered_map<std::string, TTextLayout, TStringHash, std::equal_to<>>;
  mutable std::array<const TGlyph*, 256> small_{};  // the common glyphs without hashing
  mutable std::unordered_map<std::uint32_t, std::unique_ptr<TGlyph>> glyphs_;
  // Recent layouts in two generations: a hit in the older one moves to the newer, and
  // when the newer one is full the older is dropped. Memory stays bounded while the
  // texts a window keeps painting stay cached.
  mutable TLayouts recent_, older_;
  mutable size_t recentGlyphs_ = 0;
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

// Internal: a face rendered by FreeType and shaped by HarfBuzz. Characters the face lacks
// are drawn from fallback faces of the same size that fontconfig ranks for the font.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb.h>

#include <memory>
#include <unordered_map>

#include "host/graphics/FontEngine.h"
#include "host/graphics/FontFiles.h"

namespace host::fontengine {

struct TFreeTypeLibrary;

class TFreeTypeFace final : public TFace {
 public:
  // The face of a file for a font: at the font's height, or at `ppem` pixels to the em
  // when it is given; nullptr when the file cannot be used.
  static std::unique_ptr<TFreeTypeFace> Open(const TFaceFile& file, const TFaceKey& key, Integer ppem = 0);
  ~TFreeTypeFace() override;
  TFreeTypeFace(const TFreeTypeFace&) = delete;
  TFreeTypeFace& operator=(const TFreeTypeFace&) = delete;

  bool Has(char32_t cp) const { return FT_Get_Char_Index(face_, cp) != 0; }
  // The face that shows a character: this one when it has it, else the best fallback
  // that has it, else this one (which shows its replacement box).
  const TFreeTypeFace& FaceShowing(char32_t cp) const;

 protected:
  void Shape(std::string_view text, TTextLayout& out) const override;  // TextShaper.cpp
  std::unique_ptr<TGlyph> Render(std::uint32_t glyph) const override;

 private:
  TFreeTypeFace(std::shared_ptr<TFreeTypeLibrary> lib, FT_Face face, const TFaceKey& key, bool embolden, bool slant);
  bool Setup(Integer height);
  // A run of characters in one face, shaped and appended to `out` from pen position `pen`.
  void ShapeRun(hb_buffer_t* buffer, TTextLayout& out, Integer& pen) const;

  std::shared_ptr<TFreeTypeLibrary> lib_;
  FT_Face face_;
  hb_font_t* hb_ = nullptr;
  TFaceKey key_;  // the font asked for, whose fallbacks this face uses
  bool embolden_;
  bool slant_;
  mutable std::unordered_map<char32_t, const TFreeTypeFace*> fallbacks_;
};

}  // namespace host::fontengine

// Faces rendered by FreeType from the files that fontconfig finds, with the fallback
// faces that show the characters a face lacks.
#include "host/graphics/FreeTypeFace.h"

#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include FT_MODULE_H
#include FT_DRIVER_H
#include <hb-ft.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace host::fontengine {

// The FreeType library, shared by every face so that it is released after the last one.
struct TFreeTypeLibrary {
  FT_Library ft = nullptr;
  TFreeTypeLibrary() {
    if (FT_Init_FreeType(&ft) != 0) ft = nullptr;
    if (ft) {
      // Full hinting by the faces' own instructions, run by the classic (v35)
      // interpreter, snaps stems to whole pixels in both directions and rounds advances:
      // small dialog text comes out crisp and dark as on the classic desktop.
      FT_UInt version = TT_INTERPRETER_VERSION_35;
      FT_Property_Set(ft, "truetype", "interpreter-version", &version);
    }
  }
  ~TFreeTypeLibrary() {
    if (ft) FT_Done_FreeType(ft);
  }
  TFreeTypeLibrary(const TFreeTypeLibrary&) = delete;
  TFreeTypeLibrary& operator=(const TFreeTypeLibrary&) = delete;
};

namespace {

// The same flags for every glyph so that metrics never vary.
constexpr FT_Int32 kLoadFlags = FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL;
constexpr FT_Render_Mode kRenderMode = FT_RENDER_MODE_NORMAL;

std::shared_ptr<TFreeTypeLibrary> Library() {
  static std::shared_ptr<TFreeTypeLibrary> lib = std::make_shared<TFreeTypeLibrary>();
  return lib;
}

// Font units to whole pixels at an em size.
Integer Scale(long value, long unitsPerEm, Integer ppem) {
  return static_cast<Integer>(std::lround(static_cast<double>(value) * ppem / unitsPerEm));
}

}  // namespace

TFreeTypeFace::TFreeTypeFace(std::shared_ptr<TFreeTypeLibrary> lib, FT_Face face, const TFaceKey& key, bool embolden,
                             bool slant)
    : lib_(std::move(lib)), face_(face), key_(key), embolden_(embolden), slant_(slant) {}

TFreeTypeFace::~TFreeTypeFace() {
  if (hb_) hb_font_destroy(hb_);
  FT_Done_Face(face_);
}

std::unique_ptr<TFreeTypeFace> TFreeTypeFace::Open(const TFaceFile& file, const TFaceKey& key, Integer ppem) {
  std::shared_ptr<TFreeTypeLibrary> lib = Library();
  if (!lib->ft) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Face(lib->ft, file.Path.c_str(), file.Index, &face) != 0) return nullptr;
  if (!FT_IS_SCALABLE(face)) {
    FT_Done_Face(face);
    return nullptr;
  }
  std::unique_ptr<TFreeTypeFace> result(
      new TFreeTypeFace(std::move(lib), face, key, key.Bold && !file.Bold, key.Italic && !file.Italic));
  if (!result->Setup(ppem > 0 ? -ppem : key.Height)) return nullptr;
  return result;
}

// Sets the em size for a font height and computes the line metrics; false when the face
// cannot be scaled.
bool TFreeTypeFace::Setup(Integer height) {
  const long upem = face_->units_per_EM;
  if (upem <= 0) return false;
  // The classic line layout uses the Windows ascent and descent when the face has them.
  long ascent = face_->ascender, descent = -face_->descender;
  if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
      os2 && os2->usWinAscent + os2->usWinDescent > 0) {
    ascent = os2->usWinAscent;
    descent = os2->usWinDescent;
  }
  if (ascent + descent <= 0) return false;
  long long ppem;
  if (height < 0)
    ppem = -static_cast<long long>(height);
  else if (height > 0)
    ppem = std::llround(static_cast<double>(height) * upem / (ascent + descent));
  else
    ppem = 11;
  ppem = std::clamp(ppem, 1LL, 1000LL);  // beyond this glyph bitmaps get absurd
  pixelSize_ = static_cast<Integer>(ppem);
  if (FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(ppem)) != 0) return false;
  metrics_.Ascent = Scale(ascent, upem, pixelSize_);
  metrics_.Descent = Scale(descent, upem, pixelSize_);
  metrics_.Height = metrics_.Ascent + metrics_.Descent;
  metrics_.UnderlineThickness = std::max<Integer>(1, Scale(face_->underline_thickness, upem, pixelSize_));
  // underline_position is the centre of the stroke, negative below the baseline.
  Integer below = Scale(-face_->underline_position, upem, pixelSize_) - metrics_.UnderlineThickness / 2;
  below = std::min(below, metrics_.Descent - metrics_.UnderlineThickness);
  metrics_.UnderlinePosition = std::max<Integer>(0, below);
  metrics_.AveCharWidth = Glyph(FT_Get_Char_Index(face_, U'x')).Advance;
  // HarfBuzz reads the same tables; it works in 26.6 pixels at this size.
  hb_face_t* hbFace = hb_ft_face_create_referenced(face_);
  hb_ = hb_font_create(hbFace);
  hb_face_destroy(hbFace);
  const int scale = static_cast<int>(ppem * 64);
  hb_font_set_scale(hb_, scale, scale);
  hb_font_set_ppem(hb_, static_cast<unsigned>(ppem), static_cast<unsigned>(ppem));
  return true;
}

std::unique_ptr<TGlyph> TFreeTypeFace::Render(std::uint32_t glyph) const {
  auto g = std::make_unique<TGlyph>();
  if (FT_Load_Glyph(face_, glyph, kLoadFlags) != 0) return g;
  FT_GlyphSlot slot = face_->glyph;
  if (slant_) FT_GlyphSlot_Oblique(slot);
  if (embolden_) FT_GlyphSlot_Embolden(slot);
  g->Advance = static_cast<Integer>((slot->advance.x + 32) >> 6);
  if (FT_Render_Glyph(slot, kRenderMode) != 0) return g;
  const FT_Bitmap& bm = slot->bitmap;
  if (bm.pixel_mode != FT_PIXEL_MODE_GRAY) return g;
  g->Left = slot->bitmap_left;
  g->Top = slot->bitmap_top;
  g->Width = static_cast<Integer>(bm.width);
  g->Rows = static_cast<Integer>(bm.rows);
  g->Coverage.resize(static_cast<size_t>(bm.width) * bm.rows);
  for (unsigned y = 0; y < bm.rows; ++y) {
    const unsigned char* src = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
    std::copy(src, src + bm.width, g->Coverage.begin() + static_cast<std::ptrdiff_t>(y) * bm.width);
  }
  return g;
}

const TFreeTypeFace& TFreeTypeFace::FaceShowing(char32_t cp) const {
  if (Has(cp)) return *this;
  auto [it, added] = fallbacks_.try_emplace(cp, this);
  if (!added) return *it->second;
  const std::optional<TFaceFile> file = FallbackFileFor(key_, cp);
  if (!file) return *this;
  // Fallback faces are shared by every face of the same size and style.
  using TKey = std::tuple<std::string, int, Integer, bool, bool>;
  static std::map<TKey, std::unique_ptr<TFreeTypeFace>> faces;
  std::unique_ptr<TFreeTypeFace>& face = faces[TKey{file->Path, file->Index, pixelSize_, key_.Bold, key_.Italic}];
  if (!face) face = Open(*file, key_, pixelSize_);
  if (face && face->Has(cp)) it->second = face.get();
  return *it->second;
}

std::unique_ptr<TFace> MakeFreeTypeFace(const TFaceKey& key) {
  const std::optional<TFaceFile> file = FindFaceFile(key);
  return file ? TFreeTypeFace::Open(*file, key) : nullptr;
}

}  // namespace host::fontengine

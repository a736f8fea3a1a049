// Faces rendered by FreeType from files that fontconfig finds. Classic font names map
// to the DejaVu families so that the metrics are the same on every machine that has
// them; other names are left to fontconfig.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include FT_MODULE_H
#include FT_DRIVER_H

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

#include "host/graphics/FontEngine.h"

namespace host::fontengine {

namespace {

// Full hinting by the faces' own instructions, run by the classic (v35) interpreter,
// snaps stems to whole pixels in both directions and rounds advances: small dialog text
// comes out crisp and dark as on the classic desktop. The flags are the same for every
// glyph so that metrics never vary.
constexpr FT_Int32 kLoadFlags = FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL;
constexpr FT_Render_Mode kRenderMode = FT_RENDER_MODE_NORMAL;
constexpr FT_UInt kInterpreterVersion = TT_INTERPRETER_VERSION_35;

// The FreeType library and the fontconfig configuration, shared by every face so
// that they are released only after the last face.
struct TLibrary {
  FT_Library ft = nullptr;
  FcConfig* fc = nullptr;
  TLibrary() {
    if (FT_Init_FreeType(&ft) != 0) ft = nullptr;
    if (ft) {
      FT_UInt version = kInterpreterVersion;
      FT_Property_Set(ft, "truetype", "interpreter-version", &version);
    }
    fc = FcInitLoadConfigAndFonts();
  }
  ~TLibrary() {
    if (ft) FT_Done_FreeType(ft);
    if (fc) FcConfigDestroy(fc);
  }
  TLibrary(const TLibrary&) = delete;
  TLibrary& operator=(const TLibrary&) = delete;
};

std::shared_ptr<TLibrary> Library() {
  static std::shared_ptr<TLibrary> lib = std::make_shared<TLibrary>();
  return lib;
}

struct TFaceFile {
  std::string Path;
  int Index = 0;
  bool Bold = false;    // the file itself is bold
  bool Italic = false;  // the file itself is slanted
};

// Families to ask fontconfig for, the preferred first.
std::vector<std::string> FamiliesFor(const std::string& lowerName, TFontPitch pitch) {
  static const std::map<std::string, std::vector<std::string>> classic = {
      {"", {"DejaVu Sans", "sans-serif"}},
      {"default", {"DejaVu Sans", "sans-serif"}},
      {"ms sans serif", {"DejaVu Sans", "sans-serif"}},
      {"ms shell dlg", {"DejaVu Sans", "sans-serif"}},
      {"ms shell dlg 2", {"DejaVu Sans", "sans-serif"}},
      {"microsoft sans serif", {"DejaVu Sans", "sans-serif"}},
      {"system", {"DejaVu Sans", "sans-serif"}},
      {"arial", {"DejaVu Sans", "sans-serif"}},
      {"helvetica", {"DejaVu Sans", "sans-serif"}},
      {"tahoma", {"DejaVu Sans", "sans-serif"}},
      {"verdana", {"DejaVu Sans", "sans-serif"}},
      {"segoe ui", {"DejaVu Sans", "sans-serif"}},
      {"courier", {"DejaVu Sans Mono", "monospace"}},
      {"courier new", {"DejaVu Sans Mono", "monospace"}},
      {"fixedsys", {"DejaVu Sans Mono", "monospace"}},
      {"terminal", {"DejaVu Sans Mono", "monospace"}},
      {"lucida console", {"DejaVu Sans Mono", "monospace"}},
      {"consolas", {"DejaVu Sans Mono", "monospace"}},
      {"ms serif", {"DejaVu Serif", "serif"}},
      {"times", {"DejaVu Serif", "serif"}},
      {"times new roman", {"DejaVu Serif", "serif"}},
  };
  if (auto it = classic.find(lowerName); it != classic.end()) {
    if (pitch == fpFixed && it->second[1] != "monospace") return {"DejaVu Sans Mono", "monospace"};
    return it->second;
  }
  if (pitch == fpFixed) return {lowerName, "DejaVu Sans Mono", "monospace"};
  return {lowerName, "DejaVu Sans", "sans-serif"};
}

bool FindFaceFile(TLibrary& lib, const TFaceKey& key, TFaceFile& out) {
  if (!lib.fc) return false;
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return false;
  for (const std::string& family : FamiliesFor(key.Name, key.Pitch))
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, key.Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, key.Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  if (key.Pitch == fpFixed) FcPatternAddInteger(pattern, FC_SPACING, FC_MONO);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(lib.fc, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(lib.fc, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return false;
  FcChar8* file = nullptr;
  bool found = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file;
  if (found) {
    out.Path = reinterpret_cast<const char*>(file);
    int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    out.Index = index;
    out.Bold = weight >= FC_WEIGHT_DEMIBOLD;
    out.Italic = slant != FC_SLANT_ROMAN;
  }
  FcPatternDestroy(match);
  return found;
}

// Font units to whole pixels at an em size.
Integer Scale(long value, long unitsPerEm, Integer ppem) {
  return static_cast<Integer>(std::lround(static_cast<double>(value) * ppem / unitsPerEm));
}

class TFreeTypeFace final : public TFace {
 public:
  TFreeTypeFace(std::shared_ptr<TLibrary> lib, FT_Face face, bool embolden, bool slant)
      : lib_(std::move(lib)), face_(face), embolden_(embolden), slant_(slant) {}
  ~TFreeTypeFace() override { FT_Done_Face(face_); }
  TFreeTypeFace(const TFreeTypeFace&) = delete;
  TFreeTypeFace& operator=(const TFreeTypeFace&) = delete;

  // Sets the em size for a font height and computes the line metrics; false when the
  // face cannot be scaled.
  bool Setup(Integer height) {
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
    metrics_.AveCharWidth = Glyph(U'x').Advance;
    return true;
  }

 protected:
  std::unique_ptr<TGlyph> Render(char32_t cp) const override {
    auto g = std::make_unique<TGlyph>();
    // A character the face lacks shows as the face's missing-glyph box.
    const FT_UInt index = FT_Get_Char_Index(face_, cp);
    if (FT_Load_Glyph(face_, index, kLoadFlags) != 0) return g;
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

 private:
  std::shared_ptr<TLibrary> lib_;
  FT_Face face_;
  bool embolden_;
  bool slant_;
};

}  // namespace

std::unique_ptr<TFace> MakeFreeTypeFace(const TFaceKey& key) {
  std::shared_ptr<TLibrary> lib = Library();
  if (!lib->ft) return nullptr;
  // One fontconfig query per family and style; sizes share the answer.
  static std::map<std::tuple<std::string, bool, bool, int>, std::optional<TFaceFile>> files;
  auto fileKey = std::make_tuple(key.Name, key.Bold, key.Italic, static_cast<int>(key.Pitch));
  auto it = files.find(fileKey);
  if (it == files.end()) {
    TFaceFile file;
    it = files.emplace(fileKey, FindFaceFile(*lib, key, file) ? std::optional(file) : std::nullopt).first;
  }
  if (!it->second) return nullptr;
  const TFaceFile& file = *it->second;
  FT_Face face = nullptr;
  if (FT_New_Face(lib->ft, file.Path.c_str(), file.Index, &face) != 0) return nullptr;
  if (!FT_IS_SCALABLE(face)) {
    FT_Done_Face(face);
    return nullptr;
  }
  auto result = std::make_unique<TFreeTypeFace>(lib, face, key.Bold && !file.Bold, key.Italic && !file.Italic);
  if (!result->Setup(key.Height)) return nullptr;
  return result;
}

}  // namespace host::fontengine

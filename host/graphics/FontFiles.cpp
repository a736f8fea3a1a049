// Font files from fontconfig: the file for a font, and the ranked files that supply the
// characters it lacks. Every answer is cached per family and style, so fontconfig is
// asked once whatever the number of sizes and texts.
#include "host/graphics/FontFiles.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace host::fontengine {

namespace {

// The configuration lives until the last cached answer that points into it is gone.
struct TConfig {
  FcConfig* fc = FcInitLoadConfigAndFonts();
  ~TConfig() {
    if (fc) FcConfigDestroy(fc);
  }
  TConfig() = default;
  TConfig(const TConfig&) = delete;
  TConfig& operator=(const TConfig&) = delete;
};

std::shared_ptr<TConfig> Config() {
  static std::shared_ptr<TConfig> config = std::make_shared<TConfig>();
  return config;
}

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

// The pattern fontconfig matches and ranks against; the caller destroys it.
FcPattern* PatternFor(FcConfig* fc, const TFaceKey& key) {
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return nullptr;
  for (const std::string& family : FamiliesFor(key.Name, key.Pitch))
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, key.Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, key.Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  if (key.Pitch == fpFixed) FcPatternAddInteger(pattern, FC_SPACING, FC_MONO);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(fc, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  return pattern;
}

std::optional<TFaceFile> FileOf(FcPattern* font) {
  FcChar8* file = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) return std::nullopt;
  TFaceFile out;
  out.Path = reinterpret_cast<const char*>(file);
  int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(font, FC_INDEX, 0, &index);
  FcPatternGetInteger(font, FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(font, FC_SLANT, 0, &slant);
  out.Index = index;
  out.Bold = weight >= FC_WEIGHT_DEMIBOLD;
  out.Italic = slant != FC_SLANT_ROMAN;
  return out;
}

// Family and style: what the answers depend on (sizes share them).
using TStyleKey = std::tuple<std::string, bool, bool, int>;
TStyleKey StyleOf(const TFaceKey& key) {
  return {key.Name, key.Bold, key.Italic, static_cast<int>(key.Pitch)};
}

// A ranked fallback: its file and the characters it has (a reference into the
// configuration's data, hence the configuration kept alive).
struct TCandidate {
  TFaceFile File;
  FcCharSet* Chars = nullptr;
};

class TFallbacks {
 public:
  TFallbacks(std::shared_ptr<TConfig> config, const TFaceKey& key) : config_(std::move(config)) {
    if (!config_->fc) return;
    FcPattern* pattern = PatternFor(config_->fc, key);
    if (!pattern) return;
    FcResult result = FcResultNoMatch;
    // Trimmed: a font that adds no character to those ranked above it is left out.
    FcFontSet* set = FcFontSort(config_->fc, pattern, FcTrue, nullptr, &result);
    FcPatternDestroy(pattern);
    if (!set) return;
    for (int i = 0; i < set->nfont; ++i) {
      FcPattern* font = set->fonts[i];
      FcBool scalable = FcFalse, color = FcFalse;
      FcCharSet* chars = nullptr;
      if (FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) != FcResultMatch || !scalable) continue;
      // Colour fonts (emoji) hold pictures that text in one colour cannot show.
      if (FcPatternGetBool(font, FC_COLOR, 0, &color) == FcResultMatch && color) continue;
      if (FcPatternGetCharSet(font, FC_CHARSET, 0, &chars) != FcResultMatch || !chars) continue;
      if (std::optional<TFaceFile> file = FileOf(font))
        candidates_.push_back({std::move(*file), FcCharSetCopy(chars)});
    }
    FcFontSetDestroy(set);
  }
  ~TFallbacks() {
    for (TCandidate& c : candidates_) FcCharSetDestroy(c.Chars);
  }
  TFallbacks(const TFallbacks&) = delete;
  TFallbacks& operator=(const TFallbacks&) = delete;

  const TFaceFile* For(char32_t cp) const {
    for (const TCandidate& c : candidates_)
      if (FcCharSetHasChar(c.Chars, cp)) return &c.File;
    return nullptr;
  }

 private:
  std::shared_ptr<TConfig> config_;
  std::vector<TCandidate> candidates_;
};

}  // namespace

std::optional<TFaceFile> FindFaceFile(const TFaceKey& key) {
  static std::map<TStyleKey, std::optional<TFaceFile>> files;
  const TStyleKey style = StyleOf(key);
  if (auto it = files.find(style); it != files.end()) return it->second;
  std::optional<TFaceFile>& found = files[style];
  std::shared_ptr<TConfig> config = Config();
  if (!config->fc) return found;
  FcPattern* pattern = PatternFor(config->fc, key);
  if (!pattern) return found;
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config->fc, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return found;
  found = FileOf(match);
  FcPatternDestroy(match);
  return found;
}

std::optional<TFaceFile> FallbackFileFor(const TFaceKey& key, char32_t cp) {
  static std::map<TStyleKey, std::unique_ptr<TFallbacks>> lists;
  std::unique_ptr<TFallbacks>& list = lists[StyleOf(key)];
  if (!list) list = std::make_unique<TFallbacks>(Config(), key);
  if (const TFaceFile* file = list->For(cp)) return *file;
  return std::nullopt;
}

}  // namespace host::fontengine

#include "host/graphics/FontEngine.h"

#include <cstdlib>
#include <functional>

namespace host {

namespace {

bool& UseFaces() {
  static bool use = [] {
    const char* env = std::getenv("ZELVANT_BUILTIN_FONT");
    return !(env && env[0] == '1');
  }();
  return use;
}

}  // namespace

void SetFontEngineForTests(bool useFaces) { UseFaces() = useFaces; }
bool FontEngineUsesFaces() { return UseFaces(); }

namespace fontengine {

const TGlyph& TFace::Glyph(char32_t cp) const {
  if (cp < ascii_.size() && ascii_[cp]) return *ascii_[cp];
  auto it = glyphs_.find(cp);
  if (it == glyphs_.end()) it = glyphs_.emplace(cp, Render(cp)).first;
  if (cp < ascii_.size()) ascii_[cp] = it->second.get();
  return *it->second;
}

TFaceKey KeyOf(const TFont& font) {
  TFaceKey key;
  key.Name = LowerCase(font.Name());
  key.Height = font.Height();
  key.Bold = font.Style().Contains(fsBold);
  key.Italic = font.Style().Contains(fsItalic);
  key.Pitch = font.Pitch();
  return key;
}

namespace {

struct TKeyHash {
  size_t operator()(const TFaceKey& k) const {
    size_t h = std::hash<std::string>()(k.Name);
    h = h * 31 + static_cast<size_t>(static_cast<std::uint32_t>(k.Height));
    return h * 31 + (k.Bold ? 1 : 0) + (k.Italic ? 2 : 0) + static_cast<size_t>(k.Pitch) * 4;
  }
};

using TFaceCache = std::unordered_map<TFaceKey, std::unique_ptr<TFace>, TKeyHash>;

}  // namespace

const TFace& FaceFor(const TFont& font) {
  // Separate caches so that switching the engine for tests never frees a face in use.
  static TFaceCache faces;
  static TFaceCache builtin;
  const bool useFaces = UseFaces();
  TFaceCache& cache = useFaces ? faces : builtin;
  TFaceKey key = KeyOf(font);
  auto it = cache.find(key);
  if (it != cache.end()) return *it->second;
  std::unique_ptr<TFace> face = useFaces ? MakeFreeTypeFace(key) : nullptr;
  if (!face) face = MakeBuiltinFace(key);
  return *cache.emplace(std::move(key), std::move(face)).first->second;
}

Integer PixelSizeOf(const TFont& font) { return FaceFor(font).PixelSize(); }

}  // namespace fontengine
}  // namespace host

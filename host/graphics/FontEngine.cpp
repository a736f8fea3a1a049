#include "host/graphics/FontEngine.h"

#include <cstdlib>
#include <functional>
#include <string_view>

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

const TGlyph& TFace::Glyph(std::uint32_t id) const {
  if (id < small_.size() && small_[id]) return *small_[id];
  auto it = glyphs_.find(id);
  if (it == glyphs_.end()) it = glyphs_.emplace(id, Render(id)).first;
  if (id < small_.size()) small_[id] = it->second.get();
  return *it->second;
}

namespace {

// Texts up to this long are cached whole; longer ones are laid out in pieces of about
// this size, so that memory stays bounded whatever the text.
constexpr size_t kPieceBytes = 4096;
// A generation of cached layouts holds at most this many texts or glyphs.
constexpr size_t kGenerationTexts = 1024;
constexpr size_t kGenerationGlyphs = 64 * 1024;

// The end of a piece of a long text: after a space if there is one near the limit, so
// that kerning and shaping rarely see the cut, and never inside a UTF-8 sequence.
size_t PieceEnd(std::string_view text, size_t start) {
  if (text.size() - start <= kPieceBytes) return text.size();
  const size_t limit = start + kPieceBytes;
  for (size_t i = limit; i > limit - 256; --i)
    if (text[i - 1] == ' ') return i;
  size_t end = limit;
  while (end > start + 1 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return end;
}

}  // namespace

const TTextLayout& TFace::Layout(std::string_view text) const {
  if (auto it = recent_.find(text); it != recent_.end()) return it->second;
  if (recentGlyphs_ >= kGenerationGlyphs || recent_.size() >= kGenerationTexts) {
    older_ = std::move(recent_);
    recent_.clear();
    recentGlyphs_ = 0;
  }
  TLayouts::iterator it;
  if (auto old = older_.find(text); old != older_.end()) {
    // Moving the node keeps the layout where it is.
    it = recent_.insert(older_.extract(old)).position;
  } else {
    it = recent_.emplace(std::string(text), TTextLayout{}).first;
    Shape(text, it->second);
  }
  recentGlyphs_ += it->second.Glyphs.size();
  return it->second;
}

std::int64_t TFace::ForEachPiece(std::string_view text, const TVisit& visit) const {
  if (text.size() <= kPieceBytes) {
    const TTextLayout& layout = Layout(text);
    if (visit) visit(layout, 0, 0);
    return layout.Advance;
  }
  std::int64_t x = 0;
  TTextLayout piece;
  for (size_t start = 0; start < text.size();) {
    const size_t end = PieceEnd(text, start);
    piece = TTextLayout{};
    Shape(text.substr(start, end - start), piece);
    if (visit) visit(piece, x, start);
    x += piece.Advance;
    start = end;
  }
  return x;
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
  // Painting asks for the same font again and again: the last answer is checked first,
  // by the font's own fields, before the name is lowered and hashed.
  static struct {
    std::string Name;
    Integer Height = 0;
    TFontStyles Style;
    TFontPitch Pitch = fpDefault;
    bool UseFaces = false;
    const TFace* Face = nullptr;
  } last;
  const bool useFaces = UseFaces();
  if (last.Face && last.UseFaces == useFaces && last.Height == font.Height() && last.Style == font.Style() &&
      last.Pitch == font.Pitch() && last.Name == font.Name())
    return *last.Face;
  TFaceCache& cache = useFaces ? faces : builtin;
  TFaceKey key = KeyOf(font);
  auto it = cache.find(key);
  if (it == cache.end()) {
    std::unique_ptr<TFace> face = useFaces ? MakeFreeTypeFace(key) : nullptr;
    if (!face) face = MakeBuiltinFace(key);
    it = cache.emplace(std::move(key), std::move(face)).first;
  }
  last.Name = font.Name();
  last.Height = font.Height();
  last.Style = font.Style();
  last.Pitch = font.Pitch();
  last.UseFaces = useFaces;
  last.Face = it->second.get();
  return *last.Face;
}

Integer PixelSizeOf(const TFont& font) { return FaceFor(font).PixelSize(); }

}  // namespace fontengine
}  // namespace host

// Laying out text in a FreeType face: the text is cut into runs of one face and one
// script, each run shaped by HarfBuzz, and the glyphs placed on whole pixels. A glyph
// advances by its hinted width plus the kerning HarfBuzz adds, rounded, so text stays
// as crisp as glyph-by-glyph drawing while pairs such as "AV" close up.
#include <iterator>
#include <memory>
#include <vector>

#include "host/core/Utf8.h"
#include "host/graphics/FreeTypeFace.h"

namespace host::fontengine {

namespace {

// 26.6 fixed point to whole pixels, halves rounded up.
Integer RoundPixels(hb_position_t v) { return static_cast<Integer>((v + 32) >> 6); }

bool IsStrong(hb_script_t s) { return s != HB_SCRIPT_COMMON && s != HB_SCRIPT_INHERITED && s != HB_SCRIPT_UNKNOWN; }

// Characters that are never drawn (joiners, direction marks, variation selectors):
// HarfBuzz hides them, so they need no face of their own.
bool IsDefaultIgnorable(char32_t c) {
  return c == 0xAD || c == 0x34F || c == 0x61C || (c >= 0x180B && c <= 0x180F) || (c >= 0x200B && c <= 0x200F) ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || (c >= 0xFE00 && c <= 0xFE0F) ||
         c == 0xFEFF || (c >= 0xE0000 && c <= 0xE0FFF);
}

// Ligatures are left out: every character keeps a glyph of its own, so that a caret or
// an accelerator's underline can stand between any two.
const hb_feature_t kFeatures[] = {
    {HB_TAG('l', 'i', 'g', 'a'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
    {HB_TAG('c', 'l', 'i', 'g'), 0, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END},
};

// One buffer reused for every run (text is laid out on one thread).
hb_buffer_t* Buffer() {
  static const std::unique_ptr<hb_buffer_t, void (*)(hb_buffer_t*)> buffer(hb_buffer_create(), hb_buffer_destroy);
  hb_buffer_clear_contents(buffer.get());
  return buffer.get();
}

struct TChar {
  char32_t Cp;
  std::uint32_t Offset;
  hb_script_t Script;
  const TFreeTypeFace* Face;
};

}  // namespace

void TFreeTypeFace::Shape(std::string_view text, TTextLayout& out) const {
  hb_unicode_funcs_t* unicode = hb_unicode_funcs_get_default();
  std::vector<TChar> chars;
  chars.reserve(text.size());
  const TFreeTypeFace* current = this;
  for (size_t pos = 0; pos < text.size();) {
    const auto offset = static_cast<std::uint32_t>(pos);
    const char32_t cp = NextCodePoint(text, pos);
    const hb_script_t script = hb_unicode_script(unicode, cp);
    // Marks and invisible characters stay with the face of the character they follow.
    const bool follows = script == HB_SCRIPT_INHERITED || IsDefaultIgnorable(cp);
    if (!(follows && (current->Has(cp) || IsDefaultIgnorable(cp)))) current = &FaceShowing(cp);
    chars.push_back({cp, offset, script, current});
  }
  Integer pen = 0;
  for (size_t start = 0; start < chars.size();) {
    // A run: one face, and one script among the characters that have one.
    const TFreeTypeFace* face = chars[start].Face;
    hb_script_t script = HB_SCRIPT_COMMON;
    size_t end = start;
    for (; end < chars.size() && chars[end].Face == face; ++end) {
      if (!IsStrong(chars[end].Script)) continue;
      if (script == HB_SCRIPT_COMMON) script = chars[end].Script;
      else if (chars[end].Script != script) break;
    }
    hb_buffer_t* buffer = Buffer();
    for (size_t i = start; i < end; ++i) hb_buffer_add(buffer, chars[i].Cp, chars[i].Offset);
    hb_buffer_set_content_type(buffer, HB_BUFFER_CONTENT_TYPE_UNICODE);
    hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
    hb_buffer_set_script(buffer, script == HB_SCRIPT_COMMON ? HB_SCRIPT_LATIN : script);
    hb_buffer_set_language(buffer, hb_language_get_default());
    face->ShapeRun(buffer, out, pen);
    start = end;
  }
  out.Advance = pen;
}

void TFreeTypeFace::ShapeRun(hb_buffer_t* buffer, TTextLayout& out, Integer& pen) const {
  hb_shape(hb_, buffer, kFeatures, std::size(kFeatures));
  unsigned count = 0;
  const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
  const hb_glyph_position_t* pos = hb_buffer_get_glyph_positions(buffer, &count);
  for (unsigned i = 0; i < count; ++i) {
    const hb_codepoint_t id = info[i].codepoint;
    const TGlyph& glyph = Glyph(id);
    // The shaper's adjustment of the plain advance is the kerning; zero-width glyphs
    // (marks, hidden characters) stay zero-width.
    Integer advance = 0;
    if (pos[i].x_advance != 0)
      advance = glyph.Advance + RoundPixels(pos[i].x_advance - hb_font_get_glyph_h_advance(hb_, id));
    out.Glyphs.push_back(
        {&glyph, pen, advance, RoundPixels(pos[i].x_offset), RoundPixels(pos[i].y_offset), info[i].cluster});
    out.HasMissing |= id == 0;
    pen += advance;
  }
}

}  // namespace host::fontengine

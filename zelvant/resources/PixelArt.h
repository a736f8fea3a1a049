// Pictures written as rows of characters, one per pixel, in the classic 16-colour palette,
// and the glyph layout buttons expect: the normal image, then its disabled (etched) image.
#pragma once

#include <span>
#include <string_view>

#include "host/graphics/Graphics.h"

namespace zelvant::art {

// Buttons leave out the colour of a glyph's bottom-left pixel; every picture of the
// package keeps that pixel (and its whole background) olive.
constexpr host::TColor kBackground = host::clOlive;
constexpr char kBackgroundChar = '.';

// Palette letters; clNone for a character that is not one.
constexpr host::TColor ColorOf(char c) {
  switch (c) {
    case '.': return kBackground;
    case 'k': return host::clBlack;
    case 'm': return host::clMaroon;
    case 'g': return host::clGreen;
    case 'n': return host::clNavy;
    case 'p': return host::clPurple;
    case 't': return host::clTeal;
    case 'd': return host::clGray;  // "dark", the shadow grey
    case 's': return host::clSilver;
    case 'r': return host::clRed;
    case 'l': return host::clLime;
    case 'y': return host::clYellow;
    case 'b': return host::clBlue;
    case 'f': return host::clFuchsia;
    case 'a': return host::clAqua;
    case 'w': return host::clWhite;
    default: return host::clNone;
  }
}

struct TArt {
  std::span<const std::string_view> Rows;  // top row first
  constexpr int Width() const { return Rows.empty() ? 0 : static_cast<int>(Rows.front().size()); }
  constexpr int Height() const { return static_cast<int>(Rows.size()); }
};

// For static_assert next to each picture, so that a mistyped row stops the build.
constexpr bool WellFormed(const TArt& art, int width, int height) {
  if (art.Height() != height) return false;
  for (std::string_view row : art.Rows) {
    if (static_cast<int>(row.size()) != width) return false;
    for (char c : row)
      if (ColorOf(c) == host::clNone) return false;
  }
  return art.Rows.back().front() == kBackgroundChar;
}

// Whether a pixel belongs to the dark shape that the disabled image etches; light
// colours (white, silver, yellow, aqua) are highlights that vanish when disabled.
bool IsInk(std::uint32_t argb, std::uint32_t background);

// Paints `art` with its top-left corner at (left, 0).
void Paint(host::TBitmap& target, int left, const TArt& art);

// Fills the w x h cell at `to` with the etched image of the cell at `from`: grey where
// the source has ink, a white copy one pixel down and right, background elsewhere.
void Etch(host::TBitmap& bitmap, int from, int to, int width, int height);

// A button glyph: the picture, then its disabled image beside it.
void MakeGlyph(host::TBitmap& target, const TArt& art);
// A single picture (component palette bitmaps).
void MakePicture(host::TBitmap& target, const TArt& art);

}  // namespace zelvant::art

#include <array>

#include "host/graphics/Graphics.h"

namespace host {

namespace {

// The classic Windows palette, indexed by system colour number, as 0xRRGGBB.
constexpr std::array<std::uint32_t, 25> kSystemPalette = {
    0xC0C0C0,  // clScrollBar
    0x008080,  // clBackground
    0x000080,  // clActiveCaption
    0x808080,  // clInactiveCaption
    0xC0C0C0,  // clMenu
    0xFFFFFF,  // clWindow
    0x000000,  // clWindowFrame
    0x000000,  // clMenuText
    0x000000,  // clWindowText
    0xFFFFFF,  // clCaptionText
    0xC0C0C0,  // clActiveBorder
    0xC0C0C0,  // clInactiveBorder
    0x808080,  // clAppWorkSpace
    0x000080,  // clHighlight
    0xFFFFFF,  // clHighlightText
    0xC0C0C0,  // clBtnFace
    0x808080,  // clBtnShadow
    0x808080,  // clGrayText
    0x000000,  // clBtnText
    0xC0C0C0,  // clInactiveCaptionText
    0xFFFFFF,  // clBtnHighlight
    0x000000,  // cl3DDkShadow
    0xDFDFDF,  // cl3DLight
    0x000000,  // clInfoText
    0xFFFFE1,  // clInfoBk
};

constexpr std::uint32_t SwapRB(std::uint32_t v) { return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF); }

}  // namespace

std::uint32_t ColorToRGB(TColor color) {
  const auto bits = static_cast<std::uint32_t>(color);
  if (bits & 0x80000000u) {
    const std::uint32_t index = bits & 0xFF;
    return index < kSystemPalette.size() ? SwapRB(kSystemPalette[index]) : 0;
  }
  return bits & 0xFFFFFF;
}

std::uint32_t ColorToPixel(TColor color) { return 0xFF000000u | SwapRB(ColorToRGB(color)); }

TColor PixelToColor(std::uint32_t argb) { return static_cast<TColor>(SwapRB(argb & 0xFFFFFF)); }

const TIdentMap& ColorIdents() {
  static const TIdentMap map = {
      {clBlack, "clBlack"},
      {clMaroon, "clMaroon"},
      {clGreen, "clGreen"},
      {clOlive, "clOlive"},
      {clNavy, "clNavy"},
      {clPurple, "clPurple"},
      {clTeal, "clTeal"},
      {clGray, "clGray"},
      {clSilver, "clSilver"},
      {clRed, "clRed"},
      {clLime, "clLime"},
      {clYellow, "clYellow"},
      {clBlue, "clBlue"},
      {clFuchsia, "clFuchsia"},
      {clAqua, "clAqua"},
      {clWhite, "clWhite"},
      {clScrollBar, "clScrollBar"},
      {clBackground, "clBackground"},
      {clActiveCaption, "clActiveCaption"},
      {clInactiveCaption, "clInactiveCaption"},
      {clMenu, "clMenu"},
      {clWindow, "clWindow"},
      {clWindowFrame, "clWindowFrame"},
      {clMenuText, "clMenuText"},
      {clWindowText, "clWindowText"},
      {clCaptionText, "clCaptionText"},
      {clActiveBorder, "clActiveBorder"},
      {clInactiveBorder, "clInactiveBorder"},
      {clAppWorkSpace, "clAppWorkSpace"},
      {clHighlight, "clHighlight"},
      {clHighlightText, "clHighlightText"},
      {clBtnFace, "clBtnFace"},
      {clBtnShadow, "clBtnShadow"},
      {clGrayText, "clGrayText"},
      {clBtnText, "clBtnText"},
      {clInactiveCaptionText, "clInactiveCaptionText"},
      {clBtnHighlight, "clBtnHighlight"},
      {cl3DDkShadow, "cl3DDkShadow"},
      {cl3DLight, "cl3DLight"},
      {clInfoText, "clInfoText"},
      {clInfoBk, "clInfoBk"},
      {clNone, "clNone"},
      {clDefault, "clDefault"},
  };
  return map;
}

}  // namespace host

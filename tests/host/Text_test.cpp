// Text: measuring agrees with drawing, the built-in font, UTF-8 and accelerator captions.
#include <gtest/gtest.h>

#include "PixelTestHelpers.h"

using namespace host;
using namespace pixeltest;

namespace {

// Runs each test with FreeType faces and again with the built-in font.
class Text : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override { SetFontEngineForTests(GetParam()); }
  void TearDown() override { SetFontEngineForTests(true); }
};

class BuiltinText : public testing::Test {
 protected:
  void SetUp() override { SetFontEngineForTests(false); }
  void TearDown() override { SetFontEngineForTests(true); }
};

}  // namespace

TEST_P(Text, WidthGrowsWithTheTextAndAddsUp) {
  TSurface s(10, 10);
  TCanvas& c = s.canvas;
  EXPECT_EQ(c.TextWidth(""), 0);
  EXPECT_GT(c.TextWidth("a"), 0);
  EXPECT_GT(c.TextWidth("ab"), c.TextWidth("a"));
  // Faces are proportional, the built-in font is not.
  if (GetParam()) EXPECT_GT(c.TextWidth("WWW"), c.TextWidth("iii"));
  else EXPECT_EQ(c.TextWidth("WWW"), c.TextWidth("iii"));
  EXPECT_EQ(c.TextWidth("Cancel"), c.TextWidth("Can") + c.TextWidth("cel"));
  const Integer regular = c.TextWidth("Hello");
  c.Font().SetStyle({fsBold});
  EXPECT_GE(c.TextWidth("Hello"), regular);
  c.Font().SetHeight(-22);
  EXPECT_GT(c.TextWidth("Hello"), regular);
}

TEST_P(Text, DrawnTextLiesInTheMeasuredCell) {
  TSurface s(120, 40);
  TCanvas& c = s.canvas;
  c.Brush().SetStyle(bsClear);
  const std::string text = "Hello, Wy";
  c.TextOut(7, 5, text);
  const TRect drawn = Extent(s.bitmap);
  const Integer w = c.TextWidth(text), h = c.TextHeight(text);
  ASSERT_FALSE(drawn.IsEmpty());
  EXPECT_GE(drawn.Left, 7);
  EXPECT_LE(drawn.Left, 9);
  EXPECT_LE(drawn.Right, 7 + w + 1);
  EXPECT_GE(drawn.Right, 7 + w - 3);
  EXPECT_GE(drawn.Top, 5);
  EXPECT_LE(drawn.Bottom, 5 + h);
  EXPECT_EQ(c.PenPos(), Point(7 + w, 5));
  const TTextMetrics m = c.TextMetrics();
  EXPECT_EQ(m.Ascent + m.Descent, h);
  // The stem of 'H' reaches the baseline but not below it; 'y' does.
  EXPECT_LE(drawn.Bottom, 5 + h);
  EXPECT_GT(drawn.Bottom, 5 + m.Ascent);
}

TEST_P(Text, SolidBrushFillsExactlyTheTextCell) {
  TSurface s(100, 40);
  TCanvas& c = s.canvas;
  c.Brush().SetColor(clYellow);
  c.Font().SetColor(clBlack);
  c.TextOut(10, 6, "Fill");
  EXPECT_EQ(Extent(s.bitmap), Rect(10, 6, 10 + c.TextWidth("Fill"), 6 + c.TextHeight("Fill")));
  EXPECT_EQ(s.bitmap.Pixel(10, 6), 0xFFFFFF00u);
}

TEST_P(Text, UnderlineAddsARowUnderTheText) {
  TSurface plain(80, 30), underlined(80, 30);
  for (TSurface* s : {&plain, &underlined}) s->canvas.Brush().SetStyle(bsClear);
  underlined.canvas.Font().SetStyle({fsUnderline});
  plain.canvas.TextOut(2, 2, "ace");
  underlined.canvas.TextOut(2, 2, "ace");
  const TTextMetrics m = underlined.canvas.TextMetrics();
  const int row = 2 + m.Ascent + m.UnderlinePosition;
  for (int x = 2; x < 2 + underlined.canvas.TextWidth("ace"); ++x) {
    EXPECT_EQ(underlined.bitmap.Pixel(x, row), kBlack) << x;
    EXPECT_EQ(plain.bitmap.Pixel(x, row), kWhite) << x;
  }
  EXPECT_LT(row, 2 + m.Height);
}

TEST_P(Text, TextRectClipsToItsRectangle) {
  TSurface s(100, 30);
  TCanvas& c = s.canvas;
  c.Brush().SetColor(clWhite);
  c.TextRect(Rect(5, 0, 20, 30), 0, 2, "MMMMMMMMMM");
  const TRect drawn = Extent(s.bitmap);
  EXPECT_GE(drawn.Left, 5);
  EXPECT_LE(drawn.Right, 20);
  EXPECT_FALSE(drawn.IsEmpty());
}

TEST_P(Text, InvalidUtf8CountsAsQuestionMarks) {
  TSurface s(10, 10);
  TCanvas& c = s.canvas;
  EXPECT_EQ(c.TextWidth("a\xFF" "b"), c.TextWidth("a?b"));
  EXPECT_EQ(c.TextWidth("\xE2\x82"), c.TextWidth("??"));      // truncated sequence
  EXPECT_EQ(c.TextWidth("\xC0\xAF"), c.TextWidth("??"));      // overlong '/'
  EXPECT_EQ(c.TextWidth("\xED\xA0\x80"), c.TextWidth("???"));  // surrogate
  EXPECT_GT(c.TextWidth("\xC3\xA9"), 0);                      // one character, 'é'
  EXPECT_LT(c.TextWidth("\xC3\xA9"), c.TextWidth("??"));
}

INSTANTIATE_TEST_SUITE_P(Engines, Text, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& i) { return i.param ? "Faces" : "Builtin"; });

TEST(TextFaces, DialogFontLooksClassic) {
  SetFontEngineForTests(true);
  TSurface s(100, 30);
  TCanvas& c = s.canvas;
  EXPECT_EQ(c.Font().PixelSize(), 11);
  const Integer h = c.TextHeight("Ag");
  EXPECT_GE(h, 12);
  EXPECT_LE(h, 15);
  c.Brush().SetStyle(bsClear);
  c.TextOut(2, 2, "Hello");
  // Stems are snapped to pixels: the text is drawn in (nearly) solid black.
  int black = 0;
  for (std::uint32_t p : s.bitmap.Pixels()) black += (p & 0xFFFFFF) < 0x202020;
  EXPECT_GE(black, 20);
  const Integer cell = c.TextHeight("x");
  c.Font().SetHeight(cell);  // positive: the cell height
  EXPECT_EQ(c.TextHeight("x"), cell);
}

TEST_F(BuiltinText, UsesTheFixedCellAndDrawsSolidPixels) {
  EXPECT_FALSE(FontEngineUsesFaces());
  TSurface s(60, 20);
  TCanvas& c = s.canvas;
  EXPECT_EQ(c.TextWidth("abc"), 18);
  EXPECT_EQ(c.TextHeight("abc"), 10);
  EXPECT_EQ(c.TextWidth("\xC3\xA9"), 6);
  c.Brush().SetStyle(bsClear);
  c.Font().SetColor(clRed);
  c.TextOut(1, 1, "I");
  // 'I': a bar across the top, a stem in the middle column, a bar at the bottom.
  EXPECT_EQ(Extent(s.bitmap), Rect(2, 2, 5, 9));
  for (auto [x, y] : Changed(s.bitmap)) EXPECT_EQ(s.bitmap.Pixel(x, y), kRed);
  EXPECT_EQ(s.bitmap.Pixel(3, 5), kRed);
  EXPECT_EQ(s.bitmap.Pixel(2, 5), kWhite);
  c.Font().SetHeight(-22);
  EXPECT_EQ(c.TextWidth("abc"), 36);
}

TEST(AccelText, PrefixesAreRemovedAndTheirCharacterFound) {
  EXPECT_EQ(StripAccelChars("&File"), "File");
  EXPECT_EQ(StripAccelChars("R&&D"), "R&D");
  EXPECT_EQ(StripAccelChars("End&"), "End");
  EXPECT_EQ(StripAccelChars("&a&b"), "ab");
  EXPECT_EQ(AccelCharOf("E&xit"), U'X');
  EXPECT_EQ(AccelCharOf("&a&b"), U'A');
  EXPECT_EQ(AccelCharOf("R&&D"), 0u);
  EXPECT_EQ(AccelCharOf("Plain"), 0u);
  EXPECT_EQ(AccelCharOf("&\xC3\xA9t\xC3\xA9"), U'\u00E9');
}

TEST_F(BuiltinText, AccelTextUnderlinesOnlyItsCharacter) {
  TSurface s(60, 20);
  TCanvas& c = s.canvas;
  c.Brush().SetStyle(bsClear);
  EXPECT_EQ(AccelTextWidth(c, "a&bc"), c.TextWidth("abc"));
  DrawAccelText(c, 0, 0, "a&bc");
  const TTextMetrics m = c.TextMetrics();
  const int row = m.Ascent + m.UnderlinePosition;
  for (int x = 0; x < 18; ++x) EXPECT_EQ(s.bitmap.Pixel(x, row) == kBlack, x >= 6 && x < 12) << x;
  // Apart from the underline the caption looks like plain text.
  TSurface plain(60, 20);
  plain.canvas.Brush().SetStyle(bsClear);
  plain.canvas.TextOut(0, 0, "abc");
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x)
      if (y != row) {
        ASSERT_EQ(s.bitmap.Pixel(x, y), plain.bitmap.Pixel(x, y)) << x << "," << y;
      }
}

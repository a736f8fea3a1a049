// Text in many scripts: characters the font lacks come from fallback faces, pairs are
// kerned and marks shaped, and every width measured is the advance drawn.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PixelTestHelpers.h"
#include "host/graphics/FontEngine.h"

using namespace host;
using namespace pixeltest;

namespace {

// Latin with accents, Greek, Cyrillic and CJK (Chinese, Japanese kana, Korean).
const std::string kLatin = "\xC3\xA9t\xC3\xA9 na\xC3\xAFve \xC3\x86r\xC3\xB8 Stra\xC3\x9F" "e";
const std::string kGreek = "\xCE\x9A\xCE\xB1\xCE\xBB\xCE\xB7\xCE\xBC\xCE\xAD\xCF\x81\xCE\xB1";
const std::string kCyrillic = "\xD0\x97\xD0\xB4\xD1\x80\xD0\xB0\xD0\xB2\xD1\x81\xD1\x82\xD0\xB2\xD1\x83\xD0\xB9";
const std::string kCjk = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\x8B\xED\x95\x9C";
const std::string kMixed = kLatin + " " + kGreek + " " + kCyrillic + " " + kCjk;
const std::string kNihon = "\xE6\x97\xA5";        // a CJK ideograph
const std::string kNoFontHasIt = "\xF4\x8F\xBF\xBD";  // U+10FFFD, private use

class TextScripts : public testing::Test {
 protected:
  void SetUp() override { SetFontEngineForTests(true); }
};

const fontengine::TTextLayout& LayoutOf(TCanvas& c, const std::string& text) {
  return fontengine::FaceFor(c.Font()).Layout(text);
}

// The picture of a text drawn alone at (2, 2) on a white bitmap.
std::unique_ptr<TBitmap> Picture(const std::string& text) {
  auto b = std::make_unique<TBitmap>(160, 30);
  TCanvas& c = b->Canvas();
  c.Brush().SetStyle(bsClear);
  c.TextOut(2, 2, text);
  return b;
}

}  // namespace

TEST_F(TextScripts, EveryScriptIsDrawnWithoutReplacementBoxes) {
  TSurface s(10, 10);
  ASSERT_FALSE(LayoutOf(s.canvas, kNihon).HasMissing)
      << "no font with CJK characters found: install fonts-wqy-microhei (scripts/setup.sh does)";
  // A character that no font has shows the box, and the layout says so.
  EXPECT_TRUE(LayoutOf(s.canvas, "a" + kNoFontHasIt).HasMissing);
  EXPECT_FALSE(LayoutOf(s.canvas, kMixed).HasMissing);
  const auto box = Picture(kNoFontHasIt);
  ASSERT_FALSE(Extent(*box).IsEmpty());
  for (const std::string& ch : {std::string("\xC3\xA9"), std::string("\xCE\xBB"), std::string("\xD0\xB4"), kNihon,
                                std::string("\xE3\x81\x8B"), std::string("\xED\x95\x9C")}) {
    const auto drawn = Picture(ch);
    EXPECT_FALSE(Extent(*drawn).IsEmpty()) << ch;
    EXPECT_NE(drawn->Pixels(), box->Pixels()) << ch;
  }
}

TEST_F(TextScripts, FallbackGlyphsFollowTheFontSize) {
  TSurface s(10, 10);
  TCanvas& c = s.canvas;
  // A CJK ideograph is one em wide, in the size of the font that asked for it.
  EXPECT_NEAR(c.TextWidth(kNihon), c.Font().PixelSize(), 1);
  c.Font().SetHeight(-22);
  EXPECT_NEAR(c.TextWidth(kNihon), 22, 1);
  const Integer regular = c.TextWidth(kNihon);
  c.Font().SetStyle({fsBold});
  EXPECT_GE(c.TextWidth(kNihon), regular);
  EXPECT_FALSE(LayoutOf(c, kMixed).HasMissing);
}

TEST_F(TextScripts, TextWidthIsTheAdvanceDrawn) {
  TSurface s(400, 30);
  TCanvas& c = s.canvas;
  const Integer w = c.TextWidth(kMixed);
  // The underline runs exactly as far as the pen moves, and that is TextWidth.
  c.Brush().SetStyle(bsClear);
  c.Font().SetStyle({fsUnderline});
  c.TextOut(3, 2, kMixed);
  EXPECT_EQ(c.PenPos(), Point(3 + w, 2));
  const TTextMetrics m = c.TextMetrics();
  const Integer row = 2 + m.Ascent + m.UnderlinePosition;
  for (Integer x = 0; x < 400; ++x) EXPECT_EQ(s.bitmap.Pixel(x, row) == kBlack, x >= 3 && x < 3 + w) << x;
  // Nothing is drawn beyond the measured width: clipping the text there changes nothing.
  TSurface clipped(400, 30);
  clipped.canvas.Font().SetStyle({fsUnderline});
  clipped.canvas.Brush().SetStyle(bsClear);
  clipped.canvas.TextRect(Rect(3, 0, 3 + w, 30), 3, 2, kMixed);
  EXPECT_EQ(clipped.bitmap.Pixels(), s.bitmap.Pixels());
  // A solid brush fills the measured cell exactly.
  TSurface filled(400, 30);
  filled.canvas.Brush().SetColor(clYellow);
  filled.canvas.TextOut(3, 2, kMixed);
  EXPECT_EQ(Extent(filled.bitmap), Rect(3, 2, 3 + w, 2 + c.TextHeight(kMixed)));
}

TEST_F(TextScripts, PairsAreKernedAsMeasured) {
  TSurface s(10, 10);
  TCanvas& c = s.canvas;
  for (const std::string pair : {"AV", "To"}) {
    const std::string first = pair.substr(0, 1), second = pair.substr(1);
    EXPECT_LT(c.TextWidth(pair), c.TextWidth(first) + c.TextWidth(second)) << pair;
    // The second letter is drawn where the kerned width puts it.
    const auto together = Picture(pair);
    TBitmap apart(160, 30);
    apart.Canvas().Brush().SetStyle(bsClear);
    apart.Canvas().TextOut(2, 2, first);
    apart.Canvas().TextOut(2 + c.TextWidth(pair) - c.TextWidth(second), 2, second);
    EXPECT_EQ(together->Pixels(), apart.Pixels()) << pair;
  }
  SetFontEngineForTests(false);  // the built-in font's cells are not kerned
  EXPECT_EQ(c.TextWidth("AV"), c.TextWidth("A") + c.TextWidth("V"));
  SetFontEngineForTests(true);
}

TEST_F(TextScripts, CombiningMarksSitOnTheirLetter) {
  // 'e' + combining acute is shaped as the precomposed letter.
  EXPECT_EQ(Picture("e\xCC\x81")->Pixels(), Picture("\xC3\xA9")->Pixels());
  TSurface s(10, 10);
  TCanvas& c = s.canvas;
  EXPECT_EQ(c.TextWidth("e\xCC\x81"), c.TextWidth("\xC3\xA9"));
  // Two marks on one letter take no room of their own.
  EXPECT_EQ(c.TextWidth("a\xCC\x88\xCC\x81"), c.TextWidth("a"));
  const TRect plain = Extent(*Picture("a")), marked = Extent(*Picture("a\xCC\x88\xCC\x81"));
  EXPECT_LT(marked.Top, plain.Top);
  EXPECT_EQ(marked.Bottom, plain.Bottom);
  // Invisible characters (a zero-width joiner) draw nothing.
  EXPECT_EQ(Picture("a\xE2\x80\x8D" "b")->Pixels(), Picture("ab")->Pixels());
}

TEST_F(TextScripts, AcceleratorUnderlinesTheKernedLetter) {
  TSurface s(60, 20);
  TCanvas& c = s.canvas;
  c.Brush().SetStyle(bsClear);
  DrawAccelText(c, 0, 0, "T&o");
  const TTextMetrics m = c.TextMetrics();
  const Integer row = m.Ascent + m.UnderlinePosition;
  const Integer left = c.TextWidth("To") - c.TextWidth("o");
  ASSERT_LT(left, c.TextWidth("T"));  // kerned
  for (Integer x = 0; x < 60; ++x) EXPECT_EQ(s.bitmap.Pixel(x, row) == kBlack, x >= left && x < c.TextWidth("To")) << x;
}

TEST_F(TextScripts, LongTextsAreLaidOutInPiecesThatAddUp) {
  TSurface s(200, 20);
  TCanvas& c = s.canvas;
  // Longer than a piece, and cut into pieces only between characters.
  std::string ideographs, letters;
  for (int i = 0; i < 5000; ++i) ideographs += kNihon;
  for (int i = 0; i < 10000; ++i) letters += 'x';
  EXPECT_EQ(c.TextWidth(ideographs), 5000 * c.TextWidth(kNihon));
  EXPECT_EQ(c.TextWidth(letters), 10000 * c.TextWidth("x"));
  bool missing = false;
  fontengine::FaceFor(c.Font()).ForEachPiece(
      ideographs, [&](const fontengine::TTextLayout& piece, std::int64_t, size_t) { missing |= piece.HasMissing; });
  EXPECT_FALSE(missing);
  c.Brush().SetStyle(bsClear);
  c.TextOut(-50000, 2, ideographs);
  EXPECT_EQ(c.PenPos().X, -50000 + 5000 * c.TextWidth(kNihon));
  EXPECT_FALSE(Extent(s.bitmap).IsEmpty());
}

TEST_F(TextScripts, WidthsStayTheSameAsTheCacheTurnsOver) {
  TSurface s(10, 10);
  TCanvas& c = s.canvas;
  std::vector<Integer> first;
  for (int i = 0; i < 3000; ++i) first.push_back(c.TextWidth("Item " + std::to_string(i) + " " + kCjk));
  for (int i = 0; i < 3000; ++i) ASSERT_EQ(c.TextWidth("Item " + std::to_string(i) + " " + kCjk), first[i]) << i;
}

TEST(BuiltinTextScripts, EveryCharacterTakesOneCell) {
  SetFontEngineForTests(false);
  TSurface s(10, 10);
  // Without font files the built-in font shows what it lacks as '?', one cell each.
  EXPECT_EQ(s.canvas.TextWidth(kMixed), 6 * 46);
  EXPECT_TRUE(LayoutOf(s.canvas, kMixed).HasMissing);
  EXPECT_FALSE(LayoutOf(s.canvas, "plain").HasMissing);
  SetFontEngineForTests(true);
}

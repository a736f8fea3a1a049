// Colours, pens, brushes and fonts: the palette, change events, copying and publishing.
#include <gtest/gtest.h>

#include <set>

#include "host/graphics/Graphics.h"

using namespace host;

TEST(Colors, SystemColoursUseTheClassicPalette) {
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xC0C0C0u);
  EXPECT_EQ(ColorToRGB(clBtnShadow), 0x808080u);
  EXPECT_EQ(ColorToRGB(clBtnHighlight), 0xFFFFFFu);
  EXPECT_EQ(ColorToRGB(cl3DDkShadow), 0x000000u);
  EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFFu);
  EXPECT_EQ(ColorToRGB(clWindowText), 0x000000u);
  EXPECT_EQ(ColorToRGB(clGrayText), 0x808080u);
  // Highlight is navy: blue in the high byte of 0x00BBGGRR.
  EXPECT_EQ(ColorToRGB(clHighlight), 0x800000u);
  EXPECT_EQ(ColorToPixel(clHighlight), 0xFF000080u);
  EXPECT_EQ(ColorToPixel(clActiveCaption), 0xFF000080u);
  EXPECT_EQ(ColorToPixel(clRed), 0xFFFF0000u);
  EXPECT_EQ(ColorToPixel(clBlue), 0xFF0000FFu);
  EXPECT_EQ(PixelToColor(0x12345678u), static_cast<TColor>(0x785634));
  EXPECT_EQ(ColorToRGB(clSystemColor | 200), 0u);
}

TEST(Colors, IdentsNameEveryStandardColourOnce) {
  std::set<std::string> names;
  std::set<std::int64_t> values;
  for (const TIdentMapEntry& e : ColorIdents()) {
    names.insert(e.Name);
    values.insert(e.Value);
  }
  EXPECT_EQ(names.size(), ColorIdents().size());
  EXPECT_EQ(values.size(), ColorIdents().size());
  for (TColor c : {clBlack, clWhite, clBtnFace, clInfoBk, clNone, clDefault}) EXPECT_TRUE(values.count(c)) << c;
  EXPECT_TRUE(names.count("clBtnFace"));
  EXPECT_TRUE(names.count("cl3DDkShadow"));
}

TEST(GraphicsObjects, ChangeEventsFireOnlyForRealChanges) {
  TPen pen;
  int changes = 0;
  pen.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &pen);
    ++changes;
  };
  pen.SetColor(clBlack);
  pen.SetWidth(1);
  pen.SetStyle(psSolid);
  EXPECT_EQ(changes, 0);
  pen.SetColor(clRed);
  pen.SetWidth(3);
  pen.SetStyle(psDot);
  EXPECT_EQ(changes, 3);
  pen.SetWidth(0);
  EXPECT_EQ(pen.Width(), 1);

  TFont font;
  int fontChanges = 0;
  font.OnChange = [&](TObject*) { ++fontChanges; };
  font.SetName("MS Sans Serif");
  font.SetStyle({fsBold});
  font.SetSize(8);  // already -11 pixels
  EXPECT_EQ(fontChanges, 1);
}

TEST(GraphicsObjects, AssignCopiesEveryAttribute) {
  TFont a, b;
  a.SetColor(clRed);
  a.SetHeight(-16);
  a.SetName("Courier New");
  a.SetStyle({fsItalic, fsUnderline});
  a.SetPitch(fpFixed);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.Assign(&a);
  EXPECT_EQ(b.Color(), clRed);
  EXPECT_EQ(b.Height(), -16);
  EXPECT_EQ(b.Name(), "Courier New");
  EXPECT_EQ(b.Style(), (TFontStyles{fsItalic, fsUnderline}));
  EXPECT_EQ(b.Pitch(), fpFixed);
  EXPECT_EQ(changes, 1);

  TBrush br, copy;
  br.SetColor(clBlue);
  br.SetStyle(bsCross);
  copy.Assign(&br);
  EXPECT_EQ(copy.Color(), clBlue);
  EXPECT_EQ(copy.Style(), bsCross);
  EXPECT_THROW(copy.Assign(&a), EConvertError);
}

TEST(GraphicsObjects, BrushColourMakesAClearBrushSolid) {
  TBrush br;
  br.SetStyle(bsClear);
  br.SetColor(clYellow);
  EXPECT_EQ(br.Style(), bsSolid);
}

TEST(GraphicsObjects, FontSizeAndHeightAreTheSameAt96Dpi) {
  TFont f;
  EXPECT_EQ(f.Height(), -11);
  EXPECT_EQ(f.Size(), 8);
  f.SetSize(12);
  EXPECT_EQ(f.Height(), -16);
  f.SetSize(10);
  EXPECT_EQ(f.Height(), -13);
  EXPECT_EQ(f.Size(), 10);
  f.SetHeight(-11);
  EXPECT_EQ(f.PixelSize(), 11);
}

TEST(GraphicsObjects, PublishedWithDefaultsAndColourNames) {
  const TPropInfo* color = TPen::StaticClassInfo().FindProperty("Color");
  ASSERT_NE(color, nullptr);
  EXPECT_EQ(color->Idents, &ColorIdents());
  EXPECT_EQ(color->Default, clBlack);
  TFont f;
  const TClassInfo& font = TFont::StaticClassInfo();
  for (const char* name : {"Color", "Height", "Name", "Pitch", "Size", "Style"})
    EXPECT_NE(font.FindProperty(name), nullptr) << name;
  EXPECT_EQ(font.FindProperty("Height")->Default, -11);
  EXPECT_FALSE(font.FindProperty("Size")->IsStored(&f));
  EXPECT_EQ(font.FindProperty("Color")->GetOrd(&f), clWindowText);
  font.FindProperty("Style")->SetOrd(&f, TFontStyles{fsBold}.Bits());
  EXPECT_TRUE(f.Style().Contains(fsBold));
  EXPECT_EQ(TBrush::StaticClassInfo().FindProperty("Color")->Default, clWhite);
}

// The tabbed style and the painting of all three styles: line breaking, tab widths,
// hit tests, client rectangles and the lines drawn.
#include <gtest/gtest.h>

#include "WizardFixture.h"
#include "host/stdctrls/ExtCtrls.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

// The built-in font draws every character 6 pixels wide and 10 high, so label widths
// are exact: five characters are 30 pixels.
struct BuiltinFont {
  BuiltinFont() { SetFontEngineForTests(false); }
  ~BuiltinFont() { SetFontEngineForTests(true); }
};

struct Tabbed : Wizard {
  explicit Tabbed(int width, std::vector<std::string> names) : Wizard(false, width, 300) {
    Dress();
    z->SetNumPages(static_cast<Integer>(names.size()));
    TStringList list;
    list.Add("Dialog");
    for (const auto& n : names) list.Add(n);
    z->setpagenames(&list);
    z->SetStyle(asTabbed);
  }
  std::vector<Integer> Lines() const {
    std::vector<Integer> v;
    for (Integer i = 0; i < z->TabLines()->Count; ++i) v.push_back(z->TabLines()->GetInteger(i));
    return v;
  }
  Integer SlotWidth(Integer page) const { return static_cast<Integer>(z->PageNames()->GetObjectSlot(page)); }
  // Paints the form; At reads the picture at wizard coordinates.
  const TBitmap& Paint() {
    form->PaintTo(picture);
    return picture;
  }
  TBitmap picture;
  std::uint32_t At(const TBitmap& b, Integer x, Integer y) const {
    const TPoint o = z->WindowOrigin();
    return b.Pixel(o.X + x, o.Y + y);
  }
  void Click(Integer x, Integer y) { z->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(x, y)); }
};

const std::vector<std::string> kSix = {"Alpha", "Bravo", "Cobra", "Delta", "Eagle", "Foxes"};

}  // namespace

TEST(TabStrip, SixTabsBalanceIntoTwoLinesStretchedToTheWidth) {
  BuiltinFont font;
  Tabbed t(204, kSix);
  EXPECT_EQ(t.Lines(), (std::vector<Integer>{3, 3}));
  const Integer h = 10 + 8;
  EXPECT_EQ(t.z->tabheight(), 2 * h + 2);
  EXPECT_EQ(t.z->GetClientRect(), Rect(1, 2 * h + 3, 202, 298));
  t.Paint();
  EXPECT_EQ(t.SlotWidth(1), 66);
  EXPECT_EQ(t.SlotWidth(2), 66);
  EXPECT_EQ(t.SlotWidth(3), 68);  // the line's last tab takes the rest: x = 2 to 201
  EXPECT_EQ(t.SlotWidth(6), 68);
}

TEST(TabStrip, OneLineKeepsNaturalWidthsAndDrawsTheTopStrip) {
  BuiltinFont font;
  Tabbed t(500, {"One", "Two", "Three"});
  EXPECT_EQ(t.Lines(), (std::vector<Integer>{3}));
  const TBitmap& b = t.Paint();
  EXPECT_EQ(t.SlotWidth(1), 18 + 16);
  EXPECT_EQ(t.SlotWidth(3), 30 + 16);
  EXPECT_EQ(t.At(b, 400, 0), ColorToPixel(clSilver));
  EXPECT_EQ(t.At(b, 400, 1), ColorToPixel(clSilver));
}

TEST(TabStrip, TheCurrentLineIsDrawnAtTheBottomAndHitTestsFollowIt) {
  BuiltinFont font;
  Tabbed t(204, kSix);
  t.Paint();
  ASSERT_EQ(t.z->Page(), 1);  // on line 0: line 1 takes the top row
  t.Click(2, 5);
  EXPECT_EQ(t.z->Page(), 4);
  t.Paint();
  // Now line 0 is on top and line 1 (pages 4 to 6) in the bottom row.
  const Integer bottom = 2 + 18 + 5;
  t.Click(0, bottom);
  t.Click(1, bottom);
  EXPECT_EQ(t.z->Page(), 4);
  t.Click(2 + 66 - 1, bottom);  // last column of page 4's tab
  EXPECT_EQ(t.z->Page(), 4);
  t.Click(2 + 66, bottom);  // one further: page 5
  EXPECT_EQ(t.z->Page(), 5);
  t.Click(202, bottom);  // right of the last tab: nothing
  EXPECT_EQ(t.z->Page(), 5);
  t.Click(2, 5);  // top row is line 0 now
  EXPECT_EQ(t.z->Page(), 1);
}

TEST(TabStrip, NarrowControlsGiveEveryTabALineOfItsOwn) {
  BuiltinFont font;
  for (int width : {30, 3, 1}) {
    SCOPED_TRACE(width);
    Tabbed t(width, kSix);  // each tab is wider than the strip
    EXPECT_EQ(t.Lines(), (std::vector<Integer>{1, 1, 1, 1, 1, 1}));
    t.Paint();  // no division by zero, no endless balancing
  }
}

TEST(TabStrip, PositionsShowingTheSamePageKeepTheirOwnTabWidths) {
  BuiltinFont font;
  Tabbed t(150, {"AAAAA", "BBBBBBBBBB", "CCCCC"});
  t.z->WayList()->AddPage({1, gpNext});
  t.z->WayList()->AddPage({2, gpNext});
  t.z->WayList()->AddPage({1, gpFinish});  // position 3 shows page 1 again
  t.z->SetWayListEnabled(true);
  t.z->setPage(2);
  EXPECT_EQ(t.Lines(), (std::vector<Integer>{2, 1}));
  t.Paint();
  // Position 3's tab fills the top row; position 1's tab, drawn later, is narrower and
  // last wrote page 1's slot. The click must still find position 3.
  EXPECT_EQ(t.SlotWidth(1), 58);
  t.Click(100, 5);
  EXPECT_EQ(t.z->Page(), 3);
}

TEST(TabStrip, SwitchingStylesOnTheDialogPage) {
  Wizard w;
  w.Dress();
  w.z->setPage(0);
  w.z->SetStyle(asTabbed);
  EXPECT_EQ(w.z->Page(), 1);
  EXPECT_EQ(w.z->NextButton()->Left(), 20000);
  ASSERT_NE(w.z->TabLines(), nullptr);
  w.z->SetStyle(asWizard);
  EXPECT_EQ(w.z->Page(), 1);
  EXPECT_EQ(w.z->TabLines(), nullptr);
  EXPECT_EQ(w.z->NextButton()->Left(), 406);
  // Spacing changes outside the tabbed style only store the value.
  w.z->SetTabSpaceX(30);
  EXPECT_EQ(w.z->TabSpaceX(), 30);
  EXPECT_EQ(w.z->TabLines(), nullptr);
}

TEST(TabStrip, DesignHitTestTakesLeftClicksOnTabsOnly) {
  BuiltinFont font;
  Tabbed t(204, kSix);
  t.Paint();
  auto hit = [&](NativeInt keys, Integer x, Integer y) {
    return t.z->Perform(CM_DESIGNHITTEST, keys, PointToLParam(x, y));
  };
  EXPECT_EQ(hit(MK_LBUTTON, 2, 5), 1);
  EXPECT_EQ(t.z->Page(), 4);
  EXPECT_EQ(hit(MK_LBUTTON | MK_SHIFT, 2, 5), 0);
  EXPECT_EQ(hit(MK_RBUTTON, 2, 5), 0);
  EXPECT_EQ(hit(MK_LBUTTON, 2, 100), 0);
}

TEST(WizardPaint, FrameOfTheTabbedStyle) {
  BuiltinFont font;
  Tabbed t(204, kSix);
  const TBitmap& b = t.Paint();
  const Integer W = 204, H = 300, T = t.z->tabheight();
  const auto white = ColorToPixel(clWhite), gray = ColorToPixel(clGray), black = ColorToPixel(clBlack);
  EXPECT_EQ(t.At(b, 0, T + 1), white);
  EXPECT_EQ(t.At(b, 0, H - 3), white);
  EXPECT_EQ(t.At(b, 1, H - 2), gray);
  EXPECT_EQ(t.At(b, W - 3, H - 2), gray);
  EXPECT_EQ(t.At(b, W - 2, T + 1), gray);
  EXPECT_EQ(t.At(b, 0, H - 1), black);
  EXPECT_EQ(t.At(b, W - 1, T + 1), black);
  EXPECT_EQ(t.At(b, W - 1, H - 1), black);
}

TEST(WizardPaint, SeparatorAboveTheBarAndClientRects) {
  Wizard w;
  w.Dress();
  w.z->setPage(1);
  TBitmap b;
  w.form->PaintTo(b);
  const TPoint o = w.z->WindowOrigin();
  const Integer yS = w.z->Height() - 25 - 8;
  EXPECT_EQ(b.Pixel(o.X + 0, o.Y + yS), ColorToPixel(clBtnHighlight));
  EXPECT_EQ(b.Pixel(o.X + 499, o.Y + yS), ColorToPixel(clBtnHighlight));
  EXPECT_EQ(b.Pixel(o.X + 250, o.Y + yS - 1), ColorToPixel(clBtnShadow));
  EXPECT_EQ(b.Pixel(o.X + 250, o.Y + yS - 2), ColorToPixel(w.form->Color()));
  EXPECT_EQ(w.z->GetClientRect(), Rect(0, 0, 500, w.z->Height() - 35));
  w.z->SetSeparator(false);
  w.form->PaintTo(b);
  EXPECT_EQ(b.Pixel(o.X + 250, o.Y + yS), ColorToPixel(w.form->Color()));
  w.z->SetStyle(asNone);
  EXPECT_EQ(w.z->GetClientRect(), Rect(0, 0, 500, w.z->Height()));
}

TEST(TabStrip, AWayListShorterThanThePagesGivesTabsOnlyForItsRows) {
  BuiltinFont font;
  TForm form(nullptr);
  ReadForm(
      "object F: TForm\n  Width = 400\n  Height = 300\n  object Z: TZelvant\n    NumPages = 3\n"
      "    WayList.NumPages = 2\n    WayList.Data = {\n      01000000FDFFFFFF02000000FEFFFFFF}\n"
      "    WayListEnabled = True\n    Page = 1\n    Style = asTabbed\n  end\nend\n",
      &form);
  auto* z = As<TZelvant>(form.FindComponent("Z"));
  Integer tabs = 0;
  for (Integer i = 0; i < z->TabLines()->Count; ++i) tabs += z->TabLines()->GetInteger(i);
  EXPECT_EQ(tabs, 2);
  TBitmap picture;
  EXPECT_NO_THROW(form.PaintTo(picture));
  z->Nextclick(nullptr);
  EXPECT_EQ(z->Page(), 2);
  EXPECT_NO_THROW(form.PaintTo(picture));
}

TEST(TabStrip, ChildrenAlignedToTheClientAreaMoveWhenTheStripGrows) {
  BuiltinFont font;
  Tabbed t(204, kSix);
  auto* pane = new TPanel(t.form);
  pane->SetParent(t.z);
  pane->SetAlign(alClient);
  const Integer oneLine = t.z->tabheight();
  EXPECT_EQ(pane->Top(), oneLine + 1);
  t.z->SetTabSpaceX(60);  // the tabs no longer fit one line
  ASSERT_GT(t.z->tabheight(), oneLine);
  EXPECT_EQ(pane->Top(), t.z->tabheight() + 1);
  t.z->SetTabSpaceY(20);
  EXPECT_EQ(pane->Top(), t.z->tabheight() + 1);
  t.z->SetTabSpaceX(16);
  t.z->SetTabSpaceY(8);
  EXPECT_EQ(pane->Top(), oneLine + 1);
}

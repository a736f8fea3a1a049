// Behaviour of the standard controls: radio groups, combo boxes, page controls,
// bitmap buttons and labels.
#include <gtest/gtest.h>

#include "host/stdctrls/Buttons.h"
#include "host/stdctrls/ComCtrls.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/streaming/Filer.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

struct Shown : ::testing::Test {
  TForm form{nullptr};
  Shown() {
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 300, 200);
  }
  void Click(Integer x, Integer y) {
    form.HandleMouse(miDown, mbLeft, {}, Point(x, y));
    form.HandleMouse(miUp, mbLeft, {}, Point(x, y));
  }
  void Key(Word key, TShiftState shift = {}) {
    form.HandleKey(key, shift, true);
    form.HandleKey(key, shift, false);
  }
};

using RadioButtons = Shown;

TEST_F(RadioButtons, OneCheckedPerParentAndTheCheckedOneIsTheTabStop) {
  auto* box1 = new TGroupBox(&form);
  box1->SetParent(&form);
  auto* box2 = new TGroupBox(&form);
  box2->SetLeft(150);
  box2->SetParent(&form);
  auto* a = new TRadioButton(&form);
  auto* b = new TRadioButton(&form);
  auto* c = new TRadioButton(&form);
  a->SetParent(box1);
  b->SetParent(box1);
  c->SetParent(box2);
  int clicks = 0;
  b->OnClick = [&](TObject*) { ++clicks; };
  a->SetChecked(true);
  c->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(c->Checked());  // another parent
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(b->TabStop());
  EXPECT_FALSE(a->TabStop());
  b->SetChecked(true);  // no change: no click
  EXPECT_EQ(clicks, 1);
}

TEST_F(RadioButtons, ClicksAndArrowKeysCheckTheButton) {
  auto* a = new TRadioButton(&form);
  a->SetBounds(10, 10, 100, 17);
  a->SetParent(&form);
  auto* b = new TRadioButton(&form);
  b->SetBounds(10, 40, 100, 17);
  b->SetParent(&form);
  a->SetChecked(true);
  form.Show();
  EXPECT_EQ(form.FocusedControl(), a);
  Key(VK_DOWN);
  EXPECT_EQ(form.FocusedControl(), b);
  EXPECT_TRUE(b->Checked());
  Click(20, 18);
  EXPECT_TRUE(a->Checked());
  EXPECT_EQ(form.FocusedControl(), a);
  form.Hide();
}

using ComboBoxes = Shown;

TEST_F(ComboBoxes, ItemIndexAndTextFollowEachOther) {
  auto* cb = new TComboBox(&form);
  cb->SetStyle(csDropDownList);
  cb->Items()->Add("One");
  cb->Items()->Add("Two");
  cb->SetParent(&form);
  EXPECT_EQ(cb->ItemIndex(), -1);
  cb->SetItemIndex(1);
  EXPECT_EQ(cb->Text(), "Two");
  cb->SetItemIndex(5);
  EXPECT_EQ(cb->ItemIndex(), -1);
  EXPECT_EQ(cb->Text(), "");
}

TEST_F(ComboBoxes, TheListDropsDownAndTheMouseChoosesFromIt) {
  auto* cb = new TComboBox(&form);
  cb->SetStyle(csDropDownList);
  cb->SetBounds(10, 10, 120, 21);
  for (const char* s : {"Red", "Green", "Blue"}) cb->Items()->Add(s);
  cb->SetParent(&form);
  int changes = 0;
  cb->OnChange = [&](TObject*) { ++changes; };
  form.Show();
  Click(50, 20);
  ASSERT_TRUE(cb->DroppedDown());
  TComboListBox* list = cb->DropList();
  EXPECT_EQ(list->Top(), 31);  // right below the field
  EXPECT_EQ(list->Width(), 120);
  const Integer ih = cb->ItemHeight();
  Click(50, 31 + 1 + 2 * ih + ih / 2);  // the third item
  EXPECT_FALSE(cb->DroppedDown());
  EXPECT_EQ(cb->ItemIndex(), 2);
  EXPECT_EQ(cb->Text(), "Blue");
  EXPECT_EQ(changes, 1);
  // A press elsewhere closes the list without choosing.
  Click(50, 20);
  ASSERT_TRUE(cb->DroppedDown());
  Click(250, 150);
  EXPECT_FALSE(cb->DroppedDown());
  EXPECT_EQ(cb->ItemIndex(), 2);
  form.Hide();
}

TEST_F(ComboBoxes, KeysChooseWithoutAndWithTheList) {
  auto* cb = new TComboBox(&form);
  cb->SetStyle(csDropDownList);
  for (const char* s : {"Alpha", "Beta", "Gamma", "Bravo"}) cb->Items()->Add(s);
  cb->SetParent(&form);
  form.Show();
  cb->SetFocus();
  Key(VK_DOWN);
  EXPECT_EQ(cb->ItemIndex(), 0);
  Key(VK_END);
  EXPECT_EQ(cb->ItemIndex(), 3);
  form.HandleChar('b', {});
  EXPECT_EQ(cb->ItemIndex(), 1);  // the next item starting with b, from the top again
  Key(VK_F4);
  ASSERT_TRUE(cb->DroppedDown());
  Key(VK_DOWN);
  EXPECT_EQ(cb->ItemIndex(), 1);  // only the highlight moves while the list is open
  Key(VK_RETURN);                 // taken by the open list, not by the dialog
  EXPECT_FALSE(cb->DroppedDown());
  EXPECT_EQ(cb->ItemIndex(), 2);
  Key(VK_F4);
  Key(VK_UP);
  Key(VK_ESCAPE);
  EXPECT_EQ(cb->ItemIndex(), 2);
  form.Hide();
}

TEST_F(ComboBoxes, AnOpenListIsFreedWithItsForm) {
  auto* form2 = new TForm(nullptr);
  auto* cb = new TComboBox(form2);
  cb->Items()->Add("x");
  cb->SetParent(form2);
  form2->Show();
  cb->SetDroppedDown(true);
  ASSERT_TRUE(cb->DroppedDown());
  delete form2;  // the sanitizer build checks that nothing is freed twice
}

using PageControls = Shown;

TEST_F(PageControls, SheetsFillTheDisplayAreaAndOnlyTheActiveOneShows) {
  auto* pc = new TPageControl(&form);
  pc->SetBounds(0, 0, 200, 150);
  pc->SetParent(&form);
  auto* s1 = new TTabSheet(&form);
  s1->SetCaption("One");
  s1->SetPageControl(pc);
  auto* s2 = new TTabSheet(&form);
  s2->SetCaption("Two");
  s2->SetParent(pc);
  EXPECT_EQ(pc->PageCount(), 2);
  EXPECT_EQ(pc->ActivePage(), s1);
  EXPECT_TRUE(s1->Visible());
  EXPECT_FALSE(s2->Visible());
  EXPECT_EQ(s2->BoundsRect(), pc->DisplayRect());
  EXPECT_EQ(s2->PageIndex(), 1);
  EXPECT_THROW(pc->Pages(2), EListError);
}

TEST_F(PageControls, ClickingATabAsksOnChangingThenChangesThePage) {
  auto* pc = new TPageControl(&form);
  pc->SetBounds(0, 0, 200, 150);
  pc->SetParent(&form);
  auto* s1 = new TTabSheet(&form);
  s1->SetCaption("One");
  s1->SetParent(pc);
  auto* s2 = new TTabSheet(&form);
  s2->SetCaption("Two");
  s2->SetParent(pc);
  bool allow = false;
  int changes = 0;
  pc->OnChanging = [&](TObject*, bool& a) { a = allow; };
  pc->OnChange = [&](TObject*) { ++changes; };
  const TRect tab = pc->TabRect(1);
  Click((tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2);
  EXPECT_EQ(pc->ActivePage(), s1);
  allow = true;
  Click((tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2);
  EXPECT_EQ(pc->ActivePage(), s2);
  EXPECT_EQ(changes, 1);
  // At design time the page control claims clicks on its tabs from the designer.
  const TRect first = pc->TabRect(0);
  EXPECT_EQ(pc->Perform(CM_DESIGNHITTEST, MK_LBUTTON, PointToLParam(first.Left + 2, first.Top + 2)), 1);
  EXPECT_EQ(pc->Perform(CM_DESIGNHITTEST, MK_LBUTTON, PointToLParam(50, 100)), 0);
  delete s2;
  EXPECT_EQ(pc->ActivePage(), s1);
}

using BitButtons = Shown;

TEST_F(BitButtons, SettingAGlyphCopiesItAndCountsSquareImages) {
  auto* b = new TBitBtn(&form);
  TBitmap strip(64, 16);
  b->SetGlyph(&strip);
  EXPECT_NE(b->Glyph(), &strip);
  EXPECT_EQ(b->Glyph()->Width(), 64);
  EXPECT_EQ(b->NumGlyphs(), 4);
  strip.SetSize(80, 16);  // five squares: too many, one image
  b->SetGlyph(&strip);
  EXPECT_EQ(b->NumGlyphs(), 1);
  b->SetNumGlyphs(2);
  strip.SetSize(20, 16);  // not a whole number of squares: NumGlyphs stays
  b->SetGlyph(&strip);
  EXPECT_EQ(b->NumGlyphs(), 2);
  b->SetGlyph(LoadBitmap(nullptr, "NO SUCH RESOURCE").get());  // no bitmap: the glyph empties
  EXPECT_TRUE(b->Glyph()->Empty());
}

TEST_F(BitButtons, LayoutPutsTheGlyphBesideTheCaption) {
  auto* b = new TBitBtn(&form);
  b->SetBounds(0, 0, 100, 30);
  b->SetCaption("Next");
  TBitmap g(16, 16);
  b->SetGlyph(&g);
  TCanvas measure;
  measure.Font().Assign(b->Font());
  const Integer tw = AccelTextWidth(measure, "Next");
  const TRect content = Rect(2, 2, 98, 28);
  TPoint gp, tp;
  b->CalcLayout(measure, content, gp, tp);
  EXPECT_EQ(tp.X, gp.X + 16 + 4);  // spacing 4
  EXPECT_LE(std::abs((gp.X - content.Left) - (content.Right - (tp.X + tw))), 1);  // the pair is centred
  b->SetLayout(blGlyphRight);
  b->CalcLayout(measure, content, gp, tp);
  EXPECT_EQ(gp.X, tp.X + tw + 4);
  b->SetLayout(blGlyphTop);
  b->CalcLayout(measure, content, gp, tp);
  EXPECT_EQ(tp.Y, gp.Y + 16 + 4);
}

TEST_F(BitButtons, ADisabledButtonShowsItsSecondImage) {
  auto* b = new TBitBtn(&form);
  b->SetBounds(0, 0, 60, 30);
  b->SetParent(&form);
  TBitmap g(32, 16);  // white corner pixel: transparent
  g.Canvas().Brush().SetColor(clRed);
  g.Canvas().FillRect(Rect(2, 2, 14, 14));
  g.Canvas().Brush().SetColor(clBlue);
  g.Canvas().FillRect(Rect(18, 2, 30, 14));
  b->SetGlyph(&g);
  ASSERT_EQ(b->NumGlyphs(), 2);
  TBitmap shot;
  auto count = [&](TColor c) {
    form.PaintTo(shot);
    Integer n = 0;
    for (std::uint32_t p : shot.Pixels()) n += p == ColorToPixel(c);
    return n;
  };
  EXPECT_EQ(count(clRed), 144);
  EXPECT_EQ(count(clBlue), 0);
  b->SetEnabled(false);
  EXPECT_EQ(count(clRed), 0);
  EXPECT_EQ(count(clBlue), 144);
  // With one image the disabled look is embossed from it.
  b->SetGlyph(nullptr);
  const Integer blackFrame = count(clBlack), shadowFrame = count(clBtnShadow);
  TBitmap single(16, 16);
  single.Canvas().Brush().SetColor(clBlack);
  single.Canvas().FillRect(Rect(4, 4, 12, 12));
  b->SetGlyph(&single);
  EXPECT_EQ(count(clBlack), blackFrame);
  EXPECT_EQ(count(clBtnShadow), shadowFrame + 64);
}

using Labels = Shown;

TEST_F(Labels, AutoSizeFitsTheCaptionAndWordWrapBreaksIt) {
  auto* l = new TLabel(&form);
  l->SetParent(&form);
  TCanvas measure;
  measure.Font().Assign(l->Font());
  l->SetCaption("&Hello");
  EXPECT_EQ(l->Width(), measure.TextWidth("Hello"));
  EXPECT_EQ(l->Height(), measure.TextHeight("Wg"));
  l->SetCaption("one two three four");
  const Integer oneLine = l->Height();
  l->SetWordWrap(true);
  l->SetWidth(measure.TextWidth("one two") + 2);
  l->SetCaption("one two three four five");
  EXPECT_GT(l->Height(), 2 * oneLine);
}

TEST(CaptionFollowsName, WhileTheyAreEqual) {
  TForm form(nullptr);
  auto* b = new TButton(&form);
  b->SetName("Button1");
  EXPECT_EQ(b->Caption(), "Button1");
  b->SetCaption("OK");
  b->SetName("Button2");
  EXPECT_EQ(b->Caption(), "OK");
}

}  // namespace

namespace {

TEST(PageControlFiles, SheetsAreWrittenInPageOrderWhicheverIsActive) {
  TForm form(nullptr);
  auto* pc = new TPageControl(&form);
  pc->SetName("Pages");
  pc->SetParent(&form);
  for (const char* name : {"A", "B", "C"}) {
    auto* s = new TTabSheet(&form);
    s->SetName(name);
    s->SetParent(pc);
  }
  pc->SetActivePageIndex(2);
  As<TTabSheet>(form.FindComponent("A"))->SetPageIndex(1);  // B, A, C
  const std::string text = WriteForm(&form, "TForm");
  EXPECT_LT(text.find("object B"), text.find("object A"));
  EXPECT_LT(text.find("object A"), text.find("object C"));
  std::unique_ptr<TComponent> back(ReadForm(text));
  auto* pages = As<TPageControl>(back->FindComponent("Pages"));
  EXPECT_EQ(pages->Pages(0)->Name(), "B");
  EXPECT_EQ(pages->ActivePage()->Name(), "C");
}

}  // namespace

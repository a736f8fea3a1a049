// The button bar: geometry of the arrangements, dressing, glyphs and layout lists.
#include <gtest/gtest.h>

#include "WizardFixture.h"

using namespace host;
using namespace zelvant;
using namespace zelvant_test;

namespace {

constexpr Integer kParked = 20000;

// A designed wizard (language defaults) 500 pixels wide on page `page` of 3.
struct Bar : Wizard {
  LanguageDir lang;
  explicit Bar(int page = 2) : Wizard(true) {
    z->SetNumPages(3);
    z->setPage(page);
  }
  TBitBtn* next() const { return z->NextButton(); }
  TBitBtn* back() const { return z->BackButton(); }
  TBitBtn* ok() const { return z->OKButton(); }
  TBitBtn* cancel() const { return z->CancelButton(); }
  TBitBtn* change() const { return z->ChangeButton(); }
  TBitBtn* help() const { return z->HelpButton(); }
};

void SetList(TIntegerList* list, std::initializer_list<Integer> codes) {
  list->Clear();
  for (Integer c : codes) list->Add(c);
}

}  // namespace

TEST(ButtonBar, MiddlePageOf500Pixels) {
  Bar b;
  ASSERT_EQ(b.z->Width(), 500);
  EXPECT_EQ(b.change()->Left(), 4);
  EXPECT_EQ(b.cancel()->Left(), 218);
  EXPECT_EQ(b.back()->Left(), 312);
  EXPECT_EQ(b.next()->Left(), 406);
  EXPECT_EQ(b.help()->Left(), kParked);
  EXPECT_FALSE(b.help()->Enabled());
  EXPECT_EQ(b.ok()->Left(), kParked);
  EXPECT_FALSE(b.ok()->Enabled());
  EXPECT_TRUE(b.next()->Default());
  EXPECT_FALSE(b.ok()->Default());
  const Integer top = b.z->Height() - 25 - 3;
  for (TBitBtn* btn : {b.change(), b.cancel(), b.back(), b.next()}) {
    EXPECT_EQ(btn->Top(), top);
    EXPECT_EQ(btn->Width(), 90);
    EXPECT_EQ(btn->Height(), 25);
  }
  EXPECT_EQ(b.next()->Caption(), "&Next");
  EXPECT_EQ(b.change()->Caption(), "&Dialog");
  EXPECT_EQ(b.next()->Layout(), blGlyphRight);
  EXPECT_EQ(b.next()->Tag(), reinterpret_cast<NativeInt>(b.z->BtnNext()));
  // The bar's buttons come last in the tab order, in list order.
  const auto& tabs = b.z->TabList();
  ASSERT_GE(tabs.size(), 6u);
  std::vector<TWinControl*> tail(tabs.end() - 6, tabs.end());
  EXPECT_EQ(tail, (std::vector<TWinControl*>{b.change(), b.help(), b.cancel(), b.back(), b.next(), b.ok()}));
}

TEST(ButtonBar, LastPageNextCarriesFinish) {
  Bar b(3);
  EXPECT_EQ(b.next()->Left(), 406);
  EXPECT_EQ(b.next()->Caption(), "&Finish");
  EXPECT_EQ(b.next()->Layout(), blGlyphLeft);
  EXPECT_EQ(b.next()->Tag(), reinterpret_cast<NativeInt>(b.z->BtnFinish()));
  EXPECT_TRUE(b.next()->Default());
  EXPECT_FALSE(b.z->BtnNext()->Enabled());  // Next as such is done ...
  EXPECT_TRUE(b.next()->Enabled());          // ... but the button dressed as Finish finishes
}

TEST(ButtonBar, WithWizardOKShown) {
  Bar b;
  b.z->BtnWizardOK()->SetShow(true);
  EXPECT_EQ(b.ok()->Left(), 406);
  EXPECT_EQ(b.ok()->Caption(), "&OK");
  EXPECT_EQ(b.next()->Left(), 312);
  EXPECT_EQ(b.back()->Left(), 218);
  EXPECT_EQ(b.cancel()->Left(), 124);
  EXPECT_TRUE(b.next()->Default());
  b.z->setPage(3);
  EXPECT_EQ(b.ok()->Caption(), "&Finish");
  EXPECT_TRUE(b.ok()->Default());
  EXPECT_FALSE(b.next()->Default());
  EXPECT_EQ(b.next()->Caption(), "&Next");
}

TEST(ButtonBar, LastPageTestWithTheWayListLooksAtTheRow) {
  Bar b(1);
  b.z->WayList()->AddPage({1, gpFinish});
  b.z->WayList()->AddPage({3, gpNext});
  b.z->SetWayListEnabled(true);
  b.z->setPage(1);
  EXPECT_EQ(b.next()->Caption(), "&Finish");
  b.z->setPage(2);  // page 3 is the last page, but its row says Next
  EXPECT_EQ(b.next()->Caption(), "&Next");
}

TEST(ButtonBar, DialogPresentation) {
  Bar b(0);
  EXPECT_EQ(b.change()->Left(), 4);
  EXPECT_EQ(b.change()->Caption(), "&Wizard");
  EXPECT_EQ(b.ok()->Left(), 406);
  EXPECT_EQ(b.cancel()->Left(), 312);
  EXPECT_EQ(b.back()->Left(), kParked);
  EXPECT_EQ(b.next()->Left(), kParked);
  EXPECT_FALSE(b.next()->Enabled());
  EXPECT_FALSE(b.back()->Enabled());
  EXPECT_TRUE(b.ok()->Default());
  EXPECT_FALSE(b.next()->Default());
}

TEST(ButtonBar, SpacesAndHiddenButtons) {
  Bar b;
  SetList(b.z->BLWizard(), {1, 2, 8, 3, 4, 7, 5, 6});
  b.z->ShowButtons();
  EXPECT_EQ(b.next()->Left(), 406);
  EXPECT_EQ(b.back()->Left(), 304);  // 12 pixels apart instead of 4
  // A space after a hidden button still takes its 8 pixels.
  SetList(b.z->BLWizard(), {1, 2, 8, 3, 4, 5, 7, 6});
  b.z->ShowButtons();
  EXPECT_EQ(b.next()->Left(), 398);
  // Show False keeps a button disabled even when its data says enabled.
  b.z->BtnCancel()->SetShow(false);
  EXPECT_EQ(b.cancel()->Left(), kParked);
  EXPECT_FALSE(b.cancel()->Enabled());
  EXPECT_TRUE(b.z->BtnCancel()->Enabled());
}

TEST(ButtonBar, ListsWithoutMiddleOrWithItAtAnEnd) {
  Bar b;
  SetList(b.z->BLWizard(), {1, 3, 4, 5});  // no "Middle": all from the left
  b.z->ShowButtons();
  EXPECT_EQ(b.change()->Left(), 4);
  EXPECT_EQ(b.cancel()->Left(), 98);
  EXPECT_EQ(b.next()->Left(), 286);
  SetList(b.z->BLWizard(), {8, 1, 3, 5});  // "Middle" first: all from the right
  b.z->ShowButtons();
  EXPECT_EQ(b.next()->Left(), 406);
  EXPECT_EQ(b.change()->Left(), 218);
  SetList(b.z->BLWizard(), {1, 5, 8});  // "Middle" last
  b.z->ShowButtons();
  EXPECT_EQ(b.next()->Left(), 98);
  SetList(b.z->BLWizard(), {});  // empty
  b.z->ShowButtons();
  SetList(b.z->BLWizard(), {9, -1, 8, 0});  // unknown codes are skipped
  b.z->ShowButtons();
}

TEST(ButtonBar, GlyphsFollowShowGlyphAndNewBitmaps) {
  Bar b;
  ASSERT_FALSE(b.next()->Glyph()->Empty());
  b.z->setshowglyph(false);
  for (TBitBtn* btn : {b.change(), b.cancel(), b.back(), b.next()}) {
    EXPECT_TRUE(btn->Glyph()->Empty());
    EXPECT_EQ(btn->Tag(), 0);
  }
  b.z->setshowglyph(true);
  EXPECT_EQ(b.next()->Glyph()->Width(), 32);
  EXPECT_EQ(b.next()->Tag(), reinterpret_cast<NativeInt>(b.z->BtnNext()));
  // A new glyph for the role on view replaces the button's glyph at once.
  TBitmap strip(64, 16);
  b.z->BtnChangeDialog()->SetGlyph(&strip);
  EXPECT_EQ(b.z->BtnChangeDialog()->GetNumGlyphs(), 4);
  EXPECT_EQ(b.change()->Glyph()->Width(), 64);
  EXPECT_EQ(b.change()->NumGlyphs(), 4);
  TBitmap wide(80, 16), odd(20, 16);
  b.z->BtnChangeDialog()->SetGlyph(&wide);
  EXPECT_EQ(b.z->BtnChangeDialog()->GetNumGlyphs(), 1);
  b.z->BtnChangeDialog()->SetNumGlyphs(3);
  b.z->BtnChangeDialog()->SetGlyph(&odd);
  EXPECT_EQ(b.z->BtnChangeDialog()->GetNumGlyphs(), 3);
  b.z->BtnChangeDialog()->SetNumGlyphs(9);
  EXPECT_EQ(b.z->BtnChangeDialog()->GetNumGlyphs(), 4);
  // Setting the glyph copies it.
  strip.SetPixel(0, 0, 0xFF123456);
  EXPECT_NE(b.z->BtnChangeDialog()->GetGlyph()->Pixel(0, 0), 0xFF123456u);
}

TEST(ButtonBar, OtherStylesRemoveTheBar) {
  Wizard w;  // run time: no layout has been done yet
  w.z->SetStyle(asNone);
  for (TBitBtn* btn : {static_cast<TBitBtn*>(w.z->NextButton()), w.z->OKButton(), w.z->CancelButton()}) {
    EXPECT_EQ(btn->Left(), kParked);
    EXPECT_FALSE(btn->Enabled());
  }
}

TEST(ButtonBar, SizeAndStyleSettersReachAllSixButtons) {
  Bar b;
  b.z->SetButtonWidth(80);
  b.z->SetButtonHeight(30);
  b.z->SetButtonStyle(bsNew);
  for (TBitBtn* btn : {b.change(), b.help(), b.cancel(), b.back(), b.next(), b.ok()}) {
    EXPECT_EQ(btn->Width(), 80);
    EXPECT_EQ(btn->Height(), 30);
    EXPECT_EQ(btn->Style(), bsNew);
  }
  EXPECT_EQ(b.next()->Left(), 500 - 80 - 4);
  EXPECT_EQ(b.next()->Top(), b.z->Height() - 30 - 3);
}

TEST(ButtonBar, ButtonsMissingFromTheLayoutAreParkedAndDisabled) {
  Bar b(2);
  SetList(b.z->BLWizard(), {});
  b.z->setPage(1);
  for (TBitBtn* button : {b.next(), b.back(), b.ok(), b.cancel(), b.change(), b.help()}) {
    EXPECT_EQ(button->Left(), kParked) << button->Name();
    EXPECT_FALSE(button->Enabled()) << button->Name();
  }
  SetList(b.z->BLWizard(), {3, 8, 5});
  b.z->setPage(2);
  EXPECT_NE(b.next()->Left(), kParked);
  EXPECT_NE(b.cancel()->Left(), kParked);
  EXPECT_EQ(b.back()->Left(), kParked);
  EXPECT_FALSE(b.back()->Enabled());
}

TEST(ButtonBar, OneGlyphIsTheStoredDefaultAndLoadsAsOne) {
  Wizard w;
  EXPECT_EQ(w.z->BtnNext()->GetNumGlyphs(), 1);
  w.z->BtnHelp()->SetNumGlyphs(3);
  const std::string text = WriteForm(w.form);
  EXPECT_EQ(text.find("BtnNext.NumGlyphs"), std::string::npos);
  TForm loaded(nullptr);
  ReadForm(text, &loaded);
  auto* z = As<TZelvant>(loaded.FindComponent("Zelvant1"));
  EXPECT_EQ(z->BtnNext()->GetNumGlyphs(), 1);
  EXPECT_EQ(z->BtnHelp()->GetNumGlyphs(), 3);
}

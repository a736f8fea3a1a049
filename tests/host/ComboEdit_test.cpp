// The combo box's field edits as an edit box does; the arrows choose items only from an
// open list or a list that cannot be typed in.
#include <gtest/gtest.h>

#include "InputFixture.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;
using namespace inputtest;

namespace {

struct Combos : InputForm {
  TComboBox* combo;
  Combos() {
    combo = new TComboBox(&form);
    combo->SetName("Combo");
    combo->SetBounds(10, 10, 200, 21);
    combo->SetParent(&form);
    for (const char* s : {"MyApp", "Tools", "Games"}) combo->Items()->Add(s);
    for (int i = 0; i < 20; ++i) combo->Items()->Add("Extra " + std::to_string(i));
    Show();
  }
};

}  // namespace

TEST_F(Combos, TypedTextIsEditedInPlaceAndArrowsDoNotReplaceIt) {
  Type("Programs/Exampel");
  Key(VK_LEFT);
  Key(VK_LEFT);
  EXPECT_EQ(combo->Text(), "Programs/Exampel");
  Key(VK_DELETE);
  Key(VK_RIGHT);
  Type("e");
  EXPECT_EQ(combo->Text(), "Programs/Example");
  Key(VK_DOWN);
  Key(VK_UP);
  EXPECT_EQ(combo->Text(), "Programs/Example");
  Key(VK_HOME, {ssShift});
  Type("tools");
  EXPECT_EQ(combo->ItemIndex(), 1);  // the typed text names an item
}

TEST_F(Combos, OpenListAndDropDownListChooseWithTheArrows) {
  combo->SetItemIndex(0);
  Key(VK_F4);
  ASSERT_TRUE(combo->DroppedDown());
  Key(VK_DOWN);
  Key(VK_RETURN);
  EXPECT_EQ(combo->Text(), "Tools");
  EXPECT_EQ(combo->SelText(), "Tools");  // ready to be typed over
  combo->SetStyle(csDropDownList);
  Key(VK_DOWN);
  EXPECT_EQ(combo->Text(), "Games");
  Key(VK_HOME);
  EXPECT_EQ(combo->Text(), "MyApp");
}

TEST_F(Combos, LongListHasAScrollBarAndTheWheelScrollsIt) {
  Key(VK_F4);
  TComboListBox* list = combo->DropList();
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->ScrollBar(), nullptr);
  Wheel(At(list, 20, 20), -1);
  EXPECT_EQ(list->TopIndex(), 3);
  TScrollBar* bar = list->ScrollBar();
  Click(At(bar, 8, bar->Height() - 4));
  EXPECT_TRUE(combo->DroppedDown());  // a press on the list's bar leaves it open
  EXPECT_EQ(list->TopIndex(), 4);
}

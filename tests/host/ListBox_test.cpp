// The list box: choosing by click and keys, multi-select with Shift and Ctrl, the scroll
// bar that comes with more items than rows, and the wheel.
#include <gtest/gtest.h>

#include "InputFixture.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;
using namespace inputtest;

namespace {

struct ListBoxes : InputForm {
  TListBox* list;
  int clicks = 0;
  ListBoxes() {
    list = new TListBox(&form);
    list->SetName("List");
    list->SetBounds(10, 10, 150, 100);
    list->SetParent(&form);
    list->OnClick = [this](TObject*) { ++clicks; };
    for (int i = 0; i < 20; ++i) list->Items()->Add("item " + std::to_string(i));
    Show();
  }
  TPoint Item(int index) {
    const TRect r = list->ItemRect(index);
    return At(list, r.Left + 10, (r.Top + r.Bottom) / 2);
  }
  std::vector<int> SelectedItems() {
    std::vector<int> out;
    for (int i = 0; i < list->Items()->Count(); ++i)
      if (list->Selected(i)) out.push_back(i);
    return out;
  }
};

}  // namespace

TEST_F(ListBoxes, ClickAndKeysChooseOneItem) {
  Click(Item(2));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  form.UpdateWindow();
  TBitmap shot;
  form.PaintTo(shot);
  const TPoint row0 = Item(0), row2 = Item(2);
  EXPECT_EQ(shot.Pixel(row0.X - 9, row0.Y), ColorToPixel(clWindow));
  EXPECT_EQ(shot.Pixel(row2.X - 9, row2.Y), ColorToPixel(clHighlight));
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 4);
  Key(VK_END);
  EXPECT_EQ(list->ItemIndex(), 19);
  EXPECT_EQ(list->TopIndex(), 20 - list->VisibleRows());  // scrolled to show it
  EXPECT_EQ(SelectedItems(), std::vector<int>{19});
  EXPECT_THROW(list->Selected(20), EListError);
}

TEST_F(ListBoxes, ShiftSelectsARangeAndCtrlAddsOrRemovesOne) {
  list->SetMultiSelect(true);
  Click(Item(1));
  Click(Item(4), {ssShift});
  EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 2, 3, 4}));
  Click(Item(2), {ssCtrl});
  EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 3, 4}));
  Click(Item(6), {ssCtrl, ssShift});  // a range from the last Ctrl-click, keeping the rest
  EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  Key(VK_DOWN, {ssShift});
  EXPECT_EQ(SelectedItems(), (std::vector<int>{2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(list->SelCount(), 6);
  EXPECT_EQ(list->TopIndex(), 8 - list->VisibleRows());  // scrolled to show item 7
  list->SetTopIndex(0);
  Click(Item(0));
  EXPECT_EQ(SelectedItems(), std::vector<int>{0});
  Key(VK_DOWN, {ssCtrl});  // the focus moves alone; Space adds the item
  Key(VK_SPACE);
  EXPECT_EQ(SelectedItems(), (std::vector<int>{0, 1}));
  list->SetExtendedSelect(false);  // every click adds or removes
  Click(Item(3));
  Click(Item(0));
  EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 3}));
}

TEST_F(ListBoxes, ScrollBarComesWithMoreItemsThanRowsAndTheWheelScrolls) {
  EXPECT_TRUE(list->ScrollBar()->Visible());
  EXPECT_EQ(list->TextArea().Right, list->Width() - 2 - 16);
  Wheel(Centre(list), -1);
  EXPECT_EQ(list->TopIndex(), 3);
  TScrollBar* bar = list->ScrollBar();
  Click(At(bar, 8, bar->Height() - 4));
  EXPECT_EQ(list->TopIndex(), 4);
  while (list->Items()->Count() > 3) list->Items()->Delete(list->Items()->Count() - 1);
  EXPECT_FALSE(list->ScrollBar()->Visible());
  EXPECT_EQ(list->TopIndex(), 0);
}

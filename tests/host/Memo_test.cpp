// The memo: word wrap at its width, scrolling by wheel, bar and keys, editing across
// lines, read-only text, and painting only the rows shown.
#include <gtest/gtest.h>

#include "InputFixture.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;
using namespace inputtest;

namespace {

struct Memos : InputForm {
  TMemo* memo;
  int changes = 0;
  Memos() {
    memo = new TMemo(&form);
    memo->SetName("Memo");
    memo->SetBounds(10, 10, 200, 100);
    memo->SetScrollBars(ssVertical);
    memo->SetParent(&form);
    memo->OnChange = [this](TObject*) { ++changes; };
    Show();
  }
  void FillNumbered(int count) {
    for (int i = 0; i < count; ++i) memo->Lines()->Add("line " + std::to_string(i));
  }
  std::string RowText(int r) const {
    const TMemo::TRow& row = memo->Row(r);
    return memo->Lines()->Get(row.Line).substr(row.Start, row.End - row.Start);
  }
};

}  // namespace

TEST_F(Memos, WordWrapBreaksAfterWholeWordsWithinTheWidth) {
  memo->Lines()->Add("The quick brown fox jumps over the lazy dog and keeps running far away");
  memo->Lines()->Add("");
  memo->Lines()->Add(std::string(60, 'W'));  // one word wider than the box
  TCanvas measure;
  measure.Font().Assign(memo->Font());
  const int room = memo->TextArea().Width() - 4;
  ASSERT_GT(memo->RowCount(), 4);
  std::string joined;
  for (int r = 0; r < memo->RowCount(); ++r) {
    const std::string text = RowText(r);
    EXPECT_LE(measure.TextWidth(text.substr(0, text.find_last_not_of(' ') + 1)), room) << text;
    if (memo->Row(r).Line == 0) joined += text;
    // Rows of the first line end after a space, or at the line's end.
    if (memo->Row(r).Line == 0 && memo->Row(r).End != memo->Lines()->Get(0).size()) {
      EXPECT_EQ(text.back(), ' ');
    }
  }
  EXPECT_EQ(joined, memo->Lines()->Get(0));
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->RowCount(), 3);
  // Narrower box, more rows.
  memo->SetWordWrap(true);
  const int before = memo->RowCount();
  memo->SetWidth(120);
  EXPECT_GT(memo->RowCount(), before);
}

TEST_F(Memos, WheelBarArrowsThumbAndKeysScroll) {
  FillNumbered(100);
  form.UpdateWindow();
  const int visible = memo->VisibleRows();
  EXPECT_TRUE(memo->ScrollBar()->Visible());
  EXPECT_TRUE(memo->ScrollBar()->Enabled());
  Wheel(Centre(memo), -1);
  EXPECT_EQ(memo->TopRow(), 3);
  Wheel(Centre(memo), 5);
  EXPECT_EQ(memo->TopRow(), 0);
  TScrollBar* bar = memo->ScrollBar();
  Click(At(bar, 8, bar->Height() - 4));  // the down arrow
  EXPECT_EQ(memo->TopRow(), 1);
  const TRect thumb = bar->ThumbRect();
  Drag(At(bar, 8, thumb.Top + 1), At(bar, 8, bar->Height() + 50));
  EXPECT_EQ(memo->TopRow(), 100 - visible);
  memo->SetFocus();
  Key(VK_HOME, {ssCtrl});
  EXPECT_EQ(memo->TopRow(), 0);
  Key(VK_NEXT);
  EXPECT_EQ(memo->TopRow(), visible);
  EXPECT_EQ(memo->CaretPos().Line, visible);
  Key(VK_DOWN, {ssCtrl});  // scrolls without moving the caret
  EXPECT_EQ(memo->TopRow(), visible + 1);
  EXPECT_EQ(memo->CaretPos().Line, visible);
  EXPECT_EQ(bar->Position(), memo->TopRow());
}

TEST_F(Memos, TypingEnterBackspaceAndSelectionAcrossLines) {
  memo->SetFocus();
  Type("first");
  Key(VK_RETURN);
  Type("second");
  EXPECT_EQ(memo->Lines()->Text(), "first\nsecond\n");
  Key(VK_UP);
  Key(VK_END);
  Key(VK_RIGHT, {ssShift});
  Key(VK_RIGHT, {ssShift});
  Key(VK_RIGHT, {ssShift});
  EXPECT_EQ(memo->SelText(), "\nse");
  Key('C', {ssCtrl});
  Key(VK_BACK);
  EXPECT_EQ(memo->Lines()->Text(), "firstcond\n");
  Key(VK_END);
  Key('V', {ssCtrl});
  EXPECT_EQ(memo->Lines()->Text(), "firstcond\nse\n");
  EXPECT_EQ(memo->CaretPos().Line, 1);
  Key(VK_HOME);
  Key(VK_BACK);  // joins with the line above
  EXPECT_EQ(memo->Lines()->Text(), "firstcondse\n");
  EXPECT_GT(changes, 0);
}

TEST_F(Memos, ReadOnlyKeepsItsTextAndLeavesEnterToTheDialog) {
  memo->Lines()->Add("Licence text");
  memo->SetReadOnly(true);
  memo->SetFocus();
  changes = 0;
  Type("x");
  Key(VK_BACK);
  Key(VK_DELETE);
  Key('V', {ssCtrl});
  EXPECT_EQ(memo->Lines()->Text(), "Licence text\n");
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(memo->Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS, 0);
  Key(VK_END, {ssShift});
  Key('C', {ssCtrl});
  EXPECT_EQ(Clipboard().AsText(), "Licence text");
}

TEST_F(Memos, ScrollingRepaintsOnlyTheMemo) {
  FillNumbered(10000);
  form.UpdateWindow();
  Wheel(Centre(memo), -1);
  const TRect dirty = form.InvalidRect();
  EXPECT_TRUE(UnionRect(dirty, memo->VisibleWindowRect()) == memo->VisibleWindowRect());
  form.UpdateWindow();
  TBitmap shot;
  form.PaintTo(shot);
  // The first row shown is line 3; the one above it is gone.
  EXPECT_EQ(RowText(memo->TopRow()), "line 3");
}

// How the Object Inspector looks and lays out: the current row highlighted, names left
// of the splitter and values right of it, the splitter dragged, the scroll bar.
#include "InspectorFixture.h"

#include "host/forms/Backend.h"

using namespace host;

namespace inspector_test {
namespace {

std::uint32_t Argb(TColor c) { return ColorToPixel(c); }

// Text drawn in navy: its strokes are blue, smoothed at the edges.
bool HasNavyText(const TBitmap& b, const TRect& r) {
  for (Integer y = r.Top; y < r.Bottom; ++y)
    for (Integer x = r.Left; x < r.Right; ++x) {
      const std::uint32_t p = b.Pixel(x, y);
      if ((p & 0xFF) >= 0x70 && ((p >> 16) & 0xFF) < 0x40 && ((p >> 8) & 0xFF) < 0x40) return true;
    }
  return false;
}

// Whether any pixel of the rectangle has the colour.
bool Holds(const TBitmap& b, const TRect& r, std::uint32_t argb) {
  for (Integer y = r.Top; y < r.Bottom; ++y)
    for (Integer x = r.Left; x < r.Right; ++x)
      if (b.Pixel(x, y) == argb) return true;
  return false;
}

TEST_F(InspectorFixture, RowsColumnsAndTheCurrentRowInPixels) {
  Select({wizard});
  inspector->SetFocus();
  ClickRow("Name");
  TBitmap shot;
  window->PaintTo(shot);
  shot.SaveToFile(::testing::TempDir() + "inspector.png");
  const TPoint o = inspector->WindowOrigin();
  const Integer split = o.X + inspector->Splitter();
  const TRect name = OffsetRect(inspector->RowRect(inspector->FindRow("Name")), o.X, o.Y);
  const TRect tag = OffsetRect(inspector->RowRect(inspector->FindRow("Tag")), o.X, o.Y);
  // The current row's name in the highlight, its value an edit field with the value selected.
  EXPECT_EQ(shot.Pixel(name.Left + 1, name.Top + 1), Argb(clHighlight));
  EXPECT_TRUE(Holds(shot, Rect(name.Left, name.Top, split - 1, name.Bottom - 1), Argb(clHighlightText)));
  EXPECT_EQ(shot.Pixel(name.Right - 2, name.Top + 1), Argb(clWindow));
  EXPECT_TRUE(Holds(shot, Rect(split + 1, name.Top, name.Right, name.Bottom - 1), Argb(clHighlight)));
  // Other rows: names in the button text colour on the face, values in navy.
  EXPECT_EQ(shot.Pixel(tag.Left + 1, tag.Top + 1), Argb(clBtnFace));
  EXPECT_TRUE(Holds(shot, Rect(tag.Left, tag.Top, split - 1, tag.Bottom - 1), Argb(clBtnText)));
  EXPECT_FALSE(HasNavyText(shot, Rect(tag.Left, tag.Top, split - 1, tag.Bottom - 1)));
  EXPECT_TRUE(HasNavyText(shot, Rect(split + 1, tag.Top, tag.Right, tag.Bottom - 1)));
  // The splitter: a shadow line and a highlight line from the top row to the bottom.
  EXPECT_EQ(shot.Pixel(split - 1, tag.Top + 2), Argb(clBtnShadow));
  EXPECT_EQ(shot.Pixel(split, tag.Top + 2), Argb(clBtnHighlight));
  // A line under each row.
  EXPECT_EQ(shot.Pixel(tag.Left + 30, tag.Top + inspector->RowHeight() - 1), Argb(clBtnShadow));
  // The active tab reaches down into the page; the other one stands lower.
  const TRect props = inspector->TabRect(designer::TInspectorPage::Properties);
  const TRect events = inspector->TabRect(designer::TInspectorPage::Events);
  EXPECT_EQ(shot.Pixel(o.X + props.Left + 3, o.Y + props.Top - 2), Argb(clBtnHighlight));
  EXPECT_NE(shot.Pixel(o.X + events.Left + 3, o.Y + events.Top - 2), Argb(clBtnHighlight));
}

TEST_F(InspectorFixture, TheValueListAndExpandedPartsInPixels) {
  Select({wizard});
  inspector->SetFocus();
  inspector->Expand(inspector->FindRow("BtnNext"));
  ClickRow("BtnNext.Layout");
  ClickAt(Center(inspector->ButtonRect()));
  ASSERT_TRUE(inspector->DroppedDown());
  TBitmap shot;
  window->PaintTo(shot);
  shot.SaveToFile(::testing::TempDir() + "inspector-list.png");
  const TPoint o = inspector->WindowOrigin();
  const TRect list = OffsetRect(inspector->DropListRect(), o.X, o.Y);
  EXPECT_EQ(list.Height(), 4 * inspector->RowHeight() + 2);  // the four layouts
  EXPECT_EQ(shot.Pixel(list.Left, list.Top + 5), ColorToPixel(clWindowFrame));
  EXPECT_EQ(shot.Pixel(list.Right - 1, list.Top + 5), ColorToPixel(clWindowFrame));
  // The value shown is lit in the list, the others on the window colour.
  const Integer lit = inspector->DropHighlight();
  ASSERT_GE(lit, 0);
  EXPECT_EQ(shot.Pixel(list.Right - 3, list.Top + 1 + lit * inspector->RowHeight() + 1), ColorToPixel(clHighlight));
  const Integer other = lit == 0 ? 1 : 0;
  EXPECT_EQ(shot.Pixel(list.Right - 3, list.Top + 1 + other * inspector->RowHeight() + 1), ColorToPixel(clWindow));
  // A part is indented one step below its parent, whose box shows a minus.
  const TRect parent = inspector->ExpandBoxRect(inspector->FindRow("BtnNext"));
  EXPECT_EQ(shot.Pixel(o.X + parent.Left + 4, o.Y + parent.Top + 4), ColorToPixel(clWindowText));
  EXPECT_EQ(shot.Pixel(o.X + parent.Left + 4, o.Y + parent.Top + 2), ColorToPixel(clWindow));
}

TEST_F(InspectorFixture, TheSplitterIsDraggedAndStaysWithinTheRows) {
  Select({label});
  const Integer x = inspector->Splitter();
  const TRect r = inspector->RowRect(1);
  const TPoint o = inspector->WindowOrigin();
  auto* headless = Application->Headless();
  headless->MouseDown(Point(o.X + x, o.Y + r.Top + 3));
  headless->MouseMove(Point(o.X + x + 40, o.Y + r.Top + 3), TShiftState{ssLeft});
  headless->MouseUp(Point(o.X + x + 40, o.Y + r.Top + 3));
  Application->ProcessMessages();
  EXPECT_EQ(inspector->Splitter(), x + 40);
  EXPECT_EQ(inspector->ItemIndex(), 0);  // the drag chose no row
  headless->MouseDown(Point(o.X + x + 40, o.Y + r.Top + 3));
  headless->MouseMove(Point(o.X + 2000, o.Y + r.Top + 3), TShiftState{ssLeft});
  headless->MouseUp(Point(o.X + 2000, o.Y + r.Top + 3));
  Application->ProcessMessages();
  EXPECT_EQ(inspector->Splitter(), inspector->RowsArea().Right - 24);
  // A narrower inspector keeps both columns.
  inspector->SetWidth(120);
  EXPECT_LE(inspector->Splitter(), inspector->RowsArea().Right - 24);
}

TEST_F(InspectorFixture, RowsBeyondTheHeightScroll) {
  Select({label});
  EXPECT_EQ(inspector->ScrollBar(), nullptr);
  Select({wizard});
  TScrollBar* bar = inspector->ScrollBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->MaxPosition(), inspector->RowCount() - inspector->VisibleRowCount());
  EXPECT_EQ(inspector->RowsArea().Right, bar->Left());
  // Moving down past the last row shown scrolls it in.
  for (Integer i = 0; i < inspector->VisibleRowCount(); ++i) Press(VK_DOWN);
  EXPECT_EQ(inspector->TopRow(), 1);
  EXPECT_EQ(bar->Position(), 1);
  Press(VK_NEXT);
  Press(VK_NEXT);
  Press(VK_NEXT);
  EXPECT_EQ(inspector->ItemIndex(), inspector->RowCount() - 1);
  EXPECT_EQ(inspector->TopRow(), bar->MaxPosition());
  // The bar's arrow scrolls the rows.
  const TPoint o = bar->WindowOrigin();
  Application->Headless()->Click(Point(o.X + 5, o.Y + 5));
  Application->ProcessMessages();
  EXPECT_EQ(inspector->TopRow(), bar->MaxPosition() - 1);
  EXPECT_TRUE(inspector->RowRect(inspector->TopRow() - 1).IsEmpty());
  // The wheel scrolls three rows a notch, over a value list its items.
  inspector->SetTopRow(0);
  const TPoint w = inspector->WindowOrigin();
  Application->Headless()->Wheel(Point(w.X + 50, w.Y + 100), -2);
  Application->ProcessMessages();
  EXPECT_EQ(inspector->TopRow(), 6);
  EXPECT_EQ(bar->Position(), 6);
  Application->Headless()->Wheel(Point(w.X + 50, w.Y + 100), 1);
  Application->ProcessMessages();
  EXPECT_EQ(inspector->TopRow(), 3);
  // A taller inspector needs no bar.
  inspector->SetHeight(2000);
  EXPECT_EQ(inspector->ScrollBar(), nullptr);
  EXPECT_EQ(inspector->TopRow(), 0);
}

}  // namespace
}  // namespace inspector_test

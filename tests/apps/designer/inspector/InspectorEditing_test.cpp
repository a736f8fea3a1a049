// Editing values in the Object Inspector with the mouse and the keyboard: typing and
// Enter, the value list, rejected values, Escape, leaving a row, the dialog button.
#include "InspectorFixture.h"

#include "host/forms/Backend.h"
#include "host/forms/Clipbrd.h"
#include "host/graphics/Graphics.h"

using namespace host;

namespace inspector_test {
namespace {

TEST_F(InspectorFixture, TypingAPageCountAndEnterSetsIt) {
  Select({wizard});
  ClickRow("NumPages");
  EXPECT_EQ(inspector->EditText(), "3");
  Type("5");
  EXPECT_EQ(inspector->EditText(), "5");  // the first key replaces the value
  EXPECT_EQ(wizard->NumPages(), 3);       // nothing applied before Enter
  Press(VK_RETURN);
  EXPECT_EQ(wizard->NumPages(), 5);
  EXPECT_EQ(Value("NumPages"), "5");
  EXPECT_EQ(changed, std::vector<std::string>{"NumPages"});
  EXPECT_GE(designer->ModifiedCount(), 1);
  // Fewer pages: the wizard's editor asks first; No keeps them.
  answer = mrCancel;
  Type("2");
  Press(VK_RETURN);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "Do you want to reduce the number of pages in the Zelvant?");
  EXPECT_EQ(wizard->NumPages(), 5);
  EXPECT_EQ(inspector->EditText(), "5");
  answer = mrYes;
  Type("2");
  Press(VK_RETURN);
  EXPECT_EQ(wizard->NumPages(), 2);
}

TEST_F(InspectorFixture, BackspaceEscapeAndLeavingTheRow) {
  Select({label});
  ClickRow("Left");
  Press(VK_BACK);  // the whole value was selected: it goes
  EXPECT_EQ(inspector->EditText(), "");
  Type("345");
  Press(VK_BACK);
  EXPECT_EQ(inspector->EditText(), "34");
  Press(VK_ESCAPE);
  EXPECT_EQ(inspector->EditText(), "10");
  EXPECT_FALSE(inspector->Editing());
  EXPECT_EQ(label->Left(), 10);
  // Moving to another row applies what was typed.
  Type("42");
  Press(VK_DOWN);
  EXPECT_EQ(label->Left(), 42);
  EXPECT_EQ(inspector->Row(inspector->ItemIndex()).Name, "Top");
  Press(VK_UP);
  EXPECT_EQ(inspector->Row(inspector->ItemIndex()).Name, "Left");
  // So does clicking another row, and leaving the inspector.
  Type("7");
  ClickRow("Top");
  EXPECT_EQ(label->Left(), 7);
  EXPECT_EQ(changed, (std::vector<std::string>{"Left", "Left"}));
}

TEST_F(InspectorFixture, ARejectedValueIsToldAndTheOldOneKept) {
  Select({label});
  ClickRow("Width");
  Type("wide");
  Press(VK_RETURN);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("wide"), std::string::npos) << messages[0];
  EXPECT_EQ(label->Width(), 60);
  EXPECT_EQ(inspector->EditText(), "60");
  EXPECT_EQ(Value("Width"), "60");
  EXPECT_TRUE(changed.empty());
  // An enumeration name that does not exist, applied by leaving the row.
  ClickRow("Alignment");
  Type("taSideways");
  Press(VK_UP);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1], "Invalid property value");
  EXPECT_EQ(Value("Alignment"), "taLeftJustify");
  EXPECT_EQ(designer->ModifiedCount(), 0);
}

TEST_F(InspectorFixture, AnEnumerationFromItsValueList) {
  Select({wizard});
  ClickRow("Style");
  const TRect button = inspector->ButtonRect();
  ASSERT_FALSE(button.IsEmpty());
  ClickAt(Center(button));
  ASSERT_TRUE(inspector->DroppedDown());
  EXPECT_EQ(inspector->DropItems(), (std::vector<std::string>{"asNone", "asTabbed", "asWizard"}));  // sorted
  EXPECT_EQ(inspector->DropHighlight(), 2);
  // The list lies over the rows below, inside the inspector.
  const TRect list = inspector->DropListRect();
  EXPECT_EQ(list.Top, inspector->RowRect(inspector->ItemIndex()).Bottom);
  ClickAt(Point(list.Left + 10, list.Top + 1 + inspector->RowHeight() + 3));
  EXPECT_FALSE(inspector->DroppedDown());
  EXPECT_EQ(wizard->Style(), zelvant::asTabbed);
  EXPECT_EQ(Value("Style"), "asTabbed");
  EXPECT_EQ(changed, std::vector<std::string>{"Style"});
  // With the keyboard: Alt+Down opens, Up moves, Enter takes; Escape closes.
  Press(VK_DOWN, TShiftState{ssAlt});
  ASSERT_TRUE(inspector->DroppedDown());
  Press(VK_UP);
  Press(VK_RETURN);
  EXPECT_EQ(wizard->Style(), zelvant::asNone);
  Press(VK_F4);
  Press(VK_ESCAPE);
  EXPECT_FALSE(inspector->DroppedDown());
  EXPECT_EQ(wizard->Style(), zelvant::asNone);
  // A double click on the value steps to the next one.
  ClickValue("Style");
  const TRect row = inspector->RowRect(inspector->ItemIndex());
  const NativeInt at = PointToLParam(inspector->Splitter() + 10, (row.Top + row.Bottom) / 2);
  inspector->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  inspector->Perform(WM_LBUTTONUP, 0, at);
  EXPECT_EQ(wizard->Style(), zelvant::asTabbed);
}

TEST_F(InspectorFixture, ALongValueListScrolls) {
  Select({label});
  ClickRow("Color");
  EXPECT_EQ(inspector->EditText(), "clBtnFace");
  ClickAt(Center(inspector->ButtonRect()));
  ASSERT_TRUE(inspector->DroppedDown());
  const Integer count = static_cast<Integer>(inspector->DropItems().size());
  ASSERT_GT(count, 8);
  TScrollBar* bar = inspector->DropScrollBar();
  ASSERT_NE(bar, nullptr);
  const TRect list = inspector->DropListRect();
  EXPECT_EQ(bar->BoundsRect(), Rect(list.Right - 1 - TScrollBar::kInnerWidth, list.Top + 1, list.Right - 1, list.Bottom - 1));
  // The value shown is in view and lit.
  const Integer lit = inspector->DropHighlight();
  EXPECT_EQ(inspector->DropItems()[static_cast<size_t>(lit)], "clBtnFace");
  EXPECT_GE(lit, inspector->DropTopItem());
  EXPECT_LT(lit, inspector->DropTopItem() + 8);
  // The bar's top arrow scrolls the items; a click takes the one under the mouse.
  const Integer top = inspector->DropTopItem();
  ASSERT_GT(top, 0);
  const TPoint o = bar->WindowOrigin();
  Application->Headless()->Click(Point(o.X + 5, o.Y + 5));
  Application->ProcessMessages();
  EXPECT_EQ(inspector->DropTopItem(), top - 1);
  ASSERT_TRUE(inspector->DroppedDown());
  const TPoint w = inspector->WindowOrigin();
  Application->Headless()->Wheel(Point(w.X + list.Left + 10, w.Y + list.Top + 10), 1);
  Application->ProcessMessages();
  EXPECT_EQ(inspector->DropTopItem(), std::max<Integer>(top - 4, 0));
  EXPECT_TRUE(inspector->DroppedDown());
  Application->Headless()->Wheel(Point(w.X + list.Left + 10, w.Y + list.Top + 10), -1);
  Application->ProcessMessages();
  EXPECT_EQ(inspector->DropTopItem(), std::max<Integer>(top - 4, 0) + 3);
  const std::string first = inspector->DropItems()[static_cast<size_t>(inspector->DropTopItem())];
  ClickAt(Point(list.Left + 10, list.Top + 1 + inspector->RowHeight() / 2));
  EXPECT_FALSE(inspector->DroppedDown());
  EXPECT_EQ(inspector->DropScrollBar(), nullptr);
  EXPECT_EQ(Value("Color"), first);
}

TEST_F(InspectorFixture, TheDialogButtonRunsTheEditor) {
  Select({wizard});
  ClickRow("PageNames");
  EXPECT_EQ(Value("PageNames"), "[PageNames]");
  const TRect button = inspector->ButtonRect();
  ASSERT_FALSE(button.IsEmpty());
  EXPECT_EQ(button.Right, inspector->RowsArea().Right);
  ClickAt(Center(button));  // the dialog ends at once headless, as Cancel
  EXPECT_EQ(changed, std::vector<std::string>{"PageNames"});
  EXPECT_GE(designer->ModifiedCount(), 1);
  // Enter opens the dialog too.
  Press(VK_RETURN);
  EXPECT_EQ(changed.size(), 2u);
}

// The current row's value is an edit field: the caret moves with the keys and the mouse,
// Shift extends a selection, and the clipboard keys copy, cut and paste.
TEST_F(InspectorFixture, TheValueIsEditedWithCaretSelectionAndClipboard) {
  Select({label});
  ClickRow("Caption");
  ASSERT_EQ(inspector->EditText(), "Label1");
  Press(VK_HOME);  // the selection goes, the caret to the start
  Type("My");
  EXPECT_EQ(inspector->EditText(), "MyLabel1");
  Press(VK_END);
  Press(VK_LEFT, TShiftState{ssShift});
  Press('C', TShiftState{ssCtrl});
  EXPECT_EQ(Clipboard().AsText(), "1");
  Press(VK_DELETE);
  EXPECT_EQ(inspector->EditText(), "MyLabel");
  Press(VK_LEFT, TShiftState{ssCtrl});  // to the start of the word
  Press('V', TShiftState{ssCtrl});
  EXPECT_EQ(inspector->EditText(), "1MyLabel");
  Press(VK_BACK);
  Press(VK_RIGHT);
  Press(VK_RIGHT);
  Press(VK_RIGHT, TShiftState{ssShift});
  Press('X', TShiftState{ssCtrl});
  EXPECT_EQ(Clipboard().AsText(), "L");
  EXPECT_EQ(inspector->EditText(), "Myabel");
  Press(VK_RETURN);
  EXPECT_EQ(label->Caption(), "Myabel");
  // Applied, the value is selected again: typing replaces it.
  Type("Name");
  EXPECT_EQ(inspector->EditText(), "Name");
  Press(VK_ESCAPE);
  EXPECT_EQ(inspector->EditText(), "Myabel");

  // A press at the value's left edge puts the caret before its first character, where
  // it is drawn; clicking the row's name selects the whole value again.
  const TRect area = inspector->RowRect(inspector->FindRow("Caption"));
  ClickRowAt("Caption", inspector->Splitter() + 4);
  Type("x");
  EXPECT_EQ(inspector->EditText(), "xMyabel");
  Press(VK_HOME);
  TBitmap shot;
  window->PaintTo(shot);
  const TPoint o = inspector->WindowOrigin();
  const Integer caretX = o.X + inspector->Splitter() + 3;
  const Integer midY = o.Y + (area.Top + area.Bottom) / 2;
  EXPECT_EQ(shot.Pixel(caretX, midY), ColorToPixel(clWindowText));
  EXPECT_EQ(shot.Pixel(caretX - 1, midY), ColorToPixel(clWindow));
  ClickRow("Caption");
  Type("Done");
  Press(VK_RETURN);
  EXPECT_EQ(label->Caption(), "Done");
  // A read-only row is not edited by any of these keys.
  Select({wizard});
  const std::string before = Value("BtnNext");
  ClickRow("BtnNext");
  ASSERT_TRUE(inspector->Row(inspector->ItemIndex()).Attributes.Contains(paReadOnly));
  Press(VK_DELETE);
  Press('V', TShiftState{ssCtrl});
  EXPECT_EQ(inspector->EditText(), before);
}

}  // namespace
}  // namespace inspector_test

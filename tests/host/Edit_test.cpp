// The edit box driven by keys and the mouse: typing, the caret and selection, words,
// the clipboard, limits, password characters, scrolling, and what it repaints.
#include <gtest/gtest.h>

#include "InputFixture.h"
#include "PixelTestHelpers.h"
#include "host/controls/Caret.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;
using namespace inputtest;

namespace {

struct Edits : InputForm {
  TEdit* edit;
  TEdit* other;
  int changes = 0;
  Edits() {
    edit = new TEdit(&form);
    edit->SetName("Name");
    edit->SetBounds(10, 10, 150, 21);
    edit->SetParent(&form);
    edit->OnChange = [this](TObject*) { ++changes; };
    other = new TEdit(&form);
    other->SetName("Folder");
    other->SetBounds(10, 40, 150, 21);
    other->SetParent(&form);
    Show();
  }
};

}  // namespace

TEST_F(Edits, TypingInsertsAtTheCaretAndEditingKeysMoveAndErase) {
  EXPECT_EQ(form.FocusedControl(), edit);
  Type("Programs/Exampel");
  EXPECT_EQ(edit->Text(), "Programs/Exampel");
  EXPECT_EQ(changes, 16);
  Key(VK_LEFT);
  Key(VK_BACK);  // the "e" before the "l"
  EXPECT_EQ(edit->Text(), "Programs/Exampl");
  Key(VK_END);
  Type("e");
  EXPECT_EQ(edit->Text(), "Programs/Example");
  Key(VK_HOME);
  Key(VK_DELETE);
  EXPECT_EQ(edit->Text(), "rograms/Example");
  Key(VK_RIGHT, {ssCtrl});  // the next word starts after the slash
  EXPECT_EQ(edit->SelStart(), 8);
  Key(VK_BACK, {ssCtrl});
  EXPECT_EQ(edit->Text(), "Example");
  Key(VK_END);
  Key(VK_LEFT, {ssCtrl});
  EXPECT_EQ(edit->SelStart(), 0);
}

TEST_F(Edits, ShiftAndCtrlSelectTypingReplacesTheSelection) {
  Type("one two three");
  Key(VK_HOME);
  Key(VK_RIGHT, {ssCtrl, ssShift});
  EXPECT_EQ(edit->SelText(), "one ");
  Type("1 ");
  EXPECT_EQ(edit->Text(), "1 two three");
  Key(VK_END);
  Key(VK_LEFT, {ssShift});
  Key(VK_LEFT, {ssShift});
  EXPECT_EQ(edit->SelText(), "ee");
  Key(VK_LEFT);  // collapses to the start of the selection
  EXPECT_EQ(edit->SelLength(), 0);
  EXPECT_EQ(edit->SelStart(), 9);
  Key('A', {ssCtrl});
  EXPECT_EQ(edit->SelText(), "1 two three");
  Key(VK_DELETE);
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(Edits, AccentedAndWideCharactersAreWholeSteps) {
  Type("\xC3\xA9t\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC");  // "été 日本"
  Key(VK_BACK);
  EXPECT_EQ(edit->Text(), "\xC3\xA9t\xC3\xA9 \xE6\x97\xA5");
  Key(VK_HOME);
  Key(VK_RIGHT, {ssShift});
  EXPECT_EQ(edit->SelText(), "\xC3\xA9");
  Key(VK_END);
  Key(VK_LEFT, {ssCtrl, ssShift});
  EXPECT_EQ(edit->SelText(), "\xE6\x97\xA5");
}

TEST_F(Edits, MouseSetsTheCaretAndDragsASelection) {
  edit->SetText("abcdefgh");
  Click(At(other, 5, 10));
  EXPECT_EQ(form.FocusedControl(), other);
  TCanvas measure;
  measure.Font().Assign(edit->Font());
  const int x3 = 3 + measure.TextWidth("abc");  // text starts a pixel into the field
  Click(At(edit, x3, 10));
  EXPECT_EQ(form.FocusedControl(), edit);
  EXPECT_EQ(edit->SelStart(), 3);
  EXPECT_EQ(edit->SelLength(), 0);  // a click places the caret, it does not select all
  Drag(At(edit, x3, 10), At(edit, 3 + measure.TextWidth("abcdef"), 10));
  EXPECT_EQ(edit->SelText(), "def");
  Click(At(edit, 3 + measure.TextWidth("a"), 10), {ssShift});
  EXPECT_EQ(edit->SelText(), "bc");  // Shift+click extends from the anchor
}

TEST_F(Edits, ClipboardRoundTripBetweenTwoEdits) {
  Type("C:\\Programs\\MyApp");
  Key('A', {ssCtrl});
  Key('C', {ssCtrl});
  EXPECT_EQ(Clipboard().AsText(), "C:\\Programs\\MyApp");
  Key(VK_TAB);
  EXPECT_EQ(form.FocusedControl(), other);
  other->SetText("Folder: ");
  Key(VK_END);
  Key('V', {ssCtrl});
  EXPECT_EQ(other->Text(), "Folder: C:\\Programs\\MyApp");
  Key(VK_LEFT, {ssCtrl, ssShift});
  Key('X', {ssCtrl});
  EXPECT_EQ(other->Text(), "Folder: C:\\Programs\\");
  EXPECT_EQ(Clipboard().AsText(), "MyApp");
  // A paste of several lines keeps the first.
  Clipboard().SetAsText("line one\nline two");
  Key(VK_INSERT, {ssShift});
  EXPECT_EQ(other->Text(), "Folder: C:\\Programs\\line one");
}

TEST_F(Edits, MaxLengthReadOnlyAndPasswordChar) {
  edit->SetMaxLength(5);
  Type("abcdefg");
  EXPECT_EQ(edit->Text(), "abcde");
  Clipboard().SetAsText("XYZ");
  Key(VK_LEFT, {ssShift});
  Key('V', {ssCtrl});  // replaces one character, room for one more
  EXPECT_EQ(edit->Text(), "abcdX");

  edit->SetReadOnly(true);
  changes = 0;
  Type("q");
  Key(VK_BACK);
  Key('A', {ssCtrl});
  Key('X', {ssCtrl});
  EXPECT_EQ(edit->Text(), "abcdX");
  EXPECT_EQ(changes, 0);
  Key('C', {ssCtrl});  // copying is still allowed
  EXPECT_EQ(Clipboard().AsText(), "abcdX");

  edit->SetReadOnly(false);
  edit->SetPasswordChar("*");
  Clipboard().SetAsText("kept");
  Key('A', {ssCtrl});
  Key('C', {ssCtrl});
  EXPECT_EQ(Clipboard().AsText(), "kept");  // a password is never copied
  form.UpdateWindow();
  TBitmap shot;
  form.PaintTo(shot);
  // Five stars, nothing of the letters: every dark pixel lies in a star's cell.
  TCanvas measure;
  measure.Font().Assign(edit->Font());
  int dark = 0;
  for (int y = 12; y < 29; ++y)
    for (int x = 13; x < 158; ++x)
      if ((shot.Pixel(x, y) & 0xFFFFFF) < 0x404040 && x >= 13 + measure.TextWidth("*****") + 1) ++dark;
  EXPECT_EQ(dark, 0);
}

TEST_F(Edits, LongTextScrollsToKeepTheCaretInTheBox) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "word ";
  edit->SetText(text);
  Key(VK_END);
  ASSERT_EQ(CaretOwner(), edit);
  EXPECT_GT(edit->Editor().ScrollX(), 0);
  form.UpdateWindow();
  // The caret is drawn inside the field at the end of the text.
  TBitmap shot;
  form.PaintTo(shot);
  bool caretSeen = false;
  for (int x = 12; x < 158; ++x) {
    bool column = true;
    for (int y = 15; y < 26; ++y) column = column && (shot.Pixel(x, y) & 0xFFFFFF) == 0;
    caretSeen = caretSeen || column;
  }
  EXPECT_TRUE(caretSeen);
  Key(VK_HOME);
  EXPECT_EQ(edit->Editor().ScrollX(), 0);
}

TEST_F(Edits, TypingRepaintsOnlyTheEdit) {
  edit->SetText(std::string(200, 'x'));
  Key(VK_END);
  form.UpdateWindow();
  Type("y");
  const TRect dirty = form.InvalidRect();
  EXPECT_FALSE(dirty.IsEmpty());
  EXPECT_TRUE(UnionRect(dirty, edit->VisibleWindowRect()) == edit->VisibleWindowRect()) << dirty.Left << "," << dirty.Top;
  form.UpdateWindow();
  // A caret move without a selection repaints the old and new caret columns only.
  Key(VK_LEFT);
  EXPECT_LE(form.InvalidRect().Width(), 20);
}

TEST_F(Edits, SelectionIsHighlightedOnlyWhileFocused) {
  edit->SetText("select me");
  Key('A', {ssCtrl});
  form.UpdateWindow();
  TBitmap focused;
  form.PaintTo(focused);
  EXPECT_EQ(focused.Pixel(14, 12), ColorToPixel(clHighlight));
  Key(VK_TAB);
  form.UpdateWindow();
  TBitmap left;
  form.PaintTo(left);
  EXPECT_EQ(left.Pixel(14, 12), ColorToPixel(clWindow));
  Key(VK_TAB, {ssShift});  // back in by the keyboard: all selected again
  EXPECT_EQ(edit->SelText(), "select me");
}

// The rows the Object Inspector shows: declaration order, sub-properties of button data,
// sets and fonts, several components, the events page, and following the designer.
#include "InspectorFixture.h"

using namespace host;

namespace inspector_test {
namespace {

std::vector<std::string> Names(const designer::TObjectInspector& inspector) {
  std::vector<std::string> out;
  for (Integer i = 0; i < inspector.RowCount(); ++i) out.push_back(inspector.Row(i).Path);
  return out;
}

TEST_F(InspectorFixture, PropertiesInDeclarationOrderWithTheirValues) {
  Select({label});
  std::vector<std::string> expected;
  for (const TPropInfo* p : label->ClassInfo().Properties())
    if (p->Kind != TTypeKind::Method) expected.push_back(p->Name);
  EXPECT_EQ(Names(*inspector), expected);
  EXPECT_EQ(Value("Name"), "Label1");
  EXPECT_EQ(Value("Alignment"), "taLeftJustify");
  EXPECT_EQ(Value("Font"), "(TFont)");
  EXPECT_EQ(inspector->ItemIndex(), 0);
  Select({});
  EXPECT_EQ(inspector->RowCount(), 0);
  EXPECT_EQ(inspector->ItemIndex(), -1);
  Press(VK_DOWN);  // nothing to move to
  Type("x");
}

TEST_F(InspectorFixture, ButtonDataExpandsIntoItsPartsAndTheyEdit) {
  Select({wizard});
  const Integer next = inspector->FindRow("BtnNext");
  ASSERT_GE(next, 0);
  EXPECT_TRUE(inspector->Row(next).Expandable);
  EXPECT_EQ(Value("BtnNext"), "(TButtonData)");
  const Integer before = inspector->RowCount();
  inspector->SetTopRow(next);
  ClickAt(Center(inspector->ExpandBoxRect(next)));
  ASSERT_TRUE(inspector->Row(next).Expanded);
  EXPECT_EQ(inspector->RowCount(), before + 6);
  EXPECT_EQ(inspector->Row(next + 1).Path, "BtnNext.Text");
  EXPECT_EQ(inspector->Row(next + 1).Level, 1);
  EXPECT_EQ(inspector->Row(next + 6).Path, "BtnNext.Show");
  EXPECT_EQ(Value("BtnNext.Text"), wizard->BtnNext()->Text());
  ClickRow("BtnNext.Text");
  Type("Onward");
  Press(VK_RETURN);
  EXPECT_EQ(wizard->BtnNext()->Text(), "Onward");
  EXPECT_EQ(changed, std::vector<std::string>{"BtnNext.Text"});
  ClickRow("BtnNext.Enabled");
  ClickAt(Center(inspector->ButtonRect()));
  EXPECT_EQ(inspector->DropItems(), (std::vector<std::string>{"False", "True"}));
  // '-' on the parent row folds the parts away; the current row goes to the parent.
  ClickRow("BtnNext.Layout");
  ClickRow("BtnNext");
  Type("-");
  EXPECT_FALSE(inspector->Row(next).Expanded);
  EXPECT_EQ(inspector->RowCount(), before);
  Type("+");
  EXPECT_EQ(inspector->RowCount(), before + 6);
  // What is expanded stays expanded for the next component of the kind.
  Select({label});
  Select({wizard});
  EXPECT_TRUE(inspector->Row(inspector->FindRow("BtnNext")).Expanded);
}

TEST_F(InspectorFixture, SetsExpandIntoTrueFalseRowsInsideAFont) {
  Select({label});
  inspector->Expand(inspector->FindRow("Font"));
  inspector->Expand(inspector->FindRow("Font.Style"));
  ASSERT_GE(inspector->FindRow("Font.Style.fsItalic"), 0);
  EXPECT_EQ(inspector->Row(inspector->FindRow("Font.Style.fsItalic")).Level, 2);
  inspector->SetTopRow(inspector->FindRow("Font"));
  ClickRow("Font.Style.fsItalic");
  EXPECT_EQ(inspector->EditText(), "False");
  ClickAt(Center(inspector->ButtonRect()));
  ClickAt(Point(inspector->DropListRect().Left + 5, inspector->DropListRect().Top + 1 + inspector->RowHeight() + 2));
  EXPECT_EQ(label->Font()->Style(), TFontStyles{fsItalic});
  EXPECT_EQ(Value("Font.Style"), "[fsItalic]");  // the parent row follows
  EXPECT_EQ(changed, std::vector<std::string>{"Font.Style.fsItalic"});
  // Typed, too.
  ClickRow("Font.Style.fsBold");
  Type("True");
  Press(VK_RETURN);
  EXPECT_EQ(label->Font()->Style(), (TFontStyles{fsBold, fsItalic}));
  // A collapse takes the parts below with it.
  inspector->Collapse(inspector->FindRow("Font"));
  EXPECT_LT(inspector->FindRow("Font.Style.fsBold"), 0);
  EXPECT_EQ(inspector->Row(inspector->ItemIndex()).Path, "Font");
}

TEST_F(InspectorFixture, SeveralComponentsShowWhatTheyShare) {
  label->SetBounds(10, 5, 60, 13);
  button->SetBounds(30, 5, 75, 25);
  Select({label, button});
  const auto names = Names(*inspector);
  for (const char* shared : {"Left", "Top", "Caption", "Font"})
    EXPECT_NE(std::find(names.begin(), names.end(), shared), names.end()) << shared;
  for (const char* own : {"Name", "Alignment", "Cancel", "WordWrap"})
    EXPECT_EQ(std::find(names.begin(), names.end(), own), names.end()) << own;
  EXPECT_EQ(Value("Left"), "");  // they differ
  EXPECT_EQ(Value("Top"), "5");
  EXPECT_EQ(Value("Font"), "(TFont)");
  ClickRow("Left");
  Type("50");
  Press(VK_RETURN);
  EXPECT_EQ(label->Left(), 50);
  EXPECT_EQ(button->Left(), 50);
  EXPECT_EQ(Value("Left"), "50");
  // The wizard and a panel share no button data.
  Select({wizard, panel});
  EXPECT_LT(inspector->FindRow("BtnNext"), 0);
  EXPECT_LT(inspector->FindRow("NumPages"), 0);
  EXPECT_GE(inspector->FindRow("Left"), 0);
}

TEST_F(InspectorFixture, TheEventsPageListsHandlersByName) {
  Select({wizard});
  ClickAt(Center(inspector->TabRect(designer::TInspectorPage::Events)));
  EXPECT_EQ(inspector->Page(), designer::TInspectorPage::Events);
  const auto names = Names(*inspector);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 5),
            (std::vector<std::string>{"OnPageChange", "OnCanPageChange", "OnHelpClick", "OnAskPageChange", "OnCancelClick"}));
  EXPECT_LT(inspector->FindRow("NumPages"), 0);
  EXPECT_EQ(Value("OnPageChange"), "");
  ClickRow("OnHelpClick");
  Type("Zelvant1HelpClick");
  Press(VK_RETURN);
  EXPECT_EQ(wizard->OnHelpClick.MethodName(), "Zelvant1HelpClick");
  EXPECT_EQ(Value("OnHelpClick"), "Zelvant1HelpClick");
  // The page stays for the next selection.
  Select({label});
  EXPECT_EQ(Names(*inspector), (std::vector<std::string>{"OnClick", "OnMouseDown", "OnMouseUp"}));
  ClickAt(Center(inspector->TabRect(designer::TInspectorPage::Properties)));
  EXPECT_EQ(inspector->FindRow("Name"), 0);
}

TEST_F(InspectorFixture, RefreshRepaintsOnlyTheRowsThatChanged) {
  Select({label});
  window->PaintWindow(Rect(0, 0, window->Width(), window->Height()));
  window->UpdateWindow();
  inspector->Refresh();
  EXPECT_TRUE(window->InvalidRegion().empty());  // nothing changed, nothing to paint
  // A drag in the designer moves the label: Left and Top follow.
  label->SetBounds(33, 44, 60, 13);
  const size_t rows = static_cast<size_t>(inspector->RowCount());
  inspector->Refresh();
  EXPECT_EQ(Value("Left"), "33");
  EXPECT_EQ(Value("Top"), "44");
  EXPECT_EQ(static_cast<size_t>(inspector->RowCount()), rows);
  const TPoint o = inspector->WindowOrigin();
  const TRect left = OffsetRect(inspector->RowRect(inspector->FindRow("Left")), o.X, o.Y);
  const TRect top = OffsetRect(inspector->RowRect(inspector->FindRow("Top")), o.X, o.Y);
  EXPECT_EQ(window->InvalidRect(), UnionRect(left, top));
  // A value being typed is not overwritten by a refresh.
  ClickRow("Left");
  Type("9");
  label->SetLeft(70);
  inspector->Refresh();
  EXPECT_EQ(inspector->EditText(), "9");
  EXPECT_EQ(Value("Left"), "70");
}

}  // namespace
}  // namespace inspector_test

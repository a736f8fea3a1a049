// The context menu lists the component editor's verbs before the designer's own
// commands, and a double click runs the component editor.
#include "DesignerFixture.h"
#include "host/stdctrls/Menus.h"

using namespace host;

namespace designertest {

namespace {

std::vector<std::string> Captions(const TMenuItem& items) {
  std::vector<std::string> list;
  for (Integer i = 0; i < items.Count(); ++i) list.push_back(items.Items(i)->Caption());
  return list;
}

}  // namespace

TEST_F(DesignerTest, RightClickOnTheWizardListsItsVerbsThenTheDesignersCommands) {
  TControl* wizard = Drop("TZelvant", Point(16, 16));
  ASSERT_NE(wizard, nullptr);
  drive_->Click(drive_->FormPoint(Point(300, 200)));  // the form
  drive_->RightClick(drive_->FormPoint(Point(100, 60)));
  EXPECT_EQ(window_->Editor().Selection(), std::vector<TComponent*>{wizard});
  TPopupList* list = window_->ContextMenu()->List();
  ASSERT_NE(list, nullptr) << "the menu is shown";
  EXPECT_EQ(Captions(*window_->ContextMenu()->Items()),
            (std::vector<std::string>{"Insert covered controls", "Aktivate Jump controls", "Disable Jump controls",
                                      "Set size to Wizard size", "-", "Bring to Front", "Send to Back",
                                      "Align to Grid"}));
  // A new wizard shows its dialog page. Escape closes the menu without doing anything.
  drive_->Key(VK_ESCAPE);
  EXPECT_EQ(window_->ContextMenu()->List(), nullptr);
}

TEST_F(DesignerTest, AMenuItemChosenWithTheMouseRunsOnTheSelection) {
  TControl* a = Drop("TButton", Point(16, 16));
  TControl* b = Drop("TButton", Point(40, 24));  // overlaps a, above it
  ASSERT_EQ(b->Parent()->Controls(b->Parent()->ControlCount() - 1), b);
  drive_->Click(drive_->FormPoint(Point(20, 20)));  // a, where b does not cover it
  drive_->RightClick(drive_->FormPoint(Point(20, 20)));
  TPopupList* list = window_->ContextMenu()->List();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(Captions(*window_->ContextMenu()->Items()).front(), "Bring to Front") << "a button has no verbs";
  const TRect item = list->ItemRect(0);
  const size_t steps = window_->Document().UndoSteps();
  drive_->ClickControl(*list, Point((item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2));
  EXPECT_EQ(window_->ContextMenu()->List(), nullptr);
  EXPECT_EQ(a->Parent()->Controls(a->Parent()->ControlCount() - 1), a) << "a is in front now";
  EXPECT_EQ(window_->Document().UndoSteps(), steps + 1);
}

TEST_F(DesignerTest, DoubleClickOnAContainerInsertsTheControlsItCovers) {
  TControl* wizard = Drop("TZelvant", Point(16, 16));
  ASSERT_NE(wizard, nullptr);
  drive_->ChooseClass("TAPanel");
  drive_->Drag(drive_->FormPoint(Point(16, 16)), drive_->FormPoint(Point(200, 150)));
  TControl* panel = Control("APanel1");
  ASSERT_NE(panel, nullptr);
  // A label on the wizard inside the panel's rectangle, placed while the panel is hidden.
  panel->SetVisible(false);
  TControl* label = Drop("TLabel", Point(40, 40));
  panel->SetVisible(true);
  ASSERT_EQ(label->Parent(), wizard);
  drive_->DoubleClick(drive_->FormPoint(Point(150, 120)));
  EXPECT_EQ(label->Parent(), panel) << "verb 0, Insert covered controls";
}

}  // namespace designertest

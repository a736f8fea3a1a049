// Fonts share their attributes until one is changed: copies stay independent, children
// follow their parent's font without copies of their own, and only a font that differs
// is news to a control.
#include <gtest/gtest.h>

#include <memory>

#include "host/core/ClassBuilder.h"
#include "host/forms/Forms.h"
#include "host/streaming/Filer.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

// Counts the font changes it is told of.
class TFontWatcher : public TPanel {
  HOST_CLASS(TFontWatcher, TPanel)
  using TPanel::TPanel;
  int told = 0;

 protected:
  void CMFontChanged(TMessage& m) override {
    TPanel::CMFontChanged(m);
    ++told;
  }
};

}  // namespace

HOST_PUBLISHED(TFontWatcher) {}

TEST(FontSharing, ACopyChangedLaterLeavesItsSourceAlone) {
  TFont a, b, c;
  a.SetName("Arial");
  a.SetHeight(-20);
  int bChanges = 0;
  b.OnChange = [&](TObject*) { ++bChanges; };
  b.Assign(&a);
  c.Assign(&a);
  EXPECT_EQ(bChanges, 1);
  EXPECT_TRUE(b.SharesDataWith(a));
  EXPECT_EQ(b.Name(), "Arial");

  b.SetStyle(TFontStyles{fsBold});
  EXPECT_EQ(bChanges, 2);
  EXPECT_FALSE(b.SharesDataWith(a));
  EXPECT_EQ(b.Style(), TFontStyles{fsBold});
  EXPECT_EQ(b.Height(), -20) << "the copy keeps what it shared";
  EXPECT_EQ(a.Style(), TFontStyles{});
  EXPECT_EQ(c.Style(), TFontStyles{});
  EXPECT_TRUE(c.SharesDataWith(a)) << "a sibling copy still shares the source";

  // The source changing leaves its copies as they were.
  a.SetColor(clRed);
  EXPECT_EQ(c.Color(), clWindowText);
  EXPECT_EQ(b.Color(), clWindowText);
  EXPECT_EQ(a.Color(), clRed);
}

TEST(FontSharing, SettingAnAttributeToItsValueChangesNothing) {
  TFont a, b;
  b.Assign(&a);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.SetName(b.Name());
  b.SetSize(b.Size());
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(b.SharesDataWith(a));
}

TEST(FontSharing, ChildrenFollowTheirParentsFontWithoutCopies) {
  TForm form(nullptr);
  auto* box = new TFontWatcher(&form);
  box->SetParent(&form);
  auto* inner = new TFontWatcher(&form);
  inner->SetParent(box);
  auto* label = new TLabel(&form);
  label->SetParent(inner);
  EXPECT_TRUE(label->Font()->SharesDataWith(*form.Font()));
  EXPECT_EQ(box->told, 0) << "an equal font is no news";
  EXPECT_EQ(inner->told, 0);

  // A change of the form's font reaches every follower, each told once.
  form.Font()->SetHeight(-16);
  EXPECT_EQ(box->told, 1);
  EXPECT_EQ(inner->told, 1);
  EXPECT_EQ(label->Font()->Height(), -16);
  EXPECT_TRUE(label->Font()->SharesDataWith(*form.Font()));
  EXPECT_TRUE(label->ParentFont());
}

TEST(FontSharing, AChildSettingItsOwnFontStopsFollowingAndLeavesItsSiblingsAlone) {
  TForm form(nullptr);
  auto* first = new TFontWatcher(&form);
  first->SetParent(&form);
  auto* second = new TFontWatcher(&form);
  second->SetParent(&form);
  auto* label = new TLabel(&form);
  label->SetParent(first);

  first->Font()->SetStyle(TFontStyles{fsItalic});
  EXPECT_FALSE(first->ParentFont());
  EXPECT_EQ(first->told, 1);
  EXPECT_EQ(first->Font()->Style(), TFontStyles{fsItalic});
  EXPECT_EQ(label->Font()->Style(), TFontStyles{fsItalic}) << "the child's own children follow it";
  EXPECT_EQ(second->Font()->Style(), TFontStyles{});
  EXPECT_EQ(form.Font()->Style(), TFontStyles{});
  EXPECT_EQ(second->told, 0);

  // The form's later change passes the one with a font of its own by, and its children.
  form.Font()->SetName("Courier New");
  EXPECT_EQ(first->Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(label->Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(second->Font()->Name(), "Courier New");
  EXPECT_EQ(first->told, 1);
  EXPECT_EQ(second->told, 1);

  // Following again takes the parent's font back, with the news that it differs.
  first->SetParentFont(true);
  EXPECT_EQ(first->told, 2);
  EXPECT_EQ(label->Font()->Name(), "Courier New");
  EXPECT_EQ(label->Font()->Style(), TFontStyles{});
}

TEST(FontSharing, MovingToAParentWithAnotherFontTellsTheChild) {
  TForm form(nullptr);
  auto* plain = new TPanel(&form);
  plain->SetParent(&form);
  auto* bold = new TPanel(&form);
  bold->SetParent(&form);
  bold->Font()->SetStyle(TFontStyles{fsBold});
  auto* child = new TFontWatcher(&form);
  child->SetParent(plain);
  EXPECT_EQ(child->told, 0);
  child->SetParent(bold);
  EXPECT_EQ(child->told, 1);
  EXPECT_EQ(child->Font()->Style(), TFontStyles{fsBold});
  child->SetParent(plain);
  EXPECT_EQ(child->told, 2);
  EXPECT_EQ(child->Font()->Style(), TFontStyles{});

  // A font changed and changed back is equal though not shared: the child takes it
  // up without news.
  auto* restored = new TPanel(&form);
  restored->SetParent(&form);
  restored->Font()->SetName("Arial");
  restored->Font()->SetName("MS Sans Serif");
  child->SetParent(restored);
  EXPECT_EQ(child->told, 2);
  EXPECT_TRUE(child->Font()->SharesDataWith(*restored->Font()));
}

TEST(FontSharing, AFormReadFromItsFileSharesOneFontAmongItsFollowers) {
  std::unique_ptr<TComponent> root(ReadForm(
      "object F: TForm\n  Font.Name = 'Arial'\n"
      "  object P: TFontWatcher\n    object L: TLabel\n      Caption = 'x'\n    end\n  end\n"
      "  object B: TFontWatcher\n    Font.Style = [fsBold]\n  end\nend\n"));
  auto* form = static_cast<TForm*>(root.get());
  auto* p = static_cast<TFontWatcher*>(form->FindComponent("P"));
  auto* l = static_cast<TLabel*>(form->FindComponent("L"));
  auto* b = static_cast<TFontWatcher*>(form->FindComponent("B"));
  EXPECT_TRUE(p->Font()->SharesDataWith(*form->Font()));
  EXPECT_TRUE(l->Font()->SharesDataWith(*form->Font()));
  EXPECT_EQ(l->Font()->Name(), "Arial");
  EXPECT_FALSE(b->ParentFont());
  EXPECT_EQ(b->Font()->Style(), TFontStyles{fsBold});
  EXPECT_EQ(b->Font()->Name(), "Arial") << "a font of its own starts from its parent's";
  EXPECT_FALSE(b->Font()->SharesDataWith(*form->Font()));
  // Changing the form's font now reaches the followers only.
  form->Font()->SetName("Courier New");
  EXPECT_EQ(l->Font()->Name(), "Courier New");
  EXPECT_EQ(b->Font()->Name(), "Arial");
  // Written back, only the fonts of their own are stored.
  const std::string text = WriteForm(form);
  EXPECT_NE(text.find("    Font.Style = [fsBold]"), std::string::npos) << text;
  size_t names = 0;
  for (size_t at = text.find("Font.Name"); at != std::string::npos; at = text.find("Font.Name", at + 1)) ++names;
  EXPECT_EQ(names, 2u) << text;
}

// A handler set on a control's font is told of changes, and the control still follows
// its own font: the two do not replace each other.
TEST(FontSharing, AHandlerOnAControlsFontLeavesTheControlTold) {
  TForm form(nullptr);
  auto* label = new TLabel(&form);
  label->SetParent(&form);
  int told = 0;
  label->Font()->OnChange = [&](TObject*) { ++told; };
  ASSERT_TRUE(label->ParentFont());
  label->Font()->SetStyle(TFontStyles{fsBold});
  EXPECT_EQ(told, 1);
  EXPECT_FALSE(label->ParentFont());
  // Following the parent again reaches neither the handler's count twice nor the style.
  label->SetParentFont(true);
  EXPECT_FALSE(label->Font()->Style().Contains(fsBold));
}

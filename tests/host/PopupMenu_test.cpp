// The popup menu: shown above the controls, chosen with the mouse or the keys, closed
// by a press elsewhere or Escape; disabled items and lines do nothing.
#include <gtest/gtest.h>

#include <memory>

#include "host/forms/Backend.h"
#include "host/forms/Forms.h"
#include "host/stdctrls/Menus.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

struct TMenuFixture {
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  TButton* button = new TButton(form.get());
  TPopupMenu* menu = new TPopupMenu(form.get());
  std::vector<std::string> chosen;
  TMenuFixture() {
    Application->SetBackend(nullptr);
    form->SetBounds(0, 0, 400, 300);
    button->SetParent(form.get());
    button->SetBounds(10, 10, 80, 25);
    menu->Items()->Add("First", [this](TObject*) { chosen.push_back("First"); });
    menu->Items()->Add("-");
    menu->Items()->Add("Off", [this](TObject*) { chosen.push_back("Off"); })->SetEnabled(false);
    menu->Items()->Add("Last", [this](TObject*) { chosen.push_back("Last"); });
    form->Show();
  }
  TPoint Centre(Integer index) const {
    const TRect r = menu->List()->ItemRect(index);
    const TRect area = form->WindowClientArea();
    const TPoint o = menu->List()->WindowOrigin();
    return Point(o.X - area.Left + (r.Left + r.Right) / 2, o.Y - area.Top + (r.Top + r.Bottom) / 2);
  }
  void Run() { Application->ProcessMessages(); }
};

}  // namespace

TEST(PopupMenu, AClickChoosesAnItemAndClosesTheMenu) {
  TMenuFixture f;
  f.menu->Popup(f.form.get(), Point(20, 20));
  ASSERT_NE(f.menu->List(), nullptr);
  EXPECT_EQ(f.menu->List()->Parent(), f.form.get());
  EXPECT_EQ(f.form->Controls(f.form->ControlCount() - 1), f.menu->List()) << "above the other controls";
  Application->Headless()->Click(f.Centre(2));  // disabled: nothing, the menu stays
  f.Run();
  EXPECT_TRUE(f.chosen.empty());
  ASSERT_NE(f.menu->List(), nullptr);
  Application->Headless()->Click(f.Centre(3));
  f.Run();
  EXPECT_EQ(f.chosen, std::vector<std::string>{"Last"});
  EXPECT_EQ(f.menu->List(), nullptr);
}

TEST(PopupMenu, KeysStepOverLinesAndDisabledItemsCanBeHighlightedButNotChosen) {
  TMenuFixture f;
  f.menu->Popup(f.form.get(), Point(20, 20));
  Application->Headless()->PressKey(VK_DOWN);
  Application->Headless()->PressKey(VK_DOWN);  // over the line
  f.Run();
  EXPECT_EQ(f.menu->List()->Highlight(), 2);
  Application->Headless()->PressKey(VK_UP);
  Application->Headless()->PressKey(VK_RETURN);
  f.Run();
  EXPECT_EQ(f.chosen, std::vector<std::string>{"First"});
  EXPECT_EQ(f.menu->List(), nullptr);
}

TEST(PopupMenu, APressElsewhereOrEscapeClosesWithoutChoosing) {
  TMenuFixture f;
  f.menu->Popup(f.form.get(), Point(380, 290));
  ASSERT_NE(f.menu->List(), nullptr);
  EXPECT_LE(f.menu->List()->BoundsRect().Right, f.form->ClientWidth()) << "kept inside the form";
  EXPECT_LE(f.menu->List()->BoundsRect().Bottom, f.form->ClientHeight());
  Application->Headless()->Click(Point(50, 20));  // the button
  f.Run();
  EXPECT_EQ(f.menu->List(), nullptr);
  f.menu->Popup(f.form.get(), Point(20, 20));
  Application->Headless()->PressKey(VK_ESCAPE);
  f.Run();
  EXPECT_EQ(f.menu->List(), nullptr);
  EXPECT_TRUE(f.chosen.empty());
}

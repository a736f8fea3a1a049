// One dispatch: every message reaches its own handler, and descendants override them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/design/DesignIntf.h"
#include "host/stdctrls/StdCtrls.h"

using namespace host;

namespace {

// Records the handlers that ran and what they received.
class TProbe : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::vector<std::string> log;
  NativeInt dlgCode = 0;
  NativeInt hitTest = 0;
  bool creatingSeen = false;
  TWinControl* focusPartner = nullptr;
  Word lastKey = 0;
  TShiftState lastShift;

 protected:
  void WMSize(TWMSize& m) override {
    log.push_back("size " + std::to_string(m.Width) + "x" + std::to_string(m.Height));
    if (ControlState().Contains(csCreating)) creatingSeen = true;
    TCustomControl::WMSize(m);
  }
  void WMGetDlgCode(TWMGetDlgCode& m) override {
    log.push_back("dlgcode");
    m.Result = dlgCode;
  }
  void WMSetFocus(TWMSetFocus& m) override {
    log.push_back("setfocus");
    focusPartner = m.FocusedWnd;
    TCustomControl::WMSetFocus(m);
  }
  void WMKillFocus(TWMKillFocus& m) override {
    log.push_back("killfocus");
    focusPartner = m.FocusedWnd;
    TCustomControl::WMKillFocus(m);
  }
  void CMDesignHitTest(TCMDesignHitTest& m) override {
    log.push_back("hittest " + std::to_string(m.Keys) + " " + std::to_string(m.XPos) + "," + std::to_string(m.YPos));
    m.Result = hitTest;
  }
  void KeyDown(Word& key, TShiftState shift) override {
    lastKey = key;
    lastShift = shift;
    log.push_back("keydown");
    TCustomControl::KeyDown(key, shift);
  }
  void MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) override {
    log.push_back(std::string(button == mbRight ? "right" : "left") + " up " + std::to_string(x) + "," + std::to_string(y) +
                  (shift.Contains(ssShift) ? " shift" : ""));
    TCustomControl::MouseUp(button, shift, x, y);
  }
};

struct Routing : ::testing::Test {
  TForm form{nullptr};
  TProbe* probe = new TProbe(&form);
  TButton* other = new TButton(&form);
  Routing() {
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 200, 100);
    probe->SetBounds(10, 10, 50, 40);
    probe->SetTabStop(true);
    probe->SetParent(&form);
    other->SetBounds(100, 10, 50, 25);
    other->SetParent(&form);
  }
};

TEST_F(Routing, PerformDeliversEachMessageToItsHandler) {
  probe->dlgCode = DLGC_WANTARROWS;
  EXPECT_EQ(probe->Perform(WM_GETDLGCODE), DLGC_WANTARROWS);
  probe->Perform(WM_SIZE, SIZE_RESTORED, PointToLParam(30, 20));
  probe->hitTest = 1;
  EXPECT_EQ(probe->Perform(CM_DESIGNHITTEST, MK_LBUTTON, PointToLParam(-3, 7)), 1);
  probe->Perform(WM_SETFOCUS, reinterpret_cast<NativeInt>(other));
  EXPECT_EQ(probe->focusPartner, other);
  probe->Perform(WM_KILLFOCUS, 0);
  EXPECT_EQ(probe->focusPartner, nullptr);
  probe->Perform(WM_KEYDOWN, VK_LEFT, ShiftStateToKeyData(TShiftState{ssCtrl}));
  EXPECT_EQ(probe->lastKey, VK_LEFT);
  EXPECT_EQ(probe->lastShift, TShiftState{ssCtrl});
  EXPECT_EQ(probe->log, (std::vector<std::string>{"dlgcode", "size 30x20", "hittest 1 -3,7", "setfocus", "killfocus", "keydown"}));
}

TEST_F(Routing, AWindowSendsSizeWhenItIsMadeAndWhenItsSizeChanges) {
  probe->SetBounds(10, 10, 60, 40);
  EXPECT_TRUE(probe->log.empty());  // no window yet
  form.HandleNeeded();
  ASSERT_EQ(probe->log, (std::vector<std::string>{"size 60x40"}));
  EXPECT_TRUE(probe->creatingSeen);
  EXPECT_FALSE(probe->ControlState().Contains(csCreating));
  probe->SetBounds(20, 20, 60, 40);  // a move alone sends nothing
  probe->SetBounds(20, 20, 61, 40);
  EXPECT_EQ(probe->log.back(), "size 61x40");
  EXPECT_EQ(probe->log.size(), 2u);
}

TEST_F(Routing, FocusChangesSendKillFocusToTheOldControlAndSetFocusToTheNew) {
  form.Show();
  probe->SetFocus();
  EXPECT_EQ(probe->focusPartner, nullptr);
  EXPECT_TRUE(probe->Focused());
  other->SetFocus();
  EXPECT_EQ(probe->log.back(), "killfocus");
  EXPECT_EQ(probe->focusPartner, other);
  form.Hide();
}

TEST_F(Routing, DialogCodeDecidesWhetherArrowsReachTheControl) {
  form.Show();
  probe->SetFocus();
  form.HandleKey(VK_RIGHT, {}, true);
  EXPECT_EQ(form.FocusedControl(), other);  // taken as a dialog key
  probe->SetFocus();
  probe->dlgCode = DLGC_WANTARROWS;
  probe->log.clear();
  form.HandleKey(VK_RIGHT, {}, true);
  EXPECT_EQ(form.FocusedControl(), probe);
  EXPECT_EQ(probe->log, (std::vector<std::string>{"dlgcode", "keydown"}));
  EXPECT_EQ(probe->lastKey, VK_RIGHT);
  form.Hide();
}

TEST_F(Routing, MouseInputGoesToTheControlUnderItInItsOwnCoordinates) {
  form.HandleMouse(miDown, mbRight, {}, Point(25, 30));
  form.HandleMouse(miUp, mbRight, TShiftState{ssShift}, Point(25, 30));
  EXPECT_EQ(probe->log.back(), "right up 15,20 shift");
  // Captured: the release goes to the control that was pressed, wherever it is.
  form.HandleMouse(miDown, mbLeft, {}, Point(15, 15));
  form.HandleMouse(miUp, mbLeft, {}, Point(190, 90));
  EXPECT_EQ(probe->log.back(), "left up 180,80");
}

TEST_F(Routing, InDesignModeTheDesignerTakesClicksUnlessTheControlClaimsThem) {
  TFormDesigner designer(&form);
  probe->SetDesigning(true);
  other->SetDesigning(true);
  form.HandleMouse(miDown, mbLeft, {}, Point(20, 20));
  form.HandleMouse(miUp, mbLeft, {}, Point(20, 20));
  EXPECT_EQ(designer.Selected(), probe);
  EXPECT_EQ(probe->log, (std::vector<std::string>{"hittest 1 10,10"}));  // the designer asked first
  probe->hitTest = 1;
  form.HandleMouse(miDown, mbLeft, {}, Point(20, 20));
  form.HandleMouse(miUp, mbLeft, {}, Point(20, 20));
  EXPECT_EQ(probe->log.back(), "left up 10,10");
  // A control taken out of design mode is clicked as at run time.
  int clicks = 0;
  other->OnClick = [&](TObject*) { ++clicks; };
  form.HandleMouse(miDown, mbLeft, {}, Point(110, 20));
  form.HandleMouse(miUp, mbLeft, {}, Point(110, 20));
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(designer.Selected(), other);
  other->SetDesigning(false);
  form.HandleMouse(miDown, mbLeft, {}, Point(110, 20));
  form.HandleMouse(miUp, mbLeft, {}, Point(110, 20));
  EXPECT_EQ(clicks, 1);
}

}  // namespace

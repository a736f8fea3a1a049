// A shown form without a frame, driven through the headless backend's queue as a user
// would drive it: keys, typed text, clicks, drags and the wheel.
#pragma once

#include <gtest/gtest.h>

#include "host/forms/Backend.h"
#include "host/forms/Clipbrd.h"
#include "host/forms/Forms.h"

namespace inputtest {

struct InputForm : ::testing::Test {
  host::TForm form{nullptr};
  InputForm() {
    host::Application->SetBackend(nullptr);
    form.SetName("Form");
    form.SetBorderStyle(host::bsNone);
    form.SetBounds(0, 0, 400, 300);
  }
  ~InputForm() override {
    host::Application->Headless()->Clear();
    form.Hide();
  }
  static host::THeadlessBackend& In() { return *host::Application->Headless(); }
  static void Run() { host::Application->ProcessMessages(); }
  void Show() {
    form.Show();
    form.UpdateWindow();
  }
  static void Type(const std::string& text) {
    In().TypeText(text);
    Run();
  }
  static void Key(host::Word key, host::TShiftState shift = {}) {
    In().PressKey(key, shift);
    Run();
  }
  static void Click(host::TPoint p, host::TShiftState shift = {}) {
    In().Click(p, host::mbLeft, shift);
    Run();
  }
  static void Drag(host::TPoint from, host::TPoint to) {
    In().MouseDown(from);
    In().MouseMove(to, {host::ssLeft});
    In().MouseUp(to);
    Run();
  }
  static void Wheel(host::TPoint p, int notches) {
    In().Wheel(p, notches);
    Run();
  }
  // A point of a control, in the form's client coordinates.
  host::TPoint At(const host::TControl* c, int x, int y) const { return form.ScreenToClient(c->ClientToScreen(host::Point(x, y))); }
  host::TPoint Centre(const host::TControl* c) const { return At(c, c->Width() / 2, c->Height() / 2); }
};

}  // namespace inputtest

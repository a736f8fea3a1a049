// An Object Inspector on a window of its own beside a wizard form open in the screenless
// designer, driven with the headless backend's clicks and keys.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ObjectInspector.h"
#include "host/design/DesignIntf.h"
#include "host/stdctrls/StdCtrls.h"
#include "zelvant/ZelvA.h"
#include "zelvant/ZelvC.h"

namespace inspector_test {

struct InspectorFixture : ::testing::Test {
  InspectorFixture();
  ~InspectorFixture() override;

  // The designed form: a wizard of 3 pages, a panel on it, a button and a label.
  host::TForm* designed = nullptr;
  std::unique_ptr<host::TFormDesigner> designer;
  zelvant::TZelvant* wizard = nullptr;
  zelvant::TAPanel* panel = nullptr;
  host::TButton* button = nullptr;
  host::TLabel* label = nullptr;
  // The inspector's window.
  host::TForm* window = nullptr;
  designer::TObjectInspector* inspector = nullptr;
  // Paths the inspector reported as changed by the user.
  std::vector<std::string> changed;
  // Messages the user was shown (answered with OK).
  std::vector<std::string> messages;
  // The answer to questions (MessageDlg with other buttons than OK).
  host::Integer answer = host::mrYes;

  void Select(std::vector<host::TPersistent*> selection);
  // A click on a point of the inspector, in its own coordinates.
  void ClickAt(host::TPoint p, host::TShiftState shift = {});
  // A click on a row's name or value, scrolled into view first.
  void ClickRow(const std::string& path);
  void ClickValue(const std::string& path);
  void ClickRowAt(const std::string& path, host::Integer x);
  void Press(host::Word key, host::TShiftState shift = {});
  void Type(const std::string& text);
  // The text a row shows.
  std::string Value(const std::string& path);
  host::TPoint Center(const host::TRect& r) const { return host::Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }
};

}  // namespace inspector_test

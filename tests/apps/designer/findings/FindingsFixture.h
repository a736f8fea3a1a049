// A wizard with route faults open in the screenless designer, and the findings panel
// on a window of its own, driven with the headless backend's clicks and keys.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "RouteFindingsPanel.h"
#include "ShowFinding.h"
#include "zelvant/ZelvC.h"

namespace findings_test {

struct FindingsFixture : ::testing::Test {
  FindingsFixture();
  ~FindingsFixture() override;

  // Four pages, page 1 shown; Jump1 on page 2 jumps to position 9, which does not exist.
  host::TForm* designed = nullptr;
  std::unique_ptr<host::TFormDesigner> designer;
  zelvant::TZelvant* wizard = nullptr;
  zelvant::TAJumpBitBtn* jump = nullptr;
  host::TForm* window = nullptr;
  designer::TRouteFindingsPanel* panel = nullptr;
  std::vector<zelvant::TRouteFinding> chosen;

  // Shows the control on exactly these pages.
  static void ShowOn(zelvant::TAposList* shows, std::initializer_list<host::Integer> pages);
  // A click on a point of the panel, in its own coordinates.
  void ClickAt(host::TPoint p);
  void Press(host::Word key);
  // The index of the first finding whose message contains the text, or -1.
  host::Integer Find(const std::string& text) const;
};

}  // namespace findings_test

// A designer window on the headless backend with the host's palette and the Zelvant
// design package loaded (once per test program, as the designer loads it).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DesignerWindow.h"
#include "ScriptDriver.h"
#include "host/stdctrls/Dialogs.h"

namespace designertest {

class DesignerTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Message boxes answer with `answer` and are recorded.
  void AnswerMessages(host::Integer answer);
  host::TControl* Control(const std::string& name) const;
  // A component of the class placed with a click at a point of the form.
  host::TControl* Drop(const std::string& className, host::TPoint formPoint);
  std::string TempFile(const std::string& name) const;

  std::unique_ptr<designer::TDesignerWindow> window_;
  std::unique_ptr<designer::TScriptDriver> drive_;
  std::vector<std::string> messages_;
};

}  // namespace designertest

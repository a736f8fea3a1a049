// Driving the designer as a person does, through the headless backend's mouse and
// keys: the scripted run of the tests and of `zelvant-designer --headless`.
#pragma once

#include <ostream>
#include <string>

#include "DesignerWindow.h"

namespace designer {

// Where a point of a control lies in its window's client coordinates.
host::TPoint ClientPointOf(const host::TControl& control, host::TPoint local);

class TScriptDriver {
 public:
  explicit TScriptDriver(TDesignerWindow& window) : window_(window) {}
  // Input is handled at once: each call queues its events and runs the loop dry.
  void Click(host::TPoint clientPos, host::TShiftState shift = {});
  void RightClick(host::TPoint clientPos);
  void DoubleClick(host::TPoint clientPos);
  void Drag(host::TPoint from, host::TPoint to, host::Integer steps = 4);
  void Key(host::Word key, host::TShiftState shift = {});
  void ClickControl(const host::TControl& control, host::TPoint local);
  void ClickCentre(const host::TControl& control);
  // Palette: shows the page holding the class and presses its button.
  void ChooseClass(const std::string& className);
  // A point of the designed form's client area, in the window's client coordinates.
  host::TPoint FormPoint(host::TPoint formClient) const;
  void Shot(const std::string& fileName) const;

 private:
  void Flush();
  TDesignerWindow& window_;
};

// The story of the README: a new form, a wizard dropped and given pages, a panel
// and a jump radio button placed on page 2, paging, saving, reopening, undoing and
// redoing, running. Pictures go to outDir when it is not empty. Returns 0 when every
// check held, else the number of failed checks.
int RunDesignerStory(TDesignerWindow& window, const std::string& outDir, std::ostream& log);

}  // namespace designer

// The area the designed form is shown in: it holds the form at a small margin and
// takes the keyboard for the form editor (arrows, Delete, copy and paste).
#pragma once

#include "host/controls/Controls.h"

namespace designer {

class TFormEditor;

class TDesignSurface : public host::TCustomControl {
  HOST_CLASS(TDesignSurface, host::TCustomControl)
  explicit TDesignSurface(host::TComponent* owner);

  static constexpr host::Integer kMargin = 12;
  void SetEditor(TFormEditor* editor) { editor_ = editor; }
  // Puts the form in the surface, at the margin.
  void Hold(host::TWinControl* form);

 protected:
  void Paint() override;
  void KeyDown(host::Word& key, host::TShiftState shift) override;
  void WMGetDlgCode(host::TWMGetDlgCode& message) override;
  void MouseDown(host::TMouseButton button, host::TShiftState shift, host::Integer x, host::Integer y) override;

 private:
  TFormEditor* editor_ = nullptr;
};

}  // namespace designer

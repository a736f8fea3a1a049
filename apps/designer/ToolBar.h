// The designer's tool bar: flat buttons with a 16 x 16 picture and a caption.
#pragma once

#include <memory>
#include <string>

#include "host/stdctrls/ExtCtrls.h"

namespace designer {

class TToolButton : public host::TGraphicControl {
  HOST_CLASS(TToolButton, host::TGraphicControl)
  explicit TToolButton(host::TComponent* owner);
  ~TToolButton() override;

  host::TBitmap* Glyph() const { return glyph_.get(); }
  // A button that stays down while Down is true (the grid switch).
  bool Down() const { return down_; }
  void SetDown(bool value);
  void SetEnabled(bool value) override;

 protected:
  void Paint() override;
  void MouseDown(host::TMouseButton button, host::TShiftState shift, host::Integer x, host::Integer y) override;
  void MouseUp(host::TMouseButton button, host::TShiftState shift, host::Integer x, host::Integer y) override;

 private:
  std::unique_ptr<host::TBitmap> glyph_;
  bool down_ = false;
  bool pressed_ = false;
};

// The pictures of the commands, by name: "new", "open", "save", "saveas", "undo",
// "redo", "grid", "run", "quit". Unknown names give an empty picture.
void DrawToolIcon(host::TBitmap& bitmap, const std::string& name);

}  // namespace designer

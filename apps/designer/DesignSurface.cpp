#include "DesignSurface.h"

#include "FormEditor.h"
#include "host/core/ClassBuilder.h"

namespace designer {

using namespace host;

HOST_PUBLISHED(TDesignSurface) {}

TDesignSurface::TDesignSurface(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = {csOpaque, csCaptureMouse, csClickEvents};
  SetColor(TColor(0x9A8A7A));  // a muted slate behind the form
  SetTabStop(true);
}

void TDesignSurface::Hold(TWinControl* form) {
  if (!form) return;
  form->SetParent(this);
  form->SetBounds(kMargin, kMargin, form->Width(), form->Height());
  form->Show();
}

void TDesignSurface::Paint() {
  TCanvas& c = Canvas();
  c.Brush().SetColor(Color());
  c.FillRect(Rect(0, 0, Width(), Height()));
}

void TDesignSurface::KeyDown(Word& key, TShiftState shift) {
  if (editor_ && editor_->KeyDown(key, shift)) {
    key = 0;
    return;
  }
  TCustomControl::KeyDown(key, shift);
}

void TDesignSurface::WMGetDlgCode(TWMGetDlgCode& m) { m.Result = DLGC_WANTARROWS; }

void TDesignSurface::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (CanFocus()) SetFocus();
  TCustomControl::MouseDown(button, shift, x, y);
}

}  // namespace designer

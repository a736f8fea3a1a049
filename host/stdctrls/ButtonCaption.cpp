// The caption beside the box of a radio button or check box.
#include "host/stdctrls/StdCtrls.h"

namespace host {

void PaintButtonCaption(TCanvas& c, const TControl& control, Integer tx, bool focused) {
  const std::string& caption = control.Caption();
  const Integer th = c.TextHeight("Wg"), tw = AccelTextWidth(c, caption);
  const Integer ty = (control.Height() - th) / 2;
  c.Brush().SetStyle(bsClear);
  if (control.Enabled()) {
    c.Font().SetColor(control.Font()->Color());
    DrawAccelText(c, tx, ty, caption);
  } else {
    c.Font().SetColor(clBtnHighlight);
    DrawAccelText(c, tx + 1, ty + 1, caption);
    c.Font().SetColor(clBtnShadow);
    DrawAccelText(c, tx, ty, caption);
  }
  c.Brush().SetStyle(bsSolid);
  // The focus rectangle leaves a pixel clear on each side of the text.
  if (focused && !caption.empty())
    c.DrawFocusRect(Rect(tx - 2, std::max<Integer>(ty - 2, 0), tx + tw + 2, std::min<Integer>(ty + th + 2, control.Height())));
}

}  // namespace host

#include "zelvant/design/CellColors.h"

namespace zelvant {

using namespace host;

void SetCellColors(TCanvas& canvas, TGridDrawState state) {
  if (state.Contains(gdFixed)) {
    canvas.Font().SetColor(clWindowText);
    canvas.Brush().SetColor(clBtnFace);
  } else if (state.Contains(gdSelected)) {
    canvas.Font().SetColor(clHighlightText);
    canvas.Brush().SetColor(clHighlight);
  } else {
    canvas.Font().SetColor(clWindowText);
    canvas.Brush().SetColor(clWindow);
  }
}

}  // namespace zelvant

// Colours of a list cell drawn by the layout and way-list dialogs: title cells in the
// button face, the selected row in the highlight, the rest in the window colour.
#pragma once

#include "host/stdctrls/Grids.h"

namespace zelvant {

void SetCellColors(host::TCanvas& canvas, host::TGridDrawState state);

}  // namespace zelvant

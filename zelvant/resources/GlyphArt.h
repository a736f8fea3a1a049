// The button glyphs of the wizard's button bar, as pixel art (normal image only).
#pragma once

#include "PixelArt.h"

namespace zelvant::art {

// 18 x 18
extern const TArt kHelp, kZelvantOk, kFinish, kDialogOk, kChangeZelvant, kChangeDialog, kCancel;
// 16 x 16
extern const TArt kArrowLeft, kArrowRight;

}  // namespace zelvant::art

// The text caret: one for the whole program, held by the control that has the keyboard
// focus and edits text. The control draws it while CaretShown says so; a live window
// backend makes it blink by calling BlinkCaret, headless it stays on.
#pragma once

#include "host/core/Types.h"

namespace host {

class TControl;

// Puts the caret at rect (the owner's client coordinates) and restarts its blink in
// the shown phase; the old and new places are repainted.
void PlaceCaret(TControl* owner, const TRect& rect);
// The owner gives the caret up (focus lost, destroyed); nothing when it does not hold it.
void RemoveCaret(const TControl* owner);
// Whether the owner holds the caret and it is in its shown phase.
bool CaretShown(const TControl* owner);
// The control holding the caret, or nullptr.
TControl* CaretOwner();
// Turns the blink phase over and repaints the caret's place.
void BlinkCaret();

}  // namespace host

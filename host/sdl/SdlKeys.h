// SDL's keys, modifiers and mouse buttons in the host's terms.
#pragma once

#include <SDL.h>

#include "host/controls/Messages.h"

namespace host::sdl {

// The host's virtual key of an SDL key, or 0 for a key the host has no code for.
Word VirtualKey(SDL_Keycode key);
// The SDL key of a virtual key (the inverse of VirtualKey), or SDLK_UNKNOWN.
SDL_Keycode SdlKey(Word key);
// Shift, Ctrl and Alt of an SDL modifier set.
TShiftState ModifierState(Uint16 mod);
// The buttons held in an SDL mouse button mask.
TShiftState ButtonState(Uint32 buttons);
// The host's button of an SDL button; false for buttons the host does not know.
bool MouseButton(Uint8 sdlButton, TMouseButton& button);

}  // namespace host::sdl

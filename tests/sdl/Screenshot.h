// What the X server shows: a rectangle of the root window read back through Xlib, and
// where an SDL window really is on the screen.
#pragma once

#include <SDL.h>

#include "Script.h"

namespace sdltest {

// The screen's pixels in the rectangle (opaque ARGB); empty when the display cannot be read.
TPixels ScreenShot(const host::TRect& screenRect);
// The window's place and size on the X screen, asked of the X server.
host::TRect ScreenRectOf(SDL_Window* window);
// Moves or sizes the window on the X server, as a window manager does.
void MoveOnServer(SDL_Window* window, int x, int y);
void SizeOnServer(SDL_Window* window, int width, int height);
// The pixels of a window as the screen shows them.
TPixels WindowShot(SDL_Window* window);

// Presses and releases the key of an X keysym on the window that holds the X input focus
// (none when no window holds it, as after the focus window was destroyed).
void TypeToFocus(unsigned long keysym);
// The window that holds the X input focus (None or PointerRoot when no window does).
unsigned long FocusWindow();
// The X window of an SDL window.
unsigned long XWindowOf(SDL_Window* window);

}  // namespace sdltest

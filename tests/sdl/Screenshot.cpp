#include "Screenshot.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <initializer_list>

namespace sdltest {

using namespace host;

namespace {

// A connection of the test's own, so that what is read is what the server holds.
struct TConnection {
  Display* d = XOpenDisplay(nullptr);
  ~TConnection() {
    if (d) XCloseDisplay(d);
  }
};

}  // namespace

TPixels ScreenShot(const TRect& r) {
  TPixels out;
  TConnection c;
  if (!c.d || r.IsEmpty()) return out;
  XImage* img = XGetImage(c.d, DefaultRootWindow(c.d), r.Left, r.Top, static_cast<unsigned>(r.Width()),
                          static_cast<unsigned>(r.Height()), AllPlanes, ZPixmap);
  if (!img) return out;
  out.Width = r.Width();
  out.Height = r.Height();
  for (Integer y = 0; y < r.Height(); ++y) {
    for (Integer x = 0; x < r.Width(); ++x) {
      const unsigned long p = XGetPixel(img, x, y);
      auto channel = [p](unsigned long mask) {
        if (!mask) return 0u;
        int shift = 0;
        while (!((mask >> shift) & 1)) ++shift;
        return static_cast<unsigned>((p & mask) >> shift) & 0xFF;
      };
      out.Pixels.push_back(0xFF000000u | channel(img->red_mask) << 16 | channel(img->green_mask) << 8 |
                           channel(img->blue_mask));
    }
  }
  XDestroyImage(img);
  return out;
}

unsigned long XWindowOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
  return info.info.x11.window;
}

void MoveOnServer(SDL_Window* window, int x, int y) {
  TConnection c;
  if (const ::Window w = XWindowOf(window); c.d && w) {
    XMoveWindow(c.d, w, x, y);
    XSync(c.d, False);
  }
}

void SizeOnServer(SDL_Window* window, int width, int height) {
  TConnection c;
  if (const ::Window w = XWindowOf(window); c.d && w) {
    XResizeWindow(c.d, w, static_cast<unsigned>(width), static_cast<unsigned>(height));
    XSync(c.d, False);
  }
}

TRect ScreenRectOf(SDL_Window* window) {
  const ::Window xw = XWindowOf(window);
  TConnection c;
  if (!c.d || !xw) return TRect{};
  XWindowAttributes a;
  if (!XGetWindowAttributes(c.d, xw, &a)) return TRect{};
  int x = 0, y = 0;
  ::Window child;
  XTranslateCoordinates(c.d, xw, DefaultRootWindow(c.d), 0, 0, &x, &y, &child);
  return Bounds(x, y, a.width, a.height);
}

TPixels WindowShot(SDL_Window* window) { return ScreenShot(ScreenRectOf(window)); }

// Keys as the server delivers a keyboard's: to whichever window holds its input focus.
void TypeToFocus(unsigned long keysym) {
  TConnection c;
  if (!c.d) return;
  Window focus = None;
  int revert = 0;
  XGetInputFocus(c.d, &focus, &revert);
  if (focus == None || focus == PointerRoot) return;  // the key reaches no window
  for (int type : {KeyPress, KeyRelease}) {
    XKeyEvent e{};
    e.type = type;
    e.display = c.d;
    e.window = focus;
    e.root = DefaultRootWindow(c.d);
    e.subwindow = None;
    e.time = CurrentTime;
    e.same_screen = True;
    e.keycode = XKeysymToKeycode(c.d, keysym);
    XSendEvent(c.d, focus, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, reinterpret_cast<XEvent*>(&e));
  }
  XFlush(c.d);
}

unsigned long FocusWindow() {
  TConnection c;
  Window focus = None;
  int revert = 0;
  if (c.d) XGetInputFocus(c.d, &focus, &revert);
  return focus;
}

}  // namespace sdltest

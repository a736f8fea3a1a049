#include "SdlWindow.h"

#include "host/core/SysUtils.h"

namespace host::sdl {

namespace {

bool Sizeable(const TCustomForm& f) { return f.BorderStyle() == bsSizeable || f.BorderStyle() == bsSizeToolWin; }

TRect FormBounds(const TCustomForm& f) { return Bounds(f.Left(), f.Top(), f.Width(), f.Height()); }

}  // namespace

TFormWindow::TFormWindow(TCustomForm& form) : form_(form) {
  bounds_ = FormBounds(form);
  title_ = form.Caption();
  Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
  if (Sizeable(form)) flags |= SDL_WINDOW_RESIZABLE;
  window_ = SDL_CreateWindow(title_.c_str(), bounds_.Left, bounds_.Top, std::max<Integer>(bounds_.Width(), 1),
                             std::max<Integer>(bounds_.Height(), 1), flags);
  if (!window_) throw EInvalidOperation(std::string("Cannot create a window: ") + SDL_GetError());
  id_ = SDL_GetWindowID(window_);
  // The window manager moves and sizes a borderless window by the parts we name.
  SDL_SetWindowHitTest(window_, &TFormWindow::HitTest, this);
  SDL_ShowWindow(window_);
}

TFormWindow::~TFormWindow() { SDL_DestroyWindow(window_); }

SDL_HitTestResult TFormWindow::HitTest(SDL_Window*, const SDL_Point* p, void* data) {
  const TCustomForm& f = static_cast<TFormWindow*>(data)->form_;
  if (f.BorderStyle() == bsNone) return SDL_HITTEST_NORMAL;
  const TPoint pt = Point(p->x, p->y);
  const TRect cap = f.CaptionRect(), box = f.CloseBoxRect();
  // The caption buttons (close, and maximize / minimize of a sizeable form) stay the form's.
  const Integer buttons = f.BorderStyle() == bsSizeable ? 3 * box.Width() + 2 : box.Width();
  if (Rect(box.Right - buttons, box.Top, box.Right, box.Bottom).Contains(pt)) return SDL_HITTEST_NORMAL;
  if (Sizeable(f)) {
    const Integer e = f.FrameWidth(), w = f.Width(), h = f.Height();
    const bool left = pt.X < e, right = pt.X >= w - e, top = pt.Y < e, bottom = pt.Y >= h - e;
    if (top && left) return SDL_HITTEST_RESIZE_TOPLEFT;
    if (top && right) return SDL_HITTEST_RESIZE_TOPRIGHT;
    if (bottom && left) return SDL_HITTEST_RESIZE_BOTTOMLEFT;
    if (bottom && right) return SDL_HITTEST_RESIZE_BOTTOMRIGHT;
    if (top) return SDL_HITTEST_RESIZE_TOP;
    if (bottom) return SDL_HITTEST_RESIZE_BOTTOM;
    if (left) return SDL_HITTEST_RESIZE_LEFT;
    if (right) return SDL_HITTEST_RESIZE_RIGHT;
  }
  return cap.Contains(pt) ? SDL_HITTEST_DRAGGABLE : SDL_HITTEST_NORMAL;
}

void TFormWindow::SyncFromForm() {
  const TRect b = FormBounds(form_);
  if (b.Left != bounds_.Left || b.Top != bounds_.Top) SDL_SetWindowPosition(window_, b.Left, b.Top);
  if (b.Width() != bounds_.Width() || b.Height() != bounds_.Height())
    SDL_SetWindowSize(window_, std::max<Integer>(b.Width(), 1), std::max<Integer>(b.Height(), 1));
  bounds_ = b;
  if (form_.Caption() != title_) {
    title_ = form_.Caption();
    SDL_SetWindowTitle(window_, title_.c_str());
  }
}

void TFormWindow::Moved(int x, int y) {
  bounds_ = Bounds(x, y, bounds_.Width(), bounds_.Height());
  if (form_.Left() != x || form_.Top() != y) form_.SetBounds(x, y, form_.Width(), form_.Height());
}

void TFormWindow::Resized(int w, int h) {
  bounds_ = Bounds(bounds_.Left, bounds_.Top, w, h);
  // The form may keep another size; SyncFromForm then gives the window the form's.
  if (form_.Width() != w || form_.Height() != h) form_.SetBounds(form_.Left(), form_.Top(), w, h);
}

void TFormWindow::Present(const TRect& windowRect) { PresentBitmap(window_, form_.WindowBitmap(), windowRect); }

void TFormWindow::PresentAll() {
  const TBitmap& b = form_.WindowBitmap();
  Present(Rect(0, 0, b.Width(), b.Height()));
}

void PresentBitmap(SDL_Window* window, const TBitmap& bitmap, const TRect& rect) {
  SDL_Surface* s = SDL_GetWindowSurface(window);
  if (!s) return;
  const TRect r = IntersectRect(rect, Rect(0, 0, std::min<Integer>(bitmap.Width(), s->w), std::min<Integer>(bitmap.Height(), s->h)));
  if (r.IsEmpty()) return;
  if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) return;
  const int bpp = s->format->BytesPerPixel;
  void* dst = static_cast<Uint8*>(s->pixels) + r.Top * s->pitch + r.Left * bpp;
  const void* src = bitmap.ScanLine(r.Top) + r.Left;
  SDL_ConvertPixels(r.Width(), r.Height(), SDL_PIXELFORMAT_ARGB8888, src,
                    static_cast<int>(bitmap.Width() * sizeof(std::uint32_t)), s->format->format, dst, s->pitch);
  if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
  const SDL_Rect area{r.Left, r.Top, r.Width(), r.Height()};
  SDL_UpdateWindowSurfaceRects(window, &area, 1);
}

}  // namespace host::sdl

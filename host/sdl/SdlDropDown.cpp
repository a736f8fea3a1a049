#include "SdlDropDown.h"

#include "SdlWindow.h"
#include "host/stdctrls/StdCtrls.h"
#include "host/core/SysUtils.h"

namespace host::sdl {

namespace {

TRect ListWindowRect(const TCustomForm& owner, const TControl& list) {
  const TRect area = owner.WindowClientArea();
  return Bounds(area.Left + list.Left(), area.Top + list.Top(), list.Width(), list.Height());
}

}  // namespace

TControl* FindDropList(TCustomForm& form) {
  for (Integer i = form.ControlCount() - 1; i >= 0; --i)
    if (auto* list = dynamic_cast<TComboListBox*>(form.Controls(i)); list && list->Visible()) return list;
  return nullptr;
}

TDropWindow::TDropWindow(TCustomForm& owner, TControl& list) : owner_(owner) {
  rect_ = ListWindowRect(owner, list);
  screen_ = Point(owner.Left() + rect_.Left, owner.Top() + rect_.Top);
  window_ = SDL_CreateWindow("", screen_.X, screen_.Y, std::max<Integer>(rect_.Width(), 1),
                             std::max<Integer>(rect_.Height(), 1),
                             SDL_WINDOW_BORDERLESS | SDL_WINDOW_POPUP_MENU | SDL_WINDOW_ALWAYS_ON_TOP |
                                 SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_HIDDEN);
  if (!window_) throw EInvalidOperation(std::string("Cannot create a window: ") + SDL_GetError());
  id_ = SDL_GetWindowID(window_);
  Update(list, true);
  SDL_ShowWindow(window_);
}

TDropWindow::~TDropWindow() { SDL_DestroyWindow(window_); }

void TDropWindow::Update(TControl& list, bool repaint) {
  const TRect r = ListWindowRect(owner_, list);
  const TPoint s = Point(owner_.Left() + r.Left, owner_.Top() + r.Top);
  if (s.X != screen_.X || s.Y != screen_.Y) SDL_SetWindowPosition(window_, s.X, s.Y);
  const bool resized = r.Width() != pixels_.Width() || r.Height() != pixels_.Height();
  if (resized) SDL_SetWindowSize(window_, std::max<Integer>(r.Width(), 1), std::max<Integer>(r.Height(), 1));
  rect_ = r;
  screen_ = s;
  if (!repaint && !resized) return;
  // Painted on its own canvas, set up as the form's painting sets up each control's,
  // so that a list reaching past the form is shown whole.
  pixels_.SetSize(std::max<Integer>(r.Width(), 1), std::max<Integer>(r.Height(), 1));
  TCanvas c(&pixels_);
  c.SetOrigin(TPoint{});
  c.SetClipRect(Rect(0, 0, pixels_.Width(), pixels_.Height()));
  c.Brush().SetColor(list.Color());
  c.Font().Assign(list.Font());
  list.PaintControl(c);
  PresentAll();
}

void TDropWindow::PresentAll() { PresentBitmap(window_, pixels_, Rect(0, 0, pixels_.Width(), pixels_.Height())); }

TPoint TDropWindow::ToOwnerClient(int x, int y) const {
  const TRect area = owner_.WindowClientArea();
  return Point(rect_.Left - area.Left + x, rect_.Top - area.Top + y);
}

}  // namespace host::sdl

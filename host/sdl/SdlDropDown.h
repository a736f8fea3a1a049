// The list a combo box drops down, shown in a popup window of its own above its form's
// window. The list stays a child control of the form (input and painting go through the
// form as they do headless); the popup shows the list's pixels, painted unclipped.
#pragma once

#include <SDL.h>

#include "host/forms/Forms.h"

namespace host::sdl {

class TDropWindow {
 public:
  TDropWindow(TCustomForm& owner, TControl& list);
  ~TDropWindow();
  TDropWindow(const TDropWindow&) = delete;
  TDropWindow& operator=(const TDropWindow&) = delete;

  TCustomForm& Owner() const { return owner_; }
  SDL_Window* Window() const { return window_; }
  Uint32 Id() const { return id_; }
  // Follows the list's place and size; repaints it when asked or when its size changed.
  void Update(TControl& list, bool repaint);
  void PresentAll();
  // The list's rectangle in the owner's window pixels.
  const TRect& WindowRect() const { return rect_; }
  // A point of the popup in the owner form's client coordinates.
  TPoint ToOwnerClient(int x, int y) const;

 private:
  TCustomForm& owner_;
  SDL_Window* window_ = nullptr;
  Uint32 id_ = 0;
  TRect rect_;
  TPoint screen_;
  TBitmap pixels_;
};

// The dropped-down combo list on a form, or nullptr.
TControl* FindDropList(TCustomForm& form);

}  // namespace host::sdl

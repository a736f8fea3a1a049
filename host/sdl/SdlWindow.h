// One borderless SDL window per shown top-level form, of the form's full size: the form
// draws its own frame and caption bar, so the window shows exactly the form's pixels.
#pragma once

#include <SDL.h>

#include <string>

#include "host/forms/Forms.h"

namespace host::sdl {

class TFormWindow {
 public:
  explicit TFormWindow(TCustomForm& form);
  ~TFormWindow();
  TFormWindow(const TFormWindow&) = delete;
  TFormWindow& operator=(const TFormWindow&) = delete;

  TCustomForm& Form() const { return form_; }
  SDL_Window* Window() const { return window_; }
  Uint32 Id() const { return id_; }

  // Gives the window the form's bounds and caption where they changed.
  void SyncFromForm();
  // The window was moved or resized from outside: the form follows.
  void Moved(int x, int y);
  void Resized(int w, int h);
  // Copies a rectangle of the form's pixels to the window and shows it.
  void Present(const TRect& windowRect);
  void PresentAll();

 private:
  static SDL_HitTestResult HitTest(SDL_Window* window, const SDL_Point* p, void* data);
  TCustomForm& form_;
  SDL_Window* window_ = nullptr;
  Uint32 id_ = 0;
  TRect bounds_;  // the bounds the window has as far as we know, in screen pixels
  std::string title_;
};

// Copies rect of the bitmap to the window's surface at the same place and updates it.
void PresentBitmap(SDL_Window* window, const TBitmap& bitmap, const TRect& rect);

}  // namespace host::sdl

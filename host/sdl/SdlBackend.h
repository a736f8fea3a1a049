// The live window backend: each shown top-level form in a window of its own on SDL2,
// input from SDL's event queue. The loop sleeps in SDL_WaitEvent while nothing comes.
#pragma once

#include <SDL.h>

#include <deque>
#include <functional>
#include <string>
#include <memory>
#include <vector>

#include "host/forms/Backend.h"

namespace host::sdl {

class TFormWindow;
class TDropWindow;

class TSdlBackend : public TBackend {
 public:
  // Starts SDL's video; throws EInvalidOperation when it cannot.
  TSdlBackend();
  ~TSdlBackend() override;
  TSdlBackend(const TSdlBackend&) = delete;
  TSdlBackend& operator=(const TSdlBackend&) = delete;

  // Whether a display is there: DISPLAY (or WAYLAND_DISPLAY) is set and SDL's video starts.
  static bool DisplayAvailable();

  TPoint ScreenSize() const override;
  // Waits for input while a window is shown; false when none is.
  bool NextEvent(TInputEvent& event) override;
  bool ShowsPixels() const override { return true; }
  void FormShown(TCustomForm& form) override;
  void FormPainted(TCustomForm& form, const TRect& rect) override;
  void FormHidden(TCustomForm& form) override;
  // The desktop's clipboard.
  std::string ClipboardText() const override;
  void SetClipboardText(const std::string& text) override;
  // How long the caret stays on and off; 0 keeps it on (screenshots that must match).
  void SetCaretBlinkTime(int milliseconds) { blinkMs_ = milliseconds; }

  // Called whenever the loop is about to wait, with every window painted and shown;
  // events it pushes (SDL_PushEvent) are taken before the loop sleeps.
  void SetIdleHandler(std::function<void()> handler) { idle_ = std::move(handler); }
  // The window of a shown form, and the popup of a dropped-down combo list.
  SDL_Window* WindowOf(const TCustomForm& form) const;
  SDL_Window* DropDownWindow() const;
  // How often the loop went to sleep waiting for input.
  long Waits() const { return waits_; }

 private:
  void Refresh();
  void Translate(const SDL_Event& e);
  void WindowEvent(const SDL_WindowEvent& w);
  // The form a window id stands for (the owner for the drop-down popup); nullptr if none
  // or when a modal form blocks it. blockedIndex tells which modal window blocks.
  TCustomForm* InputForm(Uint32 windowId);
  TFormWindow* Find(Uint32 windowId) const;
  TFormWindow* Find(const TCustomForm& form) const;
  // The index of the modal form's window that takes the input now, or -1.
  int ModalIndex() const;
  void RaiseModal();
  // Raises the window and gives it the keyboard focus of the window system.
  void TakeKeyboard(SDL_Window* window);
  void Post(TInputEvent e, TCustomForm* form);

  std::vector<std::unique_ptr<TFormWindow>> windows_;  // in the order shown
  std::unique_ptr<TDropWindow> drop_;
  bool dropDirty_ = false;
  std::deque<TInputEvent> pending_;
  std::function<void()> idle_;
  Word lastKey_ = 0;  // the key of the last key press, for the text it types
  long waits_ = 0;
  int blinkMs_ = 530;
};

}  // namespace host::sdl

#include "SdlBackend.h"

#include <algorithm>
#include <cstdlib>

#include "SdlDropDown.h"
#include "SdlKeys.h"
#include "SdlWindow.h"
#include "host/controls/Caret.h"
#include "host/forms/Forms.h"
#include "host/core/SysUtils.h"
#include "host/core/Utf8.h"

namespace host::sdl {

using K = TInputEvent::TKind;

namespace {

void StartVideo() {
  // The program decides when to end: closing the last window is a Close like any other.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // The click that brings a window forward is also a click into it.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // The window surface is the X server's own image (XShm), not a GL texture: no GL
  // driver is loaded and what the server shows is exactly what was copied.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    throw EInvalidOperation(std::string("Cannot start SDL video: ") + SDL_GetError());
}

bool HasDisplayVariable() {
  const char* x = std::getenv("DISPLAY");
  const char* w = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (w && *w);
}

}  // namespace

TSdlBackend::TSdlBackend() {
  StartVideo();
  SDL_StartTextInput();
}

TSdlBackend::~TSdlBackend() {
  pending_.clear();
  drop_.reset();
  windows_.clear();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
}

bool TSdlBackend::DisplayAvailable() {
  if (!HasDisplayVariable()) return false;
  try {
    StartVideo();
  } catch (const EInvalidOperation&) {
    SDL_Quit();
    return false;
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
  return true;
}

TPoint TSdlBackend::ScreenSize() const {
  SDL_Rect r;
  if (SDL_GetDisplayBounds(0, &r) != 0) return Point(1024, 768);
  return Point(r.w, r.h);
}

SDL_Window* TSdlBackend::WindowOf(const TCustomForm& form) const {
  TFormWindow* w = Find(form);
  return w ? w->Window() : nullptr;
}

SDL_Window* TSdlBackend::DropDownWindow() const { return drop_ ? drop_->Window() : nullptr; }

TFormWindow* TSdlBackend::Find(Uint32 windowId) const {
  for (const auto& w : windows_)
    if (w->Id() == windowId) return w.get();
  return nullptr;
}

TFormWindow* TSdlBackend::Find(const TCustomForm& form) const {
  for (const auto& w : windows_)
    if (&w->Form() == &form) return w.get();
  return nullptr;
}

int TSdlBackend::ModalIndex() const {
  for (int i = static_cast<int>(windows_.size()) - 1; i >= 0; --i)
    if (windows_[static_cast<size_t>(i)]->Form().Modal()) return i;
  return -1;
}

TCustomForm* TSdlBackend::InputForm(Uint32 windowId) {
  const TCustomForm* wanted = nullptr;
  if (drop_ && drop_->Id() == windowId) wanted = &drop_->Owner();
  int index = -1;
  for (size_t i = 0; i < windows_.size(); ++i)
    if (windows_[i]->Id() == windowId || &windows_[i]->Form() == wanted) index = static_cast<int>(i);
  if (index < 0) return nullptr;
  // A modal run takes all input; only windows shown after its form still get theirs.
  if (index < ModalIndex()) return nullptr;
  return &windows_[static_cast<size_t>(index)]->Form();
}

void TSdlBackend::RaiseModal() {
  if (const int m = ModalIndex(); m >= 0) SDL_RaiseWindow(windows_[static_cast<size_t>(m)]->Window());
}

void TSdlBackend::Post(TInputEvent e, TCustomForm* form) {
  e.Form = form;
  pending_.push_back(std::move(e));
}

void TSdlBackend::FormShown(TCustomForm& form) {
  if (Find(form)) return;
  windows_.push_back(std::make_unique<TFormWindow>(form));
  TakeKeyboard(windows_.back()->Window());  // a form shown becomes the active one
}

void TSdlBackend::FormHidden(TCustomForm& form) {
  // Input still queued for the form must not reach it (it may be on its way out).
  pending_.erase(std::remove_if(pending_.begin(), pending_.end(), [&](const TInputEvent& e) { return e.Form == &form; }),
                 pending_.end());
  if (drop_ && &drop_->Owner() == &form) drop_.reset();
  windows_.erase(std::remove_if(windows_.begin(), windows_.end(), [&](const auto& w) { return &w->Form() == &form; }),
                 windows_.end());
  // Without a window manager nobody hands the keyboard on: the form now active gets it.
  if (Screen)
    if (TCustomForm* active = Screen->ActiveForm())
      if (TFormWindow* w = Find(*active)) TakeKeyboard(w->Window());
}

void TSdlBackend::TakeKeyboard(SDL_Window* window) {
  if (SDL_GetKeyboardFocus() == window) return;
  SDL_RaiseWindow(window);
  SDL_SetWindowInputFocus(window);
}

void TSdlBackend::FormPainted(TCustomForm& form, const TRect& rect) {
  if (TFormWindow* w = Find(form)) w->Present(rect);
  if (drop_ && &drop_->Owner() == &form && !IntersectRect(rect, drop_->WindowRect()).IsEmpty()) dropDirty_ = true;
}

std::string TSdlBackend::ClipboardText() const {
  char* text = SDL_GetClipboardText();
  std::string out = text ? text : "";
  SDL_free(text);
  return out;
}

void TSdlBackend::SetClipboardText(const std::string& text) { SDL_SetClipboardText(text.c_str()); }

void TSdlBackend::Refresh() {
  for (size_t i = 0; i < windows_.size(); ++i) {
    windows_[i]->SyncFromForm();
    windows_[i]->Form().UpdateWindow();
  }
  TControl* list = nullptr;
  TCustomForm* owner = nullptr;
  for (auto it = windows_.rbegin(); it != windows_.rend() && !list; ++it)
    if ((list = FindDropList((*it)->Form()))) owner = &(*it)->Form();
  if (!list) {
    drop_.reset();
  } else if (!drop_ || &drop_->Owner() != owner) {
    drop_.reset();
    drop_ = std::make_unique<TDropWindow>(*owner, *list);
  } else {
    drop_->Update(*list, dropDirty_);
  }
  dropDirty_ = false;
}

bool TSdlBackend::NextEvent(TInputEvent& event) {
  for (;;) {
    if (!pending_.empty()) {
      event = std::move(pending_.front());
      pending_.pop_front();
      return true;
    }
    SDL_Event e;
    if (SDL_PollEvent(&e)) {
      Translate(e);
      continue;
    }
    Refresh();
    if (SDL_PollEvent(&e)) {
      Translate(e);
      continue;
    }
    if (idle_) {
      idle_();
      Refresh();  // what the handler changed is shown before the loop sleeps
      if (!pending_.empty()) continue;
      if (SDL_PollEvent(&e)) {
        Translate(e);
        continue;
      }
    }
    // Nothing shown or the program ends: no input will come.
    if (windows_.empty() || (Application && Application->Terminated())) return false;
    ++waits_;
    // While a caret is shown the wait ends in time to blink it.
    if (blinkMs_ > 0 && CaretOwner()) {
      if (SDL_WaitEventTimeout(&e, blinkMs_)) Translate(e);
      else BlinkCaret();
      continue;
    }
    if (!SDL_WaitEvent(&e)) return false;
    Translate(e);
  }
}

void TSdlBackend::Translate(const SDL_Event& e) {
  switch (e.type) {
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const bool motion = e.type == SDL_MOUSEMOTION;
      const Uint32 id = motion ? e.motion.windowID : e.button.windowID;
      if ((motion ? e.motion.which : e.button.which) == SDL_TOUCH_MOUSEID) return;
      TInputEvent ie;
      if (!motion && !MouseButton(e.button.button, ie.Button)) return;
      TCustomForm* form = InputForm(id);
      if (!form) {
        if (e.type == SDL_MOUSEBUTTONDOWN) RaiseModal();
        return;
      }
      const int x = motion ? e.motion.x : e.button.x, y = motion ? e.motion.y : e.button.y;
      if (drop_ && id == drop_->Id()) {
        ie.Pos = drop_->ToOwnerClient(x, y);
      } else {
        const TRect area = form->WindowClientArea();
        ie.Pos = Point(x - area.Left, y - area.Top);
      }
      ie.Kind = motion ? K::MouseMove : e.type == SDL_MOUSEBUTTONDOWN ? K::MouseDown : K::MouseUp;
      // The form adds the button of a press itself; a move carries the buttons held.
      ie.Shift = ModifierState(static_cast<Uint16>(SDL_GetModState())) + (motion ? ButtonState(e.motion.state) : TShiftState{});
      if (ie.Kind == K::MouseDown) {
        if (e.button.clicks >= 2) ie.Shift.Include(ssDouble);
        if (Screen->ActiveForm() != form && form->Visible() && form->Enabled()) form->SetFocus();
        // A click gives the window the keyboard, as a window manager would.
        if (!drop_ || id != drop_->Id())
          if (TFormWindow* w = Find(id)) TakeKeyboard(w->Window());
      }
      Post(ie, form);
      return;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const Word vk = VirtualKey(e.key.keysym.sym);
      if (!vk) return;
      TCustomForm* form = nullptr;
      if (e.key.windowID != 0 && !(form = InputForm(e.key.windowID))) return;
      TInputEvent ie;
      ie.Kind = e.type == SDL_KEYDOWN ? K::KeyDown : K::KeyUp;
      ie.Key = vk;
      ie.Shift = ModifierState(e.key.keysym.mod);
      Post(ie, form);
      if (e.type == SDL_KEYUP) return;
      lastKey_ = vk;
      // SDL types no text for these keys; the host's controls expect their characters.
      if (vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_BACK || vk == VK_TAB)
        if (const char32_t ch = KeyToChar(vk, ie.Shift)) {
          TInputEvent ce;
          ce.Kind = K::Char;
          ce.Char = ch;
          ce.Key = vk;
          ce.Shift = ie.Shift;
          Post(ce, form);
          lastKey_ = 0;
        }
      return;
    }
    case SDL_TEXTINPUT: {
      TCustomForm* form = nullptr;
      if (e.text.windowID != 0 && !(form = InputForm(e.text.windowID))) return;
      const std::string_view text(e.text.text);
      for (size_t pos = 0; pos < text.size();) {
        TInputEvent ce;
        ce.Kind = K::Char;
        ce.Char = NextCodePoint(text, pos);
        // The key that typed it, so that a key taken as a dialog key types nothing.
        ce.Key = lastKey_;
        ce.Shift = ModifierState(static_cast<Uint16>(SDL_GetModState()));
        lastKey_ = 0;
        Post(ce, form);
      }
      return;
    }
    case SDL_MOUSEWHEEL: {
      TCustomForm* form = InputForm(e.wheel.windowID);
      if (!form || e.wheel.y == 0 || e.wheel.which == SDL_TOUCH_MOUSEID) return;
      TInputEvent ie;
      ie.Kind = K::Wheel;
      ie.WheelDelta = (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y) * WHEEL_DELTA;
      if (drop_ && e.wheel.windowID == drop_->Id()) {
        ie.Pos = drop_->ToOwnerClient(e.wheel.mouseX, e.wheel.mouseY);
      } else {
        const TRect area = form->WindowClientArea();
        ie.Pos = Point(e.wheel.mouseX - area.Left, e.wheel.mouseY - area.Top);
      }
      ie.Shift = ModifierState(static_cast<Uint16>(SDL_GetModState()));
      Post(ie, form);
      return;
    }
    case SDL_WINDOWEVENT: WindowEvent(e.window); return;
    case SDL_QUIT: {
      // A signal asks the program to end: the loops see Terminated and take no more input.
      if (Application) Application->Terminate();
      TInputEvent ce;
      ce.Kind = K::Close;
      Post(ce, nullptr);
      return;
    }
    default: return;
  }
}

void TSdlBackend::WindowEvent(const SDL_WindowEvent& w) {
  if (drop_ && w.windowID == drop_->Id()) {
    if (w.event == SDL_WINDOWEVENT_EXPOSED) drop_->PresentAll();
    return;
  }
  TFormWindow* fw = Find(w.windowID);
  if (!fw) return;
  switch (w.event) {
    case SDL_WINDOWEVENT_EXPOSED: fw->PresentAll(); break;
    case SDL_WINDOWEVENT_MOVED: fw->Moved(w.data1, w.data2); break;
    case SDL_WINDOWEVENT_SIZE_CHANGED: fw->Resized(w.data1, w.data2); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      if (TCustomForm* form = InputForm(w.windowID)) {
        if (Screen->ActiveForm() != form && form->Visible() && form->Enabled()) form->SetFocus();
      } else {
        RaiseModal();
      }
      break;
    case SDL_WINDOWEVENT_CLOSE:
      if (TCustomForm* form = InputForm(w.windowID)) {
        TInputEvent ce;
        ce.Kind = K::Close;
        Post(ce, form);
      } else {
        RaiseModal();
      }
      break;
    default: break;
  }
}

}  // namespace host::sdl

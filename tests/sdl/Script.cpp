#include "Script.h"

#include <algorithm>
#include <cstdio>

#include "host/forms/Backend.h"
#include "host/sdl/SdlKeys.h"

namespace sdltest {

using namespace host;

TStep MoveTo(TPoint p) { return TStep{TStep::TKind::Move, p, 0, {}}; }
TStep ClickAt(TPoint p) { return TStep{TStep::TKind::Click, p, 0, {}}; }
TStep PressAt(TPoint p) { return TStep{TStep::TKind::Down, p, 0, {}}; }
TStep ReleaseAt(TPoint p) { return TStep{TStep::TKind::Up, p, 0, {}}; }
TStep Press(Word key, TShiftState shift) { return TStep{TStep::TKind::Key, {}, key, shift}; }

TStep ClickOn(const TControl& c) {
  const TRect v = c.VisibleWindowRect();
  return ClickAt(Point((v.Left + v.Right) / 2, (v.Top + v.Bottom) / 2));
}

void RunHeadless(const TCustomForm& form, const std::vector<TStep>& steps) {
  THeadlessBackend& b = *Application->Headless();
  const TRect area = form.WindowClientArea();
  for (const TStep& s : steps) {
    const TPoint client = Point(s.Pos.X - area.Left, s.Pos.Y - area.Top);
    switch (s.Kind) {
      case TStep::TKind::Move: b.MouseMove(client); break;
      case TStep::TKind::Click:
        b.MouseMove(client);
        b.Click(client);
        break;
      case TStep::TKind::Key: b.PressKey(s.Key, s.Shift); break;
      case TStep::TKind::Down: b.MouseDown(client); break;
      case TStep::TKind::Up: b.MouseUp(client); break;
    }
  }
  Application->ProcessMessages();
}

namespace {

void Push(SDL_Event& e) {
  e.common.timestamp = SDL_GetTicks();
  SDL_PushEvent(&e);
}

void PushMouse(Uint32 type, Uint32 id, TPoint p) {
  SDL_Event e{};
  e.type = type;
  if (type == SDL_MOUSEMOTION) {
    e.motion.windowID = id;
    e.motion.x = p.X;
    e.motion.y = p.Y;
  } else {
    e.button.windowID = id;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.clicks = 1;
    e.button.x = p.X;
    e.button.y = p.Y;
  }
  Push(e);
}

void PushKey(Uint32 id, Word vk, TShiftState shift) {
  Uint16 mod = 0;
  if (shift.Contains(ssShift)) mod |= KMOD_LSHIFT;
  if (shift.Contains(ssCtrl)) mod |= KMOD_LCTRL;
  if (shift.Contains(ssAlt)) mod |= KMOD_LALT;
  const SDL_Keycode sym = sdl::SdlKey(vk);
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.windowID = id;
  e.key.state = SDL_PRESSED;
  e.key.keysym.sym = sym;
  e.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
  e.key.keysym.mod = mod;
  Push(e);
  // SDL types printable characters as text input, right after the key.
  const char32_t ch = KeyToChar(vk, shift);
  if (ch >= 32 && ch < 127) {
    SDL_Event t{};
    t.type = SDL_TEXTINPUT;
    t.text.windowID = id;
    t.text.text[0] = static_cast<char>(ch);
    Push(t);
  }
  e.type = SDL_KEYUP;
  e.key.state = SDL_RELEASED;
  Push(e);
}

}  // namespace

void PushSdl(SDL_Window* window, const TCustomForm&, const std::vector<TStep>& steps) {
  const Uint32 id = SDL_GetWindowID(window);
  for (const TStep& s : steps) {
    switch (s.Kind) {
      case TStep::TKind::Move: PushMouse(SDL_MOUSEMOTION, id, s.Pos); break;
      case TStep::TKind::Click:
        PushMouse(SDL_MOUSEMOTION, id, s.Pos);
        PushMouse(SDL_MOUSEBUTTONDOWN, id, s.Pos);
        PushMouse(SDL_MOUSEBUTTONUP, id, s.Pos);
        break;
      case TStep::TKind::Key: PushKey(id, s.Key, s.Shift); break;
      case TStep::TKind::Down: PushMouse(SDL_MOUSEBUTTONDOWN, id, s.Pos); break;
      case TStep::TKind::Up: PushMouse(SDL_MOUSEBUTTONUP, id, s.Pos); break;
    }
  }
}

void PushClose(SDL_Window* window) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_CLOSE;
  e.window.windowID = SDL_GetWindowID(window);
  Push(e);
}

TPixels PictureOf(const TBitmap& b) {
  TPixels p{b.Width(), b.Height(), {}};
  p.Pixels.reserve(static_cast<size_t>(b.Width() * b.Height()));
  for (Integer y = 0; y < b.Height(); ++y)
    for (Integer x = 0; x < b.Width(); ++x) p.Pixels.push_back(0xFF000000u | (b.Pixel(x, y) & 0xFFFFFF));
  return p;
}

TPixels Crop(const TPixels& p, const TRect& rect) {
  const TRect r = IntersectRect(rect, Rect(0, 0, p.Width, p.Height));
  TPixels out{std::max<Integer>(r.Width(), 0), std::max<Integer>(r.Height(), 0), {}};
  for (Integer y = r.Top; y < r.Bottom; ++y)
    for (Integer x = r.Left; x < r.Right; ++x) out.Pixels.push_back(p.At(x, y));
  return out;
}

void SavePicture(const TPixels& p, const std::string& fileName) {
  TBitmap b(p.Width, p.Height);
  for (Integer y = 0; y < p.Height; ++y)
    for (Integer x = 0; x < p.Width; ++x) b.SetPixel(x, y, p.At(x, y));
  b.SaveToFile(fileName);
}

std::string PictureDifference(const TPixels& a, const TPixels& b) {
  if (a.Width != b.Width || a.Height != b.Height)
    return "size " + std::to_string(a.Width) + "x" + std::to_string(a.Height) + " expected, " +
           std::to_string(b.Width) + "x" + std::to_string(b.Height) + " shown";
  long count = 0;
  std::string first;
  for (Integer y = 0; y < a.Height; ++y)
    for (Integer x = 0; x < a.Width; ++x)
      if ((a.At(x, y) & 0xFFFFFF) != (b.At(x, y) & 0xFFFFFF) && count++ == 0) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "first at (%d, %d): %06X expected, %06X shown", static_cast<int>(x),
                      static_cast<int>(y), a.At(x, y) & 0xFFFFFF, b.At(x, y) & 0xFFFFFF);
        first = buf;
      }
  return count ? std::to_string(count) + " pixels differ, " + first : "";
}

}  // namespace sdltest

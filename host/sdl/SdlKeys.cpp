#include "SdlKeys.h"

#include <array>
#include <utility>

namespace host::sdl {

namespace {

// Keys outside the letter and digit ranges, which map by arithmetic.
constexpr std::array<std::pair<SDL_Keycode, Word>, 46> kKeys{{
    {SDLK_BACKSPACE, VK_BACK},  {SDLK_TAB, VK_TAB},        {SDLK_CLEAR, VK_CLEAR},
    {SDLK_RETURN, VK_RETURN},   {SDLK_KP_ENTER, VK_RETURN}, {SDLK_LSHIFT, VK_SHIFT},
    {SDLK_RSHIFT, VK_SHIFT},    {SDLK_LCTRL, VK_CONTROL},  {SDLK_RCTRL, VK_CONTROL},
    {SDLK_LALT, VK_MENU},       {SDLK_RALT, VK_MENU},      {SDLK_PAUSE, VK_PAUSE},
    {SDLK_CAPSLOCK, VK_CAPITAL}, {SDLK_ESCAPE, VK_ESCAPE}, {SDLK_SPACE, VK_SPACE},
    {SDLK_PAGEUP, VK_PRIOR},    {SDLK_PAGEDOWN, VK_NEXT},  {SDLK_END, VK_END},
    {SDLK_HOME, VK_HOME},       {SDLK_LEFT, VK_LEFT},      {SDLK_UP, VK_UP},
    {SDLK_RIGHT, VK_RIGHT},     {SDLK_DOWN, VK_DOWN},      {SDLK_SELECT, VK_SELECT},
    {SDLK_EXECUTE, VK_EXECUTE}, {SDLK_INSERT, VK_INSERT},  {SDLK_DELETE, VK_DELETE},
    {SDLK_HELP, VK_HELP},       {SDLK_CANCEL, VK_CANCEL},  {SDLK_F1, VK_F1},
    {SDLK_F2, VK_F2},           {SDLK_F3, VK_F3},          {SDLK_F4, VK_F4},
    {SDLK_F5, VK_F5},           {SDLK_F6, VK_F6},          {SDLK_F7, VK_F7},
    {SDLK_F8, VK_F8},           {SDLK_F9, VK_F9},          {SDLK_F10, VK_F10},
    {SDLK_F11, VK_F11},         {SDLK_F12, VK_F12},        {SDLK_KP_PLUS, 0x6B},
    {SDLK_KP_MINUS, 0x6D},      {SDLK_KP_MULTIPLY, 0x6A},  {SDLK_KP_DIVIDE, 0x6F},
    {SDLK_KP_PERIOD, 0x6E},
}};

}  // namespace

Word VirtualKey(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<Word>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<Word>('0' + (key - SDLK_0));
  // The keypad digits are VK_NUMPAD0..9; SDL orders them 1..9, 0.
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return static_cast<Word>(0x61 + (key - SDLK_KP_1));
  if (key == SDLK_KP_0) return 0x60;
  for (const auto& [sdl, vk] : kKeys)
    if (sdl == key) return vk;
  return 0;
}

SDL_Keycode SdlKey(Word key) {
  if (key >= 'A' && key <= 'Z') return SDLK_a + (key - 'A');
  if (key >= '0' && key <= '9') return SDLK_0 + (key - '0');
  if (key >= 0x61 && key <= 0x69) return SDLK_KP_1 + (key - 0x61);
  if (key == 0x60) return SDLK_KP_0;
  for (const auto& [sdl, vk] : kKeys)
    if (vk == key) return sdl;
  return SDLK_UNKNOWN;
}

TShiftState ModifierState(Uint16 mod) {
  TShiftState s;
  if (mod & KMOD_SHIFT) s.Include(ssShift);
  if (mod & KMOD_CTRL) s.Include(ssCtrl);
  if (mod & KMOD_ALT) s.Include(ssAlt);
  return s;
}

TShiftState ButtonState(Uint32 buttons) {
  TShiftState s;
  if (buttons & SDL_BUTTON_LMASK) s.Include(ssLeft);
  if (buttons & SDL_BUTTON_RMASK) s.Include(ssRight);
  if (buttons & SDL_BUTTON_MMASK) s.Include(ssMiddle);
  return s;
}

bool MouseButton(Uint8 sdlButton, TMouseButton& button) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: button = mbLeft; return true;
    case SDL_BUTTON_RIGHT: button = mbRight; return true;
    case SDL_BUTTON_MIDDLE: button = mbMiddle; return true;
    default: return false;
  }
}

}  // namespace host::sdl

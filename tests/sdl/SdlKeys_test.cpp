// SDL's keys, modifiers and buttons in the host's terms (needs no display).
#include <gtest/gtest.h>

#include "host/sdl/SdlKeys.h"

using namespace host;
using namespace host::sdl;

TEST(SdlKeys, LettersDigitsAndNamedKeysMapToVirtualKeys) {
  EXPECT_EQ(VirtualKey(SDLK_a), 'A');
  EXPECT_EQ(VirtualKey(SDLK_z), 'Z');
  EXPECT_EQ(VirtualKey(SDLK_0), '0');
  EXPECT_EQ(VirtualKey(SDLK_9), '9');
  EXPECT_EQ(VirtualKey(SDLK_RETURN), VK_RETURN);
  EXPECT_EQ(VirtualKey(SDLK_KP_ENTER), VK_RETURN);
  EXPECT_EQ(VirtualKey(SDLK_ESCAPE), VK_ESCAPE);
  EXPECT_EQ(VirtualKey(SDLK_TAB), VK_TAB);
  EXPECT_EQ(VirtualKey(SDLK_SPACE), VK_SPACE);
  EXPECT_EQ(VirtualKey(SDLK_BACKSPACE), VK_BACK);
  EXPECT_EQ(VirtualKey(SDLK_LEFT), VK_LEFT);
  EXPECT_EQ(VirtualKey(SDLK_RIGHT), VK_RIGHT);
  EXPECT_EQ(VirtualKey(SDLK_UP), VK_UP);
  EXPECT_EQ(VirtualKey(SDLK_DOWN), VK_DOWN);
  EXPECT_EQ(VirtualKey(SDLK_PAGEUP), VK_PRIOR);
  EXPECT_EQ(VirtualKey(SDLK_PAGEDOWN), VK_NEXT);
  EXPECT_EQ(VirtualKey(SDLK_F1), VK_F1);
  EXPECT_EQ(VirtualKey(SDLK_F4), VK_F4);
  EXPECT_EQ(VirtualKey(SDLK_F12), VK_F12);
  EXPECT_EQ(VirtualKey(SDLK_LSHIFT), VK_SHIFT);
  EXPECT_EQ(VirtualKey(SDLK_RCTRL), VK_CONTROL);
  EXPECT_EQ(VirtualKey(SDLK_LALT), VK_MENU);
  EXPECT_EQ(VirtualKey(SDLK_KP_0), 0x60);
  EXPECT_EQ(VirtualKey(SDLK_KP_9), 0x69);
  EXPECT_EQ(VirtualKey(SDLK_UNKNOWN), 0);
  EXPECT_EQ(VirtualKey(SDLK_APPLICATION), 0);
}

TEST(SdlKeys, EveryVirtualKeyOfTheTableMapsBack) {
  for (Word vk : {Word('A'), Word('Q'), Word('7'), VK_RETURN, VK_ESCAPE, VK_TAB, VK_SPACE, VK_BACK, VK_LEFT, VK_DOWN,
                  VK_HOME, VK_END, VK_DELETE, VK_INSERT, VK_F5, VK_F10, VK_PRIOR, VK_NEXT, Word(0x60), Word(0x65)})
    EXPECT_EQ(VirtualKey(SdlKey(vk)), vk) << "key " << vk;
  EXPECT_EQ(SdlKey(0xFF), SDLK_UNKNOWN);
}

TEST(SdlKeys, ModifiersAndButtons) {
  EXPECT_EQ(ModifierState(KMOD_NONE), TShiftState{});
  EXPECT_EQ(ModifierState(KMOD_RSHIFT | KMOD_LCTRL), (TShiftState{ssShift, ssCtrl}));
  EXPECT_EQ(ModifierState(KMOD_RALT | KMOD_NUM | KMOD_CAPS), TShiftState{ssAlt});
  EXPECT_EQ(ButtonState(SDL_BUTTON_LMASK | SDL_BUTTON_MMASK), (TShiftState{ssLeft, ssMiddle}));
  EXPECT_EQ(ButtonState(SDL_BUTTON_RMASK), TShiftState{ssRight});
  TMouseButton b = mbMiddle;
  EXPECT_TRUE(MouseButton(SDL_BUTTON_LEFT, b));
  EXPECT_EQ(b, mbLeft);
  EXPECT_TRUE(MouseButton(SDL_BUTTON_RIGHT, b));
  EXPECT_EQ(b, mbRight);
  EXPECT_FALSE(MouseButton(SDL_BUTTON_X1, b));
  EXPECT_EQ(b, mbRight);
}

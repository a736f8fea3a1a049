// Input given the same way to a headless run and to a live window: through the headless
// backend's queue, or as the SDL events a person's mouse and keyboard make.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "host/forms/Forms.h"

namespace sdltest {

struct TStep {
  enum class TKind { Move, Click, Key, Down, Up };
  TKind Kind = TKind::Key;
  host::TPoint Pos;  // window pixels of the form
  host::Word Key = 0;
  host::TShiftState Shift;
};

TStep MoveTo(host::TPoint windowPos);
TStep ClickAt(host::TPoint windowPos);
// The left button pressed or released at a point.
TStep PressAt(host::TPoint windowPos);
TStep ReleaseAt(host::TPoint windowPos);
// A click in the middle of a control.
TStep ClickOn(const host::TControl& control);
TStep Press(host::Word key, host::TShiftState shift = {});

// Runs the steps through the headless backend (which must be the application's) on
// the active form, to the end of the input.
void RunHeadless(const host::TCustomForm& form, const std::vector<TStep>& steps);
// Pushes the steps as SDL events meant for the window.
void PushSdl(SDL_Window* window, const host::TCustomForm& form, const std::vector<TStep>& steps);
// Pushes the window manager's close request for the window.
void PushClose(SDL_Window* window);

// Pixels by value (a bitmap is not copied), opaque ARGB.
struct TPixels {
  host::Integer Width = 0;
  host::Integer Height = 0;
  std::vector<std::uint32_t> Pixels;
  std::uint32_t At(host::Integer x, host::Integer y) const { return Pixels[static_cast<size_t>(y * Width + x)]; }
};
TPixels PictureOf(const host::TBitmap& bitmap);
// The part of a picture inside rect.
TPixels Crop(const TPixels& picture, const host::TRect& rect);
void SavePicture(const TPixels& picture, const std::string& fileName);

// Empty when both pictures have the same size and colours; else what differs.
std::string PictureDifference(const TPixels& expected, const TPixels& actual);

}  // namespace sdltest

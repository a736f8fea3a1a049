// The application loop's source of input and its screen. The headless backend, the
// default, takes input queued by code; a live window backend implements the same
// interface.
#pragma once

#include <deque>
#include <string>

#include "host/controls/Messages.h"
#include "host/core/Types.h"

namespace host {

class TCustomForm;

struct TInputEvent {
  // Close: the window's close button (a live window backend sends it).
  enum class TKind { MouseDown, MouseUp, MouseMove, KeyDown, KeyUp, Char, ClickControl, Close, Wheel };
  TKind Kind = TKind::MouseMove;
  TMouseButton Button = mbLeft;
  TShiftState Shift;
  TPoint Pos;           // client coordinates of the form
  Word Key = 0;         // virtual key
  char32_t Char = 0;    // character typed
  Integer WheelDelta = 0;  // Wheel: WHEEL_DELTA per notch, positive away from the user
  std::string Path;     // ClickControl: names from the form down, joined by dots
  TCustomForm* Form = nullptr;  // the form it is meant for; nullptr: the active form
};

class TBackend {
 public:
  virtual ~TBackend() = default;
  virtual TPoint ScreenSize() const = 0;
  // The next input event; false when there is none (and, headless, none will come).
  virtual bool NextEvent(TInputEvent& event) = 0;
  // Whether the loop should paint shown forms after input (a live screen wants it).
  virtual bool ShowsPixels() const { return false; }
  // A top-level form was shown, repainted in part, or hidden.
  virtual void FormShown(TCustomForm&) {}
  virtual void FormPainted(TCustomForm&, const TRect&) {}
  virtual void FormHidden(TCustomForm&) {}
  // The clipboard's text; by default one kept in the process.
  virtual std::string ClipboardText() const { return clipboard_; }
  virtual void SetClipboardText(const std::string& text) { clipboard_ = text; }

 private:
  std::string clipboard_;
};

// Input queued by code, handed out in order; nothing is ever shown.
class THeadlessBackend : public TBackend {
 public:
  explicit THeadlessBackend(TPoint screenSize = Point(1024, 768)) : screen_(screenSize) {}
  TPoint ScreenSize() const override { return screen_; }
  void SetScreenSize(TPoint size) { screen_ = size; }
  bool NextEvent(TInputEvent& event) override;

  // A left click (press and release) in the middle of a control, found when the
  // event is handled by its name path from the form, e.g. "Panel1.OKButton" or
  // "Zelvant1.NextButton" (each name is looked up among the components owned by the
  // previous one, then among its child controls).
  void ClickControl(const std::string& namePath, TMouseButton button = mbLeft, TShiftState shift = {});
  // Key down, the character it types (if any) and key up.
  void PressKey(Word key, TShiftState shift = {});
  void KeyDown(Word key, TShiftState shift = {});
  void KeyUp(Word key, TShiftState shift = {});
  // Each character of UTF-8 text as typed.
  void TypeText(const std::string& text);
  // Mouse input at a point of the form's client area.
  void MouseDown(TPoint pos, TMouseButton button = mbLeft, TShiftState shift = {});
  void MouseUp(TPoint pos, TMouseButton button = mbLeft, TShiftState shift = {});
  void MouseMove(TPoint pos, TShiftState shift = {});
  void Click(TPoint pos, TMouseButton button = mbLeft, TShiftState shift = {});
  // The wheel turned by notches (positive away from the user) with the mouse at pos.
  void Wheel(TPoint pos, Integer notches, TShiftState shift = {});
  void Post(const TInputEvent& event) { queue_.push_back(event); }

  size_t Pending() const { return queue_.size(); }
  void Clear() { queue_.clear(); }

 private:
  TPoint screen_;
  std::deque<TInputEvent> queue_;
};

// The character a key types without modifiers, or 0.
char32_t KeyToChar(Word key, TShiftState shift);

}  // namespace host

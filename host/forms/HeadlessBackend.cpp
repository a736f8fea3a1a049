#include "host/forms/Backend.h"
#include "host/core/Utf8.h"

namespace host {

bool THeadlessBackend::NextEvent(TInputEvent& event) {
  if (queue_.empty()) return false;
  event = std::move(queue_.front());
  queue_.pop_front();
  return true;
}

void THeadlessBackend::ClickControl(const std::string& namePath, TMouseButton button, TShiftState shift) {
  TInputEvent e;
  e.Kind = TInputEvent::TKind::ClickControl;
  e.Path = namePath;
  e.Button = button;
  e.Shift = shift;
  queue_.push_back(e);
}

char32_t KeyToChar(Word key, TShiftState shift) {
  if (shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return 0;
  if (key >= 'A' && key <= 'Z') return shift.Contains(ssShift) ? key : key + ('a' - 'A');
  if (key >= '0' && key <= '9') return key;
  switch (key) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return 27;
    case VK_BACK: return 8;
    case VK_TAB: return '\t';
    default: return 0;
  }
}

void THeadlessBackend::KeyDown(Word key, TShiftState shift) {
  TInputEvent e;
  e.Kind = TInputEvent::TKind::KeyDown;
  e.Key = key;
  e.Shift = shift;
  queue_.push_back(e);
}

void THeadlessBackend::KeyUp(Word key, TShiftState shift) {
  TInputEvent e;
  e.Kind = TInputEvent::TKind::KeyUp;
  e.Key = key;
  e.Shift = shift;
  queue_.push_back(e);
}

void THeadlessBackend::PressKey(Word key, TShiftState shift) {
  KeyDown(key, shift);
  if (char32_t ch = KeyToChar(key, shift)) {
    TInputEvent e;
    e.Kind = TInputEvent::TKind::Char;
    e.Char = ch;
    e.Shift = shift;
    e.Key = key;
    queue_.push_back(e);
  }
  KeyUp(key, shift);
}

void THeadlessBackend::TypeText(const std::string& text) {
  for (size_t pos = 0; pos < text.size();) {
    const char32_t ch = NextCodePoint(text, pos);
    Word key = 0;
    TShiftState shift;
    if (ch >= 'a' && ch <= 'z') key = static_cast<Word>(ch - 'a' + 'A');
    else if (ch >= 'A' && ch <= 'Z') { key = static_cast<Word>(ch); shift.Include(ssShift); }
    else if ((ch >= '0' && ch <= '9') || ch == ' ') key = static_cast<Word>(ch);
    if (key) KeyDown(key, shift);
    TInputEvent e;
    e.Kind = TInputEvent::TKind::Char;
    e.Char = ch;
    e.Shift = shift;
    queue_.push_back(e);
    if (key) KeyUp(key, shift);
  }
}

void THeadlessBackend::MouseDown(TPoint pos, TMouseButton button, TShiftState shift) {
  TInputEvent e;
  e.Kind = TInputEvent::TKind::MouseDown;
  e.Pos = pos;
  e.Button = button;
  e.Shift = shift;
  queue_.push_back(e);
}

void THeadlessBackend::MouseUp(TPoint pos, TMouseButton button, TShiftState shift) {
  TInputEvent e;
  e.Kind = TInputEvent::TKind::MouseUp;
  e.Pos = pos;
  e.Button = button;
  e.Shift = shift;
  queue_.push_back(e);
}

void THeadlessBackend::MouseMove(TPoint pos, TShiftState shift) {
  TInputEvent e;
  e.Kind = TInputEvent::TKind::MouseMove;
  e.Pos = pos;
  e.Shift = shift;
  queue_.push_back(e);
}

void THeadlessBackend::Click(TPoint pos, TMouseButton button, TShiftState shift) {
  MouseDown(pos, button, shift);
  MouseUp(pos, button, shift);
}

void THeadlessBackend::Wheel(TPoint pos, Integer notches, TShiftState shift) {
  TInputEvent e;
  e.Kind = TInputEvent::TKind::Wheel;
  e.Pos = pos;
  e.WheelDelta = notches * WHEEL_DELTA;
  e.Shift = shift;
  queue_.push_back(e);
}

}  // namespace host

// The message path of controls: Perform -> WndProc -> Dispatch -> handler method.
#include <algorithm>

#include "host/controls/Controls.h"

namespace host {

TShiftState KeysToShiftState(NativeInt keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s.Include(ssShift);
  if (keys & MK_CONTROL) s.Include(ssCtrl);
  if (keys & MK_ALT) s.Include(ssAlt);
  if (keys & MK_LBUTTON) s.Include(ssLeft);
  if (keys & MK_RBUTTON) s.Include(ssRight);
  if (keys & MK_MBUTTON) s.Include(ssMiddle);
  return s;
}

NativeInt ShiftStateToKeys(TShiftState shift) {
  NativeInt k = 0;
  if (shift.Contains(ssShift)) k |= MK_SHIFT;
  if (shift.Contains(ssCtrl)) k |= MK_CONTROL;
  if (shift.Contains(ssAlt)) k |= MK_ALT;
  if (shift.Contains(ssLeft)) k |= MK_LBUTTON;
  if (shift.Contains(ssRight)) k |= MK_RBUTTON;
  if (shift.Contains(ssMiddle)) k |= MK_MBUTTON;
  return k;
}

namespace {

bool IsInputMessage(Cardinal msg) {
  return (msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONUP) || (msg >= WM_KEYDOWN && msg <= WM_CHAR);
}

}  // namespace

NativeInt TControl::Perform(Cardinal msg, NativeInt wParam, NativeInt lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WndProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& message) {
  // Input for a control in design mode goes to the form's designer first.
  if (ComponentState().Contains(csDesigning) && IsInputMessage(message.Msg)) {
    IWindowHost* form = WindowHost();
    if (form && form->Designer() && form->Designer()->IsDesignMsg(this, message)) return;
  }
  Dispatch(message);
}

void TControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: {
      TWMMouse d{m.Msg, m.WParam, LParamX(m.LParam), LParamY(m.LParam), 0};
      WMMouse(d);
      m.Result = d.Result;
      break;
    }
    case WM_MOUSEWHEEL: {
      TWMMouseWheel d{m.Msg, m.WParam & 0xFFFF, LParamY(m.WParam), LParamX(m.LParam), LParamY(m.LParam), 0};
      WMMouseWheel(d);
      m.Result = d.Result;
      break;
    }
    case CM_DESIGNHITTEST: {
      TCMDesignHitTest d{m.Msg, m.WParam, LParamX(m.LParam), LParamY(m.LParam), 0};
      CMDesignHitTest(d);
      m.Result = d.Result;
      break;
    }
    case CM_ENABLEDCHANGED: CMEnabledChanged(m); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(m); break;
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    case CM_FONTCHANGED: CMFontChanged(m); break;
    case CM_COLORCHANGED: CMColorChanged(m); break;
    default: DefaultHandler(m);
  }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::WMMouse(TWMMouse& m) {
  const TShiftState shift = KeysToShiftState(m.Keys);
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (controlStyle_.Contains(csClickEvents)) controlState_.Include(csClicked);
      controlState_.Include(csLButtonDown);
      if (m.Msg == WM_LBUTTONDBLCLK) DblClick();
      MouseDown(mbLeft, shift, m.XPos, m.YPos);
      break;
    case WM_LBUTTONUP: {
      const bool clicked = controlState_.Contains(csClicked);
      controlState_.Exclude(csClicked).Exclude(csLButtonDown);
      // The click comes first, then the mouse-up event, as with the classic buttons.
      if (clicked && GetClientRect().Contains(Point(m.XPos, m.YPos))) Click();
      MouseUp(mbLeft, shift, m.XPos, m.YPos);
      break;
    }
    case WM_RBUTTONDOWN: MouseDown(mbRight, shift, m.XPos, m.YPos); break;
    case WM_RBUTTONUP: MouseUp(mbRight, shift, m.XPos, m.YPos); break;
    case WM_MBUTTONDOWN: MouseDown(mbMiddle, shift, m.XPos, m.YPos); break;
    case WM_MBUTTONUP: MouseUp(mbMiddle, shift, m.XPos, m.YPos); break;
    case WM_MOUSEMOVE: MouseMove(shift, m.XPos, m.YPos); break;
    default: break;
  }
}

void TControl::WMMouseWheel(TWMMouseWheel& m) {
  m.Result = DoMouseWheel(KeysToShiftState(m.Keys), m.WheelDelta, Point(m.XPos, m.YPos)) ? 1 : 0;
}

bool TControl::DoMouseWheel(TShiftState shift, Integer wheelDelta, TPoint mousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
  return handled;
}

void TControl::CMDesignHitTest(TCMDesignHitTest& m) { m.Result = 0; }
void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) {}
void TControl::CMTextChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }

void TWinControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_SIZE: {
      TWMSize d{m.Msg, m.WParam, LParamX(m.LParam), LParamY(m.LParam), 0};
      WMSize(d);
      m.Result = d.Result;
      break;
    }
    case WM_GETDLGCODE: {
      TWMGetDlgCode d{m.Msg, 0};
      WMGetDlgCode(d);
      m.Result = d.Result;
      break;
    }
    case WM_SETFOCUS: {
      TWMSetFocus d{m.Msg, reinterpret_cast<TWinControl*>(m.WParam), 0};
      WMSetFocus(d);
      m.Result = d.Result;
      break;
    }
    case WM_KILLFOCUS: {
      TWMKillFocus d{m.Msg, reinterpret_cast<TWinControl*>(m.WParam), 0};
      WMKillFocus(d);
      m.Result = d.Result;
      break;
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR: {
      TWMKey d{m.Msg, static_cast<Word>(m.WParam), m.LParam, 0};
      if (m.Msg == WM_KEYDOWN) WMKeyDown(d);
      else if (m.Msg == WM_KEYUP) WMKeyUp(d);
      else if (m.Msg == WM_CHAR) WMChar(d);
      else if (m.Msg == CM_DIALOGKEY) CMDialogKey(d);
      else CMDialogChar(d);
      m.Result = d.Result;
      break;
    }
    case CM_FOCUSCHANGED: CMFocusChanged(m); break;
    case CM_ENTER: CMEnter(m); break;
    case CM_EXIT: CMExit(m); break;
    default: TControl::Dispatch(m);
  }
}

void TWinControl::WMSize(TWMSize& m) {
  Resize();
  m.Result = 0;
}

void TWinControl::WMGetDlgCode(TWMGetDlgCode& m) { m.Result = 0; }
void TWinControl::WMSetFocus(TWMSetFocus&) { Invalidate(); }
void TWinControl::WMKillFocus(TWMKillFocus&) { Invalidate(); }

void TWinControl::WMKeyDown(TWMKey& m) {
  Word key = m.CharCode;
  KeyDown(key, KeyDataToShiftState(m.KeyData));
  m.Result = key == 0 ? 1 : 0;
}

void TWinControl::WMKeyUp(TWMKey& m) {
  Word key = m.CharCode;
  KeyUp(key, KeyDataToShiftState(m.KeyData));
  m.Result = key == 0 ? 1 : 0;
}

void TWinControl::WMChar(TWMKey& m) {
  char32_t ch = static_cast<char32_t>(m.CharCode);
  KeyPress(ch);
  m.Result = ch == 0 ? 1 : 0;
}

void TWinControl::CMDialogKey(TWMKey& m) {
  TMessage raw{m.Msg, m.CharCode, m.KeyData, 0};
  Broadcast(raw);
  m.Result = raw.Result;
}

void TWinControl::CMDialogChar(TWMKey& m) {
  TMessage raw{m.Msg, m.CharCode, m.KeyData, 0};
  Broadcast(raw);
  m.Result = raw.Result;
}

void TWinControl::CMFocusChanged(TMessage&) {}

namespace {
std::vector<TWinControl*>& Watchers() {
  static std::vector<TWinControl*> watchers;
  return watchers;
}
}  // namespace

const std::vector<TWinControl*>& TWinControl::FocusWatchers() { return Watchers(); }

void TWinControl::SetWatchesFocus(bool value) {
  if (watchesFocus_ == value) return;
  watchesFocus_ = value;
  auto& watchers = Watchers();
  if (value) watchers.push_back(this);
  else watchers.erase(std::find(watchers.begin(), watchers.end(), this));
}
void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }

void TWinControl::CMFontChanged(TMessage& m) {
  TControl::CMFontChanged(m);
  for (TControl* c : GraphicChildren()) c->ParentFontChanged();
  for (TControl* c : WinChildren()) c->ParentFontChanged();
}

void TWinControl::CMColorChanged(TMessage& m) {
  TControl::CMColorChanged(m);
  for (TControl* c : GraphicChildren()) c->ParentColorChanged();
  for (TControl* c : WinChildren()) c->ParentColorChanged();
}

void TWinControl::KeyDown(Word& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(Word& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::Resize() {
  if (OnResize) OnResize(this);
}

void TWinControl::Broadcast(TMessage& message) {
  // Copies: a handler may change the children.
  std::vector<TControl*> children(GraphicChildren().begin(), GraphicChildren().end());
  children.insert(children.end(), WinChildren().begin(), WinChildren().end());
  for (TControl* c : children) {
    c->WndProc(message);
    if (message.Result != 0) return;
  }
}

}  // namespace host

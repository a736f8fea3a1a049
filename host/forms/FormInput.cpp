// Input of a form: the mouse goes to the control under it (or the one that holds the
// capture), keys to the focused control after the dialog keys had their turn.
#include <cwctype>

#include "host/forms/Forms.h"

namespace host {

TControl* TCustomForm::InputTarget(TPoint windowPos) const {
  const TRect area = WindowClientArea();
  if (!area.Contains(windowPos)) return nullptr;
  const TWinControl* c = this;
  for (;;) {
    const TPoint o = c->WindowOrigin();
    const TRect a = c->WindowClientArea();
    TControl* child = c->ControlAtPos(Point(windowPos.X - o.X - a.Left, windowPos.Y - o.Y - a.Top), false);
    if (!child) return const_cast<TWinControl*>(c);
    if (!child->IsWinControl()) return child;
    c = static_cast<TWinControl*>(child);
  }
}

void TCustomForm::SendMouse(TControl* target, Cardinal msg, NativeInt keys, TPoint windowPos) {
  const TPoint o = target->WindowOrigin();
  const TRect a = target->WindowClientArea();
  target->Perform(msg, keys, PointToLParam(windowPos.X - o.X - a.Left, windowPos.Y - o.Y - a.Top));
}

void TCustomForm::HandleMouse(TMouseInput kind, TMouseButton button, TShiftState shift, TPoint clientPos) {
  if (!Enabled()) return;
  const TRect area = WindowClientArea();
  const TPoint wp = Point(clientPos.X + area.Left, clientPos.Y + area.Top);
  NativeInt keys = ShiftStateToKeys(shift);
  const NativeInt flag = button == mbLeft ? MK_LBUTTON : button == mbRight ? MK_RBUTTON : MK_MBUTTON;
  switch (kind) {
    case miDown: {
      TControl* target = capture_ ? capture_ : InputTarget(wp);
      if (!target) {
        if (button == mbLeft && CloseBoxRect().Contains(wp)) CloseRequest();
        return;
      }
      if (focused_ && target != focused_) {
        // The press may end a mode (an open list) and free what was under the mouse.
        focused_->Perform(CM_CANCELMODE, 0, reinterpret_cast<NativeInt>(target));
        if (!capture_ && !(target = InputTarget(wp))) return;
      }
      capture_ = target;
      // The second press of a double click comes as the double-click message.
      const Cardinal msg = button == mbLeft ? (shift.Contains(ssDouble) ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN)
                           : button == mbRight ? WM_RBUTTONDOWN
                                               : WM_MBUTTONDOWN;
      SendMouse(target, msg, keys | flag, wp);
      break;
    }
    case miUp: {
      TControl* target = capture_ ? capture_ : InputTarget(wp);
      capture_ = nullptr;
      if (!target) return;
      const Cardinal msg = button == mbLeft ? WM_LBUTTONUP : button == mbRight ? WM_RBUTTONUP : WM_MBUTTONUP;
      SendMouse(target, msg, keys & ~flag, wp);
      break;
    }
    case miMove: {
      TControl* target = capture_ ? capture_ : InputTarget(wp);
      if (target) SendMouse(target, WM_MOUSEMOVE, keys, wp);
      break;
    }
  }
}

bool TCustomForm::HandleKey(Word key, TShiftState shift, bool down) {
  TWinControl* target = focused_ ? focused_ : this;
  const NativeInt data = ShiftStateToKeyData(shift);
  if (!down) {
    target->Perform(WM_KEYUP, key, data);
    return true;
  }
  if (keyPreview_ && target != this) {
    Word k = key;
    KeyDown(k, shift);
    if (k == 0) return false;
  }
  if (!target->ComponentState().Contains(csDesigning)) {
    NativeInt mask = 0;
    switch (key) {
      case VK_TAB: mask = DLGC_WANTTAB; break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN: mask = DLGC_WANTARROWS; break;
      case VK_RETURN:
      case VK_EXECUTE:
      case VK_ESCAPE:
      case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
      default: break;
    }
    if (mask && !(target->Perform(WM_GETDLGCODE) & mask) && Perform(CM_DIALOGKEY, key, data) != 0) return false;
    // Alt with a letter or digit presses the control whose caption has it as accelerator.
    if (shift.Contains(ssAlt) && ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) &&
        Perform(CM_DIALOGCHAR, key, data) != 0)
      return false;
  }
  target->Perform(WM_KEYDOWN, key, data);
  return true;
}

void TCustomForm::HandleChar(char32_t ch, TShiftState shift) {
  TWinControl* target = focused_ ? focused_ : this;
  const NativeInt data = ShiftStateToKeyData(shift);
  if (!target->ComponentState().Contains(csDesigning) && ch > 32 && !(target->Perform(WM_GETDLGCODE) & DLGC_WANTCHARS)) {
    const char32_t upper = ch < 128 ? static_cast<char32_t>(std::towupper(static_cast<wint_t>(ch))) : ch;
    if (Perform(CM_DIALOGCHAR, static_cast<NativeInt>(upper), data) != 0) return;
  }
  target->Perform(WM_CHAR, static_cast<NativeInt>(ch), data);
}

void TCustomForm::HandleWheel(Integer wheelDelta, TShiftState shift, TPoint clientPos) {
  if (!Enabled() || wheelDelta == 0) return;
  const TRect area = WindowClientArea();
  const TPoint wp = Point(clientPos.X + area.Left, clientPos.Y + area.Top);
  for (TControl* c = InputTarget(wp); c; c = c->Parent()) {
    if (!c->Enabled()) continue;
    const TPoint o = c->WindowOrigin();
    const TRect a = c->WindowClientArea();
    const NativeInt pos = PointToLParam(wp.X - o.X - a.Left, wp.Y - o.Y - a.Top);
    if (c->Perform(WM_MOUSEWHEEL, WheelWParam(ShiftStateToKeys(shift), wheelDelta), pos) != 0) return;
  }
}

}  // namespace host

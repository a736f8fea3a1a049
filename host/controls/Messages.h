// Window messages, key codes, mouse flags and the shift state, as the classic
// library names them. Every control receives its messages through one dispatch
// (TControl::Perform / WndProc / Dispatch); the decoded records below are what the
// handler methods take.
#pragma once

#include <cstdint>

#include "host/core/TypInfo.h"
#include "host/core/Types.h"

namespace host {

class TControl;
class TWinControl;

using Word = std::uint16_t;

// A raw message. Coordinates travel in LParam as two signed 16-bit halves (x low).
struct TMessage {
  Cardinal Msg = 0;
  NativeInt WParam = 0;
  NativeInt LParam = 0;
  NativeInt Result = 0;
};

inline NativeInt PointToLParam(Integer x, Integer y) {
  return static_cast<NativeInt>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16) |
                                static_cast<std::uint16_t>(x));
}
inline Integer LParamX(NativeInt lp) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(lp & 0xFFFF)); }
inline Integer LParamY(NativeInt lp) { return static_cast<std::int16_t>(static_cast<std::uint16_t>((lp >> 16) & 0xFFFF)); }

// Window messages.
constexpr Cardinal WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_SIZE = 0x0005, WM_PAINT = 0x000F,
                   WM_GETDLGCODE = 0x0087, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102,
                   WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
                   WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205,
                   WM_MBUTTONDOWN = 0x0207, WM_MBUTTONUP = 0x0208,
                   // WParam: key flags in the low half, the signed wheel delta in the high half.
                   WM_MOUSEWHEEL = 0x020A;
constexpr Integer WHEEL_DELTA = 120;  // one notch of the wheel
constexpr Cardinal WM_USER = 0x0400;

// Control messages of the class library.
constexpr Cardinal CM_BASE = 0xB000;
constexpr Cardinal CM_ENABLEDCHANGED = CM_BASE + 3, CM_FONTCHANGED = CM_BASE + 5, CM_COLORCHANGED = CM_BASE + 6,
                   CM_DIALOGKEY = CM_BASE + 10, CM_DIALOGCHAR = CM_BASE + 11, CM_FOCUSCHANGED = CM_BASE + 12,
                   CM_VISIBLECHANGED = CM_BASE + 14, CM_ENTER = CM_BASE + 15, CM_EXIT = CM_BASE + 16,
                   CM_DESIGNHITTEST = CM_BASE + 28, CM_TEXTCHANGED = CM_BASE + 18, CM_WANTSPECIALKEY = CM_BASE + 33,
                   CM_CHILDKEY = CM_BASE + 35,
                   // A mouse press elsewhere (LParam: the control pressed) ends modes such as an open list.
                   CM_CANCELMODE = CM_BASE + 4;

// WM_SIZE kinds (WParam).
constexpr NativeInt SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2;

// Answers to WM_GETDLGCODE: which keys a control keeps for itself instead of the dialog.
constexpr NativeInt DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004,
                    DLGC_WANTMESSAGE = 0x0004, DLGC_HASSETSEL = 0x0008, DLGC_DEFPUSHBUTTON = 0x0010,
                    DLGC_UNDEFPUSHBUTTON = 0x0020, DLGC_RADIOBUTTON = 0x0040, DLGC_WANTCHARS = 0x0080,
                    DLGC_STATIC = 0x0100, DLGC_BUTTON = 0x2000;

// Mouse key flags (WParam of mouse messages and of CM_DESIGNHITTEST).
constexpr NativeInt MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002, MK_SHIFT = 0x0004, MK_CONTROL = 0x0008,
                    MK_MBUTTON = 0x0010, MK_ALT = 0x0020;  // MK_ALT: this library's own flag

// Virtual key codes.
constexpr Word VK_BACK = 0x08, VK_TAB = 0x09, VK_CLEAR = 0x0C, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
               VK_MENU = 0x12, VK_PAUSE = 0x13, VK_CAPITAL = 0x14, VK_ESCAPE = 0x1B, VK_SPACE = 0x20,
               VK_PRIOR = 0x21, VK_NEXT = 0x22, VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26,
               VK_RIGHT = 0x27, VK_DOWN = 0x28, VK_SELECT = 0x29, VK_EXECUTE = 0x2B, VK_INSERT = 0x2D,
               VK_DELETE = 0x2E, VK_HELP = 0x2F, VK_F1 = 0x70, VK_F2 = 0x71, VK_F3 = 0x72, VK_F4 = 0x73,
               VK_F5 = 0x74, VK_F6 = 0x75, VK_F7 = 0x76, VK_F8 = 0x77, VK_F9 = 0x78, VK_F10 = 0x79, VK_F11 = 0x7A,
               VK_F12 = 0x7B, VK_CANCEL = 0x03;
// Letters and digits use their upper-case ASCII codes ('A' .. 'Z', '0' .. '9').

HOST_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateItem>;
HOST_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)

// Shift state <-> mouse key flags. Key messages carry the shift state's bits in LParam.
TShiftState KeysToShiftState(NativeInt keys);
NativeInt ShiftStateToKeys(TShiftState shift);
inline TShiftState KeyDataToShiftState(NativeInt keyData) {
  return TShiftState::FromBits(static_cast<std::uint64_t>(keyData) & 0x7F);
}
inline NativeInt ShiftStateToKeyData(TShiftState shift) { return static_cast<NativeInt>(shift.Bits()); }

// Decoded messages; the dispatcher copies Result back into the raw message.
struct TWMSize {
  Cardinal Msg;
  NativeInt SizeType;
  Integer Width;
  Integer Height;
  NativeInt Result;
};

struct TWMNoParams {
  Cardinal Msg;
  NativeInt Result;
};
using TWMGetDlgCode = TWMNoParams;

struct TWMSetFocus {
  Cardinal Msg;
  TWinControl* FocusedWnd;  // the control that lost the focus, or nullptr
  NativeInt Result;
};

struct TWMKillFocus {
  Cardinal Msg;
  TWinControl* FocusedWnd;  // the control that gets the focus, or nullptr
  NativeInt Result;
};

// Left-button press at design time: a non-zero Result tells the designer that the
// control takes the click itself.
struct TCMDesignHitTest {
  Cardinal Msg;
  NativeInt Keys;  // MK_ flags
  Integer XPos;
  Integer YPos;
  NativeInt Result;
};

struct TWMMouse {
  Cardinal Msg;
  NativeInt Keys;
  Integer XPos;
  Integer YPos;
  NativeInt Result;
};

struct TWMMouseWheel {
  Cardinal Msg;
  NativeInt Keys;
  Integer WheelDelta;  // positive away from the user
  Integer XPos;        // client coordinates of the control
  Integer YPos;
  NativeInt Result;    // non-zero: the control scrolled, the parents need not
};

inline NativeInt WheelWParam(NativeInt keys, Integer delta) {
  return static_cast<NativeInt>((static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16) |
                                static_cast<std::uint16_t>(keys));
}

struct TWMKey {
  Cardinal Msg;
  Word CharCode;      // virtual key, or the character code for WM_CHAR / CM_DIALOGCHAR
  NativeInt KeyData;  // shift state bits
  NativeInt Result;
};

}  // namespace host

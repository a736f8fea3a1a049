// Grid input: the mouse focuses cells, the arrow keys move, typing opens the editor.
#include <algorithm>

#include "host/stdctrls/Grids.h"

namespace host {

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft && !ComponentState().Contains(csDesigning)) {
    if (CanFocus() && !Focused() && !(editor_ && editor_->Focused())) SetFocus();
    Integer col, row;
    if (MouseToCell(x, y, col, row) && col >= fixedCols_ && row >= fixedRows_) {
      // An editing grid opens the editor on a click on the focused cell; any other
      // click selects its cell, and SelectCell is asked even when it is the focused one.
      if (options_.Contains(goEditing) && col == col_ && row == row_) {
        if (!editor_ && CanEditShow()) ShowEditor();
      } else {
        MoveCurrent(col, row, false);
      }
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::KeyDown(Word& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == 0) return;
  const Integer page = std::max<Integer>(VisibleRowCount(), 1);
  Integer c = col_, r = row_;
  const bool ctrl = shift.Contains(ssCtrl);
  switch (key) {
    case VK_UP: --r; break;
    case VK_DOWN: ++r; break;
    case VK_LEFT: if (options_.Contains(goRowSelect)) SetLeftCol(leftCol_ - 1); else --c; break;
    case VK_RIGHT: if (options_.Contains(goRowSelect)) SetLeftCol(leftCol_ + 1); else ++c; break;
    case VK_PRIOR: r -= page; break;
    case VK_NEXT: r += page; break;
    case VK_HOME: if (ctrl) r = fixedRows_; else c = fixedCols_; break;
    case VK_END: if (ctrl) r = RowCount() - 1; else c = ColCount() - 1; break;
    case VK_TAB:
      if (!options_.Contains(goTabs)) return;
      if (shift.Contains(ssShift)) {
        if (--c < fixedCols_) { c = ColCount() - 1; --r; }
      } else if (++c >= ColCount()) {
        c = fixedCols_;
        ++r;
      }
      break;
    case VK_F2:
      if (CanEditShow()) ShowEditor();
      key = 0;
      return;
    case VK_RETURN:
      if (CanEditShow() && !editor_) {
        ShowEditor();
        key = 0;
      }
      return;
    default: return;
  }
  FocusCell(std::clamp(c, fixedCols_, ColCount() - 1), std::clamp(r, fixedRows_, RowCount() - 1));
  key = 0;
}

void TCustomGrid::KeyPress(char32_t& key) {
  TCustomControl::KeyPress(key);
  if (key < 32 || editor_ || !CanEditShow()) return;
  // Typing over a cell starts editing it with what was typed.
  std::string text;
  char32_t cp = key;
  if (cp < 0x80) text += static_cast<char>(cp);
  else if (cp < 0x800) { text += static_cast<char>(0xC0 | (cp >> 6)); text += static_cast<char>(0x80 | (cp & 0x3F)); }
  else { text += static_cast<char>(0xE0 | (cp >> 12)); text += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)); text += static_cast<char>(0x80 | (cp & 0x3F)); }
  ShowEditor(&text);
  key = 0;
}

void TCustomGrid::WMGetDlgCode(TWMGetDlgCode& m) {
  m.Result = DLGC_WANTARROWS;
  if (options_.Contains(goTabs)) m.Result |= DLGC_WANTTAB;
  if (options_.Contains(goEditing)) m.Result |= DLGC_WANTCHARS;
}

void TCustomGrid::WMSetFocus(TWMSetFocus& m) {
  TCustomControl::WMSetFocus(m);
  if (options_.Contains(goAlwaysShowEditor) && CanEditShow() && !editor_) ShowEditor();
}

void TCustomGrid::SetEditorMode(bool value) {
  if (value) {
    if (CanEditShow()) ShowEditor();
  } else {
    HideEditor();
  }
}

void TCustomGrid::ShowEditor(const std::string* replaceWith) {
  if (!editor_) {
    editor_ = new TInplaceEdit(this);
    editor_->SetParent(this);
  }
  PlaceEditor();
  if (!editor_) return;
  editOriginal_ = GetEditText(col_, row_);
  editor_->SetEditText(replaceWith ? *replaceWith : editOriginal_);
  if (replaceWith) SetEditText(col_, row_, *replaceWith);
  if (editor_->CanFocus() && GetParentForm(this)) editor_->SetFocus();
}

void TCustomGrid::HideEditor() {
  if (!editor_) return;
  TInplaceEdit* e = editor_;
  editor_ = nullptr;
  const bool hadFocus = e->Focused();
  delete e;
  if (hadFocus && CanFocus()) SetFocus();
  InvalidateCell(col_, row_);
}

void TCustomGrid::EndEditing(bool revert) {
  if (!editor_) return;
  if (revert && GetEditText(col_, row_) != editOriginal_) SetEditText(col_, row_, editOriginal_);
  if (options_.Contains(goAlwaysShowEditor)) {
    editor_->SetEditText(GetEditText(col_, row_));
    return;
  }
  HideEditor();
}

void TCustomGrid::PlaceEditor() {
  if (!editor_) return;
  const TRect r = CellRect(col_, row_);
  if (r.IsEmpty()) {
    HideEditor();
    return;
  }
  editor_->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

}  // namespace host

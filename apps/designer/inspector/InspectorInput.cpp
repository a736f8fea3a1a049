// The Object Inspector's mouse and keys: rows, tabs, the splitter, the value list and
// the dialog button with the mouse; moving, typing, applying and reverting with keys.
#include <algorithm>
#include <cstdlib>

#include "ObjectInspector.h"
#include "host/forms/Forms.h"
#include "host/streaming/Parser.h"

namespace designer {

using namespace host;

namespace {

constexpr Integer kSplitterGrip = 2;  // pixels either side of the splitter that take it

}  // namespace

bool TObjectInspector::ValueEditable() const {
  return current_ >= 0 && !rows_[static_cast<size_t>(current_)].Attributes.Contains(paReadOnly);
}

bool TObjectInspector::EditKey(Word key, TShiftState shift) {
  if (!ValueEditable()) return false;
  const TLineEditor::TResult r = line_.KeyDown(editText_, key, shift);
  // A plain Backspace erases as the character it types.
  if (r == TLineEditor::TResult::Ignored) return key == VK_BACK;
  if (r == TLineEditor::TResult::Changed) edited_ = true;
  InvalidateRow(current_);
  return true;
}

void TObjectInspector::WMGetDlgCode(TWMGetDlgCode& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS; }

void TObjectInspector::WMKillFocus(TWMKillFocus& m) {
  TCustomControl::WMKillFocus(m);
  if (ComponentState().Contains(csDestroying)) return;
  SetDroppedDown(false);
  // Leaving the inspector applies what was typed, as leaving the row does.
  if (edited_) Commit();
  InvalidateRow(current_);
}

void TObjectInspector::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  if (CanFocus() && !Focused()) SetFocus();
  const TPoint p = Point(x, y);
  lastDown_ = p;
  if (dropped_) {
    if (DropListRect().Contains(p)) {
      ChooseDropItem(DropItemAt(p));
      return;
    }
    const bool onButton = ButtonRect().Contains(p);
    SetDroppedDown(false);
    if (onButton) return;  // the button closes what it opened
  }
  for (TInspectorPage page : {TInspectorPage::Properties, TInspectorPage::Events})
    if (TabRect(page).Contains(p)) {
      SetPage(page);
      return;
    }
  if (!RowsArea().Contains(p)) return;
  if (std::abs(x - splitter_) <= kSplitterGrip) {
    draggingSplitter_ = true;
    return;
  }
  const Integer index = RowAt(y);
  if (index < 0) return;
  const TRect area = ValueTextArea();
  if (index == current_ && ValueEditable() && area.Contains(p)) {
    // A press in the value being edited places the caret, as in an edit box.
    line_.MouseDown(line_.Measure(*Font()), editText_, x - area.Left, shift);
    draggingText_ = true;
    InvalidateRow(current_);
    return;
  }
  if (index == current_ && ButtonRect().Contains(p)) {
    if (rows_[static_cast<size_t>(index)].Attributes.Contains(paValueList)) SetDroppedDown(true);
    else RunDialog();
    return;
  }
  const bool onBox = ExpandBoxRect(index).Contains(p);
  const std::string path = rows_[static_cast<size_t>(index)].Path;
  if (index == current_) {
    // The current row's name selects its whole value again, for typing over.
    line_.SelectAll(editText_);
    InvalidateRow(current_);
  }
  SetItemIndex(index);
  // Applying an edit may have changed the rows: find the clicked one again.
  if (onBox) ToggleExpanded(FindRow(path));
}

void TObjectInspector::MouseMove(TShiftState shift, Integer x, Integer y) {
  TCustomControl::MouseMove(shift, x, y);
  if (draggingSplitter_) {
    splitterSet_ = true;
    SetSplitter(x);
    return;
  }
  if (draggingText_ && ValueEditable()) {
    line_.MouseDrag(line_.Measure(*Font()), editText_, x - ValueTextArea().Left);
    InvalidateRow(current_);
    return;
  }
  if (dropped_) {
    const Integer i = DropItemAt(Point(x, y));
    if (i >= 0 && i != dropHighlight_) {
      dropHighlight_ = i;
      InvalidateRect(DropListRect());
    }
  }
}

void TObjectInspector::MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  draggingSplitter_ = false;
  draggingText_ = false;
  TCustomControl::MouseUp(button, shift, x, y);
}

bool TObjectInspector::DoMouseWheel(TShiftState shift, Integer wheelDelta, TPoint mousePos) {
  if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  const Integer rows = -wheelDelta / WHEEL_DELTA * 3;
  if (dropped_ && DropListRect().Contains(mousePos)) SetDropTop(dropView_.Top + rows);
  else SetTopRow(view_.Top + rows);
  return true;
}

void TObjectInspector::DblClick() {
  TCustomControl::DblClick();
  const Integer index = RowAt(lastDown_.Y);
  if (index < 0 || index != current_ || !RowsArea().Contains(lastDown_) || ButtonRect().Contains(lastDown_)) return;
  const TInspectorRow& row = rows_[static_cast<size_t>(index)];
  if (lastDown_.X < splitter_ || row.Attributes.Contains(paReadOnly)) {
    if (row.Expandable) ToggleExpanded(index);
    else if (row.Attributes.Contains(paDialog)) RunDialog();
    return;
  }
  if (row.Attributes.Contains(paDialog)) {
    RunDialog();
  } else if (row.Attributes.Contains(paValueList)) {
    // The next value of the list, as the classic inspector steps through them.
    std::vector<std::string> values;
    row.Editor->GetValues([&](const std::string& v) { values.push_back(v); });
    if (values.empty()) return;
    auto it = std::find_if(values.begin(), values.end(), [&](const std::string& v) { return SameText(v, row.Value); });
    editText_ = it == values.end() || it + 1 == values.end() ? values.front() : *(it + 1);
    edited_ = true;
    Commit();
  }
}

void TObjectInspector::KeyDown(Word& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == 0) return;
  const Word k = key;
  key = 0;
  if (dropped_) {
    const Integer count = static_cast<Integer>(dropItems_.size());
    switch (k) {
      case VK_UP:
      case VK_DOWN:
        dropHighlight_ = std::clamp<Integer>(dropHighlight_ + (k == VK_UP ? -1 : 1), 0, count - 1);
        SetDropTop(dropView_.TopShowing(dropHighlight_, DropFit()));
        InvalidateRect(DropListRect());
        return;
      case VK_RETURN: ChooseDropItem(dropHighlight_); return;
      case VK_ESCAPE: SetDroppedDown(false); return;
      default: SetDroppedDown(false); break;
    }
  }
  switch (k) {
    case VK_UP: SetItemIndex(current_ - 1); break;
    case VK_DOWN:
      if (shift.Contains(ssAlt)) SetDroppedDown(true);
      else SetItemIndex(current_ + 1);
      break;
    case VK_F4: SetDroppedDown(true); break;
    case VK_PRIOR: SetItemIndex(current_ - VisibleRowCount()); break;
    case VK_NEXT: SetItemIndex(current_ + VisibleRowCount()); break;
    case VK_RETURN:
      if (edited_) Commit();
      else if (current_ >= 0 && rows_[static_cast<size_t>(current_)].Attributes.Contains(paDialog)) RunDialog();
      else if (current_ >= 0) ToggleExpanded(current_);
      break;
    case VK_ESCAPE: Revert(); break;
    default:
      if (!EditKey(k, shift)) key = k;  // not ours: the form may use it
      break;
  }
}

void TObjectInspector::KeyPress(char32_t& key) {
  TCustomControl::KeyPress(key);
  if (current_ < 0 || (key < 0x20 && key != 8) || key == 0x7F) return;
  const TInspectorRow& row = rows_[static_cast<size_t>(current_)];
  if (row.Attributes.Contains(paReadOnly)) {
    if (key == U'+' && row.Expandable) Expand(current_);
    else if (key == U'-' && row.Expandable) Collapse(current_);
    return;
  }
  if (line_.KeyPress(editText_, key) == TLineEditor::TResult::Changed) edited_ = true;
  InvalidateRow(current_);
}

}  // namespace designer

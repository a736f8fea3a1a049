// TObjectInspector: the rows of a selection, reading and applying values, expanding
// sub-properties, the value list and the dialog button.
#include "ObjectInspector.h"

#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/core/Lists.h"
#include "host/stdctrls/Dialogs.h"

namespace designer {

using namespace host;

HOST_PUBLISHED(TObjectInspector) {}

TObjectInspector::TObjectInspector(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = {csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
  SetColor(clBtnFace);
  SetTabStop(true);
  width_ = 240;
  height_ = 320;
  MeasureRows();
  SetSplitter(0);
}

TObjectInspector::~TObjectInspector() { Destroying(); }

void TObjectInspector::SetDesigner(IDesigner* designer) {
  if (designer == designer_) return;
  designer_ = designer;
  BuildRows();
}

void TObjectInspector::SetSelection(std::vector<TPersistent*> selection) {
  selection.erase(std::remove(selection.begin(), selection.end(), nullptr), selection.end());
  // An edit in progress belongs to the components shown so far.
  if (edited_) Commit();
  selection_ = std::move(selection);
  BuildRows();
}

void TObjectInspector::SetPage(TInspectorPage page) {
  if (page == page_) return;
  if (edited_) Commit();
  page_ = page;
  BuildRows();
}

const TInspectorRow& TObjectInspector::Row(Integer index) const {
  if (index < 0 || index >= RowCount()) ListIndexError(index);
  return rows_[static_cast<size_t>(index)];
}

Integer TObjectInspector::FindRow(const std::string& path) const {
  for (Integer i = 0; i < RowCount(); ++i)
    if (SameText(rows_[static_cast<size_t>(i)].Path, path)) return i;
  return -1;
}

std::string TObjectInspector::ReadValue(TPropertyEditor& editor) const {
  // Components that differ show nothing rather than the first one's value.
  try {
    return editor.AllEqual() ? editor.GetValue() : std::string();
  } catch (const std::exception&) {
    return std::string();
  }
}

void TObjectInspector::AddRow(std::unique_ptr<TPropertyEditor> editor, const std::string& parentPath, int level,
                              std::vector<TInspectorRow>& into) {
  TInspectorRow row;
  row.Name = editor->GetName();
  row.Path = parentPath.empty() ? row.Name : parentPath + "." + row.Name;
  row.Attributes = editor->GetAttributes();
  row.Value = ReadValue(*editor);
  if (row.Attributes.Contains(paSubProperties)) {
    bool any = false;
    editor->GetProperties([&](std::unique_ptr<TPropertyEditor>) { any = true; });
    row.Expandable = any;
  }
  row.Level = level;
  row.Editor = std::move(editor);
  const bool expand = row.Expandable && expandedPaths_.count(row.Path) > 0;
  const std::string path = row.Path;
  into.push_back(std::move(row));
  if (!expand) return;
  into.back().Expanded = true;
  // The row's own editor lists its parts; the vector may grow meanwhile.
  TPropertyEditor* parent = into.back().Editor.get();
  parent->GetProperties([&](std::unique_ptr<TPropertyEditor> part) { AddRow(std::move(part), path, level + 1, into); });
}

void TObjectInspector::BuildRows() {
  ++generation_;
  const std::string currentPath = current_ >= 0 && current_ < RowCount() ? rows_[static_cast<size_t>(current_)].Path : "";
  SetDroppedDown(false);
  std::vector<TInspectorRow> rows;
  if (!selection_.empty()) {
    const TPropertyKinds kinds = page_ == TInspectorPage::Events ? TPropertyKinds::Events : TPropertyKinds::Properties;
    GetComponentProperties(designer_, selection_, kinds,
                           [&](std::unique_ptr<TPropertyEditor> e) { AddRow(std::move(e), "", 0, rows); });
  }
  rows_ = std::move(rows);
  // The same property stays current when the new selection has it.
  current_ = rows_.empty() ? -1 : std::max<Integer>(FindRow(currentPath), 0);
  view_.Top = 0;
  LoadEditText();
  UpdateScrollBar();
  ScrollInView(current_);
  Invalidate();
}

void TObjectInspector::Refresh() {
  for (Integer i = 0; i < RowCount(); ++i) {
    TInspectorRow& row = rows_[static_cast<size_t>(i)];
    std::string value = ReadValue(*row.Editor);
    if (value == row.Value) continue;
    row.Value = std::move(value);
    if (i == current_ && !edited_) {
      editText_ = row.Value;
      line_.SelectAll(editText_);
    }
    InvalidateRow(i);
  }
}

void TObjectInspector::LoadEditText() {
  editText_ = current_ >= 0 ? rows_[static_cast<size_t>(current_)].Value : std::string();
  edited_ = false;
  line_.SelectAll(editText_);
}

void TObjectInspector::SetItemIndex(Integer index) {
  if (rows_.empty()) return;
  index = std::clamp<Integer>(index, 0, RowCount() - 1);
  if (index == current_) return;
  if (edited_) {
    const unsigned generation = generation_;
    Commit();
    if (generation != generation_) return;  // the rows were made anew meanwhile
  }
  SetDroppedDown(false);
  const Integer old = current_;
  current_ = index;
  LoadEditText();
  InvalidateRow(old);
  InvalidateRow(current_);
  ScrollInView(current_);
}

void TObjectInspector::ShowError(const std::string& message) { MessageDlg(message, mtError, TMsgDlgButtons{mbOK}, 0); }

bool TObjectInspector::Commit() {
  if (!edited_ || current_ < 0) return true;
  const std::string text = editText_;
  const std::string path = rows_[static_cast<size_t>(current_)].Path;
  const unsigned generation = generation_;
  edited_ = false;
  std::string error;
  try {
    rows_[static_cast<size_t>(current_)].Editor->SetValue(text);
  } catch (const std::exception& e) {
    error = e.what();
  }
  if (generation != generation_) return error.empty();  // the designer rebuilt the rows
  if (!error.empty()) {
    ShowError(error);
    if (generation != generation_) return false;
    Refresh();
    LoadEditText();
    InvalidateRow(current_);
    return false;
  }
  ValuesChanged(path);
  // Applied: the value stands selected again, as when the row was entered.
  if (!edited_) line_.SelectAll(editText_);
  return true;
}

void TObjectInspector::Revert() {
  SetDroppedDown(false);
  if (!edited_) return;
  LoadEditText();
  InvalidateRow(current_);
}

void TObjectInspector::ValuesChanged(const std::string& path) {
  // A value may change others (a page count, a size): read them all.
  Refresh();
  if (current_ >= 0) LoadEditText();
  InvalidateRow(current_);
  if (OnPropertyChanged) OnPropertyChanged(this, path);
}

void TObjectInspector::RunDialog() {
  if (current_ < 0 || !rows_[static_cast<size_t>(current_)].Attributes.Contains(paDialog)) return;
  const std::string path = rows_[static_cast<size_t>(current_)].Path;
  const unsigned generation = generation_;
  std::string error;
  try {
    rows_[static_cast<size_t>(current_)].Editor->Edit();
  } catch (const std::exception& e) {
    error = e.what();
  }
  if (!error.empty()) ShowError(error);
  if (generation == generation_) ValuesChanged(path);
}

void TObjectInspector::SetDroppedDown(bool value) {
  if (value == dropped_) return;
  const TRect old = DropListRect();
  dropItems_.clear();
  dropped_ = false;
  if (value && current_ >= 0) {
    TInspectorRow& row = rows_[static_cast<size_t>(current_)];
    if (row.Attributes.Contains(paValueList)) {
      row.Editor->GetValues([&](const std::string& v) { dropItems_.push_back(v); });
      if (row.Attributes.Contains(paSortList))
        std::stable_sort(dropItems_.begin(), dropItems_.end(),
                         [](const std::string& a, const std::string& b) { return LowerCase(a) < LowerCase(b); });
      dropped_ = !dropItems_.empty();
    }
  }
  dropHighlight_ = -1;
  dropView_.Top = 0;
  UpdateDropBar();
  if (dropped_) {
    const auto it = std::find_if(dropItems_.begin(), dropItems_.end(),
                                 [&](const std::string& v) { return SameText(v, editText_); });
    if (it != dropItems_.end()) dropHighlight_ = static_cast<Integer>(it - dropItems_.begin());
    SetDropTop(dropView_.TopShowing(dropHighlight_, DropFit()));
    InvalidateRect(DropListRect());
  } else {
    InvalidateRect(old);
  }
  InvalidateRect(ButtonRect());
}

void TObjectInspector::ChooseDropItem(Integer index) {
  if (index < 0 || index >= static_cast<Integer>(dropItems_.size())) return;
  const std::string value = dropItems_[static_cast<size_t>(index)];
  SetDroppedDown(false);
  editText_ = value;
  line_.SelectAll(editText_);
  edited_ = true;
  Commit();
}

void TObjectInspector::ToggleExpanded(Integer index) {
  if (index < 0 || index >= RowCount()) return;
  if (rows_[static_cast<size_t>(index)].Expanded) Collapse(index);
  else Expand(index);
}

void TObjectInspector::Expand(Integer index) {
  if (index < 0 || index >= RowCount()) return;
  TInspectorRow& row = rows_[static_cast<size_t>(index)];
  if (!row.Expandable || row.Expanded) return;
  SetDroppedDown(false);
  row.Expanded = true;
  expandedPaths_.insert(row.Path);
  std::vector<TInspectorRow> parts;
  const std::string path = row.Path;
  const int level = row.Level + 1;
  row.Editor->GetProperties([&](std::unique_ptr<TPropertyEditor> e) { AddRow(std::move(e), path, level, parts); });
  rows_.insert(rows_.begin() + index + 1, std::make_move_iterator(parts.begin()), std::make_move_iterator(parts.end()));
  if (current_ > index) current_ += static_cast<Integer>(parts.size());
  UpdateScrollBar();
  Invalidate();
}

void TObjectInspector::Collapse(Integer index) {
  if (index < 0 || index >= RowCount()) return;
  if (!rows_[static_cast<size_t>(index)].Expanded) return;
  const int level = rows_[static_cast<size_t>(index)].Level;
  Integer end = index + 1;
  while (end < RowCount() && rows_[static_cast<size_t>(end)].Level > level) ++end;
  if (edited_ && current_ > index && current_ < end) {
    // The current row goes with its parent: an edit on it is applied first.
    const unsigned generation = generation_;
    Commit();
    if (generation != generation_) return;
  }
  SetDroppedDown(false);
  TInspectorRow& row = rows_[static_cast<size_t>(index)];
  row.Expanded = false;
  expandedPaths_.erase(row.Path);
  if (current_ > index && current_ < end) {
    current_ = index;
    LoadEditText();
  } else if (current_ >= end) {
    current_ -= end - index - 1;
  }
  rows_.erase(rows_.begin() + index + 1, rows_.begin() + end);
  view_.Top = std::clamp<Integer>(view_.Top, 0, std::max<Integer>(RowCount() - VisibleRowCount(), 0));
  UpdateScrollBar();
  Invalidate();
}

}  // namespace designer

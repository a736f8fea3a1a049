// The Object Inspector: the published properties (or events) of the components selected
// in a form designer, one row each, shown and edited through the property editors the
// designer interface chooses. Sub-objects and sets expand into rows of their own.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/design/DesignIntf.h"
#include "host/stdctrls/LineEditor.h"
#include "RowView.h"

namespace designer {

enum class TInspectorPage { Properties, Events };

// One row: a property (or a part of one) and the text it shows.
struct TInspectorRow {
  std::unique_ptr<host::TPropertyEditor> Editor;
  std::string Path;  // names from the component down, joined by dots: "BtnNext.Text"
  std::string Name;
  std::string Value;
  host::TPropertyAttributes Attributes;
  int Level = 0;
  bool Expandable = false;
  bool Expanded = false;
};

using TPropertyChangedEvent = host::TEvent<void(host::TObject*, const std::string&)>;

class TObjectInspector : public host::TCustomControl {
  HOST_CLASS(TObjectInspector, host::TCustomControl)

  explicit TObjectInspector(host::TComponent* owner);
  ~TObjectInspector() override;

  host::IDesigner* Designer() const { return designer_; }
  void SetDesigner(host::IDesigner* designer);
  // Shows the properties of these components (an edit in progress is applied to the
  // ones shown before). The designer hands over a new selection before it frees a
  // component that is shown.
  void SetSelection(std::vector<host::TPersistent*> selection);
  const std::vector<host::TPersistent*>& Selection() const { return selection_; }
  // Reads every value again after the designer changed something: rows whose text
  // changed are repainted, nothing else is; the rows stay as they are.
  void Refresh();

  TInspectorPage Page() const { return page_; }
  void SetPage(TInspectorPage page);

  // Rows in the order shown, expanded parts included.
  host::Integer RowCount() const { return static_cast<host::Integer>(rows_.size()); }
  const TInspectorRow& Row(host::Integer index) const;
  // The row of a path such as "Font.Style.fsBold", or -1.
  host::Integer FindRow(const std::string& path) const;
  host::Integer ItemIndex() const { return current_; }
  // Makes a row current, applying an edit in progress on the one left.
  void SetItemIndex(host::Integer index);
  void Expand(host::Integer index);
  void Collapse(host::Integer index);

  // The text of the current row's value as it is being typed.
  const std::string& EditText() const { return editText_; }
  bool Editing() const { return edited_; }
  // Applies the typed text through the editor; false when the editor refused it (the
  // user was told why and the old value is back).
  bool Commit();
  // Drops the typed text and shows the value again.
  void Revert();

  // The first row shown and the rows that fit.
  host::Integer TopRow() const { return view_.Top; }
  void SetTopRow(host::Integer row);
  host::Integer VisibleRowCount() const;
  host::TScrollBar* ScrollBar() const { return view_.Bar; }

  // Where the name column ends; the user drags it.
  host::Integer Splitter() const { return splitter_; }
  void SetSplitter(host::Integer x);

  // The value list of the current row, dropped down under it.
  bool DroppedDown() const { return dropped_; }
  void SetDroppedDown(bool value);
  const std::vector<std::string>& DropItems() const { return dropItems_; }
  host::Integer DropHighlight() const { return dropHighlight_; }
  // The list's first item shown, and its scroll bar while the items do not fit.
  host::Integer DropTopItem() const { return dropView_.Top; }
  host::TScrollBar* DropScrollBar() const { return dropView_.Bar; }

  // Geometry, in the control's coordinates.
  host::Integer RowHeight() const { return view_.RowHeight; }
  host::TRect TabRect(TInspectorPage page) const;
  host::TRect RowsArea() const;
  // Empty when the row is scrolled out of view.
  host::TRect RowRect(host::Integer index) const;
  host::TRect ExpandBoxRect(host::Integer index) const;
  // The drop-down or "..." button of the current row; empty when it has none.
  host::TRect ButtonRect() const;
  // Where the current row's value is edited: its value cell left of the button.
  host::TRect ValueTextArea() const;
  host::TRect DropListRect() const;

  // A value the user changed, by its path, after the editor took it.
  TPropertyChangedEvent OnPropertyChanged;

  static constexpr host::Integer kTabHeight = 21;

 protected:
  void Paint() override;
  void MouseDown(host::TMouseButton button, host::TShiftState shift, host::Integer x, host::Integer y) override;
  void MouseMove(host::TShiftState shift, host::Integer x, host::Integer y) override;
  void MouseUp(host::TMouseButton button, host::TShiftState shift, host::Integer x, host::Integer y) override;
  void DblClick() override;
  // Three rows a notch; over the value list, its items.
  bool DoMouseWheel(host::TShiftState shift, host::Integer wheelDelta, host::TPoint mousePos) override;
  void KeyDown(host::Word& key, host::TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void WMGetDlgCode(host::TWMGetDlgCode& message) override;
  void WMKillFocus(host::TWMKillFocus& message) override;
  void CMFontChanged(host::TMessage& message) override;
  void BoundsChanged(bool sizeChanged) override;

 private:
  // Rows.
  void BuildRows();
  void AddRow(std::unique_ptr<host::TPropertyEditor> editor, const std::string& parentPath, int level,
              std::vector<TInspectorRow>& into);
  std::string ReadValue(host::TPropertyEditor& editor) const;
  void LoadEditText();
  void ValuesChanged(const std::string& path);
  void RunDialog();
  void ChooseDropItem(host::Integer index);
  void ToggleExpanded(host::Integer index);
  void ShowError(const std::string& message);

  // Geometry and painting.
  void MeasureRows();
  void UpdateScrollBar();
  void ScrollInView(host::Integer index);
  void InvalidateRect(const host::TRect& r);
  void InvalidateRow(host::Integer index);
  void PaintTabs(host::TCanvas& c);
  void PaintRow(host::TCanvas& c, host::Integer index);
  // Hands a key to the value's line editor; false when it is not one for the editor.
  bool EditKey(host::Word key, host::TShiftState shift);
  bool ValueEditable() const;
  void PaintButton(host::TCanvas& c);
  void PaintDropList(host::TCanvas& c);
  host::Integer RowAt(host::Integer y) const;
  host::Integer DropItemAt(host::TPoint p) const;
  // The items' part of the list, beside its scroll bar.
  host::TRect DropItemsArea() const;
  host::Integer DropFit() const { return dropView_.Fit(DropItemsArea()); }
  void SetDropTop(host::Integer item);
  void UpdateDropBar();
  host::Integer ValueLeft() const { return splitter_ + 1; }
  host::Integer RowsRight() const;

  host::IDesigner* designer_ = nullptr;
  std::vector<host::TPersistent*> selection_;
  TInspectorPage page_ = TInspectorPage::Properties;
  std::vector<TInspectorRow> rows_;
  std::set<std::string> expandedPaths_;  // kept across selections of the same kind
  unsigned generation_ = 0;              // counts rebuilds, so a callback that rebuilt is noticed
  host::Integer current_ = -1;
  std::string editText_;
  bool edited_ = false;  // the user typed since the value was shown
  // Caret, selection and clipboard of the current row's value; a value shown afresh is
  // all selected, so that typing replaces it.
  host::TLineEditor line_;
  bool draggingText_ = false;
  host::Integer splitter_ = 0;
  bool splitterSet_ = false;  // the user placed it; until then it follows the width
  bool draggingSplitter_ = false;
  host::TPoint lastDown_;  // where the last press was, for the double click
  bool dropped_ = false;
  std::vector<std::string> dropItems_;
  host::Integer dropHighlight_ = -1;
  TRowView dropView_;
  TRowView view_;
};

}  // namespace designer

// TMemo: several lines of text, wrapped at the box's width when WordWrap is on, with a
// vertical scroll bar, the keys and the mouse wheel to move through them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/controls/Controls.h"
#include "host/core/Lists.h"
#include "host/stdctrls/ScrollBar.h"

namespace host {

class TMemo : public TWinControl {
  HOST_CLASS(TMemo, TWinControl)
  explicit TMemo(TComponent* owner);
  ~TMemo() override;

  // A place in the text: a line and a byte offset into it.
  struct TPos {
    Integer Line = 0;
    size_t Offset = 0;
    auto operator<=>(const TPos&) const = default;
  };
  // A row on the screen: part of a line (all of it unless wrapped).
  struct TRow {
    Integer Line;
    size_t Start;
    size_t End;
  };

  TStrings* Lines() const { return lines_.get(); }
  void SetLines(TStrings* value) { lines_->Assign(value); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  // Only the vertical bar is drawn; ssHorizontal and ssBoth are kept for the form file.
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);

  // Rows after wrapping; the first row shown.
  Integer RowCount() const { return static_cast<Integer>(Rows().size()); }
  const TRow& Row(Integer index) const;
  Integer TopRow() const { return top_; }
  void SetTopRow(Integer value);
  Integer VisibleRows() const;
  Integer RowHeight() const;
  TRect TextArea() const;
  TScrollBar* ScrollBar() const { return bar_; }

  TPos CaretPos() const { return caret_; }
  void SetCaretPos(TPos value);
  std::string SelText() const;
  void SelectAll();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();

  TNotifyEvent OnChange;
  void PaintControl(TCanvas& canvas) override;

 protected:
  virtual void Change();
  void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void MouseMove(TShiftState shift, Integer x, Integer y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void WMGetDlgCode(TWMGetDlgCode& message) override;
  void WMSetFocus(TWMSetFocus& message) override;
  void WMKillFocus(TWMKillFocus& message) override;
  bool DoMouseWheel(TShiftState shift, Integer wheelDelta, TPoint mousePos) override;
  void BoundsChanged(bool sizeChanged) override;
  void CMFontChanged(TMessage& message) override;

 private:
  void LinesChanged(TObject*);
  const std::vector<TRow>& Rows() const;
  void WrapLine(Integer line, std::vector<TRow>& out) const;
  TCanvas& Measure() const;
  Integer RowOf(TPos pos) const;
  Integer XInRow(const TRow& row, size_t offset) const;
  TPos PosAt(Integer row, Integer x) const;
  TPos PosAtPoint(Integer x, Integer y) const;
  void UpdateScrollBar();
  void MoveCaret(TPos pos, bool extend, bool keepX = false);
  void ScrollToCaret();
  void UpdateCaret();
  TPos SelFirst() const { return std::min(caret_, anchor_); }
  TPos SelLast() const { return std::max(caret_, anchor_); }
  bool HasSelection() const { return caret_ != anchor_; }
  // Editing: both keep the caret where the change ends.
  void DeleteSelection();
  void InsertText(const std::string& text);

  std::unique_ptr<TStringList> lines_;
  mutable std::vector<TRow> rows_;
  mutable bool rowsValid_ = false;
  mutable std::unique_ptr<TCanvas> measure_;
  bool wordWrap_ = true;
  bool readOnly_ = false;
  TScrollStyle scrollBars_ = ssNone;
  Integer top_ = 0;
  TPos caret_;
  TPos anchor_;
  Integer wantedX_ = -1;  // where Up and Down aim, kept across rows of other lengths
  TScrollBar* bar_;
};

}  // namespace host

// Grids: TCustomGrid (cells, fixed rows and columns, selection, scrolling and the
// in-place editor), TDrawGrid (cells drawn by an event) and TStringGrid (text cells).
#pragma once

#include <string>
#include <vector>

#include "host/controls/Controls.h"
#include "host/forms/Forms.h"
#include "host/stdctrls/ScrollBar.h"

namespace host {

HOST_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
          goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect, goAlwaysShowEditor,
          goThumbTracking)
using TGridOptions = TSet<TGridOption>;
HOST_ENUM(TGridDrawStateItem, gdSelected, gdFocused, gdFixed)
using TGridDrawState = TSet<TGridDrawStateItem>;

// A rectangle of cells, both corners included.
struct TGridRect {
  Integer Left = 0;
  Integer Top = 0;
  Integer Right = 0;
  Integer Bottom = 0;
  bool operator==(const TGridRect&) const = default;
};

using TDrawCellEvent = TEvent<void(TObject*, Integer, Integer, TRect, TGridDrawState)>;
using TSelectCellEvent = TEvent<void(TObject*, Integer, Integer, bool&)>;
using TGetEditEvent = TEvent<void(TObject*, Integer, Integer, std::string&)>;
using TSetEditEvent = TEvent<void(TObject*, Integer, Integer, const std::string&)>;
using TMovedEvent = TEvent<void(TObject*, Integer, Integer)>;

class TCustomGrid;

// The editor that opens over the focused cell; every change goes to the grid at once.
class TInplaceEdit : public TCustomControl {
  HOST_CLASS(TInplaceEdit, TCustomControl)
  explicit TInplaceEdit(TCustomGrid* grid);
  const std::string& EditText() const { return Text(); }
  void SetEditText(const std::string& text);
  // Caret position in code points.
  Integer CaretPos() const { return caret_; }

 protected:
  void Paint() override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void WMGetDlgCode(TWMGetDlgCode& message) override;

 private:
  void Changed(const std::string& text);
  TCustomGrid* grid_;
  Integer caret_ = 0;
};

class TCustomGrid : public TCustomControl {
  HOST_CLASS(TCustomGrid, TCustomControl)
  explicit TCustomGrid(TComponent* owner);
  ~TCustomGrid() override;

  Integer ColCount() const { return static_cast<Integer>(colWidths_.size()); }
  void SetColCount(Integer value);
  Integer RowCount() const { return static_cast<Integer>(rowHeights_.size()); }
  void SetRowCount(Integer value);
  Integer FixedCols() const { return fixedCols_; }
  void SetFixedCols(Integer value);
  Integer FixedRows() const { return fixedRows_; }
  void SetFixedRows(Integer value);
  Integer DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(Integer value);
  Integer DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(Integer value);
  // EListError outside the columns (rows).
  Integer ColWidths(Integer index) const;
  void SetColWidths(Integer index, Integer value);
  Integer RowHeights(Integer index) const;
  void SetRowHeights(Integer index, Integer value);
  Integer GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(Integer value);
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions value);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool value);

  // The focused cell. Moving it asks SelectCell (OnSelectCell) first; setting the cell
  // that is already focused asks nothing. With goRowSelect Col stays on the first
  // column that is not fixed.
  Integer Col() const { return col_; }
  void SetCol(Integer value) { FocusCell(value, row_); }
  Integer Row() const { return row_; }
  void SetRow(Integer value) { FocusCell(col_, value); }
  // Moves the focus to a cell (clamped to the grid); false when it was refused.
  bool FocusCell(Integer col, Integer row);
  TGridRect Selection() const;
  Integer LeftCol() const { return leftCol_; }
  void SetLeftCol(Integer value);
  Integer TopRow() const { return topRow_; }
  void SetTopRow(Integer value);
  Integer VisibleColCount() const;
  Integer VisibleRowCount() const;

  // Rectangle of a cell in control coordinates (empty when it is scrolled out).
  TRect CellRect(Integer col, Integer row) const;
  // The cell under a point; false when there is none.
  bool MouseToCell(Integer x, Integer y, Integer& col, Integer& row) const;

  bool EditorMode() const { return editor_ != nullptr; }
  void SetEditorMode(bool value);
  TInplaceEdit* InplaceEditor() const { return editor_; }

  void MoveColumn(Integer fromIndex, Integer toIndex);
  void MoveRow(Integer fromIndex, Integer toIndex);
  void InvalidateCell(Integer col, Integer row);
  // The vertical scroll bar while the rows do not fit, else nullptr.
  TScrollBar* VertScrollBar() const { return vertBar_; }

  void DefineProperties(TFiler& filer) override;

 protected:
  virtual void DrawCell(Integer col, Integer row, const TRect& rect, TGridDrawState state);
  virtual bool SelectCell(Integer col, Integer row);
  virtual std::string GetEditText(Integer col, Integer row);
  virtual void SetEditText(Integer col, Integer row, const std::string& value);
  virtual bool CanEditShow() const;
  virtual void ColumnMoved(Integer fromIndex, Integer toIndex);
  virtual void RowMoved(Integer fromIndex, Integer toIndex);
  // Called after the column or row count changed.
  virtual void SizeChanged(Integer oldColCount, Integer oldRowCount);

  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void WMGetDlgCode(TWMGetDlgCode& message) override;
  void WMSetFocus(TWMSetFocus& message) override;
  void Loaded() override;
  void BoundsChanged(bool sizeChanged) override;

  // Pixels of the border before the first cell.
  Integer BorderInset() const { return borderStyle_ == bsSingle ? 2 : 0; }
  // Lines between columns (rows) take room only when some of them are drawn.
  Integer ColLineWidth() const;
  Integer RowLineWidth() const;
  // Right edge of the cells: the border, or the scroll bar when it is shown.
  Integer CellAreaRight() const;

 private:
  friend class TInplaceEdit;
  void ShowEditor(const std::string* replaceWith = nullptr);
  void HideEditor();
  // Enter or Escape in the editor: Escape puts back the text the cell had when editing
  // began; both close the editor unless it is always shown.
  void EndEditing(bool revert);
  void PlaceEditor();
  void ScrollInView(Integer col, Integer row);
  // Makes (col, row) current after SelectCell agreed, or regardless when forced.
  bool MoveCurrent(Integer col, Integer row, bool force);
  // Shows, places or removes the vertical scroll bar as the rows require.
  void UpdateScrollBar();
  bool HasCustomColWidths() const;
  bool HasCustomRowHeights() const;

  std::vector<Integer> colWidths_;
  std::vector<Integer> rowHeights_;
  Integer fixedCols_ = 1;
  Integer fixedRows_ = 1;
  Integer defaultColWidth_ = 64;
  Integer defaultRowHeight_ = 24;
  Integer gridLineWidth_ = 1;
  TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  TColor fixedColor_ = clBtnFace;
  TBorderStyle borderStyle_ = bsSingle;
  TScrollStyle scrollBars_ = ssBoth;
  bool defaultDrawing_ = true;
  Integer col_ = 1;
  Integer row_ = 1;
  Integer leftCol_ = 1;
  Integer topRow_ = 1;
  TInplaceEdit* editor_ = nullptr;
  std::string editOriginal_;  // the edited cell's text before the editor opened on it
  TScrollBar* vertBar_ = nullptr;
};

class TDrawGrid : public TCustomGrid {
  HOST_CLASS(TDrawGrid, TCustomGrid)
  explicit TDrawGrid(TComponent* owner);

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TMovedEvent OnColumnMoved;
  TMovedEvent OnRowMoved;

 protected:
  void DrawCell(Integer col, Integer row, const TRect& rect, TGridDrawState state) override;
  bool SelectCell(Integer col, Integer row) override;
  std::string GetEditText(Integer col, Integer row) override;
  void SetEditText(Integer col, Integer row, const std::string& value) override;
  void ColumnMoved(Integer fromIndex, Integer toIndex) override;
  void RowMoved(Integer fromIndex, Integer toIndex) override;
};

class TStringGrid : public TDrawGrid {
  HOST_CLASS(TStringGrid, TDrawGrid)
  explicit TStringGrid(TComponent* owner);

  // EListError outside the grid.
  std::string Cells(Integer col, Integer row) const;
  void SetCells(Integer col, Integer row, const std::string& value);
  TObject* Objects(Integer col, Integer row) const;
  void SetObjects(Integer col, Integer row, TObject* value);

 protected:
  void DrawCell(Integer col, Integer row, const TRect& rect, TGridDrawState state) override;
  std::string GetEditText(Integer col, Integer row) override;
  void SetEditText(Integer col, Integer row, const std::string& value) override;
  void ColumnMoved(Integer fromIndex, Integer toIndex) override;
  void RowMoved(Integer fromIndex, Integer toIndex) override;
  void SizeChanged(Integer oldColCount, Integer oldRowCount) override;
  // The cells that hold text, as "Cells": column, row and text of each, row after row.
  void DefineProperties(TFiler& filer) override;

 private:
  struct TCell {
    std::string Text;
    TObject* Object = nullptr;
  };
  size_t Index(Integer col, Integer row) const;
  std::vector<TCell> cells_;  // row after row
};

}  // namespace host

// TCustomGrid: sizes, geometry, focus and selection, scrolling, stored sizes.
#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/streaming/Filer.h"
#include "host/stdctrls/Grids.h"
#include "host/core/Lists.h"

namespace host {

HOST_PUBLISHED(TCustomGrid) {}

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = {csCaptureMouse, csOpaque, csDoubleClicks};
  width_ = 320;
  height_ = 120;
  colWidths_.assign(5, defaultColWidth_);
  rowHeights_.assign(5, defaultRowHeight_);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomGrid::~TCustomGrid() { Destroying(); }

void TCustomGrid::SetColCount(Integer value) {
  value = std::max<Integer>(value, 1);
  const Integer oldCols = ColCount(), oldRows = RowCount();
  if (value == oldCols) return;
  HideEditor();
  colWidths_.resize(static_cast<size_t>(value), defaultColWidth_);
  if (fixedCols_ >= value) fixedCols_ = value - 1;
  SizeChanged(oldCols, oldRows);
  leftCol_ = std::clamp(leftCol_, fixedCols_, value - 1);
  // A current cell that no longer exists moves to the last column; SelectCell hears of
  // it but cannot keep the grid on a cell that is gone.
  if (col_ >= value) MoveCurrent(value - 1, row_, true);
  col_ = std::clamp(col_, fixedCols_, value - 1);
  Invalidate();
}

void TCustomGrid::SetRowCount(Integer value) {
  value = std::max<Integer>(value, 1);
  const Integer oldCols = ColCount(), oldRows = RowCount();
  if (value == oldRows) return;
  HideEditor();
  rowHeights_.resize(static_cast<size_t>(value), defaultRowHeight_);
  if (fixedRows_ >= value) fixedRows_ = value - 1;
  SizeChanged(oldCols, oldRows);
  topRow_ = std::clamp(topRow_, fixedRows_, value - 1);
  // A current row that no longer exists moves to the new last row (see SetColCount).
  if (row_ >= value) MoveCurrent(col_, value - 1, true);
  row_ = std::clamp(row_, fixedRows_, value - 1);
  UpdateScrollBar();
  Invalidate();
}

void TCustomGrid::SizeChanged(Integer, Integer) {}

void TCustomGrid::SetFixedCols(Integer value) {
  if (value < 0 || value >= ColCount()) throw EInvalidOperation("Fixed column count must be less than column count");
  fixedCols_ = value;
  col_ = leftCol_ = fixedCols_;
  Invalidate();
}

void TCustomGrid::SetFixedRows(Integer value) {
  if (value < 0 || value >= RowCount()) throw EInvalidOperation("Fixed row count must be less than row count");
  fixedRows_ = value;
  row_ = topRow_ = fixedRows_;
  UpdateScrollBar();
  Invalidate();
}

void TCustomGrid::SetDefaultColWidth(Integer value) {
  defaultColWidth_ = value;
  std::fill(colWidths_.begin(), colWidths_.end(), value);
  PlaceEditor();
  Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(Integer value) {
  defaultRowHeight_ = value;
  std::fill(rowHeights_.begin(), rowHeights_.end(), value);
  PlaceEditor();
  UpdateScrollBar();
  Invalidate();
}

Integer TCustomGrid::ColWidths(Integer index) const {
  if (index < 0 || index >= ColCount()) ListIndexError(index);
  return colWidths_[static_cast<size_t>(index)];
}

void TCustomGrid::SetColWidths(Integer index, Integer value) {
  if (index < 0 || index >= ColCount()) ListIndexError(index);
  colWidths_[static_cast<size_t>(index)] = value;
  PlaceEditor();
  Invalidate();
}

Integer TCustomGrid::RowHeights(Integer index) const {
  if (index < 0 || index >= RowCount()) ListIndexError(index);
  return rowHeights_[static_cast<size_t>(index)];
}

void TCustomGrid::SetRowHeights(Integer index, Integer value) {
  if (index < 0 || index >= RowCount()) ListIndexError(index);
  rowHeights_[static_cast<size_t>(index)] = value;
  PlaceEditor();
  UpdateScrollBar();
  Invalidate();
}

void TCustomGrid::SetGridLineWidth(Integer value) {
  gridLineWidth_ = std::max<Integer>(value, 0);
  UpdateScrollBar();
  Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions value) {
  options_ = value;
  if (!options_.Contains(goEditing)) HideEditor();
  if (options_.Contains(goRowSelect)) col_ = fixedCols_;
  UpdateScrollBar();
  Invalidate();
}

void TCustomGrid::SetFixedColor(TColor value) {
  fixedColor_ = value;
  Invalidate();
}

void TCustomGrid::SetBorderStyle(TBorderStyle value) {
  borderStyle_ = value == bsNone ? bsNone : bsSingle;
  UpdateScrollBar();
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
  scrollBars_ = value;
  UpdateScrollBar();
}

void TCustomGrid::SetDefaultDrawing(bool value) {
  defaultDrawing_ = value;
  Invalidate();
}

TGridRect TCustomGrid::Selection() const {
  if (options_.Contains(goRowSelect)) return TGridRect{fixedCols_, row_, ColCount() - 1, row_};
  return TGridRect{col_, row_, col_, row_};
}

bool TCustomGrid::SelectCell(Integer, Integer) { return true; }

bool TCustomGrid::FocusCell(Integer col, Integer row) {
  col = std::clamp(col, fixedCols_, ColCount() - 1);
  row = std::clamp(row, fixedRows_, RowCount() - 1);
  if (options_.Contains(goRowSelect) ? row == row_ : col == col_ && row == row_) return true;
  return MoveCurrent(col, row, false);
}

bool TCustomGrid::MoveCurrent(Integer col, Integer row, bool force) {
  if (!ComponentState().Contains(csLoading) && !SelectCell(col, row) && !force) return false;
  if (options_.Contains(goRowSelect)) col = fixedCols_;
  // The editor follows the focused cell only while the grid (or the editor) has the focus.
  const bool editing = editor_ != nullptr && (Focused() || editor_->Focused());
  HideEditor();
  const TGridRect old = Selection();
  col_ = col;
  row_ = row;
  ScrollInView(col, row);
  for (Integer c = old.Left; c <= old.Right; ++c) InvalidateCell(c, old.Top);
  const TGridRect now = Selection();
  for (Integer c = now.Left; c <= now.Right; ++c) InvalidateCell(c, now.Top);
  if ((editing || (options_.Contains(goAlwaysShowEditor) && Focused())) && CanEditShow()) ShowEditor();
  return true;
}

void TCustomGrid::SetLeftCol(Integer value) {
  value = std::clamp(value, fixedCols_, ColCount() - 1);
  if (value == leftCol_) return;
  leftCol_ = value;
  PlaceEditor();
  Invalidate();
}

void TCustomGrid::SetTopRow(Integer value) {
  value = std::clamp(value, fixedRows_, RowCount() - 1);
  if (value == topRow_) return;
  topRow_ = value;
  PlaceEditor();
  UpdateScrollBar();
  Invalidate();
}

Integer TCustomGrid::VisibleColCount() const {
  Integer x = BorderInset();
  const Integer line = ColLineWidth();
  for (Integer c = 0; c < fixedCols_; ++c) x += colWidths_[static_cast<size_t>(c)] + line;
  Integer n = 0;
  for (Integer c = leftCol_; c < ColCount(); ++c) {
    x += colWidths_[static_cast<size_t>(c)] + line;
    if (x > CellAreaRight()) break;
    ++n;
  }
  return std::max<Integer>(n, 1);
}

Integer TCustomGrid::VisibleRowCount() const {
  Integer y = BorderInset();
  const Integer line = RowLineWidth();
  for (Integer r = 0; r < fixedRows_; ++r) y += rowHeights_[static_cast<size_t>(r)] + line;
  Integer n = 0;
  for (Integer r = topRow_; r < RowCount(); ++r) {
    y += rowHeights_[static_cast<size_t>(r)] + line;
    if (y > height_ - BorderInset()) break;
    ++n;
  }
  return std::max<Integer>(n, 1);
}

void TCustomGrid::ScrollInView(Integer col, Integer row) {
  if (col >= fixedCols_) {
    if (col < leftCol_) SetLeftCol(col);
    while (col >= leftCol_ + VisibleColCount() && leftCol_ < col) SetLeftCol(leftCol_ + 1);
  }
  if (row >= fixedRows_) {
    if (row < topRow_) SetTopRow(row);
    while (row >= topRow_ + VisibleRowCount() && topRow_ < row) SetTopRow(topRow_ + 1);
  }
}

TRect TCustomGrid::CellRect(Integer col, Integer row) const {
  if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return TRect{};
  if ((col >= fixedCols_ && col < leftCol_) || (row >= fixedRows_ && row < topRow_)) return TRect{};
  Integer x = BorderInset(), y = BorderInset();
  for (Integer c = 0; c < col; ++c)
    if (c < fixedCols_ || c >= leftCol_) x += colWidths_[static_cast<size_t>(c)] + ColLineWidth();
  for (Integer r = 0; r < row; ++r)
    if (r < fixedRows_ || r >= topRow_) y += rowHeights_[static_cast<size_t>(r)] + RowLineWidth();
  TRect rect = Bounds(x, y, colWidths_[static_cast<size_t>(col)], rowHeights_[static_cast<size_t>(row)]);
  if (rect.Left >= CellAreaRight() || rect.Top >= height_ - BorderInset()) return TRect{};
  return rect;
}

bool TCustomGrid::MouseToCell(Integer x, Integer y, Integer& col, Integer& row) const {
  col = row = -1;
  Integer cx = BorderInset();
  for (Integer c = 0; c < ColCount(); ++c) {
    if (c >= fixedCols_ && c < leftCol_) continue;
    const Integer w = colWidths_[static_cast<size_t>(c)] + ColLineWidth();
    if (x >= cx && x < cx + w && x < CellAreaRight()) { col = c; break; }
    cx += w;
  }
  Integer cy = BorderInset();
  for (Integer r = 0; r < RowCount(); ++r) {
    if (r >= fixedRows_ && r < topRow_) continue;
    const Integer h = rowHeights_[static_cast<size_t>(r)] + RowLineWidth();
    if (y >= cy && y < cy + h) { row = r; break; }
    cy += h;
  }
  return col >= 0 && row >= 0;
}

void TCustomGrid::InvalidateCell(Integer col, Integer row) {
  TRect r = CellRect(col, row);
  if (r.IsEmpty()) return;
  TCustomForm* form = GetParentForm(this);
  if (!form) return;
  const TPoint o = WindowOrigin();
  form->InvalidateWindowRect(IntersectRect(OffsetRect(Rect(r.Left, r.Top, r.Right + ColLineWidth(), r.Bottom + RowLineWidth()), o.X, o.Y), VisibleWindowRect()));
}

Integer TCustomGrid::ColLineWidth() const {
  return options_.Contains(goFixedVertLine) || options_.Contains(goVertLine) ? gridLineWidth_ : 0;
}

Integer TCustomGrid::RowLineWidth() const {
  return options_.Contains(goFixedHorzLine) || options_.Contains(goHorzLine) ? gridLineWidth_ : 0;
}

Integer TCustomGrid::CellAreaRight() const {
  return width_ - BorderInset() - (vertBar_ ? vertBar_->Width() : 0);
}

void TCustomGrid::UpdateScrollBar() {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
  // The largest top row that still fills the area below the fixed rows.
  const Integer b = BorderInset(), line = RowLineWidth();
  Integer room = height_ - 2 * b;
  for (Integer r = 0; r < fixedRows_; ++r) room -= rowHeights_[static_cast<size_t>(r)] + line;
  Integer maxTop = RowCount() - 1, used = 0;
  while (maxTop >= fixedRows_ && used + rowHeights_[static_cast<size_t>(maxTop)] + line <= room)
    used += rowHeights_[static_cast<size_t>(maxTop--)] + line;
  maxTop = std::clamp<Integer>(maxTop + 1, fixedRows_, RowCount() - 1);
  const bool wanted = (scrollBars_ == ssVertical || scrollBars_ == ssBoth) && maxTop > fixedRows_ &&
                      height_ - 2 * b >= 2 * TScrollBar::kInnerWidth && width_ - 2 * b > TScrollBar::kInnerWidth;
  if (!wanted) {
    if (vertBar_) {
      delete vertBar_;
      vertBar_ = nullptr;
      PlaceEditor();
      Invalidate();
    }
    return;
  }
  if (!vertBar_) {
    vertBar_ = MakeInnerScrollBar(this, [this](Integer position) { SetTopRow(fixedRows_ + position); });
    PlaceEditor();
    Invalidate();
  }
  vertBar_->SetBounds(width_ - b - TScrollBar::kInnerWidth, b, TScrollBar::kInnerWidth, height_ - 2 * b);
  // Top rows fixedRows_ to maxTop, the rows below the fixed ones seen a page at a time.
  const Integer page = std::max<Integer>(VisibleRowCount(), 1);
  vertBar_->SetRows(topRow_ - fixedRows_, maxTop - fixedRows_ + page, page);
}

void TCustomGrid::MoveColumn(Integer fromIndex, Integer toIndex) {
  if (fromIndex < 0 || fromIndex >= ColCount()) ListIndexError(fromIndex);
  if (toIndex < 0 || toIndex >= ColCount()) ListIndexError(toIndex);
  if (fromIndex == toIndex) return;
  HideEditor();
  const Integer w = colWidths_[static_cast<size_t>(fromIndex)];
  colWidths_.erase(colWidths_.begin() + fromIndex);
  colWidths_.insert(colWidths_.begin() + toIndex, w);
  ColumnMoved(fromIndex, toIndex);
  Invalidate();
}

void TCustomGrid::MoveRow(Integer fromIndex, Integer toIndex) {
  if (fromIndex < 0 || fromIndex >= RowCount()) ListIndexError(fromIndex);
  if (toIndex < 0 || toIndex >= RowCount()) ListIndexError(toIndex);
  if (fromIndex == toIndex) return;
  HideEditor();
  const Integer h = rowHeights_[static_cast<size_t>(fromIndex)];
  rowHeights_.erase(rowHeights_.begin() + fromIndex);
  rowHeights_.insert(rowHeights_.begin() + toIndex, h);
  RowMoved(fromIndex, toIndex);
  Invalidate();
}

void TCustomGrid::ColumnMoved(Integer, Integer) {}
void TCustomGrid::RowMoved(Integer, Integer) {}
std::string TCustomGrid::GetEditText(Integer, Integer) { return std::string(); }
void TCustomGrid::SetEditText(Integer, Integer, const std::string&) {}
bool TCustomGrid::CanEditShow() const {
  return options_.Contains(goEditing) && !options_.Contains(goRowSelect) && !ComponentState().Contains(csDesigning);
}

bool TCustomGrid::HasCustomColWidths() const {
  return std::any_of(colWidths_.begin(), colWidths_.end(), [this](Integer w) { return w != defaultColWidth_; });
}

bool TCustomGrid::HasCustomRowHeights() const {
  return std::any_of(rowHeights_.begin(), rowHeights_.end(), [this](Integer h) { return h != defaultRowHeight_; });
}

void TCustomGrid::DefineProperties(TFiler& filer) {
  TCustomControl::DefineProperties(filer);
  // Sizes that differ from the defaults are stored as lists of integers.
  auto reader = [](std::vector<Integer>& sizes) {
    return [&sizes](TReader& r) {
      r.ReadListBegin();
      for (size_t i = 0; !r.EndOfList(); ++i) {
        const Integer v = r.ReadInteger();
        if (i < sizes.size()) sizes[i] = v;
      }
      r.ReadListEnd();
    };
  };
  auto writer = [](const std::vector<Integer>& sizes) {
    return [&sizes](TWriter& w) {
      w.WriteListBegin();
      for (Integer v : sizes) w.WriteInteger(v);
      w.WriteListEnd();
    };
  };
  filer.DefineProperty("ColWidths", reader(colWidths_), writer(colWidths_), HasCustomColWidths());
  filer.DefineProperty("RowHeights", reader(rowHeights_), writer(rowHeights_), HasCustomRowHeights());
}

void TCustomGrid::Loaded() {
  TCustomControl::Loaded();
  col_ = std::clamp(options_.Contains(goRowSelect) ? fixedCols_ : col_, fixedCols_, ColCount() - 1);
  row_ = std::clamp(row_, fixedRows_, RowCount() - 1);
  leftCol_ = std::clamp(leftCol_, fixedCols_, ColCount() - 1);
  topRow_ = std::clamp(topRow_, fixedRows_, RowCount() - 1);
  UpdateScrollBar();
}

void TCustomGrid::BoundsChanged(bool sizeChanged) {
  TCustomControl::BoundsChanged(sizeChanged);
  if (sizeChanged) UpdateScrollBar();
}

}  // namespace host

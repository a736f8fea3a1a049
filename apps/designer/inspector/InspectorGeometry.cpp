// Where the Object Inspector's parts lie: tabs, rows, the name column, the value
// list, the scroll bar; and repainting only the parts that change.
#include <algorithm>

#include "ObjectInspector.h"

namespace designer {

using namespace host;

namespace {

constexpr Integer kBorder = 2;       // the sunken frame around the rows
constexpr Integer kIndent = 10;      // per level of sub-properties
constexpr Integer kDropRows = 8;     // items the value list shows at once
constexpr Integer kMinColumn = 24;   // narrowest name or value column

const char* PageCaption(TInspectorPage page) { return page == TInspectorPage::Events ? "Events" : "Properties"; }

}  // namespace

void TObjectInspector::MeasureRows() {
  TCanvas measure;
  measure.Font().Assign(Font());
  view_.RowHeight = measure.TextHeight("Wg") + 3;
}

void TObjectInspector::CMFontChanged(TMessage& message) {
  TCustomControl::CMFontChanged(message);
  MeasureRows();
  UpdateScrollBar();
  Invalidate();
}

void TObjectInspector::BoundsChanged(bool sizeChanged) {
  TCustomControl::BoundsChanged(sizeChanged);
  if (!sizeChanged) return;
  UpdateScrollBar();
  SetSplitter(splitter_);
}

TRect TObjectInspector::TabRect(TInspectorPage page) const {
  TCanvas measure;
  measure.Font().Assign(Font());
  const Integer w0 = measure.TextWidth(PageCaption(TInspectorPage::Properties)) + 16;
  const Integer w1 = measure.TextWidth(PageCaption(TInspectorPage::Events)) + 16;
  if (page == TInspectorPage::Properties) return Rect(2, 2, 2 + w0, kTabHeight);
  return Rect(2 + w0, 2, 2 + w0 + w1, kTabHeight);
}

Integer TObjectInspector::RowsRight() const {
  return width_ - kBorder - (view_.Bar ? view_.Bar->Width() : 0);
}

TRect TObjectInspector::RowsArea() const {
  return Rect(kBorder, kTabHeight + kBorder, std::max(RowsRight(), kBorder), std::max(height_ - kBorder, kTabHeight + kBorder));
}

Integer TObjectInspector::VisibleRowCount() const { return view_.Fit(RowsArea()); }

TRect TObjectInspector::RowRect(Integer index) const { return view_.RowRect(RowsArea(), index, RowCount()); }

Integer TObjectInspector::RowAt(Integer y) const { return view_.RowAt(RowsArea(), y, RowCount()); }

TRect TObjectInspector::ExpandBoxRect(Integer index) const {
  const TRect r = RowRect(index);
  if (r.IsEmpty() || !rows_[static_cast<size_t>(index)].Expandable) return TRect{};
  const Integer x = r.Left + 3 + rows_[static_cast<size_t>(index)].Level * kIndent, y = r.Top + (view_.RowHeight - 1 - 9) / 2;
  return Rect(x, y, x + 9, y + 9);
}

TRect TObjectInspector::ButtonRect() const {
  if (current_ < 0) return TRect{};
  const TInspectorRow& row = rows_[static_cast<size_t>(current_)];
  if (!row.Attributes.Contains(paValueList) && !row.Attributes.Contains(paDialog)) return TRect{};
  const TRect r = RowRect(current_);
  if (r.IsEmpty()) return r;
  const Integer w = std::min<Integer>(16, view_.RowHeight);
  return Rect(std::max(r.Right - w, ValueLeft()), r.Top, r.Right, r.Top + view_.RowHeight - 1);
}

TRect TObjectInspector::ValueTextArea() const {
  const TRect r = RowRect(current_);
  if (current_ < 0 || r.IsEmpty()) return TRect{};
  TRect area = Rect(ValueLeft() + 1, r.Top, r.Right, r.Top + view_.RowHeight - 1);
  const TRect button = ButtonRect();
  if (!button.IsEmpty()) area.Right = std::max(area.Left, button.Left);
  return area;
}

TRect TObjectInspector::DropListRect() const {
  if (!dropped_) return TRect{};
  const TRect area = RowsArea(), row = RowRect(current_);
  if (row.IsEmpty()) return TRect{};
  const Integer shown = std::min<Integer>(static_cast<Integer>(dropItems_.size()), kDropRows);
  Integer h = shown * view_.RowHeight + 2;
  Integer y = row.Bottom;
  // Above the row when it fits there and not below.
  if (y + h > area.Bottom && row.Top - area.Top >= h) y = row.Top - h;
  else h = std::min(h, area.Bottom - y);
  return Rect(ValueLeft(), y, area.Right, y + h);
}

TRect TObjectInspector::DropItemsArea() const {
  const TRect r = DropListRect();
  if (r.IsEmpty()) return r;
  return Rect(r.Left + 1, r.Top + 1, r.Right - 1 - (dropView_.Bar ? dropView_.Bar->Width() : 0), r.Bottom - 1);
}

Integer TObjectInspector::DropItemAt(TPoint p) const {
  const TRect area = DropItemsArea();
  if (!area.Contains(p)) return -1;
  return dropView_.RowAt(area, p.Y, static_cast<Integer>(dropItems_.size()));
}

void TObjectInspector::SetDropTop(Integer item) {
  if (dropView_.SetTop(item, static_cast<Integer>(dropItems_.size()), DropFit())) InvalidateRect(DropListRect());
}

void TObjectInspector::UpdateDropBar() {
  const TRect r = DropListRect();
  const TRect strip = dropped_ ? Rect(r.Right - 1 - TScrollBar::kInnerWidth, r.Top + 1, r.Right - 1, r.Bottom - 1) : TRect{};
  dropView_.RowHeight = view_.RowHeight;
  const Integer count = dropped_ ? static_cast<Integer>(dropItems_.size()) : 0;
  dropView_.UpdateBar(this, strip, count, dropView_.Fit(strip), [this](Integer item) { SetDropTop(item); });
}

void TObjectInspector::SetSplitter(Integer x) {
  const TRect area = RowsArea();
  if (!splitterSet_) x = area.Left + area.Width() * 2 / 5;
  x = std::clamp<Integer>(x, area.Left + kMinColumn, std::max(area.Right - kMinColumn, area.Left + kMinColumn));
  if (x == splitter_) return;
  splitter_ = x;
  InvalidateRect(area);
}

void TObjectInspector::SetTopRow(Integer row) {
  if (row == view_.Top) return;
  SetDroppedDown(false);  // it hangs under a row that moves
  if (view_.SetTop(row, RowCount(), VisibleRowCount())) InvalidateRect(RowsArea());
}

void TObjectInspector::ScrollInView(Integer index) { SetTopRow(view_.TopShowing(index, VisibleRowCount())); }

void TObjectInspector::UpdateScrollBar() {
  if (ComponentState().Contains(csDestroying)) return;
  const TRect strip = Rect(width_ - kBorder - TScrollBar::kInnerWidth, kTabHeight + kBorder, width_ - kBorder, height_ - kBorder);
  if (view_.UpdateBar(this, strip, RowCount(), view_.Fit(strip), [this](Integer position) { SetTopRow(position); })) {
    SetSplitter(splitter_);
    Invalidate();
  }
}

void TObjectInspector::InvalidateRect(const TRect& r) { InvalidateControlRect(*this, r); }

void TObjectInspector::InvalidateRow(Integer index) {
  if (index < 0 || index >= RowCount()) return;
  InvalidateRect(RowRect(index));
}

}  // namespace designer

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
  rowHeight_ = measure.TextHeight("Wg") + 3;
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
  return width_ - kBorder - (scrollBar_ ? scrollBar_->Width() : 0);
}

TRect TObjectInspector::RowsArea() const {
  return Rect(kBorder, kTabHeight + kBorder, std::max(RowsRight(), kBorder), std::max(height_ - kBorder, kTabHeight + kBorder));
}

Integer TObjectInspector::VisibleRowCount() const { return std::max<Integer>(RowsArea().Height() / rowHeight_, 1); }

TRect TObjectInspector::RowRect(Integer index) const {
  const TRect area = RowsArea();
  if (index < top_ || index >= RowCount()) return TRect{};
  const Integer y = area.Top + (index - top_) * rowHeight_;
  if (y >= area.Bottom) return TRect{};
  return Rect(area.Left, y, area.Right, std::min(y + rowHeight_, area.Bottom));
}

Integer TObjectInspector::RowAt(Integer y) const {
  const TRect area = RowsArea();
  if (y < area.Top || y >= area.Bottom) return -1;
  const Integer i = top_ + (y - area.Top) / rowHeight_;
  return i < RowCount() ? i : -1;
}

TRect TObjectInspector::ExpandBoxRect(Integer index) const {
  const TRect r = RowRect(index);
  if (r.IsEmpty() || !rows_[static_cast<size_t>(index)].Expandable) return TRect{};
  const Integer x = r.Left + 3 + rows_[static_cast<size_t>(index)].Level * kIndent, y = r.Top + (rowHeight_ - 1 - 9) / 2;
  return Rect(x, y, x + 9, y + 9);
}

TRect TObjectInspector::ButtonRect() const {
  if (current_ < 0) return TRect{};
  const TInspectorRow& row = rows_[static_cast<size_t>(current_)];
  if (!row.Attributes.Contains(paValueList) && !row.Attributes.Contains(paDialog)) return TRect{};
  const TRect r = RowRect(current_);
  if (r.IsEmpty()) return r;
  const Integer w = std::min<Integer>(16, rowHeight_);
  return Rect(std::max(r.Right - w, ValueLeft()), r.Top, r.Right, r.Top + rowHeight_ - 1);
}

TRect TObjectInspector::DropListRect() const {
  if (!dropped_) return TRect{};
  const TRect area = RowsArea(), row = RowRect(current_);
  if (row.IsEmpty()) return TRect{};
  const Integer shown = std::min<Integer>(static_cast<Integer>(dropItems_.size()), kDropRows);
  Integer h = shown * rowHeight_ + 2;
  Integer y = row.Bottom;
  // Above the row when it fits there and not below.
  if (y + h > area.Bottom && row.Top - area.Top >= h) y = row.Top - h;
  else h = std::min(h, area.Bottom - y);
  return Rect(ValueLeft(), y, area.Right, y + h);
}

Integer TObjectInspector::DropItemAt(TPoint p) const {
  const TRect r = DropListRect();
  if (!r.Contains(p) || p.Y < r.Top + 1) return -1;
  const Integer i = dropTop_ + (p.Y - r.Top - 1) / rowHeight_;
  return i < static_cast<Integer>(dropItems_.size()) ? i : -1;
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
  row = std::clamp<Integer>(row, 0, std::max<Integer>(RowCount() - VisibleRowCount(), 0));
  if (row == top_) return;
  SetDroppedDown(false);
  top_ = row;
  if (scrollBar_) scrollBar_->SetParams(top_, scrollBar_->Range(), scrollBar_->PageSize());
  InvalidateRect(RowsArea());
}

void TObjectInspector::ScrollInView(Integer index) {
  if (index < 0) return;
  if (index < top_) SetTopRow(index);
  else if (index >= top_ + VisibleRowCount()) SetTopRow(index - VisibleRowCount() + 1);
}

void TObjectInspector::UpdateScrollBar() {
  if (ComponentState().Contains(csDestroying)) return;
  const Integer areaHeight = height_ - kTabHeight - 2 * kBorder;
  const Integer fit = std::max<Integer>(areaHeight / rowHeight_, 1);
  const bool wanted = RowCount() > fit && areaHeight >= 2 * TGridScrollBar::kWidth;
  if (!wanted) {
    if (scrollBar_) {
      delete scrollBar_;
      scrollBar_ = nullptr;
      SetSplitter(splitter_);
      Invalidate();
    }
    top_ = std::clamp<Integer>(top_, 0, std::max<Integer>(RowCount() - fit, 0));
    return;
  }
  if (!scrollBar_) {
    scrollBar_ = new TGridScrollBar();
    scrollBar_->OnScroll = [this](Integer position) { SetTopRow(position); };
    scrollBar_->SetParent(this);
    SetSplitter(splitter_);
    Invalidate();
  }
  scrollBar_->SetBounds(width_ - kBorder - TGridScrollBar::kWidth, kTabHeight + kBorder, TGridScrollBar::kWidth, areaHeight);
  top_ = std::clamp<Integer>(top_, 0, RowCount() - fit);
  scrollBar_->SetParams(top_, RowCount() - fit, fit);
}

void TObjectInspector::InvalidateRect(const TRect& r) {
  if (r.IsEmpty()) return;
  IWindowHost* window = WindowHost();
  if (!window || !window->HasWindowPixels() || !VisibleInWindow()) return;
  const TPoint o = WindowOrigin();
  const TRect visible = IntersectRect(OffsetRect(r, o.X, o.Y), VisibleWindowRect());
  if (!visible.IsEmpty()) window->InvalidateWindowRect(visible);
}

void TObjectInspector::InvalidateRow(Integer index) {
  if (index < 0 || index >= RowCount()) return;
  InvalidateRect(RowRect(index));
}

}  // namespace designer

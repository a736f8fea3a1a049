// Where the findings panel's parts lie and how they are painted: a header of raised
// column captions over a sunken list, a coloured mark for each severity.
#include <algorithm>

#include "RouteFindingsPanel.h"
#include "host/graphics/Draw3D.h"

namespace designer {

using namespace host;
using namespace zelvant;

namespace {

constexpr Integer kBorder = 2;
// Widths of the severity, position and page columns; the message takes the rest.
constexpr Integer kColumnWidths[3] = {72, 56, 110};
const char* const kCaptions[4] = {"Severity", "Position", "Page", "Message"};

constexpr TColor kErrorMark = clRed;
constexpr TColor kWarningMark = static_cast<TColor>(0x0080FF);  // orange

}  // namespace

void TRouteFindingsPanel::CMFontChanged(TMessage& message) {
  TCustomControl::CMFontChanged(message);
  TCanvas measure;
  measure.Font().Assign(Font());
  view_.RowHeight = measure.TextHeight("Wg") + 3;
  UpdateScrollBar();
  Invalidate();
}

void TRouteFindingsPanel::BoundsChanged(bool sizeChanged) {
  TCustomControl::BoundsChanged(sizeChanged);
  if (sizeChanged) UpdateScrollBar();
}

Integer TRouteFindingsPanel::ColumnLeft(int column) const {
  Integer x = kBorder;
  for (int c = 0; c < std::clamp(column, 0, 3); ++c) x += kColumnWidths[c];
  return x;
}

TRect TRouteFindingsPanel::HeaderRect() const {
  return Rect(kBorder, kBorder, width_ - kBorder - (view_.Bar ? view_.Bar->Width() : 0), kBorder + view_.RowHeight + 2);
}

TRect TRouteFindingsPanel::ListArea() const {
  const TRect header = HeaderRect();
  return Rect(header.Left, header.Bottom, header.Right, std::max(height_ - kBorder, header.Bottom));
}

Integer TRouteFindingsPanel::VisibleRowCount() const { return view_.Fit(ListArea()); }

TRect TRouteFindingsPanel::RowRect(Integer index) const { return view_.RowRect(ListArea(), index, Count()); }

void TRouteFindingsPanel::SetTopRow(Integer row) {
  if (view_.SetTop(row, Count(), VisibleRowCount())) Invalidate();
}

void TRouteFindingsPanel::ScrollInView(Integer index) { SetTopRow(view_.TopShowing(index, VisibleRowCount())); }

void TRouteFindingsPanel::UpdateScrollBar() {
  if (ComponentState().Contains(csDestroying)) return;
  const TRect strip = Rect(width_ - kBorder - TScrollBar::kInnerWidth, kBorder, width_ - kBorder, height_ - kBorder);
  const TRect list = Rect(0, strip.Top + view_.RowHeight + 2, 0, strip.Bottom);
  if (view_.UpdateBar(this, strip, Count(), view_.Fit(list), [this](Integer position) { SetTopRow(position); }))
    Invalidate();
}

void TRouteFindingsPanel::InvalidateRow(Integer index) { InvalidateControlRect(*this, RowRect(index)); }

void TRouteFindingsPanel::Paint() {
  TCanvas& c = Canvas();
  c.Font().Assign(Font());
  DrawSunkenField(c, Rect(0, 0, width_, height_), Color());
  const TRect header = HeaderRect();
  for (int col = 0; col < 4; ++col) {
    const TRect cell = Rect(ColumnLeft(col), header.Top, col < 3 ? ColumnLeft(col + 1) : header.Right, header.Bottom);
    if (cell.Left >= cell.Right) continue;
    c.Brush().SetColor(clBtnFace);
    c.FillRect(cell);
    Frame3D(c, cell, clBtnHighlight, clBtnShadow);
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(clBtnText);
    c.TextRect(Rect(cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1), cell.Left + 4, cell.Top + 2, kCaptions[col]);
    c.Brush().SetStyle(bsSolid);
  }
  const TRect area = ListArea();
  if (findings_.empty()) {
    const std::string none = wizard_ ? "No route problems found." : "No wizard on the form.";
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(clGrayText);
    c.TextRect(area, area.Left + 6, area.Top + 3, none);
    c.Brush().SetStyle(bsSolid);
    return;
  }
  const TRect clip = c.ClipRect();
  for (Integer i = view_.Top; i < Count(); ++i) {
    const TRect r = RowRect(i);
    if (r.IsEmpty()) break;
    if (!IntersectRect(r, clip).IsEmpty()) PaintRow(c, i);
  }
}

void TRouteFindingsPanel::PaintRow(TCanvas& c, Integer index) {
  const TRect r = RowRect(index);
  const bool current = index == current_;
  const bool lit = current && Focused();
  c.Brush().SetColor(lit ? clHighlight : current ? clBtnFace : Color());
  c.FillRect(r);
  const TRouteFinding& f = findings_[static_cast<size_t>(index)];
  // The mark: a red disc for an error, an orange one for a warning.
  const Integer d = std::min<Integer>(view_.RowHeight - 5, 9);
  const Integer mx = ColumnLeft(0) + 4, my = r.Top + (view_.RowHeight - d) / 2;
  const TColor mark = f.Severity == TRouteSeverity::Error ? kErrorMark : kWarningMark;
  c.Brush().SetColor(mark);
  c.Pen().SetColor(mark);
  c.Ellipse(mx, my, mx + d, my + d);
  const std::vector<std::string> texts = Columns(index);
  c.Brush().SetStyle(bsClear);
  c.Font().SetColor(lit ? clHighlightText : clWindowText);
  const Integer ty = r.Top + (view_.RowHeight - c.TextHeight("Wg")) / 2;
  for (int col = 0; col < 4; ++col) {
    const Integer left = ColumnLeft(col) + (col == 0 ? d + 8 : 4);
    const Integer right = col < 3 ? ColumnLeft(col + 1) - 2 : r.Right;
    if (left < right) c.TextRect(Rect(left, r.Top, right, r.Bottom), left, ty, texts[static_cast<size_t>(col)]);
  }
  c.Brush().SetStyle(bsSolid);
  if (lit) c.DrawFocusRect(r);
}

}  // namespace designer

// Painting the Object Inspector: the page tabs, a sunken area of rows with the name
// column left of the splitter, the current row's edit field and button, and the value
// list dropped over the rows.
#include <algorithm>

#include "ObjectInspector.h"
#include "host/graphics/Draw3D.h"

namespace designer {

using namespace host;

namespace {

constexpr Integer kIndent = 10;

bool Overlaps(const TRect& a, const TRect& b) { return !IntersectRect(a, b).IsEmpty(); }

void DrawTab(TCanvas& c, const TRect& r, const std::string& caption, bool active) {
  const TRect t = active ? Rect(r.Left, r.Top - 2, r.Right, r.Bottom + 1) : Rect(r.Left + 1, r.Top, r.Right - 1, r.Bottom);
  c.Brush().SetColor(clBtnFace);
  c.FillRect(t);
  c.Brush().SetColor(clBtnHighlight);
  c.FillRect(Rect(t.Left, t.Top + 1, t.Left + 1, t.Bottom));
  c.FillRect(Rect(t.Left + 1, t.Top, t.Right - 1, t.Top + 1));
  c.Brush().SetColor(clBtnShadow);
  c.FillRect(Rect(t.Right - 2, t.Top + 1, t.Right - 1, t.Bottom));
  c.Brush().SetColor(cl3DDkShadow);
  c.FillRect(Rect(t.Right - 1, t.Top + 1, t.Right, t.Bottom));
  c.Brush().SetStyle(bsClear);
  c.Font().SetColor(clBtnText);
  c.TextOut(t.Left + (t.Width() - c.TextWidth(caption)) / 2, t.Top + (t.Height() - c.TextHeight(caption)) / 2, caption);
  c.Brush().SetStyle(bsSolid);
}

}  // namespace

void TObjectInspector::Paint() {
  TCanvas& c = Canvas();
  c.Font().Assign(Font());
  const TRect clip = c.ClipRect();
  const TRect area = RowsArea();
  if (Overlaps(clip, Rect(0, 0, width_, area.Top))) PaintTabs(c);
  Frame3D(c, Rect(0, kTabHeight, width_, height_), clBtnShadow, clBtnHighlight);
  Frame3D(c, Rect(1, kTabHeight + 1, width_ - 1, height_ - 1), cl3DDkShadow, cl3DLight);
  c.Brush().SetColor(Color());
  const TRect below = Rect(area.Left, area.Top + (RowCount() - view_.Top) * view_.RowHeight, area.Right, area.Bottom);
  if (!below.IsEmpty() && Overlaps(clip, below)) c.FillRect(below);
  for (Integer i = std::max<Integer>(view_.Top, 0); i < RowCount(); ++i) {
    const TRect r = RowRect(i);
    if (r.IsEmpty()) break;
    if (Overlaps(clip, r)) PaintRow(c, i);
  }
  // The splitter runs on below the last row.
  if (!below.IsEmpty()) {
    c.Brush().SetColor(clBtnShadow);
    c.FillRect(Rect(splitter_ - 1, below.Top, splitter_, below.Bottom));
    c.Brush().SetColor(clBtnHighlight);
    c.FillRect(Rect(splitter_, below.Top, splitter_ + 1, below.Bottom));
  }
  PaintButton(c);
  if (dropped_) PaintDropList(c);
}

void TObjectInspector::PaintTabs(TCanvas& c) {
  c.Brush().SetColor(clBtnFace);
  c.FillRect(Rect(0, 0, width_, kTabHeight));
  const TInspectorPage other = page_ == TInspectorPage::Events ? TInspectorPage::Properties : TInspectorPage::Events;
  DrawTab(c, TabRect(other), other == TInspectorPage::Events ? "Events" : "Properties", false);
  DrawTab(c, TabRect(page_), page_ == TInspectorPage::Events ? "Events" : "Properties", true);
}

void TObjectInspector::PaintRow(TCanvas& c, Integer index) {
  const TInspectorRow& row = rows_[static_cast<size_t>(index)];
  const TRect r = RowRect(index);
  const bool current = index == current_;
  const bool focused = Focused();
  const Integer textTop = r.Top + (view_.RowHeight - 1 - c.TextHeight("Wg")) / 2;
  const TRect nameCell = Rect(r.Left, r.Top, splitter_ - 1, r.Top + view_.RowHeight - 1);
  const TRect valueCell = Rect(ValueLeft(), r.Top, r.Right, r.Top + view_.RowHeight - 1);
  c.Brush().SetColor(Color());
  c.FillRect(r);
  // Name column.
  const bool lit = current && focused;
  if (current) {
    c.Brush().SetColor(lit ? clHighlight : clBtnShadow);
    c.FillRect(nameCell);
  }
  const Integer indent = r.Left + 3 + row.Level * kIndent;
  if (row.Expandable) {
    const TRect box = ExpandBoxRect(index);
    c.Brush().SetColor(clWindow);
    c.FillRect(box);
    c.Brush().SetColor(clBtnShadow);
    c.FrameRect(box);
    c.Brush().SetColor(clWindowText);
    const Integer my = box.Top + 4;
    c.FillRect(Rect(box.Left + 2, my, box.Right - 2, my + 1));
    if (!row.Expanded) c.FillRect(Rect(box.Left + 4, box.Top + 2, box.Left + 5, box.Bottom - 2));
  }
  c.Brush().SetStyle(bsClear);
  c.Font().SetColor(current ? clHighlightText : clBtnText);
  c.TextRect(nameCell, indent + 12, textTop, row.Name);
  // Value column: the current row is an edit field.
  const bool readOnly = row.Attributes.Contains(paReadOnly);
  if (current && !readOnly) {
    c.Brush().SetColor(clWindow);
    c.FillRect(valueCell);
    const TRect area = ValueTextArea();
    line_.ScrollToCaret(c, editText_, area.Width());
    line_.Paint(c, area, editText_, clWindowText, focused);
    if (focused) TLineEditor::DrawCaret(c, line_.CaretRect(c, editText_, area), clWindowText);
  } else {
    c.Font().SetColor(current ? clWindowText : clNavy);
    c.TextRect(valueCell, valueCell.Left + 2, textTop, current ? editText_ : row.Value);
  }
  c.Brush().SetStyle(bsSolid);
  // Lines: under the row, and the splitter between the columns.
  c.Brush().SetColor(clBtnShadow);
  c.FillRect(Rect(r.Left, r.Top + view_.RowHeight - 1, r.Right, r.Top + view_.RowHeight));
  c.FillRect(Rect(splitter_ - 1, r.Top, splitter_, r.Bottom));
  c.Brush().SetColor(clBtnHighlight);
  c.FillRect(Rect(splitter_, r.Top, splitter_ + 1, r.Bottom));
}

void TObjectInspector::PaintButton(TCanvas& c) {
  const TRect b = ButtonRect();
  if (b.IsEmpty() || !Overlaps(c.ClipRect(), b)) return;
  const TRect inner = DrawButtonFace(c, b, dropped_, false);
  c.Brush().SetColor(clBtnText);
  if (rows_[static_cast<size_t>(current_)].Attributes.Contains(paValueList)) {
    const Integer ax = inner.Left + (inner.Width() - 7) / 2 + (dropped_ ? 1 : 0);
    const Integer ay = inner.Top + (inner.Height() - 4) / 2 + (dropped_ ? 1 : 0);
    for (Integer i = 0; i < 4; ++i) c.FillRect(Rect(ax + i, ay + i, ax + 7 - i, ay + i + 1));
  } else {
    // "...": three dots of two pixels.
    const Integer dx = inner.Left + (inner.Width() - 10) / 2, dy = inner.Bottom - 4;
    for (Integer i = 0; i < 3; ++i) c.FillRect(Rect(dx + 4 * i, dy, dx + 4 * i + 2, dy + 2));
  }
}

void TObjectInspector::PaintDropList(TCanvas& c) {
  const TRect r = DropListRect();
  if (r.IsEmpty() || !Overlaps(c.ClipRect(), r)) return;
  c.Brush().SetColor(clWindowFrame);
  c.FrameRect(r);
  c.Brush().SetColor(clWindow);
  c.FillRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
  const TRect area = DropItemsArea();
  const Integer count = static_cast<Integer>(dropItems_.size());
  for (Integer i = dropView_.Top; i < count; ++i) {
    const TRect item = dropView_.RowRect(area, i, count);
    if (item.IsEmpty()) break;
    const bool lit = i == dropHighlight_;
    c.Brush().SetColor(lit ? clHighlight : clWindow);
    c.FillRect(item);
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(lit ? clHighlightText : clWindowText);
    c.TextRect(item, item.Left + 2, item.Top + 1, dropItems_[static_cast<size_t>(i)]);
    c.Brush().SetStyle(bsSolid);
  }
}

}  // namespace designer

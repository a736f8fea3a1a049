// Painting a grid: fixed cells raised in the face colour, selected cells in the
// highlight, the focused cell with a focus rectangle, then the grid lines.
#include "host/graphics/Draw3D.h"
#include "host/stdctrls/Grids.h"

namespace host {

void TCustomGrid::Paint() {
  TCanvas& c = Canvas();
  const Integer b = BorderInset();
  if (borderStyle_ == bsSingle) {
    Frame3D(c, Rect(0, 0, width_, height_), clBtnShadow, clBtnHighlight);
    Frame3D(c, Rect(1, 1, width_ - 1, height_ - 1), cl3DDkShadow, cl3DLight);
  }
  // The scroll bar paints itself over the strip it takes.
  const TRect inner = Rect(b, b, CellAreaRight(), height_ - b);
  c.IntersectClipRect(OffsetRect(inner, c.Origin().X, c.Origin().Y));
  c.Brush().SetColor(Color());
  c.FillRect(inner);
  const TGridRect sel = Selection();
  const bool focused = Focused() || (editor_ && editor_->Focused());
  auto visit = [&](auto&& fn) {
    for (Integer r = 0; r < RowCount(); ++r) {
      if (r >= fixedRows_ && r < topRow_) continue;
      bool anyInRow = false;
      for (Integer col = 0; col < ColCount(); ++col) {
        if (col >= fixedCols_ && col < leftCol_) continue;
        const TRect rect = CellRect(col, r);
        if (rect.IsEmpty()) break;
        anyInRow = true;
        fn(col, r, rect);
      }
      if (!anyInRow) break;
    }
  };
  visit([&](Integer col, Integer r, const TRect& rect) {
    TGridDrawState state;
    const bool fixed = col < fixedCols_ || r < fixedRows_;
    if (fixed) state.Include(gdFixed);
    const bool isFocus = col == col_ && r == row_;
    if (isFocus && focused) state.Include(gdFocused);
    const bool inSel = !fixed && col >= sel.Left && col <= sel.Right && r >= sel.Top && r <= sel.Bottom;
    // While the grid has the focus its focused cell is drawn selected only with
    // goDrawFocusSelected or goRowSelect; otherwise it shows the focus rectangle.
    if (inSel && (!isFocus || !focused || options_.Contains(goDrawFocusSelected) || options_.Contains(goRowSelect)))
      state.Include(gdSelected);
    if (defaultDrawing_) {
      c.Brush().SetStyle(bsSolid);
      c.Brush().SetColor(fixed ? fixedColor_ : state.Contains(gdSelected) ? clHighlight : Color());
      c.FillRect(rect);
      c.Font().Assign(Font());
      if (state.Contains(gdSelected)) c.Font().SetColor(clHighlightText);
    }
    DrawCell(col, r, rect, state);
    if (defaultDrawing_ && fixed) {
      Frame3D(c, Rect(rect.Left, rect.Top, rect.Right, rect.Bottom), clBtnHighlight, clBtnShadow);
    }
    if (defaultDrawing_ && state.Contains(gdFocused) && !editor_ && !options_.Contains(goRowSelect))
      c.DrawFocusRect(rect);
  });
  if (defaultDrawing_ && focused && options_.Contains(goRowSelect) && !editor_) {
    TRect row;
    for (Integer col = sel.Left; col <= sel.Right; ++col) {
      const TRect rect = CellRect(col, sel.Top);
      if (!rect.IsEmpty()) row = row.IsEmpty() ? rect : UnionRect(row, rect);
    }
    if (!row.IsEmpty()) c.DrawFocusRect(row);
  }
  const Integer colLine = ColLineWidth(), rowLine = RowLineWidth();
  if (colLine <= 0 && rowLine <= 0) return;
  visit([&](Integer col, Integer r, const TRect& rect) {
    const bool fixed = col < fixedCols_ || r < fixedRows_;
    const TColor line = fixed ? cl3DDkShadow : clSilver;
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(line);
    if (options_.Contains(fixed ? goFixedVertLine : goVertLine))
      c.FillRect(Rect(rect.Right, rect.Top, rect.Right + colLine, rect.Bottom + rowLine));
    if (options_.Contains(fixed ? goFixedHorzLine : goHorzLine))
      c.FillRect(Rect(rect.Left, rect.Bottom, rect.Right + colLine, rect.Bottom + rowLine));
  });
}

void TCustomGrid::DrawCell(Integer, Integer, const TRect&, TGridDrawState) {}

}  // namespace host

// TDrawGrid, TStringGrid and the in-place editor.
#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/stdctrls/Grids.h"
#include "host/core/Lists.h"
#include "host/core/Utf8.h"
#include "host/streaming/Filer.h"

namespace host {

HOST_PUBLISHED(TInplaceEdit) {}

HOST_PUBLISHED(TDrawGrid) {
  P.Property("Align", &TDrawGrid::Align, &TDrawGrid::SetAlign).SetDefault(alNone);
  P.Property("BorderStyle", &TDrawGrid::BorderStyle, &TDrawGrid::SetBorderStyle).SetDefault(bsSingle);
  P.Property("Color", &TDrawGrid::Color, &TDrawGrid::SetColor).SetDefault(clWindow).WithIdents(ColorIdents());
  P.Property("ColCount", &TDrawGrid::ColCount, &TDrawGrid::SetColCount).SetDefault(5);
  P.Property("DefaultColWidth", &TDrawGrid::DefaultColWidth, &TDrawGrid::SetDefaultColWidth).SetDefault(64);
  P.Property("DefaultDrawing", &TDrawGrid::DefaultDrawing, &TDrawGrid::SetDefaultDrawing).SetDefault(true);
  P.Property("DefaultRowHeight", &TDrawGrid::DefaultRowHeight, &TDrawGrid::SetDefaultRowHeight).SetDefault(24);
  P.Property("Enabled", &TDrawGrid::Enabled, &TDrawGrid::SetEnabled).SetDefault(true);
  P.Property("FixedColor", &TDrawGrid::FixedColor, &TDrawGrid::SetFixedColor).SetDefault(clBtnFace).WithIdents(ColorIdents());
  P.Property("FixedCols", &TDrawGrid::FixedCols, &TDrawGrid::SetFixedCols).SetDefault(1);
  P.Property("RowCount", &TDrawGrid::RowCount, &TDrawGrid::SetRowCount).SetDefault(5);
  P.Property("FixedRows", &TDrawGrid::FixedRows, &TDrawGrid::SetFixedRows).SetDefault(1);
  P.Property("Font", &TDrawGrid::Font).Stored(&TControl::IsFontStored);
  P.Property("GridLineWidth", &TDrawGrid::GridLineWidth, &TDrawGrid::SetGridLineWidth).SetDefault(1);
  P.Property("Options", &TDrawGrid::Options, &TDrawGrid::SetOptions)
      .SetDefault(static_cast<std::int64_t>(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}.Bits()));
  P.Property("ParentFont", &TDrawGrid::ParentFont, &TDrawGrid::SetParentFont).SetDefault(true);
  P.Property("ScrollBars", &TDrawGrid::ScrollBars, &TDrawGrid::SetScrollBars).SetDefault(ssBoth);
  P.Property("TabOrder", &TDrawGrid::TabOrder, &TDrawGrid::SetTabOrder).SetDefault(-1);
  P.Property("TabStop", &TDrawGrid::TabStop, &TDrawGrid::SetTabStop).SetDefault(true);
  P.Property("Visible", &TDrawGrid::Visible, &TDrawGrid::SetVisible).SetDefault(true);
  P.Property("OnClick", &TDrawGrid::OnClick);
  P.Property("OnColumnMoved", &TDrawGrid::OnColumnMoved);
  P.Property("OnDrawCell", &TDrawGrid::OnDrawCell);
  P.Property("OnEnter", &TDrawGrid::OnEnter);
  P.Property("OnExit", &TDrawGrid::OnExit);
  P.Property("OnGetEditText", &TDrawGrid::OnGetEditText);
  P.Property("OnKeyDown", &TDrawGrid::OnKeyDown);
  P.Property("OnKeyPress", &TDrawGrid::OnKeyPress);
  P.Property("OnMouseDown", &TDrawGrid::OnMouseDown);
  P.Property("OnMouseUp", &TDrawGrid::OnMouseUp);
  P.Property("OnRowMoved", &TDrawGrid::OnRowMoved);
  P.Property("OnSelectCell", &TDrawGrid::OnSelectCell);
  P.Property("OnSetEditText", &TDrawGrid::OnSetEditText);
}

HOST_PUBLISHED(TStringGrid) {}

// ---------------------------------------------------------------------------

TDrawGrid::TDrawGrid(TComponent* owner) : TCustomGrid(owner) {}

void TDrawGrid::DrawCell(Integer col, Integer row, const TRect& rect, TGridDrawState state) {
  if (OnDrawCell) OnDrawCell(this, col, row, rect, state);
}

bool TDrawGrid::SelectCell(Integer col, Integer row) {
  bool can = true;
  if (OnSelectCell) OnSelectCell(this, col, row, can);
  return can;
}

std::string TDrawGrid::GetEditText(Integer col, Integer row) {
  std::string value;
  if (OnGetEditText) OnGetEditText(this, col, row, value);
  return value;
}

void TDrawGrid::SetEditText(Integer col, Integer row, const std::string& value) {
  if (OnSetEditText) OnSetEditText(this, col, row, value);
}

void TDrawGrid::ColumnMoved(Integer fromIndex, Integer toIndex) {
  if (OnColumnMoved) OnColumnMoved(this, fromIndex, toIndex);
}

void TDrawGrid::RowMoved(Integer fromIndex, Integer toIndex) {
  if (OnRowMoved) OnRowMoved(this, fromIndex, toIndex);
}

// ---------------------------------------------------------------------------

TStringGrid::TStringGrid(TComponent* owner) : TDrawGrid(owner) {
  cells_.resize(static_cast<size_t>(ColCount() * RowCount()));
}

size_t TStringGrid::Index(Integer col, Integer row) const {
  if (col < 0 || col >= ColCount()) ListIndexError(col);
  if (row < 0 || row >= RowCount()) ListIndexError(row);
  return static_cast<size_t>(row) * static_cast<size_t>(ColCount()) + static_cast<size_t>(col);
}

std::string TStringGrid::Cells(Integer col, Integer row) const { return cells_[Index(col, row)].Text; }

void TStringGrid::SetCells(Integer col, Integer row, const std::string& value) {
  cells_[Index(col, row)].Text = value;
  if (TInplaceEdit* e = InplaceEditor(); e && col == Col() && row == Row() && e->EditText() != value) e->SetEditText(value);
  InvalidateCell(col, row);
}

TObject* TStringGrid::Objects(Integer col, Integer row) const { return cells_[Index(col, row)].Object; }
void TStringGrid::SetObjects(Integer col, Integer row, TObject* value) { cells_[Index(col, row)].Object = value; }

void TStringGrid::SizeChanged(Integer oldCols, Integer oldRows) {
  std::vector<TCell> now(static_cast<size_t>(ColCount() * RowCount()));
  for (Integer r = 0; r < std::min(oldRows, RowCount()); ++r)
    for (Integer c = 0; c < std::min(oldCols, ColCount()); ++c)
      now[static_cast<size_t>(r * ColCount() + c)] = std::move(cells_[static_cast<size_t>(r * oldCols + c)]);
  cells_ = std::move(now);
}

void TStringGrid::ColumnMoved(Integer fromIndex, Integer toIndex) {
  for (Integer r = 0; r < RowCount(); ++r) {
    auto row = cells_.begin() + r * ColCount();
    TCell moving = std::move(row[fromIndex]);
    if (fromIndex < toIndex) std::move(row + fromIndex + 1, row + toIndex + 1, row + fromIndex);
    else std::move_backward(row + toIndex, row + fromIndex, row + fromIndex + 1);
    row[toIndex] = std::move(moving);
  }
  TDrawGrid::ColumnMoved(fromIndex, toIndex);
}

void TStringGrid::RowMoved(Integer fromIndex, Integer toIndex) {
  const Integer n = ColCount();
  std::vector<TCell> moving(std::make_move_iterator(cells_.begin() + fromIndex * n),
                            std::make_move_iterator(cells_.begin() + (fromIndex + 1) * n));
  cells_.erase(cells_.begin() + fromIndex * n, cells_.begin() + (fromIndex + 1) * n);
  cells_.insert(cells_.begin() + toIndex * n, std::make_move_iterator(moving.begin()), std::make_move_iterator(moving.end()));
  TDrawGrid::RowMoved(fromIndex, toIndex);
}

void TStringGrid::DefineProperties(TFiler& filer) {
  TDrawGrid::DefineProperties(filer);
  const bool any = std::any_of(cells_.begin(), cells_.end(), [](const TCell& c) { return !c.Text.empty(); });
  filer.DefineProperty(
      "Cells",
      [this](TReader& r) {
        r.ReadListBegin();
        while (!r.EndOfList()) {
          const Integer col = r.ReadInteger(), row = r.ReadInteger();
          std::string text = r.ReadString();
          // A cell outside the grid, from a file edited by hand, is left out.
          if (col >= 0 && col < ColCount() && row >= 0 && row < RowCount()) cells_[Index(col, row)].Text = std::move(text);
        }
        r.ReadListEnd();
      },
      [this](TWriter& w) {
        w.WriteListBegin();
        for (Integer row = 0; row < RowCount(); ++row)
          for (Integer col = 0; col < ColCount(); ++col)
            if (const std::string& text = cells_[Index(col, row)].Text; !text.empty()) {
              w.WriteInteger(col);
              w.WriteInteger(row);
              w.WriteString(text);
            }
        w.WriteListEnd();
      },
      any);
}

std::string TStringGrid::GetEditText(Integer col, Integer row) {
  std::string value = Cells(col, row);
  if (OnGetEditText) OnGetEditText(this, col, row, value);
  return value;
}

void TStringGrid::SetEditText(Integer col, Integer row, const std::string& value) {
  cells_[Index(col, row)].Text = value;
  InvalidateCell(col, row);
  TDrawGrid::SetEditText(col, row, value);
}

void TStringGrid::DrawCell(Integer col, Integer row, const TRect& rect, TGridDrawState state) {
  if (DefaultDrawing()) {
    TCanvas& c = Canvas();
    c.Brush().SetStyle(bsClear);
    c.TextRect(rect, rect.Left + 2, rect.Top + 2, Cells(col, row));
    c.Brush().SetStyle(bsSolid);
  }
  TDrawGrid::DrawCell(col, row, rect, state);
}

// ---------------------------------------------------------------------------

TInplaceEdit::TInplaceEdit(TCustomGrid* grid) : TCustomControl(nullptr), grid_(grid) {
  controlStyle_ = {csOpaque, csCaptureMouse};
  SetColor(grid->Color());
  SetTabStop(false);
}

void TInplaceEdit::SetEditText(const std::string& text) {
  SetText(text);
  size_t n = 0;
  for (size_t pos = 0; pos < text.size(); ++n) NextCodePoint(text, pos);
  caret_ = static_cast<Integer>(n);
  Invalidate();
}

void TInplaceEdit::Changed(const std::string& text) {
  SetText(text);
  grid_->SetEditText(grid_->Col(), grid_->Row(), text);
  Invalidate();
}

namespace {

// Byte offsets of the code points of a text, with the end as the last entry.
std::vector<size_t> Offsets(const std::string& text) {
  std::vector<size_t> out;
  for (size_t pos = 0; pos < text.size();) {
    out.push_back(pos);
    NextCodePoint(text, pos);
  }
  out.push_back(text.size());
  return out;
}

std::string Encode(char32_t cp) {
  std::string s;
  if (cp < 0x80) s += static_cast<char>(cp);
  else if (cp < 0x800) { s += static_cast<char>(0xC0 | (cp >> 6)); s += static_cast<char>(0x80 | (cp & 0x3F)); }
  else if (cp < 0x10000) { s += static_cast<char>(0xE0 | (cp >> 12)); s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)); s += static_cast<char>(0x80 | (cp & 0x3F)); }
  else { s += static_cast<char>(0xF0 | (cp >> 18)); s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F)); s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)); s += static_cast<char>(0x80 | (cp & 0x3F)); }
  return s;
}

}  // namespace

void TInplaceEdit::KeyDown(Word& key, TShiftState shift) {
  const std::vector<size_t> at = Offsets(Text());
  const Integer count = static_cast<Integer>(at.size()) - 1;
  switch (key) {
    case VK_LEFT: caret_ = std::max<Integer>(caret_ - 1, 0); Invalidate(); key = 0; return;
    case VK_RIGHT: caret_ = std::min(caret_ + 1, count); Invalidate(); key = 0; return;
    case VK_HOME: caret_ = 0; Invalidate(); key = 0; return;
    case VK_END: caret_ = count; Invalidate(); key = 0; return;
    case VK_DELETE:
      if (caret_ < count) {
        std::string t = Text();
        t.erase(at[static_cast<size_t>(caret_)], at[static_cast<size_t>(caret_) + 1] - at[static_cast<size_t>(caret_)]);
        Changed(t);
      }
      key = 0;
      return;
    case VK_RETURN:
    case VK_ESCAPE:
      grid_->EndEditing(key == VK_ESCAPE);
      key = 0;
      return;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_TAB:
      // Moving to another cell is the grid's business.
      grid_->KeyDown(key, shift);
      return;
    default: TCustomControl::KeyDown(key, shift);
  }
}

void TInplaceEdit::KeyPress(char32_t& key) {
  TCustomControl::KeyPress(key);
  const std::vector<size_t> at = Offsets(Text());
  std::string t = Text();
  if (key == 8) {
    if (caret_ > 0) {
      t.erase(at[static_cast<size_t>(caret_) - 1], at[static_cast<size_t>(caret_)] - at[static_cast<size_t>(caret_) - 1]);
      --caret_;
      Changed(t);
    }
  } else if (key >= 32) {
    t.insert(at[static_cast<size_t>(caret_)], Encode(key));
    ++caret_;
    Changed(t);
  }
  key = 0;
}

void TInplaceEdit::WMGetDlgCode(TWMGetDlgCode& m) {
  m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (grid_->Options().Contains(goTabs) ? DLGC_WANTTAB : 0);
}

void TInplaceEdit::Paint() {
  TCanvas& c = Canvas();
  c.Brush().SetColor(clWindow);
  c.FillRect(Rect(0, 0, width_, height_));
  c.Font().SetColor(clWindowText);
  c.Brush().SetStyle(bsClear);
  c.TextOut(2, 2, Text());
  c.Brush().SetStyle(bsSolid);
  if (Focused()) {
    const std::vector<size_t> at = Offsets(Text());
    const Integer x = 2 + c.TextWidth(Text().substr(0, at[static_cast<size_t>(std::clamp<Integer>(caret_, 0, static_cast<Integer>(at.size()) - 1))]));
    c.Brush().SetColor(clWindowText);
    c.FillRect(Rect(x, 2, x + 1, 2 + c.TextHeight("Wg")));
  }
}

}  // namespace host

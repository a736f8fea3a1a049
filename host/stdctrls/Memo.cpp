#include "host/stdctrls/Memo.h"

#include <algorithm>

#include "host/controls/Caret.h"
#include "host/core/ClassBuilder.h"
#include "host/core/Utf8.h"
#include "host/forms/Clipbrd.h"
#include "host/graphics/Draw3D.h"
#include "host/stdctrls/LineEditor.h"

namespace host {

HOST_PUBLISHED(TMemo) {
  P.Property("Color", &TMemo::Color, &TMemo::SetColor).SetDefault(clWindow).WithIdents(ColorIdents());
  P.Property("Enabled", &TMemo::Enabled, &TMemo::SetEnabled).SetDefault(true);
  P.Property("Font", &TMemo::Font).Stored(&TControl::IsFontStored);
  P.Property("Lines", &TMemo::Lines, &TMemo::SetLines);
  P.Property("ParentFont", &TMemo::ParentFont, &TMemo::SetParentFont).SetDefault(true);
  P.Property("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly).SetDefault(false);
  P.Property("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars).SetDefault(ssNone);
  P.Property("TabOrder", &TMemo::TabOrder, &TMemo::SetTabOrder).SetDefault(-1);
  P.Property("TabStop", &TMemo::TabStop, &TMemo::SetTabStop).SetDefault(true);
  P.Property("Visible", &TMemo::Visible, &TMemo::SetVisible).SetDefault(true);
  P.Property("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).SetDefault(true);
  P.Property("OnChange", &TMemo::OnChange);
  P.Property("OnClick", &TMemo::OnClick);
  P.Property("OnEnter", &TMemo::OnEnter);
  P.Property("OnExit", &TMemo::OnExit);
  P.Property("OnKeyDown", &TMemo::OnKeyDown);
  P.Property("OnKeyPress", &TMemo::OnKeyPress);
  P.Property("OnMouseDown", &TMemo::OnMouseDown);
  P.Property("OnMouseUp", &TMemo::OnMouseUp);
}

namespace {
constexpr Integer kBarWidth = TScrollBar::kInnerWidth;
constexpr Integer kMargin = 2;  // between the field's edge and the text
}

TMemo::TMemo(TComponent* owner) : TWinControl(owner), lines_(std::make_unique<TStringList>()) {
  width_ = 185;
  height_ = 89;
  SetTabStop(true);
  SetColor(clWindow);
  controlStyle_ = {csCaptureMouse, csSetCaption, csDoubleClicks, csOpaque};
  lines_->OnChange = [this](TObject* sender) { LinesChanged(sender); };
  bar_ = MakeInnerScrollBar(this, [this](Integer position) { SetTopRow(position); });
  bar_->SetVisible(false);
  BoundsChanged(true);
}

TMemo::~TMemo() {
  RemoveCaret(this);
  lines_->OnChange = nullptr;
}

void TMemo::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  LinesChanged(nullptr);
}

void TMemo::SetScrollBars(TScrollStyle value) {
  if (scrollBars_ == value) return;
  scrollBars_ = value;
  bar_->SetVisible(value == ssVertical || value == ssBoth);
  LinesChanged(nullptr);  // the room for the text changed
}

TRect TMemo::TextArea() const {
  return Rect(2, 2, std::max<Integer>(width_ - 2 - (bar_->Visible() ? kBarWidth : 0), 2), std::max<Integer>(height_ - 2, 2));
}

TCanvas& TMemo::Measure() const {
  if (!measure_) measure_ = std::make_unique<TCanvas>();
  measure_->Font().Assign(Font());
  return *measure_;
}

Integer TMemo::RowHeight() const { return std::max<Integer>(Measure().TextHeight("Wg"), 1); }

Integer TMemo::VisibleRows() const { return std::max<Integer>(TextArea().Height() / RowHeight(), 1); }

void TMemo::LinesChanged(TObject*) {
  rowsValid_ = false;
  // The caret stays within the text.
  const Integer count = lines_->Count();
  for (TPos* p : {&caret_, &anchor_}) {
    if (count == 0) *p = TPos{};
    else if (p->Line >= count) *p = TPos{count - 1, lines_->Ref(count - 1).size()};
    else p->Offset = std::min(p->Offset, lines_->Ref(p->Line).size());
  }
  Invalidate();
}

void TMemo::WrapLine(Integer line, std::vector<TRow>& out) const {
  const std::string& text = lines_->Ref(line);
  TCanvas& c = Measure();
  const Integer room = TextArea().Width() - 2 * kMargin;
  size_t start = 0;
  for (;;) {
    const std::string_view rest = std::string_view(text).substr(start);
    if (!wordWrap_ || rest.empty() || c.TextWidth(std::string(rest)) <= room) {
      out.push_back({line, start, text.size()});
      return;
    }
    // The longest run of whole words that fits; the spaces after it stay on the row.
    size_t best = start;
    for (size_t p = start; p < text.size();) {
      size_t wordEnd = p;
      while (wordEnd < text.size() && text[wordEnd] != ' ') ++wordEnd;
      if (c.TextWidth(text.substr(start, wordEnd - start)) > room) break;
      while (wordEnd < text.size() && text[wordEnd] == ' ') ++wordEnd;
      best = p = wordEnd;
    }
    if (best == start) {
      // A word longer than the row is broken between characters (at least one per row).
      best = NextCharStart(text, start);
      for (size_t next = NextCharStart(text, best); best < text.size(); next = NextCharStart(text, best)) {
        if (c.TextWidth(text.substr(start, next - start)) > room) break;
        best = next;
      }
    }
    if (best >= text.size()) {
      out.push_back({line, start, text.size()});
      return;
    }
    out.push_back({line, start, best});
    start = best;
  }
}

const std::vector<TMemo::TRow>& TMemo::Rows() const {
  if (rowsValid_) return rows_;
  rows_.clear();
  for (Integer i = 0; i < lines_->Count(); ++i) WrapLine(i, rows_);
  if (rows_.empty()) rows_.push_back({0, 0, 0});
  rowsValid_ = true;
  return rows_;
}

const TMemo::TRow& TMemo::Row(Integer index) const {
  const auto& rows = Rows();
  if (index < 0 || index >= static_cast<Integer>(rows.size())) ListIndexError(index);
  return rows[static_cast<size_t>(index)];
}

Integer TMemo::RowOf(TPos pos) const {
  const auto& rows = Rows();
  const auto it = std::upper_bound(rows.begin(), rows.end(), pos, [](const TPos& p, const TRow& r) {
    return p < TPos{r.Line, r.Start};
  });
  return std::max<Integer>(static_cast<Integer>(it - rows.begin()) - 1, 0);
}

Integer TMemo::XInRow(const TRow& row, size_t offset) const {
  if (lines_->Count() == 0 || offset <= row.Start) return 0;
  return Measure().TextWidth(lines_->Ref(row.Line).substr(row.Start, offset - row.Start));
}

TMemo::TPos TMemo::PosAt(Integer rowIndex, Integer x) const {
  const auto& rows = Rows();
  rowIndex = std::clamp<Integer>(rowIndex, 0, static_cast<Integer>(rows.size()) - 1);
  const TRow& row = rows[static_cast<size_t>(rowIndex)];
  if (lines_->Count() == 0) return TPos{};
  const std::string& text = lines_->Ref(row.Line);
  // The end of a wrapped row is the start of the next: the caret stops before it.
  const bool lastOfLine = static_cast<size_t>(rowIndex) + 1 >= rows.size() || rows[static_cast<size_t>(rowIndex) + 1].Line != row.Line;
  const size_t end = lastOfLine ? row.End : PrevCharStart(text, row.End);
  Integer prevX = 0;
  for (size_t pos = row.Start; pos < end;) {
    const size_t next = NextCharStart(text, pos);
    const Integer nx = XInRow(row, next);
    if (x < (prevX + nx + 1) / 2) return TPos{row.Line, pos};
    prevX = nx;
    pos = next;
  }
  return TPos{row.Line, end};
}

TMemo::TPos TMemo::PosAtPoint(Integer x, Integer y) const {
  const TRect area = TextArea();
  const Integer row = top_ + (y < area.Top ? -1 : (y - area.Top) / RowHeight());
  return PosAt(row, x - area.Left - kMargin);
}

void TMemo::UpdateScrollBar() {
  const Integer rows = RowCount(), visible = VisibleRows();
  top_ = std::clamp<Integer>(top_, 0, std::max<Integer>(rows - visible, 0));
  bar_->SetEnabled(rows > visible);
  bar_->SetRows(top_, rows, visible);
}

void TMemo::SetTopRow(Integer value) {
  value = std::clamp<Integer>(value, 0, std::max<Integer>(RowCount() - VisibleRows(), 0));
  if (value == top_) return;
  top_ = value;
  bar_->SetPosition(top_);
  Invalidate();
  UpdateCaret();
}

void TMemo::BoundsChanged(bool sizeChanged) {
  TWinControl::BoundsChanged(sizeChanged);
  if (!sizeChanged) return;
  bar_->SetBounds(width_ - 2 - kBarWidth, 2, kBarWidth, std::max<Integer>(height_ - 4, 0));
  if (wordWrap_) rowsValid_ = false;
  Invalidate();
}

void TMemo::CMFontChanged(TMessage& m) {
  TWinControl::CMFontChanged(m);
  rowsValid_ = false;
}

void TMemo::Change() {
  if (OnChange) OnChange(this);
}

void TMemo::SetCaretPos(TPos value) {
  if (lines_->Count() == 0) value = TPos{};
  else {
    value.Line = std::clamp<Integer>(value.Line, 0, lines_->Count() - 1);
    value.Offset = std::min(value.Offset, lines_->Ref(value.Line).size());
  }
  MoveCaret(value, false);
}

void TMemo::MoveCaret(TPos pos, bool extend, bool keepX) {
  const bool hadSelection = HasSelection();
  caret_ = pos;
  if (!extend) anchor_ = pos;
  if (!keepX) wantedX_ = -1;
  if (hadSelection || HasSelection()) Invalidate();
  ScrollToCaret();
  UpdateCaret();
}

void TMemo::ScrollToCaret() {
  const Integer r = RowOf(caret_);
  if (r < top_) SetTopRow(r);
  else if (r >= top_ + VisibleRows()) SetTopRow(r - VisibleRows() + 1);
}

void TMemo::UpdateCaret() {
  if (!Focused()) return;
  const Integer r = RowOf(caret_);
  const TRect area = TextArea();
  const Integer h = RowHeight(), y = area.Top + (r - top_) * h;
  const Integer x = area.Left + kMargin + XInRow(Rows()[static_cast<size_t>(r)], caret_.Offset);
  if (r < top_ || y >= area.Bottom) RemoveCaret(this);
  else PlaceCaret(this, Rect(x, y, x + 1, std::min<Integer>(y + h, area.Bottom)));
}

std::string TMemo::SelText() const {
  const TPos a = SelFirst(), b = SelLast();
  if (a == b || lines_->Count() == 0) return {};
  if (a.Line == b.Line) return lines_->Ref(a.Line).substr(a.Offset, b.Offset - a.Offset);
  std::string out = lines_->Ref(a.Line).substr(a.Offset);
  for (Integer i = a.Line + 1; i < b.Line; ++i) out += "\n" + lines_->Ref(i);
  return out + "\n" + lines_->Ref(b.Line).substr(0, b.Offset);
}

void TMemo::SelectAll() {
  if (lines_->Count() == 0) return;
  anchor_ = TPos{};
  MoveCaret(TPos{lines_->Count() - 1, lines_->Ref(lines_->Count() - 1).size()}, true);
  Invalidate();
}

void TMemo::CopyToClipboard() {
  if (HasSelection()) Clipboard().SetAsText(SelText());
}

void TMemo::CutToClipboard() {
  if (readOnly_ || !HasSelection()) return;
  CopyToClipboard();
  DeleteSelection();
}

void TMemo::PasteFromClipboard() {
  if (!readOnly_) InsertText(Clipboard().AsText());
}

void TMemo::DeleteSelection() {
  if (!HasSelection()) return;
  const TPos a = SelFirst(), b = SelLast();
  const std::string joined = lines_->Ref(a.Line).substr(0, a.Offset) + lines_->Ref(b.Line).substr(b.Offset);
  lines_->Put(a.Line, joined);
  for (Integer i = b.Line; i > a.Line; --i) lines_->Delete(i);
  caret_ = anchor_ = a;
  MoveCaret(a, false);
  Change();
}

void TMemo::InsertText(const std::string& text) {
  if (HasSelection()) {
    const TPos a = SelFirst(), b = SelLast();
    const std::string joined = lines_->Ref(a.Line).substr(0, a.Offset) + lines_->Ref(b.Line).substr(b.Offset);
    lines_->Put(a.Line, joined);
    for (Integer i = b.Line; i > a.Line; --i) lines_->Delete(i);
    caret_ = anchor_ = a;
  }
  if (lines_->Count() == 0) lines_->Add("");
  std::vector<std::string> parts(1);
  for (char ch : text) {
    if (ch == '\n') parts.emplace_back();
    else if (ch != '\r') parts.back() += ch;
  }
  const TPos at = caret_;
  const std::string line = lines_->Ref(at.Line);
  const std::string prefix = line.substr(0, at.Offset), suffix = line.substr(at.Offset);
  TPos end{at.Line + static_cast<Integer>(parts.size()) - 1, parts.back().size()};
  if (parts.size() == 1) {
    lines_->Put(at.Line, prefix + parts[0] + suffix);
    end.Offset += prefix.size();
  } else {
    lines_->Put(at.Line, prefix + parts[0]);
    for (size_t i = 1; i < parts.size(); ++i)
      lines_->Insert(at.Line + static_cast<Integer>(i), parts[i] + (i + 1 == parts.size() ? suffix : std::string()));
  }
  MoveCaret(end, false);
  Change();
}

void TMemo::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft) {
    if (CanFocus() && !Focused()) SetFocus();
    MoveCaret(PosAtPoint(x, y), shift.Contains(ssShift));
  }
  TWinControl::MouseDown(button, shift, x, y);
}

void TMemo::MouseMove(TShiftState shift, Integer x, Integer y) {
  if (shift.Contains(ssLeft) && controlState_.Contains(csLButtonDown)) {
    const TPos p = PosAtPoint(x, y);
    if (p != caret_) MoveCaret(p, true);
  }
  TWinControl::MouseMove(shift, x, y);
}

void TMemo::KeyDown(Word& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == 0) return;
  const bool ctrl = shift.Contains(ssCtrl), extend = shift.Contains(ssShift);
  const Integer count = lines_->Count();
  const std::string line = count ? lines_->Ref(caret_.Line) : std::string();
  const Integer row = RowOf(caret_);
  const auto vertical = [&](Integer toRow) {
    if (wantedX_ < 0) wantedX_ = XInRow(Rows()[static_cast<size_t>(row)], caret_.Offset);
    MoveCaret(PosAt(toRow, wantedX_), extend, true);
  };
  switch (key) {
    case VK_LEFT:
      if (HasSelection() && !extend) MoveCaret(SelFirst(), false);
      else if (caret_.Offset > 0) MoveCaret({caret_.Line, ctrl ? PrevWordStart(line, caret_.Offset) : PrevCharStart(line, caret_.Offset)}, extend);
      else if (caret_.Line > 0) MoveCaret({caret_.Line - 1, lines_->Ref(caret_.Line - 1).size()}, extend);
      break;
    case VK_RIGHT:
      if (HasSelection() && !extend) MoveCaret(SelLast(), false);
      else if (caret_.Offset < line.size()) MoveCaret({caret_.Line, ctrl ? NextWordStart(line, caret_.Offset) : NextCharStart(line, caret_.Offset)}, extend);
      else if (caret_.Line + 1 < count) MoveCaret({caret_.Line + 1, 0}, extend);
      break;
    case VK_UP:
      if (ctrl) SetTopRow(top_ - 1);
      else vertical(row - 1);
      break;
    case VK_DOWN:
      if (ctrl) SetTopRow(top_ + 1);
      else vertical(row + 1);
      break;
    case VK_PRIOR:
      SetTopRow(top_ - VisibleRows());
      vertical(row - VisibleRows());
      break;
    case VK_NEXT:
      SetTopRow(top_ + VisibleRows());
      vertical(row + VisibleRows());
      break;
    case VK_HOME:
      MoveCaret(ctrl ? TPos{} : TPos{caret_.Line, Rows()[static_cast<size_t>(row)].Start}, extend);
      break;
    case VK_END:
      if (ctrl) MoveCaret(count ? TPos{count - 1, lines_->Ref(count - 1).size()} : TPos{}, extend);
      else MoveCaret(PosAt(row, 1 << 30), extend);
      break;
    case VK_DELETE:
      if (readOnly_) break;
      if (extend && HasSelection()) CutToClipboard();
      else if (HasSelection()) DeleteSelection();
      else if (caret_.Offset < line.size()) {
        anchor_ = {caret_.Line, ctrl ? NextWordStart(line, caret_.Offset) : NextCharStart(line, caret_.Offset)};
        DeleteSelection();
      } else if (caret_.Line + 1 < count) {
        anchor_ = {caret_.Line + 1, 0};
        DeleteSelection();
      }
      break;
    case VK_INSERT:
      if (ctrl) CopyToClipboard();
      else if (extend) PasteFromClipboard();
      break;
    case 'A':
    case 'C':
    case 'X':
    case 'V':
      if (!ctrl) return;
      if (key == 'A') SelectAll();
      else if (key == 'C') CopyToClipboard();
      else if (key == 'X') CutToClipboard();
      else PasteFromClipboard();
      break;
    default: return;
  }
  key = 0;
}

void TMemo::KeyPress(char32_t& key) {
  TWinControl::KeyPress(key);
  if (key == 0 || readOnly_) return;
  if (key == 8) {
    if (!HasSelection()) {
      if (caret_.Offset > 0) anchor_ = {caret_.Line, PrevCharStart(lines_->Ref(caret_.Line), caret_.Offset)};
      else if (caret_.Line > 0) anchor_ = {caret_.Line - 1, lines_->Ref(caret_.Line - 1).size()};
    }
    DeleteSelection();
  } else if (key == '\r') {
    InsertText("\n");
  } else if (key >= 32 && key != 127) {
    std::string s;
    AppendUtf8(s, key);
    InsertText(s);
  } else {
    return;
  }
  key = 0;
}

void TMemo::WMGetDlgCode(TWMGetDlgCode& m) {
  // A read-only memo leaves Enter and Escape to the dialog's buttons.
  m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (readOnly_ ? 0 : DLGC_WANTALLKEYS);
}

void TMemo::WMSetFocus(TWMSetFocus& m) {
  TWinControl::WMSetFocus(m);
  UpdateCaret();
}

void TMemo::WMKillFocus(TWMKillFocus& m) {
  RemoveCaret(this);
  TWinControl::WMKillFocus(m);
}

bool TMemo::DoMouseWheel(TShiftState shift, Integer wheelDelta, TPoint mousePos) {
  if (TWinControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  SetTopRow(top_ - wheelDelta / WHEEL_DELTA * 3);
  return true;
}

void TMemo::PaintControl(TCanvas& c) {
  DrawSunkenField(c, Rect(0, 0, width_, height_), Enabled() ? Color() : clBtnFace);
  if (!rowsValid_ || bar_->Max() != std::max<Integer>(RowCount() - 1, 0)) UpdateScrollBar();
  const auto& rows = Rows();
  const TRect area = TextArea();
  const Integer h = RowHeight();
  const bool focused = Focused();
  const TPos a = SelFirst(), b = SelLast();
  const TColor textColor = Enabled() ? Font()->Color() : clGrayText;
  const TRect clip = c.ClipRect();
  for (Integer r = std::max<Integer>(top_, top_ + (clip.Top - area.Top) / h); r < static_cast<Integer>(rows.size()); ++r) {
    const Integer y = area.Top + (r - top_) * h;
    if (y >= area.Bottom || y >= clip.Bottom) break;
    const TRow& row = rows[static_cast<size_t>(r)];
    if (lines_->Count() == 0) break;
    const std::string& line = lines_->Ref(row.Line);
    const TRect rowRect = IntersectRect(Rect(area.Left, y, area.Right, y + h), area);
    const std::string part = line.substr(row.Start, row.End - row.Start);
    const Integer x = area.Left + kMargin;
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(textColor);
    c.TextRect(rowRect, x, y, part);
    if (focused && a != b && row.Line >= a.Line && row.Line <= b.Line) {
      const size_t s = row.Line == a.Line ? std::max(a.Offset, row.Start) : row.Start;
      const size_t e = row.Line == b.Line ? std::min(b.Offset, row.End) : row.End;
      const bool breakSelected = row.Line < b.Line && row.End == line.size();
      if (s < e || (breakSelected && s <= e)) {
        const Integer sx = x + XInRow(row, s), ex = x + XInRow(row, e) + (breakSelected ? 4 : 0);
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(clHighlight);
        c.Font().SetColor(clHighlightText);
        c.TextRect(IntersectRect(Rect(sx, y, ex, y + h), rowRect), x, y, part);
      }
    }
  }
  c.Brush().SetStyle(bsSolid);
  if (focused && CaretShown(this)) {
    const Integer r = RowOf(caret_);
    const Integer y = area.Top + (r - top_) * h;
    const Integer x = area.Left + kMargin + XInRow(rows[static_cast<size_t>(r)], caret_.Offset);
    if (r >= top_ && y < area.Bottom) TLineEditor::DrawCaret(c, Rect(x, y, x + 1, std::min<Integer>(y + h, area.Bottom)), textColor);
  }
}

}  // namespace host

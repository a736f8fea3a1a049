#include "host/stdctrls/LineEditor.h"

#include <algorithm>

#include "host/core/Utf8.h"
#include "host/forms/Clipbrd.h"

namespace host {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Letters, digits and every character beyond ASCII make up words.
bool IsWordByte(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 0x80 || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_';
}

}  // namespace

size_t PrevCharStart(std::string_view text, size_t offset) {
  offset = std::min(offset, text.size());
  if (offset == 0) return 0;
  --offset;
  while (offset > 0 && IsContinuation(text[offset])) --offset;
  return offset;
}

size_t NextCharStart(std::string_view text, size_t offset) {
  if (offset >= text.size()) return text.size();
  NextCodePoint(text, offset);
  while (offset < text.size() && IsContinuation(text[offset])) ++offset;
  return offset;
}

size_t PrevWordStart(std::string_view text, size_t offset) {
  offset = std::min(offset, text.size());
  while (offset > 0 && !IsWordByte(text[offset - 1])) --offset;
  while (offset > 0 && IsWordByte(text[offset - 1])) --offset;
  return offset;
}

size_t NextWordStart(std::string_view text, size_t offset) {
  while (offset < text.size() && IsWordByte(text[offset])) ++offset;
  while (offset < text.size() && !IsWordByte(text[offset])) ++offset;
  return offset;
}

size_t CharCount(std::string_view text) {
  size_t n = 0;
  for (size_t pos = 0; pos < text.size(); ++n) pos = NextCharStart(text, pos);
  return n;
}

TLineEditor::TLineEditor() = default;
TLineEditor::~TLineEditor() = default;

std::string TLineEditor::SelText(const std::string& text) const {
  const size_t s = std::min(SelStart(), text.size());
  return text.substr(s, std::min(SelLength(), text.size() - s));
}

static size_t CharStartAtOrBefore(std::string_view text, size_t offset) {
  offset = std::min(offset, text.size());
  while (offset > 0 && offset < text.size() && IsContinuation(text[offset])) --offset;
  return offset;
}

void TLineEditor::SetSelection(const std::string& text, size_t start, size_t length) {
  anchor_ = CharStartAtOrBefore(text, start);
  caret_ = CharStartAtOrBefore(text, start + std::min(length, text.size()));
}

void TLineEditor::Clamp(const std::string& text) {
  caret_ = CharStartAtOrBefore(text, caret_);
  anchor_ = CharStartAtOrBefore(text, anchor_);
}

void TLineEditor::MoveTo(size_t offset, bool extend) {
  caret_ = offset;
  if (!extend) anchor_ = offset;
}

bool TLineEditor::DeleteRange(std::string& text, size_t from, size_t to) {
  if (ReadOnly || from >= to) return false;
  text.erase(from, to - from);
  caret_ = anchor_ = from;
  return true;
}

bool TLineEditor::Insert(std::string& text, std::string_view s) {
  if (ReadOnly) return false;
  s = s.substr(0, std::min(s.find('\n'), s.find('\r')));
  const size_t start = SelStart(), length = SelLength();
  if (MaxLength > 0) {
    const size_t kept = CharCount(text) - CharCount(std::string_view(text).substr(start, length));
    const size_t room = kept >= static_cast<size_t>(MaxLength) ? 0 : static_cast<size_t>(MaxLength) - kept;
    size_t cut = 0;
    for (size_t n = 0; n < room && cut < s.size(); ++n) cut = NextCharStart(s, cut);
    s = s.substr(0, cut);
  }
  if (s.empty() && length == 0) return false;
  text.replace(start, length, s);
  caret_ = anchor_ = start + s.size();
  return true;
}

TLineEditor::TResult TLineEditor::KeyDown(std::string& text, Word key, TShiftState shift) {
  const bool ctrl = shift.Contains(ssCtrl), extend = shift.Contains(ssShift);
  const bool selected = SelLength() > 0;
  const auto moved = [] { return TResult::Moved; };
  const auto changed = [](bool c) { return c ? TResult::Changed : TResult::Moved; };
  switch (key) {
    case VK_LEFT:
      if (selected && !extend && !ctrl) MoveTo(SelStart(), false);
      else MoveTo(ctrl ? PrevWordStart(text, caret_) : PrevCharStart(text, caret_), extend);
      return moved();
    case VK_RIGHT:
      if (selected && !extend && !ctrl) MoveTo(SelStart() + SelLength(), false);
      else MoveTo(ctrl ? NextWordStart(text, caret_) : NextCharStart(text, caret_), extend);
      return moved();
    case VK_HOME: MoveTo(0, extend); return moved();
    case VK_END: MoveTo(text.size(), extend); return moved();
    case VK_DELETE:
      if (extend && selected) {  // Shift+Delete cuts
        if (ReadOnly) return moved();
        Clipboard().SetAsText(SelText(text));
        return changed(DeleteRange(text, SelStart(), SelStart() + SelLength()));
      }
      if (selected) return changed(DeleteRange(text, SelStart(), SelStart() + SelLength()));
      return changed(DeleteRange(text, caret_, ctrl ? NextWordStart(text, caret_) : NextCharStart(text, caret_)));
    case VK_BACK:
      // Plain Backspace types its character; with Ctrl it erases the word before.
      if (!ctrl) return TResult::Ignored;
      if (selected) return changed(DeleteRange(text, SelStart(), SelStart() + SelLength()));
      return changed(DeleteRange(text, PrevWordStart(text, caret_), caret_));
    case VK_INSERT:
      if (ctrl && selected) Clipboard().SetAsText(SelText(text));
      else if (extend) return changed(Insert(text, Clipboard().AsText()));
      return moved();
    default: break;
  }
  if (!ctrl || shift.Contains(ssAlt)) return TResult::Ignored;
  switch (key) {
    case 'A': SelectAll(text); return moved();
    case 'C':
      if (selected && PasswordChar == 0) Clipboard().SetAsText(SelText(text));
      return moved();
    case 'X':
      if (!selected || ReadOnly || PasswordChar != 0) return moved();
      Clipboard().SetAsText(SelText(text));
      return changed(DeleteRange(text, SelStart(), SelStart() + SelLength()));
    case 'V': return changed(Insert(text, Clipboard().AsText()));
    default: return TResult::Ignored;
  }
}

TLineEditor::TResult TLineEditor::KeyPress(std::string& text, char32_t ch) {
  if (ch == 8) {
    if (SelLength() > 0) return DeleteRange(text, SelStart(), SelStart() + SelLength()) ? TResult::Changed : TResult::Moved;
    return DeleteRange(text, PrevCharStart(text, caret_), caret_) ? TResult::Changed : TResult::Moved;
  }
  if (ch < 32 || ch == 127) return TResult::Ignored;
  std::string s;
  AppendUtf8(s, ch);
  return Insert(text, s) ? TResult::Changed : TResult::Moved;
}

std::string TLineEditor::Display(const std::string& text) const {
  if (PasswordChar == 0) return text;
  std::string one, out;
  AppendUtf8(one, PasswordChar);
  for (size_t n = CharCount(text); n > 0; --n) out += one;
  return out;
}

size_t TLineEditor::DisplayOffset(const std::string& text, size_t offset) const {
  if (PasswordChar == 0) return offset;
  std::string one;
  AppendUtf8(one, PasswordChar);
  return CharCount(std::string_view(text).substr(0, offset)) * one.size();
}

Integer TLineEditor::XOf(TCanvas& canvas, const std::string& text, size_t offset) const {
  if (offset == 0) return 0;
  return canvas.TextWidth(Display(text).substr(0, DisplayOffset(text, offset)));
}

size_t TLineEditor::OffsetAt(TCanvas& canvas, const std::string& text, Integer x) const {
  // The boundary nearest to x.
  Integer prevX = 0;
  for (size_t pos = 0; pos < text.size();) {
    const size_t next = NextCharStart(text, pos);
    const Integer nx = XOf(canvas, text, next);
    if (x < (prevX + nx + 1) / 2) return pos;
    prevX = nx;
    pos = next;
  }
  return text.size();
}

void TLineEditor::MouseDown(TCanvas& canvas, const std::string& text, Integer x, TShiftState shift) {
  MoveTo(OffsetAt(canvas, text, x - 1 + scroll_), shift.Contains(ssShift));
}

void TLineEditor::MouseDrag(TCanvas& canvas, const std::string& text, Integer x) {
  MoveTo(OffsetAt(canvas, text, x - 1 + scroll_), true);
}

TCanvas& TLineEditor::Measure(const TFont& font) {
  if (!measure_) measure_ = std::make_unique<TCanvas>();
  measure_->Font().Assign(&font);
  return *measure_;
}

bool TLineEditor::ScrollToCaret(TCanvas& canvas, const std::string& text, Integer width) {
  const Integer old = scroll_;
  const Integer room = std::max<Integer>(width - 3, 1);  // a pixel of margin each side and the caret
  const Integer cx = XOf(canvas, text, caret_);
  if (cx < scroll_) scroll_ = std::max<Integer>(cx - room / 4, 0);
  else if (cx > scroll_ + room) scroll_ = cx - room + room / 4;
  // No empty room at the end while the text could fill it.
  const Integer total = XOf(canvas, text, text.size());
  if (scroll_ > 0 && total - scroll_ < room) scroll_ = std::max<Integer>(total - room, 0);
  return scroll_ != old;
}

Integer TLineEditor::TextTop(TCanvas& canvas, const TRect& area) {
  return area.Top + std::max<Integer>((area.Height() - canvas.TextHeight("Wg")) / 2, 0);
}

TRect TLineEditor::CaretRect(TCanvas& canvas, const std::string& text, const TRect& area) {
  const Integer x = area.Left + 1 + XOf(canvas, text, caret_) - scroll_;
  const Integer top = TextTop(canvas, area);
  return Rect(x, top, x + 1, std::min<Integer>(top + canvas.TextHeight("Wg"), area.Bottom));
}

void TLineEditor::Paint(TCanvas& c, const TRect& area, const std::string& text, TColor textColor, bool showSelection) {
  const std::string shown = Display(text);
  const Integer x0 = area.Left + 1 - scroll_, y = TextTop(c, area);
  c.Brush().SetStyle(bsClear);
  c.Font().SetColor(textColor);
  c.TextRect(area, x0, y, shown);
  if (showSelection && SelLength() > 0) {
    const Integer sx = x0 + XOf(c, text, SelStart()), ex = x0 + XOf(c, text, SelStart() + SelLength());
    const TRect sel = IntersectRect(Rect(sx, area.Top, ex, area.Bottom), area);
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clHighlight);
    c.Font().SetColor(clHighlightText);
    if (!sel.IsEmpty()) c.TextRect(sel, x0, y, shown);
  }
  c.Brush().SetStyle(bsSolid);
}

void TLineEditor::DrawCaret(TCanvas& c, const TRect& caret, TColor color) {
  c.Brush().SetColor(color);
  c.FillRect(caret);
}

}  // namespace host

// TEdit: one line of text to type in.
#include "host/controls/Caret.h"
#include "host/core/ClassBuilder.h"
#include "host/core/Utf8.h"
#include "host/forms/Clipbrd.h"
#include "host/graphics/Draw3D.h"
#include "host/stdctrls/StdCtrls.h"

namespace host {

HOST_PUBLISHED(TEdit) {
  P.Property("AutoSelect", &TEdit::AutoSelect, &TEdit::SetAutoSelect).SetDefault(true);
  P.Property("Color", &TEdit::Color, &TEdit::SetColor).SetDefault(clWindow).WithIdents(ColorIdents());
  P.Property("Enabled", &TEdit::Enabled, &TEdit::SetEnabled).SetDefault(true);
  P.Property("Font", &TEdit::Font).Stored(&TControl::IsFontStored);
  P.Property("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength).SetDefault(0);
  P.Property("ParentFont", &TEdit::ParentFont, &TEdit::SetParentFont).SetDefault(true);
  P.Property("PasswordChar", &TEdit::PasswordChar, &TEdit::SetPasswordChar);
  P.Property("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly).SetDefault(false);
  P.Property("TabOrder", &TEdit::TabOrder, &TEdit::SetTabOrder).SetDefault(-1);
  P.Property("TabStop", &TEdit::TabStop, &TEdit::SetTabStop).SetDefault(true);
  P.Property("Text", &TEdit::Text, &TEdit::SetText);
  P.Property("Visible", &TEdit::Visible, &TEdit::SetVisible).SetDefault(true);
  P.Property("OnChange", &TEdit::OnChange);
  P.Property("OnClick", &TEdit::OnClick);
  P.Property("OnEnter", &TEdit::OnEnter);
  P.Property("OnExit", &TEdit::OnExit);
  P.Property("OnKeyDown", &TEdit::OnKeyDown);
  P.Property("OnKeyPress", &TEdit::OnKeyPress);
  P.Property("OnKeyUp", &TEdit::OnKeyUp);
  P.Property("OnMouseDown", &TEdit::OnMouseDown);
  P.Property("OnMouseMove", &TEdit::OnMouseMove);
  P.Property("OnMouseUp", &TEdit::OnMouseUp);
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  width_ = 121;
  height_ = 21;
  SetTabStop(true);
  SetColor(clWindow);
  controlStyle_ = {csCaptureMouse, csSetCaption, csDoubleClicks, csOpaque};
}

TEdit::~TEdit() { RemoveCaret(this); }

std::string TEdit::PasswordChar() const {
  std::string s;
  if (editor_.PasswordChar) AppendUtf8(s, editor_.PasswordChar);
  return s;
}

void TEdit::SetPasswordChar(const std::string& value) {
  size_t pos = 0;
  editor_.PasswordChar = value.empty() ? 0 : NextCodePoint(value, pos);
  Invalidate();
}

TRect TEdit::TextArea() const { return Rect(2, 2, std::max<Integer>(width_ - 2, 2), std::max<Integer>(height_ - 2, 2)); }

void TEdit::SetSelStart(Integer value) {
  editor_.SetSelection(Text(), static_cast<size_t>(std::max<Integer>(value, 0)), 0);
  UpdateCaret();
  Invalidate();
}

void TEdit::SetSelLength(Integer value) {
  editor_.SetSelection(Text(), editor_.SelStart(), static_cast<size_t>(std::max<Integer>(value, 0)));
  UpdateCaret();
  Invalidate();
}

void TEdit::SetSelText(const std::string& value) {
  std::string text = Text();
  const bool readOnly = editor_.ReadOnly;
  editor_.ReadOnly = false;  // the program may change the text of a read-only box
  const size_t start = editor_.SelStart(), length = editor_.SelLength();
  const bool changed = editor_.Insert(text, value);
  editor_.ReadOnly = readOnly;
  Edited(changed ? TLineEditor::TResult::Changed : TLineEditor::TResult::Moved, text, start, length);
}

void TEdit::SelectAll() {
  editor_.SelectAll(Text());
  UpdateCaret();
  Invalidate();
}

void TEdit::CopyToClipboard() {
  if (editor_.SelLength() > 0 && editor_.PasswordChar == 0) Clipboard().SetAsText(SelText());
}

void TEdit::CutToClipboard() {
  if (editor_.ReadOnly || editor_.PasswordChar != 0 || editor_.SelLength() == 0) return;
  CopyToClipboard();
  SetSelText("");
}

void TEdit::PasteFromClipboard() {
  std::string text = Text();
  const size_t start = editor_.SelStart(), length = editor_.SelLength();
  const bool changed = editor_.Insert(text, Clipboard().AsText());
  Edited(changed ? TLineEditor::TResult::Changed : TLineEditor::TResult::Moved, text, start, length);
}

void TEdit::Change() {
  if (OnChange) OnChange(this);
}

void TEdit::CMTextChanged(TMessage& m) {
  TWinControl::CMTextChanged(m);
  editor_.Clamp(Text());
  if (ComponentState().Contains(csLoading)) return;
  UpdateCaret();
  Change();
}

void TEdit::BoundsChanged(bool sizeChanged) {
  TWinControl::BoundsChanged(sizeChanged);
  UpdateCaret();
}

void TEdit::Edited(TLineEditor::TResult result, const std::string& text, size_t oldStart, size_t oldLength) {
  if (result == TLineEditor::TResult::Ignored) return;
  if (result == TLineEditor::TResult::Changed) {
    modified_ = true;
    SetText(text);  // repaints, places the caret and raises OnChange
    return;
  }
  // Only the caret moved: the selection's look changes only if there is or was one.
  if (oldLength > 0 || editor_.SelLength() > 0) {
    if (oldStart != editor_.SelStart() || oldLength != editor_.SelLength()) Invalidate();
  }
  UpdateCaret();
}

void TEdit::UpdateCaret() {
  if (!Focused()) return;
  TCanvas& measure = editor_.Measure(*Font());
  const TRect area = TextArea();
  if (editor_.ScrollToCaret(measure, Text(), area.Width())) Invalidate();
  PlaceCaret(this, editor_.CaretRect(measure, Text(), area));
}

void TEdit::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft) {
    const bool wasFocused = Focused();
    if (CanFocus() && !wasFocused) SetFocus();
    const size_t start = editor_.SelStart(), length = editor_.SelLength();
    editor_.MouseDown(editor_.Measure(*Font()), Text(), x - TextArea().Left, shift);
    Edited(TLineEditor::TResult::Moved, Text(), start, length);
  }
  TWinControl::MouseDown(button, shift, x, y);
}

void TEdit::MouseMove(TShiftState shift, Integer x, Integer y) {
  if (shift.Contains(ssLeft) && controlState_.Contains(csLButtonDown)) {
    const size_t start = editor_.SelStart(), length = editor_.SelLength();
    editor_.MouseDrag(editor_.Measure(*Font()), Text(), x - TextArea().Left);
    Edited(TLineEditor::TResult::Moved, Text(), start, length);
  }
  TWinControl::MouseMove(shift, x, y);
}

void TEdit::KeyDown(Word& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  if (key == 0) return;
  std::string text = Text();
  const size_t start = editor_.SelStart(), length = editor_.SelLength();
  const TLineEditor::TResult r = editor_.KeyDown(text, key, shift);
  if (r == TLineEditor::TResult::Ignored) return;
  key = 0;
  Edited(r, text, start, length);
}

void TEdit::KeyPress(char32_t& key) {
  TWinControl::KeyPress(key);
  if (key == 0) return;
  std::string text = Text();
  const size_t start = editor_.SelStart(), length = editor_.SelLength();
  const TLineEditor::TResult r = editor_.KeyPress(text, key);
  if (r == TLineEditor::TResult::Ignored) return;
  key = 0;
  Edited(r, text, start, length);
}

void TEdit::WMGetDlgCode(TWMGetDlgCode& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

void TEdit::WMSetFocus(TWMSetFocus& m) {
  TWinControl::WMSetFocus(m);
  // A press of the mouse places the caret itself; the keyboard selects the whole text.
  if (autoSelect_ && !controlState_.Contains(csLButtonDown)) editor_.SelectAll(Text());
  UpdateCaret();
}

void TEdit::WMKillFocus(TWMKillFocus& m) {
  RemoveCaret(this);
  TWinControl::WMKillFocus(m);
}

void TEdit::PaintControl(TCanvas& c) {
  DrawSunkenField(c, Rect(0, 0, width_, height_), Enabled() ? Color() : clBtnFace);
  const TRect text = TextArea();
  const bool focused = Focused();
  editor_.Paint(c, text, Text(), Enabled() ? Font()->Color() : clGrayText, focused);
  if (focused && CaretShown(this)) TLineEditor::DrawCaret(c, editor_.CaretRect(c, Text(), text), Font()->Color());
}

}  // namespace host

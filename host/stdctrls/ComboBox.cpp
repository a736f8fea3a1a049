// TComboBox: a field with a button that drops down a list of items.
#include <algorithm>

#include "host/controls/Caret.h"
#include "host/core/ClassBuilder.h"
#include "host/graphics/Draw3D.h"
#include "host/forms/Forms.h"
#include "host/stdctrls/StdCtrls.h"

namespace host {

HOST_PUBLISHED(TComboBox) {
  P.Property("Style", &TComboBox::Style, &TComboBox::SetStyle).SetDefault(csDropDown);
  P.Property("Color", &TComboBox::Color, &TComboBox::SetColor).SetDefault(clWindow).WithIdents(ColorIdents());
  P.Property("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).SetDefault(8);
  P.Property("Enabled", &TComboBox::Enabled, &TComboBox::SetEnabled).SetDefault(true);
  P.Property("Font", &TComboBox::Font).Stored(&TControl::IsFontStored);
  P.Property("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight).Stored(false);
  P.Property("ParentFont", &TComboBox::ParentFont, &TComboBox::SetParentFont).SetDefault(true);
  P.Property("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted).SetDefault(false);
  P.Property("TabOrder", &TComboBox::TabOrder, &TComboBox::SetTabOrder).SetDefault(-1);
  P.Property("TabStop", &TComboBox::TabStop, &TComboBox::SetTabStop).SetDefault(true);
  P.Property("Text", &TComboBox::Text, &TComboBox::SetText);
  P.Property("Visible", &TComboBox::Visible, &TComboBox::SetVisible).SetDefault(true);
  P.Property("OnChange", &TComboBox::OnChange);
  P.Property("OnClick", &TComboBox::OnClick);
  P.Property("OnDropDown", &TComboBox::OnDropDown);
  P.Property("OnEnter", &TComboBox::OnEnter);
  P.Property("OnExit", &TComboBox::OnExit);
  P.Property("OnKeyDown", &TComboBox::OnKeyDown);
  P.Property("OnKeyPress", &TComboBox::OnKeyPress);
  P.Property("Items", &TComboBox::Items, &TComboBox::SetItems);
  P.Property("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex).SetDefault(-1);
}

HOST_PUBLISHED(TComboListBox) {}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStringList>()) {
  width_ = 145;
  height_ = 21;
  SetTabStop(true);
  SetColor(clWindow);
  controlStyle_ = {csCaptureMouse, csSetCaption, csDoubleClicks, csOpaque};
}

TComboBox::~TComboBox() {
  Destroying();
  RemoveCaret(this);
  SetDroppedDown(false);
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  style_ = value;
  SyncText();
  if (Editing()) UpdateCaret();
  else RemoveCaret(this);
  Invalidate();
}

void TComboBox::SetItems(TStrings* value) {
  items_->Assign(value);
  if (itemIndex_ >= items_->Count()) itemIndex_ = -1;
  Invalidate();
}

void TComboBox::SetSorted(bool value) {
  sorted_ = value;
  if (!value) return;
  std::vector<std::string> lines;
  for (Integer i = 0; i < items_->Count(); ++i) lines.push_back(items_->Get(i));
  std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
    return LowerCase(a) < LowerCase(b);
  });
  items_->Clear();
  for (const std::string& l : lines) items_->Add(l);
  Invalidate();
}

Integer TComboBox::ItemHeight() const {
  TCanvas measure;
  measure.Font().Assign(Font());
  return measure.TextHeight("Wg");
}

void TComboBox::SetItemIndex(Integer value) {
  if (ComponentState().Contains(csReading)) {
    itemIndex_ = value;  // the items may not be read yet; checked in Loaded
    return;
  }
  if (value < -1 || value >= items_->Count()) value = -1;
  itemIndex_ = value;
  SyncText();
  Invalidate();
}

void TComboBox::Loaded() {
  TWinControl::Loaded();
  SetItemIndex(itemIndex_);
}

void TComboBox::SyncText() {
  if (itemIndex_ >= 0 && itemIndex_ < items_->Count()) {
    SetText(items_->Get(itemIndex_));
    // A chosen item's text is selected, ready to be typed over.
    editor_.SelectAll(Text());
    UpdateCaret();
  } else if (style_ == csDropDownList) {
    SetText("");
  }
}

void TComboBox::CMTextChanged(TMessage& m) {
  TWinControl::CMTextChanged(m);
  editor_.Clamp(Text());
  UpdateCaret();
}

TRect TComboBox::TextArea() const {
  return Rect(3, 3, std::max<Integer>(ButtonRect().Left - 1, 3), std::max<Integer>(height_ - 3, 3));
}

void TComboBox::UpdateCaret() {
  if (!Focused() || !Editing()) return;
  TCanvas& measure = editor_.Measure(*Font());
  const TRect area = TextArea();
  if (editor_.ScrollToCaret(measure, Text(), area.Width())) Invalidate();
  PlaceCaret(this, editor_.CaretRect(measure, Text(), area));
}

void TComboBox::Edited(TLineEditor::TResult result, const std::string& text, size_t oldStart, size_t oldLength) {
  if (result == TLineEditor::TResult::Ignored) return;
  if (result == TLineEditor::TResult::Changed) {
    SetText(text);
    itemIndex_ = items_->IndexOf(text);
    if (list_) list_->SetHighlight(itemIndex_);
    Change();
    return;
  }
  if ((oldLength > 0 || editor_.SelLength() > 0) && (oldStart != editor_.SelStart() || oldLength != editor_.SelLength()))
    Invalidate();
  UpdateCaret();
}

void TComboBox::Choose(Integer index) {
  if (items_->Count() == 0) return;
  index = std::clamp<Integer>(index, 0, items_->Count() - 1);
  if (index == itemIndex_) return;
  SetItemIndex(index);
  Change();
}

void TComboBox::Change() {
  if (OnChange) OnChange(this);
}

TRect TComboBox::ButtonRect() const {
  const Integer bw = std::min<Integer>(16, std::max<Integer>(width_ - 4, 0));
  return Rect(width_ - 2 - bw, 2, width_ - 2, height_ - 2);
}

void TComboBox::SetDroppedDown(bool value) {
  if (value == DroppedDown()) return;
  if (!value) {
    TComboListBox* list = list_;
    list_ = nullptr;
    delete list;
    Invalidate();
    return;
  }
  TCustomForm* form = GetParentForm(this);
  if (!form || !Showing()) return;
  if (OnDropDown) OnDropDown(this);
  list_ = new TComboListBox(this, form);
  list_->SetHighlight(itemIndex_);
  Invalidate();
}

void TComboBox::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft) {
    if (CanFocus() && !Focused()) SetFocus();
    if (style_ == csDropDownList || ButtonRect().Contains(Point(x, y))) {
      SetDroppedDown(!DroppedDown());
    } else if (Editing()) {
      const size_t start = editor_.SelStart(), length = editor_.SelLength();
      editor_.MouseDown(editor_.Measure(*Font()), Text(), x - TextArea().Left, shift);
      Edited(TLineEditor::TResult::Moved, Text(), start, length);
    }
  }
  TWinControl::MouseDown(button, shift, x, y);
}

void TComboBox::MouseMove(TShiftState shift, Integer x, Integer y) {
  if (Editing() && !DroppedDown() && shift.Contains(ssLeft) && controlState_.Contains(csLButtonDown)) {
    const size_t start = editor_.SelStart(), length = editor_.SelLength();
    editor_.MouseDrag(editor_.Measure(*Font()), Text(), x - TextArea().Left);
    Edited(TLineEditor::TResult::Moved, Text(), start, length);
  }
  TWinControl::MouseMove(shift, x, y);
}

void TComboBox::KeyDown(Word& key, TShiftState shift) {
  const Integer count = items_->Count();
  if ((key == VK_F4 && shift.Empty()) || ((key == VK_DOWN || key == VK_UP) && shift.Contains(ssAlt))) {
    if (DroppedDown() && list_->Highlight() >= 0) Choose(list_->Highlight());
    SetDroppedDown(!DroppedDown());
    key = 0;
    return;
  }
  // The arrows choose items in the open list, or in a closed list that cannot be typed
  // in; otherwise the keys edit the text.
  const bool listKey = key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT ||
                       ((key == VK_HOME || key == VK_END) && !Editing()) ||
                       ((key == VK_LEFT || key == VK_RIGHT) && !Editing() && !DroppedDown());
  if (DroppedDown() && (listKey || key == VK_RETURN || key == VK_ESCAPE)) {
    Integer h = list_->Highlight();
    switch (key) {
      case VK_UP: h = std::max<Integer>(h - 1, 0); break;
      case VK_DOWN: h = std::min<Integer>(h + 1, count - 1); break;
      case VK_PRIOR: h = std::max<Integer>(h - dropDownCount_, 0); break;
      case VK_NEXT: h = std::min<Integer>(h + dropDownCount_, count - 1); break;
      case VK_HOME: h = 0; break;
      case VK_END: h = count - 1; break;
      case VK_RETURN:
        if (h >= 0) Choose(h);
        SetDroppedDown(false);
        key = 0;
        return;
      default:  // Escape
        SetDroppedDown(false);
        key = 0;
        return;
    }
    list_->SetHighlight(h);
    key = 0;
    return;
  }
  if (!Editing() && listKey) {
    switch (key) {
      case VK_UP:
      case VK_LEFT: Choose(itemIndex_ < 0 ? 0 : itemIndex_ - 1); break;
      case VK_DOWN:
      case VK_RIGHT: Choose(itemIndex_ + 1); break;
      case VK_PRIOR: Choose(itemIndex_ - dropDownCount_); break;
      case VK_NEXT: Choose(itemIndex_ < 0 ? dropDownCount_ - 1 : itemIndex_ + dropDownCount_); break;
      case VK_HOME: Choose(0); break;
      default: Choose(count - 1); break;  // End
    }
    key = 0;
    return;
  }
  TWinControl::KeyDown(key, shift);
  if (key == 0 || !Editing() || listKey) return;
  std::string text = Text();
  const size_t start = editor_.SelStart(), length = editor_.SelLength();
  const TLineEditor::TResult r = editor_.KeyDown(text, key, shift);
  if (r == TLineEditor::TResult::Ignored) return;
  key = 0;
  Edited(r, text, start, length);
}

void TComboBox::KeyPress(char32_t& key) {
  TWinControl::KeyPress(key);
  if (key == 0 || key == '\r' || key == 27 || key == '\t') return;
  if (style_ == csDropDownList) {
    // A letter chooses the next item that starts with it.
    const std::string letter = LowerCase(std::string(1, static_cast<char>(key < 128 ? key : '?')));
    const Integer count = items_->Count();
    const Integer from = DroppedDown() ? list_->Highlight() : itemIndex_;
    for (Integer step = 1; step <= count; ++step) {
      const Integer i = ((from < 0 ? -1 : from) + step) % count;
      if (LowerCase(items_->Get(i)).rfind(letter, 0) == 0) {
        if (DroppedDown()) list_->SetHighlight(i);
        else Choose(i);
        break;
      }
    }
    return;
  }
  std::string text = Text();
  const size_t start = editor_.SelStart(), length = editor_.SelLength();
  const TLineEditor::TResult r = editor_.KeyPress(text, key);
  if (r == TLineEditor::TResult::Ignored) return;
  key = 0;
  Edited(r, text, start, length);
}

void TComboBox::WMGetDlgCode(TWMGetDlgCode& m) {
  m.Result = DLGC_WANTARROWS | (style_ == csDropDownList ? 0 : DLGC_WANTCHARS) | (DroppedDown() ? DLGC_WANTALLKEYS : 0);
}

void TComboBox::WMSetFocus(TWMSetFocus& m) {
  TWinControl::WMSetFocus(m);
  // Entered by the keyboard, the text is selected; a press of the mouse places the caret.
  if (Editing() && !controlState_.Contains(csLButtonDown)) editor_.SelectAll(Text());
  UpdateCaret();
}

void TComboBox::WMKillFocus(TWMKillFocus& m) {
  RemoveCaret(this);
  SetDroppedDown(false);
  TWinControl::WMKillFocus(m);
}

void TComboBox::Dispatch(TMessage& m) {
  if (m.Msg == CM_CANCELMODE) {
    const auto* pressed = reinterpret_cast<TControl*>(m.LParam);
    if (list_ && !list_->ContainsControl(pressed) && pressed != this) SetDroppedDown(false);
    return;
  }
  TWinControl::Dispatch(m);
}

void TComboBox::PaintControl(TCanvas& c) {
  DrawSunkenField(c, Rect(0, 0, width_, height_), Enabled() ? Color() : clBtnFace);
  const TRect btn = ButtonRect();
  const bool pressed = DroppedDown();
  DrawButtonFace(c, btn, pressed, false);
  // The arrow: a black triangle seven pixels wide.
  const Integer ax = btn.Left + (btn.Width() - 7) / 2 + (pressed ? 1 : 0), ay = btn.Top + (btn.Height() - 4) / 2 + (pressed ? 1 : 0);
  c.Brush().SetColor(Enabled() ? clBtnText : clBtnShadow);
  for (Integer i = 0; i < 4; ++i) c.FillRect(Rect(ax + i, ay + i, ax + 7 - i, ay + i + 1));
  const TRect textArea = TextArea();
  if (Editing()) {
    editor_.Paint(c, textArea, Text(), Enabled() ? Font()->Color() : clGrayText, Focused());
    if (Focused() && CaretShown(this)) TLineEditor::DrawCaret(c, editor_.CaretRect(c, Text(), textArea), Font()->Color());
    return;
  }
  const bool selected = Focused() && !pressed;
  if (selected) {
    c.Brush().SetColor(clHighlight);
    c.FillRect(textArea);
  }
  c.Brush().SetStyle(bsClear);
  c.Font().SetColor(!Enabled() ? clGrayText : selected ? clHighlightText : Font()->Color());
  const Integer th = c.TextHeight("Wg");
  // Two pixels in, so that the focus rectangle stays a pixel clear of the text.
  c.TextRect(textArea, textArea.Left + 2, textArea.Top + (textArea.Height() - th) / 2, Text());
  c.Brush().SetStyle(bsSolid);
  if (selected) c.DrawFocusRect(textArea);
}

TComboListBox::TComboListBox(TComboBox* combo, TWinControl* host) : TCustomControl(nullptr), combo_(combo) {
  controlStyle_ = {csOpaque, csCaptureMouse};
  SetColor(clWindow);
  Font()->Assign(combo->Font());
  const Integer ih = combo->ItemHeight();
  const Integer rows = std::clamp<Integer>(combo->Items()->Count(), 1, std::max<Integer>(combo->DropDownCount(), 1));
  const TPoint o = combo->WindowOrigin();
  const TRect area = host->WindowClientArea();
  Integer x = o.X - area.Left, y = o.Y - area.Top + combo->Height();
  const Integer h = rows * ih + 2;
  if (y + h > host->ClientHeight() && o.Y - area.Top - h >= 0) y = o.Y - area.Top - h;
  SetBounds(x, y, combo->Width(), h);
  SetParent(host);
  if (combo->Items()->Count() > rows) {
    scrollBar_ = MakeInnerScrollBar(this, [this](Integer position) { SetTopIndex(position); });
    scrollBar_->SetBounds(width_ - 1 - TScrollBar::kInnerWidth, 1, TScrollBar::kInnerWidth, h - 2);
    scrollBar_->SetRows(0, combo->Items()->Count(), rows);
  }
}

Integer TComboListBox::Rows() const { return std::max<Integer>((height_ - 2) / std::max<Integer>(combo_->ItemHeight(), 1), 1); }

void TComboListBox::SetTopIndex(Integer value) {
  value = std::clamp<Integer>(value, 0, std::max<Integer>(combo_->Items()->Count() - Rows(), 0));
  if (value == top_) return;
  top_ = value;
  if (scrollBar_) scrollBar_->SetPosition(top_);
  Invalidate();
}

bool TComboListBox::DoMouseWheel(TShiftState shift, Integer wheelDelta, TPoint mousePos) {
  if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  SetTopIndex(top_ - wheelDelta / WHEEL_DELTA * 3);
  return true;
}

TComboListBox::~TComboListBox() {
  // Freed with its parent form: the combo box must not free it again.
  if (combo_->list_ == this) combo_->list_ = nullptr;
}

void TComboListBox::SetHighlight(Integer index) {
  const Integer count = combo_->Items()->Count();
  highlight_ = count == 0 ? -1 : std::clamp<Integer>(index, -1, count - 1);
  const Integer rows = Rows();
  if (highlight_ >= 0 && highlight_ < top_) SetTopIndex(highlight_);
  if (highlight_ >= top_ + rows) SetTopIndex(highlight_ - rows + 1);
  Invalidate();
}

Integer TComboListBox::ItemAt(Integer y) const {
  const Integer i = top_ + (y - 1) / std::max<Integer>(combo_->ItemHeight(), 1);
  return y >= 1 && i < combo_->Items()->Count() ? i : -1;
}

void TComboListBox::MouseMove(TShiftState shift, Integer x, Integer y) {
  if (const Integer i = ItemAt(y); i >= 0 && i != highlight_) SetHighlight(i);
  TCustomControl::MouseMove(shift, x, y);
}

void TComboListBox::MouseUp(TMouseButton button, TShiftState, Integer, Integer y) {
  if (button != mbLeft) return;
  const Integer i = ItemAt(y);
  TComboBox* combo = combo_;
  if (i >= 0) combo->Choose(i);
  combo->SetDroppedDown(false);  // frees this list: nothing may follow
}

void TComboListBox::Paint() {
  TCanvas& c = Canvas();
  c.Brush().SetColor(clWindowFrame);
  c.FrameRect(Rect(0, 0, width_, height_));
  const Integer ih = combo_->ItemHeight();
  const TStrings& items = *combo_->Items();
  for (Integer i = top_, y = 1; i < items.Count() && y < height_ - 1; ++i, y += ih) {
    const TRect r = Rect(1, y, scrollBar_ ? scrollBar_->Left() : width_ - 1, std::min<Integer>(y + ih, height_ - 1));
    const bool lit = i == highlight_;
    c.Brush().SetColor(lit ? clHighlight : clWindow);
    c.FillRect(r);
    c.Font().SetColor(lit ? clHighlightText : clWindowText);
    c.Brush().SetStyle(bsClear);
    c.TextRect(r, r.Left + 2, r.Top, items.Get(i));
    c.Brush().SetStyle(bsSolid);
  }
}

}  // namespace host

// TComboBox: a field with a button that drops down a list of items.
#include <algorithm>

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
  SetDroppedDown(false);
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  style_ = value;
  SyncText();
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
  if (itemIndex_ >= 0 && itemIndex_ < items_->Count()) SetText(items_->Get(itemIndex_));
  else if (style_ == csDropDownList) SetText("");
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
    if (style_ == csDropDownList || ButtonRect().Contains(Point(x, y))) SetDroppedDown(!DroppedDown());
  }
  TWinControl::MouseDown(button, shift, x, y);
}

void TComboBox::KeyDown(Word& key, TShiftState shift) {
  const Integer count = items_->Count();
  if ((key == VK_F4 && shift.Empty()) || ((key == VK_DOWN || key == VK_UP) && shift.Contains(ssAlt))) {
    if (DroppedDown() && list_->Highlight() >= 0) Choose(list_->Highlight());
    SetDroppedDown(!DroppedDown());
    key = 0;
  } else if (DroppedDown()) {
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
      case VK_ESCAPE:
        SetDroppedDown(false);
        key = 0;
        return;
      default: TWinControl::KeyDown(key, shift); return;
    }
    list_->SetHighlight(h);
    key = 0;
    return;
  } else {
    switch (key) {
      case VK_UP:
      case VK_LEFT: Choose(itemIndex_ < 0 ? 0 : itemIndex_ - 1); key = 0; break;
      case VK_DOWN:
      case VK_RIGHT: Choose(itemIndex_ + 1); key = 0; break;
      case VK_PRIOR: Choose(itemIndex_ - dropDownCount_); key = 0; break;
      case VK_NEXT: Choose(itemIndex_ < 0 ? dropDownCount_ - 1 : itemIndex_ + dropDownCount_); key = 0; break;
      case VK_HOME: Choose(0); key = 0; break;
      case VK_END: Choose(count - 1); key = 0; break;
      default: break;
    }
  }
  if (key != 0) TWinControl::KeyDown(key, shift);
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
  if (key == 8) {
    while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
    if (!text.empty()) text.pop_back();
  } else if (key >= 32) {
    char32_t cp = key;
    if (cp < 0x80) text += static_cast<char>(cp);
    else if (cp < 0x800) { text += static_cast<char>(0xC0 | (cp >> 6)); text += static_cast<char>(0x80 | (cp & 0x3F)); }
    else { text += static_cast<char>(0xE0 | (cp >> 12)); text += static_cast<char>(0x80 | ((cp >> 6) & 0x3F)); text += static_cast<char>(0x80 | (cp & 0x3F)); }
  }
  SetText(text);
  itemIndex_ = items_->IndexOf(text);
  Change();
}

void TComboBox::WMGetDlgCode(TWMGetDlgCode& m) {
  m.Result = DLGC_WANTARROWS | (style_ == csDropDownList ? 0 : DLGC_WANTCHARS) | (DroppedDown() ? DLGC_WANTALLKEYS : 0);
}

void TComboBox::WMKillFocus(TWMKillFocus& m) {
  SetDroppedDown(false);
  TWinControl::WMKillFocus(m);
}

void TComboBox::Dispatch(TMessage& m) {
  if (m.Msg == CM_CANCELMODE) {
    if (list_ && reinterpret_cast<TControl*>(m.LParam) != list_ && reinterpret_cast<TControl*>(m.LParam) != this)
      SetDroppedDown(false);
    return;
  }
  TWinControl::Dispatch(m);
}

void TComboBox::PaintControl(TCanvas& c) {
  const TRect inner = DrawSunkenField(c, Rect(0, 0, width_, height_), Enabled() ? Color() : clBtnFace);
  const TRect btn = ButtonRect();
  const bool pressed = DroppedDown();
  DrawButtonFace(c, btn, pressed, false);
  // The arrow: a black triangle seven pixels wide.
  const Integer ax = btn.Left + (btn.Width() - 7) / 2 + (pressed ? 1 : 0), ay = btn.Top + (btn.Height() - 4) / 2 + (pressed ? 1 : 0);
  c.Brush().SetColor(Enabled() ? clBtnText : clBtnShadow);
  for (Integer i = 0; i < 4; ++i) c.FillRect(Rect(ax + i, ay + i, ax + 7 - i, ay + i + 1));
  const TRect textArea = Rect(inner.Left + 1, inner.Top + 1, btn.Left - 1, inner.Bottom - 1);
  const bool selected = Focused() && !pressed;
  if (selected) {
    c.Brush().SetColor(clHighlight);
    c.FillRect(textArea);
  }
  c.Brush().SetStyle(bsClear);
  c.Font().SetColor(!Enabled() ? clGrayText : selected ? clHighlightText : Font()->Color());
  const Integer th = c.TextHeight("Wg");
  c.TextRect(textArea, textArea.Left + 1, textArea.Top + (textArea.Height() - th) / 2, Text());
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
}

TComboListBox::~TComboListBox() {
  // Freed with its parent form: the combo box must not free it again.
  if (combo_->list_ == this) combo_->list_ = nullptr;
}

void TComboListBox::SetHighlight(Integer index) {
  const Integer count = combo_->Items()->Count();
  highlight_ = count == 0 ? -1 : std::clamp<Integer>(index, -1, count - 1);
  const Integer rows = std::max<Integer>((height_ - 2) / std::max<Integer>(combo_->ItemHeight(), 1), 1);
  if (highlight_ >= 0 && highlight_ < top_) top_ = highlight_;
  if (highlight_ >= top_ + rows) top_ = highlight_ - rows + 1;
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
    const TRect r = Rect(1, y, width_ - 1, std::min<Integer>(y + ih, height_ - 1));
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

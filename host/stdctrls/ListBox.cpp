#include "host/stdctrls/ListBox.h"

#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/graphics/Draw3D.h"

namespace host {

HOST_PUBLISHED(TListBox) {
  P.Property("Color", &TListBox::Color, &TListBox::SetColor).SetDefault(clWindow).WithIdents(ColorIdents());
  P.Property("Enabled", &TListBox::Enabled, &TListBox::SetEnabled).SetDefault(true);
  P.Property("ExtendedSelect", &TListBox::ExtendedSelect, &TListBox::SetExtendedSelect).SetDefault(true);
  P.Property("Font", &TListBox::Font).Stored(&TControl::IsFontStored);
  P.Property("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight).Stored(false);
  P.Property("Items", &TListBox::Items, &TListBox::SetItems);
  P.Property("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex).SetDefault(-1);
  P.Property("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect).SetDefault(false);
  P.Property("ParentFont", &TListBox::ParentFont, &TListBox::SetParentFont).SetDefault(true);
  P.Property("TabOrder", &TListBox::TabOrder, &TListBox::SetTabOrder).SetDefault(-1);
  P.Property("TabStop", &TListBox::TabStop, &TListBox::SetTabStop).SetDefault(true);
  P.Property("Visible", &TListBox::Visible, &TListBox::SetVisible).SetDefault(true);
  P.Property("OnClick", &TListBox::OnClick);
  P.Property("OnDblClick", &TListBox::OnDblClick);
  P.Property("OnEnter", &TListBox::OnEnter);
  P.Property("OnExit", &TListBox::OnExit);
  P.Property("OnKeyDown", &TListBox::OnKeyDown);
  P.Property("OnKeyPress", &TListBox::OnKeyPress);
  P.Property("OnMouseDown", &TListBox::OnMouseDown);
  P.Property("OnMouseUp", &TListBox::OnMouseUp);
}

namespace {
constexpr Integer kBarWidth = TScrollBar::kInnerWidth;
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner), items_(std::make_unique<TStringList>()) {
  width_ = 121;
  height_ = 97;
  SetTabStop(true);
  SetColor(clWindow);
  controlStyle_ = {csCaptureMouse, csSetCaption, csDoubleClicks, csOpaque};
  items_->OnChange = [this](TObject* sender) { ItemsChanged(sender); };
  bar_ = MakeInnerScrollBar(this, [this](Integer position) { SetTopIndex(position); });
  bar_->SetVisible(false);
  UpdateScrollBar();
}

TListBox::~TListBox() { items_->OnChange = nullptr; }

Integer TListBox::ItemHeight() const {
  TCanvas measure;
  measure.Font().Assign(Font());
  return std::max<Integer>(measure.TextHeight("Wg"), 1);
}

TRect TListBox::TextArea() const {
  return Rect(2, 2, std::max<Integer>(width_ - 2 - (bar_->Visible() ? kBarWidth : 0), 2), std::max<Integer>(height_ - 2, 2));
}

Integer TListBox::VisibleRows() const { return std::max<Integer>(TextArea().Height() / ItemHeight(), 1); }

void TListBox::ItemsChanged(TObject*) {
  selected_.resize(static_cast<size_t>(items_->Count()), false);
  if (!ComponentState().Contains(csReading) && itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
  if (anchor_ >= items_->Count()) anchor_ = -1;
  UpdateScrollBar();
  Invalidate();
}

void TListBox::UpdateScrollBar() {
  const Integer count = items_->Count();
  // Whether the bar is needed depends on the rows, which do not depend on the bar.
  const Integer rows = std::max<Integer>((height_ - 4) / ItemHeight(), 1);
  const bool needed = count > rows;
  bar_->SetBounds(width_ - 2 - kBarWidth, 2, kBarWidth, std::max<Integer>(height_ - 4, 0));
  if (needed != bar_->Visible()) {
    bar_->SetVisible(needed);
    Invalidate();
  }
  top_ = std::clamp<Integer>(top_, 0, std::max<Integer>(count - rows, 0));
  bar_->SetRows(top_, count, rows);
}

void TListBox::SetTopIndex(Integer value) {
  value = std::clamp<Integer>(value, 0, std::max<Integer>(items_->Count() - VisibleRows(), 0));
  if (value == top_) return;
  top_ = value;
  bar_->SetPosition(top_);
  Invalidate();
}

void TListBox::MakeVisible(Integer index) {
  if (index < 0) return;
  if (index < top_) SetTopIndex(index);
  else if (index >= top_ + VisibleRows()) SetTopIndex(index - VisibleRows() + 1);
}

void TListBox::BoundsChanged(bool sizeChanged) {
  TWinControl::BoundsChanged(sizeChanged);
  if (sizeChanged) UpdateScrollBar();
}

void TListBox::CMFontChanged(TMessage& m) {
  TWinControl::CMFontChanged(m);
  UpdateScrollBar();
}

void TListBox::Loaded() {
  TWinControl::Loaded();
  const Integer index = itemIndex_;
  itemIndex_ = -1;
  SetItemIndex(index);
}

bool TListBox::Selected(Integer index) const {
  if (index < 0 || index >= items_->Count()) ListIndexError(index);
  return multiSelect_ ? selected_[static_cast<size_t>(index)] : index == itemIndex_;
}

void TListBox::SetSelected(Integer index, bool value) {
  if (index < 0 || index >= items_->Count()) ListIndexError(index);
  if (!multiSelect_) {
    if (value) SetItemIndex(index);
    else if (index == itemIndex_) SetItemIndex(-1);
    return;
  }
  if (selected_[static_cast<size_t>(index)] == value) return;
  selected_[static_cast<size_t>(index)] = value;
  InvalidateItem(index);
}

Integer TListBox::SelCount() const {
  if (!multiSelect_) return itemIndex_ >= 0 ? 1 : 0;
  return static_cast<Integer>(std::count(selected_.begin(), selected_.end(), true));
}

void TListBox::ClearSelection() {
  if (!multiSelect_) {
    SetItemIndex(-1);
    return;
  }
  for (Integer i = 0; i < items_->Count(); ++i) SetSelected(i, false);
}

void TListBox::SetMultiSelect(bool value) {
  if (multiSelect_ == value) return;
  multiSelect_ = value;
  std::fill(selected_.begin(), selected_.end(), false);
  if (value && itemIndex_ >= 0) selected_[static_cast<size_t>(itemIndex_)] = true;
  Invalidate();
}

void TListBox::SetItemIndex(Integer value) {
  if (ComponentState().Contains(csReading)) {
    itemIndex_ = value;  // the items may not be read yet; checked in Loaded
    return;
  }
  if (value < -1 || value >= items_->Count()) value = -1;
  if (value == itemIndex_) return;
  InvalidateItem(itemIndex_);
  itemIndex_ = value;
  anchor_ = value;
  InvalidateItem(itemIndex_);
  MakeVisible(value);
}

TRect TListBox::ItemRect(Integer index) const {
  const TRect area = TextArea();
  const Integer h = ItemHeight(), y = area.Top + (index - top_) * h;
  return Rect(area.Left, y, area.Right, y + h);
}

void TListBox::InvalidateItem(Integer index) {
  // Items are cheap to paint: the whole box is repainted.
  if (index >= top_ && index < top_ + VisibleRows() + 1) Invalidate();
}

Integer TListBox::ItemAtPos(TPoint pos) const {
  const TRect area = TextArea();
  if (!area.Contains(pos)) return -1;
  const Integer i = top_ + (pos.Y - area.Top) / ItemHeight();
  return i < items_->Count() ? i : -1;
}

void TListBox::Select(Integer index, TShiftState shift, bool toggle) {
  const Integer count = items_->Count();
  if (count == 0) return;
  index = std::clamp<Integer>(index, 0, count - 1);
  const Integer before = itemIndex_;
  std::vector<bool> was = selected_;
  if (!multiSelect_) {
    SetItemIndex(index);
  } else if (!extendedSelect_) {
    if (toggle) selected_[static_cast<size_t>(index)] = !selected_[static_cast<size_t>(index)];
    itemIndex_ = anchor_ = index;
  } else if (shift.Contains(ssShift) && anchor_ >= 0) {
    // A range from the anchor; Ctrl keeps what was selected besides.
    if (!shift.Contains(ssCtrl)) std::fill(selected_.begin(), selected_.end(), false);
    for (Integer i = std::min(anchor_, index); i <= std::max(anchor_, index); ++i) selected_[static_cast<size_t>(i)] = true;
    itemIndex_ = index;
  } else if (shift.Contains(ssCtrl)) {
    if (toggle) selected_[static_cast<size_t>(index)] = !selected_[static_cast<size_t>(index)];
    itemIndex_ = anchor_ = index;
  } else {
    std::fill(selected_.begin(), selected_.end(), false);
    selected_[static_cast<size_t>(index)] = true;
    itemIndex_ = anchor_ = index;
  }
  MakeVisible(itemIndex_);
  if (itemIndex_ != before || selected_ != was) {
    Invalidate();
    Click();
  }
}

void TListBox::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft) {
    if (CanFocus() && !Focused()) SetFocus();
    const Integer i = ItemAtPos(Point(x, y));
    if (i >= 0) Select(i, shift, true);
  }
  TWinControl::MouseDown(button, shift, x, y);
}

void TListBox::MouseMove(TShiftState shift, Integer x, Integer y) {
  // Dragging with the button held moves the choice (or the range of an extended selection).
  if (controlState_.Contains(csLButtonDown) && shift.Contains(ssLeft) && (!multiSelect_ || extendedSelect_)) {
    const TRect area = TextArea();
    const Integer row = y < area.Top ? -1 : (y - area.Top) / ItemHeight();
    const Integer i = std::clamp<Integer>(top_ + row, 0, std::max<Integer>(items_->Count() - 1, 0));
    if (i != itemIndex_) Select(i, multiSelect_ ? TShiftState{ssShift} : TShiftState{}, false);
  }
  TWinControl::MouseMove(shift, x, y);
}

void TListBox::KeyDown(Word& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  const Integer page = std::max<Integer>(VisibleRows() - 1, 1);
  Integer target;
  switch (key) {
    case VK_UP: target = itemIndex_ - 1; break;
    case VK_DOWN: target = itemIndex_ + 1; break;
    case VK_PRIOR: target = itemIndex_ - page; break;
    case VK_NEXT: target = itemIndex_ + page; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = items_->Count() - 1; break;
    default: return;
  }
  key = 0;
  if (itemIndex_ < 0) target = std::max<Integer>(target, 0);
  // With Ctrl the focus moves without changing the selection of an extended list.
  if (multiSelect_ && shift.Contains(ssCtrl) && !shift.Contains(ssShift)) {
    itemIndex_ = std::clamp<Integer>(target, 0, std::max<Integer>(items_->Count() - 1, 0));
    MakeVisible(itemIndex_);
    Invalidate();
    return;
  }
  Select(target, multiSelect_ && !extendedSelect_ ? TShiftState{} : shift, false);
}

void TListBox::KeyPress(char32_t& key) {
  TWinControl::KeyPress(key);
  // Space adds or removes the focused item of a multi-select list.
  if (key == ' ' && multiSelect_ && itemIndex_ >= 0) {
    Select(itemIndex_, TShiftState{ssCtrl}, true);
    key = 0;
  }
}

void TListBox::WMGetDlgCode(TWMGetDlgCode& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }

bool TListBox::DoMouseWheel(TShiftState shift, Integer wheelDelta, TPoint mousePos) {
  if (TWinControl::DoMouseWheel(shift, wheelDelta, mousePos)) return true;
  SetTopIndex(top_ - wheelDelta / WHEEL_DELTA * 3);
  return true;
}

void TListBox::PaintControl(TCanvas& c) {
  DrawSunkenField(c, Rect(0, 0, width_, height_), Enabled() ? Color() : clBtnFace);
  const TRect area = TextArea();
  const bool focused = Focused();
  for (Integer i = top_; i < items_->Count(); ++i) {
    const TRect r = ItemRect(i);
    if (r.Top >= area.Bottom) break;
    const TRect row = IntersectRect(r, area);
    const bool lit = multiSelect_ ? selected_[static_cast<size_t>(i)] : i == itemIndex_;
    c.Brush().SetColor(clHighlight);  // before the style: a colour makes the brush solid
    c.Brush().SetStyle(lit ? bsSolid : bsClear);
    c.Font().SetColor(!Enabled() ? clGrayText : lit ? clHighlightText : Font()->Color());
    c.TextRect(row, r.Left + 2, r.Top, items_->Ref(i));
    c.Brush().SetStyle(bsSolid);
    if (focused && i == itemIndex_) c.DrawFocusRect(row);
  }
}

}  // namespace host

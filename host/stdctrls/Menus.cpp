#include "host/stdctrls/Menus.h"

#include <algorithm>

#include "host/core/ClassBuilder.h"

#include "host/graphics/Draw3D.h"

namespace host {

HOST_PUBLISHED(TMenuItem) {
  P.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
  P.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).SetDefault(true);
  P.Property("OnClick", &TMenuItem::OnClick);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() = default;

TMenuItem* TMenuItem::Items(Integer index) const {
  if (index < 0 || index >= Count()) throw EListError("Menu index out of bounds (" + std::to_string(index) + ")");
  return items_[static_cast<size_t>(index)].get();
}

void TMenuItem::Add(TMenuItem* item) { items_.emplace_back(item); }

TMenuItem* TMenuItem::Add(const std::string& caption, TNotifyEvent onClick) {
  auto* item = new TMenuItem(nullptr);
  item->SetCaption(caption);
  item->OnClick = std::move(onClick);
  Add(item);
  return item;
}

void TMenuItem::Clear() { items_.clear(); }

void TMenuItem::Click() {
  if (enabled_ && !IsLine() && OnClick) OnClick(this);
}

HOST_PUBLISHED(TPopupMenu) { P.Property("OnPopup", &TPopupMenu::OnPopup); }

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {}

TPopupMenu::~TPopupMenu() { CloseUp(); }

void TPopupMenu::Popup(TWinControl* form, TPoint clientPos) {
  CloseUp();
  if (OnPopup) OnPopup(this);
  if (items_->Count() == 0) return;
  list_ = new TPopupList(this, form, clientPos);
}

void TPopupMenu::CloseUp() {
  TPopupList* list = list_;
  list_ = nullptr;
  delete list;
}

HOST_PUBLISHED(TPopupList) {}

TPopupList::TPopupList(TPopupMenu* menu, TWinControl* host, TPoint pos) : TCustomControl(nullptr), menu_(menu) {
  controlStyle_ = {csOpaque, csCaptureMouse};
  SetColor(clBtnFace);
  SetTabStop(true);
  Font()->Assign(host->Font());
  const TMenuItem& items = *menu->Items();
  TCanvas measure;
  measure.Font().Assign(Font());
  Integer w = 120, h = 4;
  for (Integer i = 0; i < items.Count(); ++i) {
    const TMenuItem* item = items.Items(i);
    h += item->IsLine() ? kLineHeight : kItemHeight;
    if (!item->IsLine()) w = std::max<Integer>(w, AccelTextWidth(measure, item->Caption()) + 48);
  }
  const TRect client = host->ClientRect();
  const Integer x = std::max<Integer>(0, std::min<Integer>(pos.X, client.Right - w));
  const Integer y = std::max<Integer>(0, std::min<Integer>(pos.Y, client.Bottom - h));
  SetBounds(x, y, w, h);
  SetParent(host);
  BringToFront();
  if (CanFocus()) SetFocus();
}

TPopupList::~TPopupList() {
  // Freed with its parent form: the menu must not free it again.
  if (menu_->list_ == this) menu_->list_ = nullptr;
}

TRect TPopupList::ItemRect(Integer index) const {
  const TMenuItem& items = *menu_->Items();
  Integer y = 2;
  for (Integer i = 0; i < index && i < items.Count(); ++i) y += items.Items(i)->IsLine() ? kLineHeight : kItemHeight;
  const Integer h = index < items.Count() && items.Items(index)->IsLine() ? kLineHeight : kItemHeight;
  return Rect(2, y, width_ - 2, y + h);
}

Integer TPopupList::ItemAt(TPoint p) const {
  const TMenuItem& items = *menu_->Items();
  if (p.X < 2 || p.X >= width_ - 2) return -1;
  for (Integer i = 0; i < items.Count(); ++i)
    if (ItemRect(i).Contains(p)) return items.Items(i)->IsLine() ? -1 : i;
  return -1;
}

void TPopupList::SetHighlight(Integer index) {
  if (index == highlight_) return;
  highlight_ = index;
  Invalidate();
}

void TPopupList::Step(Integer delta) {
  const TMenuItem& items = *menu_->Items();
  const Integer n = items.Count();
  Integer i = highlight_;
  for (Integer tries = 0; tries < n; ++tries) {
    i = i < 0 ? (delta > 0 ? 0 : n - 1) : (i + delta + n) % n;
    if (!items.Items(i)->IsLine()) {
      SetHighlight(i);
      return;
    }
  }
}

void TPopupList::Choose(Integer index) {
  TPopupMenu* menu = menu_;
  TMenuItem* item = index >= 0 && index < menu->Items()->Count() ? menu->Items()->Items(index) : nullptr;
  if (item && (!item->Enabled() || item->IsLine())) return;
  menu->CloseUp();  // frees this list: only locals from here on
  if (item) item->Click();
}

void TPopupList::Paint() {
  TCanvas& c = Canvas();
  Frame3D(c, Rect(0, 0, width_, height_), clBtnFace, clBlack);
  Frame3D(c, Rect(1, 1, width_ - 1, height_ - 1), clBtnHighlight, clBtnShadow);
  const TMenuItem& items = *menu_->Items();
  const Integer th = c.TextHeight("Wg");
  for (Integer i = 0; i < items.Count(); ++i) {
    const TMenuItem* item = items.Items(i);
    const TRect r = ItemRect(i);
    c.Brush().SetColor(clBtnFace);
    if (item->IsLine()) {
      c.FillRect(r);
      c.Brush().SetColor(clBtnShadow);
      c.FillRect(Rect(r.Left + 1, r.Top + 3, r.Right - 1, r.Top + 4));
      c.Brush().SetColor(clBtnHighlight);
      c.FillRect(Rect(r.Left + 1, r.Top + 4, r.Right - 1, r.Top + 5));
      continue;
    }
    const bool lit = i == highlight_ && item->Enabled();
    if (lit) c.Brush().SetColor(clHighlight);
    c.FillRect(r);
    c.Brush().SetStyle(bsClear);
    const Integer y = r.Top + (r.Height() - th) / 2;
    if (!item->Enabled()) {
      c.Font().SetColor(clBtnHighlight);
      DrawAccelText(c, r.Left + 21, y + 1, item->Caption());
    }
    c.Font().SetColor(!item->Enabled() ? clBtnShadow : lit ? clHighlightText : clMenuText);
    DrawAccelText(c, r.Left + 20, y, item->Caption());
    c.Brush().SetStyle(bsSolid);
  }
}

void TPopupList::MouseMove(TShiftState shift, Integer x, Integer y) {
  SetHighlight(ItemAt(Point(x, y)));
  TCustomControl::MouseMove(shift, x, y);
}

void TPopupList::MouseUp(TMouseButton, TShiftState, Integer x, Integer y) {
  const Integer i = ItemAt(Point(x, y));
  if (i >= 0) Choose(i);  // may free this list: nothing may follow
}

void TPopupList::KeyDown(Word& key, TShiftState shift) {
  switch (key) {
    case VK_UP: Step(-1); break;
    case VK_DOWN: Step(1); break;
    case VK_RETURN:
    case VK_SPACE:
      key = 0;
      if (highlight_ >= 0) Choose(highlight_);  // may free this list
      return;
    case VK_ESCAPE:
      key = 0;
      menu_->CloseUp();  // frees this list
      return;
    default: TCustomControl::KeyDown(key, shift); return;
  }
  key = 0;
}

void TPopupList::WMGetDlgCode(TWMGetDlgCode& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; }

void TPopupList::WMKillFocus(TWMKillFocus& m) {
  TCustomControl::WMKillFocus(m);
  // The focus went elsewhere: the menu closes, as a press elsewhere closes it.
  menu_->CloseUp();  // frees this list
}

void TPopupList::Dispatch(TMessage& m) {
  // A press anywhere but on the list closes the menu.
  if (m.Msg == CM_CANCELMODE) {
    if (reinterpret_cast<TControl*>(m.LParam) != this) menu_->CloseUp();
    return;
  }
  TCustomControl::Dispatch(m);
}

}  // namespace host

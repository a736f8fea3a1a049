// TPageControl: a row of tabs above a raised frame; the active sheet fills the frame.
#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/stdctrls/ComCtrls.h"
#include "host/graphics/Draw3D.h"
#include "host/forms/Forms.h"
#include "host/core/Lists.h"

namespace host {

HOST_PUBLISHED(TTabSheet) {
  P.Property("Caption", &TTabSheet::Caption, &TTabSheet::SetCaption);
  P.Property("Enabled", &TTabSheet::Enabled, &TTabSheet::SetEnabled).SetDefault(true);
  P.Property("Font", &TTabSheet::Font).Stored(&TControl::IsFontStored);
  P.Property("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).Stored(false);
  P.Property("ParentFont", &TTabSheet::ParentFont, &TTabSheet::SetParentFont).SetDefault(true);
  P.Property("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).SetDefault(true);
  P.Property("OnEnter", &TTabSheet::OnEnter);
  P.Property("OnExit", &TTabSheet::OnExit);
}

HOST_PUBLISHED(TPageControl) {
  P.Property("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
  P.Property("Align", &TPageControl::Align, &TPageControl::SetAlign).SetDefault(alNone);
  P.Property("Enabled", &TPageControl::Enabled, &TPageControl::SetEnabled).SetDefault(true);
  P.Property("Font", &TPageControl::Font).Stored(&TControl::IsFontStored);
  P.Property("ParentFont", &TPageControl::ParentFont, &TPageControl::SetParentFont).SetDefault(true);
  P.Property("TabHeight", &TPageControl::TabHeight, &TPageControl::SetTabHeight).SetDefault(0);
  P.Property("TabOrder", &TPageControl::TabOrder, &TPageControl::SetTabOrder).SetDefault(-1);
  P.Property("TabStop", &TPageControl::TabStop, &TPageControl::SetTabStop).SetDefault(true);
  P.Property("TabWidth", &TPageControl::TabWidth, &TPageControl::SetTabWidth).SetDefault(0);
  P.Property("Visible", &TPageControl::Visible, &TPageControl::SetVisible).SetDefault(true);
  P.Property("OnChange", &TPageControl::OnChange);
  P.Property("OnChanging", &TPageControl::OnChanging);
  P.Property("OnEnter", &TPageControl::OnEnter);
  P.Property("OnExit", &TPageControl::OnExit);
}

// ---------------------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks};
  SetColor(clBtnFace);
  SetParentColor(true);
  SetVisible(false);
}

TTabSheet::~TTabSheet() {
  Destroying();
  SetParent(nullptr);
}

void TTabSheet::SetParent(TWinControl* parent) {
  TPageControl* old = pageControl_;
  TWinControl::SetParent(parent);
  TPageControl* now = dynamic_cast<TPageControl*>(parent);
  if (old != now) {
    if (old) old->RemovePage(this);
    pageControl_ = now;
    if (now) now->InsertPage(this);
  }
}

void TTabSheet::SetPageControl(TPageControl* value) { SetParent(value); }

Integer TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  auto& p = pageControl_->pages_;
  return static_cast<Integer>(std::find(p.begin(), p.end(), this) - p.begin());
}

void TTabSheet::SetPageIndex(Integer value) {
  if (!pageControl_) return;
  auto& p = pageControl_->pages_;
  const Integer cur = PageIndex();
  value = std::clamp<Integer>(value, 0, static_cast<Integer>(p.size()) - 1);
  if (value == cur) return;
  p.erase(p.begin() + cur);
  p.insert(p.begin() + value, this);
  pageControl_->Invalidate();
}

void TTabSheet::SetTabVisible(bool value) {
  tabVisible_ = value;
  if (pageControl_) pageControl_->Invalidate();
}

void TTabSheet::CMTextChanged(TMessage& m) {
  TWinControl::CMTextChanged(m);
  if (pageControl_) pageControl_->Invalidate();
}

// ---------------------------------------------------------------------------

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csDoubleClicks, csOpaque};
  width_ = 289;
  height_ = 193;
  SetTabStop(true);
  SetColor(clBtnFace);
}

TPageControl::~TPageControl() {
  // The sheets are freed as children after this; they must not come back to a page
  // control that is no longer one.
  Destroying();
  for (TTabSheet* p : pages_) p->pageControl_ = nullptr;
  pages_.clear();
  activePage_ = nullptr;
}

TTabSheet* TPageControl::Pages(Integer index) const {
  if (index < 0 || index >= PageCount()) ListIndexError(index);
  return pages_[static_cast<size_t>(index)];
}

void TPageControl::InsertPage(TTabSheet* page) {
  pages_.push_back(page);
  if (!activePage_ && !ComponentState().Contains(csLoading)) SetActivePage(page);
  else page->SetVisible(page == activePage_);
  Realign();
  Invalidate();
}

void TPageControl::RemovePage(TTabSheet* page) {
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  if (activePage_ == page) {
    activePage_ = nullptr;
    if (!ComponentState().Contains(csDestroying) && !pages_.empty()) SetActivePage(pages_.front());
  }
  if (!ComponentState().Contains(csDestroying)) Invalidate();
}

void TPageControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == activePage_) activePage_ = nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  if (page == activePage_) {
    ShowActive();
    return;
  }
  TTabSheet* old = activePage_;
  activePage_ = page;
  if (old) old->SetVisible(false);
  ShowActive();
  Invalidate();
}

void TPageControl::ShowActive() {
  if (!activePage_) return;
  Realign();
  activePage_->SetVisible(true);
}

void TPageControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  // Sheets are stored in page order, which is what reading them back rebuilds.
  for (TTabSheet* p : pages_)
    if (p->Owner() == root) proc(p);
  for (TControl* c : GraphicChildren())
    if (c->Owner() == root) proc(c);
  for (TWinControl* w : WinChildren())
    if (w->Owner() == root && !dynamic_cast<TTabSheet*>(w)) proc(w);
}

Integer TPageControl::ActivePageIndex() const {
  return activePage_ ? activePage_->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(Integer index) {
  SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

void TPageControl::ChangeActivePage(TTabSheet* page) {
  if (page == activePage_) return;
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  if (!allow) return;
  SetActivePage(page);
  if (OnChange) OnChange(this);
}

void TPageControl::SelectNextPage(bool goForward) {
  const Integer count = PageCount();
  if (count == 0) return;
  Integer i = ActivePageIndex();
  for (Integer step = 0; step < count; ++step) {
    i = goForward ? (i + 1) % count : (i <= 0 ? count - 1 : i - 1);
    if (pages_[static_cast<size_t>(i)]->TabVisible()) {
      ChangeActivePage(pages_[static_cast<size_t>(i)]);
      return;
    }
  }
}

void TPageControl::SetTabHeight(Integer value) {
  tabHeight_ = std::max<Integer>(value, 0);
  Realign();
  Invalidate();
}

void TPageControl::SetTabWidth(Integer value) {
  tabWidth_ = std::max<Integer>(value, 0);
  Invalidate();
}

void TPageControl::Loaded() {
  TWinControl::Loaded();
  if (!activePage_ && !pages_.empty()) activePage_ = pages_.front();
  for (TTabSheet* p : pages_) p->SetVisible(p == activePage_);
  ShowActive();
}

Integer TPageControl::TabRowHeight() {
  if (tabHeight_ > 0) return tabHeight_ + 2;
  TCanvas measure;
  measure.Font().Assign(Font());
  return measure.TextHeight("Wg") + 8;
}

TRect TPageControl::TabRect(Integer index) {
  if (index < 0 || index >= PageCount()) return TRect{};
  TCanvas measure;
  measure.Font().Assign(Font());
  Integer x = 2;
  const Integer h = TabRowHeight();
  for (Integer i = 0; i < PageCount(); ++i) {
    const TTabSheet* p = pages_[static_cast<size_t>(i)];
    if (!p->TabVisible()) {
      if (i == index) return TRect{};
      continue;
    }
    const Integer w = tabWidth_ > 0 ? tabWidth_ : AccelTextWidth(measure, p->Caption()) + 12;
    if (i == index) return Rect(x, 2, x + w, h);
    x += w;
  }
  return TRect{};
}

TRect TPageControl::DisplayRect() {
  const Integer h = TabRowHeight();
  return Rect(4, h + 2, std::max<Integer>(width_ - 4, 4), std::max<Integer>(height_ - 4, h + 2));
}

Integer TPageControl::IndexOfTabAt(Integer x, Integer y) {
  for (Integer i = 0; i < PageCount(); ++i)
    if (TabRect(i).Contains(Point(x, y))) return i;
  return -1;
}

void TPageControl::AlignControls(TControl* aControl, TRect& rect) {
  const TRect d = DisplayRect();
  for (TTabSheet* p : pages_) p->SetBounds(d.Left, d.Top, d.Width(), d.Height());
  TWinControl::AlignControls(aControl, rect);
}

void TPageControl::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (button == mbLeft) {
    const Integer i = IndexOfTabAt(x, y);
    if (i >= 0) {
      if (CanFocus() && !Focused()) SetFocus();
      ChangeActivePage(pages_[static_cast<size_t>(i)]);
    }
  }
  TWinControl::MouseDown(button, shift, x, y);
}

void TPageControl::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_RIGHT || key == VK_LEFT) {
    SelectNextPage(key == VK_RIGHT);
    key = 0;
  }
  TWinControl::KeyDown(key, shift);
}

void TPageControl::WMGetDlgCode(TWMGetDlgCode& m) { m.Result = DLGC_WANTARROWS; }

void TPageControl::CMDialogKey(TWMKey& m) {
  // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from anywhere on them.
  const TShiftState shift = KeyDataToShiftState(m.KeyData);
  if (m.CharCode == VK_TAB && shift.Contains(ssCtrl) && activePage_ && GetParentForm(this) &&
      ContainsControl(GetParentForm(this)->FocusedControl())) {
    SelectNextPage(!shift.Contains(ssShift));
    m.Result = 1;
    return;
  }
  TWinControl::CMDialogKey(m);
}

void TPageControl::CMDesignHitTest(TCMDesignHitTest& m) {
  // In the designer a click on a tab turns the page.
  m.Result = IndexOfTabAt(m.XPos, m.YPos) >= 0 ? 1 : 0;
}

void TPageControl::PaintControl(TCanvas& c) {
  TWinControl::PaintControl(c);
  const TRect frame = Rect(0, TabRowHeight(), width_, height_);
  Frame3D(c, frame, clBtnHighlight, cl3DDkShadow);
  Frame3D(c, InflateRect(frame, -1, -1), cl3DLight, clBtnShadow);
  const Integer th = c.TextHeight("Wg");
  const Integer active = ActivePageIndex();
  auto drawTab = [&](Integer i) {
    TRect r = TabRect(i);
    if (r.IsEmpty()) return;
    const bool on = i == active;
    if (on) r = Rect(r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 1);
    c.Brush().SetColor(clBtnFace);
    c.FillRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom));
    // Left and top edges in the highlight with rounded corners, right edge in shadow.
    c.Brush().SetColor(clBtnHighlight);
    c.FillRect(Rect(r.Left, r.Top + 2, r.Left + 1, r.Bottom));
    c.FillRect(Rect(r.Left + 1, r.Top + 1, r.Left + 2, r.Top + 2));
    c.FillRect(Rect(r.Left + 2, r.Top, r.Right - 2, r.Top + 1));
    c.Brush().SetColor(cl3DDkShadow);
    c.FillRect(Rect(r.Right - 1, r.Top + 2, r.Right, r.Bottom));
    c.FillRect(Rect(r.Right - 2, r.Top + 1, r.Right - 1, r.Top + 2));
    c.Brush().SetColor(clBtnShadow);
    c.FillRect(Rect(r.Right - 2, r.Top + 2, r.Right - 1, r.Bottom));
    if (on) {
      // The active tab opens into the page below it.
      c.Brush().SetColor(clBtnFace);
      c.FillRect(Rect(r.Left + 1, r.Bottom - 1, r.Right - 2, r.Bottom + 1));
    }
    const TTabSheet* p = pages_[static_cast<size_t>(i)];
    const Integer tw = AccelTextWidth(c, p->Caption());
    const Integer tx = r.Left + (r.Width() - tw) / 2, ty = r.Top + (r.Height() - th) / 2;
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(p->Enabled() && Enabled() ? Font()->Color() : clGrayText);
    DrawAccelText(c, tx, ty, p->Caption());
    c.Brush().SetStyle(bsSolid);
    if (on && Focused()) c.DrawFocusRect(Rect(tx - 2, ty - 1, tx + tw + 2, ty + th + 1));
  };
  for (Integer i = 0; i < PageCount(); ++i)
    if (i != active) drawTab(i);
  if (active >= 0) drawTab(active);
}

}  // namespace host

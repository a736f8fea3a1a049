// TWinControl: children, windows (handles) and alignment.
#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/core/SpareCapacity.h"
#include "host/controls/Controls.h"
#include "host/core/Lists.h"

namespace host {

HOST_PUBLISHED(TWinControl) {}

namespace {

// A parent frees its children last first, so the one leaving is found at the back.
template <class T>
void EraseFromBack(std::vector<T*>& list, const TControl* control) {
  auto it = std::find(list.rbegin(), list.rend(), control);
  if (it != list.rend()) list.erase(std::next(it).base());
}

}  // namespace

TWinControl::TChildLists& TWinControl::Children() {
  if (!children_) children_ = std::make_unique<TChildLists>();
  return *children_;
}

const std::vector<TControl*>& TWinControl::NoControls() {
  static const std::vector<TControl*> none;
  return none;
}

const std::vector<TWinControl*>& TWinControl::NoWinControls() {
  static const std::vector<TWinControl*> none;
  return none;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {
  isWin_ = true;
  controlStyle_.Include(csOpaque);
}

void TWinControl::PaintControl(TCanvas& canvas) {
  if (!controlStyle_.Contains(csOpaque)) return;
  canvas.Brush().SetColor(Color());
  canvas.Brush().SetStyle(bsSolid);
  const TRect area = WindowClientArea();
  canvas.FillRect(Rect(0, 0, area.Width(), area.Height()));
}

TWinControl::~TWinControl() {
  SetWatchesFocus(false);
  Destroying();
  // A parent frees its children, whoever owns them; each leaves its owner as it goes.
  while (!WinChildren().empty() || !GraphicChildren().empty()) {
    TControl* c = !WinChildren().empty() ? static_cast<TControl*>(WinChildren().back()) : GraphicChildren().back();
    RemoveControl(c);
    delete c;
  }
  SetParent(nullptr);
}

TControl* TWinControl::Controls(Integer index) const {
  if (index >= 0 && static_cast<size_t>(index) < GraphicChildren().size()) return GraphicChildren()[static_cast<size_t>(index)];
  const size_t w = static_cast<size_t>(index) - GraphicChildren().size();
  if (index < 0 || w >= WinChildren().size()) ListIndexError(index);
  return WinChildren()[w];
}

void TWinControl::InsertControl(TControl* control) {
  if (!control || control->parent_ == this) return;
  if (control->parent_) control->parent_->RemoveControl(control);
  control->parent_ = this;
  if (control->isWin_) {
    auto* w = static_cast<TWinControl*>(control);
    TChildLists& children = Children();
    children.wins.push_back(w);
    children.tabs.push_back(w);
    // A tab order given before the control had a parent applies now.
    if (w->pendingTabOrder_ >= 0 && !w->ComponentState().Contains(csReading)) {
      w->UpdateTabOrder(w->pendingTabOrder_);
      w->pendingTabOrder_ = -1;
    }
  } else {
    Children().graphics.push_back(control);
  }
  control->ParentFontChanged();
  control->ParentColorChanged();
  if (control->isWin_ && handle_) static_cast<TWinControl*>(control)->CreateHandle();
  if (control->align_ != alNone || (control->isWin_ && static_cast<TWinControl*>(control)->FillsParent())) AlignControl(control);
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  if (!control || control->parent_ != this) return;
  control->Invalidate();
  if (IWindowHost* window = WindowHost()) window->ControlRemoving(control);
  if (control->isWin_) {
    auto* w = static_cast<TWinControl*>(control);
    w->DestroyHandle();
    EraseFromBack(Children().wins, w);
    EraseFromBack(Children().tabs, w);
  } else {
    EraseFromBack(Children().graphics, control);
  }
  control->parent_ = nullptr;
  if (control->align_ != alNone && !ComponentState().Contains(csDestroying)) AlignControl(nullptr);
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->parent_)
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls) const {
  auto hit = [&](const TControl* c) {
    const bool designing = c->ComponentState().Contains(csDesigning);
    return c->visible_ && (c->enabled_ || allowDisabled || designing) && c->BoundsRect().Contains(pos);
  };
  if (allowWinControls)
    for (auto it = WinChildren().rbegin(); it != WinChildren().rend(); ++it)
      if (hit(*it)) return *it;
  for (auto it = GraphicChildren().rbegin(); it != GraphicChildren().rend(); ++it)
    if (hit(*it)) return *it;
  return nullptr;
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TControl* c : GraphicChildren())
    if (c->Owner() == root) proc(c);
  for (TControl* c : WinChildren())
    if (c->Owner() == root) proc(c);
}

void TWinControl::HandleNeeded() {
  if (handle_) return;
  if (Parent()) {
    Parent()->HandleNeeded();
    if (handle_) return;  // the parent made it
  }
  CreateHandle();
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  controlState_.Include(csCreating);
  handle_ = true;
  CreateWnd();
  const TRect area = WindowClientArea();
  Perform(WM_SIZE, SIZE_RESTORED, PointToLParam(area.Width(), area.Height()));
  controlState_.Exclude(csCreating);
  const std::vector<TWinControl*> children = WinChildren();
  for (TWinControl* c : children) c->CreateHandle();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TWinControl* c : WinChildren()) c->DestroyHandle();
  handle_ = false;
}

void TWinControl::BoundsChanged(bool sizeChanged) {
  if (!sizeChanged) return;
  Realign();
  if (handle_) {
    const TRect area = WindowClientArea();
    Perform(WM_SIZE, SIZE_RESTORED, PointToLParam(area.Width(), area.Height()));
  }
}

void TWinControl::Loaded() {
  TControl::Loaded();
  if (children_) {
    ReleaseSpareCapacity(children_->graphics);
    ReleaseSpareCapacity(children_->wins);
    ReleaseSpareCapacity(children_->tabs);
  }
  FixupTabList();
  Realign();
}

// ---------------------------------------------------------------------------
// Alignment.

void TWinControl::EnableAlign() {
  if (alignLevel_ > 0 && --alignLevel_ == 0 && alignNeeded_) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignControl(TControl* aControl) {
  if (aligning_) return;
  if (alignLevel_ > 0 || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) {
    alignNeeded_ = true;
    return;
  }
  alignNeeded_ = false;
  aligning_ = true;
  try {
    TRect rect = GetClientRect();
    AlignControls(aControl, rect);
  } catch (...) {
    aligning_ = false;
    throw;
  }
  aligning_ = false;
}

void TWinControl::AdjustClientRect(TRect&) const {}

void TWinControl::AlignControls(TControl* aControl, TRect& rect) {
  AdjustClientRect(rect);
  std::vector<TControl*> list, aligned;
  auto shown = [](const TControl* c) {
    return c->visible_ || (c->ComponentState().Contains(csDesigning) &&
                           !c->ControlStyle().Contains(csNoDesignVisible));
  };
  // The control whose change asked for this goes first among those of its alignment.
  auto insertBefore = [](const TControl* c1, const TControl* c2, TAlign a) {
    switch (a) {
      case alTop: return c1->top_ < c2->top_;
      case alBottom: return c1->top_ + c1->height_ >= c2->top_ + c2->height_;
      case alLeft: return c1->left_ < c2->left_;
      case alRight: return c1->left_ + c1->width_ >= c2->left_ + c2->width_;
      default: return false;
    }
  };
  auto doAlign = [&](TAlign a) {
    list.clear();
    if (aControl && aControl->parent_ == this && aControl->align_ == a && shown(aControl)) list.push_back(aControl);
    auto consider = [&](TControl* c) {
      if (c == aControl || c->align_ != a || !shown(c)) return;
      size_t j = 0;
      while (j < list.size() && !insertBefore(c, list[j], a)) ++j;
      list.insert(list.begin() + static_cast<std::ptrdiff_t>(j), c);
    };
    for (TControl* c : aligned) consider(c);
    for (TControl* c : list) {
      Integer w = rect.Right - rect.Left, h = rect.Bottom - rect.Top;
      if (w < 0 || a == alLeft || a == alRight) w = c->width_;
      if (h < 0 || a == alTop || a == alBottom) h = c->height_;
      Integer l = rect.Left, t = rect.Top;
      switch (a) {
        case alTop: rect.Top += h; break;
        case alBottom: rect.Bottom -= h; t = rect.Bottom; break;
        case alLeft: rect.Left += w; break;
        case alRight: rect.Right -= w; l = rect.Right; break;
        default: break;
      }
      c->SetBounds(l, t, w, h);
    }
  };
  // One look at each child, which a container of thousands no longer holds in the cache:
  // the aligned ones in z-order, and the embedded maximized forms.
  std::vector<TWinControl*> filling;
  for (TControl* c : GraphicChildren())
    if (c->align_ != alNone) aligned.push_back(c);
  for (TWinControl* w : WinChildren()) {
    if (w->align_ != alNone) aligned.push_back(w);
    if (w->FillsParent()) filling.push_back(w);
  }
  if (!aligned.empty()) {
    doAlign(alTop);
    doAlign(alBottom);
    doAlign(alLeft);
    doAlign(alRight);
    doAlign(alClient);
  }
  // Embedded maximized forms fill the whole client area.
  for (TWinControl* w : filling) {
    TRect full = GetClientRect();
    w->SetBounds(full.Left, full.Top, full.Width(), full.Height());
  }
}

}  // namespace host

#include <algorithm>

#include "host/core/ClassBuilder.h"
#include "host/controls/Controls.h"

namespace host {

HOST_PUBLISHED(TControl) {
  P.Property("Left", &TControl::Left, &TControl::SetLeft);
  P.Property("Top", &TControl::Top, &TControl::SetTop);
  P.Property("Width", &TControl::Width, &TControl::SetWidth);
  P.Property("Height", &TControl::Height, &TControl::SetHeight);
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.SetOwnerNotify([](void* self, TObject* sender) { static_cast<TControl*>(self)->FontChanged(sender); }, this);
}

TControl::~TControl() {
  Destroying();
  if (parent_) parent_->RemoveControl(this);
}

namespace {

// Bounds stay within the classic 16-bit coordinate range, so that no sum of a position
// and an extent overflows and an absurd size in a form file cannot take over memory.
constexpr Integer kMaxCoordinate = 32767;

Integer Clamp(Integer v, Integer lo) { return std::clamp(v, lo, kMaxCoordinate); }

}  // namespace

void TControl::SetBounds(Integer aLeft, Integer aTop, Integer aWidth, Integer aHeight) {
  aLeft = Clamp(aLeft, -kMaxCoordinate);
  aTop = Clamp(aTop, -kMaxCoordinate);
  aWidth = Clamp(aWidth, 0);
  aHeight = Clamp(aHeight, 0);
  if (aLeft == left_ && aTop == top_ && aWidth == width_ && aHeight == height_) return;
  const bool sized = aWidth != width_ || aHeight != height_;
  Invalidate();
  left_ = aLeft;
  top_ = aTop;
  width_ = aWidth;
  height_ = aHeight;
  Invalidate();
  BoundsChanged(sized);
  if (align_ != alNone) RequestAlign();
}

void TControl::BoundsChanged(bool) {}

void TControl::SetName(const std::string& newName) {
  const bool follow = controlStyle_.Contains(csSetCaption) && !ComponentState().Contains(csLoading) &&
                      Name() == text_ &&
                      !(Owner() && Owner()->ComponentState().Contains(csLoading));
  TComponent::SetName(newName);
  if (follow) SetText(newName);
}

TRect TControl::GetClientRect() const { return Rect(0, 0, width_, height_); }

void TControl::SetClientWidth(Integer v) { SetWidth(width_ + v - ClientWidth()); }
void TControl::SetClientHeight(Integer v) { SetHeight(height_ + v - ClientHeight()); }

TPoint TControl::ClientOrigin() const {
  TPoint base = parent_ ? parent_->ClientOrigin() : TPoint{};
  TRect area = WindowClientArea();
  return Point(base.X + left_ + area.Left, base.Y + top_ + area.Top);
}

TPoint TControl::ClientToScreen(TPoint p) const {
  TPoint o = ClientOrigin();
  return Point(p.X + o.X, p.Y + o.Y);
}

TPoint TControl::ScreenToClient(TPoint p) const {
  TPoint o = ClientOrigin();
  return Point(p.X - o.X, p.Y - o.Y);
}

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* value) {
  // The class information answers as the cast would, without comparing type names.
  if (value && value->InheritsFrom<TWinControl>()) SetParent(static_cast<TWinControl*>(value));
}

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) return;
  if (parent && isWin_ && static_cast<TWinControl*>(this)->ContainsControl(parent))
    throw EInvalidOperation("Control '" + Name() + "' cannot have itself or a child as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetAlign(TAlign value) {
  if (align_ == value) return;
  align_ = value;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_) parent_->AlignControl(this);
}

void TControl::SetVisible(bool value) {
  if (visible_ == value) return;
  if (!value) {
    Invalidate();
    if (IWindowHost* w = WindowHost()) w->ControlRemoving(this);
  }
  visible_ = value;
  if (value) Invalidate();
  Perform(CM_VISIBLECHANGED, value ? 1 : 0);
  if (align_ != alNone) RequestAlign();
}

bool TControl::VisibleInWindow() const {
  for (const TControl* c = this; c->parent_; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

bool TControl::Showing() const {
  const TControl* c = this;
  while (c->parent_) {
    if (!c->visible_) return false;
    c = c->parent_;
  }
  return c->visible_;
}

void TControl::SetEnabled(bool value) {
  if (enabled_ == value) return;
  if (!value)
    if (IWindowHost* w = WindowHost()) w->ControlRemoving(this);
  enabled_ = value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& value) {
  if (text_ == value) return;
  text_ = value;
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor value) {
  if (!followingParent_) parentColor_ = false;
  if (color_ == value) return;
  color_ = value;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (parentColor_ == value) return;
  parentColor_ = value;
  if (value && parent_) ParentColorChanged();
}

void TControl::SetParentFont(bool value) {
  if (parentFont_ == value) return;
  parentFont_ = value;
  if (value && parent_) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  // Shares the parent's font; only a font that differs is news to this control.
  followingParent_ = true;
  font_.Follow(*parent_->Font());
  followingParent_ = false;
}

void TControl::ParentColorChanged() {
  if (!parentColor_ || !parent_) return;
  followingParent_ = true;
  SetColor(parent_->Color());
  followingParent_ = false;
}

void TControl::FontChanged(TObject*) {
  if (!followingParent_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::Invalidate() {
  IWindowHost* window = WindowHost();
  if (!window || !window->HasWindowPixels() || !VisibleInWindow()) return;
  window->InvalidateWindowRect(VisibleWindowRect());
}

void TControl::Update() {
  // A window that was never painted has nothing to bring up to date (its first paint
  // paints everything), and while a form is read a repaint only marks.
  IWindowHost* window = WindowHost();
  if (!window || !window->HasWindowPixels()) return;
  if (ComponentState().Contains(csLoading) || (Owner() && Owner()->ComponentState().Contains(csLoading))) return;
  window->UpdateWindow();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (!parent_) return;
  auto move = [this](auto& list) {
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) std::rotate(it, it + 1, list.end());
  };
  if (isWin_) move(parent_->Children().wins); else move(parent_->Children().graphics);
  Invalidate();
}

void TControl::SendToBack() {
  if (!parent_) return;
  auto move = [this](auto& list) {
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) std::rotate(list.begin(), it, it + 1);
  };
  if (isWin_) move(parent_->Children().wins); else move(parent_->Children().graphics);
  if (parent_) parent_->Invalidate();
}

IWindowHost* TControl::WindowHost() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return const_cast<TControl*>(c)->AsWindowHost();
}

TPoint TControl::WindowOrigin() const {
  if (!parent_) return TPoint{};
  TPoint p = parent_->WindowOrigin();
  TRect area = parent_->WindowClientArea();
  return Point(p.X + area.Left + left_, p.Y + area.Top + top_);
}

TRect TControl::VisibleWindowRect() const {
  TPoint o = WindowOrigin();
  TRect r = Bounds(o.X, o.Y, width_, height_);
  for (const TControl* p = parent_; p && !r.IsEmpty(); p = p->parent_) {
    TPoint po = p->WindowOrigin();
    r = IntersectRect(r, OffsetRect(p->WindowClientArea(), po.X, po.Y));
  }
  return r;
}

void TControl::PaintControl(TCanvas&) {}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, Integer x, Integer y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, Integer x, Integer y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parent_) {
    if (parentFont_) ParentFontChanged();
    if (parentColor_) ParentColorChanged();
  }
}

}  // namespace host

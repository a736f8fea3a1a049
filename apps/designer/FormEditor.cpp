// The editor's mouse: selecting, moving, resizing, the rubber band and placing, and
// the grab handles drawn above the controls.
#include "FormEditor.h"

#include <algorithm>

#include "host/graphics/Draw3D.h"

namespace designer {

using namespace host;

TFormEditor::TFormEditor(TDesignDocument& document) : document_(document) { FormReplaced(Form(), nullptr); }

TFormEditor::~TFormEditor() {
  if (TDesignedForm* form = Form()) {
    if (form->Designer() == this) form->SetDesigner(nullptr);
    if (TCustomForm* top = GetParentForm(form); top && top->Designer() == this) top->SetDesigner(nullptr);
  }
}

void TFormEditor::FormReplaced(TDesignedForm* now, TDesignedForm* old) {
  std::vector<std::string> names;
  for (TComponent* c : selection_) names.push_back(c == old ? std::string() : c->Name());
  selection_.clear();
  drag_ = TDrag::None;
  origins_.clear();
  band_ = TRect{};
  if (old && old->Designer() == this) old->SetDesigner(nullptr);
  if (!now) return;
  now->SetDesigner(this);
  // The same components stay selected where they still exist.
  for (const std::string& n : names)
    if (TComponent* c = n.empty() ? now : now->FindComponent(n)) selection_.push_back(c);
  if (selection_.empty()) selection_.push_back(now);
  SelectionChanged();
}

// ---- the designer interface

void TFormEditor::Modified() { Changed(); }

void TFormEditor::Changed() {
  document_.Snapshot();
  if (OnModified) OnModified();
}

void TFormEditor::Notification(TPersistent* component, TOperation operation) {
  if (operation != opRemove) return;
  if (OnRemoving) OnRemoving(component);
  const auto it = std::find(selection_.begin(), selection_.end(), component);
  if (it == selection_.end()) {
    std::erase_if(origins_, [&](const TOrigin& o) { return o.Control == component; });
    return;
  }
  selection_.erase(it);
  std::erase_if(origins_, [&](const TOrigin& o) { return o.Control == component; });
  if (selection_.empty() && Form() && component != Form()) selection_.push_back(Form());
  if (OnSelectionChanged) OnSelectionChanged();
}

void TFormEditor::SelectComponent(TPersistent* instance) {
  auto* c = dynamic_cast<TComponent*>(instance);
  Select(c ? c : Form());
}

std::vector<TPersistent*> TFormEditor::GetSelections() const {
  return std::vector<TPersistent*>(selection_.begin(), selection_.end());
}

// ---- selection

bool TFormEditor::IsSelected(const TComponent* c) const {
  return std::find(selection_.begin(), selection_.end(), c) != selection_.end();
}

void TFormEditor::Select(TComponent* component, bool add) {
  if (!component) component = Form();
  InvalidateSelection();
  if (!add || component == Form()) {
    selection_.assign(1, component);
  } else {
    std::erase(selection_, static_cast<TComponent*>(Form()));
    if (IsSelected(component)) std::erase(selection_, component);
    else selection_.push_back(component);
    if (selection_.empty()) selection_.push_back(Form());
  }
  SelectionChanged();
}

void TFormEditor::SelectOnly(const std::vector<TComponent*>& components) {
  InvalidateSelection();
  selection_ = components;
  if (selection_.empty()) selection_.push_back(Form());
  SelectionChanged();
}

void TFormEditor::SelectionChanged() {
  InvalidateSelection();
  if (OnSelectionChanged) OnSelectionChanged();
}

std::vector<TControl*> TFormEditor::SelectedControls() const {
  std::vector<TControl*> list;
  for (TComponent* c : selection_)
    if (auto* control = dynamic_cast<TControl*>(c); control && control != Form()) list.push_back(control);
  return list;
}

void TFormEditor::SetPlacingClass(const TClassInfo* cls) {
  const bool ended = placing_ && !cls;
  placing_ = cls;
  if (ended && OnPlacingEnded) OnPlacingEnded();
}

void TFormEditor::SetGridEnabled(bool value) {
  if (grid_ == value) return;
  grid_ = value;
  if (Form()) InvalidateWindow(WindowRectOf(*Form()));
}

Integer TFormEditor::Snap(Integer v) const {
  if (!grid_) return v;
  const Integer down = v >= 0 ? v / kGrid * kGrid : -((-v + kGrid - 1) / kGrid * kGrid);
  return v - down >= kGrid / 2 ? down + kGrid : down;
}

// ---- geometry and painting

TRect TFormEditor::WindowRectOf(const TControl& control) {
  const TPoint o = control.WindowOrigin();
  return Bounds(o.X, o.Y, control.Width(), control.Height());
}

std::vector<TRect> TFormEditor::HandleRects(const TRect& r) {
  const Integer h = kHandle, l = r.Left - h / 2, t = r.Top - h / 2, rr = r.Right - h / 2, b = r.Bottom - h / 2;
  const Integer cx = (r.Left + r.Right) / 2 - h / 2, cy = (r.Top + r.Bottom) / 2 - h / 2;
  return {Bounds(l, t, h, h),  Bounds(cx, t, h, h), Bounds(rr, t, h, h), Bounds(rr, cy, h, h),
          Bounds(rr, b, h, h), Bounds(cx, b, h, h), Bounds(l, b, h, h),  Bounds(l, cy, h, h)};
}

void TFormEditor::InvalidateWindow(const TRect& windowRect) const {
  if (!Form()) return;
  if (IWindowHost* host = Form()->WindowHost()) host->InvalidateWindowRect(windowRect);
}

void TFormEditor::InvalidateSelection() const {
  for (TComponent* c : selection_)
    if (auto* control = dynamic_cast<TControl*>(c)) {
      // Only the rings where the handles lie: the control's face has not changed.
      const TRect r = WindowRectOf(*control);
      const Integer m = kHandle;
      InvalidateWindow(Rect(r.Left - m, r.Top - m, r.Right + m, r.Top + m));
      InvalidateWindow(Rect(r.Left - m, r.Bottom - m, r.Right + m, r.Bottom + m));
      InvalidateWindow(Rect(r.Left - m, r.Top - m, r.Left + m, r.Bottom + m));
      InvalidateWindow(Rect(r.Right - m, r.Top - m, r.Right + m, r.Bottom + m));
    }
}

void TFormEditor::SetBand(const TRect& band) {
  auto frame = [&](const TRect& r) {
    if (r.IsEmpty()) return;
    InvalidateWindow(Rect(r.Left, r.Top, r.Right, r.Top + 1));
    InvalidateWindow(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
    InvalidateWindow(Rect(r.Left, r.Top, r.Left + 1, r.Bottom));
    InvalidateWindow(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
  };
  frame(band_);
  band_ = band;
  frame(band_);
}

void TFormEditor::PaintGrid(TCanvas& canvas, const TWinControl& container) const {
  const TRect clip = canvas.ClipRect();
  const TPoint o = container.WindowOrigin();
  const TRect a = container.WindowClientArea();
  const TRect client = IntersectRect(clip, Bounds(o.X + a.Left, o.Y + a.Top, a.Width(), a.Height()));
  if (client.IsEmpty()) return;
  std::vector<TRect> covered;
  for (Integer i = 0; i < container.ControlCount(); ++i) {
    const TControl* c = container.Controls(i);
    if (!c->Visible()) continue;
    const TRect r = IntersectRect(client, OffsetRect(c->BoundsRect(), o.X + a.Left, o.Y + a.Top));
    if (!r.IsEmpty()) covered.push_back(r);
  }
  // Dots on the container's own background only: not on its children, nor where
  // something else lies above it.
  const TColor face = container.Color();
  const Integer x0 = o.X + a.Left, y0 = o.Y + a.Top;
  for (Integer y = y0 + (client.Top - y0 + kGrid - 1) / kGrid * kGrid; y < client.Bottom; y += kGrid)
    for (Integer x = x0 + (client.Left - x0 + kGrid - 1) / kGrid * kGrid; x < client.Right; x += kGrid) {
      const TPoint p = Point(x, y);
      if (std::any_of(covered.begin(), covered.end(), [&](const TRect& r) { return r.Contains(p); })) continue;
      if (ColorToRGB(canvas.PixelColor(x, y)) != ColorToRGB(face)) continue;
      canvas.Pixel(x, y, clBlack);
    }
  for (Integer i = 0; i < container.ControlCount(); ++i) {
    const TControl* c = container.Controls(i);
    if (c->Visible() && c->IsWinControl() && c->ControlStyle().Contains(csAcceptsControls) &&
        c->ComponentState().Contains(csDesigning))
      PaintGrid(canvas, static_cast<const TWinControl&>(*c));
  }
}

void TFormEditor::PaintOverlay(TCanvas& canvas) {
  if (grid_ && Form() && Form()->Showing()) PaintGrid(canvas, *Form());
  const bool single = selection_.size() == 1;
  const TRect clip = canvas.ClipRect();
  for (TComponent* c : selection_) {
    auto* control = dynamic_cast<TControl*>(c);
    if (!control || !control->Showing()) continue;
    const TRect r = WindowRectOf(*control);
    if (IntersectRect(InflateRect(r, kHandle, kHandle), clip).IsEmpty()) continue;
    for (const TRect& h : HandleRects(r)) {
      if (IntersectRect(h, clip).IsEmpty()) continue;
      canvas.Brush().SetColor(single ? TColor(0xD77800) : clGray);  // a strong blue, or grey for several
      canvas.FillRect(h);
      canvas.Brush().SetColor(clWhite);
      canvas.FrameRect(h);
    }
  }
  if (!band_.IsEmpty()) canvas.DrawFocusRect(band_);
}

// ---- mouse

TPoint TFormEditor::WindowPos(TControl* sender, const TMessage& m) const {
  const TPoint o = sender->WindowOrigin();
  const TRect a = sender->WindowClientArea();
  return Point(o.X + a.Left + LParamX(m.LParam), o.Y + a.Top + LParamY(m.LParam));
}

TWinControl* TFormEditor::ContainerAt(TControl* sender) const {
  for (TControl* c = sender; c; c = c->Parent()) {
    if (c == Form()) return Form();
    if (c->IsWinControl() && c->ControlStyle().Contains(csAcceptsControls) &&
        c->ComponentState().Contains(csDesigning))
      return static_cast<TWinControl*>(c);
  }
  return Form();
}

bool TFormEditor::IsDesignMsg(TControl* sender, TMessage& m) {
  if (!Form() || (sender != Form() && !Form()->ContainsControl(sender))) return false;
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The control may take the click itself (a tab of the wizard, say).
      controlHasMouse_ = sender->Perform(CM_DESIGNHITTEST, m.WParam, m.LParam) != 0;
      if (controlHasMouse_) return false;
      if (keyTarget_ && keyTarget_->CanFocus()) keyTarget_->SetFocus();
      const TShiftState shift = KeysToShiftState(m.WParam);
      if (m.Msg == WM_LBUTTONDBLCLK && !placing_ && sender != Form()) {
        Select(sender);
        EditComponent(sender);
        return true;
      }
      MouseDown(sender, WindowPos(sender, m), shift);
      return true;
    }
    case WM_MOUSEMOVE:
      if (controlHasMouse_) return false;
      if (drag_ != TDrag::None) MouseMove(WindowPos(sender, m));
      return true;
    case WM_LBUTTONUP:
      if (controlHasMouse_) {
        controlHasMouse_ = false;
        return false;
      }
      MouseUp(WindowPos(sender, m));
      return true;
    case WM_RBUTTONDOWN:
      if (!IsSelected(sender)) Select(sender);
      return true;
    case WM_RBUTTONUP:
      if (OnContextMenu) OnContextMenu(WindowPos(sender, m));
      return true;
    default: return true;
  }
}

bool TFormEditor::MouseDown(TControl* sender, TPoint p, TShiftState shift) {
  dragStart_ = p;
  dragMoved_ = false;
  origins_.clear();
  if (placing_) {
    drag_ = TDrag::Place;
    dragContainer_ = ContainerAt(sender);
    return true;
  }
  // A handle of the one selected control (or of the form) resizes it.
  if (selection_.size() == 1)
    if (auto* control = dynamic_cast<TControl*>(selection_.front())) {
      const std::vector<TRect> handles = HandleRects(WindowRectOf(*control));
      for (int i = 0; i < 8; ++i)
        if (handles[static_cast<size_t>(i)].Contains(p)) {
          drag_ = TDrag::Resize;
          handle_ = i;
          origins_.push_back({control, control->BoundsRect()});
          return true;
        }
    }
  if (sender == Form()) {
    // The form's background: a rubber band over its controls.
    if (!shift.Contains(ssShift)) Select(Form());
    drag_ = TDrag::Band;
    dragContainer_ = Form();
    return true;
  }
  if (shift.Contains(ssShift)) {
    Select(sender, true);
    drag_ = TDrag::None;
    return true;
  }
  if (!IsSelected(sender)) Select(sender);
  drag_ = TDrag::Move;
  for (TControl* c : SelectedControls()) origins_.push_back({c, c->BoundsRect()});
  return true;
}

void TFormEditor::MouseMove(TPoint p) {
  const Integer dx = p.X - dragStart_.X, dy = p.Y - dragStart_.Y;
  if (!dragMoved_ && std::abs(dx) < 2 && std::abs(dy) < 2) return;  // a click, not yet a drag
  dragMoved_ = true;
  switch (drag_) {
    case TDrag::Move: {
      if (origins_.empty()) return;
      // The first control snaps to the grid; the others keep their distance to it.
      const TRect& lead = origins_.front().Bounds;
      const Integer mx = Snap(lead.Left + dx) - lead.Left, my = Snap(lead.Top + dy) - lead.Top;
      InvalidateSelection();
      for (const TOrigin& o : origins_)
        if (o.Control->Left() != o.Bounds.Left + mx || o.Control->Top() != o.Bounds.Top + my)
          o.Control->SetBounds(o.Bounds.Left + mx, o.Bounds.Top + my, o.Bounds.Width(), o.Bounds.Height());
      InvalidateSelection();
      break;
    }
    case TDrag::Resize: {
      const TOrigin& o = origins_.front();
      TRect r = o.Bounds;
      const bool left = handle_ == 0 || handle_ == 6 || handle_ == 7, right = handle_ >= 2 && handle_ <= 4;
      const bool top = handle_ <= 2, bottom = handle_ >= 4 && handle_ <= 6;
      if (left) r.Left = std::min(Snap(r.Left + dx), r.Right - 1);
      if (right) r.Right = std::max(Snap(r.Right + dx), r.Left + 1);
      if (top) r.Top = std::min(Snap(r.Top + dy), r.Bottom - 1);
      if (bottom) r.Bottom = std::max(Snap(r.Bottom + dy), r.Top + 1);
      if (r != o.Control->BoundsRect()) {
        InvalidateSelection();
        o.Control->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        InvalidateSelection();
      }
      break;
    }
    case TDrag::Band:
    case TDrag::Place:
      SetBand(Rect(std::min(dragStart_.X, p.X), std::min(dragStart_.Y, p.Y), std::max(dragStart_.X, p.X) + 1,
                   std::max(dragStart_.Y, p.Y) + 1));
      break;
    case TDrag::None: return;
  }
  if ((drag_ == TDrag::Move || drag_ == TDrag::Resize) && OnDragStep) OnDragStep();
}

void TFormEditor::MouseUp(TPoint p) {
  const TDrag drag = drag_;
  drag_ = TDrag::None;
  if (drag == TDrag::Place) {
    dragStart_ = dragMoved_ ? dragStart_ : p;
    FinishPlace();
  } else if (drag == TDrag::Band) {
    FinishBand();
  } else if ((drag == TDrag::Move || drag == TDrag::Resize) && dragMoved_) {
    bool changed = false;
    for (const TOrigin& o : origins_) changed = changed || o.Control->BoundsRect() != o.Bounds;
    if (changed) Changed();
  }
  origins_.clear();
  SetBand(TRect{});
}

void TFormEditor::FinishPlace() {
  const TClassInfo* cls = placing_;
  TWinControl* container = dragContainer_;
  if (!cls || !container) return;
  // The dragged rectangle, or the default size at the point of a click.
  const TPoint o = container->WindowOrigin();
  const TRect a = container->WindowClientArea();
  const TRect inner = band_.IsEmpty() ? TRect{} : Rect(band_.Left, band_.Top, band_.Right - 1, band_.Bottom - 1);
  TRect r;
  if (!inner.IsEmpty() && inner.Width() >= 4 && inner.Height() >= 4) {
    r = Rect(Snap(inner.Left - o.X - a.Left), Snap(inner.Top - o.Y - a.Top), Snap(inner.Right - o.X - a.Left),
             Snap(inner.Bottom - o.Y - a.Top));
    if (r.Width() <= 0) r.Right = r.Left + kGrid;
    if (r.Height() <= 0) r.Bottom = r.Top + kGrid;
  } else {
    const Integer x = Snap(dragStart_.X - o.X - a.Left), y = Snap(dragStart_.Y - o.Y - a.Top);
    r = Bounds(x, y, kDefaultWidth, kDefaultHeight);
  }
  SetBand(TRect{});
  try {
    Place(*cls, container, r);
  } catch (const Exception& e) {
    if (OnError) OnError(e.Message());
  }
  SetPlacingClass(nullptr);
}

void TFormEditor::FinishBand() {
  if (band_.IsEmpty() || !dragMoved_) return;
  // Every control of the form's surface that the band touches.
  std::vector<TComponent*> hit;
  TWinControl* container = dragContainer_ ? dragContainer_ : Form();
  for (Integer i = 0; i < container->ControlCount(); ++i) {
    TControl* c = container->Controls(i);
    if (c->Owner() != Form() || !c->Visible()) continue;
    if (!IntersectRect(WindowRectOf(*c), band_).IsEmpty()) hit.push_back(c);
  }
  if (!hit.empty()) SelectOnly(hit);
}

TComponent* TFormEditor::Place(const TClassInfo& cls, TWinControl* container, const TRect& bounds) {
  TComponent* component = cls.Create(Form());
  try {
    component->SetName(UniqueName(cls.Name()));
    if (auto* control = dynamic_cast<TControl*>(component)) {
      control->SetParent(container ? container : Form());
      control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    }
  } catch (...) {
    delete component;
    throw;
  }
  Select(component);
  Changed();
  return component;
}

std::string TFormEditor::UniqueName(const std::string& className) const {
  std::string base = className.size() > 1 && (className[0] == 'T' || className[0] == 't') ? className.substr(1) : className;
  if (base.empty()) base = "Component";
  for (Integer n = 1;; ++n) {
    const std::string name = base + std::to_string(n);
    if (!Form() || (!Form()->FindComponent(name) && !SameText(Form()->Name(), name))) return name;
  }
}

}  // namespace designer

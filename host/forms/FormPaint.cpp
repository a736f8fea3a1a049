// Painting a form: the window's pixels, the invalid area, and the walk over the
// controls (each parent first, then its graphic children, then its windowed ones).
#include "host/forms/Backend.h"
#include "host/forms/Forms.h"

namespace host {

TBitmap& TCustomForm::WindowBitmap() {
  if (Parent()) return GetParentForm(this)->WindowBitmap();
  const Integer w = std::max<Integer>(width_, 1), h = std::max<Integer>(height_, 1);
  if (!window_) {
    window_ = std::make_unique<TBitmap>(w, h);
    painter_ = std::make_unique<TCanvas>(window_.get());
    invalid_.assign(1, Rect(0, 0, w, h));
  } else if (window_->Width() != w || window_->Height() != h) {
    window_->SetSize(w, h);
    painter_->SetTarget(window_.get());
    invalid_.assign(1, Rect(0, 0, w, h));
  }
  return *window_;
}

namespace {

// Up to this many separate rectangles are kept; beyond, their bounds stand for them.
constexpr size_t kMaxInvalidRects = 16;

bool Overlap(const TRect& a, const TRect& b) { return !IntersectRect(a, b).IsEmpty(); }

}  // namespace

void TCustomForm::InvalidateWindowRect(const TRect& windowRect) {
  if (!window_) return;  // the first paint paints everything anyway
  TRect r = IntersectRect(windowRect, Rect(0, 0, window_->Width(), window_->Height()));
  if (r.IsEmpty()) return;
  // Rectangles that overlap are merged into their bounds, which may then overlap others.
  for (size_t i = 0; i < invalid_.size();) {
    if (Overlap(invalid_[i], r)) {
      r = UnionRect(invalid_[i], r);
      invalid_.erase(invalid_.begin() + static_cast<std::ptrdiff_t>(i));
      i = 0;
    } else {
      ++i;
    }
  }
  invalid_.push_back(r);
  if (invalid_.size() > kMaxInvalidRects) invalid_.assign(1, InvalidRect());
}

TRect TCustomForm::InvalidRect() const {
  TRect bounds;
  for (const TRect& r : invalid_) bounds = bounds.IsEmpty() ? r : UnionRect(bounds, r);
  return bounds;
}

void TCustomForm::UpdateWindow() {
  if (Parent()) {
    if (TCustomForm* top = GetParentForm(this)) top->UpdateWindow();
    return;
  }
  WindowBitmap();
  const std::vector<TRect> region = std::move(invalid_);
  invalid_.clear();
  for (const TRect& r : region) {
    PaintWindow(r);
    if (Application) Application->Backend().FormPainted(*this, r);
  }
}

void TCustomForm::PaintWindow(const TRect& windowRect) {
  if (Parent()) {
    GetParentForm(this)->PaintWindow(windowRect);
    return;
  }
  WindowBitmap();
  TRect r = IntersectRect(windowRect, Rect(0, 0, window_->Width(), window_->Height()));
  if (r.IsEmpty()) return;
  if (borderStyle_ != bsNone) {
    painter_->SetOrigin(TPoint{});
    painter_->SetClipRect(r);
    PaintFrame(*painter_);
  }
  PaintTree(this, r);
  if (designer_) {
    painter_->SetOrigin(TPoint{});
    painter_->SetClipRect(r);
    designer_->PaintOverlay(*painter_);
  }
}

namespace {

void ResetCanvas(TCanvas& c, const TControl& control, TPoint origin, const TRect& clip) {
  c.SetOrigin(origin);
  c.SetClipRect(clip);
  TPen& pen = c.Pen();
  if (pen.Color() != clBlack) pen.SetColor(clBlack);
  if (pen.Style() != psSolid) pen.SetStyle(psSolid);
  if (pen.Width() != 1) pen.SetWidth(1);
  TBrush& brush = c.Brush();
  if (brush.Style() != bsSolid) brush.SetStyle(bsSolid);
  brush.SetColor(control.Color());
  c.Font().Assign(control.Font());
}

}  // namespace

void TCustomForm::PaintTree(TWinControl* control, const TRect& clip) {
  const TPoint o = control->WindowOrigin();
  const TRect area = control->WindowClientArea();
  if (control != this) {
    if (auto* form = dynamic_cast<TCustomForm*>(control); form && form->borderStyle_ != bsNone) {
      painter_->SetOrigin(o);
      painter_->SetClipRect(clip);
      form->PaintFrame(*painter_);
    }
  }
  const TPoint co = Point(o.X + area.Left, o.Y + area.Top);
  const TRect client = IntersectRect(clip, Bounds(co.X, co.Y, area.Width(), area.Height()));
  if (client.IsEmpty()) return;
  // The topmost windowed child that paints every pixel of the clip by itself hides the
  // parent, its graphic children and the windowed children below: painting starts there.
  const auto& wins = control->WinChildren();
  size_t first = wins.size();
  for (size_t i = wins.size(); i-- > 0;) {
    const TWinControl* w = wins[i];
    if (!w->visible_ || !w->PaintFillsClient()) continue;
    const TRect a = w->WindowClientArea();
    const TRect face = Bounds(co.X + w->left_ + a.Left, co.Y + w->top_ + a.Top, a.Width(), a.Height());
    if (IntersectRect(face, client) == client) {
      first = i;
      break;
    }
  }
  if (first == wins.size()) {
    first = 0;
    // What the windowed children will paint over opaquely is not filled beneath them.
    covered_.clear();
    CollectCovered(control, co, client, 0, 0, covered_);
    const size_t windowed = covered_.size();
    AddOpaqueGraphics(control, co, client, covered_);
    painter_->SetCoveredRects(covered_.empty() ? nullptr : &covered_);
    ResetCanvas(*painter_, *control, co, client);
    control->PaintControl(*painter_);
    // Graphic controls paint in z-order, so one may not skip its fill under another:
    // only what windowed children cover stays left out for them.
    covered_.resize(windowed);
    if (windowed == 0) painter_->SetCoveredRects(nullptr);
    for (TControl* g : control->GraphicChildren()) {
      if (!g->visible_) continue;
      const TPoint go = Point(co.X + g->left_, co.Y + g->top_);
      const TRect r = IntersectRect(client, Bounds(go.X, go.Y, g->width_, g->height_));
      if (r.IsEmpty()) continue;
      ResetCanvas(*painter_, *g, go, r);
      g->PaintControl(*painter_);
    }
    painter_->SetCoveredRects(nullptr);
  }
  for (size_t i = first; i < wins.size(); ++i) {
    TWinControl* w = wins[i];
    if (!w->visible_) continue;
    const TRect r = IntersectRect(client, Bounds(co.X + w->left_, co.Y + w->top_, w->width_, w->height_));
    if (!r.IsEmpty()) PaintTree(w, r);
  }
}

// The client faces, within clip, of the windowed children from index `from` on that fill
// their client area by themselves (csOpaque erases it with the control's colour), and
// of such grandchildren (windowed or graphic) inside children that do not, which the
// paint in progress draws after control's own pass. Two levels down is where the gain ends.
void TCustomForm::CollectCovered(const TWinControl* control, TPoint clientOrigin, const TRect& clip, size_t from,
                                 int depth, std::vector<TRect>& out) {
  const auto& wins = control->WinChildren();
  for (size_t i = from; i < wins.size(); ++i) {
    const TWinControl* w = wins[i];
    if (!w->visible_) continue;
    const TRect a = w->WindowClientArea();
    const TPoint o = Point(clientOrigin.X + w->left_ + a.Left, clientOrigin.Y + w->top_ + a.Top);
    const TRect face = IntersectRect(clip, Bounds(o.X, o.Y, a.Width(), a.Height()));
    if (face.IsEmpty()) continue;
    if (w->controlStyle_.Contains(csOpaque) || w->PaintFillsClient()) {
      out.push_back(face);
    } else if (depth < 1) {
      CollectCovered(w, o, face, 0, depth + 1, out);
      AddOpaqueGraphics(w, o, face, out);
    }
  }
}

// The areas, within clip, of control's graphic children that fill all of their area.
void TCustomForm::AddOpaqueGraphics(const TWinControl* control, TPoint clientOrigin, const TRect& clip,
                                    std::vector<TRect>& out) {
  for (const TControl* g : control->GraphicChildren()) {
    if (!g->visible_ || !g->controlStyle_.Contains(csOpaque)) continue;
    const TRect r = IntersectRect(clip, Bounds(clientOrigin.X + g->left_, clientOrigin.Y + g->top_, g->width_, g->height_));
    if (!r.IsEmpty()) out.push_back(r);
  }
}

void TCustomForm::PaintTo(TBitmap& dest) {
  HandleNeeded();
  TCustomForm* top = Parent() ? GetParentForm(this) : this;
  if (!top) {
    // A form inside a control that is not on a form: nothing draws it.
    dest.SetSize(width_, height_);
    return;
  }
  top->WindowBitmap();
  top->invalid_.clear();
  top->PaintWindow(Rect(0, 0, top->width_, top->height_));
  if (top == this) {
    dest.Assign(window_.get());
    return;
  }
  const TPoint o = WindowOrigin();
  dest.SetSize(width_, height_);
  dest.Canvas().DrawPart(0, 0, *top->window_, Bounds(o.X, o.Y, width_, height_));
}

void TCustomForm::SaveToPng(const std::string& fileName) {
  TBitmap picture;
  PaintTo(picture);
  picture.SaveToFile(fileName);
}

}  // namespace host

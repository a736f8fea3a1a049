// Canvases of controls, and the two control classes that paint through one.
#include "host/core/ClassBuilder.h"
#include "host/controls/Controls.h"

namespace host {

HOST_PUBLISHED(TControlCanvas) {}
HOST_PUBLISHED(TCustomControl) {}
HOST_PUBLISHED(TGraphicControl) {}

void TControlCanvas::Prepare() {
  if (painting_) return;
  SetCoveredRects(nullptr);
  IWindowHost* form = control_->WindowHost();
  // A window without pixels yet is painted whole when first shown; measuring text
  // needs none.
  const bool shows = form && form->HasWindowPixels() && control_->VisibleInWindow();
  TRect visible = shows ? control_->VisibleWindowRect() : TRect{};
  if (visible.IsEmpty()) {
    // Nothing of the control shows: draw into a scratch pixel nobody looks at.
    static TBitmap scratch(1, 1);
    SetTarget(&scratch);
    SetOrigin(Point(-100000, -100000));
    SetClipRect(Rect(0, 0, 1, 1));
    return;
  }
  SetTarget(&form->WindowBitmap());
  TPoint o = control_->WindowOrigin();
  TRect area = control_->WindowClientArea();
  SetOrigin(Point(o.X + area.Left, o.Y + area.Top));
  SetClipRect(visible);
}

void TControlCanvas::BeginPaint(const TCanvas& painter) {
  SetTarget(painter.Target());
  SetOrigin(painter.Origin());
  SetCoveredRects(painter.CoveredRects());
  TRect clip = painter.ClipRect();
  SetClipRect(OffsetRect(clip, painter.Origin().X, painter.Origin().Y));
  Pen().SetColor(clBlack);
  Pen().SetStyle(psSolid);
  Pen().SetWidth(1);
  Brush().SetStyle(bsSolid);
  Brush().SetColor(control_->Color());
  Font().Assign(control_->Font());
  painting_ = true;
}

namespace {

// Most controls are never painted through their own canvas outside a paint of their
// form, and many never at all: the canvas is made when first asked for.
TControlCanvas& CanvasOf(std::unique_ptr<TControlCanvas>& canvas, TControl* control) {
  if (!canvas) canvas = std::make_unique<TControlCanvas>(control);
  return *canvas;
}

}  // namespace

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}
TCustomControl::~TCustomControl() = default;

TCanvas& TCustomControl::Canvas() {
  TControlCanvas& canvas = CanvasOf(canvas_, this);
  canvas.Prepare();
  return canvas;
}

void TCustomControl::PaintControl(TCanvas& canvas) {
  if (!PaintFillsClient()) TWinControl::PaintControl(canvas);  // no erase under a full paint
  CanvasOf(canvas_, this).PaintWith(canvas, [this] { Paint(); });
}

void TCustomControl::Paint() {}

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {
  controlStyle_.Exclude(csOpaque);
}
TGraphicControl::~TGraphicControl() = default;

TCanvas& TGraphicControl::Canvas() {
  TControlCanvas& canvas = CanvasOf(canvas_, this);
  canvas.Prepare();
  return canvas;
}

void TGraphicControl::PaintControl(TCanvas& canvas) {
  CanvasOf(canvas_, this).PaintWith(canvas, [this] { Paint(); });
}

void TGraphicControl::Paint() {}

}  // namespace host

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

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>(this)) {}
TCustomControl::~TCustomControl() = default;

TCanvas& TCustomControl::Canvas() {
  canvas_->Prepare();
  return *canvas_;
}

void TCustomControl::PaintControl(TCanvas& canvas) {
  if (!PaintFillsClient()) TWinControl::PaintControl(canvas);  // no erase under a full paint
  canvas_->PaintWith(canvas, [this] { Paint(); });
}

void TCustomControl::Paint() {}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TControlCanvas>(this)) {
  controlStyle_.Exclude(csOpaque);
}
TGraphicControl::~TGraphicControl() = default;

TCanvas& TGraphicControl::Canvas() {
  canvas_->Prepare();
  return *canvas_;
}

void TGraphicControl::PaintControl(TCanvas& canvas) {
  canvas_->PaintWith(canvas, [this] { Paint(); });
}

void TGraphicControl::Paint() {}

}  // namespace host

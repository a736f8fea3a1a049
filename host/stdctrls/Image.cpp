// TImage and its TPicture.
#include "host/core/ClassBuilder.h"
#include "host/stdctrls/ExtCtrls.h"
#include "host/streaming/Filer.h"

namespace host {

HOST_PUBLISHED(TPicture) {}

HOST_PUBLISHED(TImage) {
  P.Property("Align", &TImage::Align, &TImage::SetAlign).SetDefault(alNone);
  P.Property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).SetDefault(false);
  P.Property("Center", &TImage::Center, &TImage::SetCenter).SetDefault(false);
  P.Property("Picture", &TImage::Picture, &TImage::SetPicture);
  P.Property("Stretch", &TImage::Stretch, &TImage::SetStretch).SetDefault(false);
  P.Property("Transparent", &TImage::Transparent, &TImage::SetTransparent).SetDefault(false);
  P.Property("Visible", &TImage::Visible, &TImage::SetVisible).SetDefault(true);
  P.Property("OnClick", &TImage::OnClick);
  P.Property("OnMouseDown", &TImage::OnMouseDown);
  P.Property("OnMouseUp", &TImage::OnMouseUp);
}

TPicture::TPicture() : bitmap_(std::make_unique<TBitmap>()) {
  bitmap_->OnChange = TEvent<void(TObject*)>(this, &TPicture::BitmapChanged);
}

TPicture::~TPicture() = default;

void TPicture::BitmapChanged(TObject*) {
  if (OnChange) OnChange(this);
}

void TPicture::Assign(const TPersistent* source) {
  if (!source) bitmap_->Assign(nullptr);
  else if (auto* p = dynamic_cast<const TPicture*>(source)) bitmap_->Assign(p->bitmap_.get());
  else if (auto* b = dynamic_cast<const TBitmap*>(source)) bitmap_->Assign(b);
  else TPersistent::Assign(source);
}

void TPicture::DefineProperties(TFiler& filer) { bitmap_->DefineProperties(filer); }

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  width_ = 105;
  height_ = 105;
}

TPicture* TImage::Picture() const {
  if (!picture_) {
    picture_ = std::make_unique<TPicture>();
    auto* self = const_cast<TImage*>(this);  // the picture is part of the image's state
    picture_->OnChange = TEvent<void(TObject*)>(self, &TImage::PictureChanged);
  }
  return picture_.get();
}

TImage::~TImage() = default;

void TImage::PictureChanged(TObject*) {
  if (autoSize_ && picture_ && picture_->Width() > 0 && picture_->Height() > 0) SetBounds(left_, top_, picture_->Width(), picture_->Height());
  Invalidate();
}

void TImage::SetCenter(bool value) { center_ = value; Invalidate(); }
void TImage::SetStretch(bool value) { stretch_ = value; Invalidate(); }
void TImage::SetTransparent(bool value) { transparent_ = value; Invalidate(); }
void TImage::SetAutoSize(bool value) {
  autoSize_ = value;
  PictureChanged(nullptr);
}

void TImage::Paint() {
  TCanvas& c = Canvas();
  const TBitmap* picture = picture_ ? picture_->Bitmap() : nullptr;
  if (ComponentState().Contains(csDesigning)) {
    // A dashed frame shows where the image is while it is designed.
    c.Pen().SetStyle(psDash);
    c.Brush().SetStyle(bsClear);
    c.Rectangle(0, 0, width_, height_);
    c.Brush().SetStyle(bsSolid);
    c.Pen().SetStyle(psSolid);
  }
  if (!picture || picture->Empty()) return;
  const TBitmap& b = *picture;
  if (stretch_) {
    c.StretchDraw(Rect(0, 0, width_, height_), b);
    return;
  }
  const Integer x = center_ ? (width_ - b.Width()) / 2 : 0, y = center_ ? (height_ - b.Height()) / 2 : 0;
  c.DrawPart(x, y, b, Rect(0, 0, b.Width(), b.Height()), transparent_, b.TransparentPixel());
}

}  // namespace host

// Panels with bevels and images.
#pragma once

#include <memory>

#include "host/controls/Controls.h"
#include "host/forms/Forms.h"
#include "host/stdctrls/StdCtrls.h"

namespace host {

HOST_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)

class TPanel : public TCustomControl {
  HOST_CLASS(TPanel, TCustomControl)
  explicit TPanel(TComponent* owner);

  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  Integer BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(Integer value);
  Integer BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(Integer value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& rect) const override;

 private:
  void Changed();
  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  Integer bevelWidth_ = 1;
  Integer borderWidth_ = 0;
  TBorderStyle borderStyle_ = bsNone;
  TAlignment alignment_ = taCenter;
};

// The picture of a TImage; form files store it as Picture.Data (PNG bytes).
class TPicture : public TPersistent {
  HOST_CLASS(TPicture, TPersistent)
  TPicture();
  ~TPicture() override;
  TBitmap* Bitmap() const { return bitmap_.get(); }
  Integer Width() const { return bitmap_->Width(); }
  Integer Height() const { return bitmap_->Height(); }
  void Assign(const TPersistent* source) override;  // a TPicture or a TBitmap
  void LoadFromFile(const std::string& fileName) { bitmap_->LoadFromFile(fileName); }
  void DefineProperties(TFiler& filer) override;
  TNotifyEvent OnChange;

 private:
  void BitmapChanged(TObject*);
  std::unique_ptr<TBitmap> bitmap_;
};

class TImage : public TGraphicControl {
  HOST_CLASS(TImage, TGraphicControl)
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const;  // made when first asked for
  void SetPicture(TPicture* value) { Picture()->Assign(value); }
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

 protected:
  void Paint() override;

 private:
  void PictureChanged(TObject*);
  mutable std::unique_ptr<TPicture> picture_;
  bool center_ = false;
  bool stretch_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
};

}  // namespace host

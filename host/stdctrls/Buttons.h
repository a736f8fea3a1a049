// TBitBtn: a push button with a glyph beside its caption.
#pragma once

#include <memory>

#include "host/stdctrls/StdCtrls.h"

namespace host {

HOST_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)
HOST_ENUM(TButtonStyle, bsAutoDetect, bsWin31, bsNew)
using TNumGlyphs = std::uint8_t;  // 1 to 4 images side by side: up, disabled, clicked, down

class TBitBtn : public TButton {
  HOST_CLASS(TBitBtn, TButton)
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  TBitmap* Glyph() const;  // made when first asked for
  // Copies the bitmap. A strip of 1 to 4 square images sets NumGlyphs to their count.
  void SetGlyph(TBitmap* value);
  TNumGlyphs NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(TNumGlyphs value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  TButtonStyle Style() const { return style_; }
  void SetStyle(TButtonStyle value);
  // Pixels between the edge and the glyph (-1: the glyph and caption are centred).
  Integer Margin() const { return margin_; }
  void SetMargin(Integer value);
  Integer Spacing() const { return spacing_; }
  void SetSpacing(Integer value);

  // Where the glyph and the caption go inside the content rectangle.
  void CalcLayout(TCanvas& canvas, const TRect& content, TPoint& glyphPos, TPoint& textPos) const;

 protected:
  void PaintContent(TCanvas& canvas, const TRect& content, bool down) override;

 private:
  void GlyphChanged(TObject*);
  bool HasGlyph() const { return glyph_ && !glyph_->Empty(); }
  mutable std::unique_ptr<TBitmap> glyph_;
  TNumGlyphs numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  TButtonStyle style_ = bsAutoDetect;
  Integer margin_ = -1;
  Integer spacing_ = 4;
};

}  // namespace host

// Colours, pens, brushes, fonts, 32-bit bitmaps and the canvas that draws into them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/core/Persistent.h"
#include "host/core/Types.h"

namespace host {

// A colour: 0x00BBGGRR for plain colours; values with the high bit set
// (0x80000000 | index) name a system colour that maps to the classic palette.
using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;
constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clScrollBar = clSystemColor | 0, clBackground = clSystemColor | 1, clActiveCaption = clSystemColor | 2,
                 clInactiveCaption = clSystemColor | 3, clMenu = clSystemColor | 4, clWindow = clSystemColor | 5,
                 clWindowFrame = clSystemColor | 6, clMenuText = clSystemColor | 7, clWindowText = clSystemColor | 8,
                 clCaptionText = clSystemColor | 9, clActiveBorder = clSystemColor | 10,
                 clInactiveBorder = clSystemColor | 11, clAppWorkSpace = clSystemColor | 12,
                 clHighlight = clSystemColor | 13, clHighlightText = clSystemColor | 14, clBtnFace = clSystemColor | 15,
                 clBtnShadow = clSystemColor | 16, clGrayText = clSystemColor | 17, clBtnText = clSystemColor | 18,
                 clInactiveCaptionText = clSystemColor | 19, clBtnHighlight = clSystemColor | 20,
                 cl3DDkShadow = clSystemColor | 21, cl3DLight = clSystemColor | 22, clInfoText = clSystemColor | 23,
                 clInfoBk = clSystemColor | 24;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

// The RGB value of a colour (system colours resolved), as 0x00BBGGRR.
std::uint32_t ColorToRGB(TColor color);
// Pixel value in a TBitmap: 0xAARRGGBB with alpha 0xFF.
std::uint32_t ColorToPixel(TColor color);
// Symbolic names used in form files (clBtnFace, clRed, ...).
const TIdentMap& ColorIdents();
// The plain colour (0x00BBGGRR) of a bitmap pixel; the alpha byte is ignored.
TColor PixelToColor(std::uint32_t argb);

HOST_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)
HOST_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross)
HOST_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
HOST_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)

// Common base of pen, brush and font: tells its owner when it changes.
class TGraphicsObject : public TPersistent {
  HOST_CLASS(TGraphicsObject, TPersistent)
  TEvent<void(TObject*)> OnChange;
  // The object's owner (a control and its font) is told of each change after OnChange
  // through a plain function and pointer: no bound event per owned object.
  using TOwnerNotify = void (*)(void* owner, TObject* sender);
  void SetOwnerNotify(TOwnerNotify notify, void* owner) {
    ownerNotify_ = notify;
    owner_ = owner;
  }

 protected:
  void Changed();

 private:
  TOwnerNotify ownerNotify_ = nullptr;
  void* owner_ = nullptr;
};

class TPen : public TGraphicsObject {
  HOST_CLASS(TPen, TGraphicsObject)
  TColor Color() const { return color_; }
  void SetColor(TColor v);
  Integer Width() const { return width_; }
  void SetWidth(Integer v);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle v);
  void Assign(const TPersistent* source) override;

 private:
  TColor color_ = clBlack;
  Integer width_ = 1;
  TPenStyle style_ = psSolid;
};

class TBrush : public TGraphicsObject {
  HOST_CLASS(TBrush, TGraphicsObject)
  TColor Color() const { return color_; }
  // Giving a clear brush a colour makes it solid, as in the classic library.
  void SetColor(TColor v);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle v);
  void Assign(const TPersistent* source) override;

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

// Fonts share their attributes until one of them changes: copying a font (Assign, a
// control following its parent) shares the other's data, and a setter copies it first
// when others still use it.
class TFont : public TGraphicsObject {
  HOST_CLASS(TFont, TGraphicsObject)
  TFont();
  TColor Color() const { return data_->color; }
  void SetColor(TColor v);
  // Height in pixels: negative is the character height (em size), as the classic library stores it.
  Integer Height() const { return data_->height; }
  void SetHeight(Integer v);
  // Size in points at 96 pixels per inch.
  Integer Size() const;
  void SetSize(Integer points);
  const std::string& Name() const { return data_->name; }
  void SetName(const std::string& v);
  TFontStyles Style() const { return data_->style; }
  void SetStyle(TFontStyles v);
  TFontPitch Pitch() const { return data_->pitch; }
  void SetPitch(TFontPitch v);
  // Takes the source's attributes and tells the owner, as any change does.
  void Assign(const TPersistent* source) override;
  // Takes the source's attributes, telling the owner only when they differ from its own.
  void Follow(const TFont& source);
  // True while this font and other use the same data, neither changed since.
  bool SharesDataWith(const TFont& other) const { return data_ == other.data_; }
  // Pixel size of the em square the face is rendered at.
  Integer PixelSize() const;

 private:
  struct TData {
    TColor color = clWindowText;
    Integer height = -11;
    std::string name = "MS Sans Serif";
    TFontStyles style;
    TFontPitch pitch = fpDefault;
    bool operator==(const TData&) const = default;
  };
  // What every new font starts out sharing.
  static const std::shared_ptr<TData>& Defaults();
  // The data to change: this font's own, copied first when shared.
  TData& Own();
  std::shared_ptr<TData> data_;
};

class TCanvas;

// Vertical metrics of a font as laid out by the canvas, in pixels.
struct TTextMetrics {
  Integer Ascent = 0;              // baseline below the top of the text cell
  Integer Descent = 0;             // below the baseline; Ascent + Descent is the line height
  Integer Height = 0;
  Integer AveCharWidth = 0;        // advance of 'x'
  Integer UnderlinePosition = 0;   // first underline row, below the baseline
  Integer UnderlineThickness = 1;
};

// A picture of 32-bit pixels (0xAARRGGBB), top row first.
class TBitmap : public TPersistent {
  HOST_CLASS(TBitmap, TPersistent)
  TBitmap();
  TBitmap(Integer width, Integer height);
  ~TBitmap() override;

  Integer Width() const { return width_; }
  Integer Height() const { return height_; }
  void SetWidth(Integer w) { SetSize(w, height_); }
  void SetHeight(Integer h) { SetSize(width_, h); }
  // Resizes, keeping the overlapping pixels; new pixels are white.
  void SetSize(Integer width, Integer height);
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  std::uint32_t Pixel(Integer x, Integer y) const;       // 0 outside the picture
  void SetPixel(Integer x, Integer y, std::uint32_t argb);  // ignored outside the picture
  std::uint32_t* ScanLine(Integer y);
  const std::uint32_t* ScanLine(Integer y) const;
  const std::vector<std::uint32_t>& Pixels() const { return pixels_; }

  // The colour that counts as transparent when the bitmap is drawn as a glyph:
  // by default the colour of the bottom-left pixel.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { transparent_ = v; }
  std::uint32_t TransparentPixel() const;

  TCanvas& Canvas();
  void Assign(const TPersistent* source) override;  // copies the pixels; nullptr empties

  // Form files store the picture as the binary property Data holding PNG bytes.
  void DefineProperties(TFiler& filer) override;

  // Raised after the size or the whole picture changes (SetSize, Assign, loading);
  // drawing on the canvas does not raise it.
  TEvent<void(TObject*)> OnChange;

  // PNG files; bytes that are not a PNG raise EInvalidGraphic.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;
  void LoadFromPngBytes(const std::uint8_t* data, size_t size);
  std::vector<std::uint8_t> SaveToPngBytes() const;

 private:
  Integer width_ = 0;
  Integer height_ = 0;
  std::vector<std::uint32_t> pixels_;
  bool transparent_ = false;
  std::unique_ptr<TCanvas> canvas_;
};

// Draws into a bitmap. Coordinates are relative to Origin and clipped to ClipRect
// (both in bitmap pixels), so that a control can paint in its own coordinates.
class TCanvas : public TPersistent {
  HOST_CLASS(TCanvas, TPersistent)
  explicit TCanvas(TBitmap* target = nullptr);
  ~TCanvas() override;

  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TFont& Font() { return font_; }
  TBitmap* Target() const { return target_; }
  void SetTarget(TBitmap* target);

  TPoint Origin() const { return origin_; }
  void SetOrigin(TPoint p) { origin_ = p; }
  TRect ClipRect() const;  // in canvas coordinates
  // Clip rectangle in bitmap pixels; an empty rectangle resets to the whole bitmap.
  void SetClipRect(const TRect& bitmapRect);
  // Narrows the clip rectangle to its overlap with bitmapRect; unlike SetClipRect an
  // empty overlap clips everything, so a control that is not visible paints nothing.
  void IntersectClipRect(const TRect& bitmapRect);
  // The area drawing can reach, in bitmap pixels: the clip rectangle within the target
  // (empty without a target).
  TRect BitmapClipRect() const;
  // Rectangles (bitmap pixels) that the paint in progress covers opaquely later on:
  // FillRect leaves them out, as its pixels there would be painted over anyway. The
  // list is the caller's and must outlive its use; nullptr (the default) leaves none out.
  void SetCoveredRects(const std::vector<TRect>* rects) { covered_ = rects; }
  const std::vector<TRect>* CoveredRects() const { return covered_; }

  TPoint PenPos() const { return penPos_; }
  void MoveTo(Integer x, Integer y);
  // Draws from the pen position to (x, y), leaving out the end point. A pen wider than
  // one pixel is drawn solid and covers both ends.
  void LineTo(Integer x, Integer y);
  // Frame with the pen and fill with the brush, covering x1..x2-1, y1..y2-1; a wide
  // pen's frame grows inwards.
  void Rectangle(Integer x1, Integer y1, Integer x2, Integer y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void FillRect(const TRect& r);  // brush only
  void FrameRect(const TRect& r); // one-pixel frame in the brush colour
  void Polyline(const std::vector<TPoint>& points);  // the pen style's pattern runs on across corners
  void Polygon(const std::vector<TPoint>& points);  // filled with the brush, framed with the pen
  // Inscribed in x1..x2-1, y1..y2-1; the frame is drawn solid whatever the pen style.
  void Ellipse(Integer x1, Integer y1, Integer x2, Integer y2);
  void Pixel(Integer x, Integer y, TColor c);
  TColor PixelColor(Integer x, Integer y) const;  // clNone outside the clip rectangle

  // Text in the canvas font; the top-left of the text cell is at (x, y). The background
  // is filled with the brush unless the brush style is bsClear. Moves the pen position
  // to the end of the text.
  void TextOut(Integer x, Integer y, const std::string& text);
  // As TextOut, clipped to r (the brush fills r first unless bsClear).
  void TextRect(const TRect& r, Integer x, Integer y, const std::string& text);
  // Text is UTF-8; a byte that does not start a valid sequence counts as '?'. Characters
  // the font lacks are drawn from another installed font that has them, and pairs of
  // letters are kerned, so a text can be narrower than its parts measured apart. The
  // width is always the advance TextOut draws.
  Integer TextWidth(const std::string& text);
  Integer TextHeight(const std::string& text);
  TTextMetrics TextMetrics();
  // Dotted frame drawn by inverting every other pixel; drawing it twice restores the picture.
  void DrawFocusRect(const TRect& r);
  // Copies a bitmap with its top-left at (x, y), skipping its TransparentPixel colour
  // when it is Transparent. In all drawing of bitmaps, pixels with partial alpha are
  // blended and fully transparent ones skipped.
  void Draw(Integer x, Integer y, const TBitmap& bitmap);
  // Copies part of a bitmap; pixels of the colour `transparent` (alpha not compared) are
  // skipped when `useTransparent`.
  void DrawPart(Integer x, Integer y, const TBitmap& bitmap, const TRect& source, bool useTransparent = false,
                std::uint32_t transparent = 0);
  void StretchDraw(const TRect& dest, const TBitmap& bitmap);  // nearest pixel

 private:
  void PlotPen(Integer x, Integer y, std::uint32_t pixel, unsigned& dotPhase);
  TBitmap* target_ = nullptr;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TPoint origin_;
  TRect clip_;
  bool clipSet_ = false;
  bool clipEmpty_ = false;
  TPoint penPos_;
  const std::vector<TRect>* covered_ = nullptr;
};

// Captions with accelerator prefixes: "&File" shows "File" with the F underlined,
// "&&" shows a single '&'. The text is drawn as by TextOut.
void DrawAccelText(TCanvas& canvas, Integer x, Integer y, const std::string& caption);
Integer AccelTextWidth(TCanvas& canvas, const std::string& caption);
// The caption as displayed, without prefixes.
std::string StripAccelChars(const std::string& caption);
// The accelerator character of a caption (upper-cased if ASCII), or 0 when it has none.
char32_t AccelCharOf(const std::string& caption);

// Text normally uses FreeType faces found with fontconfig; with `useFaces` false every
// font is drawn with the small built-in bitmap font instead (as when no face is
// installed). ZELVANT_BUILTIN_FONT=1 in the environment starts with the built-in font.
void SetFontEngineForTests(bool useFaces);
bool FontEngineUsesFaces();

// Bitmap resources by name, compiled into the library that owns them.
using TModuleHandle = const void*;
// Registers a PNG resource (bytes must live for the program's lifetime).
void RegisterBitmapResource(TModuleHandle module, const std::string& name, const std::uint8_t* png, size_t size);
// Registers a resource whose pixels are produced on demand.
void RegisterBitmapResource(TModuleHandle module, const std::string& name, void (*make)(TBitmap&));
// A new bitmap loaded from the named resource of the module (nullptr: any module);
// nullptr when no such resource exists. The caller owns the result.
std::unique_ptr<TBitmap> LoadBitmap(TModuleHandle module, const std::string& name);

}  // namespace host

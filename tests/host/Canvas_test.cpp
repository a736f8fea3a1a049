// Canvas drawing rules, checked pixel by pixel.
#include <gtest/gtest.h>

#include <climits>

#include "PixelTestHelpers.h"

using namespace host;
using namespace pixeltest;

namespace {

Pixels Line(int x0, int y0, int x1, int y1, TPenStyle style = psSolid) {
  TSurface s(20, 20);
  s.canvas.Pen().SetStyle(style);
  s.canvas.MoveTo(x0, y0);
  s.canvas.LineTo(x1, y1);
  return Changed(s.bitmap);
}

}  // namespace

TEST(CanvasLine, LeavesOutItsEndPointInEveryDirection) {
  EXPECT_EQ(Line(2, 5, 8, 5), (Pixels{{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}}));
  EXPECT_EQ(Line(8, 5, 2, 5), (Pixels{{8, 5}, {7, 5}, {6, 5}, {5, 5}, {4, 5}, {3, 5}}));
  EXPECT_EQ(Line(3, 1, 3, 4), (Pixels{{3, 1}, {3, 2}, {3, 3}}));
  EXPECT_EQ(Line(3, 4, 3, 1), (Pixels{{3, 4}, {3, 3}, {3, 2}}));
  EXPECT_EQ(Line(0, 0, 4, 4), (Pixels{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
  EXPECT_EQ(Line(4, 0, 0, 4), (Pixels{{4, 0}, {3, 1}, {2, 2}, {1, 3}}));
  EXPECT_TRUE(Line(6, 6, 6, 6).empty());
}

TEST(CanvasLine, ShallowAndSteepLinesStayOnTheIdealLine) {
  for (auto [dx, dy] : {std::pair{17, 6}, {6, 17}, {-17, 6}, {17, -6}, {-6, -17}}) {
    const int x0 = dx < 0 ? 18 : 1, y0 = dy < 0 ? 18 : 1;
    const Pixels p = Line(x0, y0, x0 + dx, y0 + dy);
    const int steps = std::max(std::abs(dx), std::abs(dy));
    ASSERT_EQ(static_cast<int>(p.size()), steps) << dx << "," << dy;
    for (auto [x, y] : p) {
      // Distance from the ideal line along the minor axis is at most half a pixel.
      const double t = std::abs(dx) >= std::abs(dy) ? double(x - x0) / dx : double(y - y0) / dy;
      EXPECT_LE(std::abs(x - (x0 + t * dx)) + std::abs(y - (y0 + t * dy)), 0.5 + 1e-9) << x << "," << y;
      EXPECT_GE(t, 0);
      EXPECT_LT(t, 1);
    }
  }
}

TEST(CanvasLine, ClippingKeepsTheSamePixelsAndDotPhase) {
  for (TPenStyle style : {psSolid, psDot, psDashDot}) {
    TSurface whole(100, 100), clipped(100, 100);
    clipped.canvas.SetClipRect(Rect(20, 20, 60, 60));
    for (TSurface* s : {&whole, &clipped}) {
      s->canvas.Pen().SetStyle(style);
      s->canvas.MoveTo(-37, -11);
      s->canvas.LineTo(140, 77);
      s->canvas.MoveTo(90, -500);
      s->canvas.LineTo(10, 700);
    }
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 100; ++x) {
        const bool inside = x >= 20 && x < 60 && y >= 20 && y < 60;
        ASSERT_EQ(clipped.bitmap.Pixel(x, y), inside ? whole.bitmap.Pixel(x, y) : kWhite) << x << "," << y;
      }
    EXPECT_FALSE(Changed(clipped.bitmap).empty());
  }
}

TEST(CanvasLine, HugeCoordinatesDrawTheVisiblePartOnly) {
  TSurface s(20, 20);
  s.canvas.MoveTo(INT_MIN, INT_MIN);
  s.canvas.LineTo(INT_MAX, INT_MAX);
  Pixels diagonal;
  for (int i = 0; i < 20; ++i) diagonal.insert({i, i});
  EXPECT_EQ(Changed(s.bitmap), diagonal);

  s.canvas.SetOrigin(Point(INT_MAX, INT_MIN));
  s.canvas.MoveTo(INT_MIN, INT_MAX);
  s.canvas.LineTo(INT_MAX, INT_MIN);
  s.canvas.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  s.canvas.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  s.canvas.Polygon({{INT_MIN, INT_MIN}, {INT_MAX, 0}, {0, INT_MAX}});
  s.canvas.DrawFocusRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
  s.canvas.TextOut(INT_MAX, INT_MAX, "x");
  s.canvas.Pen().SetWidth(INT_MAX);
  s.canvas.LineTo(INT_MIN, INT_MAX);
  s.canvas.SetOrigin(Point(0, 0));
  TBitmap tiny(2, 2);
  s.canvas.StretchDraw(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), tiny);
  EXPECT_EQ(Changed(s.bitmap).size(), 0u);  // the white picture covers everything
  s.canvas.DrawPart(INT_MIN, INT_MAX, tiny, Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX));
  s.canvas.TextRect(Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), INT_MIN, INT_MIN, "far away");
  EXPECT_EQ(Changed(s.bitmap, kRed).size(), 0u);  // the brush filled the whole rectangle
}

TEST(CanvasLine, DottedPenAlternatesAndCarriesOnAlongAPolyline) {
  EXPECT_EQ(Line(0, 0, 9, 0, psDot), (Pixels{{0, 0}, {2, 0}, {4, 0}, {6, 0}, {8, 0}}));
  EXPECT_EQ(Line(0, 9, 0, 0, psDot), (Pixels{{0, 9}, {0, 7}, {0, 5}, {0, 3}, {0, 1}}));
  TSurface s(20, 20);
  s.canvas.Pen().SetStyle(psDot);
  s.canvas.Polyline({{0, 0}, {5, 0}, {5, 4}});
  // Step 5 is the corner: off, as the pattern does not restart there.
  EXPECT_EQ(Changed(s.bitmap), (Pixels{{0, 0}, {2, 0}, {4, 0}, {5, 1}, {5, 3}}));
}

TEST(CanvasLine, WidePenCoversItsWidthAcrossTheLine) {
  TSurface s(30, 30);
  s.canvas.Pen().SetWidth(3);
  s.canvas.MoveTo(5, 10);
  s.canvas.LineTo(20, 10);
  for (int y = 7; y <= 13; ++y) EXPECT_EQ(s.bitmap.Pixel(12, y) == kBlack, y >= 9 && y <= 11) << y;
  s.canvas.Pen().SetStyle(psClear);
  s.canvas.MoveTo(0, 20);
  s.canvas.LineTo(29, 20);
  EXPECT_EQ(s.bitmap.Pixel(10, 20), kWhite);
}

TEST(CanvasRect, RectangleFramesWithPenAndFillsWithBrush) {
  TSurface s(12, 10);
  s.canvas.Rectangle(2, 2, 8, 6);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool inBox = x >= 2 && x < 8 && y >= 2 && y < 6;
      const bool edge = inBox && (x == 2 || x == 7 || y == 2 || y == 5);
      const std::uint32_t want = edge ? kBlack : inBox ? kRed : kWhite;
      ASSERT_EQ(s.bitmap.Pixel(x, y), want) << x << "," << y;
    }
}

TEST(CanvasRect, ClearPenFillsOnlyAndClearBrushFramesOnly) {
  TSurface s(12, 10);
  s.canvas.Pen().SetStyle(psClear);
  s.canvas.Rectangle(2, 2, 8, 6);
  EXPECT_EQ(Changed(s.bitmap).size(), 24u);
  EXPECT_EQ(Extent(s.bitmap), Rect(2, 2, 8, 6));
  EXPECT_EQ(s.bitmap.Pixel(2, 2), kRed);

  TSurface t(12, 10);
  t.canvas.Brush().SetStyle(bsClear);
  t.canvas.Rectangle(2, 2, 8, 6);
  EXPECT_EQ(Changed(t.bitmap).size(), 16u);  // the 6x4 frame
  EXPECT_EQ(t.bitmap.Pixel(4, 3), kWhite);
  EXPECT_EQ(t.bitmap.Pixel(7, 5), kBlack);
}

TEST(CanvasRect, WidePenFrameGrowsInwards) {
  TSurface s(20, 20);
  s.canvas.Brush().SetStyle(bsClear);
  s.canvas.Pen().SetWidth(2);
  s.canvas.Rectangle(2, 2, 12, 12);
  EXPECT_EQ(Extent(s.bitmap), Rect(2, 2, 12, 12));
  EXPECT_EQ(s.bitmap.Pixel(3, 6), kBlack);
  EXPECT_EQ(s.bitmap.Pixel(4, 6), kWhite);
  EXPECT_EQ(s.bitmap.Pixel(10, 6), kBlack);
}

TEST(CanvasRect, FillRectCoversLeftToRightMinusOne) {
  TSurface s(10, 10);
  s.canvas.FillRect(Rect(1, 1, 4, 3));
  EXPECT_EQ(Changed(s.bitmap), (Pixels{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}));
  s.canvas.Brush().SetStyle(bsClear);
  s.canvas.FillRect(Rect(0, 0, 10, 10));
  EXPECT_EQ(Changed(s.bitmap).size(), 6u);
  s.canvas.Brush().SetStyle(bsSolid);
  s.canvas.FillRect(Rect(5, 5, 5, 9));  // empty
  EXPECT_EQ(Changed(s.bitmap).size(), 6u);
}

TEST(CanvasRect, FrameRectUsesTheBrush) {
  TSurface s(10, 10);
  s.canvas.FrameRect(Rect(1, 1, 5, 4));
  EXPECT_EQ(Changed(s.bitmap).size(), 10u);
  EXPECT_EQ(s.bitmap.Pixel(4, 3), kRed);
  EXPECT_EQ(s.bitmap.Pixel(2, 2), kWhite);
}

TEST(CanvasRect, HatchedBrushDrawsLinesAndKeepsTheGaps) {
  TSurface s(16, 16);
  s.canvas.Brush().SetStyle(bsHorizontal);
  s.canvas.FillRect(Rect(0, 0, 16, 16));
  for (int y = 0; y < 16; ++y) EXPECT_EQ(s.bitmap.Pixel(5, y) == kRed, y % 8 == 0) << y;
}

TEST(CanvasFocusRect, InvertsEveryOtherFramePixelAndTwiceRestores) {
  for (TRect r : {Rect(2, 3, 13, 9), Rect(4, 4, 10, 5), Rect(6, 1, 7, 9), Rect(5, 5, 6, 6)}) {
    TBitmap b(16, 12);
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 16; ++x) b.SetPixel(x, y, 0xFF000000u | static_cast<std::uint32_t>(x * 13 + y * 7919));
    TBitmap original;
    original.Assign(&b);
    b.Canvas().DrawFocusRect(r);
    int changed = 0;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 16; ++x) {
        const bool onFrame = r.Contains(Point(x, y)) &&
                             (x == r.Left || x == r.Right - 1 || y == r.Top || y == r.Bottom - 1);
        const bool on = onFrame && (x - r.Left + y - r.Top) % 2 == 0;
        ASSERT_EQ(b.Pixel(x, y), on ? original.Pixel(x, y) ^ 0x00FFFFFFu : original.Pixel(x, y)) << x << "," << y;
        changed += on;
      }
    EXPECT_GT(changed, 0);
    b.Canvas().DrawFocusRect(r);
    EXPECT_EQ(b.Pixels(), original.Pixels());
  }
}

TEST(CanvasClip, NothingIsDrawnOutsideTheClipRectOrTheBitmap) {
  TSurface s(20, 20);
  s.canvas.SetClipRect(Rect(5, 5, 10, 12));
  s.canvas.FillRect(Rect(-100, -100, 100, 100));
  EXPECT_EQ(Extent(s.bitmap), Rect(5, 5, 10, 12));
  EXPECT_EQ(Changed(s.bitmap).size(), 35u);

  TSurface edge(10, 10);
  edge.canvas.FillRect(Rect(-5, -5, 100, 100));
  edge.canvas.Rectangle(-5, 3, 30, 7);
  edge.canvas.Pixel(10, 0, clBlue);
  edge.canvas.Pixel(-1, 0, clBlue);
  EXPECT_EQ(edge.canvas.PixelColor(10, 0), clNone);
  EXPECT_EQ(edge.canvas.PixelColor(0, 0), clRed);
}

TEST(CanvasClip, OriginShiftsDrawingAndClipRectIsInCanvasCoordinates) {
  TSurface s(40, 40);
  s.canvas.SetOrigin(Point(10, 20));
  s.canvas.SetClipRect(Rect(10, 20, 30, 25));
  EXPECT_EQ(s.canvas.ClipRect(), Rect(0, 0, 20, 5));
  s.canvas.FillRect(Rect(0, 0, 2, 2));
  s.canvas.FillRect(Rect(18, -3, 30, 30));  // clipped to the control's area
  EXPECT_EQ(Changed(s.bitmap), (Pixels{{10, 20}, {11, 20}, {10, 21}, {11, 21}, {28, 20}, {29, 20}, {28, 21}, {29, 21},
                                       {28, 22}, {29, 22}, {28, 23}, {29, 23}, {28, 24}, {29, 24}}));
  s.canvas.MoveTo(0, 4);
  s.canvas.LineTo(3, 4);
  EXPECT_EQ(s.bitmap.Pixel(12, 24), kBlack);
  EXPECT_EQ(s.canvas.PixelColor(2, 4), clBlack);
}

TEST(CanvasClip, EmptyIntersectionClipsEverythingWhileEmptySetResets) {
  TSurface s(10, 10);
  s.canvas.SetClipRect(Rect(0, 0, 5, 5));
  s.canvas.IntersectClipRect(Rect(6, 6, 9, 9));
  EXPECT_TRUE(s.canvas.ClipRect().IsEmpty());
  s.canvas.FillRect(Rect(0, 0, 10, 10));
  EXPECT_TRUE(Changed(s.bitmap).empty());
  s.canvas.SetClipRect(TRect{});
  EXPECT_EQ(s.canvas.BitmapClipRect(), Rect(0, 0, 10, 10));
  s.canvas.SetClipRect(Rect(2, 2, 8, 8));
  s.canvas.IntersectClipRect(Rect(5, 0, 10, 4));
  EXPECT_EQ(s.canvas.BitmapClipRect(), Rect(5, 2, 8, 4));
}

TEST(CanvasShapes, EllipseStaysInItsBoxFramedAndFilled) {
  TSurface s(30, 30);
  s.canvas.Ellipse(5, 4, 25, 20);
  EXPECT_EQ(Extent(s.bitmap), Rect(5, 4, 25, 20));
  EXPECT_EQ(s.bitmap.Pixel(15, 12), kRed);
  EXPECT_EQ(s.bitmap.Pixel(5, 12), kBlack);
  EXPECT_EQ(s.bitmap.Pixel(24, 11), kBlack);
  EXPECT_EQ(s.bitmap.Pixel(15, 4), kBlack);
  EXPECT_EQ(s.bitmap.Pixel(14, 19), kBlack);
  EXPECT_EQ(s.bitmap.Pixel(5, 4), kWhite);
  EXPECT_EQ(s.bitmap.Pixel(24, 19), kWhite);
  // Symmetric about both axes of the box.
  for (int y = 4; y < 20; ++y)
    for (int x = 5; x < 25; ++x) {
      ASSERT_EQ(s.bitmap.Pixel(x, y), s.bitmap.Pixel(29 - x, y)) << x << "," << y;
      ASSERT_EQ(s.bitmap.Pixel(x, y), s.bitmap.Pixel(x, 23 - y)) << x << "," << y;
    }
}

TEST(CanvasShapes, PolygonFillsInsideAndOutlinesEveryVertex) {
  TSurface s(20, 20);
  s.canvas.Polygon({{2, 2}, {15, 2}, {15, 12}, {2, 12}});
  EXPECT_EQ(Extent(s.bitmap), Rect(2, 2, 16, 13));
  EXPECT_EQ(s.bitmap.Pixel(8, 7), kRed);
  for (auto [x, y] : {std::pair{2, 2}, {15, 2}, {15, 12}, {2, 12}}) EXPECT_EQ(s.bitmap.Pixel(x, y), kBlack);
}

TEST(CanvasBlit, DrawSkipsTheTransparentColourAndBlendsAlpha) {
  TBitmap src(3, 2);
  src.SetPixel(0, 0, kBlack);
  src.SetPixel(1, 0, 0x80000000u);  // half-transparent black
  src.SetPixel(2, 0, 0x00000000u);  // fully transparent
  src.SetPixel(0, 1, 0xFFFF00FFu);  // bottom-left: the transparent colour
  src.SetPixel(1, 1, 0xFFFF00FFu);
  src.SetPixel(2, 1, kRed);
  src.SetTransparent(true);
  TSurface s(6, 6);
  s.canvas.Draw(2, 3, src);
  EXPECT_EQ(s.bitmap.Pixel(2, 3), kBlack);
  EXPECT_EQ(s.bitmap.Pixel(3, 3), 0xFF7F7F7Fu);
  EXPECT_EQ(s.bitmap.Pixel(4, 3), kWhite);
  EXPECT_EQ(s.bitmap.Pixel(2, 4), kWhite);
  EXPECT_EQ(s.bitmap.Pixel(3, 4), kWhite);
  EXPECT_EQ(s.bitmap.Pixel(4, 4), kRed);
  src.SetTransparent(false);
  s.canvas.Draw(2, 3, src);
  EXPECT_EQ(s.bitmap.Pixel(2, 4), 0xFFFF00FFu);
}

TEST(CanvasBlit, DrawPartCopiesTheSourceRectangleClipped) {
  TBitmap src(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) src.SetPixel(x, y, 0xFF000000u | static_cast<std::uint32_t>(y * 4 + x));
  TSurface s(5, 5);
  s.canvas.DrawPart(3, 3, src, Rect(-1, 1, 3, 3));
  // Source column -1 does not exist; (0,1) lands at (4,3); the rest falls off the bitmap.
  EXPECT_EQ(Changed(s.bitmap), (Pixels{{4, 3}, {4, 4}}));
  EXPECT_EQ(s.bitmap.Pixel(4, 3), 0xFF000004u);
  EXPECT_EQ(s.bitmap.Pixel(4, 4), 0xFF000008u);

  // Onto itself, overlapping: reads the picture as it was before.
  src.Canvas().DrawPart(1, 0, src, Rect(0, 0, 3, 1));
  EXPECT_EQ(src.Pixel(1, 0), 0xFF000000u);
  EXPECT_EQ(src.Pixel(3, 0), 0xFF000002u);
}

TEST(CanvasBlit, StretchDrawScalesByNearestPixel) {
  TBitmap src(2, 2);
  src.SetPixel(0, 0, kBlack);
  src.SetPixel(1, 0, kRed);
  src.SetPixel(0, 1, 0xFF0000FFu);
  src.SetPixel(1, 1, 0xFF00FF00u);
  TSurface s(8, 8);
  s.canvas.StretchDraw(Rect(2, 2, 6, 6), src);
  EXPECT_EQ(Extent(s.bitmap), Rect(2, 2, 6, 6));
  for (int y = 2; y < 6; ++y)
    for (int x = 2; x < 6; ++x) EXPECT_EQ(s.bitmap.Pixel(x, y), src.Pixel((x - 2) / 2, (y - 2) / 2));
}

// Rectangles a later paint covers are left out of FillRect, whatever their overlap, and
// the rest of the rectangle is filled exactly once as before.
TEST(CanvasFill, CoveredRectanglesAreLeftOutOfTheFill) {
  TBitmap bitmap(40, 30);
  TCanvas canvas(&bitmap);
  canvas.Brush().SetColor(clRed);
  const std::vector<TRect> covered{Rect(5, 5, 15, 15), Rect(10, 10, 20, 20), Rect(30, 0, 60, 10),
                                   Rect(-5, 25, 3, 40)};
  canvas.SetCoveredRects(&covered);
  canvas.SetOrigin(Point(2, 0));
  canvas.FillRect(Rect(-2, 0, 36, 28));  // bitmap x 0..37
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      bool under = false;
      for (const TRect& c : covered) under = under || (x >= c.Left && x < c.Right && y >= c.Top && y < c.Bottom);
      const bool filled = x < 38 && y < 28 && !under;
      ASSERT_EQ(bitmap.Pixel(x, y), filled ? kRed : kWhite) << x << "," << y;
    }
  // Without the list the whole rectangle is filled again.
  canvas.SetCoveredRects(nullptr);
  canvas.FillRect(Rect(-2, 0, 36, 28));
  EXPECT_EQ(bitmap.Pixel(12, 12), kRed);
}

// Repainting a dialog-sized bitmap with 300 button-like controls: face, 3D frame,
// caption and focus rectangle, each painted in its own coordinates through Origin and
// the clip rectangle as a form does.
#include <benchmark/benchmark.h>

#include "host/graphics/Graphics.h"

namespace {

using namespace host;

void PaintButton(TCanvas& c, const TRect& area, const std::string& caption) {
  c.SetOrigin(Point(area.Left, area.Top));
  c.SetClipRect(area);
  const Integer w = area.Width(), h = area.Height();
  c.Brush().SetColor(clBtnFace);
  c.FillRect(Rect(0, 0, w, h));
  c.Pen().SetColor(clBtnHighlight);
  c.MoveTo(0, h - 1);
  c.LineTo(0, 0);
  c.LineTo(w - 1, 0);
  c.Pen().SetColor(cl3DDkShadow);
  c.LineTo(w - 1, h - 1);
  c.LineTo(-1, h - 1);
  c.Brush().SetStyle(bsClear);
  DrawAccelText(c, (w - AccelTextWidth(c, caption)) / 2, (h - c.TextHeight(caption)) / 2, caption);
  c.DrawFocusRect(Rect(3, 3, w - 3, h - 3));
}

void BM_PaintDialog(benchmark::State& state) {
  TBitmap bitmap(800, 600);
  TCanvas& canvas = bitmap.Canvas();
  for (auto _ : state) {
    for (int i = 0; i < 300; ++i) {
      const TRect area = Bounds(8 + (i % 10) * 78, 8 + (i / 10) * 19, 75, 17);
      PaintButton(canvas, area, i % 2 ? "&Cancel" : "&OK");
    }
    benchmark::DoNotOptimize(bitmap.Pixels().data());
  }
}
BENCHMARK(BM_PaintDialog)->Unit(benchmark::kMillisecond);

}  // namespace

// Text layout: measuring a text never seen before (as after each key typed into an edit
// box of 200 characters), in Latin and in mixed scripts drawn partly from fallback faces,
// and drawing a line that is already laid out.
#include <benchmark/benchmark.h>

#include <string>

#include "host/graphics/Graphics.h"

namespace {

using namespace host;

// A different text every time: the iteration number leads, the rest repeats `body` up
// to `bytes`.
std::string Fresh(long long n, const std::string& body, size_t bytes) {
  std::string text = std::to_string(n) + " ";
  while (text.size() < bytes) text += body;
  return text;
}

void MeasureFresh(benchmark::State& state, const std::string& body) {
  TBitmap bitmap(10, 10);
  TCanvas& canvas = bitmap.Canvas();
  long long n = 0;
  for (auto _ : state) benchmark::DoNotOptimize(canvas.TextWidth(Fresh(++n, body, 200)));
}

void BM_MeasureNewLatinText200(benchmark::State& state) {
  MeasureFresh(state, "The quick brown fox jumps over the lazy dog; AVATAR, To, Ty. ");
}
BENCHMARK(BM_MeasureNewLatinText200)->Unit(benchmark::kMicrosecond);

void BM_MeasureNewMixedText200(benchmark::State& state) {
  MeasureFresh(state, "\xC3\xA9t\xC3\xA9 \xCE\x9A\xCE\xB1\xCE\xBB\xCE\xB7\xCE\xBC\xCE\xAD\xCF\x81\xCE\xB1 "
                      "\xD0\x9C\xD0\xB8\xD1\x80 \xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E ");
}
BENCHMARK(BM_MeasureNewMixedText200)->Unit(benchmark::kMicrosecond);

void BM_DrawLaidOutLine(benchmark::State& state) {
  TBitmap bitmap(600, 20);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetStyle(bsClear);
  const std::string line = "Please read the following licence agreement before you continue.";
  for (auto _ : state) {
    canvas.TextOut(2, 2, line);
    benchmark::DoNotOptimize(bitmap.Pixels().data());
  }
}
BENCHMARK(BM_DrawLaidOutLine)->Unit(benchmark::kMicrosecond);

}  // namespace

// Next on the wizard workload: the page change alone, the page change with the repaint
// of what it changed, and a full repaint of one page.
#include <benchmark/benchmark.h>

#include "WizardWorkload.h"

namespace {

using bench::Arrangement;
using bench::WizardWorkload;

Arrangement ArrangementOf(const benchmark::State& state) {
  return state.range(0) == 0 ? Arrangement::Box : Arrangement::EveryControl;
}

void SetLabels(benchmark::State& state) {
  state.SetLabel(ArrangementOf(state) == Arrangement::Box ? "box" : "every control");
  state.counters["controls"] = static_cast<double>(state.range(1) * bench::kPages);
}

void BM_Next(benchmark::State& state) {
  WizardWorkload w(ArrangementOf(state), static_cast<int>(state.range(1)));
  w.Show();
  for (auto _ : state) w.Next();
  SetLabels(state);
}
BENCHMARK(BM_Next)->Args({0, 50})->Args({1, 50})->Args({1, 500})->Unit(benchmark::kMicrosecond);

void BM_NextAndRepaint(benchmark::State& state) {
  WizardWorkload w(ArrangementOf(state), static_cast<int>(state.range(1)));
  w.Show();
  for (auto _ : state) {
    w.Next();
    w.form->UpdateWindow();
  }
  SetLabels(state);
}
BENCHMARK(BM_NextAndRepaint)->Args({0, 50})->Args({1, 50})->Unit(benchmark::kMicrosecond);

void BM_FullRepaint(benchmark::State& state) {
  WizardWorkload w(ArrangementOf(state), static_cast<int>(state.range(1)));
  w.Show();
  const host::TRect all = host::Rect(0, 0, w.form->Width(), w.form->Height());
  for (auto _ : state) w.form->PaintWindow(all);
  SetLabels(state);
}
BENCHMARK(BM_FullRepaint)->Args({0, 50})->Args({1, 50})->Unit(benchmark::kMicrosecond);

}  // namespace

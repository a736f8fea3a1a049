// Loading the wizard workload's form file (every control page-aware) from memory, and
// the heap it keeps per control once loaded.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <vector>

#include "WizardWorkload.h"

namespace {

void BM_LoadForm(benchmark::State& state) {
  const std::string text = bench::WorkloadFormText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::unique_ptr<host::TComponent> root(host::ReadForm(text));
    state.PauseTiming();
    root.reset();
    state.ResumeTiming();
  }
  state.counters["controls"] = static_cast<double>(state.range(0) * bench::kPages);
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_LoadForm)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

// Larger than the last-level cache of the machines this runs on.
constexpr size_t kCacheFlood = size_t{96} << 20;

// As an application meets it: the form loaded once, with its text and the heap it lands
// in no longer in any cache. Between loads a buffer larger than the caches is written
// over, outside the timing. The load above keeps a small form's text and heap in the
// cache from one iteration to the next, which a large form cannot.
void BM_LoadFormCold(benchmark::State& state) {
  const std::string text = bench::WorkloadFormText(static_cast<int>(state.range(0)));
  std::vector<char> flood(kCacheFlood);
  for (auto _ : state) {
    state.PauseTiming();
    for (size_t i = 0; i < flood.size(); i += 64) flood[i] = static_cast<char>(flood[i] + 1);
    benchmark::DoNotOptimize(flood.data());
    state.ResumeTiming();
    std::unique_ptr<host::TComponent> root(host::ReadForm(text));
    state.PauseTiming();
    root.reset();
    state.ResumeTiming();
  }
  state.counters["controls"] = static_cast<double>(state.range(0) * bench::kPages);
}
BENCHMARK(BM_LoadFormCold)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

// Heap in use after loading, less heap in use before, per control.
void BM_MemoryPerControl(benchmark::State& state) {
  const int perPage = static_cast<int>(state.range(0));
  const std::string text = bench::WorkloadFormText(perPage);
  double perControl = 0;
  for (auto _ : state) {
    const size_t before = mallinfo2().uordblks;
    std::unique_ptr<host::TComponent> root(host::ReadForm(text));
    const size_t after = mallinfo2().uordblks;
    perControl = static_cast<double>(after - before) / (perPage * bench::kPages);
    state.PauseTiming();
    root.reset();
    state.ResumeTiming();
  }
  state.counters["bytes_per_control"] = perControl;
}
BENCHMARK(BM_MemoryPerControl)->Arg(500)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

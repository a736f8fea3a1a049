// Writing and reading a form file of 1,000 components, each with a 21-entry position list.
#include <benchmark/benchmark.h>

#include <memory>

#include "host/core/ClassBuilder.h"
#include "host/streaming/Filer.h"
#include "zelvant/ZelvL.h"

namespace {

using namespace host;

// A component storing a position list the way the page-aware controls do.
class TBenchControl : public TComponent {
  HOST_CLASS(TBenchControl, TComponent)
  explicit TBenchControl(TComponent* owner) : TComponent(owner) {}
  zelvant::TAposList* ShowContainer() const { return const_cast<zelvant::TAposList*>(&positions_); }
  Integer Left() const { return left_; }
  void SetLeft(Integer v) { left_ = v; }

 private:
  zelvant::TAposList positions_;
  Integer left_ = 0;
};

HOST_PUBLISHED(TBenchControl) {
  P.Property("Left", &TBenchControl::Left, &TBenchControl::SetLeft);
  P.Property("ShowContainer", &TBenchControl::ShowContainer);
}

std::unique_ptr<TComponent> MakeForm(int components) {
  auto root = std::make_unique<TComponent>(nullptr);
  root->SetName("BenchForm");
  for (int i = 0; i < components; ++i) {
    auto* c = new TBenchControl(root.get());
    c->SetName("Control" + std::to_string(i));
    c->SetLeft(i % 500);
    for (int p = 0; p < 21; ++p) c->ShowContainer()->AddAPos({p * 8, i % 300, (p + i) % 2});
  }
  return root;
}

void BM_WriteForm(benchmark::State& state) {
  auto root = MakeForm(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(WriteForm(root.get()));
}
BENCHMARK(BM_WriteForm)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ReadForm(benchmark::State& state) {
  const std::string text = WriteForm(MakeForm(static_cast<int>(state.range(0))).get());
  state.counters["bytes"] = static_cast<double>(text.size());
  for (auto _ : state) {
    std::unique_ptr<TComponent> root(ReadForm(text));
    benchmark::DoNotOptimize(root.get());
  }
}
BENCHMARK(BM_ReadForm)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

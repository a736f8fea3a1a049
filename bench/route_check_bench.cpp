// The route checks of a large wizard, as a designer would run them after every change:
// 200 way-list positions and 1,000 jump controls, each shown on a few pages.
#include <benchmark/benchmark.h>

#include <memory>

#include "host/forms/Forms.h"
#include "zelvant/ZelvC.h"
#include "zelvant/ZelvRoutes.h"

namespace {

using namespace host;
using namespace zelvant;

constexpr Integer kPositions = 200;

struct LargeWizard {
  std::unique_ptr<TForm> form;
  TZelvant* z;
  LargeWizard(int jumps) : form(std::make_unique<TForm>(nullptr)) {
    form->SetBounds(0, 0, 640, 480);
    z = new TZelvant(form.get());
    z->SetName("Zelvant1");
    z->SetParent(form.get());
    z->SetNumPages(kPositions);
    // Mostly "Next" rows, every tenth asks, every 25th goes back ten rows, the last finishes.
    for (Integer p = 1; p <= kPositions; ++p) {
      Integer code = gpNext;
      if (p == kPositions) code = gpFinish;
      else if (p % 25 == 0) code = p - 10;
      else if (p % 10 == 0) code = gpAsk;
      z->WayList()->AddPage({p, code});
    }
    z->SetWayListEnabled(true);
    z->OnAskPageChange = [](TZelvant*, Integer, Integer&) {};
    z->setPage(1);
    // Jump buttons and radio buttons in groups of four per panel, absolute and relative.
    TWinControl* group = nullptr;
    for (int i = 0; i < jumps; ++i) {
      if (i % 4 == 0) {
        group = new TPanel(form.get());
        group->SetParent(z);
      }
      const Integer page = 1 + (i * 7) % kPositions;
      auto place = [&](auto* j) {
        j->SetParent(group);
        j->JumpMode = i % 3 == 0 ? jmRelativ : jmAbsolut;
        j->JumpPage = j->JumpMode == jmRelativ ? 1 + i % 5 : 1 + (i * 13) % kPositions;
        TAposList* shows = j->ShowContainer();
        for (Integer r = 0; r < shows->List.Count(); ++r) shows->Record(r).Show = 0;
        for (Integer k = 0; k < 3; ++k) shows->Record(1 + (page + k * 50 - 1) % kPositions).Show = 1;
      };
      if (i % 2 == 0) place(new TAJumpBitBtn(form.get()));
      else place(new TAJumpRadioBtn(form.get()));
    }
  }
};

void BM_RouteChecks(benchmark::State& state) {
  LargeWizard w(static_cast<int>(state.range(0)));
  size_t findings = 0;
  for (auto _ : state) {
    findings = w.z->CheckRoutes().size();
    benchmark::DoNotOptimize(findings);
  }
  state.counters["findings"] = static_cast<double>(findings);
  state.counters["edges"] = static_cast<double>(TRouteGraph(*w.z).Edges().size());
}
BENCHMARK(BM_RouteChecks)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_RouteSteps(benchmark::State& state) {
  LargeWizard w(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(w.z->RouteSteps());
}
BENCHMARK(BM_RouteSteps)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

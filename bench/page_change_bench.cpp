// A page change of a wizard whose form holds many page-aware controls spread over 20
// pages, without painting: the cost of telling every control the new page.
#include <benchmark/benchmark.h>

#include <memory>

#include "host/forms/Forms.h"
#include "zelvant/ZelvC.h"

namespace {

using namespace host;
using namespace zelvant;

struct WizardForm {
  std::unique_ptr<TForm> form;
  TZelvant* z;
  explicit WizardForm(int controls) : form(std::make_unique<TForm>(nullptr)) {
    form->SetBounds(0, 0, 640, 480);
    z = new TZelvant(form.get());
    z->SetParent(form.get());
    z->SetNumPages(20);
    for (int i = 0; i < controls; ++i) {
      const int page = 1 + i % 20;
      z->setPage(page);
      auto* box = new TABox(form.get());
      box->SetParent(z);
      box->SetBounds(10 + (i / 20) % 40 * 12, 10 + i % 17 * 12, 50, 20);
    }
  }
};

void BM_PageChange(benchmark::State& state) {
  WizardForm w(static_cast<int>(state.range(0)));
  int page = 1;
  for (auto _ : state) {
    page = page % 20 + 1;
    w.z->setPage(page);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PageChange)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);

}  // namespace
